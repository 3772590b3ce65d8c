#include <gtest/gtest.h>

#include "frontend/typed_limit.h"

namespace quorvel {
namespace {

// Wherever the caret stands: the edit is found from the texts alone. Into
// txtRs(1), which takes six typed characters and starts with "0".
TEST(EditedEntry, TakesWhatFitsOfTheCharactersTypedAndEveryPastedOne) {
    struct Case {
        std::u16string before, typed;
        int caret;
        std::optional<std::u16string> kept;
        int kept_caret = 0;
        EntryInput input = EntryInput::typed;
        std::u16string pasted = {};
    };
    const Case cases[] = {
        {u"12345", u"123456", 6, u"123456", 6},      // fits
        {u"123456", u"12345", 5, u"12345", 5},       // shrinks
        {u"123456", u"1234567", 7, std::nullopt},    // full: refused
        {u"12", u"1234567812", 8, u"123456", 6},     // typed between, caret after it
        {u"12", u"123456712", 2, u"123456", 6},      // put before the "2"s, caret at its start
        {u"", u"1234567", 0, u"123456", 6},          // put into nothing, caret at its start
        {u"1234", u"1x234", 2, u"1x234", 2},         // an input method's text
        {u"12345", u"1abc2345", 4, u"1a2345", 2},    // only one of three fits
        {u"1000000000", u"10000000005", 11, std::nullopt},  // the program's long text cannot grow
        {u"12", u"1234567812", 8, u"1234567812", 8, EntryInput::pasted},  // a paste is taken whole
        {u"0", u"12345670", 0, u"1234567", 7, EntryInput::pasted, u"1234567"},  // dropped before the lone "0"
        {u"0", u"0100", 4, u"100", 3, EntryInput::pasted, u"100"},              // pasted after it
        {u"0", u"04", 2, u"04", 2},                                             // typed after it, as the caret stood
        // A line break a spreadsheet's cell or a terminal's line ends in is dropped, wherever it stands.
        {u"0", u"4700\n", 5, u"4700", 4, EntryInput::pasted, u"4700\n"},
        {u"0", u"4700\r\n", 6, u"4700", 4, EntryInput::pasted, u"4700\r\n"},
        {u"0", u"\n4700", 5, u"4700", 4, EntryInput::pasted, u"\n4700"},
        {u"0", u"4K7\n", 4, u"4K7", 3, EntryInput::pasted, u"4K7\n"},
        {u"0", u"05\n", 3, u"5", 1, EntryInput::pasted, u"5\n"},                // beside the lone "0"
    };
    for (const auto& c : cases) {
        const auto kept = EditedEntry({Field::txtRs, 1}, c.before, {c.typed, c.caret}, c.input, c.pasted);
        ASSERT_EQ(kept.has_value(), c.kept.has_value()) << c.typed.size();
        if (!kept) continue;
        EXPECT_TRUE(kept->text == *c.kept) << c.typed.size();
        EXPECT_EQ(kept->caret, c.kept_caret) << c.typed.size();
    }
}

}  // namespace
}  // namespace quorvel
