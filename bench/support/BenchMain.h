#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark program whose benchmarks need widgets: runs the benchmarks
// named on the command line inside a QApplication. Callers choose the platform first.
inline int runBenchmarksWithApplication(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
