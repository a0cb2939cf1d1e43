#pragma once

// The bytes of many rows on their way to a stream, written straight into one
// block of memory: a row's dozen short pieces each cost a copy and a
// comparison, where a string's append also keeps its length and terminator.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "engine/fixed_format.h"

namespace tarvelle::cli {

class RowBuffer {
  public:
    RowBuffer() : bytes_(std::make_unique<char[]>(kInitialBytes)) {
        end_ = bytes_.get();
        limit_ = end_ + kInitialBytes;
    }

    void put(std::string_view text) {
        room(text.size());
        end_ = std::copy(text.begin(), text.end(), end_);
    }
    void put(char c) {
        room(1);
        *end_++ = c;
    }
    void spaces(std::size_t count) {
        room(count);
        std::memset(end_, ' ', count);
        end_ += count;
    }
    // Again, the `count` bytes written from `at` on.
    void repeat(std::size_t at, std::size_t count) {
        room(count);
        end_ = std::copy_n(bytes_.get() + at, count, end_);
    }
    // A figure as appendFixed writes it.
    void fixed(double value) {
        room(kFixedRoom);
        end_ = writeFixed(end_, value);
    }

    std::size_t size() const { return static_cast<std::size_t>(end_ - bytes_.get()); }
    // What was written from `at` on.
    std::string_view from(std::size_t at) const { return {bytes_.get() + at, size() - at}; }
    void clear() { end_ = bytes_.get(); }

  private:
    // A row may be longer than the block, which then grows; the block is
    // written out and cleared when it holds kFlushBytes.
    static constexpr std::size_t kInitialBytes = 128 * 1024;

    void room(std::size_t count) {
        if (static_cast<std::size_t>(limit_ - end_) < count) {
            grow(count);
        }
    }
    void grow(std::size_t count) {
        const std::size_t used = size();
        const std::size_t capacity = 2 * (used + count);
        auto larger = std::make_unique<char[]>(capacity);
        std::memcpy(larger.get(), bytes_.get(), used);
        bytes_ = std::move(larger);
        end_ = bytes_.get() + used;
        limit_ = bytes_.get() + capacity;
    }

    std::unique_ptr<char[]> bytes_;
    char* end_;
    char* limit_;
};

}  // namespace tarvelle::cli
