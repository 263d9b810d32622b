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
#include "gdi/system_palette.h"
#include "naming/executable_folder.h"
#include "naming/suggestion.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
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

// A button that shows only its picture; name is what the picture reads, for screen readers.
flat::TFlatButton* MakePictureButton(QWidget* parent, const QRect& bounds, const QString& picture,
                                     const QString& name, std::function<void()> onClick = nullptr) {
    auto* button = new flat::TFlatButton(parent);
    button->setGeometry(bounds);
    button->setAccessibleName(name);
    button->setColorBorder(gdi::clYellow);
    // One image, 24 bits per pixel; its bottom-left pixel is the colour left out.
    button->setGlyph(PictureForRatio(picture, button->devicePixelRatioF()));
    if (onClick)
        button->OnClick = [handler = TApplication::Guarded(std::move(onClick))](QObject*) {
            handler();
        };
    return button;
}

// Links a label to the control beside it, which a screen reader then names by the label's
// text without its colon (or by the given name, where the label alone says too little).
void LinkLabel(QLabel* label, QWidget* field, QString name = QString()) {
    label->setBuddy(field);
    if (name.isEmpty()) name = label->text().remove(u'：');
    field->setAccessibleName(name);
    // An editable box's edit is read on its own when it has the focus.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

// A file name as the bytes the store opens: UTF-8 on Windows, the local encoding elsewhere.
std::string FileNameBytes(const QString& path) {
#if defined(Q_OS_WIN)
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
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
    // Every colour the window shows comes from the system colour table, whatever the
    // desktop's colour scheme; tooltips take the window's font as well.
    gdi::UseSystemColorsEverywhere();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("宝宝取名"));
    setWindowIcon(ProgramIcon());
    // Wayland lets no program place its own windows; there the compositor does.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) move(225, 111);
    resize(520, 590); // the client area of a 528 x 622 window with a thin frame
    setFont(gdi::DefaultFont());
    gdi::SetControlColor(this, gdi::clInfoBk);
    setAutoFillBackground(true);
    CreateControls();
    CreateGridMenu();
    QToolTip::setFont(font());
    FormCreate(storePath.isEmpty() ? DefaultStorePath() : FileNameBytes(storePath));
}

void TForm1::CreateControls() {
    CreateListView();
    CreateGroupBox();
    CreateEntries();
    CreateButtons();
    SetTabOrder();
    LinkLabels();
}

void TForm1::LinkLabels() {
    LinkLabel(label1_, flatEdit1_);
    LinkLabel(label2_, flatComboBox1_);
    LinkLabel(label3_, flatComboBox2_);
    LinkLabel(label4_, chnCalendarPicker1_);
    LinkLabel(label5_, flatComboBox3_, QStringLiteral("时辰"));
    listView1_->setAccessibleName(QStringLiteral("推荐名字"));
}

void TForm1::CreateListView() {
    listView1_ = new QTableWidget(this);
    listView1_->setObjectName(QStringLiteral("ListView1"));
    listView1_->setGeometry(8, 160, 505, 401);
    listView1_->horizontalHeader()->hide();
    listView1_->verticalHeader()->hide();
    // Six 84-pixel columns are a little wider than the inside of the frame; the last
    // pixels of column 6 are blank anyway, so no scroll bar is offered for them.
    listView1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView1_->setTabKeyNavigation(false); // a list view passes Tab on to the next entry
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette palette = listView1_->palette();
    palette.setColor(QPalette::Base, gdi::ToQColor(gdi::clBtnHighlight));
    palette.setColor(QPalette::Text, gdi::ToQColor(gdi::RGB(0, 0, 255)));
    listView1_->setPalette(palette);
}

void TForm1::CreateGroupBox() {
    flatGroupBox1_ = new flat::TFlatGroupBox(this);
    flatGroupBox1_->setObjectName(QStringLiteral("FlatGroupBox1"));
    flatGroupBox1_->setGeometry(8, 8, 505, 97);
    flatGroupBox1_->setColorBorder(gdi::clMenuBar);
    flatGroupBox1_->setColor(gdi::clBtnHighlight);
    label1_ = MakeLabel(flatGroupBox1_, 16, 24, QStringLiteral("宝宝姓氏："));
    label2_ = MakeLabel(flatGroupBox1_, 192, 24, QStringLiteral("宝宝性别："));
    label3_ = MakeLabel(flatGroupBox1_, 352, 24, QStringLiteral("名字字数："));
    label4_ = MakeLabel(flatGroupBox1_, 16, 64, QStringLiteral("宝宝生日："));
    label5_ = MakeLabel(flatGroupBox1_, 312, 64, QStringLiteral("时"));
    label6_ = MakeLabel(flatGroupBox1_, 352, 64, QStringLiteral("生辰八字："));
}

// The family name, sex, birth date and hour, and the name length, inside the group box.
void TForm1::CreateEntries() {
    flatEdit1_ = new flat::TFlatEdit(flatGroupBox1_);
    flatEdit1_->setGeometry(80, 24, 41, 19);
    flatEdit1_->setColorFlat(gdi::clBtnHighlight);
    flatEdit1_->setParentColor(true);
    flatEdit1_->Loaded();
    // Return in the family name asks for names, as 开始取名 does.
    connect(flatEdit1_, &QLineEdit::returnPressed, this,
            TApplication::Guarded([this] { FlatButton1Click(); }));
    flatComboBox1_ = MakeCombo(flatGroupBox1_, QRect(256, 24, 41, 21), QStringLiteral("男"));
    CreatePicker();
    flatComboBox2_ = MakeCombo(flatGroupBox1_, QRect(432, 24, 49, 21), QStringLiteral("三字"));
    flatComboBox3_ = MakeCombo(flatGroupBox1_, QRect(256, 64, 41, 21), QStringLiteral("11"));
}

