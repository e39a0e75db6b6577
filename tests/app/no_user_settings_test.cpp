// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/no_user_settings.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// Qt's file dialog writes its settings when it closes; the game's leaves
// the user's settings file as it was, or missing.
TEST(NoUserSettings, TheLoadDialogLeavesTheUsersSettingsAsTheyWere) {
    const QFileInfo before(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName());
    const bool existed = before.exists();
    const QDateTime changed = existed ? before.lastModified() : QDateTime();

    keepNoUserSettings();
    QTemporaryDir saves;
    {
        QFileDialog dialog(nullptr, QStringLiteral("Bailcrest: Load Game"), saves.path(),
                           QStringLiteral("Bailcrest Saves (*.bsg)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        dialog.reject();
    }
    const QFileInfo after(before.filePath());
    EXPECT_EQ(after.exists(), existed);
    if (existed) {
        EXPECT_EQ(after.lastModified(), changed);
    }
    EXPECT_FALSE(
        QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));
}

}  // namespace
