// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QColor>
#include <QKeySequence>
#include <QList>

#include "screens/held_button.h"

class CommandButton;

// A command of the game as one action: its caption, its keys, its tooltip
// naming them ("Play (F5, Ctrl+P)") and whether it can be given. Its button
// and every other window that offers the command share it. Its keys pressed
// in the button's own window press the button, as a button's own shortcut
// does, so that the player sees which command he gave; pressed in another
// window that offers it, they give the command at once. The keyboard stays
// where it was, for the next command.
class CommandAction : public QAction {
    Q_OBJECT
  public:
    CommandAction(const QString& caption, CommandButton& button);

  protected:
    bool event(QEvent* event) override;

  private:
    CommandButton& button_;
};

// A command's button: its caption centred on a silver rectangle that turns
// red while a mouse button is held on it and silver again on release, wherever
// the pointer then is. It is a real button: it takes focus, answers Space and
// Enter, and carries its caption (without "&") as its accessible name. A
// press triggers its action.
class CommandButton : public HeldButton {
    Q_OBJECT
  public:
    CommandButton(const QString& caption, QWidget* parent);

    QColor fillColour() const;

    // Keys that give the command from anywhere in its window, named in its
    // tooltip; the first is the one offered to screen readers.
    void setShortcuts(const QList<QKeySequence>& keys);
    CommandAction* action() const { return action_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    CommandAction* action_;
};
