#pragma once
#include "engine/VXFConstruction.h"
#include "engine/VXFPositionRecords.h"
#include "foundation/VXSpecStream.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

// Orders, selections and order files of every version for the model tests, the benchmark and
// the fuzz corpus.
namespace vxtest {

inline vx::TShapeRecord TwoSashShape()
{
    vx::TShapeRecord s;
    s.Figure = 2;
    s.Width = 1300;
    s.Height = 1500;
    s.HX = 600;
    s.HY = 700;
    return s;
}

// Gives the sash a complect of `items` items and a material list with one line per item.
inline void GiveFittings(vx::TvxfFlugel& f, int items, const QString& tag)
{
    auto c = std::make_unique<vx::TvxfFurnComp>(&f);
    c->FurnSys = QStringLiteral("350");
    c->ProfSys = QStringLiteral("PS1");
    c->Color = QStringLiteral("RAL9016");
    c->Complect = QStringLiteral("C-") + tag;
    c->Hinge = QStringLiteral("HI");
    c->Handle = QStringLiteral("HA");
    c->UserHandleHeight = 1050;
    c->HeightUserDefined = true;
    c->Lock = QStringLiteral("L");
    c->ComplectImage = 3;
    c->HandleScrColor = 255;
    c->Props = QStringList{QStringLiteral("1=120"), QStringLiteral("2=7")};
    c->ExtraComplects = QStringList{QStringLiteral("X-") + tag};
    for (int i = 0; i < items; ++i) {
        auto item = std::make_unique<vx::TvxfFurnItem>();
        item->Article = QStringLiteral("A-%1").arg(i, 2, 10, QLatin1Char('0'));
        item->Length = i % 2 ? float(1000 + 10 * i) : 0.0f;
        item->Count = 1 + i % 3;
        item->Note = QStringLiteral("примечание %1").arg(i);
        item->SideNo = 1 + i % 4;
        item->ComplectKey = c->Complect;
        item->Owner = c.get();
        auto m = std::make_unique<vx::TvxfMatListItem>();
        m->Article = item->Article;
        m->Quantity = item->Length > 0 ? item->Length * float(item->Count) / 1000 : float(item->Count);
        m->Price = vx::TMoney::FromDouble(1.25 + i);
        m->NetPrice = m->Price;
        m->Sum = m->Price.mulDouble(m->Quantity);
        f.MatList.push_back(std::move(m));
        c->Items.push_back(std::move(item));
    }
    f.FurnComp = std::move(c);
}

// A two-sash position of the order with fittings on both sashes; its cost is the sum of the
// material lines.
inline std::unique_ptr<vx::TvxfConstruction> TwoSashPosition(vx::TvxfOrder& order, const QString& posNo, int items)
{
    auto p = std::make_unique<vx::TvxfConstruction>(&order);
    p->BuildGeometry(TwoSashShape(), 201);
    p->PosNo = posNo;
    p->Name = QStringLiteral("Окно ") + posNo;
    p->Num = 2;
    p->FurnSys = QStringLiteral("350");
    p->ProfSys = QStringLiteral("PS1");
    p->Color = QStringLiteral("RAL9016");
    p->Falz = 101;
    p->StulpType = 301;
    p->ProfWidth = 68;
    p->Thickness = 70.5f;
    p->OpenType = 401;
    p->ExtraLines = QStringList{QStringLiteral("доп. строка")};
    p->RightFlugel->Dorn = 202;
    p->LeftFlugel->Line(1)->Handled = true;
    p->LeftFlugel->Line(1)->HandleHeight = 750;
    GiveFittings(*p->LeftFlugel, items, QStringLiteral("L"));
    GiveFittings(*p->RightFlugel, items, QStringLiteral("R"));
    for (const vx::TvxfFlugel* f : {p->LeftFlugel.get(), p->RightFlugel.get()})
        for (const auto& m : f->MatList)
            p->Cost += m->Sum;
    return p;
}

// An order with every stored header field set, two rates, notes and `positions` two-sash
// positions of `items` items per complect.
inline std::unique_ptr<vx::TvxfOrder> SampleOrder(int positions = 2, int items = 3)
{
    auto o = std::make_unique<vx::TvxfOrder>();
    o->Reserved1 = 11;
    o->Reserved2 = 12;
    o->Created = {43000.25};
    o->Modified = {43001.5};
    o->Reserved3 = 13;
    o->OrderNo = QStringLiteral("З-17");
    o->AltOrderNo = QStringLiteral("С-4");
    o->Customer = QStringLiteral("ООО \"Окна\"");
    o->ObjectName = QStringLiteral("Дом");
    o->Address = QStringLiteral("ул. Садовая, 1");
    o->Phones = QStringLiteral("123-45-67");
    o->Rem = QStringLiteral("метка");
    o->RegDate = {43000};
    o->RegDateSet = false;
    o->ProfSys = QStringLiteral("PS1");
    o->InnerProfColor = QStringLiteral("INNEN");
    o->OuterProfColor = QStringLiteral("AUSSEN");
    o->FurnSys = QStringLiteral("350");
    o->FurnColor = QStringLiteral("RAL9016");
    o->Handle = QStringLiteral("HA");
    o->Material = 3;
    o->FalzType = 101;
    o->DornType = 201;
    o->StulpFalzType = 301;
    o->FlugelType = 401;
    o->PriceGrpNo = 2;
    o->NDSTax = 18;
    o->TotalNDS = true;
    o->ShowIncludingNDS = true;
    for (auto [id, rate] : {std::pair{1, 1.0f}, {2, 98.7654f}}) {
        auto r = std::make_unique<vx::TvxfCurrencyItem>();
        r->ID = id;
        r->Rate = rate;
        o->Rates.push_back(std::move(r));
    }
    o->Currency = 1;
    o->Notes = QStringList{QStringLiteral("первая"), QString(), QStringLiteral("третья")};
    for (int i = 0; i < positions; ++i)
        o->AddPosition(TwoSashPosition(*o, QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')), items));
    return o;
}

// One position of a hand-written order file.
struct TLegacyPosition {
    QString PosNo;
    QString Name;
    int32_t Num = 1;
    bool Active = true;
};

// An order file of the given version written value by value as that version lays it out: the
// header, and for each position a two-sash record without outline whose left sash holds a
// complect with one item (article "A-1", origin "o", note "n", side 3, component "C") and one
// material line (A-1, quantity 2, price 905, sum 1810); Dornmass 207 for the position in files
// before 23.07.2019, 209 for each sash since.
inline QByteArray LegacyOrderFile(const QString& version, const QList<TLegacyPosition>& positions = {{"001", "Окно", 1, true}},
                                  const QString& orderNo = QStringLiteral("З-1"))
{
    const int key = vx::VersionKey(version);
    auto since = [key](const char* date) { return key >= vx::VersionKey(QString::fromLatin1(date)); };
    vx::TSpecStream s;
    s.WriteValue(vx::OrderSignature);
    s.WriteValue(version);
    s.WriteValue(int32_t(1));
    s.WriteValue(int32_t(2));
    s.WriteValue(vx::TDateTime{40000.5});
    s.WriteValue(vx::TDateTime{40001.5});
    s.WriteValue(int32_t(3));
    for (const QString& text : {orderNo, QStringLiteral("С-1"), QStringLiteral("Заказчик"), QStringLiteral("Объект"),
                                QStringLiteral("Адрес"), QStringLiteral("Телефон"), QStringLiteral("Метка")})
        s.WriteValue(text);
    s.WriteValue(vx::TDateTime{40000});
    s.WriteValue(true);
    for (const char* text : {"PS1", "INNEN", "AUSSEN", "350", "RAL9016", "HA"})
        s.WriteValue(QString::fromLatin1(text));
    if (since("10.12.2009")) {
        for (int32_t code : {101, 201, 301, 401})
            s.WriteValue(code);
    } else {
        s.WriteValue(QStringLiteral("старый фальц"));
        s.WriteValue(QStringLiteral("старый дорн"));
    }
    s.WriteValue(int32_t(4));        // price group
    s.WriteValue(20.0);              // VAT
    s.WriteValue(true);
    s.WriteValue(false);
    s.WriteValue(int32_t(1));        // one rate
    s.WriteValue(int32_t(2));
    s.WriteValue(2.5);
    s.WriteValue(int32_t(2));        // currency
    s.WriteValue(QStringLiteral("заметка\r\n"));
    s.WriteValue(int32_t(positions.size()));
    for (const TLegacyPosition& p : positions) {
        s.WriteValue(p.Active);
        s.WriteValue(p.PosNo);
        s.WriteValue(p.Name);
        s.WriteValue(p.Num);
        s.WriteByteValue(0);
        for (const char* text : {"350", "PS1", "RAL9016"})
            s.WriteValue(QString::fromLatin1(text));
        if (!since("10.12.2009")) {
            s.WriteValue(QStringLiteral("т1"));
            s.WriteValue(QStringLiteral("т2"));
        }
        s.WriteValue(int32_t(101));
        if (!since("23.07.2019"))
            s.WriteValue(int32_t(207));
        s.WriteValue(int32_t(301));
        s.WriteValue(68.0);
        s.WriteValue(70.0);
        s.WriteValue(int32_t(401));
        s.WriteValue(vx::TMoney::FromInt(1810));
        s.WriteValue(QString());
        s.WriteValue(int32_t(0));    // tag 3 where an 8-bit value is expected: old files have both
        for (int sash = 0; sash < 2; ++sash) {
            s.WriteValue(int32_t(0));
            s.WriteValue(int32_t(0));
            if (since("23.07.2019"))
                s.WriteValue(int32_t(209));
            s.WriteValue(sash == 0);
            if (sash == 0) {
                for (const char* text : {"350", "PS1", "RAL9016", "C", "HI", "HA"})
                    s.WriteValue(QString::fromLatin1(text));
                s.WriteValue(int32_t(0));
                s.WriteValue(false);
                for (int i = 0; i < 4; ++i)
                    s.WriteValue(QString());
                for (int i = 0; i < 9; ++i)
                    s.WriteValue(int32_t(-1));
                s.WriteValue(QString());
                s.WriteValue(QString());
                s.WriteValue(int32_t(1));
                s.WriteValue(QStringLiteral("A-1"));
                s.WriteValue(1000.0);
                s.WriteValue(int32_t(2));
                if (since("06.10.2015"))
                    s.WriteValue(QStringLiteral("o"));
                if (since("03.03.2019"))
                    s.WriteValue(QStringLiteral("n"));
                if (since("26.12.2019")) {
                    for (int32_t v : {3, 0, 0, 0})
                        s.WriteValue(v);
                    s.WriteValue(QStringLiteral("C"));
                }
                s.WriteValue(int32_t(1));
                vx::TvxfMatListItem m;
                m.Article = QStringLiteral("A-1");
                m.Quantity = 2;
                m.Price = m.NetPrice = vx::TMoney::FromInt(905);
                m.Sum = vx::TMoney::FromInt(1810);
                m.Write(s);
            } else {
                s.WriteValue(int32_t(0));
            }
        }
    }
    return s.Data();
}

// A selection with every stored field set and three items.
inline std::unique_ptr<vx::TvxfOrderSelection> SampleSelection()
{
    auto sel = std::make_unique<vx::TvxfOrderSelection>();
    sel->Created = {44000.25};
    sel->Modified = {44001.75};
    sel->Reserved1 = 7;
    sel->SelectionNo = QStringLiteral("В-3");
    sel->RegDate = {44000};
    sel->Name = QStringLiteral("Выборка фурнитуры");
    auto r = std::make_unique<vx::TvxfCurrencyItem>();
    r->ID = 2;
    r->Rate = 2.5f;
    sel->Rates.push_back(std::move(r));
    sel->Currency = 2;
    sel->PriceGrpNo = 1;
    sel->NDSTax = 20;
    sel->RoundMode = 2;
    sel->Notes = QStringList{QStringLiteral("заметка")};
    const struct {
        bool active;
        const char *orderNo, *posNo, *name, *file;
    } items[] = {{true, "N1", "001", "Окно", "%F1.VFO370"},
                 {false, "N1", "002", "Дверь", "%F1.VFO370"},
                 {true, "N2", "001", "Балкон", "/ABS/F2.VFO370"}};
    for (const auto& i : items) {
        auto item = std::make_unique<vx::TvxfOrderSelectionItem>();
        item->Active = i.active;
        item->OrderNo = QString::fromUtf8(i.orderNo);
        item->PosNo = QString::fromUtf8(i.posNo);
        item->Width = 1300;
        item->Height = 1500.5f;
        item->Num = 2;
        item->Name = QString::fromUtf8(i.name);
        item->OrderFile = QString::fromUtf8(i.file);
        sel->AddItem(std::move(item));
    }
    return sel;
}

inline QByteArray Bytes(const vx::TvxfOrder& o)
{
    vx::TSpecStream s;
    o.SaveToStream(s);
    return s.Data();
}

inline QByteArray Bytes(const vx::TvxfOrderSelection& sel)
{
    vx::TSpecStream s;
    sel.SaveToStream(s);
    return s.Data();
}

} // namespace vxtest
