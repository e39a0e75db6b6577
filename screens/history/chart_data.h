// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

// One chart of the History window as plain data, all the charts module is
// given to draw: it knows nothing else of the game. The figures come from the
// game's rules (game/career_story.h), gathered by the History window, so that a
// module built with other rules cannot show other figures. Every text is the player's language and
// every number is written in `numbers`, the locale the rest of the window uses.

// The game's look, as a chart is drawn in it.
struct ChartLook {
    QColor background;
    // Axes, their labels and the legend.
    QColor text;
    // The title that stands in for a chart of no match.
    QColor title;
    QColor grid;
    QFont labels;
    // The axes' figures: of the labels' families, the one whose digits read.
    QFont figures;
    QFont headings;
    QFont titleFont;
};

// A line: a value a match, in the order of ChartData::matches.
struct ChartLine {
    QString name;
    QColor colour;
    std::vector<double> values;
    // Whether a long career, drawn by blocks of matches, shows a band from
    // each block's lowest to its highest value around the block's mean.
    bool banded = true;
};

// A level the values are measured against, across the whole chart.
struct ChartFloor {
    QString name;
    double value = 0;
    QColor colour;
};

// Markers of what happened before some matches, along the top or the bottom
// of the chart.
struct ChartMarkers {
    enum Shape { triangle, diamond, star };
    enum Place { top, belowTop, bottom };
    QString name;
    QColor colour;
    Shape shape = triangle;
    Place place = top;
    std::vector<std::int32_t> matches;
};

// A stretch of matches played at one level, shaded behind the lines and
// named by its level, so that a long career reads as the levels it went
// through.
struct ChartStretch {
    QString name;
    QColor colour;
    std::int32_t firstMatch = 0;
    std::int32_t lastMatch = 0;
};

// The charts of the History window, by what they show.
namespace historyChart {

enum Chart { runs, wickets, skills, bankBalance, condition, chartCount };

}  // namespace historyChart

struct ChartData {
    // The match of each value, rising.
    std::vector<std::int32_t> matches;
    // Drawn in this order: the lines, the floors, the markers.
    std::vector<ChartLine> lines;
    std::vector<ChartFloor> floors;
    std::vector<ChartMarkers> markers;
    // Behind everything, in order of their matches.
    std::vector<ChartStretch> stretches;
    // Values the value axis reaches whatever the lines hold (0, the five
    // wickets of a good match, full condition).
    std::vector<double> alwaysShown;
    QString matchTitle;
    QString valueTitle;
    // The chart's title: empty, or what stands in for a chart of no match
    // or of nothing but noughts ("No wickets taken yet."), which then has
    // no lines.
    QString title;
    // What the chart tells a screen reader.
    QString spoken;
    QLocale numbers;
};

struct Career;
class CareerHistory;

// The chart of the career and its history.
ChartData chartData(historyChart::Chart chart, const Career& career, const CareerHistory& history);
