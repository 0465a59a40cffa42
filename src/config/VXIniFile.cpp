#include "config/VXIniFile.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXError.h"
#include <QFile>
#include <QSaveFile>
#include <charconv>
#include <cmath>

namespace vx {

namespace {

// The blanks the profile functions strip around names and values.
bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QStringView TrimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool IsQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value cannot span lines: line breaks become blanks.
QString OneLine(const QString& value)
{
    if (!value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

template <typename T>
QString ShortestText(T value)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    QString s = QString::fromLatin1(buf, res.ptr - buf);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

bool ParseInteger(QStringView text, int& out)
{
    bool ok = false;
    bool hex = true;
    qlonglong v = 0;
    if (text.size() > 2 && text[0] == QLatin1Char('0') && (text[1] == QLatin1Char('x') || text[1] == QLatin1Char('X')))
        v = text.mid(2).toLongLong(&ok, 16);
    else if (text.size() > 1 && text[0] == QLatin1Char('$'))
        v = text.mid(1).toLongLong(&ok, 16);
    else {
        hex = false;
        v = text.toLongLong(&ok, 10);
    }
    if (!ok)
        return false;
    if (hex) {
        // "$FFFFFFFF" reads as -1, as on the old platform.
        if (v < 0 || v > qlonglong(UINT32_MAX))
            return false;
        out = int(int32_t(uint32_t(v)));
        return true;
    }
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    out = int(v);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Reading and writing the file

bool TIniFile::Load()
{
    Lines.clear();
    Changed = false;
    QFile f(Name);
    if (!f.exists())
        return false;
    if (!f.open(QIODevice::ReadOnly))
        throw EValtrixError(QStringLiteral("Не удалось прочитать файл %1: %2").arg(Name, f.errorString()));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EValtrixError(QStringLiteral("Не удалось прочитать файл %1: %2").arg(Name, f.errorString()));
    LoadFromBytes(bytes);
    return true;
}

void TIniFile::LoadFromBytes(const QByteArray& bytes)
{
    Lines.clear();
    Changed = false;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', pos);
        if (nl < 0) {
            Lines.append(ParseLine(bytes.mid(pos), {}));
            break;
        }
        qsizetype end = nl;
        QByteArray eol("\n");
        if (end > pos && bytes[end - 1] == '\r') {
            --end;
            eol = "\r\n";
        }
        Lines.append(ParseLine(bytes.mid(pos, end - pos), eol));
        pos = nl + 1;
    }
}

QByteArray TIniFile::ToBytes() const
{
    QByteArray out;
    for (const TLine& l : Lines) {
        out += l.Raw;
        out += l.Eol;
    }
    return out;
}

void TIniFile::Save()
{
    QSaveFile f(Name);
    QByteArray bytes = ToBytes();
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        QString reason = f.errorString();
        f.cancelWriting();
        throw EValtrixError(QStringLiteral("Не удалось записать файл %1: %2").arg(Name, reason));
    }
    Changed = false;
}

TIniFile::TLine TIniFile::ParseLine(const QByteArray& raw, const QByteArray& eol)
{
    TLine line;
    line.Raw = raw;
    line.Eol = eol;
    QString text = FromCp1251(raw);
    QStringView t = TrimBlanks(text);
    if (t.isEmpty() || t[0] == QLatin1Char(';'))
        return line;
    if (t[0] == QLatin1Char('[')) {
        qsizetype close = t.indexOf(QLatin1Char(']'));
        QStringView name = close < 0 ? t.mid(1) : t.mid(1, close - 1);
        line.Kind = TKind::Section;
        line.Name = TrimBlanks(name).toString();
        return line;
    }
    qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return line;
    QStringView key = TrimBlanks(t.left(eq));
    if (key.isEmpty())
        return line;
    line.Kind = TKind::Key;
    line.Name = key.toString();
    line.Value = ValueOf(t.mid(eq + 1));
    return line;
}

// The value after "=": blanks around it and one pair of enclosing quotes go.
QString TIniFile::ValueOf(QStringView text)
{
    QStringView v = TrimBlanks(text);
    if (v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.toString();
}

// Quotes a value that the reading rules above would otherwise change, so that it reads back
// exactly, here and on the old platform.
QByteArray TIniFile::EncodeValue(const QString& value)
{
    QString v = OneLine(value);
    bool quote = !v.isEmpty() && (IsBlank(v.front()) || IsBlank(v.back()));
    if (v.size() >= 2 && IsQuote(v.front()) && v.back() == v.front())
        quote = true;
    if (quote)
        v = QLatin1Char('"') + v + QLatin1Char('"');
    return ToCp1251(v);
}

// New lines follow the file's own line ends; a new file gets CR LF.
QByteArray TIniFile::NewLineEnd() const
{
    for (const TLine& l : Lines)
        if (!l.Eol.isEmpty())
            return l.Eol;
    return QByteArrayLiteral("\r\n");
}

// ---------------------------------------------------------------------------------------
// Look-ups

int TIniFile::FindSection(const QString& section) const
{
    for (int i = 0; i < Lines.size(); ++i)
        if (Lines[i].Kind == TKind::Section && SameName(Lines[i].Name, section))
            return i;
    return -1;
}

int TIniFile::SectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < Lines.size() && Lines[i].Kind != TKind::Section)
        ++i;
    return i;
}

int TIniFile::FindKey(int sectionLine, const QString& key) const
{
    int end = SectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i)
        if (Lines[i].Kind == TKind::Key && SameName(Lines[i].Name, key))
            return i;
    return -1;
}

const TIniFile::TLine* TIniFile::FindValue(const QString& section, const QString& key) const
{
    int s = FindSection(section);
    if (s < 0)
        return nullptr;
    int k = FindKey(s, key);
    return k < 0 ? nullptr : &Lines[k];
}

QStringList TIniFile::Sections() const
{
    QStringList out;
    for (const TLine& l : Lines)
        if (l.Kind == TKind::Section && !out.contains(l.Name, Qt::CaseInsensitive))
            out.append(l.Name);
    return out;
}

QStringList TIniFile::Keys(const QString& section) const
{
    QStringList out;
    int s = FindSection(section);
    if (s < 0)
        return out;
    int end = SectionEnd(s);
    for (int i = s + 1; i < end; ++i)
        if (Lines[i].Kind == TKind::Key && !out.contains(Lines[i].Name, Qt::CaseInsensitive))
            out.append(Lines[i].Name);
    return out;
}

bool TIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    return FindValue(section, key) != nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const TLine* l = FindValue(section, key);
    return l ? l->Value : def;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const TLine* l = FindValue(section, key);
    int v = 0;
    return l && ParseInteger(l->Value, v) ? v : def;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    const TLine* l = FindValue(section, key);
    if (!l)
        return def;
    int v = 0;
    if (ParseInteger(l->Value, v))
        return v != 0;
    if (SameName(l->Value, QStringLiteral("true")))
        return true;
    if (SameName(l->Value, QStringLiteral("false")))
        return false;
    return def;
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double def) const
{
    const TLine* l = FindValue(section, key);
    double v = 0;
    return l && ParseFloat(l->Value, v) ? v : def;
}

