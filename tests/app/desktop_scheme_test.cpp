// A dark desktop colour scheme does not reach the window: every colour comes from the
// system colour table.
#include "app/form1.h"

#include "calendar_ui/chn_calendar.h"
#include "calendar_ui/chn_calendar_picker.h"
#include "calendar_ui/month_day_edit.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_edit.h"
#include "gdi/color.h"
#include "gdi/control_color.h"
#include "test_access.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolTip>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The colours a desktop with a dark scheme hands to every program (Breeze Dark).
const QColor kDarkWindow(0x31, 0x36, 0x3b), kDarkText(0xef, 0xf0, 0xf1),
    kDarkBase(0x23, 0x26, 0x29), kDarkHighlight(0x3d, 0xae, 0xe9), kDarkGrey(0x62, 0x6c, 0x76);

QPalette DarkScheme() {
    QPalette p(kDarkText, kDarkWindow, kDarkWindow.lighter(), kDarkWindow.darker(), kDarkWindow,
               kDarkText, kDarkText, kDarkBase, kDarkWindow);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, kDarkHighlight);
        p.setColor(group, QPalette::HighlightedText, kDarkText);
        p.setColor(group, QPalette::ToolTipBase, kDarkWindow);
        p.setColor(group, QPalette::ToolTipText, kDarkText);
        p.setColor(group, QPalette::PlaceholderText, kDarkGrey);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, kDarkGrey);
    return p;
}

class DarkDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setPalette(DarkScheme());
        QToolTip::setPalette(DarkScheme());
        form = std::make_unique<TForm1>([](const QString&) {},
                                        QStringLiteral("/nonexistent/tarnwick.dat"));
        form->show();
        shot = form->grab().toImage(); // paints every control once
    }
    void TearDown() override {
        form.reset();
        QApplication::setPalette(saved);
        QToolTip::setPalette(savedTips);
    }

    const QPalette saved = QApplication::palette();
    const QPalette savedTips = QToolTip::palette();
    std::unique_ptr<TForm1> form;
    QImage shot;
};

QColor Table(gdi::TColor c) {
    return gdi::ToQColor(c);
}

// The widgets of the window, its pop-up windows and menus included.
QList<QWidget*> AllWidgets(TForm1& form) {
    QList<QWidget*> all = form.findChildren<QWidget*>();
    all.prepend(&form);
    return all;
}

TEST_F(DarkDesktop, NoWidgetShowsAColourOfTheScheme) {
    const QColor dark[] = {kDarkWindow, kDarkText, kDarkBase, kDarkHighlight, kDarkGrey};
    const auto check = [&](const QString& name, const QPalette& p) {
        QStringList leaks; // "group/role" of each colour that came from the scheme
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                if (std::count(std::begin(dark), std::end(dark),
                               p.color(group, QPalette::ColorRole(role))))
                    leaks << QStringLiteral("%1/%2").arg(group).arg(role);
        EXPECT_TRUE(leaks.isEmpty()) << name.toStdString() << ": " << leaks.join(' ').toStdString();
    };
    for (QWidget* w : AllWidgets(*form))
        check(QString::fromLatin1(w->metaObject()->className()) + ' ' + w->objectName(),
              w->palette());
    check(QStringLiteral("tooltip"), QToolTip::palette());
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral("fusion"));
}

