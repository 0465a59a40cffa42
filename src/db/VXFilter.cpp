#include "db/VXFilter.h"
#include "db/VXTableSql.h"
#include "foundation/VXError.h"
#include <charconv>

namespace vx {

namespace {

QString FilterError(const QString& filter, const QString& reason)
{
    return QStringLiteral("Ошибка в фильтре [%1]!\r\n(%2)").arg(filter, reason);
}

bool IsIdentStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsIdentChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

class TFilterParser {
public:
    explicit TFilterParser(const QString& text) : Text(text) {}

    std::unique_ptr<TFilterNode> Parse()
    {
        SkipBlanks();
        if (Pos >= Text.size())
            return nullptr;
        auto node = ParseOr();
        SkipBlanks();
        if (Pos < Text.size())
            Fail(QStringLiteral("лишний текст в позиции %1").arg(Pos + 1));
        return node;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const { throw EValtrixError(FilterError(Text, reason)); }

    void SkipBlanks()
    {
        while (Pos < Text.size() && Text[Pos].isSpace())
            ++Pos;
    }

    // The keyword at the current position, taken when it stands as a whole word.
    bool TakeKeyword(QLatin1String word)
    {
        SkipBlanks();
        int n = int(word.size());
        if (Pos + n > Text.size())
            return false;
        if (QStringView(Text).mid(Pos, n).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        if (Pos + n < Text.size() && IsIdentChar(Text[Pos + n]))
            return false;
        Pos += n;
        return true;
    }

    std::unique_ptr<TFilterNode> ParseOr()
    {
        auto left = ParseAnd();
        while (TakeKeyword(QLatin1String("or"))) {
            auto node = std::make_unique<TFilterNode>();
            node->Kind = TFilterNode::TKind::Or;
            node->Left = std::move(left);
            node->Right = ParseAnd();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<TFilterNode> ParseAnd()
    {
        auto left = ParseFactor();
        while (TakeKeyword(QLatin1String("and"))) {
            auto node = std::make_unique<TFilterNode>();
            node->Kind = TFilterNode::TKind::And;
            node->Left = std::move(left);
            node->Right = ParseFactor();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<TFilterNode> ParseFactor()
    {
        SkipBlanks();
        if (Pos >= Text.size())
            Fail(QStringLiteral("неожиданный конец текста"));
        if (TakeKeyword(QLatin1String("not"))) {
            auto node = std::make_unique<TFilterNode>();
            node->Kind = TFilterNode::TKind::Not;
            node->Left = ParseFactor();
            return node;
        }
        if (Text[Pos] == QLatin1Char('(')) {
            ++Pos;
            auto node = ParseOr();
            SkipBlanks();
            if (Pos >= Text.size() || Text[Pos] != QLatin1Char(')'))
                Fail(QStringLiteral("ожидается закрывающая скобка в позиции %1").arg(Pos + 1));
            ++Pos;
            return node;
        }
        auto node = std::make_unique<TFilterNode>();
        node->Kind = TFilterNode::TKind::Compare;
        node->A = ParseOperand();
        node->Op = ParseOperator();
        node->B = ParseOperand();
        return node;
    }

    QString ParseOperator()
    {
        SkipBlanks();
        auto at = [this](int i) { return Pos + i < Text.size() ? Text[Pos + i] : QChar(); };
        QChar c = at(0), d = at(1);
        QString op;
        if (c == QLatin1Char('<') && d == QLatin1Char('>'))
            op = QStringLiteral("<>");
        else if (c == QLatin1Char('!') && d == QLatin1Char('='))
            op = QStringLiteral("<>");
        else if (c == QLatin1Char('<') && d == QLatin1Char('='))
            op = QStringLiteral("<=");
        else if (c == QLatin1Char('>') && d == QLatin1Char('='))
            op = QStringLiteral(">=");
        if (!op.isEmpty()) {
            Pos += 2;
            return op;
        }
        if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            ++Pos;
            return QString(c);
        }
        if (Pos >= Text.size())
            Fail(QStringLiteral("неожиданный конец текста: ожидается оператор сравнения"));
        Fail(QStringLiteral("ожидается оператор сравнения в позиции %1").arg(Pos + 1));
    }

    TFilterOperand ParseOperand()
    {
        SkipBlanks();
        if (Pos >= Text.size())
            Fail(QStringLiteral("неожиданный конец текста: ожидается поле или значение"));
        int start = Pos;
        QChar c = Text[Pos];
        TFilterOperand op;
        if (c == QLatin1Char('\'')) {
            op.Kind = TFilterOperand::TKind::Text;
            ++Pos;
            for (;;) {
                if (Pos >= Text.size())
                    Fail(QStringLiteral("не закрыта кавычка в позиции %1").arg(start + 1));
                if (Text[Pos] == QLatin1Char('\'')) {
                    if (Pos + 1 < Text.size() && Text[Pos + 1] == QLatin1Char('\'')) {
                        op.Text += QLatin1Char('\'');
                        Pos += 2;
                        continue;
                    }
                    ++Pos;
                    break;
                }
                op.Text += Text[Pos++];
            }
            return op;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
            QChar close = c == QLatin1Char('"') ? QLatin1Char('"') : QLatin1Char(']');
            op.Kind = TFilterOperand::TKind::Field;
            ++Pos;
            while (Pos < Text.size() && Text[Pos] != close)
                op.Text += Text[Pos++];
            if (Pos >= Text.size())
                Fail(QStringLiteral("не закрыто имя поля в позиции %1").arg(start + 1));
            ++Pos;
            if (op.Text.trimmed().isEmpty())
                Fail(QStringLiteral("пустое имя поля в позиции %1").arg(start + 1));
            return op;
        }
        auto isDigit = [this](int i) { return i < Text.size() && Text[i].isDigit() && Text[i].unicode() < 128; };
        bool sign = c == QLatin1Char('-') || c == QLatin1Char('+');
        int p = sign ? Pos + 1 : Pos;
        if (isDigit(p) || (p < Text.size() && Text[p] == QLatin1Char('.') && isDigit(p + 1))) {
            op.Kind = TFilterOperand::TKind::Number;
            while (isDigit(p))
                ++p;
            if (p < Text.size() && Text[p] == QLatin1Char('.')) {
                ++p;
                while (isDigit(p))
                    ++p;
            }
            if (p < Text.size() && IsIdentChar(Text[p]))
                Fail(QStringLiteral("неверное число в позиции %1").arg(start + 1));
            op.Text = Text.mid(Pos, p - Pos);
            if (op.Text.startsWith(QLatin1Char('+')))
                op.Text.remove(0, 1);
            Pos = p;
            return op;
        }
        if (IsIdentStart(c)) {
            op.Kind = TFilterOperand::TKind::Field;
            while (Pos < Text.size() && IsIdentChar(Text[Pos]))
                ++Pos;
            op.Text = Text.mid(start, Pos - start);
            static const QLatin1String keywords[] = {QLatin1String("and"), QLatin1String("or"), QLatin1String("not")};
            for (const auto& k : keywords)
                if (op.Text.compare(k, Qt::CaseInsensitive) == 0)
                    Fail(QStringLiteral("ожидается поле или значение в позиции %1").arg(start + 1));
            return op;
        }
        Fail(QStringLiteral("недопустимый символ '%1' в позиции %2").arg(c).arg(Pos + 1));
    }

    const QString& Text;
    int Pos = 0;
};

// ---------------------------------------------------------------------------------------------

// An empty text bound as a parameter must stay '' (a null QString binds as NULL).
QVariant NonNullText(const QString& s)
{
    return QVariant(s.isNull() ? QString(QLatin1String("")) : s);
}

bool IsTextLike(TFieldType t)
{
    return t == TFieldType::String || t == TFieldType::Date || t == TFieldType::DateTime;
}

QString Flip(const QString& op)
{
    if (op == QLatin1String("<"))
        return QStringLiteral(">");
    if (op == QLatin1String(">"))
        return QStringLiteral("<");
    if (op == QLatin1String("<="))
        return QStringLiteral(">=");
    if (op == QLatin1String(">="))
        return QStringLiteral("<=");
    return op;
}

bool Holds(const QString& op, int cmp)
{
    if (op == QLatin1String("="))
        return cmp == 0;
    if (op == QLatin1String("<>"))
        return cmp != 0;
    if (op == QLatin1String("<"))
        return cmp < 0;
    if (op == QLatin1String("<="))
        return cmp <= 0;
    if (op == QLatin1String(">"))
        return cmp > 0;
    return cmp >= 0;
}

int Sign(double d)
{
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

// A constant in the form of the field it is compared with: text, a number, or a date text.
struct TConstant {
    QVariant Stored;     // the parameter
    bool Empty = false;  // equals the empty field
    double Number = 0;   // numeric fields: the value
    QString Text;        // text fields: the value
};

QVariant NumberVariant(const QString& literal, bool* ok)
{
    // The parser admits [-]digits[.digits] only: read without the locale and its allocations.
    char buf[64];
    const qsizetype n = literal.size();
    bool plain = n > 0 && n < qsizetype(sizeof buf);
    for (qsizetype i = 0; plain && i < n; ++i) {
        const char16_t c = literal[i].unicode();
        plain = c < 128;
        buf[i] = char(c);
    }
    if (plain) {
        if (!literal.contains(QLatin1Char('.'))) {
            long long v = 0;
            auto r = std::from_chars(buf, buf + n, v);
            if (r.ec == std::errc() && r.ptr == buf + n) {
                *ok = true;
                return QVariant(qint64(v));
            }
        }
        double d = 0;
        auto r = std::from_chars(buf, buf + n, d);
        if (r.ec == std::errc() && r.ptr == buf + n) {
            *ok = true;
            return QVariant(d);
        }
    }
    if (!literal.contains(QLatin1Char('.'))) {
        qint64 n = literal.toLongLong(ok);
        if (*ok)
            return QVariant(n);
    }
    double d = literal.toDouble(ok);
    return QVariant(d);
}

class TFilterCompiler {
public:
    TFilterCompiler(const QString& filter, const TTableDef& def, const TSqlDialect& dialect)
        : Filter(filter), Def(def), Dialect(dialect)
    {
    }

    QString Node(const TFilterNode& node)
    {
        switch (node.Kind) {
        case TFilterNode::TKind::And:
        case TFilterNode::TKind::Or: {
            // Left before right: the parameters follow the text.
            QString left = Node(*node.Left);
            QString right = Node(*node.Right);
            QString form = node.Kind == TFilterNode::TKind::And ? QStringLiteral("(%1 AND %2)") : QStringLiteral("(%1 OR %2)");
            return form.arg(left, right);
        }
        case TFilterNode::TKind::Not:
            return QStringLiteral("(NOT %1)").arg(Node(*node.Left));
        case TFilterNode::TKind::Compare:
            return Compare(node.A, node.Op, node.B);
        }
        return QString();
    }

    bool NullSafe = false;
    QVariantList Params;

    // The tree as terms for the evaluation in memory; the same checks in the same order.
    int Bind(const TFilterNode& node, TBoundFilter& out)
    {
        TBoundTerm term;
        switch (node.Kind) {
        case TFilterNode::TKind::And:
        case TFilterNode::TKind::Or: {
            const int left = Bind(*node.Left, out);
            const int right = Bind(*node.Right, out);
            term.Kind = node.Kind == TFilterNode::TKind::And ? TBoundTerm::TKind::And : TBoundTerm::TKind::Or;
            term.A = left;
            term.B = right;
            break;
        }
        case TFilterNode::TKind::Not:
            term.Kind = TBoundTerm::TKind::Not;
            term.A = Bind(*node.Left, out);
            break;
        case TFilterNode::TKind::Compare:
            BindCompare(node.A, node.Op, node.B, term);
            break;
        }
        out.Terms.push_back(std::move(term));
        return int(out.Terms.size()) - 1;
    }

private:
    [[noreturn]] void Fail(const QString& reason) const { throw EValtrixError(FilterError(Filter, reason)); }

    const TFieldDef& Field(const QString& name) const
    {
        const TFieldDef* f = Def.FindField(name);
        if (!f)
            Fail(QStringLiteral("неизвестное поле [%1]").arg(name));
        if (f->Kind != TFieldKind::Data)
            Fail(QStringLiteral("поле [%1] нельзя использовать в фильтре").arg(name));
        return *f;
    }

    TConstant Convert(const TFieldDef& f, const TFilterOperand& c) const
    {
        TConstant k;
        auto unfit = [&] {
            Fail(QStringLiteral("значение '%1' не подходит для поля [%2]").arg(c.Text, f.Name));
        };
        if (f.Type == TFieldType::String) {
            k.Text = c.Text;
            k.Empty = c.Text.isEmpty();
            k.Stored = NonNullText(c.Text);
            return k;
        }
        if (f.Type == TFieldType::Date || f.Type == TFieldType::DateTime) {
            if (c.Kind == TFilterOperand::TKind::Number)
                unfit();
            if (c.Text.isEmpty()) {
                k.Empty = true;
                k.Stored = NonNullText(QString());
                return k;
            }
            bool ok = true;
            QVariant v = NormalizeValue(f.Type, 0, c.Text, &ok);
            if (!ok)
                unfit();
            k.Stored = Dialect.ToStorage(f.Type, v);
            k.Text = k.Stored.toString();
            return k;
        }
        // Numeric fields.
        if (c.Kind == TFilterOperand::TKind::Number) {
            bool ok = false;
            k.Stored = NumberVariant(c.Text, &ok);
            if (!ok)
                unfit();
            k.Number = k.Stored.toDouble();
        } else if (c.Text.trimmed().isEmpty()) {
            k.Stored = QVariant(qint64(0));
            k.Number = 0;
        } else {
            bool ok = true;
            QVariant v = NormalizeValue(f.Type == TFieldType::Boolean ? TFieldType::Boolean : TFieldType::Float,
                                        0, c.Text, &ok);
            if (!ok)
                unfit();
            k.Number = v.toDouble();
            if (v.metaType().id() == QMetaType::Bool)
                k.Stored = QVariant(qint64(v.toBool() ? 1 : 0));
            else if (k.Number == double(qint64(k.Number)))
                k.Stored = QVariant(qint64(k.Number));
            else
                k.Stored = QVariant(k.Number);
        }
        k.Empty = k.Number == 0;
        return k;
    }

    QString EmptyOf(const TFieldDef& f) const
    {
        return IsTextLike(f.Type) ? QStringLiteral("''") : QStringLiteral("0");
    }

    QString Compare(const TFilterOperand& a, const QString& op, const TFilterOperand& b)
    {
        using K = TFilterOperand::TKind;
        if (a.Kind == K::Field && b.Kind == K::Field) {
            const TFieldDef& fa = Field(a.Text);
            const TFieldDef& fb = Field(b.Text);
            return QStringLiteral("(COALESCE(%1, %2) %3 COALESCE(%4, %5))")
                .arg(QuoteIdent(fa.Name), EmptyOf(fa), op, QuoteIdent(fb.Name), EmptyOf(fb));
        }
        if (a.Kind == K::Field)
            return FieldWithConstant(Field(a.Text), op, b);
        if (b.Kind == K::Field)
            return FieldWithConstant(Field(b.Text), Flip(op), a);
        // Two constants: decided here.
        int cmp;
        bool ok1 = false, ok2 = false;
        double x = a.Text.toDouble(&ok1), y = b.Text.toDouble(&ok2);
        if (a.Kind == K::Number && b.Kind == K::Number && ok1 && ok2)
            cmp = Sign(x - y);
        else
            cmp = a.Text.compare(b.Text);
        return Holds(op, cmp) ? QStringLiteral("(1=1)") : QStringLiteral("(1=0)");
    }

    static TFilterOp OpOf(const QString& op)
    {
        if (op == QLatin1String("="))
            return TFilterOp::Eq;
        if (op == QLatin1String("<>"))
            return TFilterOp::Ne;
        if (op == QLatin1String("<"))
            return TFilterOp::Lt;
        if (op == QLatin1String("<="))
            return TFilterOp::Le;
        if (op == QLatin1String(">"))
            return TFilterOp::Gt;
        return TFilterOp::Ge;
    }

    int Position(const TFieldDef& f) const { return Def.FieldIndex(f.Name); }

    void BindCompare(const TFilterOperand& a, const QString& op, const TFilterOperand& b, TBoundTerm& t)
    {
        using K = TFilterOperand::TKind;
        if (a.Kind == K::Field && b.Kind == K::Field) {
            const TFieldDef& fa = Field(a.Text);
            const TFieldDef& fb = Field(b.Text);
            t.Kind = TBoundTerm::TKind::FieldField;
            t.A = Position(fa);
            t.B = Position(fb);
            t.Op = OpOf(op);
            return;
        }
        if (a.Kind == K::Field || b.Kind == K::Field) {
            const bool left = a.Kind == K::Field;
            const TFieldDef& f = Field(left ? a.Text : b.Text);
            t.Kind = TBoundTerm::TKind::FieldValue;
            t.A = Position(f);
            t.Op = OpOf(left ? op : Flip(op));
            t.Value = Convert(f, left ? b : a).Stored;
            return;
        }
        int cmp;
        bool ok1 = false, ok2 = false;
        double x = a.Text.toDouble(&ok1), y = b.Text.toDouble(&ok2);
        if (a.Kind == K::Number && b.Kind == K::Number && ok1 && ok2)
            cmp = Sign(x - y);
        else
            cmp = a.Text.compare(b.Text);
        t.Kind = TBoundTerm::TKind::Constant;
        t.Result = Holds(op, cmp);
    }

    QString FieldWithConstant(const TFieldDef& f, const QString& op, const TFilterOperand& c)
    {
        TConstant k = Convert(f, c);
        return Condition(f, op, k);
    }

public:
    QString Condition(const TFieldDef& f, const QString& op, const TConstant& k)
    {
        QString col = QuoteIdent(f.Name);
        Params.append(k.Stored);
        if (NullSafe)
            return QStringLiteral("(COALESCE(%1, %2) %3 ?)").arg(col, EmptyOf(f), op);
        // An empty field counts as '' or 0: it matches exactly when the empty value would.
        int emptyCmp = IsTextLike(f.Type) ? (k.Text.isEmpty() ? 0 : -1) : Sign(0 - k.Number);
        if (Holds(op, emptyCmp))
            return QStringLiteral("(%1 %2 ? OR %1 IS NULL)").arg(col, op);
        return QStringLiteral("%1 %2 ?").arg(col, op);
    }

private:
    const QString& Filter;
    const TTableDef& Def;
    const TSqlDialect& Dialect;
};

bool HasNot(const TFilterNode& node)
{
    if (node.Kind == TFilterNode::TKind::Not)
        return true;
    return (node.Left && HasNot(*node.Left)) || (node.Right && HasNot(*node.Right));
}

} // namespace

QString FilterQuote(const QString& value)
{
    QString s = value;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

std::unique_ptr<TFilterNode> ParseFilter(const QString& filter)
{
    return TFilterParser(filter).Parse();
}

TCompiledFilter CompileFilter(const QString& filter, const TTableDef& def, const TSqlDialect& dialect)
{
    TCompiledFilter result;
    auto tree = ParseFilter(filter);
    if (!tree)
        return result;
    TFilterCompiler compiler(filter, def, dialect);
    // Under "not" an unknown comparison would stay unknown; every comparison then takes the
    // empty value explicitly.
    compiler.NullSafe = HasNot(*tree);
    result.Sql = compiler.Node(*tree);
    result.Params = compiler.Params;
    return result;
}

TBoundFilter BindFilter(const QString& filter, const TTableDef& def, const TSqlDialect& dialect)
{
    TBoundFilter result;
    auto tree = ParseFilter(filter);
    if (!tree)
        return result;
    TFilterCompiler compiler(filter, def, dialect);
    result.Root = compiler.Bind(*tree, result);
    return result;
}

QVariant BindFieldValue(const TFieldDef& field, const QVariant& value, const TSqlDialect& dialect)
{
    bool ok = true;
    QVariant v = NormalizeValue(field.Type, 0, value, &ok);
    if (!ok)
        throw EValtrixError(QStringLiteral("Значение '%1' не подходит для поля [%2]!").arg(value.toString(), field.Name));
    if (IsTextLike(field.Type))
        return v.isNull() ? NonNullText(QString()) : dialect.ToStorage(field.Type, v);
    return v.isNull() ? QVariant(qint64(0)) : dialect.ToStorage(field.Type, v);
}

QString CompileFieldCondition(const TFieldDef& field, const QString& op, const QVariant& value,
                              const TSqlDialect& dialect, QVariantList& params)
{
    bool ok = true;
    QVariant v = NormalizeValue(field.Type, 0, value, &ok);
    if (!ok)
        throw EValtrixError(QStringLiteral("Значение '%1' не подходит для поля [%2]!").arg(value.toString(), field.Name));
    TConstant k;
    if (IsTextLike(field.Type)) {
        k.Stored = v.isNull() ? NonNullText(QString()) : dialect.ToStorage(field.Type, v);
        k.Text = k.Stored.toString();
    } else {
        k.Number = v.isNull() ? 0.0 : v.toDouble();
        k.Stored = v.isNull() ? QVariant(qint64(0)) : dialect.ToStorage(field.Type, v);
    }
    TTableDef none;
    TFilterCompiler compiler(QString(), none, dialect);
    QString sql = compiler.Condition(field, op, k);
    params.append(compiler.Params);
    return sql;
}

} // namespace vx
