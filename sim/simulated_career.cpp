#include "sim/simulated_career.h"

#include <cmath>

#include "core/levels.h"
#include "core/numbers.h"
#include "core/selection_check.h"
#include "core/start_up.h"
#include "manage/purchase_centres.h"
#include "match/post_match_update.h"
#include "match/random_gen.h"
#include "match/take_match_context.h"
#include "saves/load_data.h"
#include "saves/store_data.h"
#include "sim/policy_prompter.h"
#include "sim/seeded_random.h"
#include "sim/spending_policy.h"

namespace {

// Each Play either plays a match, ends the career, or moves the player one
// level (and no level change can follow another for ever without a match).
constexpr int mostPlaysWithoutMatch = 8;

double number(const CareerRecord& record, Field field) {
    return numbers::toDouble(record.text(field));
}

}  // namespace

SimulatedCareer::SimulatedCareer(RandomSource& random, PolicyPrompter& prompter,
                                 const SimulationOptions& options, QString saveFolder)
    : random_(random), prompter_(prompter), options_(options), saveFolder_(std::move(saveFolder)) {}

CareerResult SimulatedCareer::play() {
    for (int& skill : ledger_.startingSkills) skill = drawBelow(random_, 101);
    const auto& [batting, bowling, fielding] = ledger_.startingSkills;
    startCareer(career_,
                PlayerDetails{QStringLiteral("Simulated Player"), QStringLiteral("Pune"),
                              QStringLiteral("Maharashtra"), QStringLiteral("India"), batting,
                              bowling, fielding, 0},
                random_);
    check("the start");

    int playsWithoutMatch = 0;
    while (!end_) {
        if (ledger_.matches >= options_.matchCap) {
            end_ = CareerEnd::matchCap;
            break;
        }
        spend();
        const long long matchesBefore = ledger_.matches;
        playOnce();
        playsWithoutMatch = ledger_.matches == matchesBefore ? playsWithoutMatch + 1 : 0;
        if (playsWithoutMatch > mostPlaysWithoutMatch) {
            fail("Play",
                 QStringLiteral("%1 Plays in a row without a match").arg(playsWithoutMatch));
        }
    }
    result_.end = *end_;
    result_.matches = ledger_.matches;
    return result_;
}

void SimulatedCareer::spend() {
    CareerRecord& record = career_.record;
    if (takeBestSponsor(record)) check("taking a sponsor");
    const struct {
        const PurchaseCentre& centre;
        const char* step;
    } visits[] = {{purchase_centres::health(), "the health care centre"},
                  {purchase_centres::store(), "the gear store"},
                  {purchase_centres::training(), "the training centre"}};
    for (const auto& visit : visits) {
        const double balanceBefore = number(record, Field::bankbalance);
        if (!buyWhatIsAffordable(visit.centre, record, prompter_)) continue;
        const double balanceAfter = number(record, Field::bankbalance);
        if (balanceAfter >= balanceBefore) {
            fail(visit.step, QStringLiteral("a purchase took the balance from %1 to %2")
                                 .arg(balanceBefore)
                                 .arg(balanceAfter));
        }
        check(visit.step);
    }
}

void SimulatedCareer::playOnce() {
    const int levelBefore = levels::column(career_.record.text(Field::level)).value_or(-1);
    const int worldCupBefore = career_.working.WorldCup;
    CheckData(career_, prompter_, random_, *this);
    if (end_) return;  // the career is over and must not be touched
    check("Play");

    const int level = levels::column(career_.record.text(Field::level)).value_or(-1);
    if (level > levelBefore && level > 0 && !result_.matchesToReach[level - 1]) {
        result_.matchesToReach[level - 1] = ledger_.matches;
    }
    if (career_.working.WorldCup > worldCupBefore && !result_.matchesToReach[3]) {
        result_.matchesToReach[3] = ledger_.matches;
    }
}

