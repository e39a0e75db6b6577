// Matches a second through the rules: the whole match as the match screen
// plays it on the career record (takeMatchContext, RandomGen, ChangeData with
// a prompter that answers nothing), and the pure arithmetic of applyMatch on
// numbers. Careers start from a State player in mid-career and are set back
// to that start every thousand matches, so that wear and money stay in the
// ranges a real career sees; the reset is timed with the matches and costs
// about a thousandth of them.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "core/career.h"
#include "core/levels.h"
#include "core/start_up.h"
#include "match/post_match_update.h"
#include "match/random_gen.h"
#include "match/take_match_context.h"
#include "sim/seeded_random.h"
#include "ui/silent_prompter.h"

namespace {

constexpr int matchesPerCareer = 1000;

Career stateCareer() {
    Career career;
    SeededRandom random(20240601);
    startCareer(
        career,
        PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                      QStringLiteral("India"), 120, 110, 90, 0},
        random);
    CareerRecord& record = career.record;
    record.set(Field::level, levels::words[levels::state]);
    record.set(Field::matchfee, levels::arrivalFee(levels::state));
    record.set(Field::sponsorship, QStringLiteral("5400"));
    record.set(Field::bankbalance, QStringLiteral("250000"));
    for (int i = 0; i < 7; ++i) record.set(Label23(i), QStringLiteral("100"));
    return career;
}

void MatchThroughRecord(benchmark::State& state) {
    const Career start = stateCareer();
    Career career = start;
    SeededRandom random(20240601);
    SilentPrompter prompter;
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            career = start;
            played = 0;
        }
        MatchContext context = takeMatchContext(career.record);
        const MatchPerformance match = RandomGen(context, random);
        ChangeData(context, match, career, prompter);
    }
    benchmark::DoNotOptimize(career.record.text(Field::bankbalance));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MatchThroughRecord);

// The arithmetic alone, on performances drawn beforehand.
void ApplyMatch(benchmark::State& state) {
    const Career career = stateCareer();
    const MatchContext startContext = takeMatchContext(career.record);
    const MatchFigures startFigures = readMatchFigures(career.record);
    SeededRandom random(20240601);
    std::array<MatchPerformance, 4096> performances;
    for (MatchPerformance& match : performances) match = RandomGen(startContext, random);

    MatchContext context = startContext;
    MatchFigures figures = startFigures;
    std::size_t next = 0;
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            context = startContext;
            figures = startFigures;
            played = 0;
        }
        benchmark::DoNotOptimize(applyMatch(context, performances[next], figures));
        next = (next + 1) % performances.size();
    }
    benchmark::DoNotOptimize(figures);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ApplyMatch);

// A match drawn and applied on numbers: RandomGen then applyMatch.
void DrawAndApplyMatch(benchmark::State& state) {
    const Career career = stateCareer();
    const MatchContext startContext = takeMatchContext(career.record);
    const MatchFigures startFigures = readMatchFigures(career.record);
    SeededRandom random(20240601);
    MatchContext context = startContext;
    MatchFigures figures = startFigures;
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            context = startContext;
            figures = startFigures;
            played = 0;
        }
        benchmark::DoNotOptimize(applyMatch(context, RandomGen(context, random), figures));
    }
    benchmark::DoNotOptimize(figures);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DrawAndApplyMatch);

}  // namespace

BENCHMARK_MAIN();
