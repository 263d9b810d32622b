// A press of 开始取名 in the main window (offscreen), grid included, with the store beside
// the build's executables.
#include "app/babyname_application.h"
#include "app/form1.h"
#include "gdi/fonts.h"
#include "test_access.h"

#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

void BM_WindowPress(benchmark::State& state) {
    TForm1 form([](const QString&) {});
    form.show();
    TestAccess::flatButton1Click(form); // opens the connection
    for (auto _ : state) {
        TestAccess::flatButton1Click(form);
        QCoreApplication::processEvents(); // lets the grid lay out and paint
        benchmark::DoNotOptimize(TestAccess::listView1(form)->rowCount());
    }
}
BENCHMARK(BM_WindowPress)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
