#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "planning/svg_chart.h"
#include "tests/planning/html_tree.h"
#include "tests/planning/plan_inputs.h"

namespace tarvelle::planning {
namespace {

using testing::HtmlTree;

ChartInputs chartOf(double pin, std::int16_t product, std::int16_t cable,
                    LevelUnit unit = LevelUnit::DBmV) {
    return {testing::presetInputs(pin, product, cable), kPlan2, unit};
}

double number(const GumboNode* node, const char* name) {
    return std::stod(testing::attributeOf(node, name));
}

std::vector<std::string> textsOfClass(const HtmlTree& tree, const std::string& name) {
    std::vector<std::string> texts;
    for (const GumboNode* node : testing::elementsWhere(
             tree.root(), [&](const GumboNode* n) { return testing::hasClass(n, name); })) {
        texts.push_back(testing::textOf(node));
    }
    return texts;
}

TEST(SvgChart, AMillionRunsDrawInBoundedBins) {
    const ChartInputs chart = chartOf(20, 1, 1);
    RunMarks runs = runMarksFor(chart);
    for (int i = 0; i < 1'000'000; ++i) {
        runs.add(10 + (i % 9973) * 0.01, i % 7 != 0, {1, 1});
    }
    runs.add(5000, false, {1, 1});
    EXPECT_EQ(runs.total(), 1'000'001u);
    EXPECT_EQ(runs.beyondLimit(), 1u);
    // Bins merged to 10 cm still count each run in its own 5 m band: 10.00 to
    // 14.99 m are 500 lengths drawn 101 times each (1,000,000 = 100 * 9973 +
    // 2700), 45.00 to 49.99 m 500 lengths drawn 100 times.
    std::map<double, std::size_t> counted;
    for (const RunMarks::Band& band : runs.bands(runs.bandWidth(5))) {
        counted[band.from] = band.passed + band.failed;
    }
    EXPECT_EQ(counted.at(10), 50'500u);
    EXPECT_EQ(counted.at(45), 50'000u);

    const std::string svg = renderChart(chart, runs);
    EXPECT_LT(svg.size(), 400'000u);
    const HtmlTree tree(svg);
    const auto notes = testing::elementsWhere(tree.root(), [](const GumboNode* n) {
        return testing::tagName(n) == "text" &&
               testing::textOf(n).find("not drawn") != std::string::npos;
    });
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(testing::textOf(notes[0]).find("1 longer than 1000.00 m not drawn"),
              std::string::npos);
}

struct NoLengthChart {
    const char* name;
    double pin;
    std::vector<std::string> noLength;
    std::vector<std::string> ranges;
};

const NoLengthChart kNoLengthCharts[] = {
    {"all_bands_work", 20, {}, {"38.64 to 67.62 m", "38.64 to 69.48 m", "38.64 to 67.62 m"}},
    {"analog_band_crossed",
     30,
     {"no length works: the window is 7.00 dB too narrow",
      "no length works: the windows are 7.00 dB too narrow"},
     {"21.78 to 50.86 m"}},
    // The engine's 0.00 to 0.00 m is not drawn as an allowed range.
    {"too_weak_even_at_zero_metres",
     0,
     {"no length works: the window is 2.20 dB too narrow",
      "no length works: the windows are 2.20 dB too narrow"},
     {"0.00 to 12.13 m"}},
};

class NoLengthChartTest : public ::testing::TestWithParam<NoLengthChart> {};

TEST_P(NoLengthChartTest, SaysSoInsteadOfABar) {
    const NoLengthChart& c = GetParam();
    const std::int16_t product = c.pin == 20 ? 1 : 0;
    const ChartInputs chart = chartOf(c.pin, product, product);
    const HtmlTree tree(renderChart(chart, runMarksFor(chart)));
    EXPECT_EQ(textsOfClass(tree, "no-length"), c.noLength);
    std::vector<std::string> ranges;
    for (const GumboNode* node : testing::elementsNamed(tree.root(), "text")) {
        const std::string text = testing::textOf(node);
        if (text.ends_with(" m") && text.find(" to ") != std::string::npos) {
            ranges.push_back(text);
        }
    }
    EXPECT_EQ(ranges, c.ranges);
}

INSTANTIATE_TEST_SUITE_P(SvgChart, NoLengthChartTest, ::testing::ValuesIn(kNoLengthCharts),
                         [](const auto& info) { return std::string(info.param.name); });

struct Drawable {
    const char* name;
    double pin;
    std::int16_t product;
};

const Drawable kDrawable[] = {
    {"ordinary", 20, 1},
    {"every_distance_zero", -20, 0},
    {"hundreds_of_kilometres", 1e8, 1},
    {"tiny_levels", 1e-300, 0},
};

class DrawableTest : public ::testing::TestWithParam<Drawable> {};

// Every coordinate a finite number, and axes with distinct, increasing ticks.
TEST_P(DrawableTest, EveryCoordinateIsFinite) {
    const ChartInputs chart = chartOf(GetParam().pin, GetParam().product, 0);
    RunMarks runs = runMarksFor(chart);
    runs.add(30, false, {});
    // Inline, as the report has it.
    const HtmlTree tree("<!DOCTYPE html><title>chart</title>" + renderChart(chart, runs));
    EXPECT_EQ(tree.parseErrors(), 0u);
    std::size_t coordinates = 0;
    testing::forEachElement(tree.root(), [&](const GumboNode* node) {
        for (const char* name : {"x", "y", "x1", "y1", "x2", "y2", "cx", "cy", "r", "width"}) {
            const std::string value = testing::attributeOf(node, name);
            if (!value.empty()) {
                std::size_t used = 0;
                EXPECT_TRUE(std::isfinite(std::stod(value, &used))) << value;
                EXPECT_EQ(used, value.size()) << value;
                ++coordinates;
            }
        }
    });
    EXPECT_GT(coordinates, 50u);
    for (const char* axis : {"tick-m", "tick-ft"}) {
        const std::vector<std::string> labels = textsOfClass(tree, axis);
        ASSERT_GE(labels.size(), 2u) << axis;
        for (std::size_t i = 1; i < labels.size(); ++i) {
            EXPECT_LT(std::stod(labels[i - 1]), std::stod(labels[i])) << axis;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SvgChart, DrawableTest, ::testing::ValuesIn(kDrawable),
                         [](const auto& info) { return std::string(info.param.name); });

struct Undrawable {
    const char* name;
    double pin;
    ReceiverWindow analog;
    ReceiverWindow digital;
};

const Undrawable kUndrawable[] = {
    // Steps below the rounding gap once made the tick loop run forever.
    {"ticks_below_the_rounding_gap", 1e17, {1e17, 1e17}, {1e17, 100000000000000016.0}},
    {"every_level_the_same_huge_value", 1e20, {1e20, 1e20}, {1e20, 1e20}},
    {"levels_that_overflow", 1e308, {-1e308, 0}, {-12, 15}},
};

class UndrawableTest : public ::testing::TestWithParam<Undrawable> {};

TEST_P(UndrawableTest, ThrowsInsteadOfDrawing) {
    const Undrawable& c = GetParam();
    ChartInputs chart = chartOf(c.pin, 1, 0);
    chart.inputs.analog = c.analog;
    chart.inputs.digital = c.digital;
    EXPECT_THROW(renderChart(chart, RunMarks(1000, {})), ChartError);
}

INSTANTIATE_TEST_SUITE_P(SvgChart, UndrawableTest, ::testing::ValuesIn(kUndrawable),
                         [](const auto& info) { return std::string(info.param.name); });

std::map<std::string, const GumboNode*> seriesByEdge(const HtmlTree& tree) {
    std::map<std::string, const GumboNode*> series;
    for (const GumboNode* node : testing::elementsWhere(
             tree.root(), [](const GumboNode* n) { return testing::hasClass(n, "series"); })) {
        series[testing::attributeOf(node, "data-edge")] = node;
    }
    return series;
}

// The analog high and digital low edges share 550 MHz and the same gain: the
// same line, drawn twice so that both show.
TEST(SvgChart, CoincidingEdgesStayVisible) {
    const ChartInputs chart = chartOf(20, 1, 1);
    const HtmlTree tree(renderChart(chart, runMarksFor(chart)));
    const auto series = seriesByEdge(tree);
    ASSERT_EQ(series.size(), 4u);
    const GumboNode* analogHigh = series.at("analog high edge");
    const GumboNode* digitalLow = series.at("digital low edge");
    for (const char* end : {"x1", "y1", "x2", "y2"}) {
        EXPECT_EQ(testing::attributeOf(analogHigh, end), testing::attributeOf(digitalLow, end));
    }
    EXPECT_LT(number(analogHigh, "stroke-width"), number(digitalLow, "stroke-width"));
    EXPECT_FALSE(testing::attributeOf(analogHigh, "stroke-dasharray").empty());
    for (const auto& [edge, line] : series) {
        const std::string opacity = testing::attributeOf(line, "stroke-opacity");
        EXPECT_TRUE(opacity.empty() || std::stod(opacity) > 0) << edge;
    }
    const auto legend = testing::elementsNamed(tree.root(), "text");
    const auto says = [&](const std::string& wanted) {
        return std::any_of(legend.begin(), legend.end(),
                           [&](const GumboNode* node) { return testing::textOf(node) == wanted; });
    };
    EXPECT_TRUE(says("both windows (hatching crosses)"));
    EXPECT_TRUE(says("the analog dashes lie on the wide line."));
}

// The drawing is the same in either unit; only the level labels move, by 60.
TEST(SvgChart, MicrovoltChartShiftsLevelLabelsBySixty) {
    const ChartInputs dbmv = chartOf(20, 1, 1, LevelUnit::DBmV);
    const ChartInputs dbuv = chartOf(20, 1, 1, LevelUnit::DBuV);
    const HtmlTree millivolt(renderChart(dbmv, runMarksFor(dbmv)));
    const HtmlTree microvolt(renderChart(dbuv, runMarksFor(dbuv)));
    const auto seriesMv = seriesByEdge(millivolt);
    const auto seriesUv = seriesByEdge(microvolt);
    for (const auto& [edge, line] : seriesMv) {
        for (const char* end : {"y1", "y2"}) {
            EXPECT_NEAR(number(line, end), number(seriesUv.at(edge), end), 0.011) << edge;
        }
    }
    const auto labels = [](const HtmlTree& tree) {
        std::vector<double> values;
        for (const GumboNode* node : testing::elementsNamed(tree.root(), "text")) {
            if (testing::attributeOf(node, "text-anchor") == "end" &&
                testing::textOf(node).find_first_not_of("-0123456789.") == std::string::npos) {
                values.push_back(std::stod(testing::textOf(node)));
            }
        }
        return values;
    };
    const std::vector<double> mv = labels(millivolt);
    const std::vector<double> uv = labels(microvolt);
    ASSERT_EQ(mv.size(), uv.size());
    ASSERT_GE(mv.size(), 3u);
    for (std::size_t i = 0; i < mv.size(); ++i) {
        EXPECT_EQ(uv[i], mv[i] + 60);
    }
    EXPECT_EQ(textsOfClass(microvolt, "caption")[1],
              "Receiver windows: analog 60.00 dB\u00b5V to 75.00 dB\u00b5V, digital 48.00 "
              "dB\u00b5V to 75.00 dB\u00b5V");
}

}  // namespace
}  // namespace tarvelle::planning
