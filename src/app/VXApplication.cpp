#include "app/VXApplication.h"
#include "app/ConfigListDlg.h"
#include "app/MainForm.h"
#include "app/SplashForm.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXError.h"
#include <QApplication>

namespace vx {

TValtrixApp::TValtrixApp(TConfigChooser chooser) : Chooser(std::move(chooser)) {}

TValtrixApp::~TValtrixApp()
{
    Finish();
}

bool TValtrixApp::Start(const QStringList& args)
{
    ReadRunState(args);
    CleanLastTempDir();
    if (!SelectConfiguration(Chooser ? Chooser : TConfigChooser(ChooseConfigurationDialog)))
        return false;

    FSetup = std::make_unique<TvxfSetup>();
    if (!FSetup->Loaded) {
        ShowWarning(QStringLiteral("Не найден файл конфигурации! Переустановите программу или произведите "
                                   "настройку вручную!"));
        FSetup.reset();
        return false;
    }
    SetSetup(FSetup.get());
    Started = true;

    // A failure here is shown, and the program goes on with what was created.
    try {
        StartWindows();
    } catch (const std::exception& e) {
        FSplash.reset();
        ShowError(ExceptionText(e));
    }
    FSplash.reset();
    // Without a main window there is nothing to go on with.
    if (!FMain)
        return false;
    FMain->show();
    FMain->QueueStartupRequests();
    return true;
}

void TValtrixApp::StartWindows()
{
    FSplash = std::make_unique<TSplashForm>();
    FSplash->show();
    auto progress = [this](int value) {
        FSplashProgress.append(value);
        FSplash->SetProgress(value);
    };
    progress(0);
    FSplash->SetText(QStringLiteral("Загрузка системы..."));
    progress(2);
    QCoreApplication::setApplicationName(MainFormCaption);

    FDM = std::make_unique<TDM>();
    SetDM(FDM.get());
    progress(20);

    InstallShellWindows(TMainForm::Hooks());
    FMain = std::make_unique<TMainForm>();
    progress(40);

    FMain->OpenWorkspace();
    progress(100);
    FSplash->hide();
    FSplash.reset();
}

int TValtrixApp::Exec()
{
    if (!FMain) {
        Finish();
        return 1;
    }
    QObject::connect(FMain.get(), &TMainForm::Closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    const int result = QApplication::exec();
    Finish();
    return result;
}

void TValtrixApp::Finish()
{
    if (Finished)
        return;
    Finished = true;
    FSplash.reset();
    // The main window closes the connections and leaves its state in the settings.
    FMain.reset();
    if (HasDM() && &DM() == FDM.get())
        SetDM(nullptr);
    FDM.reset();
    if (FSetup) {
        if (HasSetup() && &Setup() == FSetup.get())
            SetSetup(nullptr);
        FSetup.reset();
    }
    WriteRunState();
}

} // namespace vx
