#include "cli/files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "cli/files/interrupt_cleanup.h"
#include "cli/messages/diagnostics.h"
#include "planning/ascii_text.h"

namespace tarvelle::cli {

namespace {

namespace fs = std::filesystem;

// ".chart.svg.XXXXXX" in the target's folder, so that the rename stays
// within one file system; the name cut short where the whole would pass the
// file system's limit on a name.
std::string temporaryPattern(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    constexpr std::string_view kSuffix = ".XXXXXX";
    std::string name = target.filename().string();
    name.resize(std::min(name.size(), std::size_t{NAME_MAX} - 1 - kSuffix.size()));
    return (folder / ("." + name + std::string(kSuffix))).string();
}

// A temporary file that is removed unless it was renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& target)
        : path_(temporaryPattern(target)), descriptor_(::mkostemp(path_.data(), O_CLOEXEC)) {
        if (descriptor_ >= 0) {
            removeOnInterrupt(path_.c_str());
        }
    }
    ~TemporaryFile() {
        closeFile();
        if (!renamed_ && descriptor_ != kNeverOpened) {
            ::unlink(path_.c_str());
        }
        forgetOnInterrupt(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool opened() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    bool closeFile() {
        const bool closed = descriptor_ < 0 || ::close(descriptor_) == 0;
        if (descriptor_ >= 0) {
            descriptor_ = kClosed;
        }
        return closed;
    }
    bool renameTo(const fs::path& target) {
        renamed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return renamed_;
    }

  private:
    static constexpr int kNeverOpened = -1;
    static constexpr int kClosed = -2;
    std::string path_;
    int descriptor_;
    bool renamed_ = false;
};

bool writeAll(int descriptor, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(descriptor, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

void checkOutputFile(std::string_view option, const std::string& path, std::string_view extension,
                     const std::vector<planning::FileIdentity>& inputs) {
    const std::string named = std::string(option) + " '" + path + "': ";
    if (!planning::endsWithIgnoringCase(path, extension)) {
        throw OutputFileError(named + "the file is written as " + std::string(extension.substr(1)) +
                              "; give it a name ending in " + std::string(extension));
    }
    const auto identity = planning::identityOf(path);
    if (!identity) {
        const fs::path folder = fs::path(path).parent_path();
        std::error_code error;
        if (!folder.empty() && !fs::is_directory(folder, error)) {
            throw OutputFileError(named + "its folder does not exist");
        }
        return;
    }
    if (std::find(inputs.begin(), inputs.end(), *identity) != inputs.end()) {
        throw OutputFileError(named + "is an input of this run; it is not written over");
    }
    std::error_code error;
    if (!fs::is_regular_file(fs::status(path, error))) {
        throw OutputFileError(named + "exists and is not a regular file");
    }
}

struct AtomicFile::Temporary {
    fs::path target;
    mode_t mode;
    std::optional<std::pair<uid_t, gid_t>> owner;  // of the file it replaces
    TemporaryFile file;
};

AtomicFile::AtomicFile(const std::string& path) : path_(path), stream_(nullptr) {
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::canonical(target, error);
        if (error) {
            throw OutputFileError(path + ": the link leads nowhere: " + error.message());
        }
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        throw OutputFileError(path + ": exists and is not a regular file");
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = exists ? (existing.st_mode & 07777) : (0666 & ~mask);
    std::optional<std::pair<uid_t, gid_t>> owner;
    if (exists) {
        owner.emplace(existing.st_uid, existing.st_gid);
    }
    temporary_.reset(new Temporary{target, mode, owner, TemporaryFile(target)});
    if (!temporary_->file.opened()) {
        throw OutputFileError(path + ": cannot be written: " + planning::systemReason());
    }
    buffer_ = std::make_unique<Buffer>(temporary_->file.descriptor());
    stream_.rdbuf(buffer_.get());
}

AtomicFile::~AtomicFile() = default;

void AtomicFile::complete() {
    if (completed_) {
        return;
    }
    const int descriptor = temporary_->file.descriptor();
    const bool written = static_cast<bool>(stream_.flush()) && !buffer_->failed();
    if (!written) {
        errno = buffer_->error() != 0 ? buffer_->error() : errno;
    }
    if (written && temporary_->owner) {
        // The group where the user may set it, the owner only as root; a
        // change of owner clears the set-user-ID bit, so the mode comes after.
        const auto [owner, group] = *temporary_->owner;
        static_cast<void>(::fchown(descriptor, static_cast<uid_t>(-1), group));
        static_cast<void>(::fchown(descriptor, owner, static_cast<gid_t>(-1)));
    }
    if (!written || ::fchmod(descriptor, temporary_->mode) != 0 || ::fsync(descriptor) != 0 ||
        !temporary_->file.closeFile()) {
        throw OutputFileError(path_ + ": cannot be written: " + planning::systemReason());
    }
    completed_ = true;
}

void AtomicFile::commit() {
    complete();
    if (!temporary_->file.renameTo(temporary_->target)) {
        throw OutputFileError(path_ + ": cannot be written: " + planning::systemReason());
    }
}

AtomicFile::Buffer::Buffer(int descriptor) : descriptor_(descriptor) {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

bool AtomicFile::Buffer::drain() {
    if (!failed_ && !writeAll(descriptor_, std::string_view(pbase(), static_cast<std::size_t>(
                                                                         pptr() - pbase())))) {
        failed_ = true;
        error_ = errno;
    }
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return !failed_;
}

AtomicFile::Buffer::int_type AtomicFile::Buffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int AtomicFile::Buffer::sync() {
    return drain() ? 0 : -1;
}

}  // namespace tarvelle::cli
