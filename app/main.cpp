// Starts the calculator: creates its window, raises the load event, shows
// the window and runs the event loop until the window closes or Esc ends it.
// The command line (frontend/command_line.h) answers its options with no
// window; an argument that is a circuit opens the window with it.

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include <QApplication>

#include "frontend/command_line.h"
#include "quorvel_version.h"
#include "ui/frm_quorvel.h"
#include "ui/quorvel_icon.h"
#include "ui/system_locale.h"

namespace {

// A standard stream written straight to its descriptor, so that the write
// that fails says why: a closed stream, a full disk.
class StandardStream : public quorvel::CommandOutput {
public:
    explicit StandardStream(int descriptor) : descriptor_(descriptor) {}
    std::optional<std::string> Write(std::string_view text) override {
        while (!text.empty()) {
            const ssize_t written = ::write(descriptor_, text.data(), text.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return std::strerror(errno);
            text.remove_prefix(static_cast<std::size_t>(written));
        }
        return std::nullopt;
    }

private:
    int descriptor_;
};

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    StandardStream out(STDOUT_FILENO), err(STDERR_FILENO);
    const quorvel::ProgramStart start =
        quorvel::RunCommandLine(arguments, {QUORVEL_VERSION, quorvel::SystemNumberLocale, out, err});
    if (start.exit) return *start.exit;

    // The toolkit sees only the program name.
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    // Lets the desktop match the window to its entry and icon (on Wayland by id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_DESKTOP_ID));
    QApplication::setWindowIcon(quorvel::QuorvelIcon());
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));

    quorvel::frmQuorvel window;
    window.Load(start.circuit);
    window.show();
    return QApplication::exec();
}
