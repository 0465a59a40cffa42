#include "model/VXOrderJson.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFService.h"
#include "foundation/VXFormats.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>

namespace vx {

namespace {

// ---------------------------------------------------------------------------------------------
// Reading

[[noreturn]] void Fail(const QString& path, const QString& what)
{
    throw EOrderInputError(QStringLiteral("Ошибка во входных данных: поле \"%1\": %2").arg(path, what));
}

QString Join(const QString& path, const QString& name)
{
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

void CheckKeys(const QJsonObject& object, const QString& path, const QStringList& allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key()))
            Fail(Join(path, it.key()), QStringLiteral("неизвестное поле"));
}

QJsonObject ObjectOf(const QJsonValue& v, const QString& path)
{
    if (!v.isObject())
        Fail(path, QStringLiteral("ожидается объект"));
    return v.toObject();
}

QJsonArray ArrayOf(const QJsonValue& v, const QString& path)
{
    if (!v.isArray())
        Fail(path, QStringLiteral("ожидается массив"));
    return v.toArray();
}

QString TextOf(const QJsonValue& v, const QString& path)
{
    if (!v.isString())
        Fail(path, QStringLiteral("ожидается строка"));
    return v.toString();
}

int32_t IntOf(const QJsonValue& v, const QString& path)
{
    const double d = v.toDouble();
    if (!v.isDouble() || std::floor(d) != d || d < std::numeric_limits<int32_t>::min()
        || d > std::numeric_limits<int32_t>::max())
        Fail(path, QStringLiteral("ожидается целое число"));
    return int32_t(d);
}

double NumberOf(const QJsonValue& v, const QString& path)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        Fail(path, QStringLiteral("ожидается число"));
    return v.toDouble();
}

float FloatOf(const QJsonValue& v, const QString& path)
{
    const double d = NumberOf(v, path);
    if (std::fabs(d) > double(std::numeric_limits<float>::max()))
        Fail(path, QStringLiteral("число вне допустимого диапазона"));
    return float(d);
}

bool BoolOf(const QJsonValue& v, const QString& path)
{
    if (!v.isBool())
        Fail(path, QStringLiteral("ожидается true или false"));
    return v.toBool();
}

QStringList TextsOf(const QJsonValue& v, const QString& path)
{
    QStringList out;
    const QJsonArray a = ArrayOf(v, path);
    for (int i = 0; i < a.size(); ++i)
        out << TextOf(a[i], QStringLiteral("%1[%2]").arg(path).arg(i));
    return out;
}

