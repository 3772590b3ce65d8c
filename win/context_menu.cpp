#include "win/context_menu.h"

#include <iterator>
#include <string>

#include <windowsx.h>

#include "frontend/texts.h"
#include "win/part_picker_dialog.h"
#include "win/wide_text.h"

namespace quorvel::win {
namespace {

struct EditItem {
    const wchar_t* text;  // none: a separator
    UINT message = 0;
    LPARAM lparam = 0;
    bool edits = false;     // not in a read-only box
    bool selected = false;  // only with a selection
};

// In the words of the Qt window's Romanian menu.
constexpr EditItem kEditItems[] = {
    {L"&Anulează", EM_UNDO, 0, true},
    {nullptr},
    {L"&Taie", WM_CUT, 0, true, true},
    {L"&Copiază", WM_COPY, 0, false, true},
    {L"&Lipește", WM_PASTE, 0, true},
    {L"Șterge", WM_CLEAR, 0, true, true},
    {nullptr},
    {L"Selectează tot", EM_SETSEL, -1},
};
constexpr UINT kFirstCommand = 100;
constexpr UINT kFirstTolerance = 200;
constexpr UINT kPicker = 300;

bool Enabled(HWND box, const EditItem& item) {
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if ((item.edits && (GetWindowLongW(box, GWL_STYLE) & ES_READONLY)) || (item.selected && start == end)) return false;
    switch (item.message) {
        case EM_UNDO: return SendMessageW(box, EM_CANUNDO, 0, 0) != 0;
        case WM_PASTE: return IsClipboardFormatAvailable(CF_UNICODETEXT);
        case EM_SETSEL: return GetWindowTextLengthW(box) > 0;
        default: return true;
    }
}

}  // namespace

HMENU MakeContextMenu(HWND box, const layout::Control& item, const WindowLogic& logic) {
    HMENU menu = CreatePopupMenu();
    for (UINT i = 0; i < std::size(kEditItems); ++i) {
        const EditItem& edit = kEditItems[i];
        AppendMenuW(menu, edit.text ? MF_STRING | (Enabled(box, edit) ? 0 : MF_GRAYED) : MF_SEPARATOR, i + 1, edit.text);
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const CommandInfo& info : kCommands) {
        if (info.item.empty()) continue;
        AppendMenuW(menu, MF_STRING, kFirstCommand + static_cast<UINT>(info.command),
                    Wide(std::string(info.item) + "\t" + ShortcutText(info.keys)).c_str());
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    HMENU tolerances = CreatePopupMenu();
    const auto last = static_cast<UINT>(kFirstTolerance + kCircuitTolerances.size() - 1);
    for (UINT id = kFirstTolerance; id <= last; ++id) {
        const Tolerance tolerance = kCircuitTolerances[id - kFirstTolerance];
        AppendMenuW(tolerances, MF_STRING, id, Wide(ToleranceText(tolerance, logic.Fields().Locale())).c_str());
        if (tolerance == logic.CircuitTolerance()) CheckMenuRadioItem(tolerances, kFirstTolerance, last, id, MF_BYCOMMAND);
    }
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(tolerances), Wide(texts::kTolerance).c_str());
    if (ResistorOfEntry(item)) AppendMenuW(menu, MF_STRING, kPicker, Wide(texts::kFromColours).c_str());
    return menu;
}

void ShowContextMenu(HWND box, const layout::Control& item, LPARAM at, HWND owner, WindowLogic& logic) {
    SetFocus(box);  // what the menu does, it does there
    HMENU menu = MakeContextMenu(box, item, logic);
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {  // below the box
        RECT place;
        GetWindowRect(box, &place);
        point = {place.left, place.bottom};
    }
    const auto chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, owner, nullptr));
    DestroyMenu(menu);  // and its submenu
    if (chosen == kPicker) {
        ShowPartPicker(owner, *ResistorOfEntry(item), logic);
    } else if (chosen >= kFirstTolerance) {
        logic.SetTolerance(kCircuitTolerances[chosen - kFirstTolerance]);
    } else if (chosen >= kFirstCommand) {
        logic.Run(static_cast<Command>(chosen - kFirstCommand));
    } else if (chosen > 0) {
        const EditItem& edit = kEditItems[chosen - 1];
        SendMessageW(box, edit.message, 0, edit.lparam);
    }
}

}  // namespace quorvel::win
