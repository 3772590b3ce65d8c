#include <gtest/gtest.h>

#include "frontend/texts.h"
#include "frontend/window_layout.h"

namespace quorvel {
namespace {

// Each kind of pattern, made from the unit words and the typed limit as
// the window said them when they were written out by hand.
TEST(Texts, SpokenDescriptionsAreMadeFromTheUnitWordsAndTheTypedLimit) {
    const struct {
        std::string_view control;
        std::string_view said;
    } rows[] = {
        {"cboRs(2)", "Unitatea de măsură a rezistenței 3: Ohm, kOhm sau MOhm"},
        {"cboIst", "Unitatea de măsură a curentului: uA, mA sau A"},
        {"txtUMUs(0)", "Unitatea de măsură a tensiunii pe rezistența 1: uV, mV, V, kV sau MV"},
        {"txtUMpst", "Unitatea de măsură a puterii totale: uW, mW, W, kW sau MW"},
        {"txtRs(3)", "Valoarea rezistenței 4, în unitatea aleasă alături; cel mult 6 caractere; săgețile sus și jos "
                     "trec la valoarea standard următoare din seria E24, iar cu Ctrl din seria E96"},
        {"cmdClear", "Pune rezistențele și curentul înapoi pe 0, cu unitățile Ohm și A"},
        {"txtRst", "Suma celor patru rezistențe, în unitatea scrisă alături"},
        {"lblEticheteS(1)", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(layout::DescriptionOf(*layout::ControlNamed(row.control)), row.said) << row.control;
}

TEST(Texts, CharactersAreCountedAsRomanianSaysThem) {
    const std::pair<long long, std::string_view> rows[] = {
        {1, "1 caracter"},        {6, "6 caractere"},     {19, "19 caractere"},   {20, "20 de caractere"},
        {100, "100 de caractere"}, {101, "101 caractere"}, {119, "119 caractere"}, {120, "120 de caractere"},
    };
    for (const auto& [count, said] : rows) EXPECT_EQ(texts::Characters(count), said) << count;
}

}  // namespace
}  // namespace quorvel
