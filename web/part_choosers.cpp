#include "web/part_choosers.h"

#include <algorithm>
#include <optional>

#include "frontend/html_escape.h"
#include "frontend/texts.h"
#include "web/page_view.h"

namespace quorvel {
namespace {

using emscripten::val;

// A chooser's pick, if it is one of the n it offers.
std::optional<int> PickOf(const val& chooser, std::size_t n) {
    const int item = chooser["selectedIndex"].as<int>();
    if (item < 0 || static_cast<std::size_t>(item) >= n) return std::nullopt;
    return item;
}

// A band's chooser's options: none, then the colours it offers by name.
std::string BandOptions(const std::vector<Colour>& offered) {
    std::string options = "<option>" + HtmlEscaped(texts::kNoColour) + "</option>";
    for (const Colour colour : offered) options += "<option>" + HtmlEscaped(CodeOf(colour).name) + "</option>";
    return options;
}

}  // namespace

PartChoosers::PartChoosers(const val& document, WindowLogic& logic)
    : logic_(logic),
      section_(ElementById(document, "parts")),
      choosers_(ElementById(document, kPartsChoosersId)),
      tolerance_(ElementById(document, kToleranceId)) {
    for (int k = 0; k < kResistorCount; ++k) {
        Picker& picker = pickers_[static_cast<std::size_t>(k)];
        picker.count = ElementById(document, PartId(PartElement::band_count, k));
        picker.code = ElementById(document, PartId(PartElement::code, k));
        picker.picked = ElementById(document, PartId(PartElement::picked, k));
        picker.put = ElementById(document, PartId(PartElement::put, k));
        for (int band = 0; band < kMostBands; ++band) {
            Band& chooser = picker.bands[static_cast<std::size_t>(band)];
            chooser.chooser = ElementById(document, PartId(PartElement::band, k, band));
            chooser.swatch = ElementById(document, PartId(PartElement::swatch, k, band));
            chooser.row = chooser.chooser["parentElement"]["parentElement"];
        }
    }
    // A calculator started again starts at its own tolerance.
    const auto tolerance = std::find(kCircuitTolerances.begin(), kCircuitTolerances.end(), logic_.CircuitTolerance());
    tolerance_.set("selectedIndex", static_cast<int>(tolerance - kCircuitTolerances.begin()));
}

void PartChoosers::Listen(bool listen, const val& listener) {
    const std::string method = listen ? "addEventListener" : "removeEventListener";
    for (const char* type : {"toggle", "change", "input", "click"}) section_.call<void>(method.c_str(), std::string(type), listener);
    choosers_.set("disabled", !listen);
}

void PartChoosers::Shown() {
    open_ = section_["open"].as<bool>();
    logic_.PartsShown(open_);
    for (int k = 0; k < kResistorCount && open_; ++k) Start(k);
}

void PartChoosers::Handle(const std::string& type, const val& event) {
    if (type == "toggle") return Shown();
    const val target = event["target"];
    if (type == "change" && target.strictlyEquals(tolerance_)) {
        if (const auto item = PickOf(tolerance_, kCircuitTolerances.size())) {
            logic_.SetTolerance(kCircuitTolerances[static_cast<std::size_t>(*item)]);
            for (int k = 0; k < kResistorCount && open_; ++k) Start(k);
        }
        return;
    }
    for (int k = 0; k < kResistorCount; ++k) {
        Picker& picker = pickers_[static_cast<std::size_t>(k)];
        if (type == "input" && target.strictlyEquals(picker.code)) {
            return Draw(k, logic_.PickerCode(k, picker.code["value"].as<std::string>()));
        }
        if (type == "click" && target.strictlyEquals(picker.put)) {
            logic_.PickerTaken(k);
            // What was taken stays picked.
            picker.entry = logic_.Fields().Text(Field::txtRs, k);
            picker.unit = logic_.Fields().Text(Field::cboRs, k);
            return;
        }
        if (type != "change") continue;
        if (target.strictlyEquals(picker.count)) {
            if (const auto item = PickOf(picker.count, kBandCounts.size())) {
                Draw(k, logic_.PickerCount(k, kBandCounts[static_cast<std::size_t>(*item)]));
            }
            return;
        }
        for (int band = 0; band < kMostBands; ++band) {
            const Band& chooser = picker.bands[static_cast<std::size_t>(band)];
            if (!target.strictlyEquals(chooser.chooser)) continue;
            // The first item is none.
            const int item = chooser.chooser["selectedIndex"].as<int>() - 1;
            return Draw(k, logic_.PickerPicked(k, band, item));
        }
    }
}

void PartChoosers::Follow() {
    if (!open_ || logic_.Ended()) return;
    for (int k = 0; k < kResistorCount; ++k) {
        const Picker& picker = pickers_[static_cast<std::size_t>(k)];
        if (logic_.Fields().Text(Field::txtRs, k) != picker.entry || logic_.Fields().Text(Field::cboRs, k) != picker.unit) {
            Start(k);
        }
    }
}

void PartChoosers::Start(int resistor) {
    Picker& picker = pickers_[static_cast<std::size_t>(resistor)];
    picker.entry = logic_.Fields().Text(Field::txtRs, resistor);
    picker.unit = logic_.Fields().Text(Field::cboRs, resistor);
    Draw(resistor, logic_.PickerOpened(resistor));
}

// A chooser's options are written only where its band offers others, so
// that one in use keeps its place and its focus; the swatch shows the
// colour picked, or an empty frame.
void PartChoosers::Draw(int resistor, const PickerState& state) {
    Picker& picker = pickers_[static_cast<std::size_t>(resistor)];
    picker.count.set("selectedIndex", BandCountItem(state.count));
    for (std::size_t band = 0; band < picker.bands.size(); ++band) {
        Band& chooser = picker.bands[band];
        chooser.row.set("hidden", band >= state.bands.size());
        if (band >= state.bands.size()) continue;
        const PickerBand& picked = state.bands[band];
        if (chooser.offered != picked.offered) {
            chooser.chooser.set("innerHTML", BandOptions(picked.offered));
            chooser.offered = picked.offered;
        }
        chooser.chooser.set("selectedIndex", picked.picked + 1);
        const bool coloured = picked.picked >= 0 && static_cast<std::size_t>(picked.picked) < picked.offered.size();
        chooser.swatch["style"].set(
            "background", coloured ? std::string(CodeOf(picked.offered[static_cast<std::size_t>(picked.picked)]).swatch) : "");
    }
    if (picker.code["value"].as<std::string>() != state.code) picker.code.set("value", state.code);
    picker.picked.set("textContent", state.read);
    picker.put.set("disabled", !state.value);
}

}  // namespace quorvel
