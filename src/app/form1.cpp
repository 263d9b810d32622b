#include "app/form1.h"

#include "app/babyname_application.h"
#include "app/list_view_sink.h"
#include "calendar_ui/chn_calendar_picker.h"
#include "flat/flat_button.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_edit.h"
#include "flat/flat_group_box.h"
#include "gdi/control_color.h"
#include "gdi/fonts.h"
#include "naming/executable_folder.h"
#include "naming/suggestion.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolTip>

namespace {

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

flat::TFlatComboBox* MakeCombo(QWidget* parent, const QRect& bounds, const QString& text) {
    auto* combo = new flat::TFlatComboBox(parent);
    combo->setGeometry(bounds);
    combo->setColor(gdi::clWindow);
    combo->setColorArrowBackground(gdi::clInfoBk);
    combo->setItemHeight(13);
    combo->setText(text);
    return combo;
}

// Refills a box's list; the text the user sees stays and no item is selected.
void SetItems(flat::TFlatComboBox* combo, const QStringList& items) {
    combo->itemsClear();
    for (const QString& item : items)
        combo->itemsAdd(item);
}

// The picture drawn for the screen's ratio: NAME@2x.png above ratio 1 (loaded with ratio 2,
// so it takes the same logical size), NAME.png otherwise.
QImage PictureForRatio(const QString& picture, double ratio) {
    if (ratio > 1) {
        QString name2x = picture;
        name2x.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        const QImage sharp(name2x);
        if (!sharp.isNull()) return sharp;
    }
    return QImage(picture);
}

flat::TFlatButton* MakePictureButton(QWidget* parent, const QRect& bounds, const QString& picture,
                                     std::function<void()> onClick = nullptr) {
    auto* button = new flat::TFlatButton(parent);
    button->setGeometry(bounds);
    button->setColorBorder(gdi::clYellow);
    // One image, 24 bits per pixel; its bottom-left pixel is the colour left out.
    button->setGlyph(PictureForRatio(picture, button->devicePixelRatioF()));
    if (onClick)
        button->OnClick = [handler = TApplication::Guarded(std::move(onClick))](QObject*) {
            handler();
        };
    return button;
}

// A file name as the bytes the store opens: UTF-8 on Windows, the local encoding elsewhere.
std::string FileNameBytes(const QString& path) {
#if defined(Q_OS_WIN)
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

// Tooltips take the window's own colours and font, whatever the desktop's theme says.
void UseWindowLookForToolTips(const QFont& font) {
    QPalette palette = QToolTip::palette();
    const QColor background = gdi::ToQColor(gdi::clInfoBk);
    const QColor text = gdi::ToQColor(gdi::clWindowText);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::ToolTipBase, QPalette::Window, QPalette::Base})
            palette.setColor(group, role, background);
        for (auto role : {QPalette::ToolTipText, QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, text);
    }
    QToolTip::setPalette(palette);
    QToolTip::setFont(font);
}

// Every size the icon is drawn in, so that a 2x screen gets one drawn for its pixels.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/resources/babyname-%1.png").arg(size), QSize(size, size));
    icon.addFile(QStringLiteral(":/resources/babyname.png"), QSize(256, 256));
    return icon;
}

} // namespace

TForm1::TForm1(UrlOpener opener, QString storePath) : opener_(std::move(opener)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("宝宝取名"));
    setWindowIcon(ProgramIcon());
    move(225, 111);
    resize(520, 590); // the client area of a 528 x 622 window with a thin frame
    setFont(gdi::DefaultFont());
    gdi::SetControlColor(this, gdi::clInfoBk);
    setAutoFillBackground(true);
    CreateControls();
    CreateGridMenu();
    UseWindowLookForToolTips(font());
    FormCreate(storePath.isEmpty() ? DefaultStorePath() : FileNameBytes(storePath));
}

void TForm1::CreateControls() {
    CreateListView();
    CreateGroupBox();
    CreateEntries();
    CreateButtons();
    SetTabOrder();
}

