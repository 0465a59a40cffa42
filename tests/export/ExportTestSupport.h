#pragma once
#include "CatalogFixture.h"
#include "TestSupport.h"
#include "config/CfgList.h"
#include "engine/VXFConstruction.h"
#include "export/VXFExport.h"
#include "foundation/VXCodePage.h"
#include "model/VXFOrder.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace vxtest {

// A small catalog, a registry file and an export directory of their own for each test.
//   B-01    a hinge with both manufacturer articles
//   A-LONG  a handle whose second manufacturer article (20 characters) is longer than its column
//   C-7     a rod without manufacturer articles, sold by the metre
class ExportTest : public ::testing::Test {
protected:
    TCatalogFixture fx;
    QTemporaryDir Dir;

    void SetUp() override
    {
        qputenv("VALTRIX_REGISTRY", (Dir.path() + QStringLiteral("/user/registry.ini")).toLocal8Bit());
        vx::RunPaths().Clear();
        vx::RunPaths().ExportDir = Dir.path() + QStringLiteral("/server/Export");
        vx::RunPaths().OrdersDir = Dir.path() + QStringLiteral("/server/Orders");
        fx.AddRows("Currency.DB", {"ID", "Name", "Value"}, {{1, "руб", 1}});
        fx.AddRows("Catalog.DB", {"ID", "Name", "Unit", "ProdArticle", "ProdArticle2", "Price", "Currency"},
                   {{"B-01", "Петля верхняя", "шт", "H-200", "H-200/2", 12.5, 1},
                    {"A-LONG", "Ручка оконная", "шт", "P-100", "12345678901234567890", 100.25, 1},
                    {"C-7", "Тяга", "м", "", "", 3, 1}});
        fx.SetOrderContext(1, {{1, 1.0f}});
        fx.Setup().FirmName = QStringLiteral("ООО \"Окна\"");
        fx.Setup().FirmINN = QStringLiteral("7701234567");
    }
    void TearDown() override
    {
        qunsetenv("VALTRIX_REGISTRY");
        vx::RunPaths().Clear();
    }

    QString Path(const QString& name) const { return Dir.path() + QLatin1Char('/') + name; }
};

using TMaterial = std::tuple<QString, float, double>;   // article, quantity, price

inline void AddPosition(vx::TvxfOrder& order, const QString& posNo, int num, bool active,
                        const QList<TMaterial>& materials)
{
    auto p = std::make_unique<vx::TvxfConstruction>(&order);
    p->PosNo = posNo;
    p->Num = num;
    p->Active = active;
    for (const auto& [article, quantity, price] : materials) {
        auto m = std::make_unique<vx::TvxfMatListItem>();
        m->Article = article;
        m->Quantity = quantity;
        m->Price = m->NetPrice = vx::TMoney::FromDouble(price);
        m->Sum = m->Price.mulDouble(quantity);
        p->LeftFlugel->MatList.push_back(std::move(m));
    }
    order.AddPosition(std::move(p));
}

// Lines in Windows-1251, each ended by CR LF.
inline QByteArray Cp1251Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += vx::ToCp1251(line) + "\r\n";
    return bytes;
}

inline QByteArray FileBytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteFileBytes(const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

inline vx::TDateTime Day(int y, int m, int d)
{
    return vx::TDateTime::FromDate(QDate(y, m, d));
}

} // namespace vxtest
