#include "reports/VXReportEngine.h"
#include "foundation/VXError.h"
#include "foundation/VXExpression.h"
#include "foundation/VXFormats.h"
#include "reports/VXFRDrawView.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMutex>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <map>

namespace vx {

namespace {

// Page numbers are known only when a band has its place, the page count at the end: their
// variables give markers that are replaced then.
const QString PageMarker = QStringLiteral("\x01PAGE\x01");
const QString TotalMarker = QStringLiteral("\x01TOTALPAGES\x01");

constexpr double GapX = 0.5;            // mm between a memo's frame and its text
constexpr double GapY = 0.3;
constexpr double MeasureScale = 1200 / 25.4;   // pixels per mm the heights are measured at

double PointsToMm(double points) { return points * 25.4 / 72; }

[[noreturn]] void Fail(const QString& text) { throw EValtrixError(text); }

} // namespace

// ---------------------------------------------------------------------------------------------
// Fonts

QString ReportFontFamily()
{
    static const QString family = [] {
        const QString name = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(name)) {
            const QDir dir(QStringLiteral("/usr/share/fonts/truetype/dejavu"));
            for (const QString& f : dir.entryList({QStringLiteral("DejaVuSans*.ttf")}, QDir::Files))
                QFontDatabase::addApplicationFont(dir.filePath(f));
        }
        return name;
    }();
    return family;
}

// ---------------------------------------------------------------------------------------------
// Views

QRect TfrView::PixelRect(double scaleX, double scaleY, QPointF offset) const
{
    const int left = qRound(Rect.left() * scaleX + offset.x());
    const int top = qRound(Rect.top() * scaleY + offset.y());
    return QRect(left, top, qRound(Rect.width() * scaleX), qRound(Rect.height() * scaleY));
}

void TfrView::DrawBackground(QPainter& painter, const QRect& r) const
{
    if (Fill.isValid())
        painter.fillRect(r, Fill);
}

void TfrView::DrawFrame(QPainter& painter, const QRect& r, double scaleX) const
{
    if (!Frame)
        return;
    QPen pen(FrameColor);
    pen.setWidthF(std::max(1.0, FrameWidth * scaleX));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF tl(r.left(), r.top()), tr(r.left() + r.width(), r.top());
    const QPointF bl(r.left(), r.top() + r.height()), br(r.left() + r.width(), r.top() + r.height());
    // One path per frame keeps documents of thousands of cells small.
    if (Frame == frAll) {
        painter.drawRect(QRectF(tl, br));
        return;
    }
    QLineF lines[4];
    int n = 0;
    if (Frame & frLeft)
        lines[n++] = QLineF(tl, bl);
    if (Frame & frTop)
        lines[n++] = QLineF(tl, tr);
    if (Frame & frRight)
        lines[n++] = QLineF(tr, br);
    if (Frame & frBottom)
        lines[n++] = QLineF(bl, br);
    painter.drawLines(lines, n);
}

void TfrView::Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const
{
    const QRect r = PixelRect(scaleX, scaleY, offset);
    DrawBackground(painter, r);
    DrawFrame(painter, r, scaleX);
}

QFont TfrMemoView::PixelFont(double pixelsPerMm) const
{
    QFont f(FontFamily.isEmpty() ? ReportFontFamily() : FontFamily);
    f.setPixelSize(std::max(1, int(std::lround(PointsToMm(FontSize) * pixelsPerMm))));
    f.setBold(Bold);
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

int TfrMemoView::TextFlags() const
{
    return int(Align) | (WordWrap ? int(Qt::TextWordWrap) : 0);
}

double TfrMemoView::NeededHeight() const
{
    if (Text.isEmpty())
        return Rect.height();
    const QFontMetricsF fm(PixelFont(MeasureScale));
    const double width = std::max(1.0, (Rect.width() - 2 * GapX) * MeasureScale);
    const QRectF br = fm.boundingRect(QRectF(0, 0, width, 1e7), TextFlags(), Text);
    return std::max(Rect.height(), br.height() / MeasureScale + 2 * GapY);
}

void TfrMemoView::Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const
{
    const QRect r = PixelRect(scaleX, scaleY, offset);
    DrawBackground(painter, r);
    if (!Text.isEmpty()) {
        // No clipping: stretched memos fit their text, and a clip path per cell would double
        // the size of long documents.
        painter.setFont(PixelFont(scaleY));
        painter.setPen(Color);
        const QRectF inner(r.left() + GapX * scaleX, r.top() + GapY * scaleY, r.width() - 2 * GapX * scaleX,
                           r.height() - 2 * GapY * scaleY);
        painter.drawText(inner, TextFlags(), Text);
    }
    DrawFrame(painter, r, scaleX);
}

void TfrLineView::Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const
{
    painter.save();
    QPen pen(FrameColor);
    pen.setWidthF(std::max(1.0, FrameWidth * scaleX));
    painter.setPen(pen);
    painter.drawLine(QPointF(Rect.left() * scaleX + offset.x(), Rect.top() * scaleY + offset.y()),
                     QPointF(Rect.right() * scaleX + offset.x(), Rect.bottom() * scaleY + offset.y()));
    painter.restore();
}

bool TfrPictureView::LoadPicture(const QString& fileName)
{
    QImage image;
    if (!image.load(fileName))
        return false;
    Picture = image;
    return true;
}

void TfrPictureView::Draw(QPainter& painter, double scaleX, double scaleY, QPointF offset) const
{
    const QRect r = PixelRect(scaleX, scaleY, offset);
    DrawBackground(painter, r);
    if (!Picture.isNull() && r.width() > 0 && r.height() > 0) {
        QRect target = r;
        if (KeepAspect) {
            const QSize s = Picture.size().scaled(r.size(), Qt::KeepAspectRatio);
            target = QRect(r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2, s.width(),
                           s.height());
        }
        painter.drawImage(target, Picture);
    }
    DrawFrame(painter, r, scaleX);
}

// ---------------------------------------------------------------------------------------------
// Evaluation context and building state

class TfrReportContext : public TExprContext {
public:
    explicit TfrReportContext(TfrReport& report) : Report(report)
    {
        UnknownVariables = TUnknownName::Fail;
        UnknownFunctions = TUnknownName::Fail;
    }
    bool GetVariable(const QString& name, QVariant& value) override;
    bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result) override;

    TfrReport& Report;
};

