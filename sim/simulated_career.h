// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "game/career.h"
#include "game/history.h"
#include "game/match.h"
#include "game/play.h"
#include "session/career_session.h"
#include "session/play_on.h"
#include "sim/record_invariants.h"
#include "sim/simulation_options.h"

class MessageCount;
class RandomSource;

enum class CareerEnd { caught, dropped, matchCap };

// The matches after which the bank balance is noted.
inline constexpr std::array<int, 4> balanceCheckpoints{10, 100, 1000, 10000};

struct CareerResult {
    CareerEnd end = CareerEnd::matchCap;
    long long matches = 0;
    // Matches played before first reaching City, State, National and the World Cup.
    std::array<std::optional<long long>, 4> matchesToReach;
    // The bank balance after each checkpoint match the career reached.
    std::vector<std::pair<int, double>> balances;
};

// A rule of the game that a step of a simulated career broke.
class InvariantBroken : public std::runtime_error {
  public:
    explicit InvariantBroken(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// One career played from start to end without a screen: a fresh player with
// starting skills drawn from 0 to 100, then, until the career ends or reaches
// the match cap, the spending policy and Play through the career's session,
// as on the main screen: the notices of Play, the bookie's offer answered by
// the policy, the match drawn and confirmed, and "Do you want to play again?"
// answered No. Every message shown is counted. The career is checked after
// every step that changed it.
class SimulatedCareer final {
  public:
    SimulatedCareer(RandomSource& random, MessageCount& messages, const SimulationOptions& options,
                    QString saveFolder);

    // Plays the career; throws InvariantBroken at the first broken invariant.
    CareerResult play();

    // A row for every match played so far, as the History window shows it.
    const CareerHistory& history() const { return session_.history(); }
    const Career& career() const { return session_.career(); }

  private:
    void check(const char* step) const;
    [[noreturn]] void fail(const char* step, const QString& what) const;
    void spend();
    void playOnce(PlayOnRun& run);
    void checkMatch(const MatchPerformance& match, const ConfirmedMatch& confirmed,
                    double expectedBalance);
    void checkHistory(const MatchPerformance& match, double award) const;
    void endCareer(const PlayOutcome& outcome);
    void saveAndLoad() const;

    RandomSource& random_;
    MessageCount& messages_;
    const SimulationOptions& options_;
    QString saveFolder_;
    // Auto-save is off, so the session writes nothing.
    CareerSession session_{Career{}};
    // What the simulator saw happen since the last match, to be found in the
    // history's row of the next one.
    SinceLastMatch seen_;
    CareerLedger ledger_;
    CareerResult result_;
    std::optional<CareerEnd> end_;
};