QDate DateOf(const QJsonValue& v, const QString& path)
{
    const QDate d = QDate::fromString(TextOf(v, path), QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
        Fail(path, QStringLiteral("ожидается дата в виде \"дд.мм.гггг\""));
    return d;
}

// ---------------------------------------------------------------------------------------------
// Header fields by name: how each is checked, set and written.

enum class EKind { Text, Int, Float, Bool, Date, DateTime, Notes, Rates };

struct THeaderField {
    const char* Name;
    EKind Kind;
    bool Input;    // accepted in the build input
    QString TvxfOrder::*Text = nullptr;
    int32_t TvxfOrder::*Int = nullptr;
    float TvxfOrder::*Float = nullptr;
    bool TvxfOrder::*Bool = nullptr;
    TDateTime TvxfOrder::*Date = nullptr;
};

const QList<THeaderField>& HeaderFields()
{
    using O = TvxfOrder;
    static const QList<THeaderField> fields{
        {"Signature", EKind::Text, false, &O::Signature},
        {"Version", EKind::Text, false, &O::Version},
        {"Reserved1", EKind::Int, false, nullptr, &O::Reserved1},
        {"Reserved2", EKind::Int, false, nullptr, &O::Reserved2},
        {"Created", EKind::DateTime, false, nullptr, nullptr, nullptr, nullptr, &O::Created},
        {"Modified", EKind::DateTime, false, nullptr, nullptr, nullptr, nullptr, &O::Modified},
        {"Reserved3", EKind::Int, false, nullptr, &O::Reserved3},
        {"OrderNo", EKind::Text, true, &O::OrderNo},
        {"AltOrderNo", EKind::Text, true, &O::AltOrderNo},
        {"Customer", EKind::Text, true, &O::Customer},
        {"ObjectName", EKind::Text, true, &O::ObjectName},
        {"Address", EKind::Text, true, &O::Address},
        {"Phones", EKind::Text, true, &O::Phones},
        {"Rem", EKind::Text, true, &O::Rem},
        {"RegDate", EKind::Date, true, nullptr, nullptr, nullptr, nullptr, &O::RegDate},
        {"RegDateSet", EKind::Bool, true, nullptr, nullptr, nullptr, &O::RegDateSet},
        {"ProfSys", EKind::Text, true, &O::ProfSys},
        {"InnerProfColor", EKind::Text, true, &O::InnerProfColor},
        {"OuterProfColor", EKind::Text, true, &O::OuterProfColor},
        {"FurnSys", EKind::Text, true, &O::FurnSys},
        {"FurnColor", EKind::Text, true, &O::FurnColor},
        {"Handle", EKind::Text, true, &O::Handle},
        {"Material", EKind::Int, true, nullptr, &O::Material},
        {"FalzType", EKind::Int, true, nullptr, &O::FalzType},
        {"DornType", EKind::Int, true, nullptr, &O::DornType},
        {"StulpFalzType", EKind::Int, true, nullptr, &O::StulpFalzType},
        {"FlugelType", EKind::Int, true, nullptr, &O::FlugelType},
        {"PriceGrpNo", EKind::Int, true, nullptr, &O::PriceGrpNo},
        {"NDSTax", EKind::Float, true, nullptr, nullptr, &O::NDSTax},
        {"TotalNDS", EKind::Bool, true, nullptr, nullptr, nullptr, &O::TotalNDS},
        {"ShowIncludingNDS", EKind::Bool, true, nullptr, nullptr, nullptr, &O::ShowIncludingNDS},
        {"Rates", EKind::Rates, true},
        {"Currency", EKind::Int, true, nullptr, &O::Currency},
        {"Notes", EKind::Notes, true},
    };
    return fields;
}

const THeaderField* FindHeaderField(const QString& name)
{
    for (const THeaderField& f : HeaderFields())
        if (name == QLatin1String(f.Name))
            return &f;
    return nullptr;
}

TRateList RatesOf(const QJsonValue& v, const QString& path)
{
    TRateList rates;
    const QJsonArray a = ArrayOf(v, path);
    for (int i = 0; i < a.size(); ++i) {
        const QString p = QStringLiteral("%1[%2]").arg(path).arg(i);
        const QJsonObject o = ObjectOf(a[i], p);
        CheckKeys(o, p, {QStringLiteral("ID"), QStringLiteral("Rate")});
        if (!o.contains(QStringLiteral("ID")) || !o.contains(QStringLiteral("Rate")))
            Fail(p, QStringLiteral("ожидаются поля ID и Rate"));
        auto item = std::make_unique<TvxfCurrencyItem>();
        item->ID = IntOf(o.value(QStringLiteral("ID")), Join(p, QStringLiteral("ID")));
        item->Rate = FloatOf(o.value(QStringLiteral("Rate")), Join(p, QStringLiteral("Rate")));
        rates.push_back(std::move(item));
    }
    return rates;
}

// Checks one header value, and sets it when an order is given.
void HeaderValue(const THeaderField& f, const QJsonValue& v, const QString& path, TvxfOrder* order)
{
    switch (f.Kind) {
    case EKind::Text: {
        const QString t = TextOf(v, path);
        if (order)
            order->*f.Text = t;
        break;
    }
    case EKind::Int: {
        const int32_t i = IntOf(v, path);
        if (order)
            order->*f.Int = i;
        break;
    }
    case EKind::Float: {
        const float x = FloatOf(v, path);
        if (order)
            order->*f.Float = x;
        break;
    }
    case EKind::Bool: {
        const bool b = BoolOf(v, path);
        if (order)
            order->*f.Bool = b;
        break;
    }
    case EKind::Date:
    case EKind::DateTime: {
        const QDate d = DateOf(v, path);
        if (order)
            order->*f.Date = TDateTime::FromDate(d);
        break;
    }
    case EKind::Notes: {
        const QStringList lines = TextsOf(v, path);
        if (order)
            order->Notes = lines;
        break;
    }
    case EKind::Rates: {
        TRateList rates = RatesOf(v, path);
        if (order)
            order->Rates = std::move(rates);
        break;
    }
    }
}

void ParseSash(const QJsonValue& v, const QString& path, TSashInput& sash)
{
    const QJsonObject o = ObjectOf(v, path);
    CheckKeys(o, path,
              {"Complect", "Hinge", "Handle", "Lock", "Cylinder", "Drive", "Latch", "HeightUserDefined",
               "UserHandleHeight", "Props", "ExtraComplects", "Dorn"});
    TFurnComponents& c = sash.Choice.Components;
    const std::pair<const char*, QString*> ids[] = {{"Complect", &c.Complect}, {"Hinge", &c.Hinge},
                                                    {"Handle", &c.Handle},     {"Lock", &c.Lock},
                                                    {"Cylinder", &c.Cylinder}, {"Drive", &c.Drive},
                                                    {"Latch", &c.Latch}};
    for (const auto& [name, target] : ids)
        if (o.contains(QLatin1String(name)))
            *target = TextOf(o.value(QLatin1String(name)), Join(path, QLatin1String(name)));
    if (o.contains(QStringLiteral("HeightUserDefined")))
        sash.Choice.HeightUserDefined = BoolOf(o.value(QStringLiteral("HeightUserDefined")),
                                               Join(path, QStringLiteral("HeightUserDefined")));
    if (o.contains(QStringLiteral("UserHandleHeight")))
        sash.Choice.UserHandleHeight = IntOf(o.value(QStringLiteral("UserHandleHeight")),
                                             Join(path, QStringLiteral("UserHandleHeight")));
    if (o.contains(QStringLiteral("Props"))) {
        const QString p = Join(path, QStringLiteral("Props"));
        sash.Choice.Props = TextsOf(o.value(QStringLiteral("Props")), p);
        for (int i = 0; i < sash.Choice.Props.size(); ++i) {
            const QString& line = sash.Choice.Props[i];
            // A property line is the group digit, "=" and the property's ID.
            if (line.size() < 3 || !line[0].isDigit() || line[1] != QLatin1Char('='))
                Fail(QStringLiteral("%1[%2]").arg(p).arg(i), QStringLiteral("ожидается строка вида \"группа=ID\""));
        }
    }
    if (o.contains(QStringLiteral("ExtraComplects")))
        sash.Choice.ExtraComplects = TextsOf(o.value(QStringLiteral("ExtraComplects")),
                                             Join(path, QStringLiteral("ExtraComplects")));
    if (o.contains(QStringLiteral("Dorn")))
        sash.Dorn = IntOf(o.value(QStringLiteral("Dorn")), Join(path, QStringLiteral("Dorn")));
}

TFittingsInput ParseFittings(const QJsonValue& v, const QString& path)
{
    const QJsonObject o = ObjectOf(v, path);
    CheckKeys(o, path,
              {"FurnSys", "ProfSys", "Color", "Falz", "StulpType", "OpenType", "ProfWidth", "Thickness", "left",
               "right"});
    TFittingsInput f;
    auto text = [&](const char* name, std::optional<QString>& target) {
        if (o.contains(QLatin1String(name)))
            target = TextOf(o.value(QLatin1String(name)), Join(path, QLatin1String(name)));
    };
    auto integer = [&](const char* name, std::optional<int32_t>& target) {
        if (o.contains(QLatin1String(name)))
            target = IntOf(o.value(QLatin1String(name)), Join(path, QLatin1String(name)));
    };
    auto real = [&](const char* name, std::optional<float>& target) {
        if (o.contains(QLatin1String(name)))
            target = FloatOf(o.value(QLatin1String(name)), Join(path, QLatin1String(name)));
    };
    text("FurnSys", f.FurnSys);
    text("ProfSys", f.ProfSys);
    text("Color", f.Color);
    integer("Falz", f.Falz);
    integer("StulpType", f.StulpType);
    integer("OpenType", f.OpenType);
    real("ProfWidth", f.ProfWidth);
    real("Thickness", f.Thickness);
    if (o.contains(QStringLiteral("left")))
        ParseSash(o.value(QStringLiteral("left")), Join(path, QStringLiteral("left")), f.Left);
    if (o.contains(QStringLiteral("right")))
        ParseSash(o.value(QStringLiteral("right")), Join(path, QStringLiteral("right")), f.Right);
    return f;
}

TShapeInput ParseShape(const QJsonValue& v, const QString& path)
{
    const QJsonObject o = ObjectOf(v, path);
    CheckKeys(o, path, {"Figure", "Width", "Height", "HX", "HY", "Radius"});
    TShapeInput s;
    if (o.contains(QStringLiteral("Figure"))) {
        s.Figure = IntOf(o.value(QStringLiteral("Figure")), Join(path, QStringLiteral("Figure")));
        if (s.Figure < 0 || s.Figure > 7)
            Fail(Join(path, QStringLiteral("Figure")), QStringLiteral("ожидается число от 0 до 7"));
    }
    const std::pair<const char*, std::optional<int32_t>*> ints[] = {
        {"Width", &s.Width}, {"Height", &s.Height}, {"HY", &s.HY}};
    for (const auto& [name, target] : ints)
        if (o.contains(QLatin1String(name)))
            *target = IntOf(o.value(QLatin1String(name)), Join(path, QLatin1String(name)));
    if (o.contains(QStringLiteral("HX")))
        s.HX = NumberOf(o.value(QStringLiteral("HX")), Join(path, QStringLiteral("HX")));
    if (o.contains(QStringLiteral("Radius")))
        s.Radius = NumberOf(o.value(QStringLiteral("Radius")), Join(path, QStringLiteral("Radius")));
    return s;
}

TPositionJsonInput ParsePosition(const QJsonValue& v, const QString& path)
{
    const QJsonObject o = ObjectOf(v, path);
    CheckKeys(o, path, {"PosNo", "Name", "Num", "ObjType", "Active", "shape", "fittings"});
    TPositionJsonInput p;
    if (o.contains(QStringLiteral("PosNo")))
        p.PosNo = TextOf(o.value(QStringLiteral("PosNo")), Join(path, QStringLiteral("PosNo")));
    if (o.contains(QStringLiteral("Name")))
        p.Name = TextOf(o.value(QStringLiteral("Name")), Join(path, QStringLiteral("Name")));
    if (o.contains(QStringLiteral("Num")))
        p.Num = IntOf(o.value(QStringLiteral("Num")), Join(path, QStringLiteral("Num")));
    if (o.contains(QStringLiteral("ObjType"))) {
        p.ObjType = IntOf(o.value(QStringLiteral("ObjType")), Join(path, QStringLiteral("ObjType")));
        if (*p.ObjType != 0 && *p.ObjType != 1)
            Fail(Join(path, QStringLiteral("ObjType")), QStringLiteral("ожидается 0 (окно) или 1 (дверь с порогом)"));
    }
    if (o.contains(QStringLiteral("Active")))
        p.Active = BoolOf(o.value(QStringLiteral("Active")), Join(path, QStringLiteral("Active")));
    if (o.contains(QStringLiteral("shape")))
        p.Shape = ParseShape(o.value(QStringLiteral("shape")), Join(path, QStringLiteral("shape")));
    if (o.contains(QStringLiteral("fittings")))
        p.Fittings = ParseFittings(o.value(QStringLiteral("fittings")), Join(path, QStringLiteral("fittings")));
    return p;
}

// ---------------------------------------------------------------------------------------------
// Writing

// A single-precision value as its shortest decimal form, so that 98.5 stays 98.5 and 0.1 is
// not written as 0.10000000149.
QJsonValue FloatJson(float f)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, f);
    return QJsonValue(std::strtod(std::string(buf, r.ptr).c_str(), nullptr));
}

