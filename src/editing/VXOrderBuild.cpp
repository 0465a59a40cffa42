#include "editing/VXOrderBuild.h"
#include "config/VXFSetupX.h"
#include "editing/VXFittingsApply.h"
#include "editing/VXOrderEditing.h"
#include "editing/VXPositionBuild.h"
#include "engine/VXFConstruction.h"
#include "foundation/VXError.h"
#include "model/VXFOrder.h"
#include "model/VXOrderJson.h"

namespace vx {

namespace {

TSashChoice SashChoice(const TSashInput& in, const TvxfFlugel& sash)
{
    TSashChoice c = in.Choice;
    c.Dorn = in.Dorn.value_or(sash.Dorn);
    return c;
}

void SetFittings(TvxfConstruction& pos, const TFittingsInput& in)
{
    const TvxfSetup& s = Setup();
    TFurnChoice c;
    c.Color = in.Color.value_or(pos.Color);
    c.Falz = in.Falz.value_or(pos.Falz);
    c.StulpType = in.StulpType.value_or(pos.StulpType);
    c.OpenType = in.OpenType.value_or(pos.OpenType);
    c.ProfWidth = in.ProfWidth.value_or(s.DefProfWidth);
    c.Thickness = in.Thickness.value_or(s.DefProfThickness);
    c.Left = SashChoice(in.Left, *pos.LeftFlugel);
    c.Right = SashChoice(in.Right, *pos.RightFlugel);
    ApplyFittings(pos, in.FurnSys.value_or(pos.FurnSys), in.ProfSys.value_or(pos.ProfSys), c);
}

} // namespace

std::unique_ptr<TvxfOrder> BuildOrder(const TOrderJsonInput& input)
{
    auto order = std::make_unique<TvxfOrder>();
    SetNewOrderDefaults(*order);
    ApplyOrderHeader(input.Header, *order);
    PublishOrderContext(*order);
    const int defaultObjType = Setup().DefFurnSysGroup == 1 ? 1 : 0;
    for (const TPositionJsonInput& in : input.Positions) {
        auto pos = std::make_unique<TvxfConstruction>(order.get());
        TPositionInput p;
        p.PosNo = in.PosNo.value_or(DefaultPosNo(order->PositionCount()));
        p.ObjType = uint8_t(in.ObjType.value_or(defaultObjType));
        p.Name = in.Name.value_or(DefaultPositionName(p.ObjType, in.Shape.Figure));
        p.Num = in.Num.value_or(1);
        p.Shape = CompleteShape(in.Shape, p.ObjType);
        try {
            BuildPosition(TNewPositionContext::OfOrder(*order), p, *pos);
            pos->Active = in.Active.value_or(true);
            if (in.Fittings)
                SetFittings(*pos, *in.Fittings);
        } catch (const std::exception& e) {
            throw EValtrixError(QStringLiteral("%1\r\n[Позиция: %2]").arg(ExceptionText(e), p.PosNo));
        }
        order->AddPosition(std::move(pos));
    }
    return order;
}

} // namespace vx
