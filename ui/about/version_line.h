#pragma once

#include <string>

namespace tarvelle::ui {

// "Version 1.0.0": each number in plain decimal digits, no padding.
inline std::string versionLine(int major, int minor, int revision) {
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

}  // namespace tarvelle::ui
