#include "planning/reading/csv_reader.h"

#include <algorithm>

#include "planning/reading/field_separator.h"

namespace tarvelle::planning {

namespace {

enum class State {
    FieldStart,
    Unquoted,
    Quoted,
    AfterQuote,       // just after a quote inside a quoted field
    AfterQuoteBlank,  // blanks after the closing quote
    Skip,             // a malformed record: everything up to the end of the line
    SkipQuoted,       // a record too long, inside a quoted field: up to its closing quote
};

bool isBreak(int c) {
    return c == '\n' || c == '\r';
}

// A field of a comma file ending in a semicolon or tab and digits, with more
// fields after it: "101;85" of "101;85,50m", a line of a file separated by
// semicolons with a decimal comma, which read with commas is a wrong run.
bool endsInForeignNumber(const CsvRecord& record) {
    const std::string_view field = record.field(record.fieldCount() - 1);
    const std::size_t digits = field.find_last_not_of("0123456789");
    return digits != std::string_view::npos && digits + 1 < field.size() &&
           (field[digits] == ';' || field[digits] == '\t');
}

}  // namespace

std::string_view describe(CsvProblem problem) {
    switch (problem) {
        case CsvProblem::None:
            return "no problem";
        case CsvProblem::TooLong:
            return "longer than 64 KiB";
        case CsvProblem::QuoteInUnquotedField:
            return "a quote inside a field that does not begin with one (quote the field and "
                   "double its quotes)";
        case CsvProblem::TextAfterClosingQuote:
            return "text after the closing quote of a field";
        case CsvProblem::UnclosedQuote:
            return "a quoted field is not closed before the end of the file";
        case CsvProblem::ForeignSeparator:
            return "a semicolon or tab and a number before a comma, in a file whose fields are "
                   "separated by commas: a decimal comma? (quote the field, or separate every "
                   "line's fields alike)";
    }
    return "malformed";
}

std::string_view CsvRecord::field(std::size_t index) const {
    const char* const bytes = line.data() != nullptr ? line.data() : text.data();
    return {bytes + starts[index], ends[index] - starts[index]};
}

// One byte more than a record, for the end mark.
CsvReader::CsvReader(InputSource& source) : source_(source), buffer_(kMaxRecordBytes + 1) {}

void CsvReader::fill(std::size_t wanted) {
    if (position_ > 0) {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        end_ -= position_;
        position_ = 0;
    }
    while (!exhausted_ && end_ < wanted) {
        const std::size_t count = source_.read(buffer_.data() + end_, kMaxRecordBytes - end_);
        exhausted_ = count == 0;
        end_ += count;
    }
    buffer_[end_] = kEndMark;
}

int CsvReader::peek() {
    if (position_ == end_) {
        fill(1);
        if (position_ == end_) {
            return kEnd;
        }
    }
    return static_cast<unsigned char>(buffer_[position_]);
}

int CsvReader::get() {
    const int c = peek();
    if (c != kEnd) {
        ++position_;
    }
    return c;
}

void CsvReader::skipByteOrderMark() {
    fill(3);
    if (end_ - position_ >= 3 &&
        std::string_view(buffer_.data() + position_, 3) == "\xEF\xBB\xBF") {
        position_ += 3;
    }
}

void CsvReader::endLine(int breakCharacter) {
    if (breakCharacter == '\r' && peek() == '\n') {
        get();
    }
    ++line_;
}

// Looks ahead, without consuming, at the first line that is not blank,
// reading no further than that line needs (standard input may be typed).
void CsvReader::decideSeparator() {
    for (;;) {
        std::string_view rest(buffer_.data() + position_, end_ - position_);
        std::size_t line = line_;
        for (;;) {
            const std::size_t text = rest.find_first_not_of(" \t");
            if (text == std::string_view::npos || (rest[text] != '\n' && rest[text] != '\r')) {
                break;
            }
            const bool crlf =
                rest[text] == '\r' && text + 1 < rest.size() && rest[text + 1] == '\n';
            rest.remove_prefix(text + (crlf ? 2 : 1));
            ++line;
        }
        bool quoted = false;
        std::size_t length = 0;
        while (length < rest.size() && (quoted || (rest[length] != '\n' && rest[length] != '\r'))) {
            quoted = rest[length] == '"' ? !quoted : quoted;
            ++length;
        }
        const bool whole = length < rest.size() && !rest.substr(0, length).empty();
        if (whole || exhausted_ || end_ == kMaxRecordBytes) {
            const SeparatorGuess guess = guessSeparator(rest.substr(0, length));
            separator_ = guess.separator;
            setRoles();
            ambiguity_ = guess.ambiguity;
            ambiguousLine_ = line;
            return;
        }
        fill(end_ - position_ + 1);
    }
}

void CsvReader::setRoles() {
    roles_.fill(ByteRole::Plain);
    roles_['\n'] = ByteRole::Break;
    roles_['\r'] = ByteRole::Break;
    roles_['"'] = ByteRole::Other;
    roles_[0] = ByteRole::Other;
    if (separator_ == ',') {
        roles_[';'] = ByteRole::Foreign;
        roles_['\t'] = ByteRole::Foreign;
    }
    roles_[static_cast<unsigned char>(separator_)] = ByteRole::Separator;
}

void CsvReader::addTrimmedField(CsvRecord& record, std::size_t start, std::size_t end) const {
    const char* const line = record.line.data();
    while (start < end && isBlank(static_cast<unsigned char>(line[start]))) {
        ++start;
    }
    while (end > start && isBlank(static_cast<unsigned char>(line[end - 1]))) {
        --end;
    }
    record.starts.push_back(start);
    record.ends.push_back(end);
}

// Most lines hold no quote: such a line, whole in the buffer, is split at its
// separators in one pass, with what the byte-by-byte reading below would make
// of it. Anything else (a quote, a NUL, a line too long or not yet read whole,
// a foreign separator) is left to that reading.
bool CsvReader::nextPlainLine(CsvRecord& record) {
    const char* const begin = buffer_.data() + position_;
    const std::size_t available = end_ - position_;
    const std::size_t scanned = std::min(available, kMaxRecordBytes + 1);
    record.line = std::string_view(begin, std::min(available, kMaxRecordBytes + 1));
    const auto leave = [&record] {
        record.line = {};
        record.starts.clear();
        record.ends.clear();
        return false;
    };
    std::size_t fieldStart = 0;
    bool foreign = false;
    std::size_t length = 0;
    for (;; ++length) {
        // Plain bytes are most: the end mark after the bytes read, which is
        // no plain byte, is what ends a line that goes on past them.
        const ByteRole role = roles_[static_cast<unsigned char>(begin[length])];
        if (role == ByteRole::Plain) {
            continue;
        }
        if (length == scanned) {
            return leave();
        }
        if (role == ByteRole::Foreign) {
            foreign = true;
            continue;
        }
        if (role == ByteRole::Other) {
            return leave();
        }
        addTrimmedField(record, fieldStart, length);
        if (role == ByteRole::Break) {
            break;
        }
        if (foreign && endsInForeignNumber(record)) {
            return leave();
        }
        foreign = false;
        fieldStart = length + 1;
    }
    if (length > kMaxRecordBytes ||
        (begin[length] == '\r' && length + 1 >= available && !exhausted_)) {
        return leave();
    }
    position_ += length + 1;
    if (begin[length] == '\r' && position_ < end_ && buffer_[position_] == '\n') {
        ++position_;
    }
    record.lastLine = line_;
    ++line_;
    return true;
}

bool CsvReader::next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
        decideSeparator();
    }
    record.line = {};
    record.text.clear();
    record.starts.clear();
    record.ends.clear();
    record.problem = CsvProblem::None;
    if (peek() == kEnd) {
        return false;
    }
    record.firstLine = line_;
    if (nextPlainLine(record)) {
        return true;
    }

    State state = State::FieldStart;
    std::size_t bytes = 0;
    bool lastWasBreak = false;
    const auto endField = [&] {
        if (state == State::Unquoted) {
            const std::size_t start = record.ends.empty() ? 0 : record.ends.back();
            while (record.text.size() > start && isBlank(record.text.back())) {
                record.text.pop_back();
            }
        }
        record.starts.push_back(record.ends.empty() ? 0 : record.ends.back());
        record.ends.push_back(record.text.size());
    };
    const auto fail = [&](CsvProblem problem) {
        record.problem = problem;
        state = State::Skip;
    };

    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (state == State::Quoted) {
                fail(CsvProblem::UnclosedQuote);
            }
            if (state != State::Skip && state != State::SkipQuoted) {
                endField();
            }
            record.lastLine = lastWasBreak ? line_ - 1 : line_;
            return true;
        }
        if (c == 0) {
            throw NotTextError(line_);
        }
        lastWasBreak = false;
        if (state == State::SkipQuoted) {
            // A doubled quote closes and reopens: the record goes on.
            if (c == '"') {
                state = State::Skip;
            } else if (isBreak(c)) {
                if (c == '\r' && peek() == '\n') {
                    get();
                }
                ++line_;
                lastWasBreak = true;
            }
            continue;
        }
        if (state == State::Skip && c == '"' && record.problem == CsvProblem::TooLong) {
            state = State::SkipQuoted;
            continue;
        }
        if (isBreak(c) && state != State::Quoted) {
            if (state != State::Skip) {
                endField();
            }
            record.lastLine = line_;
            endLine(c);
            return true;
        }
        if (state == State::Skip) {
            continue;
        }
        if (++bytes > kMaxRecordBytes) {
            // Skipped whole, to the end of the quoted field it is in, so that
            // no line of it is read as a record of its own.
            const bool inQuotes = state == State::Quoted;
            fail(CsvProblem::TooLong);
            state = inQuotes ? State::SkipQuoted : State::Skip;
            continue;
        }
        switch (state) {
            case State::FieldStart:
                if (c == '"') {
                    state = State::Quoted;
                } else if (c == separator_) {
                    endField();
                } else if (!isBlank(c)) {
                    record.text += static_cast<char>(c);
                    state = State::Unquoted;
                }
                break;
            case State::Unquoted:
                if (c == separator_) {
                    endField();
                    state = State::FieldStart;
                    if (separator_ == ',' && endsInForeignNumber(record)) {
                        fail(CsvProblem::ForeignSeparator);
                    }
                } else if (c == '"') {
                    fail(CsvProblem::QuoteInUnquotedField);
                } else {
                    record.text += static_cast<char>(c);
                }
                break;
            case State::Quoted:
                if (c == '"') {
                    state = State::AfterQuote;
                    break;
                }
                record.text += static_cast<char>(c);
                if (isBreak(c)) {
                    if (c == '\r' && peek() == '\n') {
                        record.text += static_cast<char>(get());
                        ++bytes;
                    }
                    ++line_;
                    lastWasBreak = true;
                }
                break;
            case State::AfterQuote:
            case State::AfterQuoteBlank:
                if (c == '"' && state == State::AfterQuote) {
                    record.text += '"';
                    state = State::Quoted;
                } else if (c == separator_) {
                    endField();
                    state = State::FieldStart;
                } else if (isBlank(c)) {
                    state = State::AfterQuoteBlank;
                } else {
                    fail(CsvProblem::TextAfterClosingQuote);
                }
                break;
            case State::Skip:
            case State::SkipQuoted:
                break;
        }
    }
}

}  // namespace tarvelle::planning
