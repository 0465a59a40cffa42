#include "config/CfgList.h"
#include "config/VXRegistry.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#endif

namespace vx {

namespace {

// A directory value of a configuration: trimmed, without one trailing separator.
QString ConfigDir(const QString& text)
{
    QString s = CleanDirName(text);
    if (s.size() > 1 && s.endsWith(QLatin1Char('/')))
        s.chop(1);
    return s;
}

// A fresh numbered subdirectory of base; empty when it cannot be created. A number already
// taken (another instance running) is not shared.
QString NewTempDir(const QString& base)
{
    if (base.isEmpty())
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString dir = JoinConfigPath(base, QString::number(QRandomGenerator::global()->bounded(1000000)));
        QString resolved = ResolvePath(dir);
        if (QFileInfo::exists(resolved))
            continue;
        return QDir().mkpath(resolved) ? dir : QString();
    }
    return {};
}

bool IsOwnTempDirName(const QString& dir)
{
    QString name = dir;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.endsWith(QLatin1Char('/')))
        name.chop(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.isEmpty() || name.size() > 6)
        return false;
    for (QChar c : name)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

TRunPaths& RunPaths()
{
    static TRunPaths paths;
    return paths;
}

TRunState& RunState()
{
    static TRunState state;
    return state;
}

QString JoinConfigPath(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return {};
    bool slash = dir.contains(QLatin1Char('/')) && !dir.contains(QLatin1Char('\\'));
    QChar sep = slash ? QLatin1Char('/') : QLatin1Char('\\');
    return dir.endsWith(sep) ? dir + name : dir + sep + name;
}

bool ForceDirectories(const QString& dir)
{
    if (dir.isEmpty())
        return false;
    QString resolved = ResolvePath(dir);
    return QFileInfo(resolved).isDir() || QDir().mkpath(resolved);
}

void SetHiddenDir(const QString& dir)
{
#ifdef Q_OS_WIN
    QString native = QDir::toNativeSeparators(ResolvePath(dir));
    DWORD attrs = GetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()));
    if (attrs != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(reinterpret_cast<LPCWSTR>(native.utf16()), attrs | FILE_ATTRIBUTE_HIDDEN);
#else
    Q_UNUSED(dir);   // no hidden attribute; the name must stay "Recycled" for Windows installations
#endif
}

