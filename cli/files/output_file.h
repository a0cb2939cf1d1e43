#pragma once

// Files the program writes. The user's files are never half written: the
// content goes to a temporary file beside the target, which is renamed over
// the target only when complete.

#include <array>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "cli/messages/cli_error.h"
#include "planning/reading/input_source.h"

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
                     const std::vector<planning::FileIdentity>& inputs);

// A file written a piece at a time, so that a large one needs no more memory
// than a small one, and put in place only by commit(): until then, and when
// commit() is never reached, the target is as it was. A symbolic link is
// followed; an existing target keeps its permissions. Throws OutputFileError.
class AtomicFile {
  public:
    explicit AtomicFile(const std::string& path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& stream() { return stream_; }
    // Writes out and closes the temporary file; commit() then only renames
    // it, so that several files can all be complete before any is put in
    // place. A replaced file's owner and group are kept where the user may
    // set them, and its mode always.
    void complete();
    void commit();

  private:
    class Buffer : public std::streambuf {
      public:
        explicit Buffer(int descriptor);
        bool failed() const { return failed_; }
        int error() const { return error_; }

      protected:
        int_type overflow(int_type c) override;
        int sync() override;

      private:
        bool drain();
        int descriptor_;
        bool failed_ = false;
        int error_ = 0;
        std::array<char, 65536> bytes_{};
    };
    struct Temporary;

    std::string path_;
    std::unique_ptr<Temporary> temporary_;
    std::unique_ptr<Buffer> buffer_;
    std::ostream stream_;
    bool completed_ = false;
};

}  // namespace tarvelle::cli
