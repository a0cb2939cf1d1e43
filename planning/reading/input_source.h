#pragma once

// Where the bytes of a runs file come from: a file, standard input or memory.

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvelle::planning {

// A file that cannot be opened or read: one line naming it and the reason.
struct InputFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class InputSource {
  public:
    virtual ~InputSource() = default;
    // Up to `size` bytes into `buffer`; 0 at the end. Throws InputFileError.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
};

// Which file an open descriptor or a path is, to tell whether two names are
// the same file.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const std::string& path);

class FileInput : public InputSource {
  public:
    // "-" is standard input. Throws InputFileError for a file that cannot be
    // opened or is a directory.
    explicit FileInput(const std::string& path);
    ~FileInput() override;
    FileInput(const FileInput&) = delete;
    FileInput& operator=(const FileInput&) = delete;

    std::size_t read(char* buffer, std::size_t size) override;
    // As messages name it: the path, or "standard input".
    const std::string& name() const { return name_; }
    FileIdentity identity() const { return identity_; }

  private:
    void closeOwned();

    std::string name_;
    int descriptor_;
    bool owned_;
    FileIdentity identity_{};
};

class MemoryInput : public InputSource {
  public:
    explicit MemoryInput(std::string_view bytes) : bytes_(bytes) {}
    std::size_t read(char* buffer, std::size_t size) override;

  private:
    std::string_view bytes_;
};

}  // namespace tarvelle::planning
