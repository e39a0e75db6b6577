#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <vector>

#include "screens/history_charts.h"

class QChartView;
class QLabel;
class QSortFilterProxyModel;
class QSplitter;
class QTabWidget;
class QTableView;
class CareerModel;
class CommandButton;
class HistoryTableModel;
class TitledFrame;

// The story of a career: who and where the player is, what his last match
// did, charts of his runs, skills, money and condition across the career, and
// a table of every match. It follows the career while it is open, and unlike
// the game's other windows it may be resized. OK and Escape close it.
class HistoryScreen : public QDialog {
    Q_OBJECT
  public:
    HistoryScreen(const CareerModel& career, QWidget* owner);

    CommandButton* okButton() const { return ok_; }
    QTableView* table() const { return table_; }
    HistoryTableModel* tableModel() const { return rows_; }
    QSortFilterProxyModel* sortedRows() const { return sorted_; }
    QTabWidget* chartTabs() const { return tabs_; }
    QChartView* chartView(HistoryCharts::Chart chart) const { return charts_.at(chart); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildHeader(QWidget* frame);
    void buildLastMatch(QWidget* frame);
    void showCareer();
    void showLastMatch();
    void drawCharts();

    const CareerModel& career_;
    std::array<QLabel*, 5> header_{};
    QLabel* gaps_;
    TitledFrame* lastMatchFrame_;
    std::vector<QLabel*> lastMatch_;
    QSplitter* split_;
    QTabWidget* tabs_;
    std::array<QChartView*, HistoryCharts::chartCount> charts_{};
    HistoryTableModel* rows_;
    QSortFilterProxyModel* sorted_;
    QTableView* table_;
    CommandButton* ok_;
    // The rows the charts were last drawn with.
    std::size_t chartedRows_ = 0;
    bool shownBefore_ = false;
};
