#include "planning/reading/quoted_text.h"

#include <cerrno>
#include <system_error>

namespace tarvelle::planning {

std::string quotedShort(std::string_view text) {
    constexpr std::size_t kShown = 60;
    if (text.size() <= kShown) {
        return "'" + std::string(text) + "'";
    }
    return "'" + std::string(text.substr(0, kShown)) + "...'";
}

std::string systemReason() {
    return std::generic_category().message(errno);
}

}  // namespace tarvelle::planning
