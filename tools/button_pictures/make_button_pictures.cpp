// make-button-pictures OUTDIR: draws the five button pictures (24-bit PNG, a golden face
// with orange corner ornaments and black characters on a background that the button leaves
// out), each also at twice the resolution for 2x screens (NAME@2x.png, the same drawing with
// every logical pixel four device pixels), and the program icon in several sizes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>

namespace {

// Every picture stands on an 81 x 25 button whose one-pixel border must show on all four
// sides, idle and pressed (pressed moves the picture by one pixel right and down). The face
// therefore keeps off every picture pixel that lands on the border in either state; what is
// left around it is key colour, which the button leaves out (it takes the bottom-left pixel
// as that colour, and no pixel of the face has it).
const QSize kButton(81, 25);
const QColor kKey(255, 0, 255);
const QColor kGoldLight(255, 236, 139);
const QColor kGold(244, 196, 48);
const QColor kGoldDark(184, 134, 11);
const QColor kOrange(255, 128, 0);

struct Picture {
    const char* file;
    QSize size;
    QPoint origin; // where the button puts the picture while idle
    QString label;
};

// The face's pixels: at least one pixel of key colour on every side, and clear of the
// button's last column and row both idle and pressed.
QRect FaceOf(const Picture& picture) {
    const int right = std::min(picture.size.width() - 2, kButton.width() - 3 - picture.origin.x());
    const int bottom =
        std::min(picture.size.height() - 2, kButton.height() - 3 - picture.origin.y());
    return QRect(QPoint(1, 1), QPoint(right, bottom));
}

// The Sharp face of the font carries hand-made bitmaps up to 16 pixels, in which dense
// characters such as 叠 keep their strokes apart; outlines at this size run them together.
QFont LabelFont(int pixels) {
    QFont font(QStringLiteral("WenQuanYi Zen Hei Sharp"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias); // hard edges: no pixel blends into the key
    return font;
}

void DrawOrnaments(QPainter& p, const QRect& face) {
    // Small orange quarter-rings with a dot, one in each corner.
    p.setPen(QPen(kOrange, 1));
    p.setBrush(Qt::NoBrush);
    const int r = 4;
    const QPoint corners[] = {face.topLeft() + QPoint(2, 2), face.topRight() + QPoint(-2, 2),
                              face.bottomLeft() + QPoint(2, -2),
                              face.bottomRight() + QPoint(-2, -2)};
    for (const QPoint& c : corners) {
        const int dx = c.x() < face.center().x() ? 1 : -1;
        const int dy = c.y() < face.center().y() ? 1 : -1;
        p.drawLine(c, c + QPoint(dx * r, 0));
        p.drawLine(c, c + QPoint(0, dy * r));
        p.drawPoint(c + QPoint(dx * 2, dy * 2));
    }
}

QImage ButtonPicture(const Picture& picture, int scale) {
    QImage image(picture.size * scale, QImage::Format_RGB888);
    image.setDevicePixelRatio(scale);
    image.fill(kKey);
    const QRect face = FaceOf(picture);
    QPainter p(&image);
    QPainterPath outline;
    // A one-pixel pen on a rectangle through the pixel centres covers exactly the face.
    outline.addRoundedRect(QRectF(face).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    QLinearGradient fill(0, face.top(), 0, face.bottom());
    fill.setColorAt(0, kGoldLight);
    fill.setColorAt(0.5, kGold);
    fill.setColorAt(1, kGoldDark);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(fill);
    p.drawPath(outline);
    DrawOrnaments(p, face);

    p.setPen(Qt::black);
    // At 15 pixels the label uses the font's hand-made bitmaps; twice that size comes from
    // its outlines, which are sharp there.
    p.setFont(LabelFont(15));
    p.drawText(face, Qt::AlignCenter, picture.label);
    p.end();
    return image;
}

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size / 16.0;
    QRectF disc(m, m, size - 2 * m, size - 2 * m);
    QRadialGradient fill(disc.center(), disc.width() / 2);
    fill.setColorAt(0, QColor(230, 60, 50));
    fill.setColorAt(1, QColor(170, 20, 25));
    p.setPen(QPen(kGold, qMax(1.0, size / 32.0)));
    p.setBrush(fill);
    p.drawRoundedRect(disc, size / 5.0, size / 5.0);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(int(size * 0.62));
    p.setFont(font);
    p.setPen(kGoldLight);
    p.drawText(disc, Qt::AlignCenter, QStringLiteral("名"));
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-button-pictures OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const Picture pictures[] = {
        {"kaishi.png", {82, 25}, {0, 0}, QStringLiteral("开始取名")},
        {"xiaoming.png", {81, 25}, {0, 0}, QStringLiteral("小名取名")},
        {"diezi.png", {82, 24}, {0, 1}, QStringLiteral("叠字取名")},
        {"chongwu.png", {82, 24}, {0, 1}, QStringLiteral("宠物取名")},
        {"guanwang.png", {78, 21}, {2, 2}, QStringLiteral("官方网站")},
    };
    bool ok = true;
    for (const Picture& picture : pictures) {
        const QString file = QString::fromLatin1(picture.file);
        ok &= ButtonPicture(picture, 1).save(out.filePath(file));
        QString file2x = file;
        file2x.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        ok &= ButtonPicture(picture, 2).save(out.filePath(file2x));
    }
    ok &= Icon(256).save(out.filePath(QStringLiteral("babyname.png")));
    for (int size : {16, 32, 48, 64, 128})
        ok &= Icon(size).save(out.filePath(QStringLiteral("babyname-%1.png").arg(size)));
    return ok ? 0 : 1;
}
