#include "frontend/circuit_answer.h"

#include "events/dispatcher.h"
#include "frontend/circuit_from_outside.h"
#include "frontend/circuit_table.h"
#include "frontend/error_message.h"
#include "frontend/parts_list.h"
#include "frontend/worked_solution.h"

namespace quorvel {
namespace {

// Nothing to end, nobody typing to wait for; a report is what standard
// error says.
class Answering : public Platform {
public:
    void End() override {}
    void ReportError(const RuntimeError& error) override { told = ErrorMessage(error); }
    void AwaitPause(std::chrono::milliseconds) override {}
    std::string told;
};

}  // namespace

CircuitAnswer AnswerCircuit(const Circuit& circuit, Answered what, const NumberLocale& locale, Tolerance tolerance) {
    FieldModel fields(locale);
    Answering platform;
    EventDispatcher events(fields, platform);
    BindEvents(fields, events);
    events.Load();
    OpenCircuit(circuit, fields, events);
    switch (what) {
        case Answered::table: return {TabSeparated(CircuitTable(fields)), platform.told};
        case Answered::solution: return {SolutionText(SolveCircuit(fields)), platform.told};
        case Answered::parts: return {PartsText(ListParts(fields, tolerance)), platform.told};
    }
    return {};
}

}  // namespace quorvel
