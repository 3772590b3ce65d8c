#pragma once

#include <functional>
#include <string>

#include <emscripten/val.h>

#include "frontend/window_logic.h"
#include "web/page_view.h"
#include "web/part_choosers.h"

namespace quorvel {

// The name under which the page's event listeners reach C++.
inline constexpr const char* kEventListener = "quorvelEvent";

// The calculator on the page, as the window is on the desktop: its elements,
// the view over them and the window logic, to which each event of theirs
// that can change something goes once, through Handle.
class CalculatorPage {
public:
    // Takes over the calculator's elements, which the page holds as built,
    // and puts them in their creation state; end is called once the
    // calculator has been taken off the page.
    CalculatorPage(const emscripten::val& document, std::function<void()> end);
    ~CalculatorPage();
    CalculatorPage(const CalculatorPage&) = delete;
    CalculatorPage& operator=(const CalculatorPage&) = delete;

    // Raises the load event, then does what the user did before.
    void Load();
    void Handle(const emscripten::val& event);

private:
    void Dispatch(const emscripten::val& event);
    void Listen(bool listen);
    void KeyDown(const emscripten::val& event);
    void Input(const layout::Control& entry, const emscripten::val& event);
    void Focus(const std::string& type, const emscripten::val& event);
    void EarlyAction(const emscripten::val& action);
    void RunButton(const emscripten::val& target);
    void Ended();

    emscripten::val document_;
    emscripten::val calculator_;
    emscripten::val share_;     // the buttons that copy the circuit, its link and its solution, with what they tell
    emscripten::val solution_;  // the section of the worked solution, open or closed
    bool lists_tell_open_;      // whether the browser knows a chooser's list open (:open)
    std::function<void()> end_;
    PageView view_;
    WindowLogic logic_;
    PartChoosers choosers_;
    std::u16string pasted_;  // what the paste or the drop the browser is doing puts in
};

}  // namespace quorvel
