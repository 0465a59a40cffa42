#include "ExportTestSupport.h"
#include "export/VXFExpVBH.h"
#include "export/VXXMLVBH.h"

using namespace vx;
using namespace vxtest;

namespace {

const QByteArray Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

// The file as text, so that a difference shows readably; the bytes must be valid UTF-8.
QString Utf8File(const QString& file)
{
    const QByteArray bytes = FileBytes(file);
    const QString text = QString::fromUtf8(bytes);
    EXPECT_EQ(text.toUtf8(), bytes);
    return text;
}

class XmlOrder : public ExportTest {
protected:
    TvxfOrder Order;
    QStringList Opened;

    void SetUp() override
    {
        ExportTest::SetUp();
        Order.OrderNo = "З-15";
        AddPosition(Order, "1", 1, true, {{"B-01", 2.5f, 12.5}, {"A-LONG", 1, 100.25}, {"C-7", 2.4f, 3}});
        AddPosition(Order, "2", 3, false, {{"B-01", 10, 12.5}});
        SetExportFileOpener([this](const QString& file) { Opened << file; });
    }
    void TearDown() override
    {
        SetExportFileOpener({});
        ExportTest::TearDown();
    }
    TExportValues Values(const TExportDocument& doc)
    {
        TExportValues v = LoadExportValues(TExportKind::VBH, doc);
        v.OrderDate = Day(2026, 3, 5);
        return v;
    }
};

} // namespace

TEST_F(XmlOrder, OrderDocumentByteForByte)
{
    const TExportDocument doc(&Order);
    TExportValues v = Values(doc);
    // First run: the taxpayer number stands in for the customer number.
    EXPECT_EQ(v.FirmID, "7701234567");
    EXPECT_EQ(v.OrderNo, 1);
    EXPECT_EQ(v.FileName, Path("server/Export/Z77012345670001.xml"));
    EXPECT_FALSE(v.Upload);
    v.FirmID = "7701";
    v.OrderNo = 7;
    v.Comment = "срочно & <вечером>";
    v.FileName = ExportFileName(TExportKind::VBH, v.FirmID, v.OrderNo);
    fx.UI.TwoButtonAnswers = {1};

    const TExportResult r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_EQ(r.File, TExportOutcome::Written);
    EXPECT_FALSE(r.UploadTried);
    EXPECT_EQ(fx.UI.texts(), QStringList({"Откыть файл экспорта для просмотра?"}));
    EXPECT_EQ(Opened, QStringList({Path("server/Export/Z77010007.xml")}));

    // "No" 7 while the name carries 0007; Number rounds 2.5 up and 2.4 down; C-7 has no
    // manufacturer articles and falls back to its own code.
    const QByteArray expected =
        Declaration
        + QString("<Order Type=\"XML Order File\" FileName=\"Z77010007.xml\">"
                  "<Property CustomerID=\"7701\" Customer=\"ООО &quot;Окна&quot;\" No=\"7\" OrderList=\"З-15\""
                  " Comment=\"срочно &amp; &lt;вечером&gt;\" Date=\"05.03.2026\"/>"
                  "<ItemList>"
                  "<Item Article=\"H-200\" Article2=\"H-200/2\" Article3=\"B-01\" Name=\"Петля верхняя\" Number=\"3\"/>"
                  "<Item Article=\"P-100\" Article2=\"12345678901234567890\" Article3=\"A-LONG\" Name=\"Ручка оконная\" Number=\"1\"/>"
                  "<Item Article=\"C-7\" Article2=\"C-7\" Article3=\"C-7\" Name=\"Тяга\" Number=\"2\"/>"
                  "</ItemList></Order>\n")
              .toUtf8();
    EXPECT_EQ(Utf8File(v.FileName), QString::fromUtf8(expected));

    // The second run offers the next number and another file.
    const TExportValues second = Values(doc);
    EXPECT_EQ(second.FirmID, "7701");
    EXPECT_EQ(second.OrderNo, 8);
    EXPECT_EQ(second.FileName, Path("server/Export/Z77010008.xml"));
}

