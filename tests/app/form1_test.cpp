#include "app/babyname_application.h"
#include "app/form1.h"
#include "naming/name_random.h"
#include "temp_store.h"

#include "flat/flat_button.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_edit.h"
#include "flat/flat_group_box.h"
#include "gdi/color.h"

#include "calendar_ui/chn_calendar_picker.h"
#include "test_access.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

TApplication* App() {
    return static_cast<TApplication*>(QCoreApplication::instance());
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        naming::SetRandSeed(0);
        storePath = dir.File("tarnwick.dat");
        WriteStore(storePath,
                   {NumberedTable("male1", "danm", 1300), NumberedTable("male2", "shuangm", 1600),
                    NumberedTable("female1", "danm", 1300),
                    NameTable{"female2", {"pinyin"}, {{"hua"}}}});
        App()->setErrorReporter([this](const QString& message) { errors << message; });
    }
    void TearDown() override { App()->setErrorReporter(nullptr); }

    std::unique_ptr<TForm1> MakeForm(QString path = QString()) {
        auto form =
            std::make_unique<TForm1>([this](const QString& url) { opened << url; },
                                     path.isEmpty() ? QString::fromStdString(storePath) : path);
        form->show();
        return form;
    }
    static QString Cell(const TForm1& form, int row, int column) {
        const QTableWidgetItem* item = TestAccess::listView1(form)->item(row, column);
        return item ? item->text() : QString();
    }

    TempDir dir;
    std::string storePath;
    QStringList opened;
    QStringList errors;
};

TEST_F(MainWindow, ControlsStandWhereTheWindowDescriptionPutsThem) {
    auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("宝宝取名"));
    EXPECT_EQ(form->size(), QSize(520, 590));
    EXPECT_EQ(form->pos(), QPoint(225, 111));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->font().pixelSize(), 11);

    const std::pair<QWidget*, QRect> bounds[] = {
        // clang-format off
        {TestAccess::listView1(*form), {8, 160, 505, 401}},         {TestAccess::flatGroupBox1(*form), {8, 8, 505, 97}},
        {TestAccess::flatEdit1(*form), {80, 24, 41, 19}},           {TestAccess::flatComboBox1(*form), {256, 24, 41, 21}},
        {TestAccess::chnCalendarPicker1(*form), {80, 64, 170, 21}}, {TestAccess::flatComboBox2(*form), {432, 24, 49, 21}},
        {TestAccess::flatComboBox3(*form), {256, 64, 41, 21}},      {TestAccess::flatButton1(*form), {8, 120, 81, 25}},
        {TestAccess::flatButton2(*form), {104, 120, 81, 25}},       {TestAccess::flatButton3(*form), {200, 120, 81, 25}},
        {TestAccess::flatButton4(*form), {296, 120, 81, 25}},       {TestAccess::flatButton5(*form), {432, 120, 81, 25}},
    };
    for (const auto& [widget, rect] : bounds)
        EXPECT_EQ(widget->geometry(), rect) << rect.x();

    const std::tuple<QLabel*, QPoint, QString> labels[] = {
        {TestAccess::label1(*form), {16, 24}, QStringLiteral("宝宝姓氏：")},
        {TestAccess::label2(*form), {192, 24}, QStringLiteral("宝宝性别：")},
        {TestAccess::label3(*form), {352, 24}, QStringLiteral("名字字数：")},
        {TestAccess::label4(*form), {16, 64}, QStringLiteral("宝宝生日：")},
        {TestAccess::label5(*form), {312, 64}, QStringLiteral("时")},
        {TestAccess::label6(*form), {352, 64}, QStringLiteral("生辰八字：")},
    };
    for (const auto& [label, position, text] : labels) {
        EXPECT_EQ(label->parentWidget(), TestAccess::flatGroupBox1(*form));
        EXPECT_EQ(label->pos(), position);
        EXPECT_EQ(label->text(), text);
    }

    // Resizing the window moves nothing.
    form->resize(800, 700);
    QCoreApplication::processEvents();
    for (const auto& [widget, rect] : bounds)
        EXPECT_EQ(widget->geometry(), rect);
}

