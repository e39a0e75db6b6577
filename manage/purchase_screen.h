#pragma once

#include <vector>

#include "manage/management_screen.h"
#include "manage/purchase.h"

class QLabel;
class QLineEdit;
class QScrollBar;
class CareerRecord;
class Prompter;

// A purchase screen (training centre, gear store or health care centre):
// the rate card, one units box per row with the scroll bar that sets it, the
// bank balance before and after, Cancel and OK. It opens proposing every
// offered unit; OK writes the purchase into the record only when it is
// affordable.
class PurchaseScreen : public ManagementDialog {
    Q_OBJECT
  public:
    PurchaseScreen(const PurchaseCentre& centre, CareerRecord& record, Prompter& prompter,
                   QWidget* owner);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    QLabel* unitsOfferedLabel(int row) const { return rows_.at(row).unitsOffered; }
    QLabel* rateLabel(int row) const { return rows_.at(row).rate; }
    QLabel* amountLabel(int row) const { return rows_.at(row).amount; }
    QLineEdit* unitsBox(int row) const { return rows_.at(row).box; }
    // Its value is minus the units, so that its top end is every offered
    // unit and its up arrow adds one.
    QScrollBar* scrollBar(int row) const { return rows_.at(row).bar; }
    QLabel* balanceBeforeLabel() const { return bbbefore_; }
    QLabel* balanceAfterLabel() const { return bbafter_; }

    void CheckData();

  protected:
    void confirm() override { CheckData(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct RowWidgets {
        QLabel* unitsOffered = nullptr;
        QLabel* rate = nullptr;
        QLabel* amount = nullptr;
        QLineEdit* box = nullptr;
        QScrollBar* bar = nullptr;
        QWidget* focusCue = nullptr;
    };

    int buildRateCard(const PurchaseCentre& centre, int top);
    int buildOrder(const PurchaseCentre& centre, int top);
    int buildBalances(int top);
    void openRow(int row);
    void unitsChanged(int row);

    CareerRecord& record_;
    Prompter& prompter_;
    Purchase purchase_;
    std::vector<RowWidgets> rows_;
    QLabel* bbbefore_ = nullptr;
    QLabel* bbafter_ = nullptr;
};
