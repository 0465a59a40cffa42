#include "TestSupport.h"
#include "db/VXFilter.h"
#include "db/VXTableEngine.h"
#include "db/VXTableSql.h"
#include "foundation/VXError.h"
#include <gtest/gtest.h>

using namespace vx;

namespace {

// A small set table in the shape of the catalog's: text keys, small integers, a decimal.
TTableDef SetDef()
{
    TTableDef def;
    def.FileName = QStringLiteral("FSet.DB");
    def.Fields = {TFieldDef::A("ID", 10),          TFieldDef::A("Color", 10), TFieldDef::S("Group"),
                  TFieldDef::I("ItemSideNo"),      TFieldDef::N("Mass", 2),   TFieldDef::D("Made"),
                  TFieldDef::Calc("Mark", TFieldType::Boolean)};
    def.Indexes = {TIndexDef{QString(), {QStringLiteral("ID"), QStringLiteral("Group")}, true, false}};
    return def;
}

QString ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(FilterParser, EveryOperatorAndConnectiveParses)
{
    struct Case {
        const char* Text;
        const char* Op;
    };
    const Case cases[] = {{"Group = 1", "="}, {"Group<>1", "<>"}, {"Group != 1", "<>"}, {"Group<1", "<"},
                          {"Group <= 1", "<="}, {"Group>1", ">"}, {"Group >= 1", ">="}};
    for (const Case& c : cases) {
        auto tree = ParseFilter(QString::fromUtf8(c.Text));
        ASSERT_TRUE(tree) << c.Text;
        EXPECT_EQ(tree->Kind, TFilterNode::TKind::Compare) << c.Text;
        EXPECT_EQ(tree->Op, QString::fromUtf8(c.Op)) << c.Text;
        EXPECT_EQ(tree->A.Kind, TFilterOperand::TKind::Field);
        EXPECT_EQ(tree->B.Kind, TFilterOperand::TKind::Number);
    }
    // "and" binds tighter than "or"; keywords in any case.
    auto tree = ParseFilter(QStringLiteral("ID='a' OR ID='b' And Group=3"));
    ASSERT_EQ(tree->Kind, TFilterNode::TKind::Or);
    EXPECT_EQ(tree->Right->Kind, TFilterNode::TKind::And);
    tree = ParseFilter(QStringLiteral("not (Group=1 or Group=2)"));
    ASSERT_EQ(tree->Kind, TFilterNode::TKind::Not);
    EXPECT_EQ(tree->Left->Kind, TFilterNode::TKind::Or);
    EXPECT_EQ(ParseFilter(QStringLiteral("   ")), nullptr);
}

TEST(FilterParser, ConstantsKeepTheirText)
{
    auto tree = ParseFilter(QStringLiteral("ID='it''s' and Color='' and Mass>=12.50 and Group>-3 and [ID]=\"Color\""));
    // Walk the left spine of "and"s.
    std::vector<const TFilterNode*> cmp;
    const TFilterNode* n = tree.get();
    while (n->Kind == TFilterNode::TKind::And) {
        cmp.insert(cmp.begin(), n->Right.get());
        n = n->Left.get();
    }
    cmp.insert(cmp.begin(), n);
    ASSERT_EQ(cmp.size(), 5u);
    EXPECT_EQ(cmp[0]->B.Text, QStringLiteral("it's"));
    EXPECT_EQ(cmp[1]->B.Kind, TFilterOperand::TKind::Text);
    EXPECT_EQ(cmp[1]->B.Text, QString());
    EXPECT_EQ(cmp[2]->B.Kind, TFilterOperand::TKind::Number);
    EXPECT_EQ(cmp[2]->B.Text, QStringLiteral("12.50"));
    EXPECT_EQ(cmp[3]->B.Text, QStringLiteral("-3"));
    EXPECT_EQ(cmp[4]->A.Kind, TFilterOperand::TKind::Field);
    EXPECT_EQ(cmp[4]->B.Kind, TFilterOperand::TKind::Field);
    EXPECT_EQ(cmp[4]->B.Text, QStringLiteral("Color"));
}

TEST(FilterParser, ErrorsNameTheFilter)
{
    const char* bad[] = {"ID=",          "ID='abc",      "(ID='a'",  "ID 'a'",   "ID='a' and", "ID='a' xyz",
                         "= 5",          "Group=5x",     "Group=#",  "Group==1", "and ID='a'", "ID='a')",
                         "()",           "not",          "ID=1,5"};
    for (const char* text : bad) {
        QString filter = QString::fromUtf8(text);
        QString message = ErrorOf([&] { ParseFilter(filter); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка в фильтре [") + filter + QStringLiteral("]!\r\n(")))
            << text << " -> " << message.toStdString();
    }
}

TEST(FilterCompiler, ConstantsBecomeParametersOnly)
{
    TTableDef def = SetDef();
    QString hostile = QStringLiteral("ID='x'' OR 1=1 --' or Color='\"; DROP TABLE FSet; --'");
    TCompiledFilter c = CompileFilter(hostile, def, SqliteDialect());
    EXPECT_FALSE(c.Sql.contains(QStringLiteral("1=1")));
    EXPECT_FALSE(c.Sql.contains(QStringLiteral("DROP")));
    ASSERT_EQ(c.Params.size(), 2);
    EXPECT_EQ(c.Params[0].toString(), QStringLiteral("x' OR 1=1 --"));
    EXPECT_EQ(c.Params[1].toString(), QStringLiteral("\"; DROP TABLE FSet; --"));
    // Field names are quoted whatever they are (Group is a word of SQL).
    EXPECT_TRUE(CompileFilter(QStringLiteral("Group=1"), def, SqliteDialect()).Sql.contains(QStringLiteral("\"Group\"")));
}

TEST(FilterCompiler, UnknownOrUnfitNamesTheFilter)
{
    TTableDef def = SetDef();
    struct Case {
        const char* Filter;
        const char* Reason;
    };
    const Case cases[] = {{"Colour='red'", "неизвестное поле [Colour]"},
                          {"Mark=1", "поле [Mark] нельзя использовать в фильтре"},
                          {"Group='abc'", "значение 'abc' не подходит для поля [Group]"},
                          {"Made=5", "значение '5' не подходит для поля [Made]"}};
    for (const Case& c : cases) {
        QString filter = QString::fromUtf8(c.Filter);
        QString message = ErrorOf([&] { CompileFilter(filter, def, SqliteDialect()); });
        EXPECT_EQ(message, QStringLiteral("Ошибка в фильтре [%1]!\r\n(%2)").arg(filter, QString::fromUtf8(c.Reason)));
    }
}

// ---------------------------------------------------------------------------------------------
// Filters on a real table.

class FilterTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        Db.SetDirectory(Dir.path());
        Db.Open();
        Db.StartTransaction();
        Db.CreateTable(SetDef());
        // ID, Color, Group, ItemSideNo, Mass, Made; empty fields stay empty.
        TBulkInsert ins(Db, QStringLiteral("FSet.DB"));
        ins.Insert(QVariantList{"A1", "RAL9016", 1, 0, 12.5, QDate(2020, 1, 2)});
        ins.Insert(QVariantList{"A1", QVariant(), 2, QVariant(), 7.25, QVariant()});
        ins.Insert(QVariantList{"A1", "", 3, 2, QVariant(), QDate(2021, 5, 6)});
        ins.Insert(QVariantList{"B2", "white", 10, 1, 0.1, QVariant()});
        ins.Insert(QVariantList{"it's", "x'--", 11, -1, 100, QVariant()});
        Db.Commit();
        Table.Open();
    }

    // The (ID, Group) pairs shown under a filter, in key order.
    QStringList Shown(const QString& filter)
    {
        Table.SetFiltered(false);
        Table.SetFilter(filter);
        Table.SetFiltered(true);
        QStringList rows;
        for (Table.First(); !Table.Eof(); Table.Next())
            rows.append(Table.FieldByName(QStringLiteral("ID"))->AsString() + QLatin1Char('/')
                        + Table.FieldByName(QStringLiteral("Group"))->AsString());
        return rows;
    }

    QTemporaryDir Dir;
    TDatabase Db{QStringLiteral("VXF_TEST")};
    TTable Table{&Db, QStringLiteral("FSet.DB")};
};

TEST_F(FilterTable, OperatorsSelectTheRightRows)
{
    struct Case {
        const char* Filter;
        QStringList Rows;
    };
    const Case cases[] = {
        {"Group = 2", {"A1/2"}},
        {"Group <> 2", {"A1/1", "A1/3", "B2/10", "it's/11"}},
        {"Group < 3", {"A1/1", "A1/2"}},
        {"Group <= 3", {"A1/1", "A1/2", "A1/3"}},
        {"Group > 10", {"it's/11"}},
        {"Group >= 10", {"B2/10", "it's/11"}},
        {"ID='A1' and Group>1", {"A1/2", "A1/3"}},
        {"(Group=1 or Group=10) and ID<>'A1'", {"B2/10"}},
        {"not (ID='A1')", {"B2/10", "it's/11"}},
        {"ID='it''s'", {"it's/11"}},
        {"Mass >= 12.50", {"A1/1", "it's/11"}},
        {"Mass = 0.1", {"B2/10"}},
        {"Mass < 1", {"A1/3", "B2/10"}},              // the empty Mass counts as 0
        {"Made >= '01.01.2021'", {"A1/3"}},
        {"ID = Color", {}},
        {"1 = 1", {"A1/1", "A1/2", "A1/3", "B2/10", "it's/11"}},
        {"", {"A1/1", "A1/2", "A1/3", "B2/10", "it's/11"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(QString::fromUtf8(c.Filter)), c.Rows) << c.Filter;
}

TEST_F(FilterTable, EmptyFieldsMatchEmptyTextAndZero)
{
    // Row A1/2 has no Color, A1/3 an empty one; A1/2 has no ItemSideNo.
    EXPECT_EQ(Shown(QStringLiteral("Color=''")), (QStringList{"A1/2", "A1/3"}));
    EXPECT_EQ(Shown(QStringLiteral("Color<>''")), (QStringList{"A1/1", "B2/10", "it's/11"}));
    EXPECT_EQ(Shown(QStringLiteral("ItemSideNo=0")), (QStringList{"A1/1", "A1/2"}));
    EXPECT_EQ(Shown(QStringLiteral("ID = 'A1' and Color='' and (ItemSideNo=0 or ItemSideNo=2)")),
              (QStringList{"A1/2", "A1/3"}));
    EXPECT_EQ(Shown(QStringLiteral("ItemSideNo >= 0 and ItemSideNo < 2")), (QStringList{"A1/1", "A1/2", "B2/10"}));
    // Under "not" the empty values keep their meaning.
    EXPECT_EQ(Shown(QStringLiteral("not (Color='white')")), (QStringList{"A1/1", "A1/2", "A1/3", "it's/11"}));
    EXPECT_EQ(Shown(QStringLiteral("not (ItemSideNo <> 0)")), (QStringList{"A1/1", "A1/2"}));
}

TEST_F(FilterTable, TextComparisonIsExact)
{
    EXPECT_EQ(Shown(QStringLiteral("Color='WHITE'")), QStringList());
    EXPECT_EQ(Shown(QStringLiteral("Color='white'")), QStringList{"B2/10"});
    EXPECT_EQ(Shown(QStringLiteral("Color='x''--'")), QStringList{"it's/11"});
    // A value with quotes, written as the grammar asks (doubled), stays one value.
    EXPECT_EQ(Shown(QStringLiteral("Color=") + FilterQuote(QStringLiteral("' OR '1'='1"))), QStringList());
    EXPECT_EQ(Shown(QStringLiteral("Color=") + FilterQuote(QStringLiteral("x'--"))), QStringList{"it's/11"});
    EXPECT_EQ(Shown(QStringLiteral("ID='A1'' OR ''1''=''1'")), QStringList());
}

TEST_F(FilterTable, BadFilterLeavesTheViewAsItWas)
{
    EXPECT_EQ(Shown(QStringLiteral("Group=10")), QStringList{"B2/10"});
    QString message = ErrorOf([&] { Table.SetFilter(QStringLiteral("Group=")); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка в фильтре [Group=]!")));
    EXPECT_EQ(Table.Filter(), QStringLiteral("Group=10"));
    EXPECT_EQ(Table.RecordCount(), 1);
    // Switching on a filter with an unknown field fails the same way.
    Table.SetFiltered(false);
    Table.SetFilter(QStringLiteral("Nope=1"));
    message = ErrorOf([&] { Table.SetFiltered(true); });
    EXPECT_TRUE(message.contains(QStringLiteral("[Nope=1]")));
    EXPECT_FALSE(Table.Filtered());
    EXPECT_EQ(Table.RecordCount(), 5);
}

TEST_F(FilterTable, FilterChangesAndRemovalShowCurrentRows)
{
    // The set-walk-remove pattern: each change shows the rows of the new filter.
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Shown(QStringLiteral("ID='A1'")).size(), 3);
        EXPECT_EQ(Shown(QStringLiteral("ID='B2'")), QStringList{"B2/10"});
        Table.SetFiltered(false);
        EXPECT_EQ(Table.RecordCount(), 5);
    }
    // A record added meanwhile shows in the next filtered view.
    Table.Append();
    Table.FieldByName(QStringLiteral("ID"))->SetAsString(QStringLiteral("B2"));
    Table.FieldByName(QStringLiteral("Group"))->SetAsInteger(12);
    Table.Post();
    EXPECT_EQ(Shown(QStringLiteral("ID='B2'")), (QStringList{"B2/10", "B2/12"}));
}
