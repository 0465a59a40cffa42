#include "TestSupport.h"
#include "../model/OrderTestFiles.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// valtrix-cli run as a user runs it, on demo installations in temporary directories, with the
// per-user registry in a temporary file.

namespace {

struct TRun {
    int Code = -1;
    QString Out;
    QString Err;
};

TRun RunCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(VALTRIX_CLI), args);
    p.waitForFinished(120000);
    TRun r;
    r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

std::string Show(const TRun& r)
{
    return QStringLiteral("exit %1\n--- stdout\n%2\n--- stderr\n%3").arg(r.Code).arg(r.Out, r.Err).toStdString();
}

QJsonObject JsonOf(const TRun& r)
{
    return QJsonDocument::fromJson(r.Out.toUtf8()).object();
}

QByteArray Bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteText(const QString& file, const QByteArray& text)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// A money text of the JSON form ("1859.9750") in ten-thousandths.
qint64 Raw(const QJsonValue& money)
{
    QString t = money.toString();
    EXPECT_EQ(t.indexOf(QLatin1Char('.')), t.size() - 5) << t.toStdString();
    return t.remove(QLatin1Char('.')).toLongLong();
}

// Rounded to kopecks, halves up, as the printed figures are.
QString Kopecks(const QJsonValue& money)
{
    const qint64 k = (Raw(money) + 50) / 100;
    return QStringLiteral("%1.%2").arg(k / 100).arg(k % 100, 2, 10, QLatin1Char('0'));
}

class Cli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Temp = std::make_unique<QTemporaryDir>();
        qputenv("VALTRIX_REGISTRY", (Temp->path() + QStringLiteral("/registry.ini")).toUtf8());
    }
    static void TearDownTestSuite()
    {
        qunsetenv("VALTRIX_REGISTRY");
        Temp.reset();
    }

    // A fresh demo installation of this test, made the default configuration.
    void SetUp() override
    {
        Dir = Work.path() + QStringLiteral("/demo");
        const TRun r = RunCli({QStringLiteral("demo"), Dir});
        ASSERT_EQ(r.Code, 0) << Show(r);
        Orders = Dir + QStringLiteral("/Server/Orders");
    }

    QString Path(const QString& name) const { return Work.path() + QLatin1Char('/') + name; }
    QString Order(const QString& no) const { return Orders + QLatin1Char('/') + no + QStringLiteral(".vfo370"); }

    // Sets a catalog price directly in the demo catalog's database.
    void SetCatalog(const QString& sql)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli-test"));
            db.setDatabaseName(Dir + QStringLiteral("/Catalog/ZNDB_Catalog.sqlite"));
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("cli-test"));
    }

    QJsonObject ShowJson(const QString& file)
    {
        const TRun r = RunCli({QStringLiteral("order"), QStringLiteral("show"), file, QStringLiteral("--json")});
        EXPECT_EQ(r.Code, 0) << Show(r);
        return JsonOf(r);
    }

    QTemporaryDir Work;
    QString Dir;
    QString Orders;
    static inline std::unique_ptr<QTemporaryDir> Temp;
};

// Builds an order from JSON text; the input goes to a file first.
TRun BuildOrder(const QString& input, const QByteArray& json, const QString& out)
{
    WriteText(input, json);
    return RunCli({QStringLiteral("order"), QStringLiteral("build"), input, QStringLiteral("-o"), out});
}

} // namespace

