#include "engine/VXFFurn.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurnComp.h"
#include "engine/VXFService.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include <algorithm>

namespace vx {

namespace {

// ---------------------------------------------------------------------------------------------
// Messages.

const QString ElementPrefix = QStringLiteral(
    "В БД наборов фурнитуры в комплекте [%1]\r\nсодержится элемент фурнитуры [%2],\r\n");
const QString ConditionPrefix = ElementPrefix + QStringLiteral("для которого определены условия установки, зависящие от\r\n");
const QString PrinciplePrefix = ElementPrefix + QStringLiteral("который использует принцип расчета, зависящий от\r\n");

const QString MsgComplectMissing = QStringLiteral("Комплект фурнитуры [%1] не найден в документации!");
const QString MsgNoTFlugel = QStringLiteral("Не допускается установка комплекта [%1] на T-образную створку!");
const QString MsgEmptyElement = QStringLiteral("В БД наборов фурнитуры в комплекте\r\n[%1] содержится пустой элемент!");
const QString MsgUseIfArt = ElementPrefix + QStringLiteral(
    "для которого определена ссылка на артикул смежной штульповой створки.\r\n"
    "Комплект для смежной створки еще не определен. Установите сначала комплект на соседнюю створку!");
const QString MsgSideLength = ConditionPrefix + QStringLiteral(
    "длины стороны, на которую он устанавливается.\r\nНомер %3-ой расчетной стороны в условиях определен неверно!");
const QString MsgSideRadius = ConditionPrefix + QStringLiteral(
    "радиуса стороны, на которую он устанавливается.\r\nНомер %3-ой расчетной стороны в условиях определен неверно!");
const QString MsgAngle = ConditionPrefix + QStringLiteral(
    "параметров угла, на который он устанавливается.\r\nНомер расчетного угла в условиях определен неверно!");
const QString MsgAdjacentSide = ConditionPrefix + QStringLiteral(
    "длины стороны смежной створки.\r\nНомер стороны смежной створки в условиях определен неверно!");
const QString MsgNoAdjacent = ConditionPrefix + QStringLiteral(
    "длины стороны смежной створки.\r\nСмежная створка не установлена. Установите сначала створку.");
const QString MsgCalcSide = PrinciplePrefix + QStringLiteral(
    "параметров стороны, на которую он устанавливается.\r\nНомер %3-ой расчетной стороны определен неверно!");
const QString MsgCalcAngle = PrinciplePrefix + QStringLiteral(
    "угла, на котором он устанавливается.\r\nНомер расчетного угла определен неверно!");
const QString MsgScaleStep = ElementPrefix + QStringLiteral("имеющий масштабирование и шаг равный нулю!");
const QString MsgMinLen = ElementPrefix + QStringLiteral(
    "имеющий недопустимое расчетное значение длины %3 (Мин. допустимая длина = %4)!\r\n"
    "(Одна из возможных причин - установлена недопустимая высота ручки при расчете тяги)");
const QString MsgQuantityOverflow = ElementPrefix + QStringLiteral("количество которого выходит за допустимые пределы!");
const QString MsgElementMissing = QStringLiteral("Элемент фурнитуры [%1] не найден в документации!");
const QString MsgNoProfSys = QStringLiteral("Для комплекта фурнитуры [%1]\r\nне указана система ответных планок!");
const QString MsgArticleMissing = QStringLiteral(
    "В БД артикулов фурнитуры не найден подходящий\r\nартикул для элемента фурнитуры [%1]!\r\n\r\nИскомый запрос:\r\n%2");
const QString MsgEmptyArticle = QStringLiteral(
    "В БД артикулов фурнитуры найден пустой\r\nартикул для элемента фурнитуры [%1]!");
const QString MsgCompositeEmpty = QStringLiteral("В составе составного элемента [%1] содержится пустой элемент!");
const QString MsgNoDornMass = QStringLiteral("Не определена величина 'Дормасс'!");
const QString MsgFalz = QStringLiteral("В документации не установлены\r\nпараметры фальца %1/%2-%3!");
const QString MsgAccessoryOverflow = QStringLiteral("Количество артикула [%1] выходит за допустимые пределы!");
const QString MsgNoPosition = QStringLiteral("Комплект фурнитуры не принадлежит створке позиции!");

const QString ChoicePrompt = QStringLiteral(
    "В документации присутствует несколько альтернативных вариантов. Выберите нужный элемент.");
const QString ChoiceTitle = QStringLiteral("Список артикулов");
const QString StrikePlateOwner = QStringLiteral("Подбор ответных планок");

[[noreturn]] void Raise(const QString& message)
{
    throw EValtrixError(message);
}

bool DebugMode()
{
    return HasSetup() && Setup().DebugMode;
}

// ---------------------------------------------------------------------------------------------
// Filter texts: C formatting, "." decimals whatever the user's locale.

// The same filter texts built by appending: the resolution forms hundreds per sash. Numbers
// with decimals are formatted as C does and kept per value.
class TText {
public:
    TText() { Text.reserve(160); }
    TText& operator<<(QLatin1StringView s)
    {
        Text += s;
        return *this;
    }
    TText& operator<<(int n)
    {
        Text += QString::number(n);
        return *this;
    }
    // A value inside quotes: its own quotes doubled.
    TText& Quote(const QString& s)
    {
        if (s.contains(QLatin1Char('\''))) {
            QString t = s;
            t.replace(QLatin1Char('\''), QStringLiteral("''"));
            Text += t;
        } else {
            Text += s;
        }
        return *this;
    }
    // "%.<decimals>f"
    TText& Fixed(double v, int decimals)
    {
        static QHash<quint64, QString> memo[3];
        QHash<quint64, QString>& m = memo[decimals];
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        auto it = m.constFind(bits);
        if (it == m.constEnd()) {
            if (m.size() >= 4096)
                m.clear();
            it = m.insert(bits, QString::asprintf(decimals == 0 ? "%.0f" : decimals == 1 ? "%.1f" : "%.2f", v));
        }
        Text += *it;
        return *this;
    }
    QString Text;
};

// A long-lived table's fields by name, found once per layout of its fields.
template <size_t N>
class TFieldRefs {
public:
    explicit TFieldRefs(const char* const (&names)[N]) : Names(names) {}
    TField* const* Of(const TDataSet& set)
    {
        if (&set != Set || set.FieldsVersion() != Version) {
            for (size_t i = 0; i < N; ++i)
                Fields[i] = set.FieldByName(QLatin1String(Names[i]));
            Set = &set;
            Version = set.FieldsVersion();
        }
        return Fields;
    }

private:
    const char* const (&Names)[N];
    const TDataSet* Set = nullptr;
    quint64 Version = 0;
    TField* Fields[N] = {};
};

// Shows the filter set on a shared table for one scope and puts back what was there.
class TTableFilter {
public:
    TTableFilter(TTable& table, const QString& filter)
        : Table(table), OldFilter(table.Filter()), OldFiltered(table.Filtered())
    {
        try {
            Apply(filter);
        } catch (...) {
            Restore();
            throw;
        }
    }
    ~TTableFilter() { Restore(); }
    TTableFilter(const TTableFilter&) = delete;
    TTableFilter& operator=(const TTableFilter&) = delete;

