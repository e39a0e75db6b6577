// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "session/play_on.h"

class CommandButton;
class QCheckBox;
class QComboBox;
class QSpinBox;

// Where Play on is told how many matches to play and where to stop early.
// Enter starts the run, Escape leaves it unplayed.
class PlayOnDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens with the rules chosen last.
    PlayOnDialog(const PlayOnRules& chosen, QWidget* owner);

    PlayOnRules rules() const;
    QSpinBox* matchesField() const { return matches_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QSpinBox* matches_;
    QCheckBox* beforeDrop_;
    QCheckBox* atPromotion_;
    QCheckBox* atWorldCup_;
    QCheckBox* atAward_;
    QCheckBox* atFloor_;
    QComboBox* floorFigure_;
    QSpinBox* floorValue_;
    CommandButton* start_;
};
