#include "calendar_ui/chn_calendar.h"

#include "gdi/fonts.h"

#include <QEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QShowEvent>

namespace calendar_ui {
namespace {

// The era text without the ruler's personal name, its middle field: "[元]仁宗 皇庆2年".
QString EraWithoutRuler(const std::string& era) {
    const QStringList fields = QString::fromStdString(era).split(u' ');
    if (fields.size() != 3) return QString::fromStdString(era);
    return fields[0] + u' ' + fields[2];
}

} // namespace

TChnCalendar::TChnCalendar(QWidget* parent) : QWidget(parent) {
    setFont(gdi::DefaultFont());
    setAccessibleName(QStringLiteral("月历"));

    yearSpin_ = new TUpDown(this);
    yearSpin_->move(220, 10);
    yearSpin_->setRange(1, 2100);
    yearSpin_->OnClick = [this](QObject*, TUDBtnType) { YearSpinClick(); };
    monthSpin_ = new TUpDown(this);
    monthSpin_->move(60, 10);
    // 0 and 13 stand for the months either side of the shown year.
    monthSpin_->setRange(0, 13);
    monthSpin_->OnClick = [this](QObject*, TUDBtnType) { MonthSpinClick(); };

    CreateTitle();

    dayGrid_ = new TDayGrid(this);
    dayGrid_->setGeometry(8, 40, 298, 186);
    // Focus given to the calendar goes to its days, where the arrow keys work.
    setFocusProxy(dayGrid_);
    dayGrid_->setColCount(9);
    dayGrid_->setRowCount(7);
    dayGrid_->OnDrawCell = [this](gdi::TCanvas& canvas, int c, int r, const gdi::TRect& rect,
                                  TGridDrawState state) { DrawDayCell(canvas, c, r, rect, state); };
    dayGrid_->OnSelectCell = [this](int c, int r) { return GridSelectCell(c, r); };
    dayGrid_->OnMouseDown = [this](QObject* sender) { GridMouseDown(sender); };
    dayGrid_->OnClick = [this](QObject* sender) { GridClick(sender); };
    dayGrid_->setAccessibleName(QStringLiteral("日期"));
    // Read as a table of the six weeks' days under their weekday names.
    dayGrid_->Reading = {1, 1, 7, 6, [this](int c, int r) { return DayCellReading(c, r); }};

    monthMenu_ = new QMenu(this);
    yearMenu_ = new QMenu(this);

    // The date fonts start from the control's own font, so that what they do not set keeps
    // the defaults.
    fontDate_ = font();
    fontDate_.setFamily(QStringLiteral("黑体"));
    fontDate_.setPointSize(9);
    fontDate_.setBold(true);
    fontCnDate_ = font();
    fontCnDate_.setFamily(QStringLiteral("宋体"));
    fontCnDate_.setPointSize(9);
    fontCnDate_.setBold(false);

    // Leaving any child counts as leaving the calendar.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);

    resize(313, 253);
}

TChnCalendar::~TChnCalendar() = default;

// ---- date ---------------------------------------------------------------------------------

void TChnCalendar::setDateTime(TDateTime value) {
    if (value == dateTime_) return;
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(value, y, m, d)) return;
    if (y < yearSpin_->minimum() || y > yearSpin_->maximum()) return;

    dateTime_ = value;
    yearSpin_->setPosition(y);
    monthSpin_->setPosition(m);

    chnCal_.Update(dateTime_);
    cnMonth_ = FromStd(chnCal_.CnMonth);
    cnDay_ = FromStd(chnCal_.CnDay);
    cnDate_ = cnMonth_ + cnDay_;

    // Whatever goes wrong while the month is filled leaves the control as it stands, without
    // a repaint or a change report.
    try {
        FillMonth(true);
        if (OnChange) OnChange(this);
    } catch (...) {
    }
}

void TChnCalendar::Refill() {
    // The record is brought back to the shown date first: after a fill it holds the month's
    // last day, whose year texts may differ from those of the shown date.
    chnCal_.Update(dateTime_);
    try {
        FillMonth(false);
    } catch (...) {
    }
}

