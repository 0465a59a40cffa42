#include "VXCommonTools.h"
#include "VXError.h"
#include "VXUserInteraction.h"
#include "VXVersion.h"
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vx {

namespace {

const QChar Backslash = QLatin1Char('\\');
const QChar Slash = QLatin1Char('/');

bool IsDelimiter(QChar c)
{
    return c == Backslash || c == Slash;
}

bool HasDrivePrefix(const QString& path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].isLetter() && path[0].unicode() < 128;
}

// Blanks and control characters at both ends, the way the stored texts were always trimmed.
QString TrimBlanks(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.mid(b, e - b);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// File names and paths

QString FileNamePart(const QString& fileName, bool withDir, bool withName, bool withExt)
{
    qsizetype delim = -1;
    for (qsizetype i = fileName.size() - 1; i >= 0; --i) {
        if (IsDelimiter(fileName[i])) {
            delim = i;
            break;
        }
    }
    if (delim < 0 && HasDrivePrefix(fileName))
        delim = 1;
    const QString dir = fileName.left(delim + 1);
    const QString nameExt = fileName.mid(delim + 1);
    const qsizetype dot = nameExt.lastIndexOf(QLatin1Char('.'));
    const QString name = dot >= 0 ? nameExt.left(dot) : nameExt;
    const QString ext = dot >= 0 ? nameExt.mid(dot) : QString();

    if (withName) {
        if (withExt)
            return withDir ? fileName : nameExt;
        return withDir ? dir + name : name;
    }
    if (withDir && !withExt)
        return dir;
    if (withExt && !withDir)
        return ext;
    return QString();
}

QString CleanDirName(const QString& text)
{
    QString s = TrimBlanks(text);
    if (s.endsWith(Backslash))
        s.chop(1);
    return s;
}

QString SafeFileName(const QString& text, QChar replacement)
{
    static const QString unsafe = QStringLiteral("\\/:*?,;\"`!(){}[]<>|%'");
    QString s = text;
    for (QChar& c : s) {
        if (unsafe.contains(c))
            c = replacement;
    }
    return s;
}

namespace {

// Upper case with backslashes: the form every stored path is compared in. A trailing
// backslash of a base directory would otherwise keep paths under it from matching.
QString StoredForm(const QString& path)
{
    QString s = path.toUpper();
    s.replace(Slash, Backslash);
    return s;
}

QString StoredBase(const QString& baseDir)
{
    QString b = StoredForm(baseDir);
    if (b.endsWith(Backslash))
        b.chop(1);
    return b;
}

} // namespace

QString StorePath(const QString& baseDir, const QString& path)
{
    const QString p = StoredForm(path);
    if (p.startsWith(QLatin1Char('%')))
        return p;
    const QString b = StoredBase(baseDir);
    if (!b.isEmpty() && p.size() > b.size() && p.startsWith(b) && p[b.size()] == Backslash)
        return QLatin1Char('%') + p.mid(b.size() + 1);
    return p;
}

QString ExpandPath(const QString& baseDir, const QString& stored)
{
    const QString s = StoredForm(stored);
    if (s.startsWith(QLatin1Char('%')))
        return StoredBase(baseDir) + Backslash + s.mid(1);
    return s;
}

namespace {

// The entry of `dir` whose name equals `name` ignoring case; a directory when one is needed.
QString FindEntryIgnoringCase(const QString& dir, const QString& name, bool needDir)
{
    const QDir d(dir.isEmpty() ? QStringLiteral(".") : dir);
    const QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QString fallback;
    for (const QString& e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!needDir || QFileInfo(d.filePath(e)).isDir())
            return e;
        if (fallback.isEmpty())
            fallback = e;
    }
    return fallback;
}

} // namespace

QString ResolvePath(const QString& path)
{
    if (path.isEmpty())
        return path;
    QString p = path;
    p.replace(Backslash, Slash);
    if (QFileInfo::exists(p))
        return p;

    QString resolved;   // ends with "/" unless empty (relative to the working directory)
    QString rest = p;
    if (p.startsWith(Slash)) {
        resolved = Slash;
        rest = p.mid(1);
    } else if (HasDrivePrefix(p)) {
        resolved = p.left(2) + Slash;
        rest = p.mid(2);
        if (!QFileInfo(resolved).isDir())
            return p;   // no such drive here: nothing to resolve against
    }

    const QStringList parts = rest.split(Slash, Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        QString candidate = resolved + parts[i];
        const QFileInfo exact(resolved.isEmpty() ? parts[i] : candidate);
        if (!exact.exists() || (!last && !exact.isDir())) {
            const QString match = FindEntryIgnoringCase(resolved, parts[i], !last);
            if (match.isEmpty()) {
                if (!exact.exists())
                    return resolved + parts.mid(i).join(Slash);
            } else {
                candidate = resolved + match;
            }
        }
        resolved = last ? candidate : candidate + Slash;
    }
    return resolved;
}

bool PathExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(ResolvePath(path));
}