QJsonValue DateJson(TDateTime t, bool withTime)
{
    return withTime ? t.toQDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))
                    : t.date().toString(QStringLiteral("dd.MM.yyyy"));
}

QJsonArray TextsJson(const QStringList& lines)
{
    QJsonArray a;
    for (const QString& l : lines)
        a.append(l);
    return a;
}

QJsonArray RatesJson(const TRateList& rates)
{
    QJsonArray a;
    for (const auto& r : rates)
        a.append(QJsonObject{{"ID", r->ID}, {"Rate", FloatJson(r->Rate)}});
    return a;
}

QJsonObject HeaderJson(const TvxfOrder& order)
{
    QJsonObject o;
    for (const THeaderField& f : HeaderFields()) {
        QJsonValue v;
        switch (f.Kind) {
        case EKind::Text: v = order.*f.Text; break;
        case EKind::Int: v = order.*f.Int; break;
        case EKind::Float: v = FloatJson(order.*f.Float); break;
        case EKind::Bool: v = order.*f.Bool; break;
        case EKind::Date: v = DateJson(order.*f.Date, false); break;
        case EKind::DateTime: v = DateJson(order.*f.Date, true); break;
        case EKind::Notes: v = TextsJson(order.Notes); break;
        case EKind::Rates: v = RatesJson(order.Rates); break;
        }
        o.insert(QLatin1String(f.Name), v);
    }
    return o;
}

