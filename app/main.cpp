// Starts the calculator: creates its window, raises the load event, shows
// the window and runs the event loop until the window closes or Esc ends it.
// With arguments it only answers --help or --version, with no window.

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "quorvel_version.h"
#include "ui/frm_quorvel.h"
#include "ui/quorvel_icon.h"

namespace {

constexpr int kWriteError = 1;
constexpr int kUsageError = 2;

// Prints a text the user asked for; a text that cannot be written (a full
// disk, a closed pipe) is a failure, not an answer.
int Answer(const QString& text) {
    if (std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "%s: cannot write the answer: %s\n", qPrintable(QCoreApplication::applicationName()),
                 std::strerror(errno));
    return kWriteError;
}

// On a core application, which needs no display. Every argument ends the
// program here: the window takes none, so an argument that asks for neither
// the help nor the version is a mistake, "--" included.
int AnswerArguments(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Computes a series circuit of four resistors carrying a given current.\n"
        "Without options it opens its window, in Romanian; Esc ends it."));
    // Not addHelpOption(): its --help-all lists toolkit options that the
    // window never receives.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (!parsed || !parser.positionalArguments().isEmpty() || !(parser.isSet(help) || parser.isSet(version))) {
        QString error = parser.errorText();
        if (error.isEmpty()) {
            const QString argument =
                parser.positionalArguments().isEmpty() ? QStringLiteral("--") : parser.positionalArguments()[0];
            error = QStringLiteral("Unexpected argument '%1'.").arg(argument);
        }
        std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(error),
                     qPrintable(parser.helpText()));
        return kUsageError;
    }
    if (parser.isSet(version)) {
        return Answer(QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                      QLatin1Char('\n'));
    }
    return Answer(parser.helpText());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    if (argc > 1) return AnswerArguments(argc, argv);

    // The toolkit sees only the program name.
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    // Lets the desktop match the window to its entry and icon (on Wayland by id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_DESKTOP_ID));
    QApplication::setWindowIcon(quorvel::QuorvelIcon());

    quorvel::frmQuorvel window;
    window.Load();
    window.show();
    return QApplication::exec();
}
