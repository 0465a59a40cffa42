#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace vx;

namespace {
QString S(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("x");
}
} // namespace

// ---------------------------------------------------------------------------------------------
// File names and paths

TEST(FileNames, FileNamePartCombinations)
{
    struct { const char* name; bool dir, nm, ext; const char* expected; } cases[] = {
        {"C:\\A\\b.txt", true, true, true, "C:\\A\\b.txt"},
        {"C:\\A\\b.txt", true, false, false, "C:\\A\\"},
        {"C:\\A\\b.txt", false, true, true, "b.txt"},
        {"C:\\A\\b.txt", false, false, true, ".txt"},
        {"C:\\A\\b.txt", true, true, false, "C:\\A\\b"},
        {"C:\\A\\b.txt", false, true, false, "b"},
        {"C:\\A\\b.txt", true, false, true, ""},
        {"C:\\A\\b.txt", false, false, false, ""},
        {"C:\\A\\x.tar.gz", false, false, true, ".gz"},
        {"C:\\A.B\\readme", false, false, true, ""},        // a dot in the directory is no extension
        {"C:\\A.B\\readme", true, true, false, "C:\\A.B\\readme"},
        {"/home/u/a.vfo370", true, false, false, "/home/u/"},
        {"C:b.txt", true, false, false, "C:"},
        {"b.txt", true, false, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNamePart(S(c.name), c.dir, c.nm, c.ext), S(c.expected))
            << c.name << " " << c.dir << c.nm << c.ext;
}

TEST(FileNames, CleanAndSafeNames)
{
    EXPECT_EQ(CleanDirName(S("  C:\\Orders\\ ")), S("C:\\Orders"));
    EXPECT_EQ(CleanDirName(S("C:\\Orders\\\\")), S("C:\\Orders\\"));   // only one is removed
    EXPECT_EQ(CleanDirName(S("C:\\Orders")), S("C:\\Orders"));

    EXPECT_EQ(SafeFileName(S("12/3 (a)"), QLatin1Char('_')), S("12_3 _a_"));
    const QString all = S("\\/:*?,;\"`!(){}[]<>|%'");
    EXPECT_EQ(SafeFileName(all, QLatin1Char('-')), QString(21, QLatin1Char('-')));
    EXPECT_EQ(SafeFileName(S("Заказ №5 от 01.02.2020 & Co"), QLatin1Char('_')), S("Заказ №5 от 01.02.2020 & Co"));
}

TEST(FileNames, StoreAndExpandPath)
{
    struct { const char* base; const char* path; const char* stored; } cases[] = {
        {"C:\\Orders", "c:\\orders\\x\\1.vfo370", "%X\\1.VFO370"},
        {"C:\\Orders\\", "c:\\orders\\x\\1.vfo370", "%X\\1.VFO370"},       // base with its backslash
        {"C:\\Orders", "C:\\OrdersOld\\1.vfo370", "C:\\ORDERSOLD\\1.VFO370"}, // prefix, not the directory
        {"C:\\Orders", "D:\\x\\1.vfo370", "D:\\X\\1.VFO370"},
        {"C:\\Orders", "%x\\1.vfo370", "%X\\1.VFO370"},
        {"C:\\Orders", "C:\\Orders", "C:\\ORDERS"},
        {"", "\\x\\1.vfo370", "\\X\\1.VFO370"},                               // no base, no relative form
        {"/home/u/Заказы", "/home/u/Заказы/Иванов/1.vfo370", "%ИВАНОВ\\1.VFO370"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StorePath(S(c.base), S(c.path)), S(c.stored)) << c.path;

    EXPECT_EQ(ExpandPath(S("C:\\Orders"), S("%X\\1.VFO370")), S("C:\\ORDERS\\X\\1.VFO370"));
    EXPECT_EQ(ExpandPath(S("C:\\Orders\\"), S("%x\\1.vfo370")), S("C:\\ORDERS\\X\\1.VFO370"));
    EXPECT_EQ(ExpandPath(S("C:\\Orders"), S("d:\\y\\2.vfo370")), S("D:\\Y\\2.VFO370"));
    EXPECT_EQ(ExpandPath(S("/home/u/Заказы"), S("%ИВАНОВ\\1.VFO370")), S("\\HOME\\U\\ЗАКАЗЫ\\ИВАНОВ\\1.VFO370"));
}

class ResolvePathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Root = Dir.path();
        QDir r(Root);
        ASSERT_TRUE(r.mkpath(S("Orders/Иванов")));
        Touch(Root + S("/Orders/Иванов/Order1.vfo370"));
        // Entries that differ only in case.
        ASSERT_TRUE(r.mkpath(S("Case")));
        Touch(Root + S("/Case/Mixed.txt"));
        Touch(Root + S("/Case/mixed.txt"));
        Touch(Root + S("/Case/MIXED.TXT"));
        // A file and a directory that differ only in case.
        Touch(Root + S("/Item"));
        ASSERT_TRUE(r.mkpath(S("ITEM")));
        Touch(Root + S("/ITEM/a.txt"));
    }

    QTemporaryDir Dir;
    QString Root;
};