void TForm1::CreatePicker() {
    chnCalendarPicker1_ = new calendar_ui::TChnCalendarPicker(flatGroupBox1_);
    chnCalendarPicker1_->setGeometry(80, 64, 170, 21);
    chnCalendarPicker1_->setFrameColor(gdi::clBlack);
    chnCalendarPicker1_->setCnDateColor(gdi::clGreen);
    chnCalendarPicker1_->setButtonColor(gdi::clPurple);
    chnCalendarPicker1_->setParentColor(false);
    chnCalendarPicker1_->setParentBackground(false);
    chnCalendarPicker1_->setParentCtl3D(false);
    chnCalendarPicker1_->setCtl3D(true);
    // The stored date of the window description; the picker replaces it by the current date
    // and time as soon as its window exists.
    chnCalendarPicker1_->setDateTime(40343.91043862268);
}

void TForm1::CreateButtons() {
    flatButton1_ =
        MakePictureButton(this, QRect(8, 120, 81, 25), QStringLiteral(":/resources/kaishi.png"),
                          QStringLiteral("开始取名"), [this] { FlatButton1Click(); });
    flatButton2_ =
        MakePictureButton(this, QRect(104, 120, 81, 25), QStringLiteral(":/resources/xiaoming.png"),
                          QStringLiteral("小名取名"), [this] { FlatButton2Click(); });
    flatButton3_ =
        MakePictureButton(this, QRect(200, 120, 81, 25), QStringLiteral(":/resources/diezi.png"),
                          QStringLiteral("叠字取名"), [this] { FlatButton3Click(); });
    flatButton4_ =
        MakePictureButton(this, QRect(296, 120, 81, 25), QStringLiteral(":/resources/chongwu.png"),
                          QStringLiteral("宠物取名"), [this] { FlatButton4Click(); });
    flatButton5_ =
        MakePictureButton(this, QRect(432, 120, 81, 25), QStringLiteral(":/resources/guanwang.png"),
                          QStringLiteral("官方网站"));
}

void TForm1::SetTabOrder() {
    // Tab order: the grid, the group's entries (the picker's three fields in turn), then the
    // buttons.
    const auto fields = chnCalendarPicker1_->dateFields();
    QWidget* order[] = {listView1_,   flatEdit1_,     flatComboBox1_, fields[0],    fields[1],
                        fields[2],    flatComboBox2_, flatComboBox3_, flatButton1_, flatButton2_,
                        flatButton3_, flatButton4_,   flatButton5_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

std::string TForm1::DefaultStorePath() {
    // The folder comes as bytes: one whose name is not valid text must still be found.
    return naming::NameStoreInFolder(naming::ExecutableFolder());
}

void TForm1::FormCreate(const std::string& storePath) {
    SetItems(flatComboBox1_, {QStringLiteral("男"), QStringLiteral("女")});
    SetItems(flatComboBox2_, {QStringLiteral("二字"), QStringLiteral("三字")});
    QStringList hours;
    for (int hour = 0; hour < 24; ++hour)
        hours << QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
    SetItems(flatComboBox3_, hours);

    listView1_->setRowCount(0);
    listView1_->setColumnCount(6);
    // The captions are never seen (the headers are hidden), but a screen reader reads them:
    // they tell the column by its place.
    QStringList captions;
    for (int column = 0; column < 6; ++column)
        captions << QStringLiteral("第%1列").arg(column + 1);
    listView1_->setHorizontalHeaderLabels(captions);
    for (int column = 0; column < 6; ++column)
        listView1_->setColumnWidth(column, 84);
    listView1_->setShowGrid(true);
    listView1_->verticalHeader()->setMinimumSectionSize(32);
    listView1_->verticalHeader()->setDefaultSectionSize(32);
    listView1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Opened by the first press that needs it, then kept for the run.
    adoConnection1_.SetConnection(storePath, naming::kNameStorePassword);
}

void TForm1::FlatButton1Click() {
    ListViewSink sink(*listView1_);
    naming::SuggestNames(adoQuery1_, flatEdit1_->text().toStdString(),
                         flatComboBox1_->currentText().toStdString(),
                         flatComboBox2_->currentText().toStdString(), sink);
}

void TForm1::CreateGridMenu() {
    gridMenu_ = new QMenu(listView1_);
    copyAction_ =
        gridMenu_->addAction(QStringLiteral("复制"), this, [this] { CopySelectedName(); });
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    copyAllAction_ =
        gridMenu_->addAction(QStringLiteral("复制全部"), this, [this] { CopyAllNames(); });
    // The grid carries the entry too, so that its shortcut works while the grid has focus.
    listView1_->addAction(copyAction_);
    listView1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listView1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowGridMenu(pos); });
}

void TForm1::ShowGridMenu(const QPoint& pos) {
    copyAction_->setEnabled(!SelectedName().isEmpty());
    copyAllAction_->setEnabled(listView1_->rowCount() > 0);
    gridMenu_->popup(listView1_->viewport()->mapToGlobal(pos));
}

QString TForm1::CellToolTip(int row, int column) const {
    const QTableWidgetItem* item = listView1_->item(row, column);
    return item ? item->data(kCellDescriptionRole).toString() : QString();
}

QString TForm1::SelectedName() const {
    const auto selected = listView1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString TForm1::GridText() const {
    QString text;
    for (int row = 0; row < listView1_->rowCount(); ++row) {
        QStringList names;
        for (int column = 0; column < listView1_->columnCount(); ++column) {
            const QTableWidgetItem* item = listView1_->item(row, column);
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
