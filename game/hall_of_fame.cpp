// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hall_of_fame.h"

#include <algorithm>
#include <tuple>

FameEntry fameEntryOf(const CareerSummary& summary, const QString& saveFile,
                      const QDateTime& lastPlayed) {
    FameEntry entry;
    entry.player = summary.player;
    entry.saveFile = saveFile;
    entry.highestLevel = summary.highestLevel;
    entry.matches = summary.matches;
    entry.runs = summary.runs;
    entry.wickets = summary.wickets;
    entry.bankBalance = summary.bankBalance;
    entry.ended = summary.ending != CareerEnding::goingOn;
    // To the second, as the hall of fame's file keeps it, so that a career
    // seen again unchanged reads as unchanged.
    entry.lastPlayed = lastPlayed.addMSecs(-lastPlayed.time().msec());
    return entry;
}

bool endedWith(const FameEntry& entry, const QString& saveFile, const QString& player,
               std::int32_t matches) {
    return entry.ended && entry.saveFile == saveFile && entry.player == player &&
           entry.matches == matches;
}

void remember(std::vector<FameEntry>& entries, const FameEntry& career) {
    const auto ended = [&career](const FameEntry& e) {
        return endedWith(e, career.saveFile, career.player, career.matches);
    };
    // The save file of a career that has ended, or its end told again.
    if (std::any_of(entries.begin(), entries.end(), ended)) return;
    const auto goingOn = std::find_if(entries.begin(), entries.end(), [&career](const auto& e) {
        return !e.ended && e.saveFile == career.saveFile && e.player == career.player;
    });
    if (goingOn != entries.end()) {
        *goingOn = career;
    } else {
        entries.push_back(career);
    }
}

namespace {

double figure(const FameEntry& entry, FameList list) {
    switch (list) {
        case FameList::mostRuns:
            return static_cast<double>(entry.runs);
        case FameList::mostWickets:
            return static_cast<double>(entry.wickets);
        case FameList::highestLevel:
            return levelIndex(entry.highestLevel);
        case FameList::longestCareer:
            return entry.matches;
        case FameList::richest:
            return entry.bankBalance;
    }
    return 0;
}

}  // namespace

std::vector<FameEntry> ranked(const std::vector<FameEntry>& entries, FameList list,
                              std::size_t count) {
    std::vector<FameEntry> order = entries;
    std::stable_sort(order.begin(), order.end(), [list](const FameEntry& a, const FameEntry& b) {
        return std::tuple(figure(a, list), a.matches, a.lastPlayed) >
               std::tuple(figure(b, list), b.matches, b.lastPlayed);
    });
    if (order.size() > count) order.resize(count);
    return order;
}
