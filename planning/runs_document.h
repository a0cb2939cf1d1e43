#pragma once

// A building's runs as the planner holds them: read whole from a runs file
// with the command line's reader, changed by edits that are plain values (so
// that each can be undone by its inverse), and written back as a runs file.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "planning/plan_inputs.h"
#include "planning/reading/input_source.h"
#include "planning/reading/names.h"
#include "planning/reading/runs_file.h"

namespace tarvelle::planning {

struct PlannedRun {
    std::string id;
    double meters = 0;
    Combination combination;
    // Which of its cable's names the run was given, written back as given.
    CableSpelling cableSpelling = firstSpelling(combination.cable);
    bool operator==(const PlannedRun&) const = default;
};

// A row of the file that holds no run, and why.
struct RowProblem {
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    std::string reason;
};

// The rows of a file that hold no run: the first kKept kept with their line
// and reason, the rest only counted, so that a file of bad rows is read in
// bounded memory and none is dropped unsaid.
struct RowProblems {
    static constexpr std::size_t kKept = 1'000;
    std::vector<RowProblem> kept;
    std::size_t count = 0;
    void add(RowProblem problem);
};

struct RunsDocument {
    std::vector<PlannedRun> runs;
    RowProblems problems;
    // The header's columns the runs do not keep, as a message names them.
    std::vector<std::string> otherColumns;
};

// A read stopped on request before its end.
struct ReadCancelled : std::runtime_error {
    ReadCancelled() : std::runtime_error("cancelled") {}
};

// Every run and every unreadable row of `source`. `bytesRead` counts as the
// read goes on; when `cancel` turns true the read stops with ReadCancelled.
// Throws RunsFileError, NotTextError and the source's errors.
RunsDocument readRuns(InputSource& source, Combination defaults, const std::atomic<bool>& cancel,
                      std::atomic<std::size_t>& bytesRead);

// Rows pasted from a spreadsheet (tab-separated, a header allowed), read as
// a runs file is, but that a bare length is in metres, as a cell takes it.
RunsDocument readPastedRuns(const std::string& text, Combination defaults);

// Replaces `removed.size()` runs from `at` on with `inserted`: a change of
// one run, an insertion, a deletion or a paste.
struct RunsEdit {
    std::size_t at = 0;
    std::vector<PlannedRun> removed;
    std::vector<PlannedRun> inserted;
};

void apply(std::vector<PlannedRun>& runs, const RunsEdit& edit);
RunsEdit inverse(const RunsEdit& edit);

// Every run moved onto one product and cable, and back. What the runs had
// before is kept as spans of runs alike: a building's runs share a few
// products and cables, so that the move of a million runs is undone from a
// few spans, not from a copy of the runs. A run that keeps its cable keeps
// its cable's name.
struct RunsMove {
    struct Span {
        std::uint32_t runs = 0;
        std::int16_t product = 0;
        CableSpelling cableSpelling = 0;  // which tells the cable too
        Combination combination() const { return {product, spelledCable(cableSpelling)}; }
    };
    std::vector<Span> before;
    Combination after;
};

RunsMove moveOnto(const std::vector<PlannedRun>& runs, Combination after);
// Whether a run has another product or cable after the move.
bool movesAny(const RunsMove& move);
void apply(std::vector<PlannedRun>& runs, const RunsMove& move);
void undo(std::vector<PlannedRun>& runs, const RunsMove& move);

// "id,length_m,cable,product", one row a run, as the reader reads it back,
// each cable by the name the run was given.
inline constexpr std::string_view kRunsCsvHeader = "id,length_m,cable,product\n";
void writeRunsCsv(std::ostream& out, std::span<const PlannedRun> runs);
// The rows without the header: a large building written a piece at a time.
void writeRunsCsvRows(std::ostream& out, std::span<const PlannedRun> runs);

}  // namespace tarvelle::planning
