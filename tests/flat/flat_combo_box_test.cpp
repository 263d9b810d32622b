#include "flat/flat_combo_box.h"
#include "flat_test_support.h"

#include "gdi/control_color.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace flat;
using namespace flat_test;
using gdi::RGB;

namespace {

constexpr TColor kBorder = RGB(160, 150, 131);
constexpr TColor kArrowBack = RGB(217, 214, 197);

struct Form {
    QWidget window;
    TFlatComboBox* combo;
    Form(int w = 41, int h = 21) {
        window.resize(200, 100);
        gdi::SetControlColor(&window, gdi::clInfoBk);
        combo = new TFlatComboBox(&window);
        combo->setGeometry(10, 10, w, h);
    }
    void ShowActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

std::vector<std::pair<TColor, char>> Legend() {
    return {{kBorder, 'b'},
            {kArrowBack, 'a'},
            {gdi::clBlack, 'k'},
            {gdi::clWindow, 'w'},
            {RGB(128, 128, 128), 'g'}};
}

// Columns 28 to 40 of rows 8 to 12: the button zone around the arrow.
std::vector<std::string> ArrowZone(const QImage& img) {
    std::vector<std::string> rows;
    for (int y = 8; y <= 12; ++y)
        rows.push_back(Trace(img, 28, y, 1, 0, 13, Legend()));
    return rows;
}

} // namespace

TEST(FlatComboLook, MainWindowSizeOutlineButtonZoneAndClosedArrow) {
    Form f;
    const QImage img = Render(f.combo);
    // Outline of the text part: columns 0 and 28, rows 0 and 20; two window-colour rings.
    EXPECT_EQ(Trace(img, 0, 10, 1, 0, 4, Legend()), "bwww");
    EXPECT_EQ(Trace(img, 24, 10, 1, 0, 5, Legend()), "wwwwb");
    EXPECT_EQ(Trace(img, 5, 0, 0, 1, 3, Legend()), "bww");
    EXPECT_EQ(Trace(img, 5, 18, 0, 1, 3, Legend()), "wwb");
    // Button zone 28..40, outlined, with the arrow tip at column 34 on rows 9 to 11.
    EXPECT_EQ(Trace(img, 28, 0, 1, 0, 13, Legend()), "bbbbbbbbbbbbb");
    EXPECT_EQ(Trace(img, 28, 20, 1, 0, 13, Legend()), "bbbbbbbbbbbbb");
    const std::vector<std::string> closed = {"baaaaaaaaaaab", "baaakkkkkaaab", "baaaakkkaaaab",
                                             "baaaaakaaaaab", "baaaaaaaaaaab"};
    EXPECT_EQ(ArrowZone(img), closed);
    // The inner edit sits inside the rings, clear of the button.
    EXPECT_EQ(f.combo->lineEdit()->geometry(), QRect(3, 3, 41 - 11 - 8, 21 - 6));
}

TEST(FlatComboLook, DroppedDownArrowPointsUp) {
    Form f;
    f.ShowActive();
    int drops = 0;
    f.combo->OnDropDown = [&](QObject*) { ++drops; };
    f.combo->itemsAdd("a");
    QTest::mouseClick(f.combo, Qt::LeftButton, {}, QPoint(20, 10)); // the edit: no list
    EXPECT_FALSE(f.combo->droppedDown());
    QTest::mouseClick(f.combo, Qt::LeftButton, {}, QPoint(34, 10)); // the flat button
    ASSERT_TRUE(f.combo->droppedDown());
    EXPECT_TRUE(f.combo->droppedDown());
    EXPECT_TRUE(f.combo->IsActive());
    EXPECT_EQ(drops, 1);
    const std::vector<std::string> open = {"baaaaaaaaaaab", "baaaaakaaaaab", "baaaakkkaaaab",
                                           "baaakkkkkaaab", "baaaaaaaaaaab"};
    QImage img = Render(f.combo);
    EXPECT_EQ(ArrowZone(img), open);
    // The edit part keeps a window-colour frame while the list is down.
    EXPECT_EQ(Px(img, 2, 10), ColorToRGB(gdi::clWindow));
    f.combo->hidePopup();
    EXPECT_FALSE(f.combo->droppedDown());
    EXPECT_EQ(ArrowZone(Render(f.combo))[1], "baaakkkkkaaab");
}

TEST(FlatComboLook, DisabledArrowIsEngraved) {
    Form f;
    f.combo->setEnabled(false);
    f.combo->setColorArrow(gdi::clRed); // not visible while disabled
    const std::vector<std::string> engraved = {"baaaaaaaaaaab", "baaagggggaaab", "baaaaggg??aab",
                                               "baaaaag??aaab", "baaaaaa?aaaab"};
    std::vector<std::string> got = ArrowZone(Render(f.combo));
    // '?' marks white: outside the legend on purpose, as white is also the window colour.
    for (auto& row : got)
        for (char& ch : row)
            if (ch == 'w') ch = '?';
    EXPECT_EQ(got, engraved);
    f.combo->setEnabled(true);
    EXPECT_EQ(Px(Render(f.combo), 34, 11), RGB(255, 0, 0));
}

TEST(FlatComboLook, ColoursOfTheMainWindowCombos) {
    Form f;
    f.combo->setColor(gdi::clWindow);
    f.combo->setColorArrowBackground(gdi::clInfoBk);
    const QImage img = Render(f.combo);
    EXPECT_EQ(Px(img, 30, 4), RGB(255, 255, 225));
    EXPECT_EQ(Px(img, 2, 4), RGB(255, 255, 255));
    f.combo->setColorBorder(gdi::clRed);
    EXPECT_EQ(Px(Render(f.combo), 28, 5), RGB(255, 0, 0));
}

TEST(FlatComboLook, SelectionStripInTheListStyles) {
    Form f(80, 21);
    f.combo->setComboStyle(csDropDownList);
    EXPECT_EQ(f.combo->lineEdit(), nullptr);
    f.combo->itemsAdd("Alpha");
    f.combo->setItemIndex(0);
    EXPECT_EQ(f.combo->text(), "Alpha");
    const int cw = 80;
    // Without the focus the strip shows the background.
    QImage img = Render(f.combo);
    for (int x = cw - 21; x < cw - 16; ++x)
        EXPECT_EQ(Px(img, x, 10), ColorToRGB(gdi::clWindow)) << x;

    f.ShowActive();
    f.combo->setFocus();
    QTRY_VERIFY(f.combo->hasFocus());
    img = Render(f.combo);
    const TColor hi = ColorToRGB(gdi::clHighlight);
    for (int x = cw - 21; x < cw - 16; ++x)
        for (int y = 3; y < 21 - 3; ++y)
            EXPECT_EQ(Px(img, x, y), hi) << x << "," << y;
    // A highlight frame (3, 3, CW - 16, CH - 3) around the text area.
    EXPECT_EQ(Px(img, 3, 3), hi);
    EXPECT_EQ(Px(img, cw - 17, 17), hi);
    EXPECT_EQ(Px(img, 3, 17), hi);
    EXPECT_NE(Px(img, cw - 16, 10), hi);
    // The focus ring of the flat look stays intact around it.
    EXPECT_EQ(Px(img, 2, 10), ColorToRGB(gdi::clWindow));
    EXPECT_EQ(Px(img, 0, 10), kBorder);
}

TEST(FlatComboItems, AddingItemsKeepsTextAndIndex) {
    Form f;
    int changes = 0;
    f.combo->OnChange = [&](QObject*) { ++changes; };
    f.combo->setText(QStringLiteral("男"));
    f.combo->itemsAdd(QStringLiteral("男"));
    f.combo->itemsAdd(QStringLiteral("女"));
    EXPECT_EQ(f.combo->itemIndex(), -1);
    EXPECT_EQ(f.combo->text(), QStringLiteral("男"));
    EXPECT_EQ(f.combo->items(), (QStringList{QStringLiteral("男"), QStringLiteral("女")}));
    f.combo->setItemIndex(1);
    EXPECT_EQ(f.combo->text(), QStringLiteral("女"));
    f.combo->itemsClear();
    EXPECT_EQ(f.combo->count(), 0);
    EXPECT_EQ(changes, 0); // programmatic changes raise no OnChange

    f.ShowActive();
    f.combo->lineEdit()->setFocus();
    QTRY_VERIFY(f.combo->IsActive());
    EXPECT_TRUE(f.combo->wasActive());
    QTest::keyClicks(f.combo->lineEdit(), "x");
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(f.combo->insertPolicy(), QComboBox::NoInsert);
    QTest::keyClick(f.combo->lineEdit(), Qt::Key_Return); // typed text is not added
    EXPECT_EQ(f.combo->count(), 0);
}

TEST(FlatComboItems, ListOpensOnTheItemEqualToTheText) {
    Form f;
    for (int hour = 0; hour < 24; ++hour)
        f.combo->itemsAdd(QString::asprintf("%02d", hour));
    f.combo->setText(QStringLiteral("11"));
    int events = 0;
    f.combo->OnChange = f.combo->OnClick = [&](QObject*) { ++events; };
    f.ShowActive();
    f.combo->showPopup();
    QAbstractItemView* list = f.combo->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->currentIndex().row(), 11);
    EXPECT_TRUE(list->selectionModel()->isRowSelected(11, list->rootIndex()));
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->currentIndex())));
    f.combo->hidePopup(); // closed without a choice: the text stays, nothing is raised
    EXPECT_EQ(f.combo->text(), QStringLiteral("11"));
    EXPECT_EQ(events, 0);

    f.combo->setText(QStringLiteral("1")); // no such item: the list keeps its place
    f.combo->showPopup();
    EXPECT_EQ(f.combo->view()->currentIndex().row(), 11);
    f.combo->hidePopup();
    EXPECT_EQ(f.combo->text(), QStringLiteral("1"));
}

