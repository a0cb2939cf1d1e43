#include <gtest/gtest.h>

#include <sstream>

#include "engine/levels.h"
#include "planning/html_report.h"
#include "planning/svg_chart.h"
#include "tests/planning/html_tree.h"
#include "tests/planning/plan_inputs.h"

namespace tarvelle::planning {
namespace {

using testing::HtmlTree;

struct RunRow {
    std::string id;
    double meters;
    std::int16_t cable;
    std::int16_t product;
};

// A report as tarvelle-cli makes one: each run checked on its own cable and
// product, with the verdict rule of the batch check.
std::string reportOf(const CalculationInputs& inputs, const std::vector<RunRow>& rows,
                     LevelUnit unit = LevelUnit::DBmV) {
    std::ostringstream out;
    HtmlReport report(
        out, {inputs, kPlan2, unit, "building-a.csv", "2025-03-14", "9.8.7", {}, {}, {}, {}});
    RunMarks marks = runMarksFor({inputs, kPlan2, unit});
    for (const RunRow& row : rows) {
        CalculationInputs own = inputs;
        own.cableIndex = row.cable;
        own.productPosition = row.product;
        const EdgeLevels edges = levelsAtLength(own, kPlan2, row.meters);
        const RunVerdict verdict = verdictOf(edges);
        report.addRun({{row.id, row.meters, row.cable, row.product}, edges, verdict});
        marks.add(row.meters, verdict.pass, {row.product, row.cable});
    }
    report.finish(marks);
    return out.str();
}

std::vector<std::vector<std::string>> tableRows(const HtmlTree& tree, const std::string& cls) {
    std::vector<std::vector<std::string>> rows;
    for (const GumboNode* table : testing::elementsWhere(tree.root(), [&](const GumboNode* n) {
             return testing::tagName(n) == "table" && testing::hasClass(n, cls);
         })) {
        for (const GumboNode* body : testing::elementsNamed(table, "tbody")) {
            for (const GumboNode* tr : testing::elementsNamed(body, "tr")) {
                std::vector<std::string> cells;
                testing::forEachElement(tr, [&](const GumboNode* cell) {
                    if (testing::tagName(cell) == "td" || testing::tagName(cell) == "th") {
                        cells.push_back(testing::textOf(cell));
                    }
                });
                rows.push_back(cells);
            }
        }
    }
    return rows;
}

const std::vector<RunRow> kBuilding{
    {"101", 32, 1, 1},
    {"102", 45.72, 1, 1},
    {"Lobby, east", 40, 2, 2},
    {"<script>alert(1)</script>", 50, 1, 1},
    {"evil\x1b]0;owned\x07 \xff", 60, 0, 1},
};

TEST(HtmlReport, HoldsTheInputsEveryRunAndTheChartAndNothingOutside) {
    const HtmlTree tree(reportOf(testing::presetInputs(20, 1, 1), kBuilding));
    EXPECT_EQ(tree.parseErrors(), 0u);

    const std::string nbsp = "\u00a0";
    EXPECT_EQ(
        tableRows(tree, "inputs"),
        (std::vector<std::vector<std::string>>{
            {"Input level at the source", "20.00" + nbsp + "dBmV"},
            {"Product", "Vidra Hub 8-Port (281640) to Vidra Balun (281657)"},
            {"Cable", "Cat6"},
            {"Frequency plan", "plan 2: analog 55 MHz to 550 MHz, digital 550 MHz to 860 MHz"},
            {"Receiver window, analog", "0.00" + nbsp + "dBmV to 15.00" + nbsp + "dBmV"},
            {"Receiver window, digital", "-12.00" + nbsp + "dBmV to 15.00" + nbsp + "dBmV"},
        }));
    // The window's figures for these inputs.
    EXPECT_EQ(tableRows(tree, "distances"),
              (std::vector<std::vector<std::string>>{
                  {"Analog band", "126.77", "38.64", "221.85", "67.62"},
                  {"Digital band", "126.77", "38.64", "227.94", "69.48"},
                  {"Worst case", "126.77", "38.64", "221.85", "67.62"},
              }));

    const auto runs = tableRows(tree, "runs");
    ASSERT_EQ(runs.size(), kBuilding.size());
    const std::vector<std::string> ids{"101", "102", "Lobby, east", "<script>alert(1)</script>",
                                       "evil\\x1b]0;owned\\x07 \ufffd"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i][0], ids[i]);
    }
    // 101: 32 m is too short: 3.44 dB too hot at 550 MHz, 0.40 dB at 55 MHz.
    EXPECT_EQ(runs[0], (std::vector<std::string>{
                           "101", "32.00", "104.99", "Cat6", "8-port hub to balun",
                           "\u25b2" + nbsp + "15.40", "\u25b2" + nbsp + "18.44",
                           "\u25b2" + nbsp + "18.44", "13.35", "-3.44", "FAIL", "3.44"}));
    EXPECT_EQ(runs[1][10], "pass");
    EXPECT_EQ(runs[1][11], "");
    EXPECT_EQ(runs[2][3], "Cat6A/Cat7");
    EXPECT_EQ(runs[2][4], "16-port hub to balun");
    EXPECT_EQ(testing::elementsNamed(tree.root(), "script").size(), 0u);

