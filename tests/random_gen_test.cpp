#include "match/random_gen.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/career_record.h"
#include "match/take_match_context.h"
#include "support/scripted_platform.h"
#include "support/test_career.h"

namespace {

MatchContext contextOf(int batting, int bowling, int fielding, int accessories, int health) {
    MatchContext context;
    context.batting = batting;
    context.bowling = bowling;
    context.fielding = fielding;
    context.overallAccessories = accessories;
    context.overallHealth = health;
    return context;
}

// A draw that makes floor(draw × skill) equal t.
double drawFor(int t, int skill) {
    return (t + 0.5) / skill;
}

struct DrawCase {
    const char* name;
    MatchContext context;
    std::vector<double> draws;
    int runs;
    int wickets;
    int catches;
};

TEST(RandomGen, DrawsEachFigureFromItsOwnDrawAndRedrawsImpossibleMatches) {
    const DrawCase cases[] = {
        {"skills of 0 and 1 give nothing",
         contextOf(1, 0, 1, 100, 100),
         {0.99, 0.99, 0.99},
         0,
         0,
         0},
        {"draws taken in order",
         contextOf(100, 200, 200, 100, 100),
         {drawFor(37, 100), drawFor(35, 200), drawFor(100, 200)},
         37,
         2,
         4},
        {"gear and health scale down",
         contextOf(11, 0, 0, 50, 50),
         {drawFor(10, 11), 0, 0},
         2,
         0,
         0},
        {"exactly 200 runs pass",
         contextOf(202, 0, 0, 100, 100),
         {drawFor(200, 202), 0, 0},
         200,
         0,
         0},
        {"exactly 10 wickets pass",
         contextOf(0, 200, 0, 100, 100),
         {0, drawFor(192, 200), 0},
         0,
         10,
         0},
        {"exactly 10 catches pass",
         contextOf(0, 0, 300, 100, 100),
         {0, 0, drawFor(274, 300)},
         0,
         0,
         10},
        {"201 runs: all three drawn again",
         contextOf(300, 200, 200, 100, 100),
         {drawFor(201, 300), drawFor(100, 200), drawFor(100, 200), drawFor(150, 300),
          drawFor(50, 200), drawFor(75, 200)},
         150,
         2,
         3},
        {"11 wickets at bowling 200: drawn again",
         contextOf(200, 200, 200, 100, 100),
         {drawFor(50, 200), drawFor(193, 200), 0, drawFor(60, 200), drawFor(175, 200), 0},
         60,
         10,
         0},
        {"11 catches: drawn again",
         contextOf(0, 0, 300, 100, 100),
         {0, 0, drawFor(275, 300), 0, 0, drawFor(25, 300)},
         0,
         0,
         1},
        {"a redraw can be rejected too",
         contextOf(300, 0, 0, 100, 100),
         {drawFor(250, 300), 0, 0, drawFor(299, 300), 0, 0, drawFor(7, 300), 0, 0},
         7,
         0,
         0},
    };
    for (const DrawCase& c : cases) {
        ScriptedRandom random;
        random.draws.assign(c.draws.begin(), c.draws.end());
        const MatchPerformance match = RandomGen(c.context, random);
        EXPECT_EQ(match.runs, c.runs) << c.name;
        EXPECT_EQ(match.wickets, c.wickets) << c.name;
        EXPECT_EQ(match.catches, c.catches) << c.name;
        EXPECT_TRUE(random.draws.empty()) << c.name << ": draws left " << random.draws.size();
    }
}

TEST(RandomGen, TopSkillsWithFullGearAndHealthStayInRange) {
    // Across the whole range of draws: runs up to 199, catches up to 7, and
    // wickets never past 10.
    for (int t = 0; t < 200; ++t) {
        ScriptedRandom random;
        const double u = drawFor(t, 200);
        random.draws = {u, u, u};
        if (t >= 193) random.draws.insert(random.draws.end(), {0, 0, 0});
        const MatchPerformance match = RandomGen(contextOf(200, 200, 200, 100, 100), random);
        EXPECT_LE(match.runs, 199);
        EXPECT_LE(match.wickets, 10) << t;
        EXPECT_LE(match.catches, 7);
    }
}

TEST(RandomGen, FiguresFarOutsideTheGameCannotHangIt) {
    ScriptedRandom random;
    random.draws.assign(3000, 0.99);
    const MatchPerformance match = RandomGen(contextOf(32767, 32767, 32767, 8191, 10922), random);
    EXPECT_EQ(random.taken, 3000);
    EXPECT_EQ(match.runs, 200);
    EXPECT_EQ(match.wickets, 10);
    EXPECT_EQ(match.catches, 10);
}

TEST(TakeMatchContext, CopiesTheCareerValuesAsNumbers) {
    Career career;
    startTestCareer(career, 45, 20, 30);
    setFields(career.record, {{Label23(0), "50"},
                              {Label23(4), "10"},
                              {Field::runs, "2147483648"},
                              {Field::matches, "12.5"},
                              {Field::level, "State"},
                              {Field::save, "1"}});
    const MatchContext context = takeMatchContext(career.record);
    EXPECT_EQ(context.batting, 45);
    EXPECT_EQ(context.bowling, 20);
    EXPECT_EQ(context.fielding, 30);
    EXPECT_EQ(context.overallAccessories, 87);
    EXPECT_EQ(context.overallHealth, 70);
    EXPECT_EQ(context.careerRuns, 2147483647);
    EXPECT_EQ(context.matches, 12);
    EXPECT_EQ(context.level, QStringLiteral("State"));
    EXPECT_EQ(context.autoSave, 1);
    EXPECT_EQ(context.fileName, QStringLiteral("ravi_auto.bsg"));
    EXPECT_EQ(context.teamNames[0], QStringLiteral("Five Star"));
    EXPECT_EQ(context.teamNames[3], QStringLiteral("India"));
}

}  // namespace
