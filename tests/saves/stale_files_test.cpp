// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/stale_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/file_contents.h"

namespace {

// The temporary files a killed copy left are removed once no copy can still
// be writing them, and only those: never a file of the player's, nor one of
// the game's own files, nor a folder of that pattern.
TEST(StaleFiles, OnlyTheGamesOwnTemporaryFilesLeftLongAgoAreRemoved) {
    QTemporaryDir saves;
    const QDir folder(saves.path());
    const QStringList ours{".hall_of_fame.csv.aB3dE9", ".ravi_auto.bsg.Qw12Er",
                           ".ravi_auto.history.csv.zzzzzz", ".ravi_auto.card.png.A1b2C3",
                           ".probe.x1Y2z3"};
    const QStringList kept{"ravi_auto.bsg", ".notes.txt.aB3dE9", ".ravi_auto.bsg.toolong7",
                           "hall_of_fame.csv", ".ravi_auto.bsg.lock"};
    for (const QString& name : ours + kept) put(folder.filePath(name), "bytes");
    ASSERT_TRUE(folder.mkdir(QStringLiteral(".arjun_auto.bsg.aB3dE9")));

    // Just written: another copy may be about to rename it.
    EXPECT_EQ(removeStaleTemporaryFiles(saves.path()), 0);
    EXPECT_EQ(removeStaleTemporaryFiles(saves.path(),
                                        QDateTime::currentDateTimeUtc().addSecs(2 * 60 * 60)),
              ours.size());
    for (const QString& name : ours)
        EXPECT_FALSE(QFileInfo::exists(folder.filePath(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral(".arjun_auto.bsg.aB3dE9"))).isDir());
}

}  // namespace
