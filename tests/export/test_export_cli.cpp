#include "TestSupport.h"
#include "foundation/VXCodePage.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// "valtrix-cli export" as a user runs it, on a demo installation with the per-user registry in
// a temporary file.

namespace {

struct TRun {
    int Code = -1;
    QString Out;
    QString Err;
};

class ExportCli : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Cli;

    void SetUp() override
    {
        Cli = QCoreApplication::applicationDirPath() + "/../src/cli/valtrix-cli";
        if (!QFileInfo(Cli).isExecutable())
            GTEST_SKIP() << "valtrix-cli is not built beside the tests";
        const TRun demo = Run({"demo", Dir.path() + "/demo"});
        ASSERT_EQ(demo.Code, 0) << demo.Err.toStdString();
    }

    TRun Run(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VALTRIX_REGISTRY", Dir.path() + "/user/registry.ini");
        p.setProcessEnvironment(env);
        p.start(Cli, args);
        p.waitForFinished(120000);
        TRun r;
        r.Code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.Out = QString::fromUtf8(p.readAllStandardOutput());
        r.Err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QString Order() const { return Dir.path() + "/demo/Server/Orders/1001.vfo370"; }
    QString Export(const QString& name) const { return Dir.path() + "/demo/Server/Export/" + name; }

    static QStringList Lines(const QString& file)
    {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return vx::FromCp1251(f.readAll()).split("\r\n");
    }
};

} // namespace

TEST_F(ExportCli, DefaultsOptionsAndTheNextNumber)
{
    TRun r = Run({"export", "tbm", Order()});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out.trimmed(), "Файл экспорта: " + Export("Z00000001.txt"));
    QStringList lines = Lines(Export("Z00000001.txt"));
    ASSERT_GT(lines.size(), 12);
    EXPECT_EQ(lines[0], QString(20, ' ') + "Шифр фирмы 0000");
    EXPECT_EQ(lines[2], QString(20, ' ') + "Заявка № 1");
    EXPECT_EQ(lines[3], QString(20, ' ') + "Название 1001");
    EXPECT_EQ(lines.last(), "");   // the last line ends with CR LF as well
    for (int i = 8; i < lines.size() - 4; ++i)
        EXPECT_EQ(lines[i].size(), 77) << lines[i].toStdString();

    // The second run takes the remembered firm code and the next number.
    r = Run({"export", "tbm", Order(), "--firm-id", "K1", "--name", "Партия 5", "--date", "01.02.2026"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    lines = Lines(Export("ZK10002.txt"));
    ASSERT_GT(lines.size(), 5);
    EXPECT_EQ(lines[2], QString(20, ' ') + "Заявка № 2");
    EXPECT_EQ(lines[3], QString(20, ' ') + "Название Партия 5");
    EXPECT_EQ(lines[4], QString(20, ' ') + "Дата заявки 01.02.2026");
    r = Run({"export", "tbm", Order()});
    EXPECT_EQ(r.Out.trimmed(), "Файл экспорта: " + Export("ZK10003.txt"));

    // The Vorne export keeps its own values: its first number is 1 again.
    r = Run({"export", "vorne", Order(), "--file", Dir.path() + "/out/v.txt"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(Lines(Dir.path() + "/out/v.txt").value(2), QString(20, ' ') + "Заявка № 1");
    EXPECT_EQ(Lines(Dir.path() + "/out/v.txt").value(6).size(), 148);
}

TEST_F(ExportCli, ExistingFileNeedsYesAndBadUsageIsRefused)
{
    const QString file = Dir.path() + "/out/a.xml";
    QDir().mkpath(Dir.path() + "/out");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<old/>");
    f.close();

    TRun r = Run({"export", "xml", Order(), "--file", file, "--no-upload"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_TRUE(r.Err.contains("уже существует")) << r.Err.toStdString();
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "<old/>");

    r = Run({"export", "xml", Order(), "--file", file, "--comment", "срочно", "--yes"});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(written.readAll()).contains("Comment=\"срочно\""));

    const QList<QStringList> bad = {
        {"export", "pdf", Order()},
        {"export", "tbm", Order(), "--comment", "x"},
        {"export", "vorne", Order(), "--upload"},
        {"export", "tbm", Order(), "--number", "12345"},
        {"export", "tbm", Order(), "--date", "2026-02-01"},
        {"export", "xml", Order(), "--upload", "--no-upload"},
        {"export", "tbm"},
    };
    for (const QStringList& args : bad) {
        r = Run(args);
        EXPECT_EQ(r.Code, 2) << args.join(' ').toStdString();
    }
}
