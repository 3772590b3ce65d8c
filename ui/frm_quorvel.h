#pragma once

#include <optional>
#include <string>

#include <QTranslator>
#include <QWidget>

#include "frontend/circuit_text.h"
#include "frontend/window_logic.h"
#include "ui/key_preview.h"
#include "ui/widget_view.h"

namespace quorvel {

// The calculator's window on Qt Widgets: its controls, built from the layout
// table, bound to the window logic (frontend/window_logic.h), which decides
// what the window does. As a field set it is what the logic holds: the
// texts its controls show.
class frmQuorvel : public QWidget, public FieldSet {
    Q_OBJECT
public:
    explicit frmQuorvel(QWidget* parent = nullptr);  // the controls in their creation state
    ~frmQuorvel() override;
    // Raises the load event, then opens the circuit from outside, if any:
    // what it makes too large to compute is told once the window shows.
    void Load(const std::optional<Circuit>& circuit = std::nullopt);

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override { return logic_.Fields().Text(field, index); }
    void SetText(Field field, int index, const std::string& text) override { logic_.SetText(field, index, text); }
    std::string ListItem(Field chooser, int index, int item) const override {
        return logic_.Fields().ListItem(chooser, index, item);
    }
    NumberLocale Locale() const override { return logic_.Fields().Locale(); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FocusMoved(QWidget* old, QWidget* now);

    QTranslator toolkit_texts_;  // the toolkit's menus and buttons in Romanian, as the window speaks
    WidgetView view_;
    WindowLogic logic_;
    KeyPreview key_preview_;
};

}  // namespace quorvel
