#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "number/decimal.h"
#include "number/number_text.h"

namespace quorvel {
namespace {

using detail::IsDigit;

// Walks a text as if every blank, tab and line feed had been removed from it.
class CompactCursor {
public:
    explicit CompactCursor(std::string_view text) : text_(text) { Skip(); }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void Next() {
        ++pos_;
        Skip();
    }
    bool Take(char c) {
        if (pos_ >= text_.size() || text_[pos_] != c) return false;
        Next();
        return true;
    }
    bool TakeEither(char a, char b) { return Take(a) || Take(b); }
    // Appends the run of digits that starts here; false when there is none.
    bool TakeDigits(detail::DecimalText& out) {
        const auto before = out.size();
        while (IsDigit(Peek())) {
            out += Peek();
            Next();
        }
        return out.size() > before;
    }

private:
    void Skip() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsDigitInBase(char c, int base) {
    if (base == 8) return c >= '0' && c <= '7';
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "&H" and "&O" numbers: unsigned, saturated at the largest 64-bit value.
double WholeNumber(CompactCursor& in, int base) {
    std::string digits;
    while (IsDigitInBase(in.Peek(), base)) {
        digits += in.Peek();
        in.Next();
    }
    std::uint64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (result.ec == std::errc::result_out_of_range) value = std::numeric_limits<std::uint64_t>::max();
    return static_cast<double>(value);
}

}  // namespace

double ParseLeading(std::string_view text) {
    CompactCursor in(text);
    if (in.Take('&')) {
        if (in.TakeEither('H', 'h')) return WholeNumber(in, 16);
        if (in.TakeEither('O', 'o')) return WholeNumber(in, 8);
        return 0;
    }

    detail::DecimalText number;
    if (in.Take('-')) {
        number += '-';
    } else {
        in.Take('+');
    }
    bool has_digits = in.TakeDigits(number);
    if (in.Take('.')) {
        number += '.';
        has_digits = in.TakeDigits(number) || has_digits;
    }
    if (!has_digits) return 0;

    // An exponent counts only when a digit follows its letter and sign.
    CompactCursor exponent = in;
    if (exponent.TakeEither('E', 'e')) {
        detail::DecimalText digits("e");
        if (exponent.Peek() == '+' || exponent.Peek() == '-') {
            digits += exponent.Peek();
            exponent.Next();
        }
        if (exponent.TakeDigits(digits)) number += digits;
    }
    return detail::ReadDecimal(number).value;
}

}  // namespace quorvel
