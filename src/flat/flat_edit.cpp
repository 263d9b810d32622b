#include "flat/flat_edit.h"

#include "gdi/control_color.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace flat {

TCustomFlatEdit::TCustomFlatEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(3, 3, 3, 3);
    setGeometry(0, 0, 121, 19);
    setAttribute(Qt::WA_Hover, false);
    if (parent != nullptr) ColorFlat = gdi::ControlColor(parent); // ParentColor is on
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) OnChange(this);
    });
    PaintFrame();
}

TColor TCustomFlatEdit::color() const {
    return gdi::ControlColor(this);
}

void TCustomFlatEdit::setColorFocused(TColor c) {
    ColorFocused = c;
    PaintFrame();
}

void TCustomFlatEdit::setColorBorder(TColor c) {
    ColorBorder = c;
    PaintFrame();
}

void TCustomFlatEdit::setColorFlat(TColor c) {
    ColorFlat = c;
    ParentColor = false;
    PaintFrame();
}

void TCustomFlatEdit::setParentColor(bool v) {
    if (ParentColor == v) return;
    ParentColor = v;
    if (v) {
        if (parentWidget() != nullptr) ColorFlat = gdi::ControlColor(parentWidget());
        PaintFrame();
    }
}

void TCustomFlatEdit::setAdvColorFocused(TAdvColors v) {
    AdvColorFocused = v;
    if (UseAdvColors) {
        ApplyAdvColors();
        PaintFrame();
    }
}

void TCustomFlatEdit::setAdvColorBorder(TAdvColors v) {
    AdvColorBorder = v;
    if (UseAdvColors) {
        ApplyAdvColors();
        PaintFrame();
    }
}

void TCustomFlatEdit::setUseAdvColors(bool v) {
    if (UseAdvColors == v) return;
    UseAdvColors = v;
    setParentColor(v);
    ApplyAdvColors();
    PaintFrame();
}

void TCustomFlatEdit::setFontColor(TColor c) {
    FontColor = c;
    PaintFrame();
}

void TCustomFlatEdit::ApplyAdvColors() {
    if (!UseAdvColors) return;
    ColorFocused = DeriveAdvColor(ColorFlat, ColorFocused, AdvColorFocused, false);
    ColorBorder = DeriveAdvColor(ColorFlat, ColorBorder, AdvColorBorder, true);
}

bool TCustomFlatEdit::Highlighted() const {
    if (hasFocus()) return true;
    return Hovered && dynamic_cast<TCustomFlatEdit*>(QApplication::focusWidget()) == nullptr;
}

// Brings the text area's colours in line with the look and repaints frame and text.
void TCustomFlatEdit::PaintFrame() {
    const TColor fill = Highlighted() ? ColorFocused : ColorFlat;
    if (gdi::ControlColor(this) != fill) gdi::SetControlColor(this, fill);
    QPalette pal = palette();
    const QColor base = gdi::ToQColor(fill);
    const QColor text = gdi::ToQColor(FontColor);
    if (pal.color(QPalette::Base) != base || pal.color(QPalette::Text) != text) {
        pal.setColor(QPalette::Base, base);
        pal.setColor(QPalette::Window, base);
        pal.setColor(QPalette::Text, text);
        pal.setColor(QPalette::Disabled, QPalette::Text, gdi::ToQColor(gdi::clGrayText));
        setPalette(pal);
    }
    update();
}

void TCustomFlatEdit::paintEvent(QPaintEvent* e) {
    const bool hi = Highlighted();
    const TColor fill = hi ? ColorFocused : ColorFlat;
    {
        QPainter p(this);
        p.fillRect(rect(), gdi::ToQColor(fill));
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    gdi::TCanvas c;
    c.Begin(&p);
    TRect r{0, 0, width(), height()};
    c.FrameRect(r, ColorBorder);
    r.Inflate(-1, -1);
    c.FrameRect(r, fill);
    r.Inflate(-1, -1);
    c.FrameRect(r, fill);
    c.End();
}

void TCustomFlatEdit::FitHeightToFont() {
    const QFontMetrics fm(font());
    resize(width(), fm.height() + 6);
}

void TCustomFlatEdit::FollowParent() {
    if (UseAdvColors) {
        if (parentWidget() != nullptr) ColorFlat = gdi::ControlColor(parentWidget());
        ApplyAdvColors();
    } else if (ParentColor && parentWidget() != nullptr) {
        ColorFlat = gdi::ControlColor(parentWidget());
    }
    PaintFrame();
}

bool TCustomFlatEdit::event(QEvent* e) {
    const auto t = e->type();
    if (t == gdi::ParentColorChangedEvent() || t == gdi::SysColorChangedEvent()) {
        FollowParent();
        return true;
    }
    if (t == QEvent::ParentChange) {
        if (ParentColor && parentWidget() != nullptr) ColorFlat = gdi::ControlColor(parentWidget());
        PaintFrame();
    }
    return QLineEdit::event(e);
}

void TCustomFlatEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    PaintFrame();
    if (OnEnter) OnEnter(this);
}

void TCustomFlatEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    PaintFrame();
    if (OnExit) OnExit(this);
}

void TCustomFlatEdit::enterEvent(QEnterEvent* e) {
    QLineEdit::enterEvent(e);
    if (gdi::HasActiveWindow()) {
        Hovered = true;
        PaintFrame();
    }
}

void TCustomFlatEdit::leaveEvent(QEvent* e) {
    QLineEdit::leaveEvent(e);
    Hovered = false;
    PaintFrame();
}

void TCustomFlatEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        PaintFrame();
    else if (e->type() == QEvent::FontChange)
        FitHeightToFont();
}

} // namespace flat