QJsonArray PointJson(double x, double y)
{
    return QJsonArray{x, y};
}

QJsonValue FurnCompJson(const TvxfFurnComp* c)
{
    if (!c)
        return QJsonValue::Null;
    QJsonArray items;
    for (const auto& i : c->Items)
        items.append(QJsonObject{{"Article", i->Article},
                                 {"Length", FloatJson(i->Length)},
                                 {"Count", i->Count},
                                 {"Origin", i->Origin},
                                 {"Note", i->Note},
                                 {"SideNo", i->SideNo},
                                 {"Reserved1", i->Reserved1},
                                 {"Reserved2", i->Reserved2},
                                 {"Reserved3", i->Reserved3},
                                 {"ComplectKey", i->ComplectKey}});
    return QJsonObject{{"FurnSys", c->FurnSys},
                       {"ProfSys", c->ProfSys},
                       {"Color", c->Color},
                       {"Complect", c->Complect},
                       {"Hinge", c->Hinge},
                       {"Handle", c->Handle},
                       {"Lock", c->Lock},
                       {"Cylinder", c->Cylinder},
                       {"Drive", c->Drive},
                       {"Latch", c->Latch},
                       {"ComplectImage", c->ComplectImage},
                       {"HandleImage", c->HandleImage},
                       {"HingeImage", c->HingeImage},
                       {"DriveImage", c->DriveImage},
                       {"Image5", c->Image5},
                       {"HandleScrColor", c->HandleScrColor},
                       {"HingeScrColor", c->HingeScrColor},
                       {"DriveScrColor", c->DriveScrColor},
                       {"ScrColor4", c->ScrColor4},
                       {"UserHandleHeight", c->UserHandleHeight},
                       {"HeightUserDefined", c->HeightUserDefined},
                       {"Props", TextsJson(c->Props)},
                       {"ExtraComplects", TextsJson(c->ExtraComplects)},
                       {"Tag1", c->Tag1},
                       {"Tag2", c->Tag2},
                       {"Items", items}};
}

