#include "config/VXRegistry.h"
#include "foundation/VXError.h"
#include <QDir>
#include <QRegularExpression>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>
#include <cstring>

namespace vx {

namespace {

// ---------------------------------------------------------------------------------------
// The platform's store: everything that differs between Windows and the rest is here.

QString UserStoreFile()
{
    QString over = qEnvironmentVariable("VALTRIX_REGISTRY");
    if (!over.isEmpty())
        return over;
#ifdef Q_OS_WIN
    return {};   // the real registry
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Valtrix/registry.ini");
#endif
}

std::unique_ptr<QSettings> OpenStore(const QString& file)
{
#ifdef Q_OS_WIN
    if (file.isEmpty())
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER"), QSettings::NativeFormat);
#endif
    QDir().mkpath(QFileInfo(file).absolutePath());
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

// The old program wrote dates as 8 binary bytes (a double); Qt hands such a value over as
// text of four UTF-16 units.
bool NativeDateTime(const QVariant& v, double& out)
{
#ifdef Q_OS_WIN
    if (v.typeId() == QMetaType::QString) {
        QString s = v.toString();
        if (s.size() == 4) {
            static_assert(sizeof(double) == 4 * sizeof(char16_t));
            std::memcpy(&out, s.utf16(), sizeof(double));
            return true;
        }
    }
#else
    Q_UNUSED(v);
    Q_UNUSED(out);
#endif
    return false;
}

// ---------------------------------------------------------------------------------------

QStringList SplitKey(const QString& key)
{
    QStringList parts;
    for (const QString& p : key.split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts))
        parts.append(p);
    return parts;
}

QString Matching(const QStringList& names, const QString& name)
{
    for (const QString& n : names)
        if (n == name)
            return n;
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

} // namespace

TRegistry::TRegistry() : Settings(OpenStore(UserStoreFile()))
{
    (void)Settings->childGroups();
    CheckRead();
}

TRegistry::~TRegistry() = default;

QString TRegistry::StoreFile()
{
    return UserStoreFile();
}

QString TRegistry::FileName() const
{
    return Settings->format() == QSettings::IniFormat ? Settings->fileName() : QString();
}

void TRegistry::CheckRead() const
{
    switch (Settings->status()) {
    case QSettings::NoError:
        return;
    case QSettings::AccessError:
        throw EValtrixError(FileName().isEmpty() ? QStringLiteral("Нет доступа к реестру")
                                                 : QStringLiteral("Нет доступа к файлу %1").arg(FileName()));
    case QSettings::FormatError:
        throw EValtrixError(QStringLiteral("Неверный формат файла %1").arg(FileName()));
    }
}

void TRegistry::Store()
{
    Settings->sync();
    CheckRead();
}

QString TRegistry::GroupOf(const QStringList& parts) const
{
    return parts.join(QLatin1Char('/'));
}

QStringList TRegistry::Resolve(const QString& key) const
{
    QStringList given = SplitKey(key);
    QStringList parts = key.startsWith(QLatin1Char('\\')) || key.startsWith(QLatin1Char('/')) ? QStringList() : Current;
    for (const QString& p : given) {
        Settings->beginGroup(GroupOf(parts));
        QString existing = Matching(Settings->childGroups(), p);
        Settings->endGroup();
        parts.append(existing.isEmpty() ? p : existing);
    }
    return parts;
}

bool TRegistry::KeyExists(const QString& key) const
{
    QStringList parts = Resolve(key);
    if (parts.isEmpty())
        return true;
    QString last = parts.takeLast();
    Settings->beginGroup(GroupOf(parts));
    bool found = Settings->childGroups().contains(last);
    Settings->endGroup();
    return found;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    if (!canCreate && !KeyExists(key))
        return false;
    Current = Resolve(key);
    return true;
}

void TRegistry::CloseKey()
{
    Settings->sync();
    Current.clear();
}

QString TRegistry::CurrentPath() const
{
    return QLatin1Char('\\') + Current.join(QLatin1Char('\\'));
}

QStringList TRegistry::GetKeyNames() const
{
    Settings->beginGroup(GroupOf(Current));
    QStringList names = Settings->childGroups();
    Settings->endGroup();
    return names;
}

QStringList TRegistry::GetValueNames() const
{
    Settings->beginGroup(GroupOf(Current));
    QStringList names = Settings->childKeys();
    Settings->endGroup();
    return names;
}

QString TRegistry::ExistingValueName(const QString& name) const
{
    return Matching(GetValueNames(), name);
}

QString TRegistry::ValueKey(const QString& name) const
{
    QString existing = ExistingValueName(name);
    QString n = existing.isEmpty() ? name : existing;
    return Current.isEmpty() ? n : GroupOf(Current) + QLatin1Char('/') + n;
}

bool TRegistry::ValueExists(const QString& name) const
{
    return !ExistingValueName(name).isEmpty();
}

QString TRegistry::ReadString(const QString& name, const QString& def) const
{
    if (!ValueExists(name))
        return def;
    QVariant v = Settings->value(ValueKey(name));
    // A hand-written "a, b" comes back from the INI reader as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

int TRegistry::ReadInteger(const QString& name, int def) const
{
    if (!ValueExists(name))
        return def;
    bool ok = false;
    int v = Settings->value(ValueKey(name)).toInt(&ok);
    return ok ? v : def;
}

bool TRegistry::ReadBool(const QString& name, bool def) const
{
    if (!ValueExists(name))
        return def;
    QVariant v = Settings->value(ValueKey(name));
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    bool ok = false;
    int i = v.toInt(&ok);
    if (ok)
        return i != 0;
    QString s = v.toString();
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return def;
}

TDateTime TRegistry::ReadDateTime(const QString& name, TDateTime def) const
{
    if (!ValueExists(name))
        return def;
    QVariant v = Settings->value(ValueKey(name));
    double d = 0;
    if (NativeDateTime(v, d))
        return {d};
    bool ok = false;
    d = v.toString().toDouble(&ok);
    return ok ? TDateTime{d} : def;
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    Settings->setValue(ValueKey(name), value);
    Store();
}

void TRegistry::WriteInteger(const QString& name, int value)
{
    Settings->setValue(ValueKey(name), value);
    Store();
}

void TRegistry::WriteBool(const QString& name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void TRegistry::WriteDateTime(const QString& name, TDateTime value)
{
    // Text that keeps every bit of the double.
    Settings->setValue(ValueKey(name), QString::number(value.Value, 'g', 17));
    Store();
}

bool TRegistry::DeleteKey(const QString& key)
{
    QStringList parts = Resolve(key);
    if (parts.isEmpty() || !KeyExists(QLatin1Char('\\') + parts.join(QLatin1Char('\\'))))
        return false;
    Settings->remove(GroupOf(parts));
    Store();
    return true;
}

bool TRegistry::DeleteValue(const QString& name)
{
    if (!ValueExists(name))
        return false;
    Settings->remove(ValueKey(name));
    Store();
    return true;
}

} // namespace vx
