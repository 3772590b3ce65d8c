#pragma once

// The window's own commands, as data: each with its item in the context
// menus of the entries and result boxes, its keys anywhere in the window,
// what it puts on the clipboard and what the window then tells. A front end
// builds its menus from kCommands and forwards the choice, a button's click
// or the keys; the logic runs it (WindowLogic::Run). A new command is a new
// row and the function that makes what it copies.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "frontend/window_layout.h"
#include "frontend/tolerance.h"

namespace quorvel {

enum class Command { copy_circuit, copy_solution, copy_link, copy_parts };

// Keys as the window logic knows them (frontend/window_keys.h): a
// virtual-key code and the modifiers held.
struct Shortcut {
    int key = 0;  // 0: none
    int modifiers = 0;
    constexpr bool operator==(const Shortcut&) const = default;
};

// What a copy puts on the clipboard: text, and HTML for a word processor
// (empty: text only).
struct Copied {
    std::string text;
    std::string html;
};

// What a copy is made from: the fields, the circuit's line as an address
// holds it, and the tolerance the parts list uses.
struct CopySource {
    const FieldSet& fields;
    std::string_view address;
    Tolerance tolerance = kStartTolerance;
};

// Its texts are the catalogue's (frontend/texts.h).
struct CommandInfo {
    Command command;
    std::string_view item;  // in the context menus; empty: in none
    Shortcut keys;
    Copied (*copy)(const CopySource& source);
    std::string_view told;     // what the window tells once it is copied
    std::string_view caption;  // on a button that offers it
    std::string_view said;     // what a screen reader hears of that button
};

extern const std::array<CommandInfo, 4> kCommands;

const CommandInfo& InfoOf(Command command);
// The command these keys run, if any.
std::optional<Command> CommandOfKeys(Shortcut keys);
// The resistor whose entry this is: its context menu offers the part
// picker ("Din culori…") and, as every text box's, the "Toleranță" submenu
// of kCircuitTolerances, the circuit's own checked.
std::optional<int> ResistorOfEntry(const layout::Control& control);

// The keys as a menu shows them beside its item: "Ctrl+Shift+C".
std::string ShortcutText(Shortcut keys);

}  // namespace quorvel
