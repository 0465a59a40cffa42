#pragma once
#include "foundation/VXDateTime.h"
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace vx {

// The current user's registry. Keys are paths such as
// "\SoftWare\Kestra\Valtrix\Dezeduder380\DBConfig\GU"; names of keys and values compare
// without case, as in the Windows registry.
//
// Where it lives: on Windows the real registry under HKEY_CURRENT_USER; elsewhere one INI
// file per user, "Valtrix/registry.ini" in the XDG configuration directory, the key paths
// becoming groups. The environment variable VALTRIX_REGISTRY (a file path) puts the INI file
// elsewhere on every platform, so that tests and demonstrations never touch a user's values.
//
// Failures of the store (a file that cannot be read or written) raise EValtrixError; the
// callers wrap the text into their own messages.
class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // The INI file in use, or empty when the native registry is in use.
    static QString StoreFile();
    QString FileName() const;

    // Makes the key current. A path starting with "\" is absolute, any other is relative to
    // the current key. Without canCreate a missing key gives false and the current key stays.
    bool OpenKey(const QString& key, bool canCreate);
    // The key exists when it holds values or subkeys (an empty key is not kept in a file).
    bool KeyExists(const QString& key) const;
    void CloseKey();
    // The current key as a path with backslashes, "\" for the root.
    QString CurrentPath() const;

    QStringList GetKeyNames() const;     // subkeys of the current key
    QStringList GetValueNames() const;   // values of the current key
    bool HasSubKeys() const { return !GetKeyNames().isEmpty(); }
    bool ValueExists(const QString& name) const;

    // Each read gives the default when the value is absent or has another form.
    QString ReadString(const QString& name, const QString& def = {}) const;
    int ReadInteger(const QString& name, int def = 0) const;
    bool ReadBool(const QString& name, bool def = false) const;
    TDateTime ReadDateTime(const QString& name, TDateTime def = {}) const;

    // Each write is stored at once.
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteBool(const QString& name, bool value);   // an integer 1 / 0, as the old program did
    void WriteDateTime(const QString& name, TDateTime value);

    // Deletes a key (absolute or relative to the current one) with all its subkeys and values.
    bool DeleteKey(const QString& key);
    bool DeleteValue(const QString& name);

private:
    QStringList Resolve(const QString& key) const;   // existing spelling of each part
    QString GroupOf(const QStringList& parts) const;
    QString ValueKey(const QString& name) const;     // full QSettings key, or empty
    QString ExistingValueName(const QString& name) const;
    void CheckRead() const;
    void Store();

    std::unique_ptr<QSettings> Settings;
    QStringList Current;    // the parts of the current key
};

} // namespace vx
