#include "frontend/command_line.h"

#include <array>
#include <cctype>
#include <vector>

#include "frontend/circuit_answer.h"
#include "frontend/parts_not_read.h"
#include "frontend/quoted_text.h"
#include "frontend/texts.h"
#include "frontend/tolerance.h"

namespace quorvel {
namespace {

constexpr std::string_view kProgram = "Quorvel";

// What the command line says, each on a line of standard error after the
// program's name; "%1" and "%2" stand for what it names, quoted where it
// comes from the arguments. A wrong command line ends with kSeeHelp.
constexpr std::string_view kUnknownOption = "opțiunea %1 nu există";
constexpr std::string_view kTakesNoValue = "%1 nu primește o valoare";
constexpr std::string_view kWithoutCircuit = "după %1 lipsește circuitul, de exemplu %1 4K7,2K2,1M,470R,5mA";
constexpr std::string_view kWithoutTolerance = "după %1 lipsește toleranța, de exemplu %1 5";
constexpr std::string_view kNotATolerance = "%1 nu este o toleranță a pieselor: dați %2, cu sau fără %";
constexpr std::string_view kOnlyWith = "%1 se dă numai cu %2";
constexpr std::string_view kGivenTwice = "%1 este dat de două ori";
constexpr std::string_view kTogether = "%1 și %2 nu pot fi date împreună";
constexpr std::string_view kBeyond = "argumentul %1 este în plus";
constexpr std::string_view kNotACircuit =
    "%1 nu este un circuit: dați cele patru rezistențe și curentul, separate prin virgule, de exemplu "
    "4K7,2K2,1M,470R,5mA";
constexpr std::string_view kSeeHelp = ". Vedeți quorvel --help.";
constexpr std::string_view kNotWritten = "răspunsul nu a putut fi scris: %1";

enum class Request { window, table, solution, parts, help, version };

// What follows an option, in the next argument or after its "=".
enum class Takes { nothing, circuit, tolerance };

struct Option {
    std::string_view name;
    std::string_view short_name;  // empty for none
    Request request;              // a setting's: the request it goes with
    Takes takes;
    bool setting;                 // how a request answers, not a request of its own
    std::string_view help;        // "%1": the circuit's tolerances; "\n" where a line of help ends
};

constexpr std::array kOptions{
    Option{"--table", "", Request::table, Takes::circuit, false, "scrie tabelul circuitului, cu tab între coloane"},
    Option{"--solution", "", Request::solution, Takes::circuit, false, "scrie rezolvarea circuitului, pas cu pas"},
    Option{"--parts", "", Request::parts, Takes::circuit, false,
           "scrie lista de piese: benzile de culori, codul SMD, puterea\nfiecărei piese și intervalele după toleranță"},
    Option{"--tolerance", "", Request::parts, Takes::tolerance, true,
           "toleranța pieselor listei, în procente: %1;\n5 dacă lipsește"},
    Option{"--help", "-h", Request::help, Takes::nothing, false, "scrie acest ajutor"},
    Option{"--version", "-v", Request::version, Takes::nothing, false, "scrie versiunea"},
};

std::string_view PlaceholderOf(Takes takes) {
    switch (takes) {
        case Takes::circuit: return " CIRCUIT";
        case Takes::tolerance: return " P";
        case Takes::nothing: break;
    }
    return {};
}

// "1, 2, 5, 10 sau 20"
std::string ToleranceList() {
    std::vector<std::string> percents;
    for (const Tolerance tolerance : kCircuitTolerances) percents.push_back(std::to_string(tolerance.hundredths / 100));
    const std::vector<std::string_view> words(percents.begin(), percents.end());
    return texts::Listed(words);
}

constexpr std::string_view kHelpIntro =
    "Calculează un circuit serie cu patru rezistențe prin care trece un curent dat.\n"
    "Fără opțiuni deschide fereastra, cu CIRCUIT dacă este dat; Esc o închide.\n"
    "\n"
    "CIRCUIT: cele patru rezistențe și apoi curentul, separate prin virgule, cum\n"
    "se marchează pe piese: litera rezistenței (R, K, M, G) în locul punctului\n"
    "zecimal sau după număr, litera curentului (u, m), cu sau fără A; un număr\n"
    "fără literă este în Ohm sau în A; „.” este singurul punct zecimal.\n"
    "De exemplu: 4K7,2K2,1M,470R,5mA.\n"
    "\n"
    "Opțiuni:\n";
constexpr std::string_view kHelpEnd =
    "\n"
    "Niciuna nu deschide fereastra. Numerele urmează setările regionale.\n"
    "\n"
    "Starea la ieșire: 0 gata; 1 un rezultat prea mare pentru a fi calculat sau\n"
    "un răspuns care nu a putut fi scris; 2 o linie de comandă greșită; 3 o parte\n"
    "a circuitului care nu a putut fi citită.\n";

// A line for each request, with the settings it takes; then each option's
// help, in a column of its own.
std::string HelpText() {
    constexpr std::size_t kHelpColumn = 22;
    std::string text = "Utilizare: quorvel [CIRCUIT]\n";
    for (const Option& request : kOptions) {
        if (request.setting) continue;
        text += "           quorvel " + (request.short_name.empty() ? "" : std::string(request.short_name) + " | ") +
                std::string(request.name) + std::string(PlaceholderOf(request.takes));
        for (const Option& setting : kOptions) {
            if (!setting.setting || setting.request != request.request) continue;
            text += " [" + std::string(setting.name) + std::string(PlaceholderOf(setting.takes)) + "]";
        }
        text += "\n";
    }
    text += "\n" + std::string(kHelpIntro);
    for (const Option& option : kOptions) {
        std::string usage = "  " + (option.short_name.empty() ? "" : std::string(option.short_name) + ", ") +
                            std::string(option.name) + std::string(PlaceholderOf(option.takes));
        usage.resize(std::max<std::size_t>(usage.size() + 2, kHelpColumn), ' ');
        std::string help = texts::Filled(option.help, ToleranceList());
        for (auto at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1)) {
            help.insert(at + 1, kHelpColumn, ' ');
        }
        text += usage + help + "\n";
    }
    return text + std::string(kHelpEnd);
}

// "-" and a letter, or "--": a digit or a point after the dash makes a
// circuit with a negative first part.
bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-' && !std::isdigit(static_cast<unsigned char>(argument[1])) &&
           argument[1] != '.';
}

