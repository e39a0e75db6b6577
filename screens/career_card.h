// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

#include "game/career_summary.h"

class MatchLink;
class PairLayout;
class QLabel;
class QStandardItemModel;
class QTableView;
class TitledFrame;

// A career on one card: who he is and how far he rose, his totals and highs,
// his best stays, each level and team, and how the career ended. It lays
// itself out, so it sits at the head of a window or alone in one, and it
// draws itself as a picture the player may keep.
class CareerCard : public QWidget {
    Q_OBJECT
  public:
    explicit CareerCard(QWidget* parent = nullptr);

    void showSummary(const CareerSummary& summary);

    // Makes each high that names a match (a score, a bowling, a stay) a way
    // to that match, for a window that can show it: pressed, the high tells
    // the match through matchChosen. Called before a summary is shown.
    void leadToMatches();

    // The card's figures in reading order, each with its caption, as a
    // screen reader tells the window that shows it when it opens.
    QString spokenFigures() const;

    // The card as it stands, at the screen's pixel ratio.
    QImage picture();

    // The value label of the given name ("cardRuns"), for tests.
    QLabel* value(const QString& objectName) const;
    // The high of the given name ("cardHighestScore"), for tests.
    MatchLink* high(const QString& objectName) const;
    QTableView* teamsTable() const { return teams_; }

    // The width it takes to show the most figures a row and every column
    // of its table.
    int widestWidth() const;

  signals:
    // A high was pressed that leads to this match.
    void matchChosen(int match);

  private:
    // The card's figures, in reading order.
    enum Entry {
        player,
        highestLevel,
        levelsReached,
        matches,
        runs,
        wickets,
        catches,
        highestScore,
        bestBowling,
        fifties,
        hundreds,
        fiveWickets,
        peakSkill,
        moneyEarned,
        bankBalance,
        mostRunsStay,
        bestStay,
        longestStay,
        ending,
        entryCount
    };
    // A figure shown plain, or as a high that may lead to its match.
    struct Figure {
        // Its caption as a screen reader says it.
        QString caption;
        QLabel* value = nullptr;
        MatchLink* high = nullptr;
    };

    // A pair after those added before; `across`, on a row of its own after
    // the others.
    void addValue(Entry entry, const char* objectName, const QString& caption, bool across = false);
    void addHigh(Entry entry, const char* objectName, const QString& caption, bool across = false);
    void show(Entry entry, const QString& text);
    void showHigh(Entry entry, const QString& text, int match, bool stay);

    TitledFrame* frame_ = nullptr;
    PairLayout* pairs_ = nullptr;
    QTableView* teams_ = nullptr;
    QStandardItemModel* teamsModel_ = nullptr;
    QLabel* gap_ = nullptr;
    bool leadsToMatches_ = false;
    std::array<Figure, entryCount> figures_;
};
