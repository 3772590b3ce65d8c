// The calculator as a web page: it takes over the calculator the page shows
// as built, and starts a copy of that when the user asks after Esc ended it.

#include <optional>
#include <string>

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "frontend/window_layout.h"
#include "web/calculator_page.h"

namespace {

using emscripten::val;
using quorvel::CalculatorPage;

std::optional<CalculatorPage> page;
std::string built;  // the calculator's markup as the page was built with it

val ById(const char* id) { return val::global("document").call<val>("getElementById", std::string(id)); }

// The line that tells the calculator has ended, with its button to start it again.
void ShowEnded(bool ended) {
    ById("ended").set("hidden", !ended);
    if (ended) ById("cmdRestart").call<void>("focus");
}

void Start() {
    ShowEnded(false);
    page.reset();
    if (ById("frmQuorvel").isNull()) ById("ended").call<void>("insertAdjacentHTML", std::string("afterend"), built);
    page.emplace(val::global("document"), [] { ShowEnded(true); });
    page->Load();
}

void Restart(val /*click*/) { Start(); }

void Handle(val event) {
    if (page) page->Handle(event);
}

}  // namespace

EMSCRIPTEN_BINDINGS(quorvel_page) {
    emscripten::function(quorvel::kEventListener, &Handle);
    emscripten::function("quorvelRestart", &Restart);
}

int main() {
    val::global("document").set("title", std::string(quorvel::layout::kTitle));
    built = ById("frmQuorvel")["outerHTML"].as<std::string>();
    ById("cmdRestart").call<void>("addEventListener", std::string("click"), val::module_property("quorvelRestart"));
    Start();
}