TEST_F(ResolvePathTest, FindsUpperCasedPathsWithBackslashes)
{
    const QString file = Root + S("/Orders/Иванов/Order1.vfo370");
    // The stored form expands to an upper-cased path; even the temporary root is upper case.
    const QString stored = StorePath(Root, file);
    EXPECT_EQ(stored, S("%ORDERS\\ИВАНОВ\\ORDER1.VFO370"));
    const QString expanded = ExpandPath(Root, stored);
    EXPECT_EQ(ResolvePath(expanded), file);
    EXPECT_TRUE(PathExists(expanded));
    EXPECT_EQ(ResolvePath(Root + S("\\orders\\иванов")), Root + S("/Orders/Иванов"));
    EXPECT_EQ(ResolvePath(file), file);
    EXPECT_EQ(ResolvePath(Root + S("//ORDERS///иванов/")), Root + S("/Orders/Иванов"));
}

TEST_F(ResolvePathTest, MissingComponentKeepsResolvedPrefixAndRest)
{
    const QString missing = Root.toUpper() + S("\\ORDERS\\ПЕТРОВ\\ORDER1.VFO370");
    EXPECT_EQ(ResolvePath(missing), Root + S("/Orders/ПЕТРОВ/ORDER1.VFO370"));
    EXPECT_FALSE(PathExists(missing));
    EXPECT_EQ(ResolvePath(Root + S("\\ORDERS\\ИВАНОВ\\ORDER2.VFO370")), Root + S("/Orders/Иванов/ORDER2.VFO370"));
    EXPECT_FALSE(PathExists(QString()));
    EXPECT_EQ(ResolvePath(QString()), QString());
}

TEST_F(ResolvePathTest, PrefersExactCaseAndDirectoriesInTheMiddle)
{
    EXPECT_EQ(ResolvePath(Root + S("\\CASE\\MIXED.TXT")), Root + S("/Case/MIXED.TXT"));
    EXPECT_EQ(ResolvePath(Root + S("/case/mixed.txt")), Root + S("/Case/mixed.txt"));
    EXPECT_EQ(ResolvePath(Root + S("/Case/Mixed.txt")), Root + S("/Case/Mixed.txt"));
    const QString some = ResolvePath(Root + S("/Case/mIXED.txt"));
    EXPECT_TRUE(QFileInfo::exists(some)) << some.toStdString();
    // "Item" is a file, so a path that goes on through it must take the directory "ITEM".
    EXPECT_EQ(ResolvePath(Root + S("/Item/A.TXT")), Root + S("/ITEM/a.txt"));
    const QString either = ResolvePath(Root + S("/item"));
    EXPECT_TRUE(either == Root + S("/Item") || either == Root + S("/ITEM")) << either.toStdString();
}

