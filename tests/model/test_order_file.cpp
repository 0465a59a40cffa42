#include "OrderTestFiles.h"
#include "TestSupport.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace vx;
using namespace vxtest;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Lowers the size a process may give a file, as a full disk would; writes beyond it fail.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Old);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = Old;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Old{};
    void (*OldHandler)(int) = nullptr;
};

struct TLoad {
    bool ok = false;
    bool converted = false;
};

TLoad Load(TvxfOrder& o, const QString& path)
{
    TLoad r;
    r.ok = o.LoadFromFile(path, &r.converted);
    return r;
}

} // namespace

TEST(OrderFile, NewEmptyOrderLayout)
{
    QTemporaryDir dir;
    const QString path = TempPath(dir, "new.vfo370");
    TvxfOrder o;
    ASSERT_TRUE(o.SaveToFile(path));
    const QByteArray bytes = ReadAll(path);

    const QByteArray head = QByteArray::fromHex("1c000000") + "Valtrix Furniture Order File" + QByteArray::fromHex("0a000000")
        + "26.12.2019" + QByteArray::fromHex("03") + QByteArray(15, '\0');
    EXPECT_EQ(bytes.left(head.size()).toHex(), head.toHex());

    TSpecStream e;
    e.WriteValue(QString("Valtrix Furniture Order File"));
    e.WriteValue(QString("26.12.2019"));
    e.WriteValue(int32_t(0));
    e.WriteValue(int32_t(0));
    e.WriteValue(o.Created);
    e.WriteValue(o.Modified);
    e.WriteValue(int32_t(0));
    for (int i = 0; i < 7; ++i)
        e.WriteValue(QString());
    e.WriteValue(o.RegDate);
    e.WriteValue(true);
    for (int i = 0; i < 6; ++i)
        e.WriteValue(QString());
    for (int i = 0; i < 5; ++i)
        e.WriteValue(int32_t(0));
    e.WriteValue(0.0);
    e.WriteValue(false);
    e.WriteValue(false);
    e.WriteValue(int32_t(0));   // rates
    e.WriteValue(int32_t(0));   // currency
    e.WriteValue(QString());    // notes
    e.WriteValue(int32_t(0));   // positions
    EXPECT_EQ(bytes.toHex(), e.Data().toHex());
}

TEST(OrderFile, FullOrderRoundTrip)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    QTemporaryDir dir;
    const QString path = TempPath(dir, "order.vfo370");
    auto o = SampleOrder(2, 3);
    o->Version = "01.01.2000";
    ASSERT_TRUE(o->SaveToFile(path));
    EXPECT_EQ(o->Version, "26.12.2019");

    // Loading replaces positions and rates; the material code is not in the file.
    TvxfOrder back;
    back.AddPosition(std::make_unique<TvxfConstruction>());
    back.Rates.push_back(std::make_unique<TvxfCurrencyItem>());
    back.Material = 9;
    // Stored paths come upper-cased; the file is found all the same.
    const TLoad r = Load(back, path.toUpper());
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.converted);
    EXPECT_TRUE(ui.Shown.isEmpty()) << ui.texts().join("|").toStdString();

    EXPECT_EQ(Bytes(back).toHex(), ReadAll(path).toHex());
    EXPECT_EQ(back.Material, 9);
    EXPECT_EQ(back.Customer, "ООО \"Окна\"");
    EXPECT_EQ(back.Notes, QStringList({"первая", "", "третья"}));
    ASSERT_EQ(back.RateCount(), 2);
    EXPECT_EQ(back.Rate(1)->Rate, 98.7654f);
    ASSERT_EQ(back.PositionCount(), 2);
    const TvxfConstruction& p = *back.Position(1);
    EXPECT_EQ(p.Order, &back);
    EXPECT_EQ(p.PosNo, "002");
    EXPECT_EQ(p.LeftFlugel->Dorn, 201);
    EXPECT_EQ(p.RightFlugel->Dorn, 202);
    ASSERT_NE(p.RightFlugel->FurnComp, nullptr);
    EXPECT_EQ(p.RightFlugel->FurnComp->Items.size(), 3u);
    EXPECT_EQ(p.RightFlugel->FurnComp->Items[2]->Note, "примечание 2");
    EXPECT_EQ(p.RightFlugel->MatList.size(), 3u);
    EXPECT_EQ(p.Cost, o->Position(1)->Cost);
    EXPECT_EQ(back.GrossTotal(), o->GrossTotal());
}

