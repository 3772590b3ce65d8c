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

namespace quorvel {

enum class Command { copy_circuit, copy_solution, copy_link };

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

// Its texts are the catalogue's (frontend/texts.h).
struct CommandInfo {
    Command command;
    std::string_view item;  // in the context menus; empty: in none
    Shortcut keys;
    // What it copies, from the fields and the circuit's line as an address
    // holds it.
    Copied (*copy)(const FieldSet& fields, std::string_view address);
    std::string_view told;     // what the window tells once it is copied
    std::string_view caption;  // on a button that offers it
    std::string_view said;     // what a screen reader hears of that button
};

extern const std::array<CommandInfo, 3> kCommands;

const CommandInfo& InfoOf(Command command);
// The command these keys run, if any.
std::optional<Command> CommandOfKeys(Shortcut keys);
// The keys as a menu shows them beside its item: "Ctrl+Shift+C".
std::string ShortcutText(Shortcut keys);

}  // namespace quorvel
