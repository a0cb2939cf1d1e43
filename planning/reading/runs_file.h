#pragma once

// A runs file: one cable run per row, read one row at a time. The first row
// is a header when its length field is not a length; columns are then found
// by name (id, room or outlet; length, length_m or length_ft; optional cable
// and product), else they are identifier, length[, cable[, product]].

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "planning/cable_run.h"
#include "planning/reading/csv_reader.h"
#include "planning/reading/input_source.h"
#include "planning/reading/length_text.h"
#include "planning/reading/names.h"

namespace tarvelle::planning {

// What a row is, with the lines it spans.
struct RunsRow {
    enum class Kind { Blank, Header, Run, Problem };
    Kind kind = Kind::Blank;
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    CableRun run;         // for Kind::Run
    std::string problem;  // for Kind::Problem: what is wrong with the row
};

// A header that names no column a run needs, or names one twice: the file
// cannot be read at all. The message names the line, not the file.
struct RunsFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The cable and product of a run whose row does not name its own.
struct RunDefaults {
    std::int16_t cable = 0;
    std::int16_t product = 0;
    CableSpelling cableSpelling = firstSpelling(cable);
    // Rows typed by hand (pasted into the planner) read a bare length in a
    // column that names no unit as metres; a runs file refuses it there.
    bool bareMetres = false;
};

class RunsReader {
  public:
    RunsReader(InputSource& source, RunDefaults defaults);

    // The next row into `row`, reusing its storage; false at the end. Throws
    // RunsFileError, NotTextError and the source's read errors.
    bool next(RunsRow& row);

    // The header's columns no run takes, as a message names them ('notes',
    // and "unnamed column 5" once a run has something in a column without a
    // name): what a runs file written from the runs would not hold.
    const std::vector<std::string>& otherColumns() const { return otherColumns_; }

  private:
    struct Columns {
        std::size_t id = 0;
        std::size_t length = 1;
        std::optional<LengthUnit> unit;
        std::optional<std::size_t> cable = 2;
        std::optional<std::size_t> product = 3;
        std::size_t fields = 4;  // most fields a row may have
        bool named = false;      // read from a header
    };

    bool takeHeader();
    void readRun(RunsRow& row) const;
    void noteUnnamedFilled();

    CsvReader csv_;
    CsvRecord record_;
    RunDefaults defaults_;
    bool headerDecided_ = false;
    Columns columns_;
    std::vector<std::string> otherColumns_;
    std::vector<std::size_t> unnamedColumns_;  // none of their rows has held anything yet
};

// Where a row lies in its file: "line 7", or "lines 2-4" for a record that
// spans several.
std::string lineRange(std::size_t firstLine, std::size_t lastLine);

}  // namespace tarvelle::planning
