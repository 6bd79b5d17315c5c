// The one entry point of the window benchmarks: Google Benchmark's usual main, run inside a
// QApplication on the offscreen platform (unless another platform is asked for).

#include <QApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace {

// The offscreen platform warns about every window operation it does not model; those lines would
// drown the figures.
void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
