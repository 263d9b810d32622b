#include "calendar_ui/down_button.h"

#include "gdi/canvas.h"
#include "gdi/color.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace calendar_ui {
namespace {

using namespace gdi;

constexpr TColor kViolet = RGB(200, 122, 228);

// Classic raised button face; pressed, it is a flat face with a shadow frame.
void DrawRaisedFrame(TCanvas& c, TRect r, bool pressed) {
    c.FillRect(r, clBtnFace);
    c.FrameRect(r, clBtnFace);
    if (pressed) {
        c.FrameRect(r, clBtnShadow);
        return;
    }
    c.Pen.Color = clBlack;
    c.MoveTo(r.Right - 1, r.Top);
    c.LineTo(r.Right - 1, r.Bottom);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Right, r.Bottom - 1);
    r.Inflate(-1, -1);
    c.FrameRect(r, clBtnShadow);
    c.Pen.Color = clBtnHighlight;
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Left, r.Bottom - 1);
}

} // namespace

TDownButton::TDownButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TDownButton::setCtl3D(bool v) {
    if (ctl3D_ == v) return;
    ctl3D_ = v;
    update();
}

void TDownButton::setVisualStyles(bool v) {
    if (visualStyles_ == v) return;
    visualStyles_ = v;
    update();
}

void TDownButton::SetState(int s) {
    state_ = s;
    update();
}

void TDownButton::paintEvent(QPaintEvent*) {
    if (ctl3D_ && visualStyles_) {
        PaintStyled();
        return;
    }
    QPainter painter(this);
    TCanvas c;
    c.Begin(&painter);
    c.Brush.Style = bsSolid;
    c.Pen.Color = clBlack;
    c.Brush.Color = kViolet;

    TRect r = TRect::FromQRect(rect());
    // What the flat look leaves unpainted shows the window's background, the button face.
    c.FillRect(r, clBtnFace);
    TColor arrow = clBtnText;
    if (ctl3D_) {
        DrawRaisedFrame(c, r, state_ == stPressed);
    } else {
        r.Inflate(-1, -1);
        c.Rectangle(r);
        arrow = state_ == stPressed ? RGB(228, 228, 228) : clWhite;
    }

    int left = r.Left + (r.Width() - 6) / 2;
    int top = r.Top + (r.Height() - 3) / 2;
    if (state_ == stPressed) {
        ++left;
        ++top;
    }
    c.Pen.Color = arrow;
    c.Brush.Color = arrow;
    c.Polygon({{left, top}, {left + 6, top}, {left + 3, top + 3}});
    c.End();
}

void TDownButton::PaintStyled() {
    QPainter painter(this);
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_Raised);
    if (state_ == stHot && underMouse()) opt.state |= QStyle::State_MouseOver;
    opt.state |= state_ == stPressed ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &opt, &painter, this);
    QStyleOption arrow = opt;
    arrow.rect = rect().adjusted(3, 3, -3, -3);
    if (state_ == stPressed) arrow.rect.translate(1, 1);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

void TDownButton::enterEvent(QEnterEvent* e) {
    SetState(stHot);
    QWidget::enterEvent(e);
}

void TDownButton::leaveEvent(QEvent* e) {
    SetState(stReleased);
    QWidget::leaveEvent(e);
}

void TDownButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        down_ = true;
        SetState(stPressed);
    }
    QWidget::mousePressEvent(e);
}

void TDownButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    const bool click = down_ && rect().contains(e->position().toPoint());
    down_ = false;
    SetState(stReleased);
    QWidget::mouseReleaseEvent(e);
    if (click && OnClick) OnClick(this);
}

} // namespace calendar_ui
