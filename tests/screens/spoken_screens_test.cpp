// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets on the screens: each value with the caption that
// labels it, frames as groupings named by their titles, what each dialog is
// for as it opens, and what a match changed told once, without the focus
// moving.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "game/career.h"
#include "game/match.h"
#include "screens/career_in_play.h"
#include "screens/command_button.h"
#include "screens/look.h"
#include "screens/main_screen.h"
#include "screens/match_changes.h"
#include "screens/match_screen.h"
#include "screens/purchase_screen.h"
#include "screens/record_table.h"
#include "screens/records_screen.h"
#include "screens/spoken_notice.h"
#include "screens/sponsors_screen.h"
#include "screens/units_scroll_bar.h"
#include "support/match_on_screen.h"
#include "support/qt_printers.h"
#include "support/scripted_platform.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// English's own plural forms ("1 unit", "5 units"), loaded as the game loads
// them under every language.
class EnglishPlurals {
  public:
    EnglishPlurals() {
        EXPECT_TRUE(translator_.load(QStringLiteral(BAILCREST_ENGLISH_QM)));
        QApplication::installTranslator(&translator_);
    }
    ~EnglishPlurals() { QApplication::removeTranslator(&translator_); }

  private:
    QTranslator translator_;
};

// The widget that a caption labels, as a screen reader finds it.
QWidget* labelledBy(QLabel* caption) {
    const auto relations = accessible(caption)->relations(QAccessible::Labelled);
    return relations.isEmpty() ? nullptr
                               : qobject_cast<QWidget*>(relations.front().first->object());
}

TEST(SpokenScreens, MainScreenValuesAreLabelledByTheirCaptionsInFramesNamedByTheirTitles) {
    ScriptedPlatform scripted;
    MainScreen main(scripted.platform, testCareer(80, 72, 78));
    main.show();
    int values = 0;
    for (QLabel* value : main.findChildren<QLabel*>()) {
        // The main screen's own, not the record book's it owns.
        if (value->window() != &main) continue;
        auto* caption = value->parentWidget()->findChild<QLabel*>(
            QStringLiteral("caption_") + value->objectName(), Qt::FindDirectChildrenOnly);
        if (!caption) continue;
        ++values;
        const std::string where = value->objectName().toStdString();
        EXPECT_EQ(labelledBy(caption), value) << where;
        EXPECT_EQ(caption->buddy(), value) << where;
        // The caption is what the value's description already said.
        EXPECT_EQ(look::accessibleCaption(caption->text()), value->accessibleDescription())
            << where;
        QAccessibleInterface* frame = accessible(value)->parent();
        ASSERT_TRUE(frame) << where;
        EXPECT_EQ(frame->role(), QAccessible::Grouping) << where;
        EXPECT_FALSE(frame->text(QAccessible::Name).isEmpty()) << where;
    }
    // Player, team, category, sponsor, four skills; ten level figures; four
    // of money; nine conditions.
    EXPECT_EQ(values, 8 + 10 + 4 + 9);
    QAccessibleInterface* balance =
        accessible(main.findChild<QLabel*>(QStringLiteral("bankbalance")));
    EXPECT_EQ(balance->parent()->text(QAccessible::Name), QStringLiteral("FINANCE"));
}

TEST(SpokenScreens, MatchScreenTellsItsResultWithTheFocusedOk) {
    ScriptedPlatform scripted;
    CareerInPlay career(testCareer(100, 100, 100));
    scripted.random.draws = {drawFor(60, 100), drawFor(70, 100), drawFor(50, 100)};
    MatchScreen screen(career, scripted.platform, nullptr);
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(QApplication::focusWidget(), screen.okButton());
    EXPECT_EQ(accessible(screen.okButton())->text(QAccessible::Description),
              QStringLiteral("Runs 60, wickets 4, catches 2"));
    auto* runs = screen.findChild<QLabel*>(QStringLiteral("Label4"));
    EXPECT_EQ(labelledBy(screen.findChild<QLabel*>(QStringLiteral("Label3_0"))), runs);
    screen.okButton()->click();
}

