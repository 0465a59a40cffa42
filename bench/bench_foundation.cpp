#include "engine/VXFConstruction.h"
#include "foundation/VXSpecStream.h"
#include <benchmark/benchmark.h>

using namespace vx;

namespace {

// A mixed stream shaped like an order file: texts, integers, doubles, money, flags.
void WriteMixed(TSpecStream& s, int records)
{
    const QString article = QStringLiteral("Ручка оконная 35 мм, белая");
    static QStringList codes;
    while (codes.size() < records)
        codes << QStringLiteral("A%1").arg(codes.size());
    for (int i = 0; i < records; ++i) {
        s.WriteValue(article);
        s.WriteValue(int32_t(i));
        s.WriteValue(double(i) * 0.25);
        s.WriteValue(TMoney::FromRaw(i * 1234));
        s.WriteValue((i & 1) != 0);
        s.WriteByteValue(uint8_t(i));
        s.WriteValue(codes[i]);
    }
}

void BM_StreamWrite(benchmark::State& state)
{
    const int records = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        TSpecStream s;
        WriteMixed(s, records);
        bytes = s.Size();
        benchmark::DoNotOptimize(s.Data().constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_StreamWrite)->Arg(100000);

void BM_StreamRead(benchmark::State& state)
{
    const int records = int(state.range(0));
    TSpecStream s;
    WriteMixed(s, records);
    for (auto _ : state) {
        s.Seek(0);
        for (int i = 0; i < records; ++i) {
            benchmark::DoNotOptimize(s.ReadString());
            benchmark::DoNotOptimize(s.ReadInt());
            benchmark::DoNotOptimize(s.ReadDouble());
            benchmark::DoNotOptimize(s.ReadMoney());
            benchmark::DoNotOptimize(s.ReadBool());
            benchmark::DoNotOptimize(s.ReadByte());
            benchmark::DoNotOptimize(s.ReadString());
        }
    }
    state.SetBytesProcessed(state.iterations() * s.Size());
}
BENCHMARK(BM_StreamRead)->Arg(100000);

// Size plus every corner angle of one sash, per figure (7 is the arch).
void BM_SashGeometry(benchmark::State& state)
{
    TvxfConstruction pos;
    TShapeRecord shape;
    shape.Figure = uint8_t(state.range(0));
    shape.Width = 1000;
    shape.Height = 1500;
    shape.HX = shape.Figure == 7 ? 300 : 600;
    shape.Radius1 = shape.Radius2 = shape.Figure == 7 ? 600 : 0;
    pos.BuildGeometry(shape, 0);
    const TvxfFlugel& f = *pos.LeftFlugel;
    for (auto _ : state) {
        int32_t w, h;
        f.Size(w, h);
        double sum = w + h;
        for (int i = 0; i < f.SideCount(); ++i)
            sum += f.CornerAngle(i);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SashGeometry)->Arg(0)->Arg(5)->Arg(7);

void BM_LengthFormula(benchmark::State& state)
{
    TvxfConstruction pos;
    TShapeRecord shape;
    shape.Width = 1000;
    shape.Height = 1500;
    pos.BuildGeometry(shape, 0);
    const QString formula = QStringLiteral("FFН - 2*FL(1) + 12.5");
    for (auto _ : state)
        benchmark::DoNotOptimize(pos.LeftFlugel->EvaluateFormula(formula));
}
BENCHMARK(BM_LengthFormula);

} // namespace

BENCHMARK_MAIN();