struct TfrReport::TImpl {
    explicit TImpl(TfrReport& report) : Ctx(report) {}

    TfrReportContext Ctx;
    // Building
    std::vector<TfrPreparedPage>* Pages = nullptr;
    double CurY = 0;
    double PageBottom = 0;
    bool PageHasBody = false;
    int Line = 0;
    TfrBand* AggBand = nullptr;
    QHash<const TfrBand*, QHash<QString, double>> Sums;
    QHash<const TfrBand*, int> Counts;
    std::vector<TfrBand*> RepeatHeaders;
};

namespace {

QString FormatValue(const QVariant& value, const QString& format)
{
    if (format.isEmpty()) {
        if (value.typeId() == QMetaType::QDate)
            return FormatShortDate(value.toDate());
        if (value.typeId() == QMetaType::QDateTime)
            return FormatShortDate(value.toDateTime().date());
        return ExprValueText(value);
    }
    QString f = format.toUpper();
    const bool zeroEmpty = f.endsWith(QLatin1Char('Z'));
    if (zeroEmpty)
        f.chop(1);
    if (f.startsWith(QLatin1Char('D'))) {
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return FormatShortDate(value.toDate());
        return ExprValueText(value);
    }
    if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
        return QString();
    double number = 0;
    if (!ExprValueNumber(value, number))
        return ExprValueText(value);
    if (zeroEmpty && number == 0)
        return QString();
    bool ok = false;
    const int decimals = f.mid(1).toInt(&ok);
    if (f.startsWith(QLatin1Char('N')))
        return FormatNumber(number, ok ? decimals : 2);
    if (f.startsWith(QLatin1Char('M')))
        return FormatMoney(TMoney::FromDouble(number), ok ? decimals : -1);
    return ExprValueText(value);
}

// Argument texts of every call of the function in a text ("SUM([_OMS_COST])" gives "[_OMS_COST]").
QStringList CallArguments(const QString& text, const QString& function)
{
    QStringList out;
    const QRegularExpression re(QStringLiteral("\\b%1\\s*\\(").arg(function), QRegularExpression::CaseInsensitiveOption);
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        int depth = 1;
        bool quoted = false;
        int i = int(m.capturedEnd());
        const int start = i;
        for (; i < text.size() && depth > 0; ++i) {
            const QChar c = text[i];
            if (c == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && c == QLatin1Char('('))
                ++depth;
            else if (!quoted && c == QLatin1Char(')'))
                --depth;
        }
        if (depth == 0)
            out << text.mid(start, i - 1 - start).trimmed();
    }
    return out;
}

} // namespace

// Templates write variables in brackets ("[_OMS_ID]") also inside expressions; the expressions
// themselves have no use for brackets outside quoted texts.
QString StripBrackets(const QString& expression)
{
    if (!expression.contains(QLatin1Char('[')))
        return expression;
    QString text;
    text.reserve(expression.size());
    bool quoted = false;
    for (const QChar c : expression) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || (c != QLatin1Char('[') && c != QLatin1Char(']')))
            text += c;
    }
    return text;
}

namespace {

// The data band whose rows a band's SUM adds up.
TfrBandType AggregateSource(TfrBandType t)
{
    switch (t) {
    case TfrBandType::DetailHeader:
    case TfrBandType::DetailData:
    case TfrBandType::DetailFooter:
        return TfrBandType::DetailData;
    case TfrBandType::SubDetailHeader:
    case TfrBandType::SubDetailData:
    case TfrBandType::SubDetailFooter:
        return TfrBandType::SubDetailData;
    default:
        return TfrBandType::MasterData;
    }
}

} // namespace

bool TfrReportContext::GetVariable(const QString& name, QVariant& value)
{
    if (Report.OnGetValue) {
        Report.OnGetValue(name, value);
        if (value.isValid())
            return true;
    }
    const QString n = name.toUpper();
    if (n == QLatin1String("PAGE")) {
        value = PageMarker;
        return true;
    }
    if (n == QLatin1String("TOTALPAGES")) {
        value = TotalMarker;
        return true;
    }
    if (n == QLatin1String("DATE")) {
        value = QDate::currentDate();
        return true;
    }
    if (n == QLatin1String("TIME")) {
        value = QTime::currentTime().toString(QStringLiteral("hh:mm"));
        return true;
    }
    if (n == QLatin1String("LINE")) {
        value = Report.Impl().Line;
        return true;
    }
    // A function without parameters may be written without parentheses ("[_LOADLOGO]").
    if (Report.OnUserFunction && Report.OnUserFunction(name, QStringList(), value))
        return true;
    return !Report.StrictVariables;
}

