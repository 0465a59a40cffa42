#include "db/VXCatalogGenerator.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QVariant>
#include <unordered_map>
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

enum class TElementKind { Regular, Sized, FalzDependent, StrikePlate, Composite };

TElementKind ElementKind(int index)
{
    if (index % 20 == 19)
        return TElementKind::Composite;
    if (index % 10 == 3)
        return TElementKind::StrikePlate;
    if (index % 5 == 1)
        return TElementKind::Sized;
    if (index % 10 == 7)
        return TElementKind::FalzDependent;
    return TElementKind::Regular;
}

const char* const ColorNames[] = {"Белый", "Коричневый", "Золото", "Серебро", "Бронза", "Титан",
                                  "Черный", "Шампань", "Белый матовый", "Старая бронза", "Латунь",
                                  "Хром матовый"};

struct TArticleKind {
    const char* Name;
    const char* Unit;
};
const TArticleKind ArticleKinds[] = {
    {"Петля верхняя", "шт."},       {"Петля нижняя", "шт."},          {"Ножницы", "шт."},
    {"Привод", "шт."},              {"Средний запор", "шт."},         {"Угловой переключатель", "шт."},
    {"Ответная планка", "шт."},     {"Ручка оконная", "шт."},         {"Декоративная накладка", "шт."},
    {"Шпингалет", "шт."},           {"Цапфа", "шт."},                 {"Замок дверной", "шт."},
    {"Цилиндр", "шт."},             {"Доводчик", "шт."},              {"Уплотнитель", "м"},
    {"Тяга", "шт."},                {"Микролифт", "шт."},             {"Блокиратор", "шт."},
};

const char* ElementKindName(TElementKind kind)
{
    switch (kind) {
    case TElementKind::Regular: return "элемент фурнитуры";
    case TElementKind::Sized: return "элемент по высоте створки";
    case TElementKind::FalzDependent: return "элемент по фальцу";
    case TElementKind::StrikePlate: return "ответная планка";
    case TElementKind::Composite: return "составной элемент";
    }
    return "";
}

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

const int MainGroups[] = {10, 12, 11};
const int MainSubGroups[] = {0, 11, 22, 21, 12, 23, 13, 24, 14};
const int ComponentGroups[] = {30, 20, 40, 45, 50, 46, 32, 22, 42, 31, 21, 41};

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

