// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "game/sponsorship.h"
#include "screens/management_dialog.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class CareerInPlay;
class Prompter;

// The sponsorship offers: the eight sponsors, each with its offer at the
// player's level, of which only those that the overall skill earns can be
// chosen. OK takes the chosen sponsor, saved at once with auto-save on;
// with none chosen it changes nothing.
class SponsorsScreen : public ManagementDialog {
    Q_OBJECT
  public:
    SponsorsScreen(CareerInPlay& career, Prompter& prompter, QWidget* owner);

    QRadioButton* option(int index) const { return options_.at(index); }
    QLabel* offerLabel(int index) const { return offers_.at(index); }

  protected:
    void confirm() override;
    // The arrow keys on an offer choose the offer they move to.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void describeOffers(const SponsorshipOffers& offers);

    CareerInPlay& career_;
    Prompter& prompter_;
    QButtonGroup* group_;
    std::array<QRadioButton*, sponsors.size()> options_{};
    std::array<QLabel*, sponsors.size()> offers_{};
};
