#include "frontend/resistor_drawing.h"

#include "frontend/html_escape.h"
#include "number/number_text.h"

namespace quorvel {
namespace {

constexpr std::string_view kLead = "#8a8a8a";
constexpr std::string_view kBody = "#e3cfa4";
constexpr std::string_view kOutline = "#5a4a2a";
constexpr double kBodyLeft = 20, kBodyWidth = 80, kBodyTop = 4, kBodyHeight = 24;
constexpr double kBandWidth = 7, kBandStep = 11, kFirstBand = 28, kToleranceBand = 84;

// Whatever the C library's locale: SVG takes a point. The number rules'
// writing, as WebAssembly's library writes no double by to_chars.
std::string Number(double value) { return NumberToText(value, NumberLocale{}); }

}  // namespace

std::vector<DrawnShape> ResistorPicture(std::span<const std::optional<Colour>> bands) {
    std::vector<DrawnShape> shapes{
        {0, kPictureHeight / 2 - 1.5, kPictureWidth, 3, kLead, kLead},
        {kBodyLeft, kBodyTop, kBodyWidth, kBodyHeight, kBody, kOutline},
    };
    const std::span<const BandRole> roles = RolesOf(static_cast<int>(bands.size()));
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const bool apart = band < roles.size() && roles[band] == BandRole::tolerance;
        const double x = apart ? kToleranceBand : kFirstBand + kBandStep * static_cast<double>(band);
        const std::optional<Colour> colour = bands[band];
        shapes.push_back({x, kBodyTop, kBandWidth, kBodyHeight, colour ? CodeOf(*colour).swatch : std::string_view{},
                          kOutline});
    }
    return shapes;
}

std::string ResistorNames(std::span<const std::optional<Colour>> bands) {
    std::string names;
    for (const std::optional<Colour> colour : bands) {
        if (!names.empty()) names += ' ';
        names += colour ? CodeOf(*colour).name : "?";
    }
    return names;
}

std::string ResistorSvg(std::span<const std::optional<Colour>> bands) {
    std::string svg = "<svg class=\"resistor\" viewBox=\"0 0 " + Number(kPictureWidth) + " " + Number(kPictureHeight) +
                      "\" width=\"" + Number(kPictureWidth) + "\" height=\"" + Number(kPictureHeight) +
                      "\" role=\"img\"><title>" + HtmlEscaped(ResistorNames(bands)) + "</title>";
    for (const DrawnShape& shape : ResistorPicture(bands)) {
        svg += "<rect x=\"" + Number(shape.x) + "\" y=\"" + Number(shape.y) + "\" width=\"" + Number(shape.width) +
               "\" height=\"" + Number(shape.height) + "\" fill=\"" +
               (shape.fill.empty() ? std::string("none") : std::string(shape.fill)) + "\" stroke=\"" +
               std::string(shape.outline) + "\" stroke-width=\"0.75\"/>";
    }
    return svg + "</svg>";
}

}  // namespace quorvel
