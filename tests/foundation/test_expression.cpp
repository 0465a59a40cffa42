#include "foundation/VXError.h"
#include "foundation/VXExpression.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <QHash>
#include <vector>

using namespace vx;

namespace {

// A report-like context: a few variables and functions that show how arguments reach callbacks.
class TTestContext : public TExprContext {
public:
    QHash<QString, QVariant> Vars{
        {QStringLiteral("Width"), qint64(800)},
        {QStringLiteral("Name"), QStringLiteral("Окно")},
        {QStringLiteral("Сумма_1"), 12.5},
        {QStringLiteral("Nothing"), QVariant()},
    };
    int Booms = 0;

    bool GetVariable(const QString& name, QVariant& value) override
    {
        if (name == QLatin1String("Loop")) {   // refers to itself through the engine
            value = Evaluate(QStringLiteral("Loop + 1"));
            return true;
        }
        if (name == QLatin1String("Broken"))
            throw EValtrixError(QStringLiteral("Сбой каталога!"));
        auto it = Vars.constFind(name);
        if (it == Vars.constEnd())
            return false;
        value = *it;
        return true;
    }

    bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result) override
    {
        if (name == QLatin1String("Two")) {
            result = qint64(2);
        } else if (name == QLatin1String("Sqr")) {
            result = args.Number(0) * args.Number(0);
        } else if (name == QLatin1String("Max")) {
            result = std::max(args.Number(0), args.Number(1));
        } else if (name == QLatin1String("Concat")) {
            QString s;
            for (const QVariant& v : args.Values())
                s += ExprValueText(v);
            result = s;
        } else if (name == QLatin1String("ArgTexts")) {
            QStringList texts;
            for (int i = 0; i < args.Count(); ++i)
                texts << args.Text(i);
            result = texts.join(QLatin1Char('|'));
        } else if (name == QLatin1String("First")) {
            result = args.Value(0);
        } else if (name == QLatin1String("OrEmpty")) {   // a parameter that fails counts as empty
            try {
                result = args.Value(0);
            } catch (const EValtrixError&) {
                result = QString();
            }
        } else if (name == QLatin1String("Eval")) {      // the parameter's value is itself an expression
            result = args.Context().Evaluate(args.Value(0).toString());
        } else if (name == QLatin1String("Boom")) {
            ++Booms;
            result = true;
        } else {
            return false;
        }
        return true;
    }
};

// Mimics the sash callbacks of length formulas: exact variable names, upper-cased function
// names, 0 for anything unknown.
class TFormulaContext : public TExprContext {
public:
    double Height = 1200, Width = 800;
    std::vector<double> Sides{500, 800, 500, 800};
    QStringList FunctionNames;

    bool GetVariable(const QString& name, QVariant& value) override
    {
        static const QStringList heights{QStringLiteral("FН"), QStringLiteral("FFН"), QStringLiteral("FRH")};
        static const QStringList widths{QStringLiteral("FB"), QStringLiteral("FFB"), QStringLiteral("FRB")};
        value = heights.contains(name) ? Height : widths.contains(name) ? Width : 0.0;
        return true;
    }

    bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result) override
    {
        FunctionNames << name;
        const QString upper = name.toUpper();
        result = 0.0;
        if (upper == QLatin1String("FL") || upper == QLatin1String("FFL")) {
            const int n = int(args.Number(0));
            if (n >= 1 && n <= int(Sides.size()))
                result = Sides[size_t(n - 1)];
        }
        return true;
    }
};

void ExpectValue(const QVariant& actual, const QVariant& expected, const QString& text)
{
    SCOPED_TRACE(text.toStdString());
    switch (expected.typeId()) {
    case QMetaType::Double:
        ASSERT_EQ(actual.typeId(), QMetaType::Double) << actual.typeName();
        EXPECT_DOUBLE_EQ(actual.toDouble(), expected.toDouble());
        break;
    case QMetaType::LongLong:
        ASSERT_EQ(actual.typeId(), QMetaType::LongLong) << actual.typeName();
        EXPECT_EQ(actual.toLongLong(), expected.toLongLong());
        break;
    case QMetaType::Bool:
        ASSERT_EQ(actual.typeId(), QMetaType::Bool) << actual.typeName();
        EXPECT_EQ(actual.toBool(), expected.toBool());
        break;
    case QMetaType::QString:
        ASSERT_EQ(actual.typeId(), QMetaType::QString) << actual.typeName();
        EXPECT_EQ(actual.toString(), expected.toString());
        break;
    default:
        EXPECT_FALSE(actual.isValid()) << actual.typeName();
    }
}

