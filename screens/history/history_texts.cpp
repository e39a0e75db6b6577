// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/history_texts.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "game/level.h"
#include "game/play_messages.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"

QStringList HistoryTexts::events(const std::vector<HistoryRow>& rows, std::size_t i,
                                 const Career& career) {
    const HistoryRow& row = rows[i];
    QStringList items;
    for (const LevelMove& move : levelMoves(rows, i)) {
        const QString level = levelName(move.to);
        const QString team = teamName(teamOf(career, move));
        switch (move.direction) {
            case LevelMove::promotion:
                items << tr("Promoted to %1 (%2)").arg(level, team);
                break;
            case LevelMove::drop:
                items << tr("Dropped to %1 (%2)").arg(level, team);
                break;
            case LevelMove::unknown:
                items << tr("Moved to %1 (%2)").arg(level, team);
                break;
        }
    }
    const SinceLastMatch& e = row.events;
    if (e.selectedForWorldCup) items << tr("Selected for the World Cup");
    if (!e.sponsorTaken.isEmpty()) items << tr("Sponsor %1").arg(e.sponsorTaken);
    if (e.trainingCost != 0) items << tr("Training Rs. %1").arg(shownMoney(e.trainingCost));
    if (e.gearCost != 0) items << tr("Gear Rs. %1").arg(shownMoney(e.gearCost));
    if (e.healthCareCost != 0) items << tr("Health care Rs. %1").arg(shownMoney(e.healthCareCost));
    if (e.bookieMoney != 0) items << tr("Took the bookie's Rs. %1").arg(shownMoney(e.bookieMoney));
    return items;
}

QString HistoryTexts::withChange(int value, std::optional<int> before) {
    if (!before) return shownNumber(value);
    const int change = value - *before;
    //: %1 is a figure, %2 its change since the match before with its sign
    //: ("45 (+5)").
    return tr("%1 (%2)").arg(shownNumber(value), shownChange(change));
}

QStringList HistoryTexts::gaps(const CareerHistory& history, const HistoryLeftOut& g) {
    QStringList sentences;
    if (g.tooLarge) {
        sentences << tr("The history file is larger than any career could fill and was not read.");
    } else if (g.unreadable) {
        sentences << tr("The history file could not be read.");
    }
    if (g.foreignRows > 0) {
        if (history.rows().empty() && g.damagedRows == 0) {
            sentences << tr("The history file belongs to another career and was not used.");
        } else {
            sentences << tr("Rows of the history file skipped as another career's: %Ln.", nullptr,
                            g.foreignRows);
        }
    }
    if (g.damagedRows > 0) {
        sentences << tr("Rows of the history file skipped as unreadable: %Ln.", nullptr,
                        g.damagedRows);
    }
    // A file left out whole is told above: its matches were played with one.
    if (history.keptFrom() > 1 && !(history.rows().empty() && g.any())) {
        sentences << tr("History kept from match %1: the matches before it were played "
                        "without one.")
                         .arg(shownNumber(history.keptFrom()));
    }
    return sentences;
}

QString HistoryTexts::repeats(Milestone::Kind kind, qint64 count) {
    const int n = static_cast<int>(std::min<qint64>(count, std::numeric_limits<int>::max()));
    switch (kind) {
        case Milestone::firstFifty:
        case Milestone::firstHundred:
        case Milestone::firstFiveWickets:
            break;
        case Milestone::careerRuns:
            return tr("Another thousand career runs %Ln times", nullptr, n);
        case Milestone::careerWickets:
            return tr("Another hundred career wickets %Ln times", nullptr, n);
        case Milestone::promotion:
            return tr("Promoted %Ln times", nullptr, n);
        case Milestone::drop:
            return tr("Dropped %Ln times", nullptr, n);
        case Milestone::worldCup:
            return tr("Selected for the World Cup %Ln times", nullptr, n);
        case Milestone::sponsor:
            return tr("Sponsor changed %Ln times", nullptr, n);
        case Milestone::bookieMoney:
            return tr("Took the bookie's money %Ln times", nullptr, n);
    }
    return QString();
}

QString HistoryTexts::milestone(const Milestone& m) {
    const QString match = shownNumber(m.match);
    const QString amount = shownNumber(m.amount);
    switch (m.kind) {
        case Milestone::firstFifty:
            //: %1 the match number, %2 the runs scored.
            return tr("Match %1: first fifty, %2 runs.").arg(match, amount);
        case Milestone::firstHundred:
            //: %1 the match number, %2 the runs scored.
            return tr("Match %1: first hundred, %2 runs.").arg(match, amount);
        case Milestone::firstFiveWickets:
            //: %1 the match number, %2 the wickets taken (five or more).
            return tr("Match %1: first five-wicket match, %2 wickets.").arg(match, amount);
        case Milestone::careerRuns:
            //: %1 the match number, %2 a round thousand of runs.
            return tr("Match %1: %2 career runs.").arg(match, amount);
        case Milestone::careerWickets:
            //: %1 the match number, %2 a round hundred of wickets.
            return tr("Match %1: %2 career wickets.").arg(match, amount);
        case Milestone::promotion:
            //: %1 the match number, %2 the level, %3 the team.
            return tr("Before match %1: promoted to %2 (%3).")
                .arg(match, levelName(m.level), teamName(m.name));
        case Milestone::drop: {
            //: %1 the match number, %2 the level, %3 the team.
            const QString dropped = tr("Before match %1: dropped to %2 (%3).")
                                        .arg(match, levelName(m.level), teamName(m.name));
            // Then why, in a sentence of its own.
            return m.why ? dropped + QLatin1Char(' ') + shortfallText(*m.why) : dropped;
        }
        case Milestone::worldCup:
            return tr("Before match %1: selected for the World Cup.").arg(match);
        case Milestone::sponsor:
            //: %1 the match number, %2 the sponsor's name.
            return tr("Before match %1: took %2 as sponsor.").arg(match, m.name);
        case Milestone::bookieMoney:
            //: %1 the match number, %2 the amount in rupees.
            return tr("Before match %1: took the bookie's Rs. %2.")
                .arg(match, shownMoney(m.amount));
    }
    return QString();
}
