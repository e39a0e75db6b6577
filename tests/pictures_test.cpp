#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include "support/qt_printers.h"

TEST(GamePicture, TakesTheTwinThatSuitsTheScreenDensity) {
    const struct {
        const char* name;
        qreal density;
        QSize pixels;
        qreal pictureDensity;
    } cases[] = {
        {"crest.png", 1.0, {160, 100}, 1.0},
        {"crest.png", 2.0, {320, 200}, 2.0},
        // Between the two, the sharper twin is scaled down rather than the
        // plain one scaled up.
        {"banner_left.png", 1.25, {468, 120}, 2.0},
        {"banner_right.png", 1.5, {468, 120}, 2.0},
        {"banner_right.png", 3.0, {468, 120}, 2.0},
        {"banner_left.png", 1.0, {234, 60}, 1.0},
    };
    for (const auto& c : cases) {
        const QPixmap picture = gamePicture(QString::fromLatin1(c.name), c.density);
        EXPECT_EQ(picture.size(), c.pixels) << c.name << " at " << c.density;
        EXPECT_EQ(picture.devicePixelRatio(), c.pictureDensity) << c.name << " at " << c.density;
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
