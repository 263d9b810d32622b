// Cost of one paint of each flat control and of the colour rule, offscreen.
#include "flat/flat_button.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_group_box.h"
#include "flat/hsl_utils.h"
#include "gdi/fonts.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "flat_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        gdi::InstallFontSubstitutes();
        QApplication::setFont(gdi::DefaultFont());
        return a;
    }();
    return *app;
}

void BM_ButtonFaceWithGlyph(benchmark::State& state) {
    App();
    QWidget form;
    flat::TFlatButton button(&form);
    button.setGeometry(0, 0, 81, 25);
    QImage glyph(82, 25, QImage::Format_RGB32);
    glyph.fill(Qt::darkGreen);
    button.setGlyph(glyph);
    for (auto _ : state)
        benchmark::DoNotOptimize(button.RenderFace());
}
BENCHMARK(BM_ButtonFaceWithGlyph);

void BM_GroupBoxPaint(benchmark::State& state) {
    App();
    flat::TFlatGroupBox box;
    box.setGeometry(0, 0, 505, 97);
    box.setCaption("Entries");
    for (auto _ : state)
        benchmark::DoNotOptimize(box.RenderBox());
}
BENCHMARK(BM_GroupBoxPaint);

void BM_ComboRender(benchmark::State& state) {
    App();
    flat::TFlatComboBox combo;
    combo.setGeometry(0, 0, 41, 21);
    QImage img(41, 21, QImage::Format_RGB32);
    for (auto _ : state) {
        combo.render(&img);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComboRender);

void BM_DeriveAdvColor(benchmark::State& state) {
    int v = 0;
    for (auto _ : state) {
        v = (v + 0x010203) & 0xFFFFFF;
        benchmark::DoNotOptimize(flat::DeriveAdvColor(v, 0, 50, true));
    }
}
BENCHMARK(BM_DeriveAdvColor);

} // namespace