QJsonObject SashJson(const TvxfFlugel& f)
{
    int32_t w = 0, h = 0;
    f.Size(w, h);
    QJsonArray points;
    for (const auto& p : f.Points)
        points.append(PointJson(p->X, p->Y));
    QJsonArray lines;
    for (int i = 0; i < f.SideCount(); ++i) {
        const TvxfLine& l = *f.Line(i);
        lines.append(QJsonObject{{"R1", FloatJson(l.R1)},
                                 {"R2", FloatJson(l.R2)},
                                 {"Center", QJsonArray{FloatJson(l.Center.X), FloatJson(l.Center.Y)}},
                                 {"OpenMode", l.OpenMode},
                                 {"RotSide", l.RotSide},
                                 {"Handled", l.Handled},
                                 {"Banded", l.Banded},
                                 {"Drived", l.Drived},
                                 {"HandleHeight", l.HandleHeight},
                                 {"HandleMark", PointJson(l.HandleMark.x(), l.HandleMark.y())},
                                 {"Length", f.SideLength(i)},
                                 {"Angle", f.CornerAngle(i)}});
    }
    return QJsonObject{{"Dorn", f.Dorn},
                       {"Width", w},
                       {"Height", h},
                       {"Points", points},
                       {"Lines", lines},
                       {"FurnComp", FurnCompJson(f.FurnComp.get())},
                       {"MatList", MatListToJson(f.MatList)}};
}

