#include <gtest/gtest.h>

#include "planning/units.h"

namespace tarvelle::planning {
namespace {

struct UnitName {
    const char* name;
    const char* text;
    std::optional<LevelUnit> unit;
};

const UnitName kNames[] = {
    {"millivolt", "dBmV", LevelUnit::DBmV},
    {"millivolt_any_case", "DBMV", LevelUnit::DBmV},
    {"microvolt_ascii", "dBuV", LevelUnit::DBuV},
    {"microvolt_micro_sign", "dB\u00b5V", LevelUnit::DBuV},
    {"microvolt_greek_mu", "dB\u03bcV", LevelUnit::DBuV},
    {"bare_decibels", "dB", std::nullopt},
    {"milliwatt", "dBm", std::nullopt},
    {"empty", "", std::nullopt},
    {"trailing_blank", "dBuV ", std::nullopt},
};

class UnitNameTest : public ::testing::TestWithParam<UnitName> {};

TEST_P(UnitNameTest, Parses) {
    EXPECT_EQ(parseUnit(GetParam().text), GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitNameTest, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.name); });

// 1 mV is 1000 µV: 20*log10(1000) = 60 dB, exactly, both ways.
TEST(Units, MicrovoltLevelsAreSixtyDecibelsHigher) {
    for (const double dbmv : {-12.0, 0.0, 15.0, 20.0, 13.53, -1e6}) {
        EXPECT_EQ(fromDbmv(dbmv, LevelUnit::DBuV), dbmv + 60) << dbmv;
        EXPECT_DOUBLE_EQ(toDbmv(dbmv + 60, LevelUnit::DBuV), dbmv) << dbmv;
        EXPECT_EQ(fromDbmv(dbmv, LevelUnit::DBmV), dbmv) << dbmv;
        EXPECT_EQ(toDbmv(dbmv, LevelUnit::DBmV), dbmv) << dbmv;
    }
    EXPECT_EQ(toDbmv(80, LevelUnit::DBuV), 20);
    EXPECT_EQ(unitLabel(LevelUnit::DBuV), "dB\u00b5V");
    EXPECT_EQ(unitKey(LevelUnit::DBuV), "dbuv");
}

}  // namespace
}  // namespace tarvelle::planning
