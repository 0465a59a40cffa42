#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vx {

// Registry key of the configurations: each subkey is one configuration.
inline const QString ConfigRootKey = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380\\DBConfig\\GU");
inline const QString DefaultConfigValue = QStringLiteral("DefaultConfig");
inline const QString LastTempDirValue = QStringLiteral("VXFLastTempDir");
inline const QString CatalogDirValue = QStringLiteral("VXFCatalogDir");
inline const QString ServerNameValue = QStringLiteral("VXFServerName");
inline const QString ReportDirValue = QStringLiteral("VXFReportDir");
inline const QString TempDirValue = QStringLiteral("VXFTempDir");
inline const QString SettingsFileName = QStringLiteral("VXFurniture.ini");

// The directories of the chosen configuration, one set per run. They keep the form in which
// the configuration gives them (a shared installation may hold Windows paths with
// backslashes); whoever opens or tests one passes it through ResolvePath.
struct TRunPaths {
    QString ConfigName;     // shown in the main window's caption
    QString CatalogDir;     // alias ZNDB_Catalog, home of the settings file
    QString ServerDir;
    QString ReportDir;      // alias ZNDB_Report
    QString SettingsFile;
    QString OrdersDir;
    QString SelectionDir;
    QString RecycledDir;
    QString ArchiveDir;
    QString RegistryDir;    // alias ZNDB_Registry
    QString ExportDir;
    QString TempDir;        // this run's temporary directory, also the table engine's

    void Clear() { *this = TRunPaths(); }
};

// The command-line switches and the temporary directory of the last run.
struct TRunState {
    bool DeveloperMode = false;    // "/developer"
    bool NoPresentation = false;   // "/nopresentation"
    QString LastTempDir;
};

TRunPaths& RunPaths();
TRunState& RunState();

// True when the switch (such as "/developer") occurs, ignoring case, anywhere inside one of
// the arguments; "-developer" and "--developer" given as a whole argument count as well.
bool HasSwitch(const QStringList& args, const QString& sw);

// At program load: the switches (the arguments without the program name) and the last
// temporary directory from the registry. A registry failure is shown in an error box.
void ReadRunState(const QStringList& args);

// Deletes the last run's temporary directory with all its contents, silently. Only a
// directory of the form this program creates (a number as its last part) is deleted, so a
// damaged registry value can never take other files with it.
void CleanLastTempDir();

// The configurations for the chooser: the names of all subkeys of the configuration root
// and the index of the one to preselect ("DefaultConfig", or the first; -1 when there are
// none). Throws EValtrixError when the registry cannot be read.
struct TConfigList {
    QStringList Names;
    int Preselected = -1;
};
TConfigList ListConfigurations();

// Opens the named configuration and derives every run-time path from it (empty name: none
// was chosen). Creates this run's temporary directory under "VXFTempDir", or under
// programDir when that value is empty. Failures are shown in error boxes; false then.
bool OpenConfiguration(const QString& name, const QString& programDir);
// Every directory of a run derived from the three directories of a configuration (no
// temporary directory).
TRunPaths DeriveRunPaths(const QString& catalogDir, const QString& serverDir, const QString& reportDir);

// The chooser window: gets the list and gives the chosen name (empty when none is selected)
// or nothing for Cancel. Without a chooser the preselected configuration is taken.
using TConfigChooser = std::function<std::optional<QString>(const TConfigList&)>;

// Clears the run-time paths, lets the user choose a configuration and opens it. Cancel in
// the chooser fails without a message. programDir defaults to the program's own directory.
bool SelectConfiguration(const TConfigChooser& chooser, const QString& programDir = {});

// At program end: "VXFLastTempDir" into the configuration root. A registry failure is shown
// in an error box.
void WriteRunState();

// Joins a directory of a configuration and a subdirectory or file name with the separator
// the directory already uses ("\" unless it is a "/" path); empty stays empty.
QString JoinConfigPath(const QString& dir, const QString& name);

// Creates a directory with its missing parents; false when that fails.
bool ForceDirectories(const QString& dir);
// Gives a directory the hidden attribute where the file system knows one.
void SetHiddenDir(const QString& dir);

} // namespace vx
