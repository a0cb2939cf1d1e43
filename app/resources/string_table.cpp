#include "app/resources/string_table.h"

#include <array>
#include <utility>

namespace tarvelle::resources {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 9> kStrings{{
    {1000, "&Help"},
    {1001, "&About "},
    {1002, "About Tarvelle"},
    {1003, "&System Info..."},
    {1004, "OK"},
    {1005, "Warning: ..."},
    {1006, "Version"},
    {1007, "Application Title"},
    {1008, "App Description"},
}};

}  // namespace

std::optional<std::string_view> LoadResString(int id) {
    for (const auto& [key, text] : kStrings) {
        if (key == id) {
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace tarvelle::resources
