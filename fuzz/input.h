#pragma once

// Reads a fuzz input front to back, so that the seeds can be written by hand:
// every byte means what stands before it says. Past the end, bytes read as 0
// and texts as empty.

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvel::fuzzing {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return pos_ >= size_; }
    std::uint8_t Byte() { return AtEnd() ? 0 : data_[pos_++]; }
    // A number below count.
    int Pick(int count) { return Byte() % count; }
    // A length byte (taken modulo longest + 1), then that many bytes.
    std::string Text(std::size_t longest) {
        const std::size_t length = Byte() % (longest + 1);
        return Take(length);
    }
    std::string Rest() { return Take(size_ - pos_); }

private:
    std::string Take(std::size_t length) {
        if (length > size_ - pos_) length = size_ - pos_;
        std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace quorvel::fuzzing
