// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include "game/career_summary.h"

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

    // The card as it stands, at the screen's pixel ratio.
    QImage picture();

    // The value label of the given name ("cardRuns"), for tests.
    QLabel* value(const QString& objectName) const;
    QTableView* teamsTable() const { return teams_; }

  private:
    QLabel* addValue(const char* objectName, const QString& caption, int row, int pair,
                     int pairsSpanned = 1);

    TitledFrame* frame_ = nullptr;
    QTableView* teams_ = nullptr;
    QStandardItemModel* teamsModel_ = nullptr;
    QLabel* gap_ = nullptr;
};
