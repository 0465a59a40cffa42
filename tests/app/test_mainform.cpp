#include "GuiTestSupport.h"
#include "app/AboutDlg.h"
#include "app/MainForm.h"
#include "app/OptionsDlg.h"
#include "config/VXFSetupX.h"
#include "foundation/VXCommonTools.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <cstring>

using namespace vx;
using namespace vxtest;

namespace {

// A child window that records what the main window asks of it.
class TFakeChild : public QWidget, public TMdiChild {
public:
    TFakeChild(TChildKind kind, QStringList* log, const QString& name) : Kind(kind), Log(log), Name(name)
    {
        setWindowTitle(name);
        resize(300, 200);
    }

    TChildKind ChildKind() const override { return Kind; }
    QList<QMenu*> ChildMenus() override { return Menus; }
    void UpdateCommands(TMainForm& main) override
    {
        if (Kind == TChildKind::Registry)
            return;
        main.SaveItem->setEnabled(Modified);
        main.SaveAsItem->setEnabled(true);
        main.SaveAllItem->setEnabled(Modified);
        main.PrintBut->setEnabled(true);
    }
    void ExecuteCommand(TChildCommand command) override
    {
        Log->append(QStringLiteral("%1: command %2").arg(Name).arg(int(command)));
    }
    bool IsNewDocument() const override { return FileName.isEmpty(); }
    QString DocumentFileName() const override { return FileName; }
    QString DefaultFileName() const override { return QStringLiteral("Заказ 17.vfo370"); }
    bool LoadDocument(const QString& file) override
    {
        Log->append(Name + QStringLiteral(": load ") + QFileInfo(file).fileName());
        FileName = file;
        return LoadResult;
    }
    bool SaveDocument(const QString& file) override
    {
        Log->append(Name + QStringLiteral(": save ") + QFileInfo(file).fileName());
        FileName = file;
        Modified = false;
        return true;
    }

    TChildKind Kind;
    QStringList* Log;
    QString Name;
    QString FileName;
    bool Modified = false;
    bool Refuse = false;
    bool LoadResult = true;
    QList<QMenu*> Menus;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        Log->append(Name + (Refuse ? QStringLiteral(": refuses") : QStringLiteral(": closes")));
        if (Refuse)
            event->ignore();
        else
            event->accept();
    }
};

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestInstallation> Inst;
    std::unique_ptr<TvxfSetup> Settings;
    std::unique_ptr<TMainForm> Main;
    QStringList Log;

    TFakeChild* AddFake(TChildKind kind, const QString& name)
    {
        auto* child = new TFakeChild(kind, &Log, name);
        Main->AddChild(child);
        return child;
    }

    QMdiSubWindow* WindowOf(QWidget* child) { return qobject_cast<QMdiSubWindow*>(child->parentWidget()); }

    void Activate(QWidget* child)
    {
        Main->MDIArea->setActiveSubWindow(WindowOf(child));
        QApplication::processEvents();
    }

    // Types the names into the dialog's file name field and presses its button; a dialog that
    // stays open (a name it refused) is cancelled, so that the test fails instead of waiting.
    static void ChooseFiles(QFileDialog* dialog, const QString& names)
    {
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(names);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    }

    QStringList TopMenus() const
    {
        QStringList titles;
        for (QAction* a : Main->menuBar()->actions())
            titles.append(a->text());
        return titles;
    }

