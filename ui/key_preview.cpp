#include "ui/key_preview.h"

#include <QApplication>
#include <QKeyEvent>

namespace quorvel {
namespace {

// Windows' virtual-key codes, which Qt gives its letters too.
int CodeOf(int key) {
    switch (key) {
        case Qt::Key_Up: return kKeyUp;
        case Qt::Key_Down: return kKeyDown;
        case Qt::Key_Escape: return kKeyEscape;
        default: return key >= Qt::Key_A && key <= Qt::Key_Z ? key : 0;
    }
}

int ModifiersOf(Qt::KeyboardModifiers held) {
    return (held & Qt::ShiftModifier ? kShiftMask : 0) | (held & Qt::ControlModifier ? kCtrlMask : 0) |
           (held & Qt::AltModifier ? kAltMask : 0) | (held & Qt::MetaModifier ? kMetaMask : 0);
}

}  // namespace

// A key the focused control ignores goes on to its parents; only the first
// receiver, a control of the window that takes the focus, is told of.
bool KeyPreview::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const layout::Control* target = view_.ControlOf(receiver);
    if (!target || target->tab_index < 0 || target->kind == layout::Kind::frame) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const QString text = key.text();
    KeyEvent pressed;
    pressed.code = CodeOf(key.key());
    pressed.modifiers = ModifiersOf(key.modifiers());
    pressed.typed = std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    pressed.popup_open = QApplication::activePopupWidget() != nullptr;
    return logic_.KeyPressed(target, pressed);
}

}  // namespace quorvel