TEST_F(Cli, DemoInstallsEverythingAndItsSampleOrdersPriceAsTheCatalogDocumentsThem)
{
    for (const char* sub : {"Catalog/VXFurniture.ini", "Catalog/ZNDB_Catalog.sqlite", "Server/Orders", "Server/Selection",
                            "Server/Recycled", "Server/Archive", "Server/Registry/ZNDB_Registry.sqlite", "Server/Export",
                            "Reports"})
        EXPECT_TRUE(QFileInfo::exists(Dir + QLatin1Char('/') + QLatin1String(sub))) << sub;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli-registry"));
        db.setDatabaseName(Dir + QStringLiteral("/Server/Registry/ZNDB_Registry.sqlite"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT count(*) FROM OrderLst"), db);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 4);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cli-registry"));
    QSettings reg(QString::fromUtf8(qgetenv("VALTRIX_REGISTRY")), QSettings::IniFormat);
    EXPECT_EQ(reg.value(QStringLiteral("SoftWare/Kestra/Valtrix/Dezeduder380/DBConfig/GU/DefaultConfig")).toString(),
              QStringLiteral("Демо"));

    // Every figure of both systems and both door kinds, one piece each in roubles.
    const struct {
        const char* order;
        int pos;
        int figure;
        const char* cost;
    } cases[] = {
        {"1001", 0, 1, "5502.39"}, {"1001", 1, 2, "7882.87"}, {"1001", 2, 3, "2552.95"},  {"1001", 3, 5, "1859.98"},
        {"1001", 4, 6, "5986.99"}, {"1001", 5, 7, "3748.46"}, {"1001", 6, 7, "6425.29"},  {"1001", 7, 0, "14179.94"},
        {"1002", 0, 0, "2992.01"}, {"1003", 0, 4, "4664.77"}, {"1004", 0, 0, "28254.02"},
    };
    QHash<QString, QJsonObject> shown;
    for (const auto& c : cases) {
        const QString no = QLatin1String(c.order);
        if (!shown.contains(no))
            shown.insert(no, ShowJson(Order(no)));
        const QJsonObject pos = shown[no][QStringLiteral("positions")].toArray()[c.pos].toObject();
        EXPECT_EQ(Kopecks(pos[QStringLiteral("Cost")]), QLatin1String(c.cost)) << c.order << " " << c.pos;
        // Layout follows the figure: 1 right sash first, 0 left first, 2 one sash.
        EXPECT_EQ(pos[QStringLiteral("Layout")].toInt(), c.figure == 1 ? 1 : c.figure == 2 ? 0 : 2);
        const QJsonArray sashes = pos[QStringLiteral("sashes")].toArray();
        ASSERT_EQ(sashes.size(), 2);
        EXPECT_FALSE(sashes[0].toObject()[QStringLiteral("FurnComp")].isNull());
        EXPECT_EQ(sashes[1].toObject()[QStringLiteral("FurnComp")].isNull(), c.figure != 1 && c.figure != 2);
    }
    // Two pieces of the tilt-turn window, VAT 20 % on top.
    const QJsonObject totals = shown[QStringLiteral("1002")][QStringLiteral("totals")].toObject();
    EXPECT_EQ(Kopecks(totals[QStringLiteral("PositionsTotal")]), QStringLiteral("5984.02"));
    EXPECT_EQ(Kopecks(totals[QStringLiteral("VatAmount")]), QStringLiteral("1196.80"));
    EXPECT_EQ(Raw(totals[QStringLiteral("GrossTotal")]),
              Raw(totals[QStringLiteral("PositionsTotal")]) + Raw(totals[QStringLiteral("VatAmount")]));
}

