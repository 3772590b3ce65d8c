#include <gtest/gtest.h>

#include "frontend/result_display.h"

namespace quorvel {
namespace {

// A character a unit wide, the cut mark too.
double Characters(std::string_view text, double size) {
    double count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count * size;
}

// DejaVu Sans, which the system gives for Verdana, at the window's 13 pixels:
// its advances of the characters of "4…E+296", the cut mark's first byte.
double WindowFont(std::string_view text, double size) {
    double width = 0;
    for (const char c : text) width += c == 'E' ? 8.203125 : c == '+' ? 10.890625 : c == '\xE2' ? 13 : c < 0 ? 0 : 8.265625;
    return width * size;
}

TEST(DisplayResult, NeverCutsAWholeDigitNorTheExponent) {
    struct Case {
        const char* text;
        double room;
        const char* shown;
        double size = 1;
        TextWidth width = Characters;
    };
    const Case cases[] = {
        {"22090,0001645", 13, "22090,0001645"},  // fits
        {"22090,0001645", 10, "22090,000…"},
        {"22090,0001645", 6, "22090…"},
        {"22090,0001645", 5, "2…E+4"},           // the whole-number part does not fit
        {"22090,0001645", 3, "2…E+4", 0.6},      // nothing does: the shortest, smaller
        {"1000000000", 7, "1E+9"},               // exponent form drops nothing
        {"1002770,5", 8, "1002770…"},
        {"1002770,5", 7, "1,0…E+6"},
        {"4,7E+296", 7, "4…E+296"},
        {"-4,7E+296", 8, "-4…E+296"},
        {"0,0000123", 8, "0,00001…"},            // a digit that counts stays in sight
        {"0,0000123", 7, "1,23E-5"},
        {"0,0012345", 8, "0,00123…"},
        {"9,99999E+19", 9, "9,99…E+19"},
        {"4,7E+296", 57 - 4, "4…E+296", 53 / 65.15625, WindowFont},  // a 57-pixel box, its margins 2 each
    };
    for (const auto& c : cases) {
        const auto display = DisplayResult(c.text, "MV", "Tensiunea", ",", c.width(c.text, 1) <= c.room, c.room, c.width);
        EXPECT_EQ(display.shown, c.shown) << c.text << " in " << c.room;
        EXPECT_EQ(display.cut, std::string_view(c.text) != c.shown) << c.text;
        EXPECT_NEAR(display.size, c.size, 1.0 / 64) << c.text << " in " << c.room;
    }
}

TEST(DisplayResult, SaysTheWholeNumberWithItsUnitWhereCut) {
    const auto whole = DisplayResult("12", "MV", "Tensiunea", ",", true, 9, Characters);
    EXPECT_EQ(whole.tooltip, "");
    EXPECT_EQ(whole.spoken, "Tensiunea");
    const auto cut = DisplayResult("12345,678", "MV", "Tensiunea", ",", false, 7, Characters);
    EXPECT_EQ(cut.tooltip, "12345,678 MV");
    EXPECT_EQ(cut.spoken, "12345,678 MV. Tensiunea");
    EXPECT_EQ(DisplayResult("12345,678", "", "", ".", false, 7, Characters).tooltip, "12345,678");
}

}  // namespace
}  // namespace quorvel
