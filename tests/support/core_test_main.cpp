// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLocale>

// The tests read the numbers the game shows as the C locale writes them,
// plain digits, whatever the machine's locale; a test of another locale sets
// its own and puts this one back.
int main(int argc, char** argv) {
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
