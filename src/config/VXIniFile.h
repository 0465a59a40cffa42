#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

// An INI file read and written the way the Windows profile functions do, in Windows-1251:
// section and key names compare without case, a value is the text after the first "="
// with surrounding blanks and one pair of enclosing quotes removed, a missing section or
// key gives the caller's default. Writing changes only the lines of the keys written;
// every other line (comments, unknown sections, keys we never write, blank lines) keeps
// its bytes, so the file stays interchangeable with installations on Windows.
class TIniFile {
public:
    TIniFile() = default;
    explicit TIniFile(QString fileName) : Name(std::move(fileName)) {}

    const QString& FileName() const { return Name; }
    void SetFileName(const QString& fileName) { Name = fileName; }

    // Reads the file. False when it does not exist (the contents are then empty); throws
    // EValtrixError when it exists but cannot be read.
    bool Load();
    void LoadFromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
    // Writes the whole file through a temporary file beside it, so a failure never leaves
    // a half-written file; throws EValtrixError with the reason.
    void Save();
    // True when a write changed the contents since the last load or save.
    bool Modified() const { return Changed; }

    QStringList Sections() const;
    QStringList Keys(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    QString ReadString(const QString& section, const QString& key, const QString& def = {}) const;
    // A decimal integer, or hexadecimal after "0x" or "$"; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int def = 0) const;
    // An integer, non-zero meaning true ("true"/"false" are accepted too).
    bool ReadBool(const QString& section, const QString& key, bool def = false) const;
    // A number with a decimal comma or point, blanks ignored; anything else gives the default.
    double ReadFloat(const QString& section, const QString& key, double def = 0) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);   // "1" / "0"
    // With a decimal comma, the shortest text that reads back as the same single or double.
    void WriteFloat(const QString& section, const QString& key, double value);
    void WriteSingle(const QString& section, const QString& key, float value);

    void DeleteKey(const QString& section, const QString& key);
    void EraseSection(const QString& section);

    // Number text of the application: decimal comma, no thousands separator.
    static QString FormatFloat(double value);
    static QString FormatSingle(float value);
    // Parses a number with a decimal comma or point after removing every blank; false when
    // the text is not a number.
    static bool ParseFloat(const QString& text, double& out);

private:
    enum class TKind { Other, Section, Key };
    struct TLine {
        QByteArray Raw;     // the line without its end
        QByteArray Eol;     // "\r\n", "\n" or empty for a last line without end
        TKind Kind = TKind::Other;
        QString Name;       // section or key name
        QString Value;      // key value as read
    };

    static TLine ParseLine(const QByteArray& raw, const QByteArray& eol);
    static QString ValueOf(QStringView text);
    static QByteArray EncodeValue(const QString& value);
    QByteArray NewLineEnd() const;
    int FindSection(const QString& section) const;               // line index or -1
    int SectionEnd(int sectionLine) const;                       // index after its last line
    int FindKey(int sectionLine, const QString& key) const;      // line index or -1
    const TLine* FindValue(const QString& section, const QString& key) const;

    QString Name;
    QList<TLine> Lines;
    bool Changed = false;
};

} // namespace vx
