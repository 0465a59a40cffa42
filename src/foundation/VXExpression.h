#pragma once
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <vector>

namespace vx {

class TExpression;
class TExprContext;
struct TExprNode;
struct TExprLink;

// What the engine does with a variable or function that the context does not answer.
enum class TUnknownName {
    Fail,   // an error naming the variable or function
    Zero,   // the value 0 (length formulas)
    Null,   // an unset value
};

// The arguments of one function call, unevaluated: the callback reads their texts or
// evaluates the ones it needs (report functions take their parameters as texts).
class TExprArgs {
public:
    int Count() const { return Size; }
    const QString& Text(int i) const;          // trimmed source text of argument i
    QVariant Value(int i) const;               // argument i evaluated in the calling context
    double Number(int i) const;                // the same as a number; an error when it is none
    QVariantList Values() const;               // every argument evaluated, in order
    TExprContext& Context() const { return Ctx; }

private:
    friend class TExpression;
    TExprArgs(const TExpression& expr, int first, int size, TExprContext& ctx)
        : Expr(expr), First(first), Size(size), Ctx(ctx) {}
    const TExpression& Expr;
    int First;
    int Size;
    TExprContext& Ctx;
};

// The caller's side of an evaluation: answers variables and functions. Names arrive exactly
// as written in the expression; upper-casing them is the callback's choice.
class TExprContext {
public:
    virtual ~TExprContext() = default;

    // True when the name is known; the value may be left unset.
    virtual bool GetVariable(const QString& name, QVariant& value);
    // True when the function is known; the result may be left unset.
    virtual bool CallFunction(const QString& name, const TExprArgs& args, QVariant& result);

    // Evaluates another expression text in this context (parsed through the cache).
    QVariant Evaluate(const QString& text);

    TUnknownName UnknownVariables = TUnknownName::Fail;
    TUnknownName UnknownFunctions = TUnknownName::Fail;

private:
    friend class TExpression;
    int Depth = 0;   // nested evaluations, so that a self-referring callback fails instead of overflowing
};

// A parsed expression: numbers, 'texts', + - * /, unary minus, parentheses, = <> < <= > >=,
// and / or / not, variables and functions. Parse once, evaluate many times.
class TExpression {
public:
    ~TExpression();
    TExpression(const TExpression&) = delete;
    TExpression& operator=(const TExpression&) = delete;

    // Parsed form of the text, from a small cache keyed by the exact text (one thread only).
    // A malformed text raises EValtrixError naming the text.
    static std::shared_ptr<const TExpression> Parse(const QString& text);

    const QString& Text() const { return Source; }
    QVariant Evaluate(TExprContext& ctx) const;
    // The value as a number: unset counts 0, a numeric text its number; anything else is an error.
    double EvaluateNumber(TExprContext& ctx) const;

private:
    friend class TExprArgs;
    friend class TExprParser;
    TExpression();
    QVariant Eval(int node, TExprContext& ctx) const;
    [[noreturn]] void Fail(const QString& reason) const;

    QString Source;
    std::vector<TExprNode> Nodes;
    std::vector<TExprLink> Links;
    int Root = -1;
};

// Parses (cached) and evaluates the text as a number.
double EvaluateNumber(const QString& text, TExprContext& ctx);

// The text of a value as concatenation produces it: numbers with a decimal comma and no
// trailing zeros, unset as an empty text.
QString ExprValueText(const QVariant& value);
// The number of a value: unset is 0, Booleans 1 and 0, texts when they read as a number
// ("." or "," as the separator, blank text 0). False when the value is not a number.
bool ExprValueNumber(const QVariant& value, double& number);

} // namespace vx
