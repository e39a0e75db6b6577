// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QKeySequence>
#include <QList>

#include "screens/held_button.h"

// A command of the game: its caption centred on a silver rectangle that turns
// red while a mouse button is held on it and silver again on release, wherever
// the pointer then is. It is a real button: it takes focus, answers Space and
// Enter, and carries its caption (without "&") as its accessible name.
class CommandButton : public HeldButton {
    Q_OBJECT
  public:
    CommandButton(const QString& caption, QWidget* parent);

    QColor fillColour() const;

    // Keys that choose the command from anywhere in its window, named in its
    // tooltip ("Play (F5, Ctrl+P)"); the first is the one offered to screen readers.
    void setShortcuts(const QList<QKeySequence>& keys);
    const QList<QKeySequence>& shortcuts() const { return keys_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<QKeySequence> keys_;
};