TEST_F(DarkDesktop, TextAndGroundOfEveryKindOfControlComeFromTheTable) {
    using gdi::clWindowText;
    calendar_ui::TChnCalendarPicker* picker = TestAccess::chnCalendarPicker1(*form);
    calendar_ui::TChnCalendar* calendar = picker->chnCalendar();
    QAbstractItemView* list = TestAccess::flatComboBox1(*form)->view();
    struct Case {
        const char* what;
        QWidget* widget;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QColor expected;
    };
    const Case cases[] = {
        {"label", TestAccess::label1(*form), QPalette::Active, QPalette::WindowText,
         Table(clWindowText)},
        {"label 6", TestAccess::label6(*form), QPalette::Inactive, QPalette::WindowText,
         Table(clWindowText)},
        {"edit", TestAccess::flatEdit1(*form), QPalette::Active, QPalette::Text,
         Table(clWindowText)},
        {"edit selection", TestAccess::flatEdit1(*form), QPalette::Active,
         QPalette::HighlightedText, Table(gdi::clHighlightText)},
        {"year field", TestAccess::yearEdit(*picker), QPalette::Active, QPalette::Text,
         Table(clWindowText)},
        {"day field", TestAccess::dayEdit(*picker), QPalette::Active, QPalette::Base,
         Table(gdi::clWindow)},
        {"combo", TestAccess::flatComboBox1(*form)->lineEdit(), QPalette::Active, QPalette::Text,
         Table(clWindowText)},
        {"combo list", list, QPalette::Active, QPalette::Text, Table(clWindowText)},
        {"combo list ground", list, QPalette::Active, QPalette::Base, Table(gdi::clWindow)},
        {"combo list selection", list, QPalette::Active, QPalette::Highlight,
         Table(gdi::clHighlight)},
        {"combo list frame", list->window(), QPalette::Active, QPalette::Window,
         Table(gdi::clWindow)},
        {"grid", TestAccess::listView1(*form), QPalette::Active, QPalette::Base,
         Table(gdi::clBtnHighlight)},
        {"grid selection", TestAccess::listView1(*form), QPalette::Inactive,
         QPalette::HighlightedText, Table(gdi::clHighlightText)},
        {"grid header", TestAccess::listView1(*form)->horizontalHeader(), QPalette::Active,
         QPalette::ButtonText, Table(gdi::clBtnText)},
        {"grid menu", TestAccess::gridMenu(*form), QPalette::Active, QPalette::WindowText,
         Table(clWindowText)},
        {"grid menu, entry off", TestAccess::gridMenu(*form), QPalette::Disabled,
         QPalette::WindowText, Table(gdi::clGrayText)},
        {"month menu", TestAccess::monthMenu(*calendar), QPalette::Active, QPalette::Window,
         Table(gdi::clBtnFace)},
        {"year menu", TestAccess::yearMenu(*calendar), QPalette::Active, QPalette::Text,
         Table(clWindowText)},
        {"placeholder", TestAccess::flatEdit1(*form), QPalette::Active, QPalette::PlaceholderText,
         Table(gdi::clGrayText)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.widget->palette().color(c.group, c.role), c.expected) << c.what;
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), Table(gdi::clInfoBk));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), Table(gdi::clInfoText));
}

// A change of the table reaches the text roles too, and the scheme stays out.
TEST_F(DarkDesktop, ChangedTableColoursReachEveryControl) {
    gdi::SetSysColor(gdi::COLOR_WINDOWTEXT, gdi::RGB(0, 0, 128));
    gdi::SetSysColor(gdi::COLOR_INFOBK, gdi::RGB(200, 255, 200));
    gdi::NotifySysColorChange();
    QCoreApplication::processEvents(); // the application palette reaches widgets by events
    const QColor navy(0, 0, 128);
    EXPECT_EQ(TestAccess::label1(*form)->palette().color(QPalette::WindowText), navy);
    EXPECT_EQ(TestAccess::gridMenu(*form)->palette().color(QPalette::WindowText), navy);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(200, 255, 200));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(200, 255, 200));
    gdi::ResetSysColors();
    gdi::NotifySysColorChange();
    QCoreApplication::processEvents();
    EXPECT_EQ(TestAccess::label1(*form)->palette().color(QPalette::WindowText), QColor(Qt::black));
}

// The picker's year is drawn in dark digits on its light ground.
TEST_F(DarkDesktop, PickerDrawsItsDateDarkOnLight) {
    const QWidget* year = TestAccess::yearEdit(*TestAccess::chnCalendarPicker1(*form));
    const QRect field(year->mapTo(form.get(), QPoint(0, 0)), year->size());
    int darkPixels = 0, lightPixels = 0;
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x) {
            const int grey = qGray(shot.pixel(x, y));
            darkPixels += grey < 96;
            lightPixels += grey > 200;
        }
    EXPECT_GT(darkPixels, 20) << "the four digits of the year";
    EXPECT_GT(lightPixels, field.width() * field.height() / 2);
}

} // namespace
