#pragma once

#include <array>
#include <vector>

#include <QDialog>

#include "frontend/window_logic.h"

class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace quorvel {

// A resistor's part read by its colour bands or its chip's code, in a small
// modal dialog: it forwards each choice to the window logic's picker
// (frontend/part_picker.h) and shows the state the logic returns; OK takes
// the value into the resistor's entry. Esc closes it and nothing else.
class PartPickerDialog : public QDialog {
    Q_OBJECT
public:
    PartPickerDialog(WindowLogic& logic, int resistor, QWidget* parent);

private:
    void Show(const PickerState& state);

    WindowLogic& logic_;
    const int resistor_;
    static constexpr std::size_t kMostBands = kBandCounts.back();

    QFormLayout* form_;
    QComboBox* count_;
    std::array<QComboBox*, kMostBands> bands_{};  // the rows of a smaller set hidden
    std::array<std::vector<Colour>, kMostBands> offered_;  // what each band's chooser lists now
    QLabel* picture_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLabel* read_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quorvel
