#pragma once
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include <QDialog>
#include <QPixmap>
#include <QSet>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace vx {

class TNumEdit;
class TvxfOrder;

// The first step of a new position: number, quantity, name, object type, one of the eight
// shapes and its sizes. On OK the position gets its fields and the order's defaults, and its
// sashes are built; a failure leaves the position as it was.
class TSimplePosPropDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSimplePosPropDlg(QWidget* parent = nullptr);

    // True when the user pressed OK and the position was built; false on Cancel, without a
    // position, or when building failed (the failure is shown).
    bool Execute(const TNewPositionContext& order, TvxfConstruction* position);

    // Fills the fields as opening for a new position of the order does.
    void Prepare(const TNewPositionContext& order);

    // The outline the fields describe.
    TShapeRecord ShapeRecord() const;
    int Figure() const;

    static QString KitName(int figure);
    // The 86 x 86 picture of a shape.
    static QPixmap FigurePicture(int figure);

    QLineEdit* PosNoEdit;
    TNumEdit* NumEdit;
    QLineEdit* NameEdit;
    QComboBox* ObjTypeCombo;
    TNumEdit* WidthEdit;
    TNumEdit* HeightEdit;
    TNumEdit* HXEdit;
    TNumEdit* HYEdit;
    TNumEdit* RadiusEdit;
    QScrollBar* FigScroll;
    QLabel* FigImage;
    QLabel* HeightLab;
    QLabel* HXLab;
    QLabel* HYLab;
    QLabel* RadiusLab;

    // The default width and height, fixed when the dialog opens.
    int DefaultWidth() const { return FDefWidth; }
    int DefaultHeight() const { return FDefHeight; }

public Q_SLOTS:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Apply(const TNewPositionContext& order, TvxfConstruction& position);
    bool CheckSizes();

    void FigScrollChange();
    void WidthEditChange();
    void HXEditChange(TNumEdit* sender);
    void RadiusEditChange();
    void RadiusEditExit();

    // The change handler of a field, as the field's own change runs it.
    void FieldChanged(TNumEdit* edit);
    // Sets a field; with fire its change handler runs (even for an unchanged text), otherwise
    // the handler is off during the update so that linked fields do not bounce back.
    void SetInteger(TNumEdit* edit, int value, bool fire);
    void SetFloat(TNumEdit* edit, double value, bool fire);
    void Assign(TNumEdit* edit, const QString& text, bool fire);
    void SetFieldEnabled(TNumEdit* edit, QLabel* label, bool enabled);

    QSet<TNumEdit*> Silenced;
    int FDefWidth = 700;
    int FDefHeight = 1400;
};

// Runs the position dialog for a new position of an order (the order window's first step of
// a new position).
bool ExecuteSimplePosProp(QWidget* parent, const TNewPositionContext& order, TvxfConstruction* position);
bool ExecuteSimplePosProp(QWidget* parent, const TvxfOrder& order, TvxfConstruction* position);

} // namespace vx
