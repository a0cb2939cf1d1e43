#include "cli/batch_check.h"

#include <cmath>

namespace tarvelle::cli {

namespace {

// The fields of one CSV line; a field in double quotes may hold commas, and
// "" within it stands for one quote.
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    for (std::string& field : fields) {
        field = std::string(trim(field));
    }
    return fields;
}

}  // namespace

RunsFile readRuns(std::istream& in) {
    RunsFile file;
    std::string line;
    int number = 0;
    bool header = true;
    while (std::getline(in, line)) {
        ++number;
        if (trim(line).empty()) {
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        const std::string where = "line " + std::to_string(number) + ": ";
        const std::vector<std::string> fields = csvFields(line);
        if (fields.size() != 2) {
            file.problems.push_back(where + "expected two fields, identifier,length");
            continue;
        }
        const std::string& id = fields[0];
        const std::string& lengthText = fields[1];
        const auto meters = parseLength(lengthText);
        if (id.empty()) {
            file.problems.push_back(where + "the identifier is empty");
        } else if (!meters) {
            file.problems.push_back(where + "'" + lengthText +
                                    "' is not a length (a number with m or ft)");
        } else {
            file.runs.push_back({id, *meters});
        }
    }
    return file;
}

RunVerdict checkRun(const Scenario& scenario, const CableRun& run) {
    const Budget budget = levelBudget(scenario, run.meters);
    RunVerdict verdict{run, true, {}, {}, 0};
    for (std::size_t i = 0; i < budget.edges.size(); ++i) {
        const EdgeLevel& edge = budget.edges[i];
        const auto consider = [&](double margin, const char* limit) {
            if (margin < 0 && -margin > verdict.shortfall) {
                verdict = {run, false,
                           std::string(kEdgeNames[i]) + " (" +
                               std::to_string(std::lround(edge.point.frequencyMHz)) + " MHz)",
                           limit, -margin};
            }
        };
        consider(marginToMinimum(edge), "minimum");
        consider(marginToMaximum(edge), "maximum");
    }
    return verdict;
}

}  // namespace tarvelle::cli
