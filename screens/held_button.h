// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// A button drawn by the game itself, which shows when it is held down: while
// a mouse button is held on it, wherever the pointer then goes, or while the
// keyboard presses it. It takes focus and answers Space, Enter and Return.
class HeldButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit HeldButton(QWidget* parent);

    bool held() const { return mouseHeld_ || isDown(); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool mouseHeld_ = false;
};
