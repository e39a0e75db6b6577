// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_screen.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "game/career.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/history/history_screen.h"
#include "screens/look.h"
#include "screens/match_screen.h"
#include "screens/records_screen.h"
#include "support/match_on_screen.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// A label of the main window itself by its objectName; the record book,
// a window of its own, has labels of the same names.
QLabel* shown(const MainScreen& main, const QString& name) {
    for (QLabel* label : main.findChildren<QLabel*>(name)) {
        if (label->window() == &main) return label;
    }
    ADD_FAILURE() << "no label " << name.toStdString();
    static QLabel none;
    return &none;
}

QString text(const MainScreen& main, const char* name) {
    return shown(main, QString::fromLatin1(name))->text();
}

QWidget* bar(const MainScreen& main, const char* name) {
    return main.findChild<QWidget*>(QString::fromLatin1(name));
}

class MainScreenTest : public ::testing::Test {
  protected:
    MainScreenTest() { main.show(); }

    ScriptedPlatform scripted;
    MainScreen main{scripted.platform, testCareer(45, 20, 30)};
    QSignalSpy exits{&main, &MainScreen::exitRequested};
    QSignalSpy ended{&main, &MainScreen::careerEnded};
};

TEST_F(MainScreenTest, ShowsTheNewCareerWithItsDerivedValues) {
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Bailcrest v1.0"));
    EXPECT_EQ(text(main, "player"), QStringLiteral("Ravi"));
    EXPECT_EQ(text(main, "team"), QStringLiteral("Five Star"));
    EXPECT_EQ(text(main, "role"), QStringLiteral("Batsman"));
    EXPECT_EQ(text(main, "skill"), QStringLiteral("31"));
    EXPECT_EQ(text(main, "matchfee"), QStringLiteral("3000"));
    EXPECT_EQ(main.recordsScreen()->nameLabel()->text(), QStringLiteral("Ravi"));
    EXPECT_FALSE(main.recordsScreen()->isVisible());
}

// The level is named at the end of the level statistics' title line, inside
// the frame, clear of its title and of every figure.
TEST_F(MainScreenTest, TheLevelIsNamedBesideTheLevelStatisticsTitle) {
    QLabel* level = shown(main, QStringLiteral("level"));
    EXPECT_EQ(level->text(), QStringLiteral("Club"));
    EXPECT_EQ(level->accessibleDescription(), QStringLiteral("Level"));
    main.career().update([](Career& c) { placeAtLevel(c, Level::national); });
    EXPECT_EQ(level->text(), QStringLiteral("National"));
    QWidget* frame = level->parentWidget();
    EXPECT_EQ(frame->objectName(), QStringLiteral("Frame_LEVEL_STATS"));
    EXPECT_TRUE(frame->rect().contains(level->geometry()));
    EXPECT_GE(level->width(), level->fontMetrics().horizontalAdvance(level->text()));
    const int titleEnd = 8 + level->fontMetrics().horizontalAdvance(QStringLiteral("LEVEL STATS"));
    EXPECT_GT(level->x(), titleEnd);
    for (const QLabel* other : frame->findChildren<QLabel*>()) {
        if (other == level) continue;
        EXPECT_FALSE(other->geometry().intersects(level->geometry()));
    }
}

TEST_F(MainScreenTest, AFieldChangeShowsAtOnceAndBarsFollowTheirValues) {
    main.career().update([](Career& c) { c.bankBalance = 61500; });
    EXPECT_EQ(text(main, "bankbalance"), QStringLiteral("61500"));
    EXPECT_EQ(shown(main, QStringLiteral("bankbalance"))->accessibleName(),
              QStringLiteral("61500"));

    main.career().update([](Career& c) {
        c.body.health = 49;
        c.body.fitness = 49;
        c.body.stamina = 50;
    });
    EXPECT_EQ(bar(main, "Shape3_5")->width(), look::px(654));
    EXPECT_EQ(text(main, "Label25"), QStringLiteral("49"));
    EXPECT_EQ(bar(main, "Shape5")->width(), look::px(654));
    EXPECT_EQ(bar(main, "Shape5")->palette().color(QPalette::Window), look::red);
    EXPECT_EQ(shown(main, QStringLiteral("Label25"))->palette().color(QPalette::WindowText),
              look::red);

    main.career().update([](Career& c) { c.gear.bat = -7; });
    EXPECT_EQ(bar(main, "Shape3_0")->width(), 0);
    EXPECT_EQ(bar(main, "Shape4")->palette().color(QPalette::Window), look::green);

    main.career().update([](Career& c) { c.sponsor = QStringLiteral("Cable & Wireless"); });
    EXPECT_EQ(text(main, "sponsor"), QStringLiteral("Cable & Wireless"));
}

