// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/career_picker.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "game/shown_numbers.h"
#include "saves/career_file.h"
#include "saves/save_file_io.h"
#include "screens/command_button.h"
#include "support/qt_printers.h"
#include "support/save_fixtures.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

class CareerPickerTest : public ::testing::Test {
  protected:
    QTemporaryDir saves;
    ScriptedPlatform scripted;

    void save(const char* player, Level level, int matches) {
        Career career = testCareer(45, 20, 30);
        career.player = QString::fromUtf8(player);
        placeAtLevel(career, level);
        career.statistics().matches = static_cast<std::int16_t>(matches);
        const QString name = career.player.toLower() + QStringLiteral("_auto.bsg");
        ASSERT_EQ(writeSaveFile(saves.path(), name, saveFileOf(career, true)), std::nullopt);
    }

    QStringList column(const CareerPicker& picker, int column) const {
        QStringList texts;
        const QAbstractItemModel* model = picker.table()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }
};

// The careers of a Saves folder the game can no longer write to are listed
// beside those of the folder new saves go to, marked so, and the player is
// told why new saves go elsewhere.
TEST_F(CareerPickerTest, ListsTheCareersOfAReadOnlyFolderMarkedSo) {
    save("Ravi", Level::city, 9);
    QTemporaryDir readOnly;
    Career kept = testCareer(45, 20, 30);
    kept.player = QStringLiteral("Arjun");
    ASSERT_EQ(
        writeSaveFile(readOnly.path(), QStringLiteral("arjun_auto.bsg"), saveFileOf(kept, true)),
        std::nullopt);
    CareerPicker picker(saves.path(), QStringLiteral("Load"), QStringLiteral("*.bsg"),
                        scripted.prompter, nullptr, readOnly.path());
    QStringList players = column(picker, SavedCareersModel::player);
    players.sort();
    EXPECT_EQ(players, (QStringList{"Arjun", "Ravi"}));
    const QStringList status = column(picker, SavedCareersModel::status);
    EXPECT_EQ(status.filter(QStringLiteral("read-only")).size(), 1)
        << status.join('|').toStdString();
    const auto* where = picker.findChild<QLabel*>(QStringLiteral("savesFolder"));
    ASSERT_NE(where, nullptr);
    EXPECT_TRUE(where->text().contains(shownPath(readOnly.path())));
    EXPECT_TRUE(where->text().contains(QStringLiteral("new saves go to")));
}

TEST_F(CareerPickerTest, ListsEveryCareerSortsByNumbersFiltersAsTypedAndOpensWithEnter) {
    save("Ravi", Level::city, 9);
    save("Arjun", Level::national, 120);
    save("Dev", Level::club, 30);
    QFile notes(saves.path() + QStringLiteral("/notes.bsg"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a save");
    notes.close();

    CareerPicker picker(saves.path(), QStringLiteral("Load"), QStringLiteral("*.bsg"),
                        scripted.prompter, nullptr);
    picker.show();
    EXPECT_EQ(picker.table()->accessibleName(), QStringLiteral("Saved careers"));
    EXPECT_EQ(picker.table()->model()->rowCount(), 4);

    // Matches sort as numbers: 9 before 30 before 120, the file that is no
    // career last.
    picker.table()->sortByColumn(SavedCareersModel::matches, Qt::AscendingOrder);
    EXPECT_EQ(column(picker, SavedCareersModel::player),
              (QStringList{"Ravi", "Dev", "Arjun", QString()}));
    // That file is greyed and cannot be chosen, its reason in its status.
    const QModelIndex notesRow = picker.table()->model()->index(3, SavedCareersModel::status);
    EXPECT_FALSE(notesRow.flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(notesRow.data().toString().isEmpty());
    EXPECT_EQ(column(picker, SavedCareersModel::level)[2], levelName(Level::national));
    picker.table()->sortByColumn(SavedCareersModel::matches, Qt::DescendingOrder);
    EXPECT_EQ(column(picker, SavedCareersModel::player),
              (QStringList{"Arjun", "Dev", "Ravi", QString()}));

    // Typing narrows the list; the first career left is chosen; Enter opens it.
    picker.filterField()->setFocus();
    QTest::keyClicks(picker.filterField(), QStringLiteral("arj"));
    EXPECT_EQ(column(picker, SavedCareersModel::player), QStringList{"Arjun"});
    QTest::keyClick(picker.filterField(), Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.chosenPath(), saves.path() + QStringLiteral("/arjun_auto.bsg"));
}

TEST_F(CareerPickerTest, ArrowsMoveTheListFromTheFindFieldAndBrowseKeepsTheFileDialog) {
    save("Ravi", Level::city, 9);
    save("Dev", Level::club, 30);
    CareerPicker picker(saves.path(), QStringLiteral("Load"), QStringLiteral("*.bsg"),
                        scripted.prompter, nullptr);
    picker.show();
    picker.table()->sortByColumn(SavedCareersModel::player, Qt::AscendingOrder);
    picker.table()->setCurrentIndex(picker.table()->model()->index(0, 0));
    QTest::keyClick(picker.filterField(), Qt::Key_Down);
    EXPECT_EQ(picker.table()->currentIndex().row(), 1);
    // Typing in the table goes to the find field.
    picker.table()->setFocus();
    QTest::keyClicks(picker.table(), QStringLiteral("dev"));
    EXPECT_EQ(picker.filterField()->text(), QStringLiteral("dev"));

    scripted.prompter.chosenFiles = {QStringLiteral("/elsewhere/far.bsg")};
    QTest::mouseClick(picker.browseCommand(), Qt::LeftButton);
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.chosenPath(), QStringLiteral("/elsewhere/far.bsg"));
    EXPECT_EQ(scripted.prompter.owners.back(), &picker);
}

TEST_F(CareerPickerTest, AnEmptyFolderSaysSoOpensNothingAndEscapeCancels) {
    CareerPicker picker(saves.path() + QStringLiteral("/none"), QStringLiteral("Load"),
                        QStringLiteral("*.bsg"), scripted.prompter, nullptr);
    picker.show();
    EXPECT_EQ(picker.table()->model()->rowCount(), 0);
    EXPECT_FALSE(picker.openCommand()->isEnabled());
    QTest::keyClick(picker.filterField(), Qt::Key_Return);
    EXPECT_TRUE(picker.chosenPath().isEmpty());
    EXPECT_TRUE(picker.isVisible());
    // Escape cancels, from the find field as from anywhere.
    QTest::keyClick(picker.filterField(), Qt::Key_Escape);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Rejected);
}

}  // namespace
