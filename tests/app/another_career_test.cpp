// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "app/screen_navigator.h"
#include "app/translations.h"
#include "game/history.h"
#include "game/shown_numbers.h"
#include "saves/career_lock.h"
#include "saves/history_file.h"
#include "saves/set_aside.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/player_screen.h"
#include "session/career_session.h"
#include "support/chosen_match.h"
#include "support/file_contents.h"
#include "support/folder_without_locks.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/running_program.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AnotherCareer : public ::testing::Test {
  protected:
    QTemporaryDir programFolder;
    QString saves = programFolder.path() + QStringLiteral("/Saves");
    QString mehtaSave = saves + QStringLiteral("/arjun_auto.bsg");
    QByteArray mehtaBytes;
    QByteArray mehtaHistory;
    int mehtaMatches = 0;

    // "Arjun Mehta", saved with his history after three matches.
    void SetUp() override {
        Career mehta = midCareer();
        mehta.player = QStringLiteral("Arjun Mehta");
        // Fit to be picked when loaded again.
        mehta.gear = {};
        mehta.body = {};
        CareerSession session(mehta, AutoSave{true, QStringLiteral("arjun_auto.bsg")},
                              SaveTarget{saves, false, {}});
        for (int i = 0; i < 3; ++i)
            ASSERT_FALSE(confirmChosenMatch(session, MatchPerformance{10, 1, 0}).saveFailure);
        mehtaMatches = careerMatches(session.career());
        mehtaBytes = contents(mehtaSave);
        mehtaHistory = contents(historyFilePath(mehtaSave));
        ASSERT_FALSE(mehtaHistory.isEmpty());
    }

    // A copy of the game started, that loads him from the player screen.
    void loadMehta(ScriptedPlatform& scripted, ScreenNavigator& screens) {
        screens.start();
        QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
        settle();
        scripted.prompter.chosenFiles = {mehtaSave};
        scripted.random.draws = {0.9};
        QTest::mouseClick(screens.playerScreen()->command(PlayerScreen::Load), Qt::LeftButton);
        settle();
    }

    // "Arjun Singh" starts with auto-save on, beside him, and plays a match.
    void startSinghAndPlay(ScriptedPlatform& scripted, ScreenNavigator& screens) {
        screens.start();
        QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
        settle();
        PlayerScreen* player = screens.playerScreen();
        const QStringList texts{QStringLiteral("Arjun Singh"), QStringLiteral("Pune"),
                                QStringLiteral("Goa"), QStringLiteral("India")};
        for (int i = 0; i < 4; ++i) QTest::keyClicks(player->textField(i), texts.at(i));
        QTest::mouseClick(player->autoSaveBox(), Qt::LeftButton);
        scripted.random.draws = {0.1};
        QTest::mouseClick(player->command(PlayerScreen::Start), Qt::LeftButton);
        settle();
        MainScreen* main = screens.mainScreen();
        ASSERT_NE(main, nullptr);
        scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
        playMatchOnScreen(*main);
    }
};