TEST_F(MainWindow, StartsWithItsEntriesAndAnEmptyGrid) {
    auto form = MakeForm();
    EXPECT_EQ(TestAccess::flatEdit1(*form)->text(), QString());
    const std::tuple<flat::TFlatComboBox*, QString, QStringList> boxes[] = {
        {TestAccess::flatComboBox1(*form), QStringLiteral("男"), {QStringLiteral("男"), QStringLiteral("女")}},
        {TestAccess::flatComboBox2(*form),
         QStringLiteral("三字"),
         {QStringLiteral("二字"), QStringLiteral("三字")}},
        {TestAccess::flatComboBox3(*form), QStringLiteral("11"), {}},
    };
    for (const auto& [box, text, items] : boxes) {
        EXPECT_EQ(box->comboStyle(), flat::csDropDown);
        EXPECT_EQ(box->text(), text);
        EXPECT_EQ(box->currentIndex(), -1);
        if (!items.isEmpty()) {
            ASSERT_EQ(box->count(), items.size());
            for (int i = 0; i < items.size(); ++i)
                EXPECT_EQ(box->itemText(i), items[i]);
        }
    }
    ASSERT_EQ(TestAccess::flatComboBox3(*form)->count(), 24);
    for (int hour = 0; hour < 24; ++hour)
        EXPECT_EQ(TestAccess::flatComboBox3(*form)->itemText(hour), QString::asprintf("%02d", hour));

    // The picker shows today, never the stored 2010-06-14, with its lunar text in green.
    calendar_ui::TChnCalendarPicker* picker = TestAccess::chnCalendarPicker1(*form);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(TestAccess::yearEdit(*picker)->text(), QString::number(today.year()));
    EXPECT_EQ(TestAccess::monthEdit(*picker)->text(), QString::number(today.month()));
    EXPECT_EQ(TestAccess::dayEdit(*picker)->text(), QString::number(today.day()));
    EXPECT_FALSE(picker->cnDateText().isEmpty());
    EXPECT_NE(picker->cnDateText(), QStringLiteral("庚寅虎五月初三"));
    EXPECT_EQ(picker->cnDateColor(), 0x008000);
    // Starting touches neither the name store nor the drop-down calendar.
    EXPECT_FALSE(form->nameStore().Connected());
    EXPECT_EQ(picker->findChild<calendar_ui::TChnCalendar*>(), nullptr);

    QTableWidget* grid = TestAccess::listView1(*form);
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->columnCount(), 6);
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid->showGrid());
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(grid->columnWidth(column), 84);
    EXPECT_EQ(grid->palette().color(QPalette::Text), QColor(0, 0, 255));

}

// The control that takes the keys after each of `presses` presses of the key.
std::vector<QWidget*> FocusAfterKeys(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods,
                                     int presses) {
    std::vector<QWidget*> visited;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        QWidget* w = QApplication::focusWidget();
        // An editable combo box hands the focus to its edit.
        if (w && qobject_cast<QComboBox*>(w->parentWidget())) w = w->parentWidget();
        visited.push_back(w && window->isAncestorOf(w) ? w : nullptr);
    }
    return visited;
}

TEST_F(MainWindow, TabGoesThroughTheEntriesInTheWindowsOrder) {
    auto form = MakeForm();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    calendar_ui::TChnCalendarPicker* picker = TestAccess::chnCalendarPicker1(*form);
    // The picture buttons are no tab stops: Tab goes round the grid and the group's entries
    // (the picker's three fields in turn).
    std::vector<QWidget*> entries = {
        TestAccess::flatEdit1(*form),      TestAccess::flatComboBox1(*form),    TestAccess::yearEdit(*picker),
        TestAccess::monthEdit(*picker),    TestAccess::dayEdit(*picker),        TestAccess::flatComboBox2(*form),
        TestAccess::flatComboBox3(*form),  TestAccess::listView1(*form)};
    // Filled, the grid still passes Tab on instead of moving between its cells.
    TestAccess::flatEdit1(*form)->setText(QStringLiteral("张"));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    ASSERT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
    TestAccess::listView1(*form)->setFocus();
    ASSERT_TRUE(TestAccess::listView1(*form)->hasFocus());
    EXPECT_EQ(FocusAfterKeys(form.get(), Qt::Key_Tab, {}, 8), entries);
    std::vector<QWidget*> back(entries.rbegin() + 1, entries.rend());
    back.push_back(TestAccess::listView1(*form));
    EXPECT_EQ(FocusAfterKeys(form.get(), Qt::Key_Backtab, Qt::ShiftModifier, 8), back);

    // As tab stops the buttons follow the entries in their own order.
    for (flat::TFlatButton* b : {TestAccess::flatButton1(*form), TestAccess::flatButton2(*form), TestAccess::flatButton3(*form),
                                 TestAccess::flatButton4(*form), TestAccess::flatButton5(*form)})
        b->setTabStop(true);
    entries.insert(entries.end() - 1, {TestAccess::flatButton1(*form), TestAccess::flatButton2(*form), TestAccess::flatButton3(*form),
                                       TestAccess::flatButton4(*form), TestAccess::flatButton5(*form)});
    EXPECT_EQ(FocusAfterKeys(form.get(), Qt::Key_Tab, {}, 13), entries);
}

