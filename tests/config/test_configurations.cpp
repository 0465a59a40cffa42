#include "config/CfgList.h"
#include "config/VXRegistry.h"
#include "ConfigTestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace vx;

namespace {

const QString NotInstalled = QString::fromUtf8(
    "В системе не установлены пути доступа к базам данных!\r\nИнсталлируйте заново программу!");

struct Configurations : vxtest::TConfigFixtureBase, ::testing::Test {
    void AddConfig(const QString& name, const QString& catalog, const QString& server,
                   const QString& report, const QString& temp)
    {
        TRegistry reg;
        reg.OpenKey(ConfigRootKey + "\\" + name, true);
        reg.WriteString("VXFCatalogDir", catalog);
        reg.WriteString("VXFServerName", server);
        reg.WriteString("VXFReportDir", report);
        reg.WriteString("VXFTempDir", temp);
    }
    void SetRootValue(const QString& name, const QString& value)
    {
        TRegistry reg;
        reg.OpenKey(ConfigRootKey, true);
        reg.WriteString(name, value);
    }
    // A chooser that records what it was offered and answers as told.
    TConfigChooser Chooser(std::optional<QString> answer)
    {
        return [this, answer](const TConfigList& list) {
            Offered = list;
            ++ChooserCalls;
            return answer;
        };
    }
    TConfigList Offered;
    int ChooserCalls = 0;
};

} // namespace

TEST(Switches, AreFoundAnywhereInAnArgumentIgnoringCase)
{
    struct { QStringList args; bool developer; bool noPresentation; } cases[] = {
        {{}, false, false},
        {{"/developer"}, true, false},
        {{"-x/DEVELOPER"}, true, false},
        {{"/NoPresentation/developer"}, true, true},
        {{"order.vfo370", "/nopresentation"}, false, true},
        {{"--developer"}, true, false},
        {{"-NOPRESENTATION"}, false, true},
        {{"developer"}, false, false},
        {{"my-developer-notes.txt"}, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasSwitch(c.args, "/developer"), c.developer) << c.args.join(' ').toStdString();
        EXPECT_EQ(HasSwitch(c.args, "/nopresentation"), c.noPresentation) << c.args.join(' ').toStdString();
    }
}

TEST_F(Configurations, ReadRunStateTakesSwitchesAndTheLastTemporaryDirectory)
{
    ReadRunState({"/DEVELOPER"});
    EXPECT_TRUE(RunState().DeveloperMode);
    EXPECT_FALSE(RunState().NoPresentation);
    EXPECT_TRUE(RunState().LastTempDir.isEmpty());

    SetRootValue("VXFLastTempDir", "C:\\Temp\\123");
    ReadRunState({});
    EXPECT_FALSE(RunState().DeveloperMode);
    EXPECT_EQ(RunState().LastTempDir, QString("C:\\Temp\\123"));
    EXPECT_TRUE(UI.Shown.isEmpty());
}

TEST_F(Configurations, PreselectionFollowsDefaultConfig)
{
    EXPECT_TRUE(ListConfigurations().Names.isEmpty());
    EXPECT_EQ(ListConfigurations().Preselected, -1);

    AddConfig("Main", "c", "s", "r", "t");
    AddConfig("Branch", "c", "s", "r", "t");
    struct { const char* def; int preselected; } cases[] = {
        {nullptr, 0},       // absent
        {"Main", 1},        // the second in the list
        {"main", 1},
        {"Removed", 0},     // names no configuration any more
        {"", 0},
    };
    for (const auto& c : cases) {
        if (c.def)
            SetRootValue("DefaultConfig", c.def);
        TConfigList list = ListConfigurations();
        EXPECT_EQ(list.Names, QStringList({"Branch", "Main"}));
        EXPECT_EQ(list.Preselected, c.preselected) << (c.def ? c.def : "absent");
    }
}

