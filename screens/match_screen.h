// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "game/match.h"

class CareerInPlay;
class CommandButton;
struct Platform;

// One played match. On opening it has the career's session draw the runs,
// wickets and catches and shows them. OK confirms the match: the session
// applies it to the career, which saves itself when auto-save is on, and the
// screen closes. OK is the only way out: a match that has been drawn is
// always applied, so the close box and Escape do nothing.
class MatchScreen : public QDialog {
    Q_OBJECT
  public:
    MatchScreen(CareerInPlay& career, Platform& platform, QWidget* owner);

    const MatchPerformance& performance() const { return performance_; }
    CommandButton* okButton() const { return ok_; }
    bool applied() const { return applied_; }
    // The match was applied and the career written to its save file.
    bool saved() const { return saved_; }

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void confirm();

    CareerInPlay& career_;
    Platform& platform_;
    MatchPerformance performance_;
    QString result_;
    CommandButton* ok_;
    bool applied_ = false;
    bool saved_ = false;
};
