#pragma once

#include <QLineEdit>
#include <QValidator>

namespace quorvel {

// Limits what the user types or pastes into a line edit to a number of
// characters, as a maximum length would, but leaves texts written by the
// program whole: a longer text stays, it only cannot grow by typing.
class TypedLengthLimit : public QValidator {
    Q_OBJECT
public:
    TypedLengthLimit(int limit, QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

private:
    int limit_;
    QString before_;  // the text before the edit being validated
};

}  // namespace quorvel
