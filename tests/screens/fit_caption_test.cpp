// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "screens/look.h"
#include "support/qt_printers.h"

namespace {

constexpr int width = 80;

// A caption longer than its fixed place, as a translation may make it, shows
// what fits and keeps the whole for the tooltip and a screen reader; given
// room again, it shows whole and drops both.
TEST(FitCaption, ElidesWhatOverrunsItsPlaceAndKeepsTheWholeText) {
    QWidget window;
    const QString longText = QStringLiteral("Balance before purchase (Rs.):");
    QLabel* label = look::caption(&window, QStringLiteral("long"), longText, look::silver,
                                  QRect(0, 0, width, 17));
    ASSERT_GT(QFontMetrics(label->font()).horizontalAdvance(longText), width);
    EXPECT_NE(label->text(), longText);
    EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), width);
    EXPECT_EQ(label->toolTip(), longText);
    EXPECT_EQ(label->accessibleName(), longText);

    label->resize(400, 17);
    look::fitCaption(label);
    EXPECT_EQ(label->text(), longText);
    EXPECT_TRUE(label->toolTip().isEmpty());
    EXPECT_TRUE(label->accessibleName().isEmpty());

    const QString shortText = QStringLiteral("Bat:");
    QLabel* fitting = look::caption(&window, QStringLiteral("short"), shortText, look::silver,
                                    QRect(0, 20, width, 17));
    EXPECT_EQ(fitting->text(), shortText);
    EXPECT_TRUE(fitting->toolTip().isEmpty());

    // A caption a layout has yet to place, or one that wraps, stays whole.
    QLabel* placedLater =
        look::caption(&window, QStringLiteral("later"), longText, look::silver, QRect());
    EXPECT_EQ(placedLater->text(), longText);
    label->resize(width, 17);
    look::fitCaption(label);
    label->setWordWrap(true);
    look::fitCaption(label);
    EXPECT_EQ(label->text(), longText);
}

// A window that is to appear at once holds the measuring of its captions
// until it is up; then every caption it holds, however deep, is fitted as if
// it had been fitted when made, and later ones are fitted at once again.
TEST(FitCaption, AHeldWindowFitsItsCaptionsWhenToldAndNotBefore) {
    QWidget window;
    look::holdCaptionFitting(&window);
    const QString longText = QStringLiteral("Balance before purchase (Rs.):");
    QLabel* direct = look::caption(&window, QStringLiteral("direct"), longText, look::silver,
                                   QRect(0, 0, width, 17));
    QWidget frame(&window);
    frame.setGeometry(0, 20, 200, 40);
    QLabel* nested = look::caption(&frame, QStringLiteral("nested"), longText, look::silver,
                                   QRect(0, 0, width, 17));
    QLabel* fitting = look::caption(&window, QStringLiteral("short"), QStringLiteral("Bat:"),
                                    look::silver, QRect(0, 40, width, 17));
    for (const QLabel* label : {direct, nested}) {
        EXPECT_EQ(label->text(), longText);
        EXPECT_TRUE(label->toolTip().isEmpty());
    }

    look::fitHeldCaptions(&window);
    for (const QLabel* label : {direct, nested}) {
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), width);
        EXPECT_EQ(label->toolTip(), longText);
        EXPECT_EQ(label->accessibleName(), longText);
    }
    EXPECT_EQ(fitting->text(), QStringLiteral("Bat:"));
    EXPECT_TRUE(fitting->toolTip().isEmpty());

    // Told twice, nothing changes; a caption made afterwards is fitted at once.
    look::fitHeldCaptions(&window);
    EXPECT_EQ(direct->toolTip(), longText);
    EXPECT_TRUE(direct->text().endsWith(QChar(0x2026)));
    QLabel* later = look::caption(&window, QStringLiteral("later"), longText, look::silver,
                                  QRect(0, 60, width, 17));
    EXPECT_TRUE(later->text().endsWith(QChar(0x2026)));
}

}  // namespace