TEST_F(Cli, ShowGivesEveryFieldMoneyWithFourDecimalsAndAReadableSpecification)
{
    const QJsonObject order = ShowJson(Order(QStringLiteral("1001")));
    const QJsonObject header = order[QStringLiteral("header")].toObject();
    for (const char* field : {"Signature", "Version", "OrderNo", "Customer", "RegDate", "ProfSys", "InnerProfColor",
                              "FurnSys", "FurnColor", "Handle", "Material", "FalzType", "DornType", "StulpFalzType",
                              "FlugelType", "PriceGrpNo", "NDSTax", "TotalNDS", "ShowIncludingNDS", "Rates", "Currency",
                              "Notes"})
        EXPECT_TRUE(header.contains(QLatin1String(field))) << field;
    EXPECT_EQ(header[QStringLiteral("RegDate")].toString(), QStringLiteral("01.12.2026"));
    EXPECT_EQ(header[QStringLiteral("Rates")].toArray()[1].toObject()[QStringLiteral("Rate")].toDouble(), 98.5);

    // Every money value in the whole document is a text "digits.dddd".
    const QRegularExpression money(QStringLiteral("^-?\\d+\\.\\d{4}$"));
    int checked = 0;
    std::function<void(const QJsonValue&, const QString&)> walk = [&](const QJsonValue& v, const QString& key) {
        if (v.isObject()) {
            const QJsonObject o = v.toObject();
            for (auto it = o.begin(); it != o.end(); ++it)
                walk(it.value(), it.key());
        } else if (v.isArray()) {
            for (const QJsonValue& e : v.toArray())
                walk(e, key);
        } else if (QStringList{"Cost", "Price", "Discount", "NetPrice", "Sum", "PositionsTotal", "VatAmount", "GrossTotal"}
                       .contains(key)) {
            EXPECT_TRUE(v.isString() && money.match(v.toString()).hasMatch()) << key.toStdString();
            ++checked;
        }
    };
    walk(order, QString());
    EXPECT_GT(checked, 100);

    // The stulp window: two sashes side by side, each a rectangle with its sides and corners.
    const QJsonObject pos = order[QStringLiteral("positions")].toArray()[0].toObject();
    EXPECT_EQ(pos[QStringLiteral("Width")].toInt(), 1400);
    EXPECT_EQ(pos[QStringLiteral("Height")].toInt(), 1600);
    const QJsonObject right = pos[QStringLiteral("sashes")].toArray()[1].toObject();
    EXPECT_EQ(right[QStringLiteral("Width")].toInt(), 700);
    EXPECT_EQ(right[QStringLiteral("Points")].toArray()[0].toArray()[0].toInt(), 7000);
    const QJsonArray lines = right[QStringLiteral("Lines")].toArray();
    ASSERT_EQ(lines.size(), 4);
    for (const QJsonValue& l : lines)
        EXPECT_DOUBLE_EQ(l.toObject()[QStringLiteral("Angle")].toDouble(), 90);
    EXPECT_DOUBLE_EQ(lines[0].toObject()[QStringLiteral("Length")].toDouble(), 1600);
    const QJsonObject comp = right[QStringLiteral("FurnComp")].toObject();
    EXPECT_EQ(comp[QStringLiteral("Complect")].toString(), QStringLiteral("VK-ST-M21"));
    EXPECT_FALSE(comp[QStringLiteral("Items")].toArray().isEmpty());
    EXPECT_EQ(right[QStringLiteral("MatList")].toArray().size(), comp[QStringLiteral("Items")].toArray().size());

    const TRun text = RunCli({QStringLiteral("order"), QStringLiteral("show"), Order(QStringLiteral("1001"))});
    ASSERT_EQ(text.Code, 0) << Show(text);
    EXPECT_TRUE(text.Out.contains(QStringLiteral("Позиция 001: Окно штульповое, главная правая створка, 1400 x 1600 мм")));
    EXPECT_TRUE(text.Out.contains(QStringLiteral("Ручка оконная с ключом «Вектор», белая")));
    EXPECT_TRUE(text.Out.contains(QStringLiteral("НДС 20%:")));
    EXPECT_TRUE(text.Err.isEmpty()) << Show(text);
}