class SpokenPurchase : public ::testing::Test {
  protected:
    // Training at club level: 5 batting units at 1500, 15 bowling at 1500,
    // 1 fielding at 1000, 31000 in all, out of 20000.
    Career withTwentyThousand() {
        Career start = testCareer(45, 60, 199);
        start.bankBalance = 20000;
        return start;
    }
    EnglishPlurals plurals;
    ScriptedPlatform scripted;
    CareerInPlay career{withTwentyThousand()};
};

TEST_F(SpokenPurchase, OpensTellingItsRatesAndBalancesAndEachMoveItsUnitsAndBalance) {
    PurchaseScreen screen(PurchaseScreen::training, career, scripted.prompter, nullptr);
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(accessible(&screen)->text(QAccessible::Description),
              QStringLiteral("Batting: 5 units at 1500 (Rs.) each, 7500 (Rs.) in all. "
                             "Bowling: 15 units at 1500 (Rs.) each, 22500 (Rs.) in all. "
                             "Fielding: 1 unit at 1000 (Rs.) each, 1000 (Rs.) in all. "
                             "Balance before purchase (Rs.): 20000. "
                             "Balance after purchase (Rs.): \u202a-11000\u202c."));
    UnitsScrollBar* batting = screen.scrollBar(0);
    ASSERT_EQ(QApplication::focusWidget(), batting);
    EXPECT_EQ(labelledBy(screen.findChild<QLabel*>(QStringLiteral("unitsName_0"))), batting);
    EXPECT_EQ(accessible(batting)->text(QAccessible::Description),
              QStringLiteral("5 units; Balance after purchase (Rs.): \u202a-11000\u202c"));
    // Opening tells nothing of its own; each move tells its units and balance.
    EXPECT_FALSE(screen.movesNotice()->isVisible());
    QTest::keyClick(batting, Qt::Key_Down);
    EXPECT_EQ(accessible(batting)->text(QAccessible::Description),
              QStringLiteral("4 units; Balance after purchase (Rs.): \u202a-9500\u202c"));
    EXPECT_TRUE(screen.movesNotice()->isVisible());
    // The offer was told as the screen opened; the moves tell their own.
    EXPECT_EQ(accessible(&screen)->text(QAccessible::Description), QString());
    EXPECT_EQ(accessible(screen.movesNotice())->text(QAccessible::Name),
              QStringLiteral("4 units; Balance after purchase (Rs.): \u202a-9500\u202c"));
    QTest::keyClick(batting, Qt::Key_Home);
    EXPECT_EQ(accessible(batting)->text(QAccessible::Description),
              QStringLiteral("0 units; Balance after purchase (Rs.): \u202a-3500\u202c"));
    // The key help stays under the mouse, not in every move's words.
    EXPECT_FALSE(batting->toolTip().isEmpty());
    for (const char* balance : {"bbbefore", "bbafter"}) {
        auto* value = screen.findChild<QLabel*>(QString::fromLatin1(balance));
        EXPECT_EQ(labelledBy(screen.findChild<QLabel*>(QStringLiteral("caption_") +
                                                       QString::fromLatin1(balance))),
                  value);
    }
    // Each heading names the box it heads.
    QWidget* rates = screen.findChild<QWidget*>(QStringLiteral("Shape1"));
    EXPECT_EQ(accessible(rates)->role(), QAccessible::Grouping);
    EXPECT_EQ(labelledBy(screen.findChild<QLabel*>(QStringLiteral("heading_rates"))), rates);
}

