// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLayout>
#include <QString>
#include <vector>

class QGridLayout;
class QLabel;

// Captions and their values in a frame, as many pairs to a row as the
// frame's width holds: a narrow window shows the same pairs in more, shorter
// rows instead of scrolling sideways to reach the last of them. Its height
// follows its width, so that the window around it makes room for the rows
// as it is resized or as the values change. The pairs keep their order,
// caption then value, row by row, in every arrangement, so that the
// keyboard and a screen reader meet them alike; right to left, each row
// reads from the right.
class PairLayout : public QLayout {
  public:
    // The layout of the frame, clear of its title. The counts of pairs a row
    // may hold, most first (4, 3, 2, 1).
    PairLayout(QWidget* frame, std::vector<int> pairsPerRow);
    ~PairLayout() override;

    // The next pair, after those added before; `across`, a pair after all
    // the others on a row of its own, its value across the row (a line that
    // wraps, or is cut to the row's room). A widget added as to any layout
    // (addWidget) goes below all the pairs, across the whole frame; the
    // layout places widgets alone, not spacers or layouts of their own.
    void addPair(QLabel* caption, QWidget* value, bool across = false);
    // A silver caption for the value named objectName, in the frame: its
    // name is the value's with "caption_" before it.
    QLabel* captionFor(const QString& objectName, const QString& caption) const;
    // Adds, as addPair() does, the caption and a light-yellow value label
    // after it, and returns the value's label.
    QLabel* addValue(const QString& objectName, const QString& caption, bool across = false);

    // The width it takes to show the most pairs a row.
    int widestWidth() const;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int minimumHeightForWidth(int width) const override;
    // The sizes of the arrangement it stands in, as wide at least as the
    // fewest pairs a row take.
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

  private:
    struct Pair {
        QLayoutItem* caption;
        QLayoutItem* value;
        bool across;
    };

    // The items in their reading order: the pairs, then the widgets below.
    std::vector<QLayoutItem*> items() const;
    // The width the pairs take at so many a row: each column as wide as
    // its widest caption or value, as the grid makes it.
    int widthFor(int perRow) const;
    // Which arrangement the width takes: the most pairs a row that fit it,
    // the fewest when none does.
    std::size_t arrangementFor(int width) const;
    const QGridLayout* grid(std::size_t arrangement) const { return grids_[arrangement]; }
    // Builds each arrangement's grid afresh from the items.
    void arrange();

    std::vector<int> counts_;
    std::vector<Pair> pairs_;
    std::vector<QLayoutItem*> below_;
    // A grid for each count of pairs a row, over the same widgets: each
    // measures its own arrangement, and the one for the width places them.
    std::vector<QGridLayout*> grids_;
    std::size_t shown_ = 0;
};
