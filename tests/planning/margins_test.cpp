// Shortfalls and attenuations worked out apart from the program: the total by
// which the levels miss their windows, minimised over lengths on a 1 mm grid,
// and the largest excess over a maximum, from the same level budget.

#include <gtest/gtest.h>

#include "planning/explain.h"
#include "planning/margins.h"
#include "tests/planning/plan_inputs.h"

namespace tarvelle::planning {
namespace {

struct NoLengthCase {
    const char* name;
    double pin;
    std::int16_t product;
    std::int16_t cable;
    std::vector<std::string> lines;
};

const NoLengthCase kNoLengthCases[] = {
    {"every_band_works", 20, 1, 1, {}},
    // The analog band's minimum 91.43 m exceeds its maximum 47.29 m; the
    // window warns. At 47.29 m the 55 MHz level is 7 dB above the maximum.
    {"analog_band_crossed",
     30,
     0,
     0,
     {"No length works for the analog band: its receiver window is 7.00 dB too narrow for the "
      "levels at the outlet.",
      "No length works for the worst case: the two receiver windows are together 7.00 dB too "
      "narrow for the levels at the outlet."}},
    // Even 0 m leaves 550 MHz at -2.2 dBmV, below the analog minimum: the
    // engine shows 0.00 to 0.00 and does not warn.
    {"too_weak_even_at_zero_metres",
     0,
     0,
     0,
     {"No length works for the analog band: the feed is too weak, 2.20 dB below the receiver "
      "minimum even at 0 m; add at least 2.20 dB at the source.",
      "No length works for the worst case: the feed is too weak, 2.20 dB below the receiver "
      "minimum even at 0 m; add at least 2.20 dB at the source."}},
};

class NoLengthTest : public ::testing::TestWithParam<NoLengthCase> {};

TEST_P(NoLengthTest, SaysSoInOneLineEach) {
    const NoLengthCase& c = GetParam();
    const CalculationInputs inputs = testing::presetInputs(c.pin, c.product, c.cable);
    EXPECT_EQ(noLengthWorksLines(inputs, kPlan2, calculateDistances(inputs)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Explain, NoLengthTest, ::testing::ValuesIn(kNoLengthCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Margins, ShortfallOfEachSet) {
    const EdgeLevels edges = levelsAtLength(testing::presetInputs(40, 0, 0), kPlan2, 0);
    EXPECT_NEAR(windowShortfall(edges, EdgeSet::Analog), 14.30, 0.01);
    EXPECT_EQ(windowShortfall(edges, EdgeSet::Digital), 0);
    EXPECT_NEAR(windowShortfall(edges, EdgeSet::Both), 14.39, 0.01);
}

// A window whose minimum lies 5 dB above its maximum admits no level at all:
// it is too narrow by those 5 dB and by the spread of the levels besides.
TEST(Margins, AnInvertedWindowIsTooNarrowByItsInversion) {
    CalculationInputs inputs = testing::presetInputs(20, 1, 1);
    inputs.analog = {10, 5};
    const EdgeLevels edges = levelsAtLength(inputs, kPlan2, 0);
    EXPECT_NEAR(windowShortfall(edges, EdgeSet::Analog), 8.06, 0.01);
}

struct AttenuationCase {
    const char* name;
    double pin;
    std::int16_t product;
    std::int16_t cable;
    double meters;
    std::optional<double> db;
    bool enough;
};

const AttenuationCase kAttenuationCases[] = {
    {"within_the_window", 20, 1, 1, 45, std::nullopt, true},
    {"too_short_by_3_44_dB", 20, 1, 1, 32, 3.44, true},
    {"much_too_short", 20, 1, 1, 12, 13.79, true},
    // Bringing 55 MHz down 8.16 dB pushes 550 MHz 3.87 dB below its minimum.
    {"attenuation_alone_is_not_enough", 30, 0, 0, 40, 8.16, false},
    {"too_long_needs_no_attenuation", 20, 1, 1, 70, std::nullopt, true},
};

class AttenuationTest : public ::testing::TestWithParam<AttenuationCase> {};

TEST_P(AttenuationTest, BringsTheLevelsDownToTheMaximum) {
    const AttenuationCase& c = GetParam();
    const auto attenuation = attenuationNeeded(
        levelsAtLength(testing::presetInputs(c.pin, c.product, c.cable), kPlan2, c.meters));
    ASSERT_EQ(attenuation.has_value(), c.db.has_value());
    if (attenuation) {
        EXPECT_NEAR(attenuation->db, *c.db, 0.005);
        EXPECT_EQ(attenuation->enough, c.enough);
    }
}

INSTANTIATE_TEST_SUITE_P(Margins, AttenuationTest, ::testing::ValuesIn(kAttenuationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Explain, TiltAndTheLevelDifferenceAtTheOutlet) {
    const EdgeLevels edges = levelsAtLength(testing::presetInputs(20, 1, 1), kPlan2, 45);
    // The 8-port hub gives 15 dB more at 550 MHz than at 55 MHz, which makes
    // up for all but 1.83 dB of the 16.83 dB tilt.
    EXPECT_EQ(tiltLine("Analog band", edges[0], edges[1], 45),
              "Analog band, 55 MHz to 550 MHz: cable tilt 16.83 dB (the run loses that much more "
              "at 550 MHz than at 55 MHz); level difference at the outlet 1.83 dB (550 MHz below "
              "55 MHz).");
    EXPECT_EQ(tiltLine("Digital band", edges[2], edges[3], 45),
              "Digital band, 550 MHz to 860 MHz: cable tilt 7.15 dB (the run loses that much more "
              "at 860 MHz than at 550 MHz); level difference at the outlet 7.15 dB (860 MHz below "
              "550 MHz).");
}

}  // namespace
}  // namespace tarvelle::planning
