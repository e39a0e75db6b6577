// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/purchase_screen.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "game/career.h"
#include "game/ratings.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/units_scroll_bar.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

// Training at club level: 5 batting units at 1500, 15 bowling at 1500,
// 1 fielding at 1000, 31000 in all.
Career withTwentyThousand() {
    Career career = testCareer(45, 60, 199);
    career.bankBalance = 20000;
    return career;
}

class PurchaseScreenTest : public ::testing::Test {
  protected:
    std::unique_ptr<PurchaseScreen> open(PurchaseScreen::Centre centre) {
        auto screen = std::make_unique<PurchaseScreen>(centre, career, scripted.prompter, nullptr);
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return screen;
    }

    void setBalance(double balance) {
        career.update([balance](Career& c) { c.bankBalance = balance; });
    }

    static QString text(QLabel* label) { return label->text(); }

    ScriptedPlatform scripted;
    CareerInPlay career{withTwentyThousand()};
};

// The centre of the arrow the player sees at the top of the bar, or at its
// bottom, whichever way the style names them.
QPoint arrow(QScrollBar* bar, bool top) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    const auto place = [&](QStyle::SubControl part) {
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    };
    QRect upper = place(QStyle::SC_ScrollBarSubLine);
    QRect lower = place(QStyle::SC_ScrollBarAddLine);
    if (upper.top() > lower.top()) std::swap(upper, lower);
    return (top ? upper : lower).center();
}

int accessibleUnits(QScrollBar* bar) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(bar);
    if (!node || !node->valueInterface()) {
        ADD_FAILURE() << "no accessible value";
        return -1;
    }
    return node->valueInterface()->currentValue().toInt();
}

TEST_F(PurchaseScreenTest, OpensProposingEveryOfferedUnit) {
    auto screen = open(PurchaseScreen::training);
    const int offered[] = {5, 15, 1};
    const char* rates[] = {"1500", "1500", "1000"};
    const char* amounts[] = {"7500", "22500", "1000"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(text(screen->unitsOfferedLabel(row)), QString::number(offered[row]));
        EXPECT_EQ(text(screen->rateLabel(row)), QString::fromLatin1(rates[row]));
        EXPECT_EQ(text(screen->amountLabel(row)), QString::fromLatin1(amounts[row]));
        EXPECT_EQ(screen->unitsBox(row)->text(), QString::number(offered[row]));
        EXPECT_TRUE(screen->unitsBox(row)->isReadOnly());
        UnitsScrollBar* bar = screen->scrollBar(row);
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), offered[row]);
        // At the top, where every offered unit stands.
        EXPECT_EQ(bar->value(), offered[row]);
        EXPECT_TRUE(bar->invertedAppearance());
        EXPECT_FALSE(bar->hasTracking());
        EXPECT_EQ(accessibleUnits(bar), offered[row]);
    }
    EXPECT_EQ(text(screen->balanceBeforeLabel()), QStringLiteral("20000"));
    EXPECT_EQ(text(screen->balanceAfterLabel()), QStringLiteral("\u202a-11000\u202c"));
    EXPECT_EQ(screen->balanceAfterLabel()->accessibleName(), QStringLiteral("\u202a-11000\u202c"));
}