TEST_F(Cli, LeftOutFieldsGetWhatTheOrderAndPositionWindowsGive)
{
    const QString out = Path(QStringLiteral("defaults.vfo370"));
    const TRun r = BuildOrder(Path(QStringLiteral("in.json")),
                              R"({"header": {"Customer": "Петров"},
                                  "positions": [{"shape": {"Figure": 7, "Width": 1000, "Height": 1600}},
                                                {"ObjType": 1, "Active": false, "shape": {"Figure": 1}},
                                                {"shape": {"Figure": 3}}]})",
                              out);
    ASSERT_EQ(r.Code, 0) << Show(r);
    const QJsonObject order = ShowJson(out);
    const QJsonObject header = order[QStringLiteral("header")].toObject();
    EXPECT_EQ(header[QStringLiteral("Customer")].toString(), QStringLiteral("Петров"));
    EXPECT_EQ(header[QStringLiteral("FurnSys")].toString(), QStringLiteral("110"));
    EXPECT_EQ(header[QStringLiteral("FurnColor")].toString(), QStringLiteral("SILVER"));
    EXPECT_EQ(header[QStringLiteral("DornType")].toInt(), 201);
    EXPECT_EQ(header[QStringLiteral("Currency")].toInt(), 1);
    EXPECT_EQ(header[QStringLiteral("Rates")].toArray().size(), 3);

    const QJsonArray positions = order[QStringLiteral("positions")].toArray();
    ASSERT_EQ(positions.size(), 3);
    const QJsonObject arch = positions[0].toObject();
    EXPECT_EQ(arch[QStringLiteral("PosNo")].toString(), QStringLiteral("001"));
    EXPECT_EQ(arch[QStringLiteral("Name")].toString(), QStringLiteral("Окно: Комплект арка"));
    EXPECT_EQ(arch[QStringLiteral("Num")].toInt(), 1);
    EXPECT_EQ(arch[QStringLiteral("FurnSys")].toString(), QStringLiteral("110"));
    EXPECT_EQ(arch[QStringLiteral("Falz")].toInt(), 102);
    EXPECT_EQ(arch[QStringLiteral("Cost")].toString(), QStringLiteral("0.0000"));
    // A half-circle arch over the whole width; the sash takes the order's Dornmass.
    const QJsonObject sash = arch[QStringLiteral("sashes")].toArray()[0].toObject();
    EXPECT_EQ(sash[QStringLiteral("Dorn")].toInt(), 201);
    EXPECT_EQ(sash[QStringLiteral("Width")].toInt(), 1000);
    EXPECT_EQ(sash[QStringLiteral("Height")].toInt(), 1600);
    bool arc = false;
    for (const QJsonValue& l : sash[QStringLiteral("Lines")].toArray())
        arc = arc || l.toObject()[QStringLiteral("R1")].toDouble() == 5000;
    EXPECT_TRUE(arc);

    // A door: 900 x 2100 split in two halves, "002", not active.
    const QJsonObject door = positions[1].toObject();
    EXPECT_EQ(door[QStringLiteral("PosNo")].toString(), QStringLiteral("002"));
    EXPECT_EQ(door[QStringLiteral("Name")].toString(), QStringLiteral("Дверь с порогом: Комплект штульповый"));
    EXPECT_FALSE(door[QStringLiteral("Active")].toBool());
    EXPECT_EQ(door[QStringLiteral("Width")].toInt(), 900);
    EXPECT_EQ(door[QStringLiteral("Height")].toInt(), 2100);
    EXPECT_EQ(door[QStringLiteral("sashes")].toArray()[1].toObject()[QStringLiteral("Width")].toInt(), 450);
    // A trapezoid whose short side is half the height.
    const QJsonObject trapezoid = positions[2].toObject();
    EXPECT_EQ(trapezoid[QStringLiteral("Width")].toInt(), 700);
    EXPECT_EQ(trapezoid[QStringLiteral("Height")].toInt(), 1400);
}

