// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QTreeView>
#include <vector>

#include "game/history.h"

class QStandardItemModel;

// The History window's Seasons table: the career's totals first, then each
// level played with its totals, its stays listed under it (folded away for a
// career of many stays). Its columns are as wide as the figures in them, so
// that none is cut; a table wider than its room scrolls sideways.
class SeasonsView : public QTreeView {
    // Its texts are the History window's own.
    Q_DECLARE_TR_FUNCTIONS(HistoryScreen)

  public:
    explicit SeasonsView(QWidget* parent);

    // Shows the stays of the rows afresh.
    void showSeasons(const std::vector<HistoryRow>& rows);

  private:
    void fitColumns();

    QStandardItemModel* seasonRows_;
};
