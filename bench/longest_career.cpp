// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/longest_career.h"

#include <cstdlib>

#include "sim/message_count.h"
#include "sim/seeded_random.h"
#include "sim/simulated_career.h"
#include "sim/simulation_options.h"

const PlayedCareer& longestCareerPlayed() {
    static const PlayedCareer played = [] {
        SeededRandom random(1);
        MessageCount messages;
        SimulationOptions options;
        options.matchCap = longestCareer;
        options.bribeAcceptance = 0;
        SimulatedCareer career(random, messages, options, QString());
        if (career.play().end != CareerEnd::matchCap) std::abort();
        return PlayedCareer{career.career(), career.history()};
    }();
    return played;
}
