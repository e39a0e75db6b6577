// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/match_on_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "screens/career_summary_screen.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"

void playMatchOnScreen(MainScreen& main, const std::function<void(MatchScreen&)>& read) {
    QTimer::singleShot(0, [&read] {
        auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget());
        ASSERT_NE(match, nullptr);
        if (read) read(*match);
        QTest::mouseClick(match->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main.command(MainScreen::Play), Qt::LeftButton);
}

void continueFromCareerSummary(MainScreen& main) {
    CareerSummaryScreen* summary = main.careerSummary();
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    QTest::mouseClick(summary->continueCommand(), Qt::LeftButton);
}
