#include "core/match_day.h"

#include <cmath>

#include "core/career.h"
#include "core/numbers.h"
#include "core/play_host.h"
#include "ui/prompter.h"
#include "ui/random_source.h"

namespace {

constexpr int offerChances = 30;
constexpr int offerDraw = 15;
constexpr int enquiryChances = 3;
constexpr int caughtDraw = 1;
constexpr double bribe = 50000;

}  // namespace

void ShowMatch(Career& career, Prompter& prompter, RandomSource& random, PlayHost& host) {
    if (drawBelow(random, offerChances) == offerDraw) {
        career.working.Answer = prompter.question(
            QStringLiteral("A bookie offers you Rs. 50000 if you play badly. Accept the offer?"));
        if (career.working.Answer) {
            CareerRecord& record = career.record;
            const double balance = std::floor(numbers::toDouble(record.text(Field::bankbalance)));
            record.set(Field::bankbalance, numbers::text(balance + bribe));
            // A draw of its own: the enquiry does not follow from the offer.
            if (drawBelow(random, enquiryChances) == caughtDraw) {
                prompter.notice(QStringLiteral(
                    "You're found guilty of match fixing in an enquiry. Your career is over."));
                host.endCareer();
                return;
            }
        }
    }
    host.playMatch();
}
