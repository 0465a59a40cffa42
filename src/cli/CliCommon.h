#pragma once
#include "foundation/VXUserInteraction.h"
#include <QHash>
#include <QSet>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace vx {
class TDM;
class TvxfSetup;
}

namespace vx::cli {

// Bad usage: the command line cannot be carried out as given. Exit code 2.
class EUsage : public std::runtime_error {
public:
    explicit EUsage(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString Text() const { return QString::fromStdString(what()); }
};

// A command's arguments: positional words and "--name value" options; the names in flags
// take no value ("--yes"). "-o" is the same as "--out".
class TArgs {
public:
    TArgs(const QStringList& args, const QSet<QString>& flags = {});

    QStringList Positional;

    bool Has(const QString& name) const { return FOptions.contains(name); }
    QString Value(const QString& name, const QString& fallback = QString()) const;
    // Every value of an option given more than once, in order.
    QStringList Values(const QString& name) const { return FAll.value(name); }
    // Raises EUsage naming the first option outside allowed (flags and options alike).
    void AllowOnly(const QStringList& allowed) const;
    // Raises EUsage unless there are between min and max positional words (max -1: any).
    void ExpectPositional(int min, int max = -1) const;
    int IntValue(const QString& name, int fallback) const;

private:
    QHash<QString, QString> FOptions;
    QHash<QString, QStringList> FAll;
};

// The options every command that works on an installation understands.
const QStringList& EnvironmentOptions(); // config, catalog, server, reports, yes, debug
const QSet<QString>& EnvironmentFlags(); // yes, debug

// The environment of one command: run paths from "--config NAME", or "--catalog/--server/
// --reports", or the registry's default configuration; the settings file; the data module
// with its connections and the catalog tables open; console answers ("--yes" says OK to every
// question, otherwise Cancel); "--debug" switches the debug mode on. Everything is taken down
// again by the destructor. Failures are raised as EValtrixError.
class TCliSession {
public:
    struct TOptions {
        bool OpenCatalog = true;   // connect and open the catalog tables
        bool OpenRegistry = true;  // connect the registry and report databases
    };
    explicit TCliSession(const TArgs& args);
    TCliSession(const TArgs& args, TOptions options);
    ~TCliSession();
    TCliSession(const TCliSession&) = delete;
    TCliSession& operator=(const TCliSession&) = delete;

    TConsoleInteraction Console;

private:
    std::unique_ptr<TScopedUI> FScopedUI;
    std::unique_ptr<TvxfSetup> FSetup;
    std::unique_ptr<TDM> FDM;
};

// The directories from the options (see TCliSession); false when the configuration could not
// be opened (the reason has been shown).
bool ResolveDirectories(const TArgs& args);

// One line to standard output, UTF-8.
void Out(const QString& text);
// Text as is to standard output, UTF-8.
void Write(const QString& text);

// A command: gets the words after its name, answers the exit code (0 success, 1 a failure
// the system reports, 2 bad usage). EUsage and exceptions are turned into codes by main.
using TCommandFn = int (*)(const QStringList& args);

struct TCommand {
    QString Name;
    QString Usage; // lines for the usage text, each indented by the registry
    TCommandFn Run = nullptr;
};

// Each command file registers its command with a static object of this type.
struct TCommandRegistration {
    TCommandRegistration(const char* name, const char* usage, TCommandFn run);
};

const QList<TCommand>& Commands();
void PrintUsage();

} // namespace vx::cli
