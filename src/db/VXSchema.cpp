#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXError.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx {

namespace {

using F = TFieldDef;

TIndexDef Primary(const QStringList& fields)
{
    return {QString(), fields, true, false};
}

TIndexDef Secondary(const QString& name, const QStringList& fields, bool caseInsensitive = false)
{
    return {name, fields, false, caseInsensitive};
}

TTableDef ColorSetDef()
{
    return {TableFile::ColorSet, {F::A("Color", 10), F::A("Name", 30)}, {Primary({"Color"})}, {}};
}

TTableDef CurrencyDef()
{
    return {TableFile::Currency,
            {F::A("Name", 5, "Валюта"), F::A("Nominative", 35), F::A("Genitive", 35),
             F::A("GenitivePlural", 35), F::S("Gender"), F::S("Dec"), F::S("ID"), F::N("Value", 4),
             F::A("DecNominative", 35), F::A("DecGenitive", 35), F::A("DecGenitivePlural", 35),
             F::S("DecGender")},
            // No key of its own; rows are found by ID, which this index serves.
            {Secondary("ID", {"ID"})},
            {}};
}

TTableDef PriceGrpDef()
{
    TTableDef def{TableFile::PriceGrp, {F::A("Name", 20)}, {Secondary("GroupID", {"GroupID"})}, {}};
    for (int i = 1; i <= 10; ++i)
        def.Fields.append(F::N(QStringLiteral("Reduce_%1").arg(i), 2));
    def.Fields.append(F::S("GroupID"));
    return def;
}

TTableDef SysListDef()
{
    return {TableFile::SysList,
            {F::A("ID", 10), F::S("Group"), F::A("Name", 50), F::A("ShortName", 30), F::S("Use"),
             F::I("CommonGrp"), F::A("BaseColor", 10)},
            {Primary({"ID"})},
            {}};
}

TTableDef SysColorDef()
{
    return {TableFile::SysColor,
            {F::A("ID", 10), F::A("System", 10), F::A("Article", 20)},
            {Primary({"ID", "System"}), Secondary("System", {"System", "ID"}, true)},
            {{"ColorName", 30, QString(), "ID", TableFile::ColorSet, "Color", "Name"}}};
}

TTableDef SysPropDef()
{
    return {TableFile::SysProp,
            {F::I("ID"), F::A("GroupName", 30), F::A("ValueName", 50), F::S("Printable"), F::S("Use"),
             F::A("PrintName", 100)},
            {},
            {}};
}

TTableDef SysProfDef()
{
    return {TableFile::SysProf,
            {F::A("SchlSysID", 10), F::A("FurnSysID", 10), F::A("Name", 50)},
            {Secondary("SchlSysID", {"SchlSysID"})},
            {}};
}

TTableDef CatalogDef()
{
    TTableDef def;
    def.FileName = TableFile::Catalog;
    def.Fields = {
        F::A("ID", 30, "Код"), F::S("Group"), F::A("System", 10), F::A("FrontColor", 10),
        F::A("Article", 20, "Артикул"), F::A("ProdArticle", 20, "Артикул производителя #1"),
        F::A("ProdArticle2", 20, "Артикул производителя #2"),
        F::A("ProdArticle3", 20, "Артикул производителя #3"), F::S("UseArticle"), F::A("GOST", 40),
        F::A("Name", 100, "Наименование"), F::A("ShortName", 50), F::A("Unit", 10, "Ед.изм."),
        F::A("AltUnit_1", 10), F::A("AltUnit_2", 10), F::N("Coef", 6), F::N("AltCoef_1", 6),
        F::N("AltCoef_2", 6), F::S("Integer"), F::S("AltInteger_1"), F::S("AltInteger_2"),
        F::S("RoundedTotal"), F::I("MinLength"), F::I("MinWidth"), F::I("MinHeight"),
        F::I("MaxLength"), F::I("MaxWidth"), F::I("MaxHeight"), F::S("Thickness"), F::N("Weight", 2),
        F::N("Volume", 2), F::N("MinTrade", 2), F::S("CutAvailable"), F::S("CalcPrinciple"),
        F::S("DustGrp"), F::Money("Price", "Цена"), F::I("PriceList"), F::S("PriceMethod"),
        F::S("PriceGrp", "Ценовая группа"), F::S("CustomGrp"), F::S("Currency", "Валюта"),
        F::S("GetCustom"), F::S("GetNDS"), F::S("Use"), F::I("ScreenColor"), F::S("CommonUse"),
        F::S("Virtual"), F::S("SizeToSquare"), F::N("ArcPriceCoef", 2), F::N("NotStdPriceCoef", 2),
        F::N("CombinePriceCoef", 2), F::S("IncludeToComp"), F::S("GarantGrp"), F::S("Laminating"),
        F::A("Reserve1", 30), F::A("Reserve2", 30), F::A("Mark", 10), F::A("PrintGroup", 20),
        F::S("SingleLam"), F::A("Export", 255), F::I("SubSetID"), F::N("LamSqExt", 8),
        F::N("LamSqInn", 8), F::N("LamSqFull", 8), F::S("AutoChange"), F::S("LenToSquare"),
        F::I("SinkDeltaW"), F::I("SinkDeltaL"),
    };
    def.Indexes = {Primary({"ID"})};
    for (const char* field : {"ProdArticle", "ProdArticle2", "System", "Name", "Group", "Article"})
        def.Indexes.append(Secondary(QString::fromLatin1(field), {QString::fromLatin1(field)}, true));
    def.Lookups = {
        {"CurrencyLookup", 10, "Цена", "Currency", TableFile::Currency, "ID", "Name"},
        {"PriceGroupLookup", 20, "Ценовая группа", "PriceGrp", TableFile::PriceGrp, "GroupID", "Name"},
    };
    return def;
}

TTableDef MaterialDef()
{
    return {TableFile::Material, {F::I("ID"), F::A("Name", 50)}, {}, {}};
}

TTableDef ParamListDef()
{
    return {TableFile::ParamList,
            {F::I("ID"), F::S("Group"), F::A("Name", 30), F::S("FalzLuft"), F::S("FalzSize"),
             F::S("FalzPos"), F::N("DornMass", 1), F::S("OpenType"), F::S("StulpType")},
            {Primary({"ID"})},
            {}};
}

TTableDef FrnCompDef()
{
    return {TableFile::FrnComp,
            {F::A("ID", 30), F::S("Group"), F::S("SubGroup"), F::S("Kipp"), F::A("Name", 100, "Наименование"),
             F::A("SymmetricID", 30, "Симметричный комплект"), F::A("MultiSysID", 10, "МС код замены"),
             F::S("Image"), F::S("MaxWeight"), F::I("ScrColor"), F::S("TFlugelAvailable"), F::S("Use"),
             F::I("CommonGrp"), F::S("Direct"), F::A("HingeT", 30), F::A("HingeB", 30), F::A("HingeC", 30),
             F::A("Note", 50), F::S("Printable"), F::A("PrintName", 100), F::A("Alert", 255),
             F::I("PropKey"), F::I("DispHingeNum"), F::S("CompectImage"), F::I("Material")},
            {Primary({"ID"})},
            {}};
}

TTableDef FrnSideDef()
{
    return {TableFile::FrnSide,
            {F::A("ID", 30), F::S("Side"), F::S("MinSize"), F::S("MaxSize"), F::N("MinAngle", 2),
             F::N("MaxAngle", 2), F::S("MinRadius"), F::S("MaxRadius"), F::S("FullRadius"),
             F::S("HalfRadius"), F::S("EllipseRadius"), F::S("OpenMode"), F::S("RotSide"), F::S("Handled"),
             F::S("HandleDirect"), F::S("Banded"), F::S("Drived")},
            {Primary({"ID", "Side"})},
            {}};
}

TTableDef FrnItemDef()
{
    return {TableFile::FrnItem,
            {F::A("ID", 30), F::A("Name", 70, "Наименование"), F::S("HasDornMass", "ДорМасс"),
             F::S("HasProfSys"), F::S("CheckWeight"), F::S("HasColor"), F::S("HasFalzLuft"),
             F::S("HasFalzSize"), F::S("HasFalzPos"), F::S("CheckThickness"), F::S("CheckProfWidth"),
             F::S("CheckStulpType"), F::S("CheckDirect"), F::S("Virtual"), F::I("CommonGrp")},
            {Secondary("ID", {"ID"})},
            {}};
}

TTableDef FrnSetDef()
{
    TTableDef def;
    def.FileName = TableFile::FrnSet;
    def.Fields = {
        F::A("ID", 30), F::A("Item", 30, "Элемент"), F::AutoInc("Key"), F::I("PropKey"), F::S("Number"),
        F::S("Side1No"), F::S("Side2No"), F::S("AngleNo"), F::S("FFBMin"), F::S("FFBMax"), F::S("FFHMin"),
        F::S("FFHMax"), F::S("FFL1No"), F::S("FFL1Min"), F::S("FFL1Max"), F::S("FFL2No"), F::S("FFL2Min"),
        F::S("FFL2Max"), F::S("FFL21No"), F::S("FFL21Min"), F::S("FFL21Max"), F::S("FFL22No"),
        F::S("FFL22Min"), F::S("FFL22Max"), F::S("FFANo"), F::N("FFAMin", 2), F::N("FFAMax", 2),
        F::S("FFR1No"), F::S("FFR1Min"), F::S("FFR1Max"), F::S("FFR1Type"), F::S("FFR2No"),
        F::S("FFR2Min"), F::S("FFR2Max"), F::S("FFR2Type"), F::S("Condition"), F::S("ScaleCondition"),
        F::S("ScaleStep"), F::S("ScaleStart"), F::S("ScaleNum"), F::A("ScaleScheme", 50),
        F::S("ColorCondition"), F::S("DefineHandleHeight"), F::S("HandleSideNo"), F::S("StulpType"),
        F::S("Required"), F::S("UseLen"), F::A("LenFormula", 100), F::A("Note", 50),
        F::A("AlertIfNoArt", 100), F::A("AlertIfIgnore", 100), F::S("MinLen"), F::A("UseIfArt", 30),
        F::I("ItemSideNo"),
    };
    def.Indexes = {Primary({"ID", "Item", "Key"})};
    def.Lookups = {{"ItemLookup", 70, QString(), "Item", TableFile::FrnItem, "ID", "Name"}};
    return def;
}

TTableDef FrnArtDef()
{
    TTableDef def;
    def.FileName = TableFile::FrnArt;
    def.Fields = {
        F::A("ID", 30), F::A("CatalogID", 30, "Артикул по каталогу"), F::AutoInc("Key"), F::S("FalzLuft"),
        F::S("FalzSize"), F::S("FalzPos"), F::N("DornMassMin", 2), F::N("DornMassMax", 2),
        F::S("HandleMin"), F::S("HandleMax"), F::S("HandleHeight"), F::N("WeightMin", 2),
        F::N("WeightMax", 2), F::S("ThicknessMin"), F::S("ThicknessMax"), F::S("ProfWidthMin"),
        F::S("ProfWidthMax"), F::A("ProfSys", 10), F::S("FFBMin"), F::S("FFBMax"), F::S("FFHMin"),
        F::S("FFHMax"), F::S("FFL1Min"), F::S("FFL1Max"), F::S("FFL2Min"), F::S("FFL2Max"),
        F::N("FFAMin", 2), F::N("FFAMax", 2), F::S("FFR1Min"), F::S("FFR1Max"), F::S("FFR2Min"),
        F::S("FFR2Max"), F::A("Color", 10), F::S("StulpType"), F::S("Direct"),
    };
    def.Indexes = {Primary({"ID", "CatalogID", "Key"})};
    // The article picker shows the catalog name next to each alternative.
    def.Lookups = {{"CatalogNameLookup", 100, QString(), "CatalogID", TableFile::Catalog, "ID", "Name"}};
    return def;
}

TTableDef FrnSchlDef()
{
    return {TableFile::FrnSchl,
            {F::A("CatalogID", 30), F::A("Item", 30), F::AutoInc("Key"), F::S("Number"), F::S("StulpType"),
             F::I("PropKey"), F::I("ItemSideNo"), F::A("ItemComplectID", 30)},
            {Secondary("CatalogID", {"CatalogID"})},
            {}};
}

TTableDef FrnDopDef()
{
    return {TableFile::FrnDop,
            {F::A("CatalogID", 30), F::A("AccessoryID", 30), F::AutoInc("Key"),
             F::S("Number", "Артикул аксессуара"), F::I("PropKey"), F::S("StulpType"), F::I("ItemSideNo"),
             F::A("ItemComplectID", 30)},
            {Secondary("CatalogID", {"CatalogID"})},
            {}};
}

TTableDef FrnAbdDef()
{
    return {TableFile::FrnAbd,
            {F::A("CatalogID", 30), F::A("Color", 10, "Цвет"), F::A("AccessoryID", 30), F::S("Number"),
             F::I("ItemSideNo"), F::A("ItemComplectID", 30)},
            {Secondary("CatalogID", {"CatalogID"})},
            {}};
}

TTableDef FrnPropDef()
{
    return {TableFile::FrnProp, {F::I("ID"), F::I("PropKey"), F::S("Default")},
            {Secondary("PropKey", {"PropKey", "ID"})}, {}};
}

TTableDef FrnItoIDef()
{
    return {TableFile::FrnItoI,
            {F::A("ID", 30), F::A("Item", 30), F::I("PropKey"), F::S("Number"), F::S("StulpType"),
             F::S("ColorCondition"), F::S("Required"), F::A("AlertIfNoArt", 100), F::A("AlertIfIgnore", 100),
             F::A("Note", 100), F::I("ItemSideNo")},
            {Secondary("ID", {"ID"})},
            {}};
}

TTableDef OrderLstDef()
{
    return {TableFile::OrderLst,
            {F::A("No", 30), F::D("RegDate"), F::A("Customer", 40), F::A("Object", 40), F::A("Address", 80),
             F::A("Phone", 40), F::Money("Cost"), F::S("Currency"), F::A("OrderFile", 255), F::A("Note", 255),
             F::Calc("Selected", TFieldType::Boolean)},
            {Primary({"No"}), Secondary(OrderListIndex::Date, {"RegDate"}),
             Secondary(OrderListIndex::CustName, {"Customer"}, true),
             Secondary(OrderListIndex::ObjName, {"Object"}, true)},
            {}};
}

TTableDef ReportDef()
{
    return {TableFile::Report,
            {F::I("Group"), F::I("SubGroup"), F::A("Name", 100), F::A("FileName", 100), F::S("Default"),
             F::S("Copies"), F::S("Use")},
            {Secondary("Group", {"Group"})},
            {}};
}

} // namespace

