#pragma once

#include <array>

#include "manage/management_screen.h"
#include "manage/sponsorship.h"

class QButtonGroup;
class QLabel;
class QRadioButton;
class CareerRecord;

// The sponsorship offers: the eight sponsors, each with its offer at the
// player's level, of which only those that the overall skill earns can be
// chosen. OK takes the chosen sponsor; with none chosen it changes nothing.
class SponsorsScreen : public ManagementDialog {
    Q_OBJECT
  public:
    SponsorsScreen(CareerRecord& record, QWidget* owner);

    QRadioButton* option(int index) const { return options_.at(index); }
    QLabel* offerLabel(int index) const { return offers_.at(index); }

    void ApplyData();

  protected:
    void confirm() override { ApplyData(); }

  private:
    CareerRecord& record_;
    QButtonGroup* group_;
    std::array<QRadioButton*, sponsors.size()> options_{};
    std::array<QLabel*, sponsors.size()> offers_{};
};
