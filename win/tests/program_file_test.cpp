// The built Quorvel.exe as Windows reads it: its version record, read back
// with Windows' own functions; its manifest and its one icon group.

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
