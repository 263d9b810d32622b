#include "calendar_ui/title_label.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace calendar_ui {

TTitleLabel::TTitleLabel(QWidget* parent, int left, int top, const QFont& font, gdi::TColor color)
    : QLabel(parent), color_(color) {
    setFont(font);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    move(left, top);
    setFontColor(color);
    AdjustBounds();
}

void TTitleLabel::setCaption(const QString& caption, const QStringList& shorter) {
    caption_ = caption;
    shorter_ = shorter;
    AdjustBounds();
}

void TTitleLabel::setMaxRight(int right) {
    maxRight_ = right;
    AdjustBounds();
}

QString TTitleLabel::FittingText(const QFontMetrics& fm) const {
    if (maxRight_ < 0 || rightAligned_) return caption_;
    const int room = std::max(0, maxRight_ - x() + 1);
    if (fm.horizontalAdvance(caption_) <= room) return caption_;
    for (const QString& text : shorter_)
        if (fm.horizontalAdvance(text) <= room) return text;
    return fm.elidedText(shorter_.isEmpty() ? caption_ : shorter_.back(), Qt::ElideRight, room);
}

void TTitleLabel::setFontColor(gdi::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, gdi::ToQColor(color));
    setPalette(p);
}

void TTitleLabel::setRightAligned() {
    rightAligned_ = true;
    right_ = x() + width();
    setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void TTitleLabel::AdjustBounds() {
    const QFontMetrics fm(font());
    setText(FittingText(fm));
    const int w = fm.horizontalAdvance(text().isEmpty() ? QStringLiteral(" ") : text());
    const int left = rightAligned_ ? right_ - w : x();
    // Some fonts put the underline below their descent; keep it inside the label.
    int h = fm.height();
    if (font().underline()) h = std::max(h, fm.ascent() + fm.underlinePos() + fm.lineWidth() + 1);
    setGeometry(left, y(), w, h);
}

void TTitleLabel::mousePressEvent(QMouseEvent* e) {
    // Accepted, so that the release comes back here.
    if (e->button() == Qt::LeftButton) pressed_ = true;
    e->accept();
}

void TTitleLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        e->button() == Qt::LeftButton && pressed_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) pressed_ = false;
    e->accept();
    if (click && OnClick) OnClick(this);
}

void TTitleLabel::contextMenuEvent(QContextMenuEvent* e) {
    if (!PopupMenu) {
        QLabel::contextMenuEvent(e);
        return;
    }
    PopupMenu->popup(e->globalPos());
    e->accept();
}

} // namespace calendar_ui
