#include "db/VXDataModule.h"
#include "db/VXParadox.h"
#include "db/VXParadoxImport.h"
#include "db/VXSchema.h"
#include "db/VXTableEngine.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "TestSupport.h"
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <variant>

extern "C" {
#include <paradox.h>
}

using namespace vx;

namespace {

// What a test puts into one field: nothing (an empty field), text (written as Windows-1251),
// an integer, a double, a date, a Boolean or a decimal text.
struct TBcd {
    const char* Text;
};
using TPxValue = std::variant<std::monostate, QString, int, double, QDate, bool, TBcd>;

struct TPxColumn {
    const char* Name;
    int Type;
    int Size;          // alpha length; ignored for the fixed-size types
    int Decimals = 0;  // decimal fields
};

int FixedSize(const TPxColumn& c)
{
    switch (c.Type) {
    case pxfAlpha: return c.Size;
    case pxfShort: return 2;
    case pxfDate: case pxfLong: case pxfAutoInc: return 4;
    case pxfCurrency: case pxfNumber: return 8;
    case pxfLogical: return 1;
    case pxfBCD: return 17;
    }
    return c.Size;
}

// Writes a table file with the library, as an old installation would hand it over. Returns
// the offsets of the fields in a record, for tests that damage bytes afterwards.
void WritePxTable(const QString& file, const QList<TPxColumn>& columns, const QList<QList<TPxValue>>& rows)
{
    PX_boot();
    pxdoc_t* doc = PX_new();
    ASSERT_NE(doc, nullptr);
    // The library frees the field list itself, so it must come from its allocator.
    auto* fields = static_cast<pxfield_t*>(doc->malloc(doc, sizeof(pxfield_t) * size_t(columns.size()), "test"));
    for (int i = 0; i < columns.size(); ++i) {
        fields[i].px_fname = PX_strdup(doc, columns[i].Name);
        fields[i].px_ftype = char(columns[i].Type);
        fields[i].px_flen = FixedSize(columns[i]);
        fields[i].px_fdc = columns[i].Decimals;
    }
    ASSERT_GE(PX_create_file(doc, fields, int(columns.size()), QFile::encodeName(file).constData(),
                             pxfFileTypNonIndexDB), 0);
    QByteArray record(PX_get_recordsize(doc), '\0');
    for (const QList<TPxValue>& row : rows) {
        record.fill('\0');
        char* at = record.data();
        for (int i = 0; i < columns.size(); ++i) {
            const TPxColumn& c = columns[i];
            const int size = FixedSize(c);
            const TPxValue& v = row.value(i);
            if (auto* text = std::get_if<QString>(&v)) {
                QByteArray bytes = ToCp1251(*text);
                PX_put_data_alpha(doc, at, size, bytes.data());
            } else if (auto* n = std::get_if<int>(&v)) {
                if (c.Type == pxfShort)
                    PX_put_data_short(doc, at, size, short(*n));
                else
                    PX_put_data_long(doc, at, size, *n);
            } else if (auto* d = std::get_if<double>(&v)) {
                PX_put_data_double(doc, at, size, *d);
            } else if (auto* date = std::get_if<QDate>(&v)) {
                pxval_t* day = PX_make_date(doc, date->year(), date->month(), date->day());
                PX_put_data_long(doc, at, size, int(day->value.lval));
                doc->free(doc, day);
            } else if (auto* b = std::get_if<bool>(&v)) {
                PX_put_data_byte(doc, at, size, *b ? 1 : 0);
            } else if (auto* bcd = std::get_if<TBcd>(&v)) {
                // For decimal fields the library takes the number of decimals as the length.
                PX_put_data_bcd(doc, at, c.Decimals, const_cast<char*>(bcd->Text));
            }
            at += size;
        }
        PX_put_record(doc, record.data());
    }
    PX_close(doc);
    PX_delete(doc);
}

QString Cyr(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct ParadoxImport : ::testing::Test {
    QTemporaryDir Dir;
    TScriptedInteraction UI;
    TScopedUI ScopedUI{&UI};
    QString Source = Dir.path() + "/old";
    QString Target = Dir.path() + "/catalog";

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(Source)); }
    QString Src(const QString& name) const { return Source + '/' + name; }

