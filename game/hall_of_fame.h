// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/career_summary.h"
#include "game/level.h"

// The best careers ever played in one Saves folder, kept even when their
// save files are gone.

// One career as the hall of fame remembers it.
struct FameEntry {
    QString player;
    // The save file the career saves to: with the player's name it tells one
    // career from another, and a later career saving to the same file, once
    // this one has ended, from this one.
    QString saveFile;
    Level highestLevel = Level::club;
    std::int32_t matches = 0;
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    double bankBalance = 0;
    bool ended = false;
    QDateTime lastPlayed;
    // The matches the career had when it first ended, for a career that
    // ended and was then loaded and played on (or has ended): 0 for one that
    // never ended.
    std::int32_t endedAfter = 0;

    bool operator==(const FameEntry&) const = default;
};

// The career's figures as its summary tells them, last played to the second.
FameEntry fameEntryOf(const CareerSummary& summary, const QString& saveFile,
                      const QDateTime& lastPlayed);

// Whether the entry remembers the career of that file and player, ended with
// just that many matches: a save file a career left behind when it ended.
bool endedWith(const FameEntry& entry, const QString& saveFile, const QString& player,
               std::int32_t matches);

// Whether the entry remembers the career of that file and player as one that
// ended and was loaded again and played on past its end, as that many
// matches are.
bool playedOnAfterItsEnd(const FameEntry& entry, const QString& saveFile, const QString& player,
                         std::int32_t matches);

// Takes a career's latest figures in; one career is one entry, known by the
// save file it saves to and its player, whatever happens to it. Its figures
// go into the entry it goes on from (more matches, never fewer runs or
// wickets), or into the entry of the same career going on, never lowering
// the matches, runs, wickets or level reached. A career that has ended keeps
// its place: its own save file, seen again, changes nothing; a new career
// saving to the same file comes in beside it; and the ended career's save,
// loaded again and played on past its end, takes its entry on.
void remember(std::vector<FameEntry>& entries, const FameEntry& career);

// The lists of the hall of fame.
enum class FameList : std::uint8_t { mostRuns, mostWickets, highestLevel, longestCareer, richest };
inline constexpr int fameListCount = 5;

// The careers in the list's order, best first, at most count of them. Ties
// go to the longer career, then to the one played last.
std::vector<FameEntry> ranked(const std::vector<FameEntry>& entries, FameList list,
                              std::size_t count);
// The same order, as the careers' places among the entries.
std::vector<std::size_t> rankedPlaces(const std::vector<FameEntry>& entries, FameList list,
                                      std::size_t count);
