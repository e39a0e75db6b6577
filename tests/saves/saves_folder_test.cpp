// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/saves_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/own_data_folder.h"
#include "support/qt_printers.h"

namespace {

// A program folder that can hold saves, one that cannot, and the user's own
// Saves folder, this test's alone.
class SaveTargets : public ::testing::Test {
  protected:
    void SetUp() override {
        users = usersSavesFolder();
        ASSERT_TRUE(QDir().mkpath(users));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("game")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("elsewhere")));
        writable = root.path() + QStringLiteral("/game");
        // A program folder holding a file called Saves cannot hold the folder.
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("locked")));
        QFile blocker(root.path() + QStringLiteral("/locked/Saves"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        locked = root.path() + QStringLiteral("/locked");
    }
    OwnDataFolder data;
    QTemporaryDir root;
    QString users;
    QString writable;
    QString locked;
};

TEST_F(SaveTargets, OneCareerKeepsToTheSavesFolderItCameFrom) {
    const QString beside = writable + QStringLiteral("/Saves");
    ASSERT_TRUE(QDir().mkpath(beside));
    const struct {
        const char* name;
        QString program;
        QString loadedFrom;
        QString folder;
        bool told;
    } cases[] = {
        {"new, beside the program", writable, QString(), beside, false},
        {"new, the program's folder refuses", locked, QString(), users, true},
        {"loaded from beside the program", writable, beside, beside, false},
        {"loaded from another folder", writable, root.path() + QStringLiteral("/elsewhere"), beside,
         false},
        // Saved to the user's folder once, it stays there even where the
        // program's folder can hold saves again.
        {"loaded from the user's folder", writable, users, users, false},
        {"loaded from the user's folder, the program's refuses", locked, users, users, true},
        {"loaded from the user's folder by another path", writable,
         users + QStringLiteral("/../Saves"), users, false},
        // An installed game has no folder of its own to save beside, and
        // says nothing of one.
        {"installed, new", QString(), QString(), users, false},
        {"installed, loaded from another folder", QString(),
         root.path() + QStringLiteral("/elsewhere"), users, false},
    };
    for (const auto& c : cases) {
        const SaveTarget target = saveTarget(c.program, c.loadedFrom);
        EXPECT_EQ(target.folder, c.folder) << c.name;
        EXPECT_EQ(target.besideTheProgramRefused, c.told) << c.name;
    }
}

// Careers an earlier version kept in Bailcrest/Saves of the user's data
// folder are found there until the player has the current folder.
TEST(UsersSavesFolder, IsTheEarlierOneOnlyWhileItIsTheOnlyOne) {
    const OwnDataFolder data;
    const QString current = data.path() + QStringLiteral("/bailcrest/Saves");
    const QString earlier = data.path() + QStringLiteral("/Bailcrest/Saves");

    EXPECT_EQ(usersSavesFolder(), current);
    ASSERT_TRUE(QDir().mkpath(earlier));
    EXPECT_EQ(usersSavesFolder(), earlier);
    ASSERT_TRUE(QDir().mkpath(current));
    EXPECT_EQ(usersSavesFolder(), current);
}

}  // namespace