bool TfrReportContext::CallFunction(const QString& name, const TExprArgs& args, QVariant& result)
{
    const QString n = name.toUpper();
    TfrReport::TImpl& d = Report.Impl();
    if (n == QLatin1String("SUM")) {
        result = args.Count() > 0 ? d.Sums.value(d.AggBand).value(args.Text(0), 0.0) : 0.0;
        return true;
    }
    if (n == QLatin1String("COUNT")) {
        result = d.Counts.value(d.AggBand, 0);
        return true;
    }
    if (n == QLatin1String("IIF") && args.Count() == 3) {
        double c = 0;
        const QVariant cond = args.Value(0);
        const bool yes = cond.typeId() == QMetaType::Bool ? cond.toBool() : (ExprValueNumber(cond, c) && c != 0);
        result = args.Value(yes ? 1 : 2);
        return true;
    }
    if (n == QLatin1String("FORMATNUMBER") && args.Count() >= 1) {
        result = FormatValue(args.Value(0), QStringLiteral("N%1").arg(args.Count() > 1 ? int(args.Number(1)) : 2));
        return true;
    }
    if (n == QLatin1String("FORMATMONEY") && args.Count() >= 1) {
        result = FormatValue(args.Value(0), args.Count() > 1 ? QStringLiteral("M%1").arg(int(args.Number(1)))
                                                             : QStringLiteral("M"));
        return true;
    }
    if (n == QLatin1String("FORMATDATE") && args.Count() == 1) {
        result = FormatValue(args.Value(0), QStringLiteral("D"));
        return true;
    }
    if ((n == QLatin1String("UPPERCASE") || n == QLatin1String("LOWERCASE") || n == QLatin1String("TRIM")
         || n == QLatin1String("STR"))
        && args.Count() == 1) {
        const QString s = ExprValueText(args.Value(0));
        result = n == QLatin1String("UPPERCASE") ? s.toUpper()
               : n == QLatin1String("LOWERCASE") ? s.toLower()
               : n == QLatin1String("TRIM")      ? s.trimmed()
                                                 : s;
        return true;
    }
    if (Report.OnUserFunction) {
        QStringList params;
        for (int i = 0; i < args.Count(); ++i)
            params << args.Text(i);
        return Report.OnUserFunction(name, params, result);
    }
    return false;
}

namespace {

// The text with every [expression] replaced by its value in the format.
QString ExpandMemo(TfrReport& report, const QString& memo, const QString& format)
{
    QString out;
    out.reserve(memo.size());
    int i = 0;
    const int n = int(memo.size());
    while (i < n) {
        const QChar c = memo[i];
        if (c != QLatin1Char('[')) {
            out += c;
            ++i;
            continue;
        }
        // The matching bracket, outside quoted texts and nested brackets.
        int depth = 0;
        bool quoted = false;
        int j = i;
        for (; j < n; ++j) {
            const QChar d = memo[j];
            if (d == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && d == QLatin1Char('['))
                ++depth;
            else if (!quoted && d == QLatin1Char(']') && --depth == 0)
                break;
        }
        if (j >= n) {
            out += memo.mid(i);
            break;
        }
        QString expr = memo.mid(i + 1, j - i - 1).trimmed();
        // "[[_VAR]]" and "[_VAR]" alike: a bracketed variable name inside is its name.
        if (expr.startsWith(QLatin1Char('[')) && expr.endsWith(QLatin1Char(']')))
            expr = expr.mid(1, expr.size() - 2);
        if (!expr.isEmpty())
            out += FormatValue(report.Evaluate(expr), format);
        i = j + 1;
    }
    return out;
}

} // namespace

void TfrMemoView::Prepare(TfrReport& report)
{
    Text = ExpandMemo(report, Memo, Format);
}

// ---------------------------------------------------------------------------------------------
// Report: template

TfrReport::TfrReport() : D(std::make_unique<TImpl>(*this)) {}
TfrReport::~TfrReport() = default;

void TfrReport::Clear()
{
    Bands.clear();
    Page = TfrPageSetup();
    DefaultFontFamily.clear();
    DefaultFontSize = 9;
    FPages.clear();
}

TfrBand* TfrReport::FindBand(TfrBandType type) const
{
    for (const auto& b : Bands)
        if (b->Type == type)
            return b.get();
    return nullptr;
}

TfrView* TfrReport::FindObject(const QString& name) const
{
    for (const auto& b : Bands)
        for (const auto& o : b->Objects)
            if (o->Name.compare(name, Qt::CaseInsensitive) == 0)
                return o.get();
    return nullptr;
}

void TfrReport::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("Невозможно открыть шаблон отчета [%1]!\r\n(%2)").arg(fileName, file.errorString()));
    LoadFromXml(file.readAll(), fileName);
    FileName = fileName;
}

