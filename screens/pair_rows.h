// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
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
    // The pairs in a grid filling the frame, clear of its title. The counts
    // of pairs a row may hold, most first (4, 3, 2, 1).
    PairRows(QWidget* frame, std::vector<int> pairsPerRow);

    QGridLayout* grid() const { return grid_; }

    // The next pair, after those added before; `across`, a pair after all
    // the others on a row of its own, its value across the row (a line that
    // wraps, or is cut to the row's room).
    void add(QLabel* caption, QWidget* value, bool across = false);
    // A silver caption for the value named objectName, in the frame: its
    // name is the value's with "caption_" before it.
    QLabel* captionFor(const QString& objectName, const QString& caption) const;
    // Adds, as add() does, the caption and a light-yellow value label after
    // it, and returns the value's label.
    QLabel* addValue(const QString& objectName, const QString& caption, bool across = false);
    // A widget below all the pairs, across the whole frame.
    void addBelow(QWidget* widget);

    // Takes the arrangement of the most pairs a row that fit the width (the
    // fewest when none fits), and tells the frame the least width it can
    // take: that of the fewest. Done at each resize of the frame; its owner
    // calls it after the values change, or to measure the frame's height at
    // a width it is about to be given.
    void fitTo(int width);
    void refit();
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
