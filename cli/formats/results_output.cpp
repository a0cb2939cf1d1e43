#include "cli/formats/results_output.h"

#include <array>
#include <nlohmann/json.hpp>

#include "cli/formats/csv_field.h"
#include "cli/formats/text_table.h"
#include "engine/distance_model.h"
#include "planning/choose.h"
#include "planning/explain.h"
#include "planning/margins.h"
#include "planning/printed_number.h"
#include "planning/run_fix.h"
#include "planning/wording.h"

namespace tarvelle::cli {

using namespace tarvelle::planning;

namespace {

using Json = nlohmann::ordered_json;

std::string frequency(const EdgeLevel& edge) {
    return megahertz(edge.point.frequencyMHz);
}

// A level as shown: in the unit the user works in.
double shown(const Scenario& scenario, double dbmv) {
    return fromDbmv(dbmv, scenario.unit);
}

// "received_dbmv", "received_dbuv".
std::string levelKey(const Scenario& scenario, std::string_view name) {
    return std::string(name) + "_" + std::string(unitKey(scenario.unit));
}

// A failing length's fix, as a run of that length in a runs file is told it.
std::string fixOf(const Scenario& scenario, const CheckedLength& length) {
    const PlanRun run{length.budget.lengthMeters,
                      {scenario.inputs.productPosition, scenario.inputs.cableIndex}};
    return fixText(fixFor(planScenario(scenario.inputs, scenario.plan), run),
                   wordingFor(scenario.unit));
}

std::string verdictWords(const Scenario& scenario, const CheckedLength& length) {
    const RunVerdict& verdict = length.verdict;
    if (verdict.pass) {
        return "PASS";
    }
    return "FAIL  " + edgeText(scenario, verdict.edge) + ": " + shortfallText(verdict) + "; " +
           fixOf(scenario, length);
}

void textResults(std::ostream& out, const OutputStyle&, const Scenario& scenario,
                 const Results& results, const std::optional<CheckedLength>& length) {
    std::vector<TableRow> rows{{"", "feet", "metres"}};
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        std::string name(kDistanceNames[i]);
        name[0] = static_cast<char>(std::toupper(name[0]));
        rows.push_back({name, results.texts[2 * i], results.texts[2 * i + 1]});
    }
    printTable(out, rows, {{20, Align::Left}, {12}, {12}});
    if (results.warning) {
        out << *results.warning << '\n';
    }
    for (const std::string& line :
         noLengthWorksLines(scenario.inputs, scenario.plan, results.distances)) {
        out << line << '\n';
    }
    if (!length) {
        return;
    }
    const Budget& budget = length->budget;
    const auto columns = budgetColumns(scenario.unit);
    out << "\nLevel budget of a " << fixed(budget.lengthMeters) << " m (" << fixed(length->feet)
        << " ft) run, levels in " << unitLabel(scenario.unit) << ", losses in dB\n";
    rows = {{""}};
    for (const ColumnLabel& column : columns) {
        rows[0].push_back(column.heading);
    }
    for (std::size_t e = 0; e < budget.edges.size(); ++e) {
        const EdgeLevel& edge = budget.edges[e];
        rows.push_back({std::string(kEdgeNames[e]), frequency(edge),
                        fixed(shown(scenario, edge.levelIntoCable)), fixed(edge.lossPer100m),
                        fixed(edge.levelIntoCable - edge.received),
                        fixed(shown(scenario, edge.received)), fixed(marginToMinimum(edge)),
                        fixed(marginToMaximum(edge))});
    }
    printTable(out, rows, {{20, Align::Left}, {6}, {12}, {11}, {12}, {10}, {11}, {11}});
    for (std::size_t c = 1; c < columns.size(); ++c) {
        out << "  " << columns[c].heading << ": " << columns[c].meaning << '\n';
    }
    out << tiltLine("Analog band", budget.edges[0], budget.edges[1], budget.lengthMeters) << '\n'
        << tiltLine("Digital band", budget.edges[2], budget.edges[3], budget.lengthMeters) << '\n'
        << "Verdict: " << verdictWords(scenario, *length) << '\n';
}

void csvResults(std::ostream& out, const OutputStyle&, const Scenario& scenario,
                const Results& results, const std::optional<CheckedLength>& length) {
    out << "distance,feet,metres\n";
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        out << kDistanceNames[i] << ',' << results.texts[2 * i] << ',' << results.texts[2 * i + 1]
            << '\n';
    }
    if (!length) {
        return;
    }
    const Budget& budget = length->budget;
    out << "\nedge,frequency_mhz," << levelKey(scenario, "into_cable") << ",loss_db_per_100m,"
        << levelKey(scenario, "received") << ",margin_to_minimum_db,margin_to_maximum_db\n";
    for (std::size_t e = 0; e < budget.edges.size(); ++e) {
        const EdgeLevel& edge = budget.edges[e];
        out << kEdgeNames[e] << ',' << frequency(edge) << ','
            << fixed(shown(scenario, edge.levelIntoCable)) << ',' << fixed(edge.lossPer100m) << ','
            << fixed(shown(scenario, edge.received)) << ',' << fixed(marginToMinimum(edge)) << ','
            << fixed(marginToMaximum(edge)) << '\n';
    }
    out << "\nband,tilt_db\nanalog," << fixed(budget.analogTilt) << "\ndigital,"
        << fixed(budget.digitalTilt) << '\n';
    const RunVerdict& verdict = length->verdict;
    out << "\nresult,failing_edge,limit,margin_db,fix\n";
    if (verdict.pass) {
        out << "pass,,,,\n";
    } else {
        out << "fail," << edgeText(scenario, verdict.edge) << ','
            << (verdict.atMinimum ? "minimum" : "maximum") << ',' << fixed(verdict.margin) << ','
            << csvQuoted(fixOf(scenario, *length)) << '\n';
    }
}

