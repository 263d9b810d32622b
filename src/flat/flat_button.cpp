#include "flat/flat_button.h"

#include "flat/flat_button_accessible.h"
#include "flat/flat_group_box.h"

#include "gdi/bitmap.h"
#include "gdi/control_color.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace flat {
namespace {

QTimer* g_hoverTimer = nullptr;
TFlatButton* g_tracked = nullptr;
int g_buttonCount = 0;

bool InsideGroupBox(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && !p->isWindow();
         p = p->parentWidget())
        if (qobject_cast<const TFlatGroupBox*>(p) != nullptr) return true;
    return false;
}

} // namespace

QTimer* TFlatButton::HoverTimer() {
    return g_hoverTimer;
}
TFlatButton* TFlatButton::TrackedButton() {
    return g_tracked;
}
int TFlatButton::ButtonCount() {
    return g_buttonCount;
}

TFlatButton::TFlatButton(QWidget* parent) : QWidget(parent) {
    InstallFlatButtonAccessibility();
    if (g_buttonCount == 0) {
        g_hoverTimer = new QTimer;
        g_hoverTimer->setInterval(100);
        QObject::connect(g_hoverTimer, &QTimer::timeout, &TFlatButton::HoverTick);
    }
    ++g_buttonCount;
    resize(25, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    if (parent != nullptr) gdi::SetControlColor(this, gdi::ControlColor(parent));
}

TFlatButton::~TFlatButton() {
    StopTracking();
    if (--g_buttonCount == 0) {
        delete g_hoverTimer;
        g_hoverTimer = nullptr;
    }
}

// ---- properties --------------------------------------------------------------------------

TColor TFlatButton::color() const {
    return gdi::ControlColor(this);
}

void TFlatButton::setColor(TColor c) {
    parentColor_ = false;
    gdi::SetControlColor(this, c);
}

void TFlatButton::setParentColor(bool v) {
    if (parentColor_ == v) return;
    parentColor_ = v;
    if (v && parentWidget() != nullptr)
        gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
}

void TFlatButton::setColorFocused(TColor c) {
    colorFocused_ = c;
    update();
}
void TFlatButton::setColorDown(TColor c) {
    colorDown_ = c;
    update();
}
void TFlatButton::setColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}
void TFlatButton::setColorHighLight(TColor c) {
    colorHighLight_ = c;
    update();
}
void TFlatButton::setColorShadow(TColor c) {
    colorShadow_ = c;
    update();
}
void TFlatButton::setFontColor(TColor c) {
    fontColor_ = c;
    update();
}

void TFlatButton::setAdvColorFocused(TAdvColors v) {
    advColorFocused_ = v;
    ApplyAdvColors();
    update();
}
void TFlatButton::setAdvColorDown(TAdvColors v) {
    advColorDown_ = v;
    ApplyAdvColors();
    update();
}
void TFlatButton::setAdvColorBorder(TAdvColors v) {
    advColorBorder_ = v;
    ApplyAdvColors();
    update();
}

void TFlatButton::setUseAdvColors(bool v) {
    if (useAdvColors_ == v) return;
    useAdvColors_ = v;
    setParentColor(v);
    ApplyAdvColors();
    update();
}

void TFlatButton::ApplyAdvColors() {
    if (!useAdvColors_) return;
    const TColor base = color();
    colorFocused_ = DeriveAdvColor(base, colorFocused_, advColorFocused_, false);
    colorDown_ = DeriveAdvColor(base, colorDown_, advColorDown_, true);
    colorBorder_ = DeriveAdvColor(base, colorBorder_, advColorBorder_, true);
}

void TFlatButton::setTransparentMode(TTransparentMode m) {
    transparentMode_ = m;
    update();
}

void TFlatButton::setDefault(bool v) {
    default_ = v;
    update();
}

void TFlatButton::setGroupIndex(int v) {
    if (groupIndex_ == v) return;
    groupIndex_ = v;
    NotifyGroup();
}

void TFlatButton::setAllowAllUp(bool v) {
    if (allowAllUp_ == v) return;
    allowAllUp_ = v;
    NotifyGroup();
}