void TForm1::CreateListView() {
    ListView1 = new QTableWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 160, 505, 401);
    ListView1->horizontalHeader()->hide();
    ListView1->verticalHeader()->hide();
    // Six 84-pixel columns are a little wider than the inside of the frame; the last
    // pixels of column 6 are blank anyway, so no scroll bar is offered for them.
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setTabKeyNavigation(false); // a list view passes Tab on to the next entry
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette palette = ListView1->palette();
    palette.setColor(QPalette::Base, gdi::ToQColor(gdi::clBtnHighlight));
    palette.setColor(QPalette::Text, gdi::ToQColor(gdi::RGB(0, 0, 255)));
    ListView1->setPalette(palette);
}

void TForm1::CreateGroupBox() {
    FlatGroupBox1 = new flat::TFlatGroupBox(this);
    FlatGroupBox1->setObjectName(QStringLiteral("FlatGroupBox1"));
    FlatGroupBox1->setGeometry(8, 8, 505, 97);
    FlatGroupBox1->setColorBorder(gdi::clMenuBar);
    FlatGroupBox1->setColor(gdi::clBtnHighlight);
    Label1 = MakeLabel(FlatGroupBox1, 16, 24, QStringLiteral("宝宝姓氏："));
    Label2 = MakeLabel(FlatGroupBox1, 192, 24, QStringLiteral("宝宝性别："));
    Label3 = MakeLabel(FlatGroupBox1, 352, 24, QStringLiteral("名字字数："));
    Label4 = MakeLabel(FlatGroupBox1, 16, 64, QStringLiteral("宝宝生日："));
    Label5 = MakeLabel(FlatGroupBox1, 312, 64, QStringLiteral("时"));
    Label6 = MakeLabel(FlatGroupBox1, 352, 64, QStringLiteral("生辰八字："));
}

// The family name, sex, birth date and hour, and the name length, inside the group box.
void TForm1::CreateEntries() {
    FlatEdit1 = new flat::TFlatEdit(FlatGroupBox1);
    FlatEdit1->setGeometry(80, 24, 41, 19);
    FlatEdit1->setColorFlat(gdi::clBtnHighlight);
    FlatEdit1->setParentColor(true);
    FlatEdit1->Loaded();
    FlatComboBox1 = MakeCombo(FlatGroupBox1, QRect(256, 24, 41, 21), QStringLiteral("男"));
    CreatePicker();
    FlatComboBox2 = MakeCombo(FlatGroupBox1, QRect(432, 24, 49, 21), QStringLiteral("三字"));
    FlatComboBox3 = MakeCombo(FlatGroupBox1, QRect(256, 64, 41, 21), QStringLiteral("11"));
}

void TForm1::CreatePicker() {
    ChnCalendarPicker1 = new calendar_ui::TChnCalendarPicker(FlatGroupBox1);
    ChnCalendarPicker1->setGeometry(80, 64, 170, 21);
    ChnCalendarPicker1->setFrameColor(gdi::clBlack);
    ChnCalendarPicker1->setCnDateColor(gdi::clGreen);
    ChnCalendarPicker1->setButtonColor(gdi::clPurple);
    ChnCalendarPicker1->setParentColor(false);
    ChnCalendarPicker1->setParentBackground(false);
    ChnCalendarPicker1->setParentCtl3D(false);
    ChnCalendarPicker1->setCtl3D(true);
    // The stored date of the window description; the picker replaces it by the current date
    // and time as soon as its window exists.
    ChnCalendarPicker1->setDateTime(40343.91043862268);
}

void TForm1::CreateButtons() {
    FlatButton1 =
        MakePictureButton(this, QRect(8, 120, 81, 25), QStringLiteral(":/resources/kaishi.png"),
                          [this] { FlatButton1Click(); });
    FlatButton2 =
        MakePictureButton(this, QRect(104, 120, 81, 25), QStringLiteral(":/resources/xiaoming.png"),
                          [this] { FlatButton2Click(); });
    FlatButton3 =
        MakePictureButton(this, QRect(200, 120, 81, 25), QStringLiteral(":/resources/diezi.png"),
                          [this] { FlatButton3Click(); });
    FlatButton4 =
        MakePictureButton(this, QRect(296, 120, 81, 25), QStringLiteral(":/resources/chongwu.png"),
                          [this] { FlatButton4Click(); });
    FlatButton5 = MakePictureButton(this, QRect(432, 120, 81, 25),
                                    QStringLiteral(":/resources/guanwang.png"));
}

