// Storing and exporting a snapshot: composing it from a start-up-sized photo and from a
// 6000 x 4000 photo shrunk into the layer, and encoding it as JPEG and as BMP.
#include "album/SnapshotComposer.h"
#include "output/BmpWriter.h"
#include "output/JpegFromPicture.h"

#include <benchmark/benchmark.h>

namespace {

QImage noise(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_RGB888);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < width * 3; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = static_cast<uchar>((state >> 24) / 4 + x / 12 + y / 8);
        }
    }
    return image.convertToFormat(format);
}

QImage hairstyle()
{
    QImage hair = noise(229, 312, QImage::Format_Indexed8);
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 229; ++x)
            if ((x - 114) * (x - 114) + (y - 100) * (y - 100) > 90 * 90)
                hair.setPixel(x, y, hair.pixelIndex(0, 311));
    return hair;
}

void composeWith(benchmark::State &state, const QImage &photo)
{
    const QImage hair = hairstyle();
    const ComposeLayer photoLayer{photo, 17, 9, 228, 312, std::nullopt};
    const ComposeLayer hairLayer{hair, 17, 9, 229, 312, hair.pixel(0, 311)};
    for (auto _ : state)
        benchmark::DoNotOptimize(SnapshotComposer::compose(photoLayer, hairLayer));
}

void BM_ComposeStartUpPhoto(benchmark::State &state)
{
    composeWith(state, noise(228, 314, QImage::Format_RGB888));
}
BENCHMARK(BM_ComposeStartUpPhoto)->Unit(benchmark::kMillisecond);

void BM_ComposeLargePhoto(benchmark::State &state)
{
    composeWith(state, noise(6000, 4000, QImage::Format_RGB888));
}
BENCHMARK(BM_ComposeLargePhoto)->Unit(benchmark::kMillisecond);

void BM_EncodeSnapshotJpeg(benchmark::State &state)
{
    const QImage snapshot = noise(229, 312, QImage::Format_RGB888);
    for (auto _ : state)
        benchmark::DoNotOptimize(JpegFromPicture(snapshot, 80)->encoded());
}
BENCHMARK(BM_EncodeSnapshotJpeg)->Unit(benchmark::kMillisecond);

void BM_EncodeSnapshotBmp(benchmark::State &state)
{
    const QImage snapshot = noise(229, 312, QImage::Format_RGB888);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeBmp(snapshot));
}
BENCHMARK(BM_EncodeSnapshotBmp)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
