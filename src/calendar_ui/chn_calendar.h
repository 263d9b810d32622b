#pragma once

#include "calendar/chn_cal.h"
#include "calendar/date_time.h"
#include "calendar_ui/day_grid.h"
#include "calendar_ui/title_label.h"
#include "calendar_ui/up_down.h"
#include "gdi/canvas.h"
#include "gdi/color.h"
#include "gdi/geometry.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

namespace calendar_ui {

using calendar::TDateTime;
using gdi::TColor;

// One cell of the month: cells 1..37 hold days, 40..42 the title texts.
struct TDayCell {
    int Day = 0;
    bool Valid = false;
    QString DayText;
    QString CnMonth;
    QString CnDay;
    QString CnText;
    TColor DateColor = 0;
    TColor CnColor = 0;
};

// Called while the first (day number) or second (lunar) line of a day cell is drawn. The
// handler may change the text, or draw itself and clear defaultDraw.
using TDrawDateCellEvent =
    std::function<void(QObject* sender, int day, gdi::TCanvas& aCanvas, const gdi::TRect& R,
                       bool selected, QString& text, bool& defaultDraw)>;

// A month calendar: one Gregorian month in weeks from Sunday, each day with its lunar day,
// lunar month, festival or solar term; a title bar with year and month, spinners, menus and a
// link to today; an info line with the selected date; pale year and month numerals and an
// optional picture behind the days.
class TChnCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TChnCalendar(QWidget* parent = nullptr);
    ~TChnCalendar() override;

    // ---- date ----
    TDateTime DateTime() const { return dateTime_; }
    void SetDateTime(TDateTime value);
    QString CnDate() const { return cnDate_; }
    QString CnMonth() const { return cnMonth_; }
    QString CnDay() const { return cnDay_; }
    void SetCnDate(const QString& v) { cnDate_ = v; }
    void SetCnMonth(const QString& v) { cnMonth_ = v; }
    void SetCnDay(const QString& v) { cnDay_ = v; }

    // ---- switches ----
    bool ShowTitle() const { return showTitle_; }
    void SetShowTitle(bool v) { ApplyTitleLayout(v); }
    bool ShowWeekNum() const { return showWeekNum_; }
    void SetShowWeekNum(bool v);
    bool ShowWeekNumLine() const { return showWeekNumLine_; }
    void SetShowWeekNumLine(bool v);
    bool ShowFrame() const { return showFrame_; }
    void SetShowFrame(bool v);
    bool ShowBackYearMonth() const { return showBackYearMonth_; }
    void SetShowBackYearMonth(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { hideSelection_ = v; }
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    std::uint8_t AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(std::uint8_t v);
    const QImage& BackGround() const { return backGround_; }
    void SetBackGround(const QImage& picture);

    // ---- fonts and colours ----
    QFont FontDate() const { return fontDate_; }
    void SetFontDate(const QFont& f);
    QFont FontCnDate() const { return fontCnDate_; }
    void SetFontCnDate(const QFont& f);
    TColor ColorDate() const { return colorDate_; }
    void SetColorDate(TColor c);
    TColor ColorCnDate() const { return colorCnDate_; }
    void SetColorCnDate(TColor c);
    TColor ColorHoliday() const { return colorHoliday_; }
    void SetColorHoliday(TColor c);
    TColor ColorLunarHolDay() const { return colorLunarHolDay_; }
    void SetColorLunarHolDay(TColor c);
    TColor ColorCnHolDay() const { return colorCnHolDay_; }
    void SetColorCnHolDay(TColor c);
    TColor ColorTitleWeek() const { return colorTitleWeek_; }
    void SetColorTitleWeek(TColor c);
    TColor ColorTitleWeekEnd() const { return colorTitleWeekEnd_; }
    void SetColorTitleWeekEnd(TColor c);
    TColor ColorTitleWeekLine() const { return colorTitleWeekLine_; }
    void SetColorTitleWeekLine(TColor c);
    TColor ColorWeekNum() const { return colorWeekNum_; }
    void SetColorWeekNum(TColor c);
    TColor ColorSelectedStart() const { return colorSelectedStart_; }
    void SetColorSelectedStart(TColor c);
    TColor ColorSelectedEnd() const { return colorSelectedEnd_; }
    void SetColorSelectedEnd(TColor c);
    TColor ColorSelectedFrame() const { return colorSelectedFrame_; }
    void SetColorSelectedFrame(TColor c);
    TColor ColorShowFrame() const { return colorShowFrame_; }
    void SetColorShowFrame(TColor c);
    TColor ColorBackYear() const { return colorBackYear_; }
    void SetColorBackYear(TColor c);
    TColor ColorBackMonth() const { return colorBackMonth_; }
    void SetColorBackMonth(TColor c);
    TColor ColorTitleConstellation() const { return colorTitleConstellation_; }
    void SetColorTitleConstellation(TColor c) { colorTitleConstellation_ = c; }
    TColor ColorTitleAnimalsYear() const { return colorTitleAnimalsYear_; }
    void SetColorTitleAnimalsYear(TColor c) { colorTitleAnimalsYear_ = c; }
    TColor ColorTitleYear() const { return YearLabel->FontColor(); }
    void SetColorTitleYear(TColor c) { YearLabel->SetFontColor(c); }
    TColor ColorTitleMonth() const { return MonthLabel->FontColor(); }
    void SetColorTitleMonth(TColor c) { MonthLabel->SetFontColor(c); }
    TColor ColorTitleToday() const { return TodayLabel->FontColor(); }
    void SetColorTitleToday(TColor c) { TodayLabel->SetFontColor(c); }
    TColor ColorTitleSelected() const { return InfoLabel->FontColor(); }
    void SetColorTitleSelected(TColor c) { InfoLabel->SetFontColor(c); }
    TColor Color() const { return color_; }
    void SetColor(TColor c);

    // ---- events (raised only when assigned) ----
    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender)> OnDateSelect;
    std::function<void(QObject* sender)> OnDateClick;
    TDrawDateCellEvent OnDrawDateCell;
    TDrawDateCellEvent OnDrawCnDateCell;

