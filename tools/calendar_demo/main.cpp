// Renders the month calendar and the date picker for a few telling dates into PNG files, to
// look at.
// Usage: calendar_demo [output folder]   (default: the current folder)
//        calendar_demo --window          a picker in a real window (run with QT_QPA_PLATFORM=xcb);
//                                        prints its fields whenever a day is taken and on exit

#include "calendar/date_time.h"
#include "calendar_ui/chn_calendar.h"
#include "calendar_ui/chn_calendar_picker.h"
#include "gdi/fonts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadialGradient>
#include <QTest>

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

bool Save(const QImage& img, const QDir& out, const char* file) {
    const QString path = out.filePath(QString::fromLatin1(file));
    if (!img.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The picker as the main window sets it up, on a pale parent like the window's group box,
// in its looks: shown on a date, 3-D off, a leap month, the button pressed, and its pop-up.
bool RenderPickers(const QDir& out) {
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    host.resize(190, 41);
    calendar_ui::TChnCalendarPicker picker(&host);
    picker.move(10, 10);
    picker.setFrameColor(0x000000);
    picker.setCnDateColor(0x008000);
    picker.setButtonColor(0x800080);
    picker.setParentColor(false);
    picker.setCtl3D(true);
    picker.setDateTime(40343.91043862268);
    host.show();
    bool ok = Save(picker.grab().toImage(), out, "picker_today.png");
    picker.setDateTime(DateOf(2010, 6, 14));
    ok = ok && Save(picker.grab().toImage(), out, "picker_2010_06_14.png");
    picker.setDateTime(DateOf(2023, 3, 22));
    ok = ok && Save(picker.grab().toImage(), out, "picker_2023_03_22_leap_month.png");

    auto* button = picker.findChild<calendar_ui::TDownButton*>();
    QTest::mousePress(button, Qt::LeftButton);
    ok = ok && Save(picker.grab().toImage(), out, "picker_button_pressed.png");
    QTest::mouseRelease(button, Qt::LeftButton);
    ok = ok && Save(picker.dropDownForm()->grab().toImage(), out, "picker_drop_down.png");
    picker.dropDownForm()->hide();

    picker.setVisualStyles(true);
    ok = ok && Save(picker.grab().toImage(), out, "picker_visual_styles.png");
    picker.setVisualStyles(false);
    picker.setCtl3D(false);
    ok = ok && Save(picker.grab().toImage(), out, "picker_flat.png");
    return ok;
}

// The picker in a window of its own, set up as the main window sets it, with an entry before
// it in the tab order.
int RunPickerWindow(QApplication& app) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("calendar picker"));
    window.resize(330, 140);
    QLineEdit before(&window);
    before.setGeometry(80, 20, 170, 21);
    calendar_ui::TChnCalendarPicker picker(&window);
    picker.setGeometry(80, 64, 170, 21);
    picker.setFrameColor(0x000000);
    picker.setCnDateColor(0x008000);
    picker.setButtonColor(0x800080);
    picker.setParentColor(false);
    picker.setParentBackground(false);
    picker.setParentCtl3D(false);
    picker.setCtl3D(true);
    picker.setDateTime(40343.91043862268);
    QWidget::setTabOrder(&before, &picker);
    const auto print = [&picker](const char* what) {
        const auto fields = picker.dateFields();
        std::printf("%s %s|%s|%s %s\n", what, qPrintable(fields[0]->text()),
                    qPrintable(fields[1]->text()), qPrintable(fields[2]->text()),
                    qPrintable(picker.cnDateText()));
        std::fflush(stdout);
    };
    // Report a taken day once the picker has it.
    auto take = picker.chnCalendar()->OnDateSelect;
    picker.chnCalendar()->OnDateSelect = [take, print](QObject* sender) {
        take(sender);
        print("taken");
    };
    window.show();
    print("shown");
    const int rc = app.exec();
    print("closed");
    return rc;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    if (argc > 1 && QByteArray(argv[1]) == "--window") return RunPickerWindow(app);
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
    return RenderPickers(out) ? 0 : 1;
}
