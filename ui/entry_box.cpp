#include "ui/entry_box.h"

#include <limits>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include "frontend/typed_limit.h"

namespace quorvel {
namespace {

// Holds what is typed to the limit; whatever else puts text in is let through.
class TypedLimit : public QValidator {
public:
    TypedLimit(int limit, EntryBox* box) : QValidator(box), box_(*box), limit_(limit), before_(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this] { before_ = box_.text(); });
    }

    State validate(QString& input, int& pos) const override {
        if (!box_.Typing()) return Acceptable;
        const auto kept = LimitTyped(before_.toStdU16String(), {input.toStdU16String(), pos}, limit_);
        if (!kept) return Invalid;
        input = QString::fromStdU16String(kept->text);
        pos = kept->caret;
        return Acceptable;
    }

private:
    const EntryBox& box_;
    int limit_;
    QString before_;  // the text before the edit being validated
};

// A key that types its text in; Ctrl+V and Shift+Insert paste.
bool Types(const QKeyEvent* event) {
    return !event->text().isEmpty() && event->text().front().isPrint() && !event->matches(QKeySequence::Paste);
}

}  // namespace

EntryBox::EntryBox(const QString& default_text, int typed_limit, QWidget* parent)
    : QLineEdit(default_text, parent), default_text_(default_text) {
    // The line edit's own limit would cut a paste at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    if (typed_limit > 0) setValidator(new TypedLimit(typed_limit, this));
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback typing(typing_, Types(event));
    QLineEdit::keyPressEvent(event);
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event) {
    const QScopedValueRollback typing(typing_, true);
    QLineEdit::inputMethodEvent(event);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    select_on_release_ = event->reason() == Qt::MouseFocusReason && text() == default_text_;
}

// The press put the caret before the default; once the button is up, the
// default is selected instead.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (select_on_release_ && text() == default_text_) selectAll();
    select_on_release_ = false;
}

}  // namespace quorvel