bool HasSwitch(const QStringList& args, const QString& sw)
{
    QString bare = sw;
    while (bare.startsWith(QLatin1Char('/')) || bare.startsWith(QLatin1Char('-')))
        bare.remove(0, 1);
    for (const QString& a : args) {
        if (a.contains(sw, Qt::CaseInsensitive))
            return true;
        QString dashless = a;
        if (dashless.startsWith(QLatin1String("--")))
            dashless.remove(0, 2);
        else if (dashless.startsWith(QLatin1Char('-')))
            dashless.remove(0, 1);
        else
            continue;
        if (dashless.compare(bare, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void ReadRunState(const QStringList& args)
{
    TRunState& state = RunState();
    state.DeveloperMode = HasSwitch(args, QStringLiteral("/developer"));
    state.NoPresentation = HasSwitch(args, QStringLiteral("/nopresentation"));
    state.LastTempDir.clear();
    // The random generator is seeded by the system; nothing to do for it here.
    try {
        TRegistry reg;
        if (reg.OpenKey(ConfigRootKey, false))
            state.LastTempDir = reg.ReadString(LastTempDirValue);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

void CleanLastTempDir()
{
    const QString dir = RunState().LastTempDir.trimmed();
    if (dir.isEmpty() || !IsOwnTempDirName(dir))
        return;
    if (!QFileInfo(ResolvePath(dir)).isDir())
        return;
    DeleteDirTree(dir);
}

TConfigList ListConfigurations()
{
    TConfigList list;
    TRegistry reg;
    if (!reg.OpenKey(ConfigRootKey, false))
        return list;
    list.Names = reg.GetKeyNames();
    // The Windows registry lists subkeys in alphabetical order without case.
    list.Names.sort(Qt::CaseInsensitive);
    if (list.Names.isEmpty())
        return list;
    const QString def = reg.ReadString(DefaultConfigValue);
    list.Preselected = 0;
    for (int i = 0; i < list.Names.size(); ++i)
        if (list.Names[i].compare(def, Qt::CaseInsensitive) == 0) {
            list.Preselected = i;
            break;
        }
    return list;
}

TRunPaths DeriveRunPaths(const QString& catalogDir, const QString& serverDir, const QString& reportDir)
{
    TRunPaths p;
    p.CatalogDir = catalogDir;
    p.ServerDir = serverDir;
    p.ReportDir = reportDir;
    // An empty directory value gives empty derived paths rather than paths at the root.
    p.SettingsFile = JoinConfigPath(p.CatalogDir, SettingsFileName);
    p.OrdersDir = JoinConfigPath(p.ServerDir, QStringLiteral("Orders"));
    p.SelectionDir = JoinConfigPath(p.ServerDir, QStringLiteral("Selection"));
    p.RecycledDir = JoinConfigPath(p.ServerDir, QStringLiteral("Recycled"));
    p.ArchiveDir = JoinConfigPath(p.ServerDir, QStringLiteral("Archive"));
    p.RegistryDir = JoinConfigPath(p.ServerDir, QStringLiteral("Registry"));
    p.ExportDir = JoinConfigPath(p.ServerDir, QStringLiteral("Export"));
    return p;
}

bool OpenConfiguration(const QString& name, const QString& programDir)
{
    if (name.isEmpty()) {
        ShowError(QStringLiteral("В системе не установлены пути доступа к базам данных!\r\n"
                                 "Инсталлируйте заново программу!"));
        return false;
    }
    try {
        TRegistry reg;
        if (!reg.OpenKey(ConfigRootKey + QLatin1Char('\\') + name, false)) {
            ShowError(QStringLiteral("Ошибка открытия конфигурации %1!\r\n"
                                     "Указанная конфигурация не числиться в списке.").arg(name));
            return false;
        }
        TRunPaths p = DeriveRunPaths(ConfigDir(reg.ReadString(CatalogDirValue)),
                                     ConfigDir(reg.ReadString(ServerNameValue)),
                                     ConfigDir(reg.ReadString(ReportDirValue)));
        p.ConfigName = name;
        const QString tempBase = ConfigDir(reg.ReadString(TempDirValue));

        if (!tempBase.isEmpty()) {
            p.TempDir = NewTempDir(tempBase);
            if (p.TempDir.isEmpty())
                throw EValtrixError(QStringLiteral("Не удалось создать временный каталог в %1").arg(tempBase));
        } else {
            const QString own = programDir.isEmpty() ? QCoreApplication::applicationDirPath() : programDir;
            p.TempDir = NewTempDir(own);
            // An installed program's directory is seldom writable outside Windows.
            if (p.TempDir.isEmpty())
                p.TempDir = NewTempDir(QDir::tempPath() + QStringLiteral("/Valtrix"));
            if (p.TempDir.isEmpty())
                throw EValtrixError(QStringLiteral("Не удалось создать временный каталог в %1").arg(own));
        }
        RunPaths() = p;
        RunState().LastTempDir = p.TempDir;
        return true;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка чтения системного реестра!\r\n(%1)").arg(ExceptionText(e)));
        return false;
    }
}

bool SelectConfiguration(const TConfigChooser& chooser, const QString& programDir)
{
    RunPaths().Clear();
    TConfigList list;
    try {
        list = ListConfigurations();
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка чтения системного реестра!\r\n(%1)").arg(ExceptionText(e)));
        return false;
    }
    QString chosen;
    if (!list.Names.isEmpty()) {
        if (chooser) {
            std::optional<QString> answer = chooser(list);
            if (!answer)
                return false;
            chosen = *answer;
        } else {
            chosen = list.Names[list.Preselected];
        }
    }
    return OpenConfiguration(chosen, programDir);
}

void WriteRunState()
{
    try {
        TRegistry reg;
        reg.OpenKey(ConfigRootKey, true);
        reg.WriteString(LastTempDirValue, RunState().LastTempDir);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

} // namespace vx
