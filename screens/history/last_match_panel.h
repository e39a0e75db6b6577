// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

#include "game/career.h"
#include "game/history.h"
#include "screens/titled_frame.h"

class PairLayout;
class QLabel;

// The History window's panel of the career's last match: what the player
// did and what it paid, his skills, gear and body with their change since
// the match before, and what happened since then.
class LastMatchPanel : public TitledFrame {
    // Its texts are the History window's own.
    Q_DECLARE_TR_FUNCTIONS(HistoryScreen)

  public:
    explicit LastMatchPanel(QWidget* parent);

    // Shows the last of the rows, compared with the row before it (or the
    // career's start for its first match), and the events since the match
    // before.
    void showLast(const Career& career, const std::vector<HistoryRow>& rows,
                  const QStringList& events);
    // The width it takes to show the most figures a row.
    int widestWidth() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showEvents(const QString& text);

    PairLayout* pairs_;

    std::vector<QLabel*> figures_;
    QLabel* events_;
};
