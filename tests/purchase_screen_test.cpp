#include "manage/purchase_screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "core/career_record.h"
#include "manage/purchase_centres.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "ui/command_button.h"
#include "ui/look.h"

namespace {

class PurchaseScreenTest : public ::testing::Test {
  protected:
    PurchaseScreenTest() {
        record.set(Field::bankbalance, QStringLiteral("20000"));
        record.set(Label2(0), QStringLiteral("45"));
        record.set(Label2(1), QStringLiteral("60"));
        record.set(Label2(2), QStringLiteral("199"));
    }

    // Training at club level: 5 batting units at 1500, 15 bowling at 1500,
    // 1 fielding at 1000, 31000 in all.
    std::unique_ptr<PurchaseScreen> open(const PurchaseCentre& centre) {
        auto screen = std::make_unique<PurchaseScreen>(centre, record, scripted.prompter, nullptr);
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return screen;
    }

    static QString text(QLabel* label) { return label->text(); }

    ScriptedPlatform scripted;
    CareerRecord record;
};

QRect upArrow(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine,
                                        bar);
}

TEST_F(PurchaseScreenTest, OpensProposingEveryOfferedUnit) {
    auto screen = open(purchase_centres::training());
    const char* offered[] = {"5", "15", "1"};
    const char* rates[] = {"1500", "1500", "1000"};
    const char* amounts[] = {"7500", "22500", "1000"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(text(screen->unitsOfferedLabel(row)), QString::fromLatin1(offered[row]));
        EXPECT_EQ(text(screen->rateLabel(row)), QString::fromLatin1(rates[row]));
        EXPECT_EQ(text(screen->amountLabel(row)), QString::fromLatin1(amounts[row]));
        EXPECT_EQ(screen->unitsBox(row)->text(), QString::fromLatin1(offered[row]));
        EXPECT_TRUE(screen->unitsBox(row)->isReadOnly());
        QScrollBar* bar = screen->scrollBar(row);
        EXPECT_EQ(bar->orientation(), Qt::Vertical);
        EXPECT_EQ(bar->minimum(), -QString::fromLatin1(offered[row]).toInt());
        EXPECT_EQ(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), bar->minimum());  // at the top
        EXPECT_FALSE(bar->hasTracking());
    }
    EXPECT_EQ(text(screen->balanceBeforeLabel()), QStringLiteral("20000"));
    EXPECT_EQ(text(screen->balanceAfterLabel()), QStringLiteral("-11000"));
    EXPECT_EQ(screen->balanceAfterLabel()->accessibleName(), QStringLiteral("-11000"));
}

TEST_F(PurchaseScreenTest, EachScreenShowsItsOwnTexts) {
    const struct {
        const PurchaseCentre& (*centre)();
        const char* objectName;
        const char* title;
        const char* ratesHeading;
        const char* orderHeading;
        const char* unitsTitle;
        const char* ok;
        const char* cancel;
        std::vector<const char*> rows;
    } cases[] = {
        {purchase_centres::training,
         "Training",
         "Bailcrest: Training Centre",
         "TRAINING CENTRE RATES",
         "UNITS YOU INTEND TO DEVELOP",
         "Available Units",
         "&OK",
         "&Cancel",
         {"Batting:", "Bowling:", "Fielding:"}},
        {purchase_centres::store,
         "Store",
         "Bailcrest: Cricket Store",
         "CRICKET GEAR STORE",
         "UNITS YOU INTEND TO BUY",
         "Required Units",
         "&OK",
         "&Cancel",
         {"Bat:", "Gloves:", "Pads:", "Others:"}},
        {purchase_centres::health,
         "Health",
         "Bailcrest: Health Care",
         "HEALTH CARE CENTRE",
         "UNITS YOU INTEND TO BUY",
         "Required Units",
         "OK",
         "Cancel",
         {"Fitness:", "Health:", "Stamina:"}},
    };
    for (const auto& c : cases) {
        auto screen = open(c.centre());
        SCOPED_TRACE(c.title);
        EXPECT_EQ(screen->objectName(), QString::fromLatin1(c.objectName));
        EXPECT_EQ(screen->windowTitle(), QString::fromLatin1(c.title));
        const auto caption = [&](const char* name) {
            auto* label = screen->findChild<QLabel*>(QString::fromLatin1(name));
            return label ? label->text() : QString();
        };
        EXPECT_EQ(caption("heading_rates"), QString::fromLatin1(c.ratesHeading));
        EXPECT_EQ(caption("heading_order"), QString::fromLatin1(c.orderHeading));
        EXPECT_EQ(caption("title_0"), QStringLiteral("Particulars"));
        EXPECT_EQ(caption("title_1"), QString::fromLatin1(c.unitsTitle));
        EXPECT_EQ(caption("title_2"), QStringLiteral("Rate (Rs.)"));
        EXPECT_EQ(caption("title_3"), QStringLiteral("Amount (Rs.)"));
        EXPECT_EQ(caption("caption_bbbefore"), QStringLiteral("Balance before purchase (Rs.):"));
        EXPECT_EQ(caption("caption_bbafter"), QStringLiteral("Balance after purchase (Rs.):"));
        EXPECT_EQ(screen->okButton()->text(), QString::fromLatin1(c.ok));
        EXPECT_EQ(screen->cancelButton()->text(), QString::fromLatin1(c.cancel));
        EXPECT_EQ(screen->okButton()->accessibleName(), QStringLiteral("OK"));
        // OK at the right, Cancel at the left.
        EXPECT_GT(screen->okButton()->x(), screen->cancelButton()->x());
        ASSERT_EQ(screen->rowCount(), static_cast<int>(c.rows.size()));
        for (int row = 0; row < screen->rowCount(); ++row) {
            const QString name = QString::fromLatin1(c.rows[row]);
            EXPECT_EQ(caption(QStringLiteral("name_%1").arg(row).toLatin1()), name);
            EXPECT_EQ(caption(QStringLiteral("unitsName_%1").arg(row).toLatin1()), name);
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
    auto screen = open(purchase_centres::store());
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
    auto screen = open(purchase_centres::training());
    QScrollBar* bowling = screen->scrollBar(1);

    QTest::keyClick(bowling, Qt::Key_Down);
    QTest::keyClick(bowling, Qt::Key_Down);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("13"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("-8000"));

    QTest::keyClick(bowling, Qt::Key_Up);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("14"));

    // The up arrow adds a unit; the top stops at the units offered.
    QTest::mouseClick(bowling, Qt::LeftButton, {}, upArrow(bowling).center());
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("15"));
    QTest::mouseClick(bowling, Qt::LeftButton, {}, upArrow(bowling).center());
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("15"));

    bowling->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(screen->unitsBox(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("11500"));
    // The rate card stays as it opened.
    EXPECT_EQ(screen->unitsOfferedLabel(1)->text(), QStringLiteral("15"));
    EXPECT_EQ(screen->amountLabel(1)->text(), QStringLiteral("22500"));

    // A dragged thumb counts once it is let go.
    QScrollBar* batting = screen->scrollBar(0);
    batting->setSliderDown(true);
    batting->setSliderPosition(-2);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("5"));
    batting->setSliderDown(false);
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("2"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("16000"));
}

