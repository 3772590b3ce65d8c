#pragma once

// One pass over a text that may hold a number, as a lexer gives its tokens:
// blanks, a sign and a currency symbol before the number, its digits and the
// marks between them (decimal points and group marks alike), a multiplier
// letter where the point goes, an exponent, a multiplier letter and a unit
// word after it, and the currency symbol there. The scan decides nothing:
// which mark is the point, and whether the parts make a number, is each
// reading's own rule (entry_text.h, number_text.h).

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "number/unit_marks.h"

namespace quorvel {

// What a reading looks for in a text. A token left empty is never found.
struct Notation {
    std::span<const std::string_view> blanks;
    // Between digits, or before the first: points and group marks, the
    // reading's own first. A mark that is a blank too counts only between
    // two digits; elsewhere it is a blank.
    std::span<const std::string_view> marks;
    std::string_view currency;
    std::span<const Multiplier> letters;  // none: the reading takes no letter
    std::span<const std::string_view> words;
};

struct ScannedMark {
    std::size_t at;    // where it stands in the text
    std::size_t size;  // and its length there
};

// The marks of a number in the order they stand. Most numbers have one or
// none, so that a scan allocates nothing; a long paste's spill over.
class ScannedMarks {
public:
    void push_back(const ScannedMark& mark) {
        if (size_ < in_place_.size()) {
            in_place_[size_] = mark;
        } else {
            spilled_.push_back(mark);
        }
        ++size_;
    }
    const ScannedMark& operator[](std::size_t i) const {
        return i < in_place_.size() ? in_place_[i] : spilled_[i - in_place_.size()];
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    std::array<ScannedMark, 4> in_place_;  // only the first size_ are set
    std::vector<ScannedMark> spilled_;
    std::size_t size_ = 0;
};

// Where the scan stopped before the end of the text, the rest may begin a
// token the end cut short: what follows may make of it the currency or a
// blank before the number; a letter standing for the point; one of the
// marks, with which the digits go on; an exponent; or a blank, a letter, a
// word or the currency after a number that must be whole as it stands.
struct CutShort {
    bool before_the_number = false;
    bool point_letter = false;
    std::array<const std::string_view*, 6> marks;  // the notation's; only the first mark_count are set
    std::size_t mark_count = 0;
    bool exponent = false;
    bool after_the_number = false;

    std::span<const std::string_view* const> Marks() const { return std::span(marks).first(mark_count); }
};

struct NumberScan {
    std::string_view text;
    std::size_t stop = 0;  // where the scan stopped: text.size() where it took the whole text
    CutShort cut;          // none where it took the whole text, or where the rest begins no token
    bool blanks = false;     // a blank stood before or after the number
    char sign = 0;           // '+', '-', or none
    bool currency = false;   // before or after the number
    // The digits and marks, up to a letter that stands for the point.
    std::size_t first = 0, last = 0;
    ScannedMarks marks;
    std::size_t digits = 0;  // every digit before the exponent
    const Multiplier* point_letter = nullptr;  // "4K7": the letter, and its fraction's digits
    std::string_view letter_fraction;
    std::string_view exponent;  // its sign and digits, after "E" or "e"
    const Multiplier* letter = nullptr;
    std::string_view word;

    bool Whole() const { return stop == text.size(); }
    // Mark n, as the notation has it.
    std::string_view Mark(std::size_t n) const { return text.substr(marks[n].at, marks[n].size); }
    // The digits from the number's start, or after mark n-1, up to mark n
    // or the end of the digits.
    std::string_view Run(std::size_t n) const {
        const std::size_t begin = n == 0 ? first : marks[n - 1].at + marks[n - 1].size;
        const std::size_t end = n < marks.size() ? marks[n].at : last;
        return text.substr(begin, end - begin);
    }
};

NumberScan ScanNumber(std::string_view text, const Notation& notation);

}  // namespace quorvel
