// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "game/career.h"
#include "game/level.h"
#include "game/match.h"
#include "game/play.h"
#include "saves/save_career.h"
#include "saves/set_aside.h"
#include "session/career_session.h"

class RandomSource;

// The most matches one run plays on.
inline constexpr int mostMatchesPlayedOn = 1000;

// A condition or an item of gear, and the value at or below which the run
// stops before the next press of Play.
struct ConditionFloor {
    // One of the gear's and the body's figures (bat to stamina).
    Shortfall::Figure figure = Shortfall::stamina;
    int value = 0;

    bool operator==(const ConditionFloor&) const = default;
};

// Where a run of matches stops before it has played them all. With none of
// them chosen it stops only at a question or the end of the career.
struct PlayOnRules {
    int matches = 10;
    // Before pressing Play while the main screen warns of a drop.
    bool beforeDrop = true;
    bool atPromotion = false;
    bool atWorldCup = false;
    bool atAward = false;
    std::optional<ConditionFloor> conditionFloor;

    bool operator==(const PlayOnRules&) const = default;
};

// Why a run stopped.
enum class PlayOnStop {
    allPlayed,        // it played the matches asked for
    dropWarning,      // the next press of Play could drop the player
    promotion,        // he was promoted
    worldCup,         // he was picked for the World Cup
    award,            // a match earned an award
    conditionFloor,   // the figure chosen fell to the value chosen
    bookieOffer,      // the bookie's offer was put to the player
    careerOver,       // the career ended
    stoppedByPlayer,  // the player stopped it
};

// The award a match earned, in rupees.
struct AwardNews {
    double award = 0;
};
// The history file could not be kept.
struct HistoryNotKept {
    QString path;
    QString reason;
};

// Something a single press of Play and OK tells in a box of its own, told
// instead in the list at the end of the run, with the number in the run of
// the match it came with (a notice of Play, the number of the match that
// press was for).
struct PlayOnNews {
    int match = 0;
    std::variant<Notice, AwardNews, SaveFailure, HistoryNotKept, KeptFile> news;
};

// What a run came to, on one line at the end of it.
struct PlayOnSummary {
    int matches = 0;
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    // What the bank balance gained over the run (no purchase is made in one).
    double moneyEarned = 0;
    Level levelBefore = Level::club;
    Level levelAfter = Level::club;
};

// One step of a run: a press of Play and, when it leads to a match, the
// match drawn and confirmed.
struct PlayOnStep {
    PlayOutcome played;
    std::optional<MatchPerformance> match;
    std::optional<ConfirmedMatch> confirmed;
    bool bookieAsked = false;
    // The bank balance once Play was over, before the match: what the
    // bookie's money made it.
    double balanceAfterPlay = 0;
};

// Plays on: press after press of Play, each match drawn and confirmed at
// once, through the very calls of the session that a press of Play and the
// match screen's OK make, so that a run adds to the history and auto-saves
// exactly as the matches played one by one would. A step at a time, so that
// the screens can run their event loop, and the simulator check the career,
// between them:
//
//     PlayOnRun run(session, rules);
//     while (run.goesOn()) run.playNext(random, question);
//
// The bookie's question is put as it is on a single press, and stops the
// run; so does the end of the career.
class PlayOnRun {
  public:
    PlayOnRun(CareerSession& session, PlayOnRules rules);

    // Whether the next press of Play is made: not once the run has stopped,
    // nor when a rule stops it before Play (the matches played, the drop
    // warning, the chosen figure at its floor), which it then records.
    bool goesOn();
    // A press of Play and its match, if it leads to one. Only while goesOn().
    PlayOnStep playNext(RandomSource& random, const CareerSession::BookieQuestion& question);
    // Stops the run before its next press of Play.
    void stop();

    const std::optional<PlayOnStop>& stopped() const { return stopped_; }
    int matchesPlayed() const { return summary_.matches; }
    const PlayOnRules& rules() const { return rules_; }
    const std::vector<PlayOnNews>& news() const { return news_; }
    PlayOnSummary summary() const;
    // Whether the last step ended the career.
    bool careerOver() const { return stopped_ == PlayOnStop::careerOver; }
    // How the career ended, when it did in this run.
    const PlayOutcome& lastPlayed() const { return lastPlayed_; }

  private:
    void tell(int match, const ConfirmedMatch& confirmed);
    void stopAfter(const PlayOnStep& step);

    CareerSession& session_;
    PlayOnRules rules_;
    std::optional<PlayOnStop> stopped_;
    std::vector<PlayOnNews> news_;
    PlayOnSummary summary_;
    double balanceBefore_ = 0;
    PlayOutcome lastPlayed_;
};
