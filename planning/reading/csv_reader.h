#pragma once

// Reading CSV as RFC 4180 has it, one record at a time: fields separated by
// commas (or semicolons or tabs, as the first line tells), a field in double quotes may hold
// commas, line breaks and quotes (doubled), records end at LF, CRLF or a lone CR. Blanks around a
// field are not part of it unless quoted. A record may not exceed kMaxRecordBytes, so memory stays
// bounded whatever the input.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "planning/reading/input_source.h"

namespace tarvelle::planning {

inline constexpr std::size_t kMaxRecordBytes = 64 * 1024;

enum class CsvProblem {
    None,
    TooLong,
    QuoteInUnquotedField,
    TextAfterClosingQuote,
    UnclosedQuote,
    ForeignSeparator,
};

// "longer than 64 KiB", "a quote inside a field that does not begin with one", ...
std::string_view describe(CsvProblem problem);

struct CsvRecord {
    // The lines it spans, counted from 1; more than one when a quoted field
    // holds a line break.
    std::size_t firstLine = 0;
    std::size_t lastLine = 0;
    // A malformed record ends at the end of the line where the fault is found
    // and has no fields to speak of.
    CsvProblem problem = CsvProblem::None;

    std::size_t fieldCount() const { return ends.size(); }
    std::string_view field(std::size_t index) const;

    // Field i is bytes starts[i] to ends[i] of `line`, a plain line as it
    // lies in the reader's buffer (valid until the next record is read), or
    // of `text`, where a record with quotes is unquoted, when `line` is null.
    std::string_view line;
    std::string text;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
};

// A NUL byte: the input is no text file (UTF-16, say, or a binary file).
struct NotTextError : std::runtime_error {
    explicit NotTextError(std::size_t line)
        : std::runtime_error("holds a NUL byte on line " + std::to_string(line) +
                             ": not a text file (a runs file is CSV in UTF-8 or ASCII)") {}
};

class CsvReader {
  public:
    explicit CsvReader(InputSource& source);

    // The next record into `record`, reusing its storage; false at the end of
    // the input. Throws NotTextError and the source's read errors.
    bool next(CsvRecord& record);

    // The field separator, told by the first line that is not blank (see
    // field_separator.h); known after the first call to next().
    char separator() const { return separator_; }
    // Why that line could be read with more than one separator, and its
    // number; empty when it could not.
    const std::string& ambiguity() const { return ambiguity_; }
    std::size_t ambiguousLine() const { return ambiguousLine_; }

  private:
    static constexpr int kEnd = -1;
    // Kept just after the bytes read: a byte no line reads as plain.
    static constexpr char kEndMark = '\0';
    int peek();
    int get();
    void fill(std::size_t wanted);
    void skipByteOrderMark();
    void endLine(int breakCharacter);
    void decideSeparator();
    bool nextPlainLine(CsvRecord& record);
    void addTrimmedField(CsvRecord& record, std::size_t start, std::size_t end) const;

    // What each byte is to nextPlainLine, set with the separator.
    enum class ByteRole : std::uint8_t {
        Plain,
        Separator,
        Break,    // \n or \r
        Foreign,  // ';' or a tab in a comma file: perhaps a decimal comma's separator
        Other,    // a quote or a NUL: for the byte-by-byte reading
    };
    void setRoles();
    bool isBlank(int c) const { return c == ' ' || (c == '\t' && separator_ != '\t'); }

    InputSource& source_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;
    bool started_ = false;
    std::size_t line_ = 1;
    char separator_ = ',';
    std::array<ByteRole, 256> roles_{};
    std::string ambiguity_;
    std::size_t ambiguousLine_ = 0;
};

}  // namespace tarvelle::planning
