#include "calendar_ui/calendar_paint.h"
#include "calendar_ui/chn_calendar.h"
#include "gdi/fonts.h"

#include <QPainter>

namespace calendar_ui {
namespace {

constexpr unsigned kLineFlags = gdi::DT_SINGLELINE | gdi::DT_END_ELLIPSIS | gdi::DT_NOPREFIX;

QFont WithFamily(QFont f, const QString& family, int points, bool bold) {
    f.setFamily(family);
    f.setPointSize(points);
    f.setBold(bold);
    f.setItalic(false);
    f.setUnderline(false);
    return f;
}

QFont SongFont(const QFont& base) {
    return WithFamily(base, QStringLiteral("宋体"), 9, false);
}

} // namespace

double TChnCalendar::BackRatio() const {
    return backRatio_ > 0 ? backRatio_ : devicePixelRatioF();
}

void TChnCalendar::RebuildBackImage() {
    if (!gdi::IsDeviceImage(backBitmap_, width(), height(), BackRatio()))
        backBitmap_ = gdi::NewDeviceImage(width(), height(), BackRatio());
    if (backBitmap_.isNull()) return;
    PaintBackground();
    if (backGround_.isNull() || backGround_.width() == 0 || backGround_.height() == 0) {
        pictureBitmap_ = QImage();
        return;
    }
    PaintPicture();
    BlendBitmapAt(backBitmap_, pictureBitmap_, {0, 0}, -1, alphaBlend_);
}

// White, the frame, and the shown year and month as large pale numerals behind the days.
void TChnCalendar::PaintBackground() {
    int y = 0, m = 0, d = 0;
    const bool hasDate = calendar::DecodeDate(dateTime_, y, m, d);
    const gdi::TRect client{0, 0, width(), height()};
    gdi::TCanvas canvas(&backBitmap_);
    canvas.Font = font();
    canvas.Brush = {gdi::clWhite, gdi::bsSolid};
    canvas.Pen = {};
    canvas.FillRect(client);
    if (showFrame_) {
        canvas.Pen.Color = colorShowFrame_;
        canvas.Rectangle(client);
    }
    if (!showBackYearMonth_ || !hasDate) return;
    const gdi::TRect grid = gdi::TRect::FromQRect(dayGrid_->geometry());
    gdi::TRect r = grid;
    r.Bottom = r.Bottom / 2;
    r.Offset(0, 6);
    QFont f = font();
    gdi::SetFontFamily(f, QStringLiteral("Arial Black"));
    f.setPointSize(48);
    canvas.Font = f;
    canvas.FontColor = colorBackYear_;
    const unsigned centred = kLineFlags | gdi::DT_CENTER | gdi::DT_VCENTER;
    canvas.DrawText(QString::number(y), r, centred);

    r = grid;
    r.Top = r.Bottom / 2;
    f.setPointSize(90);
    canvas.Font = f;
    canvas.FontColor = colorBackMonth_;
    canvas.DrawText(QString::number(m), r, centred);
}

// The background picture on white, stretched, centred or at the top left.
void TChnCalendar::PaintPicture() {
    pictureBitmap_ = gdi::NewDeviceImage(width(), height(), BackRatio());
    gdi::TCanvas canvas(&pictureBitmap_);
    const int bw = width(), bh = height();
    const QSize picture = gdi::LogicalSize(backGround_);
    const int pw = picture.width(), ph = picture.height();
    if (stretch_) {
        gdi::TRect r{0, 0, bw, bh};
        FitPictureRect(pw, ph, bw, bh, center_, r);
        canvas.StretchDraw(r, backGround_);
    } else if (center_) {
        canvas.Draw((bw - pw) / 2, (bh - ph) / 2, backGround_);
    } else {
        canvas.Draw(0, 0, backGround_);
    }
}

void TChnCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The back image follows the device it is shown on (another screen, a grab at another
    // ratio), so that it is never scaled.
    const double ratio = gdi::PainterRatio(painter);
    if (!gdi::IsDeviceImage(backBitmap_, width(), height(), ratio)) {
        backRatio_ = ratio;
        RebuildBackImage();
    }
    gdi::DrawDeviceImage(painter, backBitmap_);
}

void TChnCalendar::DrawDayCell(gdi::TCanvas& gridCanvas, int c, int r, const gdi::TRect& rect,
                               TGridDrawState state) {
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return;
    const gdi::TRect cellR{0, 0, w, h};
    const gdi::TDevicePlace place = gridCanvas.Place(rect);
    gdi::TCanvas& cv = BeginCellCanvas(rect, place);
    if (r == 0) {
        DrawWeekdayTitleCell(cv, c, cellR);
    } else if (c == 0) {
        DrawWeekNumberCell(cv, r, cellR);
    } else if (c >= 1 && c <= 7) {
        const bool showSelection = state.Selected && (!hideSelection_ || state.Focused);
        if (showSelection) FillGradient(cv, cellR, 256, 0, colorSelectedStart_, colorSelectedEnd_);
        const int k = (r - 1) * 7 + c;
        const TDayCell* cell = k >= 1 && k <= 42 ? &cells_[size_t(k)] : nullptr;
        if (cell && cell->Valid) {
            cv.Brush.Style = gdi::bsClear;
            if (k >= 40)
                DrawTitleTextCell(cv, k, *cell, cellR);
            else
                DrawDateCell(cv, *cell, cellR, state.Selected, showSelection);
        }
    }
    cv.End();
    gridCanvas.DrawPlaced(place, cellBitmap_);
}

// The cell's image covers its place on the grid's device pixel for pixel, so that lines and
// fills of neighbouring cells meet without gaps at any ratio.
gdi::TCanvas& TChnCalendar::BeginCellCanvas(const gdi::TRect& rect,
                                            const gdi::TDevicePlace& place) {
    const int w = rect.Width(), h = rect.Height();
    gdi::FitImageToPlace(cellBitmap_, place);

    gdi::TCanvas& cv = cellCanvas_;
    cv.Begin(&cellBitmap_, place);
    cv.Font = font();
    cv.Pen = {};
    cv.Brush = {gdi::clWhite, gdi::bsSolid};

    // The part of the back image behind the cell, so that the grid looks transparent.
    gdi::TRect behind = rect;
    behind.Offset(dayGrid_->x(), dayGrid_->y());
    cv.CopyRect({0, 0, w, h}, backBitmap_, behind);
    return cv;
}

void TChnCalendar::DrawWeekdayTitleCell(gdi::TCanvas& cv, int c, const gdi::TRect& cellR) {
    const int w = cellR.Width(), h = cellR.Height();
    gdi::TRect t = cellR;
    t.Right -= 2;
    cv.Brush.Style = gdi::bsClear;
    QString text;
    if (c == 0)
        text = showWeekNum_ ? QStringLiteral("W") : QString();
    else
        text = WeekDayCaption(c, t.Width() > 36);
    cv.FontColor = c == 0 ? colorWeekNum_ : c == 1 || c == 7 ? colorTitleWeekEnd_ : colorTitleWeek_;
    if (!text.isEmpty()) cv.DrawText(text, t, kLineFlags | gdi::DT_CENTER | gdi::DT_TOP);
    cv.Pen.Color = colorTitleWeekLine_;
    cv.MoveTo(0, h - 4);
    cv.LineTo(w, h - 4);
    if (showWeekNum_ && showWeekNumLine_ && c == 0) {
        cv.MoveTo(w - 1, 0);
        cv.LineTo(w - 1, h);
    }
}

void TChnCalendar::DrawWeekNumberCell(gdi::TCanvas& cv, int r, const gdi::TRect& cellR) {
    if (!showWeekNum_ || r > 6 || weekNumTexts_[size_t(r)].isEmpty()) return;
    cv.Brush.Style = gdi::bsClear;
    cv.Font = SongFont(font());
    cv.FontColor = colorWeekNum_;
    gdi::TRect t = cellR;
    cv.DrawText(weekNumTexts_[size_t(r)], t, kLineFlags | gdi::DT_CENTER | gdi::DT_VCENTER);
    if (showWeekNumLine_) {
        const int w = cellR.Width();
        cv.Pen = {colorTitleWeekLine_, 1, gdi::psSolid};
        cv.MoveTo(w - 1, 0);
        cv.LineTo(w - 1, cellR.Height());
    }
}

// Cells 40..42 of the last row: the sign of the shown date, the year's cycle and its animal.
void TChnCalendar::DrawTitleTextCell(gdi::TCanvas& cv, int k, const TDayCell& cell,
                                     const gdi::TRect& cellR) {
    if (cell.DayText.isEmpty()) return;
    gdi::TRect t = cellR;
    t.Top += 8;
    cv.Font = SongFont(font());
    cv.FontColor = k == 40 ? colorTitleConstellation_ : colorTitleAnimalsYear_;
    const unsigned align = k == 40 ? gdi::DT_CENTER : k == 41 ? gdi::DT_RIGHT : gdi::DT_LEFT;
    cv.DrawText(cell.DayText, t, kLineFlags | gdi::DT_TOP | align);
}

// The day number on the upper half and the lunar text on the lower half, each offered to its
// owner-draw handler first.
void TChnCalendar::DrawDateCell(gdi::TCanvas& cv, const TDayCell& cell, const gdi::TRect& cellR,
                                bool selected, bool showSelection) {
    const int day = cell.DayText.toInt();
    const int h = cellR.Height();
    gdi::TRect t = cellR;
    t.Left += 2;
    t.Right -= 2;
    t.Bottom = h / 2;
    QString text = cell.DayText;
    cv.Font = fontDate_;
    cv.FontColor = cell.DateColor;
    bool defaultDraw = true;
    if (OnDrawDateCell) OnDrawDateCell(this, day, cv, cellR, selected, text, defaultDraw);
    if (defaultDraw) {
        cv.Brush.Style = gdi::bsClear;
        cv.DrawText(text, t, kLineFlags | gdi::DT_CENTER | gdi::DT_BOTTOM);
    }

    t = cellR;
    t.Left += 2;
    t.Right -= 2;
    t.Top = h / 2;
    text = cell.CnText;
    cv.Font = fontCnDate_;
    cv.FontColor = cell.CnColor;
    defaultDraw = true;
    if (OnDrawCnDateCell) OnDrawCnDateCell(this, day, cv, cellR, selected, text, defaultDraw);
    if (!defaultDraw) return;
    cv.Brush.Style = gdi::bsClear;
    cv.DrawText(text, t, kLineFlags | gdi::DT_CENTER | gdi::DT_TOP);
    if (showSelection) {
        cv.Pen = {colorSelectedFrame_, 1, gdi::psSolid};
        cv.Brush.Style = gdi::bsClear;
        cv.Rectangle(cellR);
    }
}

} // namespace calendar_ui
