// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/load_career.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/match.h"
#include "saves/history_file.h"
#include "saves/save_career.h"
#include "support/qt_printers.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// A saved career comes back with its history from the file beside it, saving
// itself where it was found, as it saved itself before; a file that is not a
// save file gives the sentence that tells the player so, and no career.
TEST(LoadingACareer, BringsItBackWithItsHistoryAndWhereItSaves) {
    QTemporaryDir folder;
    Career career = testCareer(60, 40, 50);
    career.player = QStringLiteral("Ravi");
    CareerHistory history;
    for (const MatchPerformance match : {MatchPerformance{60, 1, 0}, MatchPerformance{4, 3, 2}}) {
        history.append(playMatch(career, match));
    }
    const AutoSave autoSave{true, QStringLiteral("ravi_auto.bsg")};
    ASSERT_FALSE(saveCareer(career, autoSave, folder.path()));
    const QString path = QDir(folder.path()).filePath(autoSave.fileName);
    ASSERT_FALSE(writeHistoryFile(historyFilePath(path), history));

    ScriptedRandom random;
    random.draws = {0.0, 0.0};
    CareerLoading loading = loadCareer(path, folder.path(), random);
    ASSERT_TRUE(loading.loaded) << loading.error.toStdString();
    const LoadedCareer& loaded = *loading.loaded;
    EXPECT_EQ(loaded.details.name, QStringLiteral("Ravi"));
    EXPECT_EQ(loaded.career.statistics().matches, 2);
    EXPECT_EQ(loaded.career.statistics().runs, 64);
    EXPECT_EQ(loaded.career.skills, career.skills);
    EXPECT_EQ(loaded.career.bankBalance, career.bankBalance);
    EXPECT_FALSE(loaded.career.drawnClub.isEmpty());
    EXPECT_EQ(loaded.autoSave, autoSave);
    EXPECT_EQ(loaded.target.loadedFrom, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(loaded.history.history.rows(), history.rows());

    const QString notASave = QDir(folder.path()).filePath(QStringLiteral("notes.bsg"));
    QFile notes(notASave);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a career\n");
    notes.close();
    const CareerLoading refused = loadCareer(notASave, folder.path(), random);
    EXPECT_FALSE(refused.loaded);
    EXPECT_FALSE(refused.error.isEmpty());
}

}  // namespace
