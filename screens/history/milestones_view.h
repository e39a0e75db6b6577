// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <vector>

#include "game/career_story.h"
#include "game/history.h"

class QCheckBox;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// The History window's Milestones: the moments of a career worth telling,
// which the player may narrow to one topic (runs and wickets, level changes,
// sponsors, the bookie) and whose repeats (every sponsor taken, every
// thousand runs) may stand as one line with their count, opened to list
// them. A match played adds its own milestones to those shown; nothing is
// told afresh.
class MilestonesView : public QWidget {
    // Its texts are the History window's own.
    Q_DECLARE_TR_FUNCTIONS(HistoryScreen)

  public:
    explicit MilestonesView(QWidget* parent);

    // Shows the milestones of the career's history, telling only the rows
    // added since the last call when the history has grown at its end.
    void follow(const Career& career, const std::vector<HistoryRow>& rows);

    QTreeWidget* list() const { return list_; }
    QComboBox* topicChoice() const { return topic_; }
    QCheckBox* groupChoice() const { return grouped_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The list's one column as wide as its widest line in sight, or the
    // list, whichever is wider: a line is never cut, the list scrolls
    // sideways instead.
    void fitColumn();
    void showAll();
    void add(std::size_t told);
    bool inTopic(Milestone::Kind kind) const;
    void fillGroup(QTreeWidgetItem* group);

    QComboBox* topic_;
    QCheckBox* grouped_;
    QTreeWidget* list_;
    MilestoneLog log_;
    // What is shown of each kind when repeats are grouped: how many, and
    // the one line that stands for them.
    std::array<std::size_t, Milestone::kindCount> shownOfKind_{};
    std::array<QTreeWidgetItem*, Milestone::kindCount> lineOfKind_{};
    QTreeWidgetItem* none_ = nullptr;
};