TEST_F(PurchaseScreenTest, EachScreenShowsItsOwnTexts) {
    const struct {
        PurchaseScreen::Centre centre;
        const char* objectName;
        const char* title;
        const char* ratesHeading;
        const char* orderHeading;
        const char* unitsTitle;
        const char* ok;
        const char* cancel;
        std::vector<const char*> rows;
    } cases[] = {
        {PurchaseScreen::training,
         "Training",
         "Bailcrest: Training Centre",
         "TRAINING CENTRE RATES",
         "UNITS YOU INTEND TO DEVELOP",
         "Available Units",
         "&OK",
         "&Cancel",
         {"Batting:", "Bowling:", "Fielding:"}},
        {PurchaseScreen::store,
         "Store",
         "Bailcrest: Cricket Store",
         "CRICKET GEAR STORE",
         "UNITS YOU INTEND TO BUY",
         "Required Units",
         "&OK",
         "&Cancel",
         {"Bat:", "Gloves:", "Pads:", "Others:"}},
        {PurchaseScreen::health,
         "Health",
         "Bailcrest: Health Care",
         "HEALTH CARE CENTRE",
         "UNITS YOU INTEND TO BUY",
         "Required Units",
         "&OK",
         "&Cancel",
         {"Fitness:", "Health:", "Stamina:"}},
    };
    for (const auto& c : cases) {
        auto screen = open(c.centre);
        SCOPED_TRACE(c.title);
        EXPECT_EQ(screen->objectName(), QString::fromLatin1(c.objectName));
        EXPECT_EQ(screen->windowTitle(), QString::fromLatin1(c.title));
        const auto caption = [&](const QString& name) {
            auto* label = screen->findChild<QLabel*>(name);
            return label ? label->text() : QString();
        };
        EXPECT_EQ(caption(QStringLiteral("heading_rates")), QString::fromLatin1(c.ratesHeading));
        EXPECT_EQ(caption(QStringLiteral("heading_order")), QString::fromLatin1(c.orderHeading));
        EXPECT_EQ(caption(QStringLiteral("title_0")), QStringLiteral("Particulars"));
        EXPECT_EQ(caption(QStringLiteral("title_1")), QString::fromLatin1(c.unitsTitle));
        EXPECT_EQ(caption(QStringLiteral("title_2")), QStringLiteral("Rate (Rs.)"));
        EXPECT_EQ(caption(QStringLiteral("title_3")), QStringLiteral("Amount (Rs.)"));
        EXPECT_EQ(caption(QStringLiteral("caption_bbbefore")),
                  QStringLiteral("Balance before purchase (Rs.):"));
        EXPECT_EQ(caption(QStringLiteral("caption_bbafter")),
                  QStringLiteral("Balance after purchase (Rs.):"));
        EXPECT_EQ(screen->okButton()->text(), QString::fromLatin1(c.ok));
        EXPECT_EQ(screen->cancelButton()->text(), QString::fromLatin1(c.cancel));
        EXPECT_EQ(screen->okButton()->accessibleName(), QStringLiteral("OK"));
        // OK at the right, Cancel at the left.
        EXPECT_GT(screen->okButton()->x(), screen->cancelButton()->x());
        ASSERT_EQ(screen->rowCount(), static_cast<int>(c.rows.size()));
        for (int row = 0; row < screen->rowCount(); ++row) {
            const QString name = QString::fromLatin1(c.rows[row]);
            EXPECT_EQ(caption(QStringLiteral("name_%1").arg(row)), name);
            EXPECT_EQ(caption(QStringLiteral("unitsName_%1").arg(row)), name);
            EXPECT_EQ(screen->scrollBar(row)->accessibleName(), look::accessibleCaption(name));
        }
        // Two units boxes to a line, in row order.
        EXPECT_EQ(screen->unitsBox(0)->y(), screen->unitsBox(1)->y());
        EXPECT_LT(screen->unitsBox(0)->x(), screen->unitsBox(1)->x());
        EXPECT_GT(screen->unitsBox(2)->y(), screen->unitsBox(0)->y());
        EXPECT_EQ(screen->unitsBox(2)->x(), screen->unitsBox(0)->x());
    }
}

TEST_F(PurchaseScreenTest, ColoursFollowTheHouseStyle) {
    auto screen = open(PurchaseScreen::store);
    const auto colour = [&](const char* name) {
        return screen->findChild<QLabel*>(QString::fromLatin1(name))
            ->palette()
            .color(QPalette::WindowText);
    };
    EXPECT_EQ(screen->palette().color(QPalette::Window), look::navy);
    EXPECT_EQ(colour("heading_rates"), look::green);
    EXPECT_EQ(colour("heading_order"), look::green);
    EXPECT_EQ(colour("title_1"), look::lightGrey);
    EXPECT_EQ(colour("name_3"), look::lightGrey);
    EXPECT_EQ(colour("caption_bbafter"), look::lightGrey);
    EXPECT_EQ(colour("Label3_3"), look::lightYellow);
    EXPECT_EQ(colour("Label4_0"), look::lightYellow);
    EXPECT_EQ(colour("Label5_2"), look::lightYellow);
    EXPECT_EQ(colour("bbbefore"), look::lightYellow);
    EXPECT_EQ(colour("bbafter"), look::lightYellow);
    QLineEdit* box = screen->unitsBox(0);
    EXPECT_EQ(box->palette().color(QPalette::Base), look::navy);
    EXPECT_EQ(box->palette().color(QPalette::Text), look::red);
}