QString ErrorOf(const QString& text, TExprContext& ctx)
{
    try {
        ctx.Evaluate(text);
    } catch (const EValtrixError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

struct TCase {
    const char* text;
    QVariant expected;
};

} // namespace

TEST(Expression, EvaluatesOperatorsByPrecedence)
{
    const TCase cases[] = {
        {"1 + 2 * 3", qint64(7)},
        {"(1 + 2) * 3", qint64(9)},
        {"10 - 4 - 3", qint64(3)},
        {"24 / 4 / 2", 3.0},
        {"7 / 2", 3.5},
        {"3 * (2 + (1 - 4)) / 2", -1.5},
        {"1.5 + .5", 2.0},
        {"-2 * -3", qint64(6)},
        {"-(2 + 3) * 2", qint64(-10)},
        {"2 - -3", qint64(5)},
        {"- - 4", qint64(4)},
        {"+5", qint64(5)},
        {"-Width", qint64(-800)},
        {"9223372036854775807 + 1", 9223372036854775808.0},   // integer overflow goes to floating point
        // comparisons: numbers numerically, texts as texts, a numeric text against a number as a number
        {"2 < 10", true},
        {"'2' < '10'", false},
        {"'10' = 10", true},
        {"3 <> 3.0", false},
        {"2 >= 2", true},
        {"2 <= 1", false},
        {"'abc' < 'abd'", true},
        {"'a' = 'A'", false},
        {"'' = Nothing", true},
        // logic: not below comparison, and above or, keywords in any case
        {"1 < 2 and 3 < 4", true},
        {"1 > 2 or not 3 > 4", true},
        {"NOT 2 = 3", true},
        {"1 = 1 Or 1 = 1 AND 2 = 3", true},
        {"not (1 = 1 or 1 = 2)", false},
        // texts
        {"'ab' + 'cd'", QStringLiteral("abcd")},
        {"'It''s'", QStringLiteral("It's")},
        {"'N' + 10 / 4", QStringLiteral("N2,5")},
        {"'x' + 1 + 2", QStringLiteral("x12")},
        {"1 + 2 + 'x'", QStringLiteral("3x")},
        {"Name + ' ' + Width", QStringLiteral("Окно 800")},
        {"Nothing + 1", qint64(1)},
        {"'5' * 2", qint64(10)},
        {"'2,5' * 2", 5.0},
        // variables and functions
        {"Сумма_1 * 2", 25.0},
        {"Two()", qint64(2)},
        {"Sqr(3) + 1", 10.0},
        {"Max(2, Sqr(Two()))", 4.0},
        {"Max(Max(1, 5), Two()) * 2", 10.0},
        {"Concat('a', 1.5, 'b', Width)", QStringLiteral("a1,5b800")},
        {"ArgTexts( 1 + 2 ,  'x,y' , Max(1, (2)) )", QStringLiteral("1 + 2|'x,y'|Max(1, (2))")},
        {"First(1, 1 / 0)", qint64(1)},          // arguments are evaluated only when asked for
        {"OrEmpty(1 / 0) + '|' + OrEmpty(5)", QStringLiteral("|5")},
        {"Eval('Width + ' + 1)", qint64(801)},
        {"Nothing", QVariant()},
    };
    TTestContext ctx;
    for (const TCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        try {
            ExpectValue(ctx.Evaluate(text), c.expected, text);
        } catch (const EValtrixError& e) {
            ADD_FAILURE() << text.toStdString() << ": " << e.what();
        }
    }
}

TEST(Expression, AndOrStopAtTheFirstDecidingOperand)
{
    TTestContext ctx;
    EXPECT_FALSE(ctx.Evaluate(QStringLiteral("1 = 2 and Boom()")).toBool());
    EXPECT_TRUE(ctx.Evaluate(QStringLiteral("1 = 1 or Boom()")).toBool());
    EXPECT_EQ(ctx.Booms, 0);
    EXPECT_TRUE(ctx.Evaluate(QStringLiteral("1 = 1 and Boom()")).toBool());
    EXPECT_EQ(ctx.Booms, 1);
}

TEST(Expression, LengthFormulasSeeNamesExactlyAsWritten)
{
    const struct { const char* text; double expected; } cases[] = {
        {"FFН - 2*FL(1) + 12.5", 212.5},
        {"FН", 1200},           // Cyrillic EN
        {"FH", 0},              // Latin H: an unknown name
        {"FRH + FRB", 2000},
        {"FB / 2 - 3", 397},
        {"ffl(2)", 800},
        {"FL(4) + FL(5) + FL(0)", 800},
        {"(FFB - FL(2 + 1)) / 2", 150},
    };
    TFormulaContext ctx;
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(EvaluateNumber(QString::fromUtf8(c.text), ctx), c.expected) << c.text;
    EXPECT_TRUE(ctx.FunctionNames.contains(QStringLiteral("ffl")));

    // One parsed formula serves every sash.
    auto formula = TExpression::Parse(QStringLiteral("FFН - 2*FL(1) + 12.5"));
    TFormulaContext other;
    other.Height = 2000;
    other.Sides = {700};
    EXPECT_DOUBLE_EQ(formula->EvaluateNumber(other), 612.5);
    EXPECT_DOUBLE_EQ(formula->EvaluateNumber(ctx), 212.5);
}

TEST(Expression, UnknownNamesFollowTheContextsPolicy)
{
    TTestContext ctx;
    const QString text = QStringLiteral("Missing + 1");
    EXPECT_EQ(ErrorOf(text, ctx),
              QStringLiteral("Ошибка в выражении \"Missing + 1\": неизвестная переменная \"Missing\""));
    EXPECT_TRUE(ErrorOf(QStringLiteral("Nope(1)"), ctx).contains(QStringLiteral("неизвестная функция \"Nope\"")));

    ctx.UnknownVariables = TUnknownName::Zero;
    ctx.UnknownFunctions = TUnknownName::Zero;
    ExpectValue(ctx.Evaluate(text), qint64(1), text);
    ExpectValue(ctx.Evaluate(QStringLiteral("Nope(1 / 0) + 2")), qint64(2), QStringLiteral("Nope"));

    ctx.UnknownVariables = TUnknownName::Null;
    EXPECT_FALSE(ctx.Evaluate(QStringLiteral("Missing")).isValid());
    EXPECT_DOUBLE_EQ(EvaluateNumber(QStringLiteral("Missing"), ctx), 0);
}

TEST(Expression, MalformedTextsFailNamingTheText)
{
    const struct { const char* text; const char* reason; } cases[] = {
        {"", "пустое выражение"},
        {"   ", "пустое выражение"},
        {"(1 + 2", "не хватает закрывающей скобки"},
        {"Max(1, (2)", "не хватает закрывающей скобки"},
        {"1 + 2)", "лишняя закрывающая скобка в позиции 6"},
        {"1 +", "неожиданный конец выражения"},
        {"2 * / 3", "неожиданный элемент \"/\" в позиции 5"},
        {"1 2", "неожиданный элемент \"2\""},
        {"1 < 2 < 3", "неожиданный элемент \"<\""},
        {"2FL(1)", "неожиданный элемент \"FL\""},
        {"()", "неожиданный элемент \")\""},
        {"1 $ 2", "недопустимый символ \"$\" в позиции 3"},
        {"[Сумма] * 2", "недопустимый символ \"[\""},
        {"'abc", "не закрыта строка"},
        {"Max(1,)", "пропущен аргумент функции \"Max\""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        try {
            TExpression::Parse(text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EValtrixError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Ошибка в выражении \"%1\": ").arg(text)))
                << e.what();
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.reason))) << e.what();
        }
    }
}

