// Starts the calculator: creates its window, raises the load event, shows
// the window and runs the event loop until the window closes or Esc ends it.
// It answers --help, --version, --table and --solution with no window; an
// argument that is a circuit opens the window with it.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "circuit_answer.h"
#include "frontend/circuit_text.h"
#include "quorvel_version.h"
#include "ui/frm_quorvel.h"
#include "ui/quorvel_icon.h"

namespace {

constexpr int kWriteError = 1;
constexpr int kNotComputed = 1;
constexpr int kUsageError = 2;

// Prints a text the user asked for; a text that cannot be written (a full
// disk, a closed pipe) is a failure, not an answer.
int Answer(const QString& text) {
    if (std::fputs(qPrintable(text), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "%s: cannot write the answer: %s\n", qPrintable(QCoreApplication::applicationName()),
                 std::strerror(errno));
    return kWriteError;
}

// What the arguments ask for: an answer, with the program's exit status,
// or the window with the circuit given.
struct Request {
    std::optional<int> exit;
    std::optional<quorvel::Circuit> circuit;
};

Request Exit(int status) { return {status, {}}; }

int UsageError(const QCommandLineParser& parser, const QString& error) {
    std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(error),
                 qPrintable(parser.helpText()));
    return kUsageError;
}

QString NotACircuit(const QString& line) {
    return QStringLiteral("'%1' is not a circuit: give the four resistors and the current, separated by commas, "
                          "e.g. 4K7,2K2,1M,470R,5mA.")
        .arg(line);
}

// The circuit's table or worked solution, as far as it can be computed;
// where a result could not be, standard error says why.
int AnswerCircuit(const QCommandLineParser& parser, const QString& line, quorvel::Answered what) {
    const std::optional<quorvel::Circuit> circuit = quorvel::ReadCircuit(line.toStdString());
    if (!circuit) return UsageError(parser, NotACircuit(line));
    const quorvel::CircuitAnswer answer = quorvel::AnswerCircuit(*circuit, what);
    const int written = Answer(QString::fromStdString(answer.text));
    if (written != 0) return written;
    if (answer.error.empty()) return 0;
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), answer.error.c_str());
    return kNotComputed;
}

// On a core application, which needs no display. An argument that asks for
// neither the help, the version nor a circuit is a mistake, "--" alone
// included.
Request ReadArguments(int argc, char* argv[]) {
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
    const QCommandLineOption table(QStringLiteral("table"),
                                   QStringLiteral("Prints the circuit's table, tab-separated, and opens no window."),
                                   QStringLiteral("circuit"));
    const QCommandLineOption solution(QStringLiteral("solution"),
                                      QStringLiteral("Prints the circuit's worked solution and opens no window."),
                                      QStringLiteral("circuit"));
    parser.addOptions({table, solution});
    parser.addPositionalArgument(
        QStringLiteral("circuit"),
        QStringLiteral("Opens the window with this circuit: the four resistors and the current, "
                       "separated by commas, as parts are marked, e.g. 4K7,2K2,1M,470R,5mA."),
        QStringLiteral("[circuit]"));
    if (!parser.parse(QCoreApplication::arguments())) return Exit(UsageError(parser, parser.errorText()));
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(version)) {
        return Exit(Answer(QCoreApplication::applicationName() + QLatin1Char(' ') +
                           QCoreApplication::applicationVersion() + QLatin1Char('\n')));
    }
    if (parser.isSet(help)) return Exit(Answer(parser.helpText()));
    if (parser.isSet(table)) return Exit(AnswerCircuit(parser, parser.value(table), quorvel::Answered::table));
    if (parser.isSet(solution)) return Exit(AnswerCircuit(parser, parser.value(solution), quorvel::Answered::solution));
    if (positional.size() != 1) {
        const QString argument = positional.isEmpty() ? QStringLiteral("--") : positional[1];
        return Exit(UsageError(parser, QStringLiteral("Unexpected argument '%1'.").arg(argument)));
    }
    Request request{std::nullopt, quorvel::ReadCircuit(positional[0].toStdString())};
    if (!request.circuit) request.exit = UsageError(parser, NotACircuit(positional[0]));
    return request;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    Request request;
    if (argc > 1) request = ReadArguments(argc, argv);
    if (request.exit) return *request.exit;

    // The toolkit sees only the program name.
    int toolkit_argc = 1;
    QApplication application(toolkit_argc, argv);
    // Lets the desktop match the window to its entry and icon (on Wayland by id).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVEL_DESKTOP_ID));
    QApplication::setWindowIcon(quorvel::QuorvelIcon());

    quorvel::frmQuorvel window;
    window.Load(request.circuit);
    window.show();
    return QApplication::exec();
}
