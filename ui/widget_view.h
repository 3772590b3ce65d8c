#pragma once

#include <array>

#include <QTimer>
#include <QWidget>

#include "frontend/window_logic.h"
#include "frontend/window_view.h"

namespace quorvel {

// The window logic's view over the window's Qt widgets (frontend/window_view.h):
// it reads and writes them as the logic asks, and forwards their signals to
// the logic. It decides nothing.
class WidgetView final : public WindowView {
public:
    explicit WidgetView(QWidget& window);

    // The window's widgets, as built from the layout table, bound to the
    // logic: their edits, picks, clicks, menus, tooltips and boxes' moves.
    void Bind(WindowLogic& logic);
    // The control of one of the window's widgets, if any.
    const layout::Control* ControlOf(const QObject* widget) const;
    QWidget* Widget(const layout::Control& control) const { return widgets_[static_cast<std::size_t>(layout::IndexOf(control))]; }

    std::string ControlText(const layout::Control& entry) const override;
    const layout::Control* Focused() const override;
    void Focus(const layout::Control& control) override;
    void Apply(const std::vector<ViewWrite>& writes) override;
    NumberLocale ReadLocale() const override;
    BoxRoom Room(const layout::Control& box) const override;
    double TextWidth(const layout::Control& box, std::string_view text, double size) const override;
    bool Copy(const std::string& text, const std::string& html) override;
    void Tell(const std::string&) override {}  // the window has no line for it
    void ShowReport(std::string_view title, const std::string& text) override;
    void StartTimer(Timer timer, std::chrono::milliseconds after) override;
    void StopTimer(Timer timer) override;
    void End() override;

private:
    QWidget& window_;
    std::array<QWidget*, layout::kControlCount> widgets_{};
    QTimer* pause_;  // the window's, named "pause"
};

}  // namespace quorvel
