#pragma once

#include <array>
#include <optional>
#include <string>

#include <QTranslator>
#include <QWidget>

#include "calc/fields.h"
#include "events/dispatcher.h"
#include "ui/key_preview.h"
#include "ui/window_platform.h"

namespace quorvel {

// The calculator's window. Its entries and choosers are the only store of
// their texts; result and unit texts are held while an event runs and shown
// once it is over. The event handlers work on it as on any field set.
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
    // A result or unit text: what its control shows, and what was written
    // while an event runs and is not shown yet.
    struct ResultText {
        std::string shown;
        std::string held;
        bool is_held = false;
        const std::string& Current() const { return is_held ? held : shown; }
    };

    void BindEvents();
    template <class Event>
    void RunEvent(Event event);
    void ShowHeld();
    QWidget* FieldControl(Field field, int index) const;
    ResultText& Result(Field field, int index);
    const ResultText& Result(Field field, int index) const;

    std::array<std::array<QWidget*, kResistorCount>, kFieldCount> fields_{};
    std::array<std::array<ResultText, kResistorCount>, kFieldCount> results_{};
    QTranslator toolkit_texts_;  // the toolkit's menus and buttons in Romanian, as the window speaks
    WindowPlatform platform_;
    EventDispatcher events_;
    KeyPreview key_preview_;
    int event_depth_ = 0;   // events running, nested ones included
    mutable std::optional<NumberLocale> event_locale_;  // the regional settings as the running event found them
    bool writing_ = false;  // a handler is writing a control: its signals are not the user's
};

}  // namespace quorvel