    void WriteColors(const QString& fileName, const QList<QList<TPxValue>>& rows)
    {
        WritePxTable(Src(fileName), {{"Color", pxfAlpha, 10}, {"Name", pxfAlpha, 30}}, rows);
    }
};

// The long name has 100 Cyrillic letters: the library's own text conversion breaks on such values.
const QString LongName = Cyr("Фурнитура поворотно-откидная для окон ПВХ с микропроветриванием и защитой от взлома, класс RC2 №")
                             .leftJustified(100, QChar(0x0436)).left(100);

} // namespace

TEST(ParadoxDecode, FieldBytesAsTheOldEngineWroteThem)
{
    struct TCase {
        TParadoxField Field;
        QByteArray Bytes;
        QVariant Expected;
    } cases[] = {
        {{"S", int(TParadoxType::Short), 2}, QByteArray::fromHex("7ffb"), -5},
        {{"S", int(TParadoxType::Short), 2}, QByteArray::fromHex("8000"), 0},
        {{"S", int(TParadoxType::Short), 2}, QByteArray::fromHex("0000"), QVariant()},
        {{"L", int(TParadoxType::Long), 4}, QByteArray::fromHex("7ffffff9"), -7},
        {{"L", int(TParadoxType::Long), 4}, QByteArray::fromHex("00000000"), QVariant()},
        {{"I", int(TParadoxType::AutoInc), 4}, QByteArray::fromHex("80000003"), 3},
        {{"N", int(TParadoxType::Number), 8}, QByteArray::fromHex("c002000000000000"), 2.25},
        {{"C", int(TParadoxType::Currency), 8}, QByteArray::fromHex("4007ffffffffffff"), -1.5},
        {{"C", int(TParadoxType::Currency), 8}, QByteArray::fromHex("8000000000000000"), 0.0},
        {{"C", int(TParadoxType::Currency), 8}, QByteArray(8, '\0'), QVariant()},
        {{"D", int(TParadoxType::Date), 4}, QByteArray::fromHex("800b4092"), QDate(2020, 1, 2)},
        {{"D", int(TParadoxType::Date), 4}, QByteArray::fromHex("80000001"), QDate(1, 1, 1)},
        {{"B", int(TParadoxType::Logical), 1}, QByteArray::fromHex("81"), true},
        {{"B", int(TParadoxType::Logical), 1}, QByteArray::fromHex("80"), false},
        {{"A", int(TParadoxType::Alpha), 6}, QByteArray("\xcf\xf0\xe8\0\0\0", 6), Cyr("При")},
        {{"A", int(TParadoxType::Alpha), 3}, QByteArray("\xcf\xf0\xe8", 3), Cyr("При")},
        {{"A", int(TParadoxType::Alpha), 3}, QByteArray(3, '\0'), QVariant()},
        // Decimal: sign and decimals in the first byte, 32 digits, a negative one complemented.
        {{"#", int(TParadoxType::Bcd), 17, 2}, QByteArray::fromHex("c2" + QByteArray("00").repeated(14) + "0750"), 7.5},
        {{"#", int(TParadoxType::Bcd), 17, 2}, QByteArray::fromHex("42" + QByteArray("ff").repeated(13) + "fedcba"), -123.45},
        {{"#", int(TParadoxType::Bcd), 17, 2}, QByteArray(17, '\0'), QVariant()},
    };
    for (const TCase& c : cases) {
        ASSERT_EQ(c.Bytes.size(), c.Field.Size) << c.Field.Name.toStdString();
        const QVariant v = DecodeParadoxField(c.Field, reinterpret_cast<const unsigned char*>(c.Bytes.constData()));
        EXPECT_EQ(v.isNull(), c.Expected.isNull()) << c.Bytes.toHex().toStdString();
        EXPECT_EQ(v, c.Expected) << c.Bytes.toHex().toStdString();
    }
    EXPECT_EQ(DecodeParadoxBcdText(reinterpret_cast<const unsigned char*>(cases[18].Bytes.constData()), 2),
              QString("-123.45"));
}

