#include "calendar_ui/chn_calendar.h"

#include "gdi/fonts.h"

#include <QEvent>
#include <QMenu>
#include <QResizeEvent>
#include <QShowEvent>

namespace calendar_ui {
namespace {

constexpr TColor kRed = 0x0000FF;

int DaysInMonth(int year, int month) {
    return int(calendar::GregorianDaysOf(year, month + 1, 1) -
               calendar::GregorianDaysOf(year, month, 1));
}

} // namespace

TChnCalendar::TChnCalendar(QWidget* parent) : QWidget(parent) {
    setFont(gdi::DefaultFont());

    YearSpin = new TUpDown(this);
    YearSpin->move(220, 10);
    YearSpin->SetRange(1, 2100);
    YearSpin->OnClick = [this](QObject*, TUDBtnType) { YearSpinClick(); };
    MonthSpin = new TUpDown(this);
    MonthSpin->move(60, 10);
    // 0 and 13 stand for the months either side of the shown year.
    MonthSpin->SetRange(0, 13);
    MonthSpin->OnClick = [this](QObject*, TUDBtnType) { MonthSpinClick(); };

    CreateTitle();

    DayGrid = new TDayGrid(this);
    DayGrid->setGeometry(8, 40, 298, 186);
    DayGrid->SetColCount(9);
    DayGrid->SetRowCount(7);
    DayGrid->OnDrawCell = [this](gdi::TCanvas& canvas, int c, int r, const gdi::TRect& rect,
                                 TGridDrawState state) { DrawDayCell(canvas, c, r, rect, state); };
    DayGrid->OnSelectCell = [this](int c, int r) { return GridSelectCell(c, r); };
    DayGrid->OnMouseDown = [this](QObject* sender) { GridMouseDown(sender); };
    DayGrid->OnClick = [this](QObject* sender) { GridClick(sender); };

    MonthMenu = new QMenu(this);
    YearMenu = new QMenu(this);

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

void TChnCalendar::SetDateTime(TDateTime value) {
    if (value == dateTime_) return;
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(value, y, m, d)) return;
    if (y < YearSpin->Min() || y > YearSpin->Max()) return;

    dateTime_ = value;
    YearSpin->SetPosition(y);
    MonthSpin->SetPosition(m);

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

    YearLabel->SetCaption(QString::number(y));
    MonthLabel->SetCaption(QString::number(m));

    for (int k = 40; k <= 42; ++k) cells_[size_t(k)].Valid = true;
    cells_[41].DayText = FromStd(chnCal_.YearGanZhi);
    cells_[42].DayText = FromStd(chnCal_.AnimalsYear) + QStringLiteral("年");

    const QString lunar = QStringLiteral(" 农历") + cnDate_;
    if (y >= 1949)
        InfoLabel->SetCaption(QStringLiteral("%1-%2-%3")
                                  .arg(y, 4, 10, QLatin1Char('0'))
                                  .arg(m, 2, 10, QLatin1Char('0'))
                                  .arg(d, 2, 10, QLatin1Char('0')) +
                              lunar);
    else
        InfoLabel->SetCaption(FromStd(chnCal_.Era) + lunar);

    for (auto& t : weekNumTexts_) t.clear();
    for (int k = 1; k <= 37; ++k) {
        TDayCell& cell = cells_[size_t(k)];
        cell.Valid = false;
        cell.CnMonth.clear();
        cell.CnDay.clear();
        cell.CnText.clear();
        cell.DateColor = (k % 7 == 0 || k % 7 == 1) ? kRed : colorDate_;
    }

    const int dow = calendar::DayOfWeekOf(y, m, 1);
    const int n = DaysInMonth(y, m);
    int lastWeek = -1;
    int weekRow = 1;
    for (int k = dow; k <= dow + n - 1; ++k) {
        const int day = k - dow + 1;
        TDateTime t = 0;
        calendar::TryEncodeDate(y, m, day, t);
        chnCal_.Update(t);

        const int week = calendar::IsoWeekOf(y, m, day);
        if (week != lastWeek) {
            lastWeek = week;
            if (weekRow <= 6) weekNumTexts_[size_t(weekRow)] = QString::number(week);
            ++weekRow;
        }

        TDayCell& cell = cells_[size_t(k)];
        cell.DayText = QString::number(day);
        cell.Day = day;
        cell.CnMonth = FromStd(chnCal_.CnMonth);
        cell.CnDay = FromStd(chnCal_.CnDay);
        if (cell.CnDay == QStringLiteral("初一")) {
            cell.CnText = cell.CnMonth;
            cell.CnColor = kRed;
        } else {
            cell.CnText = cell.CnDay;
            cell.CnColor = colorCnDate_;
        }
        // Later rules win: lunar festival over solar term over Gregorian festival.
        if (!chnCal_.Holiday.empty()) {
            cell.CnText = FromStd(chnCal_.Holiday);
            cell.CnColor = colorHoliday_;
        }
        if (!chnCal_.SolarTerm.empty()) {
            cell.CnText = FromStd(chnCal_.SolarTerm);
            cell.CnColor = colorLunarHolDay_;
        }
        if (!chnCal_.CnHoliday.empty()) {
            cell.CnText = FromStd(chnCal_.CnHoliday);
            cell.CnColor = colorCnHolDay_;
        }
        if (day == d) {
            cells_[40].DayText = FromStd(chnCal_.Constellation);
            if (moveCurrent) {
                innerSelect_ = true;
                DayGrid->SetRow((k - 1) / 7 + 1);
                DayGrid->SetCol((k - 1) % 7 + 1);
                innerSelect_ = false;
            }
        }
        cell.Valid = true;
    }

    RebuildBackImage();
    RefreshGrid();
}

void TChnCalendar::GoToday() { SetDateTime(calendar::Now()); }

// Puts the spinners back on the shown date after a step the date setter refused.
void TChnCalendar::SyncSpinners() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    YearSpin->SetPosition(y);
    MonthSpin->SetPosition(m);
}

