#include "../../fuzz/FuzzTargets.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

// Every file of the fuzz corpus goes through the fuzz targets' checks in the normal build, so
// that an input once found harmful stays harmless.
TEST(FuzzCorpus, EveryFileLoadsSoundly)
{
    const QDir root(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + "/../../fuzz/corpus");
    for (const QString kind : {"order", "selection"}) {
        const QDir dir(root.filePath(kind));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        ASSERT_FALSE(files.isEmpty()) << dir.path().toStdString();
        for (const QString& name : files) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = f.readAll();
            const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
            const QString fault = kind == "order" ? vxfuzz::FuzzOrder(data, size_t(bytes.size()))
                                                  : vxfuzz::FuzzSelection(data, size_t(bytes.size()));
            EXPECT_EQ(fault, QString()) << (kind + "/" + name).toStdString();
        }
    }
}
