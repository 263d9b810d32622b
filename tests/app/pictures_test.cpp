#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Picture {
    const char* path;
    int width, height;
};

TEST(ButtonPictures, AreTwentyFourBitImagesOfTheirSizesWithAKeyedBackground) {
    const Picture pictures[] = {{":/resources/kaishi.png", 82, 25},
                                {":/resources/xiaoming.png", 81, 25},
                                {":/resources/diezi.png", 82, 24},
                                {":/resources/chongwu.png", 82, 24},
                                {":/resources/guanwang.png", 78, 21}};
    for (const Picture& picture : pictures) {
        QFile file(QString::fromLatin1(picture.path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << picture.path;
        const QByteArray png = file.readAll();
        // IHDR: bit depth 8, colour type 2 (RGB without alpha) is 24 bits per pixel.
        ASSERT_GT(png.size(), 26);
        EXPECT_EQ(png[24], 8) << picture.path;
        EXPECT_EQ(png[25], 2) << picture.path;

        const QImage image = QImage::fromData(png);
        EXPECT_EQ(image.size(), QSize(picture.width, picture.height)) << picture.path;
        const QRgb key = image.pixel(0, image.height() - 1);
        // A ring of background around the face lets the button's border show; the face and
        // its label never use the key colour.
        const int w = image.width(), h = image.height();
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(image.pixel(x, 0), key) << picture.path << " top " << x;
            EXPECT_EQ(image.pixel(x, h - 1), key) << picture.path << " bottom " << x;
        }
        for (int y = 0; y < h; ++y) {
            EXPECT_EQ(image.pixel(0, y), key) << picture.path << " left " << y;
            EXPECT_EQ(image.pixel(w - 1, y), key) << picture.path << " right " << y;
        }
        int dark = 0;
        for (int y = 4; y < h - 4; ++y)
            for (int x = 4; x < w - 4; ++x) {
                EXPECT_NE(image.pixel(x, y), key) << picture.path << " " << x << "," << y;
                if (qGray(image.pixel(x, y)) < 60) ++dark;
            }
        EXPECT_GT(dark, 40) << picture.path << ": the label is missing";
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
