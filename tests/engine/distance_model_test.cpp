#include "engine/distance_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/arithmetic_error.h"

namespace tarvelle {
namespace {

struct AttenuationRow {
    const char* name;
    std::int16_t cable;
    double frequencyMHz;
    double expectedDbPer100m;

    friend void PrintTo(const AttenuationRow& row, std::ostream* out) { *out << row.name; }
};

class Attenuation : public testing::TestWithParam<AttenuationRow> {};

TEST_P(Attenuation, MatchesPublishedFigureToFourDecimals) {
    const auto& row = GetParam();
    EXPECT_NEAR(attenuationPer100m(*cableCategory(row.cable), row.frequencyMHz),
                row.expectedDbPer100m, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Categories, Attenuation,
                         testing::Values(AttenuationRow{"cat5e_at_55", 0, 55, 15.8594},
                                         AttenuationRow{"cat6_at_450", 1, 450, 46.0129},
                                         AttenuationRow{"cat6a_at_860", 2, 860, 61.3932}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BudgetRow {
    const char* name;
    double levelIn;
    double expectedMinM;
    double expectedMaxM;

    friend void PrintTo(const BudgetRow& row, std::ostream* out) { *out << row.name; }
};

class BandEdge : public testing::TestWithParam<BudgetRow> {};

// Gain -0.5 dB, 55 MHz, receiver window 0 to 15 dBmV, Cat5/5e.
TEST_P(BandEdge, GivesDistancesToTwoDecimals) {
    const auto& row = GetParam();
    double minM = -1;
    double maxM = -1;
    BandEdgeDistances(row.levelIn, -0.5, 55, 0, 15, 0, minM, maxM);
    EXPECT_NEAR(minM, row.expectedMinM, 0.005);
    EXPECT_NEAR(maxM, row.expectedMaxM, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Levels, BandEdge,
                         testing::Values(BudgetRow{"above_both_limits", 40, 154.48, 249.06},
                                         BudgetRow{"below_the_maximum", 10, 0, 59.90},
                                         BudgetRow{"below_the_minimum", -5, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BandEdge, FeetOfTheFortyDbmvCase) {
    double minM = 0;
    double maxM = 0;
    BandEdgeDistances(40, -0.5, 55, 0, 15, 0, minM, maxM);
    EXPECT_NEAR(MetersToFeet(minM), 506.83, 0.005);
    EXPECT_NEAR(MetersToFeet(maxM), 817.14, 0.005);
}

TEST(BandEdge, ZeroBudgetGivesExactlyZero) {
    double minM = 5;
    double maxM = 5;
    BandEdgeDistances(15, 0, 55, 15, 15, 0, minM, maxM);
    EXPECT_EQ(minM, 0.0);
    EXPECT_EQ(maxM, 0.0);
}

TEST(BandEdge, CategoryOutsideTableKeepsIncomingValuesButClampsNegatives) {
    for (const std::int16_t cable : {std::int16_t{3}, std::int16_t{-1}}) {
        double minM = 12.5;
        double maxM = -3;
        BandEdgeDistances(40, -0.5, 55, 0, 15, cable, minM, maxM);
        EXPECT_EQ(minM, 12.5) << "cable " << cable;
        EXPECT_EQ(maxM, 0.0) << "cable " << cable;
    }
}

ArithmeticFault faultOf(double frequencyMHz, double levelIn, double levelMin, double levelMax,
                        double& minM, double& maxM) {
    try {
        BandEdgeDistances(levelIn, 0, frequencyMHz, levelMin, levelMax, 0, minM, maxM);
    } catch (const ArithmeticError& error) {
        return error.fault();
    }
    ADD_FAILURE() << "no arithmetic error";
    return ArithmeticFault::InvalidOperation;
}

TEST(BandEdgeFaults, ZeroFrequencyDividesByZeroBeforeAnyOutput) {
    double minM = 7;
    double maxM = 8;
    EXPECT_EQ(faultOf(0, 40, 0, 15, minM, maxM), ArithmeticFault::DivisionByZero);
    EXPECT_EQ(minM, 7);
    EXPECT_EQ(maxM, 8);
}

TEST(BandEdgeFaults, NegativeFrequencyIsAnInvalidOperation) {
    double minM = 7;
    double maxM = 8;
    EXPECT_EQ(faultOf(-55, 40, 0, 15, minM, maxM), ArithmeticFault::InvalidOperation);
}

TEST(BandEdgeFaults, LevelsNearTheDoubleLimitOverflow) {
    double minM = 7;
    double maxM = 8;
    EXPECT_EQ(faultOf(55, 1e308, 0, -1e308, minM, maxM), ArithmeticFault::Overflow);
    EXPECT_EQ(minM, 7);
    EXPECT_EQ(maxM, 8);
}

TEST(BandEdgeFaults, OutputWrittenBeforeTheFaultKeepsItsValue) {
    double minM = 7;
    double maxM = 8;
    // The maximum-distance budget is 1e307 dB: fine alone, too large times 100.
    EXPECT_EQ(faultOf(55, 0, -1e307, 15, minM, maxM), ArithmeticFault::Overflow);
    EXPECT_NEAR(minM, -15 * 100 / 15.8594, 1e-3) << "written, not yet clamped";
    EXPECT_EQ(maxM, 8);
}

TEST(UnitConversion, FeetAndMeters) {
    EXPECT_DOUBLE_EQ(MetersToFeet(100), 328.0839895013123);
    EXPECT_DOUBLE_EQ(FeetToMeters(1), 0.3048);
    EXPECT_THROW(MetersToFeet(1.7e308), ArithmeticError);
}

TEST(MinMax, PickTheRightValueAndTheFirstOnATie) {
    EXPECT_EQ(Min(3, 2), 2);
    EXPECT_EQ(Max(2, 3), 3);
    // 0.0 and -0.0 compare equal, so the sign shows which argument came back.
    EXPECT_FALSE(std::signbit(Min(0.0, -0.0)));
    EXPECT_TRUE(std::signbit(Min(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(Max(0.0, -0.0)));
    EXPECT_TRUE(std::signbit(Max(-0.0, 0.0)));
}

TEST(TestMethod, AddsOneToEachArgument) {
    double first = 1.5;
    double second = -1;
    test(first, second);
    EXPECT_EQ(first, 2.5);
    EXPECT_EQ(second, 0);
}

}  // namespace
}  // namespace tarvelle
