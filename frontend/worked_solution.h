#pragma once

// The worked solution of the circuit, as an exercise asks for it: each
// result in the order the recalculation computes it, with its formula, the
// same formula with the inputs put in, in base units, the exact result in
// base units and, where it differs, the result as the window shows it (in
// its unit, marked "≈" where rounded); then the checks that the drops add
// up to the total voltage and the powers to the total power. The power is
// resistance × current × current, and the totals come from the total
// resistance, as the calculator computes them. Numbers are whole, in the
// settings' form, beside the window's unit words. Built only when it is
// shown or copied.

#include <string>
#include <vector>

#include "calc/fields.h"

namespace quorvel {

struct SolutionStep {
    std::string name;     // in Romanian: "Rezistența totală"
    // Formula and values in one notation: "_1" a subscript, "^2" a square.
    std::string formula;  // "R = R_1 + R_2 + R_3 + R_4"
    std::string values;   // "4700 Ohm + 2200 Ohm + 1000000 Ohm + 470 Ohm"
    std::string result;   // "1007370 Ohm"
    std::string shown;    // "1,007 MOhm"; empty where it is the result itself
    bool rounded = false; // shown rounded: "≈" rather than "="
    std::string note;     // what a check or a stop has to say
};

struct WorkedSolution {
    std::vector<SolutionStep> steps;
    bool complete = true;  // false: a result too large to compute stopped it, as its last step says
};

WorkedSolution SolveCircuit(const FieldSet& form);

std::string SolutionText(const WorkedSolution& solution);  // a line for each step
// A list, subscripts and squares set as such: alone, for a page to show;
// under its heading, for the clipboard.
std::string SolutionList(const WorkedSolution& solution);
std::string SolutionHtml(const WorkedSolution& solution);

}  // namespace quorvel
