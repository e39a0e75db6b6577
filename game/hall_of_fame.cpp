// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hall_of_fame.h"

#include <algorithm>
#include <numeric>
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

bool playedOnAfterItsEnd(const FameEntry& entry, const QString& saveFile, const QString& player,
                         std::int32_t matches) {
    return entry.endedAfter > 0 && entry.saveFile == saveFile && entry.player == player &&
           matches > entry.endedAfter && !endedWith(entry, saveFile, player, matches);
}

namespace {

bool sameCareer(const FameEntry& a, const FameEntry& b) {
    return a.saveFile == b.saveFile && a.player == b.player;
}

// Further than the entry went, with nothing it had scored undone: the next
// figures of a career going on, or an ended career's save loaded again and
// played on.
bool goesOnFrom(const FameEntry& career, const FameEntry& ended) {
    return career.matches > ended.matches && career.runs >= ended.runs &&
           career.wickets >= ended.wickets;
}

// The career's entry with the news of it taken in: what it reached is never
// lowered, and the balance and the state it is in are those of the news
// unless the news is of an earlier match than the entry's.
void takeIn(FameEntry& entry, const FameEntry& career) {
    const bool later = career.matches > entry.matches;
    const bool asLate = career.matches >= entry.matches;
    entry.highestLevel = std::max(entry.highestLevel, career.highestLevel);
    entry.matches = std::max(entry.matches, career.matches);
    entry.runs = std::max(entry.runs, career.runs);
    entry.wickets = std::max(entry.wickets, career.wickets);
    if (asLate) entry.bankBalance = career.bankBalance;
    entry.lastPlayed = std::max(entry.lastPlayed, career.lastPlayed);
    if (later) {
        entry.ended = career.ended;
    } else if (asLate) {
        entry.ended = entry.ended || career.ended;
    }
    if (entry.endedAfter == 0 && entry.ended) entry.endedAfter = entry.matches;
}

}  // namespace

void remember(std::vector<FameEntry>& entries, const FameEntry& career) {
    auto at = entries.end();
    for (auto e = entries.begin(); e != entries.end(); ++e) {
        if (!sameCareer(*e, career)) continue;
        if (e->matches == career.matches) {
            // The save file of a career that has ended, or its end told
            // again, changes nothing.
            if (e->ended) return;
            at = e;
            break;
        }
        // Of the entries it goes on from, the furthest.
        if (goesOnFrom(career, *e) && (at == entries.end() || e->matches > at->matches)) at = e;
    }
    // An earlier copy of a career going on is still that career.
    if (at == entries.end()) {
        at = std::find_if(entries.begin(), entries.end(),
                          [&](const FameEntry& e) { return sameCareer(e, career) && !e.ended; });
    }
    if (at != entries.end()) {
        takeIn(*at, career);
    } else {
        entries.push_back(career);
        if (career.ended && career.endedAfter == 0) entries.back().endedAfter = career.matches;
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

std::vector<std::size_t> rankedPlaces(const std::vector<FameEntry>& entries, FameList list,
                                      std::size_t count) {
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t one, std::size_t other) {
        const FameEntry& a = entries[one];
        const FameEntry& b = entries[other];
        return std::tuple(figure(a, list), a.matches, a.lastPlayed) >
               std::tuple(figure(b, list), b.matches, b.lastPlayed);
    });
    if (order.size() > count) order.resize(count);
    return order;
}

std::vector<FameEntry> ranked(const std::vector<FameEntry>& entries, FameList list,
                              std::size_t count) {
    std::vector<FameEntry> order;
    for (const std::size_t place : rankedPlaces(entries, list, count))
        order.push_back(entries[place]);
    return order;
}