TEST_F(Cli, RecalcTakesTheNewCatalogPriceAndAFailingPositionStopsWithoutSaving)
{
    const QString file = Order(QStringLiteral("1002"));
    const QByteArray original = Bytes(file);
    const QString before = ShowJson(file)[QStringLiteral("positions")].toArray()[0].toObject()[QStringLiteral("Cost")].toString();

    // The key handle of the tilt-turn window costs 100 roubles more (price group 2: -5 %).
    SetCatalog(QStringLiteral("UPDATE Catalog SET Price = Price + 100 WHERE ID = 'VK-4003-S'"));
    const QString out = Path(QStringLiteral("recalc.vfo370"));
    TRun refused = RunCli({QStringLiteral("order"), QStringLiteral("recalc"), file, QStringLiteral("-o"), out});
    EXPECT_EQ(refused.Code, 1) << Show(refused);
    EXPECT_FALSE(QFileInfo::exists(out));

    TRun r = RunCli({QStringLiteral("order"), QStringLiteral("recalc"), file, QStringLiteral("-o"), out, QStringLiteral("--yes")});
    ASSERT_EQ(r.Code, 0) << Show(r);
    EXPECT_EQ(Bytes(file), original);
    const QString after = ShowJson(out)[QStringLiteral("positions")].toArray()[0].toObject()[QStringLiteral("Cost")].toString();
    EXPECT_EQ(QString::number(after.toDouble() - before.toDouble(), 'f', 2), QStringLiteral("95.00"));

    // Without the article the second position of 1001 cannot be priced: the message names it
    // and nothing is written.
    SetCatalog(QStringLiteral("DELETE FROM Catalog WHERE ID = 'AV-1201'"));
    const QString failed = Path(QStringLiteral("failed.vfo370"));
    r = RunCli({QStringLiteral("order"), QStringLiteral("recalc"), Order(QStringLiteral("1001")), QStringLiteral("-o"), failed,
             QStringLiteral("--yes")});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("AV-1201"))) << Show(r);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("[Позиция: 002]"))) << Show(r);
    EXPECT_FALSE(QFileInfo::exists(failed));
}

TEST_F(Cli, SelectionsGatherEveryPositionOfSeveralOrdersOnce)
{
    const QString sel = Dir + QStringLiteral("/Server/Selection/S1.vfs370");
    TRun r = RunCli({QStringLiteral("selection"), QStringLiteral("build"), sel, QStringLiteral("--no"), QStringLiteral("S-1"),
                  QStringLiteral("--name"), QStringLiteral("Окна и двери"), Order(QStringLiteral("1001")),
                  Order(QStringLiteral("1002")), Order(QStringLiteral("1001"))});
    ASSERT_EQ(r.Code, 0) << Show(r);
    r = RunCli({QStringLiteral("selection"), QStringLiteral("show"), sel, QStringLiteral("--json")});
    ASSERT_EQ(r.Code, 0) << Show(r);
    const QJsonObject s = JsonOf(r);
    EXPECT_EQ(s[QStringLiteral("header")].toObject()[QStringLiteral("SelectionNo")].toString(), QStringLiteral("S-1"));
    const QJsonArray items = s[QStringLiteral("items")].toArray();
    ASSERT_EQ(items.size(), 9);
    const QJsonObject last = items[8].toObject();
    EXPECT_EQ(last[QStringLiteral("OrderNo")].toString(), QStringLiteral("1002"));
    EXPECT_EQ(last[QStringLiteral("Num")].toInt(), 2);
    EXPECT_EQ(last[QStringLiteral("Width")].toDouble(), 1000);
    EXPECT_EQ(last[QStringLiteral("OrderFile")].toString(), QStringLiteral("%1002.VFO370"));

    // One line per article over all positions, priced anew: about the two orders' totals.
    const QJsonArray mat = s[QStringLiteral("MatList")].toArray();
    QSet<QString> articles;
    for (const QJsonValue& m : mat)
        articles.insert(m.toObject()[QStringLiteral("Article")].toString());
    EXPECT_EQ(articles.size(), mat.size());
    const double expected = ShowJson(Order(QStringLiteral("1001")))[QStringLiteral("totals")].toObject()[QStringLiteral("PositionsTotal")].toString().toDouble()
                          + ShowJson(Order(QStringLiteral("1002")))[QStringLiteral("totals")].toObject()[QStringLiteral("PositionsTotal")].toString().toDouble();
    EXPECT_NEAR(s[QStringLiteral("Total")].toString().toDouble(), expected, 1.0);

    r = RunCli({QStringLiteral("selection"), QStringLiteral("show"), sel});
    ASSERT_EQ(r.Code, 0) << Show(r);
    EXPECT_TRUE(r.Out.contains(QStringLiteral("Выборка № S-1")));
    EXPECT_TRUE(r.Out.contains(QStringLiteral("Заказ 1002, позиция 001: Окно поворотно-откидное")));
}

