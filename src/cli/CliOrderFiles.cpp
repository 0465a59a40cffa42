#include "cli/CliOrderFiles.h"
#include "editing/VXOrderEditing.h"
#include "engine/VXFPositionRecords.h"
#include "foundation/VXCommonTools.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QFile>
#include <QFileInfo>

namespace vx::cli {

bool LoadOrderFile(TvxfOrder& order, const QString& fileName)
{
    bool converted = false;
    if (!order.LoadFromFile(fileName, &converted))
        return false;
    return order.Signature == OrderSignature && (converted || order.Version == OrderFileVersion);
}

bool LoadSelectionFile(TvxfOrderSelection& selection, const QString& fileName)
{
    bool converted = false;
    if (!selection.LoadFromFile(fileName, &converted))
        return false;
    // A file of another kind is refused by the model with a message and still counts as loaded:
    // its leading text (a 32-bit length and the bytes) is not the signature.
    QFile file(ResolvePath(fileName));
    const QByteArray signature = SelectionSignature.toLatin1();
    QByteArray head;
    if (file.open(QIODevice::ReadOnly))
        head = file.read(4 + signature.size());
    const QByteArray expected = QByteArray(1, char(signature.size())) + QByteArray(3, '\0') + signature;
    return head == expected && (converted || selection.Version == SelectionFileVersion);
}

TCliDocument::TCliDocument() = default;
TCliDocument::~TCliDocument() = default;

bool TCliDocument::Load(const QString& fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("vfs370"), Qt::CaseInsensitive) == 0) {
        Selection = std::make_unique<TvxfOrderSelection>();
        if (!LoadSelectionFile(*Selection, fileName))
            return false;
        PublishSelectionContext(*Selection);
        return true;
    }
    Order = std::make_unique<TvxfOrder>();
    if (!LoadOrderFile(*Order, fileName))
        return false;
    PublishOrderContext(*Order);
    return true;
}

} // namespace vx::cli
