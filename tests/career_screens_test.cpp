#include "records/career_screens.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/main_screen.h"
#include "records/about_screen.h"
#include "records/records_screen.h"
#include "saves/profile_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"
#include "ui/picture_button.h"

namespace {

// Screens that are discarded go once control is back in the event loop.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void continueFromCredits(CareerScreens& screens) {
    QTest::mouseClick(screens.creditsScreen()->continueButton(), Qt::LeftButton);
    settle();
}

void typePlayer(Profile& profile, const QStringList& texts, const int skills[3], bool autoSave) {
    for (int i = 0; i < 4; ++i) QTest::keyClicks(profile.textField(i), texts.at(i));
    for (int i = 0; i < 3; ++i) profile.slider(i)->setValue(skills[i]);
    if (autoSave) QTest::mouseClick(profile.autoSaveBox(), Qt::LeftButton);
}

TEST(CareerScreens, TheProgramStartsOnTheCreditsThenThePlayerScreen) {
    ScriptedPlatform scripted;
    CareerScreens screens(scripted.platform);
    screens.start();
    ASSERT_NE(screens.creditsScreen(), nullptr);
    EXPECT_TRUE(screens.creditsScreen()->isVisible());
    EXPECT_FALSE(screens.creditsScreen()->isModal());
    EXPECT_EQ(screens.creditsScreen()->parentWidget(), nullptr);
    EXPECT_EQ(screens.creditsScreen()->status(), QStringLiteral("0"));
    EXPECT_EQ(screens.playerScreen(), nullptr);
    EXPECT_EQ(screens.mainScreen(), nullptr);

    continueFromCredits(screens);
    EXPECT_EQ(screens.creditsScreen(), nullptr);
    ASSERT_NE(screens.playerScreen(), nullptr);
    EXPECT_TRUE(screens.playerScreen()->isVisible());
    EXPECT_EQ(screens.playerScreen()->parentWidget(), nullptr);
    EXPECT_EQ(screens.mainScreen(), nullptr);
    EXPECT_FALSE(screens.programEnded());
    EXPECT_EQ(scripted.random.taken, 0);
}

TEST(CareerScreens, ClosingTheStartUpCreditsEndsTheProgram) {
    ScriptedPlatform scripted;
    CareerScreens screens(scripted.platform);
    QSignalSpy ending(&screens, &CareerScreens::programEnding);
    screens.start();
    screens.creditsScreen()->close();
    settle();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_TRUE(screens.programEnded());
    EXPECT_EQ(screens.creditsScreen(), nullptr);
    EXPECT_EQ(screens.playerScreen(), nullptr);
}

TEST(CareerScreens, StartHandsThePlayerToANewCareer) {
    const struct {
        const char* name;
        const char* file;
        bool autoSave;
        const char* save;
    } cases[] = {{" Ramesh K ", " rame_auto.bsg", true, "1"},
                 {"ANIL KUMAR", "anil _auto.bsg", false, "0"},
                 {"Raj", "raj_auto.bsg", true, "1"}};
    for (const auto& c : cases) {
        ScriptedPlatform scripted;
        scripted.random.draws = {0.45};
        CareerScreens screens(scripted.platform);
        screens.start();
        continueFromCredits(screens);
        Profile* profile = screens.playerScreen();
        const int skills[3] = {45, 20, 30};
        typePlayer(*profile,
                   {QString::fromLatin1(c.name), QStringLiteral("Pune"),
                    QStringLiteral("Maharashtra"), QStringLiteral("India")},
                   skills, c.autoSave);
        QTest::mouseClick(profile->command(Profile::Start), Qt::LeftButton);
        settle();

        ASSERT_NE(screens.mainScreen(), nullptr) << c.name;
        EXPECT_TRUE(screens.mainScreen()->isVisible());
        EXPECT_EQ(screens.playerScreen(), nullptr);
        const Career& career = screens.mainScreen()->career();
        const CareerRecord& r = career.record;
        EXPECT_EQ(r.text(Field::player), QString::fromLatin1(c.name));
        EXPECT_EQ(career.book.playerName(), QString::fromLatin1(c.name));
        EXPECT_EQ(r.text(Field::filename), QString::fromLatin1(c.file));
        EXPECT_EQ(r.text(Field::save), QString::fromLatin1(c.save));
        const char* values[3] = {"45", "20", "30"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(r.text(Label2(i)), QString::fromLatin1(values[i]));
            EXPECT_EQ(r.text(::skills(i)), QString::fromLatin1(values[i]));
        }
        EXPECT_EQ(r.text(Field::team), QStringLiteral("Shining Moon"));
        EXPECT_EQ(r.text(teams(0)), QStringLiteral("Shining Moon"));
        EXPECT_EQ(r.text(teams(1)), QStringLiteral("Pune"));
        EXPECT_EQ(r.text(teams(2)), QStringLiteral("Maharashtra"));
        EXPECT_EQ(r.text(teams(3)), QStringLiteral("India"));
        EXPECT_EQ(scripted.random.taken, 1);
    }
}

