#include "foundation/VXExpression.h"
#include "foundation/VXError.h"
#include <QHash>
#include <cmath>
#include <limits>

namespace vx {

enum class TExprKind : quint8 { Const, Var, Call, Neg, Not, Arith, Compare, And, Or };
enum class TExprOp : quint8 { None, Add, Sub, Mul, Div, Eq, Ne, Lt, Le, Gt, Ge };

// Nodes live in one vector; a node's operands are the links First .. First + Count - 1.
struct TExprNode {
    TExprKind Kind = TExprKind::Const;
    TExprOp Op = TExprOp::None;   // the comparison of a Compare node
    int First = 0;
    int Count = 0;
    QVariant Value;               // Const
    QString Name;                 // Var, Call
};

struct TExprLink {
    int Node = -1;
    TExprOp Op = TExprOp::None;   // in an Arith chain: how this operand joins the running value
    QString Text;                 // in a Call: the argument's source text
};

namespace {

constexpr int MaxSyntaxDepth = 100;   // nesting of parentheses, calls and unary operators
constexpr int MaxEvalDepth = 32;      // expressions evaluated from inside callbacks
constexpr int CacheLimit = 2000;

[[noreturn]] void Raise(const QString& source, const QString& reason)
{
    throw EValtrixError(QStringLiteral("Ошибка в выражении \"%1\": %2").arg(source, reason));
}

enum class TValKind { Null, Int, Double, Bool, Text, Other };

TValKind KindOf(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return TValKind::Null;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return TValKind::Int;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
        return v.toULongLong() <= quint64(std::numeric_limits<qint64>::max()) ? TValKind::Int
                                                                               : TValKind::Double;
    case QMetaType::Double:
    case QMetaType::Float:
        return TValKind::Double;
    case QMetaType::Bool:
        return TValKind::Bool;
    case QMetaType::QString:
    case QMetaType::QChar:
        return TValKind::Text;
    default:
        return TValKind::Other;
    }
}

// A number as the arithmetic sees it: integers stay exact until they overflow.
struct TNum {
    bool IsInt = true;
    qint64 I = 0;
    double D = 0;
    double AsDouble() const { return IsInt ? double(I) : D; }
    bool IsZero() const { return IsInt ? I == 0 : D == 0; }
};

TNum IntNum(qint64 i) { TNum n; n.I = i; return n; }
TNum DoubleNum(double d) { TNum n; n.IsInt = false; n.D = d; return n; }

bool TextNumber(const QString& text, TNum& out)
{
    QString t = text.trimmed();
    if (t.isEmpty()) {
        out = IntNum(0);
        return true;
    }
    bool ok = false;
    qint64 i = t.toLongLong(&ok);
    if (ok) {
        out = IntNum(i);
        return true;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    out = DoubleNum(d);
    return true;
}

bool ToNum(const QVariant& v, TNum& out)
{
    switch (KindOf(v)) {
    case TValKind::Null: out = IntNum(0); return true;
    case TValKind::Int: out = IntNum(v.toLongLong()); return true;
    case TValKind::Double: out = DoubleNum(v.toDouble()); return std::isfinite(out.D);
    case TValKind::Bool: out = IntNum(v.toBool() ? 1 : 0); return true;
    case TValKind::Text: return TextNumber(v.toString(), out);
    case TValKind::Other: {
        bool ok = false;
        double d = v.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            return false;
        out = DoubleNum(d);
        return true;
    }
    }
    return false;
}

QString DoubleText(double d)
{
    if (d == std::trunc(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    QString s = QString::number(d, 'g', 15);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

} // namespace

QString ExprValueText(const QVariant& value)
{
    switch (KindOf(value)) {
    case TValKind::Null: return QString();
    case TValKind::Int: return QString::number(value.toLongLong());
    case TValKind::Double: return DoubleText(value.toDouble());
    case TValKind::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case TValKind::Text:
    case TValKind::Other: return value.toString();
    }
    return QString();
}

bool ExprValueNumber(const QVariant& value, double& number)
{
    TNum n;
    if (!ToNum(value, n))
        return false;
    number = n.AsDouble();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Parser

enum class TTok { End, Number, Text, Ident, LParen, RParen, Comma, Plus, Minus, Star, Slash,
                  Eq, Ne, Lt, Le, Gt, Ge, And, Or, Not };

struct TToken {
    TTok Kind = TTok::End;
    int Pos = 0;
    int Len = 0;
    QVariant Value;   // Number, Text
    QString Name;     // Ident
};

class TExprParser {
public:
    explicit TExprParser(TExpression& expr) : E(expr), S(expr.Source) {}

    void Run()
    {
        Lex();
        if (Toks.size() == 1)
            Fail(QStringLiteral("пустое выражение"));
        E.Root = ParseOr();
        if (Cur().Kind == TTok::RParen)
            Fail(QStringLiteral("лишняя закрывающая скобка в позиции %1").arg(Cur().Pos + 1));
        if (Cur().Kind != TTok::End)
            Unexpected();
    }

private:
    TExpression& E;
    const QString& S;
    std::vector<TToken> Toks;
    size_t At = 0;
    int PrevEnd = 0;
    int Depth = 0;

    [[noreturn]] void Fail(const QString& reason) const { Raise(S, reason); }

    [[noreturn]] void Unexpected() const
    {
        const TToken& t = Cur();
        if (t.Kind == TTok::End)
            Fail(QStringLiteral("неожиданный конец выражения"));
        Fail(QStringLiteral("неожиданный элемент \"%1\" в позиции %2").arg(S.mid(t.Pos, t.Len)).arg(t.Pos + 1));
    }

    const TToken& Cur() const { return Toks[At]; }
    void Next()
    {
        PrevEnd = Toks[At].Pos + Toks[At].Len;
        if (At + 1 < Toks.size())
            ++At;
    }

    static bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

    void Lex()
    {
        const int n = int(S.size());
        int i = 0;
        while (i < n) {
            const QChar c = S[i];
            if (c.isSpace()) {
                ++i;
                continue;
            }
            TToken t;
            t.Pos = i;
            if (IsDigit(c) || (c == QLatin1Char('.') && i + 1 < n && IsDigit(S[i + 1]))) {
                bool fraction = false;
                while (i < n && IsDigit(S[i]))
                    ++i;
                if (i < n && S[i] == QLatin1Char('.')) {
                    fraction = true;
                    ++i;
                    while (i < n && IsDigit(S[i]))
                        ++i;
                }
                const QStringView digits = QStringView(S).mid(t.Pos, i - t.Pos);
                bool ok = false;
                t.Kind = TTok::Number;
                if (!fraction) {
                    qint64 v = digits.toLongLong(&ok);
                    if (ok)
                        t.Value = v;
                }
                if (!ok) {
                    double d = digits.toDouble(&ok);
                    if (!ok || !std::isfinite(d))
                        Fail(QStringLiteral("недопустимое число \"%1\"").arg(digits));
                    t.Value = d;
                }
            } else if (c == QLatin1Char('\'')) {
                QString text;
                ++i;
                for (;;) {
                    if (i >= n)
                        Fail(QStringLiteral("не закрыта строка, начатая в позиции %1").arg(t.Pos + 1));
                    if (S[i] == QLatin1Char('\'')) {
                        if (i + 1 < n && S[i + 1] == QLatin1Char('\'')) {
                            text += QLatin1Char('\'');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    text += S[i++];
                }
                t.Kind = TTok::Text;
                t.Value = text;
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                while (i < n && (S[i].isLetterOrNumber() || S[i] == QLatin1Char('_')))
                    ++i;
                t.Name = S.mid(t.Pos, i - t.Pos);
                t.Kind = TTok::Ident;
                if (t.Name.compare(QLatin1String("and"), Qt::CaseInsensitive) == 0)
                    t.Kind = TTok::And;
                else if (t.Name.compare(QLatin1String("or"), Qt::CaseInsensitive) == 0)
                    t.Kind = TTok::Or;
                else if (t.Name.compare(QLatin1String("not"), Qt::CaseInsensitive) == 0)
                    t.Kind = TTok::Not;
            } else {
                const QChar next = i + 1 < n ? S[i + 1] : QChar();
                ++i;
                switch (c.unicode()) {
                case '(': t.Kind = TTok::LParen; break;
                case ')': t.Kind = TTok::RParen; break;
                case ',': t.Kind = TTok::Comma; break;
                case '+': t.Kind = TTok::Plus; break;
                case '-': t.Kind = TTok::Minus; break;
                case '*': t.Kind = TTok::Star; break;
                case '/': t.Kind = TTok::Slash; break;
                case '=': t.Kind = TTok::Eq; break;
                case '<':
                    if (next == QLatin1Char('=')) { t.Kind = TTok::Le; ++i; }
                    else if (next == QLatin1Char('>')) { t.Kind = TTok::Ne; ++i; }
                    else t.Kind = TTok::Lt;
                    break;
                case '>':
                    if (next == QLatin1Char('=')) { t.Kind = TTok::Ge; ++i; }
                    else t.Kind = TTok::Gt;
                    break;
                default:
                    Fail(QStringLiteral("недопустимый символ \"%1\" в позиции %2").arg(c).arg(t.Pos + 1));
                }
            }
            t.Len = i - t.Pos;
            Toks.push_back(std::move(t));
        }
        TToken end;
        end.Pos = n;
        Toks.push_back(end);
    }

    int MakeNode(TExprKind kind, std::vector<TExprLink>&& links, TExprOp op = TExprOp::None,
                 QString name = QString())
    {
        TExprNode node;
        node.Kind = kind;
        node.Op = op;
        node.First = int(E.Links.size());
        node.Count = int(links.size());
        node.Name = std::move(name);
        for (auto& l : links)
            E.Links.push_back(std::move(l));
        E.Nodes.push_back(std::move(node));
        return int(E.Nodes.size()) - 1;
    }

    int MakeConst(QVariant value)
    {
        TExprNode node;
        node.Value = std::move(value);
        E.Nodes.push_back(std::move(node));
        return int(E.Nodes.size()) - 1;
    }

    // Deep nesting would overflow the stack of the recursive parser and evaluator.
    struct TNest {
        TExprParser& P;
        explicit TNest(TExprParser& p) : P(p)
        {
            if (++P.Depth > MaxSyntaxDepth)
                P.Fail(QStringLiteral("слишком глубокая вложенность"));
        }
        ~TNest() { --P.Depth; }
    };

    // a or b or c / a and b and c
    int ParseChain(TTok tok, TExprKind kind, int (TExprParser::*operand)())
    {
        int first = (this->*operand)();
        if (Cur().Kind != tok)
            return first;
        std::vector<TExprLink> links{TExprLink{first, TExprOp::None, {}}};
        while (Cur().Kind == tok) {
            Next();
            links.push_back(TExprLink{(this->*operand)(), TExprOp::None, {}});
        }
        return MakeNode(kind, std::move(links));
    }

    int ParseOr() { return ParseChain(TTok::Or, TExprKind::Or, &TExprParser::ParseAnd); }
    int ParseAnd() { return ParseChain(TTok::And, TExprKind::And, &TExprParser::ParseNot); }

    int ParseNot()
    {
        if (Cur().Kind != TTok::Not)
            return ParseCompare();
        TNest nest(*this);
        Next();
        int operand = ParseNot();
        return MakeNode(TExprKind::Not, {TExprLink{operand, TExprOp::None, {}}});
    }

    int ParseCompare()
    {
        int left = ParseArith(false);
        TExprOp op;
        switch (Cur().Kind) {
        case TTok::Eq: op = TExprOp::Eq; break;
        case TTok::Ne: op = TExprOp::Ne; break;
        case TTok::Lt: op = TExprOp::Lt; break;
        case TTok::Le: op = TExprOp::Le; break;
        case TTok::Gt: op = TExprOp::Gt; break;
        case TTok::Ge: op = TExprOp::Ge; break;
        default: return left;
        }
        Next();
        int right = ParseArith(false);
        return MakeNode(TExprKind::Compare,
                        {TExprLink{left, TExprOp::None, {}}, TExprLink{right, TExprOp::None, {}}}, op);
    }

    // Additive chain (terms) or multiplicative chain (factors), evaluated left to right in a loop.
    int ParseArith(bool factors)
    {
        auto operand = [&] { return factors ? ParseUnary() : ParseArith(true); };
        auto opOf = [&](TTok t) {
            if (factors)
                return t == TTok::Star ? TExprOp::Mul : t == TTok::Slash ? TExprOp::Div : TExprOp::None;
            return t == TTok::Plus ? TExprOp::Add : t == TTok::Minus ? TExprOp::Sub : TExprOp::None;
        };
        int first = operand();
        if (opOf(Cur().Kind) == TExprOp::None)
            return first;
        std::vector<TExprLink> links{TExprLink{first, TExprOp::None, {}}};
        for (TExprOp op; (op = opOf(Cur().Kind)) != TExprOp::None;) {
            Next();
            links.push_back(TExprLink{operand(), op, {}});
        }
        return MakeNode(TExprKind::Arith, std::move(links));
    }

    int ParseUnary()
    {
        TNest nest(*this);
        if (Cur().Kind == TTok::Plus) {
            Next();
            return ParseUnary();
        }
        if (Cur().Kind != TTok::Minus)
            return ParsePrimary();
        Next();
        int operand = ParseUnary();
        TExprNode& node = E.Nodes[operand];
        if (node.Kind == TExprKind::Const) {
            // A negative literal is a constant, not an operation.
            if (node.Value.typeId() == QMetaType::Double) {
                node.Value = -node.Value.toDouble();
                return operand;
            }
            if (node.Value.typeId() == QMetaType::LongLong
                && node.Value.toLongLong() != std::numeric_limits<qint64>::min()) {
                node.Value = -node.Value.toLongLong();
                return operand;
            }
        }
        return MakeNode(TExprKind::Neg, {TExprLink{operand, TExprOp::None, {}}});
    }

    int ParsePrimary()
    {
        switch (Cur().Kind) {
        case TTok::Number:
        case TTok::Text: {
            QVariant v = Cur().Value;
            Next();
            return MakeConst(std::move(v));
        }
        case TTok::LParen: {
            Next();
            int inner = ParseOr();
            ExpectClose();
            return inner;
        }
        case TTok::Ident: {
            QString name = Cur().Name;
            Next();
            if (Cur().Kind != TTok::LParen)
                return MakeNode(TExprKind::Var, {}, TExprOp::None, std::move(name));
            Next();
            std::vector<TExprLink> args;
            if (Cur().Kind == TTok::RParen) {
                Next();
            } else {
                for (;;) {
                    if (Cur().Kind == TTok::Comma || Cur().Kind == TTok::RParen)
                        Fail(QStringLiteral("пропущен аргумент функции \"%1\" в позиции %2")
                                 .arg(name).arg(Cur().Pos + 1));
                    const int start = Cur().Pos;
                    int arg = ParseOr();
                    args.push_back(TExprLink{arg, TExprOp::None, S.mid(start, PrevEnd - start)});
                    if (Cur().Kind != TTok::Comma)
                        break;
                    Next();
                }
                ExpectClose();
            }
            return MakeNode(TExprKind::Call, std::move(args), TExprOp::None, std::move(name));
        }
        default:
            Unexpected();
        }
    }

    void ExpectClose()
    {
        if (Cur().Kind == TTok::End)
            Fail(QStringLiteral("не хватает закрывающей скобки"));
        if (Cur().Kind != TTok::RParen)
            Unexpected();
        Next();
    }
};

// ---------------------------------------------------------------------------------------------
// Evaluation

TExpression::TExpression() = default;
TExpression::~TExpression() = default;

void TExpression::Fail(const QString& reason) const { Raise(Source, reason); }

std::shared_ptr<const TExpression> TExpression::Parse(const QString& text)
{
    // One thread only. Entries are shared: a caller keeps its expression alive even when a
    // nested evaluation refills and clears the cache.
    static QHash<QString, std::shared_ptr<const TExpression>> cache;
    auto it = cache.constFind(text);
    if (it != cache.constEnd())
        return it.value();
    std::shared_ptr<TExpression> expr(new TExpression);
    expr->Source = text;
    TExprParser(*expr).Run();
    if (cache.size() >= CacheLimit)
        cache.clear();
    cache.insert(text, expr);
    return expr;
}

namespace {

struct TEvalNest {
    int& Depth;
    TEvalNest(int& depth, const QString& source) : Depth(depth)
    {
        if (Depth >= MaxEvalDepth)
            Raise(source, QStringLiteral("слишком глубокая вложенность вычислений"));
        ++Depth;
    }
    ~TEvalNest() { --Depth; }
};

TNum NumOrFail(const QVariant& v, const QString& source)
{
    TNum n;
    if (!ToNum(v, n))
        Raise(source, QStringLiteral("нечисловое значение \"%1\"").arg(ExprValueText(v)));
    return n;
}

QVariant Arith(TExprOp op, const QVariant& a, const QVariant& b, const QString& source)
{
    if (op == TExprOp::Add) {
        const TValKind ka = KindOf(a), kb = KindOf(b);
        if (ka == TValKind::Text || ka == TValKind::Other || kb == TValKind::Text || kb == TValKind::Other)
            return ExprValueText(a) + ExprValueText(b);
    }
    const TNum x = NumOrFail(a, source), y = NumOrFail(b, source);
    if (op == TExprOp::Div && y.IsZero())
        Raise(source, QStringLiteral("деление на ноль"));
    if (x.IsInt && y.IsInt && op != TExprOp::Div) {
        qint64 r;
        bool overflow = op == TExprOp::Add   ? __builtin_add_overflow(x.I, y.I, &r)
                        : op == TExprOp::Sub ? __builtin_sub_overflow(x.I, y.I, &r)
                                             : __builtin_mul_overflow(x.I, y.I, &r);
        if (!overflow)
            return r;
    }
    const double p = x.AsDouble(), q = y.AsDouble();
    double r = op == TExprOp::Add ? p + q : op == TExprOp::Sub ? p - q : op == TExprOp::Mul ? p * q : p / q;
    if (!std::isfinite(r))
        Raise(source, QStringLiteral("переполнение"));
    return r;
}

// Numbers compare numerically, texts as texts; a text against a number compares as a number
// when it reads as one.
int Compare(const QVariant& a, const QVariant& b)
{
    const TValKind ka = KindOf(a), kb = KindOf(b);
    auto numeric = [](const QVariant& v, TValKind k, TNum& n) {
        if (k == TValKind::Text)
            return !v.toString().trimmed().isEmpty() && ToNum(v, n);
        return k != TValKind::Other && ToNum(v, n);
    };
    const bool texts = ka == TValKind::Text && kb == TValKind::Text;
    const bool nullAndText = (ka == TValKind::Null && kb == TValKind::Text)
                             || (ka == TValKind::Text && kb == TValKind::Null);
    TNum x, y;
    if (!texts && !nullAndText && numeric(a, ka, x) && numeric(b, kb, y)) {
        if (x.IsInt && y.IsInt)
            return x.I < y.I ? -1 : x.I > y.I ? 1 : 0;
        const double p = x.AsDouble(), q = y.AsDouble();
        return p < q ? -1 : p > q ? 1 : 0;
    }
    return QString::compare(ExprValueText(a), ExprValueText(b), Qt::CaseSensitive);
}

bool Truth(const QVariant& v, const QString& source)
{
    switch (KindOf(v)) {
    case TValKind::Null: return false;
    case TValKind::Bool: return v.toBool();
    case TValKind::Int: return v.toLongLong() != 0;
    case TValKind::Double: return v.toDouble() != 0;
    default: break;
    }
    Raise(source, QStringLiteral("ожидается логическое значение, получено \"%1\"").arg(ExprValueText(v)));
}

QVariant UnknownValue(TUnknownName policy, const QString& source, const QString& reason)
{
    switch (policy) {
    case TUnknownName::Zero: return QVariant(qint64(0));
    case TUnknownName::Null: return QVariant();
    case TUnknownName::Fail: break;
    }
    Raise(source, reason);
}

} // namespace

QVariant TExpression::Evaluate(TExprContext& ctx) const
{
    TEvalNest nest(ctx.Depth, Source);
    return Eval(Root, ctx);
}

double TExpression::EvaluateNumber(TExprContext& ctx) const
{
    const QVariant v = Evaluate(ctx);
    TNum n;
    if (!ToNum(v, n))
        Fail(QStringLiteral("результат \"%1\" не является числом").arg(ExprValueText(v)));
    return n.AsDouble();
}

QVariant TExpression::Eval(int index, TExprContext& ctx) const
{
    const TExprNode& node = Nodes[size_t(index)];
    const TExprLink* links = Links.data() + node.First;
    switch (node.Kind) {
    case TExprKind::Const:
        return node.Value;
    case TExprKind::Var: {
        QVariant value;
        if (ctx.GetVariable(node.Name, value))
            return value;
        return UnknownValue(ctx.UnknownVariables, Source,
                            QStringLiteral("неизвестная переменная \"%1\"").arg(node.Name));
    }
    case TExprKind::Call: {
        QVariant result;
        if (ctx.CallFunction(node.Name, TExprArgs(*this, node.First, node.Count, ctx), result))
            return result;
        return UnknownValue(ctx.UnknownFunctions, Source,
                            QStringLiteral("неизвестная функция \"%1\"").arg(node.Name));
    }
    case TExprKind::Neg: {
        const TNum n = NumOrFail(Eval(links[0].Node, ctx), Source);
        if (n.IsInt && n.I != std::numeric_limits<qint64>::min())
            return -n.I;
        return -n.AsDouble();
    }
    case TExprKind::Not:
        return !Truth(Eval(links[0].Node, ctx), Source);
    case TExprKind::Arith: {
        QVariant acc = Eval(links[0].Node, ctx);
        for (int i = 1; i < node.Count; ++i)
            acc = Arith(links[i].Op, acc, Eval(links[i].Node, ctx), Source);
        return acc;
    }
    case TExprKind::Compare: {
        const QVariant a = Eval(links[0].Node, ctx);
        const int c = Compare(a, Eval(links[1].Node, ctx));
        switch (node.Op) {
        case TExprOp::Eq: return c == 0;
        case TExprOp::Ne: return c != 0;
        case TExprOp::Lt: return c < 0;
        case TExprOp::Le: return c <= 0;
        case TExprOp::Gt: return c > 0;
        default: return c >= 0;
        }
    }
    case TExprKind::And:
        for (int i = 0; i < node.Count; ++i)
            if (!Truth(Eval(links[i].Node, ctx), Source))
                return false;
        return true;
    case TExprKind::Or:
        for (int i = 0; i < node.Count; ++i)
            if (Truth(Eval(links[i].Node, ctx), Source))
                return true;
        return false;
    }
    return QVariant();
}

// ---------------------------------------------------------------------------------------------

const QString& TExprArgs::Text(int i) const
{
    static const QString none;
    return i >= 0 && i < Size ? Expr.Links[size_t(First + i)].Text : none;
}

QVariant TExprArgs::Value(int i) const
{
    if (i < 0 || i >= Size)
        return QVariant();
    return Expr.Eval(Expr.Links[size_t(First + i)].Node, Ctx);
}

double TExprArgs::Number(int i) const
{
    return NumOrFail(Value(i), Expr.Source).AsDouble();
}

QVariantList TExprArgs::Values() const
{
    QVariantList values;
    values.reserve(Size);
    for (int i = 0; i < Size; ++i)
        values.append(Value(i));
    return values;
}

bool TExprContext::GetVariable(const QString&, QVariant&) { return false; }
bool TExprContext::CallFunction(const QString&, const TExprArgs&, QVariant&) { return false; }

QVariant TExprContext::Evaluate(const QString& text)
{
    return TExpression::Parse(text)->Evaluate(*this);
}

double EvaluateNumber(const QString& text, TExprContext& ctx)
{
    return TExpression::Parse(text)->EvaluateNumber(ctx);
}

} // namespace vx
