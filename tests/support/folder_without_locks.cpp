// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/folder_without_locks.h"

#include <dlfcn.h>
#include <sys/file.h>

#include <cerrno>

namespace {

bool withoutLocks = false;

}  // namespace

// Takes the place of the C library's flock() in the test program that links
// this file, the game's file layer included.
extern "C" int flock(int handle, int operation) {
    if (withoutLocks) {
        errno = ENOLCK;
        return -1;
    }
    using Flock = int (*)(int, int);
    static const auto system = reinterpret_cast<Flock>(::dlsym(RTLD_NEXT, "flock"));
    return system(handle, operation);
}

FolderWithoutLocks::FolderWithoutLocks() {
    withoutLocks = true;
}

FolderWithoutLocks::~FolderWithoutLocks() {
    withoutLocks = false;
}
