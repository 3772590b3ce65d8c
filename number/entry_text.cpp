#include "number/entry_text.h"

#include <array>
#include <optional>
#include <span>

#include "number/decimal.h"
#include "number/number_scan.h"

namespace quorvel {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";
constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", kNoBreakSpace, kNarrowNoBreakSpace};
constexpr std::array<std::string_view, 2> kLineBlanks{" ", "\t"};
// The group marks a keyboard types for the settings' own: either apostrophe
// for one (a browser's settings use ', the system's ’), any blank for a blank.
constexpr std::array<std::string_view, 2> kApostrophes{"'", "\u2019"};
constexpr std::array<std::string_view, 3> kSpaces{" ", kNoBreakSpace, kNarrowNoBreakSpace};

bool OneOf(std::string_view token, std::span<const std::string_view> tokens) {
    for (std::string_view one : tokens) {
        if (one == token) return true;
    }
    return false;
}

// Which marks may stand between the digits, and which of them may be the
// decimal point or group the digits.
class Marks {
public:
    // An entry's, in the given settings.
    explicit Marks(const NumberLocale& locale) {
        Add(points_, locale.DecimalPoint());
        Add(points_, ".");
        Add(points_, ",");
        const std::string_view group = locale.group_separator;
        const std::span<const std::string_view> kin = OneOf(group, kApostrophes) ? std::span(kApostrophes)
                                                      : OneOf(group, kSpaces)     ? std::span(kSpaces)
                                                                                  : std::span(&group, 1);
        for (std::string_view mark : kin) Add(groups_, mark);
    }
    // A circuit line's: "." alone.
    Marks() { Add(points_, "."); }

    std::span<const std::string_view> All() const { return std::span(all_).first(all_count_); }
    bool IsPoint(std::string_view mark) const { return Holds(points_, mark); }
    bool IsGroup(std::string_view mark) const { return Holds(groups_, mark); }

private:
    struct Some {
        std::array<std::string_view, 3> marks;
        std::size_t count = 0;
    };
    static bool Holds(const Some& some, std::string_view mark) {
        return OneOf(mark, std::span(some.marks).first(some.count));
    }
    void Add(Some& some, std::string_view mark) {
        if (mark.empty() || Holds(some, mark)) return;
        some.marks[some.count++] = mark;
        if (!OneOf(mark, All())) all_[all_count_++] = mark;
    }

