#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/formats/choice_output.h"
#include "tests/planning/plan_inputs.h"

namespace tarvelle::cli {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string printed(double pin, const std::vector<double>& lengths, Format format) {
    ChoiceAccumulator choice(testing::presetInputs(pin, 0, 0), kPlan2);
    for (const double meters : lengths) {
        choice.add("run", meters);
    }
    std::ostringstream out;
    printChoice(out, format, choice);
    return out.str();
}

struct Recommended {
    const char* name;
    double pin;
    std::vector<double> lengths;
    std::string line;
};

// Feed ranges worked from the model per run: 45 m on the 16-port hub and
// Cat6A passes from 8.4756 to 23.2714 dBmV (middle 15.87); 40 to 70 m on it
// from 20.4056 to 21.0889.
const Recommended kRecommended[] = {
    {"one_run_passes",
     20,
     {45},
     "Choose the 16-port hub to balun on Cat6A/Cat7: every run passes at a feed from 8.48 dBmV "
     "to 23.27 dBmV, the widest range of any combination; at 20.00 dBmV every run passes with "
     "at least 3.27 dB to spare; 15.87 dBmV gives the most margin."},
    {"a_hotter_feed_passes_every_run",
     20,
     {40, 50, 60, 70},
     "Choose the 16-port hub to balun on Cat6A/Cat7: every run passes at a feed from 20.41 dBmV "
     "to 21.09 dBmV, the widest range of any combination; at 20.00 dBmV 3 of 4 runs pass, the "
     "tightest short by 0.41 dB; 20.75 dBmV gives the most margin."},
};

class RecommendationTest : public ::testing::TestWithParam<Recommended> {};

TEST_P(RecommendationTest, OneLineAfterTheTable) {
    const Recommended& c = GetParam();
    const auto lines = linesOf(printed(c.pin, c.lengths, Format::Text));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.back(), c.line);
}

INSTANTIATE_TEST_SUITE_P(ChoiceOutput, RecommendationTest, ::testing::ValuesIn(kRecommended),
                         [](const auto& info) { return std::string(info.param.name); });

// Kilometre-long distances and big margins still leave two blanks between
// every pair of columns.
TEST(ChoiceOutput, ColumnsNeverRunTogether) {
    for (const double pin : {20.0, 1e8}) {
        const auto lines = linesOf(printed(pin, {45, 1e6}, Format::Text));
        for (std::size_t i = 1; i < 10; ++i) {
            const std::string& line = lines[i];
            std::vector<std::string> columns;
            const std::regex gap(" {2,}");
            for (std::sregex_token_iterator it(line.begin(), line.end(), gap, -1), end; it != end;
                 ++it) {
                columns.push_back(*it);
            }
            EXPECT_EQ(columns.size(), 7u) << line;
        }
    }
}

TEST(ChoiceOutput, CsvHasOneRowPerCombinationAndMarksTheChoice) {
    const auto lines = linesOf(printed(20, {45}, Format::Csv));
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 14) << line;
    }
    EXPECT_EQ(lines[7],
              "16-port hub to balun,Cat5/5e,pass,4.14,1,1,30.62,55.51,100.46,182.11,,45.00,,"
              "13.45,24.14");
    EXPECT_EQ(lines[9],
              "16-port hub to balun,Cat6A/Cat7,pass,3.27,1,1,37.72,69.15,123.75,226.87,,45.00,"
              "recommended,8.48,23.27");
    // 32 m on the balun and Cat5e needs at least 21.01 dBmV and at most 20.58.
    EXPECT_EQ(linesOf(printed(30, {32}, Format::Csv))[1],
              "balun to balun,Cat5/5e,fail,-9.42,1,0,,,,,7.00,32.00,,,");
}

}  // namespace
}  // namespace tarvelle::cli