TEST_F(Cli, RunningDemoAgainRefreshesTheCatalogAndKeepsTheUsersOrders)
{
    const QString mine = Order(QStringLiteral("mine"));
    ASSERT_TRUE(QFile::copy(Order(QStringLiteral("1001")), mine));
    ASSERT_TRUE(QFile::remove(Order(QStringLiteral("1003"))));
    const QByteArray sample = Bytes(Order(QStringLiteral("1002")));
    SetCatalog(QStringLiteral("UPDATE Catalog SET Price = 1 WHERE ID = 'VK-4003-S'"));

    const TRun r = RunCli({QStringLiteral("demo"), Dir});
    ASSERT_EQ(r.Code, 0) << Show(r);
    EXPECT_TRUE(r.Out.contains(QStringLiteral("(обновлен)"))) << Show(r);
    EXPECT_EQ(Bytes(mine), Bytes(Order(QStringLiteral("1001"))));
    EXPECT_EQ(Bytes(Order(QStringLiteral("1002"))), sample);
    EXPECT_TRUE(QFileInfo::exists(Order(QStringLiteral("1003"))));
    // The catalog price is the demo's again: a recalculation gives the documented cost.
    const QString out = Path(QStringLiteral("again.vfo370"));
    const TRun recalc = RunCli({QStringLiteral("order"), QStringLiteral("recalc"), Order(QStringLiteral("1002")),
                             QStringLiteral("-o"), out, QStringLiteral("--yes")});
    ASSERT_EQ(recalc.Code, 0) << Show(recalc);
    EXPECT_EQ(Kopecks(ShowJson(out)[QStringLiteral("positions")].toArray()[0].toObject()[QStringLiteral("Cost")]),
              QStringLiteral("2992.01"));
}

