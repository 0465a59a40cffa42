#pragma once
#include "app/VXDialogInteraction.h"
#include "config/CfgList.h"
#include <QStringList>
#include <memory>

namespace vx {

class TDM;
class TMainForm;
class TSplashForm;
class TvxfSetup;

// The desktop program's life: start-up in its fixed order, the event loop, and the orderly end
// (main window, data module, settings stored, run state written).
class TValtrixApp {
public:
    // The chooser of the configuration; by default the dialog.
    explicit TValtrixApp(TConfigChooser chooser = {});
    ~TValtrixApp();
    TValtrixApp(const TValtrixApp&) = delete;
    TValtrixApp& operator=(const TValtrixApp&) = delete;

    // Start-up with the command-line arguments (without the program name). False when the
    // program has to end at once: no configuration, no settings file, no main window.
    bool Start(const QStringList& args);
    // Shows the main window and runs the event loop until it closes, then ends.
    int Exec();
    // Frees the main window, the data module and the settings (which stores them) and writes
    // the run state. Runs once; the destructor runs it when nobody did.
    void Finish();

    TMainForm* MainForm() const { return FMain.get(); }
    TvxfSetup* Settings() const { return FSetup.get(); }
    TDM* DataModule() const { return FDM.get(); }
    // Progress values the splash window showed, in order (for the start-up's own checks).
    const QList<int>& SplashProgress() const { return FSplashProgress; }

private:
    void StartWindows();

    TDialogInteraction FUI;
    TScopedUI FScopedUI{&FUI};
    TConfigChooser Chooser;
    std::unique_ptr<TvxfSetup> FSetup;
    std::unique_ptr<TDM> FDM;
    std::unique_ptr<TMainForm> FMain;
    std::unique_ptr<TSplashForm> FSplash;
    QList<int> FSplashProgress;
    bool Started = false;
    bool Finished = false;
};

} // namespace vx
