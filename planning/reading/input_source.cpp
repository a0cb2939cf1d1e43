#include "planning/reading/input_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "planning/reading/quoted_text.h"

namespace tarvelle::planning {

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileIdentity{status.st_dev, status.st_ino};
}

FileInput::FileInput(const std::string& path)
    : name_(path == "-" ? "standard input" : path),
      descriptor_(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)),
      owned_(path != "-") {
    if (descriptor_ < 0) {
        throw InputFileError(name_ + ": cannot be opened: " + systemReason());
    }
    // The destructor does not run for a constructor that throws.
    const auto fail = [this](const std::string& message) {
        closeOwned();
        throw InputFileError(name_ + ": " + message);
    };
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        fail("cannot be read: " + systemReason());
    }
    if (S_ISDIR(status.st_mode)) {
        fail("is a directory, not a runs file");
    }
    identity_ = {status.st_dev, status.st_ino};
}

FileInput::~FileInput() {
    closeOwned();
}

void FileInput::closeOwned() {
    if (owned_ && descriptor_ >= 0) {
        ::close(descriptor_);
    }
    descriptor_ = -1;
}

std::size_t FileInput::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            throw InputFileError(name_ + ": cannot be read: " + systemReason());
        }
    }
}

std::size_t MemoryInput::read(char* buffer, std::size_t size) {
    const std::size_t count = std::min(size, bytes_.size());
    std::copy_n(bytes_.data(), count, buffer);
    bytes_.remove_prefix(count);
    return count;
}

}  // namespace tarvelle::planning