void TChnCalendar::MonthSpinClick() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    if (MonthSpin->Position() == 13) {
        ++y;
        YearSpin->SetPosition(y);
        MonthSpin->SetPosition(1);
    } else if (MonthSpin->Position() == 0) {
        --y;
        YearSpin->SetPosition(y);
        MonthSpin->SetPosition(12);
    }
    m = MonthSpin->Position();
    while (d > 0 && !calendar::IsValidDate(y, m, d)) --d;
    TDateTime t = 0;
    // Year 0 (stepping back from January of year 1) has no day at all: the date stays.
    if (d > 0 && calendar::TryEncodeDate(y, m, d, t)) SetDateTime(t);
    SyncSpinners();
}

void TChnCalendar::YearSpinClick() {
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return;
    y = YearSpin->Position();
    TDateTime t = 0;
    while (!calendar::TryEncodeDate(y, m, d, t)) {
        if (d <= 0) {
            t = calendar::Now();
            break;
        }
        --d;
    }
    SetDateTime(t);
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
        SetDateTime(t);
    else
        SetDateTime(calendar::Now());
    if (OnDateClick && mousePressed_) OnDateClick(this);
    return true;
}

void TChnCalendar::GridMouseDown(QObject*) { mousePressed_ = true; }

void TChnCalendar::GridClick(QObject*) {
    int c = 0, r = 0;
    if (!DayGrid->MouseToCell(DayGrid->LastMousePos(), c, r)) return;
    if (c == DayGrid->Col() && r == DayGrid->Row() && OnDateSelect) OnDateSelect(this);
}

// ---- layout -------------------------------------------------------------------------------

void TChnCalendar::ApplyTitleLayout(bool showTitle) {
    showTitle_ = showTitle;
    YearSpin->setVisible(showTitle);
    MonthSpin->setVisible(showTitle);
    if (showTitle) {
        DayGrid->setGeometry(8, 40, width() - 15, height() - 67);
        DayGrid->PopupMenu = nullptr;
    } else {
        DayGrid->setGeometry(2, 2, width() - 4, height() - 4);
        DayGrid->PopupMenu = YearMenu;
    }
    DistributeCellSizes();
    backBitmap_ = QImage(std::max(0, width()), std::max(0, height()), QImage::Format_RGB32);
    backBitmap_.fill(Qt::white);
    if (!pictureBitmap_.isNull())
        pictureBitmap_ = QImage(std::max(0, width()), std::max(0, height()), QImage::Format_RGB32);
    RebuildBackImage();
    RefreshGrid();
}

