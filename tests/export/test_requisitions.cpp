#include "ExportTestSupport.h"
#include "config/VXRegistry.h"
#include "export/VXFExpTBM.h"
#include "export/VXFExpVorne.h"
#include "model/VXFOrderSelection.h"

using namespace vx;
using namespace vxtest;

namespace {

const QString Indent(20, QLatin1Char(' '));

QStringList Header(int width, const QString& firm, const QString& firmName, int no, const QString& name,
                   const QString& date, const QString& heading)
{
    return {Indent + "Шифр фирмы " + firm, Indent + "Фирма " + firmName, Indent + "Заявка № " + QString::number(no),
            Indent + "Название " + name,   Indent + "Дата заявки " + date, QString(width, '-'),
            heading,                       QString(width, '-')};
}

const QString TBMHeading = "    Артикул                       Название                      Кол.  Ед.изм.   ";
const QString VorneHeading = "    Артикул                       Название                      Кол.  Ед.изм. Цена без скидки      Скидка       Цена со скидкой        Сумма        ";

QStringList TBMFooter()
{
    return {QString(80, '-'), QString(80, ' '), Indent + "Заявку составил" + QString(24, '_') + QString(21, ' ')};
}

QStringList VorneFooter()
{
    return {QString(148, '-'), QString(148, ' '),
            QString(64, ' ') + "Заявку составил" + QString(24, '_') + QString(45, ' ')};
}

// Items in the order B, A, C; a second position is not active and stays out.
void FillOrder(TvxfOrder& order)
{
    order.OrderNo = "З-15";
    AddPosition(order, "1", 1, true, {{"B-01", 2.5f, 12.5}, {"A-LONG", 1, 100.25}, {"C-7", 2.4f, 3}});
    AddPosition(order, "2", 3, false, {{"B-01", 10, 12.5}});
}

class Requisition : public ExportTest {
protected:
    TvxfOrder Order;
    void SetUp() override
    {
        ExportTest::SetUp();
        FillOrder(Order);
    }
    TExportValues Values(TExportKind kind, const TExportDocument& doc)
    {
        TExportValues v = LoadExportValues(kind, doc);
        v.OrderDate = Day(2026, 3, 5);
        return v;
    }
};

} // namespace

TEST_F(Requisition, TBMOrderFileByteForByte)
{
    const TExportDocument doc(&Order);
    const TExportValues v = Values(TExportKind::TBM, doc);
    const TExportResult r = RunExport(TExportKind::TBM, doc, v);
    EXPECT_EQ(r.File, TExportOutcome::Written);
    EXPECT_TRUE(fx.UI.Shown.isEmpty()) << fx.UI.texts().join("|").toStdString();

    // First appearance order; 2.5 gives 3 and 2.4 gives 2; the 20-character article keeps its
    // first 16; an article without manufacturer articles leaves the column blank.
    QStringList lines = Header(80, "0000", "ООО \"Окна\"", 1, "З-15", "05.03.2026", TBMHeading);
    lines << "H-200/2         Петля верхняя                                      3       шт"
          << "1234567890123456Ручка оконная                                      1       шт"
          << "                Тяга                                               2        м";
    lines << TBMFooter();
    EXPECT_EQ(FileBytes(Path("server/Export/Z00000001.txt")), Cp1251Lines(lines));
}

TEST_F(Requisition, VorneOrderFileSortedByArticleWithPrices)
{
    const TExportDocument doc(&Order);
    const TExportValues v = Values(TExportKind::Vorne, doc);
    EXPECT_EQ(RunExport(TExportKind::Vorne, doc, v).File, TExportOutcome::Written);

    QStringList lines = Header(148, "0000", "ООО \"Окна\"", 1, "З-15", "05.03.2026", VorneHeading);
    lines << "P-100           Ручка оконная                                      1       шт         100,2500           0,0000         100,2500         100,2500"
          << "H-200           Петля верхняя                                      3       шт          12,5000           0,0000          12,5000          31,2500"
          << "                Тяга                                               2        м           3,0000           0,0000           3,0000           7,2000";
    lines << VorneFooter();
    EXPECT_EQ(FileBytes(Path("server/Export/Z00000001.txt")), Cp1251Lines(lines));
}

