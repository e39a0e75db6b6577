// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include "session/play_on.h"

class QListWidget;
struct Career;

// One line of the news of a run: "Match 41: You are selected in the
// Maharashtra team."
QString newsLine(const PlayOnNews& news);

// The run on one line: matches, runs, wickets, money earned and levels.
QString runSummaryLine(const PlayOnSummary& summary);

// Why the run stopped, for the career it left.
QString runStopText(const PlayOnRun& run, const Career& career);

// The news of a run, told at its end: what a press of Play and OK would
// have told in boxes, in order, under why the run stopped and its summary.
class PlayOnNewsScreen : public QDialog {
    Q_OBJECT
  public:
    PlayOnNewsScreen(const PlayOnRun& run, const Career& career, QWidget* owner);

    QListWidget* list() const { return list_; }

  private:
    QListWidget* list_;
};