bool DeleteDirTree(const QString& dir)
{
    const QString trimmed = TrimBlanks(dir);
    if (trimmed.isEmpty())
        return false;   // QDir("") is the working directory
    const QString path = ResolvePath(trimmed);
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty() || QDir(canonical).isRoot())
        return false;
    errno = 0;
    if (QDir(path).removeRecursively())
        return true;
    const int err = errno;
    const QString reason = err != 0 ? qt_error_string(err) : QStringLiteral("Ошибка удаления каталога");
    ShowMessage(reason + QStringLiteral("\r\n") + dir);
    return false;
}

QString ProgramVersion()
{
    return QStringLiteral(VALTRIX_VERSION_TEXT);
}

// ---------------------------------------------------------------------------------------------
// Fixed-width text

QString PadLeft(const QString& text, int width, bool trim, QChar fill)
{
    if (width <= 0)
        return QString();
    const QString s = trim ? TrimBlanks(text) : text;
    if (s.size() >= width)
        return s.right(width);
    return QString(width - s.size(), fill) + s;
}

QString PadRight(const QString& text, int width, bool trim, QChar fill)
{
    if (width <= 0)
        return QString();
    const QString s = trim ? TrimBlanks(text) : text;
    if (s.size() >= width)
        return s.left(width);
    return s + QString(width - s.size(), fill);
}

// ---------------------------------------------------------------------------------------------
// Tokens and text

int TokenCount(const QString& text, const QString& separators)
{
    if (text.isEmpty())
        return 0;
    int n = 1;
    for (QChar c : text) {
        if (separators.contains(c))
            ++n;
    }
    return n;
}

QString Token(const QString& text, int n, const QString& separators, bool trim)
{
    if (n < 1 || text.isEmpty())
        return QString();
    int current = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !separators.contains(text[i]))
            continue;
        if (current == n) {
            const QString t = text.mid(start, i - start);
            return trim ? TrimBlanks(t) : t;
        }
        ++current;
        start = i + 1;
    }
    return QString();
}

bool HasToken(const QString& text, const QString& token, const QString& separators)
{
    const int count = TokenCount(text, separators);
    for (int i = 1; i <= count; ++i) {
        if (Token(text, i, separators, true) == token)
            return true;
    }
    return false;
}

QString AddToken(const QString& list, const QString& token, QChar separator, bool unique)
{
    if (list.isEmpty())
        return token;
    if (unique && HasToken(list, token, QString(separator)))
        return list;
    return list + separator + token;
}

QString ReplaceText(const QString& text, const QString& oldText, const QString& newText, bool ignoreCase,
                    bool firstOnly)
{
    const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    // An empty pattern would match everywhere without moving on.
    if (oldText.isEmpty() || oldText.compare(newText, cs) == 0)
        return text;
    if (text.compare(oldText, cs) == 0)
        return newText;
    QString result;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype found = text.indexOf(oldText, pos, cs);
        if (found < 0)
            break;
        result += QStringView(text).mid(pos, found - pos);
        result += newText;
        pos = found + oldText.size();
        if (firstOnly)
            break;
    }
    if (pos == 0)
        return text;
    result += QStringView(text).mid(pos);
    return result;
}

QString RemoveBlanks(const QString& text)
{
    QString s = text;
    s.remove(QLatin1Char(' '));
    s.remove(QChar(0x00A0));   // the group separator of Qt's Russian number formats
    return s.isEmpty() ? QStringLiteral("0") : s;
}

int IntOrZero(const QString& text)
{
    bool ok = false;
    const int v = TrimBlanks(text).toInt(&ok, 10);
    return ok ? v : 0;
}

// ---------------------------------------------------------------------------------------------
// Numbers

namespace {

int32_t ToInt32Checked(double v, double original)
{
    if (!(v >= double(std::numeric_limits<int32_t>::min()) && v <= double(std::numeric_limits<int32_t>::max())))
        throw EValtrixError(QStringLiteral("Число %1 вне диапазона целых чисел!")
                                .arg(QString::number(original, 'g', 17)));
    return int32_t(v);
}

// Significant digits a double holds reliably; the digits after them are representation and
// arithmetic error and must not decide a rounding.
constexpr int TrustedDigits = 15;

// a = 0 < digits[0].digits[1]... × 10^exp, digits without trailing zeros.
struct TDecimal {
    std::string Digits;
    int Exp = 0;
};

TDecimal Decompose(double a, int precision)
{
    char buf[64];
    const auto r = precision < 0 ? std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific)
                                 : std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, precision);
    const std::string s(buf, r.ptr);
    const auto e = s.find('e');
    TDecimal d;
    for (size_t i = 0; i < e; ++i) {
        if (s[i] != '.')
            d.Digits += s[i];
    }
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), d.Exp);
    while (d.Digits.size() > 1 && d.Digits.back() == '0')
        d.Digits.pop_back();
    return d;
}