void TForm1::SetTabOrder() {
    // Tab order: the grid, the group's entries (the picker's three fields in turn), then the
    // buttons.
    QWidget* order[] = {ListView1,
                        FlatEdit1,
                        FlatComboBox1,
                        ChnCalendarPicker1->YearEdit,
                        ChnCalendarPicker1->MonthEdit,
                        ChnCalendarPicker1->DayEdit,
                        FlatComboBox2,
                        FlatComboBox3,
                        FlatButton1,
                        FlatButton2,
                        FlatButton3,
                        FlatButton4,
                        FlatButton5};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

std::string TForm1::DefaultStorePath() {
    // The folder comes as bytes: one whose name is not valid text must still be found.
    return naming::NameStoreInFolder(naming::ExecutableFolder());
}

void TForm1::FormCreate(const std::string& storePath) {
    SetItems(FlatComboBox1, {QStringLiteral("男"), QStringLiteral("女")});
    SetItems(FlatComboBox2, {QStringLiteral("二字"), QStringLiteral("三字")});
    QStringList hours;
    for (int hour = 0; hour < 24; ++hour)
        hours << QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
    SetItems(FlatComboBox3, hours);

    ListView1->setRowCount(0);
    ListView1->setColumnCount(6);
    ListView1->setHorizontalHeaderLabels(QStringList(6, QStringLiteral("id")));
    for (int column = 0; column < 6; ++column)
        ListView1->setColumnWidth(column, 84);
    ListView1->setShowGrid(true);
    ListView1->verticalHeader()->setMinimumSectionSize(32);
    ListView1->verticalHeader()->setDefaultSectionSize(32);
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Opened by the first press that needs it, then kept for the run.
    ADOConnection1.SetConnection(storePath, naming::kNameStorePassword);
}

void TForm1::FlatButton1Click() {
    ListViewSink sink(*ListView1);
    naming::SuggestNames(ADOQuery1, FlatEdit1->text().toStdString(),
                         FlatComboBox1->currentText().toStdString(),
                         FlatComboBox2->currentText().toStdString(), sink);
}

void TForm1::CreateGridMenu() {
    GridMenu = new QMenu(ListView1);
    CopyAction = GridMenu->addAction(QStringLiteral("复制"), this, [this] { CopySelectedName(); });
    CopyAction->setShortcut(QKeySequence::Copy);
    CopyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    CopyAllAction =
        GridMenu->addAction(QStringLiteral("复制全部"), this, [this] { CopyAllNames(); });
    // The grid carries the entry too, so that its shortcut works while the grid has focus.
    ListView1->addAction(CopyAction);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowGridMenu(pos); });
}

void TForm1::ShowGridMenu(const QPoint& pos) {
    CopyAction->setEnabled(!SelectedName().isEmpty());
    CopyAllAction->setEnabled(ListView1->rowCount() > 0);
    GridMenu->popup(ListView1->viewport()->mapToGlobal(pos));
}

QString TForm1::CellToolTip(int row, int column) const {
    const QTableWidgetItem* item = ListView1->item(row, column);
    return item ? item->data(kCellDescriptionRole).toString() : QString();
}

QString TForm1::SelectedName() const {
    const auto selected = ListView1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString TForm1::GridText() const {
    QString text;
    for (int row = 0; row < ListView1->rowCount(); ++row) {
        QStringList names;
        for (int column = 0; column < ListView1->columnCount(); ++column) {
            const QTableWidgetItem* item = ListView1->item(row, column);
            names << (item ? item->text() : QString());
        }
        text += names.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void TForm1::CopySelectedName() {
    const QString name = SelectedName();
    if (!name.isEmpty()) QGuiApplication::clipboard()->setText(name);
}

void TForm1::CopyAllNames() {
    const QString text = GridText();
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void TForm1::FlatButton2Click() {
    opener_(SiteUrl(QStringLiteral("/zv/xiaoming.php?zuvo")));
}
void TForm1::FlatButton3Click() {
    opener_(SiteUrl(QStringLiteral("/zv/diezhi.php?zuvo")));
}
void TForm1::FlatButton4Click() {
    opener_(SiteUrl(QStringLiteral("/zv/chongwu.php?zuvo")));
}

void TForm1::FormClose() {
    if (closed_) return; // the home page opens once, however the window is closed
    closed_ = true;
    opener_(SiteUrl(QStringLiteral("/index.html?zuvo")));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}
