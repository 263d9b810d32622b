#include "flat/flat_group_box.h"

#include "gdi/control_color.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace flat {

TFlatGroupBox::TFlatGroupBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 185, 105);
    gdi::SetControlColor(this, parent ? gdi::ControlColor(parent) : gdi::clWindow);
}

TColor TFlatGroupBox::color() const {
    return gdi::ControlColor(this);
}

void TFlatGroupBox::setColor(TColor c) {
    parentColor_ = false;
    gdi::SetControlColor(this, c);
}

void TFlatGroupBox::setParentColor(bool v) {
    if (parentColor_ == v) return;
    parentColor_ = v;
    if (v && parentWidget() != nullptr)
        gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
}

void TFlatGroupBox::setTransparent(bool v) {
    transparent_ = v;
    update();
}

void TFlatGroupBox::setColorBorder(TColor c) {
    colorBorder_ = c;
    update();
}

void TFlatGroupBox::setBorder(TGroupBoxBorder b) {
    border_ = b;
    update();
}

void TFlatGroupBox::setAdvColorBorder(TAdvColors v) {
    advColorBorder_ = v;
    ApplyAdvColors();
    update();
}

void TFlatGroupBox::setUseAdvColors(bool v) {
    if (useAdvColors_ == v) return;
    useAdvColors_ = v;
    setParentColor(v);
    ApplyAdvColors();
    update();
}

void TFlatGroupBox::ApplyAdvColors() {
    if (useAdvColors_) colorBorder_ = DeriveAdvColor(color(), colorBorder_, advColorBorder_, true);
}

void TFlatGroupBox::setCaption(const QString& c) {
    caption_ = c;
    UpdateAccelerator();
    update();
}

void TFlatGroupBox::setFontColor(TColor c) {
    fontColor_ = c;
    update();
}

void TFlatGroupBox::UpdateAccelerator() {
    shortcutId_ = GrabAccelerator(this, caption_, shortcutId_);
}

bool TFlatGroupBox::event(QEvent* e) {
    const auto t = e->type();
    if (t == gdi::ParentColorChangedEvent() || t == QEvent::ParentChange) {
        if (parentColor_ && parentWidget() != nullptr)
            gdi::SetControlColor(this, gdi::ControlColor(parentWidget()));
        if (t != QEvent::ParentChange && useAdvColors_) {
            setParentColor(true);
            ApplyAdvColors();
        }
        update();
        return QWidget::event(e);
    }
    if (t == gdi::SysColorChangedEvent()) {
        if (useAdvColors_) {
            setParentColor(true);
            ApplyAdvColors();
        }
        update();
        return true; // the framework's own handling is not wanted
    }
    if (t == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (shortcutId_ != 0 && se->shortcutId() == shortcutId_) {
            // The box itself takes the focus, not its first child.
            if (isEnabled() && isVisible()) setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::event(e);
}

void TFlatGroupBox::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
}

void TFlatGroupBox::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (transparent_) update();
}

void TFlatGroupBox::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (transparent_) update();
}

void TFlatGroupBox::mouseReleaseEvent(QMouseEvent* e) {
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && OnClick)
        OnClick(this);
}

void TFlatGroupBox::mouseDoubleClickEvent(QMouseEvent* e) {
    QWidget::mouseDoubleClickEvent(e);
    if (OnDblClick) OnDblClick(this);
}

void TFlatGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    gdi::DrawDeviceImage(p, RenderBox(gdi::PainterRatio(p)));
}

QImage TFlatGroupBox::RenderBox(double ratio) {
    const TRect cr{0, 0, width(), height()};
    QImage bmp = gdi::NewDeviceImage(std::max(1, cr.Right), std::max(1, cr.Bottom),
                                     ratio > 0 ? ratio : devicePixelRatioF());
    TCanvas c(&bmp);
    c.Font = font();
    c.FontColor = fontColor_;

    TRect measure{0, 0, 0, 0};
    int th = 0, tw = 0;
    if (!caption_.isEmpty()) {
        c.DrawText(caption_, measure, gdi::DT_CALCRECT | gdi::DT_SINGLELINE);
        th = measure.Height();
        tw = measure.Width();
    } else {
        th = c.TextHeight(QString());
    }
    const TRect captionRect{cr.Left + 10, cr.Top, cr.Right - 10, cr.Top + th};

    if (transparent_) {
        c.FillRect(cr, color());
        PaintParentBackground(this, c);
    } else {
        c.FillRect(cr, color());
    }

    c.Pen.Color = colorBorder_;
    c.Pen.Width = 1;
    c.Pen.Style = gdi::psSolid;
    const int y = cr.Top + th / 2;
    if (border_ == brFull) {
        c.Polyline({{cr.Left + 5, y},
                    {cr.Left, y},
                    {cr.Left, cr.Bottom - 1},
                    {cr.Right - 1, cr.Bottom - 1},
                    {cr.Right - 1, y},
                    {cr.Left + 12 + tw, y}});
    } else {
        c.Polyline({{cr.Left + 5, y}, {cr.Left, y}});
        c.Polyline({{cr.Right - 1, y}, {cr.Left + 12 + tw, y}});
    }

    if (!caption_.isEmpty()) {
        c.Brush.Style = gdi::bsClear;
        if (isEnabled()) {
            TRect r = captionRect;
            c.DrawText(caption_, r, gdi::DT_SINGLELINE);
        } else {
            TRect r = captionRect;
            r.Offset(1, 1);
            c.FontColor = gdi::clBtnHighlight;
            c.DrawText(caption_, r, gdi::DT_SINGLELINE);
            r = captionRect;
            c.FontColor = gdi::clBtnShadow;
            c.DrawText(caption_, r, gdi::DT_SINGLELINE);
        }
    }
    c.End();
    return bmp;
}

} // namespace flat
