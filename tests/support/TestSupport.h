#pragma once
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// gtest prints QStrings readably.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vxtest {
// Path of a file or directory inside a fresh temporary directory kept for the test's life.
QString TempPath(QTemporaryDir& dir, const QString& name);
} // namespace vxtest
