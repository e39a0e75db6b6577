#include "screens/history_texts.h"

#include <cstdlib>

#include "game/money.h"

namespace {

const QString& sideAt(const Teams& teams, Level level) {
    switch (level) {
        case Level::club:
            return teams.club;
        case Level::city:
            return teams.city;
        case Level::state:
            return teams.state;
        case Level::national:
            break;
    }
    return teams.nation;
}

}  // namespace

std::vector<LevelMove> levelMoves(const HistoryRow& row, std::optional<Level> before) {
    std::vector<LevelMove> moves;
    for (const Level to : row.events.levelChanges) {
        LevelMove::Direction direction = LevelMove::unknown;
        if (before) {
            direction =
                levelIndex(to) > levelIndex(*before) ? LevelMove::promotion : LevelMove::drop;
        } else if (to == Level::club) {
            // Only a drop reaches the club, only a promotion the national side.
            direction = LevelMove::drop;
        } else if (to == Level::national) {
            direction = LevelMove::promotion;
        }
        moves.push_back({to, direction});
        before = to;
    }
    return moves;
}

QString HistoryTexts::levelName(Level level) {
    switch (level) {
        case Level::club:
            return tr("Club");
        case Level::city:
            return tr("City");
        case Level::state:
            return tr("State");
        case Level::national:
            return tr("National");
    }
    return QString();
}

QStringList HistoryTexts::events(const HistoryRow& row, std::optional<Level> before,
                                 const Teams& teams) {
    QStringList items;
    for (const LevelMove& move : levelMoves(row, before)) {
        const QString level = levelName(move.to);
        const QString& team = sideAt(teams, move.to);
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
    if (e.trainingCost != 0) items << tr("Training Rs. %1").arg(moneyText(e.trainingCost));
    if (e.gearCost != 0) items << tr("Gear Rs. %1").arg(moneyText(e.gearCost));
    if (e.healthCareCost != 0) items << tr("Health care Rs. %1").arg(moneyText(e.healthCareCost));
    if (e.bookieMoney != 0) items << tr("Took the bookie's Rs. %1").arg(moneyText(e.bookieMoney));
    return items;
}

QString HistoryTexts::withChange(int value, std::optional<int> before) {
    if (!before) return QString::number(value);
    const int change = value - *before;
    const QString sign = change > 0   ? QStringLiteral("+")
                         : change < 0 ? QStringLiteral("-")
                                      : QStringLiteral("\u00b1");
    return tr("%1 (%2%3)").arg(value).arg(sign).arg(std::abs(change));
}

QStringList HistoryTexts::gaps(const CareerHistory& history) {
    const CareerHistory::Gaps& g = history.gaps();
    QStringList sentences;
    if (g.unreadable) sentences << tr("The history file could not be read.");
    if (g.foreignRows > 0) {
        if (history.rows().empty() && g.damagedRows == 0) {
            sentences << tr("The history file belongs to another career and was not used.");
        } else if (g.foreignRows == 1) {
            sentences << tr(
                "1 row of the history file belongs to another career and was "
                "skipped.");
        } else {
            sentences << tr("%1 rows of the history file belong to another career and were "
                            "skipped.")
                             .arg(g.foreignRows);
        }
    }
    if (g.damagedRows == 1) {
        sentences << tr("1 row of the history file could not be read and was skipped.");
    } else if (g.damagedRows > 1) {
        sentences << tr("%1 rows of the history file could not be read and were skipped.")
                         .arg(g.damagedRows);
    }
    if (g.keptFrom > 1) {
        sentences << tr("History kept from match %1: the matches before it were played "
                        "without one.")
                         .arg(g.keptFrom);
    }
    return sentences;
}