TEST_F(Requisition, SelectionIsSortedAndPricedAnew)
{
    // The order file holds stale prices; the selection prices at the catalog's.
    TvxfOrder stored;
    stored.OrderNo = "17";
    AddPosition(stored, "1", 1, true, {{"B-01", 2.5f, 99}, {"A-LONG", 1, 99}});
    AddPosition(stored, "2", 2, true, {{"A-LONG", 1, 99}, {"C-7", 0.5f, 99}});
    AddPosition(stored, "3", 1, true, {{"C-7", 40, 99}});
    QDir().mkpath(Path("server/Orders"));
    ASSERT_TRUE(stored.SaveToFile(Path("server/Orders/17.vfo370")));

    TvxfOrderSelection sel;
    sel.SelectionNo = "В-3";
    for (const char* pos : {"1", "2", "3"}) {
        auto item = std::make_unique<TvxfOrderSelectionItem>();
        item->PosNo = pos;
        item->OrderFile = "%17.VFO370";
        item->Active = QString(pos) != "3";
        sel.AddItem(std::move(item));
    }
    const TExportDocument doc(&sel);
    const TExportValues v = Values(TExportKind::Vorne, doc);
    EXPECT_EQ(v.OrderName, "В-3");
    EXPECT_EQ(RunExport(TExportKind::Vorne, doc, v).File, TExportOutcome::Written);
    EXPECT_TRUE(fx.UI.Shown.isEmpty()) << fx.UI.texts().join("|").toStdString();

    QStringList lines = Header(148, "0000", "ООО \"Окна\"", 1, "В-3", "05.03.2026", VorneHeading);
    lines << "P-100           Ручка оконная                                      3       шт         100,2500           0,0000         100,2500         300,7500"
          << "H-200           Петля верхняя                                      3       шт          12,5000           0,0000          12,5000          31,2500"
          << "                Тяга                                               1        м           3,0000           0,0000           3,0000           3,0000";
    lines << VorneFooter();
    EXPECT_EQ(FileBytes(Path("server/Export/Z00000001.txt")), Cp1251Lines(lines));

    // TBM takes the selection's article order as well; its file name is the Vorne one.
    const TExportValues t = Values(TExportKind::TBM, doc);
    EXPECT_EQ(t.FileName, v.FileName);
    fx.UI.ConfirmAnswers = {true};
    EXPECT_EQ(RunExport(TExportKind::TBM, TExportDocument(&sel), t).File, TExportOutcome::Written);
    QStringList tbm = Header(80, "0000", "ООО \"Окна\"", 1, "В-3", "05.03.2026", TBMHeading);
    tbm << "1234567890123456Ручка оконная                                      3       шт"
        << "H-200/2         Петля верхняя                                      3       шт"
        << "                Тяга                                               1        м";
    tbm << TBMFooter();
    EXPECT_EQ(FileBytes(Path("server/Export/Z00000001.txt")), Cp1251Lines(tbm));
}

TEST_F(Requisition, OrderWithoutActivePositionHasNoItemLines)
{
    TvxfOrder empty;
    empty.OrderNo = "9";
    AddPosition(empty, "1", 1, false, {{"B-01", 1, 12.5}});
    TExportValues v = Values(TExportKind::TBM, TExportDocument(&empty));
    v.FirmID = "A1";
    v.OrderNo = 7;
    v.FileName = ExportFileName(TExportKind::TBM, v.FirmID, v.OrderNo);
    EXPECT_EQ(RunExport(TExportKind::TBM, TExportDocument(&empty), v).File, TExportOutcome::Written);
    QStringList lines = Header(80, "A1", "ООО \"Окна\"", 7, "9", "05.03.2026", TBMHeading) + TBMFooter();
    EXPECT_EQ(FileBytes(Path("server/Export/ZA10007.txt")), Cp1251Lines(lines));
}

