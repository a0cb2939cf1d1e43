// The runs-file reader on its own: CSV written by the program's writer reads
// back field for field, records keep their line numbers, malformed records
// are told apart, and a header is found by whether its length is a length.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/formats/csv_field.h"
#include "cli/reading/repeat_finder.h"
#include "planning/reading/csv_reader.h"
#include "planning/reading/runs_file.h"

namespace tarvelle::cli {
namespace {

using namespace tarvelle::planning;

using Fields = std::vector<std::string>;

std::string writeRecord(const Fields& fields, std::string_view lineEnd) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i > 0 ? "," : "") + csvQuoted(fields[i]);
    }
    return line + std::string(lineEnd);
}

std::vector<Fields> readAll(std::string_view text) {
    MemoryInput input(text);
    CsvReader reader(input);
    CsvRecord record;
    std::vector<Fields> records;
    while (reader.next(record)) {
        EXPECT_EQ(record.problem, CsvProblem::None) << text;
        Fields fields;
        for (std::size_t i = 0; i < record.fieldCount(); ++i) {
            fields.emplace_back(record.field(i));
        }
        records.push_back(fields);
    }
    return records;
}

class RoundTrip : public testing::TestWithParam<Fields> {};

TEST_P(RoundTrip, WrittenFieldsReadBackUnchanged) {
    for (const std::string_view lineEnd : {"\n", "\r\n"}) {
        const std::string text = writeRecord(GetParam(), lineEnd) + writeRecord({"next", "1m"}, "");
        const std::vector<Fields> records = readAll(text);
        ASSERT_EQ(records.size(), 2u) << text;
        EXPECT_EQ(records[0], GetParam());
        EXPECT_EQ(records[1], (Fields{"next", "1m"}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RoundTrip,
    testing::Values(Fields{"101", "32m"}, Fields{"Lobby, east", "40 m"},
                    Fields{"say \"hi\"", "\"\""}, Fields{"two\nlines", "cr\ronly", "crlf\r\n"},
                    Fields{" padded ", "\tlead", "trail\t"}, Fields{"", "", ""},
                    Fields{"=1+2", "-3", "@x", "\xC3\xA9t\xC3\xA9"}, Fields{"a\"b", "\"", ","}));

TEST(RoundTripRandom, AnyFieldsOfAwkwardCharactersReadBack) {
    std::mt19937 random(12);
    const std::string alphabet = "ab ,\"\r\n\t=\xC3\xA9";
    for (int round = 0; round < 2000; ++round) {
        Fields fields(1 + random() % 4);
        for (std::string& field : fields) {
            for (std::size_t n = random() % 8; n > 0; --n) {
                field += alphabet[random() % alphabet.size()];
            }
        }
        if (fields.size() == 1 && fields[0].empty()) {
            continue;  // an empty line is a blank record, not a field
        }
        const std::vector<Fields> records = readAll(writeRecord(fields, "\n"));
        ASSERT_EQ(records.size(), 1u);
        ASSERT_EQ(records[0], fields);
    }
}

struct Span {
    std::size_t first;
    std::size_t last;
    CsvProblem problem;
    bool operator==(const Span&) const = default;
};

struct LinesCase {
    const char* name;
    std::string text;
    std::vector<Span> spans;
};

void PrintTo(const LinesCase& row, std::ostream* out) {
    *out << row.name;
}

class RecordLines : public testing::TestWithParam<LinesCase> {};

TEST_P(RecordLines, EachRecordKeepsItsLinesAndProblem) {
    MemoryInput input(GetParam().text);
    CsvReader reader(input);
    CsvRecord record;
    std::vector<Span> spans;
    while (reader.next(record)) {
        spans.push_back({record.firstLine, record.lastLine, record.problem});
    }
    ASSERT_EQ(spans.size(), GetParam().spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i], GetParam().spans[i]) << "record " << i;
    }
}

constexpr auto kFine = CsvProblem::None;

INSTANTIATE_TEST_SUITE_P(
    Records, RecordLines,
    testing::Values(
        LinesCase{"QuotedLineBreak", "a,\"x\ny\"\nb,1m\n", {{1, 2, kFine}, {3, 3, kFine}}},
        LinesCase{"LoneCarriageReturns", "a,1m\rb,2m\r", {{1, 1, kFine}, {2, 2, kFine}}},
        LinesCase{"ByteOrderMark", "\xEF\xBB\xBFroom,length\n", {{1, 1, kFine}}},
        LinesCase{"UnclosedQuote",
                  "a,1m\n\"b,2m\nc,3m\n",
                  {{1, 1, kFine}, {2, 3, CsvProblem::UnclosedQuote}}},
        LinesCase{"TextAfterClosingQuote",
                  "\"a\"b,1m\nc,2m",
                  {{1, 1, CsvProblem::TextAfterClosingQuote}, {2, 2, kFine}}},
        LinesCase{"QuoteInsideField",
                  "12\" tv,1m\nc,2m\n",
                  {{1, 1, CsvProblem::QuoteInUnquotedField}, {2, 2, kFine}}},
        LinesCase{"OverlongLineThenARun",
                  std::string(70'000, 'x') + ",1m\nc,2m\n",
                  {{1, 1, CsvProblem::TooLong}, {2, 2, kFine}}}),
    [](const auto& info) { return info.param.name; });

TEST(CsvReader, NulByteStopsTheFileAsNotText) {
    const std::string text("a,1m\nb\0,2m\n", 11);
    MemoryInput input(text);
    CsvReader reader(input);
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    EXPECT_THROW(reader.next(record), NotTextError);
}

struct RowsCase {
    const char* name;
    std::string text;
    // One entry per non-blank row: "run id metres cable product", "header"
    // or "problem".
    std::vector<std::string> rows;
};

void PrintTo(const RowsCase& row, std::ostream* out) {
    *out << row.name;
}

class RunsRows : public testing::TestWithParam<RowsCase> {};

TEST_P(RunsRows, RowsAreRunsHeadersOrProblems) {
    MemoryInput input(GetParam().text);
    RunsReader reader(input, RunDefaults{1, 1});
    RunsRow row;
    std::vector<std::string> rows;
    while (reader.next(row)) {
        switch (row.kind) {
            case RunsRow::Kind::Blank:
                break;
            case RunsRow::Kind::Header:
                rows.push_back("header");
                break;
            case RunsRow::Kind::Problem:
                rows.push_back("problem");
                break;
            case RunsRow::Kind::Run:
                char metres[32];
                std::snprintf(metres, sizeof metres, "%.4f", row.run.meters);
                rows.push_back("run " + row.run.id + " " + metres + " " +
                               std::to_string(row.run.cable) + " " +
                               std::to_string(row.run.product));
                break;
        }
    }
    EXPECT_EQ(rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RunsRows,
    testing::Values(RowsCase{"HeaderlessFirstRowIsARun",
                             "101,32m\n102,50m\n",
                             {"run 101 32.0000 1 1", "run 102 50.0000 1 1"}},
                    RowsCase{
                        "HeaderByName",
                        "Floor,Outlet,Length_ft,Cable,Product\n1,A1,100,cat6a,balun\n1,A2,10,,\n",
                        {"header", "run A1 30.4800 2 0", "run A2 3.0480 1 1"}},
                    RowsCase{"MetresColumnRefusesFeet",
                             "id,length_m\na,12\nb,12ft\nc,12m\n",
                             {"header", "run a 12.0000 1 1", "problem", "run c 12.0000 1 1"}},
                    RowsCase{"HeadlessWithFourColumns",
                             "a,10 M,cat5e,16-port\nb,10m,cat8\nc,10m,1,2,extra\n",
                             {"run a 10.0000 0 2", "problem", "problem"}},
                    RowsCase{"BareLengthNeedsAUnitColumn",
                             "room,length\na,12\nb,12m\n",
                             {"header", "problem", "run b 12.0000 1 1"}},
                    RowsCase{"FirstRowNeitherRunNorHeader",
                             "101,abc\n102,50m\n",
                             {"problem", "run 102 50.0000 1 1"}},
                    RowsCase{"BlankLinesAndEmptyRowsPassOver",
                             "room,length\n\n,,\n  \n\"Lobby, east\",\"40 m\"\n",
                             {"header", "run Lobby, east 40.0000 1 1"}},
                    RowsCase{"EmptyIdentifierAndNegativeLength",
                             "room,length\n,5m\nb,-5m\n",
                             {"header", "problem", "problem"}}),
    [](const auto& info) { return info.param.name; });

TEST(RunsReader, HeaderWithoutLengthColumnStopsTheFile) {
    MemoryInput input("room,notes\n101,32m\n");
    RunsReader reader(input, RunDefaults{});
    RunsRow row;
    EXPECT_THROW(reader.next(row), RunsFileError);
}

TEST(RepeatFinder, FindsRepeatsWithinBoundedMemory) {
    RepeatFinder finder;
    EXPECT_FALSE(finder.seenBefore("101", 2));
    EXPECT_EQ(finder.seenBefore("101", 9), 2u);
    for (std::size_t i = 0; i < RepeatFinder::kCapacity + 1000; ++i) {
        finder.seenBefore("room " + std::to_string(i), 10 + i);
    }
    EXPECT_TRUE(finder.full());
    EXPECT_EQ(finder.seenBefore("101", 99), 2u);
    EXPECT_EQ(finder.seenBefore("room 5", 99), 15u);
    EXPECT_FALSE(finder.seenBefore("room " + std::to_string(RepeatFinder::kCapacity + 500), 99));
}

}  // namespace
}  // namespace tarvelle::cli
