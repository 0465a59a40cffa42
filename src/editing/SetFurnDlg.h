#pragma once
#include "editing/VXSetFurnLogic.h"
#include <QComboBox>
#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vx {

class TNumEdit;
class TvxfConstruction;
class TvxfOrder;

// A look-up list whose rows are read (under their filter) each time it opens; it keeps its key
// while closed. KeyChanged follows a choice in the open list and the Delete key, CloseUp every
// closing.
class TFurnLookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TFurnLookupCombo(QWidget* parent = nullptr);

    std::function<QList<TListRow>()> Rows;
    bool Clearable = false;     // the Delete key empties it

    QString Key() const;
    void SetKey(const QString& key, const QString& name);

    void showPopup() override;
    void hidePopup() override;

Q_SIGNALS:
    void KeyChanged();
    void CloseUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FinishPopup();
    bool FOpen = false;
    QString FOpenKey;
    QString FOpenName;
};

// The sketch of the position with the chosen hardware, without dimensions.
class TFurnSketch : public QWidget {
    Q_OBJECT
public:
    explicit TFurnSketch(QWidget* parent = nullptr);
    const TvxfConstruction* Construction = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The fittings of a position: systems, colour, profile parameters, the components and
// properties of each sash, additional complects, and the resolved specification.
class TSetFurnDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSetFurnDlg(QWidget* parent = nullptr);
    ~TSetFurnDlg() override;

    QTabWidget* PageControl;
    QWidget* TS_1;
    QWidget* TS_2;
    QWidget* TS_3;

    QLineEdit* PosNoEdit;
    TNumEdit* NumEdit;
    TFurnLookupCombo* FurnSysCombo;
    TFurnLookupCombo* ProfSysCombo;
    TFurnLookupCombo* ColorCombo;
    TFurnLookupCombo* FalzCombo;
    TFurnLookupCombo* DornCombo;
    TFurnLookupCombo* StulpTypeCombo;
    QLabel* StulpTypeLabel;
    TFurnLookupCombo* OpenTypeCombo;
    TNumEdit* WidthEdit;
    TNumEdit* ThicknessEdit;
    TFurnLookupCombo* ComplectCombo;
    TFurnLookupCombo* HandleCombo;
    TFurnLookupCombo* HingeCombo;
    TFurnLookupCombo* LockCombo;
    TFurnLookupCombo* CylinderCombo;
    TFurnLookupCombo* DriveCombo;
    TFurnLookupCombo* LatchCombo;
    QRadioButton* LeftFlugelRadio;
    QRadioButton* RightFlugelRadio;
    QCheckBox* UserDefineHeightCheck;
    TNumEdit* UserDefineHeightEdit;
    QLabel* FalzSizeLab;
    TFurnSketch* PaintBox;
    QTreeWidget* DI;

    QTreeWidget* ComplectListView;
    QPushButton* AddComplectBut;
    QPushButton* DeleteComplectBut;

    QTreeWidget* ItemListView;
    QLabel* CalcLab;
    QLabel* CostPanel;
    QPushButton* AddArticleBut;
    QPushButton* EditArticleBut;
    QPushButton* DeleteArticleBut;
    QCheckBox* NoRecalcCheck;

    QLabel* DopCompExistsLab;
    QPushButton* OkBut;
    QPushButton* CancelBut;

    // Fills the dialog from the position (the opening steps before it shows).
    void Prepare(TvxfConstruction* position);
    // True on OK. A missing position is refused with an error.
    bool Execute(TvxfConstruction* position);

    // The component list of a property category.
    TFurnLookupCombo* PartCombo(int part) const;
    // The choices of both sashes as the controls have them (the current one stored first).
    const TSashChoice& SashChoice(bool right) const { return FChoice[right ? 1 : 0]; }
    TFurnChoice FurnChoice();
    const TPropCategories& Props() const { return FProps; }
    bool CurrentIsRight() const { return FCurrentRight; }
    const TvxfConstruction* Preview() const { return FPreview.get(); }

    // Handlers, named after their controls.
    void FurnSysComboChange();
    void PartChange(int part);
    void PartCloseUp(int part);
    void LeftFlugelRadioClick();
    void RightFlugelRadioClick();
    void UserDefineHeightCheckClick();
    void AddComplectButClick();
    void DeleteComplectButClick();
    void AddArticleButClick();
    void EditArticleButClick();
    void DeleteArticleButClick();
    void PageControlChange(int index);

    // Stores the controls into the current sash's choice.
    void StoreChoice();
    void RebuildPreview();
    // The apply: checks, backup, set fittings; false (with the error shown) on failure.
    bool Apply();
    void FillItemList();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildPage1();
    void BuildPage2();
    void BuildPage3();
    void SetupLists();
    void LoadChoice();
    void SwitchSash(bool right);
    void FillAllProps(bool keepChoices);
    void FillPropCategory(int part);
    void ShowProps();
    void ShowSashInfo();
    void FillComplectList(int select);
    TvxfFlugel* CurrentSash() const;

    TvxfConstruction* FPosition = nullptr;
    TvxfOrder* FOrder = nullptr;
    std::unique_ptr<TvxfConstruction> FPreview;
    bool FCurrentRight = false;
    std::array<TSashChoice, 2> FChoice;
    TGroupCodes FCodes;
    TSystemGroup FSys;
    int FMaterial = 0;
    TPropCategories FProps;
    std::array<QTreeWidgetItem*, FurnPartCount> FCategories{};
};

// The fittings dialog on a position (its order is the position's owner): true on OK. Cancel and
// a refused position leave the position as it was.
bool ExecuteSetFurn(QWidget* parent, TvxfConstruction* position);

} // namespace vx
