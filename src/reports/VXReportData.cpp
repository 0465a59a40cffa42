#include "reports/VXReportData.h"
#include "config/CfgList.h"
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "editing/VXFSizing.h"
#include "engine/VXFConstruction.h"
#include "engine/VXFFurnComp.h"
#include "engine/VXFService.h"
#include "foundation/VXCodePage.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXExpression.h"
#include "foundation/VXUserInteraction.h"
#include "model/VXFOrder.h"
#include "model/VXFOrderSelection.h"
#include "reports/VXAmountInWords.h"
#include "reports/VXFRDrawView.h"
#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace vx {

namespace {

QString Upper(const QString& s) { return s.toUpper(); }

// A single-precision field as the decimal it was entered as (1585.2, not 1585.19995117188).
double FloatValue(float f) { return QString::number(double(f), 'g', 7).toDouble(); }

bool Is(const QString& name, const char* wanted) { return name == QLatin1String(wanted); }

// A catalog field of an article as stored; empty when the article or the field is missing.
QVariant CatalogValue(const QString& article, const QString& field)
{
    if (article.isEmpty() || !FindArticle(article))
        return QString();
    TField* f = DM().T_Catalog.FindField(field);
    return f ? f->AsVariant() : QVariant(QString());
}

// The field names of the "_FCIS_" and "_OMS_" forms.
QString CatalogFieldOf(const QString& suffix)
{
    static const QHash<QString, QString> fields = {
        {QStringLiteral("ARTICLE"), QStringLiteral("Article")},
        {QStringLiteral("PRODARTICLE"), QStringLiteral("ProdArticle")},
        {QStringLiteral("PRODARTICLE1"), QStringLiteral("ProdArticle1")},
        {QStringLiteral("PRODARTICLE2"), QStringLiteral("ProdArticle2")},
        {QStringLiteral("PRODARTICLE3"), QStringLiteral("ProdArticle3")},
        {QStringLiteral("NAME"), QStringLiteral("Name")},
        {QStringLiteral("SHORTNAME"), QStringLiteral("ShortName")},
        {QStringLiteral("GOST"), QStringLiteral("GOST")},
        {QStringLiteral("UNIT"), QStringLiteral("Unit")},
        {QStringLiteral("PRINTABLE"), QStringLiteral("Printable")},
    };
    return fields.value(suffix);
}

bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(ResolvePath(path)).isFile(); }

// The IDs of the complect's properties found in the system properties table, each once.
QString PropertyList(const TvxfFurnComp& comp, bool printableOnly)
{
    QStringList ids;
    TTable& t = DM().T_SysProp;
    const QStringList tokens = comp.Props.join(QLatin1Char(';')).split(QLatin1Char(';'));
    for (const QString& raw : tokens) {
        const QString id = raw.trimmed().mid(2);
        bool ok = false;
        const int key = id.toInt(&ok);
        if (!ok || ids.contains(id) || !t.Locate(QStringLiteral("ID"), key))
            continue;
        if (printableOnly && t.FieldByName(QStringLiteral("Printable"))->AsInteger() != 1)
            continue;
        ids << id;
    }
    return ids.join(QLatin1Char(';'));
}

QStringList TrimmedTokens(const QString& list)
{
    QStringList out;
    for (const QString& t : list.split(QLatin1Char(';')))
        out << t.trimmed();
    return out;
}

} // namespace