void TChnCalendar::FillMonth(bool moveCurrent) {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;

    FillTitleTexts(y, m, d);
    ClearDayCells();
    const calendar::TMonthGrid grid = calendar::MonthGridOf(y, m);
    for (size_t i = 0; i < grid.WeekNumbers.size() && i + 1 < weekNumTexts_.size(); ++i)
        weekNumTexts_[i + 1] = QString::number(grid.WeekNumbers[i]);
    for (int day = 1; day <= grid.Days; ++day) {
        const int k = grid.FirstCell + day - 1;
        FillDayCell(cells_[size_t(k)], y, m, day);
        if (day == d) {
            cells_[40].DayText = FromStd(chnCal_.Constellation);
            if (moveCurrent) MoveCurrentToCell(k);
        }
        cells_[size_t(k)].Valid = true;
    }

    RebuildBackImage();
    RefreshGrid();
    dayGrid_->CellTextsChanged();
}

void TChnCalendar::FillTitleTexts(int y, int m, int d) {
    yearLabel_->setCaption(QString::number(y));
    monthLabel_->setCaption(QString::number(m));

    for (int k = 40; k <= 42; ++k)
        cells_[size_t(k)].Valid = true;
    cells_[41].DayText = FromStd(chnCal_.YearGanZhi);
    cells_[42].DayText = FromStd(chnCal_.AnimalsYear) + QStringLiteral("年");

    const QString lunar = QStringLiteral(" 农历") + cnDate_;
    if (y >= 1949)
        infoLabel_->setCaption(QStringLiteral("%1-%2-%3")
                                   .arg(y, 4, 10, QLatin1Char('0'))
                                   .arg(m, 2, 10, QLatin1Char('0'))
                                   .arg(d, 2, 10, QLatin1Char('0')) +
                               lunar);
    else
        infoLabel_->setCaption(FromStd(chnCal_.Era) + lunar,
                               {EraWithoutRuler(chnCal_.Era) + lunar});
}

void TChnCalendar::ClearDayCells() {
    for (auto& t : weekNumTexts_)
        t.clear();
    for (int k = 1; k <= 37; ++k) {
        TDayCell& cell = cells_[size_t(k)];
        cell.Valid = false;
        cell.CnMonth.clear();
        cell.CnDay.clear();
        cell.CnText.clear();
        cell.DateColor = (k % 7 == 0 || k % 7 == 1) ? gdi::clRed : colorDate_;
    }
}

void TChnCalendar::FillDayCell(TDayCell& cell, int y, int m, int day) {
    TDateTime t = 0;
    calendar::TryEncodeDate(y, m, day, t);
    chnCal_.Update(t);

    cell.DayText = QString::number(day);
    cell.Day = day;
    cell.CnMonth = FromStd(chnCal_.CnMonth);
    cell.CnDay = FromStd(chnCal_.CnDay);
    const calendar::TCnCellText second = calendar::CnCellText(chnCal_);
    cell.CnText = FromStd(second.Text);
    cell.CnColor = CnTextColor(second.Source);
}

TColor TChnCalendar::CnTextColor(calendar::TCnTextSource source) const {
    switch (source) {
    case calendar::TCnTextSource::MonthName:
        return gdi::clRed;
    case calendar::TCnTextSource::Holiday:
        return colorHoliday_;
    case calendar::TCnTextSource::SolarTerm:
        return colorLunarHolDay_;
    case calendar::TCnTextSource::CnHoliday:
        return colorCnHolDay_;
    case calendar::TCnTextSource::LunarDay:
        break;
    }
    return colorCnDate_;
}

void TChnCalendar::MoveCurrentToCell(int k) {
    innerSelect_ = true;
    dayGrid_->setRow((k - 1) / 7 + 1);
    dayGrid_->setCol((k - 1) % 7 + 1);
    innerSelect_ = false;
}

void TChnCalendar::GoToday() {
    setDateTime(calendar::Now());
}

