#include "editing/DBLookup2Dlg.h"
#include "GuiTestSupport.h"
#include "app/AniForm.h"
#include "app/BtnDlg2.h"
#include "app/NumEdit.h"
#include "app/VXDialogInteraction.h"
#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <QtTest>

using namespace vx;
using namespace vxtest;

Q_DECLARE_METATYPE(QMessageBox::Icon)

class TestDialogs : public QObject {
    Q_OBJECT

    TDialogInteraction Dialogs;

private Q_SLOTS:
    void messageBoxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("result");
        const QStringList ok{QStringLiteral("OK")};
        const QStringList okCancel{QStringLiteral("OK"), QStringLiteral("Отмена")};
        const QStringList okAbort{QStringLiteral("OK"), QStringLiteral("Прервать")};   // sorted
        QTest::newRow("warning") << 0 << "OK" << QMessageBox::Warning << "Предупреждение" << ok << false;
        QTest::newRow("error") << 1 << "OK" << QMessageBox::Critical << "Ошибка" << ok << false;
        QTest::newRow("info") << 2 << "OK" << QMessageBox::Information << "Информация" << ok << false;
        QTest::newRow("plain") << 3 << "OK" << QMessageBox::NoIcon << QCoreApplication::applicationName() << ok << false;
        QTest::newRow("confirm OK") << 4 << "OK" << QMessageBox::Question << "Подтверждение" << okCancel << true;
        QTest::newRow("confirm Cancel") << 4 << "Отмена" << QMessageBox::Question << "Подтверждение" << okCancel << false;
        QTest::newRow("confirm closed") << 4 << "" << QMessageBox::Question << "Подтверждение" << okCancel << false;
        QTest::newRow("abort OK") << 5 << "OK" << QMessageBox::Question << "Подтверждение" << okAbort << true;
        QTest::newRow("abort Abort") << 5 << "Прервать" << QMessageBox::Question << "Подтверждение" << okAbort << false;
    }

    void messageBoxes()
    {
        QFETCH(int, kind);
        QFETCH(QString, press);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, caption);
        QFETCH(QStringList, buttons);
        QFETCH(bool, result);
        TBoxSeen seen;
        AnswerBox(&seen, press);
        const QString text = QStringLiteral("Ошибка сохранения заказа!\r\n(диск полон)");
        bool answer = false;
        switch (kind) {
        case 0: Dialogs.ShowWarning(text); break;
        case 1: Dialogs.ShowError(text); break;
        case 2: Dialogs.ShowInfo(text); break;
        case 3: Dialogs.ShowMessage(text); break;
        case 4: answer = Dialogs.Confirm(text); break;
        case 5: answer = Dialogs.ConfirmAbort(text); break;
        }
        QCOMPARE(seen.Icon, icon);
        QCOMPARE(seen.Caption, caption);
        QCOMPARE(seen.Buttons, buttons);
        QCOMPARE(seen.Text, QStringLiteral("Ошибка сохранения заказа!\n(диск полон)"));
        QCOMPARE(answer, result);
    }

    void errorDetailShowsTheDetailInBrackets()
    {
        TBoxSeen seen;
        AnswerBox(&seen, QStringLiteral("OK"));
        Dialogs.ShowErrorDetail(QStringLiteral("Ошибка расчета!"), QStringLiteral("Позиция 003"));
        QCOMPARE(seen.Icon, QMessageBox::Critical);
        QCOMPARE(seen.Text, QStringLiteral("Ошибка расчета!\n[Позиция 003]"));
    }

    void yesNoCancel()
    {
        const QList<std::pair<QString, TYesNoCancel>> cases = {
            {QStringLiteral("Да"), TYesNoCancel::Yes},
            {QStringLiteral("Нет"), TYesNoCancel::No},
            {QStringLiteral("Отмена"), TYesNoCancel::Cancel},
            {QString(), TYesNoCancel::Cancel},   // closed
        };
        for (const auto& [press, expected] : cases) {
            TBoxSeen seen;
            AnswerBox(&seen, press);
            QCOMPARE(AskYesNoCancel(QStringLiteral("Сохранить заказ?")), expected);
            QCOMPARE(seen.Buttons, QStringList({QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")}));
        }
    }

    // A box takes the wait cursor down while it shows and puts it back afterwards.
    void waitCursorGivesWayToABox()
    {
        Dialogs.BeginWait();
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Qt::CursorShape during = Qt::WaitCursor;
        OnModal<QMessageBox>([&](QMessageBox* box) {
            during = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            box->accept();
        });
        Dialogs.ShowError(QStringLiteral("Ошибка!"));
        QCOMPARE(during, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Dialogs.EndWait();
        QVERIFY(!QApplication::overrideCursor());
        // Without a wait cursor a box changes nothing.
        AnswerBox(nullptr, QStringLiteral("OK"));
        Dialogs.ShowInfo(QStringLiteral("Готово"));
        QVERIFY(!QApplication::overrideCursor());
    }

    void twoButtonQuestion()
    {
        for (int press : {1, 2, 0}) {
            QString caption, text, b1, b2;
            OnModal<TBtnDlg2>([&, press](TBtnDlg2* dlg) {
                caption = dlg->windowTitle();
                text = dlg->TextLab->text();
                b1 = dlg->Button1->text();
                b2 = dlg->Button2->text();
                if (press == 1)
                    dlg->Button1->click();
                else if (press == 2)
                    dlg->Button2->click();
                else
                    dlg->reject();
            });
            const int answer = Dialogs.AskTwoButtons(QStringLiteral("Файл существует.\r\nЗаменить?"),
                                                     QStringLiteral("Заменить"), QStringLiteral("Переименовать"),
                                                     QStringLiteral("Экспорт"));
            QCOMPARE(answer, press);
            QCOMPARE(caption, QStringLiteral("Экспорт"));
            QCOMPARE(text, QStringLiteral("Файл существует.\nЗаменить?"));
            QCOMPARE(b1, QStringLiteral("Заменить"));
            QCOMPARE(b2, QStringLiteral("Переименовать"));
        }
    }

    // The row current when the choice closes counts, however it was closed.
    void alternativeChoice()
    {
        const QList<TUserInteraction::TChoiceRow> rows = {
            {QStringLiteral("A1"), {QStringLiteral("A1"), QStringLiteral("Ручка белая")}},
            {QStringLiteral("A2"), {QStringLiteral("A2"), QStringLiteral("Ручка коричневая")}},
            {QStringLiteral("A3"), {QStringLiteral("A3"), QStringLiteral("Ручка серебро")}},
        };
        for (bool byOK : {true, false}) {
            QString title;
            int count = -1, startRow = -1;
            OnModal<TDBLookup2Dlg>([&, byOK](TDBLookup2Dlg* dlg) {
                title = dlg->windowTitle();
                count = dlg->Grid->model()->rowCount();
                startRow = dlg->Grid->currentIndex().row();
                dlg->Grid->SelectRow(2);
                byOK ? dlg->accept() : dlg->reject();
            });
            QCOMPARE(Dialogs.ChooseAlternative(QStringLiteral("Выберите ручку"), QStringLiteral("Альтернативы"), rows), 2);
            QCOMPARE(title, QStringLiteral("Альтернативы"));
            QCOMPARE(count, 3);
            QCOMPARE(startRow, 0);
        }
    }

    void numEditTyping_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("integer full") << int(nsInteger) << 5 << 0 << "1234567" << "12345" << "12345";
        QTest::newRow("no letters") << int(nsInteger) << 5 << 0 << "1a2b" << "12" << "12";
        QTest::newRow("minus first only") << int(nsInteger) << 5 << 0 << "-12-3" << "-123" << "-123";
        QTest::newRow("integer no separator") << int(nsInteger) << 5 << 0 << "12,5" << "125" << "125";
        QTest::newRow("float fraction full") << int(nsFloat) << 5 << 2 << "12,345" << "12,34" << "12,34";
        QTest::newRow("float one separator") << int(nsFloat) << 5 << 2 << "1,2,3" << "1,23" << "1,23";
        QTest::newRow("float padded") << int(nsFloat) << 5 << 2 << ",5" << ",5" << "0,50";
        QTest::newRow("empty is zero") << int(nsFloat) << 5 << 1 << "" << "" << "0,0";
    }

    void numEditTyping()
    {
        QFETCH(int, style);
        QFETCH(int, digits);
        QFETCH(int, decimals);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, normalised);
        QWidget window;
        auto* edit = new TNumEdit(&window, TNumStyle(style), digits, decimals);
        auto* other = new QLineEdit(&window);
        other->move(0, 40);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        other->setFocus();   // leaving normalises
        QCOMPARE(edit->text(), normalised);
    }

    void numEditDeletingTheSeparatorTakesTheFraction()
    {
        TNumEdit edit(nullptr, nsFloat, 5, 2);
        edit.SetAsFloat(12.75);
        QCOMPARE(edit.text(), QStringLiteral("12,75"));
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("12"));
        edit.SetAsFloat(3.5);
        edit.setCursorPosition(1);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("3"));
        // Values read and written through the rules; a new style clears the text.
        edit.SetValueText(QStringLiteral("7,125"));
        QCOMPARE(edit.text(), QStringLiteral("7,12"));
        QCOMPARE(edit.AsInteger(), 7);
        edit.SetStyle(nsInteger);
        QVERIFY(edit.text().isEmpty());
        // Pasted text must be text the keyboard could type.
        edit.SetAsInteger(5);
        QApplication::clipboard()->setText(QStringLiteral("12x"));
        edit.selectAll();
        edit.paste();
        QCOMPARE(edit.text(), QStringLiteral("5"));
        QApplication::clipboard()->setText(QStringLiteral("42"));
        edit.selectAll();
        edit.paste();
        QCOMPARE(edit.text(), QStringLiteral("42"));
    }

    // The process window: its texts, and the animation only while it is active.
    void processWindow()
    {
        QWidget other;
        other.resize(200, 100);
        TAniForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Процесс"));
        QCOMPARE(form.MessageLab->text(), QStringLiteral("Процесс..."));
        form.Start(QStringLiteral("Пересчет заказа..."), 10);
        QVERIFY(form.isVisible());
        QCOMPARE(form.MessageLab->text(), QStringLiteral("Пересчет заказа..."));
        QVERIFY(form.Ani->Active());
        const int frame = form.Ani->Frame();
        QTest::qWait(250);
        QVERIFY(form.Ani->Frame() != frame);
        form.SetProgress(7);
        QCOMPARE(form.Progress->value(), 7);

        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(WaitFor([&] { return !form.Ani->Active(); }));
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        QVERIFY(WaitFor([&] { return form.Ani->Active(); }));
        form.Finish();
        QVERIFY(!form.isVisible());
        QVERIFY(!form.Ani->Active());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
