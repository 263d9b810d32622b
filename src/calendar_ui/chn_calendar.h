#pragma once

#include "calendar/chn_cal.h"
#include "calendar/date_time.h"
#include "calendar/day_cell.h"
#include "calendar_ui/day_grid.h"
#include "calendar_ui/title_label.h"
#include "calendar_ui/up_down.h"
#include "gdi/canvas.h"
#include "gdi/color.h"
#include "gdi/geometry.h"
#include "gdi/test_access_fwd.h"

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
    TDateTime dateTime() const { return dateTime_; }
    void setDateTime(TDateTime value);
    QString cnDate() const { return cnDate_; }
    QString cnMonth() const { return cnMonth_; }
    QString cnDay() const { return cnDay_; }
    void setCnDate(const QString& v) { cnDate_ = v; }
    void setCnMonth(const QString& v) { cnMonth_ = v; }
    void setCnDay(const QString& v) { cnDay_ = v; }

    // ---- switches ----
    bool showTitle() const { return showTitle_; }
    void setShowTitle(bool v) { ApplyTitleLayout(v); }
    bool showWeekNum() const { return showWeekNum_; }
    void setShowWeekNum(bool v);
    bool showWeekNumLine() const { return showWeekNumLine_; }
    void setShowWeekNumLine(bool v);
    bool showFrame() const { return showFrame_; }
    void setShowFrame(bool v);
    bool showBackYearMonth() const { return showBackYearMonth_; }
    void setShowBackYearMonth(bool v);
    bool hideSelection() const { return hideSelection_; }
    void setHideSelection(bool v) { hideSelection_ = v; }
    bool center() const { return center_; }
    void setCenter(bool v);
    bool stretch() const { return stretch_; }
    void setStretch(bool v);
    bool transparent() const { return transparent_; }
    void setTransparent(bool v);
    std::uint8_t alphaBlend() const { return alphaBlend_; }
    void setAlphaBlend(std::uint8_t v);
    const QImage& backGround() const { return backGround_; }
    void setBackGround(const QImage& picture);

    // ---- fonts and colours ----
    QFont fontDate() const { return fontDate_; }
    void setFontDate(const QFont& f);
    QFont fontCnDate() const { return fontCnDate_; }
    void setFontCnDate(const QFont& f);
    TColor colorDate() const { return colorDate_; }
    void setColorDate(TColor c);
    TColor colorCnDate() const { return colorCnDate_; }
    void setColorCnDate(TColor c);
    TColor colorHoliday() const { return colorHoliday_; }
    void setColorHoliday(TColor c);
    TColor colorLunarHolDay() const { return colorLunarHolDay_; }
    void setColorLunarHolDay(TColor c);
    TColor colorCnHolDay() const { return colorCnHolDay_; }
    void setColorCnHolDay(TColor c);
    TColor colorTitleWeek() const { return colorTitleWeek_; }
    void setColorTitleWeek(TColor c);
    TColor colorTitleWeekEnd() const { return colorTitleWeekEnd_; }
    void setColorTitleWeekEnd(TColor c);
    TColor colorTitleWeekLine() const { return colorTitleWeekLine_; }
    void setColorTitleWeekLine(TColor c);
    TColor colorWeekNum() const { return colorWeekNum_; }
    void setColorWeekNum(TColor c);
    TColor colorSelectedStart() const { return colorSelectedStart_; }
    void setColorSelectedStart(TColor c);
    TColor colorSelectedEnd() const { return colorSelectedEnd_; }
    void setColorSelectedEnd(TColor c);
    TColor colorSelectedFrame() const { return colorSelectedFrame_; }
    void setColorSelectedFrame(TColor c);
    TColor colorShowFrame() const { return colorShowFrame_; }
    void setColorShowFrame(TColor c);
    TColor colorBackYear() const { return colorBackYear_; }
    void setColorBackYear(TColor c);
    TColor colorBackMonth() const { return colorBackMonth_; }
    void setColorBackMonth(TColor c);
    TColor colorTitleConstellation() const { return colorTitleConstellation_; }
    void setColorTitleConstellation(TColor c) { colorTitleConstellation_ = c; }
    TColor colorTitleAnimalsYear() const { return colorTitleAnimalsYear_; }
    void setColorTitleAnimalsYear(TColor c) { colorTitleAnimalsYear_ = c; }
    TColor colorTitleYear() const { return yearLabel_->fontColor(); }
    void setColorTitleYear(TColor c) { yearLabel_->setFontColor(c); }
    TColor colorTitleMonth() const { return monthLabel_->fontColor(); }
    void setColorTitleMonth(TColor c) { monthLabel_->setFontColor(c); }
    TColor colorTitleToday() const { return todayLabel_->fontColor(); }
    void setColorTitleToday(TColor c) { todayLabel_->setFontColor(c); }
    TColor colorTitleSelected() const { return infoLabel_->fontColor(); }
    void setColorTitleSelected(TColor c) { infoLabel_->setFontColor(c); }
    TColor color() const { return color_; }
    void setColor(TColor c);

    // ---- events (raised only when assigned) ----
    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender)> OnDateSelect;
    std::function<void(QObject* sender)> OnDateClick;
    TDrawDateCellEvent OnDrawDateCell;
    TDrawDateCellEvent OnDrawCnDateCell;

    // ---- operations ----
    bool windowCreated() const { return windowCreated_; }
    void GoToday();

    // What a screen reader reads of day-grid cell (c, r): a day's date, weekday and lunar
    // text (with its festival or solar term), a weekday name in the header row, the title
    // texts below the month; empty for a cell that shows nothing.
    QString DayCellReading(int c, int r) const;

    // ---- inspection ----
    const TDayCell& cell(int k) const { return cells_[size_t(k)]; }
    const QString& weekNumText(int row) const { return weekNumTexts_[size_t(row)]; }
    bool mousePressed() const { return mousePressed_; }
    const QImage& backBitmap() const { return backBitmap_; }
    const QImage& pictureBitmap() const { return pictureBitmap_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend struct ::TestAccess;

    // Builds the menus, sets today and shows the title: what the first showing does.
    void CreateWnd();
    void MonthSpinClick();
    void YearSpinClick();
    void MonthItemClick(QAction* item);
    void YearItemClick(QAction* item);
    void PopupMonthMenu();
    void PopupYearMenu();
    void ApplyTitleLayout(bool showTitle);
    void DistributeCellSizes();
    void RebuildBackImage();
    bool GridSelectCell(int c, int r);
    void GridMouseDown(QObject* sender);
    void GridClick(QObject* sender);
    void DrawDayCell(gdi::TCanvas& gridCanvas, int c, int r, const gdi::TRect& rect,
                     TGridDrawState state);
    // Fills the shown month again from DateTime (new colours show at once).
    void Refill();

    void CreateTitle();
    void BuildMenus();
    // Steps of the date setter that follow the stored date: title cells, info line, cells,
    // back image. moveCurrent puts the grid's current cell on the date's day.
    void FillMonth(bool moveCurrent);
    void FillTitleTexts(int y, int m, int d);
    void ClearDayCells();
    // Fills the cell of one day from chnCal_, which is left updated for that day.
    void FillDayCell(TDayCell& cell, int y, int m, int day);
    TColor CnTextColor(calendar::TCnTextSource source) const;
    void MoveCurrentToCell(int k);
    void RefreshGrid();
    void PaintBackground();
    void PaintPicture();
    // Starts the cell canvas on a cell-sized image holding the back image behind rect.
    gdi::TCanvas& BeginCellCanvas(const gdi::TRect& rect, const gdi::TDevicePlace& place);
    double BackRatio() const;
    void DrawWeekdayTitleCell(gdi::TCanvas& cv, int c, const gdi::TRect& cellR);
    void DrawWeekNumberCell(gdi::TCanvas& cv, int r, const gdi::TRect& cellR);
    void DrawTitleTextCell(gdi::TCanvas& cv, int k, const TDayCell& cell, const gdi::TRect& cellR);
    void DrawDateCell(gdi::TCanvas& cv, const TDayCell& cell, const gdi::TRect& cellR,
                      bool selected, bool showSelection);
    void Rebuild();
    void SyncSpinners();
    static QString FromStd(const std::string& s) { return QString::fromStdString(s); }

    // Owned parts.
    TUpDown* yearSpin_;
    TUpDown* monthSpin_;
    TTitleLabel* todayLabel_;
    TTitleLabel* monthLabel_;
    TTitleLabel* monthUnitLabel_;
    TTitleLabel* yearLabel_;
    TTitleLabel* yearUnitLabel_;
    TTitleLabel* infoLabel_;
    TDayGrid* dayGrid_;
    QMenu* monthMenu_;
    QMenu* yearMenu_;

    calendar::TChnCal chnCal_;
    std::array<TDayCell, 43> cells_{};      // 1..42
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
    TColor colorDate_ = gdi::RGB(79, 79, 79);
    TColor colorCnDate_ = gdi::clGreen;
    TColor colorHoliday_ = gdi::RGB(255, 128, 0);
    TColor colorLunarHolDay_ = gdi::RGB(83, 83, 255);
    TColor colorCnHolDay_ = gdi::RGB(255, 128, 0);
    TColor colorTitleWeek_ = gdi::RGB(79, 79, 79);
    TColor colorTitleWeekEnd_ = gdi::clRed;
    TColor colorTitleWeekLine_ = gdi::RGB(197, 197, 197);
    TColor colorWeekNum_ = gdi::clGray;
    TColor colorSelectedStart_ = gdi::RGB(0, 174, 83);
    TColor colorSelectedEnd_ = gdi::RGB(0, 213, 101);
    TColor colorSelectedFrame_ = gdi::RGB(0, 147, 70);
    TColor colorShowFrame_ = gdi::clGray;
    TColor colorBackYear_ = gdi::RGB(255, 232, 221);
    TColor colorBackMonth_ = gdi::RGB(235, 235, 235);
    TColor colorTitleConstellation_ = gdi::clBlack;
    TColor colorTitleAnimalsYear_ = gdi::clBlack;

    QImage backBitmap_;
    QImage cellBitmap_;
    QImage pictureBitmap_;
    double backRatio_ = 0; // device pixels per pixel of the back image; 0: the widget's
    gdi::TCanvas cellCanvas_;
};

} // namespace calendar_ui