TEST(OrderFile, OlderVersionsLoadAfterTheConversionQuestion)
{
    const struct {
        const char* version;
        const char* file;
        bool asks;
        bool codes;      // the four technical codes instead of two texts
        int dorn;
        const char *origin, *note;
        int side;
    } cases[] = {
        {"01.01.2009", "old.vfo", true, false, 207, "", "", 0},
        {"26.12.19", "short.vfo", true, false, 207, "", "", 0},   // key 7333: older than all
        {"10.12.2009", "a.vfo", true, true, 207, "", "", 0},
        {"06.10.2015", "b.vfo370", true, true, 207, "o", "", 0},
        {"03.03.2019", "c.vfo370", true, true, 207, "o", "n", 0},
        {"23.07.2019", "d.vfo370", true, true, 209, "o", "n", 0},
        {"26.12.2019", "e.vfo370", false, true, 209, "o", "n", 3},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        TScriptedInteraction ui;
        ui.ConfirmAnswers = {true};
        TScopedUI scope(&ui);
        const QString path = TempPath(dir, c.file);
        WriteAll(path, LegacyOrderFile(c.version));

        TvxfOrder o;
        const TLoad r = Load(o, path);
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.converted, c.asks);
        EXPECT_EQ(ui.count(TMessageKind::Confirm), c.asks ? 1 : 0);
        EXPECT_EQ(ui.Shown.size(), c.asks ? 1 : 0) << ui.texts().join("|").toStdString();
        if (c.asks) {
            EXPECT_EQ(ui.Shown[0].Text, QString("Необходимо конвертировать файл заказа!\r\nЗагружаемая версия: %1\r\n"
                                                "Текущая версия: 26.12.2019")
                                            .arg(c.version));
        }
        EXPECT_EQ(o.Version, c.version);
        EXPECT_EQ(o.Reserved3, 3);
        EXPECT_EQ(o.Handle, "HA");
        EXPECT_EQ(o.FalzType, c.codes ? 101 : 0);
        EXPECT_EQ(o.FlugelType, c.codes ? 401 : 0);
        EXPECT_EQ(o.PriceGrpNo, 4);
        EXPECT_EQ(o.NDSTax, 20.0f);
        ASSERT_EQ(o.RateCount(), 1);
        EXPECT_EQ(o.Rate(0)->Rate, 2.5f);
        EXPECT_EQ(o.Currency, 2);
        EXPECT_EQ(o.Notes, QStringList{"заметка"});
        ASSERT_EQ(o.PositionCount(), 1);
        const TvxfConstruction& p = *o.Position(0);
        EXPECT_EQ(p.Name, "Окно");
        EXPECT_EQ(p.OpenType, 401);
        EXPECT_EQ(p.Layout, 0);
        EXPECT_EQ(p.LeftFlugel->Dorn, c.dorn);
        EXPECT_EQ(p.RightFlugel->Dorn, c.dorn);
        ASSERT_NE(p.LeftFlugel->FurnComp, nullptr);
        EXPECT_EQ(p.RightFlugel->FurnComp, nullptr);
        const TvxfFurnItem& item = *p.LeftFlugel->FurnComp->Items.at(0);
        EXPECT_EQ(item.Length, 1000.0f);
        EXPECT_EQ(item.Count, 2);
        EXPECT_EQ(item.Origin, c.origin);
        EXPECT_EQ(item.Note, c.note);
        EXPECT_EQ(item.SideNo, c.side);
        EXPECT_EQ(item.ComplectKey, c.side ? "C" : "");
        EXPECT_EQ(p.LeftFlugel->MatList.at(0)->Sum, TMoney::FromInt(1810));

        // Saved again, it is a file of the current version that loads without a question.
        ASSERT_TRUE(o.SaveToFile(path));
        TvxfOrder again;
        ui.clear();
        EXPECT_FALSE(Load(again, path).converted);
        EXPECT_TRUE(ui.Shown.isEmpty());
        EXPECT_EQ(again.Version, "26.12.2019");
        EXPECT_EQ(Bytes(again), Bytes(o));
    }
}

TEST(OrderFile, RefusedVersionsKeepTheOrder)
{
    const QString newer = "Вы пытаетесь открыть заказ, созданный более новой версией программы, чем текущая.\r\n"
                          "Данный модуль технолога поддерживает файлы заказа\r\nверсии не старше: 26.12.2019!\r\n"
                          "Загружаемая версия: %1";
    const struct {
        const char* version;
        TMessageKind kind;
        QString text;
    } cases[] = {
        {"10.12.2009", TMessageKind::Confirm, ""},   // answered with Cancel
        {"01.02.2020", TMessageKind::Warning, newer.arg("01.02.2020")},
        {"26.12.2019 ", TMessageKind::Warning, newer.arg("26.12.2019 ")},   // same key, other text
    };
    QTemporaryDir dir;
    const QString path = TempPath(dir, "x.vfo370");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        TScriptedInteraction ui;
        ui.ConfirmAnswers = {false};
        TScopedUI scope(&ui);
        WriteAll(path, LegacyOrderFile(c.version));
        TvxfOrder o;
        o.OrderNo = "прежний";
        o.AddPosition(std::make_unique<TvxfConstruction>());
        const TLoad r = Load(o, path);
        EXPECT_TRUE(r.ok);
        EXPECT_FALSE(r.converted);
        ASSERT_EQ(ui.Shown.size(), 1);
        EXPECT_EQ(ui.Shown[0].Kind, c.kind);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(ui.Shown[0].Text, c.text);
        }
        // The first seven fields are read, nothing after them.
        EXPECT_EQ(o.Version, c.version);
        EXPECT_EQ(o.Modified, TDateTime{40001.5});
        EXPECT_EQ(o.Reserved3, 3);
        EXPECT_EQ(o.OrderNo, "прежний");
        EXPECT_EQ(o.PositionCount(), 1);
    }

    // Failures to load are shown with their own text and answer false.
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    QByteArray badVersion = LegacyOrderFile("26.12.2019");
    badVersion.replace(QByteArray("26.12.2019"), QByteArray("26-12-2019"));
    WriteAll(path, badVersion);
    TvxfOrder o;
    EXPECT_FALSE(o.LoadFromFile(path));
    EXPECT_FALSE(o.LoadFromFile(TempPath(dir, "none.vfo370")));
    ASSERT_EQ(ui.Shown.size(), 2);
    EXPECT_EQ(ui.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(ui.Shown[0].Text, "Ошибка загрузки заказа!\r\n(Неверная дата версии формата [26-12-2019]!)");
    EXPECT_TRUE(ui.Shown[1].Text.startsWith("Ошибка загрузки заказа!\r\n(")) << ui.Shown[1].Text.toStdString();
}

