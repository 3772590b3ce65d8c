#include "frontend/colour_code.h"

#include <algorithm>

#include "frontend/html_escape.h"
#include "frontend/part_value.h"

namespace quorvel {
namespace {

constexpr Tolerance kWidestWithFourBands{500};

constexpr std::array kJumperRoles{BandRole::figure};
constexpr std::array kThreeBandRoles{BandRole::figure, BandRole::figure, BandRole::multiplier};
constexpr std::array kFourBandRoles{BandRole::figure, BandRole::figure, BandRole::multiplier, BandRole::tolerance};
constexpr std::array kFiveBandRoles{BandRole::figure, BandRole::figure, BandRole::figure, BandRole::multiplier,
                                    BandRole::tolerance};

// The colour that has the value as its figure, its multiplier's exponent or its tolerance.
template <class Member, class Value>
std::optional<Colour> ColourWhere(Member CodeColour::*member, const Value& value) {
    for (const CodeColour& code : kColourCode) {
        if (code.*member == value) return code.colour;
    }
    return std::nullopt;
}

// The value in so many figures and a multiplier, with the tolerance band
// where there is one; none where the multipliers do not reach.
std::optional<std::vector<Colour>> InFigures(const Figures& figures, int count, std::optional<Colour> band) {
    if (figures.count > count) return std::nullopt;
    std::uint64_t digits = figures.figures;
    int exponent = figures.exponent;
    for (int padding = figures.count; padding < count; ++padding, --exponent) digits *= 10;
    const std::optional<Colour> multiplier = ColourWhere(&CodeColour::exponent, exponent);
    if (!multiplier) return std::nullopt;
    std::vector<Colour> colours(static_cast<std::size_t>(count));
    for (auto colour = colours.rbegin(); colour != colours.rend(); ++colour, digits /= 10) {
        *colour = *ColourWhere(&CodeColour::figure, static_cast<int>(digits % 10));
    }
    colours.push_back(*multiplier);
    if (band) colours.push_back(*band);
    return colours;
}

bool Offers(BandRole role, bool first, const CodeColour& code) {
    switch (role) {
        case BandRole::figure: return code.figure && (!first || *code.figure != 0);
        case BandRole::multiplier: return true;
        case BandRole::tolerance: return code.tolerance.has_value();
    }
    return false;
}

std::string WrittenBands(const ColourBands& bands, const NumberLocale& locale, bool html) {
    const auto plain = [html](std::string_view text) { return html ? HtmlEscaped(text) : std::string(text); };
    switch (bands.none) {
        case NoColourCode::none: break;
        case NoColourCode::out_of_range: return plain("nu exist\u0103 cod de culori pentru aceast\u0103 valoare");
        case NoColourCode::three_figures_unbanded:
            return plain("nu exist\u0103 cod de culori cu trei cifre f\u0103r\u0103 band\u0103 de toleran\u021B\u0103");
    }
    std::string text = bands.approximate ? "\u2248 " : "";
    for (std::size_t band = 0; band < bands.colours.size(); ++band) {
        const CodeColour& code = CodeOf(bands.colours[band]);
        if (band) text += " ";
        if (!html) {
            text += code.name;
            continue;
        }
        // The swatch and its name stay together on a line.
        text += "<span style=\"white-space:nowrap\"><span style=\"display:inline-block;width:0.8em;height:0.8em;"
                "border:1px solid #000;background:" + std::string(code.swatch) + "\"></span> " + plain(code.name) +
                "</span>";
    }
    if (bands.approximate) text += plain(" (E96: " + FigureText(ResistanceFigure(bands.value, locale)) + ")");
    return text;
}

}  // namespace

ColourBands BandsOf(Magnitude value, Tolerance tolerance) {
    const MarkedValue marked = MarkedValueOf(value);
    const Figures& figures = marked.figures;
    ColourBands bands;
    bands.value = marked.value;
    bands.approximate = marked.approximate;
    if (value.digits == 0) {
        bands.colours = {Colour::black};
        return bands;
    }
    const std::optional<Colour> band = ColourWhere(&CodeColour::tolerance, tolerance);
    const bool banded = tolerance != kNoBandTolerance;
    if (banded && !band) {  // a tolerance the code has no colour for
        bands.none = NoColourCode::out_of_range;
        return bands;
    }
    const int preferred = figures.count <= 2 && tolerance >= kWidestWithFourBands ? 2 : 3;
    for (const int count : {preferred, preferred == 2 ? 3 : 2}) {
        // Three figures and a multiplier alone would read as two and a tolerance band.
        if (count == 3 && !banded) continue;
        if (auto colours = InFigures(figures, count, band)) {
            bands.colours = std::move(*colours);
            return bands;
        }
    }
    bands.none = figures.count == 3 && !banded ? NoColourCode::three_figures_unbanded : NoColourCode::out_of_range;
    return bands;
}

std::string BandsText(const ColourBands& bands, const NumberLocale& locale) {
    return WrittenBands(bands, locale, false);
}

std::string BandsHtml(const ColourBands& bands, const NumberLocale& locale) {
    return WrittenBands(bands, locale, true);
}

std::span<const BandRole> RolesOf(int count) {
    switch (count) {
        case 1: return kJumperRoles;
        case 3: return kThreeBandRoles;
        case 4: return kFourBandRoles;
        case 5: return kFiveBandRoles;
        default: return {};
    }
}

std::vector<Colour> ColoursOfBand(int count, int band) {
    const std::span<const BandRole> roles = RolesOf(count);
    if (band < 0 || static_cast<std::size_t>(band) >= roles.size()) return {};
    if (count == 1) return {Colour::black};
    std::vector<Colour> colours;
    for (const CodeColour& code : kColourCode) {
        if (Offers(roles[static_cast<std::size_t>(band)], band == 0, code)) colours.push_back(code.colour);
    }
    return colours;
}

BandsRead ReadBands(std::span<const std::optional<Colour>> picked) {
    const auto count = static_cast<int>(picked.size());
    const std::span<const BandRole> roles = RolesOf(count);
    BandsRead read;
    if (roles.empty()) return read;
    if (count == 3) read.tolerance = kNoBandTolerance;
    std::uint64_t figures = 0;
    std::optional<int> exponent = count == 1 ? std::optional<int>(0) : std::nullopt;
    bool complete = true;
    for (int band = 0; band < count; ++band) {
        const std::optional<Colour> colour = picked[static_cast<std::size_t>(band)];
        const std::vector<Colour> offered = ColoursOfBand(count, band);
        if (!colour || std::find(offered.begin(), offered.end(), *colour) == offered.end()) {
            complete = complete && roles[static_cast<std::size_t>(band)] == BandRole::tolerance;
            continue;
        }
        const CodeColour& code = CodeOf(*colour);
        switch (roles[static_cast<std::size_t>(band)]) {
            case BandRole::figure: figures = figures * 10 + static_cast<std::uint64_t>(*code.figure); break;
            case BandRole::multiplier: exponent = code.exponent; break;
            case BandRole::tolerance: read.tolerance = code.tolerance; break;
        }
    }
    if (complete && exponent) read.value = MagnitudeOf(figures, *exponent);
    return read;
}

std::string BandsReadText(const BandsRead& read, const NumberLocale& locale) {
    if (!read.value) return {};
    std::string text = FigureText(ResistanceFigure(*read.value, locale));
    if (read.tolerance) text += " " + ToleranceText(*read.tolerance, locale);
    return text;
}

}  // namespace quorvel
