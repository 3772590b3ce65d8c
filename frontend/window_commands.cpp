#include "frontend/window_commands.h"

#include <vector>

#include "frontend/circuit_table.h"
#include "frontend/parts_list.h"
#include "frontend/texts.h"
#include "frontend/window_keys.h"
#include "frontend/worked_solution.h"

namespace quorvel {
namespace {

// Text for a spreadsheet, which takes the tabs as cells, and HTML for a
// word processor, which takes the table.
Copied CircuitCopy(const CopySource& source) {
    const std::vector<TableRow> table = CircuitTable(source.fields);
    return {TabSeparated(table), HtmlTable(table)};
}

// Worked out only now, as it is copied.
Copied SolutionCopy(const CopySource& source) {
    const WorkedSolution solution = SolveCircuit(source.fields);
    return {SolutionText(solution), SolutionHtml(solution)};
}

Copied LinkCopy(const CopySource& source) { return {std::string(source.address), {}}; }

Copied PartsCopy(const CopySource& source) {
    const PartsList list = ListParts(source.fields, source.tolerance);
    return {PartsText(list), PartsHtml(list)};
}

}  // namespace

// The link has no item and no keys: only a window with an address offers it.
const std::array<CommandInfo, 4> kCommands{{
    {Command::copy_circuit, texts::kCopyCircuit, {'C', kCtrlMask | kShiftMask}, CircuitCopy, texts::kCircuitCopied,
     texts::kCopyCircuit, texts::kCopyCircuitSaid},
    {Command::copy_solution, texts::kCopySolution, {'R', kCtrlMask | kShiftMask}, SolutionCopy,
     texts::kSolutionCopied, texts::kCopySolution, texts::kCopySolutionSaid},
    {Command::copy_link, "", {}, LinkCopy, texts::kLinkCopied, texts::kCopyLink, texts::kCopyLinkSaid},
    {Command::copy_parts, texts::kCopyParts, {'P', kCtrlMask | kShiftMask}, PartsCopy, texts::kPartsCopied,
     texts::kCopyParts, texts::kCopyPartsSaid},
}};

const CommandInfo& InfoOf(Command command) { return kCommands[static_cast<std::size_t>(command)]; }

std::optional<Command> CommandOfKeys(Shortcut keys) {
    if (keys.key == 0) return std::nullopt;
    for (const CommandInfo& info : kCommands) {
        if (info.keys == keys) return info.command;
    }
    return std::nullopt;
}

std::optional<int> ResistorOfEntry(const layout::Control& control) {
    const std::optional<FieldElement> field = layout::FieldOf(control);
    if (!field || field->field != Field::txtRs) return std::nullopt;
    return field->index;
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
