#pragma once
#include "editing/VXOrderProps.h"
#include <QComboBox>
#include <QDialog>
#include <functional>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vx {

class TNumEdit;
class TTable;
class TvxfOrder;

// A list whose entries are rows of a catalog table: keyed by one field, showing another. The rows
// are read when the list opens, under the filter of that moment, and the table is left as it was
// (a fixed list reads them once). The key is kept even when the table lacks its row.
class TLookupCombo : public QComboBox {
    Q_OBJECT
public:
    TLookupCombo(QWidget* parent, TTable* table, const QString& keyField, const QString& shownField, bool fixed = false);

    // The filter for the next opening; may raise, which is shown and keeps the list closed.
    std::function<QString()> FilterText;
    // The Delete key empties the choice.
    bool Clearable = false;

    QString Key() const { return FKey; }
    void SetKey(const QString& key);
    // Reads the rows as opening the list does (without showing it).
    void LoadRows();

    void showPopup() override;

Q_SIGNALS:
    void KeyChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill(const QList<TLookupRow>& rows);
    TTable* FTable;
    QString FKeyField;
    QString FShownField;
    bool FFixed;
    QString FKey;
};

// The order's header: number and date, customer and object, the technical defaults of new
// positions, the currency with its rates and the VAT rate, and the notes.
class TOrderPropDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOrderPropDlg(QWidget* parent = nullptr);

    QTabWidget* PageControl;
    QWidget* TS_1;
    QWidget* TS_2;
    QWidget* TS_5;
    QWidget* TS_7;

    QLineEdit* OrderNoEdit;
    QCheckBox* RegDateCheck;
    QDateEdit* RegDateEdit;
    QLineEdit* AltOrderNoEdit;
    QLineEdit* CustomerEdit;
    QLineEdit* ObjectNameEdit;
    QLineEdit* AddressEdit;
    QLineEdit* PhonesEdit;
    QLineEdit* RemEdit;

    TLookupCombo* FurnSysEdit;
    TLookupCombo* MaterialEdit;
    TLookupCombo* ProfSysEdit;
    TLookupCombo* FurnColorEdit;
    TLookupCombo* InnerProfColorEdit;
    TLookupCombo* OuterProfColorEdit;
    TLookupCombo* HandleEdit;
    TLookupCombo* FalzCombo;
    TLookupCombo* DornCombo;
    TLookupCombo* StulpTypeCombo;
    TLookupCombo* OpenTypeCombo;

    QComboBox* CurrencyCombo;
    QTreeWidget* ListView;
    TNumEdit* RateEdit;
    QPushButton* CurrencyBut;
    TNumEdit* NDSTaxEdit;

    QPlainTextEdit* Memo;
    QPushButton* ClearBut;

    // Fills the controls from the order (call before showing).
    void Prepare(const TvxfOrder& order);
    // The values as the controls hold them.
    TOrderProps Props() const;
    // Shows the dialog for the order; on OK writes it back and answers true, priceChanged telling
    // whether the VAT rate or the currency changed.
    bool Execute(TvxfOrder& order, bool& priceChanged);

    // The working copies of the rates, in list order.
    const QList<TRateEntry>& WorkingRates() const { return FRates; }
    bool RateEditing() const { return FEditRow >= 0; }

    void NextNoButClick();
    void ListViewClick(QTreeWidgetItem* item);
    void RateEditExit();
    void CurrencyButClick();
    void ClearButClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillRates(const QList<TRateEntry>& rates, int selectCurrency);
    QWidget* MakeRequisitesPage();
    QWidget* MakeTechPage();
    QWidget* MakeCurrencyPage();
    QWidget* MakeNotesPage();

    QList<TRateEntry> FRates;
    int FOpeningCurrency = 0;
    QString FOpeningNo;
    TDateTime FOpeningDate;
    int FEditRow = -1;
    bool FCancelled = false;
};

// The order window's properties command: true on OK, the order written back and its values made
// the defaults of the next new order; priceChanged when the VAT rate or the currency changed.
bool ExecuteOrderProp(QWidget* parent, TvxfOrder& order, bool& priceChanged);

} // namespace vx
