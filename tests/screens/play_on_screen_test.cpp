// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_screen.h"
#include "screens/play_on_dialog.h"
#include "screens/play_on_news.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// Every draw the same: no bookie, a quiet match of the same figures each time.
constexpr double steadyDraw = 0.3;
constexpr double bookieDraw = 0.51;

class PlayOnScreen : public ::testing::Test {
  protected:
    void start(Career career) {
        main = std::make_unique<MainScreen>(scripted.platform, std::move(career));
        main->show();
        QApplication::setActiveWindow(main.get());
        // Whatever the news window shows is read, then it is closed.
        QObject::connect(&newsReader, &QTimer::timeout, [this] {
            for (auto* screen : main->findChildren<PlayOnNewsScreen*>()) {
                if (!screen->isVisible()) continue;
                news.clear();
                for (int i = 0; i < screen->list()->count(); ++i)
                    news << screen->list()->item(i)->text();
                summary = screen->findChild<QLabel*>(QStringLiteral("summary"))->text();
                stop = screen->findChild<QLabel*>(QStringLiteral("stop"))->text();
                screen->accept();
            }
            if (main->findChildren<MatchScreen*>().size() > 0) matchScreenSeen = true;
        });
        newsReader.start(5);
    }
    void draws(double value, int count) { scripted.random.draws.assign(count, value); }
    std::size_t matches() const { return main->career().history().rows().size(); }
    // Plays a run as the player starts it from the dialog, and waits for its end.
    void runToTheEnd(const PlayOnRules& rules) {
        QSignalSpy ended(main.get(), &MainScreen::runEnded);
        main->startRun(rules);
        ASSERT_TRUE(ended.wait(60000));
    }

    ScriptedPlatform scripted;
    std::unique_ptr<MainScreen> main;
    QTimer newsReader;
    QStringList news;
    QString summary;
    QString stop;
    bool matchScreenSeen = false;
};

PlayOnRules rulesFor(int matches) {
    PlayOnRules rules;
    rules.matches = matches;
    rules.beforeDrop = false;
    return rules;
}

TEST_F(PlayOnScreen, ShiftF5OpensTheDialogThatEnterStartsAndEscapeCancels) {
    start(testCareer(60, 20, 30));
    CommandButton* playOn = main->command(MainScreen::PlayOn);
    EXPECT_EQ(playOn->accessibleName(), QStringLiteral("Play on…"));
    EXPECT_EQ(playOn->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->command(MainScreen::Play)->setFocus();
    QTest::keyClick(main->command(MainScreen::Play), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), playOn);

    // The command answers its key once its press has been shown: the dialog
    // is answered as soon as it is up.
    const auto answerTheDialog = [this](const std::function<void(PlayOnDialog&)>& answer) {
        bool answered = false;
        QTimer waiting;
        QObject::connect(&waiting, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<PlayOnDialog*>(QApplication::activeModalWidget());
            if (!dialog || answered) return;
            answered = true;
            answer(*dialog);
        });
        waiting.start(5);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QTest::keySequence(main.get(), QKeySequence(Qt::SHIFT | Qt::Key_F5));
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }));
    };
    answerTheDialog([](PlayOnDialog& dialog) {
        EXPECT_EQ(dialog.matchesField()->minimum(), 1);
        EXPECT_EQ(dialog.matchesField()->maximum(), 1000);
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("beforeDrop"))->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(main->run(), nullptr);
    EXPECT_EQ(matches(), 0u);

    draws(steadyDraw, 4 * 4);
    QSignalSpy ended(main.get(), &MainScreen::runEnded);
    answerTheDialog([](PlayOnDialog& dialog) {
        dialog.matchesField()->setValue(4);
        QTest::keyClick(dialog.matchesField(), Qt::Key_Return);
    });
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(matches(), 4u);
    EXPECT_FALSE(matchScreenSeen);
    EXPECT_TRUE(summary.startsWith(QStringLiteral("4 match"))) << summary.toStdString();
    EXPECT_EQ(stop, QStringLiteral("Every match asked for was played."));
    // The number chosen is offered again next time.
    answerTheDialog([](PlayOnDialog& dialog) {
        EXPECT_EQ(dialog.rules().matches, 4);
        dialog.reject();
    });
}

