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
    if (parent != nullptr) colorFlat_ = gdi::ControlColor(parent); // ParentColor is on
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange) OnChange(this);
    });
    PaintFrame();
}

TColor TCustomFlatEdit::color() const {
    return gdi::ControlColor(this);
}

void TCustomFlatEdit::setColorFocused(TColor c) {
    colorFocused_ = c;
    PaintFrame();
}

void TCustomFlatEdit::setColorBorder(TColor c) {
    colorBorder_ = c;
    PaintFrame();
}

void TCustomFlatEdit::setColorFlat(TColor c) {
    colorFlat_ = c;
    parentColor_ = false;
    PaintFrame();
}

void TCustomFlatEdit::setParentColor(bool v) {
    if (parentColor_ == v) return;
    parentColor_ = v;
    if (v) {
        if (parentWidget() != nullptr) colorFlat_ = gdi::ControlColor(parentWidget());
        PaintFrame();
    }
}

void TCustomFlatEdit::setAdvColorFocused(TAdvColors v) {
    advColorFocused_ = v;
    if (useAdvColors_) {
        ApplyAdvColors();
        PaintFrame();
    }
}

void TCustomFlatEdit::setAdvColorBorder(TAdvColors v) {
    advColorBorder_ = v;
    if (useAdvColors_) {
        ApplyAdvColors();
        PaintFrame();
    }
}

void TCustomFlatEdit::setUseAdvColors(bool v) {
    if (useAdvColors_ == v) return;
    useAdvColors_ = v;
    setParentColor(v);
    ApplyAdvColors();
    PaintFrame();
}

void TCustomFlatEdit::setFontColor(TColor c) {
    fontColor_ = c;
    PaintFrame();
}

void TCustomFlatEdit::ApplyAdvColors() {
    if (!useAdvColors_) return;
    colorFocused_ = DeriveAdvColor(colorFlat_, colorFocused_, advColorFocused_, false);
    colorBorder_ = DeriveAdvColor(colorFlat_, colorBorder_, advColorBorder_, true);
}

bool TCustomFlatEdit::Highlighted() const {
    if (hasFocus()) return true;
    return hovered_ && dynamic_cast<TCustomFlatEdit*>(QApplication::focusWidget()) == nullptr;
}

// Brings the text area's colours in line with the look and repaints frame and text.
void TCustomFlatEdit::PaintFrame() {
    const TColor fill = Highlighted() ? colorFocused_ : colorFlat_;
    if (gdi::ControlColor(this) != fill) gdi::SetControlColor(this, fill);
    QPalette pal = palette();
    const QColor base = gdi::ToQColor(fill);
    const QColor text = gdi::ToQColor(fontColor_);
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
    const TColor fill = hi ? colorFocused_ : colorFlat_;
    {
        QPainter p(this);
        p.fillRect(rect(), gdi::ToQColor(fill));
    }
    QLineEdit::paintEvent(e);
    QPainter p(this);
    gdi::TCanvas c;
    c.Begin(&p);
    TRect r{0, 0, width(), height()};
    c.FrameRect(r, colorBorder_);
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
    if (useAdvColors_) {
        if (parentWidget() != nullptr) colorFlat_ = gdi::ControlColor(parentWidget());
        ApplyAdvColors();
    } else if (parentColor_ && parentWidget() != nullptr) {
        colorFlat_ = gdi::ControlColor(parentWidget());
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
        if (parentColor_ && parentWidget() != nullptr)
            colorFlat_ = gdi::ControlColor(parentWidget());
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
        hovered_ = true;
        PaintFrame();
    }
}

void TCustomFlatEdit::leaveEvent(QEvent* e) {
    QLineEdit::leaveEvent(e);
    hovered_ = false;
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
