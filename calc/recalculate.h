#pragma once

#include <array>
#include <string>

#include "calc/fields.h"

namespace quorvel {

// What one recalculation read and computed, in its order of operations, for
// whatever explains its results or varies its inputs: the numbers in base
// units (Ohm, A, V, W), as it held them before writing and scaling them.
struct Recalculation {
    // The groups of results in the order it completes them, as kResults.
    enum class Stage { total_resistance, total_voltage, voltage_drops, powers, total_power, done };

    std::array<double, kResistorCount> ohms{};  // each resistor: as its entry counts, or as given
    double amperes = 0;                         // the current, likewise
    // The text of txtRst after each pass: the running total, cut to 15
    // significant digits at every pass. The last is the total.
    std::array<std::string, kResistorCount> running_totals;
    double total_ohms = 0;  // the last read back: the total voltage and power come from it
    double total_volts = 0;
    std::array<double, kResistorCount> drops{};
    std::array<double, kResistorCount> powers{};  // each resistance × current × current
    double total_watts = 0;                       // total resistance × current × current
    // Where it stopped: the stage a run-time error stopped it in, and how
    // many of that stage's results (four drops or powers, else one) it had
    // computed by then; what it did not compute reads 0. done where it
    // completed.
    Stage reached = Stage::total_resistance;
    int computed = 0;
};

// Computes every result of the circuit from the four resistor entries, the
// current entry and their units, and writes each in its engineering unit.
// On a run-time error, the results the call did not complete are left empty
// and the error goes on to the caller.
void Recalculate(FieldSet& form);
// The same, telling what it read and computed: seen is filled as it goes,
// so that it holds as much as the call got through, error or not.
void Recalculate(FieldSet& form, Recalculation* seen);
// The same steps on given resistances and current, in base units, in place
// of the entries, which it does not read: what a variation of the inputs
// (a part's tolerance) computes. The results go into form as above.
void Recalculate(FieldSet& form, const std::array<double, kResistorCount>& ohms, double amperes,
                 Recalculation* seen);

// Whether the last recalculation was stopped by a run-time error: its last
// result, the total power, is then empty.
bool ResultsUndone(const FieldSet& form);

}  // namespace quorvel