QList<TTableDef> CatalogTableDefs()
{
    return {ColorSetDef(), CurrencyDef(), PriceGrpDef(), SysListDef(), SysColorDef(), SysPropDef(),
            SysProfDef(),  CatalogDef(),  MaterialDef(), ParamListDef(), FrnCompDef(), FrnSideDef(),
            FrnItemDef(),  FrnSetDef(),   FrnArtDef(),   FrnSchlDef(),  FrnDopDef(),  FrnAbdDef(),
            FrnPropDef(),  FrnItoIDef()};
}

QList<TTableDef> RegistryTableDefs()
{
    return {OrderLstDef()};
}

QList<TTableDef> ReportTableDefs()
{
    return {ReportDef()};
}

bool IsKnownAlias(const QString& alias)
{
    return alias.compare(Alias::Catalog, Qt::CaseInsensitive) == 0
        || alias.compare(Alias::Registry, Qt::CaseInsensitive) == 0
        || alias.compare(Alias::Report, Qt::CaseInsensitive) == 0;
}

QList<TTableDef> SchemaTableDefs(const QString& alias)
{
    if (alias.compare(Alias::Catalog, Qt::CaseInsensitive) == 0)
        return CatalogTableDefs();
    if (alias.compare(Alias::Registry, Qt::CaseInsensitive) == 0)
        return RegistryTableDefs();
    if (alias.compare(Alias::Report, Qt::CaseInsensitive) == 0)
        return ReportTableDefs();
    throw EValtrixError(QStringLiteral("Неизвестный псевдоним базы данных [%1]!").arg(alias));
}

