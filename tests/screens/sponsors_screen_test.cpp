// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/sponsors_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "game/career.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// A press on the round mark: the only part of a short caption's line that
// takes a click.
void choose(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Equal skills give exactly that overall skill.
Career careerWith(Level level, int skill) {
    Career career = testCareer(skill, skill, skill);
    career.level = level;
    return career;
}

TEST(SponsorsScreen, OnlySponsorsWhoseThresholdThePlayerPassesCanBeChosen) {
    const struct {
        int skill;
        int offered;  // the first this many sponsors, in screen order
    } cases[] = {{0, 0},  {55, 0}, {56, 1}, {60, 1}, {61, 2}, {71, 4},
                 {76, 5}, {80, 5}, {85, 5}, {86, 6}, {95, 7}, {96, 8}};
    for (const auto& c : cases) {
        CareerInPlay career(careerWith(Level::club, c.skill));
        ScriptedPrompter prompter;
        SponsorsScreen screen(career, prompter, nullptr);
        const SponsorshipOffers offers = sponsorshipOffers(career.career());
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(screen.option(i)->isEnabled(), i < c.offered) << c.skill << " option " << i;
            EXPECT_EQ(offers.offered[i], i < c.offered) << c.skill << " sponsor " << i;
            EXPECT_FALSE(screen.option(i)->isChecked());
        }
    }
}

TEST(SponsorsScreen, EveryOfferIsShownAtTheLevelsRate) {
    const struct {
        Level level;
        std::array<const char*, 8> offers;
    } cases[] = {
        {Level::club, {"1200", "1500", "1800", "2000", "2300", "2500", "2800", "3000"}},
        {Level::city, {"2400", "3000", "3600", "4000", "4600", "5000", "5600", "6000"}},
        {Level::state, {"3600", "4500", "5400", "6000", "6900", "7500", "8400", "9000"}},
        {Level::national, {"4800", "6000", "7200", "8000", "9200", "10000", "11200", "12000"}},
    };
    for (const auto& c : cases) {
        // Shown for all eight, offered or not.
        CareerInPlay career(careerWith(c.level, 10));
        ScriptedPrompter prompter;
        SponsorsScreen screen(career, prompter, nullptr);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(screen.offerLabel(i)->text(), QString::fromLatin1(c.offers[i]))
                << levelNumber(c.level) << ' ' << i;
        }
    }
}

TEST(SponsorsScreen, ShowsTheSponsorsInOrderWithTheirColours) {
    CareerInPlay career(careerWith(Level::club, 80));
    ScriptedPrompter prompter;
    SponsorsScreen screen(career, prompter, nullptr);
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Bailcrest: Sponsorship"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("SPONSORSHIP OFFERS"));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("Offers (Rs.)"));
    const char* names[] = {"PEPSI",          "Coca Cola",      "Standard Bank", "Cable & Wireless",
                           "LG Electronics", "Orange Telecom", "Sahara India",  "Hero Honda"};
    for (int i = 0; i < 8; ++i) {
        QRadioButton* option = screen.option(i);
        EXPECT_EQ(option->objectName(), QStringLiteral("Option1_%1").arg(i));
        EXPECT_EQ(option->accessibleName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(option->palette().color(QPalette::Active, QPalette::WindowText), look::green);
        EXPECT_EQ(option->palette().color(QPalette::Window), look::navy);
        EXPECT_EQ(screen.offerLabel(i)->palette().color(QPalette::WindowText), look::lightYellow);
        if (i > 0) {
            EXPECT_GT(option->y(), screen.option(i - 1)->y());
        }
        EXPECT_GT(screen.offerLabel(i)->x(), option->x());
    }
    // The doubled ampersand shows as one "&" and marks no access key.
    EXPECT_EQ(screen.option(3)->text(), QStringLiteral("Cable && Wireless"));
    EXPECT_EQ(screen.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(screen.cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_GT(screen.okButton()->x(), screen.cancelButton()->x());
}

TEST(SponsorsScreen, OkTakesTheChosenSponsorAndItsOffer) {
    const struct {
        Level level;
        int option;
        const char* sponsor;
        double amount;
    } cases[] = {{Level::national, 7, "Hero Honda", 12000},
                 {Level::club, 3, "Cable & Wireless", 2000},
                 {Level::state, 0, "PEPSI", 3600}};
    for (const auto& c : cases) {
        Career start = careerWith(c.level, 96);
        // A smaller offer still replaces a bigger one.
        start.sponsor = QStringLiteral("Hero Honda");
        start.sponsorship = 12000;
        CareerInPlay career(start);
        ScriptedPrompter prompter;
        SponsorsScreen screen(career, prompter, nullptr);
        screen.show();
        choose(screen.option(c.option));
        QTest::mouseClick(screen.okButton(), Qt::LeftButton);
        EXPECT_EQ(career.career().sponsor, QString::fromLatin1(c.sponsor));
        EXPECT_EQ(career.career().sponsorship, c.amount);
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_FALSE(screen.isVisible());
    }
}

TEST(SponsorsScreen, NothingChosenOrCancelledChangesNothing) {
    const std::function<void(SponsorsScreen&)> ways[] = {
        [](SponsorsScreen& s) { QTest::mouseClick(s.okButton(), Qt::LeftButton); },
        [](SponsorsScreen& s) {
            choose(s.option(1));
            QTest::mouseClick(s.cancelButton(), Qt::LeftButton);
        },
        [](SponsorsScreen& s) {
            choose(s.option(1));
            QTest::keyClick(s.option(1), Qt::Key_Escape);
        },
        // An option that is not offered cannot be taken.
        [](SponsorsScreen& s) {
            choose(s.option(7));
            QTest::mouseClick(s.okButton(), Qt::LeftButton);
        },
    };
    for (const auto& leave : ways) {
        CareerInPlay career(careerWith(Level::city, 70));
        QSignalSpy written(&career, &CareerInPlay::changed);
        ScriptedPrompter prompter;
        SponsorsScreen screen(career, prompter, nullptr);
        screen.show();
        leave(screen);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(written.count(), 0);
        EXPECT_EQ(career.career().sponsor, QStringLiteral("..."));
        EXPECT_EQ(career.career().sponsorship, 0);
    }
}

TEST(SponsorsScreen, ASponsorCanBeTakenWithTheKeyboard) {
    CareerInPlay career(careerWith(Level::city, 66));
    ScriptedPrompter prompter;
    SponsorsScreen screen(career, prompter, nullptr);
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.option(0)->setFocus();
    QTest::keyClick(screen.option(0), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    // Only the first three are offered at 66: the arrows stop at Standard Bank.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), screen.option(2));
    // Each arrow chooses the offer it moves to, as a player expects.
    EXPECT_TRUE(screen.option(2)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_TRUE(screen.option(1)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(screen.option(2)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen.cancelButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), screen.okButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen.isVisible(); }));
    EXPECT_EQ(career.career().sponsor, QStringLiteral("Standard Bank"));
    EXPECT_EQ(career.career().sponsorship, 3600);
}

}  // namespace
