// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "support/own_data_folder.h"

// Screen tests drive real widgets, so one application object lives for the
// whole run; without a display they run on the offscreen platform. They read
// the numbers the screens show as the C locale writes them, plain digits,
// whatever the machine's locale. Careers a test saves where the player's own
// would go stay in a folder of this run's own: CTest runs tests side by side,
// and two that start one career in a shared folder find each other's save
// and lock.
int main(int argc, char** argv) {
    const OwnDataFolder data;
    QLocale::setDefault(QLocale::c());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