QString Str(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

double Cents(TRandom& rnd, int minCents, int maxCents)
{
    return rnd.range(minCents, maxCents) / 100.0;
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
    p.Elements = 12000;
    p.MainComplects = 600;
    p.Components = 400;
    p.SetRows = 50000;
    p.PropKeys = 200;
    p.StrikePlateRows = 4000;
    p.AccessoryRows = 4000;
    p.ColorAccessoryRows = 4000;
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

        // Articles.
        {
            TRowWriter w(database, TableFile::Catalog);
            for (int a = 0; a < p.Articles; ++a) {
                const TArticleKind& kind = ArticleKinds[size_t(a) % std::size(ArticleKinds)];
                const int s = a % p.Systems;
                const bool second = rnd.chance(20);
                const QString sys = GenSystemId(s);
                w.set("ID", GenArticleId(a)).set("Group", int(size_t(a) % std::size(ArticleKinds)) + 1)
                    .set("System", sys).set("FrontColor", rnd.pick(systemColors[size_t(s)]))
                    .set("Article", QStringLiteral("FA-%1").arg(a + 1, 6, 10, QLatin1Char('0')))
                    .set("ProdArticle", QStringLiteral("%1.%2").arg(sys).arg(rnd.range(10000, 99999)))
                    .set("ProdArticle2", second ? QStringLiteral("ALT-%1").arg(a + 1) : QString())
                    .set("UseArticle", second ? 2 : 1)
                    .set("Name", QStringLiteral("%1 %2").arg(Str(kind.Name), GenArticleId(a)))
                    .set("ShortName", Str(kind.Name)).set("Unit", Str(kind.Unit)).set("Coef", 1.0)
                    .set("Integer", QByteArray(kind.Unit) == "м" ? 0 : 1)
                    .set("Weight", Cents(rnd, 1, 250000)).set("Price", Cents(rnd, 500, 5000000))
                    .set("PriceList", 1).set("PriceMethod", 0)
                    .set("PriceGrp", rnd.chance(60) || p.PriceGroups == 0 ? 0 : rnd.range(1, p.PriceGroups))
                    .set("Currency", rnd.chance(50) ? 1 : rnd.range(2, 3)).set("GetNDS", 1).set("Use", 1)
                    .set("ScreenColor", rnd.range(0, 0xFFFFFF)).set("CommonUse", 1).set("Virtual", 0).post();
            }
            stats.Articles = w.Count;
        }
        // Articles handed out to element rows in a shuffled order, so that most are used.
        std::vector<int> articleOrder(size_t(p.Articles));
        for (int a = 0; a < p.Articles; ++a)
            articleOrder[size_t(a)] = a;
        for (int a = p.Articles - 1; a > 0; --a)
            std::swap(articleOrder[size_t(a)], articleOrder[size_t(rnd.range(0, a))]);
        size_t articleCursor = 0;
        auto nextArticle = [&] {
            const int a = articleOrder[articleCursor];
            articleCursor = (articleCursor + 1) % articleOrder.size();
            return GenArticleId(a);
        };

        // Elements and their articles.
        std::vector<int> settableElements, regularElements, strikePlates;
        std::vector<QString> elementArticles;   // articles of elements that set rows can reach
        {
            TRowWriter items(database, TableFile::FrnItem);
            TRowWriter arts(database, TableFile::FrnArt);
            int artKey = 1;
            auto artRow = [&](const QString& element) -> TRowWriter& {
                const QString article = nextArticle();
                arts.set("ID", element).set("CatalogID", article).set("Key", artKey++)
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
                const TElementKind kind = ElementKind(e);
                const QString id = GenElementId(e);
                const int s = e % p.Systems;
                const bool colored = kind == TElementKind::Regular && e % 2 == 0;
                items.set("ID", id)
                    .set("Name", QStringLiteral("%1 %2").arg(Str(ElementKindName(kind)), id))
                    .set("HasColor", colored ? 1 : 0)
                    .set("HasFalzSize", kind == TElementKind::FalzDependent ? 1 : 0)
                    .set("HasProfSys", kind == TElementKind::StrikePlate ? 1 : 0)
                    .set("Virtual", kind == TElementKind::Composite ? 1 : 0);
                for (const char* flag : {"HasDornMass", "CheckWeight", "HasFalzLuft", "HasFalzPos", "CheckThickness",
                                         "CheckProfWidth", "CheckStulpType", "CheckDirect"})
                    items.set(flag, 0);
                int commonGrp = 0;
                if (kind == TElementKind::StrikePlate && e % 3 == 0)
                    commonGrp = GenSystemId(s).toInt() / 100 * 100;
                items.set("CommonGrp", commonGrp).post();

                switch (kind) {
                case TElementKind::Regular:
                    if (colored) {
                        const std::vector<QString>& colors = systemColors[size_t(s)];
                        for (int k = 0; k < std::min<int>(3, int(colors.size())); ++k) {
                            artRow(id).set("Color", colors[size_t(k)]).post();
                        }
                    }
                    artRow(id).post();   // the colourless row, also the fallback of coloured elements
                    regularElements.push_back(e);
                    settableElements.push_back(e);
                    break;
                case TElementKind::Sized:
                    artRow(id).set("FFHMin", 0).set("FFHMax", 80).post();
                    artRow(id).set("FFHMin", 81).set("FFHMax", 150).set("HandleHeight", 500).post();
                    artRow(id).set("FFHMin", 151).set("FFHMax", 999).set("HandleHeight", 1000).post();
                    settableElements.push_back(e);
                    break;
                case TElementKind::FalzDependent:
                    for (int size : falzSizes)
                        artRow(id).set("FalzSize", size).post();
                    settableElements.push_back(e);
                    break;
                case TElementKind::StrikePlate:
                    for (const QString& prof : profileSystems)
                        artRow(id).set("ProfSys", prof).post();
                    strikePlates.push_back(e);
                    break;
                case TElementKind::Composite:
                    settableElements.push_back(e);
                    break;
                }
            }
            stats.Elements = items.Count;
            stats.ArtRows = arts.Count;
        }
        // The articles that complect items can carry: the source side of strike plates and accessories.
        {
            size_t cursor = 0;
            for (int k = 0; k < std::min(p.Articles, stats.ArtRows); ++k) {
                elementArticles.push_back(GenArticleId(articleOrder[cursor]));
                cursor = (cursor + 1) % articleOrder.size();
            }
        }
        {
            TRowWriter w(database, TableFile::FrnItoI);
            for (int e = 0; e < p.Elements; ++e) {
                if (ElementKind(e) != TElementKind::Composite)
                    continue;
                const int parts = rnd.range(2, 3);
                for (int k = 0; k < parts; ++k)
                    w.set("ID", GenElementId(e)).set("Item", GenElementId(rnd.pick(regularElements)))
                        .set("PropKey", 0).set("Number", rnd.range(1, 2)).set("StulpType", 0)
                        .set("ColorCondition", 0).set("Required", 0).set("ItemSideNo", 0).post();
            }
            stats.ItoIRows = w.Count;
        }

        // Complects and components with their side rules and sets.
        const int complects = p.MainComplects + p.Components;
        {
            TRowWriter comp(database, TableFile::FrnComp);
            TRowWriter side(database, TableFile::FrnSide);
            for (int c = 0; c < complects; ++c) {
                const bool main = c < p.MainComplects;
                const int group = main ? MainGroups[size_t(c) % std::size(MainGroups)]
                                       : ComponentGroups[size_t(c - p.MainComplects) % std::size(ComponentGroups)];
                const int s = c % p.Systems;
                const int sys = GenSystemId(s).toInt();
                const int roll = rnd.range(0, 9);
                const int commonGrp = roll < 7 ? sys : roll < 9 ? sys / 100 * 100 : 0;
                const int direct = c % 2 == 0 ? 1 : 2;
                QString symmetric;
                if (main && (c ^ 1) < p.MainComplects)
                    symmetric = GenComplectId(c ^ 1);
                const QString name = QStringLiteral("%1 %2 (%3)").arg(Str(GroupName(group)), GenComplectId(c))
                                         .arg(direct == 1 ? QStringLiteral("левый") : QStringLiteral("правый"));
                comp.set("ID", GenComplectId(c)).set("Group", group)
                    .set("SubGroup", main ? MainSubGroups[size_t(c / 2) % std::size(MainSubGroups)] : 0)
                    .set("Kipp", main ? 1 : 0).set("Name", name).set("SymmetricID", symmetric)
                    .set("Image", main ? 1 + c % 5 : c % 10).set("MaxWeight", 130)
                    .set("ScrColor", rnd.range(0, 0xFFFFFF)).set("TFlugelAvailable", c % 7 == 0 ? 0 : 1)
                    .set("Use", 1).set("CommonGrp", commonGrp).set("Direct", direct).set("Printable", 1)
                    .set("PrintName", name)
                    .set("PropKey", p.PropKeys > 0 && rnd.chance(20) ? rnd.range(1, p.PropKeys) : 0)
                    .set("DispHingeNum", 0).set("Material", rnd.chance(70) ? 0 : rnd.range(1, 3)).post();
                if (!main)
                    continue;
                // Rectangles, every tenth complect a triangle; the hinge side opens, the other one has the handle.
                const int sides = c % 10 == 9 ? 3 : 4;
                const int hingeSide = sides == 3 ? 1 : (direct == 1 ? 4 : 2);
                const int handleSide = sides == 3 ? 2 : (direct == 1 ? 2 : 4);
                for (int n = 1; n <= sides; ++n)
                    side.set("ID", GenComplectId(c)).set("Side", n).set("MinSize", rnd.range(200, 400))
                        .set("MaxSize", rnd.range(1500, 2500)).set("MinAngle", 0.0).set("MaxAngle", 180.0)
                        .set("MinRadius", 0).set("MaxRadius", 0).set("FullRadius", 0).set("HalfRadius", 0)
                        .set("EllipseRadius", 0).set("OpenMode", n == hingeSide ? 1 : 0)
                        .set("RotSide", n == hingeSide ? n : 0).set("Handled", n == handleSide ? 1 : 0)
                        .set("HandleDirect", 0).set("Banded", n == hingeSide ? 1 : 0)
                        .set("Drived", n == handleSide ? 1 : 0).post();
            }
            stats.Complects = comp.Count;
            stats.SideRows = side.Count;
        }
        {
            TRowWriter w(database, TableFile::FrnSet);
            int key = 1;
            for (int c = 0; c < complects; ++c) {
                const int rows = p.SetRows / complects + (c < p.SetRows % complects ? 1 : 0);
                for (int r = 0; r < rows; ++r) {
                    const int e = rnd.pick(settableElements);
                    const TElementKind kind = ElementKind(e);
                    const bool scaled = kind == TElementKind::Regular && rnd.chance(10);
                    w.set("ID", GenComplectId(c)).set("Item", GenElementId(e)).set("Key", key++)
                        .set("PropKey", p.PropKeys > 0 && rnd.chance(10) ? rnd.range(1, p.PropKeys) : 0)
                        .set("Number", scaled ? 0 : rnd.range(1, 3))
                        .set("Condition", kind == TElementKind::Sized ? 2 : 0)
                        .set("DefineHandleHeight", kind == TElementKind::Sized ? 1 : 0)
                        .set("FFBMin", rnd.chance(10) ? rnd.range(30, 60) : 0).set("FFBMax", 0)
                        .set("FFHMin", 0).set("FFHMax", rnd.chance(5) ? rnd.range(150, 250) : 0)
                        .set("ScaleCondition", scaled ? rnd.range(1, 2) : 0)
                        .set("ScaleStep", scaled ? 40 : 0).set("ScaleStart", scaled ? 50 : 0)
                        .set("ScaleNum", scaled ? 1 : 0)
                        .set("ColorCondition", rnd.chance(80) ? 0 : rnd.range(1, 3))
                        .set("StulpType", rnd.chance(90) ? 0 : 64).set("Required", rnd.chance(20) ? 1 : 0)
                        .set("UseLen", 0).set("MinLen", 0).set("ItemSideNo", rnd.chance(80) ? 0 : rnd.range(1, 4))
                        .post();
                }
            }
            stats.SetRows = w.Count;
        }

        // Strike plates and accessories, keyed by articles that items can carry.
        if (!strikePlates.empty()) {
            TRowWriter w(database, TableFile::FrnSchl);
            for (int r = 0; r < p.StrikePlateRows; ++r)
                w.set("CatalogID", rnd.pick(elementArticles)).set("Item", GenElementId(rnd.pick(strikePlates)))
                    .set("Key", r + 1).set("Number", rnd.range(1, 2)).set("StulpType", 0).set("PropKey", 0)
                    .set("ItemSideNo", 0).set("ItemComplectID", QString()).post();
            stats.StrikePlateRows = w.Count;
        }
        {
            TRowWriter w(database, TableFile::FrnDop);
            for (int r = 0; r < p.AccessoryRows; ++r)
                w.set("CatalogID", rnd.pick(elementArticles)).set("AccessoryID", GenArticleId(rnd.range(0, p.Articles - 1)))
                    .set("Key", r + 1).set("Number", rnd.range(1, 2)).set("PropKey", 0).set("StulpType", 0)
                    .set("ItemSideNo", 0).set("ItemComplectID", QString()).post();
            stats.AccessoryRows = w.Count;
        }
        {
            // Per source article: two colour rows and the colourless fallback.
            TRowWriter w(database, TableFile::FrnAbd);
            while (w.Count < p.ColorAccessoryRows) {
                const QString source = rnd.pick(elementArticles);
                const int firstColor = rnd.range(0, p.Colors - 1);
                const QString colors[] = {GenColorId(firstColor), GenColorId((firstColor + 1) % p.Colors), QString()};
                for (const QString& color : colors) {
                    if (w.Count >= p.ColorAccessoryRows)
                        break;
                    w.set("CatalogID", source).set("Color", color)
                        .set("AccessoryID", GenArticleId(rnd.range(0, p.Articles - 1))).set("Number", 1)
                        .set("ItemSideNo", 0).set("ItemComplectID", QString()).post();
                }
            }
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
