#include "cli/messages/diagnostics.h"

#include "cli/messages/safe_text.h"

namespace tarvelle::cli {

void tell(std::ostream& err, std::string_view message) {
    err << "tarvelle-cli: " << escapeForTerminal(message) << '\n';
}

}  // namespace tarvelle::cli