namespace {

const std::map<QString, TfrBandType>& BandTypes()
{
    static const std::map<QString, TfrBandType> types = {
        {QStringLiteral("reporttitle"), TfrBandType::ReportTitle},
        {QStringLiteral("reportsummary"), TfrBandType::ReportSummary},
        {QStringLiteral("pageheader"), TfrBandType::PageHeader},
        {QStringLiteral("pagefooter"), TfrBandType::PageFooter},
        {QStringLiteral("masterheader"), TfrBandType::MasterHeader},
        {QStringLiteral("masterdata"), TfrBandType::MasterData},
        {QStringLiteral("masterfooter"), TfrBandType::MasterFooter},
        {QStringLiteral("detailheader"), TfrBandType::DetailHeader},
        {QStringLiteral("detaildata"), TfrBandType::DetailData},
        {QStringLiteral("detailfooter"), TfrBandType::DetailFooter},
        {QStringLiteral("subdetailheader"), TfrBandType::SubDetailHeader},
        {QStringLiteral("subdetaildata"), TfrBandType::SubDetailData},
        {QStringLiteral("subdetailfooter"), TfrBandType::SubDetailFooter},
    };
    return types;
}

class TAttrs {
public:
    explicit TAttrs(const QXmlStreamAttributes& a) : A(a) {}
    QString Text(const char* name, const QString& fallback = QString()) const
    {
        const QString key = QString::fromLatin1(name);
        return A.hasAttribute(key) ? A.value(key).toString() : fallback;
    }
    double Number(const char* name, double fallback) const
    {
        const QString t = Text(name);
        if (t.isEmpty())
            return fallback;
        bool ok = false;
        const double v = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok || !std::isfinite(v))
            Fail(QStringLiteral("недопустимое значение %1=\"%2\"").arg(QLatin1String(name), t));
        return v;
    }
    bool Flag(const char* name, bool fallback) const
    {
        const QString t = Text(name).toLower();
        if (t.isEmpty())
            return fallback;
        return t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes");
    }
    QColor Color(const char* name, const QColor& fallback) const
    {
        const QString t = Text(name);
        if (t.isEmpty())
            return fallback;
        const QColor c = QColor::fromString(t);
        if (!c.isValid())
            Fail(QStringLiteral("недопустимый цвет %1=\"%2\"").arg(QLatin1String(name), t));
        return c;
    }

private:
    const QXmlStreamAttributes& A;
};

int ParseFrame(const QString& text)
{
    const QString t = text.toLower();
    if (t.isEmpty() || t == QLatin1String("none"))
        return 0;
    if (t == QLatin1String("all"))
        return frAll;
    int f = 0;
    for (const QChar c : t) {
        if (c == QLatin1Char('l'))
            f |= frLeft;
        else if (c == QLatin1Char('t'))
            f |= frTop;
        else if (c == QLatin1Char('r'))
            f |= frRight;
        else if (c == QLatin1Char('b'))
            f |= frBottom;
        else
            Fail(QStringLiteral("недопустимая рамка \"%1\"").arg(text));
    }
    return f;
}

Qt::Alignment ParseAlign(const QString& h, const QString& v)
{
    Qt::Alignment a;
    const QString hl = h.toLower(), vl = v.toLower();
    if (hl.isEmpty() || hl == QLatin1String("left"))
        a |= Qt::AlignLeft;
    else if (hl == QLatin1String("center"))
        a |= Qt::AlignHCenter;
    else if (hl == QLatin1String("right"))
        a |= Qt::AlignRight;
    else if (hl == QLatin1String("justify"))
        a |= Qt::AlignJustify;
    else
        Fail(QStringLiteral("недопустимое выравнивание \"%1\"").arg(h));
    if (vl.isEmpty() || vl == QLatin1String("top"))
        a |= Qt::AlignTop;
    else if (vl == QLatin1String("center"))
        a |= Qt::AlignVCenter;
    else if (vl == QLatin1String("bottom"))
        a |= Qt::AlignBottom;
    else
        Fail(QStringLiteral("недопустимое выравнивание \"%1\"").arg(v));
    return a;
}

} // namespace

