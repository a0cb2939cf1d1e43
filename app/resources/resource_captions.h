#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "app/resources/resource_control.h"
#include "app/resources/string_table.h"

namespace tarvelle::resources {

using StringLookup = std::function<std::optional<std::string_view>(int)>;

// Whole text as a number, rounded half to even, within 16 bits; else nullopt.
std::optional<int> integerConversion(std::string_view text);

// The number the text begins with (blanks skipped, period decimal, 0 when
// there is none), rounded half to even; nullopt when beyond 16 bits.
std::optional<int> leadingNumberValue(std::string_view text);

}  // namespace tarvelle::resources

// The start-up module's routine that both windows' load reactions call first:
// it gives the window and its controls their texts from the string table, by
// the identifiers they carry in their Tag (menu items: in their Caption). A
// step that fails is skipped without a word; it never fails its caller.
namespace Module1 {

void ApplyResourceCaptions(
    tarvelle::resources::ResourceWindow& window,
    const tarvelle::resources::StringLookup& lookup = tarvelle::resources::LoadResString);

}  // namespace Module1
