#pragma once

#include "calendar/date_time.h"
#include "calendar_ui/chn_calendar.h"
#include "test_access.h"

#include <QTest>

#include <memory>

namespace calendar_ui::testing {

inline calendar::TDateTime DateOf(int y, int m, int d) {
    calendar::TDateTime t = 0;
    calendar::TryEncodeDate(y, m, d, t);
    return t;
}

struct Ymd {
    int y = 0, m = 0, d = 0;
    friend bool operator==(const Ymd&, const Ymd&) = default;
};

inline Ymd YmdOf(calendar::TDateTime t) {
    Ymd r;
    calendar::DecodeDate(t, r.y, r.m, r.d);
    return r;
}

inline std::ostream& operator<<(std::ostream& os, const Ymd& v) {
    return os << v.y << '-' << v.m << '-' << v.d;
}

// A shown calendar (its window created, so today is set) of the picker's pop-up size.
inline std::unique_ptr<TChnCalendar> ShownCalendar() {
    auto cal = std::make_unique<TChnCalendar>();
    cal->setAttribute(Qt::WA_DontShowOnScreen);
    cal->show();
    return cal;
}

inline QPoint CellCenter(const TChnCalendar& cal, int c, int r) {
    return TestAccess::dayGrid(cal)->CellRect(c, r).ToQRect().center();
}

// Grid position of cell k (1..42).
inline int ColOf(int k) {
    return (k - 1) % 7 + 1;
}
inline int RowOf(int k) {
    return (k - 1) / 7 + 1;
}

} // namespace calendar_ui::testing
