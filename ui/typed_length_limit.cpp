#include "ui/typed_length_limit.h"

#include "frontend/typed_limit.h"

namespace quorvel {

TypedLengthLimit::TypedLengthLimit(int limit, QLineEdit* edit) : QValidator(edit), limit_(limit), before_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { before_ = edit->text(); });
}

QValidator::State TypedLengthLimit::validate(QString& input, int& pos) const {
    const auto kept = LimitTyped(before_.toStdU16String(), {input.toStdU16String(), pos}, limit_);
    if (!kept) return Invalid;
    input = QString::fromStdU16String(kept->text);
    pos = kept->caret;
    return Acceptable;
}

}  // namespace quorvel
