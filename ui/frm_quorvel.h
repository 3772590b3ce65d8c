#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "calc/fields.h"
#include "events/dispatcher.h"
#include "ui/key_preview.h"
#include "ui/window_platform.h"

namespace quorvel {

// The calculator's window. Its entries and choosers are the only store of
// their texts; the event handlers work on it as on any field set.
class frmQuorvel : public QWidget, public FieldSet {
    Q_OBJECT
public:
    explicit frmQuorvel(QWidget* parent = nullptr);  // the controls in their creation state
    void Load();                                     // raises the load event

    using FieldSet::SetText;
    std::string Text(Field field, int index = 0) const override;
    void SetText(Field field, int index, const std::string& text) override;
    std::string ListItem(Field chooser, int index, int item) const override;
    NumberLocale Locale() const override;

private:
    // A result or unit text written while an event runs, not yet shown.
    struct Held {
        std::string text;
        bool held = false;
    };

    void BindEvents();
    template <class Event>
    void RunEvent(Event event);
    void ShowHeld();
    QWidget* FieldControl(Field field, int index) const;
    Held& HeldText(Field field, int index);
    const Held& HeldText(Field field, int index) const;

    std::array<std::array<QWidget*, kResistorCount>, kFieldCount> fields_{};
    std::array<std::array<Held, kResistorCount>, kFieldCount> held_{};
    WindowPlatform platform_;
    EventDispatcher events_;
    KeyPreview key_preview_;
    int event_depth_ = 0;   // events running, nested ones included
    bool writing_ = false;  // a handler is writing a control: its signals are not the user's
};

}  // namespace quorvel