TEST(Expression, EvaluationErrorsNameTheText)
{
    const struct { const char* text; const char* reason; } cases[] = {
        {"1 / 0", "деление на ноль"},
        {"5 / (2 - 2)", "деление на ноль"},
        {"1.5 / 0.0", "деление на ноль"},
        {"Width / Nothing", "деление на ноль"},
        {"Max(1, 2 / 0)", "деление на ноль"},   // raised inside a callback's argument
        {"'a' * 2", "нечисловое значение \"a\""},
        {"-Name", "нечисловое значение \"Окно\""},
        {"1 and 'x'", "ожидается логическое значение"},
    };
    TTestContext ctx;
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString message = ErrorOf(text, ctx);
        EXPECT_TRUE(message.startsWith(QStringLiteral("Ошибка в выражении \"%1\": ").arg(text))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.reason))) << message.toStdString();
    }
    TFormulaContext formula;
    EXPECT_THROW(EvaluateNumber(QStringLiteral("FL(1) / FH"), formula), EValtrixError);
    EXPECT_TRUE(ErrorOf(QStringLiteral("'abc'"), ctx) == QStringLiteral("<no error>"));
    try {
        EvaluateNumber(QStringLiteral("'abc'"), ctx);
        ADD_FAILURE();
    } catch (const EValtrixError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("не является числом"))) << e.what();
    }
}