    void Apply(const QString& filter)
    {
        Table.SetFilter(filter);
        Table.SetFiltered(true);
    }

private:
    void Restore() noexcept
    {
        try {
            if (OldFiltered) {
                Table.SetFilter(OldFilter);
                Table.SetFiltered(true);
            } else {
                Table.SetFiltered(false);
                Table.SetFilter(OldFilter);
            }
        } catch (...) {
            // The table stays as it is; nothing better can be done on the way out.
        }
    }

    TTable& Table;
    QString OldFilter;
    bool OldFiltered;
};

// ---------------------------------------------------------------------------------------------
// Checked quantity arithmetic.

bool MulOk(int32_t a, int32_t b, int32_t& r)
{
    return !__builtin_mul_overflow(a, b, &r);
}

bool AddOk(int32_t a, int32_t b, int32_t& r)
{
    return !__builtin_add_overflow(a, b, &r);
}

// ---------------------------------------------------------------------------------------------
// Sash measures; side and corner numbers count from 1.

bool ValidSide(const TvxfFlugel& f, int n)
{
    return n >= 1 && n <= f.SideCount();
}

bool ValidCorner(const TvxfFlugel& f, int n)
{
    return n >= 1 && n <= int(f.Points.size());
}

double SideL(const TvxfFlugel& f, int n)
{
    return f.SideLength(n - 1);
}

int32_t SideR(const TvxfFlugel& f, int n)
{
    return RoundHalfAway(double(f.Line(n - 1)->R1) / 10.0);
}

double CornerA(const TvxfFlugel& f, int n)
{
    return f.CornerAngle(n - 1);
}

bool StulpAdmits(int32_t mask, int32_t stulpType)
{
    if (mask == 0 || (mask & 1) != 0)
        return true;
    return stulpType >= 0 && stulpType < 31 && (uint32_t(mask) & (1u << stulpType)) != 0;
}

// ---------------------------------------------------------------------------------------------
// Catalog rows.

struct TItemInfo {
    bool Found = false;
    QString Name;
    bool HasFalzLuft = false, HasFalzSize = false, HasFalzPos = false, HasDornMass = false;
    bool HasProfSys = false, HasColor = false, CheckWeight = false, CheckThickness = false;
    bool CheckProfWidth = false, CheckStulpType = false, CheckDirect = false, Virtual = false;
    int32_t CommonGrp = 0;
};

TItemInfo ReadItemInfo(const QString& id)
{
    TItemInfo info;
    TTable& t = DM().T_FrnItem;
    if (!t.Locate(QStringLiteral("ID"), id))
        return info;
    static const char* const names[] = {"Name", "HasFalzLuft", "HasFalzSize", "HasFalzPos", "HasDornMass",
                                        "HasProfSys", "HasColor", "CheckWeight", "CheckThickness", "CheckProfWidth",
                                        "CheckStulpType", "CheckDirect", "Virtual", "CommonGrp"};
    static TFieldRefs refs(names);
    TField* const* f = refs.Of(t);
    auto flag = [f](int i) { return f[i]->AsInteger() == 1; };
    info.Found = true;
    info.Name = f[0]->AsString();
    info.HasFalzLuft = flag(1);
    info.HasFalzSize = flag(2);
    info.HasFalzPos = flag(3);
    info.HasDornMass = flag(4);
    info.HasProfSys = flag(5);
    info.HasColor = flag(6);
    info.CheckWeight = flag(7);
    info.CheckThickness = flag(8);
    info.CheckProfWidth = flag(9);
    info.CheckStulpType = flag(10);
    info.CheckDirect = flag(11);
    info.Virtual = flag(12);
    info.CommonGrp = f[13]->AsInteger();
    return info;
}

// Reads the rows a table shows into records: each field by name into a member.
template <typename Row>
struct TFieldMap {
    const char* Name;
    int32_t Row::*Int = nullptr;
    double Row::*Real = nullptr;
    QString Row::*Text = nullptr;
};

template <typename Row, size_t N>
std::vector<Row> ReadRows(TTable& table, const TFieldMap<Row> (&map)[N])
{
    std::vector<Row> rows;
    // The maps are static: their fields are found once per table layout.
    static const TFieldMap<Row>* knownMap = nullptr;
    static const TDataSet* knownTable = nullptr;
    static quint64 knownVersion = 0;
    static TField* fields[N];
    if (knownMap != map || knownTable != &table || knownVersion != table.FieldsVersion()) {
        for (size_t i = 0; i < N; ++i)
            fields[i] = table.FieldByName(QLatin1String(map[i].Name));
        knownMap = map;
        knownTable = &table;
        knownVersion = table.FieldsVersion();
    }
    for (table.First(); !table.Eof(); table.Next()) {
        Row row;
        for (size_t i = 0; i < N; ++i) {
            if (map[i].Int)
                row.*(map[i].Int) = fields[i]->AsInteger();
            else if (map[i].Real)
                row.*(map[i].Real) = fields[i]->AsFloat();
            else
                row.*(map[i].Text) = fields[i]->AsString();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

struct TSideRow {
    int32_t Side = 0, MinSize = 0, MaxSize = 0, MinRadius = 0, MaxRadius = 0;
    double MinAngle = 0, MaxAngle = 0;
    int32_t FullRadius = 0, HalfRadius = 0, EllipseRadius = 0;
    int32_t OpenMode = 0, RotSide = 0, Handled = 0, Banded = 0, Drived = 0;
};

std::vector<TSideRow> ReadSideRows(const QString& complectId)
{
    using R = TSideRow;
    static const TFieldMap<R> map[] = {
        {"Side", &R::Side},         {"MinSize", &R::MinSize},       {"MaxSize", &R::MaxSize},
        {"MinAngle", nullptr, &R::MinAngle}, {"MaxAngle", nullptr, &R::MaxAngle},
        {"MinRadius", &R::MinRadius}, {"MaxRadius", &R::MaxRadius}, {"FullRadius", &R::FullRadius},
        {"HalfRadius", &R::HalfRadius}, {"EllipseRadius", &R::EllipseRadius}, {"OpenMode", &R::OpenMode},
        {"RotSide", &R::RotSide},   {"Handled", &R::Handled},       {"Banded", &R::Banded},
        {"Drived", &R::Drived},
    };
    TTable& t = DM().T_FrnSide;
    TText text;
    text << QLatin1String("ID='");
    text.Quote(complectId) << QLatin1String("'");
    TTableFilter filter(t, text.Text);
    return ReadRows(t, map);
}

struct TSetRow {
    QString Item;
    int32_t PropKey = 0, Number = 0, Side1No = 0, Side2No = 0, AngleNo = 0;
    int32_t FFBMin = 0, FFBMax = 0, FFHMin = 0, FFHMax = 0;
    int32_t FFL1No = 0, FFL1Min = 0, FFL1Max = 0, FFL2No = 0, FFL2Min = 0, FFL2Max = 0;
    int32_t FFL21No = 0, FFL21Min = 0, FFL21Max = 0, FFL22No = 0, FFL22Min = 0, FFL22Max = 0;
    int32_t FFANo = 0;
    double FFAMin = 0, FFAMax = 0;
    int32_t FFR1No = 0, FFR1Min = 0, FFR1Max = 0, FFR1Type = 0, FFR2No = 0, FFR2Min = 0, FFR2Max = 0, FFR2Type = 0;
    int32_t Condition = 0, ScaleCondition = 0, ScaleStep = 0, ScaleStart = 0, ScaleNum = 0;
    QString ScaleScheme;
    int32_t ColorCondition = 0, DefineHandleHeight = 0, HandleSideNo = 0, StulpType = 0, Required = 0, UseLen = 0;
    QString LenFormula, Note, AlertIfNoArt;
    int32_t MinLen = 0;
    QString UseIfArt;
    int32_t ItemSideNo = 0;
};

std::vector<TSetRow> ReadSetRows(const QString& componentId)
{
    using R = TSetRow;
    static const TFieldMap<R> map[] = {
        {"Item", nullptr, nullptr, &R::Item}, {"PropKey", &R::PropKey}, {"Number", &R::Number},
        {"Side1No", &R::Side1No}, {"Side2No", &R::Side2No}, {"AngleNo", &R::AngleNo},
        {"FFBMin", &R::FFBMin}, {"FFBMax", &R::FFBMax}, {"FFHMin", &R::FFHMin}, {"FFHMax", &R::FFHMax},
        {"FFL1No", &R::FFL1No}, {"FFL1Min", &R::FFL1Min}, {"FFL1Max", &R::FFL1Max},
        {"FFL2No", &R::FFL2No}, {"FFL2Min", &R::FFL2Min}, {"FFL2Max", &R::FFL2Max},
        {"FFL21No", &R::FFL21No}, {"FFL21Min", &R::FFL21Min}, {"FFL21Max", &R::FFL21Max},
        {"FFL22No", &R::FFL22No}, {"FFL22Min", &R::FFL22Min}, {"FFL22Max", &R::FFL22Max},
        {"FFANo", &R::FFANo}, {"FFAMin", nullptr, &R::FFAMin}, {"FFAMax", nullptr, &R::FFAMax},
        {"FFR1No", &R::FFR1No}, {"FFR1Min", &R::FFR1Min}, {"FFR1Max", &R::FFR1Max}, {"FFR1Type", &R::FFR1Type},
        {"FFR2No", &R::FFR2No}, {"FFR2Min", &R::FFR2Min}, {"FFR2Max", &R::FFR2Max}, {"FFR2Type", &R::FFR2Type},
        {"Condition", &R::Condition}, {"ScaleCondition", &R::ScaleCondition}, {"ScaleStep", &R::ScaleStep},
        {"ScaleStart", &R::ScaleStart}, {"ScaleNum", &R::ScaleNum},
        {"ScaleScheme", nullptr, nullptr, &R::ScaleScheme}, {"ColorCondition", &R::ColorCondition},
        {"DefineHandleHeight", &R::DefineHandleHeight}, {"HandleSideNo", &R::HandleSideNo},
        {"StulpType", &R::StulpType}, {"Required", &R::Required}, {"UseLen", &R::UseLen},
        {"LenFormula", nullptr, nullptr, &R::LenFormula}, {"Note", nullptr, nullptr, &R::Note},
        {"AlertIfNoArt", nullptr, nullptr, &R::AlertIfNoArt}, {"MinLen", &R::MinLen},
        {"UseIfArt", nullptr, nullptr, &R::UseIfArt}, {"ItemSideNo", &R::ItemSideNo},
    };
    TTable& t = DM().T_FrnSet;
    TText text;
    text << QLatin1String("ID = '");
    text.Quote(componentId) << QLatin1String("'");
    TTableFilter filter(t, text.Text);
    return ReadRows(t, map);
}

struct TItoIRow {
    QString Item;
    int32_t PropKey = 0, Number = 0, StulpType = 0, ColorCondition = 0, Required = 0, ItemSideNo = 0;
    QString AlertIfNoArt, Note;
};

struct TSchlRow {
    QString Item;
    int32_t Number = 0, PropKey = 0;
};

struct TAccessoryRow {
    QString AccessoryID;
    int32_t Number = 0, PropKey = 0;
};

QString ElementColor(const TResolveContext& ctx, int32_t colorCondition)
{
    switch (colorCondition) {
    case 1:
        return ctx.OuterColor;
    case 2:
        return ctx.InnerColor;
    case 3:
        return ctx.Params.OpenType == 1 ? ctx.OuterColor : ctx.InnerColor;
    default:
        return ctx.FurnColor;
    }
}

// ---------------------------------------------------------------------------------------------
// Article selection.

void BuildFilterTexts(const TArticleRequest& r, const TItemInfo& info, QString& mainText, QString& fallbackText)
{
    const TArticleMeasures& m = r.Measures;
    TText t;
    // "<lo> <= v and <hi> >= v " with v whole or with the given decimals.
    auto bounds = [&t](const char* lo, const char* hi, int v) {
        t << QLatin1String(lo) << QLatin1String(" <= ") << v << QLatin1String(" and ") << QLatin1String(hi)
          << QLatin1String(" >= ") << v << QLatin1String(" ");
    };
    auto fixedBounds = [&t](const char* lo, const char* hi, double v, int decimals, const char* middle = " and ") {
        t << QLatin1String(lo) << QLatin1String(" <= ");
        t.Fixed(v, decimals) << QLatin1String(middle) << QLatin1String(hi) << QLatin1String(" >= ");
        t.Fixed(v, decimals) << QLatin1String(" ");
    };
    switch (m.Condition) {
    case 1:
        bounds("FFBMin", "FFBMax", m.W);
        break;
    case 2:
        bounds("FFHMin", "FFHMax", m.H);
        break;
    case 3:
        t << QLatin1String("FFBMin <= ") << m.W << QLatin1String(" and FFBMax >= ") << m.W;
        t << QLatin1String(" and FFHMin <= ") << m.H << QLatin1String(" and FFHMax >= ") << m.H << QLatin1String(" ");
        break;
    case 4:
        fixedBounds("FFL1Min", "FFL1Max", m.L1, 0);
        break;
    case 5:
        fixedBounds("FFL2Min", "FFL2Max", m.L2, 0);
        break;
    case 6:
        fixedBounds("FFL1Min", "FFL1Max", m.L1, 0);
        t << QLatin1String("and ");
        fixedBounds("FFL2Min", "FFL2Max", m.L2, 0);
        break;
    case 7:
        fixedBounds("FFAMin", "FFAMax", m.A, 2);
        break;
    case 8:
        fixedBounds("FFR1Min", "FFR1Max", m.R1, 0);
        break;
    case 9:
        fixedBounds("FFR2Min", "FFR2Max", m.R2, 0);
        break;
    case 10:
        fixedBounds("FFR1Min", "FFR1Max", m.R1, 0);
        t << QLatin1String("and ");
        fixedBounds("FFR2Min", "FFR2Max", m.R2, 0);
        break;
    default:
        break;
    }
    // Each clause in its first form, or after another one in its "and" form.
    auto next = [&t](const char* prefix) {
        if (!t.Text.isEmpty())
            t << QLatin1String(prefix);
    };
    const TSashParams& p = r.Params;
    if (info.HasFalzLuft) {
        next("and ");
        t << QLatin1String("FalzLuft = ") << p.FalzLuft << QLatin1String(" ");
    }
    if (info.HasFalzSize) {
        next("and ");
        t << QLatin1String("FalzSize = ") << p.FalzSize << QLatin1String(" ");
    }
    if (info.HasFalzPos) {
        next("and ");
        t << QLatin1String("FalzPos = ") << p.FalzPos << QLatin1String(" ");
    }
    if (info.CheckWeight) {
        next("and ");
        fixedBounds("WeightMin", "WeightMax", r.WeightValue, 2, " and  ");
    }
    if (info.HasDornMass) {
        next("and ");
        fixedBounds("DornMassMin", "DornMassMax", double(p.DornMass), 2);
    }
    if (info.CheckThickness) {
        next(" and ");
        fixedBounds("ThicknessMin", "ThicknessMax", double(p.Thickness), 0);
    }
    if (info.CheckProfWidth) {
        next(" and ");
        fixedBounds("ProfWidthMin", "ProfWidthMax", r.ProfWidthValue, 0);
    }
    if (info.HasProfSys) {
        if (r.ProfSys.isEmpty())
            Raise(MsgNoProfSys.arg(r.OwnerName));
        next("and ");
        t << QLatin1String("ProfSys = '");
        t.Quote(r.ProfSys) << QLatin1String("' ");
    }
    if (info.CheckStulpType) {
        next("and ");
        t << QLatin1String("StulpType = ") << r.StulpType << QLatin1String(" ");
    }
    if (info.CheckDirect) {
        next("and ");
        t << QLatin1String("(Direct = 3 or Direct = ") << r.Direction << QLatin1String(") ");
    }
    next("and ");
    t << QLatin1String("ID='");
    t.Quote(r.ElementId) << QLatin1String("' ");

    fallbackText.clear();
    if (!info.HasColor) {
        mainText = t.Text;
        return;
    }
    const bool first = t.Text.isEmpty();
    TText color;
    color << QLatin1String(first ? "Color = '" : "and Color = '");
    color.Quote(r.Color) << QLatin1String("' ");
    mainText = t.Text + color.Text;
    fallbackText = t.Text + (first ? QStringLiteral("Color = '' ") : QStringLiteral("and Color = '' "));
}

struct TCandidate {
    QString CatalogID;
    int32_t HandleHeight = 0;
};

std::vector<TCandidate> ReadCandidates(TTable& arts)
{
    std::vector<TCandidate> rows;
    static TFieldRef catalogId("CatalogID"), handleHeight("HandleHeight");
    TField* id = catalogId.Of(arts);
    TField* hh = handleHeight.Of(arts);
    for (arts.First(); !arts.Eof(); arts.Next())
        rows.push_back({id->AsString(), hh->AsInteger()});
    return rows;
}

// The alternatives as the picker shows them: article code and catalog name.
int ChooseCandidate(TTable& arts, const std::vector<TCandidate>& candidates)
{
    QList<TUserInteraction::TChoiceRow> rows;
    TField* name = arts.FieldByName(QStringLiteral("CatalogNameLookup"));
    size_t i = 0;
    for (arts.First(); !arts.Eof() && i < candidates.size(); arts.Next(), ++i)
        rows.append({candidates[i].CatalogID, {candidates[i].CatalogID, name->AsString()}});
    const int chosen = ChooseAlternative(ChoicePrompt, ChoiceTitle, rows);
    // The picker opens on the first row; whatever closes it, its current row is taken.
    return chosen >= 0 && size_t(chosen) < candidates.size() ? chosen : 0;
}

bool SelectArticleWith(const TArticleRequest& r, const TItemInfo* known, int32_t& handleHeight, QString& article)
{
    handleHeight = 0;
    article.clear();
    TTable& arts = DM().T_FrnArt;
    if (!arts.Locate(QStringLiteral("ID"), r.ElementId))
        return false;
    const TItemInfo info = known ? *known : ReadItemInfo(r.ElementId);
    if (!info.Found)
        Raise(MsgElementMissing.arg(r.ElementId));

    QString mainText, fallbackText;
    BuildFilterTexts(r, info, mainText, fallbackText);

    TCandidate found;
    bool any = false;
    {
        TTableFilter filter(arts, mainText);
        std::vector<TCandidate> candidates = ReadCandidates(arts);
        if (candidates.empty() && info.HasColor) {
            filter.Apply(fallbackText);
            candidates = ReadCandidates(arts);
        }
        if (!candidates.empty()) {
            any = true;
            found = candidates[candidates.size() > 1 ? size_t(ChooseCandidate(arts, candidates)) : 0];
        }
    }

    if (!any) {
        if (!r.Required)
            return false;
        if (!r.AlertText.isEmpty())
            Raise(r.AlertText);
        Raise(MsgArticleMissing.arg(info.Name, mainText));
    }
    if (found.CatalogID.isEmpty())
        Raise(MsgEmptyArticle.arg(info.Name));
    article = found.CatalogID;
    if (r.DefineHandleHeight) {
        if (found.HandleHeight != 0) {
            handleHeight = found.HandleHeight;
        } else {
            // Half of the condition's own dimension: W or H (10 mm units) or a side length.
            double half = 0;
            switch (r.Measures.Condition) {
            case 1:
                half = r.Measures.W;
                break;
            case 2:
                half = r.Measures.H;
                break;
            case 4:
            case 6:
                half = r.Measures.L1;
                break;
            case 5:
                half = r.Measures.L2;
                break;
            default:
                break;
            }
            handleHeight = RoundHalfAway(half / 2.0);
        }
    }
    return true;
}

void ExpandCompositeWith(const TResolveContext& ctx, const QString& elementId, const TItemInfo* known,
                         const QString& componentId, int32_t quantity, int group, int32_t sideNo)
{
    TTable& itoi = DM().T_FrnItoI;
    if (!itoi.Locate(QStringLiteral("ID"), elementId))
        return;
    const TItemInfo element = known ? *known : ReadItemInfo(elementId);
    if (!element.Found)
        Raise(MsgElementMissing.arg(elementId));

    std::vector<TItoIRow> rows;
    {
        using R = TItoIRow;
        static const TFieldMap<R> map[] = {
            {"Item", nullptr, nullptr, &R::Item}, {"PropKey", &R::PropKey}, {"Number", &R::Number},
            {"StulpType", &R::StulpType}, {"ColorCondition", &R::ColorCondition}, {"Required", &R::Required},
            {"AlertIfNoArt", nullptr, nullptr, &R::AlertIfNoArt}, {"Note", nullptr, nullptr, &R::Note},
            {"ItemSideNo", &R::ItemSideNo},
        };
        TText text;
        text << QLatin1String("ID = '");
        text.Quote(elementId) << QLatin1String("'");
        TTableFilter filter(itoi, text.Text);
        rows = ReadRows(itoi, map);
    }

    TvxfFurnComp& comp = *ctx.Comp;
    for (const TItoIRow& row : rows) {
        if (row.Item.isEmpty())
            Raise(MsgCompositeEmpty.arg(element.Name));
        const int32_t side = row.ItemSideNo != 0 ? row.ItemSideNo : sideNo;
        if (!PropAllowed(row.PropKey, comp.Props, group) || !StulpAdmits(row.StulpType, ctx.StulpType))
            continue;
        TArticleRequest r;
        r.ElementId = row.Item;
        r.OwnerName = element.Name;
        r.ProfSys = comp.ProfSys;
        r.AlertText = row.AlertIfNoArt;
        r.Required = row.Required == 1;
        r.Direction = ctx.Direction;
        r.StulpType = ctx.StulpType;
        r.ProfWidthValue = ctx.ProfWidthValue;
        r.Color = ElementColor(ctx, row.ColorCondition);
        r.WeightValue = ctx.WeightValue;
        r.Params = ctx.Params;
        int32_t hh = 0;
        QString article;
        if (!SelectArticleWith(r, nullptr, hh, article))
            continue;
        int32_t count;
        if (!MulOk(row.Number, quantity, count))
            Raise(MsgAccessoryOverflow.arg(article));
        // The origin text is kept in the debug mode only.
        const bool debug = DebugMode();
        comp.AddItem(article, componentId,
                     debug ? QStringLiteral("Комплект:%1 -> Элемент:%2 -> Элемент:%3 -> Артикул:%4")
                                 .arg(componentId, elementId, row.Item, article)
                           : QString(),
                     debug, 0, row.Note, count, side);
    }
}

// The fields of an item that the strike-plate and accessory steps read, taken before they add.
struct TSourceItem {
    QString Article, Origin, Note, ComplectKey;
    int32_t Count = 0, SideNo = 0;
};

TSourceItem SourceOf(const TvxfFurnItem& item)
{
    return {item.Article, item.Origin, item.Note, item.ComplectKey, item.Count, item.SideNo};
}

QString PlateFilter(const TSourceItem& src, int32_t stulpType)
{
    // "CatalogID = '%s' and (StulpType=%d or StulpType=%d) and (ItemSideNo=%d or ItemSideNo=%d)
    // and (ItemComplectID='%s' or ItemComplectID='%s')"
    TText t;
    t << QLatin1String("CatalogID = '");
    t.Quote(src.Article) << QLatin1String("' and (StulpType=") << stulpType << QLatin1String(" or StulpType=0) and (ItemSideNo=")
        << src.SideNo << QLatin1String(" or ItemSideNo=0) and (ItemComplectID='");
    t.Quote(src.ComplectKey) << QLatin1String("' or ItemComplectID='')");
    return t.Text;
}

void AddStrikePlates(const TResolveContext& ctx)
{
    TvxfFurnComp& comp = *ctx.Comp;
    TTable& schl = DM().T_FrnSchl;
    const size_t count = comp.Items.size();
    for (size_t i = 0; i < count; ++i) {
        const TSourceItem src = SourceOf(*comp.Items[i]);
        if (!schl.Locate(QStringLiteral("CatalogID"), src.Article))
            continue;
        std::vector<TSchlRow> rows;
        {
            using R = TSchlRow;
            static const TFieldMap<R> map[] = {
                {"Item", nullptr, nullptr, &R::Item}, {"Number", &R::Number}, {"PropKey", &R::PropKey}};
            TTableFilter filter(schl, PlateFilter(src, ctx.StulpType));
            rows = ReadRows(schl, map);
        }
        for (const TSchlRow& row : rows) {
            if (!PropAllowed(row.PropKey, comp.Props, 0))
                continue;
            const TItemInfo info = ReadItemInfo(row.Item);
            if (info.Found && info.CommonGrp != 0) {
                bool ok = false;
                int32_t g = comp.FurnSys.trimmed().toInt(&ok);
                if (!ok)
                    g = info.CommonGrp;
                // A group of its own must match exactly; a family (hundreds) matches its systems.
                if (info.CommonGrp % 100 != 0 ? info.CommonGrp != g : g / 100 * 100 != info.CommonGrp / 100 * 100)
                    continue;
            }
            TArticleRequest r;
            r.ElementId = row.Item;
            r.OwnerName = StrikePlateOwner;
            r.ProfSys = comp.ProfSys;
            r.Required = true;
            r.Direction = ctx.Direction;
            r.StulpType = ctx.StulpType;
            r.ProfWidthValue = 0;
            r.WeightValue = 0;
            r.Params = ctx.Params;
            int32_t hh = 0;
            QString article;
            if (!SelectArticleWith(r, &info, hh, article))
                continue;
            int32_t n;
            if (!MulOk(row.Number, src.Count, n))
                Raise(MsgAccessoryOverflow.arg(article));
            const bool debug = DebugMode();
            comp.AddItem(article, src.ComplectKey,
                         debug ? QStringLiteral("%1 -> Элемент:%2 -> Артикул:%3").arg(src.Origin, row.Item, article) : QString(),
                         debug, 0, src.Note, n, src.SideNo);
        }
    }
}

void AddAccessories(const TResolveContext& ctx, bool byColor)
{
    TvxfFurnComp& comp = *ctx.Comp;
    TTable& table = byColor ? DM().T_FrnAbd : DM().T_FrnDop;
    using R = TAccessoryRow;
    static const TFieldMap<R> abdMap[] = {{"AccessoryID", nullptr, nullptr, &R::AccessoryID}, {"Number", &R::Number}};
    static const TFieldMap<R> dopMap[] = {
        {"AccessoryID", nullptr, nullptr, &R::AccessoryID}, {"Number", &R::Number}, {"PropKey", &R::PropKey}};
    const size_t count = comp.Items.size();
    for (size_t i = 0; i < count; ++i) {
        const TSourceItem src = SourceOf(*comp.Items[i]);
        if (!table.Locate(QStringLiteral("CatalogID"), src.Article))
            continue;
        std::vector<TAccessoryRow> rows;
        if (byColor) {
            // "CatalogID = '%s' and Color='%s' and (ItemSideNo=%d or ItemSideNo=%d)", then Color=''
            TText head, main, fallback;
            head << QLatin1String("CatalogID = '");
            head.Quote(src.Article) << QLatin1String("' and Color='");
            main.Text = head.Text;
            main.Quote(ctx.FurnColor) << QLatin1String("' and (ItemSideNo=") << src.SideNo << QLatin1String(" or ItemSideNo=0)");
            TTableFilter filter(table, main.Text);
            rows = ReadRows(table, abdMap);
            if (rows.empty()) {
                fallback.Text = head.Text;
                fallback << QLatin1String("' and (ItemSideNo=") << src.SideNo << QLatin1String(" or ItemSideNo=0)");
                filter.Apply(fallback.Text);
                rows = ReadRows(table, abdMap);
            }
        } else {
            TTableFilter filter(table, PlateFilter(src, ctx.StulpType));
            rows = ReadRows(table, dopMap);
        }
        for (const TAccessoryRow& row : rows) {
            if (!byColor && !PropAllowed(row.PropKey, comp.Props, 0))
                continue;
            int32_t n;
            if (!MulOk(row.Number, src.Count, n))
                Raise(MsgAccessoryOverflow.arg(row.AccessoryID));
            const bool debug = DebugMode();
            comp.AddItem(row.AccessoryID, src.ComplectKey,
                         debug ? QStringLiteral("%1 -> Артикул:%2").arg(src.Origin, row.AccessoryID) : QString(), debug, 0,
                         src.Note, n, src.SideNo);
        }
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------

bool ComplectFitsSash(const TvxfFlugel& sash, const QString& complectId)
{
    const std::vector<TSideRow> rows = ReadSideRows(complectId);
    const int sides = sash.SideCount();
    if (int(rows.size()) != sides)
        return false;
    for (const TSideRow& row : rows) {
        const int n = row.Side;
        if (!ValidSide(sash, n))
            return false;
        const int32_t l = RoundHalfAway(SideL(sash, n));
        const int32_t r = SideR(sash, n);
        const double a = CornerA(sash, n);
        if (row.MinSize > l || row.MaxSize < l || row.MinAngle > a || row.MaxAngle < a || row.MinRadius > r
            || row.MaxRadius < r)
            return false;
        if (sash.IsFullSemicircle(n - 1) && row.FullRadius == 0)
            return false;
        if (sash.IsPartialArc(n - 1) && row.HalfRadius == 0)
            return false;
        if (sash.IsEllipse(n - 1) && row.EllipseRadius == 0)
            return false;
    }
    return true;
}

void ApplySideRules(TvxfFurnComp& c)
{
    if (c.NothingChosen()) {
        c.Reset();
        return;
    }
    c.HandleScrColor = ComplectScrColor(c.Handle);
    c.HandleImage = ComplectImage(c.Handle);
    c.DriveScrColor = ComplectScrColor(c.Drive);
    c.DriveImage = ComplectImage(c.Drive);
    c.ComplectImage = ComplectImage(c.Complect);
    if (!c.Hinge.isEmpty()) {
        c.HingeScrColor = ComplectScrColor(c.Hinge);
        c.HingeImage = ComplectImage(c.Hinge);
    } else {
        c.HingeScrColor = ComplectScrColor(c.Complect);
        c.HingeImage = 20;
    }

    TvxfFlugel* sash = c.Owner;
    if (!sash)
        return;
    if (c.Complect.isEmpty()) {
        for (const auto& line : sash->Lines) {
            line->OpenMode = false;
            line->RotSide = -1;
            line->HandleHeight = 0;
            line->Handled = line->Banded = line->Drived = false;
        }
        return;
    }
    // Read first: the handle direction look-up moves the side-rule table's cursor.
    const std::vector<TSideRow> rows = ReadSideRows(c.Complect);
    const bool handleShown = !c.Handle.isEmpty() || (c.ComplectImage >= 1 && c.ComplectImage <= 5);
    for (const TSideRow& row : rows) {
        const int i = row.Side - 1;
        TvxfLine* line = sash->Line(i);
        if (!line)
            continue;
        line->OpenMode = row.OpenMode == 1;
        if (line->OpenMode)
            line->RotSide = row.RotSide - 1;
        line->Handled = row.Handled == 1 && handleShown;
        if (!line->Handled) {
            sash->SetHandleHeight(i, 0, 0);
        } else {
            const int32_t height =
                c.HeightUserDefined ? c.UserHandleHeight : RoundHalfAway(sash->SideLength(i) / 2.0);
            sash->SetHandleHeight(i, height, SideHandleDirect(c.Complect, i + 1));
        }
        line->Banded = row.Banded == 1;
        line->Drived = row.Drived == 1;
    }
}

void ResolveSetElements(const TResolveContext& ctx, const QString& componentId, int group, bool userHeight)
{
    TTable& comps = DM().T_FrnComp;
    if (componentId.isEmpty() || !comps.Locate(QStringLiteral("ID"), componentId))
        Raise(MsgComplectMissing.arg(componentId));
    static TFieldRef nameField("Name"), tFlugelField("TFlugelAvailable");
    const QString compName = nameField.Of(comps)->AsString();
    if (ctx.Params.OpenType == 2 && tFlugelField.Of(comps)->AsInteger() == 0)
        Raise(MsgNoTFlugel.arg(componentId));

    const TvxfFlugel& sash = *ctx.Sash;
    TvxfFurnComp& comp = *ctx.Comp;
    const std::vector<TSetRow> rows = ReadSetRows(componentId);
    for (const TSetRow& row : rows) {
        if (row.Item.isEmpty())
            Raise(MsgEmptyElement.arg(compName));
        // The element row is read once, when a message or the element kind needs it.
        TItemInfo info;
        bool infoRead = false;
        auto element = [&]() -> const TItemInfo& {
            if (!infoRead) {
                info = ReadItemInfo(row.Item);
                infoRead = true;
            }
            return info;
        };
        auto fail = [&](const QString& message) { Raise(message.arg(compName, element().Name)); };
        auto failNo = [&](const QString& message, int which) {
            Raise(message.arg(compName, element().Name, QString::number(which)));
        };

        if (!PropAllowed(row.PropKey, comp.Props, group))
            continue;
        if (!row.UseIfArt.isEmpty()) {
            if (!ctx.Adjacent || !ctx.Adjacent->FurnComp)
                fail(MsgUseIfArt);
            if (ctx.Adjacent->FurnComp->FindItem(row.UseIfArt) < 0)
                continue;
        }
        if ((row.FFBMax > 0 && row.FFBMax < ctx.W) || ctx.W < row.FFBMin)
            continue;
        if ((row.FFHMax > 0 && row.FFHMax < ctx.H) || ctx.H < row.FFHMin)
            continue;

        // Side length and radius conditions on this sash.
        auto lengthFails = [&](int no, int32_t min, int32_t max, int which) {
            if (min == 0 && max == 0)
                return false;
            if (!ValidSide(sash, no))
                failNo(MsgSideLength, which);
            const double l = SideL(sash, no);
            return (max > 0 && max < l) || min > l;
        };
        if (lengthFails(row.FFL1No, row.FFL1Min, row.FFL1Max, 1) || lengthFails(row.FFL2No, row.FFL2Min, row.FFL2Max, 2))
            continue;
        auto radiusFails = [&](int no, int32_t min, int32_t max, int32_t type, int which) {
            if (min == 0 && max == 0 && type < 2)
                return false;
            if (!ValidSide(sash, no))
                failNo(MsgSideRadius, which);
            const int32_t r = SideR(sash, no);
            if ((max > 0 && max < r) || min > r)
                return true;
            if (type != 0 && (type & 1) == 0) {
                const bool kindOk = (sash.IsFullSemicircle(no - 1) && (type & 2))
                                 || (sash.IsPartialArc(no - 1) && (type & 4)) || (sash.IsEllipse(no - 1) && (type & 8));
                return !kindOk;
            }
            return false;
        };
        if (radiusFails(row.FFR1No, row.FFR1Min, row.FFR1Max, row.FFR1Type, 1)
            || radiusFails(row.FFR2No, row.FFR2Min, row.FFR2Max, row.FFR2Type, 2))
            continue;
        if (row.FFAMin != 0 || row.FFAMax != 0) {
            if (!ValidCorner(sash, row.FFANo))
                fail(MsgAngle);
            const double a = CornerA(sash, row.FFANo);
            if ((row.FFAMax > 0 && row.FFAMax < a) || row.FFAMin > a)
                continue;
        }
        if (!StulpAdmits(row.StulpType, ctx.StulpType))
            continue;
        auto adjacentFails = [&](int no, int32_t min, int32_t max) {
            if (min == 0 && max == 0)
                return false;
            if (!ctx.Adjacent)
                fail(MsgNoAdjacent);
            if (!ValidSide(*ctx.Adjacent, no))
                fail(MsgAdjacentSide);
            const double l = SideL(*ctx.Adjacent, no);
            return (max > 0 && max < l) || min > l;
        };
        if (adjacentFails(row.FFL21No, row.FFL21Min, row.FFL21Max)
            || adjacentFails(row.FFL22No, row.FFL22Min, row.FFL22Max))
            continue;

        // Measures for the article's condition.
        TArticleMeasures m;
        m.W = ctx.W;
        m.H = ctx.H;
        m.Condition = row.Condition;
        if (row.Condition == 4 || row.Condition == 6 || row.Condition == 8 || row.Condition == 10) {
            if (!ValidSide(sash, row.Side1No))
                failNo(MsgCalcSide, 1);
            m.L1 = SideL(sash, row.Side1No);
            m.R1 = SideR(sash, row.Side1No);
        }
        if (row.Condition == 5 || row.Condition == 6 || row.Condition == 9 || row.Condition == 10) {
            if (!ValidSide(sash, row.Side2No))
                failNo(MsgCalcSide, 2);
            m.L2 = SideL(sash, row.Side2No);
            m.R2 = SideR(sash, row.Side2No);
        }
        if (row.Condition == 7) {
            if (!ValidCorner(sash, row.AngleNo))
                fail(MsgCalcAngle);
            m.A = CornerA(sash, row.AngleNo);
        }

        // Quantity.
        int32_t q = row.Number;
        bool ok = true;
        auto scaled = [&](int32_t d, bool below) {
            int32_t r = 0;
            if (!row.ScaleScheme.isEmpty()) {
                ok = MulOk(ScaleCount(row.ScaleScheme, d), row.ScaleNum, r) && AddOk(r, row.Number, r);
                return r;
            }
            if (row.ScaleStep < 1)
                fail(MsgScaleStep);
            if (below)
                return row.Number;
            int64_t diff = int64_t(d) - row.ScaleStart;
            int64_t steps = diff / row.ScaleStep + row.Number + 1;
            int64_t v = steps * row.ScaleNum;
            ok = steps >= INT32_MIN && steps <= INT32_MAX && v >= INT32_MIN && v <= INT32_MAX;
            return int32_t(v);
        };
        switch (row.ScaleCondition) {
        case 1:
        case 2: {
            const int32_t d = row.ScaleCondition == 1 ? ctx.W : ctx.H;
            q = scaled(d, d < row.ScaleStart);
            break;
        }
        case 3:
        case 4: {
            const int which = row.ScaleCondition == 3 ? 1 : 2;
            const int no = which == 1 ? row.Side1No : row.Side2No;
            if (!ValidSide(sash, no))
                failNo(MsgCalcSide, which);
            const double l = SideL(sash, no);
            if (!row.ScaleScheme.isEmpty()) {
                q = scaled(RoundHalfAway(l), false);
            } else if (row.ScaleStep < 1) {
                fail(MsgScaleStep);
            } else if (row.ScaleStart > l) {
                q = row.Number;
            } else {
                const int64_t steps = int64_t(RoundHalfAway(l - row.ScaleStart)) / row.ScaleStep + row.Number + 1;
                const int64_t v = steps * row.ScaleNum;
                ok = v >= INT32_MIN && v <= INT32_MAX;
                q = int32_t(v);
            }
            break;
        }
        default:
            break;
        }
        if (!ok || !MulOk(q, ctx.Multiplier, q))
            fail(MsgQuantityOverflow);

        double length = 0;
        if (row.UseLen == 1 && !row.LenFormula.isEmpty()) {
            length = sash.EvaluateFormula(row.LenFormula);
            if (row.MinLen > length)
                Raise(MsgMinLen.arg(compName, element().Name, QString::asprintf("%.1f", length),
                                    QString::number(row.MinLen)));
        }

        if (!element().Virtual) {
            TArticleRequest r;
            r.ElementId = row.Item;
            r.OwnerName = compName;
            r.ProfSys = comp.ProfSys;
            r.AlertText = row.AlertIfNoArt;
            r.Required = row.Required == 1;
            r.Direction = ctx.Direction;
            r.StulpType = ctx.StulpType;
            r.DefineHandleHeight = row.DefineHandleHeight == 1;
            r.ProfWidthValue = ctx.ProfWidthValue;
            r.Color = ElementColor(ctx, row.ColorCondition);
            r.WeightValue = ctx.WeightValue;
            r.Params = ctx.Params;
            r.Measures = m;
            int32_t handleHeight = 0;
            QString article;
            if (SelectArticleWith(r, &element(), handleHeight, article)) {
                if (!userHeight && handleHeight != 0) {
                    int side = row.HandleSideNo - 1;
                    if (!ctx.Sash->Line(side))
                        side = ctx.Sash->HandledSide();
                    if (side >= 0)
                        ctx.Sash->SetHandleHeight(side, handleHeight, SideHandleDirect(componentId, side + 1));
                }
                const bool debug = DebugMode();
                comp.AddItem(article, componentId,
                             debug ? QStringLiteral("Комплект:%1 -> Элемент:%2 -> Артикул:%3").arg(componentId, row.Item, article)
                                   : QString(),
                             debug, float(length), row.Note, q, row.ItemSideNo);
            }
        }
        ExpandCompositeWith(ctx, row.Item, &element(), componentId, q, group, row.ItemSideNo);
    }
}

bool SelectArticle(const TArticleRequest& request, int32_t& handleHeight, QString& article)
{
    return SelectArticleWith(request, nullptr, handleHeight, article);
}

void ArticleFilterTexts(const TArticleRequest& request, QString& mainText, QString& fallbackText)
{
    const TItemInfo info = ReadItemInfo(request.ElementId);
    if (!info.Found)
        Raise(MsgElementMissing.arg(request.ElementId));
    BuildFilterTexts(request, info, mainText, fallbackText);
}

void ExpandComposite(const TResolveContext& context, const QString& elementId, const QString& componentId,
                     int32_t quantity, int group, int32_t sideNo)
{
    ExpandCompositeWith(context, elementId, nullptr, componentId, quantity, group, sideNo);
}

bool ResolveComplect(TvxfFurnComp& c)
{
    TvxfFlugel* sash = c.Owner;
    if (!sash || !sash->Owner)
        Raise(MsgNoPosition);
    TvxfConstruction& k = *sash->Owner;

    TResolveContext ctx;
    ctx.Comp = &c;
    ctx.Sash = sash;
    ctx.Adjacent = k.Layout < 2 ? sash->AdjacentFlugel() : nullptr;

    TSashParams& p = ctx.Params;
    p.ProfWidth = k.ProfWidth;
    p.Thickness = k.Thickness;
    const TFalzParams falz = FalzParams(k.Falz, false);
    p.DornMass = DornMass(sash->Dorn, false);
    p.OpenType = OpenTypeOf(k.OpenType, false);
    p.FalzLuft = falz.FalzLuft;
    p.FalzSize = falz.FalzSize;
    p.FalzPos = falz.FalzPos;
    if (!(p.DornMass > 0))
        Raise(MsgNoDornMass);
    if (p.FalzLuft < 1 || p.FalzSize < 1 || p.FalzPos < 1)
        Raise(MsgFalz.arg(p.FalzLuft).arg(p.FalzSize).arg(p.FalzPos));

    TTable& comps = DM().T_FrnComp;
    if (c.Complect.isEmpty() || !comps.Locate(QStringLiteral("ID"), c.Complect))
        Raise(MsgComplectMissing.arg(c.Complect));
    ctx.Direction = comps.FieldByName(QStringLiteral("Direct"))->AsInteger();

    if (k.Order) {
        ctx.OuterColor = k.Order->OuterProfColor;
        ctx.InnerColor = k.Order->InnerProfColor;
    }
    ctx.FurnColor = c.Color;
    ctx.StulpType = k.Layout >= 2 ? 6 : StulpTypeOf(k.StulpType, false);

    int32_t w = 0, h = 0;
    sash->Size(w, h);
    ctx.W = RoundHalfAway(w / 10.0);
    ctx.H = RoundHalfAway(h / 10.0);
    ctx.Multiplier = 1;
    ctx.ProfWidthValue = 100;
    ctx.WeightValue = 0;

    ResolveSetElements(ctx, c.Complect, 0, c.HeightUserDefined);
    const std::pair<const QString*, int> components[] = {{&c.Handle, 1}, {&c.Hinge, 2},    {&c.Lock, 3},
                                                         {&c.Cylinder, 4}, {&c.Drive, 5}, {&c.Latch, 6}};
    for (const auto& [id, group] : components)
        if (!id->isEmpty())
            ResolveSetElements(ctx, *id, group, false);
    // The list may not change under the walk: resolving only adds items, never complects.
    const QStringList extras = c.ExtraComplects;
    for (const QString& extra : extras)
        if (!extra.isEmpty())
            ResolveSetElements(ctx, extra, 0, false);

    AddStrikePlates(ctx);
    AddAccessories(ctx, true);
    AddAccessories(ctx, false);

    std::erase_if(c.Items, [](const std::unique_ptr<TvxfFurnItem>& item) { return item->Count == 0; });
    // Byte order of the stored code page.
    std::vector<std::pair<QByteArray, std::unique_ptr<TvxfFurnItem>>> keyed;
    keyed.reserve(c.Items.size());
    for (auto& item : c.Items)
        keyed.emplace_back(ToCp1251(item->Article), std::move(item));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        c.Items[i] = std::move(keyed[i].second);
    return true;
}

} // namespace vx
