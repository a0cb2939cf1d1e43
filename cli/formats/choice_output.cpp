#include "cli/formats/choice_output.h"

#include <array>
#include <vector>

#include "cli/formats/text_table.h"
#include "engine/distance_model.h"
#include "planning/printed_number.h"
#include "planning/table_names.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

bool sameCombination(const Combination& a, const Combination& b) {
    return a.product == b.product && a.cable == b.cable;
}

std::string lengths(const CombinationResult& result) {
    if (result.noLengthShortfall) {
        return "no length works (windows " + fixed(*result.noLengthShortfall) + " dB too narrow)";
    }
    const DistanceRange& range = result.distances.worstCase;
    return fixed(range.minimum) + " to " + fixed(range.maximum) + " m (" +
           fixed(MetersToFeet(range.minimum)) + " to " + fixed(MetersToFeet(range.maximum)) +
           " ft)";
}

// "14.00 to 26.00 dBmV", or "none"
std::string feedRange(const PlanSummary& plan, const Wording& wording) {
    const auto& range = plan.feed.everyRunPasses;
    if (!range) {
        return "none";
    }
    return fixed(range->lowest + wording.levelOffsetDb) + " to " + wording.level(range->highest);
}

void text(std::ostream& out, const ChoiceAccumulator& choice,
          const std::optional<Recommendation>& best, const Wording& wording) {
    std::vector<TableRow> rows{{"product", "cable", "verdict", "smallest margin", "runs passing",
                                "worst-case lengths", "every run passes at"}};
    const auto summaries = choice.summaries();
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const CombinationResult& result = choice.results()[i];
        rows.push_back(
            {std::string(productLabel(result.combination.product)),
             std::string(cableLabel(result.combination.cable)),
             result.passesAll() ? "pass" : "FAIL", fixed(result.smallestMargin) + " dB",
             std::to_string(result.runsPassed) + " of " + std::to_string(result.runsChecked),
             lengths(result), feedRange(summaries[i].plan, wording)});
    }
    // Numbers to the right.
    printTable(out, rows,
               {{0, Align::Left},
                {0, Align::Left},
                {0, Align::Left},
                {0},
                {0},
                {0, Align::Left},
                {0, Align::Left}});
    if (best) {
        out << recommendationLine({best->combination, best->plan}, wording) << '\n';
    }
}

// The span's ends in the unit shown, or two empty fields.
std::string feedFields(const PlanSummary& plan, const Wording& wording, std::string_view empty,
                       std::string_view between) {
    const auto& range = plan.feed.everyRunPasses;
    if (!range) {
        return std::string(empty) + std::string(between) + std::string(empty);
    }
    return fixed(range->lowest + wording.levelOffsetDb) + std::string(between) +
           fixed(range->highest + wording.levelOffsetDb);
}

void csv(std::ostream& out, const ChoiceAccumulator& choice,
         const std::optional<Recommendation>& best, const Wording& wording) {
    // Every field is the program's own: names from its tables and numbers.
    out << "product,cable,verdict,smallest_margin_db,runs_checked,runs_passed,"
           "worst_case_min_m,worst_case_max_m,worst_case_min_ft,worst_case_max_ft,"
           "no_length_shortfall_db,tightest_run_m,choice,feed_lowest,feed_highest\n";
    const auto summaries = choice.summaries();
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const CombinationResult& result = choice.results()[i];
        const DistanceRange& range = result.distances.worstCase;
        out << productLabel(result.combination.product) << ','
            << cableLabel(result.combination.cable) << ',' << (result.passesAll() ? "pass" : "fail")
            << ',' << fixed(result.smallestMargin) << ',' << result.runsChecked << ','
            << result.runsPassed << ',';
        if (result.noLengthShortfall) {
            out << ",,,," << fixed(*result.noLengthShortfall);
        } else {
            out << fixed(range.minimum) << ',' << fixed(range.maximum) << ','
                << fixed(MetersToFeet(range.minimum)) << ',' << fixed(MetersToFeet(range.maximum))
                << ',';
        }
        out << ',' << fixed(result.tightestRunMeters) << ',';
        if (best && sameCombination(best->combination, result.combination)) {
            out << (best->passesAll ? "recommended" : "best but falls short");
        }
        out << ',' << feedFields(summaries[i].plan, wording, "", ",") << '\n';
    }
}

void json(std::ostream& out, const ChoiceAccumulator& choice,
          const std::optional<Recommendation>& best, const Wording& wording) {
    // Every string is the program's own, free of quotes and backslashes.
    out << "{\n  \"runs_checked\": " << choice.runsChecked() << ",\n  \"combinations\": [\n";
    const auto& results = choice.results();
    const auto summaries = choice.summaries();
    for (std::size_t i = 0; i < results.size(); ++i) {
        const CombinationResult& result = results[i];
        const DistanceRange& range = result.distances.worstCase;
        out << "    {\"product\": \"" << productLabel(result.combination.product)
            << "\", \"product_index\": " << result.combination.product << ", \"cable\": \""
            << cableLabel(result.combination.cable)
            << "\", \"cable_index\": " << result.combination.cable
            << ", \"passes_all\": " << (result.passesAll() ? "true" : "false")
            << ", \"smallest_margin_db\": " << fixed(result.smallestMargin)
            << ", \"runs_passed\": " << result.runsPassed << ", \"worst_case\": ";
        if (result.noLengthShortfall) {
            out << "null, \"no_length_shortfall_db\": " << fixed(*result.noLengthShortfall);
        } else {
            out << "{\"min_m\": " << fixed(range.minimum) << ", \"max_m\": " << fixed(range.maximum)
                << ", \"min_ft\": " << fixed(MetersToFeet(range.minimum))
                << ", \"max_ft\": " << fixed(MetersToFeet(range.maximum))
                << "}, \"no_length_shortfall_db\": null";
        }
        out << ", \"tightest_run_m\": " << fixed(result.tightestRunMeters)
            << ", \"feed_every_run_passes\": "
            << (summaries[i].plan.feed.everyRunPasses
                    ? "[" + feedFields(summaries[i].plan, wording, "", ", ") + "]"
                    : std::string("null"))
            << '}' << (i + 1 < results.size() ? ",\n" : "\n");
    }
    out << "  ],\n  \"recommendation\": ";
    if (best) {
        out << "{\"product\": \"" << productLabel(best->combination.product) << "\", \"cable\": \""
            << cableLabel(best->combination.cable)
            << "\", \"passes_all\": " << (best->passesAll ? "true" : "false")
            << ", \"smallest_margin_db\": " << fixed(best->smallestMargin) << ", \"text\": \""
            << recommendationLine({best->combination, best->plan}, wording) << "\"}";
    } else {
        out << "null";
    }
    out << "\n}\n";
}

using ChoicePrinter = void (*)(std::ostream&, const ChoiceAccumulator&,
                               const std::optional<Recommendation>&, const Wording&);

// Each format's printer, in the order of Format.
constexpr std::array<ChoicePrinter, 3> kPrinters{text, csv, json};

}  // namespace

void printChoice(std::ostream& out, Format format, const ChoiceAccumulator& choice,
                 const Wording& wording) {
    kPrinters.at(static_cast<std::size_t>(format))(out, choice, choice.recommendation(), wording);
}

}  // namespace tarvelle::cli