QJsonObject PositionJson(const TvxfConstruction& p)
{
    int32_t w = 0, h = 0;
    p.Size(w, h);
    return QJsonObject{{"Active", p.Active},
                       {"PosNo", p.PosNo},
                       {"Name", p.Name},
                       {"Num", p.Num},
                       {"ObjType", int(p.ObjType)},
                       {"FurnSys", p.FurnSys},
                       {"ProfSys", p.ProfSys},
                       {"Color", p.Color},
                       {"Falz", p.Falz},
                       {"StulpType", p.StulpType},
                       {"OpenType", p.OpenType},
                       {"ProfWidth", FloatJson(p.ProfWidth)},
                       {"Thickness", FloatJson(p.Thickness)},
                       {"ExtraLines", TextsJson(p.ExtraLines)},
                       {"Cost", MoneyJson(p.Cost)},
                       {"Layout", int(p.Layout)},
                       {"Width", w},
                       {"Height", h},
                       {"sashes", QJsonArray{SashJson(*p.LeftFlugel), SashJson(*p.RightFlugel)}}};
}

// ---------------------------------------------------------------------------------------------
// Text

QString Money2(TMoney v)
{
    return FormatNumber(v.toDouble(), 2);
}

QString Quantity(float q)
{
    return QString::number(double(q), 'g', 7).replace(QLatin1Char('.'), QLatin1Char(','));
}

void MatListText(QStringList& out, const TMatList& list, const QString& indent)
{
    for (const auto& m : list)
        out << QStringLiteral("%1%2  %3  %4 x %5 = %6")
                   .arg(indent, m->Article.leftJustified(14), ArticleName(m->Article, true), Quantity(m->Quantity),
                        Money2(m->NetPrice), Money2(m->Sum));
}

} // namespace

TOrderJsonInput ParseOrderInput(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray head = json.left(error.offset);
        const int line = int(head.count('\n')) + 1;
        throw EOrderInputError(QStringLiteral("Ошибка во входных данных: неверный JSON в строке %1 (%2)")
                                   .arg(line)
                                   .arg(error.errorString()));
    }
    if (!doc.isObject())
        throw EOrderInputError(QStringLiteral("Ошибка во входных данных: ожидается объект JSON"));
    const QJsonObject root = doc.object();
    CheckKeys(root, QString(), {QStringLiteral("header"), QStringLiteral("positions")});
    TOrderJsonInput in;
    if (root.contains(QStringLiteral("header"))) {
        in.Header = ObjectOf(root.value(QStringLiteral("header")), QStringLiteral("header"));
        for (auto it = in.Header.begin(); it != in.Header.end(); ++it) {
            const QString path = Join(QStringLiteral("header"), it.key());
            const THeaderField* f = FindHeaderField(it.key());
            if (!f || !f->Input)
                Fail(path, QStringLiteral("неизвестное поле"));
            HeaderValue(*f, it.value(), path, nullptr);
        }
    }
    if (root.contains(QStringLiteral("positions"))) {
        const QJsonArray a = ArrayOf(root.value(QStringLiteral("positions")), QStringLiteral("positions"));
        for (int i = 0; i < a.size(); ++i)
            in.Positions << ParsePosition(a[i], QStringLiteral("positions[%1]").arg(i));
    }
    return in;
}

