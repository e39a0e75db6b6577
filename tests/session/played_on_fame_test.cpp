// SPDX-License-Identifier: GPL-3.0-or-later
// A career the enquiry ended, loaded again from its save as it stood before
// the enquiry and played on, is one career in the hall of fame.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "game/match.h"
#include "saves/hall_of_fame_file.h"
#include "saves/saved_careers.h"
#include "saves/saves_folder.h"
#include "session/career_session.h"
#include "session/load_career.h"
#include "support/chosen_match.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

TEST(PlayedOnAfterItsEnd, AnEndedCareerLoadedAndPlayedOnStaysOneRowOfTheHallOfFame) {
    QTemporaryDir program;
    const QString saves = savesFolder(program.path());
    const AutoSave autoSave{true, QStringLiteral("arjun_auto.bsg")};
    Career start = testCareer(70, 60, 50);
    start.player = QStringLiteral("Arjun");
    const QString savePath = QDir(saves).filePath(autoSave.fileName);
    {
        // The first game, which lets go of the career when it ends.
        CareerSession first(start, autoSave, SaveTarget{saves, false, {}});
        ASSERT_TRUE(confirmChosenMatch(first, MatchPerformance{40, 1, 0}).saved);
        ASSERT_TRUE(confirmChosenMatch(first, MatchPerformance{55, 2, 1}).saved);
        ASSERT_FALSE(first.enterHallOfFame(CareerEnding::caughtByTheEnquiry).failure);
    }

    // Load reads the save as it stood before the enquiry, which the list
    // marks ended.
    ASSERT_TRUE(listSavedCareers(saves).at(0).ended);
    ScriptedRandom random;
    random.draws = {0.0, 0.0};
    CareerLoading loading = loadCareer(savePath, program.path(), random);
    ASSERT_TRUE(loading.loaded) << loading.error.toStdString();
    LoadedCareer& loaded = *loading.loaded;
    CareerSession again(loaded.career, loaded.autoSave, loaded.target,
                        std::move(loaded.history.history), loaded.history.leftOut);
    ASSERT_EQ(again.claimSaveFile().standing, SaveClaim::Standing::clear);
    ASSERT_TRUE(confirmChosenMatch(again, MatchPerformance{30, 0, 2}).saved);

    // Played on: one row, going on with the third match, and the list says
    // it was played on after its end.
    const HallOfFameUpdate seen = rememberSavedCareers(saves);
    ASSERT_EQ(seen.entries.size(), 1u);
    EXPECT_FALSE(seen.entries[0].ended);
    EXPECT_EQ(seen.entries[0].matches, 3);
    EXPECT_EQ(seen.entries[0].runs, 125);
    EXPECT_EQ(seen.entries[0].endedAfter, 2);
    const SavedCareer listed = listSavedCareers(saves).at(0);
    EXPECT_FALSE(listed.ended);
    EXPECT_TRUE(listed.playedOnAfterItsEnd);

    // Its end, when it comes, is still the one row.
    const HallOfFameUpdate ended = again.enterHallOfFame(CareerEnding::dropped);
    ASSERT_FALSE(ended.failure);
    ASSERT_EQ(readHallOfFame(hallOfFamePath(saves)).entries.size(), 1u);
    EXPECT_TRUE(readHallOfFame(hallOfFamePath(saves)).entries[0].ended);
    EXPECT_EQ(readHallOfFame(hallOfFamePath(saves)).entries[0].matches, 3);
}

}  // namespace
