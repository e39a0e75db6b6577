// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QtGlobal>

// Whether the game's files go through the POSIX build of the file layer:
// the tests of what only it does (a lock of the system asked, a pipe never
// opened even when it takes a file's place after the look) are skipped, with
// the reason, in the portable build and on other systems.
#if defined(Q_OS_UNIX) && !defined(BAILCREST_PORTABLE_FILES)
inline constexpr bool posixFileLayer = true;
#else
inline constexpr bool posixFileLayer = false;
#endif

#define SKIP_WITHOUT_POSIX_FILES(reason)                                            \
    do {                                                                            \
        if (!posixFileLayer) GTEST_SKIP() << "needs the POSIX file layer: " reason; \
    } while (false)
