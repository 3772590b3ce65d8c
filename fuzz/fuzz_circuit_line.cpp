// A circuit line as a link or the command line brings it, any bytes: the
// first byte picks the regional settings, the rest is the line. Opened,
// it leaves the calculator sound; its table and the line written back never
// fail; that line reads whole and enters as the same circuit. Asked for its
// table or its parts on the command line, it is answered, or refused with
// what did not read, and what is said of it shows as it stands.

#include <cstdint>
#include <string>

#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_table.h"
#include "frontend/circuit_text.h"
#include "test_support/headless_calculator.h"
#include "test_support/kept_output.h"
#include "test_support/soundness.h"
#include "fuzz/check.h"
#include "fuzz/input.h"
#include "fuzz/locales.h"

namespace {

// The status says what the streams hold: the answer, or only why not,
// shown as it stands and short, whatever the line; a parts list never
// shows a figure that is no number.
void CheckCommandLine(const std::string& line, const quorvel::NumberLocale& locale) {
    using namespace quorvel;
    for (const std::string request : {"--table", "--parts"}) {
        testing::KeptOutput out, err;
        const ProgramStart start =
            RunCommandLine(std::vector<std::string>{request, line}, {"1.00", [&locale] { return locale; }, out, err});
        const std::optional<Circuit> circuit = ReadCircuit(line);
        const bool refused = !circuit || !circuit->Whole();
        const int answered = start.exit == kExitNotComputed ? kExitNotComputed : kExitDone;
        FUZZ_CHECK(start.exit == (!circuit ? kExitWrongCommandLine : refused ? kExitPartNotRead : answered));
        FUZZ_CHECK(out.kept.empty() == refused && err.kept.empty() == (start.exit == kExitDone));
        FUZZ_CHECK(testing::Shown(err.kept) && err.kept.size() < 4096);
        FUZZ_CHECK(out.kept.find("inf") == std::string::npos && out.kept.find("nan") == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    fuzzing::Input input(data, size);
    const auto& locale = fuzzing::kSoundLocales[input.Pick(static_cast<int>(fuzzing::kSoundLocales.size()))];
    const std::string line = input.Rest();
    try {
        testing::HeadlessCalculator calculator(locale);
        calculator.events.Load();
        if (const auto circuit = ReadCircuit(line)) OpenCircuit(*circuit, calculator.fields, calculator.events);
        const std::string wrong = testing::Unsoundness(calculator.fields.model, calculator.platform.reports);
        if (!wrong.empty()) FUZZ_FAIL(wrong.c_str());
        FUZZ_CHECK(!TabSeparated(CircuitTable(calculator.fields)).empty());
        CheckCommandLine(line, locale);

        const std::string written = CircuitLine(calculator.fields);
        const std::optional<Circuit> again = ReadCircuit(written);
        if (!again || !again->Whole()) FUZZ_FAIL(("the line written does not read whole: " + written).c_str());
        testing::HeadlessCalculator copy(locale);
        copy.events.Load();
        EnterCircuit(*again, copy.fields, copy.events);
        if (CircuitLine(copy.fields) != written) FUZZ_FAIL(("the line written enters as another: " + written).c_str());
    } catch (...) {
        FUZZ_FAIL("an error got past the dispatch point");
    }
    return 0;
}