const Option* OptionNamed(std::string_view name) {
    for (const Option& option : kOptions) {
        if (name == option.name || (!option.short_name.empty() && name == option.short_name)) return &option;
    }
    return nullptr;
}

// What the arguments ask for; where they are wrong, why, in one line.
struct Asked {
    Request request = Request::window;
    std::optional<std::string> circuit;
    std::optional<Tolerance> tolerance;
    std::string wrong;
};

Asked Wrong(std::string why) {
    Asked asked;
    asked.wrong = std::move(why);
    return asked;
}

// The request a setting goes with.
std::string_view RequestNamed(const Option& setting) {
    for (const Option& option : kOptions) {
        if (!option.setting && option.request == setting.request) return option.name;
    }
    return {};
}

Asked ReadArguments(std::span<const std::string> arguments) {
    Asked asked;
    std::string_view asked_by;        // the option, as given
    const Option* set_by = nullptr;  // the setting, where one is given
    std::vector<std::string_view> circuits;
    bool options_ended = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        if (options_ended || !IsOption(argument)) {
            circuits.push_back(argument);
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const std::string_view name = argument.substr(0, equals);
        const Option* option = OptionNamed(name);
        if (!option) return Wrong(texts::Filled(kUnknownOption, Quoted(name)));
        const bool takes_value = option->takes != Takes::nothing;
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) value = argument.substr(equals + 1);
        if (value && !takes_value) return Wrong(texts::Filled(kTakesNoValue, name));
        if (takes_value && !value && at + 1 < arguments.size()) value = arguments[++at];
        if (takes_value && (!value || value->empty())) {
            return Wrong(texts::Filled(option->takes == Takes::circuit ? kWithoutCircuit : kWithoutTolerance, name));
        }
        if (option->setting) {
            if (set_by) return Wrong(texts::Filled(kGivenTwice, name));
            set_by = option;
            asked.tolerance = ReadCircuitTolerance(*value);
            if (!asked.tolerance) return Wrong(texts::Filled(kNotATolerance, Quoted(*value), ToleranceList()));
            continue;
        }
        if (!asked_by.empty()) {
            return Wrong(option->request == asked.request ? texts::Filled(kGivenTwice, name) : texts::Filled(kTogether, asked_by, name));
        }
        asked_by = name;
        asked.request = option->request;
        if (value) asked.circuit = std::string(*value);
    }
    if (set_by && set_by->request != asked.request) return Wrong(texts::Filled(kOnlyWith, set_by->name, RequestNamed(*set_by)));
    const std::size_t allowed = asked.request == Request::window ? 1 : 0;
    if (circuits.size() > allowed) return Wrong(texts::Filled(kBeyond, Quoted(circuits[allowed])));
    if (!circuits.empty()) asked.circuit = std::string(circuits.front());
    return asked;
}

