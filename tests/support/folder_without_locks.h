// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While one lives, every lock of the system this process asks for fails as
// it does in a folder that cannot hold them (a FUSE or network folder whose
// flock() gives ENOLCK), so that the game's lock files are taken by what
// they say alone. A child process forked meanwhile keeps it so.
class FolderWithoutLocks {
  public:
    FolderWithoutLocks();
    ~FolderWithoutLocks();
    FolderWithoutLocks(const FolderWithoutLocks&) = delete;
    FolderWithoutLocks& operator=(const FolderWithoutLocks&) = delete;
};
