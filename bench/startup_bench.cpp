// Start-up: creating the four windows in the application folder with the shipped catalogue
// (categories, the first strip, the first hairstyle) until the main window is exposed.
#include "app/KadeloWindows.h"
#include "app/TFrmMain.h"
#include "bench/support/BenchMain.h"
#include "platform/QtUserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <benchmark/benchmark.h>

static void BM_StartUpToShownWindow(benchmark::State &state)
{
    QtUserDialogs dialogs;
    for (auto _ : state) {
        QDir::setCurrent(QStringLiteral(KADELO_SOURCE_DIR));
        KadeloWindows windows = createWindows(dialogs);
        windows.FrmMain->show();
        if (!QTest::qWaitForWindowExposed(windows.FrmMain.get()))
            state.SkipWithError("window not exposed");
        state.PauseTiming();
        windows = KadeloWindows();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(9);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarksWithApplication(argc, argv);
}