private Q_SLOTS:
    void init()
    {
        Inst = std::make_unique<TTestInstallation>();
        QVERIFY(OpenConfiguration(QStringLiteral("Тест"), QString()));
        Settings = std::make_unique<TvxfSetup>();
        QVERIFY(Settings->Loaded);
        SetSetup(Settings.get());
        Main = std::make_unique<TMainForm>();
        Main->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
        Log.clear();
    }

    void cleanup()
    {
        Main.reset();
        SetSetup(nullptr);
        Settings->Loaded = false;   // nothing to store from a test
        Settings.reset();
        Inst.reset();
        TMainForm::Hooks() = TShellHooks();
    }

    void layoutOfTheWindow()
    {
        QCOMPARE(TopMenus(), QStringList({QStringLiteral("&Файл"), QStringLiteral("&Установки"),
                                          QStringLiteral("&Окно"), QStringLiteral("&Помощь")}));
        QCOMPARE(Main->windowTitle(), QStringLiteral("Valtrix ФУРНИТУРА: [Тест]"));
        QCOMPARE(Main->pos(), QPoint(0, 0));
        QVERIFY(Main->MainToolBar->isVisible());
        for (const QString& name : {QStringLiteral("StatusPanel0"), QStringLiteral("StatusPanel1"),
                                    QStringLiteral("StatusPanel2"), QStringLiteral("StatusPanel3")})
            QVERIFY(Main->findChild<QLabel*>(name));
        QCOMPARE(Main->StatusPanel(0)->minimumWidth(), 290);
        QCOMPARE(Main->StatusPanel(1)->minimumWidth(), 135);
        // The window does not shrink below 640 x 480.
        Main->resize(300, 200);
        QApplication::processEvents();
        QVERIFY(Main->width() >= 640 && Main->height() >= 480);
        // A hint goes to the first panel.
        QStatusTipEvent tip(QStringLiteral("Подсказка"));
        QApplication::sendEvent(Main.get(), &tip);
        QCOMPARE(Main->StatusPanel(0)->text(), QStringLiteral("Подсказка"));
    }

    void commandsWithoutChildren()
    {
        QVERIFY(!Main->CloseItem->isEnabled());
        QVERIFY(!Main->CloseAllItem->isEnabled());
        QVERIFY(!Main->SaveItem->isEnabled());
        QVERIFY(!Main->SaveAsItem->isEnabled());
        QVERIFY(!Main->SaveAllItem->isEnabled());
        QVERIFY(!Main->SaveBut->isEnabled());
        QVERIFY(!Main->PrintBut->isEnabled());
        QVERIFY(!Main->OrderToolBar->isVisible());
        QVERIFY(!Main->RegistryToolBar->isVisible());
        // No windows for these yet: present and disabled.
        for (QAction* a : {Main->NewOrderItem, Main->NewOrderSelectionItem, Main->OpenItem, Main->OrderListItem,
                           Main->CurrencyItem, Main->FirmNameItem, Main->PriceGrpItem})
            QVERIFY2(!a->isEnabled(), qPrintable(a->text()));
        QVERIFY(!Main->NewBut->isEnabled());
        QVERIFY(!Main->OpenBut->isEnabled());
        QVERIFY(!Main->ReportDesignItem->isVisible());
        // Installed windows enable their commands, and the tool buttons follow the menu items.
        TMainForm::Hooks().NewOrderWindow = [this](TMainForm&) { return new TFakeChild(TChildKind::Order, &Log, "A"); };
        Main->UpdateMenuItems();
        QVERIFY(Main->NewOrderItem->isEnabled());
        QVERIFY(Main->NewItem->isEnabled());
        QVERIFY(Main->NewBut->isEnabled());
        QVERIFY(Main->OpenItem->isEnabled());
        QVERIFY(Main->OpenBut->isEnabled());
        QVERIFY(!Main->NewOrderSelectionItem->isEnabled());
    }

    // The active child decides its commands, brings its tool bar and merges its menus.
    void commandsFollowTheActiveChild()
    {
        auto* orderMenu = new QMenu(QStringLiteral("&Заказ"), Main.get());
        TFakeChild* saved = AddFake(TChildKind::Order, QStringLiteral("saved"));
        saved->FileName = QStringLiteral("/x/1.vfo370");
        saved->Menus = {orderMenu};
        TFakeChild* modified = AddFake(TChildKind::Order, QStringLiteral("modified"));
        modified->Modified = true;
        TFakeChild* registry = AddFake(TChildKind::Registry, QStringLiteral("registry"));

        Activate(saved);
        QVERIFY(Main->CloseItem->isEnabled());
        QVERIFY(Main->CloseAllItem->isEnabled());
        QVERIFY(!Main->SaveItem->isEnabled());
        QVERIFY(!Main->SaveBut->isEnabled());
        QVERIFY(Main->SaveAsItem->isEnabled());
        QVERIFY(Main->PrintBut->isEnabled());
        QVERIFY(Main->OrderToolBar->isVisible());
        QVERIFY(!Main->RegistryToolBar->isVisible());
        QCOMPARE(TopMenus(), QStringList({QStringLiteral("&Файл"), QStringLiteral("&Заказ"), QStringLiteral("&Установки"),
                                          QStringLiteral("&Окно"), QStringLiteral("&Помощь")}));

        Activate(modified);
        QVERIFY(Main->SaveItem->isEnabled());
        QVERIFY(Main->SaveBut->isEnabled());
        QVERIFY(Main->SaveAllItem->isEnabled());
        QCOMPARE(TopMenus().size(), 4);

        Activate(registry);
        QVERIFY(!Main->SaveItem->isEnabled());
        QVERIFY(!Main->PrintBut->isEnabled());
        QVERIFY(Main->RegistryToolBar->isVisible());
        QVERIFY(!Main->OrderToolBar->isVisible());

        // Tool bar commands go to the active child; "Изменить" only to an order window.
        Main->EditPosBut->trigger();
        QVERIFY(Log.isEmpty());
        Main->MoveToArchiveBut->trigger();
        QCOMPARE(Log, QStringList({QStringLiteral("registry: command %1").arg(int(TChildCommand::MoveToArchive))}));
        Log.clear();
        Activate(modified);
        Main->EditPosBut->trigger();
        Main->NewPosBut->trigger();
        QCOMPARE(Log, QStringList({QStringLiteral("modified: command %1").arg(int(TChildCommand::EditPosition)),
                                   QStringLiteral("modified: command %1").arg(int(TChildCommand::NewPosition))}));

        // Closing the last children takes the commands down again.
        Main->CloseAllItem->trigger();
        QVERIFY(WaitFor([&] { return Main->ChildCount() == 0; }));
        QVERIFY(WaitFor([&] { return !Main->CloseItem->isEnabled(); }));
        QVERIFY(!Main->SaveAsItem->isEnabled());
        QVERIFY(!Main->OrderToolBar->isVisible());
        QCOMPARE(TopMenus().size(), 4);
    }

    // The first child takes the stored window state; further ones open normally.
    void onlyChildTakesTheStoredState()
    {
        Setup().TechnologOrderWinState = 2;
        TFakeChild* first = AddFake(TChildKind::Order, QStringLiteral("first"));
        QVERIFY(WindowOf(first)->isMaximized());
        Main->CloseAllItemClick();
        Setup().TechnologOrderWinState = 0;
        TFakeChild* second = AddFake(TChildKind::Order, QStringLiteral("second"));
        QVERIFY(!WindowOf(second)->isMaximized());
    }

    // Children close from the last to the first; one that refuses stops the sequence and keeps
    // the program open.
    void closeSequenceStopsAtARefusingChild()
    {
        TFakeChild* a = AddFake(TChildKind::Order, QStringLiteral("a"));
        TFakeChild* b = AddFake(TChildKind::Order, QStringLiteral("b"));
        AddFake(TChildKind::Order, QStringLiteral("c"));
        b->Refuse = true;
        QSignalSpy closed(Main.get(), &TMainForm::Closed);
        QVERIFY(!Main->close());
        QCOMPARE(Log, QStringList({QStringLiteral("c: closes"), QStringLiteral("b: refuses")}));
        QVERIFY(Main->isVisible());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(Main->ChildCount(), 2);
        QVERIFY(Main->CloseItem->isEnabled());

        Log.clear();
        b->Refuse = false;
        QVERIFY(Main->close());
        QCOMPARE(Log, QStringList({QStringLiteral("b: closes"), QStringLiteral("a: closes")}));
        QCOMPARE(closed.count(), 1);
        Q_UNUSED(a);
    }

    // Save all: every order and selection window from the last to the first; a window never
    // saved goes through the save dialog.
    void saveAllSavesEveryDocument()
    {
        const QString orders = ResolvePath(RunPaths().OrdersDir);
        QVERIFY(QFileInfo(orders).isDir());
        TFakeChild* known = AddFake(TChildKind::Order, QStringLiteral("known"));
        known->FileName = orders + QStringLiteral("/5.vfo370");
        AddFake(TChildKind::Registry, QStringLiteral("registry"));
        AddFake(TChildKind::Order, QStringLiteral("fresh"));

        QString title;
        QStringList filters;
        QString directory;
        QString proposed;
        OnModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            directory = dialog->directory().absolutePath();
            proposed = dialog->selectedFiles().value(0);
            ChooseFiles(dialog, orders + QStringLiteral("/17.vfo370"));
        });
        Main->SaveAllItem->setEnabled(true);
        Main->SaveAllItemClick();
        QCOMPARE(Log, QStringList({QStringLiteral("fresh: save 17.vfo370"), QStringLiteral("known: save 5.vfo370")}));
        QCOMPARE(title, QStringLiteral("Сохранить заказ..."));
        QCOMPARE(filters, QStringList({QStringLiteral("Заказ (*.vfo370)"), QStringLiteral("Все файлы (*.*)")}));
        QCOMPARE(directory, QFileInfo(orders).absoluteFilePath());
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Заказ 17.vfo370"));

        // Save of a saved window goes straight to its file; Cancel in the dialog saves nothing.
        Log.clear();
        Main->SaveChild(known);
        QCOMPARE(Log, QStringList({QStringLiteral("known: save 5.vfo370")}));
        Log.clear();
        OnModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
        QVERIFY(!Main->SaveChildAs(known));
        QVERIFY(Log.isEmpty());
    }

    void openDialogOpensEachFileInItsWindow()
    {
        TMainForm::Hooks().NewOrderWindow = [this](TMainForm&) {
            return new TFakeChild(TChildKind::Order, &Log, QStringLiteral("order"));
        };
        TMainForm::Hooks().NewSelectionWindow = [this](TMainForm&, TMdiChild*) {
            return new TFakeChild(TChildKind::Selection, &Log, QStringLiteral("selection"));
        };
        Main->UpdateMenuItems();
        const QString orders = ResolvePath(RunPaths().OrdersDir);
        const QString selections = ResolvePath(RunPaths().SelectionDir);
        TTestInstallation::WriteFile(orders + QStringLiteral("/1.vfo370"), "x");
        TTestInstallation::WriteFile(orders + QStringLiteral("/2.vfo370"), "x");
        TTestInstallation::WriteFile(selections + QStringLiteral("/s.vfs370"), "x");

        QString title, filter, directory;
        OnModal<QFileDialog>([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filter = dialog->selectedNameFilter();
            directory = dialog->directory().absolutePath();
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFiles);
            ChooseFiles(dialog, QStringLiteral("\"1.vfo370\" \"2.vfo370\""));
        });
        Main->OpenItemClick(-1);
        QCOMPARE(title, QStringLiteral("Открыть..."));
        QCOMPARE(filter, QStringLiteral("Заказ 370 (*.vfo370)"));
        QCOMPARE(directory, QFileInfo(orders).absoluteFilePath());
        QCOMPARE(Log, QStringList({QStringLiteral("order: load 1.vfo370"), QStringLiteral("order: load 2.vfo370")}));
        QCOMPARE(Main->ChildCount(), 2);

        // The drop-down's "Выборка" presets the selection filter and directory.
        Log.clear();
        OnModal<QFileDialog>([&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            directory = dialog->directory().absolutePath();
            ChooseFiles(dialog, QStringLiteral("s.vfs370"));
        });
        Main->OpenItemClick(2);
        QCOMPARE(filter, QStringLiteral("Выборка (*.vfs370)"));
        QCOMPARE(directory, QFileInfo(selections).absoluteFilePath());
        QCOMPARE(Log, QStringList({QStringLiteral("selection: load s.vfs370")}));
        QCOMPARE(Main->ChildCount(), 3);
        // With a selection window active, a plain open starts at the selection filter.
        OnModal<QFileDialog>([&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            dialog->reject();
        });
        Main->OpenItemClick(-1);
        QCOMPARE(filter, QStringLiteral("Выборка (*.vfs370)"));
    }

    // A new order window opens its properties after the current event.
    void newOrderAsksForPropertiesDeferred()
    {
        TMainForm::Hooks().NewOrderWindow = [this](TMainForm&) {
            return new TFakeChild(TChildKind::Order, &Log, QStringLiteral("new"));
        };
        Main->UpdateMenuItems();
        Main->NewOrderItem->trigger();
        QCOMPARE(Main->ChildCount(), 1);
        QVERIFY(Log.isEmpty());
        QVERIFY(WaitFor([&] { return !Log.isEmpty(); }));
        QCOMPARE(Log, QStringList({QStringLiteral("new: command %1").arg(int(TChildCommand::Properties))}));
    }

    void windowMenuListsTheChildren()
    {
        AddFake(TChildKind::Order, QStringLiteral("Первый"));
        TFakeChild* second = AddFake(TChildKind::Order, QStringLiteral("Второй"));
        Activate(second);
        Q_EMIT Main->WindowMenu->aboutToShow();
        QStringList items;
        QStringList checked;
        for (QAction* a : Main->WindowMenu->actions())
            if (!a->isSeparator()) {
                items.append(a->text());
                if (a->isChecked())
                    checked.append(a->text());
            }
        QCOMPARE(items.mid(4), QStringList({QStringLiteral("&1 Первый"), QStringLiteral("&2 Второй")}));
        QCOMPARE(checked, QStringList({QStringLiteral("&2 Второй")}));
    }

    void optionsDialogCopiesOnlyOnOK()
    {
        TvxfSetup& s = Setup();
        s.AlertIfNotFull = true;
        s.AutoLoadCurrency = false;
        s.AutoReg = true;
        s.AutoOpenReg = false;
        s.MoveToRecycled = true;
        auto flipAll = [](TOptionsDlg* dlg) {
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Параметры"));
            QVERIFY(dlg->AlertIfNotFullCheck->isChecked());
            QVERIFY(!dlg->AutoLoadCurrencyCheck->isChecked());
            QVERIFY(dlg->AutoRegCheck->isChecked());
            QVERIFY(!dlg->AutoOpenRegCheck->isChecked());
            QVERIFY(dlg->MoveToRecycledCheck->isChecked());
            for (QCheckBox* c : {dlg->AlertIfNotFullCheck, dlg->AutoLoadCurrencyCheck, dlg->AutoRegCheck,
                                 dlg->AutoOpenRegCheck, dlg->MoveToRecycledCheck})
                c->click();
        };
        OnModal<TOptionsDlg>([&](TOptionsDlg* dlg) {
            flipAll(dlg);
            dlg->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        });
        Main->OptionsItem->trigger();
        QVERIFY(s.AlertIfNotFull && !s.AutoLoadCurrency && s.AutoReg && !s.AutoOpenReg && s.MoveToRecycled);

        OnModal<TOptionsDlg>([&](TOptionsDlg* dlg) {
            flipAll(dlg);
            dlg->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        Main->OptionsItem->trigger();
        QVERIFY(!s.AlertIfNotFull && s.AutoLoadCurrency && !s.AutoReg && s.AutoOpenReg && !s.MoveToRecycled);
    }

    void aboutDialogShowsTheVersions()
    {
        QStringList rows;
        QString caption;
        OnModal<TAboutDlg>([&](TAboutDlg* dlg) {
            caption = dlg->windowTitle();
            for (int r = 0; r < dlg->Grid->rowCount(); ++r)
                rows.append(dlg->Grid->item(r, 0)->text() + QLatin1Char('=') + dlg->Grid->item(r, 1)->text());
            dlg->accept();
        });
        Main->AboutItem->trigger();
        QCOMPARE(caption, QStringLiteral("О программе"));
        QCOMPARE(rows, QStringList({QStringLiteral("Версия=3.81"), QStringLiteral("Сборка=") + ProgramVersion(),
                                    QStringLiteral("Редакция=Русская"), QStringLiteral("Версия *.vxf=26.12.2019"),
                                    QStringLiteral("Версия *.vsf=06.10.2015"), QStringLiteral("Модификация=3.81.5.400")}));
    }

    void debugModeFollowsTheCheckItem()
    {
        QVERIFY(!Setup().DebugMode);
        Main->DebugModeItem->trigger();
        QVERIFY(Setup().DebugMode);
        Main->DebugModeItem->trigger();
        QVERIFY(!Setup().DebugMode);
    }

    void lastCurrencyUpdateFile()
    {
        const QString server = RunPaths().ServerDir;
        const QDate yesterday = QDate::currentDate().addDays(-1);
        QCOMPARE(ReadLastCurrencyUpdate(server), yesterday);   // missing
        WriteLastCurrencyUpdate(server, QDate(2024, 3, 15));
        const QString file = ResolvePath(server) + QStringLiteral("/Valtrix.lcu");
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        f.close();
        // 45366 days after 30.12.1899, as a little-endian double.
        double days = 0;
        QCOMPARE(bytes.size(), 8);
        std::memcpy(&days, bytes.constData(), 8);
        QCOMPARE(days, 45366.0);
        QCOMPARE(ReadLastCurrencyUpdate(server), QDate(2024, 3, 15));
        TTestInstallation::WriteFile(file, "short");
        QCOMPARE(ReadLastCurrencyUpdate(server), yesterday);
    }
};

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
