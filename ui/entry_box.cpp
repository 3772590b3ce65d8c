#include "ui/entry_box.h"

#include <limits>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QValidator>

#include "ui/utf8_text.h"

namespace quorvel {
namespace {

// Asks the window logic what an edit of the user's leaves in the entry; the
// program's writes pass.
class EntryRules : public QValidator {
public:
    explicit EntryRules(EntryBox* box) : QValidator(box), box_(*box) {}

    State validate(QString& input, int& pos) const override {
        const std::optional<EntryInput> how = box_.Input();
        if (!how || !box_.Logic()) return Acceptable;
        const QString pasted = how == EntryInput::pasted ? box_.Pasted() : QString();
        const EntryAfterEdit after =
            box_.Logic()->EditProposed(box_.Control(), {input.toStdU16String(), pos}, *how, pasted.toStdU16String());
        if (!after.taken) return Invalid;
        if (after.shown.text != std::u16string_view(reinterpret_cast<const char16_t*>(input.utf16()), input.size())) {
            input = QString::fromStdU16String(after.shown.text);
        }
        pos = after.shown.caret;
        return Acceptable;
    }

private:
    const EntryBox& box_;
};

// A key that types its text in; Ctrl+V and Shift+Insert paste; the others
// that change the text undo, cut or delete.
EntryInput InputOf(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) return EntryInput::pasted;
    if (!event->text().isEmpty() && event->text().front().isPrint()) return EntryInput::typed;
    return EntryInput::other;
}

}  // namespace

using Rollback = QScopedValueRollback<std::optional<EntryInput>>;

EntryBox::EntryBox(const layout::Control& control, QWidget* parent) : QLineEdit(parent), control_(&control) {
    setText(FromUtf8(control.text));
    // The line edit's own limit would cut a paste at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new EntryRules(this));
}

void EntryBox::Bind(WindowLogic& logic, const layout::Control& control) {
    logic_ = &logic;
    control_ = &control;
}

void EntryBox::Write(const QString& text) {
    const Rollback writing(input_, std::nullopt);
    setText(text);
}

// A paste by the keys or the menu takes the clipboard's text.
QString EntryBox::Pasted() const { return pasted_.isNull() ? QGuiApplication::clipboard()->text() : pasted_; }

bool EntryBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && logic_) logic_->TooltipAsked(*control_);
    return QLineEdit::event(event);
}

void EntryBox::dropEvent(QDropEvent* event) {
    const QScopedValueRollback dropped(pasted_, event->mimeData()->text());
    QLineEdit::dropEvent(event);
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const Rollback input(input_, InputOf(event));
    QLineEdit::keyPressEvent(event);
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event) {
    const Rollback input(input_, EntryInput::typed);
    QLineEdit::inputMethodEvent(event);
}

// The focus is the toolkit's to give before the press arrives; where the
// logic takes the press, the line edit places no caret and starts no drag.
void EntryBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && logic_ && logic_->EntryPressed(*control_)) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

// The middle button pastes the selection.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback middle(pasted_, event->button() == Qt::MiddleButton
                                                   ? QGuiApplication::clipboard()->text(QClipboard::Selection)
                                                   : QString());
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace quorvel
