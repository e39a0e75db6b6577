#include "screens/main_screen.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "game/career.h"
#include "screens/career_model.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/records_screen.h"
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

    main.career().update([](Career& c) { c.sponsor = QStringLiteral("Cable && Wireless"); });
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
        {MainScreen::Records, "Records", 4155},   {MainScreen::Play, "Play", 4635}};
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
        EXPECT_EQ(scripted.prompter.questions,
                  QStringList{QStringLiteral("Do you want to play again?")});
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

}  // namespace