// Asked before the first match, with the answer that keeps the file as the
// one Enter gives: kept, Arjun Mehta's save and history stay byte for byte
// and nothing else is written.
TEST_F(AnotherCareer, KeptItsSaveAndHistoryStayByteForByte) {
    ScriptedPlatform scripted(programFolder.path());
    scripted.prompter.answers = {false};
    ScreenNavigator screens(scripted.platform);
    startSinghAndPlay(scripted, screens);
    ASSERT_EQ(scripted.prompter.questions.size(), 1);
    EXPECT_TRUE(scripted.prompter.questions[0].contains(QStringLiteral("Arjun Mehta")));
    EXPECT_TRUE(scripted.prompter.questions[0].contains(
        QStringLiteral("after %1 match").arg(mehtaMatches)));
    EXPECT_EQ(scripted.prompter.questionDefaults, std::vector{Prompter::Answer::no});
    EXPECT_EQ(scripted.prompter.owners.front(), screens.mainScreen());
    EXPECT_EQ(contents(mehtaSave), mehtaBytes);
    EXPECT_EQ(contents(historyFilePath(mehtaSave)), mehtaHistory);
    EXPECT_EQ(QDir(saves).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // Played without auto-save, without a notice after every match.
    EXPECT_TRUE(scripted.prompter.notices.isEmpty())
        << scripted.prompter.notices.join('\n').toStdString();
}

// The question names the level the file holds, and counts its matches, in
// the player's language, though the file spells its level in English.
TEST_F(AnotherCareer, TheQuestionReadsInThePlayersLanguage) {
    // Matches played at his level change no level.
    const Level mehtaLevel = midCareer().level;
    for (const char* language : {"en", "hi"}) {
        ASSERT_TRUE(installTranslation(*qApp, QString::fromLatin1(language)));
        ScriptedPlatform scripted(programFolder.path());
        scripted.prompter.answers = {false};
        {
            ScreenNavigator screens(scripted.platform);
            startSinghAndPlay(scripted, screens);
        }
        const QString matches = language == std::string("en")
                                    ? QStringLiteral("at %1 level after %2 matches.")
                                    : QStringLiteral("%1 स्तर पर %2 मैचों के बाद।");
        ASSERT_EQ(scripted.prompter.questions.size(), 1);
        EXPECT_TRUE(scripted.prompter.questions[0].contains(
            matches.arg(levelName(mehtaLevel)).arg(mehtaMatches)))
            << scripted.prompter.questions[0].toStdString();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QDir(saves).removeRecursively();
        SetUp();
    }
}

// Replaced, Arjun Mehta's save and history are kept aside together and the
// new career saves in their place.
TEST_F(AnotherCareer, ReplacedItIsKeptAsideWithItsHistory) {
    ScriptedPlatform scripted(programFolder.path());
    scripted.prompter.answers = {true};
    ScreenNavigator screens(scripted.platform);
    startSinghAndPlay(scripted, screens);
    const QStringList aside = setAsideFilesOf(mehtaSave, saveFileEnding);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contents(aside.front()), mehtaBytes);
    EXPECT_EQ(contents(historyFilePath(aside.front())), mehtaHistory);
    EXPECT_NE(contents(mehtaSave), mehtaBytes);
}

