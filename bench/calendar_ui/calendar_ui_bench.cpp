// What a drop-down costs: setting a new date (the month refilled and the back image rebuilt)
// and painting the whole day grid once.

#include "calendar/date_time.h"
#include "calendar_ui/chn_calendar.h"
#include "gdi/fonts.h"
#include "test_access.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "calendar_ui_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        auto a = std::make_unique<QApplication>(argc, argv);
        gdi::InstallFontSubstitutes();
        return a;
    }();
    return *app;
}

calendar::TDateTime DateOf(int y, int m, int d) {
    calendar::TDateTime t = 0;
    calendar::TryEncodeDate(y, m, d, t);
    return t;
}

QImage Picture() {
    QImage img(200, 150, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(40, 30, 120, 90, QColor(255, 140, 60));
    return img;
}

// Alternates between months of different years, as the picker does from one drop-down to
// the next, so that every call refills a month and redraws the numerals.
void SetDate(benchmark::State& state, bool picture, int firstYear) {
    App();
    calendar_ui::TChnCalendar cal;
    cal.setAttribute(Qt::WA_DontShowOnScreen);
    cal.show();
    if (picture) {
        cal.setCenter(true);
        cal.setBackGround(Picture());
    }
    int i = 0;
    for (auto _ : state) {
        cal.setDateTime(DateOf(firstYear + i % 2, 1 + i % 12, 15));
        ++i;
    }
}

void BM_SetDate(benchmark::State& state) {
    SetDate(state, false, 2024);
}
void BM_SetDateWithPicture(benchmark::State& state) {
    SetDate(state, true, 2024);
}
void BM_SetDateBefore1949(benchmark::State& state) {
    SetDate(state, false, 1900);
}

// The first drop-down: construction and window creation (menus built, today filled).
void BM_CreateAndShow(benchmark::State& state) {
    App();
    for (auto _ : state) {
        calendar_ui::TChnCalendar cal;
        cal.setAttribute(Qt::WA_DontShowOnScreen);
        cal.show();
        benchmark::DoNotOptimize(cal.dateTime());
    }
}

void BM_PaintGrid(benchmark::State& state) {
    App();
    calendar_ui::TChnCalendar cal;
    cal.setAttribute(Qt::WA_DontShowOnScreen);
    cal.show();
    cal.setDateTime(DateOf(2024, 2, 10));
    QImage target(TestAccess::dayGrid(cal)->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        gdi::TCanvas canvas;
        canvas.Begin(&p);
        TestAccess::dayGrid(cal)->DrawCells(canvas);
        canvas.End();
    }
}

// One drop-down as the user sees it: a new date (month refilled, back image rebuilt) and the
// whole grid painted, on a screen of the given device pixel ratio. A first paint at that
// ratio lets the calendar's images follow it.
void DropDown(benchmark::State& state, double ratio) {
    App();
    calendar_ui::TChnCalendar cal;
    cal.setAttribute(Qt::WA_DontShowOnScreen);
    cal.show();
    QImage screen(cal.size() * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    cal.render(&screen);
    int i = 0;
    for (auto _ : state) {
        cal.setDateTime(DateOf(2024 + i % 2, 1 + i % 12, 15));
        ++i;
        QPainter p(&screen);
        p.translate(TestAccess::dayGrid(cal)->pos());
        gdi::TCanvas canvas;
        canvas.Begin(&p);
        TestAccess::dayGrid(cal)->DrawCells(canvas);
        canvas.End();
    }
}

void BM_DropDown(benchmark::State& state) {
    DropDown(state, 1);
}
void BM_DropDownAtRatio2(benchmark::State& state) {
    DropDown(state, 2);
}

void BM_RenderWholeCalendar(benchmark::State& state) {
    App();
    calendar_ui::TChnCalendar cal;
    cal.setAttribute(Qt::WA_DontShowOnScreen);
    cal.show();
    cal.setDateTime(DateOf(2024, 2, 10));
    QImage target(cal.size(), QImage::Format_RGB32);
    for (auto _ : state)
        cal.render(&target);
}

} // namespace

BENCHMARK(BM_SetDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetDateWithPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetDateBefore1949)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateAndShow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintGrid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropDown)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DropDownAtRatio2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderWholeCalendar)->Unit(benchmark::kMicrosecond);