TEST_F(MainWindow, FlatControlsShowTheWindowsColours) {
    auto form = MakeForm();
    QCoreApplication::processEvents();
    const QImage shot = form->grab().toImage();
    const QColor yellow(255, 255, 0), pale(255, 255, 225), white(255, 255, 255);
    // Idle picture buttons: the yellow border shows around the picture's face.
    for (flat::TFlatButton* button : {TestAccess::flatButton1(*form), TestAccess::flatButton2(*form), TestAccess::flatButton3(*form),
                                      TestAccess::flatButton4(*form), TestAccess::flatButton5(*form)}) {
        const QPoint top = button->geometry().topLeft() + QPoint(button->width() / 2, 0);
        EXPECT_EQ(shot.pixelColor(top), yellow) << button->x();
        const QPoint left = button->geometry().topLeft() + QPoint(0, button->height() / 2);
        EXPECT_EQ(shot.pixelColor(left), yellow) << button->x();
    }
    // The combo boxes' arrow zones are as pale as the window.
    for (flat::TFlatComboBox* combo : {TestAccess::flatComboBox1(*form), TestAccess::flatComboBox2(*form), TestAccess::flatComboBox3(*form)}) {
        const QPoint zone = combo->mapTo(form.get(), QPoint(combo->width() - 5, 3));
        EXPECT_EQ(shot.pixelColor(zone), pale) << combo->x();
    }
    EXPECT_EQ(shot.pixelColor(4, 150), pale);
    // The family-name entry and the group box are filled white.
    EXPECT_EQ(shot.pixelColor(TestAccess::flatEdit1(*form)->mapTo(form.get(), QPoint(20, 9))), white);
    EXPECT_EQ(shot.pixelColor(TestAccess::flatGroupBox1(*form)->mapTo(form.get(), QPoint(250, 50))), white);
}

// Counts the pixels of a button's outermost ring that are not the colour expected on that
// side, per side: top, right, bottom, left (corners belong to the top and bottom rows).
std::array<int, 4> RingMismatches(const QImage& img, const QColor& topLeft,
                                  const QColor& bottomRight) {
    std::array<int, 4> wrong{};
    const int w = img.width(), h = img.height();
    for (int x = 0; x < w; ++x) {
        wrong[0] += img.pixelColor(x, 0) != (x == w - 1 ? bottomRight : topLeft);
        wrong[2] += img.pixelColor(x, h - 1) != bottomRight;
    }
    for (int y = 1; y < h - 1; ++y) {
        wrong[1] += img.pixelColor(w - 1, y) != bottomRight;
        wrong[3] += img.pixelColor(0, y) != topLeft;
    }
    return wrong;
}