void TFlatButton::setDown(bool v) {
    if (groupIndex_ == 0) v = false;
    if (v == down_) return;
    if (down_ && !allowAllUp_) return; // a latched button may only be released by a sibling
    down_ = v;
    if (v) {
        if (state_ == stUp) update();
        state_ = stLatched;
    } else {
        state_ = stUp;
        update();
    }
    if (v) NotifyGroup();
}

void TFlatButton::setGlyph(const QImage& img) {
    if (&img == &glyph_) return;
    glyph_ = gdi::ToBitmap24(img);
    if (!glyph_.isNull() && glyph_.height() > 0 && glyph_.width() % glyph_.height() == 0) {
        const int n = glyph_.width() / glyph_.height();
        numGlyphs_ = n > 4 ? 1 : std::max(1, n);
    }
    update();
}

void TFlatButton::setNumGlyphs(TNumGlyphs n) {
    n = std::clamp(n, 1, 4);
    if (numGlyphs_ == n) return;
    numGlyphs_ = n;
    update();
}

void TFlatButton::setLayout(TButtonLayout l) {
    if (layout_ == l) return;
    layout_ = l;
    update();
}

void TFlatButton::setMargin(int m) {
    if (margin_ == m || m < -1) return;
    margin_ = m;
    update();
}

void TFlatButton::setSpacing(int s) {
    if (spacing_ == s) return;
    spacing_ = s;
    update();
}

void TFlatButton::setCaption(const QString& c) {
    caption_ = c;
    UpdateAccelerator();
    update();
}

void TFlatButton::setTabStop(bool v) {
    setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TFlatButton::UpdateAccelerator() {
    shortcutId_ = GrabAccelerator(this, caption_, shortcutId_);
    // A group box keeps the accelerators of the controls inside it to itself.
    if (shortcutId_ != 0) setShortcutEnabled(shortcutId_, !InsideGroupBox(this));
}

void TFlatButton::Click() {
    if (modalResult_ != 0 && parentWidget() != nullptr)
        if (auto* dlg = qobject_cast<QDialog*>(window())) dlg->done(modalResult_);
    if (OnClick) OnClick(this);
}

// ---- grouping ----------------------------------------------------------------------------

void TFlatButton::NotifyGroup() {
    if (groupIndex_ == 0 || parentWidget() == nullptr) return;
    QList<QPointer<TFlatButton>> siblings;
    for (QObject* o : parentWidget()->children())
        if (auto* b = dynamic_cast<TFlatButton*>(o); b != nullptr && b != this) siblings.append(b);
    for (const auto& b : siblings)
        if (b) b->GroupNotified(groupIndex_, this);
}

void TFlatButton::GroupNotified(int groupIndex, TFlatButton* sender) {
    if (groupIndex != groupIndex_ || sender == this) return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = stUp;
        update();
    }
    allowAllUp_ = sender->allowAllUp_;
}

// ---- hover tracking ------------------------------------------------------------------------

bool TFlatButton::UnderCursor() const {
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void TFlatButton::EnterHot() {
    if (isEnabled() && !hovered_) {
        hovered_ = true;
        update();
    }
}

void TFlatButton::LeaveHot() {
    if (isEnabled() && hovered_ && !pressing_) {
        hovered_ = false;
        StopTracking();
        update();
    }
}

void TFlatButton::StopTracking() {
    if (g_tracked == this) {
        if (g_hoverTimer) g_hoverTimer->stop();
        g_tracked = nullptr;
    }
}

void TFlatButton::RefreshHover() {
    if (!isEnabled()) return;
    const bool over = UnderCursor();
    hovered_ = !over;
    if (over)
        EnterHot();
    else
        LeaveHot();
}

void TFlatButton::HoverTick() {
    if (g_tracked != nullptr && !g_tracked->UnderCursor()) g_tracked->LeaveHot();
}

// ---- events ------------------------------------------------------------------------------

bool TFlatButton::event(QEvent* e) {
    if (e->type() == gdi::ParentColorChangedEvent() || e->type() == gdi::SysColorChangedEvent() ||
        e->type() == QEvent::ParentChange) {
        if (e->type() != gdi::SysColorChangedEvent() && parentColor_ && parentWidget() != nullptr)
            gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
        if (e->type() != QEvent::ParentChange && useAdvColors_) {
            setParentColor(true);
            ApplyAdvColors();
        }
        if (e->type() == QEvent::ParentChange) UpdateAccelerator();
        update();
        return QWidget::event(e);
    }
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == shortcutId_ && shortcutId_ != 0) {
            if (isEnabled() && !InsideGroupBox(this)) {
                if (groupIndex_ != 0) setDown(true);
                Click();
            }
            return true;
        }
    }
    return QWidget::event(e);
}

