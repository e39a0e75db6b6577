#include "core/main_screen.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "core/career_host.h"
#include "records/records_screen.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"
#include "ui/look.h"

namespace {

struct RecordingHost final : CareerHost {
    int ended = 0;
    int restarted = 0;
    void endProgram() override { ++ended; }
    void playAgain() override { ++restarted; }
};

class MainScreenTest : public ::testing::Test {
  protected:
    MainScreenTest() { scripted.random.draws = {0.5}; }

    MainScreen& screen() {
        if (!screen_) {
            screen_ = std::make_unique<MainScreen>(
                scripted.platform, host,
                PlayerDetails{QStringLiteral("Ravi Shastri"), QStringLiteral("Pune"),
                              QStringLiteral("Goa"), QStringLiteral("India"), 45, 20, 30, 1});
            screen_->show();
        }
        return *screen_;
    }

    ScriptedPlatform scripted;
    RecordingHost host;
    std::unique_ptr<MainScreen> screen_;
};

TEST_F(MainScreenTest, ShowsTheNewCareerWithItsDerivedValues) {
    MainScreen& main = screen();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Bailcrest v1.0"));
    EXPECT_EQ(main.fieldLabel(Field::player)->text(), QStringLiteral("Ravi Shastri"));
    EXPECT_EQ(main.fieldLabel(Field::team)->text(), QStringLiteral("Shining Moon"));
    EXPECT_EQ(main.fieldLabel(Field::role)->text(), QStringLiteral("Batsman"));
    EXPECT_EQ(main.fieldLabel(Field::skill)->text(), QStringLiteral("31"));
    EXPECT_EQ(main.fieldLabel(Field::matchfee)->text(), QStringLiteral("3000"));
    EXPECT_EQ(main.recordsScreen()->nameLabel()->text(), QStringLiteral("Ravi Shastri"));
    EXPECT_FALSE(main.recordsScreen()->isVisible());
}

TEST_F(MainScreenTest, AFieldChangeShowsAtOnceAndBarsFollowTheirValues) {
    MainScreen& main = screen();
    CareerRecord& record = main.career().record;
    record.set(Field::bankbalance, QStringLiteral("61500"));
    EXPECT_EQ(main.fieldLabel(Field::bankbalance)->text(), QStringLiteral("61500"));
    EXPECT_EQ(main.fieldLabel(Field::bankbalance)->accessibleName(), QStringLiteral("61500"));

    record.set(Label23(5), QStringLiteral("49"));
    record.set(Label23(4), QStringLiteral("49"));
    record.set(Label23(6), QStringLiteral("50"));
    EXPECT_EQ(main.conditionBar(5)->width(), look::px(654));
    EXPECT_EQ(main.fieldLabel(Field::Label25)->text(), QStringLiteral("49"));
    EXPECT_EQ(main.healthBar()->width(), look::px(654));
    EXPECT_EQ(main.healthBar()->palette().color(QPalette::Window), look::red);
    EXPECT_EQ(main.fieldLabel(Field::Label25)->palette().color(QPalette::WindowText), look::red);

    record.set(Label23(0), QStringLiteral("-7"));
    EXPECT_EQ(main.conditionBar(0)->width(), 0);
    EXPECT_EQ(main.accessoriesBar()->palette().color(QPalette::Window), look::green);

    record.set(Field::sponsor, QStringLiteral("Cable && Wireless"));
    EXPECT_EQ(main.fieldLabel(Field::sponsor)->text(), QStringLiteral("Cable & Wireless"));
}

TEST_F(MainScreenTest, ACommandTurnsRedWhilePressedAndSilverOnReleaseAnywhere) {
    MainScreen& main = screen();
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
    MainScreen& main = screen();
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
    MainScreen& main = screen();
    main.career().book.setCell(0, 2, QStringLiteral("12"));
    bool wasShown = false;
    QTimer::singleShot(0, [&] {
        RecordsScreen* records = main.recordsScreen();
        wasShown = records->isVisible() && records->isModal();
        EXPECT_EQ(records->cellLabel(0, 2)->text(), QStringLiteral("12"));
        QTest::mouseClick(records->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(main.command(MainScreen::Records), Qt::LeftButton);
    EXPECT_TRUE(wasShown);
    EXPECT_FALSE(main.recordsScreen()->isVisible());
    EXPECT_EQ(main.recordsScreen()->cellLabel(0, 2)->text(), QStringLiteral("12"));
}

TEST_F(MainScreenTest, KeyboardReachesAndRunsACommand) {
    MainScreen& main = screen();
    QApplication::setActiveWindow(&main);
    main.command(MainScreen::Exit)->setFocus();
    QTest::keyClick(main.command(MainScreen::Exit), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), main.command(MainScreen::About));
    main.command(MainScreen::Exit)->setFocus();
    QTest::keyClick(main.command(MainScreen::Exit), Qt::Key_Space);
    EXPECT_EQ(host.ended, 1);
}

TEST_F(MainScreenTest, ExitAndTheCloseBoxEndTheProgramWithoutAsking) {
    MainScreen& main = screen();
    QTest::mouseClick(main.command(MainScreen::Exit), Qt::LeftButton);
    EXPECT_EQ(host.ended, 1);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    main.show();
    main.close();
    EXPECT_EQ(host.ended, 2);
}

TEST_F(MainScreenTest, EndOfCareerHandsOverByTheAnswer) {
    MainScreen& main = screen();
    scripted.prompter.answers = {true};
    main.endCareer();
    EXPECT_EQ(scripted.prompter.questions,
              QStringList{QStringLiteral("Do you want to play again?")});
    EXPECT_EQ(host.restarted, 1);
    EXPECT_EQ(host.ended, 0);
    EXPECT_FALSE(main.isVisible());
}

TEST_F(MainScreenTest, NoToPlayingAgainEndsTheProgram) {
    MainScreen& main = screen();
    scripted.prompter.answers = {false};
    main.endCareer();
    EXPECT_EQ(host.ended, 1);
    EXPECT_EQ(host.restarted, 0);
    EXPECT_FALSE(main.recordsScreen()->isVisible());
}

TEST_F(MainScreenTest, ValuesCarryTheirCaptionAsAccessibleDescription) {
    MainScreen& main = screen();
    const struct {
        Field field;
        const char* description;
    } cases[] = {{Field::Label2_0, "Batting"},
                 {Field::skill, "Overall"},
                 {Field::bankbalance, "Bank Balance (Rs)"},
                 {Field::Label23_6, "Stamina"},
                 {Field::matches, "Matches Played"}};
    for (const auto& c : cases) {
        QLabel* label = main.fieldLabel(c.field);
        EXPECT_EQ(label->accessibleDescription(), QString::fromLatin1(c.description));
        EXPECT_EQ(label->accessibleName(), label->text());
    }
}

}  // namespace