TDM_Report::TDM_Report()
{
    frdOrderPosSpec.Name = QStringLiteral("frdOrderPosSpec");
    frdOrderPosSpec.OnFirst = [this] { OrderPosFirst(); };
    frdOrderPosSpec.OnNext = [this] { OrderPosNext(); };
    frdOrderPosSpec.OnCheckEOF = [this] { return FPosition == nullptr; };

    frdSelPosSpec.Name = QStringLiteral("frdSelPosSpec");
    frdSelPosSpec.OnFirst = [this] { SelPosFirst(); };
    frdSelPosSpec.OnNext = [this] { SelPosNext(); };
    frdSelPosSpec.OnCheckEOF = [this] { return FSelItem == nullptr; };

    frdFrameFurnCompSpec.Name = QStringLiteral("frdFrameFurnCompSpec");
    frdFrameFurnCompSpec.OnFirst = [this] {
        TvxfFlugel* f = FPosition ? FPosition->FirstFlugel() : nullptr;
        FComplect = f ? f->FurnComp.get() : nullptr;
        FItemIndex = 0;
    };
    frdFrameFurnCompSpec.OnNext = [this] {
        TvxfFlugel* f = FPosition && FComplect ? FPosition->NextFlugel() : nullptr;
        FComplect = f ? f->FurnComp.get() : nullptr;
        FItemIndex = 0;
    };
    frdFrameFurnCompSpec.OnPrior = [] {};
    frdFrameFurnCompSpec.OnCheckEOF = [this] { return FComplect == nullptr; };

    frdFurnCompItemSpec.Name = QStringLiteral("frdFurnCompItemSpec");
    frdFurnCompItemSpec.OnFirst = [this] { FItemIndex = 0; };
    frdFurnCompItemSpec.OnNext = [this] { ++FItemIndex; };
    frdFurnCompItemSpec.OnPrior = [this] { --FItemIndex; };
    frdFurnCompItemSpec.OnCheckEOF = [this] {
        return !FComplect || FItemIndex < 0 || FItemIndex >= int(FComplect->Items.size());
    };

    frdOrderMatList.Name = QStringLiteral("frdOrderMatList");
    frdOrderMatList.OnFirst = [this] { FMatIndex = 0; };
    frdOrderMatList.OnNext = [this] { ++FMatIndex; };
    frdOrderMatList.OnPrior = [this] { --FMatIndex; };
    frdOrderMatList.OnCheckEOF = [this] { return !FMatList || FMatIndex < 0 || FMatIndex >= int(FMatList->size()); };
}

TDM_Report::~TDM_Report() = default;

TDM_Report& DM_Report()
{
    static TDM_Report provider;
    return provider;
}

// ---------------------------------------------------------------------------------------------
// Sources

void TDM_Report::SetSource(TvxfOrder* order)
{
    ClearSource();
    FOrder = order;
}

void TDM_Report::SetSource(TvxfOrderSelection* selection)
{
    ClearSource();
    FSelection = selection;
}

void TDM_Report::AttachReport(TfrReport* report)
{
    FReport = report;
    if (!report)
        return;
    for (TfrUserDataset* ds : {&frdOrderPosSpec, &frdSelPosSpec, &frdFrameFurnCompSpec, &frdFurnCompItemSpec,
                               &frdOrderMatList})
        report->Datasets.insert(ds->Name, ds);
    report->OnGetValue = [this](const QString& name, QVariant& value) { GetValue(name, value); };
    report->OnBeforePrint = [this](TfrView& view) { BeforePrint(view); };
    report->OnUserFunction = [this](const QString& name, const QStringList& params, QVariant& value) {
        return UserFunction(name, params, value);
    };
}

void TDM_Report::ClearSource()
{
    FOrder = nullptr;
    FSelection = nullptr;
    FPosIndex = -1;
    FPosition = nullptr;
    FSelItem = nullptr;
    FComplect = nullptr;
    FItemIndex = 0;
    FMatList.reset();
    FMatIndex = 0;
    FLoaded.clear();
    FReport = nullptr;
}

void TDM_Report::SetPosition(TvxfConstruction* position)
{
    FPosition = position;
    FComplect = nullptr;
    FItemIndex = 0;
}

void TDM_Report::OrderPosFirst()
{
    FPosIndex = -1;
    OrderPosNext();
}

void TDM_Report::OrderPosNext()
{
    SetPosition(nullptr);
    if (!FOrder)
        return;
    for (int i = FPosIndex + 1; i < FOrder->PositionCount(); ++i)
        if (FOrder->Position(i)->Active) {
            FPosIndex = i;
            SetPosition(FOrder->Position(i));
            return;
        }
    FPosIndex = FOrder->PositionCount();
}

