// The main window under a Wayland compositor: it draws, a press on 开始取名 fills the grid,
// and the birthday's drop-down opens attached below the picker and closes on a click
// elsewhere, which reaches what it was aimed at. The input is real: xdotool moves the mouse and
// types on the X display that weston's seat reads, so the compositor delivers it as it would
// a user's (a pop-up is made only for real input). Weston's own screenshots show where it put
// the windows; the window's corner found in them tells where to click.
#include "app/babyname_application.h"
#include "app/form1.h"
#include "app/program.h"
#include "calendar_ui/chn_calendar_picker.h"
#include "flat/flat_button.h"
#include "flat/flat_edit.h"
#include "gdi/fonts.h"
#include "test_access.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

QString storePath;

const QRgb kCream = qRgb(255, 255, 225); // the window's own background

// The compositor's picture of its whole output, saved as OUT/name.png.
QImage CompositorScreenshot(const QString& name) {
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    while (shooter.state() != QProcess::NotRunning)
        QTest::qWait(20);
    const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    if (files.isEmpty()) return QImage();
    QImage shot(dir.filePath(files.first()));
    shot = shot.convertToFormat(QImage::Format_RGB32);
    shot.save(qEnvironmentVariable("BABYNAME_SHOTS", QStringLiteral(".")) + '/' + name + ".png");
    return shot;
}

// The top-left corner of the main window in a screenshot: the first 8 x 8 block in the
// window's cream (its controls start 8 pixels in).
std::optional<QPoint> WindowOrigin(const QImage& shot) {
    const auto block = [&shot](int x, int y) {
        for (int dy = 0; dy < 8; ++dy)
            for (int dx = 0; dx < 8; ++dx)
                if (shot.pixel(x + dx, y + dy) != kCream) return false;
        return true;
    };
    for (int y = 0; y + 8 <= shot.height(); ++y)
        for (int x = 0; x + 8 <= shot.width(); ++x)
            if (shot.pixel(x, y) == kCream && block(x, y)) return QPoint(x, y);
    return std::nullopt;
}

// The share of the picture's pixels (every second one each way) that the screenshot shows
// unchanged at the given place.
double ShareShownAt(const QImage& shot, const QImage& picture, QPoint at) {
    int same = 0, all = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2) {
            ++all;
            const QPoint p = at + QPoint(x, y);
            if (shot.rect().contains(p) && shot.pixel(p) == picture.pixel(x, y)) ++same;
        }
    return all == 0 ? 0 : double(same) / all;
}

// Distinct colours of an image: a window that did not draw has one or two.
int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Runs xdotool on the display weston reads its seat from, while the program goes on.
void Xdotool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), args);
    while (tool.state() != QProcess::NotRunning)
        QTest::qWait(10);
    QTest::qWait(150); // through the compositor and back
}

void ClickAt(QPoint screen) {
    Xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            << qPrintable(QGuiApplication::platformName());
        form = std::make_unique<TForm1>([](const QString&) {}, storePath);
        TestAccess::flatEdit1(*form)->setText(QStringLiteral("李"));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWait(300); // the compositor's first frame
        const QImage shot = CompositorScreenshot(QStringLiteral("start"));
        ASSERT_FALSE(shot.isNull()) << "weston took no screenshot";
        const std::optional<QPoint> corner = WindowOrigin(shot);
        ASSERT_TRUE(corner.has_value()) << "the window is not on the compositor's output";
        origin = *corner;
    }
    calendar_ui::TChnCalendarPicker* Picker() const {
        return TestAccess::chnCalendarPicker1(*form);
    }
    calendar_ui::TDropDownForm* DropDown() const { return Picker()->dropDownForm(); }
    QPoint OnScreen(QWidget* w) const { return origin + w->mapTo(form.get(), w->rect().center()); }
    void Click(QWidget* w) const { ClickAt(OnScreen(w)); }

    std::unique_ptr<TForm1> form;
    QPoint origin;
};

TEST_F(WaylandSession, WindowDrawsAndAPressFillsTheGrid) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("com.example.babyname"));
    const QImage content = form->grab().toImage();
    EXPECT_EQ(content.pixel(4, 4), kCream);
    EXPECT_GT(ColourCount(content), 20) << "the window's content is blank";
    // What the compositor shows is what the window drew.
    EXPECT_GT(ShareShownAt(CompositorScreenshot(QStringLiteral("main-window")), content, origin),
              0.95);

    Click(TestAccess::flatButton1(*form));
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
}

TEST_F(WaylandSession, DropDownOpensBelowThePickerAndClicksElsewhereGoThrough) {
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(DropDown()));
    EXPECT_EQ(QApplication::activePopupWidget(), DropDown());
    // A pop-up of the main window, which the compositor places relative to it.
    EXPECT_EQ(DropDown()->windowHandle()->transientParent(), form->windowHandle());
    QTest::qWait(300);
    const QImage shot = CompositorScreenshot(QStringLiteral("drop-down"));
    const QPoint below = origin + Picker()->mapTo(form.get(), QPoint(0, 22));
    EXPECT_GT(ShareShownAt(shot, DropDown()->grab().toImage(), below), 0.9)
        << "the drop-down is not shown right below the picker";

    // A press on 开始取名 closes the drop-down and asks for names.
    Click(TestAccess::flatButton1(*form));
    EXPECT_FALSE(DropDown()->isVisible());
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);

    // A click in the family name closes it and the typing goes there; Return asks for names.
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(DropDown()->isVisible());
    Click(TestAccess::flatEdit1(*form));
    EXPECT_FALSE(DropDown()->isVisible());
    Xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    Xdotool({QStringLiteral("type"), QStringLiteral("wang")});
    EXPECT_EQ(TestAccess::flatEdit1(*form)->text(), QStringLiteral("wang"));
    TestAccess::listView1(*form)->setRowCount(0);
    Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);

    // A click on the desktop beside the window closes it too; so does its own button.
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(DropDown()->isVisible());
    ClickAt(QPoint(origin.x() > 40 ? 10 : 1010, 700));
    EXPECT_FALSE(DropDown()->isVisible());
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(DropDown()->isVisible());
    Click(TestAccess::downButton(*Picker()));
    EXPECT_FALSE(DropDown()->isVisible());
}

// Opened by the mouse: weston grants a pop-up only to a pointer press (one opened by F4 it
// closes at once; other compositors take key presses too).
TEST_F(WaylandSession, KeysInTheDropDownMoveTheDayTakeItOrClose) {
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(DropDown()->isVisible());
    Xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    EXPECT_FALSE(DropDown()->isVisible());

    // One week on (or back, late in the month): the arrows move the day at once.
    Click(TestAccess::downButton(*Picker()));
    ASSERT_TRUE(DropDown()->isVisible());
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(calendar::DecodeDate(Picker()->chnCalendar()->dateTime(), y, m, d));
    const bool later = d <= 21;
    Xdotool({QStringLiteral("key"), later ? QStringLiteral("Down") : QStringLiteral("Up"),
             QStringLiteral("Return")});
    EXPECT_FALSE(DropDown()->isVisible());
    calendar::TDateTime expected = 0;
    ASSERT_TRUE(calendar::TryEncodeDate(y, m, later ? d + 7 : d - 7, expected));
    EXPECT_EQ(Picker()->dateTime(), expected);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s STORE\n", argv[0]);
        return 2;
    }
    TApplication app(argc, argv);
    SetDesktopIdentity();
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    storePath = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
