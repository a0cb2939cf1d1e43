#pragma once

// Checking many cable runs at once against the worst-case window: every band
// edge's received level must lie within its band's receiver window.

#include <istream>
#include <string>
#include <vector>

#include "cli/scenario.h"

namespace tarvelle::cli {

struct CableRun {
    std::string id;
    double meters;
};

struct RunsFile {
    std::vector<CableRun> runs;
    // "line 4: ..." for every row that was skipped.
    std::vector<std::string> problems;
};

// A CSV file: a header line, then one "identifier,length" row per run, the
// length with its unit (32m, 105ft). Blank lines are passed over.
RunsFile readRuns(std::istream& in);

struct RunVerdict {
    CableRun run;
    bool pass;
    // For a failing run: the edge and limit with the worst shortfall, in dB.
    std::string failingEdge;
    std::string failingLimit;  // "minimum" or "maximum"
    double shortfall = 0;
};

RunVerdict checkRun(const Scenario& scenario, const CableRun& run);

}  // namespace tarvelle::cli