TEST(ResolvePath, DrivePrefixAndOddInputDoNotCrash)
{
    EXPECT_EQ(ResolvePath(S("C:\\ORDERS\\X\\1.VFO370")), S("C:/ORDERS/X/1.VFO370"));
    EXPECT_FALSE(PathExists(S("C:\\ORDERS\\X\\1.VFO370")));
    EXPECT_FALSE(PathExists(S("C:")));
    EXPECT_FALSE(PathExists(S("\\\\SERVER\\SHARE\\NO_SUCH_FILE_9f3")));
    EXPECT_EQ(ResolvePath(S("/")), S("/"));
}

TEST(DeleteDirTree, DeletesTreeSilentlyAndFindsUpperCasedPath)
{
    QTemporaryDir dir;
    const QString tree = dir.path() + S("/Temp/Sub");
    ASSERT_TRUE(QDir().mkpath(tree + S("/Deeper")));
    Touch(tree + S("/Deeper/f.txt"));
    Touch(dir.path() + S("/Temp/g.txt"));
    TScriptedInteraction ui;
    TScopedUI scope(&ui);

    EXPECT_TRUE(DeleteDirTree((dir.path() + S("\\TEMP")).toUpper()));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + S("/Temp")));
    EXPECT_TRUE(QFileInfo::exists(dir.path()));
    EXPECT_TRUE(DeleteDirTree(dir.path() + S("/NoSuchDir")));
    EXPECT_TRUE(ui.Shown.isEmpty());
}

TEST(DeleteDirTree, EmptyPathNeverTakesTheWorkingDirectory)
{
    QTemporaryDir dir;
    Touch(dir.path() + S("/keep.txt"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TScriptedInteraction ui;
    TScopedUI scope(&ui);
    EXPECT_FALSE(DeleteDirTree(QString()));
    EXPECT_FALSE(DeleteDirTree(S("   ")));
    EXPECT_FALSE(DeleteDirTree(S("/")));
    QDir::setCurrent(previous);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + S("/keep.txt")));
}

