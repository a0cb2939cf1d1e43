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

const Recommended kRecommended[] = {
    {"one_run_passes",
     20,
     {45},
     "Choose the 16-port hub to balun on Cat5/5e: the run passes, with at least 4.14 dB to "
     "spare."},
    {"none_passes_every_run",
     20,
     {40, 50, 60, 70},
     "No combination passes every run: the best, the 16-port hub to balun on Cat6A/Cat7, falls "
     "short by 0.41 dB (3 of 4 runs pass)."},
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
            EXPECT_EQ(columns.size(), 6u) << line;
        }
    }
}

TEST(ChoiceOutput, CsvHasOneRowPerCombinationAndMarksTheChoice) {
    const auto lines = linesOf(printed(20, {45}, Format::Csv));
    ASSERT_EQ(lines.size(), 10u);
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 12) << line;
    }
    EXPECT_EQ(lines[7],
              "16-port hub to balun,Cat5/5e,pass,4.14,1,1,30.62,55.51,100.46,182.11,,45.00,"
              "recommended");
    EXPECT_EQ(linesOf(printed(30, {32}, Format::Csv))[1],
              "balun to balun,Cat5/5e,fail,-9.42,1,0,,,,,7.00,32.00,");
}

}  // namespace
}  // namespace tarvelle::cli
