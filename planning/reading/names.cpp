#include "planning/reading/names.h"

#include "planning/ascii_text.h"

#include <array>

namespace tarvelle::planning {

namespace {

struct Name {
    std::string_view text;
    std::int16_t row;
};

// The first name of each row is the one written back.
constexpr std::array<Name, 6> kProducts{{
    {"balun", 0},
    {"8-port", 1},
    {"16-port", 2},
    {"0", 0},
    {"1", 1},
    {"2", 2},
}};

constexpr std::array<Name, 8> kCables{{
    {"cat5e", 0},
    {"cat6", 1},
    {"cat6a", 2},
    {"cat5", 0},
    {"cat7", 2},
    {"0", 0},
    {"1", 1},
    {"2", 2},
}};

// A row's first name is its spelling by number (firstSpelling).
static_assert(kCables.size() == kCableSpellings);
static_assert(kCables[0].row == 0 && kCables[1].row == 1 && kCables[2].row == 2);

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (planning::asciiLower(a[i]) != planning::asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
std::optional<std::int16_t> find(const std::array<Name, N>& names, std::string_view text) {
    for (const Name& name : names) {
        if (sameIgnoringCase(name.text, text)) {
            return name.row;
        }
    }
    return std::nullopt;
}

template <std::size_t N>
std::string_view nameOf(const std::array<Name, N>& names, std::int16_t row) {
    for (const Name& name : names) {
        if (name.row == row) {
            return name.text;
        }
    }
    return "none";
}

}  // namespace

std::optional<std::int16_t> productByName(std::string_view name) {
    return find(kProducts, name);
}

std::optional<std::int16_t> cableByName(std::string_view name) {
    return find(kCables, name);
}

std::string_view productName(std::int16_t product) {
    return nameOf(kProducts, product);
}

std::string_view cableName(std::int16_t cable) {
    return nameOf(kCables, cable);
}

std::optional<CableSpelling> cableSpellingByName(std::string_view name) {
    for (std::size_t i = 0; i < kCables.size(); ++i) {
        if (sameIgnoringCase(kCables[i].text, name)) {
            const bool digit = kCables[i].text.front() <= '9';
            return digit ? firstSpelling(kCables[i].row) : static_cast<CableSpelling>(i);
        }
    }
    return std::nullopt;
}

std::string_view spelledCableName(CableSpelling spelling) {
    return spelling < kCables.size() ? kCables[spelling].text : "none";
}

std::int16_t spelledCable(CableSpelling spelling) {
    return kCables.at(spelling).row;
}

}  // namespace tarvelle::planning
