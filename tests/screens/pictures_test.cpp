// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pictures.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QPixmap>

#include "screens/picture_pixels.h"
#include "support/qt_printers.h"

TEST(GamePicture, TakesTheTwinThatSuitsTheScreenDensity) {
    const struct {
        const char* name;
        qreal density;
        QSize pixels;
    } cases[] = {
        {"crest.png", 1.0, {160, 100}},
        {"crest.png", 2.0, {320, 200}},
        {"banner_left.png", 1.0, {234, 60}},
        // Between and beyond the two, the sharper twin fitted to the
        // screen's pixels rather than the plain one scaled up.
        {"banner_left.png", 1.25, {293, 75}},
        {"banner_right.png", 1.5, {351, 90}},
        {"banner_right.png", 3.0, {702, 180}},
    };
    for (const auto& c : cases) {
        const QPixmap picture = gamePicture(QString::fromLatin1(c.name), c.density);
        EXPECT_EQ(picture.size(), c.pixels) << c.name << " at " << c.density;
        EXPECT_EQ(picture.devicePixelRatio(), c.density) << c.name << " at " << c.density;
        // Whatever the twin, it covers the same place on the screen.
        EXPECT_EQ(picture.deviceIndependentSize().toSize(),
                  gamePicture(QString::fromLatin1(c.name), 1.0).size())
            << c.name;
    }
}

TEST(GameIcon, OffersTheSizesWindowManagersAskFor) {
    const QIcon icon = gameIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
    for (const QSize& size : icon.availableSizes())
        EXPECT_FALSE(icon.pixmap(size).toImage().allGray()) << size.width();
}

// The pictures are decoded by the build; what the game shows must be, pixel
// for pixel, what reading their PNG files at run time would show.
TEST(GamePicture, ShowsExactlyWhatItsPngFileHolds) {
    const struct {
        const char* file;
        const char* name;
        qreal density;
    } cases[] = {{"crest.png", "crest.png", 1.0},
                 {"crest@2x.png", "crest.png", 2.0},
                 {"banner_left.png", "banner_left.png", 1.0},
                 {"banner_right@2x.png", "banner_right.png", 2.0},
                 {"bailcrest_64.png", "bailcrest_64.png", 1.0}};
    for (const auto& c : cases) {
        QImageReader png(QStringLiteral(BAILCREST_PICTURE_FOLDER "/") +
                         QString::fromLatin1(c.file));
        const QImage drawn = QPixmap::fromImage(png.read()).toImage();
        ASSERT_FALSE(drawn.isNull()) << c.file;
        const QImage shown = gamePicture(QString::fromLatin1(c.name), c.density).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << c.file;
    }
    // Between the twins, the sharper one scaled as it would be from its file.
    const QImage dense(QStringLiteral(BAILCREST_PICTURE_FOLDER "/crest@2x.png"));
    EXPECT_EQ(gamePicture(QStringLiteral("crest.png"), 1.5)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied),
              QPixmap::fromImage(dense)
                  .scaled(240, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    const QImage icon =
        gameIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(icon, QImage(QStringLiteral(BAILCREST_PICTURE_FOLDER "/bailcrest_32.png"))
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(PicturePixels, KeepEveryPixelAndRefuseWhatIsNoPicture) {
    QImage picture(3, 2, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgba(255, 0, 0, 255), qRgba(0, 128, 0, 128),   qRgba(0, 0, 0, 0),
                            qRgba(10, 20, 30, 40), qRgba(255, 255, 255, 1), qRgba(1, 2, 3, 254)};
    for (int i = 0; i < 6; ++i) picture.setPixel(i % 3, i / 3, colours[i]);
    const QByteArray pixels = picturePixels(picture);
    EXPECT_EQ(pixels.size(), 12 + 3 * 2 * 4);
    const QImage read = pictureFromPixels(pixels);
    ASSERT_EQ(read.size(), picture.size());
    EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Rows off a 4-byte boundary are copied rather than read in place.
    const QByteArray shifted = QByteArray(1, '\0') + pixels;
    EXPECT_EQ(pictureFromPixels(QByteArrayView(shifted).sliced(1)), read);

    // Cut short, grown, of another kind or of an absurd size: no picture.
    EXPECT_TRUE(pictureFromPixels(pixels.left(pixels.size() - 1)).isNull());
    EXPECT_TRUE(pictureFromPixels(pixels + "x").isNull());
    EXPECT_TRUE(pictureFromPixels(QByteArray()).isNull());
    QByteArray otherKind = pixels;
    otherKind[0] = 'P';
    EXPECT_TRUE(pictureFromPixels(otherKind).isNull());
    QByteArray huge = pixels;
    huge[7] = '\x7f';  // a width of about two thousand million
    EXPECT_TRUE(pictureFromPixels(huge).isNull());
    QByteArray empty = pixels.left(12);
    empty[4] = empty[5] = empty[6] = empty[7] = 0;
    EXPECT_TRUE(pictureFromPixels(empty).isNull());
}
