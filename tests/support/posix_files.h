// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "saves/file_system.h"

// Whether the game's files go through the POSIX build of the file layer:
// the tests of what only it does (a lock of the system asked, a gap closed
// between a look at a path and its opening) are skipped, with the reason, in
// the portable build (BAILCREST_PORTABLE_FILES) and on other systems. Asked
// of the layer itself, so that the tests build alike in both.
inline bool posixFileLayer() {
    return fileLayer() == FileLayer::posix;
}

#define SKIP_WITHOUT_POSIX_FILES(reason)                                              \
    do {                                                                              \
        if (!posixFileLayer()) GTEST_SKIP() << "needs the POSIX file layer: " reason; \
    } while (false)
