// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/match_changes.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "game/career.h"
#include "game/play_messages.h"
#include "game/ratings.h"
#include "game/selection.h"
#include "game/shown_numbers.h"
#include "screens/look.h"

namespace {

// The figure by its caption on the main screen, where the player finds it.
QString captionOf(const char* caption) {
    return look::accessibleCaption(QCoreApplication::translate("MainScreen", caption));
}

QString change(const QString& caption, const QString& by, const QString& to, bool up) {
    return up ? QCoreApplication::translate("MatchChanges", "%1 up by %2 to %3.")
                    .arg(caption, by, to)
              : QCoreApplication::translate("MatchChanges", "%1 down by %2 to %3.")
                    .arg(caption, by, to);
}

void addCount(QStringList& told, const char* caption, int before, int after) {
    if (before == after) return;
    told << change(captionOf(caption), shownNumber(std::abs(after - before)), shownNumber(after),
                   after > before);
}

}  // namespace

QString matchChanges(const Career& before, const Career& after) {
    QStringList told;
    // A change of level starts its statistics afresh: what the match added
    // is then told by the promotion's own notice.
    if (before.level == after.level) {
        const LevelStatistics& was = before.statistics();
        const LevelStatistics& is = after.statistics();
        addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Runs Scored:"), was.runs, is.runs);
        addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Wickets Taken:"), was.wickets, is.wickets);
        addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Catches Held:"), was.catches, is.catches);
    }
    addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Batting:"), before.skills.batting,
             after.skills.batting);
    addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Bowling:"), before.skills.bowling,
             after.skills.bowling);
    addCount(told, QT_TRANSLATE_NOOP("MainScreen", "Fielding:"), before.skills.fielding,
             after.skills.fielding);
    if (before.bankBalance != after.bankBalance) {
        told << change(captionOf(QT_TRANSLATE_NOOP("MainScreen", "Bank Balance (Rs):")),
                       shownMoney(std::abs(after.bankBalance - before.bankBalance)),
                       shownMoney(after.bankBalance), after.bankBalance > before.bankBalance);
    }
    // An overall condition that turned red with this match.
    if (runningLow(overallGear(after.gear)) && !runningLow(overallGear(before.gear))) {
        told << QCoreApplication::translate("MatchChanges",
                                            "Overall accessories down to %1, running low.")
                    .arg(shownNumber(overallGear(after.gear)));
    }
    if (runningLow(overallHealth(after.body)) && !runningLow(overallHealth(before.body))) {
        told << QCoreApplication::translate("MatchChanges",
                                            "Overall health down to %1, running low.")
                    .arg(shownNumber(overallHealth(after.body)));
    }
    // What would keep him out of the next match, told once, when it first does.
    const std::optional<Rejection> now = rejection(after);
    if (now && now != rejection(before)) told << shortfallText(now->shortfall);
    return told.join(QLatin1Char(' '));
}
