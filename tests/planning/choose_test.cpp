// Every product against every cable, checked against figures worked out apart
// from the program: alpha(f) = a*f + b*sqrt(f) + c/sqrt(f) per 100 m, the
// received level = input + gain - alpha*d/100, computed by hand in a few lines
// of a script and pasted here.

#include <gtest/gtest.h>

#include <vector>

#include "planning/choose.h"
#include "tests/planning/plan_inputs.h"

namespace tarvelle::planning {
namespace {

struct Expected {
    double smallestMargin;
    std::size_t runsPassed;
    bool noLengthWorks;
    double worstCaseMinimum;  // metres; ignored when no length works
    double worstCaseMaximum;
};

struct ChoiceCase {
    const char* name;
    double pin;
    std::vector<double> lengths;
    // Product by product, cable by cable within each.
    std::array<Expected, kCombinationCount> expected;
    Combination best;
    bool bestPassesAll;
    double bestMargin;
};

const ChoiceCase kCases[] = {
    {"one_run_of_45_m_at_20_dBmV",
     20,
     {45},
     {{{-8.65, 0, false, 28.37, 30.28},
       {-5.49, 0, false, 31.31, 34.39},
       {-3.68, 0, false, 32.31, 37.30},
       {2.14, 1, false, 34.02, 59.54},
       {1.47, 1, false, 38.64, 67.62},
       {1.27, 1, false, 41.91, 73.34},
       {4.14, 1, false, 30.62, 55.51},
       {3.47, 1, false, 34.78, 63.56},
       {3.27, 1, false, 37.72, 69.15}}},
     // Widest feed range on Cat6A (8.48 to 23.27 dBmV for the 16-port hub, as
     // wide as the 8-port's 6.48 to 21.27), then the larger margin at 20 dBmV.
     {2, 2},
     true,
     3.27},
    {"four_runs_some_pass_none_passes_all",
     20,
     {40, 50, 60, 70},
     {{{-24.83, 0, false, 28.37, 30.28},
       {-18.43, 0, false, 31.31, 34.39},
       {-15.61, 0, false, 32.31, 37.30},
       {-7.23, 2, false, 34.02, 59.54},
       {-1.23, 3, false, 38.64, 67.62},
       {-0.91, 3, false, 41.91, 73.34},
       {-11.23, 2, false, 30.62, 55.51},
       {-4.35, 3, false, 34.78, 63.56},
       {-0.41, 3, false, 37.72, 69.15}}},
     {2, 2},
     false,
     -0.41},
    {"hot_input_no_length_works_anywhere",
     30,
     {32, 50, 85},
     {{{-26.45, 0, true, 0, 0},
       {-18.10, 0, true, 0, 0},
       {-12.78, 0, true, 0, 0},
       {-11.19, 0, true, 0, 0},
       {-13.44, 0, true, 0, 0},
       {-14.73, 0, true, 0, 0},
       {-12.85, 0, true, 0, 0},
       {-11.44, 0, true, 0, 0},
       {-12.73, 0, true, 0, 0}}},
     {1, 0},
     false,
     -11.19},
    // Too weak for any cable: the engine shows 0.00 to 0.00, yet no length works.
    {"weak_input_nothing_passes",
     -20,
     {10, 20},
     {{{-33.96, 0, true, 0, 0},
       {-32.55, 0, true, 0, 0},
       {-31.74, 0, true, 0, 0},
       {-23.17, 0, true, 0, 0},
       {-22.87, 0, true, 0, 0},
       {-22.79, 0, true, 0, 0},
       {-25.17, 0, true, 0, 0},
       {-24.87, 0, true, 0, 0},
       {-24.79, 0, true, 0, 0}}},
     // Only a hotter feed passes both: widest for the balun on Cat6A, 11.74 to
     // 16.89 dBmV.
     {0, 2},
     false,
     -31.74},
};

class ChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTest, EveryCombinationAndTheRecommendation) {
    const ChoiceCase& c = GetParam();
    ChoiceAccumulator choice(testing::presetInputs(c.pin, 0, 0), kPlan2);
    for (std::size_t i = 0; i < c.lengths.size(); ++i) {
        choice.add("run " + std::to_string(i), c.lengths[i]);
    }
    ASSERT_EQ(choice.runsChecked(), c.lengths.size());
    for (std::size_t i = 0; i < kCombinationCount; ++i) {
        const CombinationResult& result = choice.results()[i];
        const Expected& expected = c.expected[i];
        SCOPED_TRACE("product " + std::to_string(result.combination.product) + ", cable " +
                     std::to_string(result.combination.cable));
        EXPECT_EQ(result.combination.product, static_cast<std::int16_t>(i / 3));
        EXPECT_EQ(result.combination.cable, static_cast<std::int16_t>(i % 3));
        EXPECT_NEAR(result.smallestMargin, expected.smallestMargin, 0.005);
        EXPECT_EQ(result.runsPassed, expected.runsPassed);
        EXPECT_EQ(result.noLengthShortfall.has_value(), expected.noLengthWorks);
        if (!expected.noLengthWorks) {
            EXPECT_NEAR(result.distances.worstCase.minimum, expected.worstCaseMinimum, 0.005);
            EXPECT_NEAR(result.distances.worstCase.maximum, expected.worstCaseMaximum, 0.005);
        }
    }
    const auto recommendation = choice.recommendation();
    ASSERT_TRUE(recommendation);
    EXPECT_EQ(recommendation->combination.product, c.best.product);
    EXPECT_EQ(recommendation->combination.cable, c.best.cable);
    EXPECT_EQ(recommendation->passesAll, c.bestPassesAll);
    EXPECT_NEAR(recommendation->smallestMargin, c.bestMargin, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Choose, ChoiceTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Choose, NoRecommendationBeforeAnyRun) {
    const ChoiceAccumulator choice(testing::presetInputs(20, 0, 0), kPlan2);
    EXPECT_FALSE(choice.recommendation());
}

TEST(Choose, TheTightestRunIsNamed) {
    ChoiceAccumulator choice(testing::presetInputs(20, 0, 0), kPlan2);
    choice.add("101", 40);
    choice.add("305", 70);
    choice.add("102", 50);
    // 8-port hub on Cat6: 70 m leaves the analog high edge 1.23 dB below its minimum.
    const CombinationResult& result = choice.results()[4];
    EXPECT_EQ(result.tightestRun, "305");
    EXPECT_EQ(result.tightestRunMeters, 70);
}

TEST(Choose, AFaultingRunCountsForNoCombination) {
    ChoiceAccumulator choice(testing::presetInputs(20, 0, 0), kPlan2);
    choice.add("101", 45);
    EXPECT_ANY_THROW(choice.add("evil", 1e308));
    EXPECT_EQ(choice.runsChecked(), 1u);
    for (const CombinationResult& result : choice.results()) {
        EXPECT_EQ(result.runsChecked, 1u);
    }
}

}  // namespace
}  // namespace tarvelle::planning