void TfrReport::LoadFromXml(const QByteArray& xml, const QString& sourceName)
{
    Clear();
    FileName = sourceName;
    QXmlStreamReader r(xml);
    TfrBand* band = nullptr;
    bool sawReport = false;
    try {
        while (!r.atEnd()) {
            const auto token = r.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (r.name() == QLatin1String("band"))
                    band = nullptr;
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QString tag = r.name().toString();
            const QXmlStreamAttributes attrs = r.attributes();
            const TAttrs a(attrs);
            if (tag == QLatin1String("report")) {
                sawReport = true;
            } else if (!sawReport) {
                Fail(QStringLiteral("ожидался элемент <report>"));
            } else if (tag == QLatin1String("page")) {
                Page.Width = a.Number("width", 210);
                Page.Height = a.Number("height", 297);
                Page.Left = a.Number("left", 10);
                Page.Top = a.Number("top", 10);
                Page.Right = a.Number("right", 10);
                Page.Bottom = a.Number("bottom", 10);
                if (Page.Width < 20 || Page.Height < 20 || Page.Top + Page.Bottom >= Page.Height - 5
                    || Page.Left + Page.Right >= Page.Width - 5)
                    Fail(QStringLiteral("недопустимый размер страницы"));
            } else if (tag == QLatin1String("font")) {
                DefaultFontFamily = a.Text("family");
                DefaultFontSize = a.Number("size", 9);
            } else if (tag == QLatin1String("band")) {
                const auto it = BandTypes().find(a.Text("type").toLower());
                if (it == BandTypes().end())
                    Fail(QStringLiteral("неизвестный тип полосы \"%1\"").arg(a.Text("type")));
                auto b = std::make_unique<TfrBand>();
                b->Type = it->second;
                b->Name = a.Text("name");
                b->Height = a.Number("height", 5);
                b->DatasetName = a.Text("dataset");
                b->Repeat = a.Flag("repeat", false);
                if (b->Height < 0 || b->Height > Page.Height)
                    Fail(QStringLiteral("недопустимая высота полосы %1").arg(b->Height));
                if (FindBand(b->Type))
                    Fail(QStringLiteral("полоса \"%1\" задана дважды").arg(a.Text("type")));
                band = b.get();
                Bands.push_back(std::move(b));
            } else {
                if (!band)
                    Fail(QStringLiteral("объект <%1> вне полосы").arg(tag));
                std::unique_ptr<TfrView> view;
                if (tag == QLatin1String("memo")) {
                    auto m = std::make_unique<TfrMemoView>();
                    m->FontFamily = a.Text("font", DefaultFontFamily);
                    m->FontSize = a.Number("size", DefaultFontSize);
                    m->Bold = a.Flag("bold", false);
                    m->Italic = a.Flag("italic", false);
                    m->Underline = a.Flag("underline", false);
                    m->Color = a.Color("color", Qt::black);
                    m->Align = ParseAlign(a.Text("align"), a.Text("valign"));
                    m->WordWrap = a.Flag("wrap", true);
                    m->Format = a.Text("format");
                    m->Memo = r.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).trimmed();
                    view = std::move(m);
                } else if (tag == QLatin1String("line")) {
                    view = std::make_unique<TfrLineView>();
                } else if (tag == QLatin1String("rect")) {
                    view = std::make_unique<TfrShapeView>();
                } else if (tag == QLatin1String("picture")) {
                    auto p = std::make_unique<TfrPictureView>();
                    p->KeepAspect = a.Flag("keep-aspect", true);
                    const QString file = a.Text("file");
                    if (!file.isEmpty())
                        p->LoadPicture(QFileInfo(sourceName).dir().filePath(file));
                    view = std::move(p);
                } else if (tag == QLatin1String("sketch")) {
                    view = std::make_unique<TvxfFRDrawView>();
                } else {
                    Fail(QStringLiteral("неизвестный объект <%1>").arg(tag));
                }
                view->Name = a.Text("name");
                view->Rect = QRectF(a.Number("x", 0), a.Number("y", 0), a.Number("w", 10), a.Number("h", 5));
                view->Frame = ParseFrame(a.Text("frame", tag == QLatin1String("rect") ? QStringLiteral("all") : QString()));
                view->FrameWidth = a.Number("frame-width", a.Number("width", 0.2));
                view->FrameColor = a.Color("frame-color", Qt::black);
                view->Fill = a.Color("fill", QColor());
                view->Stretched = a.Flag("stretch", false);
                band->Objects.push_back(std::move(view));
            }
        }
        if (r.hasError())
            Fail(r.errorString() + QStringLiteral(", строка %1").arg(r.lineNumber()));
        if (!sawReport)
            Fail(QStringLiteral("ожидался элемент <report>"));
    } catch (const EValtrixError& e) {
        const QString text = e.message();
        Clear();
        Fail(QStringLiteral("Ошибка загрузки шаблона отчета [%1]!\r\n(%2)").arg(sourceName, text));
    }
    // The sums each data band's rows add up, for the SUM of its footers and the summary.
    for (const auto& b : Bands) {
        TfrBand* source = FindBand(AggregateSource(b->Type));
        if (!source)
            continue;
        for (const auto& o : b->Objects)
            if (const auto* m = dynamic_cast<const TfrMemoView*>(o.get()))
                for (const QString& arg : CallArguments(StripBrackets(m->Memo), QStringLiteral("SUM")))
                    if (!source->Aggregates.contains(arg))
                        source->Aggregates << arg;
    }
}

QVariant TfrReport::Evaluate(const QString& expression)
{
    return D->Ctx.Evaluate(StripBrackets(expression));
}

// ---------------------------------------------------------------------------------------------
// Report: building

namespace {

class TBuilder {
public:
    TBuilder(TfrReport& report, std::vector<TfrPreparedPage>& pages) : R(report), D(report.Impl()), Pages(pages) {}

    void Run()
    {
        PageFooter = R.FindBand(TfrBandType::PageFooter);
        NewPage();
        PrintBand(R.FindBand(TfrBandType::ReportTitle), nullptr);
        RunData(TfrBandType::MasterHeader, TfrBandType::MasterData, TfrBandType::MasterFooter, 0);
        PrintBand(R.FindBand(TfrBandType::ReportSummary), R.FindBand(TfrBandType::MasterData));
        FinishPage();
        const QString total = QString::number(Pages.size());
        for (auto& page : Pages)
            for (auto& o : page.Objects)
                if (auto* m = dynamic_cast<TfrMemoView*>(o.get()); m && m->Text.contains(TotalMarker))
                    m->Text.replace(TotalMarker, total);
    }

private:
    TfrReport& R;
    TfrReport::TImpl& D;
    std::vector<TfrPreparedPage>& Pages;
    TfrBand* PageFooter = nullptr;