void ApplyOrderHeader(const QJsonObject& header, TvxfOrder& order)
{
    for (auto it = header.begin(); it != header.end(); ++it) {
        const THeaderField* f = FindHeaderField(it.key());
        if (f && f->Input)
            HeaderValue(*f, it.value(), Join(QStringLiteral("header"), it.key()), &order);
    }
}

QString MoneyJson(TMoney value)
{
    return value.toString(4, QLatin1Char('.'));
}

QJsonArray MatListToJson(const TMatList& list)
{
    QJsonArray a;
    for (const auto& m : list)
        a.append(QJsonObject{{"Article", m->Article},
                             {"Quantity", FloatJson(m->Quantity)},
                             {"Price", MoneyJson(m->Price)},
                             {"ExtraRate", FloatJson(m->ExtraRate)},
                             {"Discount", MoneyJson(m->Discount)},
                             {"NetPrice", MoneyJson(m->NetPrice)},
                             {"Sum", MoneyJson(m->Sum)}});
    return a;
}

QJsonObject OrderToJson(const TvxfOrder& order)
{
    QJsonArray positions;
    for (int i = 0; i < order.PositionCount(); ++i)
        positions.append(PositionJson(*order.Position(i)));
    return QJsonObject{{"header", HeaderJson(order)},
                       {"totals", QJsonObject{{"PositionsTotal", MoneyJson(order.PositionsTotal())},
                                              {"VatAmount", MoneyJson(order.VatAmount())},
                                              {"GrossTotal", MoneyJson(order.GrossTotal())}}},
                       {"positions", positions}};
}

QString OrderToText(const TvxfOrder& order)
{
    QStringList out;
    const QString currency = CurrencyName(order.Currency);
    out << QStringLiteral("Заказ № %1 от %2").arg(order.OrderNo, order.RegDate.date().toString(QStringLiteral("dd.MM.yyyy")));
    if (!order.Customer.isEmpty())
        out << QStringLiteral("Заказчик: %1").arg(order.Customer);
    if (!order.ObjectName.isEmpty())
        out << QStringLiteral("Объект: %1").arg(order.ObjectName);
    if (!order.Address.isEmpty())
        out << QStringLiteral("Адрес: %1").arg(order.Address);
    out << QStringLiteral("Валюта: %1").arg(currency);
    for (int i = 0; i < order.PositionCount(); ++i) {
        const TvxfConstruction& p = *order.Position(i);
        int32_t w = 0, h = 0;
        p.Size(w, h);
        out << QString();
        out << QStringLiteral("Позиция %1: %2, %3 x %4 мм, %5 шт.%6")
                   .arg(p.PosNo, p.Name)
                   .arg(w)
                   .arg(h)
                   .arg(p.Num)
                   .arg(p.Active ? QString() : QStringLiteral(" (не включена в расчет)"));
        out << QStringLiteral("  Фурнитура: %1; профиль: %2; цвет: %3")
                   .arg(SystemName(p.FurnSys), ProfSysName(p.ProfSys), ColorName(p.Color));
        const TvxfFlugel* sashes[] = {p.LeftFlugel.get(), p.RightFlugel.get()};
        for (int s = 0; s < (p.HasTwoFlugels() ? 2 : 1); ++s) {
            const TvxfFlugel& f = *sashes[s];
            int32_t sw = 0, sh = 0;
            f.Size(sw, sh);
            QString head = p.HasTwoFlugels() ? (s == 0 ? QStringLiteral("  Левая створка") : QStringLiteral("  Правая створка"))
                                             : QStringLiteral("  Створка");
            head += QStringLiteral(" %1 x %2 мм").arg(sw).arg(sh);
            if (f.FurnComp && !f.FurnComp->Complect.isEmpty()) {
                QString name;
                ComplectNameOpt(f.FurnComp->Complect, name);
                head += QStringLiteral(": %1 (%2)").arg(name, f.FurnComp->Complect);
            }
            out << head;
            MatListText(out, f.MatList, QStringLiteral("    "));
        }
        out << QStringLiteral("  Цена: %1 %2; стоимость: %3 %2")
                   .arg(Money2(p.Cost), currency, Money2(p.Cost.mulDouble(p.Num)));
    }
    out << QString();
    out << QStringLiteral("Итого: %1 %2").arg(Money2(order.PositionsTotal()), currency);
    out << QStringLiteral("НДС %1%: %2 %3").arg(QString::number(double(order.NDSTax)), Money2(order.VatAmount()), currency);
    out << QStringLiteral("Всего: %1 %2").arg(Money2(order.GrossTotal()), currency);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

TMoney MatListTotal(const TMatList& list)
{
    TMoney sum;
    for (const auto& m : list)
        sum += m->Sum;
    return sum;
}

} // namespace