    const auto charts = testing::elementsWhere(
        tree.root(), [](const GumboNode* n) { return testing::attributeOf(n, "id") == "chart"; });
    ASSERT_EQ(charts.size(), 1u);
    const auto svgs = testing::elementsNamed(charts[0], "svg");
    ASSERT_EQ(svgs.size(), 1u);
    EXPECT_EQ(testing::elementsWhere(
                  svgs[0], [](const GumboNode* n) { return testing::hasClass(n, "series"); })
                  .size(),
              4u);
    // Every run counted in some band of length: "2 runs from 30.00 to 35.00 m: ...".
    std::size_t counted = 0;
    for (const GumboNode* title : testing::elementsNamed(svgs[0], "title")) {
        const std::string text = testing::textOf(title);
        counted += text.find(" from ") != std::string::npos ? std::stoul(text) : 0;
    }
    EXPECT_EQ(counted, kBuilding.size());

    // Self-contained: nothing is fetched, no script runs.
    testing::forEachElement(tree.root(), [](const GumboNode* node) {
        const std::string tag = testing::tagName(node);
        for (const char* banned : {"script", "link", "img", "image", "iframe", "object", "embed",
                                   "base", "use", "foreignObject", "audio", "video"}) {
            EXPECT_NE(tag, banned);
        }
        const GumboVector& attributes = node->v.element.attributes;
        for (unsigned i = 0; i < attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(attributes.data[i]);
            const std::string name = attribute->name;
            const std::string value = attribute->value;
            EXPECT_FALSE(name.starts_with("on")) << name;
            if (name == "href" || name == "src" || name == "xlink:href" || name == "action") {
                ADD_FAILURE() << tag << ' ' << name << '=' << value;
            }
            for (std::size_t at = value.find("url("); at != std::string::npos;
                 at = value.find("url(", at + 1)) {
                EXPECT_EQ(value.compare(at, 5, "url(#"), 0) << value;
            }
        }
        if (tag == "style") {
            const std::string css = testing::textOf(node);
            EXPECT_EQ(css.find("url("), std::string::npos);
            EXPECT_EQ(css.find("@import"), std::string::npos);
            EXPECT_NE(css.find("@page"), std::string::npos);
            EXPECT_NE(css.find("@media print"), std::string::npos);
        }
    });

    const std::string footer = testing::textOf(testing::elementsNamed(tree.root(), "footer")[0]);
    EXPECT_NE(footer.find("2025-03-14"), std::string::npos);
    EXPECT_NE(footer.find("9.8.7"), std::string::npos);
}

