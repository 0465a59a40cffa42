#include "db/VXCatalogGenerator.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QSet>
#include <QVariant>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vx {

namespace {

// SplitMix64: fixed on every platform, unlike the standard distributions.
class TRandom {
public:
    explicit TRandom(quint64 seed) : State(seed) {}
    quint64 next()
    {
        quint64 z = (State += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int range(int lo, int hi) { return lo + int(next() % quint64(hi - lo + 1)); }   // inclusive
    bool chance(int percent) { return range(0, 99) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& list) { return list[size_t(range(0, int(list.size()) - 1))]; }

private:
    quint64 State;
};

// Writes rows of one table, fields set by name.
class TRowWriter {
public:
    TRowWriter(TDatabase& database, const QString& table) : Insert(database, table)
    {
        const QList<TFieldDef> fields = Insert.Fields();
        for (int i = 0; i < fields.size(); ++i)
            Positions.insert(fields[i].Name.toLower(), i);
        Values.resize(fields.size());
    }
    TRowWriter& set(const char* name, const QVariant& value)
    {
        auto cached = Cache.find(name);
        int pos;
        if (cached != Cache.end()) {
            pos = cached->second;
        } else {
            pos = Positions.value(QString::fromLatin1(name).toLower(), -1);
            if (pos < 0)
                throw EValtrixError(QStringLiteral("Генератор каталога: нет поля [%1]!").arg(QLatin1String(name)));
            Cache.emplace(name, pos);
        }
        Values[pos] = value;
        return *this;
    }
    void post()
    {
        Insert.Insert(Values);
        for (QVariant& v : Values)
            v = QVariant();
        ++Count;
    }
    int Count = 0;

private:
    TBulkInsert Insert;
    QHash<QString, int> Positions;
    std::unordered_map<const char*, int> Cache;   // keyed by the literal's address
    QVariantList Values;
};

const char* const ColorNames[] = {"Белый", "Коричневый", "Золото", "Серебро", "Бронза", "Титан",
                                  "Черный", "Шампань", "Белый матовый", "Старая бронза", "Латунь",
                                  "Хром матовый"};

// Kinds of catalog articles; every element is made of articles of one kind.
enum TKind {
    KTopHinge, KBottomHinge, KScissors, KDrive, KMiddleLock, KCornerDrive, KStrikePlate, KHandle,
    KCover, KFlushBolt, KPin, KLock, KCylinder, KCloser, KSeal, KRod, KMicrolift, KBlocker, KClamp,
    KScrew, KCap, KDoorHandle, KindCount
};

struct TArticleKind {
    const char* Name;
    const char* Unit;
};
const TArticleKind ArticleKinds[KindCount] = {
    {"Петля верхняя", "шт."},   {"Петля нижняя", "шт."},        {"Ножницы", "шт."},
    {"Привод", "шт."},          {"Средний запор", "шт."},       {"Угловой переключатель", "шт."},
    {"Ответная планка", "шт."}, {"Ручка оконная", "шт."},       {"Декоративная накладка", "шт."},
    {"Шпингалет", "шт."},       {"Ось петли", "шт."},           {"Замок дверной", "шт."},
    {"Цилиндр", "шт."},         {"Доводчик", "шт."},            {"Уплотнитель", "м"},
    {"Тяга", "м"},              {"Микролифт", "шт."},           {"Блокиратор", "шт."},
    {"Прижим", "шт."},          {"Винт крепежный", "шт."},      {"Заглушка", "шт."},
    {"Ручка дверная", "шт."},
};

// What elements are: the article kind, the check flags of FrnItem and the shape of their
// article rows (see ArticleRows).
enum class TTemplate {
    Drive, CornerDrive, Scissors, MiddleLock, TopHinge, BottomHinge, HingePin, Handle, DoorHandle, Rod,
    StrikePlate, Microlift, Blocker, Clamp, Cover, SlantDrive, CornerPart, ArchDrive, FastenerSet, Screw,
    LockBody, Cylinder, Closer, FlushBolt, Count
};
constexpr int TemplateCount = int(TTemplate::Count);

enum : unsigned {
    FColor = 1, FLuft = 2, FSize = 4, FDorn = 8, FProfSys = 16, FWeight = 32, FThick = 64, FProfWidth = 128,
    FStulp = 256, FDirect = 512, FVirtual = 1024
};

struct TTemplateInfo {
    const char* Name;
    int Kind;           // -1: composite, no articles of its own
    unsigned Flags;
};
const TTemplateInfo Templates[TemplateCount] = {
    {"Привод", KDrive, FDorn | FDirect},
    {"Угловой переключатель", KCornerDrive, FLuft},
    {"Ножницы", KScissors, FLuft},
    {"Средний запор", KMiddleLock, FSize},
    {"Петля верхняя", KTopHinge, FColor | FWeight},
    {"Петля нижняя", KBottomHinge, FColor | FWeight},
    {"Ось петли", KPin, 0},
    {"Ручка оконная", KHandle, FColor | FDirect},
    {"Ручка дверная", KDoorHandle, FColor | FDirect},
    {"Тяга", KRod, 0},
    {"Ответная планка", KStrikePlate, FProfSys},
    {"Микролифт", KMicrolift, FLuft},
    {"Блокиратор", KBlocker, FStulp},
    {"Прижим", KClamp, FProfWidth},
    {"Декоративная накладка", KCover, FColor},
    {"Привод наклонной створки", KDrive, FDorn},
    {"Угловой элемент", KCornerDrive, 0},
    {"Привод арочной створки", KDrive, 0},
    {"Комплект крепежа", -1, FVirtual},
    {"Винт крепежный", KScrew, 0},
    {"Замок", KLock, FDorn | FDirect},
    {"Цилиндр", KCylinder, FThick},
    {"Доводчик", KCloser, 0},
    {"Шпингалет", KFlushBolt, 0},
};

const TTemplateInfo& Info(TTemplate t)
{
    return Templates[int(t)];
}

// Main complects come in a pattern of twenty kinds; each system has every kind, the figures in
// both their variants (trapezoids 3 and 4, triangles 5 and 6, full and partial arches) early
// in the pattern, so that small catalogs have them all.
enum class TMainKind { TiltTurn, Turn, StulpMain, StulpSecondary, Trapezoid, Triangle, Arch, Door };
constexpr TMainKind MainPattern[] = {
    TMainKind::TiltTurn, TMainKind::Turn,      TMainKind::Trapezoid, TMainKind::Triangle,       TMainKind::Arch,
    TMainKind::StulpMain, TMainKind::StulpSecondary, TMainKind::TiltTurn, TMainKind::Trapezoid, TMainKind::Triangle,
    TMainKind::Arch,     TMainKind::Door,      TMainKind::TiltTurn,  TMainKind::Turn,           TMainKind::TiltTurn,
    TMainKind::TiltTurn, TMainKind::Turn,      TMainKind::TiltTurn,  TMainKind::TiltTurn,       TMainKind::TiltTurn,
};
constexpr int MainPatternSize = int(std::size(MainPattern));

// Components: handles (30-32), hinge sets (20-22), locks (40-42), cylinders, closers, flush bolts.
constexpr int ComponentGroups[] = {30, 20, 40, 45, 50, 46, 32, 22, 42, 31, 21, 41};
constexpr int ComponentGroupCount = int(std::size(ComponentGroups));

struct TPropFamily {
    int Base;
    const char* Group;
    std::vector<const char*> Values;
};
const TPropFamily PropFamilies[] = {
    {1000, "Исполнение", {"Стандарт", "Усиленное", "Облегченное"}},
    {1010, "Вариант ручки", {"Стандартная", "С ключом", "С кнопкой"}},
    {1020, "Цвет накладок", {"Белые", "Коричневые", "Серебро"}},
    {2000, "Петли", {"Стандартные", "Скрытые"}},
    {3000, "Замок", {"Однозапорный", "Многозапорный"}},
    {4000, "Цилиндр", {"30/30", "35/35", "40/40"}},
    {5000, "Доводчик", {"Без фиксации", "С фиксацией"}},
    {6000, "Шпингалет", {"Верхний", "Нижний"}},
};

const char* GroupName(int group)
{
    switch (group) {
    case 10: return "Комплект оконный";
    case 11: return "Комплект дверной";
    case 12: return "Комплект универсальный";
    case 20: case 21: case 22: return "Комплект петель";
    case 30: case 31: case 32: case 33: case 34: return "Ручка";
    case 40: case 41: case 42: case 43: case 44: return "Замок";
    case 45: return "Цилиндр";
    case 46: return "Шпингалеты";
    case 50: return "Доводчик";
    }
    return "Комплект";
}

const char* MainKindName(TMainKind kind)
{
    switch (kind) {
    case TMainKind::TiltTurn: return "поворотно-откидной";
    case TMainKind::Turn: return "поворотный";
    case TMainKind::StulpMain: return "штульповой, активная створка";
    case TMainKind::StulpSecondary: return "штульповой, пассивная створка";
    case TMainKind::Trapezoid: return "трапеция";
    case TMainKind::Triangle: return "треугольник";
    case TMainKind::Arch: return "арка";
    case TMainKind::Door: return "дверной";
    }
    return "";
}

QString Str(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

double Cents(TRandom& rnd, int minCents, int maxCents)
{
    return rnd.range(minCents, maxCents) / 100.0;
}

// Where a main complect stands in the pattern: its system, kind, round and direction.
struct TMainPlace {
    int System = 0;
    int Slot = 0;            // in MainPattern
    TMainKind Kind = TMainKind::TiltTurn;
    int Round = 0;           // how often the pattern came round for this system
    int Direct = 1;          // 1 left, 2 right
    int SizeClass = 0;       // 0 standard, 1 large, 2 small
    bool Second = false;     // the other variant of a figure: trapezoid 4, triangle 6, partial arch
};

TMainPlace MainPlace(const TCatalogGenParams& p, int c)
{
    TMainPlace m;
    m.System = c % p.Systems;
    m.Slot = (c / p.Systems) % MainPatternSize;
    m.Kind = MainPattern[m.Slot];
    m.Round = c / (p.Systems * MainPatternSize);
    m.Direct = m.Round % 2 == 0 ? 1 : 2;
    m.SizeClass = (m.Round / 2) % 3;
    int earlier = 0;
    for (int k = 0; k < m.Slot; ++k)
        earlier += MainPattern[k] == m.Kind ? 1 : 0;
    m.Second = (earlier + m.Round) % 2 == 1;
    return m;
}

// A component's system and group.
std::pair<int, int> ComponentPlace(const TCatalogGenParams& p, int j)
{
    return {j % p.Systems, ComponentGroups[(j / p.Systems) % ComponentGroupCount]};
}

QString SystemColor(const TCatalogGenParams& p, int system, int k)
{
    return GenColorId((system * 3 + k) % p.Colors);
}

QString ProfileSystemOf(const TCatalogGenParams& p, int system, int k)
{
    const int family = GenSystemId(system).toInt() / 100 * 100;
    return QStringLiteral("P%1-%2").arg(family).arg(k % p.ProfileSystemsPerFamily + 1);
}

} // namespace

TCatalogGenParams TCatalogGenParams::Large()
{
    TCatalogGenParams p;
    p.Systems = 8;
    p.Colors = 24;
    p.ColorsPerSystem = 8;
    p.PriceGroups = 10;
    p.Articles = 30000;
    p.Elements = 16000;
    p.MainComplects = 1200;
    p.Components = 800;
    p.SetRows = 50000;
    p.PropKeys = 200;
    p.StrikePlateRows = 12000;
    p.AccessoryRows = 8000;
    p.ColorAccessoryRows = 25000;
    return p;
}

QString TCatalogGenStats::Summary() const
{
    return QStringLiteral(
               "Цвета: %1, системы: %2, цвета систем: %3, профильные системы: %4, свойства: %5, "
               "материалы: %6, параметры: %7, валюты: %8, ценовые группы: %9, артикулы: %10, "
               "комплекты: %11, стороны: %12, элементы: %13, наборы: %14, артикулы элементов: %15, "
               "ответные планки: %16, аксессуары: %17, аксессуары по цвету: %18, фильтр свойств: %19, "
               "составные элементы: %20")
        .arg(Colors).arg(Systems).arg(SysColors).arg(ProfileSystems).arg(Properties).arg(Materials)
        .arg(ParamRows).arg(Currencies).arg(PriceGroups).arg(Articles).arg(Complects).arg(SideRows)
        .arg(Elements).arg(SetRows).arg(ArtRows).arg(StrikePlateRows).arg(AccessoryRows)
        .arg(ColorAccessoryRows).arg(PropRows).arg(ItoIRows);
}

QString GenArticleId(int index)
{
    return QStringLiteral("A%1").arg(index + 1, 6, 10, QLatin1Char('0'));
}

QString GenElementId(int index)
{
    return QStringLiteral("E%1").arg(index + 1, 5, 10, QLatin1Char('0'));
}

QString GenComplectId(int index)
{
    return QStringLiteral("K%1").arg(index + 1, 5, 10, QLatin1Char('0'));
}

QString GenSystemId(int index)
{
    return QString::number(100 * (index / 2 + 1) + index % 2 + 1);
}

QString GenColorId(int index)
{
    return QStringLiteral("C%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

TGenSashChoice GenSashChoice(const TCatalogGenParams& p, int index)
{
    TGenSashChoice choice;
    const int s = index % p.Systems;
    const int v = index / p.Systems;
    // The tilt-turn rectangles of the system in the rounds of standard size.
    std::vector<int> mains;
    for (int c = s; c < p.MainComplects; c += p.Systems) {
        const TMainPlace m = MainPlace(p, c);
        if (m.Kind == TMainKind::TiltTurn && m.SizeClass == 0)
            mains.push_back(c);
    }
    auto component = [&](int groupSlot) {
        std::vector<int> found;
        for (int j = s + groupSlot * p.Systems; j < p.Components; j += p.Systems * ComponentGroupCount)
            found.push_back(j);
        return found.empty() ? QString() : GenComplectId(p.MainComplects + found[size_t(v) % found.size()]);
    };
    choice.FurnSys = GenSystemId(s);
    choice.ProfSys = ProfileSystemOf(p, s, v);
    choice.Color = SystemColor(p, s, v % p.ColorsPerSystem);
    choice.Complect = mains.empty() ? QString() : GenComplectId(mains[size_t(v) % mains.size()]);
    choice.Handle = component(0);   // group 30
    choice.Hinge = component(1);    // group 20
    return choice;
}

TCatalogGenStats FillCatalog(TDatabase& database, const TCatalogGenParams& params)
{
    const TCatalogGenParams& p = params;
    if (p.Systems < 1 || p.Colors < 1 || p.ColorsPerSystem < 1 || p.ColorsPerSystem > p.Colors
        || p.Articles < 1 || p.Elements < 20 || p.MainComplects < 1 || p.Components < 0
        || p.ProfileSystemsPerFamily < 1 || p.PriceGroups < 0 || p.PropKeys < 0 || p.SetRows < 0)
        throw EValtrixError(QStringLiteral("Недопустимые параметры генератора каталога!"));

    TRandom rnd(p.Seed);
    TCatalogGenStats stats;
    EnsureSchema(database, Alias::Catalog);
    database.StartTransaction();
    try {
        // Colours and systems.
        {
            TRowWriter w(database, TableFile::ColorSet);
            for (int c = 0; c < p.Colors; ++c) {
                const QString name = c < int(std::size(ColorNames)) ? Str(ColorNames[c])
                                                                    : QStringLiteral("Цвет %1").arg(c + 1);
                w.set("Color", GenColorId(c)).set("Name", name).post();
            }
            stats.Colors = w.Count;
        }
        std::vector<std::vector<QString>> systemColors(size_t(p.Systems));
        for (int s = 0; s < p.Systems; ++s)
            for (int k = 0; k < p.ColorsPerSystem; ++k)
                systemColors[size_t(s)].push_back(GenColorId((s * 3 + k) % p.Colors));
        {
            TRowWriter w(database, TableFile::SysList);
            for (int s = 0; s < p.Systems; ++s) {
                const QString id = GenSystemId(s);
                w.set("ID", id).set("Group", 1).set("Name", QStringLiteral("Система фурнитуры %1").arg(id))
                    .set("ShortName", QStringLiteral("Система %1").arg(id)).set("Use", 1)
                    .set("CommonGrp", id.toInt()).set("BaseColor", systemColors[size_t(s)].front()).post();
            }
            stats.Systems = w.Count;
        }
        {
            TRowWriter w(database, TableFile::SysColor);
            for (int s = 0; s < p.Systems; ++s)
                for (const QString& color : systemColors[size_t(s)])
                    w.set("ID", color).set("System", GenSystemId(s))
                        .set("Article", QStringLiteral("SC-%1-%2").arg(GenSystemId(s), color)).post();
            stats.SysColors = w.Count;
        }
        std::vector<QString> profileSystems;
        {
            TRowWriter w(database, TableFile::SysProf);
            const int families = (p.Systems + 1) / 2;
            for (int f = 0; f < families; ++f) {
                const int family = 100 * (f + 1);
                for (int j = 0; j < p.ProfileSystemsPerFamily; ++j) {
                    const QString id = QStringLiteral("P%1-%2").arg(family).arg(j + 1);
                    profileSystems.push_back(id);
                    w.set("SchlSysID", id).set("FurnSysID", QString::number(family))
                        .set("Name", QStringLiteral("Профильная система %1").arg(id.mid(1))).post();
                }
            }
            stats.ProfileSystems = w.Count;
        }

        // Properties: families of ten consecutive IDs.
        std::vector<std::vector<int>> familyValues;
        {
            TRowWriter w(database, TableFile::SysProp);
            for (const TPropFamily& family : PropFamilies) {
                std::vector<int> ids;
                for (size_t k = 0; k < family.Values.size(); ++k) {
                    const int id = family.Base + int(k);
                    ids.push_back(id);
                    w.set("ID", id).set("GroupName", Str(family.Group)).set("ValueName", Str(family.Values[k]))
                        .set("Printable", 1).set("Use", 1)
                        .set("PrintName", Str(family.Group) + QStringLiteral(": ") + Str(family.Values[k]))
                        .post();
                }
                familyValues.push_back(ids);
            }
            stats.Properties = w.Count;
        }
        {
            TRowWriter w(database, TableFile::FrnProp);
            for (int key = 1; key <= p.PropKeys; ++key) {
                const std::vector<int>& values = familyValues[size_t((key - 1) % int(familyValues.size()))];
                const int listed = rnd.range(1, int(values.size()));
                for (int k = 0; k < listed; ++k)
                    w.set("ID", values[size_t(k)]).set("PropKey", key).set("Default", k == 0 ? 1 : 0).post();
            }
            stats.PropRows = w.Count;
        }
        {
            TRowWriter w(database, TableFile::Material);
            const char* names[] = {"Не задан", "ПВХ", "Дерево", "Алюминий"};
            for (int m = 0; m < 4; ++m)
                w.set("ID", m).set("Name", Str(names[m])).post();
            stats.Materials = w.Count;
        }

        // Parameter lists, each in its hundred.
        const int falzSizes[] = {18, 20, 22};
        {
            TRowWriter w(database, TableFile::ParamList);
            int code = 100;
            for (int luft : {12, 4})
                for (int size : falzSizes)
                    for (int pos : {9, 13})
                        w.set("ID", code++).set("Group", 1)
                            .set("Name", QStringLiteral("%1/%2-%3").arg(luft).arg(size).arg(pos))
                            .set("FalzLuft", luft).set("FalzSize", size).set("FalzPos", pos).post();
            code = 200;
            for (double dorn : {7.5, 15.0, 20.0, 25.0, 30.0, 35.0, 37.5, 40.0, 45.0})
                w.set("ID", code++).set("Group", 2)
                    .set("Name", QStringLiteral("Дорнмасс %1 мм").arg(QString::number(dorn).replace(u'.', u',')))
                    .set("DornMass", dorn).post();
            w.set("ID", 300).set("Group", 3).set("Name", QStringLiteral("Без штульпа")).set("StulpType", 0).post();
            for (int t = 1; t <= 5; ++t)
                w.set("ID", 300 + t).set("Group", 3).set("Name", QStringLiteral("Штульп тип %1").arg(t))
                    .set("StulpType", t).post();
            const char* openNames[] = {"Внутрь", "Наружу", "Т-образная створка", "Фрамуга"};
            const int openTypes[] = {0, 1, 2, 0};
            for (int k = 0; k < 4; ++k)
                w.set("ID", 400 + k).set("Group", 4).set("Name", Str(openNames[k]))
                    .set("OpenType", openTypes[k]).post();
            stats.ParamRows = w.Count;
        }

        // Currencies with their word forms, and price groups.
        {
            struct TCur {
                int Id;
                const char *Name, *Nom, *Gen, *GenPl;
                int Gender;
                double Rate;
                const char *DecNom, *DecGen, *DecGenPl;
                int DecGender;
            };
            const TCur currencies[] = {
                {1, "RUB", "рубль", "рубля", "рублей", 0, 1.0, "копейка", "копейки", "копеек", 1},
                {2, "USD", "доллар США", "доллара США", "долларов США", 0, 90.5, "цент", "цента", "центов", 0},
                {3, "EUR", "евро", "евро", "евро", 0, 98.25, "евроцент", "евроцента", "евроцентов", 0},
            };
            TRowWriter w(database, TableFile::Currency);
            for (const TCur& c : currencies)
                w.set("Name", Str(c.Name)).set("Nominative", Str(c.Nom)).set("Genitive", Str(c.Gen))
                    .set("GenitivePlural", Str(c.GenPl)).set("Gender", c.Gender).set("Dec", 2).set("ID", c.Id)
                    .set("Value", c.Rate).set("DecNominative", Str(c.DecNom)).set("DecGenitive", Str(c.DecGen))
                    .set("DecGenitivePlural", Str(c.DecGenPl)).set("DecGender", c.DecGender).post();
            stats.Currencies = w.Count;
        }
        {
            TRowWriter w(database, TableFile::PriceGrp);
            static const char* reduce[] = {"Reduce_1", "Reduce_2", "Reduce_3", "Reduce_4", "Reduce_5",
                                           "Reduce_6", "Reduce_7", "Reduce_8", "Reduce_9", "Reduce_10"};
            for (int g = 1; g <= p.PriceGroups; ++g) {
                w.set("Name", QStringLiteral("Группа %1").arg(g)).set("GroupID", g);
                for (int r = 0; r < 10; ++r)
                    w.set(reduce[r], r == 0 ? Cents(rnd, -1500, 2500) : (rnd.chance(30) ? Cents(rnd, 0, 1000) : 0.0));
                w.post();
            }
            stats.PriceGroups = w.Count;
        }

        // Articles: each of a system and a kind, priced as its kind, in one of three currencies.
        struct TPriceRange {
            int Min, Max;   // roubles
        };
        const TPriceRange prices[KindCount] = {
            {350, 1800}, {300, 1500}, {600, 2400}, {900, 4200}, {250, 900},  {300, 1100}, {60, 400},  {400, 3000},
            {40, 260},   {500, 2600}, {30, 180},   {3000, 15000}, {1500, 8000}, {4000, 20000}, {40, 140}, {200, 600},
            {150, 700},  {120, 600},  {40, 250},   {1, 12},    {5, 40},    {2500, 12000},
        };
        std::vector<std::vector<std::vector<int>>> pools(size_t(p.Systems), std::vector<std::vector<int>>(KindCount));
        {
            TRowWriter w(database, TableFile::Catalog);
            for (int a = 0; a < p.Articles; ++a) {
                const int s = a % p.Systems;
                const int kind = (a / p.Systems) % KindCount;
                pools[size_t(s)][size_t(kind)].push_back(a);
                const TArticleKind& k = ArticleKinds[kind];
                const bool second = rnd.chance(20);
                const QString sys = GenSystemId(s);
                const int currency = rnd.chance(50) ? 1 : rnd.range(2, 3);
                double price = Cents(rnd, prices[kind].Min * 100, prices[kind].Max * 100);
                if (currency != 1)
                    price = std::round(price / 0.9) / 100.0;   // about 90 roubles to the unit
                w.set("ID", GenArticleId(a)).set("Group", kind + 1)
                    .set("System", sys).set("FrontColor", SystemColor(p, s, rnd.range(0, p.ColorsPerSystem - 1)))
                    .set("Article", QStringLiteral("FA-%1").arg(a + 1, 6, 10, QLatin1Char('0')))
                    .set("ProdArticle", QStringLiteral("%1.%2").arg(sys).arg(rnd.range(10000, 99999)))
                    .set("ProdArticle2", second ? QStringLiteral("ALT-%1").arg(a + 1) : QString())
                    .set("UseArticle", second ? 2 : 1)
                    .set("Name", QStringLiteral("%1 %2").arg(Str(k.Name), GenArticleId(a)))
                    .set("ShortName", Str(k.Name)).set("Unit", Str(k.Unit)).set("Coef", 1.0)
                    .set("Integer", QByteArray(k.Unit) == "м" ? 0 : 1)
                    .set("Weight", Cents(rnd, 1, 250000)).set("Price", price)
                    .set("PriceList", 1).set("PriceMethod", 0)
                    .set("PriceGrp", rnd.chance(60) || p.PriceGroups == 0 ? 0 : rnd.range(1, p.PriceGroups))
                    .set("Currency", currency).set("GetNDS", 1).set("Use", 1)
                    .set("ScreenColor", rnd.range(0, 0xFFFFFF)).set("CommonUse", 1).set("Virtual", 0).post();
            }
            stats.Articles = w.Count;
        }
        // Element rows take the articles of their kind in a shuffled order, so that most are used.
        for (auto& kinds : pools)
            for (std::vector<int>& pool : kinds)
                for (int i = int(pool.size()) - 1; i > 0; --i)
                    std::swap(pool[size_t(i)], pool[size_t(rnd.range(0, i))]);
        std::vector<std::vector<int>> cursors(size_t(p.Systems), std::vector<int>(KindCount, 0));
        auto articleOf = [&](int s, int kind) -> QString {
            const std::vector<int>& pool = pools[size_t(s)][size_t(kind)];
            int& cursor = cursors[size_t(s)][size_t(kind)];
            const int n = cursor++;
            if (pool.empty())
                return GenArticleId((n * 7 + kind) % p.Articles);
            return GenArticleId(pool[size_t(n % int(pool.size()))]);
        };

        // Elements: the systems in turn, the templates in turn; each system has its variants of
        // every template (complect-specific drives, hinges of a series, ...).
        std::vector<std::vector<std::vector<int>>> elems(size_t(p.Systems), std::vector<std::vector<int>>(TemplateCount));
        auto templateOf = [&](int e) { return TTemplate((e / p.Systems) % TemplateCount); };
        for (int e = 0; e < p.Elements; ++e)
            elems[size_t(e % p.Systems)][size_t(templateOf(e))].push_back(e);
        auto elementOf = [&](int s, TTemplate t, int variant) -> int {
            for (int o = 0; o < p.Systems; ++o) {
                const std::vector<int>& list = elems[size_t((s + o) % p.Systems)][size_t(t)];
                if (!list.empty())
                    return list[size_t(variant % int(list.size()))];
            }
            return -1;   // a catalog too small for this template
        };

        // Articles whose items bring strike plates, accessories and coloured covers.
        struct TSources {
            std::vector<QString> List;
            QSet<QString> Seen;
            void add(const QString& a)
            {
                if (!Seen.contains(a)) {
                    Seen.insert(a);
                    List.push_back(a);
                }
            }
        };
        std::vector<TSources> plateSources(size_t(p.Systems)), dopSources(size_t(p.Systems)),
            hingeSources(size_t(p.Systems));
        std::vector<bool> handleSource;   // per dop source: a handle (screws and a cap) or a drive (caps)
        QSet<QString> handleArticles;
        std::unordered_map<int, QString> firstArticle;   // element -> the article of its first row
        const int falzLufts[] = {12, 4};
        {
            const int heights[][2] = {{0, 60}, {61, 80}, {81, 100}, {101, 120}, {121, 140}, {141, 160}, {161, 200}, {201, 999}};
            const int handleHeights[] = {300, 400, 450, 500, 600, 700, 800, 1000};
            const double dornBands[][2] = {{0, 10}, {10.01, 30}, {30.01, 999}};
            const int widths[][2] = {{0, 40}, {41, 55}, {56, 70}, {71, 85}, {86, 110}, {111, 999}};
            const int lengths[][2] = {{0, 600}, {601, 900}, {901, 1200}, {1201, 1600}, {1601, 2000}, {2001, 9999}};
            const double angles[][2] = {{0, 30}, {30.01, 45}, {45.01, 60}, {60.01, 75}, {75.01, 90}, {90.01, 180}};
            const int radii[][2] = {{0, 400}, {401, 600}, {601, 800}, {801, 1000}, {1001, 1500}, {1501, 9999}};
            const int thicknesses[][2] = {{0, 60}, {61, 80}, {81, 999}};
            const int closerWidths[][2] = {{0, 70}, {71, 90}, {91, 110}, {111, 999}};
            const int boltHeights[][2] = {{0, 120}, {121, 180}, {181, 220}, {221, 999}};

            TRowWriter items(database, TableFile::FrnItem);
            TRowWriter arts(database, TableFile::FrnArt);
            int artKey = 1;
            QString article;
            auto artRow = [&](int e, int s, int kind) -> TRowWriter& {
                article = articleOf(s, kind);
                firstArticle.emplace(e, article);
                // Ranges wide open unless the element's rows narrow them.
                arts.set("ID", GenElementId(e)).set("CatalogID", article).set("Key", artKey++)
                    .set("DornMassMin", 0.0).set("DornMassMax", 999.0).set("HandleMin", 0).set("HandleMax", 9999)
                    .set("WeightMin", 0.0).set("WeightMax", 999.0).set("ThicknessMin", 0).set("ThicknessMax", 999)
                    .set("ProfWidthMin", 0).set("ProfWidthMax", 999).set("FFBMin", 0).set("FFBMax", 999)
                    .set("FFHMin", 0).set("FFHMax", 999).set("FFL1Min", 0).set("FFL1Max", 9999)
                    .set("FFL2Min", 0).set("FFL2Max", 9999).set("FFAMin", 0.0).set("FFAMax", 360.0)
                    .set("FFR1Min", 0).set("FFR1Max", 9999).set("FFR2Min", 0).set("FFR2Max", 9999)
                    .set("StulpType", 0).set("Direct", 3);
                return arts;
            };
            for (int e = 0; e < p.Elements; ++e) {
                const int s = e % p.Systems;
                const TTemplate t = templateOf(e);
                const TTemplateInfo& info = Info(t);
                const QString id = GenElementId(e);
                auto flag = [&](unsigned f) { return (info.Flags & f) != 0 ? 1 : 0; };
                int commonGrp = 0;
                if (t == TTemplate::StrikePlate)
                    commonGrp = e % 3 == 0 ? GenSystemId(s).toInt() / 100 * 100 : GenSystemId(s).toInt();
                items.set("ID", id).set("Name", QStringLiteral("%1 %2").arg(Str(info.Name), id))
                    .set("HasColor", flag(FColor)).set("HasFalzLuft", flag(FLuft)).set("HasFalzSize", flag(FSize))
                    .set("HasFalzPos", 0).set("HasDornMass", flag(FDorn)).set("HasProfSys", flag(FProfSys))
                    .set("CheckWeight", flag(FWeight)).set("CheckThickness", flag(FThick))
                    .set("CheckProfWidth", flag(FProfWidth)).set("CheckStulpType", flag(FStulp))
                    .set("CheckDirect", flag(FDirect)).set("Virtual", flag(FVirtual)).set("CommonGrp", commonGrp)
                    .post();

                const int kind = info.Kind;
                std::vector<QString> colors;
                for (int k = 0; k < p.ColorsPerSystem; ++k)
                    colors.push_back(SystemColor(p, s, k));
                switch (t) {
                case TTemplate::Drive:
                    for (size_t r = 0; r < std::size(heights); ++r)
                        for (const auto& band : dornBands) {
                            artRow(e, s, kind).set("FFHMin", heights[r][0]).set("FFHMax", heights[r][1])
                                .set("DornMassMin", band[0]).set("DornMassMax", band[1])
                                .set("HandleHeight", handleHeights[r] + 50 * rnd.range(0, 1)).post();
                            plateSources[size_t(s)].add(article);
                            dopSources[size_t(s)].add(article);
                        }
                    break;
                case TTemplate::CornerDrive:
                case TTemplate::Microlift:
                    for (int luft : falzLufts) {
                        artRow(e, s, kind).set("FalzLuft", luft).post();
                        if (t == TTemplate::CornerDrive)
                            plateSources[size_t(s)].add(article);
                    }
                    break;
                case TTemplate::Scissors:
                    for (const auto& w : widths)
                        for (int luft : falzLufts) {
                            artRow(e, s, kind).set("FFBMin", w[0]).set("FFBMax", w[1]).set("FalzLuft", luft).post();
                            plateSources[size_t(s)].add(article);
                        }
                    break;
                case TTemplate::MiddleLock:
                    for (int size : falzSizes) {
                        artRow(e, s, kind).set("FalzSize", size).post();
                        plateSources[size_t(s)].add(article);
                    }
                    break;
                case TTemplate::TopHinge:
                case TTemplate::BottomHinge:
                    for (const QString& color : colors) {
                        artRow(e, s, kind).set("Color", color).set("WeightMin", 0.0).set("WeightMax", 130.0).post();
                        hingeSources[size_t(s)].add(article);
                    }
                    artRow(e, s, kind).set("WeightMin", 0.0).set("WeightMax", 130.0).post();   // colourless
                    hingeSources[size_t(s)].add(article);
                    break;
                case TTemplate::Handle:
                case TTemplate::DoorHandle:
                    for (int k = 0; k <= int(colors.size()); ++k)
                        for (int direct : {1, 2}) {
                            artRow(e, s, kind).set("Color", k < int(colors.size()) ? colors[size_t(k)] : QString())
                                .set("Direct", direct).post();
                            dopSources[size_t(s)].add(article);
                            handleArticles.insert(article);
                        }
                    break;
                case TTemplate::StrikePlate:
                    for (int k = 0; k < p.ProfileSystemsPerFamily; ++k)
                        artRow(e, s, kind).set("ProfSys", ProfileSystemOf(p, s, k)).post();
                    break;
                case TTemplate::Blocker:
                    for (int stulp = 1; stulp <= 6; ++stulp)
                        artRow(e, s, kind).set("StulpType", stulp).post();
                    break;
                case TTemplate::Cover:
                    for (const QString& color : colors)
                        artRow(e, s, kind).set("Color", color).post();
                    artRow(e, s, kind).post();
                    break;
                case TTemplate::SlantDrive:
                    for (const auto& l : lengths)
                        artRow(e, s, kind).set("FFL1Min", l[0]).set("FFL1Max", l[1]).post();
                    break;
                case TTemplate::CornerPart:
                    for (const auto& a : angles)
                        artRow(e, s, kind).set("FFAMin", a[0]).set("FFAMax", a[1]).post();
                    break;
                case TTemplate::ArchDrive:
                    for (const auto& r : radii)
                        artRow(e, s, kind).set("FFR1Min", r[0]).set("FFR1Max", r[1]).post();
                    break;
                case TTemplate::LockBody:
                    for (const auto& band : dornBands)
                        for (int direct : {1, 2}) {
                            artRow(e, s, kind).set("DornMassMin", band[0]).set("DornMassMax", band[1])
                                .set("Direct", direct).post();
                            plateSources[size_t(s)].add(article);
                        }
                    break;
                case TTemplate::Cylinder:
                    for (const auto& th : thicknesses)
                        artRow(e, s, kind).set("ThicknessMin", th[0]).set("ThicknessMax", th[1]).post();
                    break;
                case TTemplate::Closer:
                    for (const auto& w : closerWidths)
                        artRow(e, s, kind).set("FFBMin", w[0]).set("FFBMax", w[1]).post();
                    break;
                case TTemplate::FlushBolt:
                    for (const auto& h : boltHeights)
                        artRow(e, s, kind).set("FFHMin", h[0]).set("FFHMax", h[1]).post();
                    break;
                case TTemplate::FastenerSet:
                    break;   // composite: its parts are in FrnItoI
                default:     // one article: pins, rods, clamps, screws
                    artRow(e, s, kind).post();
                    break;
                }
            }
            stats.Elements = items.Count;
            stats.ArtRows = arts.Count;
        }

        // Composite elements: fastener sets of screws, clamps and covers of their system.
        QSet<int> composites;
        {
            TRowWriter w(database, TableFile::FrnItoI);
            for (int e = 0; e < p.Elements; ++e) {
                if (templateOf(e) != TTemplate::FastenerSet)
                    continue;
                const int s = e % p.Systems;
                const int v = e / p.Systems;
                const struct {
                    TTemplate Part;
                    int Number;
                } parts[] = {{TTemplate::Screw, 4 + 2 * rnd.range(0, 2)}, {TTemplate::Clamp, rnd.range(1, 2)},
                             {TTemplate::Cover, 2}};
                for (const auto& part : parts) {
                    const int item = elementOf(s, part.Part, v);
                    if (item < 0 || (part.Part == TTemplate::Cover && rnd.chance(50)))
                        continue;
                    w.set("ID", GenElementId(e)).set("Item", GenElementId(item)).set("PropKey", 0)
                        .set("Number", part.Number).set("StulpType", 0).set("ColorCondition", 0).set("Required", 0)
                        .set("ItemSideNo", 0).set("Note", part.Part == TTemplate::Cover ? QStringLiteral("Накладки") : QString())
                        .post();
                    composites.insert(e);
                }
            }
            stats.ItoIRows = w.Count;
        }

        // Complects: main complects by the pattern, then the components.
        const int complects = p.MainComplects + p.Components;
        struct TSetSpec {
            int Element = -1;
            TTemplate Template = TTemplate::Screw;
            std::vector<std::pair<const char*, QVariant>> Fields;
        };
        // The fields a set row of an element needs for its articles' condition.
        auto setRow = [&](int s, TTemplate t, int variant, int handleSide,
                          std::vector<std::pair<const char*, QVariant>> fields) -> TSetSpec {
            TSetSpec spec;
            spec.Template = t;
            spec.Element = elementOf(s, t, variant);
            if (spec.Element >= 0 && t == TTemplate::FastenerSet && !composites.contains(spec.Element))
                spec.Element = -1;
            std::vector<std::pair<const char*, QVariant>> base{{"Number", 1}};
            switch (t) {
            case TTemplate::Drive:
                base.insert(base.end(), {{"Condition", 2}, {"DefineHandleHeight", 1}, {"HandleSideNo", handleSide}});
                break;
            case TTemplate::Scissors:
            case TTemplate::Closer:
                base.push_back({"Condition", 1});
                break;
            case TTemplate::FlushBolt:
                base.push_back({"Condition", 2});
                break;
            case TTemplate::SlantDrive:
                base.insert(base.end(), {{"Condition", 4}, {"Side1No", 2}});
                break;
            case TTemplate::CornerPart:
                base.insert(base.end(), {{"Condition", 7}, {"AngleNo", 1}});
                break;
            case TTemplate::ArchDrive:
                base.insert(base.end(), {{"Condition", 8}, {"Side1No", 2}});
                break;
            default:
                break;
            }
            spec.Fields = std::move(base);
            spec.Fields.insert(spec.Fields.end(), fields.begin(), fields.end());
            return spec;
        };
        auto sidesOf = [&](const TMainPlace& m, int& hingeSide, int& handleSide, int& count) {
            count = m.Kind == TMainKind::Triangle ? 3 : 4;
            if (m.Kind == TMainKind::Triangle) {
                hingeSide = 3;
                handleSide = m.Second ? 1 : 2;
            } else {
                hingeSide = m.Direct == 1 ? 1 : 3;
                handleSide = m.Direct == 1 ? 3 : 1;
            }
        };

        std::vector<std::vector<TSetSpec>> cores(static_cast<size_t>(complects));
        for (int c = 0; c < p.MainComplects; ++c) {
            const TMainPlace m = MainPlace(p, c);
            const int s = m.System;
            const int v = c / p.Systems;
            int hs = 0, hd = 0, count = 0;
            sidesOf(m, hs, hd, count);
            const int bottom = count == 3 ? 3 : 4;
            std::vector<TSetSpec>& rows = cores[size_t(c)];
            rows.push_back(setRow(s, TTemplate::Drive, v, hd, {{"Required", 1}}));
            rows.push_back(setRow(s, TTemplate::CornerDrive, v, hd, {{"Number", 2}, {"Required", 1}}));
            if (m.Kind == TMainKind::TiltTurn)
                rows.push_back(setRow(s, TTemplate::Scissors, v, hd, {{"ItemSideNo", 2}}));
            rows.push_back(setRow(s, TTemplate::MiddleLock, v, hd,
                                  {{"Number", 0}, {"ScaleCondition", 1}, {"ScaleStart", 60}, {"ScaleStep", 50},
                                   {"ScaleNum", 1}, {"ItemSideNo", bottom}}));
            rows.push_back(setRow(s, TTemplate::MiddleLock, v + 1, hd,
                                  {{"Number", 0}, {"ScaleCondition", 3}, {"Side1No", hd},
                                   {"ScaleScheme", QStringLiteral("900;1500")}, {"ScaleNum", 1}, {"ItemSideNo", hd}}));
            rows.push_back(setRow(s, TTemplate::Rod, v, hd,
                                  {{"UseLen", 1}, {"LenFormula", QStringLiteral("FRH/2-250")}, {"MinLen", 100},
                                   {"FFHMin", 90}, {"Number", rnd.range(1, 2)}}));
            rows.push_back(setRow(s, TTemplate::Microlift, v, hd, {{"FFBMin", 50 + 10 * rnd.range(0, 2)}}));
            const bool stulp = m.Kind == TMainKind::StulpMain || m.Kind == TMainKind::StulpSecondary;
            rows.push_back(setRow(s, TTemplate::Blocker, v, hd, {{"StulpType", stulp ? 62 : 64}}));
            rows.push_back(setRow(s, TTemplate::Clamp, v, hd,
                                  {{"Number", 0}, {"ScaleCondition", 2}, {"ScaleStart", 100}, {"ScaleStep", 60},
                                   {"ScaleNum", 1}, {"ItemSideNo", hs}}));
            rows.push_back(setRow(s, TTemplate::FastenerSet, v, hd, {}));
            rows.push_back(setRow(s, TTemplate::Cover, v, hd,
                                  {{"ColorCondition", 1}, {"Number", 2}, {"Note", QStringLiteral("Накладки по цвету профиля")}}));
            rows.push_back(setRow(s, TTemplate::Screw, v, hd, {{"Number", 4 + 2 * rnd.range(0, 2)}}));
            switch (m.Kind) {
            case TMainKind::Trapezoid:
                rows.push_back(setRow(s, TTemplate::SlantDrive, v, hd, {{"FFL1No", 2}, {"FFL1Min", 200}}));
                break;
            case TMainKind::Triangle:
                rows.push_back(setRow(s, TTemplate::CornerPart, v, hd, {{"FFANo", 1}, {"FFAMin", 5.0}, {"FFAMax", 95.0}}));
                break;
            case TMainKind::Arch:
                rows.push_back(setRow(s, TTemplate::ArchDrive, v, hd, {{"FFR1No", 2}, {"FFR1Type", 6}}));
                break;
            case TMainKind::StulpMain:
                rows.push_back(setRow(s, TTemplate::MiddleLock, v + 2, hd,
                                      {{"StulpType", 62}, {"FFL21No", 1}, {"FFL21Min", 300},
                                       {"Note", QStringLiteral("Штульповой запор")}}));
                break;
            case TMainKind::StulpSecondary: {
                // The passive sash takes the lock plate only when the active one has its corner drive.
                const int active = c - p.Systems;
                const int corner = active >= 0 ? elementOf(s, TTemplate::CornerDrive, active / p.Systems) : -1;
                if (corner >= 0 && firstArticle.count(corner))
                    rows.push_back(setRow(s, TTemplate::MiddleLock, v + 2, hd,
                                          {{"UseIfArt", firstArticle[corner]}, {"Note", QStringLiteral("Ответ штульпа")}}));
                break;
            }
            case TMainKind::Door:
                rows.push_back(setRow(s, TTemplate::Clamp, v + 1, hd, {{"Number", 2}, {"FFHMin", 180}}));
                break;
            default:
                break;
            }
        }
        for (int j = 0; j < p.Components; ++j) {
            const auto [s, group] = ComponentPlace(p, j);
            const int v = j / p.Systems;
            std::vector<TSetSpec>& rows = cores[size_t(p.MainComplects + j)];
            switch (group) {
            case 30:
            case 32:
                rows.push_back(setRow(s, TTemplate::Handle, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::Screw, v, 0, {{"Number", 2}}));
                break;
            case 31:
                rows.push_back(setRow(s, TTemplate::DoorHandle, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::Screw, v, 0, {{"Number", 4}}));
                break;
            case 20:
            case 21:
            case 22:
                rows.push_back(setRow(s, TTemplate::TopHinge, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::BottomHinge, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::HingePin, v, 0, {{"Number", 2}}));
                rows.push_back(setRow(s, TTemplate::Cover, v + 1, 0, {{"Number", 2}}));
                rows.push_back(setRow(s, TTemplate::BottomHinge, v + 1, 0,
                                      {{"FFHMin", 160}, {"Note", QStringLiteral("Средняя петля")}}));
                rows.push_back(setRow(s, TTemplate::Screw, v, 0, {{"Number", 8}}));
                break;
            case 40:
            case 41:
            case 42:
                rows.push_back(setRow(s, TTemplate::LockBody, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::Screw, v, 0, {{"Number", 4}}));
                break;
            case 45:
                rows.push_back(setRow(s, TTemplate::Cylinder, v, 0, {{"Required", 1}}));
                break;
            case 50:
                rows.push_back(setRow(s, TTemplate::Closer, v, 0, {{"Required", 1}}));
                rows.push_back(setRow(s, TTemplate::Screw, v, 0, {{"Number", 4}}));
                break;
            default:   // 46
                rows.push_back(setRow(s, TTemplate::FlushBolt, v, 0, {{"Number", 2}}));
                break;
            }
        }
        for (auto& rows : cores)
            std::erase_if(rows, [](const TSetSpec& r) { return r.Element < 0; });

        {
            TRowWriter comp(database, TableFile::FrnComp);
            TRowWriter side(database, TableFile::FrnSide);
            for (int c = 0; c < complects; ++c) {
                const bool main = c < p.MainComplects;
                const TMainPlace m = main ? MainPlace(p, c) : TMainPlace();
                const auto [cs, cgroup] = main ? std::pair<int, int>{m.System, 0} : ComponentPlace(p, c - p.MainComplects);
                const int s = cs;
                int group = cgroup;
                if (main)
                    group = m.Kind == TMainKind::Door ? 11 : m.Kind == TMainKind::Turn ? 12 : 10;
                const int direct = main ? m.Direct : (c % 2 == 0 ? 1 : 2);
                QString symmetric;
                const int twin = m.Direct == 1 ? c + p.Systems * MainPatternSize : c - p.Systems * MainPatternSize;
                if (main && twin >= 0 && twin < p.MainComplects)
                    symmetric = GenComplectId(twin);
                QString name = QStringLiteral("%1 %2").arg(Str(GroupName(group)), GenComplectId(c));
                if (main) {
                    name += QStringLiteral(" %1").arg(Str(MainKindName(m.Kind)));
                    if (m.Kind == TMainKind::Trapezoid)
                        name += m.Second ? QStringLiteral(", правая сторона ниже") : QStringLiteral(", левая сторона ниже");
                    else if (m.Kind == TMainKind::Triangle)
                        name += m.Second ? QStringLiteral(", вертикальная сторона слева") : QStringLiteral(", вертикальная сторона справа");
                    else if (m.Kind == TMainKind::Arch)
                        name += m.Second ? QStringLiteral(" лучковая") : QStringLiteral(" полуциркульная");
                }
                name += direct == 1 ? QStringLiteral(" (левый)") : QStringLiteral(" (правый)");
                comp.set("ID", GenComplectId(c)).set("Group", group)
                    .set("SubGroup", m.Kind == TMainKind::StulpMain ? 11 : m.Kind == TMainKind::StulpSecondary ? 12 : 0)
                    .set("Kipp", main && m.Kind == TMainKind::TiltTurn ? 1 : 0).set("Name", name).set("SymmetricID", symmetric)
                    .set("Image", main ? 1 + m.Slot % 5 : c % 10).set("MaxWeight", main && m.Kind == TMainKind::Door ? 160 : 130)
                    .set("ScrColor", rnd.range(0, 0xFFFFFF)).set("TFlugelAvailable", c % 7 == 0 ? 0 : 1)
                    .set("Use", 1).set("CommonGrp", GenSystemId(s).toInt()).set("Direct", direct).set("Printable", 1)
                    .set("PrintName", name)
                    .set("PropKey", p.PropKeys > 0 && rnd.chance(20) ? rnd.range(1, p.PropKeys) : 0)
                    .set("DispHingeNum", 0).set("Material", rnd.chance(70) ? 0 : rnd.range(1, 3)).post();
                if (!main)
                    continue;
                // Side rules admitting exactly the outlines the complect is for.
                int hs = 0, hd = 0, count = 0;
                sidesOf(m, hs, hd, count);
                struct TSize {
                    int HMin, HMax, WMin, WMax;
                };
                const TSize classes[] = {{500, 1800, 350, 1300}, {900, 2400, 500, 1600}, {300, 900, 250, 700}};
                TSize size = m.Kind == TMainKind::Door ? TSize{1800, 2500, 600, 1200} : classes[m.SizeClass];
                const bool rect = m.Kind == TMainKind::TiltTurn || m.Kind == TMainKind::Turn || m.Kind == TMainKind::Door
                               || m.Kind == TMainKind::StulpMain || m.Kind == TMainKind::StulpSecondary;
                if (!rect)
                    size = {100, 3000, 100, 3000};
                const bool odd = m.Second;
                for (int n = 1; n <= count; ++n) {
                    double minAngle = 0, maxAngle = 360;
                    int minRadius = 0, maxRadius = 0, full = 0, half = 0;
                    if (rect) {
                        minAngle = 89.99;
                        maxAngle = 90.01;
                    } else if (m.Kind == TMainKind::Trapezoid && n == 2) {
                        minAngle = odd ? 10 : 100;
                        maxAngle = odd ? 80 : 170;
                    } else if (m.Kind == TMainKind::Triangle && n == 1) {
                        minAngle = odd ? 85 : 10;
                        maxAngle = odd ? 95 : 80;
                    } else if (m.Kind == TMainKind::Arch && n == 2) {
                        minRadius = 1;
                        maxRadius = 5000;
                        (odd ? half : full) = 1;
                    }
                    const bool vertical = n % 2 == 1;
                    side.set("ID", GenComplectId(c)).set("Side", n)
                        .set("MinSize", vertical ? size.HMin : size.WMin).set("MaxSize", vertical ? size.HMax : size.WMax)
                        .set("MinAngle", minAngle).set("MaxAngle", maxAngle).set("MinRadius", minRadius)
                        .set("MaxRadius", maxRadius).set("FullRadius", full).set("HalfRadius", half).set("EllipseRadius", 0)
                        .set("OpenMode", n == hs ? 1 : 0).set("RotSide", n == hs ? n : 0).set("Handled", n == hd ? 1 : 0)
                        .set("HandleDirect", n == hd ? direct - 1 : 0).set("Banded", n == hs ? 1 : 0)
                        .set("Drived", n != hs ? 1 : 0).post();
                }
            }
            stats.Complects = comp.Count;
            stats.SideRows = side.Count;
        }

        // Set rows: every complect its own rows first, then variants for other sizes, stulp
        // types and properties (rows that real sashes mostly skip), to the number asked for.
        {
            std::vector<qint64> weight(static_cast<size_t>(complects));
            qint64 total = 0;
            for (int c = 0; c < complects; ++c) {
                weight[size_t(c)] = std::max<qint64>(1, qint64(cores[size_t(c)].size()));
                total += weight[size_t(c)];
            }
            TRowWriter w(database, TableFile::FrnSet);
            int key = 1;
            qint64 before = 0;
            for (int c = 0; c < complects; ++c) {
                const qint64 start = before * p.SetRows / total;
                before += weight[size_t(c)];
                const int quota = int(before * p.SetRows / total - start);
                const bool main = c < p.MainComplects;
                const int s = main ? MainPlace(p, c).System : ComponentPlace(p, c - p.MainComplects).first;
                const int v = main ? c / p.Systems : (c - p.MainComplects) / p.Systems;
                int hs = 0, hd = 0, count = 0;
                if (main)
                    sidesOf(MainPlace(p, c), hs, hd, count);
                std::vector<TSetSpec> rows = cores[size_t(c)];
                if (int(rows.size()) > quota)
                    rows.resize(size_t(quota));
                for (int k = 0; int(rows.size()) < quota; ++k) {
                    TSetSpec extra;
                    switch (k % 10) {
                    case 0: extra = setRow(s, TTemplate::MiddleLock, v + k, hd, {{"FFBMin", 130 + 10 * rnd.range(0, 3)}, {"Note", QStringLiteral("Дополнительный запор")}}); break;
                    case 1: extra = setRow(s, TTemplate::Clamp, v + k, hd, {{"FFHMin", 200 + 10 * rnd.range(0, 3)}}); break;
                    case 2: extra = setRow(s, TTemplate::Blocker, v + k, hd, {{"StulpType", 4}}); break;
                    case 3: extra = setRow(s, TTemplate::Microlift, v + k, hd, {{"FFHMax", 40 + 10 * rnd.range(0, 2)}}); break;
                    case 4: extra = setRow(s, TTemplate::Drive, v + k, hd, {{"FFHMin", 250}}); break;
                    case 5: extra = setRow(s, TTemplate::Cover, v + k, hd, {{"FFBMax", 25 + 5 * rnd.range(0, 1)}}); break;
                    case 6:
                        extra = setRow(s, TTemplate::Screw, v + k, hd,
                                       {{"Number", rnd.range(1, 3)},
                                        {p.PropKeys > 0 && rnd.chance(30) ? "PropKey" : "FFBMin",
                                         p.PropKeys > 0 ? rnd.range(1, p.PropKeys) : 150}});
                        break;
                    case 7: extra = setRow(s, TTemplate::CornerDrive, v + k, hd, {{"StulpType", 8}}); break;
                    case 8: extra = setRow(s, TTemplate::Scissors, v + k, hd, {{"FFBMin", 140}}); break;
                    default: extra = setRow(s, TTemplate::Clamp, v + k, hd, {{"FFL1No", 1}, {"FFL1Min", 2200 + rnd.range(0, 200)}}); break;
                    }
                    if (extra.Element < 0)
                        extra = setRow(s, TTemplate::Drive, v + k, hd, {{"FFHMin", 250}});
                    if (extra.Element < 0)
                        extra.Element = (c + k) % p.Elements;   // a tiny catalog: any element with articles
                    while (composites.contains(extra.Element) == false && templateOf(extra.Element) == TTemplate::FastenerSet)
                        extra.Element = (extra.Element + 1) % p.Elements;
                    rows.push_back(std::move(extra));
                }
                for (const TSetSpec& r : rows) {
                    w.set("ID", GenComplectId(c)).set("Item", GenElementId(r.Element)).set("Key", key++);
                    for (const auto& [field, value] : r.Fields)
                        w.set(field, value);
                    w.post();
                }
            }
            stats.SetRows = w.Count;
        }

        // Strike plates for the articles of drives, corner drives, locks and scissors, the
        // systems in turn, as many rows as asked for.
        auto inTurn = [&](std::vector<TSources>& sources, const std::function<bool(int, const QString&)>& add) {
            size_t longest = 0;
            for (const TSources& src : sources)
                longest = std::max(longest, src.List.size());
            for (size_t i = 0; i < longest; ++i)
                for (int s = 0; s < p.Systems; ++s)
                    if (i < sources[size_t(s)].List.size() && !add(s, sources[size_t(s)].List[i]))
                        return;
        };
        {
            TRowWriter w(database, TableFile::FrnSchl);
            int key = 1;
            inTurn(plateSources, [&](int s, const QString& source) {
                const int plates = rnd.chance(40) ? 2 : 1;
                for (int k = 0; k < plates && w.Count < p.StrikePlateRows; ++k) {
                    const int plate = elementOf(s, TTemplate::StrikePlate, key + k);
                    if (plate < 0)
                        return false;
                    w.set("CatalogID", source).set("Item", GenElementId(plate)).set("Key", key++)
                        .set("Number", k == 0 ? rnd.range(1, 2) : 1).set("StulpType", k == 0 ? 0 : 6).set("PropKey", 0)
                        .set("ItemSideNo", 0).set("ItemComplectID", QString()).post();
                }
                return w.Count < p.StrikePlateRows;
            });
            stats.StrikePlateRows = w.Count;
        }
        {
            // Handles bring their screws and a cap, drives their caps.
            TRowWriter w(database, TableFile::FrnDop);
            int key = 1;
            inTurn(dopSources, [&](int s, const QString& source) {
                const bool handle = handleArticles.contains(source);
                const std::pair<int, int> accessories[] = {{handle ? KScrew : KCap, 2}, {KCap, 1}};
                for (int k = 0; k < (handle ? 2 : 1) && w.Count < p.AccessoryRows; ++k)
                    w.set("CatalogID", source).set("AccessoryID", articleOf(s, accessories[k].first)).set("Key", key++)
                        .set("Number", accessories[k].second).set("PropKey", 0).set("StulpType", 0)
                        .set("ItemSideNo", 0).set("ItemComplectID", QString()).post();
                return w.Count < p.AccessoryRows;
            });
            stats.AccessoryRows = w.Count;
        }
        {
            // Hinges get covers in the fittings colour, or the colourless ones.
            TRowWriter w(database, TableFile::FrnAbd);
            inTurn(hingeSources, [&](int s, const QString& source) {
                for (int k = 0; k <= p.ColorsPerSystem && w.Count < p.ColorAccessoryRows; ++k)
                    w.set("CatalogID", source).set("Color", k < p.ColorsPerSystem ? SystemColor(p, s, k) : QString())
                        .set("AccessoryID", articleOf(s, KCover)).set("Number", 1).set("ItemSideNo", 0)
                        .set("ItemComplectID", QString()).post();
                return w.Count < p.ColorAccessoryRows;
            });
            stats.ColorAccessoryRows = w.Count;
        }
        database.Commit();
    } catch (...) {
        database.Rollback();
        throw;
    }
    return stats;
}

TCatalogGenStats GenerateCatalog(const QString& directory, const TCatalogGenParams& params)
{
    CreateEmptyDatabase(Alias::Catalog, directory);
    TDatabase database(Alias::Catalog);
    database.SetDirectory(directory);
    database.Open();
    TCatalogGenStats stats = FillCatalog(database, params);
    database.Close();
    return stats;
}

} // namespace vx