// Standard error's lines, each after the program's name; what cannot be
// written there is lost, as there is nowhere left to say it.
void Tell(CommandOutput& err, const std::string& text) {
    std::string lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines += std::string(kProgram) + ": " + text.substr(start, end - start) + "\n";
        start = end + 1;
    }
    (void)err.Write(lines);
}

ProgramStart Exit(int status) { return {status, std::nullopt}; }

ProgramStart Refuse(CommandOutput& err, const std::string& why) {
    Tell(err, why + std::string(kSeeHelp));
    return Exit(kExitWrongCommandLine);
}

// A text the user asked for; one that cannot be written is a failure, not an answer.
std::optional<ProgramStart> Answer(const CommandLineSetting& setting, const std::string& text) {
    const std::optional<std::string> failed = setting.out.Write(text);
    if (!failed) return std::nullopt;
    Tell(setting.err, texts::Filled(kNotWritten, *failed));
    return Exit(kExitNotComputed);
}

ProgramStart AnswerText(const CommandLineSetting& setting, const std::string& text) {
    return Answer(setting, text).value_or(Exit(kExitDone));
}

// Nothing is printed for a circuit that did not read whole: a sheet of
// exercises must not hold one with a part the user did not mean.
ProgramStart PrintCircuit(const CommandLineSetting& setting, const Circuit& circuit, Answered what,
                          Tolerance tolerance) {
    if (!circuit.Whole()) {
        for (const std::string& line : PartsNotRead(circuit)) Tell(setting.err, line);
        return Exit(kExitPartNotRead);
    }
    const CircuitAnswer answer = AnswerCircuit(circuit, what, setting.locale(), tolerance);
    if (auto failed = Answer(setting, answer.text)) return *failed;
    if (answer.error.empty()) return Exit(kExitDone);
    Tell(setting.err, answer.error);
    return Exit(kExitNotComputed);
}

}  // namespace

ProgramStart RunCommandLine(std::span<const std::string> arguments, const CommandLineSetting& setting) {
    const Asked asked = ReadArguments(arguments);
    if (!asked.wrong.empty()) return Refuse(setting.err, asked.wrong);
    switch (asked.request) {
        case Request::help: return AnswerText(setting, HelpText());
        case Request::version: return AnswerText(setting, std::string(kProgram) + " " + std::string(setting.version) + "\n");
        case Request::window:
        case Request::table:
        case Request::solution:
        case Request::parts: break;
    }
    if (asked.request == Request::window && !asked.circuit) return {};
    const std::optional<Circuit> circuit = ReadCircuit(*asked.circuit);
    if (!circuit) return Refuse(setting.err, texts::Filled(kNotACircuit, Quoted(*asked.circuit)));
    if (asked.request == Request::window) return {std::nullopt, circuit};
    const Answered what = asked.request == Request::table      ? Answered::table
                          : asked.request == Request::solution ? Answered::solution
                                                               : Answered::parts;
    return PrintCircuit(setting, *circuit, what, asked.tolerance.value_or(kStartTolerance));
}

}  // namespace quorvel