// A second copy of the game on the same career is told, and writes nothing.
TEST_F(AnotherCareer, ASecondCopyOnOneCareerIsToldAndWritesNothing) {
    ScriptedPlatform first(programFolder.path());
    ScreenNavigator firstCopy(first.platform);
    loadMehta(first, firstCopy);
    ASSERT_NE(firstCopy.mainScreen(), nullptr);
    EXPECT_TRUE(first.prompter.messages.isEmpty());

    ScriptedPlatform second(programFolder.path());
    ScreenNavigator secondCopy(second.platform);
    loadMehta(second, secondCopy);
    MainScreen* main = secondCopy.mainScreen();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(second.prompter.notices.size(), 1);
    EXPECT_TRUE(second.prompter.notices[0].contains(QStringLiteral("another copy")));
    EXPECT_TRUE(second.prompter.notices[0].contains(shownPath(lockFilePath(mehtaSave))));
    // The main screen says so, and why, for as long as it is so; the
    // first copy's saves as before.
    const auto* status = main->findChild<QLabel*>(QStringLiteral("savingStatus"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->accessibleDescription().contains(QStringLiteral("another copy")));
    EXPECT_FALSE(firstCopy.mainScreen()
                     ->findChild<QLabel*>(QStringLiteral("savingStatus"))
                     ->isVisibleTo(firstCopy.mainScreen()));
    second.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(*main);
    EXPECT_EQ(contents(mehtaSave), mehtaBytes);
    EXPECT_EQ(contents(historyFilePath(mehtaSave)), mehtaHistory);
    EXPECT_TRUE(status->isVisible());
}

// In a folder without locks of the system (and in the portable build,
// whichever the folder), a lock naming a process that now runs another
// program is put to the player, naming both, with Enter keeping it; told to
// take it over, the copy saves.
TEST_F(AnotherCareer, ALockOfAnotherProgramIsPutToThePlayer) {
    const FolderWithoutLocks noLocks;
    const pid_t unrelated = startProgram("sleep", "1000");
    ASSERT_GT(unrelated, 0);
    const QString lock = lockFilePath(mehtaSave);
    const QByteArray lockBytes = QByteArray::number(unrelated) + "\nbailcrest\n" +
                                 QSysInfo::machineHostName().toUtf8() + '\n';
    for (const bool take : {false, true}) {
        SCOPED_TRACE(take ? "taken over" : "kept");
        put(lock, lockBytes);
        ScriptedPlatform scripted(programFolder.path());
        scripted.prompter.answers = {take};
        ScreenNavigator screens(scripted.platform);
        loadMehta(scripted, screens);
        MainScreen* main = screens.mainScreen();
        ASSERT_NE(main, nullptr);
        ASSERT_EQ(scripted.prompter.questions.size(), 1);
        const QString& question = scripted.prompter.questions[0];
        EXPECT_TRUE(question.contains(QStringLiteral("sleep"))) << question.toStdString();
        EXPECT_TRUE(question.contains(QDir::toNativeSeparators(lock)));
        EXPECT_TRUE(question.contains(QString::number(unrelated)));
        EXPECT_EQ(scripted.prompter.questionDefaults, std::vector{Prompter::Answer::no});
        const auto* status = main->findChild<QLabel*>(QStringLiteral("savingStatus"));
        ASSERT_NE(status, nullptr);
        EXPECT_EQ(status->isVisibleTo(main), !take);
        scripted.random.draws = {0.0, 0.75, 0.4, 0.9};
        playMatchOnScreen(*main);
        EXPECT_EQ(contents(mehtaSave) != mehtaBytes, take);
    }
    endChild(unrelated);
}

// A pipe where the lock would be does not keep Load waiting: the career
// loads, the player is told which file is in the way and what to do, and
// nothing is saved.
TEST_F(AnotherCareer, APipeAtTheLockDoesNotHangLoad) {
    const QString lock = lockFilePath(mehtaSave);
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    ScriptedPlatform player(programFolder.path());
    ScreenNavigator copy(player.platform);
    loadMehta(player, copy);
    ASSERT_NE(copy.mainScreen(), nullptr);
    ASSERT_EQ(player.prompter.notices.size(), 1);
    EXPECT_TRUE(player.prompter.notices[0].contains(shownPath(lock)));
    EXPECT_TRUE(player.prompter.notices[0].contains(QStringLiteral("remove or rename")));
    player.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(*copy.mainScreen());
    EXPECT_EQ(contents(mehtaSave), mehtaBytes);
    EXPECT_TRUE(QFileInfo(lock).exists() && !QFileInfo(lock).isFile());
}

// A career loaded and played while another program copies another save over
// its own and rewrites its history: at the next match both are found kept
// in Saves, and the player is told of each, once.
TEST_F(AnotherCareer, FilesChangedWhileTheGameRunsAreKeptAndTold) {
    ScriptedPlatform player(programFolder.path());
    ScreenNavigator copy(player.platform);
    loadMehta(player, copy);
    ASSERT_NE(copy.mainScreen(), nullptr);

    const QString history = historyFilePath(mehtaSave);
    const QByteArray edited = QByteArray(mehtaHistory).replace("\n", "\r\n");
    put(history, edited);
    // Not even a save: whatever another program put there is kept.
    put(mehtaSave, "a letter saved over the career\n");
    const QByteArray replaced = contents(mehtaSave);
    player.prompter.notices.clear();
    player.random.draws = {0.0, 0.75, 0.4, 0.9};
    playMatchOnScreen(*copy.mainScreen());

    const QStringList keptSaves = setAsideFilesOf(mehtaSave, saveFileEnding);
    ASSERT_EQ(keptSaves.size(), 1);
    EXPECT_EQ(contents(keptSaves.front()), replaced);
    // The two kept as a pair, which Load reads together.
    EXPECT_EQ(contents(historyFilePath(keptSaves.front())), edited);
    int told = 0;
    for (const QString& notice : player.prompter.notices) {
        if (notice.contains(QStringLiteral("kept unchanged as"))) ++told;
    }
    EXPECT_EQ(told, 2);
}

}  // namespace
