#pragma once
#include "config/CfgList.h"
#include "config/VXRegistry.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXUserInteraction.h"
#include "TestSupport.h"
#include <QFile>
#include <QTemporaryDir>

namespace vxtest {

// Points the registry at a fresh file for the test's life, so that no test reads or
// changes a real user's values, and records every message shown.
struct TConfigFixtureBase {
    QTemporaryDir Dir;
    QString RegistryFile;
    vx::TScriptedInteraction UI;
    vx::TScopedUI ScopedUI{&UI};

    TConfigFixtureBase()
    {
        RegistryFile = Dir.path() + QStringLiteral("/user/registry.ini");
        qputenv("VALTRIX_REGISTRY", RegistryFile.toLocal8Bit());
        vx::RunPaths().Clear();
        vx::RunState() = vx::TRunState();
    }
    ~TConfigFixtureBase()
    {
        qunsetenv("VALTRIX_REGISTRY");
        vx::RunPaths().Clear();
        vx::RunState() = vx::TRunState();
    }

    QString Path(const QString& name) const { return Dir.path() + QLatin1Char('/') + name; }
};

inline QByteArray ReadBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteBytes(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Windows-1251 bytes of a UTF-8 source text.
inline QByteArray Cp(const char* utf8)
{
    return vx::ToCp1251(QString::fromUtf8(utf8));
}

} // namespace vxtest
