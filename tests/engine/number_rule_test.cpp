#include "engine/number_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace tarvelle {
namespace {

struct Accepted {
    const char* name;
    std::string text;
    std::string separator;
    double value;

    friend void PrintTo(const Accepted& row, std::ostream* out) { *out << row.name; }
};

class NumberRuleAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(NumberRuleAccepts, ConvertsTheWholeText) {
    const auto& row = GetParam();
    const auto value = parseLevel(row.text, row.separator);
    ASSERT_TRUE(value.has_value()) << row.text;
    EXPECT_DOUBLE_EQ(*value, row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, NumberRuleAccepts,
    testing::Values(Accepted{"negative", "-12", ".", -12}, Accepted{"plus_sign", "+5", ".", 5},
                    Accepted{"mantissa_and_exponent", "2.5e1", ".", 25},
                    Accepted{"exponent_only", "1e3", ".", 1000},
                    Accepted{"capital_exponent_with_sign", "1E-2", ".", 0.01},
                    Accepted{"comma_separator", "20,5", ",", 20.5},
                    Accepted{"no_integer_digits", ".5", ".", 0.5},
                    Accepted{"no_fraction_digits", "5.", ".", 5},
                    Accepted{"two_byte_separator", "1\u066b5", "\u066b", 1.5},
                    Accepted{"largest_exponent", "1e308", ".", 1e308},
                    Accepted{"subnormal", "1e-320", ".", 1e-320},
                    Accepted{"too_small_becomes_zero", "1e-400", ".", 0},
                    Accepted{"leading_zeros_too_small", "0.0001e-399", ".", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct Rejected {
    const char* name;
    std::string text;
    std::string separator;

    friend void PrintTo(const Rejected& row, std::ostream* out) { *out << row.name; }
};

class NumberRuleRejects : public testing::TestWithParam<Rejected> {};

TEST_P(NumberRuleRejects, IsNotANumber) {
    const auto& row = GetParam();
    EXPECT_FALSE(parseLevel(row.text, row.separator).has_value()) << row.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberRuleRejects,
    testing::Values(
        Rejected{"empty", "", "."}, Rejected{"infinity", "inf", "."},
        Rejected{"not_a_number", "nan", "."}, Rejected{"trailing_letters", "12abc", "."},
        Rejected{"exponent_without_digits", "1e", "."},
        Rejected{"exponent_without_mantissa", "e5", "."}, Rejected{"hex", "0x10", "."},
        Rejected{"lone_sign", "-", "."}, Rejected{"lone_separator", ".", "."},
        Rejected{"blank", " ", "."}, Rejected{"leading_blank", " 12", "."},
        Rejected{"trailing_blank", "12 ", "."}, Rejected{"other_locale_separator", "20.5", ","},
        Rejected{"group_separator", "1,000", "."}, Rejected{"two_separators", "1.2.3", "."},
        Rejected{"double_sign", "--1", "."}, Rejected{"beyond_the_double_range", "1e309", "."},
        Rejected{"negative_beyond_the_range", "-1.8e308", "."},
        Rejected{"embedded_nul", std::string("1\0", 2), "."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberRule, HugeDigitStringsAreJudgedByTheirValue) {
    EXPECT_FALSE(parseLevel(std::string(100000, '9'), ".").has_value());
    const auto tiny = parseLevel("0." + std::string(100000, '0') + "1", ".");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(*tiny, 0.0);
}

TEST(NumberRule, NegativeZeroKeepsItsSign) {
    const auto value = parseLevel("-0", ".");
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(std::signbit(*value));
}

// Short numbers and long ones are read by different means; both give the
// nearest double, to the last bit (2^53 + 1 rounds to the even 2^53).
TEST(NumberRule, ReadsDecimalsToTheNearestDouble) {
    const std::pair<const char*, double> rows[] = {
        {"0.1", 0.1},
        {"38.64", 38.64},
        {"-295.27", -295.27},
        {"999999999999999", 999999999999999.0},
        {"0.000000000000001", 1e-15},
        {"1234567.89012345", 1234567.89012345},
        {"9007199254740993", 9007199254740992.0},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(parseLevel(text, "."), value) << text;
    }
}

}  // namespace
}  // namespace tarvelle