TEST_F(Requisition, MissingArticleKeepsTheLinesWrittenAndReports)
{
    AddPosition(Order, "3", 1, true, {{"X-MISSING", 1, 1}, {"C-7", 1, 3}});
    const QString file = Path("server/Export/Z00000001.txt");
    const struct {
        TExportKind Kind;
        QString Title;
        int Width;
        QString Heading;
        QStringList Items;
    } cases[] = {
        {TExportKind::TBM, "ТБМ Навигатор", 80, TBMHeading,
         {"H-200/2         Петля верхняя                                      3       шт",
          "1234567890123456Ручка оконная                                      1       шт",
          "                Тяга                                               3        м"}},
        // Sorted: A-LONG, B-01, C-7, X-MISSING.
        {TExportKind::Vorne, "Ворне Бела", 148, VorneHeading,
         {"P-100           Ручка оконная                                      1       шт         100,2500           0,0000         100,2500         100,2500",
          "H-200           Петля верхняя                                      3       шт          12,5000           0,0000          12,5000          31,2500",
          "                Тяга                                               3        м           3,0000           0,0000           3,0000          10,2000"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Title.toStdString());
        fx.UI.clear();
        QFile::remove(file);
        const TExportDocument doc(&Order);
        const TExportValues v = Values(c.Kind, doc);
        EXPECT_EQ(RunExport(c.Kind, doc, v).File, TExportOutcome::Failed);
        ASSERT_EQ(fx.UI.Shown.size(), 1);
        EXPECT_EQ(fx.UI.Shown[0].Kind, TMessageKind::Error);
        EXPECT_EQ(fx.UI.Shown[0].Text, "Ошибка записи данных в файл экспорта " + c.Title + " " + v.FileName
                                           + "!\r\nВ каталоге отсутствуют данные для [X-MISSING]!\r\n"
                                             "(Поиск [Наименование] через [Код])");
        QStringList lines = Header(c.Width, "0000", "ООО \"Окна\"", 1, "З-15", "05.03.2026", c.Heading);
        // The TBM list reaches the missing article after B, A and C; Vorne's sorted one last.
        lines << c.Items;
        EXPECT_EQ(FileBytes(file), Cp1251Lines(lines));
        // The values were remembered before writing: clear them for the next case.
        TRegistry().DeleteKey(ExportRegistryKey(c.Kind));
    }
}

TEST_F(Requisition, DefaultsRememberedValuesAndOverwriteQuestion)
{
    const TExportDocument doc(&Order);
    // First run: nothing remembered.
    TExportValues first = LoadExportValues(TExportKind::TBM, doc);
    EXPECT_EQ(first.FirmID, "0000");
    EXPECT_EQ(first.FirmName, "ООО \"Окна\"");
    EXPECT_EQ(first.OrderNo, 1);
    EXPECT_EQ(first.OrderName, "З-15");
    EXPECT_EQ(first.OrderDate.date(), QDate::currentDate());
    EXPECT_EQ(first.FileName, Path("server/Export/Z00000001.txt"));

    first.FirmID = "K42";
    first.FirmName = "Фирма-2";
    first.OrderNo = 12;
    first.OrderDate = Day(2025, 12, 31);
    first.FileName = ExportFileName(TExportKind::TBM, first.FirmID, first.OrderNo);
    WriteFileBytes(first.FileName, "old");
    fx.UI.ConfirmAnswers = {false};
    EXPECT_EQ(RunExport(TExportKind::TBM, doc, first).File, TExportOutcome::Cancelled);
    EXPECT_EQ(fx.UI.texts(), QStringList({"Файл [" + first.FileName + "] уже существует!\r\nПереписать?"}));
    EXPECT_EQ(FileBytes(first.FileName), "old");

    // The second run offers the number after the last one, also after Cancel at the question.
    const TExportValues second = LoadExportValues(TExportKind::TBM, doc);
    EXPECT_EQ(second.FirmID, "K42");
    EXPECT_EQ(second.FirmName, "Фирма-2");
    EXPECT_EQ(second.OrderNo, 13);
    EXPECT_EQ(second.OrderDate, Day(2025, 12, 31));
    EXPECT_EQ(second.FileName, Path("server/Export/ZK420013.txt"));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(TBMRegistryKey, false));
    EXPECT_EQ(reg.ReadString("FileName"), first.FileName);

    // Each export remembers under its own key.
    const TExportValues vorne = LoadExportValues(TExportKind::Vorne, doc);
    EXPECT_EQ(vorne.FirmID, "0000");
    EXPECT_EQ(vorne.OrderNo, 1);

    // Answering OK replaces the file.
    fx.UI.ConfirmAnswers = {true};
    EXPECT_EQ(RunExport(TExportKind::TBM, doc, first).File, TExportOutcome::Written);
    EXPECT_TRUE(FileBytes(first.FileName).startsWith(Cp1251Lines({Indent + "Шифр фирмы K42"})));
}

