// Writes the seed corpus of the fuzz targets: order files of every version and selection files,
// built as the model tests build them. Usage: make_fuzz_corpus <corpus directory>
#include "OrderTestFiles.h"
#include <QDir>
#include <QFile>
#include <cstdio>

using namespace vx;

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

template <typename T> QByteArray Fixed(T& object)
{
    object.Created = object.Modified = TDateTime{44000.5};
    object.RegDate = TDateTime{44000};
    return vxtest::Bytes(object);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_corpus <corpus directory>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath("order") || !root.mkpath("selection"))
        return 1;
    bool ok = true;
    auto order = [&](const QString& name, const QByteArray& bytes) { ok &= Write(root.filePath("order/" + name), bytes); };
    auto selection = [&](const QString& name, const QByteArray& bytes) {
        ok &= Write(root.filePath("selection/" + name), bytes);
    };

    TvxfOrder empty;
    order("empty.vfo370", Fixed(empty));
    order("full.vfo370", vxtest::Bytes(*vxtest::SampleOrder(2, 3)));
    // A one-sash arched position without fittings next to a two-sash one.
    TvxfOrder mixed;
    mixed.AddPosition(vxtest::TwoSashPosition(mixed, "1", 1));
    auto arched = std::make_unique<TvxfConstruction>(&mixed);
    TShapeRecord shape;
    shape.Figure = 7;
    shape.Width = 1000;
    shape.Height = 1500;
    shape.HX = 500;
    shape.Radius1 = shape.Radius2 = 500;
    arched->BuildGeometry(shape, 201);
    arched->PosNo = "2";
    mixed.AddPosition(std::move(arched));
    order("mixed.vfo370", Fixed(mixed));
    const QList<vxtest::TLegacyPosition> two{{"001", "Окно", 2, true}, {"002", "Дверь", 1, false}};
    for (const char* version : {"01.01.2009", "10.12.2009", "06.10.2015", "03.03.2019", "23.07.2019", "01.02.2020"}) {
        QString name = QString::fromLatin1(version);
        name.remove('.');
        order(name + (QString::fromLatin1(version).endsWith("2009") ? ".vfo" : ".vfo370"),
              vxtest::LegacyOrderFile(QString::fromLatin1(version), two));
    }

    TvxfOrderSelection none;
    selection("empty.vfs370", Fixed(none));
    const QByteArray sample = vxtest::Bytes(*vxtest::SampleSelection());
    selection("sample.vfs370", sample);
    QByteArray older = sample;
    selection("01012010.vfs370", older.replace(QByteArray("06.10.2015"), QByteArray("01.01.2010")));
    selection("order.vfs370", Fixed(empty));
    return ok ? 0 : 1;
}
