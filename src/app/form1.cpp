#include "app/form1.h"

#include "app/babyname_application.h"
#include "app/list_view_sink.h"
#include "naming/suggestion.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Windows 10 defaults of the system colours the window uses.
const QColor kInfoBackground(255, 255, 225);
const QColor kButtonHighlight(255, 255, 255);

QFont WindowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QLabel* MakeLabel(QWidget* parent, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QComboBox* MakeCombo(QWidget* parent, const QRect& bounds, const QString& text) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setGeometry(bounds);
    combo->setEditText(text);
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Base, Qt::white); // the system window colour
    combo->setPalette(palette);
    return combo;
}

// Refills an editable box's list; the text the user sees stays and no item is selected.
void SetItems(QComboBox* combo, const QStringList& items) {
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QPushButton* MakePictureButton(QWidget* parent, const QRect& bounds, const QString& picture) {
    auto* button = new QPushButton(parent);
    button->setGeometry(bounds);
    button->setFlat(true);
    QPixmap pixmap(picture);
    // The bottom-left pixel is the background around the face, left out when drawn.
    const QColor key = pixmap.toImage().pixelColor(0, pixmap.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    button->setIcon(pixmap);
    button->setIconSize(pixmap.size());
    return button;
}

} // namespace

TForm1::TForm1(UrlOpener opener, QString storePath) : opener_(std::move(opener)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("宝宝取名"));
    setWindowIcon(QIcon(QStringLiteral(":/resources/babyname.png")));
    move(225, 111);
    resize(520, 590); // the client area of a 528 x 622 window with a thin frame
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kInfoBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowFont());
    CreateControls();
    FormCreate(storePath.isEmpty() ? DefaultStorePath() : storePath);
}

void TForm1::CreateControls() {
    ListView1 = new QTableWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 160, 505, 401);
    ListView1->horizontalHeader()->hide();
    ListView1->verticalHeader()->hide();
    // Six 84-pixel columns are a little wider than the inside of the frame; the last
    // pixels of column 6 are blank anyway, so no scroll bar is offered for them.
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    {
        QPalette palette = ListView1->palette();
        palette.setColor(QPalette::Base, kButtonHighlight);
        palette.setColor(QPalette::Text, QColor(0, 0, 255));
        ListView1->setPalette(palette);
    }

    FlatGroupBox1 = new QFrame(this);
    FlatGroupBox1->setObjectName(QStringLiteral("FlatGroupBox1"));
    FlatGroupBox1->setGeometry(8, 8, 505, 97);
    FlatGroupBox1->setFrameShape(QFrame::Box);
    {
        QPalette palette = FlatGroupBox1->palette();
        palette.setColor(QPalette::Window, kButtonHighlight);
        palette.setColor(QPalette::WindowText, QColor(240, 240, 240)); // the frame
        FlatGroupBox1->setPalette(palette);
        FlatGroupBox1->setAutoFillBackground(true);
    }
    Label1 = MakeLabel(FlatGroupBox1, 16, 24, QStringLiteral("宝宝姓氏："));
    Label2 = MakeLabel(FlatGroupBox1, 192, 24, QStringLiteral("宝宝性别："));
    Label3 = MakeLabel(FlatGroupBox1, 352, 24, QStringLiteral("名字字数："));
    Label4 = MakeLabel(FlatGroupBox1, 16, 64, QStringLiteral("宝宝生日："));
    Label5 = MakeLabel(FlatGroupBox1, 312, 64, QStringLiteral("时"));
    Label6 = MakeLabel(FlatGroupBox1, 352, 64, QStringLiteral("生辰八字："));
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }

    FlatEdit1 = new QLineEdit(FlatGroupBox1);
    FlatEdit1->setGeometry(80, 24, 41, 19);
    FlatComboBox1 = MakeCombo(FlatGroupBox1, QRect(256, 24, 41, 21), QStringLiteral("男"));
    ChnCalendarPicker1 = new QDateTimeEdit(FlatGroupBox1);
    ChnCalendarPicker1->setGeometry(80, 64, 170, 21);
    ChnCalendarPicker1->setDisplayFormat(QStringLiteral("yyyy-M-d H:mm"));
    ChnCalendarPicker1->setDateTime(QDateTime::currentDateTime());
    FlatComboBox2 = MakeCombo(FlatGroupBox1, QRect(432, 24, 49, 21), QStringLiteral("三字"));
    FlatComboBox3 = MakeCombo(FlatGroupBox1, QRect(256, 64, 41, 21), QStringLiteral("11"));

    FlatButton1 =
        MakePictureButton(this, QRect(8, 120, 81, 25), QStringLiteral(":/resources/kaishi.png"));
    FlatButton2 = MakePictureButton(this, QRect(104, 120, 81, 25),
                                    QStringLiteral(":/resources/xiaoming.png"));
    FlatButton3 =
        MakePictureButton(this, QRect(200, 120, 81, 25), QStringLiteral(":/resources/diezi.png"));
    FlatButton4 =
        MakePictureButton(this, QRect(296, 120, 81, 25), QStringLiteral(":/resources/chongwu.png"));
    FlatButton5 = MakePictureButton(this, QRect(432, 120, 81, 25),
                                    QStringLiteral(":/resources/guanwang.png"));
    connect(FlatButton1, &QPushButton::clicked, this,
            TApplication::Guarded([this] { FlatButton1Click(); }));
    connect(FlatButton2, &QPushButton::clicked, this,
            TApplication::Guarded([this] { FlatButton2Click(); }));
    connect(FlatButton3, &QPushButton::clicked, this,
            TApplication::Guarded([this] { FlatButton3Click(); }));
    connect(FlatButton4, &QPushButton::clicked, this,
            TApplication::Guarded([this] { FlatButton4Click(); }));

    // Tab order: the grid, the group's entries, then the buttons.
    QWidget* order[] = {ListView1,     FlatEdit1,     FlatComboBox1, ChnCalendarPicker1,
                        FlatComboBox2, FlatComboBox3, FlatButton1,   FlatButton2,
                        FlatButton3,   FlatButton4,   FlatButton5};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

QString TForm1::DefaultStorePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/./config/tarnwick.dat");
}

void TForm1::FormCreate(const QString& storePath) {
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
    ADOConnection1.SetConnection(storePath.toStdString(), naming::kNameStorePassword);
}

void TForm1::FlatButton1Click() {
    ListViewSink sink(*ListView1);
    naming::SuggestNames(ADOQuery1, FlatEdit1->text().toStdString(),
                         FlatComboBox1->currentText().toStdString(),
                         FlatComboBox2->currentText().toStdString(), sink);
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
