#include "flat/flat_button.h"

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
    ParentColor = false;
    gdi::SetControlColor(this, c);
}

void TFlatButton::setParentColor(bool v) {
    if (ParentColor == v) return;
    ParentColor = v;
    if (v && parentWidget() != nullptr)
        gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
}

void TFlatButton::setColorFocused(TColor c) {
    ColorFocused = c;
    update();
}
void TFlatButton::setColorDown(TColor c) {
    ColorDown = c;
    update();
}
void TFlatButton::setColorBorder(TColor c) {
    ColorBorder = c;
    update();
}
void TFlatButton::setColorHighLight(TColor c) {
    ColorHighLight = c;
    update();
}
void TFlatButton::setColorShadow(TColor c) {
    ColorShadow = c;
    update();
}
void TFlatButton::setFontColor(TColor c) {
    FontColor = c;
    update();
}

void TFlatButton::setAdvColorFocused(TAdvColors v) {
    AdvColorFocused = v;
    ApplyAdvColors();
    update();
}
void TFlatButton::setAdvColorDown(TAdvColors v) {
    AdvColorDown = v;
    ApplyAdvColors();
    update();
}
void TFlatButton::setAdvColorBorder(TAdvColors v) {
    AdvColorBorder = v;
    ApplyAdvColors();
    update();
}

void TFlatButton::setUseAdvColors(bool v) {
    if (UseAdvColors == v) return;
    UseAdvColors = v;
    setParentColor(v);
    ApplyAdvColors();
    update();
}

void TFlatButton::ApplyAdvColors() {
    if (!UseAdvColors) return;
    const TColor base = color();
    ColorFocused = DeriveAdvColor(base, ColorFocused, AdvColorFocused, false);
    ColorDown = DeriveAdvColor(base, ColorDown, AdvColorDown, true);
    ColorBorder = DeriveAdvColor(base, ColorBorder, AdvColorBorder, true);
}

void TFlatButton::setTransparentMode(TTransparentMode m) {
    TransparentMode = m;
    update();
}

void TFlatButton::setDefault(bool v) {
    Default = v;
    update();
}

void TFlatButton::setGroupIndex(int v) {
    if (GroupIndex == v) return;
    GroupIndex = v;
    NotifyGroup();
}

void TFlatButton::setAllowAllUp(bool v) {
    if (AllowAllUp == v) return;
    AllowAllUp = v;
    NotifyGroup();
}

void TFlatButton::setDown(bool v) {
    if (GroupIndex == 0) v = false;
    if (v == Down) return;
    if (Down && !AllowAllUp) return; // a latched button may only be released by a sibling
    Down = v;
    if (v) {
        if (State == stUp) update();
        State = stLatched;
    } else {
        State = stUp;
        update();
    }
    if (v) NotifyGroup();
}

void TFlatButton::setGlyph(const QImage& img) {
    if (&img == &Glyph) return;
    Glyph = gdi::ToBitmap24(img);
    if (!Glyph.isNull() && Glyph.height() > 0 && Glyph.width() % Glyph.height() == 0) {
        const int n = Glyph.width() / Glyph.height();
        NumGlyphs = n > 4 ? 1 : std::max(1, n);
    }
    update();
}

void TFlatButton::setNumGlyphs(TNumGlyphs n) {
    n = std::clamp(n, 1, 4);
    if (NumGlyphs == n) return;
    NumGlyphs = n;
    update();
}

void TFlatButton::setLayout(TButtonLayout l) {
    if (Layout == l) return;
    Layout = l;
    update();
}

void TFlatButton::setMargin(int m) {
    if (Margin == m || m < -1) return;
    Margin = m;
    update();
}

void TFlatButton::setSpacing(int s) {
    if (Spacing == s) return;
    Spacing = s;
    update();
}

void TFlatButton::setCaption(const QString& c) {
    Caption = c;
    UpdateAccelerator();
    update();
}

