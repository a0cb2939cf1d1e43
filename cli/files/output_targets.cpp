#include "cli/files/output_targets.h"

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli/files/output_file.h"

namespace tarvelle::cli {

namespace {

namespace fs = std::filesystem;

// As many links as the system follows in one path.
constexpr int kMostLinks = 40;

std::string named(const OutputTarget& target) {
    return std::string(target.option) + " '" + target.path + "'";
}

// The file the path leads to: its folder made absolute, links followed.
fs::path resolved(const OutputTarget& target) {
    fs::path path = target.path;
    std::error_code error;
    for (int links = 0; fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        if (links == kMostLinks) {
            throw OutputFileError(named(target) + ": too many links in a row");
        }
        const fs::path next = fs::read_symlink(path, error);
        path = next.is_absolute() ? next : path.parent_path() / next;
        if (!fs::exists(fs::symlink_status(path, error))) {
            throw OutputFileError(named(target) + ": the link leads nowhere ('" + path.string() +
                                  "' does not exist)");
        }
    }
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error)) {
        throw OutputFileError(named(target) + ": its folder does not exist");
    }
    if (::access(folder.c_str(), W_OK) != 0) {
        throw OutputFileError(named(target) + ": its folder cannot be written");
    }
    return fs::canonical(folder, error) / path.filename();
}

}  // namespace

void checkOutputTargets(const std::vector<OutputTarget>& targets,
                        const std::vector<planning::FileIdentity>& inputs) {
    struct Checked {
        fs::path file;
        std::optional<planning::FileIdentity> identity;
    };
    std::vector<Checked> checked;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const OutputTarget& target = targets[i];
        checkOutputFile(target.option, target.path, target.extension, inputs);
        Checked mine{resolved(target), planning::identityOf(target.path)};
        for (std::size_t j = 0; j < checked.size(); ++j) {
            if (checked[j].file == mine.file ||
                (mine.identity && checked[j].identity == mine.identity)) {
                throw OutputFileError(named(target) + ": is the same file as " + named(targets[j]) +
                                      "; give each output its own file");
            }
        }
        checked.push_back(mine);
    }
}

}  // namespace tarvelle::cli