TEST(Expression, CallbackErrorsPassThroughUnchanged)
{
    TTestContext ctx;
    EXPECT_EQ(ErrorOf(QStringLiteral("Broken + 1"), ctx), QStringLiteral("Сбой каталога!"));
}

TEST(Expression, NestingIsBoundedWithoutExhaustingTheStack)
{
    TTestContext ctx;
    const QString deep = QString(5000, QLatin1Char('(')) + QLatin1Char('1') + QString(5000, QLatin1Char(')'));
    EXPECT_TRUE(ErrorOf(deep, ctx).contains(QStringLiteral("слишком глубокая вложенность")));
    EXPECT_TRUE(ErrorOf(QString(5000, QLatin1Char('-')) + QLatin1Char('1'), ctx)
                    .contains(QStringLiteral("слишком глубокая вложенность")));
    // A callback evaluating itself stops with an error instead of recursing forever.
    EXPECT_TRUE(ErrorOf(QStringLiteral("Loop"), ctx).contains(QStringLiteral("слишком глубокая вложенность")));

    // Long flat chains are evaluated in a loop, not by recursion.
    QString sum = QStringLiteral("1");
    for (int i = 0; i < 100000; ++i)
        sum += QStringLiteral("+1");
    ExpectValue(ctx.Evaluate(sum), qint64(100001), QStringLiteral("long sum"));
}

TEST(Expression, ParseIsCachedByExactText)
{
    auto a = TExpression::Parse(QStringLiteral("FB + 1"));
    EXPECT_EQ(a, TExpression::Parse(QStringLiteral("FB + 1")));
    EXPECT_NE(a, TExpression::Parse(QStringLiteral("FB+1")));
    EXPECT_EQ(a->Text(), QStringLiteral("FB + 1"));
    // A failed parse is not remembered as a success.
    EXPECT_THROW(TExpression::Parse(QStringLiteral("FB +")), EValtrixError);
    EXPECT_THROW(TExpression::Parse(QStringLiteral("FB +")), EValtrixError);
}

TEST(Expression, ValueTexts)
{
    EXPECT_EQ(ExprValueText(2.5), QStringLiteral("2,5"));
    EXPECT_EQ(ExprValueText(3.0), QStringLiteral("3"));
    EXPECT_EQ(ExprValueText(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(ExprValueText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(ExprValueText(qint64(-42)), QStringLiteral("-42"));
    EXPECT_EQ(ExprValueText(true), QStringLiteral("True"));
    EXPECT_EQ(ExprValueText(QVariant()), QString());
}