TEST_F(XmlOrder, NoActivePositionGivesAnEmptyItemList)
{
    TvxfOrder empty;
    empty.OrderNo = "9";
    const TExportDocument doc(&empty);
    TExportValues v = Values(doc);
    fx.UI.TwoButtonAnswers = {2};
    EXPECT_EQ(RunExport(TExportKind::VBH, doc, v).File, TExportOutcome::Written);
    EXPECT_TRUE(Opened.isEmpty());
    EXPECT_EQ(Utf8File(v.FileName),
              QString::fromUtf8(Declaration)
                  + QString("<Order Type=\"XML Order File\" FileName=\"Z77012345670001.xml\">"
                            "<Property CustomerID=\"7701234567\" Customer=\"ООО &quot;Окна&quot;\" No=\"1\" OrderList=\"9\""
                            " Comment=\"\" Date=\"05.03.2026\"/><ItemList/></Order>\n")
                        );
}

TEST_F(XmlOrder, MissingThirdArticleSavesThePartialDocumentAndReports)
{
    TvxfOrder order;
    order.OrderNo = "5";
    AddPosition(order, "1", 1, true, {{"B-01", 1, 12.5}, {"A-LONG", 1, 100.25}, {"X-MISSING", 1, 1}, {"C-7", 1, 3}});
    const TExportDocument doc(&order);
    TExportValues v = Values(doc);
    v.Upload = true;   // a failed file is not uploaded (no server is configured: it would fail loudly)
    const TExportResult r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_EQ(r.File, TExportOutcome::Failed);
    EXPECT_FALSE(r.UploadTried);
    ASSERT_EQ(fx.UI.Shown.size(), 2);
    EXPECT_EQ(fx.UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(fx.UI.Shown[0].Text, "Ошибка записи данных в файл экспорта XML " + v.FileName
                                       + "!\r\nВ каталоге отсутствуют данные для [X-MISSING]!\r\n"
                                         "(Поиск [Наименование] через [Код])");
    EXPECT_EQ(fx.UI.Shown[1].Kind, TMessageKind::TwoButtons);
    EXPECT_EQ(Utf8File(v.FileName),
              QString::fromUtf8(Declaration)
                  + QString("<Order Type=\"XML Order File\" FileName=\"Z77012345670001.xml\">"
                            "<Property CustomerID=\"7701234567\" Customer=\"ООО &quot;Окна&quot;\" No=\"1\" OrderList=\"5\""
                            " Comment=\"\" Date=\"05.03.2026\"/><ItemList>"
                            "<Item Article=\"H-200\" Article2=\"H-200/2\" Article3=\"B-01\" Name=\"Петля верхняя\" Number=\"1\"/>"
                            "<Item Article=\"P-100\" Article2=\"12345678901234567890\" Article3=\"A-LONG\" Name=\"Ручка оконная\" Number=\"1\"/>"
                            "<Item Article=\"X-MISSING\" Article2=\"X-MISSING\" Article3=\"X-MISSING\"/>"
                            "</ItemList></Order>\n")
                        );
}

TEST_F(XmlOrder, CancelledOverwriteKeepsTheFileAndAsksNothingElse)
{
    const TExportDocument doc(&Order);
    TExportValues v = Values(doc);
    WriteFileBytes(v.FileName, "<old/>");
    fx.UI.ConfirmAnswers = {false};
    v.Upload = true;
    const TExportResult r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_EQ(r.File, TExportOutcome::Cancelled);
    EXPECT_FALSE(r.UploadTried);
    EXPECT_EQ(FileBytes(v.FileName), "<old/>");
    // The open question still comes: the file is there to look at.
    EXPECT_EQ(fx.UI.count(TMessageKind::Confirm), 1);
    EXPECT_EQ(fx.UI.count(TMessageKind::TwoButtons), 1);
    EXPECT_EQ(fx.UI.count(TMessageKind::Error), 0);
}
