#include "planning/runs_document.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "planning/reading/names.h"

namespace tarvelle::planning {

namespace {

// Counts what passes through and stops when asked.
class WatchedInput : public InputSource {
  public:
    WatchedInput(InputSource& source, const std::atomic<bool>& cancel,
                 std::atomic<std::size_t>& bytesRead)
        : source_(source), cancel_(cancel), bytesRead_(bytesRead) {}

    std::size_t read(char* buffer, std::size_t size) override {
        if (cancel_.load(std::memory_order_relaxed)) {
            throw ReadCancelled();
        }
        const std::size_t got = source_.read(buffer, size);
        bytesRead_.fetch_add(got, std::memory_order_relaxed);
        return got;
    }

  private:
    InputSource& source_;
    const std::atomic<bool>& cancel_;
    std::atomic<std::size_t>& bytesRead_;
};

RunsDocument readAll(InputSource& source, RunDefaults defaults) {
    RunsReader reader(source, defaults);
    RunsDocument document;
    RunsRow row;
    while (reader.next(row)) {
        if (row.kind == RunsRow::Kind::Problem) {
            document.problems.add({row.firstLine, row.lastLine, row.problem});
        } else if (row.kind == RunsRow::Kind::Run) {
            document.runs.push_back({row.run.id, row.run.meters,
                                     Combination{row.run.product, row.run.cable},
                                     row.run.cableSpelling});
        }
    }
    document.otherColumns = reader.otherColumns();
    return document;
}

// Quoted when it holds a separator, a quote or a line break, or blanks a
// reader would trim.
std::string csvField(const std::string& text) {
    const bool plain = text.find_first_of(",;\t\"\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

// The shortest text that reads back as the same length, so that a run saved
// and opened again checks exactly as before.
std::string exactMeters(double meters) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), meters).ptr;
    return std::string(text.data(), end);
}

}  // namespace

void RowProblems::add(RowProblem problem) {
    if (kept.size() < kKept) {
        kept.push_back(std::move(problem));
    }
    ++count;
}

RunsDocument readRuns(InputSource& source, Combination defaults, const std::atomic<bool>& cancel,
                      std::atomic<std::size_t>& bytesRead) {
    WatchedInput watched(source, cancel, bytesRead);
    return readAll(watched, RunDefaults{defaults.cable, defaults.product});
}

RunsDocument readPastedRuns(const std::string& text, Combination defaults) {
    MemoryInput input(text);
    return readAll(
        input,
        RunDefaults{.cable = defaults.cable, .product = defaults.product, .bareMetres = true});
}

void apply(std::vector<PlannedRun>& runs, const RunsEdit& edit) {
    const auto first = runs.begin() + static_cast<std::ptrdiff_t>(edit.at);
    runs.erase(first, first + static_cast<std::ptrdiff_t>(edit.removed.size()));
    runs.insert(runs.begin() + static_cast<std::ptrdiff_t>(edit.at), edit.inserted.begin(),
                edit.inserted.end());
}

RunsEdit inverse(const RunsEdit& edit) {
    return {edit.at, edit.inserted, edit.removed};
}

RunsMove moveOnto(const std::vector<PlannedRun>& runs, Combination after) {
    RunsMove move{{}, after};
    for (const PlannedRun& run : runs) {
        if (move.before.empty() || move.before.back().product != run.combination.product ||
            move.before.back().cableSpelling != run.cableSpelling) {
            move.before.push_back({0, run.combination.product, run.cableSpelling});
        }
        ++move.before.back().runs;
    }
    return move;
}

bool movesAny(const RunsMove& move) {
    return std::ranges::any_of(
        move.before, [&](const RunsMove::Span& span) { return span.combination() != move.after; });
}

void apply(std::vector<PlannedRun>& runs, const RunsMove& move) {
    for (PlannedRun& run : runs) {
        if (run.combination.cable != move.after.cable) {
            run.cableSpelling = firstSpelling(move.after.cable);
        }
        run.combination = move.after;
    }
}

void undo(std::vector<PlannedRun>& runs, const RunsMove& move) {
    auto run = runs.begin();
    for (const RunsMove::Span& span : move.before) {
        for (const auto end = run + static_cast<std::ptrdiff_t>(span.runs); run != end; ++run) {
            run->combination = span.combination();
            run->cableSpelling = span.cableSpelling;
        }
    }
}

void writeRunsCsv(std::ostream& out, std::span<const PlannedRun> runs) {
    out << kRunsCsvHeader;
    writeRunsCsvRows(out, runs);
}

void writeRunsCsvRows(std::ostream& out, std::span<const PlannedRun> runs) {
    for (const PlannedRun& run : runs) {
        out << csvField(run.id) << ',' << exactMeters(run.meters) << ','
            << spelledCableName(run.cableSpelling) << ',' << productName(run.combination.product)
            << '\n';
    }
}

}  // namespace tarvelle::planning
