#include "editing/VXOrderEditing.h"
#include "config/VXFSetupX.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"
#include "foundation/VXFormats.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"

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

namespace {
void PublishRates(int32_t currency, float ndsTax, const TRateList& list)
{
    QList<TRateEntry> rates;
    rates.reserve(qsizetype(list.size()));
    for (const auto& item : list)
        rates.append(TRateEntry{item->ID, item->Rate});
    Setup().SetOrderContext(currency, ndsTax, rates);
}
} // namespace

void PublishOrderContext(const TvxfOrder& order)
{
    PublishRates(order.Currency, order.NDSTax, order.Rates);
    TFormatSettings& f = FormatSettings();
    f.CurrencyString = CurrencyName(order.Currency);
    f.CurrencyDecimals = 4;
}

void PublishSelectionContext(const TvxfOrderSelection& selection)
{
    PublishRates(selection.Currency, selection.NDSTax, selection.Rates);
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