TEST_F(ParadoxImport, CatalogTablesArriveFieldByFieldWithCyrillicTextAndEmptyFields)
{
    // Old installations spell file names in any case.
    WriteColors("colorset.db", {{QString("C01"), Cyr("Белый")}, {QString("C02"), Cyr("Коричневый")}});
    WritePxTable(Src("CATALOG.DB"),
                 {{"ID", pxfAlpha, 30}, {"Name", pxfAlpha, 100}, {"Price", pxfCurrency, 8}, {"Currency", pxfShort, 2},
                  {"Weight", pxfBCD, 17, 2}, {"Coef", pxfNumber, 8}, {"MinLength", pxfLong, 4},
                  {"OldField", pxfAlpha, 10}},
                 {{QString("A1"), LongName, -12.5, 1, TBcd{"-3.75"}, 1.0, -100, QString("x")},
                  {QString("A2"), Cyr("Ручка"), std::monostate(), std::monostate(), std::monostate(), std::monostate(),
                   std::monostate(), std::monostate()}});
    WritePxTable(Src("Currency.DB"), {{"Name", pxfAlpha, 5}, {"ID", pxfShort, 2}, {"Value", pxfNumber, 8}},
                 {{QString("RUB"), 1, 1.0}});

    const TParadoxImportResult result = ImportParadox(Source, Alias::Catalog, Target);
    ASSERT_EQ(result.Imported.size(), 3);
    EXPECT_EQ(result.Imported[0].FileName, QString("COLORSET.DB"));
    EXPECT_EQ(result.Imported[0].SourceFile, QString("colorset.db"));
    EXPECT_TRUE(result.Missing.contains("FrnSet.DB"));
    EXPECT_EQ(result.IgnoredFields, QStringList{"Catalog.DB.OldField"});

    // The imported tables read through the data module like any catalog.
    TDM dm;
    dm.ConnectCatalog(Target);
    TTable& colors = dm.T_Color;
    ASSERT_TRUE(OpenDataSet(&colors));
    ASSERT_TRUE(colors.Locate("Color", "C02"));
    EXPECT_EQ(colors.FieldByName("Name")->AsString(), Cyr("Коричневый"));

    TTable& catalog = dm.T_Catalog;
    ASSERT_TRUE(OpenDataSet(&catalog));
    ASSERT_TRUE(OpenDataSet(&dm.T_Currency));
    ASSERT_TRUE(catalog.Locate("ID", "A1"));
    EXPECT_EQ(catalog.FieldByName("Name")->AsString(), LongName);
    EXPECT_EQ(catalog.FieldByName("Price")->AsCurrency(), TMoney::FromDouble(-12.5));
    EXPECT_EQ(catalog.FieldByName("Weight")->AsFloat(), -3.75);
    EXPECT_EQ(catalog.FieldByName("MinLength")->AsInteger(), -100);
    EXPECT_EQ(catalog.FieldByName("CurrencyLookup")->AsString(), QString("RUB"));

    // Empty source fields stay empty: never zeros, never dates of the year 1.
    ASSERT_TRUE(catalog.Locate("ID", "A2"));
    for (const char* name : {"Price", "Currency", "Weight", "Coef", "MinLength", "ProdArticle"})
        EXPECT_TRUE(catalog.FieldByName(name)->IsNull()) << name;
    EXPECT_EQ(catalog.FieldByName("CurrencyLookup")->AsString(), QString());
    UI.clear();
}

TEST_F(ParadoxImport, RegistryDatesAndNegativeMoney)
{
    WritePxTable(Src("OrderLst.DB"),
                 {{"No", pxfAlpha, 30}, {"RegDate", pxfDate, 4}, {"Customer", pxfAlpha, 40}, {"Cost", pxfCurrency, 8},
                  {"Currency", pxfShort, 2}},
                 {{QString("15/24"), QDate(2024, 3, 15), Cyr("Иванов И.И."), -1234.56, 0},
                  {QString("16/24"), std::monostate(), std::monostate(), std::monostate(), std::monostate()}});
    ImportParadox(Source, Alias::Registry, Target);

    TDM dm;
    dm.ConnectRegistry(Target);
    TTable& orders = dm.T_OrderList;
    ASSERT_TRUE(OpenDataSet(&orders));
    ASSERT_EQ(orders.RecordCount(), 2);
    ASSERT_TRUE(orders.Locate("No", "15/24"));
    EXPECT_EQ(orders.FieldByName("RegDate")->AsDateTime().date(), QDate(2024, 3, 15));
    EXPECT_EQ(orders.FieldByName("Customer")->AsString(), Cyr("Иванов И.И."));
    EXPECT_EQ(orders.FieldByName("Cost")->AsCurrency(), TMoney::FromDouble(-1234.56));
    EXPECT_FALSE(orders.FieldByName("Currency")->IsNull());   // a stored 0 is a value
    ASSERT_TRUE(orders.Locate("No", "16/24"));
    EXPECT_TRUE(orders.FieldByName("RegDate")->IsNull());
    EXPECT_TRUE(orders.FieldByName("Cost")->IsNull());
    EXPECT_TRUE(orders.FieldByName("Currency")->IsNull());
}

