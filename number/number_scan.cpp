#include "number/number_scan.h"

namespace quorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What a token the end of the text cuts short would be.
enum class Kind { before_the_number, point_letter, mark, exponent, after_the_number };

// The scan, one token after another; it never steps back.
class Scanner {
public:
    Scanner(std::string_view text, const Notation& notation, NumberScan& scan) : notation_(notation), scan_(scan) {
        scan_.text = text;
    }

    void Run() {
        SkipBlanks(Kind::before_the_number);
        Prefix();
        Digits();
        // Nothing follows a number that has no digit yet: only digits can.
        if (scan_.digits > 0 && !AtEnd()) {
            Exponent();
            SkipBlanks(Kind::after_the_number);
            Unit();
            SkipBlanks(Kind::after_the_number);
        }
        scan_.stop = at_;
        if (cut_at_ != std::string_view::npos && (cut_at_ != at_ || scan_.Whole())) scan_.cut = {};
    }

private:
    bool AtEnd() const { return at_ == scan_.text.size(); }
    std::string_view Rest() const { return scan_.text.substr(at_); }
    char Peek() const { return at_ < scan_.text.size() ? scan_.text[at_] : '\0'; }

    // Notes what the rest of the text may begin, where the text ends inside a token.
    void NoteCut(Kind kind, const std::string_view* token) {
        CutShort& cut = scan_.cut;
        if (cut_at_ != at_) {
            cut_at_ = at_;
            cut = {};
        }
        switch (kind) {
            case Kind::before_the_number: cut.before_the_number = true; break;
            case Kind::point_letter: cut.point_letter = true; break;
            case Kind::exponent: cut.exponent = true; break;
            case Kind::after_the_number: cut.after_the_number = true; break;
            case Kind::mark:
                if (cut.mark_count < cut.marks.size()) cut.marks[cut.mark_count++] = token;
                break;
        }
    }

    // Whether the token stands here. Its first byte decides most, at once.
    bool Sees(const std::string_view& token, Kind kind) {
        if (token.empty() || AtEnd() || scan_.text[at_] != token.front()) return false;
        if (scan_.text.size() - at_ >= token.size()) {
            return token.size() == 1 || scan_.text.compare(at_, token.size(), token) == 0;
        }
        if (token.starts_with(Rest())) NoteCut(kind, &token);
        return false;
    }
    bool Take(const std::string_view& token, Kind kind) {
        if (!Sees(token, kind)) return false;
        at_ += token.size();
        return true;
    }
    std::string_view Take(std::span<const std::string_view> tokens, Kind kind) {
        for (const std::string_view& token : tokens) {
            if (Take(token, kind)) return token;
        }
        return {};
    }
    void SkipBlanks(Kind kind) {
        while (!AtEnd() && !Take(notation_.blanks, kind).empty()) scan_.blanks = true;
    }
    bool IsBlank(std::string_view token) const {
        for (std::string_view blank : notation_.blanks) {
            if (blank == token) return true;
        }
        return false;
    }
    bool IsLetter(std::string_view token) const {
        for (const Multiplier& multiplier : notation_.letters) {
            if (multiplier.letter == token) return true;
        }
        return false;
    }

    // A sign and a currency symbol, each at most once, in either order.
    // A symbol that is also a letter ("R" in some settings) is the letter.
    void Prefix() {
        for (;;) {
            if (!scan_.sign && (Peek() == '+' || Peek() == '-')) {
                scan_.sign = Peek();
                ++at_;
            } else if (!scan_.currency && !IsLetter(notation_.currency) &&
                       Take(notation_.currency, Kind::before_the_number)) {
                scan_.currency = true;
                SkipBlanks(Kind::before_the_number);
            } else {
                return;
            }
        }
    }

