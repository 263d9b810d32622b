#pragma once

#include "calendar/chn_cal.h"
#include "calendar/date_time.h"
#include "calendar_ui/chn_calendar.h"
#include "calendar_ui/down_button.h"
#include "calendar_ui/month_day_edit.h"
#include "gdi/canvas.h"
#include "gdi/color.h"
#include "gdi/test_access_fwd.h"

#include <QMetaObject>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QMouseEvent;

namespace calendar_ui {

using calendar::TDateTime;
using gdi::TColor;

// The borderless window the picker drops down: it holds the month calendar over its whole
// area and hides as soon as it loses the activation (a click elsewhere, another window).
class TDropDownForm : public QWidget {
    Q_OBJECT
public:
    explicit TDropDownForm(QWidget* owner);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

// A one-line date entry: year, month and day fields with dashes between them, the lunar
// date of the picker's date in a second colour, and a button that drops down the month
// calendar. A day chosen there becomes the picker's date.
//
// Focus given to the picker goes to the year field. In a tab order, put the picker after the
// control before it, and the control after it after the day field:
//   QWidget::setTabOrder(before, picker); QWidget::setTabOrder(picker->dateFields()[2], after);
class TChnCalendarPicker : public QWidget {
    Q_OBJECT
public:
    explicit TChnCalendarPicker(QWidget* parent = nullptr);
    ~TChnCalendarPicker() override;

    // ---- date ----
    TDateTime dateTime() const { return dateTime_; }
    // Rewrites the fields and the lunar text; a value equal to the current one changes
    // nothing. Raises no OnChange.
    void setDateTime(TDateTime v);
    // The lunar date shown after the fields: year cycle, animal, month and day.
    const QString& cnDateText() const { return cnDateText_; }

    // ---- looks ----
    TColor frameColor() const { return frameColor_; }
    void setFrameColor(TColor c);
    TColor cnDateColor() const { return cnDateColor_; }
    void setCnDateColor(TColor c);
    // Stored only: the button keeps its classic face.
    TColor buttonColor() const { return buttonColor_; }
    void setButtonColor(TColor c);
    TColor color() const;
    void setColor(TColor c); // turns ParentColor off
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool v);
    // The picker paints all of its area, so the parent's background never shows through.
    bool parentBackground() const { return parentBackground_; }
    void setParentBackground(bool v);
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool v); // turns ParentCtl3D off
    // On: the 3-D look follows the parent's "Ctl3D" property (on when it has none).
    bool parentCtl3D() const { return parentCtl3D_; }
    void setParentCtl3D(bool v);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor c);
    // Draws the frame and the button with the widget style's combo-box parts instead of
    // the classic 3-D look. Off by default, as the program shows the classic look.
    bool visualStyles() const { return visualStyles_; }
    void setVisualStyles(bool v);
    bool hovered() const { return hovered_; }

    // The month calendar of the pop-up, to set its own properties.
    TChnCalendar* chnCalendar() const;
    // The borderless pop-up that holds the calendar.
    TDropDownForm* dropDownForm() const;
    // The year, month and day fields in their tab order, for a form's tab order and to read
    // what the user typed.
    std::array<TMonthDayEdit*, 3> dateFields() const { return {yearEdit_, monthEdit_, dayEdit_}; }

    // ---- events (raised only when assigned) ----
    // The pop-up calendar's date changed; the sender is the picker.
    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender)> OnDblClick;
    std::function<void(QObject* sender)> OnEnter;
    std::function<void(QObject* sender)> OnExit;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseDown;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseMove;
    std::function<void(QObject* sender, QMouseEvent* e)> OnMouseUp;

    // ---- operations ----
    // What a click on the drop-down button does: read the fields, set the calendar, place
    // and show the pop-up.
    void DropDown();
    bool windowCreated() const { return windowCreated_; }

    // Where the pop-up of the given size goes for a picker whose top-left corner is at p (in
    // screen coordinates) and whose height is pickerHeight: below it, or above it when it
    // does not fit below and there is more room above, kept inside the work area and made
    // smaller where it cannot fit.
    static QRect PlaceDropDown(const QRect& workArea, QPoint p, int pickerHeight, QSize form);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    friend struct ::TestAccess;

    // Sets the date to now: what the first showing of the picker's window does (and the first
    // showing after it moved to another parent).
    void CreateWnd();
    void LayoutParts();
    void PlaceAndShowDropDown();
    void CalendarDateSelect();
    void FollowParentColor();
    void FollowParentCtl3D();
    void ApplyColorToEdits();
    void Paint3D(gdi::TCanvas& c, const gdi::TRect& r);
    void PaintStyled();
    void FocusChanged(QWidget* old, QWidget* now);

    // Owned parts.
    calendar::TChnCal chnCal_;
    TMonthDayEdit* yearEdit_;
    TMonthDayEdit* monthEdit_;
    TMonthDayEdit* dayEdit_;
    TDownButton* downButton_;

    TDropDownForm* dropDownForm_ = nullptr;
    TChnCalendar* calendar_ = nullptr;
    TDateTime dateTime_ = 0;
    QString cnDateText_;
    TColor frameColor_ = gdi::clBlack;
    TColor cnDateColor_ = gdi::clGreen;
    TColor buttonColor_ = gdi::clPurple;
    TColor fontColor_ = gdi::clWindowText;
    bool parentColor_ = false;
    bool parentBackground_ = false;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool visualStyles_ = false;
    bool hovered_ = false;
    bool windowCreated_ = false;
    bool mouseDown_ = false;
    // Pen and brush stay on the canvas from one paint to the next.
    gdi::TCanvas canvas_;
    QMetaObject::Connection focusConnection_;
};

} // namespace calendar_ui
