// Starts the calculator: creates its window, raises the load event, shows
// the window and runs the event loop until the window closes or Esc ends it.

#include <QApplication>

#include "quorvel_version.h"
#include "ui/frm_quorvel.h"
#include "ui/quorvel_icon.h"

int main(int /*argc*/, char* argv[]) {
    // The program takes no arguments: the toolkit sees only the program name.
    int argc = 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    // Lets the desktop match the window to its entry and icon (on Wayland by id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_DESKTOP_ID));
    QApplication::setWindowIcon(quorvel::QuorvelIcon());

    quorvel::frmQuorvel window;
    window.Load();
    window.show();
    return QApplication::exec();
}
