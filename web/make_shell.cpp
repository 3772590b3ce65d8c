// Writes the page's shell with the calculator in it as it stands once
// loaded, for the browser to paint before any script runs:
//     quorvel_make_shell SHELL_IN SHELL_OUT
// Built for Node.js, which runs it while the page is built.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "events/dispatcher.h"
#include "web/page_markup.h"

namespace {

constexpr std::string_view kPlaceholder = "<!-- calculator -->";

// Loading the defaults neither ends nor fails.
class Quiet final : public quorvel::Platform {
public:
    void End() override {}
    void ReportError(const quorvel::RuntimeError&) override {}
};

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
    std::string page = shell.str();
    const auto at = page.find(kPlaceholder);
    if (at == std::string::npos) {
        std::cerr << "quorvel_make_shell: " << argv[1] << " has no " << kPlaceholder << "\n";
        return 1;
    }

    quorvel::FieldModel fields;
    Quiet platform;
    quorvel::EventDispatcher events(fields, platform);
    quorvel::BindEvents(fields, events);
    events.Load();
    page.replace(at, kPlaceholder.size(), quorvel::CalculatorMarkup(fields));

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
