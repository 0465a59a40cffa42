#include "editing/SimplePosPropDlg.h"
#include "app/NumEdit.h"
#include "config/VXFSetupX.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

namespace vx {

namespace {

constexpr int SizeDigits = 5;

// The outline of a shape in the picture's frame: glass area from (l, t) to (r, b).
QPainterPath FigureOutline(int figure, double l, double t, double r, double b)
{
    const double h = b - t;
    QPainterPath path;
    switch (figure) {
    case 3:
        path.moveTo(l, b);
        path.lineTo(l, t + h * 0.45);
        path.lineTo(r, t);
        path.lineTo(r, b);
        break;
    case 4:
        path.moveTo(l, b);
        path.lineTo(l, t);
        path.lineTo(r, t + h * 0.45);
        path.lineTo(r, b);
        break;
    case 5:
        path.moveTo(l, b);
        path.lineTo(r, t);
        path.lineTo(r, b);
        break;
    case 6:
        path.moveTo(l, b);
        path.lineTo(l, t);
        path.lineTo(r, b);
        break;
    case 7: {
        const double rise = (r - l) / 2.0;
        path.moveTo(l, b);
        path.lineTo(l, t + rise);
        path.arcTo(QRectF(l, t, r - l, 2 * rise), 180, -180);
        path.lineTo(r, b);
        break;
    }
    default:
        path.addRect(QRectF(l, t, r - l, b - t));
        return path;
    }
    path.closeSubpath();
    return path;
}

void Letter(QPainter& p, const QPointF& centre, const QString& text)
{
    const QRectF box(centre.x() - 8, centre.y() - 7, 16, 14);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

// ---------------------------------------------------------------------------------------------

QString TSimplePosPropDlg::KitName(int figure)
{
    return ShapeKitName(figure);
}

QPixmap TSimplePosPropDlg::FigurePicture(int figure)
{
    QPixmap pixmap(86, 86);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double l = 16, t = 6, r = 66, b = 68;

    QLinearGradient glass(QPointF(l, t), QPointF(r, b));
    glass.setColorAt(0, QColor(170, 205, 240));
    glass.setColorAt(1, QColor(225, 240, 252));
    const QPainterPath outline = FigureOutline(figure, l, t, r, b);
    p.setPen(QPen(QColor(40, 50, 65), 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(glass);
    p.drawPath(outline);

    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    const QColor dim(170, 40, 40);
    p.setPen(QPen(dim, 1));

    if (figure == 1 || figure == 2) {
        const double mid = (l + r) / 2;
        p.setPen(QPen(QColor(40, 50, 65), 2.4));
        p.drawLine(QPointF(mid, t), QPointF(mid, b));
        // The handle marks the main sash: the right one for 1, the left one for 2.
        const double hx = figure == 1 ? r - 5 : l + 5;
        p.setPen(QPen(QColor(60, 60, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(hx, (t + b) / 2 - 1), QPointF(hx, (t + b) / 2 + 8));
        p.setPen(QPen(dim, 1));
        Letter(p, QPointF((l + mid) / 2, b + 9), QStringLiteral("X"));
        Letter(p, QPointF((mid + r) / 2, b + 9), QStringLiteral("Y"));
    } else {
        Letter(p, QPointF((l + r) / 2, b + 9), QStringLiteral("B"));
    }
    Letter(p, QPointF(r + 10, (t + b) / 2 + (figure == 4 ? 10 : 0)), QStringLiteral("H"));
    if (figure == 3)
        Letter(p, QPointF(l - 9, b - (b - t) * 0.28), QStringLiteral("X"));
    if (figure == 4)
        Letter(p, QPointF(r + 10, b - (b - t) * 0.28 - 16), QStringLiteral("X"));
    if (figure == 7) {
        const double rise = (r - l) / 2.0;
        const QPointF centre((l + r) / 2, t + rise);
        p.drawLine(centre, centre + QPointF(std::cos(M_PI / 4) * rise, -std::sin(M_PI / 4) * rise));
        Letter(p, centre + QPointF(-4, -rise * 0.52), QStringLiteral("R"));
        p.drawLine(QPointF(l - 6, t), QPointF(l - 6, t + rise));
        Letter(p, QPointF(l - 11, t + rise / 2 + 1), QStringLiteral("X"));
    }
    return pixmap;
}

// ---------------------------------------------------------------------------------------------

TSimplePosPropDlg::TSimplePosPropDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SimplePosPropDlg"));
    setWindowTitle(QStringLiteral("Новая позиция"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    PosNoEdit = new QLineEdit(this);
    PosNoEdit->setObjectName(QStringLiteral("PosNoEdit"));
    NumEdit = new TNumEdit(this, nsInteger, SizeDigits);
    NumEdit->setObjectName(QStringLiteral("NumEdit"));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    ObjTypeCombo = new QComboBox(this);
    ObjTypeCombo->setObjectName(QStringLiteral("ObjTypeCombo"));
    ObjTypeCombo->addItems({QStringLiteral("Окно"), QStringLiteral("Дверь с порогом")});

    WidthEdit = new TNumEdit(this, nsInteger, SizeDigits);
    WidthEdit->setObjectName(QStringLiteral("WidthEdit"));
    HeightEdit = new TNumEdit(this, nsInteger, SizeDigits);
    HeightEdit->setObjectName(QStringLiteral("HeightEdit"));
    HXEdit = new TNumEdit(this, nsInteger, SizeDigits, 1);
    HXEdit->setObjectName(QStringLiteral("HXEdit"));
    HYEdit = new TNumEdit(this, nsInteger, SizeDigits);
    HYEdit->setObjectName(QStringLiteral("HYEdit"));
    RadiusEdit = new TNumEdit(this, nsFloat, SizeDigits, 1);
    RadiusEdit->setObjectName(QStringLiteral("RadiusEdit"));
    for (TNumEdit* e : {NumEdit, WidthEdit, HeightEdit, HXEdit, HYEdit, RadiusEdit})
        e->setFixedWidth(90);

    FigScroll = new QScrollBar(Qt::Vertical, this);
    FigScroll->setObjectName(QStringLiteral("FigScroll"));
    FigScroll->setRange(0, 7);
    FigScroll->setSingleStep(1);
    FigScroll->setPageStep(3);
    FigScroll->setFixedHeight(88);
    FigImage = new QLabel(this);
    FigImage->setObjectName(QStringLiteral("FigImage"));
    FigImage->setFixedSize(88, 88);
    FigImage->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    FigImage->setAlignment(Qt::AlignCenter);

    auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };

    auto* top = new QGridLayout;
    top->addWidget(label(QStringLiteral("Позиция №"), PosNoEdit), 0, 0);
    top->addWidget(PosNoEdit, 0, 1);
    top->addWidget(label(QStringLiteral("Кол-во, комп."), NumEdit), 0, 2, Qt::AlignRight);
    top->addWidget(NumEdit, 0, 3);
    top->addWidget(label(QStringLiteral("Наименование"), NameEdit), 1, 0);
    top->addWidget(NameEdit, 1, 1, 1, 3);
    top->addWidget(label(QStringLiteral("Тип изделия"), ObjTypeCombo), 2, 0);
    top->addWidget(ObjTypeCombo, 2, 1);
    top->setColumnStretch(1, 1);
    PosNoEdit->setMinimumWidth(90);
    NameEdit->setMinimumWidth(320);

    auto* shapeBox = new QGroupBox(QStringLiteral("Форма и размеры, мм"), this);
    auto* typeColumn = new QVBoxLayout;
    auto* typeLab = label(QStringLiteral("Тип"), FigScroll);
    typeColumn->addWidget(typeLab, 0, Qt::AlignHCenter);
    typeColumn->addWidget(FigScroll, 0, Qt::AlignHCenter);
    typeColumn->addStretch();
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addSpacing(typeLab->sizeHint().height() + typeColumn->spacing());
    pictureColumn->addWidget(FigImage);
    pictureColumn->addStretch();

    HeightLab = label(QStringLiteral("Размер H"), HeightEdit);
    HXLab = label(QStringLiteral("Размер X"), HXEdit);
    HYLab = label(QStringLiteral("Размер Y"), HYEdit);
    RadiusLab = label(QStringLiteral("Радиус R"), RadiusEdit);
    auto* sizes = new QGridLayout;
    sizes->setVerticalSpacing(4);
    sizes->addWidget(label(QStringLiteral("Размер B"), WidthEdit), 0, 0);
    sizes->addWidget(WidthEdit, 0, 1);
    sizes->addWidget(HeightLab, 1, 0);
    sizes->addWidget(HeightEdit, 1, 1);
    sizes->addWidget(HXLab, 2, 0);
    sizes->addWidget(HXEdit, 2, 1);
    sizes->addWidget(HYLab, 3, 0);
    sizes->addWidget(HYEdit, 3, 1);
    sizes->addWidget(RadiusLab, 4, 0);
    sizes->addWidget(RadiusEdit, 4, 1);
    sizes->setRowStretch(5, 1);

    auto* shapeLayout = new QHBoxLayout(shapeBox);
    shapeLayout->addLayout(typeColumn);
    shapeLayout->addLayout(pictureColumn);
    shapeLayout->addSpacing(18);
    shapeLayout->addLayout(sizes);
    shapeLayout->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TSimplePosPropDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(4);
    layout->addWidget(shapeBox);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FigScroll, &QScrollBar::valueChanged, this, &TSimplePosPropDlg::FigScrollChange);
    for (TNumEdit* e : {WidthEdit, HXEdit, HYEdit, RadiusEdit})
        connect(e, &QLineEdit::textChanged, this, [this, e] {
            if (!Silenced.contains(e))
                FieldChanged(e);
        });
    RadiusEdit->installEventFilter(this);

    setTabOrder(PosNoEdit, NumEdit);
    setTabOrder(NumEdit, NameEdit);
    setTabOrder(NameEdit, ObjTypeCombo);
    setTabOrder(ObjTypeCombo, FigScroll);
    setTabOrder(FigScroll, WidthEdit);
    setTabOrder(WidthEdit, HeightEdit);
    setTabOrder(HeightEdit, HXEdit);
    setTabOrder(HXEdit, HYEdit);
    setTabOrder(HYEdit, RadiusEdit);
}

bool TSimplePosPropDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RadiusEdit && event->type() == QEvent::FocusOut) {
        // The field's own normalisation first, then the arch's minimum.
        RadiusEdit->Normalize();
        RadiusEditExit();
    }
    return QDialog::eventFilter(watched, event);
}

int TSimplePosPropDlg::Figure() const
{
    return FigScroll->value();
}

// ---------------------------------------------------------------------------------------------
// Linked fields

void TSimplePosPropDlg::FieldChanged(TNumEdit* edit)
{
    if (edit == WidthEdit)
        WidthEditChange();
    else if (edit == HXEdit || edit == HYEdit)
        HXEditChange(edit);
    else if (edit == RadiusEdit)
        RadiusEditChange();
}

void TSimplePosPropDlg::Assign(TNumEdit* edit, const QString& text, bool fire)
{
    const bool wasSilenced = Silenced.contains(edit);
    if (!fire)
        Silenced.insert(edit);
    const QString before = edit->text();
    edit->SetValueText(text);
    if (!fire && !wasSilenced)
        Silenced.remove(edit);
    // A value set anew counts as a change even when the text stays the same.
    if (fire && edit->text() == before && !Silenced.contains(edit))
        FieldChanged(edit);
}

void TSimplePosPropDlg::SetInteger(TNumEdit* edit, int value, bool fire)
{
    Assign(edit, edit->EditRules().TextOfInteger(value), fire);
}

void TSimplePosPropDlg::SetFloat(TNumEdit* edit, double value, bool fire)
{
    Assign(edit, edit->EditRules().TextOfFloat(RoundTo(8, value)), fire);
}

void TSimplePosPropDlg::SetFieldEnabled(TNumEdit* edit, QLabel* label, bool enabled)
{
    edit->setEnabled(enabled);
    label->setEnabled(enabled);
}

void TSimplePosPropDlg::FigScrollChange()
{
    const int figure = Figure();
    FigImage->setPixmap(FigurePicture(figure));
    SetInteger(WidthEdit, FDefWidth, true);
    SetInteger(HeightEdit, FDefHeight, true);
    SetFieldEnabled(HeightEdit, HeightLab, true);
    const int b = WidthEdit->AsInteger();
    const int h = HeightEdit->AsInteger();
    switch (figure) {
    case 1:
    case 2:
        HXEdit->SetStyle(nsInteger);
        SetInteger(HXEdit, b / 2, true);
        SetFieldEnabled(HXEdit, HXLab, true);
        SetInteger(HYEdit, b - HXEdit->AsInteger(), true);
        SetFieldEnabled(HYEdit, HYLab, true);
        SetFloat(RadiusEdit, 0, true);
        SetFieldEnabled(RadiusEdit, RadiusLab, false);
        break;
    case 3:
    case 4:
        HXEdit->SetStyle(nsInteger);
        SetInteger(HXEdit, h / 2, true);
        SetFieldEnabled(HXEdit, HXLab, true);
        SetInteger(HYEdit, 0, true);
        SetFieldEnabled(HYEdit, HYLab, false);
        SetFloat(RadiusEdit, 0, true);
        SetFieldEnabled(RadiusEdit, RadiusLab, false);
        break;
    case 7:
        HXEdit->SetStyle(nsFloat);
        HXEdit->SetDecimals(1);
        SetFloat(HXEdit, 0, true);
        SetFieldEnabled(HXEdit, HXLab, true);
        SetInteger(HYEdit, 0, true);
        SetFieldEnabled(HYEdit, HYLab, false);
        SetFloat(RadiusEdit, b / 2.0, true);
        SetFieldEnabled(RadiusEdit, RadiusLab, true);
        break;
    default:
        HXEdit->SetStyle(nsInteger);
        SetInteger(HXEdit, 0, true);
        SetFieldEnabled(HXEdit, HXLab, false);
        SetInteger(HYEdit, 0, true);
        SetFieldEnabled(HYEdit, HYLab, false);
        SetFloat(RadiusEdit, 0, true);
        SetFieldEnabled(RadiusEdit, RadiusLab, false);
        break;
    }
    NameEdit->setText(DefaultPositionName(ObjTypeCombo->currentIndex(), figure));
}

void TSimplePosPropDlg::WidthEditChange()
{
    const int figure = Figure();
    const int b = WidthEdit->AsInteger();
    if (figure == 7)
        SetFloat(RadiusEdit, b / 2.0, true);
    else if (figure == 1 || figure == 2)
        SetInteger(HXEdit, b / 2, true);
}

void TSimplePosPropDlg::HXEditChange(TNumEdit* sender)
{
    const int figure = Figure();
    const int b = WidthEdit->AsInteger();
    if (figure == 7) {
        const double x = HXEdit->AsFloat();
        if (x <= b / 2.0) {
            // The radius of the arc through the chord B with the rise X.
            const double r = b > 0 && x > 0 ? (double(b) * b / 4.0 + x * x) / (2.0 * x) : 0.0;
            SetFloat(RadiusEdit, r, false);
        } else {
            SetFloat(HXEdit, b / 2.0, false);
        }
    } else if (figure == 1 || figure == 2) {
        if (sender == HXEdit) {
            const int x = HXEdit->AsInteger();
            if (b > x)
                SetInteger(HYEdit, b - x, false);
        } else {
            const int y = HYEdit->AsInteger();
            if (y < b)
                SetInteger(HXEdit, b - y, false);
        }
    }
}

void TSimplePosPropDlg::RadiusEditChange()
{
    if (Figure() != 7)
        return;
    const double r = RadiusEdit->AsFloat();
    const int b = WidthEdit->AsInteger();
    const double half = b / 2.0;
    // The rise of the arc of radius R over the chord B.
    const double x = b > 0 && r * r >= half * half ? r - std::sqrt(r * r - half * half) : 0.0;
    SetFloat(HXEdit, x, false);
}

void TSimplePosPropDlg::RadiusEditExit()
{
    if (Figure() != 7)
        return;
    // The smallest arch is a half circle.
    const double half = WidthEdit->AsInteger() / 2.0;
    if (RadiusEdit->AsFloat() < half)
        SetFloat(RadiusEdit, half, true);
}

// ---------------------------------------------------------------------------------------------
// Opening and OK

TShapeRecord TSimplePosPropDlg::ShapeRecord() const
{
    TShapeRecord shape;
    shape.Width = WidthEdit->AsInteger();
    shape.Height = HeightEdit->AsInteger();
    shape.Figure = uint8_t(Figure());
    shape.HX = Figure() == 7 ? HXEdit->AsFloat() : double(HXEdit->AsInteger());
    shape.HY = HYEdit->AsInteger();
    shape.Radius1 = shape.Radius2 = float(RadiusEdit->AsFloat());
    return shape;
}

void TSimplePosPropDlg::Prepare(const TNewPositionContext& order)
{
    NumEdit->SetAsInteger(1);
    PosNoEdit->setText(QString::asprintf("%.3d", order.PositionCount + 1));
    NameEdit->setText(KitName(0));
    // An object type the list does not have counts as a window.
    const int group = HasSetup() ? Setup().DefFurnSysGroup : 0;
    ObjTypeCombo->setCurrentIndex(group == 1 ? 1 : 0);
    FDefWidth = DefaultPositionWidth(ObjTypeCombo->currentIndex());
    FDefHeight = DefaultPositionHeight(ObjTypeCombo->currentIndex());
    {
        const QSignalBlocker blocker(FigScroll);
        FigScroll->setRange(0, 7);
        FigScroll->setValue(0);
    }
    FigScrollChange();
}

bool TSimplePosPropDlg::CheckSizes()
{
    const QString problem = PositionSizeProblem(ShapeRecord(), NumEdit->AsInteger());
    if (problem.isEmpty())
        return true;
    ShowWarning(problem);
    return false;
}

void TSimplePosPropDlg::accept()
{
    RadiusEditExit();
    if (!CheckSizes())
        return;
    QDialog::accept();
}

bool TSimplePosPropDlg::Apply(const TNewPositionContext& order, TvxfConstruction& position)
{
    RadiusEditExit();
    TPositionInput input;
    input.PosNo = PosNoEdit->text();
    input.Name = NameEdit->text();
    input.Num = NumEdit->AsInteger();
    input.ObjType = uint8_t(ObjTypeCombo->currentIndex() == 1 ? 1 : 0);
    input.Shape = ShapeRecord();
    try {
        BuildPosition(order, input, position);
        return true;
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return false;
    }
}

bool TSimplePosPropDlg::Execute(const TNewPositionContext& order, TvxfConstruction* position)
{
    if (!position)
        return false;
    Prepare(order);
    PosNoEdit->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    return Apply(order, *position);
}

bool ExecuteSimplePosProp(QWidget* parent, const TNewPositionContext& order, TvxfConstruction* position)
{
    TSimplePosPropDlg dialog(parent);
    return dialog.Execute(order, position);
}

bool ExecuteSimplePosProp(QWidget* parent, const TvxfOrder& order, TvxfConstruction* position)
{
    return ExecuteSimplePosProp(parent, TNewPositionContext::OfOrder(order), position);
}

} // namespace vx
