#include <gtest/gtest.h>

#include "frontend/texts.h"

namespace quorvel {
namespace {

TEST(Texts, CharactersAreCountedAsRomanianSaysThem) {
    const std::pair<long long, std::string_view> rows[] = {
        {1, "1 caracter"},        {6, "6 caractere"},     {19, "19 caractere"},   {20, "20 de caractere"},
        {100, "100 de caractere"}, {101, "101 caractere"}, {119, "119 caractere"}, {120, "120 de caractere"},
    };
    for (const auto& [count, said] : rows) EXPECT_EQ(texts::Characters(count), said) << count;
}

}  // namespace
}  // namespace quorvel
