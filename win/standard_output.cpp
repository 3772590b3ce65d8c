#include "win/standard_output.h"

#include <algorithm>

#include "frontend/window_layout.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

// The parent's console, attached once: none where the parent has none.
HANDLE ParentConsole() {
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return HANDLE{};
        const HANDLE output = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, 0, nullptr);
        return output == INVALID_HANDLE_VALUE ? HANDLE{} : output;
    }();
    return console;
}

std::optional<std::string> Failed() { return SystemMessage(GetLastError()); }

std::optional<std::string> WriteBytes(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1 << 20));
        if (!WriteFile(file, text.data(), size, &written, nullptr)) return Failed();
        text.remove_prefix(written);
    }
    return std::nullopt;
}

// In pieces: an older console takes no more than about 64 KiB at once.
std::optional<std::string> WriteText(HANDLE console, std::string_view utf8) {
    const std::wstring text = Wide(utf8);
    for (std::size_t at = 0; at < text.size();) {
        std::size_t size = std::min<std::size_t>(text.size() - at, 8192);
        if (at + size < text.size() && IS_HIGH_SURROGATE(text[at + size - 1])) --size;
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(size), &written, nullptr)) return Failed();
        at += written;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> StandardOutput::Write(std::string_view text) {
    const HANDLE stream = GetStdHandle(stream_);
    const DWORD type = stream && stream != INVALID_HANDLE_VALUE ? GetFileType(stream) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) return WriteBytes(stream, text);
    DWORD mode = 0;
    if (type == FILE_TYPE_CHAR) {
        // The console handle cmd hands down, or a device (NUL).
        ParentConsole();
        return GetConsoleMode(stream, &mode) ? WriteText(stream, text) : WriteBytes(stream, text);
    }
    if (const HANDLE console = ParentConsole()) return WriteText(console, text);
    kept_ += text;
    return std::nullopt;
}

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    DWORD size = FormatMessageW(flags, nullptr, error, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (size == 0) {  // a Windows without English messages
        size = FormatMessageW(flags, nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    }
    std::wstring message(text ? text : L"", size);
    LocalFree(text);
    while (!message.empty() && (iswspace(message.back()) || message.back() == L'.')) message.pop_back();
    return message.empty() ? "Windows error " + std::to_string(error) : Utf8(message);
}

void ShowKept(const StandardOutput& out, const StandardOutput& err) {
    if (out.Kept().empty() && err.Kept().empty()) return;
    std::wstring text = Wide(out.Kept() + err.Kept());
    while (!text.empty() && text.back() == L'\n') text.pop_back();
    MessageBoxW(nullptr, text.c_str(), Wide(layout::kTitle).c_str(),
                err.Kept().empty() ? MB_OK | MB_ICONINFORMATION : MB_OK | MB_ICONWARNING);
}

}  // namespace quorvel::win