TvxfOrder* TDM_Report::LoadedOrder(const QString& storedPath)
{
    const QString path = ExpandPath(RunPaths().OrdersDir, storedPath);
    auto it = FLoaded.find(path);
    if (it != FLoaded.end())
        return it->second.get();
    std::unique_ptr<TvxfOrder> order;
    if (IsFile(path)) {
        order = std::make_unique<TvxfOrder>();
        if (!order->LoadFromFile(ResolvePath(path)))
            order.reset();
    }
    return FLoaded.emplace(path, std::move(order)).first->second.get();
}

void TDM_Report::SelectSelectionItem(int index)
{
    FPosIndex = index;
    FSelItem = FSelection ? FSelection->Item(index) : nullptr;
    TvxfOrder* order = FSelItem ? LoadedOrder(FSelItem->OrderFile) : nullptr;
    SetPosition(order ? order->FindPosition(FSelItem->PosNo) : nullptr);
}

void TDM_Report::SelPosFirst()
{
    FPosIndex = -1;
    SelPosNext();
}

void TDM_Report::SelPosNext()
{
    FSelItem = nullptr;
    SetPosition(nullptr);
    if (!FSelection)
        return;
    for (int i = FPosIndex + 1; i < FSelection->ItemCount(); ++i)
        if (FSelection->Item(i)->Active) {
            SelectSelectionItem(i);
            return;
        }
    FPosIndex = FSelection->ItemCount();
}

// ---------------------------------------------------------------------------------------------
// Variables

void TDM_Report::GetValue(const QString& rawName, QVariant& value)
{
    const QString name = Upper(rawName);
    if (FirmVariable(name, value))
        return;
    if (FOrder && OrderVariable(name, value))
        return;
    if (FSelItem) {
        if (Is(name, "_POS_ORDERNO")) {
            value = FSelItem->OrderNo;
            return;
        }
        if (FPosition && PositionVariable(name, value))
            return;
    }
    if (FOrder && FPosition && PositionVariable(name, value))
        return;
    if (FSelection && SelectionVariable(name, value))
        return;
    if (FMatList && FMatIndex >= 0 && FMatIndex < int(FMatList->size()) && MaterialVariable(name, value))
        return;
    if (FComplect && ComplectVariable(name, value))
        return;
    if (FComplect && FItemIndex >= 0 && FItemIndex < int(FComplect->Items.size()))
        ItemVariable(name, value);
}

bool TDM_Report::FirmVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_VXF_")))
        return false;
    if (Is(name, "_VXF_CONFIGNAME")) {
        value = RunPaths().ConfigName;
        return true;
    }
    if (!HasSetup())
        return false;
    const TvxfSetup& s = Setup();
    const QHash<QString, const QString*> fields = {
        {QStringLiteral("_VXF_FIRMNAME"), &s.FirmName},         {QStringLiteral("_VXF_ADDRESS"), &s.FirmAddress},
        {QStringLiteral("_VXF_JUSTADDRESS"), &s.FirmJustAddress}, {QStringLiteral("_VXF_ZIPCODE"), &s.FirmZipCode},
        {QStringLiteral("_VXF_PHONE_1"), &s.FirmPhone1},         {QStringLiteral("_VXF_PHONE_2"), &s.FirmPhone2},
        {QStringLiteral("_VXF_PHONE_3"), &s.FirmPhone3},         {QStringLiteral("_VXF_FAX"), &s.FirmFax},
        {QStringLiteral("_VXF_EMAIL"), &s.FirmEMail},            {QStringLiteral("_VXF_INTERNET"), &s.FirmInternet},
        {QStringLiteral("_VXF_INN"), &s.FirmINN},                {QStringLiteral("_VXF_ACCOUNT"), &s.FirmAccount},
        {QStringLiteral("_VXF_DIRECTOR"), &s.FirmDirector},      {QStringLiteral("_VXF_BOOKKEEPER"), &s.FirmBookKeeper},
    };
    if (const QString* f = fields.value(name)) {
        value = *f;
        return true;
    }
    if (Is(name, "_VXF_PHONES")) {
        value = s.FirmPhones();
        return true;
    }
    return false;
}

