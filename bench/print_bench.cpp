// How long a print-all page takes to draw into a 600 dpi PDF file (the program's own share
// of a print job; a real printer's driver adds its own), and the mail attachment's encoding.
#include "bench/support/BenchMain.h"
#include "output/JpegFromPicture.h"
#include "output/PrintJob.h"
#include "platform/QtPrinterCanvas.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QImage snapshot(int k)
{
    QImage image(229, 312, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + k * 30) & 255, (y * 3) & 255, (x ^ y) & 255));
    return image;
}

void BM_PrintAllToPdf600(benchmark::State &state)
{
    QTemporaryDir folder;
    PrintHolders holders;
    for (int k = 0; k < PrintSlotCount; ++k)
        holders[k] = {snapshot(k), QSize(220, 295)};
    for (auto _ : state) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(600);
        printer->setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
        QtPrinterCanvas canvas(std::move(printer));
        PrintOffsets offsets;
        PrintPage(canvas, 96, offsets, holders, SlotPlacements());
    }
}
BENCHMARK(BM_PrintAllToPdf600)->Unit(benchmark::kMillisecond);

void BM_MailAttachmentJpeg(benchmark::State &state)
{
    const QImage picture = snapshot(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(JpegFromPicture(picture, 80)->encoded());
}
BENCHMARK(BM_MailAttachmentJpeg)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarksWithApplication(argc, argv);
}
