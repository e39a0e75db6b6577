// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "screens/history/chart_plugin.h"
#include "screens/history/seasons_view.h"

class QComboBox;
class QLabel;
class MilestonesView;
class QScrollArea;
class QSplitter;
class QVBoxLayout;
class QTabWidget;
class QTableView;
class CareerCard;
class CareerInPlay;
class CommandButton;
class HistoryTableModel;
class SortedHistory;
class LastMatchPanel;
class PairLayout;
class SpokenNotice;

// The story of a career: who and where the player is, what his last match
// did, charts of his runs, wickets, skills, money and condition across the
// career, his stays at each level with their totals, the milestones of the
// career, and a table of every match. A window of its own beside the main
// screen (not one that stands over it), or a pane of the main screen's
// window where the desktop cannot place a window beside it; it follows the
// career as it is played; unlike the game's other windows it may be resized,
// and its first size fits the screen. OK and Escape close it; in a pane,
// Detach asks for it to stand as a window of its own.
class HistoryScreen : public QDialog {
    Q_OBJECT
  public:
    // The tabs: a chart's (numbered as the chart), then the text alternative
    // of what they show, and the career card's while the window is too short
    // to show the card at its head. The Career tab, while there, comes first,
    // so a tab's place in the bar is not its number: showTab() turns to one.
    enum Tab { seasonsTab = historyChart::chartCount, milestonesTab, careerTab, tabCount };

    // The charts are drawn by `charts`; without them each chart's tab says
    // so in a sentence.
    HistoryScreen(const CareerInPlay& career, QWidget* owner,
                  HistoryChartModule charts = historyCharts());

    CommandButton* okButton() const { return ok_; }
    // Shown only while the window stands as a pane of another window.
    CommandButton* detachButton() const { return detach_; }
    QTableView* table() const { return table_; }
    QTabWidget* chartTabs() const { return tabs_; }
    // The card that sums up the career, at the window's head, or in the
    // Career tab while the window is too short for it there.
    CareerCard* careerCard() const { return cardAtHead_ ? card_ : tabCard_; }
    bool cardAtHead() const { return cardAtHead_; }
    // The chart's view, or the sentence in its place when there are no charts.
    QWidget* chartView(historyChart::Chart chart) const { return chartViews_.at(chart); }
    SeasonsView* seasons() const { return seasons_; }
    MilestonesView* milestones() const { return milestones_; }
    QComboBox* sortChoice() const { return sortColumn_; }
    QComboBox* sortOrderChoice() const { return sortOrder_; }

    // Turns to the tab (the Career tab only while the card is not at the
    // head), and which tab is in sight.
    void showTab(Tab tab);
    Tab currentTab() const;

    // Selects the match's row in the table and brings it into sight.
    void showMatch(int match);
    // Shows the match as showMatch does, the table in sight in the window,
    // and gives the table the keyboard.
    void leadToMatch(int match);

    // Where the window's frame is to stand when it is next shown, instead
    // of the middle of the screen the first time, or where it stood before.
    // The frame is not known before the window is first shown: the window
    // goes where the inside of the frame it is expected to have would be.
    void openAt(const QRect& frame) { nextPlace_ = frame.marginsRemoved(expectedFrame()); }
    // Where the window itself (its geometry, without the frame) is to stand
    // when it is next shown: where the player left it.
    void openWhereLeft(const QRect& geometry) { nextPlace_ = geometry; }
    // The margins a window manager's frame is expected to add to the window.
    static QMargins expectedFrame() { return {8, 32, 8, 8}; }
    // The least size at which the window shows its charts, tabs and table
    // without scrolling sideways: the window's minimum size, unless a screen
    // too small for it gives it less room.
    QSize leastUsefulSize() const;
    // The size it would open with on a screen of any size: its first size,
    // widened for a language that runs longer than English.
    QSize preferredSize() const;

  signals:
    // Detach was pressed: the pane is to become a window of its own.
    void detachRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildContent();
    CareerCard* buildCard(QWidget* parent);
    QScrollArea* buildCardPage(QWidget* parent);
    QWidget* buildTabs(QWidget* parent);
    QWidget* buildTable(QWidget* parent);
    QWidget* buildSortChoice(QWidget* parent);
    // Widens the columns of words to the texts of the rows from first to
    // before end.
    void widenToTexts(int first, int end);
    void buildHeader(QWidget* frame);
    void fitTheScreen();
    bool takeNextPlace();
    void showCareer();
    void showLastMatch();
    void showCard();
    void freshenCard();
    void fitPanels();
    void placeCard(bool atHead);
    void placeLastMatch(bool atHead);
    bool newestInSight() const;
    QWidget* page(Tab tab) const;
    void drawCurrentTab();
    void showMilestones();
    void sortBy();
    void followSort(int column, Qt::SortOrder order);

    const CareerInPlay& career_;
    PairLayout* header_;
    std::array<QLabel*, 5> headerValues_{};
    QLabel* gaps_;
    LastMatchPanel* lastMatch_;
    CareerCard* card_;
    // The Career tab's page, and the card on it, which takes the place of
    // the head's card while the window is too short for that one.
    QScrollArea* cardPage_;
    CareerCard* tabCard_;
    bool cardAtHead_ = true;
    // Whether the last match's panel stands at the head, or below the card
    // in the Career tab, where the window is too short for both.
    bool lastMatchAtHead_ = true;
    QVBoxLayout* headColumn_;
    QVBoxLayout* careerPageColumn_;
    // Whether the head's card shows the career as it stood before the last
    // change, having been out of sight.
    bool cardStale_ = true;
    QSplitter* split_;
    QScrollArea* scroll_ = nullptr;
    QTabWidget* tabs_;
    HistoryChartModule charts_;
    std::array<QWidget*, historyChart::chartCount> chartViews_{};
    // Tells a screen reader the figures at a chart's cursor as it moves,
    // once each.
    SpokenNotice* cursorNotice_;
    QString cursorTold_;
    SeasonsView* seasons_;
    MilestonesView* milestones_;
    // Which tabs show the history as it stood before the last change: only
    // the tab in sight is drawn again at once, the others when shown.
    std::array<bool, tabCount> stale_{};
    HistoryTableModel* rows_;
    SortedHistory* sorted_;
    QTableView* table_;
    QComboBox* sortColumn_;
    QComboBox* sortOrder_;
    CommandButton* ok_;
    CommandButton* detach_;
    bool shownBefore_ = false;
    std::optional<QRect> nextPlace_;
    // Whether the newest match was in sight when the history last changed,
    // so that the match played next comes into sight in its turn.
    bool followNewest_ = true;
};
