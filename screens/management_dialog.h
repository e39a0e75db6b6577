// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class CommandButton;

// A modal screen of the main menu with its two commands: Cancel at the left
// and OK at the right. Enter chooses OK wherever the focus stands (Space and
// Enter on a focused command choose that command); Escape and the close box
// cancel.
class ManagementDialog : public QDialog {
    Q_OBJECT
  public:
    CommandButton* okButton() const { return ok_; }
    CommandButton* cancelButton() const { return cancel_; }

  protected:
    explicit ManagementDialog(QWidget* owner);

    // Places both commands side by side about the middle of the window.
    void addCommands(const QString& okCaption, const QString& cancelCaption, int windowWidthTwips,
                     int top);

    // Run by OK: writes the screen's result and closes it, or keeps it open.
    virtual void confirm() = 0;

    void keyPressEvent(QKeyEvent* event) override;

  private:
    CommandButton* ok_ = nullptr;
    CommandButton* cancel_ = nullptr;
};
