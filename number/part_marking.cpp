#include "number/part_marking.h"

#include <span>

#include "number/decimal.h"
#include "number/text_cursor.h"

namespace quorvel {
namespace {

using detail::StrictReading;

std::span<const Multiplier> LettersOf(Quantity quantity) {
    if (quantity == Quantity::current) return kCurrentLetters;
    return kResistanceLetters;
}

std::span<const std::string_view> WordsOf(Quantity quantity) {
    if (quantity == Quantity::current) return kCurrentWords;
    return kResistanceWords;
}

// The multiplier letter that stands here, taken.
const Multiplier* TakeLetter(detail::TextCursor& in, Quantity quantity) {
    for (const Multiplier& multiplier : LettersOf(quantity)) {
        if (in.Take(multiplier.letter)) return &multiplier;
    }
    return nullptr;
}

bool TakeDigits(detail::TextCursor& in, detail::DecimalText& number) {
    bool any = false;
    while (detail::IsDigit(in.Peek())) {
        number += in.Peek();
        in.Next();
        any = true;
    }
    return any;
}

}  // namespace

MarkingReading ReadMarking(std::string_view text, Quantity quantity) noexcept {
    bool ran_out = false;
    detail::TextCursor in(text, ran_out);
    detail::DecimalText number;
    MarkingReading read;

    in.SkipBlanks();
    if (in.Peek() == '-' || in.Peek() == '+') {
        if (in.Peek() == '-') number += '-';
        in.Next();
    }
    bool has_digits = TakeDigits(in, number);
    const Multiplier* letter = TakeLetter(in, quantity);
    if (letter) {  // where the point goes: no exponent after it
        number += '.';
        has_digits = TakeDigits(in, number) || has_digits;
    } else if (in.Take(".") || in.Take(",")) {
        number += '.';
        has_digits = TakeDigits(in, number) || has_digits;
    }
    read.marked = letter != nullptr;
    read.steps = letter ? letter->steps : 0;
    if (!has_digits) {  // only more digits can follow
        read.reading = ran_out ? StrictReading::beginning : StrictReading::not_a_number;
        return read;
    }
    if (!letter) {
        if (in.Peek() == 'E' || in.Peek() == 'e') {
            detail::TextCursor exponent = in;
            exponent.Next();
            detail::DecimalText digits("e");
            if (exponent.Peek() == '+' || exponent.Peek() == '-') {
                digits += exponent.Peek();
                exponent.Next();
            }
            if (TakeDigits(exponent, digits)) {
                number += digits;
                in = exponent;
            }
        }
        in.SkipBlanks();
        letter = TakeLetter(in, quantity);
    }
    in.SkipBlanks();
    const bool word = !in.TakeAny(WordsOf(quantity)).empty();
    in.SkipBlanks();

    read.marked = letter || word;
    read.steps = letter ? letter->steps : 0;
    const auto decimal = detail::ReadDecimal(number);
    read.value = decimal.value;
    if (!in.AtEnd()) {
        read.reading = ran_out ? StrictReading::beginning : StrictReading::not_a_number;
    } else if (read.marked) {
        read.reading = decimal.overflow ? StrictReading::overflow : StrictReading::number;
    }
    return read;
}

}  // namespace quorvel
