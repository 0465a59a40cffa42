#include "GuiTestSupport.h"
#include "app/NumEdit.h"
#include "app/VXDialogInteraction.h"
#include "config/VXFSetupX.h"
#include "editing/SimplePosPropDlg.h"
#include "model/VXFOrder.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace vx;
using namespace vxtest;

class TestPosProp : public QObject {
    Q_OBJECT

    std::unique_ptr<TvxfSetup> Settings;
    TDialogInteraction Dialogs;
    std::unique_ptr<TScopedUI> ScopedUI;
    std::unique_ptr<TSimplePosPropDlg> Dlg;
    QTemporaryDir Temp;

    // Opens the dialog as Execute does, modeless, for typing.
    void Open(int positions = 0, int group = 0)
    {
        Setup().DefFurnSysGroup = group;
        Dlg = std::make_unique<TSimplePosPropDlg>();
        TNewPositionContext order;
        order.PositionCount = positions;
        Dlg->Prepare(order);
        Dlg->show();
        QApplication::setActiveWindow(Dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(Dlg.get()));
    }

    // Types into a field as the user does: select everything, type, nothing else.
    static void Type(TNumEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    void Figure(int figure) { Dlg->FigScroll->setValue(figure); }

private Q_SLOTS:
    void init()
    {
        Settings = std::make_unique<TvxfSetup>(Temp.path() + QStringLiteral("/absent.ini"));
        SetSetup(Settings.get());
        ScopedUI = std::make_unique<TScopedUI>(&Dialogs);
    }

    void cleanup()
    {
        Dlg.reset();
        ScopedUI.reset();
        SetSetup(nullptr);
        Settings.reset();
    }

    void opensWithTheDefaults()
    {
        Open(2);
        QCOMPARE(Dlg->windowTitle(), QStringLiteral("Новая позиция"));
        QCOMPARE(Dlg->PosNoEdit->text(), QStringLiteral("003"));
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Окно: Комплект стандартный"));
        QCOMPARE(Dlg->NumEdit->AsInteger(), 1);
        QCOMPARE(Dlg->ObjTypeCombo->currentIndex(), 0);
        QCOMPARE(Dlg->FigScroll->value(), 0);
        QCOMPARE(Dlg->FigScroll->maximum(), 7);
        QCOMPARE(Dlg->FigScroll->pageStep(), 3);
        QCOMPARE(Dlg->WidthEdit->AsInteger(), 700);
        QCOMPARE(Dlg->HeightEdit->AsInteger(), 1400);
        QVERIFY(!Dlg->FigImage->pixmap().isNull());
        for (TNumEdit* e : {Dlg->HXEdit, Dlg->HYEdit, Dlg->RadiusEdit})
            QVERIFY(!e->isEnabled());
        QVERIFY(!Dlg->HXLab->isEnabled());
        QVERIFY(!Dlg->RadiusLab->isEnabled());
    }

    void aDoorStartsAt900By2100UntilTheShapeChanges()
    {
        Open(0, 1);
        QCOMPARE(Dlg->ObjTypeCombo->currentText(), QStringLiteral("Дверь с порогом"));
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Дверь с порогом: Комплект стандартный"));
        QCOMPARE(Dlg->WidthEdit->AsInteger(), 900);
        QCOMPARE(Dlg->HeightEdit->AsInteger(), 2100);
        Dlg->ObjTypeCombo->setCurrentIndex(0);
        QCOMPARE(Dlg->WidthEdit->AsInteger(), 900);
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Дверь с порогом: Комплект стандартный"));
        Figure(5);
        QCOMPARE(Dlg->WidthEdit->AsInteger(), 900);   // the defaults are fixed when the dialog opens
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Окно: Комплект треугольный"));
    }

    void twoSashesKeepTheirWidthsTogether()
    {
        Open();
        Figure(1);
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Окно: Комплект штульповый"));
        QCOMPARE(Dlg->HXEdit->AsInteger(), 350);
        QCOMPARE(Dlg->HYEdit->AsInteger(), 350);
        QVERIFY(Dlg->HXEdit->isEnabled() && Dlg->HYEdit->isEnabled() && !Dlg->RadiusEdit->isEnabled());
        Type(Dlg->HXEdit, QStringLiteral("300"));
        QCOMPARE(Dlg->HYEdit->AsInteger(), 400);
        Type(Dlg->HYEdit, QStringLiteral("500"));
        QCOMPARE(Dlg->HXEdit->AsInteger(), 200);
        // Typed digit by digit, "80" still sets Y; 800 is more than B and leaves it.
        Type(Dlg->HXEdit, QStringLiteral("800"));
        QCOMPARE(Dlg->HYEdit->AsInteger(), 620);
        Type(Dlg->WidthEdit, QStringLiteral("1000"));
        QCOMPARE(Dlg->HXEdit->AsInteger(), 500);
        QCOMPARE(Dlg->HYEdit->AsInteger(), 500);
    }

    void theArchFollowsItsRadiusAndRise()
    {
        Open();
        Figure(7);
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Окно: Комплект арка"));
        QCOMPARE(Dlg->RadiusEdit->text(), QStringLiteral("350,0"));
        QCOMPARE(Dlg->HXEdit->text(), QStringLiteral("350,0"));
        QVERIFY(!Dlg->HYEdit->isEnabled());
        Type(Dlg->WidthEdit, QStringLiteral("1000"));
        QCOMPARE(Dlg->RadiusEdit->AsFloat(), 500.0);
        QCOMPARE(Dlg->HXEdit->AsFloat(), 500.0);
        Type(Dlg->HXEdit, QStringLiteral("200"));
        QCOMPARE(Dlg->RadiusEdit->AsFloat(), 725.0);
        Type(Dlg->RadiusEdit, QStringLiteral("625"));
        QCOMPARE(Dlg->HXEdit->AsFloat(), 250.0);
        Type(Dlg->RadiusEdit, QStringLiteral("400"));
        QCOMPARE(Dlg->HXEdit->AsFloat(), 0.0);
        Dlg->WidthEdit->setFocus();   // leaving the radius restores the half circle
        QCOMPARE(Dlg->RadiusEdit->AsFloat(), 500.0);
        QCOMPARE(Dlg->HXEdit->AsFloat(), 500.0);
        Type(Dlg->WidthEdit, QStringLiteral("1200"));
        QCOMPARE(Dlg->RadiusEdit->AsFloat(), 600.0);
        QCOMPARE(Dlg->HXEdit->AsFloat(), 600.0);
        // A rise above the half width is taken back to it.
        Type(Dlg->HXEdit, QStringLiteral("700"));
        QCOMPARE(Dlg->HXEdit->AsFloat(), 600.0);

        // Back to the rectangle: defaults again, the shape fields cleared and disabled.
        Figure(0);
        QCOMPARE(Dlg->WidthEdit->AsInteger(), 700);
        QCOMPARE(Dlg->HeightEdit->AsInteger(), 1400);
        QCOMPARE(Dlg->HXEdit->text(), QStringLiteral("0"));
        QCOMPARE(Dlg->HYEdit->text(), QStringLiteral("0"));
        QCOMPARE(Dlg->RadiusEdit->AsFloat(), 0.0);
        QVERIFY(!Dlg->HXEdit->isEnabled() && !Dlg->RadiusEdit->isEnabled());
    }

    void trapezoidStartsAtHalfTheHeight()
    {
        Open();
        Figure(3);
        QCOMPARE(Dlg->HXEdit->AsInteger(), 700);
        QVERIFY(Dlg->HXEdit->isEnabled() && !Dlg->HYEdit->isEnabled());
        QCOMPARE(Dlg->NameEdit->text(), QStringLiteral("Окно: Комплект трапеция"));
    }

    // OK writes the fields and the order's defaults and builds the sashes.
    void okBuildsThePosition()
    {
        Setup().DefFurnSysGroup = 0;
        TNewPositionContext order;
        order.PositionCount = 4;
        order.ProfSys = QStringLiteral("P1");
        order.FurnSys = QStringLiteral("F2");
        order.FurnColor = QStringLiteral("C3");
        order.FalzType = 101;
        order.DornType = 215;
        order.StulpFalzType = 302;
        order.FlugelType = 403;
        TvxfConstruction pos;
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* dlg) {
            dlg->FigScroll->setValue(2);
            Type(dlg->WidthEdit, QStringLiteral("1400"));
            Type(dlg->HXEdit, QStringLiteral("600"));
            Type(dlg->HeightEdit, QStringLiteral("1500"));
            Type(dlg->NumEdit, QStringLiteral("3"));
            dlg->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        QVERIFY(ExecuteSimplePosProp(nullptr, order, &pos));
        QCOMPARE(pos.PosNo, QStringLiteral("005"));
        QCOMPARE(pos.Name, QStringLiteral("Окно: Комплект штульповый"));
        QCOMPARE(pos.Num, 3);
        QCOMPARE(int(pos.Layout), 0);
        QCOMPARE(int(pos.ObjType), 0);
        QCOMPARE(pos.ProfSys, QStringLiteral("P1"));
        QCOMPARE(pos.FurnSys, QStringLiteral("F2"));
        QCOMPARE(pos.Color, QStringLiteral("C3"));
        QCOMPARE(pos.Falz, 101);
        QCOMPARE(pos.StulpType, 302);
        QCOMPARE(pos.OpenType, 403);
        int32_t w = 0, h = 0;
        pos.LeftFlugel->Size(w, h);
        QCOMPARE(w, 600);
        QCOMPARE(h, 1500);
        pos.RightFlugel->Size(w, h);
        QCOMPARE(w, 800);
        QCOMPARE(pos.LeftFlugel->Dorn, 215);
        QCOMPARE(pos.RightFlugel->Dorn, 215);
        QCOMPARE(pos.RightFlugel->Points[0]->X, 6000);   // the second sash stands at X
    }

    // The order window passes its order: the number after its positions and its defaults.
    void theOrderGivesNumberAndDefaults()
    {
        TvxfOrder order;
        order.FurnSys = QStringLiteral("F9");
        order.DornType = 207;
        for (int i = 0; i < 2; ++i)
            order.AddPosition(std::make_unique<TvxfConstruction>(&order));
        TvxfConstruction pos(&order);
        QString shownNumber;
        OnModal<TSimplePosPropDlg>([&](TSimplePosPropDlg* dlg) {
            shownNumber = dlg->PosNoEdit->text();
            dlg->accept();
        });
        QVERIFY(ExecuteSimplePosProp(nullptr, order, &pos));
        QCOMPARE(shownNumber, QStringLiteral("003"));
        QCOMPARE(pos.FurnSys, QStringLiteral("F9"));
        QCOMPARE(pos.LeftFlugel->Dorn, 207);
    }

    // OK on an arch below the half circle builds the half circle.
    void okAppliesTheArchMinimum()
    {
        TvxfConstruction pos;
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* dlg) {
            dlg->FigScroll->setValue(7);
            Type(dlg->WidthEdit, QStringLiteral("1000"));
            Type(dlg->HeightEdit, QStringLiteral("1800"));
            Type(dlg->RadiusEdit, QStringLiteral("300"));
            dlg->accept();
        });
        QVERIFY(ExecuteSimplePosProp(nullptr, TNewPositionContext(), &pos));
        QVERIFY(pos.LeftFlugel->IsFullSemicircle(1));
        int32_t w = 0, h = 0;
        pos.Size(w, h);
        QCOMPARE(w, 1000);
        QCOMPARE(h, 1800);
    }

    void cancelLeavesThePositionAlone()
    {
        TvxfConstruction pos;
        pos.PosNo = QStringLiteral("keep");
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* dlg) { dlg->reject(); });
        QVERIFY(!ExecuteSimplePosProp(nullptr, TNewPositionContext(), &pos));
        QCOMPARE(pos.PosNo, QStringLiteral("keep"));
        QVERIFY(!pos.LeftFlugel->HasOutline());
        QVERIFY(!ExecuteSimplePosProp(nullptr, TNewPositionContext(), nullptr));
    }

    // A position that cannot be built is restored, and the failure is shown with its text.
    void aFailedBuildRestoresThePosition()
    {
        TvxfConstruction pos;
        pos.PosNo = QStringLiteral("old");
        TShapeRecord shape;
        shape.Width = 500;
        shape.Height = 600;
        pos.BuildGeometry(shape, 0);   // already built: building again fails
        OnModal<TSimplePosPropDlg>([](TSimplePosPropDlg* dlg) { dlg->accept(); });
        TBoxSeen seen;
        AnswerBox(&seen, QStringLiteral("OK"));
        QVERIFY(!ExecuteSimplePosProp(nullptr, TNewPositionContext(), &pos));
        QCOMPARE(seen.Icon, QMessageBox::Critical);
        QCOMPARE(seen.Text, QStringLiteral("Контур позиции уже построен!"));
        QCOMPARE(pos.PosNo, QStringLiteral("old"));
        int32_t w = 0, h = 0;
        pos.Size(w, h);
        QCOMPARE(w, 500);
        QCOMPARE(h, 600);
    }

    // Sizes no outline can have keep the dialog open with a warning.
    void impossibleSizesKeepTheDialogOpen()
    {
        TvxfConstruction pos;
        QStringList warnings;
        OnModal<TSimplePosPropDlg>([&](TSimplePosPropDlg* dlg) {
            auto tryOK = [&] {
                OnModal<QMessageBox>([&](QMessageBox* box) {
                    warnings.append(box->text());
                    box->accept();
                });
                dlg->accept();
            };
            Type(dlg->WidthEdit, QStringLiteral("0"));
            tryOK();
            QVERIFY(dlg->isVisible());
            dlg->FigScroll->setValue(3);
            Type(dlg->HXEdit, QStringLiteral("1500"));
            tryOK();
            QVERIFY(dlg->isVisible());
            dlg->reject();
        });
        QVERIFY(!ExecuteSimplePosProp(nullptr, TNewPositionContext(), &pos));
        QCOMPARE(warnings, QStringList({QStringLiteral("Размеры B и H должны быть больше нуля!"),
                                        QStringLiteral("Размер X должен быть больше нуля и не больше размера H!")}));
        QVERIFY(!pos.LeftFlugel->HasOutline());
    }

    void eightDistinctPictures()
    {
        QList<QImage> images;
        for (int f = 0; f < 8; ++f) {
            const QImage image = TSimplePosPropDlg::FigurePicture(f).toImage();
            QCOMPARE(image.size(), QSize(86, 86));
            for (const QImage& other : images)
                QVERIFY2(image != other, qPrintable(QStringLiteral("picture %1").arg(f)));
            images.append(image);
        }
        // The rectangle's outline runs along its left edge; the triangle with the right angle
        // on the right has glass only on the right at mid-height.
        const QImage rect = images[0];
        QVERIFY(qGray(rect.pixel(16, 40)) < 100);
        const QImage triangle = images[5];
        QVERIFY(qGray(triangle.pixel(22, 20)) > 240);
        QVERIFY(qBlue(triangle.pixel(60, 50)) > qRed(triangle.pixel(60, 50)));
    }
};

QTEST_MAIN(TestPosProp)
#include "test_posprop.moc"
