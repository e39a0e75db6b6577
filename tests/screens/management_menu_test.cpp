// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/main_screen.h"
#include "screens/purchase_screen.h"
#include "screens/sponsors_screen.h"
#include "screens/units_scroll_bar.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

class ManagementMenuTest : public ::testing::Test {
  protected:
    ManagementMenuTest() {
        main = std::make_unique<MainScreen>(scripted.platform, testCareer(70, 70, 70));
        main->show();
    }

    void change(const std::function<void(Career&)>& edit) { main->career().update(edit); }
    QString shown(const char* objectName) const {
        // A label of the main screen itself, not of a window it owns.
        for (const QLabel* label : main->findChildren<QLabel*>(QString::fromLatin1(objectName))) {
            if (label->window() == main.get()) return label->text();
        }
        return QStringLiteral("<none>");
    }
    int barWidth(const char* objectName) const {
        return main->findChild<QWidget*>(QString::fromLatin1(objectName))->width();
    }

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
    std::unique_ptr<MainScreen> main;
};

TEST_F(ManagementMenuTest, TrainingRaisesTheSkillsOnTheMainScreenAtOnce) {
    change([](Career& c) { c.bankBalance = 20000; });
    openFromMenu<PurchaseScreen>(MainScreen::Training, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Training Centre"));
        // 5 units each: batting and bowling at 1500, fielding at 1000.
        EXPECT_EQ(screen.balanceAfterLabel()->text(), QStringLiteral("0"));
        QTest::keyClick(screen.scrollBar(2), Qt::Key_Down);
        EXPECT_EQ(screen.balanceAfterLabel()->text(), QStringLiteral("1000"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown("Label2_0"), QStringLiteral("75"));
    EXPECT_EQ(shown("Label2_2"), QStringLiteral("74"));
    EXPECT_EQ(shown("skill"), QStringLiteral("74"));
    EXPECT_EQ(shown("bankbalance"), QStringLiteral("1000"));
}

TEST_F(ManagementMenuTest, StoreAndHealthRestoreTheConditionsAndTheirBars) {
    change([](Career& c) {
        c.bankBalance = 60000;
        c.gear.bat = 10;
        c.body.health = -5;
    });
    openFromMenu<PurchaseScreen>(MainScreen::Store, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Cricket Store"));
        EXPECT_EQ(screen.unitsBox(0)->text(), QStringLiteral("90"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown("Label23_0"), QStringLiteral("100"));
    EXPECT_EQ(barWidth("Shape3_0"), barWidth("Shape3_1"));
    EXPECT_EQ(shown("bankbalance"), QStringLiteral("46500"));

    openFromMenu<PurchaseScreen>(MainScreen::Health, [](PurchaseScreen& screen) {
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Health Care"));
        EXPECT_EQ(screen.unitsBox(1)->text(), QStringLiteral("105"));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(shown("Label23_5"), QStringLiteral("100"));
    EXPECT_EQ(shown("Label25"), QStringLiteral("100"));
    EXPECT_EQ(shown("bankbalance"), QString::number(46500 - 105 * 350));
}

TEST_F(ManagementMenuTest, AShortageLeavesTheMainScreenAsItWas) {
    change([](Career& c) { c.body.stamina = 0; });
    openFromMenu<PurchaseScreen>(MainScreen::Health, [this](PurchaseScreen& screen) {
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
        EXPECT_EQ(scripted.prompter.notices.size(), 1);
        QTest::keyClick(screen.scrollBar(0), Qt::Key_Escape);
    });
    EXPECT_EQ(shown("Label23_6"), QStringLiteral("0"));
    EXPECT_EQ(shown("bankbalance"), QStringLiteral("0"));
}

TEST_F(ManagementMenuTest, TheSponsorsAmpersandShowsSinglyOnTheMainScreen) {
    // Cable & Wireless asks for an overall skill above 70.
    change([](Career& c) { c.skills.batting = 73; });
    openFromMenu<SponsorsScreen>(MainScreen::Sponsors, [](SponsorsScreen& screen) {
        QRadioButton* cable = screen.option(3);
        QTest::mouseClick(cable, Qt::LeftButton, {}, QPoint(8, cable->height() / 2));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    });
    EXPECT_EQ(main->career().career().sponsor, QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(shown("sponsor"), QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(main->findChild<QLabel*>(QStringLiteral("sponsor"))->accessibleName(),
              QStringLiteral("Cable & Wireless"));
    EXPECT_EQ(shown("sponsorship"), QStringLiteral("2000"));
}

}  // namespace
