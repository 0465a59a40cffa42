#include "editing/VXSetFurnLogic.h"
#include "db/VXDataModule.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurn.h"
#include "engine/VXFService.h"
#include "foundation/VXFormats.h"
#include <algorithm>

namespace vx {

QString& PartOf(TFurnComponents& c, int part)
{
    switch (part) {
    case fpHandle: return c.Handle;
    case fpHinge: return c.Hinge;
    case fpLock: return c.Lock;
    case fpCylinder: return c.Cylinder;
    case fpDrive: return c.Drive;
    case fpLatch: return c.Latch;
    default: return c.Complect;
    }
}

QString PartOf(const TFurnComponents& c, int part)
{
    return PartOf(const_cast<TFurnComponents&>(c), part);
}

TGroupCodes GroupCodesOf(int objType)
{
    if (objType == 1)
        return {{11, 12}, {31, 33, 34, 32}, {21, 22}, {41, 43, 44, 42}};
    return {{10, 12}, {30, 32}, {20, 22}, {40, 42}};
}

std::array<int, 3> ComplectSubGroups(int layout, bool rightSash)
{
    switch (layout) {
    case 0: return rightSash ? std::array<int, 3>{22, 23, 24} : std::array<int, 3>{11, 11, 11};
    case 1: return rightSash ? std::array<int, 3>{21, 21, 21} : std::array<int, 3>{12, 13, 14};
    default: return {0, 0, 0};
    }
}

bool IsMainSash(int layout, bool rightSash)
{
    return layout == 1 ? rightSash : !rightSash;
}

TSystemGroup SystemGroupOf(int commonGrp)
{
    return {commonGrp, commonGrp / 100 * 100};
}

QString GroupCondition(const QList<int>& groups)
{
    QStringList parts;
    for (int g : groups)
        parts.append(QStringLiteral("Group=%1").arg(g));
    if (parts.size() == 1)
        return parts.front();
    return QLatin1Char('(') + parts.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

namespace {

QString CommonGrpCondition(TSystemGroup sys)
{
    return QStringLiteral("(CommonGrp=%1 or CommonGrp=%2 or CommonGrp=%3)").arg(sys.Group).arg(sys.Family).arg(0);
}

QString MaterialCondition(int material)
{
    return QStringLiteral("(Material=%1 or Material=%2)").arg(material).arg(0);
}

QString ComponentFilter(TSystemGroup sys, const QString& groups, int material)
{
    return QStringLiteral("%1 and %2 and Use=1 and %3").arg(CommonGrpCondition(sys), groups, MaterialCondition(material));
}

} // namespace

QString FurnSysListFilter()
{
    return QStringLiteral("Group=%1 and Use=%2").arg(1).arg(1);
}

QString ProfSysListFilter(const QString& furnSys)
{
    if (furnSys.trimmed().isEmpty())
        return QString();
    bool ok = false;
    const int id = furnSys.trimmed().toInt(&ok);
    return QStringLiteral("FurnSysID='%1'").arg(ok ? id / 100 * 100 : 0);
}

QString ColorListFilter(const QString& furnSys)
{
    QString id = furnSys;
    id.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("System='%1'").arg(id);
}

QString ComplectFilter(TSystemGroup sys, int complectGroup, const std::array<int, 3>& sub, int material)
{
    return QStringLiteral("%1 and (Group=%2 or Group=%3) and (SubGroup=%4 or SubGroup=%5 or SubGroup=%6) and Use=1 and %7")
        .arg(CommonGrpCondition(sys))
        .arg(complectGroup)
        .arg(12)
        .arg(sub[0])
        .arg(sub[1])
        .arg(sub[2])
        .arg(MaterialCondition(material));
}

QString HandleListFilter(TSystemGroup sys, const TGroupCodes& codes, int material)
{
    return ComponentFilter(sys, GroupCondition(codes.Handle), material);
}

QString HingeFilter(TSystemGroup sys, const TGroupCodes& codes, int material)
{
    return ComponentFilter(sys, GroupCondition({codes.Hinge.front(), 22}), material);
}

QString LockFilter(TSystemGroup sys, const TGroupCodes& codes, int handleGroup, int material)
{
    if (handleGroup == 33)
        return ComponentFilter(sys, GroupCondition({41, 43, 42}), material);
    if (handleGroup == 34)
        return ComponentFilter(sys, GroupCondition({41, 44, 42}), material);
    return ComponentFilter(sys, GroupCondition(codes.Lock), material);
}

QString CylinderFilter(TSystemGroup sys, int material)
{
    return ComponentFilter(sys, GroupCondition({45}), material);
}

QString DriveFilter(TSystemGroup sys, int material)
{
    return ComponentFilter(sys, GroupCondition({50}), material);
}

QString LatchFilter(TSystemGroup sys)
{
    return QStringLiteral("%1 and Group=%2 and Use=1").arg(CommonGrpCondition(sys)).arg(46);
}

QList<TListRow> FilteredRows(TTable& table, const QString& filter, const QString& keyField, const QString& nameField,
                             const std::function<bool(const QString&)>& admit)
{
    QList<TListRow> keys;
    auto read = [&] {
        TField* key = table.FieldByName(keyField);
        TField* name = table.FieldByName(nameField);
        for (table.First(); !table.Eof(); table.Next())
            keys.append({key->AsString(), name->AsString()});
    };
    if (filter.isEmpty()) {
        // The table's own view (a parameter list's code range) stays as it is.
        read();
    } else {
        const QString oldFilter = table.Filter();
        const bool oldFiltered = table.Filtered();
        try {
            table.SetFilter(filter);
            table.SetFiltered(true);
            read();
        } catch (const std::exception&) {
            // A filter the table refuses is switched off and cleared: the list stays empty.
            keys.clear();
        }
        try {
            table.SetFiltered(false);
            table.SetFilter(oldFilter);
            table.SetFiltered(oldFiltered);
        } catch (const std::exception&) {
            table.SetFiltered(false);
            table.SetFilter(QString());
        }
    }
    // The admit test looks things up in the same table: only after the filter is gone.
    if (admit)
        keys.erase(std::remove_if(keys.begin(), keys.end(), [&](const TListRow& r) { return !admit(r.Key); }),
                   keys.end());
    return keys;
}

int ComponentPropKey(const QString& id)
{
    if (id.isEmpty() || !FindComplect(id))
        return 0;
    return DM().T_FrnComp.FieldByName(QStringLiteral("PropKey"))->AsInteger();
}

QList<TListRow> ComplectRows(const QString& filter, const TvxfFlugel& sash)
{
    return FilteredRows(DM().T_FrnComp, filter, QStringLiteral("ID"), QStringLiteral("Name"),
                        [&sash](const QString& id) { return ComplectFitsSash(sash, id); });
}

// --- Properties

QString PropQuerySql(const std::array<int, FurnPartCount>& k)
{
    return QStringLiteral("select T1.\"ID\", T1.\"GroupName\", T1.\"ValueName\", T.\"Default\", T.\"PropKey\"\n"
                          "from \":ZNDB_Catalog:FrnProp.DB\" T, \":ZNDB_Catalog:SysProp.DB\" T1\n"
                          "where\n"
                          "T.\"ID\" = T1.\"ID\"\n"
                          "and\n"
                          "T.\"PropKey\" IN (%1, %2, %3, %4, %5, %6, %7)")
        .arg(k[0]).arg(k[1]).arg(k[2]).arg(k[3]).arg(k[4]).arg(k[5]).arg(k[6]);
}

QList<TPropQueryRow> ReadPropRows(const std::array<int, FurnPartCount>& keys)
{
    QList<TPropQueryRow> rows;
    if (std::all_of(keys.begin(), keys.end(), [](int k) { return k == 0; }))
        return rows;
    TQuery q(&DM().DB_Catalog);
    q.SetSQL(PropQuerySql(keys));
    q.Open();
    TField* id = q.Fields(0);
    TField* groupName = q.Fields(1);
    TField* valueName = q.Fields(2);
    TField* def = q.Fields(3);
    TField* propKey = q.Fields(4);
    for (q.First(); !q.Eof(); q.Next())
        rows.append({id->AsInteger(), groupName->AsString(), valueName->AsString(), def->AsInteger() == 1,
                     propKey->AsInteger()});
    q.Close();
    return rows;
}

TPropCategories BuildPropRows(const QList<TPropQueryRow>& rows, const std::array<int, FurnPartCount>& keys)
{
    TPropCategories result;
    for (int c = 0; c < FurnPartCount; ++c) {
        if (keys[size_t(c)] == 0)
            continue;
        QList<TPropRow>& list = result[size_t(c)];
        int defaultOf = -1;
        for (const TPropQueryRow& r : rows) {
            if (r.PropKey != keys[size_t(c)])
                continue;
            const int group = r.ID / 10 * 10;
            if (list.isEmpty() || list.back().GroupID != group) {
                list.append({group, r.GroupName, {}, {}, 0});
                defaultOf = -1;
            }
            TPropRow& row = list.back();
            row.Values.append(r.ValueName);
            row.ValueIDs.append(r.ID);
            if (r.Default && defaultOf < 0)
                row.Value = defaultOf = int(row.Values.size()) - 1;
        }
    }
    return result;
}

void RestorePropChoices(TPropCategories& categories, const QStringList& lines)
{
    for (const QString& line : lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        bool okTag = false, okId = false;
        const int tag = line.left(eq).trimmed().toInt(&okTag);
        const int id = line.mid(eq + 1).trimmed().toInt(&okId);
        if (!okTag || !okId || tag < 0 || tag >= FurnPartCount)
            continue;
        for (TPropRow& row : categories[size_t(tag)]) {
            if (row.GroupID != id / 10 * 10)
                continue;
            const int index = int(row.ValueIDs.indexOf(id));
            if (index >= 0)
                row.Value = index;
        }
    }
}

QStringList StorePropChoices(const TPropCategories& categories)
{
    QStringList lines;
    for (int c = 0; c < FurnPartCount; ++c)
        for (const TPropRow& row : categories[size_t(c)])
            if (row.Value >= 0 && row.Value < row.ValueIDs.size())
                lines.append(QStringLiteral("%1=%2").arg(c).arg(row.ValueIDs[row.Value]));
    return lines;
}

// --- Specification page

QString FixedText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    return text;
}

namespace {

void AddSashRows(const TvxfFlugel* sash, QList<TSpecRow>& rows, TMoney& total)
{
    if (!sash || !sash->FurnComp)
        return;
    int number = 0;
    for (const auto& item : sash->FurnComp->Items) {
        const TArticleInfo info = ArticleInfo(item->Article, true);
        const TMoney price = ArticlePrice(item->Article, true);
        const TMoney cost = price * TMoney::FromInt(item->Count);
        total += cost;
        TSpecRow row;
        row.Item = item.get();
        row.Cost = cost;
        row.Texts = {QStringLiteral("%1.").arg(++number),
                     info.ProdArticle,
                     info.ProdArticle2,
                     item->Length != 0 ? FixedText(item->Length, 1) : QString(),
                     QString::number(item->SideNo),
                     QString::number(item->Count),
                     info.Name,
                     price.toString(4, FormatSettings().DecimalSeparator),
                     cost.toString(4, FormatSettings().DecimalSeparator),
                     item->ComplectKey,
                     item->Note};
        rows.append(row);
    }
}

} // namespace

QList<TSpecRow> SpecRows(const TvxfConstruction& position, TMoney& total)
{
    QList<TSpecRow> rows;
    total = TMoney();
    AddSashRows(position.LeftFlugel.get(), rows, total);
    const TvxfFlugel* right = position.HasTwoFlugels() ? position.RightFlugel.get() : nullptr;
    if (right && right->FurnComp && !right->FurnComp->Items.empty()) {
        TSpecRow gap;
        for (int i = 0; i < 11; ++i)
            gap.Texts.append(QString());
        rows.append(gap);
        AddSashRows(right, rows, total);
    }
    return rows;
}

void AddHandItem(TvxfFurnComp& comp, const QString& article, int sideNo, const QString& note, int count)
{
    // Hand items have no component and no length: an equal one only grows in count.
    comp.AddItem(article, QString(), QString(), false, 0, note, count, sideNo);
}

bool DeleteItem(TvxfConstruction& position, const TvxfFurnItem* item)
{
    for (TvxfFlugel* sash : {position.LeftFlugel.get(), position.RightFlugel.get()}) {
        if (!sash || !sash->FurnComp)
            continue;
        auto& items = sash->FurnComp->Items;
        for (auto it = items.begin(); it != items.end(); ++it)
            if (it->get() == item) {
                items.erase(it);
                return true;
            }
    }
    return false;
}

TSashChoice ChoiceOfSash(const TvxfFlugel* sash)
{
    TSashChoice c;
    if (!sash)
        return c;
    c.Dorn = sash->Dorn;
    if (const TvxfFurnComp* comp = sash->FurnComp.get()) {
        c.Components = comp->Components();
        c.HeightUserDefined = comp->HeightUserDefined;
        c.UserHandleHeight = comp->UserHandleHeight;
        c.Props = comp->Props;
        c.ExtraComplects = comp->ExtraComplects;
    }
    return c;
}

} // namespace vx
