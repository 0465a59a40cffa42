#pragma once
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

namespace vx {

// Field type codes of the old table files, as their headers carry them.
enum class TParadoxType : int {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Number = 0x06,
    Logical = 0x09,
    MemoBlob = 0x0C,
    Blob = 0x0D,
    FmtMemoBlob = 0x0E,
    Ole = 0x0F,
    Graphic = 0x10,
    Time = 0x14,
    Timestamp = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17,
    Bytes = 0x18,
};

struct TParadoxField {
    QString Name;
    int Type = 0;      // a TParadoxType code
    int Size = 0;      // bytes the field takes in a record
    int Decimals = 0;  // decimal fields: digits after the point
};

// Decodes one field's bytes of a raw record. An empty field (all bytes zero) gives a null
// variant. Alpha text is Windows-1251 whatever the file's header claims. Results: alpha
// QString; date QDate; short, long and auto-increment int; currency, number and decimal
// double; logical bool; time QTime; timestamp QDateTime; bytes QByteArray. Memo and binary
// fields, which our tables never have, give null.
QVariant DecodeParadoxField(const TParadoxField& field, const unsigned char* data);

// A decimal field as exact text ("-123.45"), or empty for an empty field.
QString DecodeParadoxBcdText(const unsigned char* data, int declaredDecimals);

// One table file read through the library for its header and raw records; the field bytes
// are decoded here. Every failure raises EValtrixError naming the file.
class TParadoxTable {
public:
    explicit TParadoxTable(const QString& fileName);
    ~TParadoxTable();
    TParadoxTable(const TParadoxTable&) = delete;
    TParadoxTable& operator=(const TParadoxTable&) = delete;

    const QString& fileName() const { return FileName; }
    const QList<TParadoxField>& fields() const { return Fields; }
    int fieldIndex(const QString& name) const;   // case-insensitive; -1 when missing
    int recordCount() const { return RecordCount; }
    // The decoded values of record recno (0-based), in field order.
    QVariantList record(int recno);

private:
    struct TImpl;
    [[noreturn]] void fail(const QString& reason) const;

    QString FileName;
    QList<TParadoxField> Fields;
    int RecordCount = 0;
    int RecordSize = 0;
    std::unique_ptr<TImpl> Impl;
};

// "Ошибка чтения файла [%s]!\r\n(%s)": the text of every read failure.
QString ParadoxReadErrorText(const QString& fileName, const QString& reason);

} // namespace vx