bool TDM_Report::OrderVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_ORDER_")))
        return false;
    const TvxfOrder& o = *FOrder;
    if (Is(name, "_ORDER_NO")) value = o.OrderNo;
    else if (Is(name, "_ORDER_ALTNO")) value = o.AltOrderNo;
    else if (Is(name, "_ORDER_CUSTOMER")) value = o.Customer;
    else if (Is(name, "_ORDER_OBJ")) value = o.ObjectName;
    else if (Is(name, "_ORDER_ADDRESS")) value = o.Address;
    else if (Is(name, "_ORDER_PHONE")) value = o.Phones;
    else if (Is(name, "_ORDER_REMARK")) value = o.Rem;
    else if (Is(name, "_ORDER_DATE")) value = o.RegDate.date();
    else if (Is(name, "_ORDER_FURNSYS")) value = SystemName(o.FurnSys);
    else if (Is(name, "_ORDER_FURNCOLOR")) value = ColorName(o.FurnColor);
    else if (Is(name, "_ORDER_PROFSYS")) value = ProfSysName(o.ProfSys);
    else if (Is(name, "_ORDER_PRICEGROUPNO")) value = int(o.PriceGrpNo);
    else if (Is(name, "_ORDER_GETTOTALNDS")) value = o.TotalNDS;
    else if (Is(name, "_ORDER_SHOWINCLUDENDS")) value = o.ShowIncludingNDS;
    else if (Is(name, "_ORDER_NDSTAX")) value = FloatValue(o.NDSTax);
    else if (Is(name, "_ORDER_CURRENCY")) value = CurrencyName(o.Currency);
    else return false;
    return true;
}

bool TDM_Report::PositionVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_POS_")))
        return false;
    const TvxfConstruction& p = *FPosition;
    if (Is(name, "_POS_NO")) value = p.PosNo;
    else if (Is(name, "_POS_NAME")) value = p.Name;
    else if (Is(name, "_POS_NUMBER")) value = int(p.Num);
    else if (Is(name, "_POS_OBJECTTYPE")) value = int(p.ObjType);
    else if (Is(name, "_POS_NOTE")) value = p.ExtraLines.join(QStringLiteral("\r\n"));
    else if (Is(name, "_POS_PROFSYS")) value = ProfSysName(p.ProfSys);
    else if (Is(name, "_POS_FURNSYS")) value = SystemName(p.FurnSys);
    else if (Is(name, "_POS_COLOR")) value = ColorName(p.Color);
    else return false;
    return true;
}

bool TDM_Report::SelectionVariable(const QString& name, QVariant& value)
{
    if (!name.startsWith(QLatin1String("_SEL_")))
        return false;
    const TvxfOrderSelection& s = *FSelection;
    if (Is(name, "_SEL_NO")) value = s.SelectionNo;
    else if (Is(name, "_SEL_DATE")) value = s.RegDate.date();
    else if (Is(name, "_SEL_NAME")) value = s.Name;
    else if (Is(name, "_SEL_NOTE")) value = s.Notes.join(QStringLiteral("\r\n"));
    else if (Is(name, "_SEL_PRICEGROUPNO")) value = int(s.PriceGrpNo);
    else if (Is(name, "_SEL_NDSTAX")) value = FloatValue(s.NDSTax);
    else if (Is(name, "_SEL_CURRENCY")) value = CurrencyName(s.Currency);
    else if (Is(name, "_SEL_ORDERLIST")) {
        QStringList numbers;
        QString previous;
        for (int i = 0; i < s.ItemCount(); ++i) {
            const QString path = ExpandPath(RunPaths().OrdersDir, s.Item(i)->OrderFile);
            if (i > 0 && path == previous)
                continue;
            previous = path;
            if (const TvxfOrder* o = LoadedOrder(s.Item(i)->OrderFile))
                numbers << o->OrderNo;
        }
        value = numbers.join(QLatin1Char(','));
    } else
        return false;
    return true;
}

