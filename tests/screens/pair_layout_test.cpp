// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/pair_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "support/qt_printers.h"

namespace {

// Six pairs, three to a row at most, in a frame in a window of its own
// whose layout knows nothing of how the pairs are arranged.
class PairsInAWindow : public ::testing::Test {
  protected:
    PairsInAWindow() {
        auto* column = new QVBoxLayout(window.get());
        column->setContentsMargins(0, 0, 0, 0);
        frame = new QWidget(window.get());
        pairs = new PairLayout(frame, {3, 2, 1});
        for (int at = 0; at < 6; ++at) {
            const QString name = QStringLiteral("value%1").arg(at);
            values.push_back(pairs->addValue(name, QStringLiteral("Caption %1:").arg(at)));
            values.back()->setText(QStringLiteral("Figure %1").arg(at));
        }
        column->addWidget(frame);
        column->addStretch();
    }

    QLabel* caption(int at) const {
        return frame->findChild<QLabel*>(QStringLiteral("caption_value%1").arg(at));
    }
    bool sameRow(int first, int second) const {
        return caption(first)->geometry().top() == caption(second)->geometry().top();
    }
    // Whether the window's layouts have settled with the frame as tall as
    // its rows at its width.
    bool settled() const { return frame->height() == pairs->heightForWidth(frame->width()); }

    void showAt(int width) {
        window->resize(width, 400);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->width() == width && settled(); }));
    }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget* frame;
    PairLayout* pairs;
    std::vector<QLabel*> values;
};

// Narrowed, the window's pairs flow into more rows and the frame grows to
// hold them, and widened they go back, with no one telling the layout;
// pairs keep their order in every arrangement.
TEST_F(PairsInAWindow, NarrowerGivesMoreRowsAndATallerFrameOfItsOwnAccord) {
    const int widest = pairs->widestWidth();
    const int narrowest = pairs->minimumSize().width();
    ASSERT_LT(narrowest, widest);
    EXPECT_GT(pairs->heightForWidth(widest - 1), pairs->heightForWidth(widest));
    EXPECT_GT(pairs->heightForWidth(narrowest), pairs->heightForWidth(widest - 1));

    showAt(widest);
    EXPECT_TRUE(sameRow(0, 2));
    EXPECT_FALSE(sameRow(2, 3));
    const int threeRowsHigh = frame->height();

    window->resize(widest - 1, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sameRow(0, 2) && settled(); }));
    EXPECT_TRUE(sameRow(0, 1));
    EXPECT_TRUE(sameRow(2, 3));
    EXPECT_GT(frame->height(), threeRowsHigh);

    window->resize(narrowest, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sameRow(0, 1) && settled(); }));
    for (int at = 1; at < 6; ++at) {
        EXPECT_GT(caption(at)->geometry().top(), caption(at - 1)->geometry().top()) << at;
        EXPECT_GT(values[at]->geometry().left(), caption(at)->geometry().right()) << at;
    }
    // No narrower than the fewest pairs a row take.
    EXPECT_GE(window->minimumSizeHint().width(), narrowest);

    window->resize(widest, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sameRow(0, 2) && settled(); }));
    EXPECT_EQ(frame->height(), threeRowsHigh);
}

// A value grown wider than its row's room takes the pairs into fewer a row
// as soon as it is shown, and a pair whose widgets go leaves the others in
// their order.
TEST_F(PairsInAWindow, ValuesThatChangeOrGoReflowTheRows) {
    showAt(pairs->widestWidth());
    ASSERT_TRUE(sameRow(0, 2));
    const int twoRowsHigh = frame->height();
    const int narrowest = window->minimumSizeHint().width();
    values[1]->setText(QStringLiteral("A figure far wider than the room its column had"));
    // Measured at once, before the window lays itself out again, the frame
    // asks for the room of the wider figure.
    EXPECT_GT(pairs->minimumSize().width(), narrowest);
    EXPECT_EQ(window->minimumSizeHint().width(), pairs->minimumSize().width());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sameRow(0, 2) && settled(); }));
    EXPECT_GT(frame->height(), twoRowsHigh);

    delete values[1];
    delete caption(1);
    values.erase(values.begin() + 1);
    ASSERT_EQ(pairs->count(), 10);
    window->resize(pairs->widestWidth(), 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sameRow(0, 3) && settled(); }));
    EXPECT_FALSE(sameRow(3, 4));
}

// Right to left, each row reads from the right: a value stands to the left
// of its caption, the first pair of a row at the row's right.
TEST_F(PairsInAWindow, RightToLeftTheRowsAreMirrored) {
    window->setLayoutDirection(Qt::RightToLeft);
    showAt(pairs->widestWidth() - 1);
    ASSERT_TRUE(sameRow(0, 1));
    EXPECT_LT(values[0]->geometry().right(), caption(0)->geometry().left());
    EXPECT_LT(caption(1)->geometry().right(), values[0]->geometry().left());
    EXPECT_LE(caption(0)->geometry().right(), frame->width() - pairs->contentsMargins().right());
}

}  // namespace
