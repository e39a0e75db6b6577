// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/history/last_match_panel.h"

#include <QEvent>
#include <QLabel>
#include <iterator>
#include <optional>

#include "game/level.h"
#include "game/shown_numbers.h"
#include "game/start_career.h"
#include "saves/history_columns.h"
#include "screens/history/history_look.h"
#include "screens/history/history_texts.h"
#include "screens/look.h"
#include "screens/pair_layout.h"

namespace {

// A figure of the last match: its label's name, its caption, the column of
// the history it shows (found by its name), and whether it is shown with its change since the
// match before. In the order they are laid out, four to a row: what he did
// and what it paid, then the skills and the overall conditions, then each
// condition. What happened since the match before comes after them.
struct LastMatchFigure {
    const char* objectName;
    const char* caption;
    int column;
    bool withChange;
};

constexpr LastMatchFigure lastMatchFigures[] = {
    {"lastRuns", QT_TRANSLATE_NOOP("HistoryScreen", "Runs:"), historyColumnAt("runs"), false},
    {"lastWickets", QT_TRANSLATE_NOOP("HistoryScreen", "Wickets:"), historyColumnAt("wickets"),
     false},
    {"lastCatches", QT_TRANSLATE_NOOP("HistoryScreen", "Catches:"), historyColumnAt("catches"),
     false},
    {"lastAward", QT_TRANSLATE_NOOP("HistoryScreen", "Award (Rs.):"), historyColumnAt("award"),
     false},
    {"lastFee", QT_TRANSLATE_NOOP("HistoryScreen", "Match fee (Rs.):"),
     historyColumnAt("match_fee"), false},
    {"lastSponsorship", QT_TRANSLATE_NOOP("HistoryScreen", "Sponsorship (Rs.):"),
     historyColumnAt("sponsorship"), false},
    {"lastBalance", QT_TRANSLATE_NOOP("HistoryScreen", "Bank balance (Rs.):"),
     historyColumnAt("bank_balance"), false},
    {"lastOverallGear", QT_TRANSLATE_NOOP("HistoryScreen", "Overall gear:"),
     historyColumnAt("overall_gear"), true},
    {"lastBatting", QT_TRANSLATE_NOOP("HistoryScreen", "Batting:"), historyColumnAt("batting"),
     true},
    {"lastBowling", QT_TRANSLATE_NOOP("HistoryScreen", "Bowling:"), historyColumnAt("bowling"),
     true},
    {"lastFielding", QT_TRANSLATE_NOOP("HistoryScreen", "Fielding:"), historyColumnAt("fielding"),
     true},
    {"lastOverallHealth", QT_TRANSLATE_NOOP("HistoryScreen", "Overall health:"),
     historyColumnAt("overall_health"), true},
    {"lastBat", QT_TRANSLATE_NOOP("HistoryScreen", "Bat:"), historyColumnAt("bat"), true},
    {"lastGloves", QT_TRANSLATE_NOOP("HistoryScreen", "Gloves:"), historyColumnAt("gloves"), true},
    {"lastPads", QT_TRANSLATE_NOOP("HistoryScreen", "Pads:"), historyColumnAt("pads"), true},
    {"lastOthers", QT_TRANSLATE_NOOP("HistoryScreen", "Others:"), historyColumnAt("others"), true},
    {"lastFitness", QT_TRANSLATE_NOOP("HistoryScreen", "Fitness:"), historyColumnAt("fitness"),
     true},
    {"lastHealth", QT_TRANSLATE_NOOP("HistoryScreen", "Health:"), historyColumnAt("health"), true},
    {"lastStamina", QT_TRANSLATE_NOOP("HistoryScreen", "Stamina:"), historyColumnAt("stamina"),
     true},
};

constexpr int lastMatchFigureCount = static_cast<int>(std::size(lastMatchFigures));

// The text of a figure of the last match, with its change since the values
// before when it has one.
QString lastMatchText(const LastMatchFigure& figure, const HistoryRow& last,
                      const std::optional<HistoryRow>& before) {
    const HistoryColumn& column = historyColumns[figure.column];
    const double value = column.figure(last);
    if (column.kind == HistoryColumn::money) return shownMoney(value);
    if (!figure.withChange) return shownNumber(static_cast<qint64>(value));
    return HistoryTexts::withChange(
        static_cast<int>(value),
        before ? std::optional<int>(static_cast<int>(column.figure(*before))) : std::nullopt);
}

// The row the last one is compared with: that of the match just before it,
// or the career's start (its skills, gear and body) for its first match.
std::optional<HistoryRow> rowBefore(const Career& career, const std::vector<HistoryRow>& rows) {
    const HistoryRow& last = rows.back();
    if (rows.size() >= 2 && rows[rows.size() - 2].match == last.match - 1) {
        return rows[rows.size() - 2];
    }
    if (last.match != 1) return std::nullopt;
    HistoryRow start;
    start.skills = career.startingSkills;
    return start;
}

}  // namespace

