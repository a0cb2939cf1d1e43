#include "cli/reading/repeat_finder.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace tarvelle::cli {

namespace {

// A slot's tag: the hash's top byte, never 0, which marks an empty slot.
std::uint8_t tagOf(std::uint64_t hash) {
    const auto tag = static_cast<std::uint8_t>(hash >> 56);
    return tag == 0 ? 1 : tag;
}

}  // namespace

std::uint64_t RepeatFinder::hashAhead(std::string_view id) const {
    const std::uint64_t hash = std::hash<std::string_view>{}(id);
    if (!tags_.empty()) {
        __builtin_prefetch(&tags_[hash & (tags_.size() - 1)]);
    }
    return hash;
}

std::optional<std::size_t> RepeatFinder::seenBefore(std::uint64_t hash, std::size_t line) {
    if (tags_.empty() || (!full() && 2 * (count_ + 1) > tags_.size())) {
        grow();
    }
    const std::size_t mask = tags_.size() - 1;
    const std::uint8_t tag = tagOf(hash);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        if (tags_[slot] == tag && hashes_[slot] == hash) {
            return lines_[slot];
        }
        if (tags_[slot] == 0) {
            if (!full()) {
                tags_[slot] = tag;
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
    const std::size_t slots = tags_.empty() ? 1024 : tags_.size() * 2;
    if (slots > kMaxSlots) {
        return;
    }
    std::vector<std::uint8_t> tags(slots, 0);
    std::vector<std::uint64_t> hashes(slots, 0);
    std::vector<std::uint32_t> lines(slots, 0);
    const std::size_t mask = slots - 1;
    for (std::size_t i = 0; i < tags_.size(); ++i) {
        if (tags_[i] == 0) {
            continue;
        }
        std::size_t slot = hashes_[i] & mask;
        while (tags[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        tags[slot] = tags_[i];
        hashes[slot] = hashes_[i];
        lines[slot] = lines_[i];
    }
    tags_.swap(tags);
    hashes_.swap(hashes);
    lines_.swap(lines);
}

}  // namespace tarvelle::cli