TEST_F(MainWindow, PictureButtonsKeepTheirBorderOnAllFourSides) {
    auto form = MakeForm();
    const std::array<int, 4> none{};
    for (flat::TFlatButton* button : {TestAccess::flatButton1(*form), TestAccess::flatButton2(*form), TestAccess::flatButton3(*form),
                                      TestAccess::flatButton4(*form), TestAccess::flatButton5(*form)}) {
        // Idle: yellow all round; pressed: the sunken border, dark above and left.
        EXPECT_EQ(RingMismatches(button->grab().toImage(), Qt::yellow, Qt::yellow), none)
            << "idle, button at x " << button->x();
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 12));
        EXPECT_EQ(RingMismatches(button->grab().toImage(), Qt::black, Qt::white), none)
            << "pressed, button at x " << button->x();
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, -20)); // outside: no click
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindow, FirstButtonFillsElevenRowsOfSixNames) {
    auto form = MakeForm();
    TestAccess::flatEdit1(*form)->setText(QStringLiteral("张"));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    ASSERT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
    for (int row = 0; row < 11; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_TRUE(Cell(*form, row, column).startsWith(QStringLiteral("张"))) << row << column;
    const QString firstRow[] = {"张1", "张1", "张18", "张22", "张27", "张40"};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(Cell(*form, 0, column), firstRow[column]);
    EXPECT_EQ(Cell(*form, 10, 5), QStringLiteral("张1480"));
    EXPECT_EQ(TestAccess::listView1(*form)->rowHeight(0), 32);

    // The names show in blue on white.
    const QImage shot = form->grab().toImage();
    const QRect cell = TestAccess::listView1(*form)->visualItemRect(TestAccess::listView1(*form)->item(0, 0))
                           .translated(TestAccess::listView1(*form)->viewport()->mapTo(form.get(), QPoint()));
    int blue = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (shot.pixelColor(x, y).blue() > 200 && shot.pixelColor(x, y).red() < 100) ++blue;
    EXPECT_GT(blue, 5);
    EXPECT_EQ(shot.pixelColor(516, 300), QColor(255, 255, 225)); // the window's own colour

    // The birth date and hour change nothing; a second press continues the sequence.
    TestAccess::flatComboBox3(*form)->setText(QStringLiteral("03"));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
    EXPECT_NE(Cell(*form, 0, 2), QStringLiteral("张18"));

    // A sex other than 男 or 女 empties the grid.
    TestAccess::flatComboBox1(*form)->setText(QStringLiteral("男 "));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 0);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(MainWindow, ButtonsAndClosingOpenTheSitePages) {
    auto form = MakeForm();
    QTest::mouseClick(TestAccess::flatButton2(*form), Qt::LeftButton);
    QTest::mouseClick(TestAccess::flatButton3(*form), Qt::LeftButton);
    QTest::mouseClick(TestAccess::flatButton4(*form), Qt::LeftButton);
    QTest::mouseClick(TestAccess::flatButton5(*form), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({"http://www.example.com/zv/xiaoming.php?zuvo",
                                   "http://www.example.com/zv/diezhi.php?zuvo",
                                   "http://www.example.com/zv/chongwu.php?zuvo"}));
    opened.clear();
    EXPECT_TRUE(form->close());
    form->close();
    EXPECT_EQ(opened, QStringList({"http://www.example.com/index.html?zuvo"}));
    EXPECT_FALSE(form->nameStore().Connected()); // no press, no connection
}

TEST_F(MainWindow, StoreFailuresAreShownAndTheProgramGoesOn) {
    const QString missing = QString::fromStdString(dir.File("config/tarnwick.dat"));
    auto form = MakeForm(missing);
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(missing)) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("missing")));
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 0);

    // Once the file is there, the next press works.
    std::filesystem::create_directories(dir.File("config"));
    std::filesystem::copy_file(storePath, missing.toStdString());
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);

    // A table without its column fails on the first read: the row begun stays, empty.
    TestAccess::flatComboBox1(*form)->setText(QStringLiteral("女"));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].contains(QStringLiteral("shuangm"))) << errors[1].toStdString();
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 1);
    EXPECT_EQ(Cell(*form, 0, 0), QString());

    TestAccess::flatComboBox2(*form)->setText(QStringLiteral("二字"));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
}

TEST_F(MainWindow, WrongPasswordOrDamagedStoreIsReported) {
    const std::string other = dir.File("other.dat");
    WriteNameStore(other, "not the password", {NumberedTable("male2", "shuangm", 10)});
    auto form = MakeForm(QString::fromStdString(other));
    QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("wrong password or damaged file")));
    EXPECT_TRUE(errors[0].contains(QString::fromStdString(other)));
}

} // namespace