TEST_F(ParadoxImport, AFileThatCannotBeReadLeavesTheDatabaseAsItWas)
{
    WriteColors("COLORSET.DB", {{QString("C01"), Cyr("Белый")}});
    ImportParadox(Source, Alias::Catalog, Target);

    // A second delivery: new colours, and a catalog whose decimal field holds no digits.
    WriteColors("COLORSET.DB", {{QString("C07"), Cyr("Золото")}, {QString("C08"), Cyr("Серебро")}});
    WritePxTable(Src("Catalog.DB"), {{"ID", pxfAlpha, 30}, {"Weight", pxfBCD, 17, 2}},
                 {{QString("A1"), TBcd{"1.5"}}, {QString("A2"), TBcd{"2.5"}}});
    {
        QFile file(Src("Catalog.DB"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        // The second record's decimal digits: find its "A2" and spoil the bytes after the ID.
        const qsizetype at = bytes.indexOf(QByteArray("A2\0", 3));
        ASSERT_GT(at, 0);
        for (int i = 1; i < 17; ++i)
            bytes[at + 30 + i] = char(0xAA);
        file.seek(0);
        file.write(bytes);
    }
    try {
        ImportParadox(Source, Alias::Catalog, Target);
        FAIL() << "no error";
    } catch (const EValtrixError& e) {
        EXPECT_TRUE(e.message().startsWith("Ошибка чтения файла [Catalog.DB]!\r\n(")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("запись 2")) << e.message().toStdString();
    }
    TDM dm;
    dm.ConnectCatalog(Target);
    ASSERT_TRUE(OpenDataSet(&dm.T_Color));
    EXPECT_EQ(dm.T_Color.RecordCount(), 1);
    EXPECT_EQ(dm.T_Color.FieldByName("Color")->AsString(), QString("C01"));
    ASSERT_TRUE(OpenDataSet(&dm.T_Catalog));
    EXPECT_EQ(dm.T_Catalog.RecordCount(), 0);
}

TEST_F(ParadoxImport, DamagedFilesAreRefusedWithTheirName)
{
    WriteColors("COLORSET.DB", {{QString("C01"), Cyr("Белый")}});
    QByteArray good;
    {
        QFile f(Src("COLORSET.DB"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        good = f.readAll();
    }
    struct {
        const char* What;
        QByteArray Bytes;
    } damaged[] = {
        {"not a table", QByteArray("this is no table at all, just text")},
        {"cut short", good.left(good.size() - 1500)},
        {"empty", QByteArray()},
    };
    for (const auto& d : damaged) {
        QFile f(Src("SysList.DB"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(d.Bytes);
        f.close();
        try {
            ImportParadox(Source, Alias::Catalog, Target);
            ADD_FAILURE() << d.What << ": no error";
        } catch (const EValtrixError& e) {
            EXPECT_TRUE(e.message().startsWith("Ошибка чтения файла [SysList.DB]!\r\n("))
                << d.What << ": " << e.message().toStdString();
        }
    }
    // Every file is checked before the target is touched: not even the database was made.
    TDatabase db(Alias::Catalog);
    db.SetDirectory(Target);
    EXPECT_FALSE(QFileInfo::exists(db.FileName()));
}

TEST_F(ParadoxImport, UnknownAliasAndEmptyDirectoryAreRefused)
{
    EXPECT_THROW(ImportParadox(Source, "ZNDB_Other", Target), EValtrixError);
    EXPECT_THROW(ImportParadox(Source, Alias::Catalog, Target), EValtrixError);   // no known table
    EXPECT_THROW(ImportParadox(Dir.path() + "/missing", Alias::Catalog, Target), EValtrixError);
}
