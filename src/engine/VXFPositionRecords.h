#pragma once
#include <QString>
#include <QStringList>

// The records of a position in the order-file encoding: position, sash, corner, side,
// complect and item. Which fields a record holds depends on the version date of the file;
// writing always gives the current version.

namespace vx {

class TSpecStream;
class TvxfConstruction;
class TvxfFlugel;
class TvxfFurnComp;
struct TvxfFurnItem;
struct TvxfLine;
struct TvxfPoint;

inline const QString OrderFileVersion = QStringLiteral("26.12.2019");

// year × 365 + month × 31 + day of a "dd.mm.yyyy" text; each piece is trimmed of blanks.
// Raises when the text is not three dot-separated numbers.
int VersionKey(const QString& version);

// A text list as one string: every line followed by CR LF; read back split at CR LF, CR or LF.
QString TextListToString(const QStringList& lines);
QStringList TextListFromString(const QString& text);

// A version date with its key, for the "since" tests of the readers.
class TFileVersion {
public:
    explicit TFileVersion(const QString& text);
    const QString& Text() const { return FText; }
    int Key() const { return FKey; }
    bool Since(int key) const { return FKey >= key; }

private:
    QString FText;
    int FKey;
};

// A count of records that follow in the stream. Raises when it is negative or when the rest of
// the stream cannot hold that many records of at least recordBytes each.
int32_t ReadRecordCount(TSpecStream& s, qint64 recordBytes);
// The fewest bytes a position record of any version takes.
constexpr qint64 PositionRecordMinBytes = 328;

void WritePoint(TSpecStream& s, const TvxfPoint& point);
void ReadPoint(TSpecStream& s, TvxfPoint& point);
void WriteLine(TSpecStream& s, const TvxfLine& line);
void ReadLine(TSpecStream& s, TvxfLine& line);
void WriteFurnItem(TSpecStream& s, const TvxfFurnItem& item);
void ReadFurnItem(TSpecStream& s, TvxfFurnItem& item, const TFileVersion& version);
void WriteFurnComp(TSpecStream& s, const TvxfFurnComp& comp);
void ReadFurnComp(TSpecStream& s, TvxfFurnComp& comp, const TFileVersion& version);
void WriteFlugel(TSpecStream& s, const TvxfFlugel& flugel);
// Empties the sash's corners, sides and material list and replaces its complect.
void ReadFlugel(TSpecStream& s, TvxfFlugel& flugel, const TFileVersion& version);

void WritePosition(TSpecStream& s, const TvxfConstruction& position);
// Reads a position record of the given version into an existing position (its order stays).
void ReadPosition(TSpecStream& s, TvxfConstruction& position, const QString& version);

} // namespace vx
