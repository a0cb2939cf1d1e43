#pragma once

// All the files a run writes, checked together before anything is computed,
// so that a run refused for its outputs has changed nothing: each is named for
// its format, lies in a folder that exists and can be written, is no input of
// the run, and is not the same file as another output under another name (a
// symbolic or hard link). A link is followed to where it leads; one that
// leads nowhere is refused.

#include <string>
#include <string_view>
#include <vector>

#include "planning/reading/input_source.h"

namespace tarvelle::cli {

struct OutputTarget {
    std::string_view option;     // "--plot"
    std::string path;            // as the user gave it
    std::string_view extension;  // ".svg"
};

// Throws OutputFileError naming the option and the path.
void checkOutputTargets(const std::vector<OutputTarget>& targets,
                        const std::vector<planning::FileIdentity>& inputs);

}  // namespace tarvelle::cli
