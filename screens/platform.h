// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Prompter;
class RandomSource;
class UrlOpener;

// The platform services a screen may use. The game builds one from the real
// desktop services; tests build one from scripted stand-ins.
struct Platform {
    Prompter& prompter;
    RandomSource& random;
    UrlOpener& opener;
    // The folder of a copy of the game that keeps its Saves beside itself;
    // empty for an installed game, whose saves live in the player's own
    // data folder.
    QString programFolder;
};
