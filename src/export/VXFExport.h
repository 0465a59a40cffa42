#pragma once
#include "foundation/VXDateTime.h"
#include "model/VXFMatListItem.h"
#include <QString>
#include <functional>

// What the three supplier exports share: the document (an order or a selection), the values of
// the export dialog with their remembered defaults, the file name, the overwrite question and
// the run of an export after the dialog's OK. The dialogs of the desktop application fill
// themselves with LoadExportValues and call RunExport; the command-line tool does the same.

namespace vx {

class TvxfOrder;
class TvxfOrderSelection;

enum class TExportKind {
    TBM,     // fixed-width requisition for "ТБМ Навигатор"
    Vorne,   // priced fixed-width requisition for "Ворне Бела"
    VBH      // XML order, optionally uploaded by FTP
};

// Registry keys of the remembered values. The XML export keeps its values beside the
// configurations, as the installed base has them.
inline const QString TBMRegistryKey = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380\\TBM");
inline const QString VorneRegistryKey = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380\\VORNE");
inline const QString VBHRegistryKey = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380\\DBConfig\\GU");
QString ExportRegistryKey(TExportKind kind);

// The fields of an export dialog.
struct TExportValues {
    QString FirmID;      // "Шифр фирмы"
    QString FirmName;    // "Наименование фирмы"
    int OrderNo = 1;     // "Номер заявки"
    QString OrderName;   // "Наименование заявки"; for the XML order "Список заказов"
    TDateTime OrderDate; // "Дата"
    QString Comment;     // "Комментарии" (XML order only, never remembered)
    QString FileName;    // "Файл экспорта"
    bool Upload = false; // "Загружать файл экспорта на FTP" (XML order only)
};

// The document an export writes: an order or a selection (not owned).
class TExportDocument {
public:
    TExportDocument() = default;
    explicit TExportDocument(const TvxfOrder* order) : FOrder(order) {}
    explicit TExportDocument(const TvxfOrderSelection* selection) : FSelection(selection) {}

    bool IsValid() const { return FOrder || FSelection; }
    const TvxfOrder* Order() const { return FOrder; }
    const TvxfOrderSelection* Selection() const { return FSelection; }
    // The selection's number or the order's number.
    QString Number() const;
    // An order's lines in the order of their first appearance; a selection's sorted by article
    // and priced anew at the current catalog prices.
    void CollectMaterials(TMatList& list) const;

private:
    const TvxfOrder* FOrder = nullptr;
    const TvxfOrderSelection* FSelection = nullptr;
};

// The export directory, "Z", the firm code, the number with at least four digits, and ".txt"
// (".xml" for the XML order).
QString ExportFileName(TExportKind kind, const QString& firmID, int orderNo);

// The dialog's starting values: the remembered ones under the export's key (the number plus
// one), otherwise the defaults (firm code "0000", for the XML order the firm's taxpayer number;
// the settings' firm name; number 1; the document's number; now). A registry failure is shown
// and the values not read keep their defaults.
TExportValues LoadExportValues(TExportKind kind, const TExportDocument& document);
// Remembers the dialog's values (not the comment); a failure is shown and the export goes on.
void StoreExportValues(TExportKind kind, const TExportValues& values);

enum class TExportOutcome {
    Written,     // the file was written whole
    Cancelled,   // an existing file was kept at the overwrite question
    Failed       // a failure was shown; what was written before it stays in the file
};

struct TExportResult {
    TExportOutcome File = TExportOutcome::Failed;
    bool UploadTried = false;
    bool Uploaded = false;
    bool Succeeded() const { return File == TExportOutcome::Written && (!UploadTried || Uploaded); }
};

// What the dialog's OK does: remembers the values, writes the file and, for the XML order,
// uploads it when asked and offers to open it. An invalid document does nothing.
TExportResult RunExport(TExportKind kind, const TExportDocument& document, const TExportValues& values);

// Creates the file's directory and asks before replacing an existing file; false for Cancel.
bool PrepareExportFile(const QString& fileName);

// Opens a written file with the desktop's viewer; installed by the desktop application. Without
// one the XML export does not offer to open its file.
using TExportFileOpener = std::function<void(const QString& fileName)>;
void SetExportFileOpener(TExportFileOpener opener);
const TExportFileOpener& ExportFileOpener();

// A quantity as "%.0f" writes it, halves away from zero.
QString WholeQuantity(float quantity);

} // namespace vx
