// The built Quorvel.exe as Windows reads it: its version record, read back
// with Windows' own functions; a 64-bit program of the GUI subsystem that
// imports only Windows' own DLLs; its manifest and its one icon group.

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win/tests/running_program.h"

namespace quorvel::win::testing {
namespace {

const std::wstring& Exe() {
    static const std::wstring path = WindowsPath(QUORVEL_EXE);
    return path;
}

std::vector<char> VersionRecord() {
    DWORD handle = 0;
    std::vector<char> record(GetFileVersionInfoSizeW(Exe().c_str(), &handle));
    if (!record.empty()) GetFileVersionInfoW(Exe().c_str(), 0, static_cast<DWORD>(record.size()), record.data());
    return record;
}

TEST(ProgramFile, VersionRecordHoldsTheProgramsNamesAndVersion) {
    std::vector<char> record = VersionRecord();
    ASSERT_FALSE(record.empty());
    void* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &value, &size));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &value, &size));
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(static_cast<const WORD*>(value)[0], 0x0409);
    EXPECT_EQ(static_cast<const WORD*>(value)[1], 0x04B0);

    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"FileVersion", L"1.00"}, {L"ProductVersion", L"1.00"}, {L"InternalName", L"Quorvel"},
        {L"ProductName", L"Quorvel"}, {L"OriginalFilename", L"Quorvel.exe"}};
    for (const auto& [name, expected] : strings) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(VerQueryValueW(record.data(), key.c_str(), &value, &size)) << name;
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), expected) << name;
    }
}

// The headers and the import table, read from the file.
class PortableExecutable {
public:
    PortableExecutable() {
        std::ifstream file(std::filesystem::path(Exe()), std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(file), {});
    }
    template <class T>
    const T& At(std::size_t offset) const {
        if (offset + sizeof(T) > bytes_.size()) throw std::out_of_range("beyond the file");
        return *reinterpret_cast<const T*>(bytes_.data() + offset);
    }
    const IMAGE_NT_HEADERS64& Headers() const { return At<IMAGE_NT_HEADERS64>(At<IMAGE_DOS_HEADER>(0).e_lfanew); }

    std::size_t OffsetOf(DWORD rva) const {
        const std::size_t sections = At<IMAGE_DOS_HEADER>(0).e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) +
                                     Headers().FileHeader.SizeOfOptionalHeader;
        for (WORD i = 0; i < Headers().FileHeader.NumberOfSections; ++i) {
            const auto& section = At<IMAGE_SECTION_HEADER>(sections + i * sizeof(IMAGE_SECTION_HEADER));
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize) {
                return rva - section.VirtualAddress + section.PointerToRawData;
            }
        }
        throw std::out_of_range("no section holds it");
    }

    std::set<std::string> ImportedDlls() const {
        std::set<std::string> dlls;
        const DWORD table = Headers().OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (std::size_t at = OffsetOf(table);; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto& import = At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (import.Name == 0) break;
            std::string name(&At<char>(OffsetOf(import.Name)));
            std::transform(name.begin(), name.end(), name.begin(), [](char c) { return std::tolower(c); });
            dlls.insert(name);
        }
        return dlls;
    }

private:
    std::vector<char> bytes_;
};

TEST(ProgramFile, IsA64BitWindowsProgramThatImportsOnlyWindowsOwnDlls) {
    const PortableExecutable exe;
    EXPECT_EQ(exe.Headers().FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(exe.Headers().OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const std::set<std::string> windows_own{"advapi32.dll", "comctl32.dll", "gdi32.dll",   "kernel32.dll",
                                            "msvcrt.dll",   "ole32.dll",    "oleacc.dll",  "oleaut32.dll",
                                            "shell32.dll",  "user32.dll",   "uxtheme.dll", "version.dll"};
    const std::set<std::string> imported = exe.ImportedDlls();
    EXPECT_FALSE(imported.empty());
    for (const std::string& dll : imported) EXPECT_TRUE(windows_own.contains(dll)) << dll;
}

// Loaded as data: the resources, without running the program.
std::string Resource(HMODULE exe, LPCWSTR type, int id) {
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(exe, found)));
    return std::string(bytes, SizeofResource(exe, found));
}

TEST(ProgramFile, ManifestAsksForCommonControls6AndPerMonitorDpi) {
    HMODULE exe = LoadLibraryExW(Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(exe);
    const std::string manifest = Resource(exe, MAKEINTRESOURCEW(24), 1);
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
                            "PerMonitorV2"),
              std::string::npos);
    // Windows 7, the oldest it names.
    EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);
    EXPECT_FALSE(Resource(exe, MAKEINTRESOURCEW(14), 1).empty()) << "the icon group";
    FreeLibrary(exe);
}

}  // namespace
}  // namespace quorvel::win::testing
