#include "editing/VXFittingsApply.h"
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"

namespace vx {

int32_t CodeOfText(const QString& text)
{
    bool ok = false;
    const int32_t code = text.trimmed().toInt(&ok);
    return ok ? code : 0;
}

QString MissingComplectMessage(const TvxfConstruction& position, const TFurnChoice& choice)
{
    if (!position.HasTwoFlugels())
        return choice.Left.Components.Complect.isEmpty() ? QStringLiteral("Не указан комплект фурнитуры!") : QString();
    if (choice.Left.Components.Complect.isEmpty())
        return QStringLiteral("Не указан левый комплект фурнитуры!");
    if (choice.Right.Components.Complect.isEmpty())
        return QStringLiteral("Не указан правый комплект фурнитуры!");
    return QString();
}

void ApplyFittings(TvxfConstruction& position, const QString& furnSys, const QString& profSys,
                   const TFurnChoice& choice)
{
    const QString missing = MissingComplectMessage(position, choice);
    if (!missing.isEmpty())
        throw EValtrixError(missing);
    ChangeOrRestore(position, [&] { position.SetFittings(furnSys, profSys, choice); });
}

} // namespace vx