TEST(OrderFile, DamagedFilesLoadAsFarAsTheyGo)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    auto original = SampleOrder(3, 2);
    const QByteArray bytes = Bytes(*original);

    // Cut in the name of the third position: the first two are whole, the third keeps what
    // was there and the rest of the file reads as empty values.
    const qsizetype name = bytes.indexOf(ToCp1251(u"Окно 003"));
    ASSERT_GT(name, 0);
    TSpecStream cut(bytes.left(name + 3));
    TvxfOrder o;
    o.LoadFromStream(cut);
    EXPECT_EQ(ui.texts(), QStringList{"Ошибка чтения строки из потока!\r\nЗаказано: [8 символов], Считано: [3 символов]!"});
    ASSERT_EQ(o.PositionCount(), 3);
    EXPECT_EQ(o.Position(2)->Name, "Окн");
    EXPECT_EQ(o.Position(2)->LeftFlugel->Points.size(), 0u);
    for (int i = 0; i < 2; ++i) {
        TSpecStream a, b;
        WritePosition(a, *o.Position(i));
        WritePosition(b, *original->Position(i));
        EXPECT_EQ(a.Data(), b.Data());
    }

    // Every cut of a small order ends the load quickly, with no more positions than it had.
    const QByteArray small = Bytes(*SampleOrder(1, 1));
    for (qsizetype n = 0; n < small.size(); ++n) {
        TSpecStream s(small.left(n));
        TvxfOrder part;
        try {
            part.LoadFromStream(s);
        } catch (const EValtrixError&) {
        }
        ASSERT_LE(part.PositionCount(), 1);
    }

    // Counts the data cannot hold, and values of a kind no file carries, are refused at once.
    ui.clear();
    TvxfOrder empty;
    const QByteArray emptyBytes = Bytes(empty);
    const qsizetype positionCount = emptyBytes.size() - 16;
    const qsizetype rateCount = positionCount - 4 - 16 - 16;
    const struct {
        qsizetype offset;
        QByteArray image;
        QString detail;
    } cases[] = {
        {positionCount + 8, QByteArray::fromHex("ffffff7f"),
         "Данные повреждены: число записей [2147483647] не соответствует объему данных!"},
        {rateCount + 8, QByteArray::fromHex("ffffffff"), "Данные повреждены: число записей [-1] не соответствует объему данных!"},
        {positionCount, QByteArray::fromHex("0800"),
         QString("Неизвестный тип значения в потоке (8) в позиции %1!").arg(positionCount)},
    };
    QTemporaryDir dir;
    const QString path = TempPath(dir, "damaged.vfo370");
    for (const auto& c : cases) {
        QByteArray damaged = emptyBytes;
        damaged.replace(c.offset, c.image.size(), c.image);
        WriteAll(path, damaged);
        ui.clear();
        TvxfOrder d;
        EXPECT_FALSE(d.LoadFromFile(path));
        EXPECT_EQ(ui.texts(), QStringList{"Ошибка загрузки заказа!\r\n(" + c.detail + ")"});
    }
}

TEST(OrderFile, FailingSaveLeavesThePreviousFile)
{
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    QTemporaryDir dir;
    const QString path = TempPath(dir, "order.vfo370");
    ASSERT_TRUE(SampleOrder(1, 2)->SaveToFile(path));
    const QByteArray previous = ReadAll(path);

    auto bigger = SampleOrder(20, 20);
    {
        TFileSizeLimit full(rlim_t(previous.size()) + 4096);
        EXPECT_FALSE(bigger->SaveToFile(path));
    }
    ASSERT_EQ(ui.Shown.size(), 1);
    EXPECT_EQ(ui.Shown[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(ui.Shown[0].Text.startsWith("Ошибка сохранения заказа!\r\n(")) << ui.Shown[0].Text.toStdString();
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"order.vfo370"});

    ui.clear();
    EXPECT_FALSE(bigger->SaveToFile(TempPath(dir, "missing/order.vfo370")));
    EXPECT_EQ(ui.count(TMessageKind::Error), 1);
}
