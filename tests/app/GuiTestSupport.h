#pragma once
#include "config/CfgList.h"
#include "config/VXRegistry.h"
#include "db/VXSchema.h"
#include "foundation/VXCodePage.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vxtest {

// An installation on disk for one test: a registry file of its own (VALTRIX_REGISTRY), the
// configurations named, each with a catalog of the real schema, a server and a report
// directory, and the settings file unless asked otherwise.
class TTestInstallation {
public:
    explicit TTestInstallation(const QStringList& configs = {QStringLiteral("Тест")}, bool withSettings = true,
                               const QByteArray& settingsText = "[Defaults]\r\nDefFurnSysGroup=0\r\n")
    {
        Root = Dir.path();
        RegistryFile = Root + QStringLiteral("/user/registry.ini");
        qputenv("VALTRIX_REGISTRY", RegistryFile.toLocal8Bit());
        vx::RunPaths().Clear();
        vx::RunState() = vx::TRunState();
        for (const QString& name : configs) {
            const QString base = Root + QLatin1Char('/') + name;
            const QString catalog = base + QStringLiteral("/catalog");
            vx::CreateEmptyDatabase(vx::Alias::Catalog, catalog);
            if (withSettings)
                WriteFile(catalog + QStringLiteral("/VXFurniture.ini"), settingsText);
            QDir().mkpath(base + QStringLiteral("/temp"));
            vx::TRegistry reg;
            reg.OpenKey(vx::ConfigRootKey + QLatin1Char('\\') + name, true);
            reg.WriteString(vx::CatalogDirValue, catalog);
            reg.WriteString(vx::ServerNameValue, base + QStringLiteral("/server"));
            reg.WriteString(vx::ReportDirValue, base + QStringLiteral("/report"));
            reg.WriteString(vx::TempDirValue, base + QStringLiteral("/temp"));
        }
    }
    ~TTestInstallation()
    {
        qunsetenv("VALTRIX_REGISTRY");
        vx::RunPaths().Clear();
        vx::RunState() = vx::TRunState();
    }
    TTestInstallation(const TTestInstallation&) = delete;
    TTestInstallation& operator=(const TTestInstallation&) = delete;

    QString ConfigDir(const QString& name) const { return Root + QLatin1Char('/') + name; }

    static void WriteFile(const QString& file, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

    QTemporaryDir Dir;
    QString Root;
    QString RegistryFile;
};

// Runs the action on the first modal window of type T as soon as one shows (checked from the
// event loop every few milliseconds), once. The caller then opens the window.
template <class T>
void OnModal(std::function<void(T*)> action, int timeoutMs = 10000)
{
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, clock, action, timeoutMs] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            action(w);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
        }
    });
    timer->start(10);
}

// What a message box showed and the button pressed in it.
struct TBoxSeen {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;   // sorted
};

// Presses the button with the given text in the next message box and records the box.
inline void AnswerBox(TBoxSeen* seen, const QString& button)
{
    OnModal<QMessageBox>([seen, button](QMessageBox* box) {
        if (seen) {
            seen->Caption = box->windowTitle();
            seen->Text = box->text();
            seen->Icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                seen->Buttons.append(b->text());
            // The platform decides where each button stands.
            seen->Buttons.sort();
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) {
                b->click();
                return;
            }
        box->reject();
    });
}

// Waits until the condition holds or the time is up, running the event loop.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

} // namespace vxtest