    TfrUserDataset* Dataset(const TfrBand& band)
    {
        if (band.DatasetName.isEmpty())
            return nullptr;
        TfrUserDataset* ds = R.Datasets.value(band.DatasetName);
        if (!ds) {
            for (auto it = R.Datasets.cbegin(); it != R.Datasets.cend(); ++it)
                if (it.key().compare(band.DatasetName, Qt::CaseInsensitive) == 0)
                    ds = it.value();
        }
        if (!ds)
            throw EValtrixError(QStringLiteral("Набор данных [%1] не найден!").arg(band.DatasetName));
        return ds;
    }

    static bool AtEnd(TfrUserDataset* ds) { return ds && ds->OnCheckEOF && ds->OnCheckEOF(); }

    void RunData(TfrBandType headerType, TfrBandType dataType, TfrBandType footerType, int level)
    {
        TfrBand* data = R.FindBand(dataType);
        if (!data)
            return;
        TfrUserDataset* ds = Dataset(*data);
        if (ds && ds->OnFirst)
            ds->OnFirst();
        if (AtEnd(ds))
            return;
        TfrBand* header = R.FindBand(headerType);
        TfrBand* footer = R.FindBand(footerType);
        D.Sums[data].clear();
        D.Counts[data] = 0;
        const int savedLine = D.Line;
        D.Line = 0;
        PrintBand(header, data);
        if (header && header->Repeat)
            D.RepeatHeaders.push_back(header);
        while (true) {
            ++D.Line;
            ++D.Counts[data];
            {
                TfrBand* savedAgg = D.AggBand;
                D.AggBand = data;
                auto& sums = D.Sums[data];
                for (const QString& text : data->Aggregates) {
                    double v = 0;
                    if (!ExprValueNumber(R.Evaluate(text), v))
                        v = 0;
                    sums[text] += v;
                }
                D.AggBand = savedAgg;
            }
            PrintBand(data, data);
            if (level == 0)
                RunData(TfrBandType::DetailHeader, TfrBandType::DetailData, TfrBandType::DetailFooter, 1);
            else if (level == 1)
                RunData(TfrBandType::SubDetailHeader, TfrBandType::SubDetailData, TfrBandType::SubDetailFooter, 2);
            if (!ds || !ds->OnNext)
                break;
            ds->OnNext();
            if (AtEnd(ds))
                break;
        }
        if (header && header->Repeat)
            D.RepeatHeaders.pop_back();
        PrintBand(footer, data);
        D.Line = savedLine;
    }

    std::vector<std::unique_ptr<TfrView>> Evaluate(const TfrBand& band, double& height)
    {
        std::vector<std::unique_ptr<TfrView>> views;
        views.reserve(band.Objects.size());
        height = band.Height;
        for (const auto& o : band.Objects) {
            auto v = o->Clone();
            if (R.OnBeforePrint)
                R.OnBeforePrint(*v);
            v->Prepare(R);
            if (v->Stretched)
                height = std::max(height, v->Rect.top() + v->NeededHeight());
            views.push_back(std::move(v));
        }
        const double room = R.Page.Height - R.Page.Top - R.Page.Bottom - (PageFooter ? PageFooter->Height : 0);
        height = std::min(height, std::max(room, band.Height));
        for (auto& v : views)
            if (v->Stretched)
                v->Rect.setHeight(std::max(v->Rect.height(), height - v->Rect.top()));
        return views;
    }

    void Place(std::vector<std::unique_ptr<TfrView>>& views, double top)
    {
        const QString page = QString::number(Pages.size());
        for (auto& v : views) {
            v->Rect.translate(R.Page.Left, top);
            if (auto* m = dynamic_cast<TfrMemoView*>(v.get()); m && m->Text.contains(PageMarker))
                m->Text.replace(PageMarker, page);
            Pages.back().Objects.push_back(std::move(v));
        }
    }

    void PrintBand(TfrBand* band, TfrBand* aggregates)
    {
        if (!band)
            return;
        TfrBand* savedAgg = D.AggBand;
        D.AggBand = aggregates ? aggregates : band;
        double height = 0;
        auto views = Evaluate(*band, height);
        D.AggBand = savedAgg;
        if (D.CurY + height > D.PageBottom + 1e-6 && D.PageHasBody) {
            FinishPage();
            NewPage();
        }
        Place(views, D.CurY);
        D.CurY += height;
        D.PageHasBody = true;
    }

    void NewPage()
    {
        TfrPreparedPage page;
        page.Width = R.Page.Width;
        page.Height = R.Page.Height;
        Pages.push_back(std::move(page));
        D.CurY = R.Page.Top;
        D.PageBottom = R.Page.Height - R.Page.Bottom - (PageFooter ? PageFooter->Height : 0);
        D.PageHasBody = false;
        if (TfrBand* header = R.FindBand(TfrBandType::PageHeader)) {
            double height = 0;
            auto views = Evaluate(*header, height);
            Place(views, D.CurY);
            D.CurY += height;
        }
        for (TfrBand* h : std::vector<TfrBand*>(D.RepeatHeaders)) {
            double height = 0;
            auto views = Evaluate(*h, height);
            Place(views, D.CurY);
            D.CurY += height;
        }
    }

