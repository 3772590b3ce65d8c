#pragma once

// Windows speaks UTF-16; the calculator's texts are UTF-8.

#include <string>
#include <string_view>

#include <windows.h>

namespace quorvel::win {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The same UTF-16 as the window logic counts it.
inline std::u16string_view Utf16Of(std::wstring_view wide) {
    return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}
inline std::wstring_view WideOf(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

// A window's whole text, however long.
std::wstring WindowText(HWND window);

}  // namespace quorvel::win
