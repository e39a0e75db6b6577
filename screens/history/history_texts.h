// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "game/career.h"
#include "game/career_story.h"
#include "game/history.h"
#include "saves/history_file.h"

// How the History window words a career's history: levels, the events
// between two matches, what a value did since the match before, and what of
// the history is missing.
class HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(HistoryTexts)

  public:
    // What happened between the match before row i and its own, one item
    // each ("Promoted to City (Pune)", "Training Rs. 3000"); none when
    // nothing did.
    static QStringList events(const std::vector<HistoryRow>& rows, std::size_t i,
                              const Career& career);

    // A milestone as one sentence with its match: "Match 212: first hundred,
    // 104 runs for Pune."
    static QString milestone(const Milestone& milestone);

    // The line that stands for a kind of milestone told more than once:
    // "Sponsor changed 15,312 times".
    static QString repeats(Milestone::Kind kind, qint64 count);

    // A value and how it changed since the match before: "64 (+4)", "88 (-7)",
    // "50 (±0)"; the value alone when there is nothing to compare it with.
    static QString withChange(int value, std::optional<int> before);

    // The sentences that tell what the history lacks, one a gap: the rows
    // of its file left out when it was read, the matches before it was
    // kept; none for a history kept whole from the first match.
    static QStringList gaps(const CareerHistory& history, const HistoryLeftOut& leftOut);
};
