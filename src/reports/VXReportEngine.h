#pragma once
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;

// The banded report engine: templates are XML files (".vxr"), bands are walked over the
// application's datasets, texts carry [expression] placeholders answered by callbacks, and the
// built pages are drawn with QPainter onto PDF, printers and images or exported as text.
//
//   <report>
//     <page width="210" height="297" left="10" top="10" right="10" bottom="10"/>
//     <font family="DejaVu Sans" size="9"/>
//     <band type="MasterData" dataset="frdOrderPosSpec" height="6">
//       <memo x="0" y="0" w="20" h="6" frame="all" stretch="1">[_POS_NO]</memo>
//       <sketch name="VXFImage1" x="20" y="0" w="60" h="40" frame="all"/>
//     </band>
//   </report>
//
// Sizes and positions are millimetres; object positions are relative to their band, whose left
// edge is the page's left margin.
//
// Bands: ReportTitle, PageHeader, MasterHeader/Data/Footer, DetailHeader/Data/Footer,
// SubDetailHeader/Data/Footer (data bands walk the dataset named by "dataset", details once per
// row of the band above), ReportSummary, PageFooter; a header with repeat="1" is printed again
// on each new page of its data. Objects: memo (text with [expression] placeholders; font, size,
// bold, italic, underline, color, align left|center|right|justify, valign top|center|bottom,
// wrap, format), line (from x,y to x+w,y+h), rect, picture (file beside the template), sketch.
// Every object takes frame ("all" or letters l,t,r,b), frame-width, frame-color, fill and
// stretch="1" (grows with its text; the band grows with it and the object fills the band).
// Engine variables: PAGE, TOTALPAGES, LINE (row of the data band), DATE, TIME; functions SUM(x)
// and COUNT() over the rows of the band's data (the summary's: the master data), IIF,
// FORMATNUMBER, FORMATMONEY, FORMATDATE, UPPERCASE, LOWERCASE, TRIM, STR.

namespace vx {

class TfrReport;

enum class TfrBandType {
    ReportTitle,
    ReportSummary,
    PageHeader,
    PageFooter,
    MasterHeader,
    MasterData,
    MasterFooter,
    DetailHeader,
    DetailData,
    DetailFooter,
    SubDetailHeader,
    SubDetailData,
    SubDetailFooter,
};

// A dataset of the application: the engine walks it for the band bound to its name.
struct TfrUserDataset {
    QString Name;
    std::function<void()> OnFirst;
    std::function<void()> OnNext;
    std::function<void()> OnPrior;
    std::function<bool()> OnCheckEOF;   // past the last row
};

enum TfrFrameSide { frLeft = 1, frTop = 2, frRight = 4, frBottom = 8, frAll = 15 };

// A report object. Prepared pages hold copies with page positions.
class TfrView {
public:
    virtual ~TfrView() = default;
    virtual std::unique_ptr<TfrView> Clone() const = 0;
    virtual QString TypeName() const = 0;

    QString Name;
    QRectF Rect;                 // mm: in its band in a template, on the page when prepared
    int Frame = 0;               // TfrFrameSide bits
    double FrameWidth = 0.2;     // mm
    QColor FrameColor = Qt::black;
    QColor Fill;                 // invalid: transparent
    bool Stretched = false;      // grows with its text and fills the band's height

    // Evaluates the content for the current row; the height the content needs, in mm.
    virtual void Prepare(TfrReport& report) { Q_UNUSED(report); }
    virtual double NeededHeight() const { return Rect.height(); }
    // Draws at the page's scale (pixels per mm) and offset (pixels).
    virtual void Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const;
    // The text an export writes for the object; empty for graphics.
    virtual QString PlainText() const { return QString(); }

protected:
    QRect PixelRect(double scaleX, double scaleY, QPointF offset) const;
    void DrawBackground(QPainter& painter, const QRect& r) const;
    void DrawFrame(QPainter& painter, const QRect& r, double scaleX) const;
};

// Text with [expression] placeholders.
class TfrMemoView : public TfrView {
public:
    std::unique_ptr<TfrView> Clone() const override { return std::make_unique<TfrMemoView>(*this); }
    QString TypeName() const override { return QStringLiteral("memo"); }

    QString Memo;                 // as written in the template
    QString Text;                 // evaluated
    QString FontFamily;
    double FontSize = 9;          // points
    bool Bold = false, Italic = false, Underline = false;
    QColor Color = Qt::black;
    Qt::Alignment Align = Qt::AlignLeft | Qt::AlignTop;
    bool WordWrap = true;
    // Value format of the placeholders: "" as the value reads, "N2" number with two decimals and
    // thousands separators, "M" money as the program writes amounts ("M0".."M4" decimals), "D"
    // short date; a trailing "Z" leaves a zero empty.
    QString Format;

    void Prepare(TfrReport& report) override;
    double NeededHeight() const override;
    void Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const override;
    QString PlainText() const override { return Text; }

