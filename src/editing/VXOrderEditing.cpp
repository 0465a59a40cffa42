#include "editing/VXOrderEditing.h"
#include "config/VXFSetupX.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"

namespace vx {

void SetNewOrderDefaults(TvxfOrder& order)
{
    const TvxfSetup& s = Setup();
    order.ProfSys = s.DefProfSys;
    order.FurnSys = s.DefFurnSys;
    // The colours follow the systems' base colours; the settings' default colours are not used.
    order.InnerProfColor = SystemBaseColor(order.ProfSys);
    order.OuterProfColor = order.InnerProfColor;
    order.FurnColor = SystemBaseColor(order.FurnSys);
    order.Handle = s.DefHandle;
    order.Material = s.DefMaterial;
    order.FalzType = s.DefFalzType;
    order.DornType = s.DefDornType;
    order.StulpFalzType = s.DefStulpFalzType;
    order.FlugelType = s.DefFlugelType;
    order.Currency = s.CurCurrency;
    order.PriceGrpNo = s.PriceGrpNo;
    order.NDSTax = s.NDSTax;
    order.TotalNDS = s.TotalNDS;
    order.ShowIncludingNDS = s.ShowIncludingNDS;
    LoadRates(order.Rates);
}

void PublishOrderContext(const TvxfOrder& order)
{
    QList<TRateEntry> rates;
    rates.reserve(order.RateCount());
    for (const auto& item : order.Rates)
        rates.append(TRateEntry{item->ID, item->Rate});
    Setup().SetOrderContext(order.Currency, order.NDSTax, rates);
    TFormatSettings& f = FormatSettings();
    f.CurrencyString = CurrencyName(order.Currency);
    f.CurrencyDecimals = 4;
}

TRecalcOutcome RecalcActivePositions(TvxfOrder& order)
{
    TRecalcOutcome outcome;
    for (int i = 0; i < order.PositionCount(); ++i) {
        TvxfConstruction* position = order.Position(i);
        if (!position->Active)
            continue;
        TSpecStream backup;
        position->Backup(backup);   // raises with its own message
        try {
            position->RecomputeCosts();
        } catch (const std::exception& e) {
            // The failing position keeps its previous prices; a failing restore raises.
            position->Restore(backup);
            outcome.Failed = true;
            outcome.FailedIndex = i;
            outcome.Message = QStringLiteral("%1\r\n[Позиция: %2]").arg(ExceptionText(e), position->PosNo);
            return outcome;
        }
    }
    return outcome;
}

} // namespace vx
