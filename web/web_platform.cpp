#include "web/web_platform.h"

#include <string>

#include <emscripten/eventloop.h>
#include <emscripten/val.h>

#include "frontend/error_message.h"

namespace quorvel {

WebPlatform::~WebPlatform() { emscripten_clear_timeout(pause_timer_); }

void WebPlatform::End() {
    if (ended_) return;
    ended_ = true;
    emscripten_clear_timeout(pause_timer_);
    pause_timer_ = 0;
    end_();
}

void WebPlatform::ReportError(const RuntimeError& error) {
    if (!shown_) {
        if (!held_) held_ = error;
        return;
    }
    using emscripten::val;
    const val document = val::global("document");
    document.call<val>("getElementById", std::string("lblErrorTitle")).set("textContent", std::string(kErrorTitle));
    document.call<val>("getElementById", std::string("lblErrorText")).set("textContent", ErrorMessage(error));
    val dialog = document.call<val>("getElementById", std::string("dlgError"));
    if (!dialog["open"].as<bool>()) dialog.call<void>("showModal");
}

void WebPlatform::Shown() {
    shown_ = true;
    if (held_) ReportError(*std::exchange(held_, std::nullopt));
}

void WebPlatform::AwaitPause(std::chrono::milliseconds pause) {
    if (ended_) return;
    emscripten_clear_timeout(pause_timer_);
    pause_timer_ = emscripten_set_timeout(&WebPlatform::Paused, static_cast<double>(pause.count()), this);
}

void WebPlatform::Paused(void* platform) {
    auto& self = *static_cast<WebPlatform*>(platform);
    self.pause_timer_ = 0;
    self.paused_();
}

}  // namespace quorvel
