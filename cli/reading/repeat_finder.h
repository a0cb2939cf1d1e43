#pragma once

// Finds identifiers that appear more than once in a runs file. It keeps a
// 64-bit hash and a line number per identifier, not the identifier, and at
// most kCapacity of them (1.6 MiB), so memory stays bounded whatever the file;
// later identifiers are still checked against those it keeps. Two different
// identifiers share a hash with a chance below 1 in 10^9 for a file of
// kCapacity runs, and would then be reported as a repeat.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvelle::cli {

class RepeatFinder {
  public:
    static constexpr std::size_t kCapacity = 65'536;

    // The identifier's hash, with its place in the table fetched into the
    // cache ahead of seenBefore, so that the work done in between hides the
    // wait for memory (a fifth of the time of a large batch otherwise).
    std::uint64_t hashAhead(std::string_view id) const;

    // The line of the identifier's first run when it was seen before;
    // otherwise none, and it is remembered if there is room.
    std::optional<std::size_t> seenBefore(std::uint64_t hash, std::size_t line);
    std::optional<std::size_t> seenBefore(std::string_view id, std::size_t line) {
        return seenBefore(hashAhead(id), line);
    }
    // Whether identifiers are no longer remembered.
    bool full() const { return count_ >= kCapacity; }

  private:
    // Half full at most, so that looking up a new identifier takes few steps.
    static constexpr std::size_t kMaxSlots = 2 * kCapacity;
    void grow();

    // A byte of each slot's hash, 0 for an empty slot: the table a new
    // identifier's search reads, small enough to stay in the processor's
    // cache where the hashes do not (a tenth of a large batch's time).
    std::vector<std::uint8_t> tags_;
    std::vector<std::uint64_t> hashes_;
    std::vector<std::uint32_t> lines_;
    std::size_t count_ = 0;
};

}  // namespace tarvelle::cli