bool TDM_Report::MaterialVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_OMS_")))
        return false;
    const TvxfMatListItem& m = *(*FMatList)[size_t(FMatIndex)];
    const QString suffix = name.mid(5);
    if (Is(name, "_OMS_ID"))
        value = m.Article;
    else if (Is(name, "_OMS_NAME") || Is(name, "_OMS_UNIT")) {
        const bool isName = Is(name, "_OMS_NAME");
        if (!FindArticle(m.Article))
            throw EValtrixError(QStringLiteral("В каталоге отсутствуют данные для [%1]!\r\n(Поиск [%2] через [Код])")
                                    .arg(m.Article, isName ? QStringLiteral("Наименование") : QStringLiteral("Ед.изм")));
        value = DM().T_Catalog.FieldByName(isName ? QStringLiteral("Name") : QStringLiteral("Unit"))->AsString();
    } else if (suffix.startsWith(QLatin1String("ARTICLE")) || suffix.startsWith(QLatin1String("PRODARTICLE"))) {
        const QString field = CatalogFieldOf(suffix);
        if (field.isEmpty())
            return false;
        value = CatalogValue(m.Article, field);
    } else if (Is(name, "_OMS_NUMBER"))
        value = FloatValue(m.Quantity);
    else if (Is(name, "_OMS_PRICE"))
        value = m.NetPrice.toDouble();
    else if (Is(name, "_OMS_COST"))
        value = m.Sum.toDouble();
    else
        return false;
    return true;
}

bool TDM_Report::ComplectVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_CFCS_")))
        return false;
    const TvxfFurnComp& c = *FComplect;
    const TvxfFlugel* sash = c.Owner;
    if (Is(name, "_CFCS_FALZSIZE_WIDTH") || Is(name, "_CFCS_FALZSIZE_HEIGHT")) {
        if (!sash)
            return false;
        int32_t w = 0, h = 0;
        sash->Size(w, h);
        value = Is(name, "_CFCS_FALZSIZE_WIDTH") ? int(w) : int(h);
    } else if (Is(name, "_CFCS_HANDLEHEIGHT")) {
        if (!sash)
            return false;
        value = sash->HandledSide() >= 0 ? int(sash->HandleHeight()) : 0;
    } else if (Is(name, "_CFCS_FURNSYS"))
        value = SystemName(c.FurnSys);
    else if (Is(name, "_CFCS_PROFSYS"))
        value = ProfSysName(c.ProfSys);
    else if (Is(name, "_CFCS_FURNCOLOR"))
        value = ColorName(c.Color);
    else if (Is(name, "_CFCS_COMPLECTNAME") || Is(name, "_CFCS_PRINTABLE")) {
        QString printName;
        const bool printable = ComplectPrint(c.Complect, printName);
        if (Is(name, "_CFCS_PRINTABLE"))
            value = printable;
        else
            value = printName;
    } else if (Is(name, "_CFCS_PROPERTY"))
        value = PropertyList(c, true);
    else if (Is(name, "_CFCS_ALLPROPERTY"))
        value = PropertyList(c, false);
    else
        return false;
    return true;
}

