// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "game/career.h"
#include "game/match.h"
#include "game/ratings.h"
#include "support/scripted_random.h"
#include "support/test_career.h"

namespace {

// A career with the given skills whose gear and body all stand at the given
// conditions, so that these are also its overall gear and overall health.
Career careerWith(int batting, int bowling, int fielding, int gear, int health) {
    Career career = testCareer(batting, bowling, fielding);
    const auto g = static_cast<std::int16_t>(gear);
    const auto h = static_cast<std::int16_t>(health);
    career.gear = {g, g, g, g};
    career.body = {h, h, h};
    return career;
}

struct DrawCase {
    const char* name;
    Career career;
    std::vector<double> draws;
    MatchPerformance match;
};

TEST(DrawMatch, DrawsEachFigureFromItsOwnDrawAndRedrawsImpossibleMatches) {
    const DrawCase cases[] = {
        {"skills of 0 and 1 give nothing",
         careerWith(1, 0, 1, 100, 100),
         {0.99, 0.99, 0.99},
         {0, 0, 0}},
        {"draws taken in order",
         careerWith(100, 200, 200, 100, 100),
         {drawFor(37, 100), drawFor(35, 200), drawFor(100, 200)},
         {37, 2, 4}},
        {"gear and health scale down",
         careerWith(11, 0, 0, 50, 50),
         {drawFor(10, 11), 0, 0},
         {2, 0, 0}},
        {"exactly 200 runs pass",
         careerWith(202, 0, 0, 100, 100),
         {drawFor(200, 202), 0, 0},
         {200, 0, 0}},
        {"exactly 10 wickets pass",
         careerWith(0, 200, 0, 100, 100),
         {0, drawFor(192, 200), 0},
         {0, 10, 0}},
        {"exactly 10 catches pass",
         careerWith(0, 0, 300, 100, 100),
         {0, 0, drawFor(274, 300)},
         {0, 0, 10}},
        {"201 runs: all three drawn again",
         careerWith(300, 200, 200, 100, 100),
         {drawFor(201, 300), drawFor(100, 200), drawFor(100, 200), drawFor(150, 300),
          drawFor(50, 200), drawFor(75, 200)},
         {150, 2, 3}},
        {"11 wickets at bowling 200: drawn again",
         careerWith(200, 200, 200, 100, 100),
         {drawFor(50, 200), drawFor(193, 200), 0, drawFor(60, 200), drawFor(175, 200), 0},
         {60, 10, 0}},
        {"11 catches: drawn again",
         careerWith(0, 0, 300, 100, 100),
         {0, 0, drawFor(275, 300), 0, 0, drawFor(25, 300)},
         {0, 0, 1}},
        {"a redraw can be rejected too",
         careerWith(300, 0, 0, 100, 100),
         {drawFor(250, 300), 0, 0, drawFor(299, 300), 0, 0, drawFor(7, 300), 0, 0},
         {7, 0, 0}},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random;
        random.draws.assign(c.draws.begin(), c.draws.end());
        const MatchPerformance match = drawMatch(c.career, random);
        EXPECT_EQ(match.runs, c.match.runs);
        EXPECT_EQ(match.wickets, c.match.wickets);
        EXPECT_EQ(match.catches, c.match.catches);
        EXPECT_TRUE(random.draws.empty()) << "draws left " << random.draws.size();
    }
}

TEST(DrawMatch, ScalesByTheOverallGearAndHealthOfTheCareer) {
    // Overall gear (50 + 100 + 100 + 100) / 4 = 87 and overall health
    // (10 + 100 + 100) / 3 = 70: 100 × 0.87 × 0.70 = 60.9 runs.
    Career career = testCareer(101, 0, 0);
    career.gear.bat = 50;
    career.body.fitness = 10;
    ASSERT_EQ(overallGear(career.gear), 87);
    ASSERT_EQ(overallHealth(career.body), 70);
    ScriptedRandom random;
    random.draws = {drawFor(100, 101), 0, 0};
    EXPECT_EQ(drawMatch(career, random).runs, 60);
}

TEST(DrawMatch, TopSkillsWithFullGearAndHealthStayInRange) {
    // Across the whole range of draws: runs up to 199, catches up to 7, and
    // wickets never past 10.
    const Career career = careerWith(200, 200, 200, 100, 100);
    for (int t = 0; t < 200; ++t) {
        ScriptedRandom random;
        const double u = drawFor(t, 200);
        random.draws = {u, u, u};
        if (t >= 193) random.draws.insert(random.draws.end(), {0, 0, 0});
        const MatchPerformance match = drawMatch(career, random);
        EXPECT_LE(match.runs, 199);
        EXPECT_LE(match.wickets, 10) << t;
        EXPECT_LE(match.catches, 7);
    }
}

TEST(DrawMatch, FiguresFarOutsideTheGameCannotHangIt) {
    // Overall gear 8191 and overall health 10922: every draw is rejected.
    const Career career = careerWith(32767, 32767, 32767, 32767, 32767);
    ScriptedRandom random;
    random.draws.assign(3000, 0.99);
    const MatchPerformance match = drawMatch(career, random);
    EXPECT_EQ(random.taken, 3000);
    EXPECT_EQ(match.runs, 200);
    EXPECT_EQ(match.wickets, 10);
    EXPECT_EQ(match.catches, 10);
}

}  // namespace