void TChnCalendar::DistributeCellSizes() {
    const int h = DayGrid->height() - DayGrid->RowHeight(0);
    const int q = h / 6;
    for (int r = 1; r <= 5; ++r) DayGrid->SetRowHeight(r, q - 1);
    DayGrid->SetRowHeight(6, h - 5 * (q - 1));
    const int w = DayGrid->width() - DayGrid->ColWidth(0);
    const int p = w / 7;
    for (int c = 1; c <= 7; ++c) DayGrid->SetColWidth(c, p - 1);
    DayGrid->SetColWidth(8, w - 7 * (p - 1));
}

// ---- property setters ---------------------------------------------------------------------

void TChnCalendar::RefreshGrid() { DayGrid->update(); }

void TChnCalendar::Rebuild() {
    RebuildBackImage();
    update();
    RefreshGrid();
}

void TChnCalendar::SetShowWeekNum(bool v) {
    if (v == showWeekNum_) return;
    showWeekNum_ = v;
    DayGrid->SetColWidth(0, v ? 18 : 6);
    RefreshGrid();
}

void TChnCalendar::SetShowWeekNumLine(bool v) {
    showWeekNumLine_ = v;
    RefreshGrid();
}

void TChnCalendar::SetShowFrame(bool v) {
    showFrame_ = v;
    Rebuild();
}

void TChnCalendar::SetShowBackYearMonth(bool v) {
    showBackYearMonth_ = v;
    Rebuild();
}

void TChnCalendar::SetCenter(bool v) {
    center_ = v;
    Rebuild();
}

void TChnCalendar::SetStretch(bool v) {
    stretch_ = v;
    Rebuild();
}

void TChnCalendar::SetTransparent(bool v) {
    transparent_ = v;
    Rebuild();
}

void TChnCalendar::SetAlphaBlend(std::uint8_t v) {
    alphaBlend_ = v;
    Rebuild();
}

void TChnCalendar::SetBackGround(const QImage& picture) {
    backGround_ = picture.copy();
    Rebuild();
}

void TChnCalendar::SetFontDate(const QFont& f) {
    fontDate_ = f;
    RefreshGrid();
}

void TChnCalendar::SetFontCnDate(const QFont& f) {
    fontCnDate_ = f;
    RefreshGrid();
}

void TChnCalendar::SetColorDate(TColor c) {
    colorDate_ = c;
    Refill();
}

void TChnCalendar::SetColorCnDate(TColor c) {
    colorCnDate_ = c;
    Refill();
}

void TChnCalendar::SetColorHoliday(TColor c) {
    colorHoliday_ = c;
    Refill();
}

void TChnCalendar::SetColorLunarHolDay(TColor c) {
    colorLunarHolDay_ = c;
    Refill();
}

void TChnCalendar::SetColorCnHolDay(TColor c) {
    colorCnHolDay_ = c;
    Refill();
}

void TChnCalendar::SetColorTitleWeek(TColor c) {
    colorTitleWeek_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorTitleWeekEnd(TColor c) {
    colorTitleWeekEnd_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorTitleWeekLine(TColor c) {
    colorTitleWeekLine_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorWeekNum(TColor c) {
    colorWeekNum_ = c;
    if (showWeekNum_) RefreshGrid();
}

void TChnCalendar::SetColorSelectedStart(TColor c) {
    colorSelectedStart_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorSelectedEnd(TColor c) {
    colorSelectedEnd_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorSelectedFrame(TColor c) {
    colorSelectedFrame_ = c;
    RefreshGrid();
}

void TChnCalendar::SetColorShowFrame(TColor c) {
    colorShowFrame_ = c;
    if (showFrame_) Rebuild();
}

void TChnCalendar::SetColorBackYear(TColor c) {
    colorBackYear_ = c;
    Rebuild();
}

void TChnCalendar::SetColorBackMonth(TColor c) {
    colorBackMonth_ = c;
    Rebuild();
}

void TChnCalendar::SetColor(TColor c) {
    color_ = c;
    update();
}

// ---- window events ------------------------------------------------------------------------

void TChnCalendar::CreateWnd() {
    if (windowCreated_) return;
    windowCreated_ = true;
    BuildMenus();
    SetDateTime(calendar::Now());
    SetShowTitle(true);
}

void TChnCalendar::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) CreateWnd();
}

void TChnCalendar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
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