bool TDM_Report::ItemVariable(const QString& name, QVariant& value) const
{
    if (!name.startsWith(QLatin1String("_FCIS_")))
        return false;
    const TvxfFurnItem& item = *FComplect->Items[size_t(FItemIndex)];
    const QString suffix = name.mid(6);
    if (Is(name, "_FCIS_INDEX"))
        value = FItemIndex;
    else if (Is(name, "_FCIS_ID"))
        value = item.Article;
    else if (!CatalogFieldOf(suffix).isEmpty())
        value = CatalogValue(item.Article, CatalogFieldOf(suffix));
    else if (Is(name, "_FCIS_SIDENO"))
        value = int(item.SideNo);
    else if (Is(name, "_FCIS_PARENTCOMPLECT"))
        value = item.ComplectKey;
    else if (Is(name, "_FCIS_PARENTCOMPLECT_NAME")) {
        QString complectName;
        if (!ComplectNameOpt(item.ComplectKey, complectName))
            throw EValtrixError(QStringLiteral("В БД комплектов фурнитур отсутствуют\r\nданные для комплекта [%1]")
                                    .arg(item.ComplectKey));
        value = complectName;
    } else if (Is(name, "_FCIS_LENGTH"))
        value = FloatValue(item.Length);
    else if (Is(name, "_FCIS_COUNT"))
        value = int(item.Count);
    else if (Is(name, "_FCIS_HISTORY"))
        value = item.Origin;
    else if (Is(name, "_FCIS_COMMENT"))
        value = item.Note;
    else
        return false;
    return true;
}

// ---------------------------------------------------------------------------------------------
// Functions

QString TDM_Report::Param(const QStringList& params, int index)
{
    if (index >= params.size() || params[index].trimmed().isEmpty() || !FReport)
        return QString();
    try {
        return ExprValueText(FReport->Evaluate(params[index]));
    } catch (const std::exception&) {
        return QString();
    }
}

