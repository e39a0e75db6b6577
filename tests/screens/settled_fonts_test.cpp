// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

#include "screens/look.h"
#include "support/qt_printers.h"

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(640, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

// Settled, the window's own fonts and those of its widgets name the families
// font() names from then on; a widget that takes its window's font keeps
// doing so. Verdana is left out only where it is not installed, and then
// every text, in any of the game's scripts, is drawn exactly as the families
// with Verdana first draw it.
TEST(SettledFonts, NameWhatFontGivesAndDrawEveryTextAsBefore) {
    QWidget window;
    window.setFont(look::font(false));
    QLabel* caption = look::caption(&window, QStringLiteral("caption"), QStringLiteral("Bat:"),
                                    look::silver, QRect(0, 0, 80, 17));
    caption->setFont(look::font(true, 32));
    QWidget plain(&window);
    look::settleFonts(&window);
    look::settleFonts(&window);

    EXPECT_EQ(window.font().families(), look::font(false).families());
    EXPECT_EQ(caption->font().families(), look::font().families());
    EXPECT_EQ(caption->font().pixelSize(), 32);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_FALSE(plain.testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(plain.font().families(), window.font().families());

    QStringList withVerdana = look::font().families();
    const bool verdanaInstalled = QFontDatabase::families().contains(QStringLiteral("Verdana"));
    if (withVerdana.first() != QStringLiteral("Verdana")) {
        EXPECT_FALSE(verdanaInstalled);
        withVerdana.prepend(QStringLiteral("Verdana"));
    }
    for (const bool bold : {false, true}) {
        QFont settled = look::font(bold);
        QFont asked = settled;
        asked.setFamilies(withVerdana);
        for (const QString& text :
             {QStringLiteral("Bailcrest costs you nothing: 1,000 matches!"),
              QString::fromUtf8("Rahul राहुल शर्मा 45"), QString::fromUtf8("عمران خان، لاہور 12"),
              QString::fromUtf8("সাকিব আল হাসান: ঢাকা")}) {
            EXPECT_EQ(drawn(settled, text), drawn(asked, text)) << text.toStdString();
        }
    }
}

}  // namespace

// What no screen gives a font (a message box, its buttons, a tooltip, the Load
// dialog) draws with the families of the language in use, at the desktop's
// size; a theme's own fonts for message boxes and tooltips are overruled too.
TEST(LanguageFonts, ReachMessageBoxesAndTooltipsAtTheDesktopsSize) {
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 13), "QTipLabel");
    const int desktopSize = QApplication::font().pointSize();
    look::useLanguageFonts();
    const QStringList families = look::font(false).families();
    EXPECT_EQ(QApplication::font().families(), families);
    EXPECT_EQ(QApplication::font().pointSize(), desktopSize);
    EXPECT_EQ(QToolTip::font().families(), families);
    EXPECT_EQ(QToolTip::font().pointSize(), 13);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Bailcrest"), QStringLiteral("Text"),
                    QMessageBox::Ok);
    for (const QWidget* part : box.findChildren<QWidget*>())
        EXPECT_EQ(part->font().families(), families) << part->metaObject()->className();
}

// A column of figures takes, of its font's families, the shortest line that
// writes the locale's digits and point: Urdu's Latin figures in DejaVu Sans
// rather than Noto Naskh Arabic, whose point reads as a comma; Bengali's own
// digits in the Bengali font, the one family that has them.
TEST(FiguresFont, TakesTheShortestLineThatWritesTheLocalesDigits) {
    QFont font = look::font(false);
    font.setFamilies({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Noto Sans Bengali")});
    QLocale::setDefault(QLocale(QStringLiteral("ur_PK")));
    EXPECT_EQ(look::figuresFont(font).families(), QStringList{QStringLiteral("DejaVu Sans")});
    QLocale::setDefault(QLocale(QStringLiteral("bn_IN")));
    EXPECT_EQ(look::figuresFont(font).families(), QStringList{QStringLiteral("Noto Sans Bengali")});
    EXPECT_EQ(look::figuresFont(font).pixelSize(), font.pixelSize());
    QLocale::setDefault(QLocale::c());
}