    Some points_, groups_;
    std::array<std::string_view, 6> all_;  // the points first, the settings' own first of all
    std::size_t all_count_ = 0;
};

// A first group of one to three digits, not starting with 0, and a group of three.
bool Thousands(std::string_view first, std::string_view next) {
    return !first.empty() && first.size() <= 3 && first.front() != '0' && next.size() == 3;
}

enum class Shape {
    number,
    open,     // a group not complete at the end
    invalid,  // marks where no rule puts them
};

struct MantissaReading {
    Shape shape = Shape::invalid;
    std::optional<std::size_t> point;  // which mark is the decimal point
    detail::DecimalText number;        // sign, digits and point, as ReadDecimal takes them
};

// The digits and marks as the group and point rules read them. exponent: one
// stands or is on its way, beside which no mark groups. pending: a mark the
// end of the text cut short, after the last digits, with none after it yet.
void ReadDigits(const NumberScan& scan, const Marks& marks, bool exponent, std::string_view pending,
                MantissaReading& read) {
    const std::size_t scanned = scan.marks.size();
    const std::size_t count = scanned + (pending.empty() ? 0 : 1);
    const auto mark = [&](std::size_t n) { return n < scanned ? scan.Mark(n) : pending; };
    const auto run = [&](std::size_t n) { return n <= scanned ? scan.Run(n) : std::string_view(); };
    if (!scan.point_letter && count > 0) {
        const std::string_view last = mark(count - 1);
        const bool groups = marks.IsGroup(last);
        // A lone mark that may do both points unless it stands where the settings put a group.
        if (count == 1 && marks.IsPoint(last) && (!groups || exponent || !Thousands(run(0), run(1)))) read.point = 0;
        if (count > 1 && marks.IsPoint(last) && !groups) read.point = count - 1;
    }
    const std::size_t groups = read.point.value_or(count);
    read.shape = Shape::number;
    if (groups > 0) {
        bool valid = !exponent && Thousands(run(0), "000");
        for (std::size_t n = 0; n < groups && valid; ++n) valid = marks.IsGroup(mark(n));
        for (std::size_t n = 1; n < groups && valid; ++n) valid = run(n).size() == 3;
        const std::size_t last_group = run(groups).size();
        const bool point_follows = read.point || scan.point_letter;
        if (!valid || last_group > 3 || (last_group < 3 && point_follows)) {
            read.shape = Shape::invalid;
            return;
        }
        if (last_group < 3) read.shape = Shape::open;
    }
    if (scan.sign == '-') read.number += '-';
    for (std::size_t n = 0; n <= groups; ++n) read.number += run(n);
    if (read.point) {
        read.number += '.';
        read.number += run(*read.point + 1);
    }
    if (scan.point_letter) {
        read.number += '.';
        read.number += scan.letter_fraction;
    }
}

EntryText Reading(EntryReading reading, double value, std::optional<int> steps = {}, bool plain = false) {
    const bool counts = reading == EntryReading::number || reading == EntryReading::beginning;
    return {reading, counts && value < 0, value, counts ? steps : std::nullopt, plain};
}

std::optional<int> StepsOf(const NumberScan& scan) {
    if (scan.point_letter) return scan.point_letter->steps;
    if (scan.letter) return scan.letter->steps;
    if (!scan.word.empty()) return 0;
    return std::nullopt;
}

bool IsPlain(const NumberScan& scan, const MantissaReading& digits) {
    const std::size_t count = scan.marks.size();
    const bool one_point = count == 1 && digits.point == 0 &&
                           (scan.Mark(0) == "." || scan.Mark(0) == ",");
    return !scan.sign && !scan.currency && !scan.blanks && scan.exponent.empty() && !scan.letter &&
           scan.word.empty() && !scan.point_letter && (count == 0 || one_point);
}

// Short of its first digit, a text waits for one where no mark stands
// before it but one that may be the point, or where the end cut short the
// currency or a blank before the number, or such a mark or letter.
bool WaitsForDigits(const NumberScan& scan, const Marks& marks) {
    const bool point_so_far = scan.marks.size() == 1 && !scan.point_letter && marks.IsPoint(scan.Mark(0));
    if (scan.Whole()) return scan.marks.empty() || point_so_far;
    if (scan.cut.before_the_number || (scan.cut.point_letter && scan.marks.empty())) return true;
    for (const std::string_view* mark : scan.cut.Marks()) {
        if (scan.marks.empty() && marks.IsPoint(*mark)) return true;
    }
    return false;
}

// Whether the rest of the text, which the end cut short, begins what may
// follow the number as it stands: an exponent, a blank, a letter, a word or
// a currency after a whole number, or a mark that the digits go on from.
bool Mendable(const NumberScan& scan, const Marks& marks, const MantissaReading& as_scanned) {
    if (scan.cut.after_the_number && as_scanned.shape == Shape::number) return true;
    if (scan.cut.exponent) {
        MantissaReading with_exponent;
        ReadDigits(scan, marks, true, {}, with_exponent);
        if (with_exponent.shape == Shape::number) return true;
    }
    for (const std::string_view* mark : scan.cut.Marks()) {
        MantissaReading with_mark;
        ReadDigits(scan, marks, false, *mark, with_mark);
        if (with_mark.shape != Shape::invalid) return true;
    }
    return false;
}

EntryText Read(const NumberScan& scan, const Marks& marks) {
    const std::optional<int> steps = StepsOf(scan);
    if (scan.digits == 0) {
        return WaitsForDigits(scan, marks) ? Reading(EntryReading::beginning, 0, steps) : EntryText{};
    }
    MantissaReading digits;
    ReadDigits(scan, marks, !scan.exponent.empty(), {}, digits);
    if (!scan.exponent.empty()) {
        digits.number += 'e';
        digits.number += scan.exponent;
    }
    const detail::DecimalReading decimal = digits.shape == Shape::invalid ? detail::DecimalReading{}
                                                                          : detail::ReadDecimal(digits.number);
    const double value = decimal.value;
    if (!scan.Whole()) {
        const bool mendable = Mendable(scan, marks, digits);
        return Reading(mendable ? EntryReading::beginning : EntryReading::no_number, value, steps);
    }
    switch (digits.shape) {
        case Shape::invalid: return {};
        case Shape::open:  // a beginning where nothing follows the digits
            return Reading(scan.last == scan.stop ? EntryReading::beginning : EntryReading::no_number, value, steps);
        case Shape::number: break;
    }
    if (decimal.overflow) return Reading(EntryReading::too_large, value);
    return Reading(EntryReading::number, value, steps, IsPlain(scan, digits));
}

}  // namespace

EntryText ReadEntry(std::string_view text, const NumberLocale& locale, Quantity quantity) {
    if (text.empty()) return {};
    const Marks marks(locale);
    const UnitMarks units = MarksOf(quantity);
    return Read(ScanNumber(text, {kBlanks, marks.All(), locale.currency_symbol, units.letters, units.words}), marks);
}

EntryText ReadPart(std::string_view text, Quantity quantity) {
    static const Marks marks;
    const UnitMarks units = MarksOf(quantity);
    return Read(ScanNumber(text, {kLineBlanks, marks.All(), {}, units.letters, units.words}), marks);
}

}  // namespace quorvel
