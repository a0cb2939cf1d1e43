// The runs-file reader fed arbitrary bytes. It must never crash, keep no
// field beyond the record limit, and account for every line: each row it
// returns takes up the lines right after the previous one, and together they
// cover the whole input, unless the file as a whole is refused.

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "planning/reading/csv_reader.h"
#include "planning/reading/runs_file.h"

namespace {

using tarvelle::planning::RunsRow;

// Lines as the reader counts them: LF, CRLF and a lone CR each end one.
std::size_t lineCount(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lines;
        }
    }
    const bool openLine = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return lines + (openLine ? 1 : 0);
}

bool sound(const RunsRow& row) {
    switch (row.kind) {
        case RunsRow::Kind::Blank:
        case RunsRow::Kind::Header:
            return true;
        case RunsRow::Kind::Problem:
            return !row.problem.empty();
        case RunsRow::Kind::Run:
            return !row.run.id.empty() &&
                   row.run.id.size() <= tarvelle::planning::kMaxRecordBytes &&
                   std::isfinite(row.run.meters) && row.run.meters >= 0 &&
                   row.run.meters <= tarvelle::planning::kLongestRunMeters && row.run.cable >= 0 &&
                   row.run.cable <= 2 && row.run.product >= 0 && row.run.product <= 2;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tarvelle::planning::MemoryInput input(text);
    tarvelle::planning::RunsReader reader(input, {1, 2});
    RunsRow row;
    std::size_t lastLine = 0;
    bool headerSeen = false;
    try {
        while (reader.next(row)) {
            if (row.firstLine != lastLine + 1 || row.lastLine < row.firstLine || !sound(row) ||
                (row.kind == RunsRow::Kind::Header && headerSeen)) {
                std::abort();
            }
            headerSeen = headerSeen || row.kind == RunsRow::Kind::Header;
            lastLine = row.lastLine;
        }
    } catch (const tarvelle::planning::RunsFileError&) {
        return 0;
    } catch (const tarvelle::planning::NotTextError&) {
        return 0;
    }
    if (lastLine != lineCount(text)) {
        std::abort();
    }
    return 0;
}