void TFlatButton::setTabStop(bool v) {
    setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TFlatButton::UpdateAccelerator() {
    shortcutId_ = GrabAccelerator(this, Caption, shortcutId_);
    // A group box keeps the accelerators of the controls inside it to itself.
    if (shortcutId_ != 0) setShortcutEnabled(shortcutId_, !InsideGroupBox(this));
}

void TFlatButton::Click() {
    if (ModalResult != 0 && parentWidget() != nullptr)
        if (auto* dlg = qobject_cast<QDialog*>(window())) dlg->done(ModalResult);
    if (OnClick) OnClick(this);
}

// ---- grouping ----------------------------------------------------------------------------

void TFlatButton::NotifyGroup() {
    if (GroupIndex == 0 || parentWidget() == nullptr) return;
    QList<QPointer<TFlatButton>> siblings;
    for (QObject* o : parentWidget()->children())
        if (auto* b = dynamic_cast<TFlatButton*>(o); b != nullptr && b != this) siblings.append(b);
    for (const auto& b : siblings)
        if (b) b->GroupNotified(GroupIndex, this);
}

void TFlatButton::GroupNotified(int groupIndex, TFlatButton* sender) {
    if (groupIndex != GroupIndex || sender == this) return;
    if (sender->Down && Down) {
        Down = false;
        State = stUp;
        update();
    }
    AllowAllUp = sender->AllowAllUp;
}

// ---- hover tracking ------------------------------------------------------------------------

bool TFlatButton::UnderCursor() const {
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void TFlatButton::EnterHot() {
    if (isEnabled() && !Hovered) {
        Hovered = true;
        update();
    }
}

void TFlatButton::LeaveHot() {
    if (isEnabled() && Hovered && !Pressing) {
        Hovered = false;
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
    Hovered = !over;
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
        if (e->type() != gdi::SysColorChangedEvent() && ParentColor && parentWidget() != nullptr)
            gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
        if (e->type() != QEvent::ParentChange && UseAdvColors) {
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
                if (GroupIndex != 0) setDown(true);
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
    if (!Down) {
        State = stPressed;
        update();
    }
    Pressing = true;
    setFocus(Qt::MouseFocusReason);
}

void TFlatButton::mouseMoveEvent(QMouseEvent* e) {
    if (OnMouseMove) OnMouseMove(this, e);
    if (Pressing) {
        TFlatButtonState next = Down ? stLatched : stUp;
        if (Inside(e->position().toPoint())) next = Down ? stLatched : stPressed;
        if (next != State) {
            State = next;
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
    if (!Pressing) return;
    Pressing = false;
    const bool inside = Inside(e->position().toPoint());
    if (GroupIndex == 0) {
        State = stUp;
        Hovered = false;
        if (inside) update();
    } else if (inside) {
        setDown(!Down);
        if (Down) update();
    } else {
        if (Down) State = stLatched;
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
    if (e->button() == Qt::LeftButton && Down && OnDblClick) OnDblClick(this);
}

void TFlatButton::keyPressEvent(QKeyEvent* e) {
    e->accept(); // no key goes on to ordinary handling
    if (e->key() != Qt::Key_Space) return;
    if (GroupIndex != 0)
        setDown(true);
    else
        State = stPressed;
    update();
}

void TFlatButton::keyReleaseEvent(QKeyEvent* e) {
    e->accept();
    if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return;
    if (GroupIndex != 0)
        setDown(false);
    else
        State = stUp;
    const QPointer<TFlatButton> self(this);
    Click();
    if (self) update();
}

void TFlatButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (isEnabled()) {
        Hovered = true;
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
            Hovered = false;
            State = stDisabled;
            Pressing = false;
            StopTracking();
        } else {
            State = SettledState();
        }
        RefreshHover();
        update();
    } else if (e->type() == QEvent::FontChange) {
        update();
    }
}

void TFlatButton::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (TransparentMode != tmNone) update();
}

void TFlatButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (TransparentMode != tmNone) update();
}

// ---- painting ------------------------------------------------------------------------------

void TFlatButton::paintEvent(QPaintEvent*) {
    const QImage face = RenderFace();
    QPainter p(this);
    p.drawImage(0, 0, face);
}

TFlatButtonState TFlatButton::SettledState() const {
    if (!isEnabled()) return stDisabled;
    if (State == stDisabled) return (Down && GroupIndex != 0) ? stLatched : stUp;
    return State;
}

QImage TFlatButton::RenderFace() {
    const int w = std::max(1, width()), h = std::max(1, height());
    QImage bmp(w, h, QImage::Format_RGB32);
    bmp.fill(Qt::white);
    TCanvas c(&bmp);
    c.Font = font();
    c.FontColor = FontColor;

    // The layout follows the stored state, the look the settled one (they differ only until
    // an enabled change has been handled).
    const TPoint offset = (State == stPressed || State == stLatched) ? TPoint{1, 1} : TPoint{0, 0};
    const TRect client{0, 0, width(), height()};
    LayoutGlyphAndCaption(c, client, offset, Layout, Spacing, Margin,
                          Glyph.isNull() ? nullptr : &Glyph, NumGlyphs, Caption, CaptionRect,
                          GlyphOrigin);
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
        TransparentMode == tmAlways || (TransparentMode == tmNotFocused && !Hovered);
    if (parentBack) {
        c.FillRect(client, color());
        PaintParentBackground(this, c);
        return;
    }
    TColor face = color();
    switch (state) {
    case stUp:
        face = Hovered ? ColorFocused : color();
        break;
    case stDisabled:
        face = color();
        break;
    case stPressed:
        face = ColorDown;
        break;
    case stLatched:
        face = Hovered ? ColorFocused : ColorDown;
        break;
    }
    c.FillRect(client, face);
}

void TFlatButton::PaintBorder(TCanvas& c, const TRect& client, TFlatButtonState state) const {
    switch (state) {
    case stUp:
        if (Hovered)
            DrawBevelFrame(c, client, ColorHighLight, ColorShadow, 1);
        else
            DrawBevelFrame(c, client, ColorBorder, ColorBorder, Default ? 2 : 1);
        break;
    case stDisabled:
        DrawBevelFrame(c, client, ColorBorder, ColorBorder, 1);
        break;
    case stPressed:
    case stLatched:
        DrawBevelFrame(c, client, ColorShadow, ColorHighLight, 1);
        break;
    }
}

// The strip's image for the state, then the disabled look for a single image.
void TFlatButton::PaintGlyph(TCanvas& c, TFlatButtonState state) const {
    if (Glyph.isNull() || Glyph.width() <= 0) return;
    const int W = Glyph.width(), H = Glyph.height(), gw = std::max(1, W / NumGlyphs);
    int from = 0, to = W;
    if (NumGlyphs > 1) {
        static constexpr int kStart[5][4] = {
            {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3}};
        const int idx = kStart[NumGlyphs][state];
        from = idx * gw;
        to = idx == NumGlyphs - 1 ? W : from + gw;
    }
    TColor key = gdi::PixelColor(Glyph, 0, H - 1);
    // A strip narrower than its images leaves nothing to copy for the later ones: they show
    // as fully transparent.
    QImage g(gw, H, QImage::Format_RGB32);
    g.fill(gdi::ToQColor(key));
    {
        TCanvas gc(&g);
        gc.CopyRect({0, 0, gw, H}, Glyph, {from, 0, to, H});
    }
    if (NumGlyphs == 1 && state == stDisabled) {
        g = MakeDisabledBitmap(g, gdi::clBlack, gdi::clBtnFace, gdi::clBtnHighlight,
                               gdi::clBtnShadow, true);
        key = gdi::PixelColor(g, 0, g.height() - 1);
    }
    c.DrawTransparent(GlyphOrigin.X, GlyphOrigin.Y, g, key);
}

void TFlatButton::PaintCaption(TCanvas& c, TFlatButtonState state) const {
    if (Caption.isEmpty()) return;
    c.Brush.Style = gdi::bsClear;
    const unsigned flags = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE;
    TRect r = CaptionRect;
    if (state == stDisabled) {
        r.Offset(1, 1);
        c.FontColor = gdi::clBtnHighlight;
        c.DrawText(Caption, r, flags);
        r = CaptionRect;
        c.FontColor = gdi::clBtnShadow;
    }
    c.DrawText(Caption, r, flags);
    c.Brush.Style = gdi::bsSolid;
}

} // namespace flat
