#include "cli/CliCommon.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "VXVersion.h"
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

using namespace vx;
using namespace vx::cli;

namespace {
// Qt's own warnings (a missing runtime directory on a server and such) would mix with the
// system's messages on standard error; they are shown only on request.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("VALTRIX_QT_MESSAGES"))
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietMessages);
    // Painting (sketches, printed documents) needs fonts, so the tool runs a GUI application on
    // the offscreen platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        PrintUsage();
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("version") || name == QLatin1String("--version")) {
        Out(QStringLiteral("Valtrix Фурнитура %1").arg(QLatin1String(VALTRIX_VERSION_TEXT)));
        return 0;
    }
    for (const TCommand& command : Commands()) {
        if (command.Name != name)
            continue;
        try {
            return command.Run(args);
        } catch (const EUsage& e) {
            std::fprintf(stderr, "%s\n", e.Text().toUtf8().constData());
            PrintUsage();
            return 2;
        } catch (const std::exception& e) {
            TConsoleInteraction console;
            TScopedUI scoped(&console);
            ShowError(ExceptionText(e));
            return 1;
        }
    }
    PrintUsage();
    return 2;
}
