#include "frontend/window_commands.h"

#include <vector>

#include "frontend/circuit_table.h"
#include "frontend/texts.h"
#include "frontend/window_keys.h"
#include "frontend/worked_solution.h"

namespace quorvel {
namespace {

// Text for a spreadsheet, which takes the tabs as cells, and HTML for a
// word processor, which takes the table.
Copied CircuitCopy(const FieldSet& fields, std::string_view) {
    const std::vector<TableRow> table = CircuitTable(fields);
    return {TabSeparated(table), HtmlTable(table)};
}

// Worked out only now, as it is copied.
Copied SolutionCopy(const FieldSet& fields, std::string_view) {
    const WorkedSolution solution = SolveCircuit(fields);
    return {SolutionText(solution), SolutionHtml(solution)};
}

Copied LinkCopy(const FieldSet&, std::string_view address) { return {std::string(address), {}}; }

}  // namespace

// The link has no item and no keys: only a window with an address offers it.
const std::array<CommandInfo, 3> kCommands{{
    {Command::copy_circuit, texts::kCopyCircuit, {'C', kCtrlMask | kShiftMask}, CircuitCopy, texts::kCircuitCopied,
     texts::kCopyCircuit, texts::kCopyCircuitSaid},
    {Command::copy_solution, texts::kCopySolution, {'R', kCtrlMask | kShiftMask}, SolutionCopy,
     texts::kSolutionCopied, texts::kCopySolution, texts::kCopySolutionSaid},
    {Command::copy_link, "", {}, LinkCopy, texts::kLinkCopied, texts::kCopyLink, texts::kCopyLinkSaid},
}};

const CommandInfo& InfoOf(Command command) { return kCommands[static_cast<std::size_t>(command)]; }

std::optional<Command> CommandOfKeys(Shortcut keys) {
    if (keys.key == 0) return std::nullopt;
    for (const CommandInfo& info : kCommands) {
        if (info.keys == keys) return info.command;
    }
    return std::nullopt;
}

std::string ShortcutText(Shortcut keys) {
    if (keys.key == 0) return {};
    std::string text;
    if (keys.modifiers & kCtrlMask) text += "Ctrl+";
    if (keys.modifiers & kAltMask) text += "Alt+";
    if (keys.modifiers & kShiftMask) text += "Shift+";
    return text + static_cast<char>(keys.key);
}

}  // namespace quorvel
