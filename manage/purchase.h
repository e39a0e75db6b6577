#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/career_record.h"

class Prompter;

// How many units a row can take in one visit, from its current value.
enum class UnitsRule {
    ladder,   // a skill rises at most to the next step of 25 between 50 and 200
    restore,  // a condition comes back at most to 100
};

// Never below 0 and never past 16 bits.
int unitsOffered(UnitsRule rule, int currentValue);

// One row of a purchase screen, from the record's value at opening to the
// units the player has chosen.
struct PurchaseRow {
    QString name;
    Field field = Field::count;
    int rate = 0;
    int currentValue = 0;
    int unitsOffered = 0;
    int unitsChosen = 0;

    // Every offered unit at the rate.
    std::int32_t amount() const;
    // The chosen units at the rate.
    std::int32_t cost() const;
};

// What sets one purchase screen apart: its texts, its rows and their rates,
// and how many units a row is offered.
struct PurchaseCentre {
    struct Row {
        QString name;
        Field field;
        int rate;  // per unit at club level, or at every level when rates are fixed
    };

    QString objectName;
    QString title;
    QString ratesHeading;
    QString orderHeading;
    QString unitsTitle;
    QString okCaption;
    QString cancelCaption;
    std::vector<Row> rows;
    bool ratesByLevel = false;
    UnitsRule rule = UnitsRule::restore;
};

// One visit to a purchase screen. It opens from the record proposing every
// offered unit; the record changes only through write().
class Purchase {
  public:
    Purchase(const PurchaseCentre& centre, const CareerRecord& record);

    const std::vector<PurchaseRow>& rows() const { return rows_; }
    // The record's bank balance text, shown as it is.
    const QString& balanceBeforeText() const { return balanceBeforeText_; }
    std::int32_t balanceBefore() const { return balanceBefore_; }

    // Kept between 0 and the row's units offered.
    void setUnitsChosen(int row, int units);

    std::int32_t totalCost() const;
    // Worked out before saturating, so a shortage can never pass for a
    // balance of 0 or more.
    std::int32_t balanceAfter() const;
    bool affordable() const { return balanceAfter() >= 0; }

    // Adds each row's chosen units to its field, in row order, then sets the
    // bank balance to the balance after.
    void write(CareerRecord& record) const;

  private:
    double exactTotalCost() const;

    std::vector<PurchaseRow> rows_;
    QString balanceBeforeText_;
    std::int32_t balanceBefore_ = 0;
};

inline const QString shortageMessage =
    QStringLiteral("You don't have enough money to buy the units.");

// The confirmation of a purchase screen: tells the player of a shortage and
// writes nothing, or writes the purchase. True when it was written.
bool CheckData(const Purchase& purchase, CareerRecord& record, Prompter& prompter);
