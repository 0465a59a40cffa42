#pragma once
#include <QByteArray>
#include <QString>

namespace vx {

// The application's 8-bit code page, Windows-1251. Our own table: the system codec writes
// 0x1A for a character it cannot map, where our files must carry "?".
QByteArray ToCp1251(QStringView text);
// Encodes into a buffer of at least text.size() bytes; answers the bytes written.
qsizetype ToCp1251(QStringView text, char* out);
QString FromCp1251(const QByteArray& bytes);
QString FromCp1251(const char* data, qsizetype size);
bool IsCp1251Representable(QStringView text);

} // namespace vx
