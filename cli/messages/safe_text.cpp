#include "cli/messages/safe_text.h"

#include <algorithm>
#include <cstdint>

#include "planning/hidden_characters.h"

namespace tarvelle::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr char kHex[] = "0123456789abcdef";

unsigned byteAt(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]);
}

// The length of the valid UTF-8 sequence of more than one byte starting at
// `at`, and its code point; length 0 when there is none.
struct Sequence {
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
};

Sequence sequenceAt(std::string_view text, std::size_t at) {
    const unsigned lead = byteAt(text, at);
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (at + length > text.size()) {
        return {};
    }
    std::uint32_t codePoint = lead & (0xFFu >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byteAt(text, at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) {
            return {};
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {length, codePoint};
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
        } else if (const Sequence sequence = sequenceAt(text, at); sequence.length > 0) {
            repaired.append(text.substr(at, sequence.length));
            at += sequence.length;
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
        } else if (const Sequence sequence = sequenceAt(text, at); sequence.length > 0) {
            if (actsOnDisplay(sequence.codePoint)) {
                escaped += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4) {
                    escaped += kHex[(sequence.codePoint >> shift) & 0xF];
                }
            } else {
                escaped.append(text.substr(at, sequence.length));
            }
            at += sequence.length;
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