    // Digits and the marks between them; then perhaps a letter standing for
    // the point, before a digit, or alone where no digit came yet.
    void Digits() {
        scan_.first = at_;
        bool after_digit = false;
        for (;;) {
            if (IsDigit(Peek())) {
                ++at_;
                ++scan_.digits;
                after_digit = true;
            } else if (const std::string_view mark = Mark(after_digit); !mark.empty()) {
                scan_.marks.push_back({at_, mark.size()});
                at_ += mark.size();
                after_digit = false;
            } else {
                break;
            }
        }
        scan_.last = at_;
        if (scan_.currency || AtEnd()) return;  // a number with a currency has no unit
        const std::size_t before = at_;
        const Multiplier* letter = Letter(scan_.digits == 0 ? Kind::point_letter : Kind::after_the_number);
        if (!letter) return;
        const bool alone_at_the_end = scan_.digits == 0 && at_ == scan_.text.size();
        if (!IsDigit(Peek()) && !alone_at_the_end) {  // a letter after the number, taken there
            at_ = before;
            return;
        }
        scan_.point_letter = letter;
        const std::size_t fraction = at_;
        while (IsDigit(Peek())) {
            ++at_;
            ++scan_.digits;
        }
        scan_.letter_fraction = scan_.text.substr(fraction, at_ - fraction);
    }

    // The longest mark that stands here; a blank one only between two
    // digits. None where the text ends inside a longer mark: what it becomes
    // is the next keys' to say, and a mark that takes the rest is one way.
    std::string_view Mark(bool after_digit) {
        const std::string_view* found = nullptr;
        if (AtEnd()) return {};
        for (const std::string_view& mark : notation_.marks) {
            if (!Sees(mark, Kind::mark) || (found && mark.size() <= found->size())) continue;
            const std::size_t next = at_ + mark.size();
            if (!IsBlank(mark) || (after_digit && next < scan_.text.size() && IsDigit(scan_.text[next]))) found = &mark;
        }
        if (cut_at_ != at_ || scan_.cut.mark_count == 0) return found ? *found : std::string_view();
        if (found && found->size() == Rest().size()) NoteCut(Kind::mark, found);
        return {};
    }

    const Multiplier* Letter(Kind kind) {
        for (const Multiplier& multiplier : notation_.letters) {
            if (Take(multiplier.letter, kind)) return &multiplier;
        }
        return nullptr;
    }

    // "E" or "e", a sign and digits; where the text ends before the digits,
    // the rest begins an exponent. None after a letter that stands for the point.
    void Exponent() {
        if (scan_.point_letter || (Peek() != 'E' && Peek() != 'e')) return;
        const std::string_view text = scan_.text;
        std::size_t end = at_ + 1;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
        if (end == text.size()) return NoteCut(Kind::exponent, nullptr);
        if (!IsDigit(text[end])) return;
        while (end < text.size() && IsDigit(text[end])) ++end;
        scan_.exponent = text.substr(at_ + 1, end - at_ - 1);
        at_ = end;
    }

    // A currency, or a letter and a unit word: never both. The symbol comes
    // first where it stands whole ("RON" is no resistor's "R").
    // Where the end cuts a token short here, the symbol or a mark that
    // begins as a letter does ("5RD" of "5RD$"), a letter that leaves the
    // rest unread gives way to it.
    void Unit() {
        if (scan_.currency) return;
        const std::string_view currency = notation_.currency;
        const bool symbol_here = !scan_.point_letter && !currency.empty() && Rest().starts_with(currency);
        const bool symbol_cut = !scan_.point_letter && !AtEnd() && currency.size() > Rest().size() &&
                                currency.starts_with(Rest());
        if (!symbol_here) {
            const std::size_t before = at_;
            const bool cut_here = symbol_cut || cut_at_ == before;
            if (!scan_.point_letter) scan_.letter = Letter(Kind::after_the_number);
            SkipBlanks(Kind::after_the_number);
            scan_.word = Take(notation_.words, Kind::after_the_number);
            const bool unit = scan_.letter || scan_.point_letter || !scan_.word.empty();
            if (unit && (!cut_here || AtEnd())) return;
            if (unit) {
                at_ = before;
                scan_.letter = nullptr;
                scan_.word = {};
            }
            SkipBlanks(Kind::after_the_number);
        }
        scan_.currency = Take(currency, Kind::after_the_number);
    }

    const Notation& notation_;
    NumberScan& scan_;
    std::size_t at_ = 0;
    std::size_t cut_at_ = std::string_view::npos;  // where scan_.cut was noted
};

}  // namespace

NumberScan ScanNumber(std::string_view text, const Notation& notation) {
    NumberScan scan;
    Scanner(text, notation, scan).Run();
    return scan;
}

}  // namespace quorvel