TEST_F(PurchaseScreenTest, TheScrollBarsSetTheUnitsAndTheBalanceAfter) {
    auto screen = open(PurchaseScreen::training);
    UnitsScrollBar* bowling = screen->scrollBar(1);

    QTest::keyClick(bowling, Qt::Key_Down);
    QTest::keyClick(bowling, Qt::Key_Down);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("13"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("\u202a-8000\u202c"));

    QTest::keyClick(bowling, Qt::Key_Up);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("14"));

    // The up arrow adds a unit; the top stops at the units offered.
    QTest::mouseClick(bowling, Qt::LeftButton, {}, arrow(bowling, true));
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("15"));
    QTest::mouseClick(bowling, Qt::LeftButton, {}, arrow(bowling, true));
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("15"));

    bowling->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("11500"));
    // The rate card stays as it opened.
    EXPECT_EQ(screen->unitsOfferedLabel(1)->text(), QStringLiteral("15"));
    EXPECT_EQ(screen->amountLabel(1)->text(), QStringLiteral("22500"));

    // A dragged thumb counts once it is let go.
    UnitsScrollBar* batting = screen->scrollBar(0);
    batting->setSliderDown(true);
    batting->setSliderPosition(2);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("5"));
    batting->setSliderDown(false);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("2"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("16000"));

    // Home takes every unit away and End proposes them all again, as Home
    // and End mean the least and the most on the player screen's bars.
    QTest::keyClick(batting, Qt::Key_Home);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("0"));
    QTest::keyClick(batting, Qt::Key_End);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("5"));
}

// Page Up and Page Down move ten units on every purchase bar, stopping at
// the ends, and each bar's tooltip says so.
TEST_F(PurchaseScreenTest, PageUpAndPageDownMoveTenUnits) {
    for (const PurchaseScreen::Centre centre :
         {PurchaseScreen::training, PurchaseScreen::store, PurchaseScreen::health}) {
        auto screen = open(centre);
        UnitsScrollBar* bar = screen->scrollBar(0);
        EXPECT_TRUE(bar->toolTip().contains(QStringLiteral("Page Up"))) << centre;
        bar->setRange(0, 74);
        bar->setValue(74);
        const struct {
            Qt::Key key;
            int units;
        } presses[] = {{Qt::Key_PageDown, 64}, {Qt::Key_PageDown, 54}, {Qt::Key_PageUp, 64},
                       {Qt::Key_Home, 0},      {Qt::Key_PageDown, 0},  {Qt::Key_PageUp, 10},
                       {Qt::Key_Up, 11},       {Qt::Key_End, 74},      {Qt::Key_PageUp, 74}};
        for (const auto& press : presses) {
            QTest::keyClick(bar, press.key);
            EXPECT_EQ(screen->unitsBox(0)->text(), QString::number(press.units)) << press.key;
        }
    }
}

// A screen reader hears the units the bar stands at, the same number as the
// box beside it shows, and the arrows move it the way they point.
TEST_F(PurchaseScreenTest, EachBarTellsScreenReadersTheUnitsChosen) {
    auto screen = open(PurchaseScreen::training);
    UnitsScrollBar* bowling = screen->scrollBar(1);
    QTest::keyClick(bowling, Qt::Key_Down);
    QTest::keyClick(bowling, Qt::Key_Down);
    EXPECT_EQ(accessibleUnits(bowling), 13);

    QTest::mouseClick(bowling, Qt::LeftButton, {}, arrow(bowling, true));
    EXPECT_EQ(accessibleUnits(bowling), 14);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("14"));

    QTest::mouseClick(bowling, Qt::LeftButton, {}, arrow(bowling, false));
    QTest::mouseClick(bowling, Qt::LeftButton, {}, arrow(bowling, false));
    EXPECT_EQ(accessibleUnits(bowling), 12);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("12"));

    UnitsScrollBar* fielding = screen->scrollBar(2);
    QTest::mouseClick(fielding, Qt::LeftButton, {}, arrow(fielding, false));
    EXPECT_EQ(accessibleUnits(fielding), 0);
    QTest::mouseClick(fielding, Qt::LeftButton, {}, arrow(fielding, false));
    EXPECT_EQ(accessibleUnits(fielding), 0);
    QTest::mouseClick(fielding, Qt::LeftButton, {}, arrow(fielding, true));
    EXPECT_EQ(accessibleUnits(fielding), 1);
}

TEST_F(PurchaseScreenTest, OkRefusesAShortageAndKeepsTheScreenAsItWas) {
    auto screen = open(PurchaseScreen::training);
    const Career before = career.career();
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(scripted.prompter.notices,
              QStringList{QStringLiteral("You don't have enough money to buy the units.")});
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("5"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("\u202a-11000\u202c"));
    EXPECT_TRUE(career.career() == before);
}

