#include "calendar_ui/month_day_edit.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace calendar_ui {

TMonthDayEdit::TMonthDayEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    // Without Qt::AlignAbsolute, Qt reads "right" as "left" in right-to-left layouts.
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The fields are only as wide as their digits; the line edit's own 2-pixel side margins
    // would cut them short.
    setTextMargins(-2, 0, -2, 0);
}

void TMonthDayEdit::setFitText(const QString& text) {
    fitText_ = text;
    FitFont();
}

void TMonthDayEdit::FitFont() {
    if (fitting_ || fitText_.isEmpty()) return;
    fitting_ = true;
    // One pixel column stays free for the text cursor.
    const int room = width() - 1;
    QFont f = font();
    f.setStretch(QFont::Unstretched);
    const int need = QFontMetrics(f).horizontalAdvance(fitText_);
    int stretch = QFont::Unstretched;
    if (need > room && room > 0) {
        stretch = std::max(50, 100 * room / need);
        // Stretched glyph advances round on their own; step down until the text fits.
        for (f.setStretch(stretch);
             stretch > 50 && QFontMetrics(f).horizontalAdvance(fitText_) > room;
             f.setStretch(--stretch)) {
        }
    }
    if (font().stretch() != stretch) {
        // Only the stretch is set here, so that family and size still follow the parent.
        QFont narrowed;
        narrowed.setStretch(stretch);
        setFont(narrowed);
    }
    fitting_ = false;
}

void TMonthDayEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange) FitFont();
}

void TMonthDayEdit::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    FitFont();
}

} // namespace calendar_ui
