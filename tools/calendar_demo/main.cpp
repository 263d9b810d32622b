// Renders the month calendar for a few telling dates into PNG files, to look at.
// Usage: calendar_demo [output folder]   (default: the current folder)

#include "calendar/date_time.h"
#include "calendar_ui/chn_calendar.h"
#include "gdi/fonts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

namespace {

calendar::TDateTime DateOf(int y, int m, int d) {
    calendar::TDateTime t = 0;
    calendar::TryEncodeDate(y, m, d, t);
    return t;
}

// A picture with a soft coloured disc on white, so that the keyed blend shows.
QImage SamplePicture() {
    QImage img(200, 150, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QRadialGradient g(100, 75, 70);
    g.setColorAt(0, QColor(255, 140, 60));
    g.setColorAt(1, QColor(60, 120, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPoint(100, 75), 70, 70);
    return img;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    struct Shot {
        const char* file;
        int y, m, d;
        bool picture;
        bool weekNumbers;
    };
    const Shot shots[] = {
        {"calendar_2024_02_spring_festival.png", 2024, 2, 10, false, false},
        {"calendar_2023_03_leap_month.png", 2023, 3, 22, false, false},
        {"calendar_1900_01_era.png", 1900, 1, 1, false, false},
        {"calendar_2024_02_picture.png", 2024, 2, 9, true, false},
        {"calendar_2009_02_week_numbers.png", 2009, 2, 14, false, true},
    };
    for (const Shot& s : shots) {
        calendar_ui::TChnCalendar cal;
        cal.setShowWeekNum(s.weekNumbers);
        cal.show();
        if (s.picture) {
            cal.setCenter(true);
            cal.setBackGround(SamplePicture());
        }
        cal.setDateTime(DateOf(s.y, s.m, s.d));
        const QString path = out.filePath(QString::fromLatin1(s.file));
        if (!cal.grab().toImage().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