TEST(FlatComboItems, FontChangeResetsItemHeight) {
    Form f;
    EXPECT_EQ(f.combo->itemHeight(), 13);
    f.combo->setItemHeight(20);
    EXPECT_EQ(f.combo->itemHeight(), 20);
    QFont font = f.combo->font();
    font.setPixelSize(14);
    f.combo->setFont(font);
    EXPECT_EQ(f.combo->itemHeight(), 13);
}

TEST(FlatComboColours, AdvancedRuleReadsTheParentsColour) {
    Form f;
    f.combo->setAdvColorBorder(30); // rule off: stored only
    EXPECT_EQ(f.combo->colorBorder(), kBorder);
    f.combo->setUseAdvColors(true);
    const TColor parent = gdi::ControlColor(&f.window);
    EXPECT_EQ(f.combo->colorBorder(), DeriveAdvColor(parent, 0, 30, true));
    EXPECT_EQ(f.combo->colorArrowBackground(), DeriveAdvColor(parent, 0, 10, true));
    gdi::SetControlColor(&f.window, RGB(100, 150, 200));
    EXPECT_EQ(f.combo->colorBorder(), DeriveAdvColor(RGB(100, 150, 200), 0, 30, true));
    // The combo's own colour does not follow the parent.
    EXPECT_EQ(f.combo->color(), gdi::clWindow);

    TFlatComboBox orphan; // no parent: nothing to derive from, colours kept
    orphan.setUseAdvColors(true);
    EXPECT_EQ(orphan.colorBorder(), kBorder);
}