TEST(HtmlReport, ExplainsTheModel) {
    const HtmlTree tree(reportOf(testing::presetInputs(20, 1, 1), kBuilding));
    // Loss per 100 m, a*f + b*sqrt(f) + c/sqrt(f), at 55, 550 and 860 MHz.
    EXPECT_EQ(tableRows(tree, "cable-loss"), (std::vector<std::vector<std::string>>{
                                                 {"Cat5/5e", "15.86", "58.78", "77.47"},
                                                 {"Cat6", "14.37", "51.76", "67.65"},
                                                 {"Cat6A/Cat7", "13.93", "47.72", "61.39"},
                                             }));
    const std::string model = testing::textOf(testing::elementsWhere(
        tree.root(), [](auto* n) { return testing::attributeOf(n, "id") == "model"; })[0]);
    for (const char* words : {"Worst case", "Tilt", "Limits", "analog low edge, 55 MHz",
                              "digital high edge, 860 MHz"}) {
        EXPECT_NE(model.find(words), std::string::npos) << words;
    }
}

struct Warned {
    const char* name;
    double pin;
    std::int16_t product;
    bool warning;
    std::size_t noLengthLines;
};

const Warned kWarned[] = {
    {"every_band_works", 20, 1, false, 0},
    {"analog_band_crossed", 30, 0, true, 2},
    {"too_weak_even_at_zero_metres", 0, 0, false, 2},
};

class WarningTest : public ::testing::TestWithParam<Warned> {};

TEST_P(WarningTest, TheWindowsWarningWhenDue) {
    const Warned& c = GetParam();
    const HtmlTree tree(reportOf(testing::presetInputs(c.pin, c.product, c.product), kBuilding));
    const auto warnings = testing::elementsWhere(
        tree.root(), [](const GumboNode* n) { return testing::hasClass(n, "warning"); });
    ASSERT_EQ(warnings.size(), c.warning ? 1u : 0u);
    if (c.warning) {
        // The window's text, spelt correctly.
        EXPECT_EQ(testing::textOf(warnings[0]),
                  "WARNING! In order to ensure the minimum distance is lower than the maximum "
                  "distance, adjust RF amplification slope (tilt) or attenuate the lower "
                  "frequencies.");
    }
    EXPECT_EQ(testing::elementsWhere(tree.root(),
                                     [](const GumboNode* n) {
                                         return testing::tagName(n) == "p" &&
                                                testing::hasClass(n, "no-length");
                                     })
                  .size(),
              c.noLengthLines);
}

INSTANTIATE_TEST_SUITE_P(HtmlReport, WarningTest, ::testing::ValuesIn(kWarned),
                         [](const auto& info) { return std::string(info.param.name); });

// Every level 60 dB higher, every length and margin the same.
TEST(HtmlReport, MicrovoltReportShiftsEveryLevelBySixty) {
    const CalculationInputs inputs = testing::presetInputs(20, 1, 1);
    const HtmlTree millivolt(reportOf(inputs, kBuilding, LevelUnit::DBmV));
    const HtmlTree microvolt(reportOf(inputs, kBuilding, LevelUnit::DBuV));
    EXPECT_EQ(tableRows(millivolt, "distances"), tableRows(microvolt, "distances"));
    const auto mv = tableRows(millivolt, "runs");
    const auto uv = tableRows(microvolt, "runs");
    ASSERT_EQ(mv.size(), uv.size());
    const auto level = [](std::string cell) {
        const auto digits = cell.find_first_of("-0123456789");
        return std::stod(cell.substr(digits));
    };
    for (std::size_t row = 0; row < mv.size(); ++row) {
        for (std::size_t column = 0; column < mv[row].size(); ++column) {
            if (column >= 5 && column <= 8) {
                EXPECT_NEAR(level(uv[row][column]), level(mv[row][column]) + 60, 1e-9);
            } else {
                EXPECT_EQ(uv[row][column], mv[row][column]);
            }
        }
    }
    EXPECT_EQ(tableRows(microvolt, "inputs")[0][1], "80.00\u00a0dB\u00b5V");
}

}  // namespace
}  // namespace tarvelle::planning