LastMatchPanel::LastMatchPanel(QWidget* parent) : TitledFrame(tr("LAST MATCH"), parent) {
    setObjectName(QStringLiteral("Frame_LAST_MATCH"));
    // Four to a row: what he did and what it paid, then the skills and the
    // overall conditions, then each condition. Where the window is narrow,
    // three to a row before two: the fewer rows let the panel stay in sight
    // beside the chart and the table on a short screen too.
    pairs_ = new PairLayout(this, {4, 3, 2, 1});
    for (const LastMatchFigure& figure : lastMatchFigures) {
        figures_.push_back(
            pairs_->addValue(QString::fromLatin1(figure.objectName), tr(figure.caption)));
    }
    events_ = pairs_->addValue(QStringLiteral("lastEvents"), tr("Since the match before:"), true);
    // A long line of events is cut short, with an ellipsis, to the room the
    // window gives it, and told whole as its tooltip and accessible name: a
    // wrapped line in the window's scrolled grid got no more height and was
    // cut off. It keeps its wrapping all the same, so that a long line asks
    // for no more width than a short one.
    events_->setWordWrap(true);
    events_->installEventFilter(this);
}

void LastMatchPanel::showLast(const Career& career, const std::vector<HistoryRow>& rows,
                              const QStringList& events) {
    if (rows.empty()) {
        setTitle(tr("LAST MATCH: NONE KEPT YET"));
        for (QLabel* label : figures_) historyLook::showValue(label, QString());
        showEvents(QString());
        return;
    }
    const HistoryRow& last = rows.back();
    setTitle(tr("LAST MATCH: %1, %2 (%3)")
                 .arg(shownNumber(last.match))
                 .arg(levelName(last.level), teamName(last.team)));
    const std::optional<HistoryRow> before = rowBefore(career, rows);
    for (int i = 0; i < lastMatchFigureCount; ++i)
        historyLook::showValue(figures_[i], lastMatchText(lastMatchFigures[i], last, before));
    showEvents(events.isEmpty() ? tr("Nothing") : events.join(QStringLiteral("; ")));
}

int LastMatchPanel::widestWidth() const {
    return pairs_->widestWidth();
}

void LastMatchPanel::showEvents(const QString& text) {
    // Until the window lays it out the line has no room of its own yet: it
    // holds the whole text, and is cut to its room when it gets one.
    if (events_->isVisible()) {
        look::setValueText(events_, text);
    } else {
        historyLook::showValue(events_, text);
        events_->setToolTip(QString());
    }
}

bool LastMatchPanel::eventFilter(QObject* watched, QEvent* event) {
    // Shown again after it was resized while hidden, the line gets no resize
    // of its own, so it is cut to its room when shown too.
    if (watched == events_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        showEvents(events_->accessibleName());
    }
    return TitledFrame::eventFilter(watched, event);
}
