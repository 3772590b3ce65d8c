#pragma once

// The program's command line, alike for every desktop front end: its
// grammar, its texts, in Romanian as the window speaks, and what each
// request answers, with its exit status. A front end's main gives it the
// arguments (UTF-8, without the program's name) and its own standard
// output and error, then ends with the status it gets or opens the window.
//
//   quorvel [CIRCUIT]                        the window, with the circuit where given
//   quorvel --table CIRCUIT                  the circuit's table, tab-separated
//   quorvel --solution CIRCUIT               its worked solution
//   quorvel --parts CIRCUIT [--tolerance P]  its parts list, at ±P % (5 where not given)
//   quorvel -h | --help                      the options
//   quorvel -v | --version                   the version
//
// An option's circuit or tolerance is the next argument, whatever it is,
// or follows its "=". "--" ends the options; an argument of "-" and a digit
// or "." is no option but a circuit ("-4K7,1,1,1,1"). One request at a
// time: a second one, an argument beyond the circuit or an option without
// its circuit is refused; so is a tolerance without --parts, one given
// twice, or one that is not a circuit's ("5" or "5%": 1, 2, 5, 10, 20).

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "frontend/circuit_text.h"
#include "number/number_text.h"

namespace quorvel {

inline constexpr int kExitDone = 0;
inline constexpr int kExitNotComputed = 1;  // a result too large to compute, or an answer not written
inline constexpr int kExitWrongCommandLine = 2;
inline constexpr int kExitPartNotRead = 3;  // a part of the circuit that does not read whole

// Standard output or error, as the front end's platform has them. Written
// only where there is something to write, so that a front end may attach
// to its console then.
class CommandOutput {
public:
    virtual ~CommandOutput() = default;
    // UTF-8, lines ending in "\n". None once all is written; else the
    // platform's own words for what stopped it ("No space left on device").
    virtual std::optional<std::string> Write(std::string_view text) = 0;
};

struct CommandLineSetting {
    std::string_view version;             // "1.00"
    std::function<NumberLocale()> locale;  // the user's settings, read only for an answer that needs them
    CommandOutput& out;
    CommandOutput& err;
};

struct ProgramStart {
    std::optional<int> exit;         // answered: the program ends with this status
    std::optional<Circuit> circuit;  // else the window opens, with this circuit where one was given
};

ProgramStart RunCommandLine(std::span<const std::string> arguments, const CommandLineSetting& setting);

}  // namespace quorvel
