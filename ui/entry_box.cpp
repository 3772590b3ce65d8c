#include "ui/entry_box.h"

#include <limits>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QValidator>

#include "frontend/entry_focus.h"
#include "frontend/window_layout.h"

namespace quorvel {
namespace {

// Takes the user's edits as the entries' rules do; the program's writes pass.
class EntryRules : public QValidator {
public:
    explicit EntryRules(EntryBox* box) : QValidator(box), box_(*box), before_(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this] { before_ = box_.text(); });
    }

    State validate(QString& input, int& pos) const override {
        const std::optional<EntryInput> how = box_.Input();
        if (!how) return Acceptable;
        const QString pasted = how == EntryInput::pasted ? box_.Pasted() : QString();
        const auto kept = EditedEntry(box_.Entry(), before_.toStdU16String(), {input.toStdU16String(), pos}, *how,
                                      pasted.toStdU16String());
        if (!kept) return Invalid;
        input = QString::fromStdU16String(kept->text);
        pos = kept->caret;
        return Acceptable;
    }

private:
    const EntryBox& box_;
    QString before_;  // the text before the edit being validated
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

EntryBox::EntryBox(FieldElement entry, QWidget* parent) : QLineEdit(parent), entry_(entry) {
    const std::string_view created = layout::ControlOf(entry.field, entry.index).text;
    setText(QString::fromUtf8(created.data(), static_cast<qsizetype>(created.size())));
    // The line edit's own limit would cut a paste at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new EntryRules(this));
}

void EntryBox::Write(const QString& text) {
    const Rollback writing(input_, std::nullopt);
    setText(text);
}

// A paste by the keys or the menu takes the clipboard's text.
QString EntryBox::Pasted() const { return pasted_.isNull() ? QGuiApplication::clipboard()->text() : pasted_; }

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

// The press put the caret where it was clicked; once the button is up, a
// lone default is selected instead. The middle button pastes the selection.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    const QScopedValueRollback middle(pasted_, event->button() == Qt::MiddleButton
                                                   ? QGuiApplication::clipboard()->text(QClipboard::Selection)
                                                   : QString());
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && ClickSelects(entry_, text().toStdString())) selectAll();
}

}  // namespace quorvel