TEST_F(MainScreenTest, ACommandTurnsRedWhilePressedAndSilverOnReleaseAnywhere) {
    CommandButton* store = main.command(MainScreen::Store);
    EXPECT_EQ(store->fillColour(), look::silver);
    QTest::mousePress(store, Qt::LeftButton);
    EXPECT_EQ(store->fillColour(), look::red);
    QTest::mouseRelease(store, Qt::LeftButton, {}, QPoint(-50, -50));
    EXPECT_EQ(store->fillColour(), look::silver);
    QTest::mousePress(store, Qt::RightButton);
    EXPECT_EQ(store->fillColour(), look::red);
    QTest::mouseRelease(store, Qt::RightButton);
    EXPECT_EQ(store->fillColour(), look::silver);
}

TEST_F(MainScreenTest, MenuCommandsStandInTheirColumnPlaces) {
    const struct {
        MainScreen::Command command;
        const char* caption;
        int top;
    } places[] = {
        {MainScreen::Exit, "Exit", 315},          {MainScreen::About, "About", 795},
        {MainScreen::Sponsors, "Sponsors", 1755}, {MainScreen::Training, "Training", 2235},
        {MainScreen::Store, "Store", 2715},       {MainScreen::Health, "Health", 3195},
        {MainScreen::History, "History", 3675},   {MainScreen::Records, "Records", 4155},
        {MainScreen::Play, "Play", 4635}};
    for (const auto& place : places) {
        CommandButton* button = main.command(place.command);
        EXPECT_EQ(button->text(), QString::fromLatin1(place.caption));
        EXPECT_EQ(button->accessibleName(), QString::fromLatin1(place.caption));
        EXPECT_EQ(button->geometry(), look::rect(120, place.top, 1095, 375)) << place.caption;
        EXPECT_EQ(button->objectName(), QStringLiteral("Label1_%1").arg(place.command));
    }
}

