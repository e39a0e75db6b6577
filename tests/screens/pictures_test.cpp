// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pictures.h"

#include <gtest/gtest.h>

#include <QPixmap>

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
