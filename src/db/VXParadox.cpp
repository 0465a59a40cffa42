#include "db/VXParadox.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXError.h"
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <cstring>

extern "C" {
#include <paradox.h>
}

namespace vx {

namespace {

bool AllZero(const unsigned char* data, int size)
{
    for (int i = 0; i < size; ++i)
        if (data[i] != 0)
            return false;
    return true;
}

// Integers are stored big-endian with the sign bit flipped, so that the bytes sort as the values.
quint64 BigEndian(const unsigned char* data, int size)
{
    quint64 v = 0;
    for (int i = 0; i < size; ++i)
        v = (v << 8) | data[i];
    return v;
}

qint32 DecodeLong(const unsigned char* data)
{
    return qint32(quint32(BigEndian(data, 4)) ^ 0x80000000u);
}

// Doubles: a positive value has its sign bit set, a negative one has every bit inverted.
double DecodeDouble(const unsigned char* data)
{
    quint64 bits = BigEndian(data, 8);
    if (bits & 0x8000000000000000ull)
        bits ^= 0x8000000000000000ull;
    else
        bits = ~bits;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Day numbers count from 1 January of the year 1 as day 1.
constexpr qint64 JulianDayBeforeYearOne = 1721425;

QDate DecodeDate(qint64 dayNumber)
{
    return QDate::fromJulianDay(dayNumber + JulianDayBeforeYearOne);
}

} // namespace

QString ParadoxReadErrorText(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Ошибка чтения файла [%1]!\r\n(%2)").arg(fileName, reason);
}

QString DecodeParadoxBcdText(const unsigned char* data, int declaredDecimals)
{
    constexpr int Size = 17, Digits = 32;
    if (AllZero(data, Size))
        return {};
    const bool positive = (data[0] & 0x80) != 0;
    int decimals = data[0] & 0x3F;
    if (decimals > Digits)   // the count is not kept in the sign byte: trust the header
        decimals = qBound(0, declaredDecimals, Digits);
    QString integer, fraction;
    for (int i = 0; i < Digits; ++i) {
        int nibble = (i % 2 == 0) ? data[1 + i / 2] >> 4 : data[1 + i / 2] & 0x0F;
        if (!positive)
            nibble = 0x0F - nibble;
        if (nibble > 9)
            throw EValtrixError(QStringLiteral("недопустимая цифра в десятичном поле"));
        const QChar digit(u'0' + nibble);
        if (i < Digits - decimals) {
            if (!integer.isEmpty() || nibble != 0)
                integer += digit;
        } else {
            fraction += digit;
        }
    }
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    QString text = integer;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    const bool zero = integer == QLatin1String("0") && fraction.count(u'0') == fraction.size();
    if (!positive && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QVariant DecodeParadoxField(const TParadoxField& field, const unsigned char* data)
{
    if (field.Size <= 0 || AllZero(data, field.Size))
        return {};
    switch (TParadoxType(field.Type)) {
    case TParadoxType::Alpha: {
        const void* end = std::memchr(data, 0, size_t(field.Size));
        const qsizetype length = end ? static_cast<const unsigned char*>(end) - data : field.Size;
        return FromCp1251(reinterpret_cast<const char*>(data), length);
    }
    case TParadoxType::Date: {
        const QDate date = DecodeDate(DecodeLong(data));
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case TParadoxType::Short:
        return int(qint16(quint16(BigEndian(data, 2)) ^ 0x8000u));
    case TParadoxType::Long:
    case TParadoxType::AutoInc:
        return int(DecodeLong(data));
    case TParadoxType::Currency:
    case TParadoxType::Number:
        return DecodeDouble(data);
    case TParadoxType::Logical:
        return (data[0] & 0x7F) != 0;
    case TParadoxType::Time:
        return QTime::fromMSecsSinceStartOfDay(DecodeLong(data));
    case TParadoxType::Timestamp: {
        const double ms = DecodeDouble(data);
        const qint64 whole = qint64(ms);
        const qint64 days = whole / 86400000;
        return QDateTime(DecodeDate(days), QTime::fromMSecsSinceStartOfDay(int(whole % 86400000)));
    }
    case TParadoxType::Bcd:
        return DecodeParadoxBcdText(data, field.Decimals).toDouble();
    case TParadoxType::Bytes:
        return QByteArray(reinterpret_cast<const char*>(data), field.Size);
    default:
        return {};
    }
}

struct TParadoxTable::TImpl {
    pxdoc_t* Doc = nullptr;
    QString LastError;
    QByteArray Buffer;

    static void ErrorHandler(pxdoc_t*, int type, const char* msg, void* data)
    {
        auto* self = static_cast<TImpl*>(data);
        if (type != PX_Warning && self->LastError.isEmpty())
            self->LastError = QString::fromLocal8Bit(msg);
    }
    ~TImpl()
    {
        if (Doc) {
            PX_close(Doc);
            PX_delete(Doc);
        }
    }
};

void TParadoxTable::fail(const QString& reason) const
{
    throw EValtrixError(ParadoxReadErrorText(QFileInfo(FileName).fileName(), reason));
}

TParadoxTable::TParadoxTable(const QString& fileName)
    : FileName(fileName), Impl(std::make_unique<TImpl>())
{
    static const bool booted = (PX_boot(), true);
    Q_UNUSED(booted);

    QFileInfo info(fileName);
    if (!info.isFile())
        fail(QStringLiteral("файл не найден"));
    Impl->Doc = PX_new3(&TImpl::ErrorHandler, nullptr, nullptr, nullptr, Impl.get());
    if (!Impl->Doc)
        fail(QStringLiteral("недостаточно памяти"));
    if (PX_open_file(Impl->Doc, QFile::encodeName(fileName).constData()) < 0) {
        const QString reason = Impl->LastError.isEmpty() ? QStringLiteral("файл не является таблицей")
                                                         : Impl->LastError;
        PX_delete(Impl->Doc);
        Impl->Doc = nullptr;
        fail(reason);
    }
    const pxhead_t* head = Impl->Doc->px_head;
    if (!head)
        fail(QStringLiteral("заголовок таблицы не прочитан"));
    if (head->px_encryption != 0)
        fail(QStringLiteral("таблица защищена паролем"));
    if (head->px_filetype != pxfFileTypIndexDB && head->px_filetype != pxfFileTypNonIndexDB)
        fail(QStringLiteral("файл не является таблицей данных"));

    RecordSize = PX_get_recordsize(Impl->Doc);
    RecordCount = PX_get_num_records(Impl->Doc);
    const int numFields = PX_get_num_fields(Impl->Doc);
    if (RecordSize <= 0 || numFields <= 0 || RecordCount < 0)
        fail(QStringLiteral("заголовок таблицы поврежден"));

    int total = 0;
    for (int i = 0; i < numFields; ++i) {
        const pxfield_t* f = PX_get_field(Impl->Doc, i);
        if (!f || !f->px_fname || f->px_flen <= 0)
            fail(QStringLiteral("описание полей повреждено"));
        TParadoxField field;
        field.Name = FromCp1251(QByteArray(f->px_fname));
        field.Type = static_cast<unsigned char>(f->px_ftype);
        field.Size = f->px_flen;
        field.Decimals = f->px_fdc;
        total += field.Size;
        Fields.append(field);
    }
    if (total != RecordSize)
        fail(QStringLiteral("размер записи не совпадает с описанием полей"));

    // The library reads past the end of a cut file without a word: check the size ourselves.
    const qint64 blockSize = qint64(head->px_maxtablesize) * 1024;
    const qint64 needed = qint64(head->px_headersize) + qint64(head->px_fileblocks) * blockSize;
    if (blockSize <= 0 || info.size() < needed)
        fail(QStringLiteral("файл обрезан или поврежден"));
    const qint64 perBlock = (blockSize - 6) / RecordSize;
    if (qint64(RecordCount) > perBlock * qint64(head->px_fileblocks))
        fail(QStringLiteral("число записей в заголовке больше, чем вмещают блоки файла"));

    Impl->Buffer.resize(RecordSize);
}

TParadoxTable::~TParadoxTable() = default;

int TParadoxTable::fieldIndex(const QString& name) const
{
    for (int i = 0; i < Fields.size(); ++i)
        if (Fields[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariantList TParadoxTable::record(int recno)
{
    if (recno < 0 || recno >= RecordCount)
        fail(QStringLiteral("нет записи с номером %1").arg(recno + 1));
    char* buffer = Impl->Buffer.data();
    std::memset(buffer, 0, size_t(RecordSize));
    Impl->LastError.clear();
    if (!PX_get_record(Impl->Doc, recno, buffer) || !Impl->LastError.isEmpty())
        fail(QStringLiteral("запись %1 не прочитана: %2")
                 .arg(recno + 1)
                 .arg(Impl->LastError.isEmpty() ? QStringLiteral("ошибка библиотеки") : Impl->LastError));

    QVariantList values;
    values.reserve(Fields.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer);
    int offset = 0;
    for (const TParadoxField& field : Fields) {
        try {
            values.append(DecodeParadoxField(field, bytes + offset));
        } catch (const EValtrixError& e) {
            fail(QStringLiteral("запись %1, поле %2: %3").arg(recno + 1).arg(field.Name, e.message()));
        }
        offset += field.Size;
    }
    return values;
}

} // namespace vx