TEST_F(MainScreenTest, RecordsShowsTheTableModallyAndOkHidesIt) {
    main.career().update([](Career& c) { c.recordBook[levelIndex(Level::state)].matches = 12; });
    bool wasShown = false;
    QTimer::singleShot(0, [&] {
        RecordsScreen* records = main.recordsScreen();
        wasShown = records->isVisible() && records->isModal();
        EXPECT_EQ(records->cellLabel(0, Level::state)->text(), QStringLiteral("12"));
        QTest::mouseClick(records->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main.command(MainScreen::Records), Qt::LeftButton);
    EXPECT_TRUE(wasShown);
    EXPECT_FALSE(main.recordsScreen()->isVisible());
    EXPECT_EQ(main.recordsScreen()->cellLabel(0, Level::state)->text(), QStringLiteral("12"));
}

TEST_F(MainScreenTest, KeyboardReachesAndRunsACommand) {
    QApplication::setActiveWindow(&main);
    main.command(MainScreen::Exit)->setFocus();
    QTest::keyClick(main.command(MainScreen::Exit), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), main.command(MainScreen::About));
    main.command(MainScreen::Exit)->setFocus();
    QTest::keyClick(main.command(MainScreen::Exit), Qt::Key_Space);
    EXPECT_EQ(exits.count(), 1);
}

// Tab goes down the menu column as it stands on the screen.
TEST_F(MainScreenTest, TabFollowsTheMenuColumnFromTopToBottom) {
    QApplication::setActiveWindow(&main);
    const MainScreen::Command column[] = {
        MainScreen::Exit,     MainScreen::About, MainScreen::HallOfFame, MainScreen::Sponsors,
        MainScreen::Training, MainScreen::Store, MainScreen::Health,     MainScreen::History,
        MainScreen::Records,  MainScreen::Play};
    main.command(MainScreen::Exit)->setFocus();
    for (const MainScreen::Command next : column) {
        EXPECT_EQ(QApplication::focusWidget(), main.command(next))
            << main.command(next)->text().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(MainScreenTest, ExitAndTheCloseBoxEndTheProgramWithoutAsking) {
    QTest::mouseClick(main.command(MainScreen::Exit), Qt::LeftButton);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    main.show();
    main.close();
    EXPECT_EQ(exits.count(), 2);
    EXPECT_EQ(ended.count(), 0);
}

// A club player whose bat is worn out is dropped from his club at the next
// Play, which ends his career.
TEST(MainScreen, EndOfCareerHandsOverByTheAnswer) {
    for (const bool playAgain : {true, false}) {
        SCOPED_TRACE(playAgain);
        ScriptedPlatform scripted;
        scripted.prompter.answers = {playAgain};
        MainScreen main(scripted.platform, testCareer(45, 20, 30));
        main.show();
        main.career().update([](Career& c) { c.gear.bat = 0; });
        QSignalSpy ended(&main, &MainScreen::careerEnded);
        QSignalSpy exits(&main, &MainScreen::exitRequested);
        QTest::mouseClick(main.command(MainScreen::Play), Qt::LeftButton);
        EXPECT_TRUE(scripted.prompter.questions.isEmpty());
        continueFromCareerSummary(main);
        EXPECT_EQ(scripted.prompter.questions,
                  QStringList{QStringLiteral("Do you want to play again?")});
        // Return plays again, as it always has; Escape ends the program.
        EXPECT_EQ(scripted.prompter.questionDefaults,
                  std::vector<Prompter::Answer>{Prompter::Answer::yes});
        EXPECT_EQ(scripted.prompter.messages.last(), QStringLiteral("Do you want to play again?"));
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.at(0).at(0).toBool(), playAgain);
        EXPECT_EQ(exits.count(), 0);
        EXPECT_FALSE(main.isVisible());
        EXPECT_FALSE(main.recordsScreen()->isVisible());
    }
}

TEST_F(MainScreenTest, ValuesCarryTheirCaptionAsAccessibleDescription) {
    const struct {
        const char* name;
        const char* description;
    } cases[] = {{"Label2_0", "Batting"},
                 {"skill", "Overall"},
                 {"bankbalance", "Bank Balance (Rs)"},
                 {"Label23_6", "Stamina"},
                 {"matches", "Matches Played"}};
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        const QString description = QString::fromLatin1(c.description);
        QLabel* label = shown(main, name);
        EXPECT_EQ(label->accessibleDescription(), description);
        EXPECT_EQ(label->accessibleName(), label->text());
        EXPECT_EQ(shown(main, QStringLiteral("caption_") + name)->text(),
                  description + QLatin1Char(':'));
    }
}

// A name too wide for its field ends in "…" at a letter's edge; the whole
// name is its tooltip and what a screen reader reads. One that fits is shown
// as it is, with no tooltip.
TEST_F(MainScreenTest, AValueTooWideForItsFieldIsElidedWithTheWholeTextInItsTooltip) {
    const QString wide = QStringLiteral("WWWWWWWWWWWWWWWW");
    const QString ellipsis = QStringLiteral("\u2026");
    for (const QString& name : {wide, QStringLiteral("Ravi Shankar"), wide}) {
        main.career().update([&](Career& c) { c.player = name; });
        const QLabel* player = shown(main, QStringLiteral("player"));
        const QFontMetrics metrics(player->font());
        const bool fits = metrics.horizontalAdvance(name) <= player->contentsRect().width();
        EXPECT_EQ(fits, name != wide) << name.toStdString();
        EXPECT_LE(metrics.horizontalAdvance(player->text()), player->contentsRect().width());
        EXPECT_EQ(player->accessibleName(), name);
        if (fits) {
            EXPECT_EQ(player->text(), name);
            EXPECT_TRUE(player->toolTip().isEmpty());
        } else {
            const QString text = player->text();
            ASSERT_TRUE(text.endsWith(ellipsis)) << text.toStdString();
            EXPECT_GT(text.size(), 1);
            EXPECT_TRUE(name.startsWith(text.chopped(1))) << text.toStdString();
            EXPECT_EQ(player->toolTip(), name);
        }
    }
}

// The keyboard starts on Play, comes back to Play after every match and, after
// a visit to another screen, to whatever had it before: never to Exit unless
// the player put it there.
class KeyboardFocusTest : public MainScreenTest {
  protected:
    KeyboardFocusTest() {
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    CommandButton* command(MainScreen::Command which) const { return main.command(which); }

    // Does `press`, then hands the modal screen it opens to `close`, which
    // must close it. True once the screen has come and gone.
    bool visit(const std::function<void()>& press, const std::function<void(QWidget&)>& close) {
        bool closed = false;
        int ticksSinceClosing = 0;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (!closed) {
                closed = true;
                close(*modal);
            } else if (++ticksSinceClosing == 200) {
                // Left open, it would keep the test waiting for ever.
                ADD_FAILURE() << modal->objectName().toStdString() << " stayed open";
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Rejected);
            }
        });
        watch.start();
        press();
        return QTest::qWaitFor([&] { return closed && !QApplication::activeModalWidget(); });
    }

    // The key goes where a player's would: to the widget of the window that
    // has the focus.
    static void pressOn(QWidget& window, Qt::Key key) {
        QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key);
    }

    // The widget that has the keyboard once the main screen is active again,
    // as the window system makes it when a screen it owns closes. (Offscreen,
    // a hidden record book may stay the active window, so the main screen is
    // made active here as the window system would.)
    QWidget* focusOnReturn() {
        QWidget* kept = main.focusWidget();
        QApplication::setActiveWindow(&main);
        EXPECT_EQ(QApplication::activeWindow(), &main);
        EXPECT_EQ(QApplication::focusWidget(), kept);
        return kept;
    }
};

