#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/career_host.h"
#include "core/main_screen.h"
#include "manage/purchase_screen.h"
#include "manage/sponsors_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"

namespace {

class StayingHost final : public CareerHost {
  public:
    void endProgram() override {}
    void playAgain() override {}
};

class ManagementMenuTest : public ::testing::Test {
  protected:
    ManagementMenuTest() {
        scripted.random.draws = {0.0};
        main = std::make_unique<MainScreen>(
            scripted.platform, host,
            PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Goa"),
                          QStringLiteral("India"), 70, 70, 70, 0});
        main->show();
    }

    CareerRecord& record() { return main->career().record; }
    QString shown(Field field) const { return main->fieldLabel(field)->text(); }

    // Presses a menu command and hands the modal screen it opens to `drive`,
    // which must close it.
    template <typename Screen>
    void openFromMenu(MainScreen::Command command, const std::function<void(Screen&)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* screen = qobject_cast<Screen*>(modal);
            if (!screen) {
                ADD_FAILURE() << "the command opened no such screen";
                if (modal) modal->close();
                return;
            }
            EXPECT_TRUE(screen->isModal());
            EXPECT_EQ(screen->parentWidget(), main.get());
            drive(*screen);
            driven = true;
            if (screen->isVisible()) {
                ADD_FAILURE() << "the screen stayed open";
                screen->reject();
            }
        });
        QTest::mouseClick(main->command(command), Qt::LeftButton);
        EXPECT_TRUE(driven);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    ScriptedPlatform scripted;
    StayingHost host;
    std::unique_ptr<MainScreen> main;
};

TEST_F(ManagementMenuTest, TrainingRaisesTheSkillsOnTheMainScreenAtOnce) {
    record().set(Field::bankbalance, QStringLiteral("20000"));
    openFromMenu<PurchaseScreen>(MainScreen::Training, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Training Centre"));
        // 5 units each: batting and bowling at 1500, fielding at 1000.
        EXPECT_EQ(screen.balanceAfterLabel()->text(), QStringLiteral("0"));
        QTest::keyClick(screen.scrollBar(2), Qt::Key_Down);
        EXPECT_EQ(screen.balanceAfterLabel()->text(), QStringLiteral("1000"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown(Label2(0)), QStringLiteral("75"));
    EXPECT_EQ(shown(Label2(2)), QStringLiteral("74"));
    EXPECT_EQ(shown(Field::skill), QStringLiteral("74"));
    EXPECT_EQ(shown(Field::bankbalance), QStringLiteral("1000"));
}

TEST_F(ManagementMenuTest, StoreAndHealthRestoreTheConditionsAndTheirBars) {
    record().set(Field::bankbalance, QStringLiteral("60000"));
    record().set(Label23(0), QStringLiteral("10"));
    record().set(Label23(5), QStringLiteral("-5"));
    openFromMenu<PurchaseScreen>(MainScreen::Store, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Cricket Store"));
        EXPECT_EQ(screen.unitsBox(0)->text(), QStringLiteral("90"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown(Label23(0)), QStringLiteral("100"));
    EXPECT_EQ(main->conditionBar(0)->width(), main->conditionBar(1)->width());
    EXPECT_EQ(shown(Field::bankbalance), QStringLiteral("46500"));

    openFromMenu<PurchaseScreen>(MainScreen::Health, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Health Care"));
        EXPECT_EQ(screen.unitsBox(1)->text(), QStringLiteral("105"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown(Label23(5)), QStringLiteral("100"));
    EXPECT_EQ(shown(Field::Label25), QStringLiteral("100"));
    EXPECT_EQ(shown(Field::bankbalance), QString::number(46500 - 105 * 350));
}

TEST_F(ManagementMenuTest, AShortageLeavesTheMainScreenAsItWas) {
    record().set(Label23(6), QStringLiteral("0"));
    openFromMenu<PurchaseScreen>(MainScreen::Health, [this](PurchaseScreen& screen) {
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
        EXPECT_EQ(scripted.prompter.notices.size(), 1);
        QTest::keyClick(screen.scrollBar(0), Qt::Key_Escape);
    });
    EXPECT_EQ(shown(Label23(6)), QStringLiteral("0"));
    EXPECT_EQ(shown(Field::bankbalance), QStringLiteral("0"));
}

TEST_F(ManagementMenuTest, TheSponsorsAmpersandShowsSinglyOnTheMainScreen) {
    // Cable & Wireless asks for an overall skill above 70.
    record().set(Label2(0), QStringLiteral("73"));
    openFromMenu<SponsorsScreen>(MainScreen::Sponsors, [](SponsorsScreen& screen) {
        QRadioButton* cable = screen.option(3);
        QTest::mouseClick(cable, Qt::LeftButton, {}, QPoint(8, cable->height() / 2));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(record().text(Field::sponsor), QStringLiteral("Cable && Wireless"));
    EXPECT_EQ(shown(Field::sponsor), QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(main->fieldLabel(Field::sponsor)->accessibleName(),
              QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(shown(Field::sponsorship), QStringLiteral("2000"));
}

}  // namespace
