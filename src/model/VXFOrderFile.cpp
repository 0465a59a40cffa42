#include "model/VXFOrderFile.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFPositionRecords.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXSpecStream.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"

namespace vx {

namespace {

// Since this version the order carries the four technical codes instead of two texts.
const int Since20091210 = VersionKey(QStringLiteral("10.12.2009"));

constexpr qint64 CurrencyRecordBytes = 2 * 16;

// A little more than the bytes of the order record: a large order is then encoded into one
// block instead of a chain of ever larger copies. Pages never written cost nothing.
qsizetype EstimatedBytes(const TvxfOrder& o)
{
    qsizetype n = 2048 + TextListToString(o.Notes).size() + 32 * qsizetype(o.Rates.size());
    for (int i = 0; i < o.PositionCount(); ++i) {
        const TvxfConstruction& p = *o.Position(i);
        n += 512 + p.PosNo.size() + p.Name.size() + p.FurnSys.size() + p.ProfSys.size() + p.Color.size();
        for (const QString& line : p.ExtraLines)
            n += line.size() + 2;
        for (const TvxfFlugel* f : {p.LeftFlugel.get(), p.RightFlugel.get()}) {
            n += 128 + 32 * qsizetype(f->Points.size()) + 192 * qsizetype(f->Lines.size());
            for (const auto& m : f->MatList)
                n += 104 + m->Article.size();
            if (!f->FurnComp)
                continue;
            const TvxfFurnComp& c = *f->FurnComp;
            n += 512 + TextListToString(c.Props).size() + TextListToString(c.ExtraComplects).size();
            for (const auto& item : c.Items)
                n += 128 + item->Article.size() + item->Origin.size() + item->Note.size() + item->ComplectKey.size();
        }
    }
    return n;
}

} // namespace

bool AcceptFileVersion(const QString& fileVersion, const QString& currentVersion, const QString& question,
                       const QString& newerWarning, bool& converted)
{
    if (fileVersion == currentVersion)
        return true;
    if (VersionKey(fileVersion) < VersionKey(currentVersion)) {
        if (!Confirm(question.arg(fileVersion, currentVersion)))
            return false;
        converted = true;
        return true;
    }
    ShowWarning(newerWarning.arg(currentVersion, fileVersion));
    return false;
}

bool SaveStreamToFile(const TSpecStream& s, const QString& fileName, const QString& failureMessage)
{
    try {
        s.SaveToFile(ResolvePath(fileName));
        return true;
    } catch (const std::exception& e) {
        ShowError(failureMessage.arg(ExceptionText(e)));
        return false;
    }
}

void WriteRates(TSpecStream& s, const TRateList& rates)
{
    s.WriteValue(int32_t(rates.size()));
    for (const auto& r : rates)
        r->Write(s);
}

void ReadRates(TSpecStream& s, TRateList& rates, const QString& version)
{
    rates.clear();
    const int32_t n = ReadRecordCount(s, CurrencyRecordBytes);
    // A cut file ends the list where its data end.
    for (int32_t i = 0; i < n && !s.AtEnd(); ++i) {
        auto r = std::make_unique<TvxfCurrencyItem>();
        r->Read(s, version);
        rates.push_back(std::move(r));
    }
}

void WriteOrder(TSpecStream& s, const TvxfOrder& o)
{
    s.WriteValue(o.Signature);
    s.WriteValue(OrderFileVersion);
    s.WriteValue(o.Reserved1);
    s.WriteValue(o.Reserved2);
    s.WriteValue(o.Created);
    s.WriteValue(o.Modified);
    s.WriteValue(o.Reserved3);
    for (const QString* text : {&o.OrderNo, &o.AltOrderNo, &o.Customer, &o.ObjectName, &o.Address, &o.Phones, &o.Rem})
        s.WriteValue(*text);
    s.WriteValue(o.RegDate);
    s.WriteValue(o.RegDateSet);
    for (const QString* text :
         {&o.ProfSys, &o.InnerProfColor, &o.OuterProfColor, &o.FurnSys, &o.FurnColor, &o.Handle})
        s.WriteValue(*text);
    for (int32_t value : {o.FalzType, o.DornType, o.StulpFalzType, o.FlugelType, o.PriceGrpNo})
        s.WriteValue(value);
    s.WriteValue(o.NDSTax);
    s.WriteValue(o.TotalNDS);
    s.WriteValue(o.ShowIncludingNDS);
    WriteRates(s, o.Rates);
    s.WriteValue(o.Currency);
    s.WriteValue(TextListToString(o.Notes));
    s.WriteValue(int32_t(o.PositionCount()));
    for (int i = 0; i < o.PositionCount(); ++i)
        WritePosition(s, *o.Position(i));
}

void ReadOrder(TSpecStream& s, TvxfOrder& o, bool& converted)
{
    o.Signature = s.ReadString();
    o.Version = s.ReadString();
    o.Reserved1 = s.ReadInt();
    o.Reserved2 = s.ReadInt();
    o.Created = s.ReadDate();
    o.Modified = s.ReadDate();
    o.Reserved3 = s.ReadInt();
    if (!AcceptFileVersion(
            o.Version, OrderFileVersion,
            QStringLiteral("Необходимо конвертировать файл заказа!\r\nЗагружаемая версия: %1\r\nТекущая версия: %2"),
            QStringLiteral("Вы пытаетесь открыть заказ, созданный более новой версией программы, чем текущая.\r\n"
                           "Данный модуль технолога поддерживает файлы заказа\r\nверсии не старше: %1!\r\n"
                           "Загружаемая версия: %2"),
            converted))
        return;
    const QString version = o.Version;
    const TFileVersion v(version);

    for (QString* text : {&o.OrderNo, &o.AltOrderNo, &o.Customer, &o.ObjectName, &o.Address, &o.Phones, &o.Rem})
        *text = s.ReadString();
    o.RegDate = s.ReadDate();
    o.RegDateSet = s.ReadBool();
    for (QString* text : {&o.ProfSys, &o.InnerProfColor, &o.OuterProfColor, &o.FurnSys, &o.FurnColor, &o.Handle})
        *text = s.ReadString();
    if (v.Since(Since20091210)) {
        for (int32_t* value : {&o.FalzType, &o.DornType, &o.StulpFalzType, &o.FlugelType})
            *value = s.ReadInt();
    } else {
        // Two texts of the first files that nothing reads any more.
        s.ReadString();
        s.ReadString();
    }
    o.PriceGrpNo = s.ReadInt();
    o.NDSTax = s.ReadSingle();
    o.TotalNDS = s.ReadBool();
    o.ShowIncludingNDS = s.ReadBool();
    ReadRates(s, o.Rates, version);
    o.Currency = s.ReadInt();
    o.Notes = TextListFromString(s.ReadString());

    o.ClearPositions();
    const int32_t n = ReadRecordCount(s, PositionRecordMinBytes);
    for (int32_t i = 0; i < n && !s.AtEnd(); ++i) {
        // Only a position read to its end joins the order.
        auto p = std::make_unique<TvxfConstruction>(&o);
        ReadPosition(s, *p, version);
        o.AddPosition(std::move(p));
    }
}

// ---------------------------------------------------------------------------------------------

void TvxfOrder::SaveToStream(TSpecStream& stream) const
{
    WriteOrder(stream, *this);
}

void TvxfOrder::LoadFromStream(TSpecStream& stream, bool* converted)
{
    bool c = false;
    try {
        ReadOrder(stream, *this, c);
    } catch (...) {
        if (converted)
            *converted = c;
        throw;
    }
    if (converted)
        *converted = c;
}

bool TvxfOrder::SaveToFile(const QString& fileName)
{
    Version = OrderFileVersion;
    const QString failure = QStringLiteral("Ошибка сохранения заказа!\r\n(%1)");
    TSpecStream s;
    try {
        QByteArray buffer;
        buffer.reserve(EstimatedBytes(*this));
        s = TSpecStream(std::move(buffer));
        SaveToStream(s);
    } catch (const std::exception& e) {
        ShowError(failure.arg(ExceptionText(e)));
        return false;
    }
    return SaveStreamToFile(s, fileName, failure);
}

bool TvxfOrder::LoadFromFile(const QString& fileName, bool* converted)
{
    if (converted)
        *converted = false;
    try {
        TSpecStream s;
        s.LoadFromFile(ResolvePath(fileName));
        LoadFromStream(s, converted);
        return true;
    } catch (const std::exception& e) {
        ShowError(QStringLiteral("Ошибка загрузки заказа!\r\n(%1)").arg(ExceptionText(e)));
        return false;
    }
}

} // namespace vx
