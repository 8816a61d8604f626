#include "render/export/WebEngineSetup.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The measuring process of the renderer's peak-memory benchmark (RenderBench.cpp): runs
// before any application object, so that it holds no more than the libraries.
int renderPeakChild(const char* request);

int main(int argc, char** argv)
{
    if (argc == 2 && qstrncmp(argv[1], "--render-peak=", 14) == 0) return renderPeakChild(argv[1] + 14);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine(); // the export benchmarks make PDFs
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
