#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "calc/fields.h"
#include "ui/dispatcher.h"
#include "ui/key_preview.h"
#include "ui/window_platform.h"

namespace quorvel {

// The calculator's window. The entries and choosers keep their texts in
// their controls; the results and unit words are kept here while an event
// runs and shown once it returns, so that a recalculation writes each
// control once, with its final text, and repaints only what changed. The
// event handlers work on it as on any field set.
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
    // Holds back the display of results while it lives, and shows them when
    // the outermost one ends.
    class ResultsShownAfter;
    // The window's platform, which shows the results before it reports an
    // error, since the report waits for the user.
    class ShowingPlatform : public Platform {
    public:
        explicit ShowingPlatform(frmQuorvel& form) : form_(form) {}
        void End() override { form_.platform_.End(); }
        void ReportError(const RuntimeError& error) override;

    private:
        frmQuorvel& form_;
    };

    void BindEvents();
    QWidget* FieldControl(Field field, int index) const;
    void ShowResults();

    std::array<std::array<QWidget*, kResistorCount>, kFieldCount> fields_{};
    // Result and unit texts as last written, and whether their controls show them yet.
    std::array<std::array<std::string, kResistorCount>, kFieldCount> results_{};
    std::array<std::array<bool, kResistorCount>, kFieldCount> unshown_{};
    int holding_ = 0;  // live ResultsShownAfter
    WindowPlatform platform_;
    ShowingPlatform showing_platform_;
    EventDispatcher events_;
    KeyPreview key_preview_;
    bool writing_ = false;  // a handler is writing a control: its signals are not the user's
};

}  // namespace quorvel
