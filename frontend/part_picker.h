#pragma once

// Choosing a resistor's value from the part in hand: by its colour bands,
// each band offering only the colours it can have, or by the code printed
// on a chip. What the user touched last counts: a band picked reads the
// bands, a code typed reads the code. The value shows as it forms, with its
// tolerance; once it has formed, it can be taken into the resistor's entry
// (WindowLogic::PickerTaken). Alike in the window's dialog, the page's parts
// section and the Windows program's dialog.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frontend/colour_code.h"
#include "frontend/smd_code.h"

namespace quorvel {

// A band set's count as its chooser offers it: "4 benzi", and its place
// in that chooser, the order of kBandCounts (-1: a count not offered).
std::string BandCountText(int count);
int BandCountItem(int count);

struct PickerBand {
    std::vector<Colour> offered;  // in the order of its chooser
    int picked = -1;              // into offered; -1: none yet
};

// What a front end shows of a picker, all of it made here.
struct PickerState {
    int count = 4;  // of kBandCounts
    std::vector<PickerBand> bands;
    std::string code;           // as typed
    bool by_code = false;       // the code is what counts
    std::string read;           // "4,7 kOhm ±1 %", why a code does not read, or empty
    std::optional<Magnitude> value;  // what taking enters; none till it has formed
    // The bands drawn on the picture of the part, none where a band is not
    // picked yet; none at all for a code, as a chip has no bands.
    std::vector<std::optional<Colour>> drawn;
};

class PartPicker {
public:
    // At the bands of the value, where it has a colour code of its own
    // at the tolerance; else, and for 0, four bands, none picked.
    void Start(Magnitude value, Tolerance tolerance, const NumberLocale& locale);
    // A count not offered changes nothing. The figures and the multiplier
    // already picked stay where the new set has them.
    void SetCount(int count);
    void Pick(int band, int item);
    void SetCode(std::string_view code);
    void SetLocale(const NumberLocale& locale);

    const PickerState& State() const { return state_; }

private:
    void Read();

    PickerState state_;
    NumberLocale locale_;
};

}  // namespace quorvel
