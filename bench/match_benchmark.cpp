// Matches a second through the rules: the whole match as the match screen
// plays it on the career (drawMatch, then confirmMatch with auto-save off),
// and applyMatch alone on performances drawn beforehand. Careers start from
// a State player in mid-career and are set back to that start every thousand
// matches, so that wear and money stay in the ranges a real career sees; the
// reset is timed with the matches and costs about a thousandth of them.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "game/career.h"
#include "game/level_change.h"
#include "game/match.h"
#include "game/start_career.h"
#include "saves/confirm_match.h"
#include "sim/seeded_random.h"

namespace {

constexpr int matchesPerCareer = 1000;

Career stateCareer() {
    SeededRandom random(20240601);
    Career career = startCareer(
        PlayerDetails{QStringLiteral("Ravi"), QStringLiteral("Pune"), QStringLiteral("Maharashtra"),
                      QStringLiteral("India"), Skills{120, 110, 90}, false},
        random);
    changeLevel(career, Level::state);
    career.team = teamAt(career, Level::state);
    career.matchFee = arrivalFee(Level::state);
    career.sponsor = QStringLiteral("Standard Bank");
    career.sponsorship = 5400;
    career.bankBalance = 250000;
    return career;
}

void MatchThroughRecord(benchmark::State& state) {
    const Career start = stateCareer();
    Career career = start;
    SeededRandom random(20240601);
    // Auto-save is off, so confirming a match writes nothing to the folder.
    const QString savesFolder;
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            career = start;
            played = 0;
        }
        const MatchPerformance match = drawMatch(career, random);
        benchmark::DoNotOptimize(confirmMatch(career, match, savesFolder));
    }
    benchmark::DoNotOptimize(career.bankBalance);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(MatchThroughRecord);

// The arithmetic alone, on performances drawn beforehand.
void ApplyMatch(benchmark::State& state) {
    const Career start = stateCareer();
    SeededRandom random(20240601);
    std::array<MatchPerformance, 4096> performances;
    for (MatchPerformance& match : performances) match = drawMatch(start, random);

    Career career = start;
    std::size_t next = 0;
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            career = start;
            played = 0;
        }
        benchmark::DoNotOptimize(applyMatch(career, performances[next]));
        next = (next + 1) % performances.size();
    }
    benchmark::DoNotOptimize(career.bankBalance);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ApplyMatch);

// A match drawn and applied: drawMatch then applyMatch.
void DrawAndApplyMatch(benchmark::State& state) {
    const Career start = stateCareer();
    Career career = start;
    SeededRandom random(20240601);
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            career = start;
            played = 0;
        }
        benchmark::DoNotOptimize(applyMatch(career, drawMatch(career, random)));
    }
    benchmark::DoNotOptimize(career.bankBalance);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DrawAndApplyMatch);

}  // namespace

BENCHMARK_MAIN();
