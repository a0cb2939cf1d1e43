#pragma once

// Files the program writes. The user's files are never half written: the
// content goes to a temporary file beside the target, which is renamed over
// the target only when complete.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cli/input_source.h"

namespace tarvelle::cli {

// One line naming the file and why it cannot be written.
struct OutputFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Refuses, before anything is done, an output file named for another format
// than `extension` (".svg", any case), one that is one of the run's `inputs`,
// and one that exists but is not a regular file (a directory, /dev/null).
// `option` and the path name it in the message.
void checkOutputFile(std::string_view option, const std::string& path, std::string_view extension,
                     const std::vector<FileIdentity>& inputs);

// Writes the whole content or leaves the target as it was. A symbolic link is
// followed; an existing target keeps its permissions.
void writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace tarvelle::cli
