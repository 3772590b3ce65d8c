#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <emscripten/val.h>

#include "frontend/control_name.h"
#include "calc/fields.h"
#include "events/dispatcher.h"
#include "frontend/typed_limit.h"
#include "web/page_link.h"
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
    // Takes over the calculator's elements, which the page holds as built,
    // and puts them in their creation state; end is called once the
    // calculator has been taken off the page.
    CalculatorPage(const emscripten::val& document, std::function<void()> end);
    ~CalculatorPage();
    CalculatorPage(const CalculatorPage&) = delete;
    CalculatorPage& operator=(const CalculatorPage&) = delete;

    // Raises the load event, then handles what the user did before.
    void Load();
    void Handle(const emscripten::val& event);

private:
    struct Copied {
        std::string text;
        std::string html;
        bool put = false;
    };

    void KeyDown(const emscripten::val& event);
    bool Stepped(const emscripten::val& event);
    void Shortcut(const emscripten::val& event);
    void Copy(std::string text, std::string html, const char* told);  // html: none for plain text only
    void CopyCircuit();
    void CopySolution();
    void ShowWhatChanged();
    void ShowSolution();
    void PutCopied(const emscripten::val& event);
    void Tell(const char* told);
    void EarlyEntryAction(const FieldElement& entry, const emscripten::val& action);
    void LinkEdited();
    void WriteLinkSoon();
    static void WriteLink(void* page);
    void Listen(bool listen);
    void Changed(Field field, int index, const std::string& type, EntryInput input = EntryInput::other,
                 const std::u16string& pasted = {});
    void EntryEvent(const std::string& type, const FieldElement& entry, const emscripten::val& event);
    bool ListOpen(const emscripten::val& target) const;
    void ResultBoxEvent(const std::string& type, emscripten::val box);
    void End();

    emscripten::val calculator_;
    emscripten::val document_;
    emscripten::val share_;  // the buttons that copy the circuit and its link, with what they tell
    emscripten::val solution_;  // the section of the worked solution, open or closed
    bool lists_tell_open_;  // whether the browser knows a chooser's list open (:open)
    WebFieldSet fields_;
    WebPlatform platform_;
    EventDispatcher events_;
    std::function<void()> end_;
    PageLink link_;
    long link_timer_ = 0;  // the link's write that waits for the event to be over; 0: none
    std::optional<Copied> copying_;  // what the copy the page raises puts on the clipboard
    std::u16string pasted_;  // what the paste or the drop the browser is doing puts in
};

}  // namespace quorvel
