// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QLocale>
#include <QTextLayout>

#include "game/shown_numbers.h"
#include "screens/look.h"
#include "support/qt_printers.h"

namespace {

// Where the character at `at` of the sentence is drawn, laid out as a
// right-to-left line is.
qreal drawnAt(const QString& sentence, int at) {
    QTextLayout layout(sentence, look::font(false));
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(2000);
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns(at, 1);
    return runs.isEmpty() || runs.first().positions().isEmpty()
               ? -1.0
               : runs.first().positions().first().x();
}

// Whether what is at `first` stands to the left of what is at `second`.
bool leftOf(const QString& sentence, qsizetype first, qsizetype second) {
    return drawnAt(sentence, static_cast<int>(first)) < drawnAt(sentence, static_cast<int>(second));
}

}  // namespace

// In an Urdu sentence a worn item's negative condition keeps its minus before
// its digits, a change its plus, and a path its leading "/", as they are
// written.
TEST(ReadableRuns, KeepTheirOrderInsideARightToLeftSentence) {
    QLocale::setDefault(QLocale(QStringLiteral("ur_PK")));
    const QString worn = QString::fromUtf8("دستانے گھس کر %1 رہ گئے").arg(shownNumber(-4));
    const qsizetype minus = worn.indexOf(QLatin1Char('-'));
    EXPECT_TRUE(leftOf(worn, minus, worn.indexOf(QLatin1Char('4')))) << qPrintable(worn);

    // The measure sees a figure turned round: a plain "-4" reads "4-" there.
    const QString bare = QString::fromUtf8("دستانے گھس کر %1 رہ گئے").arg(QStringLiteral("-4"));
    EXPECT_FALSE(leftOf(bare, bare.indexOf(QLatin1Char('-')), bare.indexOf(QLatin1Char('4'))));

    const QString change = QString::fromUtf8("رنز %1").arg(shownChange(5));
    EXPECT_TRUE(leftOf(change, change.indexOf(QLatin1Char('+')), change.indexOf(QLatin1Char('5'))));

    const QString folder = QString::fromUtf8("%1 میں محفوظ کیریئر")
                               .arg(shownPath(QStringLiteral("/tmp/lang/ur/Saves")));
    EXPECT_TRUE(leftOf(folder, folder.indexOf(QLatin1Char('/')), folder.indexOf(QLatin1Char('S'))));
    QLocale::setDefault(QLocale::c());
}

// Figures without a sign stay as the locale writes them: only a sign needs
// to be kept left to right, and tables compare the plain digits.
TEST(ReadableRuns, LeaveUnsignedFiguresAlone) {
    QLocale::setDefault(QLocale(QStringLiteral("bn_IN")));
    EXPECT_EQ(shownNumber(657700), QString::fromUtf8("৬,৫৭,৭০০"));
    EXPECT_EQ(shownMoney(-1500), QString::fromUtf8("\u202a-১,৫০০\u202c"));
    EXPECT_EQ(shownDecimal(-0.5, 1), QString::fromUtf8("\u202a-০.৫\u202c"));
    QLocale::setDefault(QLocale::c());
}
