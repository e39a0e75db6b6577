// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <cstddef>
#include <string_view>

#include "game/history.h"
#include "game/ratings.h"

// The figures of a history row, one description each, in the order of the
// history file's first columns and of the History window's table: the name
// a column has in the file, the heading the table shows (translated where it
// is shown, in the HistoryTableModel context), how the figure is taken from a
// row, and what kind of figure it is, which decides how it is written and
// shown. The events since the match before follow these columns, in the file
// as fields of their own and in the table as one text.
struct HistoryColumn {
    enum Kind {
        // A whole number: written in digits, shown with the locale's grouping.
        whole,
        // Rupees: written as the save file writes money, shown as the screens
        // show it, in the locale's form.
        money,
        // The level: written as its word, shown in the player's language,
        // sorted in the levels' order.
        level,
        // The team's name: written quoted as CSV needs, sorted as text.
        team,
    };
    const char* fileName;
    const char* heading;
    Kind kind;
    // The figure as a number: the level's place for the level, nothing for
    // the team.
    double (*figure)(const HistoryRow& row);
};

// The headings are marked for translation here and translated where the
// table shows them.
inline constexpr std::array historyColumns = std::to_array<HistoryColumn>({
    {"match", QT_TRANSLATE_NOOP("HistoryTableModel", "Match"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.match; }},
    {"level", QT_TRANSLATE_NOOP("HistoryTableModel", "Level"), HistoryColumn::level,
     [](const HistoryRow& r) -> double { return levelIndex(r.level); }},
    {"team", QT_TRANSLATE_NOOP("HistoryTableModel", "Team"), HistoryColumn::team,
     [](const HistoryRow&) -> double { return 0; }},
    {"runs", QT_TRANSLATE_NOOP("HistoryTableModel", "Runs"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.performance.runs; }},
    {"wickets", QT_TRANSLATE_NOOP("HistoryTableModel", "Wickets"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.performance.wickets; }},
    {"catches", QT_TRANSLATE_NOOP("HistoryTableModel", "Catches"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.performance.catches; }},
    {"award", QT_TRANSLATE_NOOP("HistoryTableModel", "Award (Rs.)"), HistoryColumn::money,
     [](const HistoryRow& r) -> double { return r.award; }},
    {"batting", QT_TRANSLATE_NOOP("HistoryTableModel", "Batting"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.skills.batting; }},
    {"bowling", QT_TRANSLATE_NOOP("HistoryTableModel", "Bowling"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.skills.bowling; }},
    {"fielding", QT_TRANSLATE_NOOP("HistoryTableModel", "Fielding"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.skills.fielding; }},
    {"bat", QT_TRANSLATE_NOOP("HistoryTableModel", "Bat"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.gear.bat; }},
    {"gloves", QT_TRANSLATE_NOOP("HistoryTableModel", "Gloves"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.gear.gloves; }},
    {"pads", QT_TRANSLATE_NOOP("HistoryTableModel", "Pads"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.gear.pads; }},
    {"others", QT_TRANSLATE_NOOP("HistoryTableModel", "Others"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.gear.others; }},
    {"fitness", QT_TRANSLATE_NOOP("HistoryTableModel", "Fitness"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.body.fitness; }},
    {"health", QT_TRANSLATE_NOOP("HistoryTableModel", "Health"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.body.health; }},
    {"stamina", QT_TRANSLATE_NOOP("HistoryTableModel", "Stamina"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return r.body.stamina; }},
    {"overall_gear", QT_TRANSLATE_NOOP("HistoryTableModel", "Overall gear"), HistoryColumn::whole,
     [](const HistoryRow& r) -> double { return overallGear(r.gear); }},
    {"overall_health", QT_TRANSLATE_NOOP("HistoryTableModel", "Overall health"),
     HistoryColumn::whole, [](const HistoryRow& r) -> double { return overallHealth(r.body); }},
    {"match_fee", QT_TRANSLATE_NOOP("HistoryTableModel", "Match fee (Rs.)"), HistoryColumn::money,
     [](const HistoryRow& r) -> double { return r.matchFee; }},
    {"sponsorship", QT_TRANSLATE_NOOP("HistoryTableModel", "Sponsorship (Rs.)"),
     HistoryColumn::money, [](const HistoryRow& r) -> double { return r.sponsorship; }},
    {"other_income", QT_TRANSLATE_NOOP("HistoryTableModel", "Other income (Rs.)"),
     HistoryColumn::money, [](const HistoryRow& r) -> double { return r.otherIncome; }},
    {"bank_balance", QT_TRANSLATE_NOOP("HistoryTableModel", "Bank balance (Rs.)"),
     HistoryColumn::money, [](const HistoryRow& r) -> double { return r.bankBalance; }},
});

inline constexpr int historyFigureCount = static_cast<int>(historyColumns.size());

// The place in the table of the figure with that name in the file, for
// those who take a figure by its name and not by its place: a name the table
// lacks does not compile.
consteval int historyColumnAt(std::string_view fileName) {
    for (std::size_t i = 0; i < historyColumns.size(); ++i) {
        if (std::string_view(historyColumns[i].fileName) == fileName) return static_cast<int>(i);
    }
    throw "the history's column table has no column of that name";
}