// Puts the spinners back on the shown date after a step the date setter refused.
void TChnCalendar::SyncSpinners() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    yearSpin_->setPosition(y);
    monthSpin_->setPosition(m);
}

void TChnCalendar::MonthSpinClick() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    if (monthSpin_->position() == 13) {
        ++y;
        yearSpin_->setPosition(y);
        monthSpin_->setPosition(1);
    } else if (monthSpin_->position() == 0) {
        --y;
        yearSpin_->setPosition(y);
        monthSpin_->setPosition(12);
    }
    m = monthSpin_->position();
    while (d > 0 && !calendar::IsValidDate(y, m, d))
        --d;
    TDateTime t = 0;
    // Year 0 (stepping back from January of year 1) has no day at all: the date stays.
    if (d > 0 && calendar::TryEncodeDate(y, m, d, t)) setDateTime(t);
    SyncSpinners();
}

void TChnCalendar::YearSpinClick() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    y = yearSpin_->position();
    TDateTime t = 0;
    while (!calendar::TryEncodeDate(y, m, d, t)) {
        if (d <= 0) {
            t = calendar::Now();
            break;
        }
        --d;
    }
    setDateTime(t);
    SyncSpinners();
}

// ---- grid ---------------------------------------------------------------------------------

bool TChnCalendar::GridSelectCell(int c, int r) {
    if (innerSelect_) return true;
    if (c == 0 || c == 8 || r == 0) return false;
    const int k = (r - 1) * 7 + c;
    if (k < 1 || k > 37 || !cells_[size_t(k)].Valid) return false;

    int y = 0, m = 0, d = 0;
    TDateTime t = 0;
    if (calendar::DecodeDate(dateTime_, y, m, d) &&
        calendar::TryEncodeDate(y, m, cells_[size_t(k)].Day, t))
        setDateTime(t);
    else
        setDateTime(calendar::Now());
    if (OnDateClick && mousePressed_) OnDateClick(this);
    return true;
}

void TChnCalendar::GridMouseDown(QObject*) {
    mousePressed_ = true;
}

void TChnCalendar::GridClick(QObject*) {
    int c = 0, r = 0;
    if (!dayGrid_->MouseToCell(dayGrid_->lastMousePos(), c, r)) return;
    if (c == dayGrid_->col() && r == dayGrid_->row() && OnDateSelect) OnDateSelect(this);
}

// ---- layout -------------------------------------------------------------------------------

void TChnCalendar::ApplyTitleLayout(bool showTitle) {
    showTitle_ = showTitle;
    yearSpin_->setVisible(showTitle);
    monthSpin_->setVisible(showTitle);
    if (showTitle) {
        dayGrid_->setGeometry(8, 40, width() - 15, height() - 67);
        dayGrid_->PopupMenu = nullptr;
    } else {
        dayGrid_->setGeometry(2, 2, width() - 4, height() - 4);
        dayGrid_->PopupMenu = yearMenu_;
    }
    DistributeCellSizes();
    backBitmap_ = gdi::NewDeviceImage(width(), height(), BackRatio());
    if (!pictureBitmap_.isNull())
        pictureBitmap_ = gdi::NewDeviceImage(width(), height(), BackRatio());
    RebuildBackImage();
    RefreshGrid();
}

void TChnCalendar::DistributeCellSizes() {
    const int h = dayGrid_->height() - dayGrid_->rowHeight(0);
    const int q = h / 6;
    for (int r = 1; r <= 5; ++r)
        dayGrid_->setRowHeight(r, q - 1);
    dayGrid_->setRowHeight(6, h - 5 * (q - 1));
    const int w = dayGrid_->width() - dayGrid_->colWidth(0);
    const int p = w / 7;
    for (int c = 1; c <= 7; ++c)
        dayGrid_->setColWidth(c, p - 1);
    dayGrid_->setColWidth(8, w - 7 * (p - 1));
}

// ---- property setters ---------------------------------------------------------------------

void TChnCalendar::RefreshGrid() {
    dayGrid_->update();
}