TEST(ExportFileNames, FirmCodeAndNumber)
{
    RunPaths().Clear();
    RunPaths().ExportDir = "C:\\Valtrix\\Server\\Export";
    EXPECT_EQ(ExportFileName(TExportKind::TBM, "0000", 12), "C:\\Valtrix\\Server\\Export\\Z00000012.txt");
    EXPECT_EQ(ExportFileName(TExportKind::Vorne, "0000", 12), "C:\\Valtrix\\Server\\Export\\Z00000012.txt");
    EXPECT_EQ(ExportFileName(TExportKind::TBM, "A1", 7), "C:\\Valtrix\\Server\\Export\\ZA10007.txt");
    EXPECT_EQ(ExportFileName(TExportKind::VBH, "7701234567", 12345), "C:\\Valtrix\\Server\\Export\\Z770123456712345.xml");
    RunPaths().ExportDir = "/srv/vx/export";
    EXPECT_EQ(ExportFileName(TExportKind::VBH, "", 1), "/srv/vx/export/Z0001.xml");
    RunPaths().Clear();
}

TEST(ExportQuantities, HalvesAwayFromZero)
{
    const struct {
        float Quantity;
        const char* Text;
    } cases[] = {{2.5f, "3"}, {2.4f, "2"}, {3.5f, "4"}, {0.5f, "1"}, {-2.5f, "-3"}, {-0.4f, "0"}, {1234567.0f, "1234567"}};
    for (const auto& c : cases)
        EXPECT_EQ(WholeQuantity(c.Quantity), c.Text) << c.Quantity;
}

TEST_F(Requisition, FileThatCannotBeCreatedIsReported)
{
    // The export directory's place is taken by a file: neither directory nor file can be made.
    WriteFileBytes(Path("blocker"), "x");
    RunPaths().ExportDir = Path("blocker/Export");
    const struct {
        TExportKind Kind;
        QString Prefix;
    } cases[] = {{TExportKind::TBM, "Ошибка записи данных в файл экспорта ТБМ Навигатор "},
                 {TExportKind::Vorne, "Ошибка записи данных в файл экспорта Ворне Бела "},
                 {TExportKind::VBH, "Ошибка записи данных в файл экспорта XML "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Prefix.toStdString());
        fx.UI.clear();
        const TExportDocument doc(&Order);
        const TExportValues v = Values(c.Kind, doc);
        EXPECT_EQ(RunExport(c.Kind, doc, v).File, TExportOutcome::Failed);
        ASSERT_EQ(fx.UI.Shown.size(), 1);
        EXPECT_EQ(fx.UI.Shown[0].Kind, TMessageKind::Error);
        EXPECT_TRUE(fx.UI.Shown[0].Text.startsWith(c.Prefix + v.FileName + "!\r\n")) << fx.UI.Shown[0].Text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(v.FileName));
    }
}
