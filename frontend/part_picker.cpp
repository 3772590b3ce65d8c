#include "frontend/part_picker.h"

#include <algorithm>

#include "frontend/part_value.h"

namespace quorvel {
namespace {

std::vector<PickerBand> BandsOfCount(int count) {
    std::vector<PickerBand> bands(RolesOf(count).size());
    for (std::size_t band = 0; band < bands.size(); ++band) {
        bands[band].offered = ColoursOfBand(count, static_cast<int>(band));
    }
    if (count == 1) bands[0].picked = 0;  // its one band has one colour
    return bands;
}

std::optional<Colour> PickedColour(const PickerBand& band) {
    if (band.picked < 0 || static_cast<std::size_t>(band.picked) >= band.offered.size()) return std::nullopt;
    return band.offered[static_cast<std::size_t>(band.picked)];
}

void PickColour(PickerBand& band, Colour colour) {
    const auto at = std::find(band.offered.begin(), band.offered.end(), colour);
    band.picked = at == band.offered.end() ? -1 : static_cast<int>(at - band.offered.begin());
}

// The bands a value's colour code would count as picked: the set of its
// own count, where it has one exactly. An entry at 0 is mostly one not
// typed yet: the part in hand is likelier banded than a jumper.
std::optional<std::vector<Colour>> ExactBands(Magnitude value, Tolerance tolerance) {
    if (value.digits == 0) return std::nullopt;
    const ColourBands bands = BandsOf(value, tolerance);
    if (bands.none != NoColourCode::none || bands.approximate || bands.colours.empty()) return std::nullopt;
    if (!RolesOf(static_cast<int>(bands.colours.size())).size()) return std::nullopt;
    return bands.colours;
}

}  // namespace

std::string BandCountText(int count) {
    if (count == 1) return "1 band\u0103 (0 Ohm)";
    return std::to_string(count) + " benzi";
}

int BandCountItem(int count) {
    const auto* at = std::find(kBandCounts.begin(), kBandCounts.end(), count);
    return at == kBandCounts.end() ? -1 : static_cast<int>(at - kBandCounts.begin());
}

void PartPicker::Start(Magnitude value, Tolerance tolerance, const NumberLocale& locale) {
    locale_ = locale;
    state_ = {};
    const auto colours = ExactBands(value, tolerance);
    state_.count = colours ? static_cast<int>(colours->size()) : 4;
    state_.bands = BandsOfCount(state_.count);
    if (colours) {
        for (std::size_t band = 0; band < colours->size(); ++band) PickColour(state_.bands[band], (*colours)[band]);
    }
    Read();
}

// Each role's picks in their order: the first figure stays the first.
void PartPicker::SetCount(int count) {
    const std::span<const BandRole> roles = RolesOf(count);
    if (roles.empty() || count == state_.count) return;
    const std::span<const BandRole> old_roles = RolesOf(state_.count);
    std::vector<PickerBand> bands = BandsOfCount(count);
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const auto nth = std::count(roles.begin(), roles.begin() + static_cast<std::ptrdiff_t>(band), roles[band]);
        std::ptrdiff_t seen = 0;
        for (std::size_t old = 0; old < old_roles.size(); ++old) {
            if (old_roles[old] != roles[band] || seen++ != nth) continue;
            if (const auto colour = PickedColour(state_.bands[old])) PickColour(bands[band], *colour);
            break;
        }
    }
    if (count == 1) bands[0].picked = 0;
    state_.count = count;
    state_.bands = std::move(bands);
    state_.by_code = false;
    Read();
}

void PartPicker::Pick(int band, int item) {
    if (band < 0 || static_cast<std::size_t>(band) >= state_.bands.size()) return;
    PickerBand& picked = state_.bands[static_cast<std::size_t>(band)];
    picked.picked = item >= 0 && static_cast<std::size_t>(item) < picked.offered.size() ? item : -1;
    state_.by_code = false;
    Read();
}

void PartPicker::SetCode(std::string_view code) {
    state_.code = std::string(code);
    state_.by_code = true;
    Read();
}

void PartPicker::SetLocale(const NumberLocale& locale) {
    locale_ = locale;
    Read();
}

void PartPicker::Read() {
    state_.drawn.clear();
    if (state_.by_code) {
        const SmdRead read = ReadSmdCode(state_.code);
        state_.value = read.value;
        state_.read = SmdReadText(read, locale_);
        return;  // a chip has no bands to draw
    }
    for (const PickerBand& band : state_.bands) state_.drawn.push_back(PickedColour(band));
    const BandsRead read = ReadBands(state_.drawn);
    state_.value = read.value;
    state_.read = BandsReadText(read, locale_);
}

}  // namespace quorvel
