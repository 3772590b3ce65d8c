// Writes the page's shell with the calculator in it as it stands once
// loaded, for the browser to paint before any script runs, the page's own
// texts from the catalogue, and the widths, fonts and colours its style and
// its scale take from the window's layout:
//     quorvel_make_shell SHELL_IN SHELL_OUT
// Built for Node.js, which runs it while the page is built.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "events/dispatcher.h"
#include "frontend/html_escape.h"
#include "frontend/resistor_drawing.h"
#include "frontend/texts.h"
#include "frontend/window_layout.h"
#include "web/page_markup.h"
#include "web/phone_layout.h"

namespace {

// The page's margin around the calculator, in CSS pixels. A screen narrower
// than the window's layout and both margins takes the phone layout.
constexpr int kMargin = 16;
constexpr int kWindowWidth = quorvel::layout::Pixels(quorvel::layout::kClientWidth);
constexpr int kWidestPhone = kWindowWidth + 2 * kMargin - 1;

// Loading the defaults neither ends nor fails.
class Quiet final : public quorvel::Platform {
public:
    void End() override {}
    void ReportError(const quorvel::RuntimeError&) override {}
    void AwaitPause(std::chrono::milliseconds) override {}
};

std::string CalculatorLoaded() {
    quorvel::FieldModel fields;
    Quiet platform;
    quorvel::EventDispatcher events(fields, platform);
    quorvel::BindEvents(fields, events);
    events.Load();
    return quorvel::CalculatorMarkup(fields);
}

// Every place the placeholder stands; none fails.
bool Fill(std::string& page, std::string_view placeholder, const std::string& text, const char* shell) {
    auto at = page.find(placeholder);
    if (at == std::string::npos) {
        std::cerr << "quorvel_make_shell: " << shell << " has no " << placeholder << "\n";
        return false;
    }
    for (; at != std::string::npos; at = page.find(placeholder, at + text.size())) page.replace(at, placeholder.size(), text);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quorvel_make_shell SHELL_IN SHELL_OUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream shell;
    if (!in || !(shell << in.rdbuf())) {
        std::cerr << "quorvel_make_shell: cannot read " << argv[1] << "\n";
        return 1;
    }
    using quorvel::layout::Font;
    namespace texts = quorvel::texts;
    const auto text = [](std::string_view said) { return quorvel::HtmlEscaped(said); };
    const std::pair<std::string_view, std::string> filled[] = {
        {"/* margin */", std::to_string(kMargin) + "px"},
        {"/* widest phone */", std::to_string(kWidestPhone) + "px"},
        {"/* window width */", std::to_string(kWindowWidth) + "px"},
        {"/* narrowest wide */", std::to_string(kWidestPhone + 1) + "px"},
        {"/* window font */", quorvel::FontOf(Font::window)},
        {"/* window size */", quorvel::SizeOf(Font::window)},
        {"/* window colour */", quorvel::CssColour(quorvel::layout::kBackground)},
        {"/* text colour */", quorvel::CssColour(quorvel::layout::kTextColour)},
        {"/* phone font */", quorvel::PhoneFontOf(Font::window)},
        {"/* phone size */", std::to_string(quorvel::phone::PhonePixels(Font::window)) + "px"},
        {"/* phone caption size */", std::to_string(quorvel::phone::PhonePixels(Font::caption)) + "px"},
        {"/* picture height */", std::to_string(static_cast<int>(quorvel::kPictureHeight)) + "px"},
        {"<!-- title -->", text(quorvel::layout::kTitle)},
        {"<!-- heading -->", text(texts::kPageHeading)},
        {"<!-- ended -->", text(texts::kEnded)},
        {"<!-- start again -->", text(texts::kStartAgain)},
        {"<!-- command buttons -->", quorvel::CommandButtonsMarkup()},
        {"<!-- solution -->", text(texts::kSolution)},
        {"<!-- parts heading -->", text(texts::kParts)},
        {"<!-- parts -->", quorvel::PartsMarkup()},
        {"<!-- report button -->", text(texts::kReportButton)},
        {"<!-- calculator -->", CalculatorLoaded()},
    };
    std::string page = shell.str();
    for (const auto& [placeholder, by] : filled) {
        if (!Fill(page, placeholder, by, argv[1])) return 1;
    }

    // A shell cut short must not be built into the page: the build fails,
    // and make deletes what was written.
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    out.close();
    if (!out) {
        std::cerr << "quorvel_make_shell: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