TEST_F(PurchaseScreenTest, OkRefusesAShortageAndKeepsTheScreenAsItWas) {
    auto screen = open(purchase_centres::training());
    const CareerRecord before = record;
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(scripted.prompter.notices,
              QStringList{QStringLiteral("You don't have enough money to buy the units.")});
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->unitsBox(0)->text(), QStringLiteral("5"));
    EXPECT_EQ(screen->balanceAfterLabel()->text(), QStringLiteral("-11000"));
    for (int i = 0; i < fieldCount; ++i) {
        EXPECT_EQ(record.text(static_cast<Field>(i)), before.text(static_cast<Field>(i))) << i;
    }
}

TEST_F(PurchaseScreenTest, OkWithEnoughMoneyWritesThePurchaseAndCloses) {
    auto screen = open(purchase_centres::training());
    screen->scrollBar(1)->triggerAction(QAbstractSlider::SliderToMaximum);
    // 7500 for batting and 1000 for fielding leave 11500.
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_TRUE(scripted.prompter.messages.isEmpty());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(record.text(Label2(0)), QStringLiteral("50"));
    EXPECT_EQ(record.text(Label2(1)), QStringLiteral("60"));
    EXPECT_EQ(record.text(Label2(2)), QStringLiteral("200"));
    EXPECT_EQ(record.text(Field::bankbalance), QStringLiteral("11500"));
    EXPECT_EQ(record.text(Field::skill), QStringLiteral("103"));
}

TEST_F(PurchaseScreenTest, CancelEscapeAndTheCloseBoxWriteNothing) {
    const CareerRecord before = record;
    const std::function<void(PurchaseScreen&)> ways[] = {
        [](PurchaseScreen& s) { QTest::mouseClick(s.cancelButton(), Qt::LeftButton); },
        [](PurchaseScreen& s) { QTest::keyClick(s.scrollBar(0), Qt::Key_Escape); },
        [](PurchaseScreen& s) { s.close(); },
    };
    record.set(Field::bankbalance, QStringLiteral("1000000"));
    for (const auto& leave : ways) {
        auto screen = open(purchase_centres::training());
        leave(*screen);
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(screen->result(), QDialog::Rejected);
        EXPECT_EQ(record.text(Label2(0)), before.text(Label2(0)));
        EXPECT_EQ(record.text(Field::bankbalance), QStringLiteral("1000000"));
    }
}

TEST_F(PurchaseScreenTest, TabReachesEveryScrollBarAndCommandInScreenOrder) {
    auto screen = open(purchase_centres::store());
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
}

TEST_F(PurchaseScreenTest, EnterAndTheAccessKeyChooseOk) {
    record.set(Field::bankbalance, QStringLiteral("31000"));
    auto screen = open(purchase_centres::training());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    QTest::keyClick(screen->scrollBar(0), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->isVisible(); }));
    EXPECT_EQ(record.text(Field::bankbalance), QStringLiteral("0"));

    record.set(Field::bankbalance, QStringLiteral("0"));
    auto again = open(purchase_centres::training());
    ASSERT_TRUE(QTest::qWaitForWindowActive(again.get()));
    QTest::keyClick(again.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scripted.prompter.notices.size() == 1; }));
    EXPECT_TRUE(again->isVisible());
}

}  // namespace
