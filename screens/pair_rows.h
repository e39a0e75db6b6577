// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <utility>
#include <vector>

class QGridLayout;
class QLabel;
class QWidget;

// Captions and their values in a frame's grid, as many pairs to a row as
// the frame's width holds: a narrow window shows the same pairs in more,
// shorter rows instead of scrolling sideways to reach the last of them. The
// pairs keep their order, caption then value, row by row, in every
// arrangement, so that the keyboard and a screen reader meet them alike.
class PairRows : public QObject {
  public:
    // The counts of pairs a row may hold, most first (4, 3, 2, 1).
    PairRows(QGridLayout* grid, std::vector<int> pairsPerRow);

    QWidget* frame() const { return frame_; }
    QGridLayout* grid() const { return grid_; }

    // The next pair, after those added before.
    void add(QLabel* caption, QWidget* value);
    // A pair after all the others on a row of its own, its value across
    // the row (a line that wraps, or is cut to the row's room).
    void addAcross(QLabel* caption, QWidget* value);
    // A widget below all the pairs, across the whole frame.
    void addBelow(QWidget* widget);

    // Takes the arrangement of the most pairs a row that fit the width (the
    // fewest when none fits), and tells the frame the least width it can
    // take: that of the fewest. Done at each resize of the frame; its owner
    // calls it after the values change, or to measure the frame's height at
    // a width it is about to be given.
    void fitTo(int width);
    void refit();
    int pairsPerRow() const { return perRow_; }
    // The width the frame takes to show the most pairs a row.
    int widestWidth() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int widthFor(int perRow) const;
    void arrange(int perRow);

    QGridLayout* grid_;
    QWidget* frame_;
    std::vector<int> counts_;
    std::vector<std::pair<QLabel*, QWidget*>> pairs_;
    std::vector<std::pair<QLabel*, QWidget*>> across_;
    std::vector<QWidget*> below_;
    int perRow_ = 0;
};