bool TFlatButton::Inside(const QPoint& p) const {
    // The bottom edge row counts as inside.
    return p.x() >= 0 && p.x() <= width() - 1 && p.y() >= 0 && p.y() <= height();
}

void TFlatButton::mousePressEvent(QMouseEvent* e) {
    if (OnMouseDown) OnMouseDown(this, e);
    if (e->button() != Qt::LeftButton || !isEnabled()) return;
    if (!down_) {
        state_ = stPressed;
        update();
    }
    pressing_ = true;
    setFocus(Qt::MouseFocusReason);
}

void TFlatButton::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) OnMouseMove(this, e);
    if (pressing_) {
        TFlatButtonState next = down_ ? stLatched : stUp;
        if (Inside(e->position().toPoint())) next = down_ ? stLatched : stPressed;
        if (next != state_) {
            state_ = next;
            update();
        }
    }
    if (g_tracked != this && UnderCursor()) {
        if (g_tracked != nullptr) g_tracked->LeaveHot();
        if (gdi::HasActiveWindow()) {
            g_hoverTimer->stop();
            g_tracked = this;
            g_hoverTimer->start();
            EnterHot();
        }
    }
}

void TFlatButton::mouseReleaseEvent(QMouseEvent* e) {
    if (OnMouseUp) OnMouseUp(this, e);
    if (!pressing_) return;
    pressing_ = false;
    const bool inside = Inside(e->position().toPoint());
    if (groupIndex_ == 0) {
        state_ = stUp;
        hovered_ = false;
        if (inside) update();
    } else if (inside) {
        setDown(!down_);
        if (down_) update();
    } else {
        if (down_) state_ = stLatched;
        update();
    }
    if (inside) {
        // The click handler may delete the button (closing its window, for one).
        const QPointer<TFlatButton> self(this);
        Click();
        if (!self) return;
    } else {
        LeaveHot();
    }
    RefreshHover();
}

void TFlatButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click presses the button like the first one.
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton && down_ && OnDblClick) OnDblClick(this);
}

void TFlatButton::keyPressEvent(QKeyEvent* e) {
    e->accept(); // no key goes on to ordinary handling
    if (e->key() != Qt::Key_Space) return;
    if (groupIndex_ != 0)
        setDown(true);
    else
        state_ = stPressed;
    update();
}

void TFlatButton::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return;
    if (groupIndex_ != 0)
        setDown(false);
    else
        state_ = stUp;
    const QPointer<TFlatButton> self(this);
    Click();
    if (self) update();
}

void TFlatButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (isEnabled()) {
        hovered_ = true;
        update();
    }
}

void TFlatButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    LeaveHot();
}

void TFlatButton::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    if (OnMouseEnter) OnMouseEnter(this);
}

void TFlatButton::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (OnMouseLeave) OnMouseLeave(this);
}

void TFlatButton::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            hovered_ = false;
            state_ = stDisabled;
            pressing_ = false;
            StopTracking();
        } else {
            state_ = SettledState();
        }
        RefreshHover();
        update();
    } else if (e->type() == QEvent::FontChange) {
        update();
    }
}

void TFlatButton::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (transparentMode_ != tmNone) update();
}

void TFlatButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (transparentMode_ != tmNone) update();
}

// ---- painting ------------------------------------------------------------------------------

void TFlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    gdi::DrawDeviceImage(p, RenderFace(gdi::PainterRatio(p)));
}

TFlatButtonState TFlatButton::SettledState() const {
    if (!isEnabled()) return stDisabled;
    if (state_ == stDisabled) return (down_ && groupIndex_ != 0) ? stLatched : stUp;
    return state_;
}