    QFont PixelFont(double pixelsPerMm) const;
    int TextFlags() const;
};

class TfrLineView : public TfrView {
public:
    std::unique_ptr<TfrView> Clone() const override { return std::make_unique<TfrLineView>(*this); }
    QString TypeName() const override { return QStringLiteral("line"); }
    void Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const override;
};

// A rectangle: frame and fill only.
class TfrShapeView : public TfrView {
public:
    std::unique_ptr<TfrView> Clone() const override { return std::make_unique<TfrShapeView>(*this); }
    QString TypeName() const override { return QStringLiteral("rect"); }
};

class TfrPictureView : public TfrView {
public:
    std::unique_ptr<TfrView> Clone() const override { return std::make_unique<TfrPictureView>(*this); }
    QString TypeName() const override { return QStringLiteral("picture"); }
    QImage Picture;
    bool KeepAspect = true;
    // False when the file cannot be read as a picture (the picture stays as it was).
    bool LoadPicture(const QString& fileName);
    void Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const override;
};

class TfrBand {
public:
    TfrBandType Type = TfrBandType::MasterData;
    QString Name;
    double Height = 0;            // mm
    QString DatasetName;          // data bands
    bool Repeat = false;          // headers: printed again on every new page of their data
    std::vector<std::unique_ptr<TfrView>> Objects;
    QStringList Aggregates;       // SUM argument texts the band's data rows accumulate
};

struct TfrPageSetup {
    double Width = 210, Height = 297;                   // mm
    double Left = 10, Top = 10, Right = 10, Bottom = 10;
};

struct TfrPreparedPage {
    double Width = 210, Height = 297;
    std::vector<std::unique_ptr<TfrView>> Objects;      // positions on the page
};

// The expression with the brackets around variable names taken out (outside quoted texts).
QString StripBrackets(const QString& expression);

// The fonts the engine writes with: DejaVu Sans (Cyrillic included) from the system's fonts,
// registered with Qt when it does not know the family yet.
QString ReportFontFamily();

class TfrReport {
public:
    TfrReport();
    ~TfrReport();
    TfrReport(const TfrReport&) = delete;
    TfrReport& operator=(const TfrReport&) = delete;

    // --- Template
    // Loads a template; raises EValtrixError naming the file and the fault.
    void LoadFromFile(const QString& fileName);
    void LoadFromXml(const QByteArray& xml, const QString& sourceName);
    void Clear();
    QString FileName;
    TfrPageSetup Page;
    QString DefaultFontFamily;
    double DefaultFontSize = 9;
    std::vector<std::unique_ptr<TfrBand>> Bands;
    TfrBand* FindBand(TfrBandType type) const;
    TfrView* FindObject(const QString& name) const;

    // --- Callbacks
    // Variable name in, value out; left unset when unknown.
    std::function<void(const QString& name, QVariant& value)> OnGetValue;
    // Each object about to be printed (a copy of the template's object).
    std::function<void(TfrView& view)> OnBeforePrint;
    // Function name and its parameter texts (unevaluated) in, value out; false: unknown.
    std::function<bool(const QString& name, const QStringList& params, QVariant& value)> OnUserFunction;
    // Datasets by name (not owned).
    QHash<QString, TfrUserDataset*> Datasets;
    // Unknown variables read as unset unless this is set (the command-line evaluation).
    bool StrictVariables = false;

    // Evaluates an expression in the report's current context; raises on failure.
    QVariant Evaluate(const QString& expression);

    // --- Building
    // Builds the pages; raises on failure (the pages built so far are kept).
    void PrepareReport();
    int PageCount() const { return int(FPages.size()); }
    const TfrPreparedPage& PreparedPage(int index) const { return FPages[size_t(index)]; }

    // --- Output of the built pages
    void RenderPage(QPainter& painter, int page, double scaleX, double scaleY, QPointF offset = {}) const;
    // Every page, each `copies` times before the next (not collated).
    void PrintToDevice(QPagedPaintDevice& device, int copies = 1) const;
    void ExportToPdf(const QString& fileName) const;
    QImage PageImage(int page, int dpi) const;
    // The first page into the file, the following ones beside it as name_2.ext, name_3.ext...
    QStringList ExportImages(const QString& fileName, const char* format, int dpi = 150) const;
    QString ExportText() const;
    QString ExportCsv() const;
    QString ExportHtml() const;
    // By the extension: pdf, csv, html/htm, txt, png, jpg/jpeg, bmp, tif/tiff. Raises for
    // another one and when the file cannot be written.
    void ExportToFile(const QString& fileName) const;
    static QStringList ExportExtensions();

    // For the engine's own classes.
    struct TImpl;
    TImpl& Impl() { return *D; }

private:
    std::unique_ptr<TImpl> D;
    std::vector<TfrPreparedPage> FPages;
};

} // namespace vx
