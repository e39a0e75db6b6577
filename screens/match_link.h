// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// A figure that leads to the match it was made in. It reads as the value it
// is; while it has a match to lead to it is underlined and is a button that
// the keyboard reaches and presses (Space or Enter) as the mouse does, which
// tells the match through matchChosen.
class MatchLink : public QAbstractButton {
    Q_OBJECT
  public:
    explicit MatchLink(QWidget* parent);

    // Shows the figure. `match` is the match it leads to, 0 for none;
    // `leadsTo` tells a screen reader where pressing it leads, or names the
    // figure when it leads nowhere.
    void showFigure(const QString& text, int match, const QString& leadsTo);
    int match() const { return match_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void matchChosen(int match);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showWholeTextInToolTip();

    int match_ = 0;
};
