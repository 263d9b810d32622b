// make-button-pictures OUTDIR: draws the five button pictures (24-bit PNG, a golden face
// with orange corner ornaments and black characters on a background that the button leaves
// out) and the program icon in several sizes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// The background around the face: a ring of at least one pixel on every side, so that the
// button's own border shows through it. The button takes the bottom-left pixel as the colour
// to leave out, and no pixel of the face has it.
const QColor kKey(255, 0, 255);
const QColor kGoldLight(255, 236, 139);
const QColor kGold(244, 196, 48);
const QColor kGoldDark(184, 134, 11);
const QColor kOrange(255, 128, 0);

QFont LabelFont(int pixels) {
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias); // hard edges: no pixel blends into the key
    return font;
}

QImage ButtonPicture(int width, int height, const QString& label) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(kKey);
    QPainter p(&image);
    const QRectF face(1.5, 1.5, width - 3.0, height - 3.0);
    QPainterPath outline;
    outline.addRoundedRect(face, 4, 4);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, kGoldLight);
    fill.setColorAt(0.5, kGold);
    fill.setColorAt(1, kGoldDark);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(fill);
    p.drawPath(outline);

    // Corner ornaments: small orange quarter-rings with a dot, one in each corner.
    p.setPen(QPen(kOrange, 1));
    p.setBrush(Qt::NoBrush);
    const int r = 4;
    const QPoint corners[] = {{3, 3}, {width - 4, 3}, {3, height - 4}, {width - 4, height - 4}};
    for (const QPoint& c : corners) {
        const int dx = c.x() < width / 2 ? 1 : -1;
        const int dy = c.y() < height / 2 ? 1 : -1;
        p.drawLine(c, c + QPoint(dx * r, 0));
        p.drawLine(c, c + QPoint(0, dy * r));
        p.drawPoint(c + QPoint(dx * 2, dy * 2));
    }

    p.setPen(Qt::black);
    p.setFont(LabelFont(height <= 21 ? 12 : 13));
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, label);
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
    struct Picture {
        const char* file;
        int width, height;
        QString label;
    };
    const Picture pictures[] = {
        {"kaishi.png", 82, 25, QStringLiteral("开始取名")},
        {"xiaoming.png", 81, 25, QStringLiteral("小名取名")},
        {"diezi.png", 82, 24, QStringLiteral("叠字取名")},
        {"chongwu.png", 82, 24, QStringLiteral("宠物取名")},
        {"guanwang.png", 78, 21, QStringLiteral("官方网站")},
    };
    bool ok = true;
    for (const Picture& picture : pictures)
        ok &= ButtonPicture(picture.width, picture.height, picture.label)
                  .save(out.filePath(QString::fromLatin1(picture.file)));
    ok &= Icon(256).save(out.filePath(QStringLiteral("babyname.png")));
    for (int size : {16, 32, 48, 64, 128})
        ok &= Icon(size).save(out.filePath(QStringLiteral("babyname-%1.png").arg(size)));
    return ok ? 0 : 1;
}
