// BuildThumbnailStrip for a category of 200 thumbnails of 1000 x 1200 (JPEG quality 90):
// the handler as the program runs it (thumbnails decoded with DCT scaling straight to the
// smallest size covering 60 x 72) and the same handler with every thumbnail decoded at
// full size first and then shrunk to 60 x 72.
#include "app/KadeloWindows.h"
#include "app/TFrmMain.h"
#include "bench/support/BenchMain.h"
#include "catalogue/StripLayout.h"
#include "catalogue/ThumbnailStrip.h"
#include "platform/JpegDecoder.h"
#include "platform/PrinterCanvas.h"
#include "platform/UserDialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <optional>
#include <random>

namespace {

constexpr int ThumbnailCount = 200;

// Dialogs that nobody answers; an error box here means the fixture is broken.
class SilentDialogs : public UserDialogs
{
public:
    void showWarning(const QString &text) override { lastError = text; }
    void showError(const QString &text) override { lastError = text; }
    void showMessage(const QString &text, const QString &, MessageIcon) override { lastError = text; }
    bool askYesNo(const QString &, const QString &) override { return false; }
    FileDialogResult openFile(const FileDialogRequest &) override { return {}; }
    FileDialogResult saveFile(const FileDialogRequest &) override { return {}; }
    std::unique_ptr<PrinterCanvas> choosePrinter() override { return nullptr; }
    QString lastError;
};

// A portrait of 1000 x 1200 made from the shipped default photo, with a little grain so
// that its JPEG has the size of a camera picture at quality 90 (about 250 KB).
QByteArray portraitJpeg()
{
    const QImage photo(QStringLiteral(":/photos/default.jpg"));
    if (photo.isNull())
        return {};
    QImage image =
        photo.convertToFormat(QImage::Format_RGB32).scaled(1000, 1200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    std::mt19937 grain(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(grain() % 9) - 4;
            const auto channel = [n](int value) { return qBound(0, value + n, 255); };
            line[x] = qRgb(channel(qRed(line[x])), channel(qGreen(line[x])), channel(qBlue(line[x])));
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

// An application folder with one category of 200 thumbnails and their hairstyles.
struct Catalogue
{
    QTemporaryDir folder;
    SilentDialogs dialogs;
    std::optional<KadeloWindows> windows;
    qint64 thumbnailBytes = 0;

    Catalogue()
    {
        const QString category = folder.path() + QStringLiteral("/data/Bench/");
        const QString thumbnails = category + QStringLiteral(u"N\u00e1hled/");
        QDir().mkpath(thumbnails);
        const QByteArray jpeg = portraitJpeg();
        thumbnailBytes = jpeg.size();
        if (jpeg.isEmpty())
            return;
        QImage hairstyle(229, 312, QImage::Format_RGB888);
        hairstyle.fill(Qt::white);
        QPainter(&hairstyle).fillRect(40, 20, 150, 120, QColor(90, 50, 20));
        for (int i = 0; i < ThumbnailCount; ++i) {
            const QString stem = QStringLiteral("Uces%1").arg(i, 3, 10, QLatin1Char('0'));
            QFile file(thumbnails + stem + QStringLiteral(".jpg"));
            if (file.open(QIODevice::WriteOnly))
                file.write(jpeg);
            hairstyle.save(category + stem + QStringLiteral(".bmp"), "BMP");
        }
        QDir::setCurrent(folder.path());
        windows.emplace(createWindows(dialogs));
    }

    TFrmMain &main() { return *windows->FrmMain; }
};

void buildStrip(benchmark::State &state, const ThumbnailStrip::Decoder &decoder)
{
    Catalogue catalogue;
    if (decoder)
        catalogue.main().thumbnailStrip()->setDecoder(decoder);
    for (auto _ : state)
        catalogue.main().runCommand([&] { catalogue.main().BuildThumbnailStrip(); });
    if (!catalogue.dialogs.lastError.isEmpty())
        state.SkipWithError(qPrintable(catalogue.dialogs.lastError));
    else if (catalogue.main().thumbnailStrip()->tiles().size() != ThumbnailCount)
        state.SkipWithError("strip incomplete");
    state.counters["tiles"] = double(catalogue.main().thumbnailStrip()->tiles().size());
    state.counters["jpeg_kB"] = double(catalogue.thumbnailBytes) / 1000.0;
}

void BM_BuildThumbnailStrip_Scaled(benchmark::State &state)
{
    buildStrip(state, {});
}

void BM_BuildThumbnailStrip_FullSize(benchmark::State &state)
{
    buildStrip(state, [](const QString &path) {
        return JpegDecoder::decodeFile(path).scaled(StripLayout::ThumbnailCover, Qt::IgnoreAspectRatio,
                                                    Qt::FastTransformation);
    });
}

} // namespace

BENCHMARK(BM_BuildThumbnailStrip_Scaled)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BuildThumbnailStrip_FullSize)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Q_INIT_RESOURCE(kadelo);
    return runBenchmarksWithApplication(argc, argv);
}
