#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// A text from outside the program (an argument, a link's part), shown back
// to the user between „ and ”, so that showing it does nothing but show
// it: a control character, one that turns the direction of the text or a
// byte that is no UTF-8 stands as its escape ("\x1B", "\u202E", "\xFF"),
// a backslash doubled, and a text of more than 80 characters is cut to its
// first 80, with "…" and its length after it.
std::string Quoted(std::string_view text);

}  // namespace quorvel
