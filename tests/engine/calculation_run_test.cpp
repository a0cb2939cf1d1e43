#include "engine/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/arithmetic_error.h"
#include "tests/data/test_data.h"
#include "tests/engine/fake_window.h"

namespace tarvelle {
namespace {

struct Inputs {
    std::string pin;
    std::string pminAnalog = "0";
    std::string pminDigital = "-12";
    std::string pmaxAnalog = "15";
    std::string pmaxDigital = "15";
    std::int16_t product = 0;
    std::int16_t cable = 0;
    int plan = 2;
};

FakeWindow windowWith(const Inputs& in) {
    FakeWindow window;
    window.texts = {{TextBox::Pin, in.pin},
                    {TextBox::PminAnalog, in.pminAnalog},
                    {TextBox::PminDigital, in.pminDigital},
                    {TextBox::PmaxAnalog, in.pmaxAnalog},
                    {TextBox::PmaxDigital, in.pmaxDigital}};
    for (const TextBox field : kResultFields) {
        window.texts[field] = "old";
    }
    window.indices = {{DropDownList::Combo_ProductConfig, in.product},
                      {DropDownList::Combo_CableType, in.cable}};
    window.chosen = {{OptionButton::OptionFrequency1, in.plan == 1},
                     {OptionButton::OptionFrequency2, in.plan == 2}};
    return window;
}

std::vector<std::string> resultTexts(const FakeWindow& window) {
    std::vector<std::string> texts;
    for (const TextBox field : kResultFields) {
        texts.push_back(window.texts.at(field));
    }
    return texts;
}

std::vector<std::string> writes(const FakeWindow& window) {
    std::vector<std::string> lines;
    std::copy_if(window.calls.begin(), window.calls.end(), std::back_inserter(lines),
                 [](const std::string& line) { return line.starts_with("setText "); });
    return lines;
}

FakeWindow windowWith(const testdata::Inputs& in) {
    return windowWith(Inputs{in.levels.pin, in.levels.pminAnalog, in.levels.pminDigital,
                             in.levels.pmaxAnalog, in.levels.pmaxDigital, in.product, in.cable,
                             in.plan});
}

class WorkedExample : public testing::TestWithParam<testdata::WorkedExample> {};

TEST_P(WorkedExample, WritesTheTwelveFieldsThenWarnsAtMostOnce) {
    const auto& example = GetParam();
    FakeWindow window = windowWith(example.inputs);
    runCalculation(window, ".");

    EXPECT_EQ(resultTexts(window),
              std::vector<std::string>(example.results.begin(), example.results.end()));
    const auto lines = writes(window);
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(lines[i].starts_with("setText " + std::string(controlName(kResultFields[i]))))
            << lines[i];
    }
    if (example.warns) {
        ASSERT_EQ(window.messages, std::vector<std::string>{std::string(kBandWarning)});
        EXPECT_EQ(window.calls.back(), "showMessage " + std::string(kBandWarning));
    } else {
        EXPECT_TRUE(window.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedExample, testing::ValuesIn(testdata::workedExamples()),
                         [](const auto& info) { return info.param.name; });

// What the program showed for a sweep of inputs before its engine was
// reworked; it must show the same today.
TEST(CalculationRun, ShowsWhatTheRecordedSweepShowed) {
    const auto sweep = testdata::calculationSweep();
    ASSERT_GT(sweep.size(), 1000u);
    for (const auto& row : sweep) {
        FakeWindow window = windowWith(row.inputs);
        std::vector<std::string> shown;
        try {
            runCalculation(window, row.decimalSeparator);
            for (const std::string& line : writes(window)) {
                if (line.starts_with("setText M")) {
                    shown.push_back(line.substr(line.rfind(' ') + 1));
                }
            }
            shown.insert(shown.end(), window.messages.begin(), window.messages.end());
        } catch (const ArithmeticError& error) {
            shown = {std::string("Run-time error: ") + error.what()};
        }
        EXPECT_EQ(shown, row.shown) << "Pin '" << row.inputs.levels.pin << "', product "
                                    << row.inputs.product << ", cable " << row.inputs.cable
                                    << ", plan " << row.inputs.plan << ", separator "
                                    << row.decimalSeparator;
    }
}

TEST(CalculationRun, NoProductSelectedComputesWithoutGain) {
    FakeWindow none = windowWith({.pin = "30", .product = -1});
    FakeWindow beyond = windowWith({.pin = "30", .product = 7});
    runCalculation(none, ".");
    runCalculation(beyond, ".");
    EXPECT_EQ(resultTexts(none), resultTexts(beyond));
    // 30 dBmV over a 15 dBmV maximum at 55 MHz on Cat5/5e: 15 dB / 15.8594 dB per 100 m.
    EXPECT_EQ(none.texts.at(TextBox::MinDistanceAnalogM), "94.58");
}

TEST(CalculationRun, ReadsEveryInputOnceBeforeWritingAnyResult) {
    FakeWindow window = windowWith({.pin = "30"});
    runCalculation(window, ".");
    const std::vector<std::string> reads(window.calls.begin(), window.calls.begin() + 12);
    EXPECT_EQ(reads, (std::vector<std::string>{
                         "text Pin",
                         "text PminAnalog",
                         "text PminDigital",
                         "text PmaxAnalog",
                         "text PmaxDigital",
                         "selectedIndex Combo_CableType",
                         "selectedIndex Combo_ProductConfig",
                         "isChosen OptionFrequency1",
                         "isChosen OptionFrequency2",
                         "setText MinDistanceAnalogFt 299.96",
                         "setText MinDistanceAnalogM 91.43",
                         "setText MaxDistanceAnalogFt 155.16",
                     }));
}

TEST(CalculationRun, SameInputsTwiceGiveTheSameTexts) {
    FakeWindow window = windowWith({.pin = "20", .product = 2, .cable = 2});
    runCalculation(window, ".");
    const auto first = resultTexts(window);
    window.messages.clear();
    runCalculation(window, ".");
    EXPECT_EQ(resultTexts(window), first);
}

TEST(CalculationRun, UsesTheCallersDecimalSeparator) {
    FakeWindow window = windowWith({.pin = "30,0", .pminDigital = "-12,0"});
    runCalculation(window, ",");
    EXPECT_EQ(window.texts.at(TextBox::MinDistanceAnalogM), "91,43");
    EXPECT_EQ(window.texts.at(TextBox::MinDistanceAnalogFt), "299,96");
}

struct Invalid {
    const char* name;
    Inputs inputs;
    TextBox failing;
    std::string message;

    friend void PrintTo(const Invalid& row, std::ostream* out) { *out << row.name; }
};

class Validation : public testing::TestWithParam<Invalid> {};

TEST_P(Validation, ReportsOnlyTheFirstBadFieldThenEmptiesAndFocusesIt) {
    const auto& row = GetParam();
    FakeWindow window = windowWith(row.inputs);
    const auto before = window.texts;
    runCalculation(window, ".");

    const std::string name(controlName(row.failing));
    ASSERT_GE(window.calls.size(), 3u);
    const std::vector<std::string> tail(window.calls.end() - 3, window.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"showMessage " + row.message, "setText " + name + " ",
                                              "setFocus " + name}));
    EXPECT_EQ(window.messages.size(), 1u);
    auto expected = before;
    expected[row.failing] = "";
    EXPECT_EQ(window.texts, expected) << "only the failing field changes";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Validation,
    testing::Values(Invalid{"empty_pin",
                            {.pin = ""},
                            TextBox::Pin,
                            "ERROR: Input Signal Strength must be a valid number"},
                    Invalid{"pin_with_trailing_letters",
                            {.pin = "12abc"},
                            TextBox::Pin,
                            "ERROR: Input Signal Strength must be a valid number"},
                    Invalid{"minimums_before_maximums",
                            {.pin = "1", .pminDigital = "x", .pmaxAnalog = "y"},
                            TextBox::PminDigital,
                            "ERROR: Pmin Digital must be a valid number"},
                    Invalid{"pmin_analog",
                            {.pin = "1", .pminAnalog = "1,5"},
                            TextBox::PminAnalog,
                            "ERROR: Pmin Analog must be a valid number"},
                    Invalid{"pmax_analog",
                            {.pin = "1", .pmaxAnalog = ""},
                            TextBox::PmaxAnalog,
                            "ERROR: Pmax Analog must be a valid number"},
                    Invalid{"pmax_digital",
                            {.pin = "1", .pmaxDigital = "inf"},
                            TextBox::PmaxDigital,
                            "ERROR: Pmax Digital must be a valid number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationRun, ValidationFailureReadsNothingElse) {
    FakeWindow window = windowWith({.pin = "oops"});
    runCalculation(window, ".");
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{
                  "text Pin", "showMessage ERROR: Input Signal Strength must be a valid number",
                  "setText Pin ", "setFocus Pin"}));
}

TEST(CalculationRun, OverflowLeavesEveryResultFieldUntouched) {
    FakeWindow window = windowWith({.pin = "1e308", .pmaxAnalog = "-1e308"});
    try {
        runCalculation(window, ".");
        FAIL() << "no arithmetic error";
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.fault(), ArithmeticFault::Overflow);
    }
    EXPECT_TRUE(writes(window).empty());
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(resultTexts(window), std::vector<std::string>(12, "old"));
}

}  // namespace
}  // namespace tarvelle
