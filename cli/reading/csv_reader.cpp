#include "cli/reading/csv_reader.h"

#include <algorithm>

namespace tarvelle::cli {

namespace {

enum class State {
    FieldStart,
    Unquoted,
    Quoted,
    AfterQuote,       // just after a quote inside a quoted field
    AfterQuoteBlank,  // blanks after the closing quote
    Skip,             // a malformed record: everything up to the end of the line
};

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}

bool isBreak(int c) {
    return c == '\n' || c == '\r';
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
    }
    return "malformed";
}

std::string_view CsvRecord::field(std::size_t index) const {
    const std::size_t start = index == 0 ? 0 : ends[index - 1];
    return std::string_view(text).substr(start, ends[index] - start);
}

CsvReader::CsvReader(InputSource& source) : source_(source), buffer_(kMaxRecordBytes) {}

void CsvReader::fill(std::size_t wanted) {
    if (position_ > 0) {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        end_ -= position_;
        position_ = 0;
    }
    while (!exhausted_ && end_ < wanted) {
        const std::size_t count = source_.read(buffer_.data() + end_, buffer_.size() - end_);
        exhausted_ = count == 0;
        end_ += count;
    }
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

bool CsvReader::next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        skipByteOrderMark();
    }
    record.text.clear();
    record.ends.clear();
    record.problem = CsvProblem::None;
    if (peek() == kEnd) {
        return false;
    }
    record.firstLine = line_;

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
            if (state != State::Skip) {
                endField();
            }
            record.lastLine = lastWasBreak ? line_ - 1 : line_;
            return true;
        }
        if (c == 0) {
            throw NotTextError(line_);
        }
        lastWasBreak = false;
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
            fail(CsvProblem::TooLong);
            continue;
        }
        switch (state) {
            case State::FieldStart:
                if (c == '"') {
                    state = State::Quoted;
                } else if (c == ',') {
                    endField();
                } else if (!isBlank(c)) {
                    record.text += static_cast<char>(c);
                    state = State::Unquoted;
                }
                break;
            case State::Unquoted:
                if (c == ',') {
                    endField();
                    state = State::FieldStart;
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
                } else if (c == ',') {
                    endField();
                    state = State::FieldStart;
                } else if (isBlank(c)) {
                    state = State::AfterQuoteBlank;
                } else {
                    fail(CsvProblem::TextAfterClosingQuote);
                }
                break;
            case State::Skip:
                break;
        }
    }
}

}  // namespace tarvelle::cli