TTableDef SchemaTableDef(const QString& alias, const QString& fileName)
{
    for (const TTableDef& def : SchemaTableDefs(alias))
        if (def.FileName.compare(fileName, Qt::CaseInsensitive) == 0)
            return def;
    throw EValtrixError(QStringLiteral("Таблица [%1] не входит в базу данных [%2]!").arg(fileName, alias));
}

void EnsureSchema(TDatabase& database, const QString& alias)
{
    const QList<TTableDef> defs = SchemaTableDefs(alias);
    database.RegisterTables(defs);
    for (const TTableDef& def : defs)
        if (!database.TableExists(def.FileName))
            database.CreateTable(def);
}

void CreateEmptyDatabase(const QString& alias, const QString& directory)
{
    const QList<TTableDef> defs = SchemaTableDefs(alias);
    if (!QDir().mkpath(directory))
        throw EValtrixError(QStringLiteral("Невозможно создать каталог [%1]!").arg(directory));
    TDatabase database(alias);
    database.SetDirectory(directory);
    if (QFileInfo::exists(database.FileName()))
        throw EValtrixError(
            QStringLiteral("База данных [%1] уже существует:\r\n%2").arg(alias, database.FileName()));
    database.Open();
    database.StartTransaction();
    try {
        for (const TTableDef& def : defs)
            database.CreateTable(def);
        database.Commit();
    } catch (...) {
        database.Rollback();
        database.Close();
        QFile::remove(database.FileName());
        throw;
    }
    database.Close();
}

} // namespace vx
