#include "engine/VXFPositionRecords.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurnComp.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFMatListItem.h"

namespace vx {

namespace {

// Versions that added fields.
const int Since20091210 = VersionKey(QStringLiteral("10.12.2009"));   // codes instead of texts
const int Since20151006 = VersionKey(QStringLiteral("06.10.2015"));   // item origin
const int Since20190303 = VersionKey(QStringLiteral("03.03.2019"));   // item note
const int Since20190723 = VersionKey(QStringLiteral("23.07.2019"));   // Dornmass per sash
const int Since20191226 = VersionKey(QStringLiteral("26.12.2019"));   // item side, reserves, component

// The fewest bytes each record takes: a string is at least its 4-byte count, any other value
// a 16-byte tagged image.
constexpr qint64 PointBytes = 2 * 16;
constexpr qint64 LineBytes = 12 * 16;
constexpr qint64 ItemBytes = 4 + 2 * 16;
constexpr qint64 MaterialBytes = 4 + 6 * 16;

} // namespace

// A record count that the rest of the data cannot hold comes from a damaged file; reading on
// would only build empty records without end.
int32_t ReadRecordCount(TSpecStream& s, qint64 recordBytes)
{
    const int32_t n = s.ReadInt();
    if (n < 0 || qint64(n) * recordBytes > s.Remaining())
        throw EValtrixError(
            QStringLiteral("Данные повреждены: число записей [%1] не соответствует объему данных!").arg(n));
    return n;
}

int VersionKey(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    bool ok = parts.size() == 3;
    int values[3] = {};
    for (int i = 0; ok && i < 3; ++i)
        values[i] = parts[i].trimmed().toInt(&ok, 10);
    if (!ok)
        throw EValtrixError(QStringLiteral("Неверная дата версии формата [%1]!").arg(version));
    const qint64 key = qint64(values[2]) * 365 + qint64(values[1]) * 31 + values[0];
    if (key < INT32_MIN || key > INT32_MAX)
        throw EValtrixError(QStringLiteral("Неверная дата версии формата [%1]!").arg(version));
    return int(key);
}

QString TextListToString(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

QStringList TextListFromString(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

TFileVersion::TFileVersion(const QString& text) : FText(text), FKey(VersionKey(text)) {}

// ---------------------------------------------------------------------------------------------

void WritePoint(TSpecStream& s, const TvxfPoint& p)
{
    s.WriteValue(p.X);
    s.WriteValue(p.Y);
}

void ReadPoint(TSpecStream& s, TvxfPoint& p)
{
    p.X = s.ReadInt();
    p.Y = s.ReadInt();
}

void WriteLine(TSpecStream& s, const TvxfLine& l)
{
    s.WriteValue(l.R1);
    s.WriteValue(l.R2);
    s.WriteValue(l.Center.X);
    s.WriteValue(l.Center.Y);
    s.WriteValue(l.OpenMode);
    s.WriteValue(l.RotSide);
    s.WriteValue(l.Handled);
    s.WriteValue(l.Banded);
    s.WriteValue(l.Drived);
    s.WriteValue(l.HandleHeight);
    s.WriteValue(int32_t(l.HandleMark.x()));
    s.WriteValue(int32_t(l.HandleMark.y()));
}

void ReadLine(TSpecStream& s, TvxfLine& l)
{
    l.R1 = s.ReadSingle();
    l.R2 = s.ReadSingle();
    l.Center.X = s.ReadSingle();
    l.Center.Y = s.ReadSingle();
    l.OpenMode = s.ReadBool();
    l.RotSide = s.ReadInt();
    l.Handled = s.ReadBool();
    l.Banded = s.ReadBool();
    l.Drived = s.ReadBool();
    l.HandleHeight = s.ReadInt();
    const int32_t x = s.ReadInt();
    const int32_t y = s.ReadInt();
    l.HandleMark = QPoint(x, y);
}

void WriteFurnItem(TSpecStream& s, const TvxfFurnItem& item)
{
    s.WriteValue(item.Article);
    s.WriteValue(item.Length);
    s.WriteValue(item.Count);
    s.WriteValue(item.Origin);
    s.WriteValue(item.Note);
    s.WriteValue(item.SideNo);
    s.WriteValue(item.Reserved1);
    s.WriteValue(item.Reserved2);
    s.WriteValue(item.Reserved3);
    s.WriteValue(item.ComplectKey);
}

void ReadFurnItem(TSpecStream& s, TvxfFurnItem& item, const TFileVersion& v)
{
    item.Article = s.ReadString();
    item.Length = s.ReadSingle();
    item.Count = s.ReadInt();
    if (v.Since(Since20151006))
        item.Origin = s.ReadString();
    if (v.Since(Since20190303))
        item.Note = s.ReadString();
    if (v.Since(Since20191226)) {
        item.SideNo = s.ReadInt();
        item.Reserved1 = s.ReadInt();
        item.Reserved2 = s.ReadInt();
        item.Reserved3 = s.ReadInt();
        item.ComplectKey = s.ReadString();
    }
}

void WriteFurnComp(TSpecStream& s, const TvxfFurnComp& c)
{
    for (const QString* text : {&c.FurnSys, &c.ProfSys, &c.Color, &c.Complect, &c.Hinge, &c.Handle})
        s.WriteValue(*text);
    s.WriteValue(c.UserHandleHeight);
    s.WriteValue(c.HeightUserDefined);
    for (const QString* text : {&c.Lock, &c.Cylinder, &c.Drive, &c.Latch})
        s.WriteValue(*text);
    for (int32_t value : {c.ComplectImage, c.HandleImage, c.HingeImage, c.DriveImage, c.Image5, c.HandleScrColor,
                          c.HingeScrColor, c.DriveScrColor, c.ScrColor4})
        s.WriteValue(value);
    s.WriteValue(TextListToString(c.Props));
    s.WriteValue(TextListToString(c.ExtraComplects));
    s.WriteValue(int32_t(c.Items.size()));
    for (const auto& item : c.Items)
        WriteFurnItem(s, *item);
}

void ReadFurnComp(TSpecStream& s, TvxfFurnComp& c, const TFileVersion& v)
{
    for (QString* text : {&c.FurnSys, &c.ProfSys, &c.Color, &c.Complect, &c.Hinge, &c.Handle})
        *text = s.ReadString();
    c.UserHandleHeight = s.ReadInt();
    c.HeightUserDefined = s.ReadBool();
    for (QString* text : {&c.Lock, &c.Cylinder, &c.Drive, &c.Latch})
        *text = s.ReadString();
    for (int32_t* value : {&c.ComplectImage, &c.HandleImage, &c.HingeImage, &c.DriveImage, &c.Image5,
                           &c.HandleScrColor, &c.HingeScrColor, &c.DriveScrColor, &c.ScrColor4})
        *value = s.ReadInt();
    c.Props = TextListFromString(s.ReadString());
    c.ExtraComplects = TextListFromString(s.ReadString());
    c.ClearItems();
    const int32_t n = ReadRecordCount(s, ItemBytes);
    for (int32_t i = 0; i < n; ++i) {
        auto item = std::make_unique<TvxfFurnItem>();
        item->Owner = &c;
        ReadFurnItem(s, *item, v);
        c.Items.push_back(std::move(item));
    }
}

void WriteFlugel(TSpecStream& s, const TvxfFlugel& f)
{
    s.WriteValue(int32_t(f.Points.size()));
    for (const auto& p : f.Points)
        WritePoint(s, *p);
    s.WriteValue(int32_t(f.Lines.size()));
    for (const auto& l : f.Lines)
        WriteLine(s, *l);
    s.WriteValue(f.Dorn);
    s.WriteValue(f.FurnComp != nullptr);
    if (f.FurnComp)
        WriteFurnComp(s, *f.FurnComp);
    s.WriteValue(int32_t(f.MatList.size()));
    for (const auto& m : f.MatList)
        m->Write(s);
}

void ReadFlugel(TSpecStream& s, TvxfFlugel& f, const TFileVersion& v)
{
    f.Lines.clear();
    f.Points.clear();
    f.MatList.clear();
    const int32_t points = ReadRecordCount(s, PointBytes);
    for (int32_t i = 0; i < points; ++i) {
        auto p = std::make_unique<TvxfPoint>();
        p->Owner = &f;
        ReadPoint(s, *p);
        f.Points.push_back(std::move(p));
    }
    const int32_t lines = ReadRecordCount(s, LineBytes);
    // Side i runs from corner i to the next one; without a corner for each side the outline
    // has no meaning.
    if (lines != points)
        throw EValtrixError(QStringLiteral("Данные повреждены: число сторон створки [%1] не равно числу углов [%2]!")
                                .arg(lines)
                                .arg(points));
    for (int32_t i = 0; i < lines; ++i) {
        auto l = std::make_unique<TvxfLine>();
        l->Owner = &f;
        ReadLine(s, *l);
        l->StartPoint = f.Points[size_t(i)].get();
        l->EndPoint = f.Points[size_t((i + 1) % points)].get();
        f.Lines.push_back(std::move(l));
    }
    if (v.Since(Since20190723))
        f.Dorn = s.ReadInt();
    else
        f.Dorn = 0;
    if (s.ReadBool()) {
        auto c = std::make_unique<TvxfFurnComp>(&f);
        ReadFurnComp(s, *c, v);
        f.FurnComp = std::move(c);
    } else {
        f.FurnComp.reset();
    }
    const int32_t materials = ReadRecordCount(s, MaterialBytes);
    for (int32_t i = 0; i < materials; ++i) {
        auto m = std::make_unique<TvxfMatListItem>();
        m->Read(s, v.Text());
        f.MatList.push_back(std::move(m));
    }
}

void WritePosition(TSpecStream& s, const TvxfConstruction& p)
{
    s.WriteValue(p.Active);
    s.WriteValue(p.PosNo);
    s.WriteValue(p.Name);
    s.WriteValue(p.Num);
    s.WriteByteValue(p.ObjType);
    s.WriteValue(p.FurnSys);
    s.WriteValue(p.ProfSys);
    s.WriteValue(p.Color);
    s.WriteValue(p.Falz);
    s.WriteValue(p.StulpType);
    s.WriteValue(p.ProfWidth);
    s.WriteValue(p.Thickness);
    s.WriteValue(p.OpenType);
    s.WriteValue(p.Cost);
    s.WriteValue(TextListToString(p.ExtraLines));
    s.WriteByteValue(p.Layout);
    WriteFlugel(s, *p.LeftFlugel);
    WriteFlugel(s, *p.RightFlugel);
}

void ReadPosition(TSpecStream& s, TvxfConstruction& p, const QString& version)
{
    const TFileVersion v(version);
    p.Active = s.ReadBool();
    p.PosNo = s.ReadString();
    p.Name = s.ReadString();
    p.Num = s.ReadInt();
    p.ObjType = s.ReadByte();
    p.FurnSys = s.ReadString();
    p.ProfSys = s.ReadString();
    p.Color = s.ReadString();
    if (!v.Since(Since20091210)) {
        s.ReadString();
        s.ReadString();
    }
    p.Falz = s.ReadInt();
    const bool positionDorn = !v.Since(Since20190723);
    const int32_t dorn = positionDorn ? s.ReadInt() : 0;
    p.StulpType = s.ReadInt();
    p.ProfWidth = s.ReadSingle();
    p.Thickness = s.ReadSingle();
    p.OpenType = s.ReadInt();
    p.Cost = s.ReadMoney();
    p.ExtraLines = TextListFromString(s.ReadString());
    p.Layout = s.ReadByte();
    ReadFlugel(s, *p.LeftFlugel, v);
    ReadFlugel(s, *p.RightFlugel, v);
    if (positionDorn) {
        p.LeftFlugel->Dorn = dorn;
        p.RightFlugel->Dorn = dorn;
    }
}

} // namespace vx
