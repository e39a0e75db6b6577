// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/install_location.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "saves/saves_folder.h"
#include "screens/history/chart_plugin.h"
#include "support/own_data_folder.h"
#include "support/qt_printers.h"

namespace {

// A prefix the game was built for, with its games folder, and a copy of the
// game elsewhere, on a path that begins like the prefix's.
class InstallLocation : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        const QDir top(root.path());
        ASSERT_TRUE(top.mkpath(QStringLiteral("usr/games")));
        ASSERT_TRUE(top.mkpath(QStringLiteral("usr-copy/bin")));
        layout = {root.path() + QStringLiteral("/usr"),
                  root.path() + QStringLiteral("/usr/lib/x86_64-linux-gnu/bailcrest")};
        games = root.path() + QStringLiteral("/usr/games");
        copy = root.path() + QStringLiteral("/usr-copy/bin");
    }
    OwnDataFolder data;
    QTemporaryDir root;
    InstallLayout layout;
    QString games;
    QString copy;
};

// However it is reached, the installed game never picks a folder under its
// prefix for its saves, though the games folder here is writable as it is
// for root, and says nothing of a folder beside it.
TEST_F(InstallLocation, TheInstalledGameNeverSavesUnderItsPrefix) {
    ASSERT_TRUE(QFile::link(games, root.path() + QStringLiteral("/link")));
    const QString prefixWithDots = root.path() + QStringLiteral("/usr/games/../");
    const struct {
        const char* name;
        QString program;
        InstallLayout layout;
    } installed[] = {
        {"in the games folder", games, layout},
        {"reached through a link", root.path() + QStringLiteral("/link"), layout},
        {"with a prefix written with ..", games, {prefixWithDots, layout.chartsFolder}},
        {"at the prefix itself", layout.prefix, layout},
    };
    for (const auto& c : installed) {
        EXPECT_TRUE(isInstalled(c.program, c.layout)) << c.name;
        const QString beside = folderForSavesBesideTheProgram(c.program, c.layout);
        EXPECT_TRUE(beside.isEmpty()) << c.name;
        const SaveTarget target = saveTarget(beside);
        EXPECT_EQ(target.folder, usersSavesFolder()) << c.name;
        EXPECT_FALSE(target.folder.startsWith(root.path())) << c.name;
        EXPECT_FALSE(target.besideTheProgramRefused) << c.name;
        EXPECT_EQ(chartsModuleFolder(c.program, c.layout), layout.chartsFolder) << c.name;
    }

    // A copy anywhere else keeps its saves, and its module, beside itself.
    EXPECT_FALSE(isInstalled(copy, layout));
    EXPECT_EQ(folderForSavesBesideTheProgram(copy, layout), copy);
    EXPECT_EQ(saveTarget(copy).folder, copy + QStringLiteral("/Saves"));
    EXPECT_EQ(chartsModuleFolder(copy, layout), copy);

    // A game that does not know its folder (its name is not UTF-8) or knows
    // it only relative to the current directory has none of its own.
    for (const QString& unknown : {QString(), QStringLiteral("usr/games")}) {
        EXPECT_FALSE(isInstalled(unknown, layout));
        EXPECT_TRUE(folderForSavesBesideTheProgram(unknown, layout).isEmpty());
        EXPECT_TRUE(chartsModuleFolder(unknown, layout).isEmpty());
    }
}

bool mapped(const QString& path) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(path.toUtf8());
}

// A module planted where a copy's relative paths would have led, in
// ../lib/bailcrest or the current directory, is never mapped: a copy looks
// beside itself alone, and a game that does not know its folder nowhere.
TEST_F(InstallLocation, APlantedModuleBesideACopyIsNeverLoaded) {
    const QString module = QStringLiteral(BAILCREST_CHARTS_BUILT "/" BAILCREST_CHARTS_FILE);
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath(QStringLiteral("usr-copy/lib/bailcrest")));
    const QString planted =
        root.path() + QStringLiteral("/usr-copy/lib/bailcrest/" BAILCREST_CHARTS_FILE);
    const QString inTheCurrentFolder = root.path() + QStringLiteral("/" BAILCREST_CHARTS_FILE);
    ASSERT_TRUE(QFile::copy(module, planted));
    ASSERT_TRUE(QFile::copy(module, inTheCurrentFolder));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root.path()));

    EXPECT_EQ(loadHistoryCharts({chartsModuleFolder(copy, layout)}).plugin, nullptr);
    EXPECT_TRUE(chartsModuleFolder(QString(), layout).isEmpty());
    EXPECT_FALSE(mapped(planted));
    EXPECT_FALSE(mapped(inTheCurrentFolder));
    QDir::setCurrent(before);
}

}  // namespace
