// One colour pick on a hairstyle of the shipped size and on a large one, next to one memcpy
// of the same bitmap: undo + tint, then the same with the hairstyle layer taking the
// result, then with the layer repainted as well.
#include "bench/support/BenchMain.h"
#include "colour/Recolourer.h"
#include "platform/PictureBox.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cstring>

namespace {

// A hairstyle-like bitmap: hair in an oval on a white (transparent) background.
QImage hairstyle(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(60, 40, 20));
    gradient.setColorAt(1, QColor(150, 110, 60));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(width * 0.1, height * 0.05, width * 0.8, height * 0.7));
    return image;
}

void sizes(benchmark::internal::Benchmark *bench)
{
    bench->Args({229, 312})->Args({2000, 2700})->Unit(benchmark::kMicrosecond);
}

void BM_Memcpy(benchmark::State &state)
{
    const QImage source = hairstyle(int(state.range(0)), int(state.range(1)));
    QImage target(source.size(), source.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.bits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * source.sizeInBytes());
}
BENCHMARK(BM_Memcpy)->Apply(sizes);

// The picks alternate between two colours, as a drag does.
void BM_PickUndoAndTint(benchmark::State &state)
{
    QImage shown = hairstyle(int(state.range(0)), int(state.range(1)));
    Recolourer recolourer;
    recolourer.intensityRgbAll(shown, 0, 0, 0);
    int step = 0;
    for (auto _ : state) {
        QImage bitmap = shown;
        recolourer.undo(bitmap);
        recolourer.intensityRgbAll(bitmap, step & 1 ? 40 : 90, 20, step & 1 ? 0 : 10);
        std::swap(shown, bitmap);
        recolourer.recycle(std::move(bitmap));
        ++step;
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.SetBytesProcessed(state.iterations() * shown.sizeInBytes());
}
BENCHMARK(BM_PickUndoAndTint)->Apply(sizes);

// The whole pick as the colour command does it; repaint = 1 also paints the layer (at the
// layer's screen size, 229 × 312), which rebuilds its keyed picture.
void BM_PickOnLayer(benchmark::State &state)
{
    PictureBox layer;
    layer.resize(229, 312);
    layer.setTransparent(true);
    layer.setPicture(hairstyle(int(state.range(0)), int(state.range(1))));
    const bool repaint = state.range(2) != 0;
    QImage screen(layer.size(), QImage::Format_ARGB32_Premultiplied);
    Recolourer recolourer;
    {
        QImage bitmap = layer.picture();
        recolourer.intensityRgbAll(bitmap, 0, 0, 0);
        layer.setPicture(bitmap);
    }
    int step = 0;
    for (auto _ : state) {
        QImage previous = layer.picture();
        QImage bitmap = previous;
        recolourer.undo(bitmap);
        recolourer.intensityRgbAll(bitmap, step & 1 ? 40 : 90, 20, step & 1 ? 0 : 10);
        layer.setPicture(bitmap);
        recolourer.recycle(std::move(previous));
        if (repaint)
            layer.render(&screen);
        ++step;
    }
    state.SetBytesProcessed(state.iterations() * layer.picture().sizeInBytes());
}
BENCHMARK(BM_PickOnLayer)
    ->ArgNames({"w", "h", "repaint"})
    ->Args({229, 312, 0})
    ->Args({2000, 2700, 0})
    ->Args({229, 312, 1})
    ->Args({2000, 2700, 1})
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarksWithApplication(argc, argv);
}
