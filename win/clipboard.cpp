#include "win/clipboard.h"

#include <cstdio>
#include <cstring>

#include "win/wide_text.h"

namespace quorvel::win {
namespace {

constexpr std::string_view kBefore = "<html><body>\r\n<!--StartFragment-->";
constexpr std::string_view kAfter = "<!--EndFragment-->\r\n</body></html>";

// Ten digits each, so that the header's length is known before its numbers.
std::string Header(std::size_t start_html, std::size_t end_html, std::size_t start_fragment, std::size_t end_fragment) {
    char header[160];
    const int size = std::snprintf(header, sizeof header,
                                   "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\n"
                                   "StartFragment:%010zu\r\nEndFragment:%010zu\r\n",
                                   start_html, end_html, start_fragment, end_fragment);
    return std::string(header, static_cast<std::size_t>(size));
}

// Another program may hold the clipboard for a moment.
bool Open(HWND owner) {
    for (int tries = 0; tries < 20; ++tries) {
        if (OpenClipboard(owner)) return true;
        Sleep(5);
    }
    return false;
}

bool Put(UINT format, const void* data, std::size_t bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), data, bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

}  // namespace

std::string HtmlClipboardFormat(std::string_view fragment) {
    const std::size_t start_html = Header(0, 0, 0, 0).size();
    const std::size_t start_fragment = start_html + kBefore.size();
    const std::size_t end_fragment = start_fragment + fragment.size();
    const std::size_t end_html = end_fragment + kAfter.size();
    return Header(start_html, end_html, start_fragment, end_fragment) + std::string(kBefore) + std::string(fragment) +
           std::string(kAfter);
}

bool PutOnClipboard(HWND owner, std::string_view text, std::string_view html) {
    std::wstring lines;
    for (const wchar_t c : Wide(text)) {
        if (c == L'\n' && (lines.empty() || lines.back() != L'\r')) lines += L'\r';
        lines += c;
    }
    if (!Open(owner)) return false;
    EmptyClipboard();
    bool put = Put(CF_UNICODETEXT, lines.c_str(), (lines.size() + 1) * sizeof(wchar_t));
    if (put && !html.empty()) {
        const std::string data = HtmlClipboardFormat(html);
        put = Put(RegisterClipboardFormatW(L"HTML Format"), data.c_str(), data.size() + 1);
    }
    CloseClipboard();
    return put;
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !Open(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(locked, wcsnlen(locked, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace quorvel::win
