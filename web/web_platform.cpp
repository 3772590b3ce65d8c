#include "web/web_platform.h"

#include <string>

#include <emscripten/val.h>

#include "frontend/error_message.h"

namespace quorvel {

void WebPlatform::End() {
    if (ended_) return;
    ended_ = true;
    end_();
}

void WebPlatform::ReportError(const RuntimeError& error) {
    if (quiet_) return;
    using emscripten::val;
    const val document = val::global("document");
    document.call<val>("getElementById", std::string("lblErrorTitle")).set("textContent", std::string(kErrorTitle));
    document.call<val>("getElementById", std::string("lblErrorText")).set("textContent", ErrorMessage(error));
    val dialog = document.call<val>("getElementById", std::string("dlgError"));
    if (!dialog["open"].as<bool>()) dialog.call<void>("showModal");
}

}  // namespace quorvel
