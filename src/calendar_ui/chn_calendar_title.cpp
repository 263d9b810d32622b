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
    monthLabel_ =
        new TTitleLabel(this, 34, 3, LabelFont(QStringLiteral("Arial"), 24, true), 0xC08080);
    // One- and two-digit months end at the same place, just left of the unit.
    monthLabel_->setRightAligned();
    monthUnitLabel_ = new TTitleLabel(this, 45, 20, LabelFont(song, 9, false), 0x000000);
    monthUnitLabel_->setCaption(QStringLiteral("月"));
    yearLabel_ = new TTitleLabel(this, 120, 0, LabelFont(QStringLiteral("Arial Black"), 22, false),
                                 0xFF0000);
    yearUnitLabel_ = new TTitleLabel(this, 205, 18, LabelFont(song, 9, false), 0x000000);
    yearUnitLabel_->setCaption(QStringLiteral("年"));
    todayLabel_ = new TTitleLabel(this, 272, 18, LabelFont(song, 9, false, true), 0xFF0000);
    todayLabel_->setCaption(QStringLiteral("今天"));
    infoLabel_ = new TTitleLabel(this, 10, 236, LabelFont(song, 9, false), 0x808080);

    for (TTitleLabel* l : {monthLabel_, monthUnitLabel_, yearLabel_, yearUnitLabel_, todayLabel_})
        l->setCursor(Qt::PointingHandCursor);
    monthLabel_->OnClick = [this](QObject*) { PopupMonthMenu(); };
    monthUnitLabel_->OnClick = [this](QObject*) { PopupMonthMenu(); };
    yearLabel_->OnClick = [this](QObject*) { PopupYearMenu(); };
    yearUnitLabel_->OnClick = [this](QObject*) { PopupYearMenu(); };
    todayLabel_->OnClick = [this](QObject*) { GoToday(); };
}

void TChnCalendar::BuildMenus() {
    monthLabel_->PopupMenu = monthMenu_;
    monthUnitLabel_->PopupMenu = monthMenu_;
    yearLabel_->PopupMenu = yearMenu_;
    yearUnitLabel_->PopupMenu = yearMenu_;

    const QLocale locale(QLocale::Chinese, QLocale::China);
    QAction* today =
        AddItem(monthMenu_, QStringLiteral("MenuMonth_ToDay"), QStringLiteral("今日"), 0);
    MakeDefault(today);
    connect(today, &QAction::triggered, this, [this] { GoToday(); });
    AddSeparator(monthMenu_, QStringLiteral("MenuMonth_ToDay_"));
    for (int i = 1; i <= 12; ++i) {
        QAction* a = AddItem(monthMenu_, QStringLiteral("MenuMonth_%1").arg(i - 1),
                             locale.monthName(i, QLocale::LongFormat), i);
        connect(a, &QAction::triggered, this, [this, a] { MonthItemClick(a); });
    }

    today = AddItem(yearMenu_, QStringLiteral("MenuYear_ToDay"), QStringLiteral("今日"), 0);
    MakeDefault(today);
    connect(today, &QAction::triggered, this, [this] { GoToday(); });
    AddSeparator(yearMenu_, QStringLiteral("MenuYear_ToDay_1"));
    QMenu* history =
        AddSubmenu(yearMenu_, QStringLiteral("MenuYear_History"), QStringLiteral("历史日期"));
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
    AddSeparator(yearMenu_, QStringLiteral("MenuYear_ToDay_2"));
    for (int d = 1900; d < 2100; d += 10) {
        QMenu* decade =
            AddSubmenu(yearMenu_, QStringLiteral("MenuYear_%1").arg(d), QString::number(d));
        for (int y = d; y <= d + 9; ++y)
            addYear(decade, QStringLiteral("MenuYear_%1").arg(y), y);
    }

    dayGrid_->setRowHeight(0, 18);
    // Week numbers switched on before the window existed keep their wider column.
    dayGrid_->setColWidth(0, showWeekNum_ ? 18 : 6);
    DistributeCellSizes();
}

void TChnCalendar::PopupMonthMenu() {
    monthMenu_->popup(QCursor::pos());
}

void TChnCalendar::PopupYearMenu() {
    yearMenu_->popup(QCursor::pos());
}

void TChnCalendar::MonthItemClick(QAction* item) {
    monthSpin_->setPosition(item->data().toInt());
    MonthSpinClick();
}

void TChnCalendar::YearItemClick(QAction* item) {
    yearSpin_->setPosition(item->data().toInt());
    YearSpinClick();
}

} // namespace calendar_ui