QImage TFlatButton::RenderFace(double ratio) {
    const int w = std::max(1, width()), h = std::max(1, height());
    QImage bmp = gdi::NewDeviceImage(w, h, ratio > 0 ? ratio : devicePixelRatioF());
    TCanvas c(&bmp);
    c.Font = font();
    c.FontColor = fontColor_;

    // The layout follows the stored state, the look the settled one (they differ only until
    // an enabled change has been handled).
    const TPoint offset =
        (state_ == stPressed || state_ == stLatched) ? TPoint{1, 1} : TPoint{0, 0};
    const TRect client{0, 0, width(), height()};
    LayoutGlyphAndCaption(c, client, offset, layout_, spacing_, margin_,
                          glyph_.isNull() ? nullptr : &glyph_, numGlyphs_, caption_, captionRect_,
                          glyphOrigin_);
    const TFlatButtonState state = SettledState();
    PaintFace(c, client, state);
    PaintBorder(c, client, state);
    PaintGlyph(c, state);
    PaintCaption(c, state);
    c.End();
    return bmp;
}

void TFlatButton::PaintFace(TCanvas& c, const TRect& client, TFlatButtonState state) {
    const bool parentBack =
        transparentMode_ == tmAlways || (transparentMode_ == tmNotFocused && !hovered_);
    if (parentBack) {
        c.FillRect(client, color());
        PaintParentBackground(this, c);
        return;
    }
    TColor face = color();
    switch (state) {
    case stUp:
        face = hovered_ ? colorFocused_ : color();
        break;
    case stDisabled:
        face = color();
        break;
    case stPressed:
        face = colorDown_;
        break;
    case stLatched:
        face = hovered_ ? colorFocused_ : colorDown_;
        break;
    }
    c.FillRect(client, face);
}

void TFlatButton::PaintBorder(TCanvas& c, const TRect& client, TFlatButtonState state) const {
    switch (state) {
    case stUp:
        if (hovered_)
            DrawBevelFrame(c, client, colorHighLight_, colorShadow_, 1);
        else
            DrawBevelFrame(c, client, colorBorder_, colorBorder_, default_ ? 2 : 1);
        break;
    case stDisabled:
        DrawBevelFrame(c, client, colorBorder_, colorBorder_, 1);
        break;
    case stPressed:
    case stLatched:
        DrawBevelFrame(c, client, colorShadow_, colorHighLight_, 1);
        break;
    }
}

// The strip's image for the state, then the disabled look for a single image. The strip is
// cut in its own pixels; a picture made for a higher ratio keeps that ratio.
void TFlatButton::PaintGlyph(TCanvas& c, TFlatButtonState state) const {
    if (glyph_.isNull() || glyph_.width() <= 0) return;
    QImage strip = glyph_;
    const double ratio = strip.devicePixelRatio();
    strip.setDevicePixelRatio(1);
    const int W = strip.width(), H = strip.height(), gw = std::max(1, W / numGlyphs_);
    int from = 0, to = W;
    if (numGlyphs_ > 1) {
        static constexpr int kStart[5][4] = {
            {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3}};
        const int idx = kStart[numGlyphs_][state];
        from = idx * gw;
        to = idx == numGlyphs_ - 1 ? W : from + gw;
    }
    TColor key = gdi::PixelColor(strip, 0, H - 1);
    // A strip narrower than its images leaves nothing to copy for the later ones: they show
    // as fully transparent.
    QImage g(gw, H, QImage::Format_RGB32);
    g.fill(gdi::ToQColor(key));
    {
        TCanvas gc(&g);
        gc.CopyRect({0, 0, gw, H}, strip, {from, 0, to, H});
    }
    g.setDevicePixelRatio(ratio);
    if (numGlyphs_ == 1 && state == stDisabled) {
        g = MakeDisabledBitmap(g, gdi::clBlack, gdi::clBtnFace, gdi::clBtnHighlight,
                               gdi::clBtnShadow, true);
        key = gdi::PixelColor(g, 0, g.height() - 1);
    }
    c.DrawTransparent(glyphOrigin_.X, glyphOrigin_.Y, g, key);
}

void TFlatButton::PaintCaption(TCanvas& c, TFlatButtonState state) const {
    if (caption_.isEmpty()) return;
    c.Brush.Style = gdi::bsClear;
    const unsigned flags = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE;
    TRect r = captionRect_;
    if (state == stDisabled) {
        r.Offset(1, 1);
        c.FontColor = gdi::clBtnHighlight;
        c.DrawText(caption_, r, flags);
        r = captionRect_;
        c.FontColor = gdi::clBtnShadow;
    }
    c.DrawText(caption_, r, flags);
    c.Brush.Style = gdi::bsSolid;
}

} // namespace flat
