#include "cli/reading/repeat_finder.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace tarvelle::cli {

std::uint64_t RepeatFinder::hashAhead(std::string_view id) const {
    std::uint64_t hash = std::hash<std::string_view>{}(id);
    hash = hash == 0 ? 1 : hash;
    if (!hashes_.empty()) {
        __builtin_prefetch(&hashes_[hash & (hashes_.size() - 1)]);
    }
    return hash;
}

std::optional<std::size_t> RepeatFinder::seenBefore(std::uint64_t hash, std::size_t line) {
    if (hashes_.empty() || (!full() && 2 * (count_ + 1) > hashes_.size())) {
        grow();
    }
    const std::size_t mask = hashes_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        if (hashes_[slot] == hash) {
            return lines_[slot];
        }
        if (hashes_[slot] == 0) {
            if (!full()) {
                hashes_[slot] = hash;
                lines_[slot] = static_cast<std::uint32_t>(
                    std::min<std::size_t>(line, std::numeric_limits<std::uint32_t>::max()));
                ++count_;
            }
            return std::nullopt;
        }
    }
}

void RepeatFinder::grow() {
    const std::size_t slots = hashes_.empty() ? 1024 : hashes_.size() * 2;
    if (slots > kMaxSlots) {
        return;
    }
    std::vector<std::uint64_t> hashes(slots, 0);
    std::vector<std::uint32_t> lines(slots, 0);
    const std::size_t mask = slots - 1;
    for (std::size_t i = 0; i < hashes_.size(); ++i) {
        if (hashes_[i] == 0) {
            continue;
        }
        std::size_t slot = hashes_[i] & mask;
        while (hashes[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        hashes[slot] = hashes_[i];
        lines[slot] = lines_[i];
    }
    hashes_.swap(hashes);
    lines_.swap(lines);
}

}  // namespace tarvelle::cli
