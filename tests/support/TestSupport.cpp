#include "TestSupport.h"
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace vxtest {
QString TempPath(QTemporaryDir& dir, const QString& name)
{
    return dir.path() + QLatin1Char('/') + name;
}
} // namespace vxtest

// Tests paint and use fonts, so they run inside a GUI application on the offscreen platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
