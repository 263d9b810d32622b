#include "calendar_ui/up_down.h"

#include "gdi/canvas.h"
#include "gdi/color.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace calendar_ui {
namespace {

constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;

// A classic raised (or pressed) button face with a small arrow pointing up or down.
void DrawArrowButton(gdi::TCanvas& c, gdi::TRect r, bool up, bool pressed, bool enabled) {
    using namespace gdi;
    c.FillRect(r, clBtnFace);
    if (pressed) {
        c.FrameRect(r, clBtnShadow);
    } else {
        c.Pen.Color = cl3DDkShadow;
        c.MoveTo(r.Right - 1, r.Top);
        c.LineTo(r.Right - 1, r.Bottom);
        c.MoveTo(r.Left, r.Bottom - 1);
        c.LineTo(r.Right, r.Bottom - 1);
        c.Pen.Color = clBtnHighlight;
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Right - 1, r.Top);
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Left, r.Bottom - 1);
        c.Pen.Color = clBtnShadow;
        c.MoveTo(r.Right - 2, r.Top + 1);
        c.LineTo(r.Right - 2, r.Bottom - 1);
        c.MoveTo(r.Left + 1, r.Bottom - 2);
        c.LineTo(r.Right - 1, r.Bottom - 2);
    }
    const int shift = pressed ? 1 : 0;
    const int cx = r.Left + (r.Width() - 1) / 2 + shift;
    const int cy = r.Top + (r.Height() - 3) / 2 + shift;
    const TColor arrow = enabled ? clBtnText : clGrayText;
    for (int i = 0; i < 3; ++i) {
        const int y = up ? cy + i : cy + 2 - i;
        c.FillRect({cx - i, y, cx + i + 1, y + 1}, arrow);
    }
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    resize(gdi::GetSystemMetrics(gdi::SM_CXVSCROLL), 25);
    repeat_.setInterval(kRepeatIntervalMs);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(kRepeatIntervalMs);
        if (pressed_ >= 0) Step(pressed_ == 0 ? btNext : btPrev);
    });
}

void TUpDown::setRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::setPosition(int value) {
    position_ = std::clamp(value, min_, max_);
}

void TUpDown::Step(TUDBtnType button) {
    const int next = button == btNext ? position_ + 1 : position_ - 1;
    if (next < min_ || next > max_) return;
    position_ = next;
    if (OnClick) OnClick(this, button);
}

void TUpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    gdi::TCanvas c;
    c.Begin(&painter);
    const int half = height() / 2;
    DrawArrowButton(c, {0, 0, width(), half}, true, pressed_ == 0, isEnabled());
    DrawArrowButton(c, {0, half, width(), height()}, false, pressed_ == 1, isEnabled());
    c.End();
}

void TUpDown::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = e->position().y() < height() / 2 ? 0 : 1;
    update();
    Step(pressed_ == 0 ? btNext : btPrev);
    repeat_.start(kRepeatDelayMs);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = -1;
    repeat_.stop();
    update();
}

} // namespace calendar_ui