// digits × 10^scale as the nearest double.
double Compose(bool negative, const std::string& digits, int scale)
{
    const std::string s = digits + 'e' + std::to_string(scale);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        v = std::numeric_limits<double>::infinity();
    return negative ? -v : v;
}

} // namespace

int32_t RoundHalfAway(double x)
{
    // |x| + 0.5 itself can round up (0.49999999999999994 + 0.5 == 1), so the fraction decides.
    const double a = std::fabs(x);
    double t = std::trunc(a);
    if (a - t >= 0.5)
        t += 1;
    return ToInt32Checked(x < 0 ? -t : t, x);
}

double RoundTo(int n, double x)
{
    if (n < -37 || n > 37)
        throw EValtrixError(QStringLiteral("Недопустимое число знаков округления (%1)!").arg(n));
    if (x == 0 || !std::isfinite(x) || (n >= 0 && std::trunc(x) == x))
        return x;   // whole numbers (most coordinates) have nothing to round
    const bool negative = x < 0;
    const double a = std::fabs(x);
    TDecimal d = Decompose(a, -1);
    int keep = d.Exp + n + 1;   // digits before the rounding position
    if (keep >= int(d.Digits.size()))
        return x;
    if (keep < TrustedDigits) {
        d = Decompose(a, TrustedDigits - 1);
        keep = d.Exp + n + 1;
        if (keep >= int(d.Digits.size()))
            return Compose(negative, d.Digits, d.Exp - int(d.Digits.size()) + 1);
    }
    if (keep < 0)
        return 0.0;
    std::string kept = keep == 0 ? std::string("0") : d.Digits.substr(0, size_t(keep));
    if (d.Digits[size_t(keep)] >= '5') {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[size_t(i)] == '9')
            kept[size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[size_t(i)];
    }
    if (kept.find_first_not_of('0') == std::string::npos)
        return 0.0;
    return Compose(negative, kept, -n);
}

// Integer part plus the rounded fraction is rounding to one or four decimals, half away; the
// decimal rounding keeps 1.00005 from losing its last digit to the representation error.
double Round1(double x)
{
    return RoundTo(1, x);
}

double Round4(double x)
{
    return RoundTo(4, x);
}

int32_t CeilTol(double x)
{
    if (x == 0)
        return 0;
    const double r = RoundTo(4, x);
    const double whole = std::trunc(r);
    // Compared in ten-thousandths: 2.0001 − 2 is a hair below 1e-4 as doubles.
    const bool hasFraction = std::round(std::fabs(r - whole) * 10000.0) >= 1;
    return ToInt32Checked(hasFraction ? std::ceil(r) : whole, x);
}

int32_t FloorTol(double x)
{
    if (x == 0)
        return 0;
    const double r = RoundTo(4, x);
    const double whole = std::trunc(r);
    const bool hasFraction = std::round(std::fabs(r - whole) * 10000.0) >= 1;
    return ToInt32Checked(hasFraction ? std::floor(r) : whole, x);
}

QPoint CeilTolPoint(const QPointF& p)
{
    return QPoint(CeilTol(p.x()), CeilTol(p.y()));
}

QPoint FloorTolPoint(const QPointF& p)
{
    return QPoint(FloorTol(p.x()), FloorTol(p.y()));
}

namespace {
// Slack for the representation error: 0.06 ≥ 0.05 + 0.01 is false as doubles.
double TolSlack(double a, double b)
{
    return 1e-12 * std::max({1.0, std::fabs(a), std::fabs(b)});
}
} // namespace

bool GreaterTol(double a, double b)
{
    return a - b >= 0.01 - TolSlack(a, b);
}

bool LessTol(double a, double b)
{
    return b - a >= 0.01 - TolSlack(a, b);
}

int32_t ToTenths(double mm)
{
    return RoundHalfAway(mm * 10.0);
}

double FromTenths(int32_t units)
{
    return units / 10.0;
}

int32_t FromTenthsRounded(int32_t units)
{
    return RoundHalfAway(units / 10.0);
}

QPoint PointToTenths(const QPointF& mm)
{
    return QPoint(ToTenths(mm.x()), ToTenths(mm.y()));
}

bool BitSet(uint32_t mask, int n)
{
    if (n < 1 || n > 32)
        return false;
    return ((mask >> (n - 1)) & 1u) != 0;
}

} // namespace vx
