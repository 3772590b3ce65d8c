#pragma once

#include <functional>
#include <string>
#include <utility>

#include <emscripten/val.h>

#include "calc/fields.h"
#include "events/dispatcher.h"
#include "web/web_field_set.h"
#include "web/web_platform.h"

namespace quorvel {

// The name under which the page's one event listener reaches C++.
inline constexpr const char* kEventListener = "quorvelEvent";

// The calculator on the page, as the window is on the desktop: its elements,
// the field set over them, the platform and the one dispatch point. Every
// event of its elements enters through Handle.
class CalculatorPage {
public:
    // The calculator in its creation state, at the top of the page; end is
    // called once the calculator has been taken off the page.
    CalculatorPage(const emscripten::val& document, std::function<void()> end);
    ~CalculatorPage();
    CalculatorPage(const CalculatorPage&) = delete;
    CalculatorPage& operator=(const CalculatorPage&) = delete;

    // Raises the load event; then the first entry has the focus, its text selected.
    void Load();
    void Handle(const emscripten::val& event);

private:
    void KeyDown(const emscripten::val& event);
    void ResultBoxEvent(const std::string& type, emscripten::val box);
    void End();

    emscripten::val calculator_;
    WebFieldSet fields_;
    WebPlatform platform_;
    EventDispatcher events_;
    std::function<void()> end_;
};

}  // namespace quorvel
