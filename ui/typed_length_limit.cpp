#include "ui/typed_length_limit.h"

namespace quorvel {

TypedLengthLimit::TypedLengthLimit(int limit, QLineEdit* edit) : QValidator(edit), limit_(limit), before_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { before_ = edit->text(); });
}

// The edit put its new characters just before the caret. Whatever of them
// would go beyond the limit is not taken; the rest of the text stays.
QValidator::State TypedLengthLimit::validate(QString& input, int& pos) const {
    if (input.size() <= limit_ || input.size() <= before_.size()) return Acceptable;
    if (before_.size() > limit_) return Invalid;

    const int after_caret = static_cast<int>(input.size()) - pos;
    const int kept_before_caret = limit_ - after_caret;
    const QString kept = input.left(kept_before_caret) + input.mid(pos);
    if (kept == before_) return Invalid;  // nothing new fits: no change at all
    input = kept;
    pos = kept_before_caret;
    return Acceptable;
}

}  // namespace quorvel
