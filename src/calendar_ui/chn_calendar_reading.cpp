#include "calendar_ui/calendar_paint.h"
#include "calendar_ui/chn_calendar.h"

namespace calendar_ui {
namespace {

// "十月三十"; a leap month's name lacks its "月" ("闰四"), which reads better with it.
QString LunarDayText(const TDayCell& cell) {
    const bool leap = cell.CnMonth.startsWith(u'闰') && !cell.CnMonth.endsWith(u'月');
    return cell.CnMonth + (leap ? QStringLiteral("月") : QString()) + cell.CnDay;
}

} // namespace

QString TChnCalendar::DayCellReading(int c, int r) const {
    if (c < 1 || c > 7 || r < 0 || r > 6) return {};
    if (r == 0) return WeekDayCaption(c, true);
    const int k = (r - 1) * 7 + c;
    const TDayCell& cell = cells_[size_t(k)];
    if (!cell.Valid || (k > 37 && k < 40)) return {};
    if (k >= 40) return cell.DayText; // the title texts below the month
    int y = 0, m = 0, d = 0;
    if (!calendar::DecodeDate(dateTime_, y, m, d)) return {};
    QString text =
        QStringLiteral("%1年%2月%3日 %4").arg(y).arg(m).arg(cell.Day).arg(WeekDayCaption(c, true));
    if (!cell.CnDay.isEmpty()) text += QStringLiteral(" 农历") + LunarDayText(cell);
    // A festival or solar term shown in place of the lunar day is read after it.
    if (!cell.CnText.isEmpty() && cell.CnText != cell.CnDay && cell.CnText != cell.CnMonth)
        text += u' ' + cell.CnText;
    return text;
}

} // namespace calendar_ui
