// Renders the flat controls into PNG files, for looking at them: flat_demo OUTDIR
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

using namespace flat;

namespace {

QImage Picture(int w, int h, QColor c, const QString& text) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(3, 3, w - 6, h - 6, c);
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, text);
    return img;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gdi::InstallFontSubstitutes();
    QApplication::setFont(gdi::DefaultFont());
    const QString out = argc > 1 ? argv[1] : QStringLiteral(".");

    QWidget form;
    form.resize(560, 260);
    form.setAutoFillBackground(true);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, gdi::ToQColor(gdi::clInfoBk));
    form.setPalette(pal);
    gdi::SetControlColor(&form, gdi::clInfoBk);

    auto* box = new TFlatGroupBox(&form);
    box->setGeometry(10, 10, 505, 97);
    box->setColorBorder(gdi::clMenuBar);
    box->setColor(gdi::clBtnHighlight);

    auto* label = new QLabel(QStringLiteral("姓氏"), box);
    label->move(12, 16);
    auto* edit = new TFlatEdit(box);
    edit->setGeometry(60, 12, 80, 19);
    edit->setColorFlat(gdi::clBtnHighlight);
    edit->setParentColor(true);
    edit->setText(QStringLiteral("张"));

    const char* texts[] = {"男", "三字", "11"};
    for (int i = 0; i < 3; ++i) {
        auto* combo = new TFlatComboBox(box);
        combo->setGeometry(60 + 60 * i, 50, 41, 21);
        combo->setColor(gdi::clWindow);
        combo->setColorArrowBackground(gdi::clInfoBk);
        combo->setItemHeight(13);
        combo->itemsAdd(QStringLiteral("男"));
        combo->itemsAdd(QStringLiteral("女"));
        combo->setText(QString::fromUtf8(texts[i]));
        if (i == 2) combo->setEnabled(false);
    }
    auto* list = new TFlatComboBox(box);
    list->setStyle(csDropDownList);
    list->setGeometry(260, 50, 80, 21);
    list->itemsAdd(QStringLiteral("Alpha"));
    list->setItemIndex(0);

    const QColor colours[] = {Qt::darkRed, Qt::darkGreen, Qt::darkBlue, Qt::darkCyan,
                              Qt::darkMagenta};
    TFlatButton* buttons[5];
    for (int i = 0; i < 5; ++i) {
        buttons[i] = new TFlatButton(&form);
        buttons[i]->setGeometry(10 + 90 * i, 130, 81, 25);
        buttons[i]->setColorBorder(gdi::clYellow);
        buttons[i]->setGlyph(Picture(82 - (i == 1 ? 0 : 4 * (i > 1)),
                                     i == 1 ? 24 : 25 - 4 * (i > 1), colours[i],
                                     QStringLiteral("按钮%1").arg(i + 1)));
    }
    auto* plain = new TFlatButton(&form);
    plain->setGeometry(10, 170, 81, 25);
    plain->setCaption(QStringLiteral("&Caption"));
    auto* off = new TFlatButton(&form);
    off->setGeometry(100, 170, 81, 25);
    off->setCaption(QStringLiteral("Disabled"));
    off->setEnabled(false);

    form.show();
    QApplication::processEvents();
    QImage shot(form.size(), QImage::Format_RGB32);
    form.render(&shot);
    shot.save(out + "/flat_demo.png");
    shot.scaled(shot.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .copy(0, 0, 1100, 700)
        .save(out + "/flat_demo_zoom.png");
    return 0;
}
