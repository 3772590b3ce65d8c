#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QTranslator>
#include <QWidget>

#include "events/dispatcher.h"
#include "frontend/circuit_text.h"
#include "frontend/held_field_set.h"
#include "ui/key_preview.h"
#include "ui/window_platform.h"

namespace quorvel {

// The calculator's window. Its entries and choosers are the only store of
// their texts; result and unit texts are held while an event runs and shown
// once it is over. The event handlers work on it as on any field set.
class frmQuorvel : public QWidget, public HeldFieldSet {
    Q_OBJECT
public:
    explicit frmQuorvel(QWidget* parent = nullptr);  // the controls in their creation state
    ~frmQuorvel() override;
    // Raises the load event, then opens the circuit from outside, if any:
    // what it makes too large to compute is told once the window shows.
    void Load(const std::optional<Circuit>& circuit = std::nullopt);

    std::string ListItem(Field chooser, int index, int item) const override;

protected:
    std::string ControlText(Field input, int index) const override;
    bool WriteControl(Field input, int index, const std::string& text) override;
    void SelectDefault(Field entry, int index) override;
    void WriteResultBoxes(const std::vector<ChangedResult>& results) override;
    NumberLocale ReadLocale() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void TellStandardValues(QObject* watched);

private:
    void BindEvents();
    void FocusMoved(QWidget* old, QWidget* now);

    PerElement<QWidget*> controls_;
    QTranslator toolkit_texts_;  // the toolkit's menus and buttons in Romanian, as the window speaks
    WindowPlatform platform_;
    EventDispatcher events_;
    KeyPreview key_preview_;
};

}  // namespace quorvel
