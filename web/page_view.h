#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <emscripten/val.h>

#include "frontend/text_widths.h"
#include "frontend/window_logic.h"
#include "frontend/window_view.h"

namespace quorvel {

// An element of the page, by its id (null: none).
emscripten::val ElementById(const emscripten::val& document, std::string_view id);

// The window logic's view over the page's elements (frontend/window_view.h):
// it reads and writes them as the logic asks, and measures them when the
// layout changes. It decides nothing; what it draws of its own (an entry's
// long text using its padding, a cut result's mark) follows what the logic
// decided.
class PageView final : public WindowView {
public:
    // Takes over the calculator's elements in the document, in their
    // creation state; end is called once the page has taken them away.
    PageView(const emscripten::val& document, std::function<void()> end);
    ~PageView() override;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    void Bind(WindowLogic& logic) { logic_ = &logic; }
    const emscripten::val& Element(const layout::Control& control) const {
        return elements_[static_cast<std::size_t>(layout::IndexOf(control))];
    }
    // The control an element of the calculator is, if any.
    const layout::Control* ControlOf(const emscripten::val& element) const;
    // The page has changed its layout: what it measured is measured again.
    void Relayout();
    // An entry's text changed: a text too long for its padding takes it.
    void FitEntry(const layout::Control& entry, std::string_view text);
    // A copy the page raised: what it puts on the clipboard.
    void PutCopied(const emscripten::val& event);
    bool Ended() const { return ended_; }

    std::string ControlText(const layout::Control& entry) const override;
    const layout::Control* Focused() const override;
    void Focus(const layout::Control& control) override;
    void Apply(const std::vector<ViewWrite>& writes) override;
    NumberLocale ReadLocale() const override;
    BoxRoom Room(const layout::Control& box) const override;
    double TextWidth(const layout::Control& box, std::string_view text, double size) const override;
    bool Copy(const std::string& text, const std::string& html) override;
    void Tell(const std::string& told) override;
    void ShowReport(std::string_view title, const std::string& text) override;
    void StartTimer(Timer timer, std::chrono::milliseconds after) override;
    void StopTimer(Timer timer) override;
    void End() override;

    bool AsksForTooltips() const override { return false; }
    bool TellsValues() const override { return true; }
    bool HasAddress() const override { return true; }
    std::string ReadAddress() const override;
    void WriteAddress(const std::string& fragment) override;
    bool ShowsSolution() const override { return true; }
    bool ShowsParts() const override { return true; }
    bool KeepsKeys(int code, int modifiers) const override;

private:
    struct Measured {
        std::string font;  // the box's font as a canvas takes it, at its own size
        std::string face, family;  // what stands before and after its size
        double font_size = 0;
        double room = 0;
        int font_id = 0;
    };
    const Measured& MeasuredOf(const layout::Control& box) const;
    std::int32_t Fit(const layout::Control& entry, std::string_view text);
    // The flags of ApplyWrites.
    static constexpr std::int32_t kCut = 1, kScroll = 2, kLabel = 4, kLong = 8, kFit = 16;
    static void Elapsed(void* timer);

    emscripten::val document_;
    std::function<void()> end_;
    std::vector<emscripten::val> elements_ = std::vector<emscripten::val>(layout::kControlCount, emscripten::val::undefined());
    mutable emscripten::val measure_;  // a canvas's context, which measures texts in a box's font
    mutable std::array<std::optional<Measured>, layout::kControlCount> measured_;
    mutable std::vector<std::string> fonts_;  // each font met, its place its number
    TextWidths entry_widths_;
    std::array<std::optional<bool>, layout::kControlCount> long_;  // an entry's text takes its padding
    std::vector<std::int32_t> packed_;  // the writes as ApplyWrites takes them
    mutable std::string measured_font_;  // the font measure_ has
    WindowLogic* logic_ = nullptr;
    struct Waiting {
        PageView* view;
        Timer timer;
        long id = 0;  // 0: none
    };
    std::array<Waiting, 2> timers_{{{this, Timer::pause}, {this, Timer::address}}};
    struct Copying {
        std::string text;
        std::string html;
        bool put = false;
    };
    std::optional<Copying> copying_;  // what the copy the page raises puts on the clipboard
    bool ended_ = false;
};

}  // namespace quorvel
