#include "ExportTestSupport.h"
#include "export/VXFtpUpload.h"
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vx;
using namespace vxtest;

namespace {

const QString UploadFailed = "Неудачная попытка отправки файла на сервер. ";

sockaddr_in Loopback(int port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port nobody listens on at this moment.
int FreePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = Loopback(0);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

bool Listening(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = Loopback(port);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

// Debian's FTP server on 127.0.0.1 with one writable account; it logs every command it gets.
struct TFtpServer {
    QTemporaryDir Dir;
    QProcess Process;
    int Port = 0;

    QString Root() const { return Dir.path() + "/ftp"; }
    QString LogFile() const { return Dir.path() + "/server.log"; }

    bool Start()
    {
        QDir().mkpath(Root() + "/IN");
        Port = FreePort();
        Process.setProcessChannelMode(QProcess::MergedChannels);
        Process.setStandardOutputFile(LogFile());
        Process.start("/usr/bin/python3", {"-u", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p", QString::number(Port), "-w",
                                           "-d", Root(), "-u", "vx", "-P", "secret", "-D"});
        if (!Process.waitForStarted(5000))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000) {
            if (Process.state() != QProcess::Running)
                return false;
            if (Listening(Port))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    void Stop()
    {
        if (Process.state() != QProcess::NotRunning) {
            Process.kill();   // this process only, by its id
            Process.waitForFinished(5000);
        }
    }
    QString Log() const { return QString::fromUtf8(FileBytes(LogFile())); }
};

class FtpUpload : public ExportTest {
protected:
    static inline TFtpServer* Server = nullptr;
    static inline bool Started = false;

    static void SetUpTestSuite()
    {
        Server = new TFtpServer;
        Started = Server->Start();
    }
    static void TearDownTestSuite()
    {
        Server->Stop();
        delete Server;
        Server = nullptr;
    }

    void SetUp() override
    {
        if (!Started)
            GTEST_SKIP() << "the FTP server (python3-pyftpdlib) did not start";
        ExportTest::SetUp();
        QDir(Server->Root() + "/IN").removeRecursively();
        QDir().mkpath(Server->Root() + "/IN");
    }

    TFtpSettings Account() const { return {"127.0.0.1", Server->Port, "vx", "secret", "/IN/", false}; }
    static QStringList Remote() { return QDir(Server->Root() + "/IN").entryList(QDir::Files | QDir::Hidden); }
    static int Count(const QString& text, const QString& what) { return int(text.count(what)); }
};

} // namespace

TEST_F(FtpUpload, TemporaryNameThenRenameInTheRemoteDirectory)
{
    const QString local = Path("out/Z00010001.xml");
    for (const QByteArray& content : {QByteArray("<first/>"), QByteArray("<second/>")}) {
        SCOPED_TRACE(content.toStdString());
        fx.UI.clear();
        const int stores = Count(Server->Log(), "STOR Z00010001.xml~");
        WriteFileBytes(local, content);
        EXPECT_TRUE(UploadExportFile(local, Account()));
        EXPECT_EQ(fx.UI.texts(), QStringList({"Заявка сохранена на сервер FTP."}));
        EXPECT_EQ(fx.UI.Shown.value(0).Kind, TMessageKind::Info);
        // Only the real name is left, holding the new content (the second run replaces it).
        EXPECT_EQ(Remote(), QStringList({"Z00010001.xml"}));
        EXPECT_EQ(FileBytes(Server->Root() + "/IN/Z00010001.xml"), content);
        const QString log = Server->Log();
        EXPECT_EQ(Count(log, "STOR Z00010001.xml~"), stores + 1);
        EXPECT_TRUE(log.contains("CWD /IN")) << log.toStdString();
        const qsizetype stor = log.lastIndexOf("STOR Z00010001.xml~");
        const qsizetype from = log.indexOf("RNFR Z00010001.xml~", stor);
        EXPECT_GT(from, stor);
        EXPECT_GT(log.indexOf("RNTO Z00010001.xml\n", from), from);
    }
    EXPECT_TRUE(QFileInfo::exists(local));
}

TEST_F(FtpUpload, FailuresAreReportedAndLeaveNothingOnTheServer)
{
    const QString local = Path("out/Z00010002.xml");
    WriteFileBytes(local, "<order/>");
    TFtpSettings wrongPassword = Account();
    wrongPassword.Password = "wrong";
    TFtpSettings refused = Account();
    refused.Port = FreePort();
    TFtpSettings outOfRange = Account();
    outOfRange.Port = 70000;
    TFtpSettings noDir = Account();
    noDir.Dir = "/NOPE/";
    const struct {
        const char* Name;
        TFtpSettings Settings;
        QString Reason;
    } cases[] = {
        {"wrong password", wrongPassword, "Сервер отклонил учетную запись [vx] или пароль"},
        {"refused connection", refused, "Нет соединения с сервером [127.0.0.1:" + QString::number(refused.Port) + "]"},
        {"port out of range", outOfRange, "Номер порта 70000 вне диапазона от 0 до 65535"},
        {"missing directory", noDir, "Нет доступа к удаленному каталогу [/NOPE/]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fx.UI.clear();
        EXPECT_FALSE(UploadExportFile(local, c.Settings));
        ASSERT_EQ(fx.UI.Shown.size(), 1);
        EXPECT_EQ(fx.UI.Shown[0].Kind, TMessageKind::Error);
        EXPECT_TRUE(fx.UI.Shown[0].Text.startsWith(UploadFailed + c.Reason)) << fx.UI.Shown[0].Text.toStdString();
        EXPECT_TRUE(Remote().isEmpty());
        EXPECT_EQ(FileBytes(local), "<order/>");
    }
}

TEST_F(FtpUpload, ExportUploadsOnlyAFileItHasJustWritten)
{
    TvxfOrder order;
    order.OrderNo = "21";
    AddPosition(order, "1", 1, true, {{"B-01", 2, 12.5}});
    ApplyFtpSettings(fx.Setup(), Account());
    const TExportDocument doc(&order);

    TExportValues v = LoadExportValues(TExportKind::VBH, doc);
    v.Upload = true;
    TExportResult r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_TRUE(r.Succeeded());
    EXPECT_TRUE(r.Uploaded);
    EXPECT_EQ(fx.UI.texts(), QStringList({"Заявка сохранена на сервер FTP."}));   // no opener: no question
    const QString name = QFileInfo(v.FileName).fileName();
    EXPECT_EQ(Remote(), QStringList({name}));
    const QByteArray sent = FileBytes(Server->Root() + "/IN/" + name);
    EXPECT_EQ(sent, FileBytes(v.FileName));

    // The same file again, kept at the overwrite question: the server gets nothing.
    const int stores = Count(Server->Log(), "STOR ");
    fx.UI.clear();
    fx.UI.ConfirmAnswers = {false};
    r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_EQ(r.File, TExportOutcome::Cancelled);
    EXPECT_FALSE(r.UploadTried);
    EXPECT_EQ(fx.UI.count(TMessageKind::Confirm), 1);
    EXPECT_EQ(fx.UI.count(TMessageKind::Info) + fx.UI.count(TMessageKind::Error), 0);
    EXPECT_EQ(Count(Server->Log(), "STOR "), stores);
    EXPECT_EQ(FileBytes(Server->Root() + "/IN/" + name), sent);

    // Unticked, a written file stays local.
    fx.UI.clear();
    fx.UI.ConfirmAnswers = {true};
    v.Upload = false;
    r = RunExport(TExportKind::VBH, doc, v);
    EXPECT_TRUE(r.Succeeded());
    EXPECT_FALSE(r.UploadTried);
    EXPECT_EQ(Count(Server->Log(), "STOR "), stores);
    EXPECT_TRUE(FileBytes(v.FileName).contains("OrderList=\"21\""));
}
