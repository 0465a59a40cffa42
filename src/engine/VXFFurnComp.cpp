#include "engine/VXFFurnComp.h"
#include "engine/VXFFurn.h"
#include "engine/VXFService.h"
#include "foundation/VXError.h"

namespace vx {

TFurnComponents TvxfFurnComp::Components() const
{
    return {Complect, Hinge, Handle, Lock, Cylinder, Drive, Latch};
}

void TvxfFurnComp::ClearItems()
{
    Items.clear();
}

void TvxfFurnComp::Reset()
{
    FurnSys.clear();
    ProfSys.clear();
    Color.clear();
    Complect.clear();
    Hinge.clear();
    Handle.clear();
    Lock.clear();
    Cylinder.clear();
    Drive.clear();
    Latch.clear();
    UserHandleHeight = 0;
    HeightUserDefined = false;
    ComplectImage = HandleImage = HingeImage = DriveImage = Image5 = -1;
    HandleScrColor = HingeScrColor = DriveScrColor = ScrColor4 = 0;
    Props.clear();
    ExtraComplects.clear();
    ClearItems();
}

namespace {

void StoreComponents(TvxfFurnComp& c, const TFurnComponents& k)
{
    c.Complect = k.Complect;
    c.Hinge = k.Hinge;
    c.Handle = k.Handle;
    c.Lock = k.Lock;
    c.Cylinder = k.Cylinder;
    c.Drive = k.Drive;
    c.Latch = k.Latch;
}

} // namespace

void TvxfFurnComp::Assign(const QString& furnSys, const QString& profSys, const QString& color, const TSashChoice& choice)
{
    Tag1 = Tag2 = 0;
    FurnSys = furnSys;
    ProfSys = profSys;
    Color = color;
    StoreComponents(*this, choice.Components);
    UserHandleHeight = choice.UserHandleHeight;
    HeightUserDefined = choice.HeightUserDefined;
    Props = choice.Props;
    ExtraComplects = choice.ExtraComplects;
    ApplySideRules(*this);
    Resolve();
}

void TvxfFurnComp::AssignPreview(const TFurnComponents& components, int32_t userHandleHeight, bool heightUserDefined)
{
    Tag1 = Tag2 = 0;
    StoreComponents(*this, components);
    UserHandleHeight = userHandleHeight;
    HeightUserDefined = heightUserDefined;
    ApplySideRules(*this);
}

void TvxfFurnComp::Resolve()
{
    ClearItems();
    try {
        ResolveComplect(*this);
    } catch (...) {
        ClearItems();
        throw;
    }
}

int TvxfFurnComp::FindItem(const QString& article) const
{
    for (size_t i = 0; i < Items.size(); ++i)
        if (Items[i]->Article == article)
            return int(i);
    return -1;
}

void TvxfFurnComp::AddItem(const QString& article, const QString& complectKey, const QString& origin, bool noMerge,
                           float length, const QString& note, int32_t count, int32_t sideNo)
{
    if (article.isEmpty() || count == 0 || IsVirtualArticle(article))
        return;
    if (!noMerge) {
        for (const auto& item : Items) {
            if (item->Article == article && item->ComplectKey == complectKey && item->Length == length
                && item->SideNo == sideNo && item->Note == note) {
                int32_t sum;
                if (__builtin_add_overflow(item->Count, count, &sum))
                    throw EValtrixError(
                        QStringLiteral("Количество артикула [%1] выходит за допустимые пределы!").arg(article));
                item->Count = sum;
                return;
            }
        }
    }
    auto item = std::make_unique<TvxfFurnItem>();
    item->Article = article;
    item->ComplectKey = complectKey;
    item->Origin = noMerge ? origin : QString();
    item->Length = length;
    item->Note = note;
    item->Count = count;
    item->SideNo = sideNo;
    item->Owner = this;
    Items.push_back(std::move(item));
}

} // namespace vx
