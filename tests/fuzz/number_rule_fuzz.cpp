// Any text, with either decimal separator: an accepted text converts to a
// finite double whose shortest decimal form is accepted again as the same value.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/number_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string separator = (data[0] & 1) != 0 ? "," : ".";
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto value = tarvelle::parseLevel(text, separator);
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *value).ptr;
    std::string shortest;
    for (const char* c = buffer; c != end; ++c) {
        shortest += *c == '.' ? separator : std::string(1, *c);
    }
    const auto again = tarvelle::parseLevel(shortest, separator);
    if (!again || std::memcmp(&*again, &*value, sizeof(double)) != 0) {
        std::abort();
    }
    return 0;
}
