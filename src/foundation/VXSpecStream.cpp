#include "VXSpecStream.h"
#include "VXCodePage.h"
#include "VXError.h"
#include "VXUserInteraction.h"
#include <QFile>
#include <QSaveFile>
#include <cmath>
#include <cstring>
#include <limits>

namespace vx {

namespace {
template <typename T> T LoadLE(const unsigned char* p)
{
    T v;
    std::memcpy(&v, p, sizeof(T)); // x86 and ARM are little-endian, as the files are
    return v;
}

template <typename T> void StoreLE(char* p, T v)
{
    std::memcpy(p, &v, sizeof(T));
}

int32_t ClampInt(long double v)
{
    if (!std::isfinite(double(v)))
        return 0;
    long double r = std::nearbyint(v); // ties to even, as the variant conversion does
    if (r > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return int32_t(r);
}
} // namespace

qint64 TSpecStream::Read(char* data, qint64 count)
{
    qint64 n = qMin(count, Remaining());
    if (n <= 0)
        return 0;
    std::memcpy(data, Bytes.constData() + Pos, size_t(n));
    Pos += n;
    return n;
}

void TSpecStream::Write(const char* data, qint64 count)
{
    if (count <= 0)
        return;
    if (Pos > Bytes.size())
        Bytes.resize(Pos, '\0');
    qint64 overlap = qMin(count, Bytes.size() - Pos);
    if (overlap > 0)
        std::memcpy(Bytes.data() + Pos, data, size_t(overlap));
    if (count > overlap)
        Bytes.append(data + overlap, count - overlap);
    Pos += count;
}

void TSpecStream::WriteValue(const QString& value)
{
    if (Pos == Bytes.size()) {
        // Appending, the usual case: encode straight into the stream.
        const qsizetype start = Pos;
        if (Bytes.capacity() < start + 4 + value.size())
            Bytes.reserve(qMax<qsizetype>(2 * Bytes.capacity(), start + 4 + value.size()));
        Bytes.resize(start + 4 + value.size());
        qsizetype n = ToCp1251(value, Bytes.data() + start + 4);
        StoreLE<int32_t>(Bytes.data() + start, int32_t(n));
        Bytes.truncate(start + 4 + n);
        Pos = start + 4 + n;
        return;
    }
    QByteArray bytes = ToCp1251(value);
    char count[4];
    StoreLE<int32_t>(count, int32_t(bytes.size()));
    Write(count, 4);
    Write(bytes.constData(), bytes.size());
}

void TSpecStream::WriteTagged(uint16_t tag, const char payload[8])
{
    char image[16] = {};
    StoreLE<uint16_t>(image, tag);
    std::memcpy(image + 8, payload, 8);
    Write(image, 16);
}

void TSpecStream::WriteValue(int32_t value)
{
    char p[8] = {};
    StoreLE<int32_t>(p, value);
    WriteTagged(vtInteger, p);
}

void TSpecStream::WriteValue(double value)
{
    char p[8] = {};
    StoreLE<double>(p, value);
    WriteTagged(vtDouble, p);
}

void TSpecStream::WriteValue(TMoney value)
{
    char p[8] = {};
    StoreLE<int64_t>(p, value.raw());
    WriteTagged(vtCurrency, p);
}

void TSpecStream::WriteValue(TDateTime value)
{
    char p[8] = {};
    StoreLE<double>(p, value.Value);
    WriteTagged(vtDate, p);
}

void TSpecStream::WriteValue(bool value)
{
    char p[8] = {};
    StoreLE<uint16_t>(p, value ? 0xFFFF : 0);
    WriteTagged(vtBoolean, p);
}

void TSpecStream::WriteByteValue(uint8_t value)
{
    char p[8] = {};
    p[0] = char(value);
    WriteTagged(vtByte, p);
}

QString TSpecStream::ReadString()
{
    char countBytes[4];
    if (Read(countBytes, 4) < 4) {
        Pos = Bytes.size();
        return QString();
    }
    int32_t n = LoadLE<int32_t>(reinterpret_cast<unsigned char*>(countBytes));
    if (n == 0)
        return QString();
    qint64 m = n > 0 ? qMin<qint64>(n, Remaining()) : 0;
    const char* start = Bytes.constData() + Pos;
    Pos += m;
    if (m < n || n < 0) {
        UI().ShowError(QStringLiteral("Ошибка чтения строки из потока!\r\nЗаказано: [%1 символов], Считано: [%2 символов]!")
                           .arg(n)
                           .arg(m));
    }
    // A zero byte ends the text.
    const void* zero = std::memchr(start, 0, size_t(m));
    qint64 len = zero ? static_cast<const char*>(zero) - start : m;
    return FromCp1251(start, len);
}

TSpecStream::TTagged TSpecStream::ReadTagged()
{
    TTagged t;
    unsigned char image[16];
    if (Read(reinterpret_cast<char*>(image), 16) < 16) {
        Pos = Bytes.size();
        return t;
    }
    t.Ok = true;
    t.Tag = LoadLE<uint16_t>(image);
    std::memcpy(t.Payload, image + 8, 8);
    switch (t.Tag) {
    case vtEmpty: case vtNull: case vtSmallint: case vtInteger: case vtSingle: case vtDouble:
    case vtCurrency: case vtDate: case vtBoolean: case vtShortInt: case vtByte: case vtWord:
    case vtLongWord: case vtInt64: case vtUInt64:
        return t;
    default:
        throw EValtrixError(QStringLiteral("Неизвестный тип значения в потоке (%1) в позиции %2!")
                                .arg(t.Tag)
                                .arg(Pos - 16));
    }
}

long double TSpecStream::Numeric(const TTagged& t)
{
    const unsigned char* p = t.Payload;
    switch (t.Tag) {
    case vtSmallint: return LoadLE<int16_t>(p);
    case vtInteger: return LoadLE<int32_t>(p);
    case vtSingle: return LoadLE<float>(p);
    case vtDouble:
    case vtDate: return LoadLE<double>(p);
    case vtCurrency: return static_cast<long double>(LoadLE<int64_t>(p)) / TMoney::Scale;
    case vtBoolean: return LoadLE<uint16_t>(p) != 0 ? -1 : 0;
    case vtShortInt: return LoadLE<int8_t>(p);
    case vtByte: return p[0];
    case vtWord: return LoadLE<uint16_t>(p);
    case vtLongWord: return LoadLE<uint32_t>(p);
    case vtInt64: return LoadLE<int64_t>(p);
    case vtUInt64: return LoadLE<uint64_t>(p);
    default: return 0;
    }
}

int32_t TSpecStream::ReadInt()
{
    TTagged t = ReadTagged();
    if (!t.Ok)
        return 0;
    if (t.Tag == vtInteger)
        return LoadLE<int32_t>(t.Payload);
    return ClampInt(Numeric(t));
}

double TSpecStream::ReadDouble()
{
    TTagged t = ReadTagged();
    return t.Ok ? double(Numeric(t)) : 0.0;
}

TMoney TSpecStream::ReadMoney()
{
    TTagged t = ReadTagged();
    if (!t.Ok)
        return {};
    if (t.Tag == vtCurrency)
        return TMoney::FromRaw(LoadLE<int64_t>(t.Payload));
    long double v = Numeric(t);
    if (!std::isfinite(double(v)) || std::fabs(double(v)) > 9.2e14)
        throw EValtrixError(QStringLiteral("Недопустимая денежная величина в потоке в позиции %1!").arg(Pos - 16));
    return TMoney::FromRaw(RoundHalfEven(v * TMoney::Scale));
}

TDateTime TSpecStream::ReadDate()
{
    TTagged t = ReadTagged();
    return {t.Ok ? double(Numeric(t)) : 0.0};
}

bool TSpecStream::ReadBool()
{
    TTagged t = ReadTagged();
    if (!t.Ok)
        return false;
    for (unsigned char b : t.Payload)
        if (b != 0)
            return true;
    return false;
}

uint8_t TSpecStream::ReadByte()
{
    TTagged t = ReadTagged();
    if (!t.Ok)
        return 0;
    if (t.Tag == vtByte || t.Tag == vtInteger)
        return t.Payload[0];
    return uint8_t(ClampInt(Numeric(t)));
}

void TSpecStream::LoadFromFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EValtrixError(QStringLiteral("Не удается открыть файл \"%1\": %2").arg(fileName, f.errorString()));
    QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EValtrixError(QStringLiteral("Ошибка чтения файла \"%1\": %2").arg(fileName, f.errorString()));
    Bytes = std::move(all);
    Pos = 0;
}

void TSpecStream::SaveToFile(const QString& fileName) const
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw EValtrixError(QStringLiteral("Не удается создать файл \"%1\": %2").arg(fileName, f.errorString()));
    if (f.write(Bytes) != Bytes.size() || !f.commit())
        throw EValtrixError(QStringLiteral("Ошибка записи файла \"%1\": %2").arg(fileName, f.errorString()));
}

} // namespace vx
