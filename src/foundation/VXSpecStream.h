#pragma once
#include "VXDateTime.h"
#include "VXMoney.h"
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vx {

// Tags of the 16-byte tagged values.
enum TValueTag : uint16_t {
    vtEmpty = 0, vtNull = 1, vtSmallint = 2, vtInteger = 3, vtSingle = 4, vtDouble = 5,
    vtCurrency = 6, vtDate = 7, vtBoolean = 11, vtShortInt = 16, vtByte = 17, vtWord = 18,
    vtLongWord = 19, vtInt64 = 20, vtUInt64 = 21
};

// A growable in-memory byte stream of values: strings as a 32-bit count and Windows-1251
// bytes, every other value as a 16-byte tagged image. Files are built in one and written in
// one piece; loading copies the whole file into one first.
class TSpecStream {
public:
    TSpecStream() = default;
    explicit TSpecStream(QByteArray bytes) : Bytes(std::move(bytes)) {}

    // Raw stream access.
    qint64 Position() const { return Pos; }
    qint64 Size() const { return Bytes.size(); }
    void Seek(qint64 pos) { Pos = pos < 0 ? 0 : pos; }
    bool AtEnd() const { return Pos >= Bytes.size(); }
    qint64 Remaining() const { return Pos >= Bytes.size() ? 0 : Bytes.size() - Pos; }
    qint64 Read(char* data, qint64 count);
    void Write(const char* data, qint64 count);
    void Clear() { Bytes.clear(); Pos = 0; }
    const QByteArray& Data() const { return Bytes; }
    // Replaces the content with another stream's bytes and rewinds.
    void CopyFrom(const TSpecStream& other) { Bytes = other.Bytes; Pos = 0; }

    void WriteValue(const QString& value);
    void WriteValue(const char* value) = delete;  // say QString or QStringLiteral
    void WriteValue(int32_t value);               // tag 3
    void WriteValue(double value);                // tag 5
    void WriteValue(float value) { WriteValue(double(value)); }
    void WriteValue(TMoney value);                // tag 6
    void WriteValue(TDateTime value);             // tag 7
    void WriteValue(bool value);                  // tag 11
    void WriteByteValue(uint8_t value);           // tag 17
    void WriteTagged(uint16_t tag, const char payload[8]);

    // Each reader takes the next value as the caller's kind; past the end it gives the empty
    // value. A string longer than the stream shows the read error once and keeps what it read.
    QString ReadString();
    int32_t ReadInt();
    double ReadDouble();
    float ReadSingle() { return float(ReadDouble()); }
    TMoney ReadMoney();
    TDateTime ReadDate();
    bool ReadBool();
    uint8_t ReadByte();          // accepts tag 17 or 3

    void ReadValue(QString& v) { v = ReadString(); }
    void ReadValue(int32_t& v) { v = ReadInt(); }
    void ReadValue(double& v) { v = ReadDouble(); }
    void ReadValue(float& v) { v = ReadSingle(); }
    void ReadValue(TMoney& v) { v = ReadMoney(); }
    void ReadValue(TDateTime& v) { v = ReadDate(); }
    void ReadValue(bool& v) { v = ReadBool(); }
    void ReadValue(uint8_t& v) { v = ReadByte(); }

    // Loading: the whole file into the stream, position 0. Saving: the whole stream into a
    // temporary file beside the target, flushed, then put in place of the target; a failure
    // leaves the previous file untouched. Both throw EValtrixError with the system's text.
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;

private:
    struct TTagged {
        bool Ok = false;
        uint16_t Tag = 0;
        unsigned char Payload[8] = {};
    };
    TTagged ReadTagged();
    static long double Numeric(const TTagged& t);

    QByteArray Bytes;
    qint64 Pos = 0;
};

} // namespace vx