TEST_F(PurchaseScreenTest, OkWithEnoughMoneyWritesThePurchaseAndCloses) {
    auto screen = open(PurchaseScreen::training);
    screen->scrollBar(1)->triggerAction(QAbstractSlider::SliderToMinimum);
    // 7500 for batting and 1000 for fielding leave 11500.
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    const Career& after = career.career();
    EXPECT_EQ(after.skills, (Skills{50, 60, 200}));
    EXPECT_EQ(after.bankBalance, 11500);
    EXPECT_EQ(overallSkill(after.skills), 103);
}

TEST_F(PurchaseScreenTest, CancelEscapeAndTheCloseBoxWriteNothing) {
    const std::function<void(PurchaseScreen&)> ways[] = {
        [](PurchaseScreen& s) { QTest::mouseClick(s.cancelButton(), Qt::LeftButton); },
        [](PurchaseScreen& s) { QTest::keyClick(s.scrollBar(0), Qt::Key_Escape); },
        [](PurchaseScreen& s) { s.close(); },
    };
    setBalance(1000000);
    const Career before = career.career();
    for (const auto& leave : ways) {
        auto screen = open(PurchaseScreen::training);
        leave(*screen);
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(screen->result(), QDialog::Rejected);
        EXPECT_EQ(career.career().skills.batting, before.skills.batting);
        EXPECT_EQ(career.career().bankBalance, 1000000);
    }
}

TEST_F(PurchaseScreenTest, TabReachesEveryScrollBarAndCommandInScreenOrder) {
    auto screen = open(PurchaseScreen::store);
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    screen->scrollBar(0)->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"VScroll1_0", "VScroll1_1", "VScroll1_2", "VScroll1_3",
                                  "Label1_1", "Label1_0", "VScroll1_0"}));
    // The focused row is marked, so the player sees which units the arrows change.
    const auto cueShown = [&](int row) {
        return screen->findChild<QWidget*>(QStringLiteral("focusCue_%1").arg(row))->isVisible();
    };
    EXPECT_EQ(QApplication::focusWidget(), screen->scrollBar(1));
    EXPECT_TRUE(cueShown(1));
    EXPECT_FALSE(cueShown(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(cueShown(1));
    EXPECT_TRUE(cueShown(2));
    // A click on a row's units gives its bar the keys.
    QTest::mouseClick(screen->unitsBox(3), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), screen->scrollBar(3));
    EXPECT_TRUE(cueShown(3));
}

TEST_F(PurchaseScreenTest, EnterAndTheAccessKeyChooseOk) {
    setBalance(31000);
    auto screen = open(PurchaseScreen::training);
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    QTest::keyClick(screen->scrollBar(0), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->isVisible(); }));
    EXPECT_EQ(career.career().bankBalance, 0);

    setBalance(0);
    auto again = open(PurchaseScreen::training);
    ASSERT_TRUE(QTest::qWaitForWindowActive(again.get()));
    QTest::keyClick(again.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scripted.prompter.notices.size() == 1; }));
    EXPECT_TRUE(again->isVisible());

    // Every centre has the same access keys: Alt+C leaves, Alt+O buys.
    for (const PurchaseScreen::Centre centre : {PurchaseScreen::store, PurchaseScreen::health}) {
        auto leaving = open(centre);
        ASSERT_TRUE(QTest::qWaitForWindowActive(leaving.get()));
        QTest::keyClick(leaving.get(), Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !leaving->isVisible(); })) << centre;
        EXPECT_EQ(leaving->result(), QDialog::Rejected) << centre;
        auto buying = open(centre);
        ASSERT_TRUE(QTest::qWaitForWindowActive(buying.get()));
        // OK answers: it buys, or tells that the money is short.
        QTest::keyClick(buying.get(), Qt::Key_O, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return !buying->isVisible() || scripted.prompter.notices.size() == 2;
        })) << centre;
        if (scripted.prompter.notices.size() == 2) scripted.prompter.notices.removeLast();
        buying->reject();
    }
}

