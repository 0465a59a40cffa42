#include "config/VXRegistry.h"
#include "foundation/VXError.h"
#include "ConfigTestSupport.h"
#include <QFileInfo>
#include <gtest/gtest.h>

using vx::TRegistry;

namespace {
struct Registry : vxtest::TConfigFixtureBase, ::testing::Test {};

const QString Root = QStringLiteral("\\SoftWare\\Kestra\\Valtrix\\Dezeduder380");
} // namespace

TEST_F(Registry, TheEnvironmentVariableChoosesTheFile)
{
    EXPECT_EQ(TRegistry::StoreFile(), RegistryFile);
    {
        TRegistry reg;
        EXPECT_EQ(reg.FileName(), RegistryFile);
        ASSERT_TRUE(reg.OpenKey(Root, true));
        reg.WriteInteger("AutoReg", 0);
    }
    // Written at once, into that file and nowhere else.
    ASSERT_TRUE(QFileInfo::exists(RegistryFile));
    EXPECT_TRUE(vxtest::ReadBytes(RegistryFile).contains("AutoReg"));

    qunsetenv("VALTRIX_REGISTRY");
    EXPECT_NE(TRegistry::StoreFile(), RegistryFile);
    EXPECT_TRUE(TRegistry::StoreFile().endsWith("/Valtrix/registry.ini"));
}

TEST_F(Registry, ValuesRoundTripWithDefaults)
{
    {
        TRegistry reg;
        EXPECT_FALSE(reg.OpenKey(Root + "\\TBM", false));   // missing, not created
        EXPECT_EQ(reg.CurrentPath(), QString("\\"));
        ASSERT_TRUE(reg.OpenKey(Root + "\\TBM", true));
        reg.WriteString("FirmName", QString::fromUtf8("ООО «Окна», склад; 2"));
        reg.WriteString("FileName", "C:\\Export\\tbm.txt");
        reg.WriteInteger("OrderNo", 42);
        reg.WriteBool("Flag", true);
        reg.WriteDateTime("OrderDate", vx::TDateTime{45000.123456789});
    }
    TRegistry reg;
    // Key and value names compare without case, as in the Windows registry.
    ASSERT_TRUE(reg.OpenKey("\\software\\KESTRA\\valtrix\\Dezeduder380\\tbm", false));
    EXPECT_EQ(reg.CurrentPath(), Root + "\\TBM");
    EXPECT_EQ(reg.ReadString("firmname"), QString::fromUtf8("ООО «Окна», склад; 2"));
    EXPECT_EQ(reg.ReadString("FileName"), QString("C:\\Export\\tbm.txt"));
    EXPECT_EQ(reg.ReadInteger("ORDERNO", 1), 42);
    EXPECT_TRUE(reg.ReadBool("Flag", false));
    EXPECT_EQ(reg.ReadDateTime("OrderDate").Value, 45000.123456789);

    EXPECT_EQ(reg.ReadString("FirmID", "0000"), QString("0000"));
    EXPECT_EQ(reg.ReadInteger("Missing", 7), 7);
    EXPECT_TRUE(reg.ReadBool("Missing", true));
    EXPECT_EQ(reg.ReadDateTime("Missing", vx::TDateTime{3}).Value, 3.0);
    // A value of another form gives the default as well.
    EXPECT_EQ(reg.ReadInteger("FirmName", -1), -1);

    // Writing a value under another case keeps the one value.
    reg.WriteInteger("orderno", 43);
    EXPECT_EQ(reg.GetValueNames().count(), 5);
    EXPECT_EQ(reg.ReadInteger("OrderNo"), 43);
}

TEST_F(Registry, SubkeysAreListedAndDeleted)
{
    TRegistry reg;
    const QString gu = Root + "\\DBConfig\\GU";
    for (const char* name : {"Основная", "Филиал, склад 2", "Test"}) {
        ASSERT_TRUE(reg.OpenKey(gu + "\\" + QString::fromUtf8(name), true));
        reg.WriteString("VXFCatalogDir", "C:\\Cat");
    }
    reg.OpenKey(gu, false);
    reg.WriteString("DefaultConfig", "Test");
    // Relative key paths start at the current key.
    ASSERT_TRUE(reg.OpenKey(gu, false));
    EXPECT_TRUE(reg.KeyExists(QString::fromUtf8("ФИЛИАЛ, СКЛАД 2")));
    QStringList names = reg.GetKeyNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"Test", QString::fromUtf8("Основная"), QString::fromUtf8("Филиал, склад 2")}));
    EXPECT_EQ(reg.GetValueNames(), QStringList({"DefaultConfig"}));

    EXPECT_TRUE(reg.DeleteKey(QString::fromUtf8("основная")));
    EXPECT_FALSE(reg.DeleteKey("Nothing"));
    EXPECT_TRUE(reg.DeleteValue("defaultconfig"));
    EXPECT_FALSE(reg.ValueExists("DefaultConfig"));

    TRegistry other;
    ASSERT_TRUE(other.OpenKey(gu, false));
    EXPECT_EQ(other.GetKeyNames().size(), 2);
    EXPECT_FALSE(other.KeyExists(gu + QString::fromUtf8("\\Основная")));
    EXPECT_EQ(other.ReadString("DefaultConfig", "none"), QString("none"));

    // Deleting a key takes its subkeys with it.
    EXPECT_TRUE(other.DeleteKey(Root + "\\DBConfig"));
    EXPECT_FALSE(other.KeyExists(gu));
}

TEST_F(Registry, AStoreThatCannotBeWrittenRaisesAnError)
{
    // The file's directory would have to be made inside a plain file.
    vxtest::WriteBytes(Path("plain"), "x");
    qputenv("VALTRIX_REGISTRY", Path("plain/registry.ini").toLocal8Bit());
    TRegistry reg;
    reg.OpenKey(Root, true);
    EXPECT_THROW(reg.WriteString("AutoReg", "1"), vx::EValtrixError);
}