    void FinishPage()
    {
        if (!PageFooter)
            return;
        TfrBand* savedAgg = D.AggBand;
        D.AggBand = R.FindBand(TfrBandType::MasterData);
        double height = 0;
        auto views = Evaluate(*PageFooter, height);
        D.AggBand = savedAgg;
        Place(views, R.Page.Height - R.Page.Bottom - PageFooter->Height);
    }
};

} // namespace

void TfrReport::PrepareReport()
{
    FPages.clear();
    D->Sums.clear();
    D->Counts.clear();
    D->RepeatHeaders.clear();
    D->Line = 0;
    D->AggBand = nullptr;
    ReportFontFamily();
    TBuilder(*this, FPages).Run();
}

// ---------------------------------------------------------------------------------------------
// Output

void TfrReport::RenderPage(QPainter& painter, int page, double scaleX, double scaleY, QPointF offset) const
{
    if (page < 0 || page >= PageCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto& o : FPages[size_t(page)].Objects)
        o->Draw(painter, scaleX, scaleY, offset);
    painter.restore();
}

void TfrReport::PrintToDevice(QPagedPaintDevice& device, int copies) const
{
    if (FPages.empty())
        return;
    copies = std::max(1, copies);
    device.setPageSize(QPageSize(QSizeF(FPages.front().Width, FPages.front().Height), QPageSize::Millimeter));
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&device))
        Fail(QStringLiteral("Ошибка печати отчета!"));
    const double sx = device.logicalDpiX() / 25.4, sy = device.logicalDpiY() / 25.4;
    bool first = true;
    for (int p = 0; p < PageCount(); ++p)
        for (int c = 0; c < copies; ++c) {
            if (!first)
                device.newPage();
            first = false;
            RenderPage(painter, p, sx, sy);
        }
    painter.end();
}

void TfrReport::ExportToPdf(const QString& fileName) const
{
    QPdfWriter writer(fileName);
    writer.setCreator(QStringLiteral("Valtrix"));
    writer.setTitle(QFileInfo(FileName).completeBaseName());
    writer.setResolution(1200);
    if (FPages.empty()) {
        writer.setPageSize(QPageSize(QSizeF(Page.Width, Page.Height), QPageSize::Millimeter));
        QPainter painter(&writer);
        return;
    }
    PrintToDevice(writer, 1);
    if (!QFileInfo::exists(fileName))
        Fail(QStringLiteral("Невозможно создать файл [%1]!").arg(fileName));
}

QImage TfrReport::PageImage(int page, int dpi) const
{
    const TfrPreparedPage& p = FPages[size_t(page)];
    const double scale = dpi / 25.4;
    QImage image(std::max(1, int(std::lround(p.Width * scale))), std::max(1, int(std::lround(p.Height * scale))),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    RenderPage(painter, page, scale, scale);
    return image;
}

namespace {

// A baseline TIFF (RGB, one uncompressed strip) for systems without Qt's TIFF plugin.
bool WriteTiff(const QString& fileName, const QImage& source, int dpi)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const quint32 width = quint32(image.width()), height = quint32(image.height());
    QByteArray data;
    auto u16 = [&data](quint16 v) { data.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&u16](quint32 v) { u16(quint16(v & 0xFFFF)); u16(quint16(v >> 16)); };
    constexpr quint16 Entries = 12;
    const quint32 ifd = 8;
    const quint32 extra = ifd + 2 + Entries * 12 + 4;   // bits per sample, then two resolutions
    const quint32 pixels = extra + 6 + 16;
    data.append("II*", 3).append('\0');
    u32(ifd);
    u16(Entries);
    auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        u16(tag);
        u16(type);
        u32(count);
        if (type == 3 && count == 1) {
            u16(quint16(value));
            u16(0);
        } else {
            u32(value);
        }
    };
    entry(256, 4, 1, width);
    entry(257, 4, 1, height);
    entry(258, 3, 3, extra);
    entry(259, 3, 1, 1);
    entry(262, 3, 1, 2);
    entry(273, 4, 1, pixels);
    entry(277, 3, 1, 3);
    entry(278, 4, 1, height);
    entry(279, 4, 1, width * height * 3);
    entry(282, 5, 1, extra + 6);
    entry(283, 5, 1, extra + 14);
    entry(296, 3, 1, 2);
    u32(0);
    u16(8);
    u16(8);
    u16(8);
    u32(quint32(dpi));
    u32(1);
    u32(quint32(dpi));
    u32(1);
    for (quint32 y = 0; y < height; ++y)
        data.append(reinterpret_cast<const char*>(image.constScanLine(int(y))), int(width * 3));
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

QStringList TfrReport::ExportImages(const QString& fileName, const char* format, int dpi) const
{
    QStringList files;
    const QFileInfo info(fileName);
    for (int p = 0; p < PageCount(); ++p) {
        const QString name = p == 0 ? fileName
                                    : info.dir().filePath(QStringLiteral("%1_%2.%3")
                                                              .arg(info.completeBaseName())
                                                              .arg(p + 1)
                                                              .arg(info.suffix()));
        if (qstrcmp(format, "tiff") == 0 && !QImageWriter::supportedImageFormats().contains("tiff")) {
            if (!WriteTiff(name, PageImage(p, dpi), dpi))
                Fail(QStringLiteral("Невозможно записать файл [%1]!").arg(name));
            files << name;
            continue;
        }
        QImageWriter writer(name, format);
        if (!writer.write(PageImage(p, dpi)))
            Fail(QStringLiteral("Невозможно записать файл [%1]!\r\n(%2)").arg(name, writer.errorString()));
        files << name;
    }
    return files;
}

namespace {

struct TCell {
    double Y, X;
    QString Text;
};

// The texts of a page in reading order: top to bottom, then left to right; objects whose tops
// lie within half a millimetre share a row.
std::vector<std::vector<TCell>> Rows(const TfrPreparedPage& page, bool splitLines)
{
    std::vector<TCell> cells;
    for (const auto& o : page.Objects) {
        const QString text = o->PlainText();
        if (text.isEmpty())
            continue;
        if (!splitLines) {
            cells.push_back({o->Rect.top(), o->Rect.left(), text});
            continue;
        }
        const auto* m = dynamic_cast<const TfrMemoView*>(o.get());
        const double lineHeight = m ? PointsToMm(m->FontSize) * 1.2 : 4;
        const QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i)
            cells.push_back({o->Rect.top() + i * lineHeight, o->Rect.left(), lines[i]});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const TCell& a, const TCell& b) { return a.Y < b.Y; });
    std::vector<std::vector<TCell>> rows;
    double rowY = -1e9;
    for (const TCell& c : cells) {
        if (rows.empty() || c.Y - rowY > 0.5) {
            rows.emplace_back();
            rowY = c.Y;
        }
        rows.back().push_back(c);
    }
    for (auto& row : rows)
        std::stable_sort(row.begin(), row.end(), [](const TCell& a, const TCell& b) { return a.X < b.X; });
    return rows;
}

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

