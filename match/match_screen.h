#pragma once

#include <QDialog>
#include <array>

#include "match/match_context.h"

class QLabel;
class CommandButton;
struct Career;
struct Platform;

// One played match. On opening it copies what the match needs from the
// career, draws the runs, wickets and catches and shows them. OK applies the
// match to the career, saves it when auto-save is on and closes the screen.
// OK is the only way out: a match that has been drawn is always applied, so
// the close box and Escape do nothing.
class MatchScreen : public QDialog {
    Q_OBJECT
  public:
    MatchScreen(Career& career, Platform& platform, QWidget* owner);

    const MatchContext& context() const { return context_; }
    const MatchPerformance& performance() const { return performance_; }
    CommandButton* okButton() const { return ok_; }
    bool applied() const { return applied_; }

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void confirm();

    Career& career_;
    Platform& platform_;
    MatchContext context_;
    MatchPerformance performance_;
    CommandButton* ok_;
    bool applied_ = false;
};
