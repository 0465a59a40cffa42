#pragma once
#include "model/VXFMatListItem.h"
#include "reports/VXReportEngine.h"
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <memory>

class QPainter;
class QRect;

namespace vx {

class TvxfConstruction;
class TvxfFurnComp;
class TvxfOrder;
class TvxfOrderSelection;
struct TvxfOrderSelectionItem;

// The report data provider: what every template reads about the order or selection being
// printed. Five datasets walk positions, sash complects, complect items and a material list;
// variables and functions are answered through the report's callbacks; sketch objects are bound
// to the current position before they are printed.
//
// Use: SetSource, load the template, AttachReport, build and output, ClearSource.
class TDM_Report {
public:
    TDM_Report();
    ~TDM_Report();
    TDM_Report(const TDM_Report&) = delete;
    TDM_Report& operator=(const TDM_Report&) = delete;

    // The other source, the current position and the current selection item are cleared.
    void SetSource(TvxfOrder* order);
    void SetSource(TvxfOrderSelection* selection);
    // Installs the datasets and callbacks on the report and remembers it.
    void AttachReport(TfrReport* report);
    // Forgets the sources and everything read for them, and frees the material list.
    void ClearSource();

    TfrUserDataset frdOrderPosSpec;
    TfrUserDataset frdSelPosSpec;
    TfrUserDataset frdFrameFurnCompSpec;
    TfrUserDataset frdFurnCompItemSpec;
    TfrUserDataset frdOrderMatList;

    // The callbacks, callable directly.
    void GetValue(const QString& name, QVariant& value);
    bool UserFunction(const QString& name, const QStringList& params, QVariant& value);
    void BeforePrint(TfrView& view);

    TvxfOrder* SourceOrder() const { return FOrder; }
    TvxfOrderSelection* SourceSelection() const { return FSelection; }
    TvxfConstruction* CurrentPosition() const { return FPosition; }
    TvxfOrderSelectionItem* CurrentSelectionItem() const { return FSelItem; }
    TvxfFurnComp* CurrentComplect() const { return FComplect; }
    const TMatList* MaterialList() const { return FMatList.get(); }

    // The sketch objects' draw routine: the construction's sketch with all dimension rows.
    static void DrawConstruction(QPainter& canvas, const QRect& rect, void* data);

private:
    TvxfOrder* FOrder = nullptr;
    TvxfOrderSelection* FSelection = nullptr;
    int FPosIndex = -1;
    TvxfConstruction* FPosition = nullptr;
    TvxfOrderSelectionItem* FSelItem = nullptr;
    TvxfFurnComp* FComplect = nullptr;
    int FItemIndex = 0;
    std::unique_ptr<TMatList> FMatList;
    int FMatIndex = 0;
    TfrReport* FReport = nullptr;
    // Orders read for selection rows by their expanded path (nullptr: missing or unreadable);
    // they stay until ClearSource, so that the bound sketches outlive the rows.
    std::map<QString, std::unique_ptr<TvxfOrder>> FLoaded;

    void OrderPosFirst();
    void OrderPosNext();
    void SelPosFirst();
    void SelPosNext();
    void SelectSelectionItem(int index);
    TvxfOrder* LoadedOrder(const QString& storedPath);
    void SetPosition(TvxfConstruction* position);

    QString Param(const QStringList& params, int index);
    void InitMatList(bool selection, const QString& mode);

    bool FirmVariable(const QString& name, QVariant& value) const;
    bool OrderVariable(const QString& name, QVariant& value) const;
    bool PositionVariable(const QString& name, QVariant& value) const;
    bool SelectionVariable(const QString& name, QVariant& value);
    bool MaterialVariable(const QString& name, QVariant& value) const;
    bool ComplectVariable(const QString& name, QVariant& value) const;
    bool ItemVariable(const QString& name, QVariant& value) const;
};

// The provider of the running program, made at first use.
TDM_Report& DM_Report();

} // namespace vx