QJsonObject SelectionToJson(const TvxfOrderSelection& s, const TMatList& materials)
{
    QJsonArray items;
    for (int i = 0; i < s.ItemCount(); ++i) {
        const TvxfOrderSelectionItem& it = *s.Item(i);
        items.append(QJsonObject{{"Active", it.Active},
                                 {"OrderNo", it.OrderNo},
                                 {"PosNo", it.PosNo},
                                 {"Width", FloatJson(it.Width)},
                                 {"Height", FloatJson(it.Height)},
                                 {"Num", it.Num},
                                 {"Name", it.Name},
                                 {"OrderFile", it.OrderFile}});
    }
    const QJsonObject header{{"Signature", s.Signature},
                             {"Version", s.Version},
                             {"Reserved1", s.Reserved1},
                             {"Reserved2", s.Reserved2},
                             {"Created", DateJson(s.Created, true)},
                             {"Modified", DateJson(s.Modified, true)},
                             {"Reserved3", s.Reserved3},
                             {"SelectionNo", s.SelectionNo},
                             {"RegDate", DateJson(s.RegDate, false)},
                             {"Name", s.Name},
                             {"Rates", RatesJson(s.Rates)},
                             {"Currency", s.Currency},
                             {"PriceGrpNo", s.PriceGrpNo},
                             {"NDSTax", FloatJson(s.NDSTax)},
                             {"RoundMode", int(s.RoundMode)},
                             {"Notes", TextsJson(s.Notes)}};
    return QJsonObject{{"header", header},
                       {"items", items},
                       {"MatList", MatListToJson(materials)},
                       {"Total", MoneyJson(MatListTotal(materials))}};
}

QString SelectionToText(const TvxfOrderSelection& s, const TMatList& materials)
{
    QStringList out;
    const QString currency = CurrencyName(s.Currency);
    out << QStringLiteral("Выборка № %1 от %2").arg(s.SelectionNo, s.RegDate.date().toString(QStringLiteral("dd.MM.yyyy")));
    if (!s.Name.isEmpty())
        out << QStringLiteral("Наименование: %1").arg(s.Name);
    out << QString() << QStringLiteral("Позиции:");
    for (int i = 0; i < s.ItemCount(); ++i) {
        const TvxfOrderSelectionItem& it = *s.Item(i);
        out << QStringLiteral("  Заказ %1, позиция %2: %3, %4 x %5 мм, %6 шт.%7 [%8]")
                   .arg(it.OrderNo, it.PosNo, it.Name)
                   .arg(double(it.Width), 0, 'f', 0)
                   .arg(double(it.Height), 0, 'f', 0)
                   .arg(it.Num)
                   .arg(it.Active ? QString() : QStringLiteral(" (не включена в расчет)"), it.OrderFile);
    }
    out << QString() << QStringLiteral("Материалы:");
    MatListText(out, materials, QStringLiteral("  "));
    out << QString() << QStringLiteral("Итого: %1 %2").arg(Money2(MatListTotal(materials)), currency);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace vx
