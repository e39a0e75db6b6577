// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game keeps no settings, and Qt keeps none on its behalf: its file
// dialog (Load) would otherwise write its last folder, its history and its
// view to the user's QtProject.conf each time it closes, whichever dialog
// the desktop shows. Every user settings file of the program is pointed at
// a place where no file can be made, so nothing is written or read there.
// To be called before the first settings are used.
void keepNoUserSettings();
