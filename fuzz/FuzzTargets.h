#pragma once
#include "engine/VXFConstruction.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The bodies of the fuzz targets of the order and the selection loader, shared with the test
// that replays the corpus. Any bytes must load without a crash, a hang or unbounded memory;
// whatever was read must hang together, and saved and loaded again it must give the same
// bytes. Each answers what went wrong, or an empty text.
namespace vxfuzz {

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The links of a loaded position: its order, its sashes, sides between corners of their own sash,
// items of their complect.
inline QString CheckLinks(const vx::TvxfOrder& order)
{
    for (int i = 0; i < order.PositionCount(); ++i) {
        const vx::TvxfConstruction& p = *order.Position(i);
        if (p.Order != &order)
            return QStringLiteral("a position does not point to its order");
        for (const vx::TvxfFlugel* f : {p.LeftFlugel.get(), p.RightFlugel.get()}) {
            if (f->Owner != &p || f->Lines.size() != f->Points.size())
                return QStringLiteral("a sash does not hang together");
            for (const auto& l : f->Lines)
                if (l->Owner != f || !l->StartPoint || !l->EndPoint || l->StartPoint->Owner != f || l->EndPoint->Owner != f)
                    return QStringLiteral("a side is not linked to corners of its sash");
            if (f->FurnComp) {
                if (f->FurnComp->Owner != f)
                    return QStringLiteral("a complect does not point to its sash");
                for (const auto& item : f->FurnComp->Items)
                    if (item->Owner != f->FurnComp.get())
                        return QStringLiteral("an item does not point to its complect");
            }
        }
    }
    return {};
}

inline QString FuzzOrder(const uint8_t* data, size_t size)
{
    vx::TScriptedInteraction ui;
    ui.DefaultConfirm = true;   // convert every older file
    vx::TScopedUI scope(&ui);

    vx::TvxfOrder order;
    vx::TSpecStream in(Bytes(data, size));
    try {
        order.LoadFromStream(in);
    } catch (const vx::EValtrixError&) {
        // Damaged data: the order keeps what was read before.
    }
    if (QString fault = CheckLinks(order); !fault.isEmpty())
        return fault;

    vx::TSpecStream first;
    order.SaveToStream(first);
    first.Seek(0);
    const qsizetype shown = ui.Shown.size();
    vx::TvxfOrder again;
    try {
        again.LoadFromStream(first);
    } catch (const vx::EValtrixError& e) {
        return QStringLiteral("a saved order does not load: ") + e.message();
    }
    if (ui.Shown.size() != shown)
        return QStringLiteral("loading a saved order shows: ") + ui.Shown.last().Text;
    vx::TSpecStream second;
    again.SaveToStream(second);
    if (second.Data() != first.Data())
        return QStringLiteral("a saved order loads different from what was saved");

    // The totals either come out or raise an error; the sorts keep every position.
    try {
        order.GrossTotal();
        vx::TMatList materials;
        order.CollectMaterials(&materials);
    } catch (const vx::EValtrixError&) {
    }
    order.SortByName();
    order.SortByPosNo();
    if (order.PositionCount() != again.PositionCount() || !CheckLinks(order).isEmpty())
        return QStringLiteral("sorting lost positions");
    return {};
}

inline QString FuzzSelection(const uint8_t* data, size_t size)
{
    vx::TScriptedInteraction ui;
    ui.DefaultConfirm = true;
    vx::TScopedUI scope(&ui);

    vx::TvxfOrderSelection sel;
    vx::TSpecStream in(Bytes(data, size));
    try {
        sel.LoadFromStream(in);
    } catch (const vx::EValtrixError&) {
    }
    for (int i = 0; i < sel.ItemCount(); ++i)
        if (sel.Item(i)->Owner != &sel)
            return QStringLiteral("an item does not point to its selection");

    vx::TSpecStream first;
    sel.SaveToStream(first);
    first.Seek(0);
    const qsizetype shown = ui.Shown.size();
    vx::TvxfOrderSelection again;
    try {
        again.LoadFromStream(first);
    } catch (const vx::EValtrixError& e) {
        return QStringLiteral("a saved selection does not load: ") + e.message();
    }
    if (ui.Shown.size() != shown)
        return QStringLiteral("loading a saved selection shows: ") + ui.Shown.last().Text;
    vx::TSpecStream second;
    again.SaveToStream(second);
    if (second.Data() != first.Data())
        return QStringLiteral("a saved selection loads different from what was saved");

    sel.SortByName();
    sel.SortByFile();
    sel.OrderNumbers();
    if (sel.ItemCount() != again.ItemCount())
        return QStringLiteral("sorting lost items");
    return {};
}

} // namespace vxfuzz