void jsonResults(std::ostream& out, const OutputStyle& style, const Scenario& scenario,
                 const Results& results, const std::optional<CheckedLength>& length) {
    Json root;
    Json& distances = root["distances"] = Json::array();
    for (std::size_t i = 0; i < kDistanceNames.size(); ++i) {
        const double metres = results.distances[static_cast<Distance>(i)];
        distances.push_back({{"name", kDistanceNames[i]},
                             {"feet", printedValue(MetersToFeet(metres))},
                             {"metres", printedValue(metres)}});
    }
    root["warning"] = results.warning ? Json(*results.warning) : Json(nullptr);
    root["no_length_works"] = noLengthWorksLines(scenario.inputs, scenario.plan, results.distances);
    root["units"] = unitLabel(scenario.unit);
    if (length) {
        const Budget& budget = length->budget;
        Json& json = root["budget"];
        json["length_m"] = printedValue(budget.lengthMeters);
        json["edges"] = Json::array();
        for (std::size_t e = 0; e < budget.edges.size(); ++e) {
            const EdgeLevel& edge = budget.edges[e];
            json["edges"].push_back(
                {{"edge", kEdgeNames[e]},
                 {"frequency_mhz", std::lround(edge.point.frequencyMHz)},
                 {levelKey(scenario, "into_cable"),
                  printedValue(shown(scenario, edge.levelIntoCable))},
                 {"loss_db_per_100m", printedValue(edge.lossPer100m)},
                 {levelKey(scenario, "received"), printedValue(shown(scenario, edge.received))},
                 {"margin_to_minimum_db", printedValue(marginToMinimum(edge))},
                 {"margin_to_maximum_db", printedValue(marginToMaximum(edge))}});
        }
        json["analog_tilt_db"] = printedValue(budget.analogTilt);
        json["digital_tilt_db"] = printedValue(budget.digitalTilt);
        const RunVerdict& verdict = length->verdict;
        json["result"] = verdict.pass ? "pass" : "fail";
        if (!verdict.pass) {
            json["failing_edge"] = edgeText(scenario, verdict.edge);
            json["limit"] = verdict.atMinimum ? "minimum" : "maximum";
            json["margin_db"] = printedValue(verdict.margin);
            json["fix"] = fixOf(scenario, *length);
        }
    }
    out << root.dump(2, ' ', style.terminal, Json::error_handler_t::replace) << '\n';
}

using ResultsPrinter = void (*)(std::ostream&, const OutputStyle&, const Scenario&, const Results&,
                                const std::optional<CheckedLength>&);

// Each format's printer, in the order of Format.
constexpr std::array<ResultsPrinter, 3> kPrinters{textResults, csvResults, jsonResults};

}  // namespace

void printResults(std::ostream& out, const OutputStyle& style, const Scenario& scenario,
                  const Results& results, const std::optional<CheckedLength>& length) {
    kPrinters.at(static_cast<std::size_t>(style.format))(out, style, scenario, results, length);
}

}  // namespace tarvelle::cli