namespace {
// Makes a file undeletable: a read-only directory for a normal user, the immutable flag for
// the superuser (whom permissions do not bind). Undone on destruction.
class TUndeletable {
public:
    explicit TUndeletable(const QString& file) : File(file), Dir(QFileInfo(file).path())
    {
        if (::geteuid() != 0) {
            Ok = QFile::setPermissions(Dir, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        const int fd = ::open(QFile::encodeName(File).constData(), O_RDONLY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            Ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0)
            ::close(fd);
        Immutable = Ok;
    }
    ~TUndeletable()
    {
        if (!Immutable) {
            QFile::setPermissions(Dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return;
        }
        const int fd = ::open(QFile::encodeName(File).constData(), O_RDONLY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            ::close(fd);
    }
    bool Ok = false;

private:
    QString File, Dir;
    bool Immutable = false;
};
} // namespace

TEST(DeleteDirTree, FailureShowsSystemTextAndDirectory)
{
    QTemporaryDir dir;
    const QString locked = dir.path() + S("/Locked");
    ASSERT_TRUE(QDir().mkpath(locked + S("/Inner")));
    Touch(locked + S("/Inner/f.txt"));
    TScriptedInteraction ui;
    {
        TUndeletable guard(locked + S("/Inner/f.txt"));
        if (!guard.Ok)
            GTEST_SKIP() << "cannot make a file undeletable here";
        TScopedUI scope(&ui);
        EXPECT_FALSE(DeleteDirTree(locked));
    }
    ASSERT_EQ(ui.Shown.size(), 1);
    EXPECT_EQ(ui.Shown[0].Kind, TMessageKind::Plain);
    const QString text = ui.Shown[0].Text;
    EXPECT_TRUE(text.endsWith(S("\r\n") + locked)) << text.toStdString();
    EXPECT_GT(text.indexOf(S("\r\n")), 0) << "the system's error text comes first";
    EXPECT_FALSE(text.startsWith(S("Unknown error"))) << text.toStdString();
}

TEST(ProgramVersion, IsTheBuildVersion)
{
    EXPECT_FALSE(ProgramVersion().isEmpty());
    EXPECT_TRUE(ProgramVersion()[0].isDigit());
}

// ---------------------------------------------------------------------------------------------
// Fixed-width text

TEST(FixedWidth, PadLeftAndRight)
{
    struct { bool left; const char* text; int width; bool trim; char fill; const char* expected; } cases[] = {
        {true, "12345", 3, true, '0', "345"},    // a longer text loses its beginning
        {true, "7", 3, true, '0', "007"},
        {true, " 7 ", 3, true, '0', "007"},
        {true, " 7 ", 4, false, '0', "0 7 "},
        {true, "abc", 3, true, ' ', "abc"},
        {true, "abc", 0, true, ' ', ""},
        {false, "12345", 3, true, '0', "123"},   // a longer text loses its end
        {false, "7", 3, true, '0', "700"},
        {false, "  Петров ", 8, true, '.', "Петров.."},
        {false, " x", 3, false, '_', " x_"},
    };
    for (const auto& c : cases) {
        const QString r = c.left ? PadLeft(S(c.text), c.width, c.trim, QLatin1Char(c.fill))
                                 : PadRight(S(c.text), c.width, c.trim, QLatin1Char(c.fill));
        EXPECT_EQ(r, S(c.expected)) << (c.left ? "left " : "right ") << c.text << "/" << c.width;
    }
}

// ---------------------------------------------------------------------------------------------
// Tokens and text

TEST(Tokens, CountAndPick)
{
    EXPECT_EQ(TokenCount(S("a;b;"), S(";")), 3);
    EXPECT_EQ(TokenCount(QString(), S(";")), 0);
    EXPECT_EQ(TokenCount(S(";"), S(";")), 2);
    EXPECT_EQ(TokenCount(S("a;b,c d"), S(";, ")), 4);

    struct { const char* text; int n; bool trim; const char* expected; } cases[] = {
        {"a;b;", 3, true, ""},
        {"a;b;", 2, true, "b"},
        {"a;b;", 4, true, ""},
        {"a;b;", 0, true, ""},
        {"a;b;", -1, true, ""},
        {" a ; b ", 1, true, "a"},
        {" a ; b ", 2, false, " b "},
        {"x,y;z", 3, true, "z"},
        {";;c", 3, true, "c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Token(S(c.text), c.n, S(";,"), c.trim), S(c.expected)) << c.text << " #" << c.n;
}

TEST(Tokens, HasAndAdd)
{
    EXPECT_TRUE(HasToken(S("a; b ;c"), S("b"), S(";")));
    EXPECT_FALSE(HasToken(S("ab;c"), S("a"), S(";")));
    EXPECT_FALSE(HasToken(S("a;B"), S("b"), S(";")));   // exact comparison
    EXPECT_FALSE(HasToken(QString(), QString(), S(";")));

    struct { const char* list; const char* token; bool unique; const char* expected; } cases[] = {
        {"", "x", true, "x"},
        {"a", "b", false, "a;b"},
        {"a; b", "b", true, "a; b"},
        {"a;b", "b", false, "a;b;b"},
        {"ab", "a", true, "ab;a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddToken(S(c.list), S(c.token), QLatin1Char(';'), c.unique), S(c.expected)) << c.list;
}

TEST(Text, ReplaceText)
{
    struct { const char* text; const char* from; const char* to; bool ic; bool first; const char* expected; } cases[] = {
        {"a-b-c", "-", "+", false, false, "a+b+c"},
        {"a-b-c", "-", "+", false, true, "a+b-c"},
        {"Abc aBC abc", "abc", "X", true, false, "X X X"},
        {"Abc aBC abc", "abc", "X", false, false, "Abc aBC X"},
        {"Ваня ВАНЯ", "ваня", "Петя", true, true, "Петя ВАНЯ"},
        {"aaa", "a", "aa", false, false, "aaaaaa"},      // inserted text is not searched again
        {"xABCx", "ABC", "abc", true, false, "xABCx"},   // old equals new ignoring case
        {"xABCx", "ABC", "abc", false, false, "xabcx"},
        {"abc", "", "z", false, false, "abc"},           // an empty pattern changes nothing
        {"abc", "ABC", "z", true, false, "z"},
        {"abc", "q", "z", false, false, "abc"},
        {"a--b", "--", "-", false, false, "a-b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceText(S(c.text), S(c.from), S(c.to), c.ic, c.first), S(c.expected)) << c.text;
}

TEST(Text, RemoveBlanksAndIntOrZero)
{
    EXPECT_EQ(RemoveBlanks(S("1 234 567,5")), S("1234567,5"));
    EXPECT_EQ(RemoveBlanks(S("1\u00A0234")), S("1234"));
    EXPECT_EQ(RemoveBlanks(S("   ")), S("0"));
    EXPECT_EQ(RemoveBlanks(QString()), S("0"));

    struct { const char* text; int expected; } cases[] = {
        {"42", 42}, {" -7 ", -7}, {"+3", 3}, {"4a", 0}, {"", 0}, {"1,5", 0},
        {"2147483647", 2147483647}, {"2147483648", 0}, {"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntOrZero(S(c.text)), c.expected) << c.text;
}

// ---------------------------------------------------------------------------------------------
// Numbers

TEST(Numbers, RoundHalfAway)
{
    struct { double x; int32_t expected; } cases[] = {
        {0.49999, 0}, {-0.5, -1}, {0.5, 1}, {2.5, 3}, {-2.5, -3}, {1.4999999, 1},
        {0.49999999999999994, 0},   // + 0.5 would round up to 1 in floating point
        {-0.49999999999999994, 0},
        {2147483647.4, 2147483647}, {-2147483648.4, -2147483647 - 1}, {0.0, 0}, {-0.0, 0},
    };
    for (auto c : cases)
        EXPECT_EQ(RoundHalfAway(c.x), c.expected) << c.x;

    for (double bad : {2147483647.5, -2147483648.5, 1e10, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_THROW(RoundHalfAway(bad), EValtrixError) << bad;
}

TEST(Numbers, RoundToFollowsTheDecimalValue)
{
    struct { int n; double x; double expected; } cases[] = {
        {4, 2.00005, 2.0001},            // the double lies just below the half
        {4, -2.00005, -2.0001},
        {4, 1.00005, 1.0001},
        {4, 1.00005 + 1.0, 2.0001},      // the sum carries arithmetic error
        {2, 1.005, 1.01},
        {2, 2.675, 2.68},
        {2, 1.015, 1.02},
        {4, 2.00004, 2.0},
        {4, 2.000049999, 2.0},
        {0, 2.5, 3.0},
        {0, -2.5, -3.0},
        {0, 0.49999, 0.0},
        {2, 0.005, 0.01},
        {2, 0.0049, 0.0},
        {2, 0.004, 0.0},
        {2, 1e-30, 0.0},
        {4, 0.99995, 1.0},
        {4, 9.99995, 10.0},
        {-2, 1250.0, 1300.0},
        {-2, 1249.99, 1200.0},
        {-37, 4e36, 0.0},
        {2, 0.1 + 0.2, 0.3},
        {16, 0.1 + 0.2, 0.3},
        {17, 0.1 + 0.2, 0.30000000000000004},
        {20, 0.0012345678901234568, 0.0012345678901234568},   // nothing beyond the 20th decimal
        {4, 1e300, 1e300},
        {1, 1000000000000.05, 1000000000000.1},
        {3, 123.4565, 123.457},
    };
    for (auto c : cases)
        EXPECT_EQ(RoundTo(c.n, c.x), c.expected) << "RoundTo(" << c.n << ", " << c.x << ")";

    EXPECT_THROW(RoundTo(38, 1.0), EValtrixError);
    EXPECT_THROW(RoundTo(-38, 1.0), EValtrixError);
    EXPECT_TRUE(std::isnan(RoundTo(2, std::numeric_limits<double>::quiet_NaN())));
}

TEST(Numbers, Round1AndRound4)
{
    struct { double x; double r1; double r4; } cases[] = {
        {2.25, 2.3, 2.25},
        {-2.25, -2.3, -2.25},
        {1.00005, 1.0, 1.0001},
        {-1.00005, -1.0, -1.0001},
        {0.0, 0.0, 0.0},
        {3e9 + 0.05, 3e9 + 0.1, 3e9 + 0.05},   // the integer part is not limited to 32 bits
        {7.99999, 8.0, 8.0},
    };
    for (auto c : cases) {
        EXPECT_EQ(Round1(c.x), c.r1) << c.x;
        EXPECT_EQ(Round4(c.x), c.r4) << c.x;
    }
}

TEST(Numbers, CeilAndFloorWithTolerance)
{
    struct { double x; int32_t ceil; int32_t floor; } cases[] = {
        {2.00004, 2, 2},
        {2.0002, 3, 2},
        {2.0001, 3, 2},       // 2.0001 − 2 is a hair below 1e-4 as doubles
        {2.5, 3, 2},
        {-2.5, -2, -3},
        {2.99996, 3, 3},
        {2.9999, 3, 2},
        {-2.00004, -2, -2},
        {-2.0001, -2, -3},
        {0.0, 0, 0},
        {0.00004, 0, 0},
        {-0.00005, 0, -1},
        {7.0, 7, 7},
    };
    for (auto c : cases) {
        EXPECT_EQ(CeilTol(c.x), c.ceil) << c.x;
        EXPECT_EQ(FloorTol(c.x), c.floor) << c.x;
    }
    EXPECT_EQ(CeilTolPoint(QPointF(1.2, -1.2)), QPoint(2, -1));
    EXPECT_EQ(FloorTolPoint(QPointF(1.2, -1.2)), QPoint(1, -2));
    EXPECT_THROW(CeilTol(3e9), EValtrixError);
    EXPECT_THROW(FloorTol(-3e9), EValtrixError);
}

TEST(Numbers, ToleranceComparisons)
{
    struct { double a; double b; bool greater; bool less; } cases[] = {
        {0.06, 0.05, true, false},    // 0.05 + 0.01 lies above 0.06 as doubles
        {0.05, 0.06, false, true},
        {0.15, 0.14, true, false},
        {0.0599, 0.05, false, false},
        {1.0, 1.0, false, false},
        {1.01, 1.0, true, false},
        {1000.5, 1000.49, true, false},
        {-1.0, -0.99, false, true},
        {5.0, 1.0, true, false},
    };
    for (auto c : cases) {
        EXPECT_EQ(GreaterTol(c.a, c.b), c.greater) << c.a << " vs " << c.b;
        EXPECT_EQ(LessTol(c.a, c.b), c.less) << c.a << " vs " << c.b;
    }
}

TEST(Numbers, TenthsAndBits)
{
    struct { double mm; int32_t tenths; } cases[] = {
        {12.34, 123}, {12.35, 124}, {-12.35, -124}, {0.05, 1}, {-0.04, 0}, {1500.0, 15000},
    };
    for (auto c : cases)
        EXPECT_EQ(ToTenths(c.mm), c.tenths) << c.mm;
    EXPECT_EQ(FromTenths(125), 12.5);
    EXPECT_EQ(FromTenths(-3), -0.3);
    EXPECT_EQ(FromTenthsRounded(125), 13);
    EXPECT_EQ(FromTenthsRounded(-125), -13);
    EXPECT_EQ(FromTenthsRounded(124), 12);
    EXPECT_EQ(PointToTenths(QPointF(1.25, -0.04)), QPoint(13, 0));

    EXPECT_TRUE(BitSet(0b101u, 1));
    EXPECT_FALSE(BitSet(0b101u, 2));
    EXPECT_TRUE(BitSet(0b101u, 3));
    EXPECT_TRUE(BitSet(0x80000000u, 32));
    EXPECT_FALSE(BitSet(0xFFFFFFFFu, 0));
    EXPECT_FALSE(BitSet(0xFFFFFFFFu, 33));
}
