#pragma once

// Reading of a plain decimal number text, shared by both number readings.

#include <charconv>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace quorvel::detail {

struct DecimalReading {
    double value = 0;       // beyond the double range: the largest double of its sign
    bool overflow = false;
};

// Reads a number of the form [-]digits[.digits][e[+|-]digits] with at least
// one mantissa digit. A number too small for a double reads as zero.
DecimalReading ReadDecimal(std::string_view number) noexcept;

// Writes a double with the given count of digits after the point, in
// scientific ("d.ddde-05") or fixed form, exactly rounded. Returns the end
// of the text; the text and one byte more must fit before last.
char* WriteDecimal(char* first, char* last, double value, std::chars_format format, int precision) noexcept;

inline bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

// The text of a number as a reading gathers it, a character at a time.
// It stays in place while it is short, as nearly every number is, so that a
// reading allocates nothing; a longer one moves to the heap.
class DecimalText {
public:
    DecimalText() = default;
    explicit DecimalText(std::string_view text) { *this += text; }
    DecimalText(const DecimalText&) = delete;
    DecimalText& operator=(const DecimalText&) = delete;

    DecimalText& operator+=(char c) {
        if (end_ == limit_) Grow(1);
        *end_++ = c;
        return *this;
    }
    DecimalText& operator+=(std::string_view text) {
        if (static_cast<std::size_t>(limit_ - end_) < text.size()) Grow(text.size());
        if (!text.empty()) std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
        return *this;
    }

    std::size_t size() const { return static_cast<std::size_t>(end_ - begin_); }
    operator std::string_view() const { return {begin_, size()}; }

private:
    void Grow(std::size_t more) {
        const std::size_t capacity = 2 * (static_cast<std::size_t>(limit_ - begin_) + more);
        auto grown = std::make_unique<char[]>(capacity);
        std::memcpy(grown.get(), begin_, size());
        end_ = grown.get() + size();
        begin_ = grown.get();
        limit_ = begin_ + capacity;
        heap_ = std::move(grown);
    }

    char in_place_[48];
    char* begin_ = in_place_;
    char* end_ = in_place_;
    char* limit_ = in_place_ + sizeof in_place_;
    std::unique_ptr<char[]> heap_;
};

}  // namespace quorvel::detail
