#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/main_screen.h"
#include "match/match_screen.h"
#include "records/about_screen.h"
#include "records/career_screens.h"
#include "saves/profile_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"

namespace {

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A career played with auto-save on continues after a fresh start of the
// player screen exactly where it stopped.
TEST(SavedCareer, AMatchSavedThroughTheScreensLoadsBackWhereItStopped) {
    QTemporaryDir programFolder;
    ScriptedPlatform scripted(programFolder.path());
    CareerScreens screens(scripted.platform);
    screens.start();
    QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
    settle();

    Profile* profile = screens.playerScreen();
    const QStringList texts{QStringLiteral(" Ravi "), QStringLiteral("Pune"), QStringLiteral("Goa"),
                            QStringLiteral("India")};
    for (int i = 0; i < 4; ++i) QTest::keyClicks(profile->textField(i), texts.at(i));
    const int skills[3] = {80, 40, 30};
    for (int i = 0; i < 3; ++i) profile->slider(i)->setValue(skills[i]);
    QTest::mouseClick(profile->autoSaveBox(), Qt::LeftButton);
    scripted.random.draws = {0.1};  // the club
    QTest::mouseClick(profile->command(Profile::Start), Qt::LeftButton);
    settle();

    MainScreen* main = screens.mainScreen();
    ASSERT_NE(main, nullptr);
    // No bookie, then 60 runs, 3 wickets and 1 catch.
    scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
    QTimer::singleShot(0, [] {
        auto* match = qobject_cast<MatchScreen*>(QApplication::activeModalWidget());
        ASSERT_NE(match, nullptr);
        QTest::mouseClick(match->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main->command(MainScreen::Play), Qt::LeftButton);
    const QString saved = programFolder.path() + QStringLiteral("/Saves/ ravi_auto.bsg");
    ASSERT_TRUE(QFile::exists(saved));
    const CareerRecord played = main->career().record;
    const RecordBook playedBook = main->career().book;
    EXPECT_EQ(played.text(Field::runs), QStringLiteral("60"));

    scripted.prompter.answers = {true};
    main->endCareer();
    settle();
    ASSERT_NE(screens.playerScreen(), nullptr);

    scripted.prompter.chosenFiles = {saved};
    scripted.random.draws = {0.9};  // the club drawn anew at start-up
    QTest::mouseClick(screens.playerScreen()->command(Profile::Load), Qt::LeftButton);
    settle();

    ASSERT_NE(screens.mainScreen(), nullptr);
    EXPECT_EQ(screens.playerScreen(), nullptr);
    const Career& loaded = screens.mainScreen()->career();
    for (int i = 0; i < fieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        EXPECT_EQ(loaded.record.text(field), played.text(field)) << "field " << i;
    }
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        EXPECT_EQ(loaded.book.column(column), playedBook.column(column));
    }
    EXPECT_EQ(loaded.working.ClubTeam, QStringLiteral("Country Side"));
    EXPECT_EQ(scripted.prompter.dialogs.size(), 1);
    EXPECT_TRUE(scripted.prompter.dialogs.front().startsWith(
        QStringLiteral("Bailcrest: Load Game|") + programFolder.path() + QStringLiteral("/Saves")));
}

}  // namespace
