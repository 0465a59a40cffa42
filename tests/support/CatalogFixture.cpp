#include "CatalogFixture.h"
#include "db/VXSchema.h"
#include "foundation/VXError.h"

namespace vxtest {

TCatalogFixture::TCatalogFixture()
{
    if (!Temp.isValid())
        throw vx::EValtrixError(QStringLiteral("Невозможно создать временный каталог!"));
    CatalogDir = Temp.path() + QStringLiteral("/catalog");
    vx::CreateEmptyDatabase(vx::Alias::Catalog, CatalogDir);

    Module = std::make_unique<vx::TDM>();
    Module->ConnectCatalog(CatalogDir);
    // Test rows need no durability: without syncing, hundreds of inserts take milliseconds.
    Module->DB_Catalog.ExecSQL(QStringLiteral("PRAGMA synchronous = OFF"));
    if (!Module->OpenCatalog())
        throw vx::EValtrixError(QStringLiteral("Каталог не открыт: %1").arg(Module->FailedTables().join(QStringLiteral(", "))));

    // A settings file that does not exist: nothing is read, and nothing is stored at the end.
    Settings = std::make_unique<vx::TvxfSetup>(Temp.path() + QStringLiteral("/absent/VXFurniture.ini"));

    PreviousDM = vx::HasDM() ? &vx::DM() : nullptr;
    PreviousSetup = vx::HasSetup() ? &vx::Setup() : nullptr;
    vx::SetDM(Module.get());
    vx::SetSetup(Settings.get());
}

TCatalogFixture::~TCatalogFixture()
{
    if (vx::HasSetup() && &vx::Setup() == Settings.get())
        vx::SetSetup(PreviousSetup);
    if (vx::HasDM() && &vx::DM() == Module.get())
        vx::SetDM(PreviousDM);
    Module.reset();
    Settings.reset();
}

namespace {

void InsertRow(vx::TBulkInsert& insert, const QString& table, const TCatalogFixture::TRow& row)
{
    const vx::TTableDef& def = insert.Def();
    QHash<QString, QVariant> values;
    for (const auto& [name, value] : row) {
        const vx::TFieldDef* field = def.FindField(name);
        if (!field || field->Kind != vx::TFieldKind::Data)
            throw vx::EValtrixError(QStringLiteral("Нет поля [%1] в таблице [%2]!").arg(name, table));
        values.insert(field->Name, value);
    }
    insert.Insert(values);
}

} // namespace

void TCatalogFixture::Add(const QString& table, const TRow& row)
{
    vx::TBulkInsert insert(Module->DB_Catalog, table);
    InsertRow(insert, table, row);
}

void TCatalogFixture::AddRows(const QString& table, const QStringList& fields, const QList<QVariantList>& rows)
{
    vx::TBulkInsert insert(Module->DB_Catalog, table);
    for (const QVariantList& values : rows) {
        if (values.size() != fields.size())
            throw vx::EValtrixError(QStringLiteral("Число значений не равно числу полей [%1] таблицы [%2]!")
                                        .arg(fields.join(QLatin1Char(';')), table));
        TRow row;
        for (int i = 0; i < fields.size(); ++i)
            row.append({fields[i], values[i]});
        InsertRow(insert, table, row);
    }
}

void TCatalogFixture::Clear(const QString& table)
{
    Module->DB_Catalog.EmptyTable(table);
}

void TCatalogFixture::SetOrderContext(int currency, const QList<vx::TRateEntry>& rates, float ndsTax)
{
    Settings->SetOrderContext(currency, ndsTax, rates);
}

} // namespace vxtest
