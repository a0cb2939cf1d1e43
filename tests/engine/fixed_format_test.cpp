#include "engine/fixed_format.h"

#include <gtest/gtest.h>

namespace tarvelle {
namespace {

struct Row {
    const char* name;
    double value;
    const char* separator;
    const char* expected;

    friend void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }
};

class FixedFormat : public testing::TestWithParam<Row> {};

TEST_P(FixedFormat, ShowsTwoDecimals) {
    const auto& row = GetParam();
    EXPECT_EQ(formatFixed(row.value, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FixedFormat,
                         testing::Values(Row{"zero", 0, ".", "0.00"},
                                         Row{"negative_zero", -0.0, ".", "0.00"},
                                         Row{"tiny_negative", -0.001, ".", "0.00"},
                                         Row{"below_one", 0.5, ".", "0.50"},
                                         Row{"rounds_up", 91.4269, ".", "91.43"},
                                         Row{"no_grouping", 1234567.891, ".", "1234567.89"},
                                         Row{"comma", 299.9567, ",", "299,96"},
                                         Row{"two_byte_separator", 2.5, "\u066b", "2\u066b50"},
                                         Row{"negative", -3.14159, ".", "-3.14"},
                                         Row{"huge", 1e20, ".", "100000000000000000000.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvelle
