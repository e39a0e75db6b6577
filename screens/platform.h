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
    QString programFolder;
};