TEST(CareerScreens, ExitOrTheCloseBoxOnThePlayerScreenEndsTheProgram) {
    for (bool closeBox : {false, true}) {
        ScriptedPlatform scripted;
        CareerScreens screens(scripted.platform);
        QSignalSpy ending(&screens, &CareerScreens::programEnding);
        screens.start();
        continueFromCredits(screens);
        QTest::keyClicks(screens.playerScreen()->textField(0), QStringLiteral("Ravi"));
        if (closeBox) {
            screens.playerScreen()->close();
        } else {
            QTest::mouseClick(screens.playerScreen()->command(Profile::Exit), Qt::LeftButton);
        }
        EXPECT_EQ(ending.count(), 1) << closeBox;
        EXPECT_EQ(screens.mainScreen(), nullptr);
        EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    }
}

TEST(CareerScreens, AboutFromTheMenuReturnsToTheUnchangedMainScreen) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    CareerScreens screens(scripted.platform);
    MainScreen* main = screens.startCareer(
        PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                      QStringLiteral("India"), 45, 20, 30, 1});
    std::array<QString, fieldCount> before;
    for (int i = 0; i < fieldCount; ++i)
        before[i] = main->career().record.text(static_cast<Field>(i));

    QString statusSeen;
    QWidget* ownerSeen = nullptr;
    bool modalSeen = false;
    QTimer::singleShot(0, [&] {
        auto* credits = qobject_cast<About*>(QApplication::activeModalWidget());
        ASSERT_NE(credits, nullptr);
        statusSeen = credits->status();
        ownerSeen = credits->parentWidget();
        modalSeen = credits->isModal();
        // A banner click on the way changes nothing either.
        QTest::mouseClick(credits->banner(0), Qt::LeftButton);
        QTest::mouseClick(credits->continueButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main->command(MainScreen::About), Qt::LeftButton);

    EXPECT_EQ(statusSeen, QStringLiteral("1"));
    EXPECT_EQ(ownerSeen, main);
    EXPECT_TRUE(modalSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(scripted.opener.opened, QStringList{About::bannerAddresses[0]});
    EXPECT_EQ(screens.mainScreen(), main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(screens.playerScreen(), nullptr);
    for (int i = 0; i < fieldCount; ++i) {
        EXPECT_EQ(main->career().record.text(static_cast<Field>(i)), before[i]) << i;
    }
    EXPECT_FALSE(screens.programEnded());
}

TEST(CareerScreens, PlayingAgainOpensAFreshPlayerScreen) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    CareerScreens screens(scripted.platform);
    screens.start();
    continueFromCredits(screens);
    const int skills[3] = {60, 70, 80};
    typePlayer(*screens.playerScreen(),
               {QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                QStringLiteral("India")},
               skills, true);
    QTest::mouseClick(screens.playerScreen()->command(Profile::Start), Qt::LeftButton);
    settle();
    QPointer<MainScreen> main = screens.mainScreen();
    QPointer<RecordsScreen> book = main->recordsScreen();

    scripted.prompter.answers = {true};
    main->endCareer();
    settle();
    EXPECT_EQ(scripted.prompter.questions,
              QStringList{QStringLiteral("Do you want to play again?")});
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(book.isNull());
    EXPECT_EQ(screens.mainScreen(), nullptr);
    EXPECT_FALSE(screens.programEnded());
    Profile* profile = screens.playerScreen();
    ASSERT_NE(profile, nullptr);
    EXPECT_TRUE(profile->isVisible());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(profile->textField(i)->text().isEmpty());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(profile->slider(i)->value(), 0);
        EXPECT_EQ(profile->skillDisplay(i)->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(profile->overallDisplay()->text(), QStringLiteral("0"));
    EXPECT_EQ(profile->details().autoSave, 0);

    // The new player starts a career of his own.
    scripted.random.draws = {0.9};
    QTest::keyClicks(profile->textField(0), QStringLiteral("Sunil"));
    for (int i = 1; i < 4; ++i) QTest::keyClicks(profile->textField(i), QStringLiteral("X"));
    QTest::mouseClick(profile->command(Profile::Start), Qt::LeftButton);
    settle();
    ASSERT_NE(screens.mainScreen(), nullptr);
    EXPECT_EQ(screens.mainScreen()->career().record.text(Field::player), QStringLiteral("Sunil"));
    EXPECT_EQ(screens.mainScreen()->career().record.text(Field::skill), QStringLiteral("0"));
}

TEST(CareerScreens, NoToPlayingAgainEndsTheProgram) {
    ScriptedPlatform scripted;
    scripted.random.draws = {0.1};
    CareerScreens screens(scripted.platform);
    QSignalSpy ending(&screens, &CareerScreens::programEnding);
    MainScreen* main =
        screens.startCareer(PlayerDetails{QStringLiteral("Ravi"), {}, {}, {}, 1, 2, 3, 0});
    scripted.prompter.answers = {false};
    main->endCareer();
    EXPECT_EQ(ending.count(), 1);
    EXPECT_EQ(screens.playerScreen(), nullptr);
}

}  // namespace
