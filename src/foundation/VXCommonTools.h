#pragma once
#include <QPoint>
#include <QPointF>
#include <QString>
#include <cstdint>

namespace vx {

// ---------------------------------------------------------------------------------------------
// File names and paths. Names are taken apart at "\" (the stored form) and at "/" alike.

// Parts of a file name: the directory with its trailing backslash, the name, the extension with
// its dot. Directory and extension without the name give an empty text.
QString FileNamePart(const QString& fileName, bool withDir, bool withName, bool withExt);
// Trims blanks and removes one trailing backslash.
QString CleanDirName(const QString& text);
// Replaces every character that a file name must not hold (and a few that confuse the shell).
QString SafeFileName(const QString& text, QChar replacement = QLatin1Char('_'));

// Stored form of a path kept in the registry or a selection: upper case, backslashes, and
// "%" plus the path under the base directory when it lies there.
QString StorePath(const QString& baseDir, const QString& path);
// Back from the stored form: the base directory, a backslash and the rest, all upper case.
QString ExpandPath(const QString& baseDir, const QString& stored);

// The path to open for a stored or expanded path. Stored paths are upper-cased, so on a
// case-sensitive file system the existing entry is looked up component by component ignoring
// case (an exact-case entry wins). Accepts "\" and "/"; the result uses "/". When a component
// is missing, gives the resolved prefix and the rest as given, so that the caller reports the
// file as not found.
QString ResolvePath(const QString& path);
// True when the path names an existing file or directory after ResolvePath.
bool PathExists(const QString& path);

// Deletes a directory with all its contents, silently. A failure shows a plain box with the
// system's error text and the directory. An empty path or a root directory is never deleted.
bool DeleteDirTree(const QString& dir);

// The program's own version text, as its About box and exports show it.
QString ProgramVersion();

// ---------------------------------------------------------------------------------------------
// Fixed-width text of the supplier exports.

// Fill characters are prepended up to the width; a longer text loses its beginning.
QString PadLeft(const QString& text, int width, bool trim = true, QChar fill = QLatin1Char(' '));
// Fill characters are appended up to the width; a longer text loses its end.
QString PadRight(const QString& text, int width, bool trim = true, QChar fill = QLatin1Char(' '));

// ---------------------------------------------------------------------------------------------
// Tokens: a token list is a text whose tokens are separated by any character of `separators`.

int TokenCount(const QString& text, const QString& separators);
// The n-th token, counted from 1; empty below 1 and beyond the last token.
QString Token(const QString& text, int n, const QString& separators, bool trim = true);
// True when one of the trimmed tokens equals `token` exactly.
bool HasToken(const QString& text, const QString& token, const QString& separators);
// Appends `separator` and `token` (just the token to an empty list); with `unique` a token
// already in the list is not added again.
QString AddToken(const QString& list, const QString& token, QChar separator, bool unique = false);
// Replaces `oldText` by `newText` left to right, each search starting after the previous
// replacement. With ignoreCase only the search ignores case; the rest keeps its own.
QString ReplaceText(const QString& text, const QString& oldText, const QString& newText,
                    bool ignoreCase = false, bool firstOnly = false);
// Deletes every blank (also the non-breaking one); an empty result becomes "0".
QString RemoveBlanks(const QString& text);
// The text as a decimal 32-bit integer, 0 when it is not one.
int IntOrZero(const QString& text);

// ---------------------------------------------------------------------------------------------
// Numbers. Halves are rounded away from zero throughout; integer results are 32-bit and a
// value out of that range raises EValtrixError.

int32_t RoundHalfAway(double x);
// x rounded to n decimals (n from -37 to 37; a negative n rounds to tens, hundreds...). The
// decision is taken on the decimal the value stands for, so 2.00005 gives 2.0001 and
// 1.005 gives 1.01 although neither double lies exactly on the half.
double RoundTo(int n, double x);
double Round1(double x);
double Round4(double x);
// x rounded to four decimals; a remaining fraction of 1e-4 or more gives the next integer
// above (CeilTol) or below (FloorTol), otherwise the integer part.
int32_t CeilTol(double x);
int32_t FloorTol(double x);
QPoint CeilTolPoint(const QPointF& p);
QPoint FloorTolPoint(const QPointF& p);
// a ≥ b + 0.01 and a ≤ b − 0.01, untouched by the representation error of the operands.
bool GreaterTol(double a, double b);
bool LessTol(double a, double b);
// Millimetres to the tenths of a millimetre of the geometry and back.
int32_t ToTenths(double mm);
double FromTenths(int32_t units);
int32_t FromTenthsRounded(int32_t units);
QPoint PointToTenths(const QPointF& mm);
// Bit n of the mask, counted from 1; false for n outside 1..32.
bool BitSet(uint32_t mask, int n);

} // namespace vx
