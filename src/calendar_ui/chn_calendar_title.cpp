#include "calendar_ui/chn_calendar.h"

#include "gdi/fonts.h"

#include <QAction>
#include <QCursor>
#include <QLocale>
#include <QMenu>

namespace calendar_ui {
namespace {

QFont LabelFont(const QString& family, int points, bool bold, bool underline = false) {
    QFont f(family);
    gdi::SetFontFamily(f, family);
    f.setPointSize(points);
    if (bold) f.setBold(true); // "regular" keeps a heavy family's own weight
    f.setUnderline(underline);
    return f;
}

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption, int tag) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setData(tag);
    return a;
}

QAction* AddSeparator(QMenu* menu, const QString& name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(name);
    a->setData(0);
    return a;
}

// A submenu whose own item carries the given name and caption.
QMenu* AddSubmenu(QMenu* menu, const QString& name, const QString& caption) {
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    sub->menuAction()->setData(0);
    return sub;
}

void MakeDefault(QAction* a) {
    QFont f = a->font();
    f.setBold(true);
    a->setFont(f);
}

} // namespace

void TChnCalendar::CreateTitle() {
    const QString song = QStringLiteral("宋体");
    MonthLabel =
        new TTitleLabel(this, 34, 3, LabelFont(QStringLiteral("Arial"), 24, true), 0xC08080);
    // One- and two-digit months end at the same place, just left of the unit.
    MonthLabel->setRightAligned();
    MonthUnitLabel = new TTitleLabel(this, 45, 20, LabelFont(song, 9, false), 0x000000);
    MonthUnitLabel->setCaption(QStringLiteral("月"));
    YearLabel = new TTitleLabel(this, 120, 0, LabelFont(QStringLiteral("Arial Black"), 22, false),
                                0xFF0000);
    YearUnitLabel = new TTitleLabel(this, 205, 18, LabelFont(song, 9, false), 0x000000);
    YearUnitLabel->setCaption(QStringLiteral("年"));
    TodayLabel = new TTitleLabel(this, 272, 18, LabelFont(song, 9, false, true), 0xFF0000);
    TodayLabel->setCaption(QStringLiteral("今天"));
    InfoLabel = new TTitleLabel(this, 10, 236, LabelFont(song, 9, false), 0x808080);

    for (TTitleLabel* l : {MonthLabel, MonthUnitLabel, YearLabel, YearUnitLabel, TodayLabel})
        l->setCursor(Qt::PointingHandCursor);
    MonthLabel->OnClick = [this](QObject*) { PopupMonthMenu(); };
    MonthUnitLabel->OnClick = [this](QObject*) { PopupMonthMenu(); };
    YearLabel->OnClick = [this](QObject*) { PopupYearMenu(); };
    YearUnitLabel->OnClick = [this](QObject*) { PopupYearMenu(); };
    TodayLabel->OnClick = [this](QObject*) { GoToday(); };
}

void TChnCalendar::BuildMenus() {
    MonthLabel->PopupMenu = MonthMenu;
    MonthUnitLabel->PopupMenu = MonthMenu;
    YearLabel->PopupMenu = YearMenu;
    YearUnitLabel->PopupMenu = YearMenu;

    const QLocale locale(QLocale::Chinese, QLocale::China);
    QAction* today =
        AddItem(MonthMenu, QStringLiteral("MenuMonth_ToDay"), QStringLiteral("今日"), 0);
    MakeDefault(today);
    connect(today, &QAction::triggered, this, [this] { GoToday(); });
    AddSeparator(MonthMenu, QStringLiteral("MenuMonth_ToDay_"));
    for (int i = 1; i <= 12; ++i) {
        QAction* a = AddItem(MonthMenu, QStringLiteral("MenuMonth_%1").arg(i - 1),
                             locale.monthName(i, QLocale::LongFormat), i);
        connect(a, &QAction::triggered, this, [this, a] { MonthItemClick(a); });
    }

    today = AddItem(YearMenu, QStringLiteral("MenuYear_ToDay"), QStringLiteral("今日"), 0);
    MakeDefault(today);
    connect(today, &QAction::triggered, this, [this] { GoToday(); });
    AddSeparator(YearMenu, QStringLiteral("MenuYear_ToDay_1"));
    QMenu* history =
        AddSubmenu(YearMenu, QStringLiteral("MenuYear_History"), QStringLiteral("历史日期"));
    const auto addYear = [this](QMenu* menu, const QString& name, int year) {
        QAction* a = AddItem(menu, name, QString::number(year), year);
        connect(a, &QAction::triggered, this, [this, a] { YearItemClick(a); });
    };
    for (int c = 10; c < 1890; c += 100) {
        QMenu* century = AddSubmenu(history, QStringLiteral("MenuYear_History_%1").arg(c),
                                    QString::number(c - 10));
        for (int y = c; y <= c + 90; y += 10)
            addYear(century, QStringLiteral("MenuYear_History_%1").arg(y), y);
    }
    AddSeparator(YearMenu, QStringLiteral("MenuYear_ToDay_2"));
    for (int d = 1900; d < 2100; d += 10) {
        QMenu* decade =
            AddSubmenu(YearMenu, QStringLiteral("MenuYear_%1").arg(d), QString::number(d));
        for (int y = d; y <= d + 9; ++y)
            addYear(decade, QStringLiteral("MenuYear_%1").arg(y), y);
    }

    DayGrid->setRowHeight(0, 18);
    // Week numbers switched on before the window existed keep their wider column.
    DayGrid->setColWidth(0, showWeekNum_ ? 18 : 6);
    DistributeCellSizes();
}

void TChnCalendar::PopupMonthMenu() {
    MonthMenu->popup(QCursor::pos());
}

void TChnCalendar::PopupYearMenu() {
    YearMenu->popup(QCursor::pos());
}

void TChnCalendar::MonthItemClick(QAction* item) {
    MonthSpin->setPosition(item->data().toInt());
    MonthSpinClick();
}

void TChnCalendar::YearItemClick(QAction* item) {
    YearSpin->setPosition(item->data().toInt());
    YearSpinClick();
}

} // namespace calendar_ui
