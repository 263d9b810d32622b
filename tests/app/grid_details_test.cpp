// What the grid tells about each suggestion: tooltips, and copying names out of it.
#include "app/babyname_application.h"
#include "app/form1.h"
#include "naming/name_random.h"
#include "temp_store.h"

#include "flat/flat_button.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_edit.h"
#include "gdi/color.h"
#include "test_access.h"

#include <QAction>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

TApplication* App() {
    return static_cast<TApplication*>(QCoreApplication::instance());
}

// Rows "1".."n" read "py<n>"; odd rows have a source, even rows none.
NameTable DetailedTable(const std::string& name, const std::string& column, int rows) {
    NameTable table{name, {column, "pinyin", "source"}, {}};
    for (int i = 1; i <= rows; ++i)
        table.rows.push_back({std::to_string(i), "py" + std::to_string(i),
                              i % 2 ? "《work" + std::to_string(i) + "》line" : ""});
    return table;
}

class GridDetails : public ::testing::Test {
protected:
    void SetUp() override {
        NameTable bare{"female2", {"shuangm"}, {}};
        for (int i = 1; i <= 1600; ++i)
            bare.rows.push_back({std::to_string(i)});
        WriteStore(dir.File("tarnwick.dat"),
                   {DetailedTable("male2", "shuangm", 1600), bare,
                    NameTable{"female1", {"danm", "pinyin"}, {{"", ""}}}});
        App()->setErrorReporter([this](const QString& message) { errors << message; });
        form = std::make_unique<TForm1>([](const QString&) {},
                                        QString::fromStdString(dir.File("tarnwick.dat")));
        form->show();
    }
    void TearDown() override { App()->setErrorReporter(nullptr); }

    void Press(const QString& family, const QString& sex = QStringLiteral("男"),
               const QString& length = QStringLiteral("三字")) {
        TestAccess::flatEdit1(*form)->setText(family);
        TestAccess::flatComboBox1(*form)->setText(sex);
        TestAccess::flatComboBox2(*form)->setText(length);
        naming::SetRandSeed(0); // each press as the first of a run
        QTest::mouseClick(TestAccess::flatButton1(*form), Qt::LeftButton);
        ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    }
    // Hovers the cell as the window system would and returns the tooltip that shows.
    QString HoverTip(int row, int column) {
        QToolTip::hideText();
        QWidget* viewport = TestAccess::listView1(*form)->viewport();
        const QPoint at =
            TestAccess::listView1(*form)
                ->visualRect(TestAccess::listView1(*form)->model()->index(row, column))
                .center();
        QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    QString Cell(int row, int column) const {
        const auto* item = TestAccess::listView1(*form)->item(row, column);
        return item ? item->text() : QString();
    }

    TempDir dir;
    QStringList errors;
    std::unique_ptr<TForm1> form;
};

TEST_F(GridDetails, TooltipShowsNameReadingAndSourceInTheWindowsLook) {
    Press(QStringLiteral("单"));
    int withSource = 0, withoutSource = 0;
    for (int row = 0; row < 11; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QString position = Cell(row, column).mid(1);
            QString expected = QStringLiteral("单%1\nshàn py%1").arg(position);
            if (position.toInt() % 2) {
                expected += QStringLiteral("\nline（《work%1》）").arg(position);
                ++withSource;
            } else {
                ++withoutSource;
            }
            EXPECT_EQ(form->CellToolTip(row, column), expected);
            if (column == row % 6) {
                EXPECT_EQ(HoverTip(row, column), expected);
            }
        }
    }
    EXPECT_GT(withSource, 0);
    EXPECT_GT(withoutSource, 0);

    // The tooltip takes the window's own colours and font, whatever the desktop's theme.
    ASSERT_FALSE(HoverTip(0, 0).isEmpty());
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipBase), gdi::ToQColor(gdi::clInfoBk));
    EXPECT_EQ(tip->palette().color(QPalette::ToolTipText), gdi::ToQColor(gdi::clWindowText));
    EXPECT_EQ(tip->font().family(), form->font().family());
    EXPECT_EQ(tip->font().pixelSize(), form->font().pixelSize());
}

TEST_F(GridDetails, FamilyNamesAreReadAsFamilyNamesOrNotAtAll) {
    Press(QStringLiteral("尉迟"));
    EXPECT_EQ(form->CellToolTip(0, 0), QStringLiteral("尉迟1\nyù chí py1\nline（《work1》）"));
    Press(QStringLiteral("X"));
    EXPECT_EQ(form->CellToolTip(0, 0), QStringLiteral("X1\npy1\nline（《work1》）"));
    // Text that looks like markup is shown as it is.
    Press(QStringLiteral("<b>"));
    EXPECT_EQ(form->CellToolTip(0, 0), QStringLiteral("<b>1\npy1\nline（《work1》）"));
    EXPECT_TRUE(HoverTip(0, 0).contains(QStringLiteral("&lt;b&gt;1")))
        << HoverTip(0, 0).toStdString();
}

TEST_F(GridDetails, WhatTheStoreLacksIsLeftOutAndEmptyCellsHaveNoTooltip) {
    Press(QStringLiteral("王"), QStringLiteral("女")); // no pinyin or source column
    ASSERT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
    EXPECT_EQ(Cell(0, 2), QStringLiteral("王18"));
    for (int row = 0; row < 11; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(form->CellToolTip(row, column), Cell(row, column));
    EXPECT_EQ(HoverTip(0, 2), QStringLiteral("王18"));

    Press(QString(), QStringLiteral("女"), QStringLiteral("二字")); // the only name is empty
    ASSERT_EQ(TestAccess::listView1(*form)->rowCount(), 11);
    EXPECT_EQ(form->CellToolTip(3, 3), QString());
    EXPECT_EQ(HoverTip(3, 3), QString());
    Press(QStringLiteral("王"), QStringLiteral("?")); // an empty grid
    EXPECT_EQ(HoverTip(0, 0), QString());
}

TEST_F(GridDetails, CopiesTheSelectedNameOrTheWholeGrid) {
    Press(QStringLiteral("张"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    TestAccess::listView1(*form)->setCurrentCell(2, 3);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TestAccess::listView1(*form)->setFocus();
    QTest::keyClick(TestAccess::listView1(*form), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), Cell(2, 3));

    TestAccess::copyAllAction(*form)->trigger();
    const QStringList lines = clipboard->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 11);
    for (int row = 0; row < 11; ++row) {
        const QStringList names = lines[row].split('\t');
        ASSERT_EQ(names.size(), 6);
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(names[column], Cell(row, column));
    }

    // The context menu offers both; with nothing selected only the whole grid.
    TestAccess::listView1(*form)->clearSelection();
    emit TestAccess::listView1(*form)->customContextMenuRequested(QPoint(10, 10));
    ASSERT_TRUE(TestAccess::gridMenu(*form)->isVisible());
    EXPECT_EQ(TestAccess::gridMenu(*form)->actions().value(0)->text(), QStringLiteral("复制"));
    EXPECT_EQ(TestAccess::gridMenu(*form)->actions().value(1)->text(), QStringLiteral("复制全部"));
    EXPECT_FALSE(TestAccess::copyAction(*form)->isEnabled());
    EXPECT_TRUE(TestAccess::copyAllAction(*form)->isEnabled());
    TestAccess::gridMenu(*form)->close();
}

} // namespace
