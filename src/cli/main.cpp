#include "config/CfgList.h"
#include "db/VXParadoxImport.h"
#include "db/VXSchema.h"
#include "engine/VXFConstruction.h"
#include "foundation/VXCommonTools.h"
#include "foundation/VXError.h"
#include "foundation/VXUserInteraction.h"
#include "VXVersion.h"
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

using namespace vx;

namespace {

void Usage()
{
    std::fputs("Использование: valtrix-cli <команда> [параметры]\n"
               "  version                               версия программы\n"
               "  shape --figure N --width MM --height MM [--hx MM] [--hy MM] [--radius MM]\n"
               "                                        контур позиции: размеры, стороны, углы\n"
               "  catalog import-paradox SOURCE_DIR [--alias ZNDB_Catalog|ZNDB_Registry|ZNDB_Report]\n"
               "          [--config NAME | --catalog DIR --server DIR --reports DIR]\n"
               "                                        перенос таблиц Paradox в базу данных\n",
               stderr);
}

void Out(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

// Options of the form "--name value".
bool TakeOptions(const QStringList& args, QHash<QString, QString>& options)
{
    for (int i = 0; i < args.size(); ++i) {
        if (!args[i].startsWith(QLatin1String("--")) || i + 1 >= args.size())
            return false;
        options.insert(args[i].mid(2), args[i + 1]);
        ++i;
    }
    return true;
}

int ShapeCommand(const QStringList& args)
{
    QHash<QString, QString> o;
    if (!TakeOptions(args, o) || !o.contains(QStringLiteral("width")) || !o.contains(QStringLiteral("height"))) {
        Usage();
        return 2;
    }
    TShapeRecord shape;
    shape.Figure = uint8_t(o.value(QStringLiteral("figure"), QStringLiteral("0")).toInt());
    shape.Width = o.value(QStringLiteral("width")).toInt();
    shape.Height = o.value(QStringLiteral("height")).toInt();
    shape.HX = o.value(QStringLiteral("hx"), QStringLiteral("0")).toDouble();
    shape.HY = o.value(QStringLiteral("hy"), QStringLiteral("0")).toInt();
    shape.Radius1 = shape.Radius2 = o.value(QStringLiteral("radius"), QStringLiteral("0")).toFloat();
    TvxfConstruction pos;
    pos.BuildGeometry(shape, 0);
    int32_t w, h;
    pos.Size(w, h);
    Out(QStringLiteral("Позиция: %1 x %2 мм, створок: %3").arg(w).arg(h).arg(pos.HasTwoFlugels() ? 2 : 1));
    int n = 0;
    for (TvxfFlugel* f = pos.FirstFlugel(); f; f = pos.NextFlugel()) {
        f->Size(w, h);
        Out(QStringLiteral("Створка %1: %2 x %3 мм").arg(++n).arg(w).arg(h));
        for (int i = 0; i < f->SideCount(); ++i) {
            QString kind = f->IsFullSemicircle(i) ? QStringLiteral("полуокружность")
                         : f->IsArc(i)            ? QStringLiteral("дуга")
                         : f->IsEllipse(i)        ? QStringLiteral("эллипс")
                                                  : QStringLiteral("прямая");
            Out(QStringLiteral("  сторона %1: %2 мм, %3, угол %4°")
                    .arg(i + 1)
                    .arg(f->SideLength(i), 0, 'f', 1)
                    .arg(kind)
                    .arg(f->CornerAngle(i), 0, 'f', 2));
        }
    }
    return 0;
}

// The run-time directories from "--config NAME", or "--catalog/--server/--reports", or the
// registry's default configuration.
bool ResolveDirectories(const QHash<QString, QString>& o, TRunPaths& paths)
{
    if (o.contains(QStringLiteral("catalog")) || o.contains(QStringLiteral("server")) || o.contains(QStringLiteral("reports"))) {
        paths = DeriveRunPaths(o.value(QStringLiteral("catalog")), o.value(QStringLiteral("server")),
                               o.value(QStringLiteral("reports")));
        return true;
    }
    QString name = o.value(QStringLiteral("config"));
    if (name.isEmpty()) {
        TConfigList list = ListConfigurations();
        if (list.Preselected >= 0)
            name = list.Names[list.Preselected];
    }
    if (!OpenConfiguration(name, QDir::tempPath()))
        return false;
    paths = RunPaths();
    DeleteDirTree(paths.TempDir); // the command-line tool needs no temporary directory
    return true;
}

int CatalogCommand(QStringList args)
{
    if (args.size() < 2 || args[0] != QLatin1String("import-paradox")) {
        Usage();
        return 2;
    }
    const QString source = args[1];
    QHash<QString, QString> o;
    if (!TakeOptions(args.mid(2), o)) {
        Usage();
        return 2;
    }
    const QString alias = o.value(QStringLiteral("alias"), Alias::Catalog);
    if (!IsKnownAlias(alias)) {
        Usage();
        return 2;
    }
    TRunPaths paths;
    if (!ResolveDirectories(o, paths))
        return 1;
    const QString target = alias.compare(Alias::Registry, Qt::CaseInsensitive) == 0 ? paths.RegistryDir
                         : alias.compare(Alias::Report, Qt::CaseInsensitive) == 0   ? paths.ReportDir
                                                                                     : paths.CatalogDir;
    if (target.isEmpty()) {
        ShowError(QStringLiteral("Не указан каталог базы данных %1!").arg(alias));
        return 1;
    }
    TParadoxImportResult result = ImportParadox(source, alias, target);
    Out(result.Summary());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        Usage();
        return 2;
    }
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("version") || command == QLatin1String("--version")) {
            Out(QStringLiteral("Valtrix Фурнитура %1").arg(QLatin1String(VALTRIX_VERSION_TEXT)));
            return 0;
        }
        if (command == QLatin1String("shape"))
            return ShapeCommand(args);
        if (command == QLatin1String("catalog"))
            return CatalogCommand(args);
    } catch (const std::exception& e) {
        ShowError(ExceptionText(e));
        return 1;
    }
    Usage();
    return 2;
}