TEST_F(KeyboardFocusTest, TheMainScreenOpensWithPlayFocused) {
    EXPECT_EQ(QApplication::focusWidget(), command(MainScreen::Play));
    EXPECT_TRUE(command(MainScreen::Play)->hasFocus());
}

TEST_F(KeyboardFocusTest, AfterAMatchTheFocusIsOnPlayWhereverPlayWasPressedFrom) {
    const struct {
        const char* how;
        MainScreen::Command focusedBefore;
        std::function<void(MainScreen&)> press;
    } presses[] = {
        {"Return on Play", MainScreen::Play,
         [](MainScreen& m) { QTest::keyClick(m.command(MainScreen::Play), Qt::Key_Return); }},
        {"F5 from Exit", MainScreen::Exit,
         [](MainScreen& m) { QTest::keySequence(&m, QKeySequence(Qt::Key_F5)); }},
        {"Ctrl+P from Records", MainScreen::Records,
         [](MainScreen& m) { QTest::keySequence(&m, QKeySequence(Qt::CTRL | Qt::Key_P)); }},
        {"a click", MainScreen::Exit,
         [](MainScreen& m) { QTest::mouseClick(m.command(MainScreen::Play), Qt::LeftButton); }},
    };
    int matches = 0;
    for (const auto& p : presses) {
        SCOPED_TRACE(p.how);
        command(p.focusedBefore)->setFocus();
        scripted.random.draws = {0.0, drawFor(60, 100), 0.0, 0.0};
        QString opened;
        ASSERT_TRUE(visit([&] { p.press(main); },
                          [&](QWidget& modal) {
                              opened = modal.objectName();
                              auto* match = qobject_cast<MatchScreen*>(&modal);
                              ASSERT_NE(match, nullptr);
                              EXPECT_EQ(match->focusWidget(), match->okButton());
                              pressOn(*match, Qt::Key_Return);
                          }));
        EXPECT_EQ(opened, QStringLiteral("Match"));
        EXPECT_EQ(main.career().career().statistics().matches, ++matches);
        EXPECT_EQ(focusOnReturn(), command(MainScreen::Play));
    }
}

TEST_F(KeyboardFocusTest, PlayKeepsTheFocusWhenNoMatchFollows) {
    // Batting enough for the city side: Play brings a promotion, not a match.
    main.career().update([](Career& c) { c.skills.batting = 200; });
    command(MainScreen::Exit)->setFocus();
    QTest::keySequence(&main, QKeySequence(Qt::Key_F5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scripted.prompter.notices.isEmpty(); }));
    EXPECT_EQ(scripted.prompter.notices,
              QStringList{QStringLiteral("You are selected in the Pune team.")});
    EXPECT_EQ(focusOnReturn(), command(MainScreen::Play));
}

