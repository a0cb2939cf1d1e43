#include "cli/messages/safe_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "planning/hidden_characters.h"
#include "planning/utf8.h"

namespace tarvelle::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr char kHex[] = "0123456789abcdef";

unsigned byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The well-formed UTF-8 sequence of more than one byte at `at`, if any.
std::optional<planning::CodePoint> sequenceAt(std::string_view text, std::size_t at) {
    if (byteAt(text, at) < 0x80) {
        return std::nullopt;
    }
    return planning::decodeUtf8(text.substr(at));
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// C1 controls and the characters that hide from a reader.
bool actsOnDisplay(std::uint32_t codePoint) {
    return (codePoint >= 0x80 && codePoint <= 0x9F) || planning::hidesFromReader(codePoint);
}

}  // namespace

std::string repairUtf8(std::string_view text) {
    if (isAscii(text)) {
        return std::string(text);
    }
    std::string repaired;
    repaired.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (byteAt(text, at) < 0x80) {
            repaired += text[at++];
        } else if (const auto sequence = sequenceAt(text, at)) {
            repaired.append(text.substr(at, sequence->length));
            at += sequence->length;
        } else {
            repaired.append(kReplacement);
            ++at;
        }
    }
    return repaired;
}

std::string escapeForTerminal(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const unsigned byte = byteAt(text, at);
        if (byte == '\\') {
            escaped += "\\\\";
            ++at;
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += static_cast<char>(byte);
            ++at;
        } else if (const auto sequence = sequenceAt(text, at)) {
            if (actsOnDisplay(sequence->value)) {
                escaped += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4) {
                    escaped += kHex[(sequence->value >> shift) & 0xF];
                }
            } else {
                escaped.append(text.substr(at, sequence->length));
            }
            at += sequence->length;
        } else {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
            ++at;
        }
    }
    return escaped;
}

}  // namespace tarvelle::cli
