#pragma once

// Windows speaks UTF-16; the calculator's texts are UTF-8.

#include <string>
#include <string_view>

#include <windows.h>

namespace quorvel::win {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// A window's whole text, however long.
std::wstring WindowText(HWND window);

}  // namespace quorvel::win