// Opened with more units proposed than the balance pays for, the screen
// says how many it does pay for; opened with an order it pays, nothing.
TEST_F(PurchaseScreenTest, AnOrderTheBalanceCannotPaySaysHowManyUnitsItPays) {
    setBalance(31000);
    auto paid = open(PurchaseScreen::training);
    EXPECT_EQ(paid->payableLabel(), nullptr);
    setBalance(0);
    auto none = open(PurchaseScreen::training);
    ASSERT_NE(none->payableLabel(), nullptr);
    EXPECT_EQ(none->payableLabel()->text(),
              QStringLiteral("The most units the balance pays for: 0."));
    EXPECT_TRUE(none->payableLabel()->isVisible());
    // Every unit but the dearest: one short of them all.
    const Purchase opening(purchase_centres::training(), career.career());
    const std::vector<PurchaseRow>& rows = opening.rows();
    int dearest = 0;
    int offered = 0;
    for (const PurchaseRow& row : rows) {
        dearest = std::max(dearest, row.unitsOffered > 0 ? row.rate : 0);
        offered += row.unitsOffered;
    }
    setBalance(31000 - dearest);
    auto short1 = open(PurchaseScreen::training);
    ASSERT_NE(short1->payableLabel(), nullptr);
    EXPECT_EQ(short1->payableLabel()->text(),
              QStringLiteral("The most units the balance pays for: %1.").arg(offered - 1));
    // The window grows by the line, whose words all show.
    EXPECT_GT(short1->height(), paid->height());
    EXPECT_LE(short1->payableLabel()->sizeHint().width(), short1->payableLabel()->width());
}

// Training at club level costs 31000 with every offered unit: the figures
// shown and written for whole balances within 32 bits are those the screen
// has always shown and written.
TEST_F(PurchaseScreenTest, WholeBalancesWithin32BitsShowAndWriteTheSameFiguresAsEver) {
    const struct {
        double bank;
        const char* before;
        const char* after;
        double bankAfterOk;  // the bank as it was when OK is refused
    } cases[] = {{20000, "20000", "\u202a-11000\u202c", 20000},
                 {31000, "31000", "0", 0},
                 {0, "0", "\u202a-31000\u202c", 0},
                 {-1, "\u202a-1\u202c", "\u202a-31001\u202c", -1},
                 {2147483647, "2147483647", "2147452647", 2147452647},
                 {-2147452648, "\u202a-2147452648\u202c", "\u202a-2147483648\u202c", -2147452648}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        career.update([&c](Career& changed) {
            changed = withTwentyThousand();
            changed.bankBalance = c.bank;
        });
        scripted.prompter.notices.clear();
        auto screen = open(PurchaseScreen::training);
        EXPECT_EQ(text(screen->balanceBeforeLabel()), QString::fromUtf8(c.before));
        EXPECT_EQ(text(screen->balanceAfterLabel()), QString::fromUtf8(c.after));
        QTest::mouseClick(screen->okButton(), Qt::LeftButton);
        const bool bought = !QString::fromUtf8(c.after).contains(QLatin1Char('-'));
        EXPECT_EQ(scripted.prompter.notices.isEmpty(), bought);
        EXPECT_EQ(screen->isVisible(), !bought);
        EXPECT_EQ(career.career().bankBalance, c.bankAfterOk);
    }
}

// Past 32 bits and with a fraction the balances are shown in full (in the
// accessible name, whatever room the label has) and OK takes exactly the
// total cost from the bank.
TEST_F(PurchaseScreenTest, ABalanceBeyond32BitsChangesByExactlyTheCost) {
    const struct {
        const char* name;
        Level level;
        Skills skills;
        double bank;
        const char* before;
        const char* after;
        double bankAfterOk;
    } cases[] = {
        // 25 batting and 22 bowling units at 3000.
        {"a hand-edited fortune",
         Level::city,
         {75, 128, 200},
         5000000000,
         "5000000000",
         "4999859000",
         4999859000},
        {"the money limit",
         Level::club,
         {45, 60, 199},
         999999999999999,
         "999999999999999",
         "999999999968999",
         999999999968999},
        {"a fraction of a rupee", Level::club, {45, 60, 199}, 31000.5, "31000.5", "0.5", 0.5},
        {"the deepest debt",
         Level::club,
         {45, 60, 199},
         -999999999999999,
         "\u202a-999999999999999\u202c",
         "\u202a-999999999999999\u202c",
         -999999999999999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        career.update([&c](Career& changed) {
            placeAtLevel(changed, c.level);
            changed.skills = c.skills;
            changed.bankBalance = c.bank;
        });
        scripted.prompter.notices.clear();
        auto screen = open(PurchaseScreen::training);
        EXPECT_EQ(screen->balanceBeforeLabel()->accessibleName(), QString::fromUtf8(c.before));
        EXPECT_EQ(screen->balanceAfterLabel()->accessibleName(), QString::fromUtf8(c.after));
        QTest::mouseClick(screen->okButton(), Qt::LeftButton);
        const bool bought = !QString::fromUtf8(c.after).contains(QLatin1Char('-'));
        EXPECT_EQ(scripted.prompter.notices.isEmpty(), bought);
        EXPECT_EQ(career.career().bankBalance, c.bankAfterOk);
    }
}

}  // namespace
