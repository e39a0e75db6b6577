// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QTableView>
#include <vector>

#include "game/history.h"

class QStandardItemModel;

// The History window's Seasons table: each stay at one level, in order, with
// its totals, then the career's.
class SeasonsView : public QTableView {
    // Its texts are the History window's own.
    Q_DECLARE_TR_FUNCTIONS(HistoryScreen)

  public:
    explicit SeasonsView(QWidget* parent);

    // Shows the stays of the rows afresh.
    void showSeasons(const std::vector<HistoryRow>& rows);

  private:
    QStandardItemModel* seasonRows_;
};