TEST(SpokenScreens, SponsorshipTellsTheOffersThatCanBeTakenAndEachOptionItsOffer) {
    const EnglishPlurals plurals;
    ScriptedPlatform scripted;
    CareerInPlay career(testCareer(80, 72, 78));
    SponsorsScreen screen(career, scripted.prompter, nullptr);
    int offered = 0;
    for (int i = 0; i < static_cast<int>(sponsors.size()); ++i) {
        QRadioButton* option = screen.option(i);
        EXPECT_EQ(option->accessibleDescription(),
                  QStringLiteral("Offer (Rs.): ") + screen.offerLabel(i)->accessibleName());
        const QString told = sponsors[i].name + QStringLiteral(", ") +
                             screen.offerLabel(i)->accessibleName() + QStringLiteral(" (Rs.)");
        EXPECT_EQ(screen.accessibleDescription().contains(told), option->isEnabled()) << i;
        offered += option->isEnabled();
    }
    ASSERT_GT(offered, 0);
    EXPECT_TRUE(screen.accessibleDescription().startsWith(
        QStringLiteral("%1 sponsor%2 make you an offer: ")
            .arg(offered)
            .arg(offered == 1 ? QString() : QStringLiteral("s"))));

    EXPECT_EQ(labelledBy(screen.findChild<QLabel*>(QStringLiteral("Label2"))),
              screen.findChild<QWidget*>(QStringLiteral("Shape1")));

    CareerInPlay beginner(testCareer(10, 10, 10));
    EXPECT_EQ(SponsorsScreen(beginner, scripted.prompter, nullptr).accessibleDescription(),
              QStringLiteral("No sponsor makes you an offer yet."));
}

TEST(SpokenScreens, AfterAMatchTheMainScreenTellsWhatChangedOnceWithoutMovingTheFocus) {
    ScriptedPlatform scripted;
    MainScreen main(scripted.platform, testCareer(100, 100, 100));
    main.show();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    SpokenNotice* notice = main.changesNotice();
    EXPECT_EQ(accessible(notice)->role(), QAccessible::Notification);
    EXPECT_EQ(notice->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(notice->isVisible());

    const Career before = main.career().career();
    scripted.random.draws.assign(20, 0.2);
    playMatchOnScreen(main);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice->isVisible(); }));
    const QString told = matchChanges(before, main.career().career());
    EXPECT_FALSE(told.isEmpty());
    EXPECT_EQ(accessible(notice)->text(QAccessible::Name), told);
    EXPECT_TRUE(told.startsWith(QStringLiteral("Runs Scored up by "))) << told.toStdString();
    EXPECT_EQ(QApplication::focusWidget(), main.command(MainScreen::Play));
    // Nothing of it is drawn, and nothing of it takes a place in Tab's order.
    EXPECT_TRUE(notice->size().isEmpty());
}

TEST(SpokenScreens, RecordBookTellsEachLevelPlayedAtWithItsFigures) {
    Career start = testCareer(100, 100, 100);
    CareerInPlay fresh(start);
    RecordsScreen unplayed(fresh, nullptr);
    EXPECT_EQ(unplayed.accessibleDescription(),
              QStringLiteral("Club: Matches Played 0, Runs Scored 0, Wickets Taken 0, Catches "
                             "Held 0, Highest Score 0, Batting Average 0, 50s 0, 100s 0, Most "
                             "Wickets 0, 5 Wickets 0."));

    playMatch(start, MatchPerformance{55, 2, 1});
    CareerInPlay played(start);
    RecordsScreen book(played, nullptr);
    const QString told = book.accessibleDescription();
    EXPECT_TRUE(
        told.startsWith(QStringLiteral("Club: Matches Played 1, Runs Scored 55, Wickets "
                                       "Taken 2, Catches Held 1, Highest Score 55")))
        << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("City")));
    // The heading names the table's box, so that the book is told by its figures.
    EXPECT_EQ(labelledBy(book.findChild<QLabel*>(QStringLiteral("Label2_12"))),
              book.findChild<QWidget*>(QStringLiteral("Shape1")));
    EXPECT_EQ(labelledBy(book.findChild<QLabel*>(QStringLiteral("Label3_1"))),
              book.cellLabel(1, Level::club));
}

