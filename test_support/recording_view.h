#pragma once

// A front end without a toolkit, for tests and fuzzing of the window logic:
// it records, one line each, what the logic asks of it ("txtRs(1) = 931",
// "cboRs(1) picks 1", "txtRs(1) selects 0-end", "report …") and keeps what
// its entries show, as a toolkit would.

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frontend/window_logic.h"
#include "frontend/window_view.h"
#include "test_support/locales.h"

namespace quorvel::testing {

// Every character 8 units wide; a box's room is its width in pixels less 6.
class RecordingView final : public WindowView {
public:
    RecordingView() {  // the entries as they are created
        for (const Field entry : {Field::txtRs, Field::txtIst}) {
            for (int i = 0; i < CountOf(entry); ++i) texts[&layout::ControlOf(entry, i)] = layout::ControlOf(entry, i).text;
        }
    }

    std::vector<std::string> seen;
    std::map<const layout::Control*, std::string> texts;  // what the entries show
    const layout::Control* focused = nullptr;
    bool page = false;  // tooltips unasked, values told, an address, a solution; Ctrl+Shift+R the browser's
    bool refuses_copies = false;
    std::string address = "file:///quorvel.html";
    std::function<void()> during_apply;  // what the toolkit tells while it takes the writes
    NumberLocale locale = kDotLocale;

    static std::string Name(const layout::Control* control) {
        return control ? ControlName(control->name, control->index) : "-";
    }
    std::string ControlText(const layout::Control& entry) const override { return texts.at(&entry); }
    const layout::Control* Focused() const override { return focused; }
    void Focus(const layout::Control& control) override {
        focused = &control;
        seen.push_back("focus " + Name(&control));
    }
    void Apply(const std::vector<ViewWrite>& writes) override {
        using Kind = ViewWrite::Kind;
        for (const ViewWrite& w : writes) {
            const std::string name = Name(w.control);
            const std::string text(w.text);
            switch (w.kind) {
                case Kind::text: seen.push_back(name + " = " + text); texts[w.control] = text; break;
                case Kind::pick: seen.push_back(name + " picks " + std::to_string(w.item)); break;
                case Kind::select:
                    seen.push_back(name + " selects " + std::to_string(w.start) + "-" + (w.end < 0 ? "end" : std::to_string(w.end)));
                    break;
                case Kind::draw: seen.push_back(name + (w.cut ? " draws " + text + " at " + std::to_string(w.size).substr(0, 4) : " draws whole")); break;
                case Kind::tooltip: seen.push_back(name + " tooltip " + text); break;
                case Kind::describe: seen.push_back(name + " says " + (w.value.empty() ? std::string(w.spoken).substr(0, 16) : std::string(w.value))); break;
                case Kind::solution: seen.push_back("solution " + text.substr(0, 30)); break;
                case Kind::parts: seen.push_back("parts " + std::to_string(w.item) + " " + text.substr(0, 30)); break;
            }
        }
        if (during_apply) during_apply();
    }
    NumberLocale ReadLocale() const override { return locale; }
    BoxRoom Room(const layout::Control& box) const override { return {layout::Pixels(box.width) - 6.0, 2, true, 0}; }
    double TextWidth(const layout::Control&, std::string_view text, double size) const override {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        return 8.0 * static_cast<double>(characters) * size;
    }
    bool Copy(const std::string& text, const std::string& html) override {
        seen.push_back("copy " + text.substr(0, text.find('\n')) + (html.empty() ? "" : " +html"));
        return !refuses_copies;
    }
    void Tell(const std::string& told) override { seen.push_back("tell " + told); }
    void ShowReport(std::string_view, const std::string& text) override { seen.push_back("report " + text.substr(0, 20)); }
    void StartTimer(Timer timer, std::chrono::milliseconds after) override {
        seen.push_back(std::string(timer == Timer::pause ? "pause" : "address") + " in " + std::to_string(after.count()));
    }
    void StopTimer(Timer) override {}
    void End() override { seen.push_back("end"); }
    bool AsksForTooltips() const override { return !page; }
    bool TellsValues() const override { return page; }
    bool HasAddress() const override { return page; }
    std::string ReadAddress() const override { return address; }
    void WriteAddress(const std::string& fragment) override {
        address = "file:///quorvel.html#" + fragment;
        seen.push_back("address " + fragment);
    }
    bool ShowsSolution() const override { return page; }
    bool ShowsParts() const override { return page; }
    bool KeepsKeys(int code, int modifiers) const override { return page && code == 'R' && (modifiers & kCtrlMask); }
};

}  // namespace quorvel::testing