// ---------------------------------------------------------------------------------------
// Changes

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QString clean = OneLine(value);
    QByteArray encoded = EncodeValue(value);
    int s = FindSection(section);
    if (s < 0) {
        QByteArray eol = NewLineEnd();
        if (!Lines.isEmpty()) {
            if (Lines.last().Eol.isEmpty())
                Lines.last().Eol = eol;
            if (!TrimBlanks(FromCp1251(Lines.last().Raw)).isEmpty())
                Lines.append(ParseLine({}, eol));
        }
        Lines.append(ParseLine('[' + ToCp1251(section) + ']', eol));
        Lines.append(ParseLine(ToCp1251(key) + '=' + encoded, eol));
        Changed = true;
        return;
    }
    int k = FindKey(s, key);
    if (k >= 0) {
        TLine& l = Lines[k];
        if (l.Value == clean)
            return;
        // Keep the key as spelt in the file, with its spacing up to the value.
        qsizetype eq = l.Raw.indexOf('=');
        qsizetype valueStart = eq + 1;
        while (valueStart < l.Raw.size() && (l.Raw[valueStart] == ' ' || l.Raw[valueStart] == '\t'))
            ++valueStart;
        l = ParseLine(l.Raw.left(valueStart) + encoded, l.Eol);
        Changed = true;
        return;
    }
    // A new key goes after the last key of its section, so that comments heading the next
    // section stay with it.
    int end = SectionEnd(s);
    int after = s;
    for (int i = s + 1; i < end; ++i)
        if (Lines[i].Kind == TKind::Key)
            after = i;
    QByteArray eol = NewLineEnd();
    if (Lines[after].Eol.isEmpty())
        Lines[after].Eol = eol;
    Lines.insert(after + 1, ParseLine(ToCp1251(key) + '=' + encoded, eol));
    Changed = true;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteString(section, key, FormatFloat(value));
}

void TIniFile::WriteSingle(const QString& section, const QString& key, float value)
{
    WriteString(section, key, FormatSingle(value));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    int s = FindSection(section);
    if (s < 0)
        return;
    int k = FindKey(s, key);
    if (k < 0)
        return;
    Lines.removeAt(k);
    Changed = true;
}

void TIniFile::EraseSection(const QString& section)
{
    int s = FindSection(section);
    if (s < 0)
        return;
    Lines.remove(s, SectionEnd(s) - s);
    Changed = true;
}

// ---------------------------------------------------------------------------------------
// Numbers

QString TIniFile::FormatFloat(double value)
{
    return ShortestText(value);
}

QString TIniFile::FormatSingle(float value)
{
    return ShortestText(value);
}

bool TIniFile::ParseFloat(const QString& text, double& out)
{
    QString t = TrimBlanks(text).toString();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+')
              || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return false;
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

} // namespace vx
