#pragma once

#include <optional>
#include <string_view>

namespace tarvelle::resources {

// The program's string table; an identifier without a text is a failed lookup.
std::optional<std::string_view> LoadResString(int id);

}  // namespace tarvelle::resources
