// Shows the flat controls as the main window uses them, with a few more looks below, and
// saves a PNG of it: flat_demo OUTDIR [MILLISECONDS]. With MILLISECONDS the window stays on
// screen that long instead (for a real-window photo).
#include "flat/flat_button.h"
#include "flat/flat_combo_box.h"
#include "flat/flat_edit.h"
#include "flat/flat_group_box.h"
#include "gdi/control_color.h"
#include "gdi/fonts.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>

using namespace flat;

namespace {

// A stand-in for the button pictures: golden face, orange corners, black label, white
// surroundings (the bottom-left pixel, so left out when drawn).
QImage Picture(int w, int h, const QString& text) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(2, 2, w - 4, h - 4, QColor(250, 210, 90));
    p.fillRect(2, 2, 4, 4, QColor(240, 120, 20));
    p.fillRect(w - 6, h - 6, 4, 4, QColor(240, 120, 20));
    p.setPen(Qt::black);
    p.setFont(gdi::MakeFont(QStringLiteral("宋体"), 9));
    p.drawText(img.rect(), Qt::AlignCenter, text);
    return img;
}

QLabel* Label(QWidget* parent, int x, int y, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

TFlatComboBox* Combo(QWidget* parent, int x, int y, int w, const QString& text) {
    auto* c = new TFlatComboBox(parent);
    c->setGeometry(x, y, w, 21);
    c->setColor(gdi::clWindow);
    c->setColorArrowBackground(gdi::clInfoBk);
    c->setItemHeight(13);
    c->setText(text);
    return c;
}

// The group box of the main window with its labels, the name edit and three combo boxes.
void AddEntryGroup(QWidget& form) {
    auto* box = new TFlatGroupBox(&form);
    box->setGeometry(8, 8, 505, 97);
    box->setColorBorder(gdi::clMenuBar);
    box->setColor(gdi::clBtnHighlight);
    Label(box, 16, 24, QStringLiteral("宝宝姓氏："));
    Label(box, 192, 24, QStringLiteral("宝宝性别："));
    Label(box, 352, 24, QStringLiteral("名字字数："));
    Label(box, 16, 64, QStringLiteral("宝宝生日："));
    Label(box, 312, 64, QStringLiteral("时"));
    auto* edit = new TFlatEdit(box);
    edit->setGeometry(80, 24, 41, 19);
    edit->setColorFlat(gdi::clBtnHighlight);
    edit->setParentColor(true);
    TFlatComboBox* sex = Combo(box, 256, 24, 41, QStringLiteral("男"));
    TFlatComboBox* length = Combo(box, 432, 24, 49, QStringLiteral("三字"));
    TFlatComboBox* hour = Combo(box, 256, 64, 41, QStringLiteral("11"));
    sex->itemsClear();
    sex->itemsAdd(QStringLiteral("男"));
    sex->itemsAdd(QStringLiteral("女"));
    length->itemsClear();
    length->itemsAdd(QStringLiteral("二字"));
    length->itemsAdd(QStringLiteral("三字"));
    hour->itemsClear();
    for (int h = 0; h < 24; ++h)
        hour->itemsAdd(QStringLiteral("%1").arg(h, 2, 10, QChar('0')));
    edit->Loaded();
}

// The five picture buttons, with pictures of the main window's sizes.
void AddPictureButtons(QWidget& form) {
    const struct {
        int x, w, h;
        const char* text;
    } pics[] = {{8, 82, 25, "开始取名"},
                {104, 81, 25, "小名取名"},
                {200, 82, 24, "叠字取名"},
                {296, 82, 24, "宠物取名"},
                {432, 78, 21, "官方网站"}};
    for (const auto& p : pics) {
        auto* b = new TFlatButton(&form);
        b->setGeometry(p.x, 120, 81, 25);
        b->setColorBorder(gdi::clYellow);
        b->setGlyph(Picture(p.w, p.h, QString::fromUtf8(p.text)));
    }
}

// More looks: caption with accelerator, disabled, latched, see-through, list style.
void AddMoreLooks(QWidget& form) {
    auto* plain = new TFlatButton(&form);
    plain->setGeometry(8, 170, 81, 25);
    plain->setCaption(QStringLiteral("&Caption"));
    auto* off = new TFlatButton(&form);
    off->setGeometry(104, 170, 81, 25);
    off->setCaption(QStringLiteral("Disabled"));
    off->setEnabled(false);
    auto* latched = new TFlatButton(&form);
    latched->setGeometry(200, 170, 81, 25);
    latched->setGroupIndex(1);
    latched->setCaption(QStringLiteral("Latched"));
    latched->setDown(true);
    auto* list = new TFlatComboBox(&form);
    list->setComboStyle(csDropDownList);
    list->setGeometry(296, 172, 80, 21);
    list->itemsAdd(QStringLiteral("List style"));
    list->setItemIndex(0);
    auto* offCombo = Combo(&form, 392, 172, 41, QStringLiteral("07"));
    offCombo->setEnabled(false);
    auto* topLine = new TFlatGroupBox(&form);
    topLine->setGeometry(8, 205, 505, 40);
    topLine->setCaption(QStringLiteral("Only the &top line"));
    topLine->setBorder(brOnlyTopLine);
    topLine->setTransparent(true);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    const QString out = argc > 1 ? argv[1] : QStringLiteral(".");

    QWidget form;
    form.setWindowTitle(QStringLiteral("flat demo"));
    form.resize(520, 260);
    form.setAutoFillBackground(true);
    gdi::SetControlColor(&form, gdi::clInfoBk);
    AddEntryGroup(form);
    AddPictureButtons(form);
    AddMoreLooks(form);

    form.show();
    if (argc > 2) {
        QTimer::singleShot(QString(argv[2]).toInt(), &app, &QApplication::quit);
        return app.exec();
    }
    QApplication::processEvents();
    QImage shot(form.size(), QImage::Format_RGB32);
    form.render(&shot);
    shot.save(out + "/flat_demo.png");
    return 0;
}
