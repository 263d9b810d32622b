#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* path;
    int width, height;
};

// NAME.png, or NAME@2x.png for scale 2.
QString PathAt(const char* path, int scale) {
    QString p = QString::fromLatin1(path);
    if (scale == 2) p.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
    return p;
}

TEST(ButtonPictures, AreTwentyFourBitImagesOfTheirSizesWithAKeyedBackground) {
    const Picture pictures[] = {{":/resources/kaishi.png", 82, 25},
                                {":/resources/xiaoming.png", 81, 25},
                                {":/resources/diezi.png", 82, 24},
                                {":/resources/chongwu.png", 82, 24},
                                {":/resources/guanwang.png", 78, 21}};
    // Each also drawn at twice the resolution, for 2x screens.
    for (int scale : {1, 2})
        for (const Picture& picture : pictures) {
            const QString path = PathAt(picture.path, scale);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            const QByteArray png = file.readAll();
            // IHDR: bit depth 8, colour type 2 (RGB without alpha) is 24 bits per pixel.
            ASSERT_GT(png.size(), 26);
            EXPECT_EQ(png[24], 8) << path.toStdString();
            EXPECT_EQ(png[25], 2) << path.toStdString();
            // Loaded by name, the @2x picture takes ratio 2: the same logical size.
            EXPECT_EQ(QImage(path).devicePixelRatio(), scale) << path.toStdString();

            const QImage image = QImage::fromData(png);
            EXPECT_EQ(image.size(), QSize(picture.width, picture.height) * scale)
                << path.toStdString();
            const QRgb key = image.pixel(0, image.height() - 1);
            // A ring of background around the face lets the button's border show; the face
            // and its label never use the key colour.
            const int w = image.width(), h = image.height();
            int ring = 0;
            for (int x = 0; x < w; ++x)
                ring += (image.pixel(x, 0) != key) + (image.pixel(x, h - 1) != key);
            for (int y = 0; y < h; ++y)
                ring += (image.pixel(0, y) != key) + (image.pixel(w - 1, y) != key);
            EXPECT_EQ(ring, 0) << path.toStdString();
            int dark = 0, keyed = 0;
            for (int y = 4 * scale; y < h - 4 * scale; ++y)
                for (int x = 4 * scale; x < w - 4 * scale; ++x) {
                    keyed += image.pixel(x, y) == key;
                    dark += qGray(image.pixel(x, y)) < 60;
                }
            EXPECT_EQ(keyed, 0) << path.toStdString();
            EXPECT_GT(dark, 40 * scale * scale) << path.toStdString() << ": the label is missing";
        }
}

TEST(ButtonPictures, LabelStrokesStayApart) {
    // At this size a legible character is drawn in one-pixel strokes; where strokes run
    // together they leave solid blocks of ink, and a dense character turns into a blob.
    for (const char* path :
         {":/resources/kaishi.png", ":/resources/xiaoming.png", ":/resources/diezi.png",
          ":/resources/chongwu.png", ":/resources/guanwang.png"}) {
        const QImage image(QString::fromLatin1(path));
        ASSERT_FALSE(image.isNull()) << path;
        const auto ink = [&](int x, int y) { return qGray(image.pixel(x, y)) < 60; };
        int blocks = 0;
        for (int y = 0; y + 1 < image.height(); ++y)
            for (int x = 0; x + 1 < image.width(); ++x)
                blocks += ink(x, y) && ink(x + 1, y) && ink(x, y + 1) && ink(x + 1, y + 1);
        EXPECT_EQ(blocks, 0) << path << ": 2 x 2 blocks of ink";
    }
}

TEST(ProgramIcon, IsThere) {
    const QImage icon(QStringLiteral(":/resources/babyname.png"));
    EXPECT_EQ(icon.size(), QSize(256, 256));
}

} // namespace