TEST_F(Cli, BadInputAndFailuresWriteNothingAndAnswerTheirCodes)
{
    const QString input = Path(QStringLiteral("bad.json"));
    const QString out = Path(QStringLiteral("bad.vfo370"));
    const QByteArray window = R"("shape": {"Figure": 0, "Width": 1000, "Height": 1400})";
    const struct {
        const char* name;
        QByteArray json;
        int code;
        const char* message;
    } cases[] = {
        {"bad JSON", "{\"positions\": [", 2, "неверный JSON"},
        {"unknown field", "{\"positions\": [{\"shape\": {\"Figure\": 0, \"Depth\": 5}}]}", 2, "positions[0].shape.Depth"},
        {"unknown header field", "{\"header\": {\"Material\": 1, \"Version\": \"x\"}}", 2, "header.Version"},
        {"wrong type", "{\"header\": {\"NDSTax\": \"20\"}}", 2, "header.NDSTax"},
        {"fraction for an integer", "{\"positions\": [{\"Num\": 1.5}]}", 2, "positions[0].Num"},
        {"bad property line", "{\"positions\": [{\"fittings\": {\"left\": {\"Props\": [\"x\"]}}}]}", 2,
         "positions[0].fittings.left.Props[0]"},
        {"bad date", "{\"header\": {\"RegDate\": \"2026-12-01\"}}", 2, "header.RegDate"},
        {"no complect", "{\"positions\": [{" + window + ", \"fittings\": {}}]}", 1, "Не указан комплект фурнитуры!"},
        {"size the position cannot have", "{\"positions\": [{\"shape\": {\"Figure\": 0, \"Width\": 0}}]}", 1,
         "Размеры B и H должны быть больше нуля!"},
        {"catalog limit in the second position",
         "{\"positions\": [{" + window + "}, {\"PosNo\": \"7\", " + window
             + ", \"fittings\": {\"Falz\": 103, \"left\": {\"Complect\": \"VK-PO-L\", \"Hinge\": \"VK-HINGE\","
               " \"Handle\": \"VK-HANDLE\", \"Props\": [\"0=1051\", \"1=1011\"]}}}]}",
         1, "[Позиция: 7]"},
    };
    for (const auto& c : cases) {
        const TRun r = BuildOrder(input, c.json, out);
        EXPECT_EQ(r.Code, c.code) << c.name << "\n" << Show(r);
        EXPECT_TRUE(r.Err.contains(QString::fromUtf8(c.message))) << c.name << "\n" << Show(r);
        EXPECT_FALSE(QFileInfo::exists(out)) << c.name;
    }

    // Missing and damaged files.
    TRun r = RunCli({QStringLiteral("order"), QStringLiteral("build"), Path(QStringLiteral("absent.json")),
                  QStringLiteral("-o"), out});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_FALSE(QFileInfo::exists(out));
    r = RunCli({QStringLiteral("order"), QStringLiteral("show"), Path(QStringLiteral("absent.vfo370"))});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("Ошибка загрузки заказа!"))) << Show(r);
    const QString damaged = Path(QStringLiteral("damaged.vfo370"));
    WriteText(damaged, Bytes(Order(QStringLiteral("1001"))).left(900));
    r = RunCli({QStringLiteral("order"), QStringLiteral("show"), damaged, QStringLiteral("--json")});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("Ошибка загрузки заказа!"))) << Show(r);
    EXPECT_TRUE(r.Out.isEmpty());
    const QString sel = Path(QStringLiteral("s.vfs370"));
    r = RunCli({QStringLiteral("selection"), QStringLiteral("build"), sel, QStringLiteral("--no"), QStringLiteral("1"),
             Order(QStringLiteral("1001")), damaged});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_FALSE(QFileInfo::exists(sel));

    // A file of the other kind.
    r = RunCli({QStringLiteral("selection"), QStringLiteral("show"), Order(QStringLiteral("1001"))});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_TRUE(r.Out.isEmpty()) << Show(r);

    // Usage.
    for (const QStringList& args :
         {QStringList{"order", "build", input}, QStringList{"order", "frobnicate"}, QStringList{"order", "show"},
          QStringList{"selection", "build", sel, Order(QStringLiteral("1001"))}, QStringList{"demo"},
          QStringList{"order", "show", Order(QStringLiteral("1001")), "--colour", "red"}}) {
        r = RunCli(args);
        EXPECT_EQ(r.Code, 2) << args.join(' ').toStdString() << "\n" << Show(r);
    }
}

TEST_F(Cli, AnOlderOrderFileIsShownOnlyWhenTheConversionIsAccepted)
{
    const QString old = Path(QStringLiteral("old.vfo"));
    WriteText(old, vxtest::LegacyOrderFile(QStringLiteral("23.07.2019")));
    TRun r = RunCli({QStringLiteral("order"), QStringLiteral("show"), old, QStringLiteral("--json")});
    EXPECT_EQ(r.Code, 1) << Show(r);
    EXPECT_TRUE(r.Err.contains(QStringLiteral("Необходимо конвертировать файл заказа!"))) << Show(r);
    EXPECT_TRUE(r.Out.isEmpty());

    r = RunCli({QStringLiteral("order"), QStringLiteral("show"), old, QStringLiteral("--json"), QStringLiteral("--yes")});
    ASSERT_EQ(r.Code, 0) << Show(r);
    const QJsonObject order = JsonOf(r);
    EXPECT_EQ(order[QStringLiteral("header")].toObject()[QStringLiteral("OrderNo")].toString(), QStringLiteral("З-1"));
    const QJsonObject pos = order[QStringLiteral("positions")].toArray()[0].toObject();
    EXPECT_EQ(pos[QStringLiteral("PosNo")].toString(), QStringLiteral("001"));
    const QJsonArray mat = pos[QStringLiteral("sashes")].toArray()[0].toObject()[QStringLiteral("MatList")].toArray();
    ASSERT_EQ(mat.size(), 1);
    EXPECT_EQ(mat[0].toObject()[QStringLiteral("Sum")].toString(), QStringLiteral("1810.0000"));
}
