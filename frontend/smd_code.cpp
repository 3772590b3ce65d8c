#include "frontend/smd_code.h"

#include <algorithm>

#include "frontend/part_value.h"
#include "frontend/trimmed_text.h"

namespace quorvel {
namespace {

constexpr char kPointLetter = 'R';
constexpr std::string_view kJumperCode = "0";
constexpr int kHighestFigureExponent = 9;  // the last character is one digit
constexpr std::string_view kNoCode =
    "nu este un cod SMD: 3 sau 4 cifre, cu R \u00EEn loc de virgul\u0103 (472, 4R7, R22, 4751), "
    "sau EIA-96, dou\u0103 cifre \u0219i o liter\u0103 (66B, 01C)";
constexpr std::string_view kNoIndex = "nu este un cod EIA-96: indexul merge de la 01 la 96";

std::uint64_t TimesTenTo(std::uint64_t number, int exponent) {
    for (; exponent > 0; --exponent) number *= 10;
    return number;
}

// In `digits` figures: the figures and the power of ten, or, where the value
// is below what that gives, the figures with R for the point.
std::string FigureCode(const Figures& figures, int digits) {
    if (figures.count > digits) return {};
    const int decade = figures.exponent + figures.count - 1;
    if (decade >= digits - 1) {
        const int exponent = decade - (digits - 1);
        if (exponent > kHighestFigureExponent) return {};
        return std::to_string(TimesTenTo(figures.figures, digits - figures.count)) + std::to_string(exponent);
    }
    const int fraction = digits - std::max(decade + 1, 0);
    if (figures.exponent < -fraction) return {};
    std::string code = std::to_string(TimesTenTo(figures.figures, figures.exponent + fraction));
    code.insert(0, static_cast<std::size_t>(digits) - code.size(), '0');
    code.insert(code.size() - static_cast<std::size_t>(fraction), 1, kPointLetter);
    return code;
}

std::string Eia96Code(const Figures& figures) {
    if (figures.count > 3) return {};
    const auto mantissa = TimesTenTo(figures.figures, 3 - figures.count);
    const auto entry = std::find(kE96Mantissas.begin(), kE96Mantissas.end(), mantissa);
    if (entry == kE96Mantissas.end()) return {};
    const int exponent = figures.exponent - (3 - figures.count);
    for (const Eia96Letter& letter : kEia96Letters) {
        if (!letter.written || letter.exponent != exponent) continue;
        const auto index = entry - kE96Mantissas.begin() + 1;
        return std::string(index < 10 ? "0" : "") + std::to_string(index) + letter.letter;
    }
    return {};
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Capital(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Two figures of an index and a multiplier letter: "66B". None where the
// code is not of that shape.
std::optional<SmdRead> ReadEia96(const std::string& code) {
    if (code.size() != 3 || !IsDigit(code[0]) || !IsDigit(code[1]) || IsDigit(code[2])) return std::nullopt;
    const auto letter = std::find_if(kEia96Letters.begin(), kEia96Letters.end(),
                                     [&](const Eia96Letter& known) { return known.letter == code[2]; });
    if (letter == kEia96Letters.end()) return SmdRead{std::nullopt, kNoCode};
    const int index = (code[0] - '0') * 10 + (code[1] - '0');
    if (index < 1 || index > static_cast<int>(kE96Mantissas.size())) return SmdRead{std::nullopt, kNoIndex};
    return SmdRead{MagnitudeOf(kE96Mantissas[static_cast<std::size_t>(index - 1)], letter->exponent), {}};
}

// Digits with R for the point, or the figures and then the power of ten,
// whose first figure is never 0.
SmdRead ReadFigureCode(const std::string& code) {
    if (code.size() != 3 && code.size() != 4) return {std::nullopt, kNoCode};
    std::uint64_t figures = 0;
    int exponent = 0;
    bool point = false;
    for (const char c : code) {
        if (c == kPointLetter && !point) {
            point = true;
        } else if (IsDigit(c)) {
            figures = figures * 10 + static_cast<std::uint64_t>(c - '0');
            exponent -= point ? 1 : 0;
        } else {
            return {std::nullopt, kNoCode};
        }
    }
    if (!point) {
        if (code[0] == '0') return {std::nullopt, kNoCode};
        exponent = static_cast<int>(figures % 10);
        figures /= 10;
    }
    return {MagnitudeOf(figures, exponent), {}};
}

}  // namespace

SmdCode SmdCodeOf(Magnitude value) {
    const MarkedValue marked = MarkedValueOf(value);
    SmdCode code{{}, {}, marked.approximate, marked.value};
    if (value.digits == 0) {
        code.figures = kJumperCode;
        return code;
    }
    code.figures = FigureCode(marked.figures, 2);
    if (code.figures.empty()) code.figures = FigureCode(marked.figures, 3);
    code.eia96 = Eia96Code(marked.figures);
    return code;
}

std::string SmdCodeText(const SmdCode& code, const NumberLocale& locale) {
    if (code.figures.empty() && code.eia96.empty()) return "nu exist\u0103 cod SMD pentru aceast\u0103 valoare";
    std::string text = code.approximate ? "\u2248 " : "";
    text += code.figures;
    if (!code.figures.empty() && !code.eia96.empty()) text += " sau ";
    text += code.eia96;
    if (code.approximate) text += " (E96: " + FigureText(ResistanceFigure(code.value, locale)) + ")";
    return text;
}

SmdRead ReadSmdCode(std::string_view typed) {
    std::string code(Trimmed(typed));
    std::transform(code.begin(), code.end(), code.begin(), Capital);
    if (code.empty()) return {};
    if (code.size() <= 4 && code.find_first_not_of('0') == std::string::npos) return {Magnitude{}, {}};  // a jumper
    if (std::optional<SmdRead> eia96 = ReadEia96(code)) return *eia96;
    return ReadFigureCode(code);
}

std::string SmdReadText(const SmdRead& read, const NumberLocale& locale) {
    return read.value ? FigureText(ResistanceFigure(*read.value, locale)) : std::string(read.refusal);
}

}  // namespace quorvel