TEST_F(Configurations, NoConfigurationEndsWithTheNotInstalledMessage)
{
    EXPECT_FALSE(SelectConfiguration(Chooser(QString("Main")), Path("prog")));
    EXPECT_EQ(ChooserCalls, 0);   // the chooser is not shown for an empty list
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_EQ(UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(UI.Shown[0].Text, NotInstalled);
}

TEST_F(Configurations, ChooserOutcomes)
{
    AddConfig("Main", Path("cat"), Path("srv"), Path("rep"), Path("tmp"));
    RunPaths().OrdersDir = "left over";

    // Cancel: failure without a message, and the paths of an earlier run are gone.
    EXPECT_FALSE(SelectConfiguration(Chooser(std::nullopt), Path("prog")));
    EXPECT_EQ(ChooserCalls, 1);
    EXPECT_EQ(Offered.Names, QStringList({"Main"}));
    EXPECT_TRUE(UI.Shown.isEmpty());
    EXPECT_TRUE(RunPaths().OrdersDir.isEmpty());

    // OK without a selection.
    EXPECT_FALSE(SelectConfiguration(Chooser(QString()), Path("prog")));
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_EQ(UI.Shown[0].Text, NotInstalled);

    // A name that is no configuration (removed meanwhile).
    UI.clear();
    EXPECT_FALSE(SelectConfiguration(Chooser(QString::fromUtf8("Склад")), Path("prog")));
    ASSERT_EQ(UI.Shown.size(), 1);
    EXPECT_EQ(UI.Shown[0].Kind, TMessageKind::Error);
    EXPECT_EQ(UI.Shown[0].Text, QString::fromUtf8("Ошибка открытия конфигурации Склад!\r\n"
                                                  "Указанная конфигурация не числиться в списке."));
    EXPECT_TRUE(RunPaths().ConfigName.isEmpty());
}

TEST_F(Configurations, PathsAreDerivedFromTheChosenConfiguration)
{
    AddConfig("Win", "  D:\\Cat\\ ", "D:\\Data\\", "D:\\Rep", Path("tmp"));
    AddConfig("Lin", "/srv/cat/", " /srv/data ", "/srv/rep", Path("tmp"));
    AddConfig("Bare", "", "", "", Path("tmp"));

    ASSERT_TRUE(SelectConfiguration(Chooser(QString("Win")), Path("prog")));
    const TRunPaths& p = RunPaths();
    EXPECT_EQ(p.ConfigName, QString("Win"));
    EXPECT_EQ(p.CatalogDir, QString("D:\\Cat"));
    EXPECT_EQ(p.ServerDir, QString("D:\\Data"));
    EXPECT_EQ(p.ReportDir, QString("D:\\Rep"));
    EXPECT_EQ(p.SettingsFile, QString("D:\\Cat\\VXFurniture.ini"));
    EXPECT_EQ(p.OrdersDir, QString("D:\\Data\\Orders"));
    EXPECT_EQ(p.SelectionDir, QString("D:\\Data\\Selection"));
    EXPECT_EQ(p.RecycledDir, QString("D:\\Data\\Recycled"));
    EXPECT_EQ(p.ArchiveDir, QString("D:\\Data\\Archive"));
    EXPECT_EQ(p.RegistryDir, QString("D:\\Data\\Registry"));
    EXPECT_EQ(p.ExportDir, QString("D:\\Data\\Export"));

    // Paths of this system keep their own separator.
    ASSERT_TRUE(SelectConfiguration(Chooser(QString("lin")), Path("prog")));
    EXPECT_EQ(p.SettingsFile, QString("/srv/cat/VXFurniture.ini"));
    EXPECT_EQ(p.OrdersDir, QString("/srv/data/Orders"));
    EXPECT_EQ(p.ReportDir, QString("/srv/rep"));

    // Empty values give empty directories, never directories at the root.
    ASSERT_TRUE(SelectConfiguration(Chooser(QString("Bare")), Path("prog")));
    EXPECT_TRUE(p.SettingsFile.isEmpty());
    EXPECT_TRUE(p.OrdersDir.isEmpty());
    EXPECT_TRUE(UI.Shown.isEmpty());
}

TEST_F(Configurations, EachRunGetsANumberedTemporaryDirectory)
{
    AddConfig("WithTemp", Path("cat"), Path("srv"), Path("rep"), Path("tmp/nested") + "\\");
    AddConfig("NoTemp", Path("cat"), Path("srv"), Path("rep"), "   ");

    ASSERT_TRUE(SelectConfiguration(Chooser(QString("WithTemp")), Path("prog")));
    QString first = RunPaths().TempDir;
    QFileInfo info(first);
    EXPECT_TRUE(info.isDir()) << first.toStdString();
    EXPECT_EQ(info.absolutePath(), Path("tmp/nested"));
    bool number = false;
    int r = info.fileName().toInt(&number);
    EXPECT_TRUE(number && r >= 0 && r <= 999999) << first.toStdString();
    EXPECT_EQ(RunState().LastTempDir, first);

    // Without "VXFTempDir": inside the program's own directory.
    QDir().mkpath(Path("prog"));
    ASSERT_TRUE(SelectConfiguration(Chooser(QString("NoTemp")), Path("prog")));
    EXPECT_EQ(QFileInfo(RunPaths().TempDir).absolutePath(), Path("prog"));
    EXPECT_TRUE(QFileInfo(RunPaths().TempDir).isDir());
    EXPECT_NE(RunPaths().TempDir, first);
}

TEST_F(Configurations, TheLastTemporaryDirectoryIsRecordedAndDeletedAtTheNextStart)
{
    AddConfig("Main", Path("cat"), Path("srv"), Path("rep"), Path("tmp"));
    ReadRunState({});
    ASSERT_TRUE(SelectConfiguration(Chooser(QString("Main")), Path("prog")));
    const QString runTemp = RunPaths().TempDir;
    QDir().mkpath(runTemp + "/engine/sub");
    vxtest::WriteBytes(runTemp + "/engine/sub/file.tmp", "data");
    WriteRunState();

    // The next start.
    RunState() = TRunState();
    ReadRunState({});
    EXPECT_EQ(RunState().LastTempDir, runTemp);
    CleanLastTempDir();
    EXPECT_FALSE(QFileInfo::exists(runTemp));
    EXPECT_TRUE(QFileInfo(Path("tmp")).isDir());   // only the run's own directory goes
    EXPECT_TRUE(UI.Shown.isEmpty());

    // Nothing to delete: silent.
    CleanLastTempDir();
    RunState().LastTempDir.clear();
    CleanLastTempDir();
    EXPECT_TRUE(UI.Shown.isEmpty());
}

TEST_F(Configurations, ADamagedLastTemporaryDirectoryValueDeletesNothing)
{
    QDir().mkpath(Path("orders"));
    vxtest::WriteBytes(Path("orders/precious.vfo370"), "order");
    for (const QString& value : {Path("orders"), Path("orders") + "/", Dir.path()}) {
        RunState().LastTempDir = value;
        CleanLastTempDir();
        EXPECT_TRUE(QFileInfo::exists(Path("orders/precious.vfo370"))) << value.toStdString();
    }
}
