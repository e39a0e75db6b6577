// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What one run of the simulator plays.
struct SimulationOptions {
    long long careers = 100;
    std::uint64_t seed = 1;
    // A career stops after this many matches. The game counts matches per
    // level in 16 bits, so no career can be longer.
    int matchCap = 10000;
    // The chance that the player takes the bookie's money when it is offered.
    double bribeAcceptance = 0.1;
    // Every this many matches of a career the save file is written to a
    // scratch folder, read back and compared with the career; 0 never.
    int saveEvery = 0;
    // The run fails unless its careers play at least this many matches in
    // all, so that a soak test cannot quietly shrink.
    long long minMatches = 0;
    // When not empty, the folder into which the history file of each career
    // is written as it ends, named after the career's number in the run
    // (historyFileName).
    QString historyFolder;
};

// The history file of the career of the number, 1 for the first of a run:
// "career-1.history.csv".
QString historyFileName(long long career);

inline constexpr int longestCareer = 32767;

// The options from the command line (without the program name), or the
// reason they are not understood.
struct ParsedOptions {
    std::optional<SimulationOptions> options;
    bool help = false;
    QString error;
};
ParsedOptions parseOptions(const QStringList& arguments);

QString usage();
