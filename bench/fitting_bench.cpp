// The fitting area with the photos people have: one drag step (two pointer moves and the
// repaints they cause) with a 6000 x 4000 photo and with the 228 x 314 start-up photo, in
// both drag modes; and opening the 6000 x 4000 JPEG.
#include "app/KadeloWindows.h"
#include "app/TFrmMain.h"
#include "bench/support/BenchMain.h"
#include "fitting/FittingArea.h"
#include "platform/PictureBox.h"
#include "platform/PictureLoader.h"
#include "platform/PrinterCanvas.h"
#include "platform/UserDialogs.h"

#include <Magick++.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// Answers the open dialog with one file and shows nothing.
class QuietDialogs : public UserDialogs
{
public:
    QString fileToOpen;
    void showWarning(const QString &) override {}
    void showError(const QString &) override {}
    void showMessage(const QString &, const QString &, MessageIcon) override {}
    bool askYesNo(const QString &, const QString &) override { return false; }
    FileDialogResult openFile(const FileDialogRequest &) override { return {true, fileToOpen, 0}; }
    FileDialogResult saveFile(const FileDialogRequest &) override { return {}; }
    std::unique_ptr<PrinterCanvas> choosePrinter() override { return nullptr; }
};

// Counts the paints of the fitting area's widgets, to show what a step repaints.
class PaintCounter : public QObject
{
public:
    long long paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A photo-like picture: smooth gradients with fine detail, so the JPEG is of a real size.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uchar>((x * 255) / width ^ ((x * y) & 15));
            row[3 * x + 1] = static_cast<uchar>((y * 255) / height);
            row[3 * x + 2] = static_cast<uchar>(((x + y) * 7) & 0xff);
        }
    }
    return image;
}

// The working folder of the run: an empty catalogue and the two test photos.
struct Fixture
{
    QTemporaryDir folder;
    QString bigJpeg;
    QString startupJpeg;

    Fixture()
    {
        QDir(folder.path()).mkpath(QStringLiteral("data"));
        bigJpeg = write(QStringLiteral("big.jpg"), photoLike(6000, 4000));
        startupJpeg = write(QStringLiteral("startup.jpg"), photoLike(228, 314));
    }

    QString write(const QString &name, const QImage &picture)
    {
        Magick::InitializeMagick(nullptr);
        Magick::Image image(static_cast<size_t>(picture.width()), static_cast<size_t>(picture.height()), "RGB",
                            Magick::CharPixel, picture.constBits());
        image.quality(90);
        const QString path = folder.filePath(name);
        image.write("JPEG:" + path.toStdString());
        return path;
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void dragStep(benchmark::State &state, const QString &photo, bool dragPhotoMode)
{
    QDir::setCurrent(fixture().folder.path());
    QuietDialogs dialogs;
    dialogs.fileToOpen = photo;
    KadeloWindows windows = createWindows(dialogs);
    TFrmMain &main = *windows.FrmMain;
    main.ToolButton18Click(); // open and fit, as the user does
    if (dragPhotoMode)
        main.btnPosuvImgClick();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        state.SkipWithError("window not exposed");
        return;
    }
    QWindow *window = main.windowHandle();
    const QPoint start = main.ImgUces->mapTo(&main, QPoint(100, 120));
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    PaintCounter counter;
    for (QWidget *widget : {static_cast<QWidget *>(main.Panel3), static_cast<QWidget *>(main.ImgFoto),
                            static_cast<QWidget *>(main.ImgUces)})
        widget->installEventFilter(&counter);
    for (auto _ : state) {
        // Each mouseMove delivers the move and processes the repaint it causes.
        QTest::mouseMove(window, start + QPoint(3, 2));
        QTest::mouseMove(window, start);
    }
    QTest::mouseRelease(window, Qt::LeftButton, {}, start);
    const LayerRect moved = dragPhotoMode ? main.Panel3->photoRect() : main.Panel3->hairstyleRect();
    state.counters["paints_per_step"] =
        benchmark::Counter(static_cast<double>(counter.paints), benchmark::Counter::kAvgIterations);
    state.counters["layer_width"] = moved.width;
    state.counters["layer_height"] = moved.height;
}

void BM_DragStep_Photo6000x4000(benchmark::State &state)
{
    dragStep(state, fixture().bigJpeg, state.range(0) != 0);
}
BENCHMARK(BM_DragStep_Photo6000x4000)->Arg(0)->Arg(1)->ArgName("dragPhoto")->Unit(benchmark::kMicrosecond);

void BM_DragStep_Photo228x314(benchmark::State &state)
{
    dragStep(state, fixture().startupJpeg, state.range(0) != 0);
}
BENCHMARK(BM_DragStep_Photo228x314)->Arg(0)->Arg(1)->ArgName("dragPhoto")->Unit(benchmark::kMicrosecond);

void BM_LoadJpeg6000x4000(benchmark::State &state)
{
    const QString path = fixture().bigJpeg;
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureLoader::loadFile(path));
}
BENCHMARK(BM_LoadJpeg6000x4000)->Unit(benchmark::kMillisecond)->Iterations(5);

// Open as the command does it: decode, show, fit, and the first paint with its scaling.
void BM_OpenPhoto6000x4000(benchmark::State &state)
{
    QDir::setCurrent(fixture().folder.path());
    QuietDialogs dialogs;
    dialogs.fileToOpen = fixture().bigJpeg;
    KadeloWindows windows = createWindows(dialogs);
    windows.FrmMain->show();
    if (!QTest::qWaitForWindowExposed(windows.FrmMain.get())) {
        state.SkipWithError("window not exposed");
        return;
    }
    for (auto _ : state) {
        windows.FrmMain->ToolButton18Click();
        windows.FrmMain->ImgFoto->repaint();
    }
}
BENCHMARK(BM_OpenPhoto6000x4000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    return runBenchmarksWithApplication(argc, argv);
}
