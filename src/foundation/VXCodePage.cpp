#include "VXCodePage.h"
#include <array>

namespace vx {

namespace {

// Windows-1251, bytes 0x80..0xFF; 0xFFFD marks the one byte (0x98) with no character.
constexpr char16_t HighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

struct TReverse {
    std::array<uint8_t, 0x500> Cyr{};   // U+0400..U+04FF
    std::array<uint8_t, 0x100> Latin{}; // U+0080..U+00FF
    std::array<uint8_t, 0x80> Punct{};  // U+2000..U+207F
    TReverse()
    {
        for (int i = 0; i < 128; ++i) {
            char16_t u = HighHalf[i];
            uint8_t b = uint8_t(0x80 + i);
            if (u >= 0x0400 && u < 0x0900)
                Cyr[u - 0x0400] = b;
            else if (u >= 0x0080 && u < 0x0100)
                Latin[u - 0x0080] = b;
            else if (u >= 0x2000 && u < 0x2080)
                Punct[u - 0x2000] = b;
        }
    }
    uint8_t byteOf(char16_t u) const
    {
        if (u < 0x80)
            return uint8_t(u);
        if (u >= 0x0400 && u < 0x0900)
            return Cyr[u - 0x0400];
        if (u >= 0x0080 && u < 0x0100)
            return Latin[u - 0x0080];
        if (u >= 0x2000 && u < 0x2080)
            return Punct[u - 0x2000];
        if (u == 0x2116)
            return 0xB9; // numero sign
        if (u == 0x2122)
            return 0x99; // trade mark
        if (u == 0x20AC)
            return 0x88; // euro
        return 0;
    }
};

const TReverse& Reverse()
{
    static const TReverse r;
    return r;
}

} // namespace

qsizetype ToCp1251(QStringView text, char* out)
{
    const TReverse& r = Reverse();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t u = text[i].unicode();
        if (u < 0x80) {
            out[n++] = char(u);
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            ++i; // one character outside the code page: one "?"
        uint8_t b = r.byteOf(u);
        out[n++] = b == 0 ? '?' : char(b);
    }
    return n;
}

QByteArray ToCp1251(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(ToCp1251(text, out.data()));
    return out;
}

QString FromCp1251(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        uint8_t b = uint8_t(data[i]);
        d[i] = b < 0x80 ? QChar(char16_t(b)) : QChar(HighHalf[b - 0x80]);
    }
    return out;
}

QString FromCp1251(const QByteArray& bytes)
{
    return FromCp1251(bytes.constData(), bytes.size());
}

bool IsCp1251Representable(QStringView text)
{
    const TReverse& r = Reverse();
    for (QChar c : text)
        if (c.unicode() != 0 && r.byteOf(c.unicode()) == 0)
            return false;
    return true;
}

} // namespace vx