void TDM_Report::InitMatList(bool selection, const QString& mode)
{
    if (FMatList)
        FMatList->clear();
    else
        FMatList = std::make_unique<TMatList>();
    FMatIndex = 0;
    TMatList& list = *FMatList;
    try {
        if (selection && FSelection)
            FSelection->CollectMaterials(&list);
        else if (!selection && FOrder)
            FOrder->CollectMaterials(&list);
        if (mode == QLatin1String("SORT_BY_NAME")) {
            // Names are read before sorting: a missing article stops the sort before it moves
            // anything, instead of in the middle of it.
            std::vector<std::pair<QByteArray, TvxfMatListItem*>> keyed;
            keyed.reserve(list.size());
            for (const auto& m : list)
                keyed.emplace_back(ToCp1251(ArticleName(m->Article)), m.get());
            std::vector<size_t> order(list.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::stable_sort(order.begin(), order.end(),
                             [&keyed](size_t a, size_t b) { return keyed[a].first < keyed[b].first; });
            TMatList sorted;
            sorted.reserve(list.size());
            for (size_t i : order)
                sorted.push_back(std::move(list[i]));
            list.swap(sorted);
        } else {
            std::stable_sort(list.begin(), list.end(),
                             [](const auto& a, const auto& b) { return ByArticle(*a, *b) < 0; });
        }
    } catch (const EValtrixError& e) {
        ShowError(e.message());
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
    }
}

bool TDM_Report::UserFunction(const QString& rawName, const QStringList& params, QVariant& value)
{
    const QString name = Upper(rawName);
    if (name.contains(QLatin1String("_INIT_"))) {
        if (Is(name, "_INIT_ORDERMATLIST"))
            InitMatList(false, Param(params, 0));
        else if (Is(name, "_INIT_SELMATLIST"))
            InitMatList(true, Param(params, 0));
        return true;
    }
    if (Is(name, "_LOADLOGO")) {
        auto* logo = FReport ? dynamic_cast<TfrPictureView*>(FReport->FindObject(QStringLiteral("LogoPicture"))) : nullptr;
        if (logo && HasSetup() && !Setup().ReportLogo.isEmpty()) {
            const QString file = ResolvePath(JoinConfigPath(RunPaths().CatalogDir, Setup().ReportLogo));
            if (QFileInfo(file).isFile())
                logo->LoadPicture(file);
        }
        return true;
    }
    if (Is(name, "_MONEYBYWORD_RUS")) {
        if (FSelection) {
            value = QString();
            return true;
        }
        TMoney amount;
        if (!TMoney::TryParse(Param(params, 0), amount))
            amount = TMoney();
        value = AmountInWords(CurrencyWordForms(FOrder ? FOrder->Currency : 0), amount);
        return true;
    }
    if (Is(name, "_GETCATALOG_FIELDBYID")) {
        const QString id = Param(params, 0), field = Param(params, 1);
        if (id.isEmpty() || field.isEmpty() || !FindArticle(id) || !DM().T_Catalog.FindField(field))
            value = QStringLiteral("???");
        else
            value = DM().T_Catalog.FindField(field)->AsString();
        return true;
    }
    if (Is(name, "_GETCATALOG_FIELDLISTBYID") || Is(name, "_GETSYSPROP_FIELDLISTBYID")) {
        const QString ids = Param(params, 0), fields = Param(params, 1);
        QString delimiter = Param(params, 2);
        if (ids.isEmpty() || fields.isEmpty()) {
            value = QStringLiteral("???");
            return true;
        }
        if (delimiter.isEmpty())
            delimiter = QStringLiteral("\r\n");
        const QStringList fieldList = TrimmedTokens(fields);
        if (Is(name, "_GETCATALOG_FIELDLISTBYID")) {
            QStringList parts;
            for (const QString& id : TrimmedTokens(ids)) {
                QString part;
                if (FindArticle(id))
                    for (const QString& f : fieldList) {
                        TField* field = DM().T_Catalog.FindField(f);
                        part += field ? field->AsString() : f;
                    }
                parts << part;
            }
            value = parts.join(delimiter);
        } else {
            TTable& t = DM().T_SysProp;
            QStringList entries;
            for (const QString& id : TrimmedTokens(ids)) {
                bool ok = false;
                const int key = id.toInt(&ok);
                if (!ok || !t.Locate(QStringLiteral("ID"), key))
                    continue;
                for (const QString& f : fieldList) {
                    TField* field = t.FindField(f);
                    const QString v = field ? field->AsString() : f;
                    // An empty value would only leave a doubled delimiter behind.
                    if (!v.isEmpty() && !entries.contains(v))
                        entries << v;
                }
            }
            value = entries.join(delimiter);
        }
        return true;
    }
    if (Is(name, "_REPLACESTR")) {
        const QString text = Param(params, 0), oldText = Param(params, 1), newText = Param(params, 2);
        value = text.isEmpty() || oldText.isEmpty() ? QString() : ReplaceText(text, oldText, newText);
        return true;
    }
    if (Is(name, "_GETFURNITEM_FIELDBYID")) {
        const QString id = Param(params, 0), field = Param(params, 1);
        TTable& t = DM().T_FrnItem;
        if (id.isEmpty() || field.isEmpty() || !t.Locate(QStringLiteral("ID"), id) || !t.FindField(field))
            value = QStringLiteral("???");
        else
            value = t.FindField(field)->AsString();
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Sketch objects

void TDM_Report::BeforePrint(TfrView& view)
{
    if (auto* sketch = dynamic_cast<TvxfFRDrawView*>(&view))
        sketch->Bind(&TDM_Report::DrawConstruction, FPosition);
}

void TDM_Report::DrawConstruction(QPainter& canvas, const QRect& rect, void* data)
{
    if (!data)
        return;
    const auto& construction = *static_cast<const TvxfConstruction*>(data);
    canvas.save();
    // The sketch keeps its screen proportions (pen widths, margins, dimension text) on devices
    // of any resolution: it is drawn at 96 dots per inch and scaled to the device.
    const double k = canvas.device() ? canvas.device()->logicalDpiX() / 96.0 : 1.0;
    QRect target = rect;
    if (k > 1.25) {
        canvas.translate(rect.topLeft());
        canvas.scale(k, k);
        target = QRect(0, 0, int(rect.width() / k), int(rect.height() / k));
    }
    QFont font(ReportFontFamily());
    font.setPixelSize(11);
    canvas.setFont(font);
    canvas.setPen(Qt::black);
    DrawConstructionSketch(canvas, target, construction, AllSizeOptions);
    canvas.restore();
}

} // namespace vx
