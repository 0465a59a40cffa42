#include "GuiTestSupport.h"
#include "app/ConfigListDlg.h"
#include "app/MainForm.h"
#include "app/PresentVeruradeDlg.h"
#include "app/VXApplication.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXFormats.h"
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QtTest>

using namespace vx;
using namespace vxtest;

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        TMainForm::Hooks() = TShellHooks();
    }

    // The whole road: chooser with the preselected configuration, settings, data module, main
    // window with the configuration in its caption, and at the end the settings and the run
    // state stored.
    void startsAndEndsOnATestConfiguration()
    {
        TTestInstallation inst({QStringLiteral("Альфа"), QStringLiteral("Бета")});
        {
            TRegistry reg;
            reg.OpenKey(ConfigRootKey, true);
            reg.WriteString(DefaultConfigValue, QStringLiteral("Бета"));
            reg.OpenKey(SetupRegistryKey, true);
            reg.WriteInteger(QStringLiteral("TechnologMainWinState"), 2);
            reg.WriteBool(QStringLiteral("AutoOpenReg"), false);
        }
        QStringList offered;
        QString preselected;
        OnModal<TConfigListDlg>([&](TConfigListDlg* dlg) {
            for (int i = 0; i < dlg->ConfigList->count(); ++i)
                offered.append(dlg->ConfigList->item(i)->text());
            preselected = dlg->ConfigList->currentItem()->text();
            dlg->accept();
        });
        TValtrixApp app;
        QVERIFY(app.Start({QStringLiteral("/nopresentation")}));
        QCOMPARE(offered, QStringList({QStringLiteral("Альфа"), QStringLiteral("Бета")}));
        QCOMPARE(preselected, QStringLiteral("Бета"));

        TMainForm* main = app.MainForm();
        QVERIFY(main && main->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Valtrix ФУРНИТУРА: [Бета]"));
        QVERIFY(main->isMaximized());
        QCOMPARE(app.SplashProgress(), QList<int>({0, 2, 20, 40, 100}));
        QVERIFY2(DM().CatalogOpen(), qPrintable(DM().FailedTables().join(QLatin1Char(' '))));
        QVERIFY(DM().DB_Registry.Connected());
        QVERIFY(DM().DB_Report.Connected());
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Valtrix ФУРНИТУРА"));
        QCOMPARE(FormatSettings().DecimalSeparator, QLatin1Char(','));
        QCOMPARE(FormatMoney(TMoney::FromDouble(-1234.5)), QStringLiteral("-1 234,50  "));
        QCOMPARE(main->CurrencyItem->text(),
                 QStringLiteral("Курсы валют на ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        const QString tempDir = RunPaths().TempDir;
        QVERIFY(QFileInfo(tempDir).isDir());

        // The user changes an option and a window state; both reach the registry at the end.
        Setup().AutoReg = false;
        main->showNormal();
        main->close();
        QVERIFY(!main->isVisible());
        app.Finish();
        QVERIFY(!HasDM());
        QVERIFY(!HasSetup());
        TRegistry reg;
        QVERIFY(reg.OpenKey(ConfigRootKey, false));
        QCOMPARE(reg.ReadString(LastTempDirValue), tempDir);
        QVERIFY(reg.OpenKey(SetupRegistryKey, false));
        QCOMPARE(reg.ReadInteger(QStringLiteral("TechnologMainWinState"), -1), 0);
        QCOMPARE(reg.ReadBool(QStringLiteral("AutoReg"), true), false);
        // The settings file was written back (its write order starts with the defaults).
        QFile ini(inst.ConfigDir(QStringLiteral("Бета")) + QStringLiteral("/catalog/VXFurniture.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("DefProfSys"));
    }

    // The next start deletes the last run's temporary directory.
    void nextStartCleansTheLastTemporaryDirectory()
    {
        TTestInstallation inst;
        QString firstTemp;
        {
            TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
            QVERIFY(app.Start({QStringLiteral("/nopresentation")}));
            firstTemp = RunPaths().TempDir;
        }
        QVERIFY(QFileInfo(firstTemp).isDir());
        TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
        QVERIFY(app.Start({QStringLiteral("/nopresentation")}));
        QVERIFY(!QFileInfo::exists(firstTemp));
        QVERIFY(RunPaths().TempDir != firstTemp);
    }

    void missingSettingsFileEndsWithTheWarning()
    {
        TTestInstallation inst({QStringLiteral("Тест")}, false);
        TBoxSeen seen;
        AnswerBox(&seen, QStringLiteral("OK"));
        TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
        QVERIFY(!app.Start({}));
        QCOMPARE(seen.Icon, QMessageBox::Warning);
        QCOMPARE(seen.Text, QStringLiteral("Не найден файл конфигурации! Переустановите программу или произведите "
                                           "настройку вручную!"));
        QVERIFY(!app.MainForm());
        QVERIFY(!HasSetup());
    }

    void cancelInTheChooserEndsSilently()
    {
        TTestInstallation inst;
        bool boxShown = false;
        OnModal<QMessageBox>([&](QMessageBox* box) {
            boxShown = true;
            box->reject();
        }, 300);
        OnModal<TConfigListDlg>([](TConfigListDlg* dlg) { dlg->reject(); });
        TValtrixApp app;
        QVERIFY(!app.Start({}));
        QTest::qWait(350);
        QVERIFY(!boxShown);
        QVERIFY(!app.MainForm());
    }

    void noConfigurationAtAllIsReported()
    {
        TTestInstallation inst(QStringList{});
        TBoxSeen seen;
        AnswerBox(&seen, QStringLiteral("OK"));
        TValtrixApp app;
        QVERIFY(!app.Start({}));
        QCOMPARE(seen.Icon, QMessageBox::Critical);
        QCOMPARE(seen.Text, QStringLiteral("В системе не установлены пути доступа к базам данных!\n"
                                           "Инсталлируйте заново программу!"));
    }

    // The start-up requests run after start-up in their order: the registry window, the
    // presentation, the exchange-rate dialog (only while today is later than the last update).
    void startupRequestsRunInOrderAfterStartup()
    {
        TTestInstallation inst;
        QStringList log;
        bool confirmCurrency = true;
        TMainForm::Hooks().CurrencyDialog = [&](QWidget*, const QString& caption) {
            log.append(QStringLiteral("currency: ") + caption);
            return confirmCurrency;
        };
        OnModal<TPresentVeruradeDlg>([&](TPresentVeruradeDlg* dlg) {
            log.append(QStringLiteral("presentation"));
            dlg->accept();
        });
        {
            TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
            QVERIFY(app.Start({}));
            QVERIFY(log.isEmpty());   // nothing before the event loop runs
            QVERIFY(WaitFor([&] { return log.size() == 2; }));
            QCOMPARE(log[0], QStringLiteral("presentation"));
            QCOMPARE(log[1], QStringLiteral("currency: ") + app.MainForm()->CurrencyItem->text());
            QCOMPARE(ReadLastCurrencyUpdate(RunPaths().ServerDir), QDate::currentDate());
        }
        // Confirmed today: the next start asks no more; "/nopresentation" keeps the window away.
        log.clear();
        TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
        QVERIFY(app.Start({QStringLiteral("-x/NOPRESENTATION")}));
        QTest::qWait(100);
        QVERIFY(log.isEmpty());
    }

    void developerSwitchShowsTheDeveloperItems()
    {
        TTestInstallation inst;
        for (bool developer : {false, true}) {
            TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
            QStringList args{QStringLiteral("/nopresentation")};
            if (developer)
                args.append(QStringLiteral("/developer"));
            QVERIFY(app.Start(args));
            TMainForm* main = app.MainForm();
            QCOMPARE(main->ReportDesignItem->isVisible(), developer);
            QCOMPARE(main->CatalogItem->isVisible(), developer);
            QCOMPARE(main->FTPItem->isVisible(), developer);
        }
    }

    // A catalog directory without tables: every table reports its failure, and the program
    // still comes up.
    void aCatalogThatCannotOpenStillStarts()
    {
        TTestInstallation inst;
        const QString catalog = inst.ConfigDir(QStringLiteral("Тест")) + QStringLiteral("/catalog");
        QFile::remove(catalog + QStringLiteral("/ZNDB_Catalog.sqlite"));
        int errors = 0;
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++errors;
                box->accept();
            }
        });
        timer->start(5);
        TValtrixApp app([](const TConfigList& list) { return std::optional<QString>(list.Names.first()); });
        QVERIFY(app.Start({QStringLiteral("/nopresentation")}));
        timer->stop();
        QVERIFY(errors >= 1);
        QVERIFY(app.MainForm()->isVisible());
        QVERIFY(!DM().CatalogOpen());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