void TChnCalendar::Rebuild() {
    RebuildBackImage();
    update();
    RefreshGrid();
}

void TChnCalendar::setShowWeekNum(bool v) {
    if (v == showWeekNum_) return;
    showWeekNum_ = v;
    dayGrid_->setColWidth(0, v ? 18 : 6);
    RefreshGrid();
}

void TChnCalendar::setShowWeekNumLine(bool v) {
    showWeekNumLine_ = v;
    RefreshGrid();
}

void TChnCalendar::setShowFrame(bool v) {
    showFrame_ = v;
    Rebuild();
}

void TChnCalendar::setShowBackYearMonth(bool v) {
    showBackYearMonth_ = v;
    Rebuild();
}

void TChnCalendar::setCenter(bool v) {
    center_ = v;
    Rebuild();
}

void TChnCalendar::setStretch(bool v) {
    stretch_ = v;
    Rebuild();
}

void TChnCalendar::setTransparent(bool v) {
    transparent_ = v;
    Rebuild();
}

void TChnCalendar::setAlphaBlend(std::uint8_t v) {
    alphaBlend_ = v;
    Rebuild();
}

void TChnCalendar::setBackGround(const QImage& picture) {
    backGround_ = picture.copy();
    Rebuild();
}

void TChnCalendar::setFontDate(const QFont& f) {
    fontDate_ = f;
    RefreshGrid();
}

void TChnCalendar::setFontCnDate(const QFont& f) {
    fontCnDate_ = f;
    RefreshGrid();
}

void TChnCalendar::setColorDate(TColor c) {
    colorDate_ = c;
    Refill();
}

void TChnCalendar::setColorCnDate(TColor c) {
    colorCnDate_ = c;
    Refill();
}

void TChnCalendar::setColorHoliday(TColor c) {
    colorHoliday_ = c;
    Refill();
}

void TChnCalendar::setColorLunarHolDay(TColor c) {
    colorLunarHolDay_ = c;
    Refill();
}

void TChnCalendar::setColorCnHolDay(TColor c) {
    colorCnHolDay_ = c;
    Refill();
}

void TChnCalendar::setColorTitleWeek(TColor c) {
    colorTitleWeek_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorTitleWeekEnd(TColor c) {
    colorTitleWeekEnd_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorTitleWeekLine(TColor c) {
    colorTitleWeekLine_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorWeekNum(TColor c) {
    colorWeekNum_ = c;
    if (showWeekNum_) RefreshGrid();
}

void TChnCalendar::setColorSelectedStart(TColor c) {
    colorSelectedStart_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorSelectedEnd(TColor c) {
    colorSelectedEnd_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorSelectedFrame(TColor c) {
    colorSelectedFrame_ = c;
    RefreshGrid();
}

void TChnCalendar::setColorShowFrame(TColor c) {
    colorShowFrame_ = c;
    if (showFrame_) Rebuild();
}

void TChnCalendar::setColorBackYear(TColor c) {
    colorBackYear_ = c;
    Rebuild();
}

void TChnCalendar::setColorBackMonth(TColor c) {
    colorBackMonth_ = c;
    Rebuild();
}

void TChnCalendar::setColor(TColor c) {
    color_ = c;
    update();
}

// ---- window events ------------------------------------------------------------------------

void TChnCalendar::CreateWnd() {
    if (windowCreated_) return;
    windowCreated_ = true;
    BuildMenus();
    setDateTime(calendar::Now());
    setShowTitle(true);
}

void TChnCalendar::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) CreateWnd();
}

void TChnCalendar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    infoLabel_->setMaxRight(width() - 4); // clear of the frame
    ApplyTitleLayout(showTitle_);
    update();
}

void TChnCalendar::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) update();
    QWidget::changeEvent(e);
}

void TChnCalendar::leaveEvent(QEvent* e) {
    mousePressed_ = false;
    QWidget::leaveEvent(e);
}

bool TChnCalendar::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Leave) mousePressed_ = false;
    return QWidget::eventFilter(watched, e);
}

} // namespace calendar_ui
