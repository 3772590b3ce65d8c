#pragma once

// The clipboard as Windows programs share it: text, and HTML in "HTML
// Format", a header of byte offsets into the UTF-8 that follows, then the
// document, the copied fragment between its two markers.

#include <string>
#include <string_view>

#include <windows.h>

namespace quorvel::win {

std::string HtmlClipboardFormat(std::string_view fragment);

// The text, its lines ending in CR LF as Windows programs read them, and
// the HTML where there is any; false where the clipboard could not be had.
bool PutOnClipboard(HWND owner, std::string_view text, std::string_view html = {});
// The clipboard's text; empty where it holds none.
std::wstring ClipboardText(HWND owner);

}  // namespace quorvel::win
