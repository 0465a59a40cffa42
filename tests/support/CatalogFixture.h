#pragma once
#include "config/VXFSetupX.h"
#include "db/VXDataModule.h"
#include "foundation/VXUserInteraction.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <utility>

namespace vxtest {

// A fresh, empty catalog database with the real schema in a temporary directory, a data module
// over it with every catalog table open, and a settings object; both are installed (DM(),
// Setup()) for the fixture's life and the previous ones put back afterwards. Messages the core
// shows are recorded in UI instead of reaching a console.
//
//   vxtest::TCatalogFixture fx;
//   fx.Add("Catalog.DB", {{"ID", "A1"}, {"Price", 12.5}, {"Currency", 1}});
//   fx.AddRows("Currency.DB", {"ID", "Name", "Value"}, {{1, "руб", 1}, {2, "EUR", 98.7654}});
//   fx.SetOrderContext(1, {{1, 1.0f}, {2, 98.7654f}});
//
// Rows written here are seen by the open table objects at their next read.
class TCatalogFixture {
public:
    // Field name (case-insensitive) and value; an invalid QVariant writes an empty field.
    using TRow = QList<std::pair<QString, QVariant>>;

    TCatalogFixture();
    ~TCatalogFixture();
    TCatalogFixture(const TCatalogFixture&) = delete;
    TCatalogFixture& operator=(const TCatalogFixture&) = delete;

    vx::TDM& DM() { return *Module; }
    vx::TvxfSetup& Setup() { return *Settings; }
    QString Directory() const { return CatalogDir; }

    // Inserts one row into a catalog table named by its file name ("FrnSet.DB"). Unnamed
    // fields stay empty; an unknown field name or a value that does not fit raises.
    void Add(const QString& table, const TRow& row);
    // Inserts several rows, each giving the values of the named fields in that order.
    void AddRows(const QString& table, const QStringList& fields, const QList<QVariantList>& rows);
    // Deletes every row of a table.
    void Clear(const QString& table);

    // The current-order context the catalog service prices with.
    void SetOrderContext(int currency, const QList<vx::TRateEntry>& rates, float ndsTax = 20);

    vx::TScriptedInteraction UI;

private:
    QTemporaryDir Temp;
    QString CatalogDir;
    vx::TScopedUI ScopedUI{&UI};
    std::unique_ptr<vx::TDM> Module;
    std::unique_ptr<vx::TvxfSetup> Settings;
    vx::TDM* PreviousDM = nullptr;
    vx::TvxfSetup* PreviousSetup = nullptr;
};

} // namespace vxtest
