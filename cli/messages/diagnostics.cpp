#include "cli/messages/diagnostics.h"

#include <cerrno>
#include <system_error>

#include "cli/messages/safe_text.h"

namespace tarvelle::cli {

void tell(std::ostream& err, std::string_view message) {
    err << "tarvelle-cli: " << escapeForTerminal(message) << '\n';
}

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

}  // namespace tarvelle::cli
