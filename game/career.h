// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <variant>
#include <vector>

#include "game/level.h"

struct Skills {
    std::int16_t batting = 0;
    std::int16_t bowling = 0;
    std::int16_t fielding = 0;

    bool operator==(const Skills&) const = default;
};

// The state of the player's gear, 100 when new. Matches wear it down, below 0
// if need be; the gear store brings it back.
struct Gear {
    std::int16_t bat = 100;
    std::int16_t gloves = 100;
    std::int16_t pads = 100;
    std::int16_t others = 100;

    bool operator==(const Gear&) const = default;
};

// The state of the player's body, 100 when fully fit. Matches wear it down;
// the health care centre brings it back.
struct Body {
    std::int16_t fitness = 100;
    std::int16_t health = 100;
    std::int16_t stamina = 100;

    bool operator==(const Body&) const = default;
};

// The batting average of one level as the record book shows it. A match sets
// it to the level's runs per match, in single precision, shown with two
// decimals. Until the first match at the level it is the figure the career
// started or was loaded with, exactly as written: "0" for a level never
// played, and a save file holds it in the decimal form of the locale it was
// saved in.
class BattingAverage {
  public:
    BattingAverage() = default;
    static BattingAverage of(float runsPerMatch) { return BattingAverage(runsPerMatch); }
    static BattingAverage asWritten(QString text) { return BattingAverage(std::move(text)); }

    // The figure as shown and saved; a computed one as "##.00" with the
    // given decimal point (".50", "37.25"), and one read from a file with its
    // decimal point or comma replaced by the given one. Save files take ".".
    QString text(const QString& decimalPoint) const;

    bool operator==(const BattingAverage&) const = default;

  private:
    explicit BattingAverage(float runsPerMatch) : figure_(runsPerMatch) {}
    explicit BattingAverage(QString text) : figure_(std::move(text)) {}

    std::variant<QString, float> figure_{QStringLiteral("0")};
};

// The statistics of one level. Matches count in 16 bits and runs in 32.
struct LevelStatistics {
    std::int16_t matches = 0;
    std::int32_t runs = 0;
    std::int32_t wickets = 0;
    std::int32_t catches = 0;
    std::int32_t highestScore = 0;
    BattingAverage battingAverage;
    std::int32_t fifties = 0;
    std::int32_t hundreds = 0;
    std::int32_t mostWickets = 0;
    std::int32_t fiveWicketHauls = 0;

    bool operator==(const LevelStatistics&) const = default;
};

// The statistics of each level, kept apart so that a level's figures go on
// where they stopped when the player comes back to it.
using RecordBook = std::array<LevelStatistics, levelCount>;

// The names of the player's sides: the club he started his career at (kept
// in the save file; a player dropped back to club cricket joins the club
// drawn when the career was started or loaded, drawnClub), then the city,
// state and country he comes from, whose teams he rises to.
struct Teams {
    QString club = QStringLiteral("club");
    QString city = QStringLiteral("city");
    QString state = QStringLiteral("state");
    QString nation = QStringLiteral("nation");

    bool operator==(const Teams&) const = default;
};

// The figure that kept a player out of the side at a press of Play: what it
// stood at, and the least it had to be for him to play.
struct Shortfall {
    enum Figure : std::uint8_t {
        overallSkill,
        fielding,
        bat,
        gloves,
        pads,
        others,
        fitness,
        health,
        stamina,
    };
    Figure figure = overallSkill;
    std::int32_t value = 0;
    std::int32_t needed = 0;

    bool operator==(const Shortfall&) const = default;
};

// What happened to a career since its last match, for the history's row of
// the next one. Purchases are summed by centre.
struct SinceLastMatch {
    // Each level the player moved to, in order: a promotion when it is above
    // the level before, a drop when below.
    std::vector<Level> levelChanges;
    // Why he was dropped, for each drop among the level changes, in order.
    std::vector<Shortfall> dropReasons;
    bool selectedForWorldCup = false;
    // The sponsor taken last, if any.
    QString sponsorTaken;
    std::int32_t trainingCost = 0;
    std::int32_t gearCost = 0;
    std::int32_t healthCareCost = 0;
    // The bookie's money the player took.
    std::int32_t bookieMoney = 0;

    bool operator==(const SinceLastMatch&) const = default;
};

// One career: everything the game knows of it. The values a new career does
// not set itself stand at what every career starts from.
struct Career {
    QString player = QStringLiteral("Player Name");
    Teams teams;
    // The side he plays for now.
    QString team = QStringLiteral("India");
    // The club drawn when this career was started or loaded: the side a
    // player dropped back to club cricket joins, whatever club a loaded
    // career was saved with.
    QString drawnClub;
    QString sponsor = QStringLiteral("...");
    Skills skills;
    // The skills the career started with, to which every change of level
    // sets them back.
    Skills startingSkills;
    Gear gear;
    Body body;
    double matchFee = 3000;
    double sponsorship = 0;
    // A performance award waiting to be paid in with the next match.
    double otherIncome = 0;
    double bankBalance = 0;
    Level level = Level::club;
    RecordBook recordBook{};
    // Picked for the World Cup since he last came to national level; not saved.
    bool selectedForWorldCup = false;
    // Not saved either: a career is saved right after a match.
    SinceLastMatch sinceLastMatch;

    LevelStatistics& statistics() { return recordBook[levelIndex(level)]; }
    const LevelStatistics& statistics() const { return recordBook[levelIndex(level)]; }

    bool operator==(const Career&) const = default;
};

// The side the player plays for at a level.
const QString& teamAt(const Career& career, Level level);
