// SPDX-License-Identifier: GPL-3.0-or-later
// Matches a second through the rules: the whole match as the match screen
// plays it through the career's session (drawMatch, then confirmMatch with
// auto-save off, which adds the match's row to the career's history), and
// applyMatch alone
// on performances drawn beforehand. Careers start from a State player in
// mid-career and are set back to that start, with an empty history, every
// thousand matches, so that wear and money stay in the ranges a real career
// sees; the reset is timed with the matches and costs about a thousandth of
// them.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <array>
#include <cstddef>

#include "game/career.h"
#include "game/history.h"
#include "game/level_change.h"
#include "game/match.h"
#include "game/start_career.h"
#include "session/career_session.h"
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

// The match as the match screen plays it. With fresh memory, the memory of
// each history is handed back to the system as its career is set back, as
// glibc does of its own accord, so that the next history takes it again page
// by page; otherwise it is kept for the next (see main()).
void playThroughRecord(benchmark::State& state, bool freshMemory) {
    const Career start = stateCareer();
    // Auto-save is off, so confirming a match writes nothing to the folder.
    CareerSession session(start);
    SeededRandom random(20240601);
    int played = 0;
    for (auto _ : state) {
        if (++played == matchesPerCareer) {
            session = CareerSession(start);
            if (freshMemory) malloc_trim(0);
            played = 0;
        }
        session.drawMatch(random);
        benchmark::DoNotOptimize(session.confirmMatch());
    }
    benchmark::DoNotOptimize(session.career().bankBalance);
    state.SetItemsProcessed(state.iterations());
}

void MatchThroughRecord(benchmark::State& state) {
    playThroughRecord(state, false);
}
BENCHMARK(MatchThroughRecord);

void MatchThroughRecordFreshMemory(benchmark::State& state) {
    playThroughRecord(state, true);
}
BENCHMARK(MatchThroughRecordFreshMemory);

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

// A career's history grows by a row a match, and glibc hands the memory of a
// freed history back to the system once it is large enough; taking it again
// costs a page fault every 24 rows, several microseconds each on a virtual
// machine. A game grows one history over hours of play, where that is
// nothing; this benchmark sets its career back every thousand matches, where
// it would be most of the time measured. So the freed memory is kept for the
// next history, and MatchThroughRecordFreshMemory measures the other case.
int main(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