    // ---- operations ----
    // Builds the menus, sets today and shows the title: what the first showing does.
    void CreateWnd();
    bool WindowCreated() const { return windowCreated_; }
    void GoToday();
    void MonthSpinClick();
    void YearSpinClick();
    void MonthItemClick(QAction* item);
    void YearItemClick(QAction* item);
    void PopupMonthMenu();
    void PopupYearMenu();
    void ApplyTitleLayout(bool showTitle);
    void DistributeCellSizes();
    void RebuildBackImage();
    // Fills the shown month again from DateTime (new colours show at once).
    void Refill();
    bool GridSelectCell(int c, int r);
    void GridMouseDown(QObject* sender);
    void GridClick(QObject* sender);
    void DrawDayCell(gdi::TCanvas& gridCanvas, int c, int r, const gdi::TRect& rect,
                     TGridDrawState state);

    // ---- inspection ----
    const TDayCell& Cell(int k) const { return cells_[size_t(k)]; }
    const QString& WeekNumText(int row) const { return weekNumTexts_[size_t(row)]; }
    bool MousePressed() const { return mousePressed_; }
    const QImage& BackBitmap() const { return backBitmap_; }
    const QImage& PictureBitmap() const { return pictureBitmap_; }

    // Owned parts.
    TUpDown* YearSpin;
    TUpDown* MonthSpin;
    TTitleLabel* TodayLabel;
    TTitleLabel* MonthLabel;
    TTitleLabel* MonthUnitLabel;
    TTitleLabel* YearLabel;
    TTitleLabel* YearUnitLabel;
    TTitleLabel* InfoLabel;
    TDayGrid* DayGrid;
    QMenu* MonthMenu;
    QMenu* YearMenu;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void CreateTitle();
    void BuildMenus();
    // Steps of the date setter that follow the stored date: title cells, info line, cells,
    // back image. moveCurrent puts the grid's current cell on the date's day.
    void FillMonth(bool moveCurrent);
    void RefreshGrid();
    void Rebuild();
    void SyncSpinners();
    static QString FromStd(const std::string& s) { return QString::fromStdString(s); }

    calendar::TChnCal chnCal_;
    std::array<TDayCell, 43> cells_{}; // 1..42
    std::array<QString, 7> weekNumTexts_{}; // 1..6
    bool mousePressed_ = false;
    bool innerSelect_ = false;
    bool windowCreated_ = false;

    TDateTime dateTime_ = 0;
    QString cnDate_, cnMonth_, cnDay_;
    bool showTitle_ = false;
    bool showWeekNum_ = false;
    bool showWeekNumLine_ = true;
    bool showFrame_ = true;
    bool showBackYearMonth_ = true;
    bool hideSelection_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
    std::uint8_t alphaBlend_ = 50;
    QImage backGround_;
    QFont fontDate_;
    QFont fontCnDate_;
    TColor color_ = gdi::clWindow;
    TColor colorDate_ = 0x4F4F4F;
    TColor colorCnDate_ = 0x008000;
    TColor colorHoliday_ = 0x0080FF;
    TColor colorLunarHolDay_ = 0xFF5353;
    TColor colorCnHolDay_ = 0x0080FF;
    TColor colorTitleWeek_ = 0x4F4F4F;
    TColor colorTitleWeekEnd_ = 0x0000FF;
    TColor colorTitleWeekLine_ = 0xC5C5C5;
    TColor colorWeekNum_ = 0x808080;
    TColor colorSelectedStart_ = 0x53AE00;
    TColor colorSelectedEnd_ = 0x65D500;
    TColor colorSelectedFrame_ = 0x469300;
    TColor colorShowFrame_ = 0x808080;
    TColor colorBackYear_ = 0xDDE8FF;
    TColor colorBackMonth_ = 0xEBEBEB;
    TColor colorTitleConstellation_ = 0x000000;
    TColor colorTitleAnimalsYear_ = 0x000000;

    QImage backBitmap_;
    QImage cellBitmap_;
    QImage pictureBitmap_;
    gdi::TCanvas cellCanvas_;
};

} // namespace calendar_ui