QString TfrReport::ExportText() const
{
    QStringList pages;
    for (const auto& page : FPages) {
        QStringList lines;
        for (const auto& row : Rows(page, true)) {
            QString line;
            for (const TCell& c : row) {
                const int column = int(std::lround(c.X / 2));
                if (line.size() < column)
                    line = line.leftJustified(column, QLatin1Char(' '));
                else if (!line.isEmpty())
                    line += QLatin1Char(' ');
                line += c.Text;
            }
            lines << line;
        }
        pages << lines.join(QLatin1Char('\n'));
    }
    return pages.join(QStringLiteral("\n\f\n")) + QLatin1Char('\n');
}

QString TfrReport::ExportCsv() const
{
    QString out;
    for (const auto& page : FPages)
        for (const auto& row : Rows(page, false)) {
            QStringList fields;
            for (const TCell& c : row)
                fields << CsvField(c.Text);
            out += fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
        }
    return out;
}

QString TfrReport::ExportHtml() const
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                                 "<style>table{border-collapse:collapse;font-family:sans-serif;font-size:10pt}"
                                 "td{border:1px solid #999;padding:2px 4px;vertical-align:top}</style>\n</head>\n<body>\n")
                      .arg(QFileInfo(FileName).completeBaseName().toHtmlEscaped());
    for (size_t p = 0; p < FPages.size(); ++p) {
        if (p > 0)
            out += QStringLiteral("<hr>\n");
        out += QStringLiteral("<table>\n");
        for (const auto& row : Rows(FPages[p], false)) {
            out += QStringLiteral("<tr>");
            for (const TCell& c : row)
                out += QStringLiteral("<td>%1</td>")
                           .arg(c.Text.toHtmlEscaped().replace(QLatin1String("\r\n"), QLatin1String("<br>"))
                                    .replace(QLatin1String("\n"), QLatin1String("<br>")));
            out += QStringLiteral("</tr>\n");
        }
        out += QStringLiteral("</table>\n");
    }
    return out + QStringLiteral("</body>\n</html>\n");
}

QStringList TfrReport::ExportExtensions()
{
    return {QStringLiteral("pdf"), QStringLiteral("csv"), QStringLiteral("html"), QStringLiteral("htm"),
            QStringLiteral("txt"), QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"),
            QStringLiteral("bmp"), QStringLiteral("tif"), QStringLiteral("tiff")};
}

void TfrReport::ExportToFile(const QString& fileName) const
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    auto writeText = [&fileName](const QString& text) {
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
            Fail(QStringLiteral("Невозможно записать файл [%1]!\r\n(%2)").arg(fileName, file.errorString()));
    };
    if (ext == QLatin1String("pdf"))
        ExportToPdf(fileName);
    else if (ext == QLatin1String("csv"))
        writeText(ExportCsv());
    else if (ext == QLatin1String("html") || ext == QLatin1String("htm"))
        writeText(ExportHtml());
    else if (ext == QLatin1String("txt"))
        writeText(ExportText());
    else if (ext == QLatin1String("png"))
        ExportImages(fileName, "png");
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        ExportImages(fileName, "jpeg");
    else if (ext == QLatin1String("bmp"))
        ExportImages(fileName, "bmp");
    else if (ext == QLatin1String("tif") || ext == QLatin1String("tiff"))
        ExportImages(fileName, "tiff");
    else
        Fail(QStringLiteral("Неизвестный формат файла [%1]!\r\n(ожидается %2)")
                 .arg(fileName, ExportExtensions().join(QStringLiteral(", "))));
}

} // namespace vx
