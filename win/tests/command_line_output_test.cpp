// Quorvel.exe's answers on Windows' own ways out, against what the command
// line writes for the same arguments (its own table test checks those
// texts): a pipe and a file take UTF-8 with LF, a console text, a device
// (NUL) its bytes; a program started with none shows its answer in a
// message box; a write that fails ends it with 1 and says why.

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "quorvel_version.h"
#include "test_support/kept_output.h"
#include "win/regional_settings.h"
#include "win/tests/running_program.h"
#include "win/wide_text.h"

namespace quorvel::win::testing {
namespace {

// How the program is started: its standard output a pipe, a file, NUL or a
// pipe with no reader; with the parent's console and no handles (as cmd
// starts a GUI program), or that console's handles; with neither.
enum class Way { pipe, file, nul, broken_pipe, console, console_handles, none };

struct Answered {
    DWORD status = 0;
    std::string out, err;
};

std::string ReadAll(HANDLE from) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(from, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

// The console's first line, as a person reads it there.
std::string ConsoleLine() {
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, line.data(), static_cast<DWORD>(line.size()), {0, 0}, &read);
    CloseHandle(console);
    return Utf8(line.substr(0, line.find_last_not_of(L' ') + 1));
}

Answered Started(const std::string& arguments, Way way) {
    // A console of its own (Wine gives a program started from Linux one
    // that takes no text), made before the pipes, which its host would
    // inherit and hold open.
    const bool console = way == Way::console || way == Way::console_handles;
    if (console) FreeConsole(), AllocConsole();
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE out_read = nullptr, out = nullptr, err_read = nullptr, err = nullptr;
    CreatePipe(&err_read, &err, &inherited, 0);
    SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
    wchar_t file[MAX_PATH];
    if (way == Way::file) {
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"qv", 0, file);
        out = CreateFileW(file, GENERIC_WRITE, 0, &inherited, CREATE_ALWAYS, 0, nullptr);
    } else if (way == Way::nul) {
        out = CreateFileW(L"NUL", GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, 0, nullptr);
    } else if (way == Way::pipe || way == Way::broken_pipe) {
        CreatePipe(&out_read, &out, &inherited, 0);
        SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
        if (way == Way::broken_pipe) CloseHandle(std::exchange(out_read, nullptr));
    }
    if (way == Way::console_handles) {
        out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                          OPEN_EXISTING, 0, nullptr);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    const bool handles = way != Way::console && way != Way::none;
    if (handles) {
        startup.hStdOutput = out;
        startup.hStdError = err;
    }
    std::wstring command = L"\"" + WindowsPath(QUORVEL_EXE) + L"\" " + Wide(arguments);
    PROCESS_INFORMATION process{};
    Answered answered;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, handles, 0, nullptr, nullptr, &startup, &process)) {
        return {99, "", "does not start"};
    }
    if (out) CloseHandle(out);
    CloseHandle(err);
    std::thread reader([&] { answered.err = ReadAll(err_read); });
    if (out_read) answered.out = ReadAll(out_read);
    if (way == Way::none) {
        // The message box: its text read, and closed as a person closes it.
        WaitForInputIdle(process.hProcess, 30000);
        if (HWND box = FindWindowW(L"#32770", nullptr)) {
            answered.out = Utf8(TextOf(GetDlgItem(box, 0xFFFF)));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    }
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &answered.status);
    reader.join();
    if (way == Way::file) {
        HANDLE written = CreateFileW(file, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        answered.out = ReadAll(written);
        CloseHandle(written);
    }
    if (console) {
        answered.out = ConsoleLine();
        FreeConsole();
    }
    for (HANDLE handle : {out_read, err_read, process.hProcess, process.hThread}) {
        if (handle) CloseHandle(handle);
    }
    return answered;
}

// What the command line writes for the arguments.
Answered Expected(const std::vector<std::string>& arguments) {
    quorvel::testing::KeptOutput out, err;
    const ProgramStart start =
        RunCommandLine(arguments, {QUORVEL_VERSION, [] { return RegionalSettings().Current(); }, out, err});
    return {static_cast<DWORD>(start.exit.value_or(-1)), out.kept, err.kept};
}

TEST(CommandLine, AnswersOnEachWayOutAsTheCommandLineWritesIt) {
    struct Row {
        std::vector<std::string> arguments;
        Way way;
    };
    const Row rows[] = {
        {{"--table", "4K7,2K2,1M,470R,5mA"}, Way::pipe},
        {{"--help"}, Way::file},
        {{"--table", "ăîș\u20AC"}, Way::pipe},  // from UTF-16, told in UTF-8
        {{"--help"}, Way::nul},
        {{"--version"}, Way::console},
        {{"--version"}, Way::console_handles},
        {{"--version"}, Way::none},
    };
    for (const Row& row : rows) {
        std::string line;
        for (const std::string& argument : row.arguments) line += (line.empty() ? "" : " ") + argument;
        const Answered expected = Expected(row.arguments), answered = Started(line, row.way);
        EXPECT_EQ(answered.status, expected.status) << line;
        EXPECT_EQ(answered.err, expected.err) << line;
        if (row.way == Way::nul) continue;
        // A console and a message box show lines, not their ends.
        const bool lines = row.way == Way::console || row.way == Way::console_handles || row.way == Way::none;
        EXPECT_EQ(answered.out, lines ? expected.out.substr(0, expected.out.find('\n')) : expected.out) << line;
    }
    const Answered broken = Started("--help", Way::broken_pipe);
    EXPECT_EQ(broken.status, static_cast<DWORD>(kExitNotComputed));
    EXPECT_TRUE(broken.err.starts_with("Quorvel: răspunsul nu a putut fi scris: ")) << broken.err;
    EXPECT_EQ(broken.err.find('\n'), broken.err.size() - 1) << broken.err;
}

}  // namespace
}  // namespace quorvel::win::testing
