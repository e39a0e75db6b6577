// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <utility>

#include "screens/look.h"
#include "support/qt_printers.h"

namespace {

// The first and last rows the label's text inks, in its parent's coordinates.
std::pair<int, int> ink(QLabel* label) {
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) continue;
            if (first < 0) first = y;
            last = y;
            break;
        }
    }
    return {label->y() + first, label->y() + last};
}

QLabel* line(QWidget* window, const QString& text, QRect place) {
    QLabel* label =
        look::value(window, text, QStringLiteral("Team"), look::red, place, Qt::AlignHCenter);
    look::setValueText(label, text);
    return label;
}

// A line whose place overlaps the next line's rises within its own place
// until their letters stand apart; lines already apart stay as they are.
TEST(KeepApart, TheUpperOfTwoOverlappingLinesRisesUntilTheirLettersStandApart) {
    QWidget window;
    QLabel* team = line(&window, QStringLiteral("Gujarat"), QRect(0, 20, 200, 40));
    QLabel* heading = line(&window, QStringLiteral("STATISTICS"), QRect(0, 40, 200, 17));
    ASSERT_GE(ink(team).second, ink(heading).first) << "the lines start out overlapping";

    look::keepApart(team, heading);
    EXPECT_GT(ink(heading).first - ink(team).second, 2);
    EXPECT_GE(ink(team).first, team->y()) << "the text stays within its place";
    EXPECT_EQ(team->geometry(), QRect(0, 20, 200, 40));
    EXPECT_EQ(team->text(), QStringLiteral("Gujarat"));

    QLabel* apart = line(&window, QStringLiteral("Gujarat"), QRect(0, 100, 200, 25));
    QLabel* below = line(&window, QStringLiteral("STATISTICS"), QRect(0, 140, 200, 17));
    const std::pair<int, int> before = ink(apart);
    look::keepApart(apart, below);
    EXPECT_EQ(ink(apart), before);
    EXPECT_EQ(apart->contentsMargins(), QMargins());
}

}  // namespace
