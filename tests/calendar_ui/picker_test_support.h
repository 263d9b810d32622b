#pragma once

#include "calendar_test_support.h"
#include "calendar_ui/chn_calendar_picker.h"
#include "test_access.h"

#include <QApplication>
#include <QWidget>

#include <memory>

namespace calendar_ui::testing {

// A picker inside a window that is shown off screen, as the main window holds it.
struct PickerHost {
    PickerHost() {
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.setGeometry(100, 100, 300, 120);
        picker = new TChnCalendarPicker(&window);
        picker->move(80, 64);
    }
    void Show() {
        window.show();
        QApplication::processEvents();
    }

    QWidget window;
    TChnCalendarPicker* picker;
};

inline QString Fields(const TChnCalendarPicker& p) {
    return TestAccess::yearEdit(p)->text() + '|' + TestAccess::monthEdit(p)->text() + '|' +
           TestAccess::dayEdit(p)->text();
}

// The lunar text the picker shows for t, read from a record of its own.
inline QString LunarTextOf(calendar::TDateTime t) {
    calendar::TChnCal c;
    c.Update(t);
    return QString::fromStdString(c.YearGanZhi + c.AnimalsYear + c.CnMonth + c.CnDay);
}

} // namespace calendar_ui::testing