// The main screen and its progress line follow every match of the run.
TEST_F(PlayOnScreen, TheMainScreenFollowsEachMatchAndEscapeStopsAfterIt) {
    start(testCareer(60, 20, 30));
    draws(steadyDraw, 4 * 1000);
    QSignalSpy ended(main.get(), &MainScreen::runEnded);
    main->startRun(rulesFor(1000));
    QLabel* progress = main->runProgress();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->text(), QStringLiteral("Match 1 of 1000"));
    EXPECT_EQ(progress->accessibleName(), QStringLiteral("Match 1 of 1000"));
    EXPECT_FALSE(main->command(MainScreen::Play)->isEnabled());
    QTRY_VERIFY(matches() >= 3u);
    EXPECT_EQ(main->findChild<QLabel*>(QStringLiteral("matches"))->text(),
              QString::number(main->career().career().statistics().matches));
    QTest::keyClick(main.get(), Qt::Key_Escape);
    const std::size_t atEscape = matches();
    ASSERT_TRUE(ended.wait(60000));
    // The match in progress, at most, is played after Escape.
    EXPECT_LE(matches(), atEscape + 1);
    EXPECT_LT(matches(), 1000u);
    EXPECT_EQ(stop, QStringLiteral("Stopped by you."));
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(main->command(MainScreen::Play)->isEnabled());
    EXPECT_EQ(main->focusWidget(), main->command(MainScreen::PlayOn));
}

TEST_F(PlayOnScreen, TheBookiesQuestionIsAskedAndStopsTheRun) {
    start(testCareer(60, 20, 30));
    draws(bookieDraw, 4 * 10);
    scripted.prompter.answers = {false};
    runToTheEnd(rulesFor(10));
    EXPECT_EQ(scripted.prompter.questions.size(), 1);
    EXPECT_EQ(matches(), 1u);
    EXPECT_EQ(stop, QStringLiteral("Stopped at the bookie's offer."));
    EXPECT_TRUE(scripted.prompter.notices.isEmpty());
}

// What single Play tells in boxes is told in the list, in order, each with
// the match of the run it came with.
TEST_F(PlayOnScreen, TheNewsListsWhatHappenedInOrder) {
    Career career = testCareer(180, 20, 30);
    career.skills.batting = 194;
    start(career);
    draws(0.7, 4 * 3);
    runToTheEnd(rulesFor(2));
    EXPECT_TRUE(scripted.prompter.notices.isEmpty())
        << scripted.prompter.notices.join(QLatin1Char('|')).toStdString();
    // 135 runs in the first match: an award and batting at 200; then
    // promotion, and a match for Pune.
    EXPECT_EQ(news,
              (QStringList{
                  QStringLiteral("Match 1: You are awarded Rs.1500 based on your performance."),
                  QStringLiteral("Match 2: You are selected in the Pune team."),
              }));
    EXPECT_EQ(matches(), 2u);
    EXPECT_TRUE(summary.endsWith(QStringLiteral(", from Club level to City level.")))
        << summary.toStdString();
}

TEST_F(PlayOnScreen, ACareerThatEndsEndsTheRun) {
    Career career = testCareer(60, 20, 30);
    career.body.stamina = 0;
    start(career);
    scripted.prompter.answers = {false};
    runToTheEnd(rulesFor(10));
    EXPECT_EQ(news.size(), 2);
    EXPECT_TRUE(news.value(1).startsWith(QStringLiteral("Match 1: You are dropped from the")));
    EXPECT_EQ(stop, QStringLiteral("Stopped: the career is over."));
    ASSERT_NE(main->careerSummary(), nullptr);
}

// The figures that could drop the player are marked, their reason told.
TEST_F(PlayOnScreen, TheDropWarningMarksTheFigureAndTellsWhy) {
    start(testCareer(60, 20, 30));
    auto* stamina = main->findChild<QLabel*>(QStringLiteral("Label23_6"));
    auto* caption = main->findChild<QLabel*>(QStringLiteral("caption_Label23_6"));
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), look::silver);
    const QString description = stamina->accessibleDescription();

    main->career().update([](Career& c) { c.body.stamina = 2; });
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), look::red);
    EXPECT_EQ(stamina->accessibleDescription(),
              QStringLiteral("Stamina 2: at 0 you will not be selected."));
    EXPECT_EQ(stamina->toolTip(), stamina->accessibleDescription());

    main->career().update([](Career& c) {
        c.body.stamina = 3;
        placeAtLevel(c, Level::state);
        c.skills.fielding = 14;
    });
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), look::silver);
    EXPECT_EQ(stamina->accessibleDescription(), description);
    auto* fielding = main->findChild<QLabel*>(QStringLiteral("Label2_2"));
    EXPECT_EQ(fielding->accessibleDescription(),
              QStringLiteral("Fielding 14: below 15 you will not be selected."));

    // A run that stops before a drop plays nothing while the mark stands.
    runToTheEnd([] {
        PlayOnRules rules;
        rules.matches = 10;
        return rules;
    }());
    EXPECT_EQ(matches(), 0u);
    EXPECT_EQ(stop, QStringLiteral("Stopped before a drop. Fielding 14: below 15 you will not be "
                                   "selected."));
}

}  // namespace
