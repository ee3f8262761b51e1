// Benchmark main: an offscreen QApplication, so window code can be measured.
#include <cstring>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "cold_child.h"
#include "platform/message_filter.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InstallOffscreenMessageFilter();
    QApplication app(argc, argv);
    // A child of the cold benchmarks does its one action and ends.
    if (argc == 2 && std::strncmp(argv[1], "--cold-child=", 13) == 0)
        return RunColdChild(argv[1] + 13);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
