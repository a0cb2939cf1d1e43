#include "cli/formats/csv_field.h"

#include "cli/messages/safe_text.h"

namespace tarvelle::cli {

std::string csvQuoted(std::string_view field) {
    const bool blankAtEnd = !field.empty() && (field.front() == ' ' || field.front() == '\t' ||
                                               field.back() == ' ' || field.back() == '\t');
    // Semicolons and tabs too, so that no reader takes them for the separator.
    if (!blankAtEnd && field.find_first_of(",;\t\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    return '"' + doubledQuotes(field) + '"';
}

std::string doubledQuotes(std::string_view text) {
    std::string doubled;
    doubled.reserve(text.size());
    for (const char c : text) {
        if (c == '"') {
            doubled += '"';
        }
        doubled += c;
    }
    return doubled;
}

std::string csvTextField(std::string_view text) {
    std::string field = repairUtf8(text);
    if (!field.empty() &&
        std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos) {
        field.insert(field.begin(), '\'');
    }
    return csvQuoted(field);
}

}  // namespace tarvelle::cli