// The book is a table to a screen reader: each figure a cell with its row's
// caption and its level as headers, found by row and column, in the window
// under the book's box.
TEST(SpokenScreens, RecordBookIsATableWithRowAndColumnHeaders) {
    Career start = testCareer(100, 100, 100);
    playMatch(start, MatchPerformance{55, 2, 1});
    CareerInPlay played(start);
    RecordsScreen book(played, nullptr);
    book.show();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(book.table());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->parent()->object(), &book);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), RecordsScreen::rowCount);
    EXPECT_EQ(cells->columnCount(), levelCount);
    EXPECT_EQ(cells->rowDescription(1), QStringLiteral("Runs Scored"));
    EXPECT_EQ(cells->columnDescription(0), QStringLiteral("Club"));
    EXPECT_EQ(cells->columnDescription(3), QStringLiteral("Country"));
    EXPECT_EQ(cells->cellAt(RecordsScreen::rowCount, 0), nullptr);

    QAccessibleInterface* runs = cells->cellAt(1, 0);
    ASSERT_NE(runs, nullptr);
    EXPECT_EQ(runs->role(), QAccessible::Cell);
    EXPECT_EQ(runs->text(QAccessible::Name), QStringLiteral("55"));
    EXPECT_EQ(runs->parent()->object(), static_cast<QObject*>(book.table()));
    QAccessibleTableCellInterface* cell = runs->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 1);
    EXPECT_EQ(cell->columnIndex(), 0);
    ASSERT_EQ(cell->rowHeaderCells().size(), 1);
    EXPECT_EQ(cell->rowHeaderCells().front()->text(QAccessible::Name),
              QStringLiteral("Runs Scored"));
    EXPECT_EQ(cell->rowHeaderCells().front()->role(), QAccessible::RowHeader);
    ASSERT_EQ(cell->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->columnHeaderCells().front()->text(QAccessible::Name), QStringLiteral("Club"));
    EXPECT_EQ(cell->columnHeaderCells().front()->role(), QAccessible::ColumnHeader);

    // Its children run header row first, then each row's header and figures,
    // each found again by its index.
    EXPECT_EQ(table->childCount(), levelCount + RecordsScreen::rowCount * (levelCount + 1));
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(table->indexOfChild(child), i);
        EXPECT_EQ(child->parent()->object(), static_cast<QObject*>(book.table()));
    }
    // The labels stand where they stood in the window: the cells of a level
    // in its column, under its heading.
    EXPECT_EQ(book.cellLabel(1, Level::club)->mapTo(&book, QPoint()).x(),
              book.findChild<QLabel*>(QStringLiteral("Label14_0"))->mapTo(&book, QPoint()).x());
}

TEST(MatchChanges, TellsFiguresUpAndDownTheBalanceAndWhatNowKeepsThePlayerOut) {
    Career before = testCareer(100, 100, 100);
    before.bankBalance = 5000;
    Career after = before;
    EXPECT_EQ(matchChanges(before, after), QString());

    after.statistics().runs += 16;
    after.statistics().catches += 1;
    after.skills.batting += 2;
    after.skills.fielding -= 1;
    after.bankBalance = 8000;
    EXPECT_EQ(matchChanges(before, after),
              QStringLiteral("Runs Scored up by 16 to 16. Catches Held up by 1 to 1. Batting up "
                             "by 2 to 102. Fielding down by 1 to 99. Bank Balance (Rs) up by "
                             "3000 to 8000."));

    // A worn-out bat is told the match it wears out, not again after.
    Career worn = before;
    worn.gear.bat = 0;
    EXPECT_EQ(matchChanges(before, worn),
              QStringLiteral("Bat worn down to 0; each item of gear must be at least 1."));
    EXPECT_EQ(matchChanges(worn, worn), QString());

    // Overall accessories turning red.
    Career low = before;
    low.gear = {40, 40, 40, 40};
    EXPECT_EQ(matchChanges(before, low),
              QStringLiteral("Overall accessories down to 40, running low."));

    // A promotion starts the statistics afresh: its notice tells the match.
    Career promoted = after;
    promoted.level = Level::city;
    EXPECT_FALSE(matchChanges(before, promoted).contains(QStringLiteral("Runs Scored")));
}

}  // namespace