TEST_F(KeyboardFocusTest, AVisitToAnotherScreenGivesTheFocusBackToWhereItWas) {
    const struct {
        MainScreen::Command command;
        QKeySequence key;
        const char* opens;
        MainScreen::Command focusedBefore;
    } visits[] = {{MainScreen::Store, Qt::CTRL | Qt::Key_G, "Store", MainScreen::Health},
                  {MainScreen::Training, Qt::CTRL | Qt::Key_T, "Training", MainScreen::Records},
                  {MainScreen::Health, Qt::CTRL | Qt::Key_H, "Health", MainScreen::Sponsors},
                  {MainScreen::Sponsors, Qt::CTRL | Qt::Key_O, "Sponsors", MainScreen::Store},
                  {MainScreen::About, Qt::Key_F1, "About", MainScreen::Play},
                  {MainScreen::Records, Qt::CTRL | Qt::Key_R, "Records", MainScreen::Training}};
    const auto closeWithEscape = [](QString& opened) {
        return [&opened](QWidget& modal) {
            opened = modal.objectName();
            pressOn(modal, Qt::Key_Escape);
        };
    };
    for (const auto& v : visits) {
        SCOPED_TRACE(v.opens);
        // From the keyboard: the focus goes back to the command that had it.
        command(v.focusedBefore)->setFocus();
        QString opened;
        ASSERT_TRUE(visit([&] { QTest::keySequence(&main, v.key); }, closeWithEscape(opened)));
        EXPECT_EQ(opened, QString::fromLatin1(v.opens));
        EXPECT_EQ(focusOnReturn(), command(v.focusedBefore));

        // With the mouse: the command clicked took the focus, and keeps it.
        command(MainScreen::Play)->setFocus();
        opened.clear();
        ASSERT_TRUE(visit([&] { QTest::mouseClick(command(v.command), Qt::LeftButton); },
                          closeWithEscape(opened)));
        EXPECT_EQ(opened, QString::fromLatin1(v.opens));
        EXPECT_EQ(focusOnReturn(), command(v.command));
    }
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
}

// One action a command: the History window offers the menu's own, and a
// command that cannot be given is greyed and answers no key.
TEST_F(KeyboardFocusTest, EachCommandIsOneActionItsButtonAndTheHistoryWindowShare) {
    EXPECT_EQ(command(MainScreen::Play)->toolTip(), QStringLiteral("Play (F5, Ctrl+P)"));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.historyScreen() != nullptr; }));
    const QList<QAction*> offered = main.historyScreen()->actions();
    for (int i = 0; i < MainScreen::commandCount; ++i) {
        if (i == MainScreen::History) continue;
        EXPECT_TRUE(offered.contains(command(static_cast<MainScreen::Command>(i))->action())) << i;
    }

    CommandAction* store = command(MainScreen::Store)->action();
    store->setEnabled(false);
    EXPECT_FALSE(command(MainScreen::Store)->isEnabled());
    QSignalSpy given(store, &QAction::triggered);
    QApplication::setActiveWindow(&main);
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_G));
    QTest::keySequence(main.historyScreen(), QKeySequence(Qt::CTRL | Qt::Key_G));
    QCoreApplication::processEvents();
    EXPECT_TRUE(given.isEmpty());
    store->setEnabled(true);
    EXPECT_TRUE(command(MainScreen::Store)->isEnabled());
}

// The History window opens beside the main screen and leaves its focus
// where it was, for the next command.
TEST_F(KeyboardFocusTest, TheHistoryWindowOpensBesideTheMainScreenAndLeavesItsFocusAlone) {
    command(MainScreen::Store)->setFocus();
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.historyScreen() != nullptr; }));
    HistoryScreen* history = main.historyScreen();
    EXPECT_TRUE(history->isVisible());
    EXPECT_FALSE(history->isModal());
    EXPECT_EQ(main.focusWidget(), command(MainScreen::Store));
    pressOn(*history, Qt::Key_Escape);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(main.focusWidget(), command(MainScreen::Store));
}

}  // namespace
