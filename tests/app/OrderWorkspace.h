#pragma once
#include "GuiTestSupport.h"
#include "app/MainForm.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "editing/OrderForm.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXUserInteraction.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <memory>

namespace vxtest {

// The running program around the order windows: the configuration's settings, the data module,
// the shell's windows with their real hooks and the main window with its workspace.
struct TOrderWorkspace {
    std::unique_ptr<vx::TvxfSetup> Settings;
    std::unique_ptr<vx::TScopedUI> ScopedUI;
    std::unique_ptr<vx::TDM> Module;
    std::unique_ptr<vx::TMainForm> Main;
    QString Orders; // the configuration's orders directory

    // Opens the configuration and brings the main window up; false when something did not.
    bool StartWorkspace(const QString& config, vx::TUserInteraction* ui)
    {
        if (!vx::OpenConfiguration(config, QString()))
            return false;
        Settings = std::make_unique<vx::TvxfSetup>();
        if (!Settings->Loaded)
            return false;
        vx::SetSetup(Settings.get());
        ScopedUI = std::make_unique<vx::TScopedUI>(ui);
        Module = std::make_unique<vx::TDM>();
        vx::SetDM(Module.get());
        vx::InstallShellWindows(vx::TMainForm::Hooks());
        Main = std::make_unique<vx::TMainForm>();
        Main->OpenWorkspace();
        Main->show();
        if (!QTest::qWaitForWindowExposed(Main.get()))
            return false;
        Orders = vx::ResolvePath(vx::RunPaths().OrdersDir);
        return QFileInfo(Orders).isDir();
    }

    void StopWorkspace()
    {
        Main.reset();
        vx::SetDM(nullptr);
        Module.reset();
        ScopedUI.reset();
        vx::SetSetup(nullptr);
        if (Settings)
            Settings->Loaded = false; // nothing to store from a test
        Settings.reset();
        vx::TMainForm::Hooks() = vx::TShellHooks();
        vx::TOrderForm::Hooks() = vx::TOrderFormHooks();
    }
};

// Answers the next message boxes in turn with the buttons given, recording each box.
inline void AnswerBoxes(QList<TBoxSeen>* seen, QStringList buttons)
{
    if (buttons.isEmpty())
        return;
    const QString button = buttons.takeFirst();
    OnModal<QMessageBox>([seen, button, buttons](QMessageBox* box) {
        TBoxSeen s;
        s.Text = box->text();
        s.Icon = box->icon();
        seen->append(s);
        AnswerBoxes(seen, buttons);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) {
                b->click();
                return;
            }
        box->reject();
    });
}

// What the boxes showed, with line breaks as "\n".
inline QStringList Texts(const QList<TBoxSeen>& boxes)
{
    QStringList texts;
    for (const TBoxSeen& b : boxes)
        texts << QString(b.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return texts;
}

// Types the path into the next file dialog and accepts it.
inline void ChooseFile(const QString& path)
{
    OnModal<QFileDialog>([path](QFileDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace vxtest
