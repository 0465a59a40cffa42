#include "model/VXFOrder.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFPositionRecords.h"
#include "foundation/VXError.h"
#include "model/VXFSortKeys.h"
#include <QDateTime>

namespace vx {

namespace {

TMoney CheckedSum(TMoney a, TMoney b)
{
    int64_t r;
    if (__builtin_add_overflow(a.raw(), b.raw(), &r))
        throw EValtrixError(QStringLiteral("Переполнение денежной величины!"));
    return TMoney::FromRaw(r);
}

[[noreturn]] void IndexError(int index)
{
    throw EValtrixError(QStringLiteral("Индекс позиции вне допустимого диапазона (%1)!").arg(index));
}

} // namespace

TvxfOrder::TvxfOrder() : Version(OrderFileVersion)
{
    const TDateTime now = TDateTime::FromQDateTime(QDateTime::currentDateTime());
    Created = now;
    Modified = now;
    RegDate = TDateTime::FromDate(QDate::currentDate());
}

TvxfOrder::~TvxfOrder() = default;

TvxfConstruction& TvxfOrder::Adopt(const std::unique_ptr<TvxfConstruction>& position)
{
    if (!position)
        throw EValtrixError(QStringLiteral("Позиция заказа не задана!"));
    position->Order = this;
    return *position;
}

TvxfConstruction* TvxfOrder::Position(int index) const
{
    return index >= 0 && index < PositionCount() ? FPositions[size_t(index)].get() : nullptr;
}

void TvxfOrder::AddPosition(std::unique_ptr<TvxfConstruction> position)
{
    Adopt(position);
    FPositions.push_back(std::move(position));
}

void TvxfOrder::InsertPosition(int index, std::unique_ptr<TvxfConstruction> position)
{
    if (index < 0 || index > PositionCount())
        IndexError(index);
    Adopt(position);
    FPositions.insert(FPositions.begin() + index, std::move(position));
}

std::unique_ptr<TvxfConstruction> TvxfOrder::TakePosition(int index)
{
    if (!Position(index))
        IndexError(index);
    std::unique_ptr<TvxfConstruction> p = std::move(FPositions[size_t(index)]);
    FPositions.erase(FPositions.begin() + index);
    return p;
}

void TvxfOrder::ReplacePosition(int index, std::unique_ptr<TvxfConstruction> position)
{
    if (!Position(index))
        IndexError(index);
    Adopt(position);
    FPositions[size_t(index)] = std::move(position);
}

void TvxfOrder::RemovePosition(int index)
{
    TakePosition(index);
}

void TvxfOrder::ClearPositions()
{
    FPositions.clear();
}

TvxfConstruction* TvxfOrder::FindPosition(const QString& posNo) const
{
    for (const auto& p : FPositions)
        if (QString::compare(p->PosNo, posNo, Qt::CaseInsensitive) == 0)
            return p.get();
    return nullptr;
}

std::unique_ptr<TvxfConstruction> TvxfOrder::CopyPosition(const TvxfConstruction& source)
{
    auto copy = std::make_unique<TvxfConstruction>(this);
    copy->CopyFrom(source);
    return copy;
}

TvxfCurrencyItem* TvxfOrder::Rate(int index) const
{
    return index >= 0 && index < RateCount() ? Rates[size_t(index)].get() : nullptr;
}

int TvxfOrder::ActiveCount() const
{
    int n = 0;
    for (const auto& p : FPositions)
        n += p->Active ? 1 : 0;
    return n;
}

TvxfConstruction* TvxfOrder::FirstActive()
{
    WalkCursor = 0;
    return NextActive();
}

TvxfConstruction* TvxfOrder::NextActive()
{
    while (WalkCursor >= 0 && WalkCursor < PositionCount()) {
        TvxfConstruction* p = FPositions[size_t(WalkCursor++)].get();
        if (p->Active)
            return p;
    }
    WalkCursor = PositionCount();
    return nullptr;
}

TMoney TvxfOrder::PositionsTotal() const
{
    TMoney total;
    for (const auto& p : FPositions)
        if (p->Active)
            total = CheckedSum(total, p->TotalCost());
    return total;
}

TMoney TvxfOrder::VatAmount() const
{
    if (!TotalNDS)
        return TMoney();
    return PositionsTotal().mulDouble(double(NDSTax)).divDouble(100);
}

TMoney TvxfOrder::GrossTotal() const
{
    return CheckedSum(PositionsTotal(), VatAmount());
}

void TvxfOrder::SortByPosNo()
{
    SortByTextKeys<1>(FPositions, [](const TvxfConstruction& p) { return std::array<QString, 1>{p.PosNo}; });
}

void TvxfOrder::SortByName()
{
    SortByTextKeys<1>(FPositions, [](const TvxfConstruction& p) { return std::array<QString, 1>{p.Name}; });
}

void TvxfOrder::CollectMaterials(TMatList* target) const
{
    if (!target)
        return;
    for (const auto& p : FPositions)
        if (p->Active)
            p->CollectMaterials(*target);
    // Merging keeps the first occurrence's sum; the collected list must add up.
    for (const auto& m : *target)
        m->Sum = m->NetPrice.mulDouble(double(m->Quantity));
}

} // namespace vx
