// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "game/purchase.h"
#include "screens/management_dialog.h"

class QLabel;
class QLineEdit;
class CareerInPlay;
class Prompter;
class SpokenNotice;
class UnitsScrollBar;

// A purchase screen (training centre, gear store or health care centre):
// the rate card, one units box per row with the scroll bar that sets it, the
// bank balance before and after, Cancel and OK. It opens proposing every
// offered unit; OK buys the units only when the balance covers them.
class PurchaseScreen : public ManagementDialog {
    Q_OBJECT
  public:
    enum Centre { training, store, health };

    PurchaseScreen(Centre centre, CareerInPlay& career, Prompter& prompter, QWidget* owner);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    QLabel* unitsOfferedLabel(int row) const { return rows_.at(row).unitsOffered; }
    QLabel* rateLabel(int row) const { return rows_.at(row).rate; }
    QLabel* amountLabel(int row) const { return rows_.at(row).amount; }
    QLineEdit* unitsBox(int row) const { return rows_.at(row).box; }
    UnitsScrollBar* scrollBar(int row) const { return rows_.at(row).bar; }
    QLabel* balanceBeforeLabel() const { return balanceBeforeLabel_; }
    QLabel* balanceAfterLabel() const { return balanceAfterLabel_; }
    // How many units the balance pays for, shown only when the units
    // proposed at opening cost more than the balance.
    QLabel* payableLabel() const { return payableLabel_; }
    SpokenNotice* movesNotice() const { return movesNotice_; }

  protected:
    void confirm() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Texts;
    struct RowWidgets {
        QLabel* unitsOffered = nullptr;
        QLabel* rate = nullptr;
        QLabel* amount = nullptr;
        QLineEdit* box = nullptr;
        UnitsScrollBar* bar = nullptr;
        QWidget* focusCue = nullptr;
    };

    static Texts textsOf(Centre centre);
    int buildRateCard(const Texts& texts, int top);
    int buildOrder(const Texts& texts, int top);
    int buildBalances(int top);
    void openRow(int row);
    void unitsChanged(int row);
    void describe();

    CareerInPlay& career_;
    Prompter& prompter_;
    Purchase purchase_;
    std::vector<RowWidgets> rows_;
    std::vector<QString> rowNames_;
    // Tells a screen reader what each move of a units bar made of the order.
    SpokenNotice* movesNotice_ = nullptr;
    QLabel* balanceBeforeLabel_ = nullptr;
    QLabel* balanceAfterLabel_ = nullptr;
    QLabel* payableLabel_ = nullptr;
};