void SimulatedCareer::playMatch() {
    CareerRecord& record = career_.record;
    const double expectedBalance = std::floor(number(record, Field::bankbalance)) +
                                   std::floor(number(record, Field::matchfee)) +
                                   std::floor(number(record, Field::sponsorship)) +
                                   std::floor(number(record, Field::otherincome));

    MatchContext context = takeMatchContext(record);
    const MatchPerformance match = RandomGen(context, random_);
    if (match.runs < 0 || match.runs > 200 || match.wickets < 0 || match.wickets > 10 ||
        match.catches < 0 || match.catches > 10) {
        fail("the match", QStringLiteral("a match of %1 runs, %2 wickets and %3 catches")
                              .arg(match.runs)
                              .arg(match.wickets)
                              .arg(match.catches));
    }
    ChangeData(context, match, career_, prompter_);
    ++ledger_.matches;
    ledger_.runs += match.runs;
    ledger_.wickets += match.wickets;
    ledger_.catches += match.catches;

    if (number(record, Field::bankbalance) != expectedBalance) {
        fail("the match", QStringLiteral("the bank balance is %1 after the match, not %2")
                              .arg(record.text(Field::bankbalance))
                              .arg(expectedBalance, 0, 'f', 0));
    }
    const int skills[3] = {context.batting, context.bowling, context.fielding};
    for (int i = 0; i < 3; ++i) {
        if (record.text(Label2(i)) != QString::number(skills[i])) {
            fail("the match",
                 QStringLiteral("skill %1 is %2 in the record but %3 in the match's copy")
                     .arg(i)
                     .arg(record.text(Label2(i)))
                     .arg(skills[i]));
        }
    }
    check("the match");

    for (const int checkpoint : balanceCheckpoints) {
        if (ledger_.matches == checkpoint) {
            result_.balances.emplace_back(checkpoint, number(record, Field::bankbalance));
        }
    }
    if (options_.saveEvery > 0 && ledger_.matches % options_.saveEvery == 0) saveAndLoad(context);
}

void SimulatedCareer::saveAndLoad(const MatchContext& context) const {
    if (const auto error =
            writeSaveFile(saveFolder_, context.fileName, saveFileOf(context, career_))) {
        fail("saving", *error);
    }
    const SaveFileReading reading = readSaveFile(saveFolder_ + QLatin1Char('/') + context.fileName);
    if (!reading.file) fail("loading", reading.error);

    Career loaded;
    SeededRandom clubDraw(0);
    startCareer(loaded, detailsFromSave(*reading.file), clubDraw);
    applySave(*reading.file, loaded, context.fileName);
    for (int i = 0; i < fieldCount; ++i) {
        const Field field = static_cast<Field>(i);
        if (loaded.record.text(field) != career_.record.text(field)) {
            fail("loading", QStringLiteral("field %1 is \"%2\" after loading, \"%3\" when saved")
                                .arg(i)
                                .arg(loaded.record.text(field), career_.record.text(field)));
        }
    }
    for (int column = 0; column < RecordBook::columnCount; ++column) {
        if (loaded.book.column(column) != career_.book.column(column)) {
            fail("loading", QStringLiteral("the %1 column of the record book changed")
                                .arg(levels::words[column]));
        }
    }
}

void SimulatedCareer::endCareer() {
    career_.working.Answer = prompter_.question(playAgainQuestion);
    if (prompter_.lastNotice() == caughtNotice) {
        end_ = CareerEnd::caught;
    } else if (prompter_.lastNotice().startsWith(QStringLiteral("You are dropped from the ")) &&
               career_.working.SelectionLevel == levels::words[levels::club]) {
        end_ = CareerEnd::dropped;
    } else {
        fail("Play", QStringLiteral("the career ended after \"%1\"").arg(prompter_.lastNotice()));
    }
}

void SimulatedCareer::check(const char* step) const {
    if (!prompter_.unexpected().isEmpty()) fail(step, prompter_.unexpected().constFirst());
    if (const auto problem = brokenInvariant(career_, ledger_)) fail(step, *problem);
}

void SimulatedCareer::fail(const char* step, const QString& what) const {
    throw InvariantBroken(QStringLiteral("after %1, %2 matches into the career: %3")
                              .arg(QString::fromLatin1(step))
                              .arg(ledger_.matches)
                              .arg(what));
}
