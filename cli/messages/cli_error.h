#pragma once

// How tarvelle-cli ends, and the one base of the failures it reports: each
// is one line on standard error and carries the status the program ends with.

#include <stdexcept>
#include <string>

namespace tarvelle::cli {

inline constexpr int kSuccess = 0;      // every run checked passes
inline constexpr int kRunFailed = 1;    // a run fails, or a row is not a run
inline constexpr int kNothingDone = 2;  // a failure: nothing asked for was done

class CliError : public std::runtime_error {
  public:
    explicit CliError(const std::string& message, int exitStatus = kNothingDone)
        : std::runtime_error(message), exitStatus_(exitStatus) {}

    int exitStatus() const { return exitStatus_; }

  private:
    int exitStatus_;
};

}  // namespace tarvelle::cli
