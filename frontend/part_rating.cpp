#include "frontend/part_rating.h"

namespace quorvel {
namespace {

constexpr std::string_view kJumper =
    "punte (0 Ohm): curentul ei maxim se cite\u0219te \u00EEn foaia de catalog";
constexpr std::string_view kNotJudged = "nu se poate alege: puterea ei nu se poate calcula";

bool Holds(const PowerRating& rating, double watts) { return watts <= rating.watts * kLoadShare; }

// Volts are written as whole numbers: every working voltage is one.
std::string Volts(double volts) { return std::to_string(static_cast<int>(volts)) + " V"; }

}  // namespace

PartRating RatingOf(bool jumper, std::optional<double> volts, std::optional<double> watts) {
    PartRating rating;
    rating.jumper = jumper;
    rating.judged = volts && watts;
    if (jumper || !rating.judged) return rating;
    for (const PowerRating& through_hole : kThroughHoleRatings) {
        if (!Holds(through_hole, *watts)) continue;
        rating.through_hole = through_hole;
        break;
    }
    rating.volts_to_read = *volts > kThroughHoleVoltsToRead;
    // The sizes grow in power and working voltage alike: where each is held
    // by some size, the larger of the two holds both.
    rating.beyond_chip_watts = rating.beyond_chip_volts = true;
    for (const ChipSize& chip : kChipSizes) {
        const bool watts_held = Holds(chip.rating, *watts), volts_held = *volts <= chip.working_volts;
        rating.beyond_chip_watts = rating.beyond_chip_watts && !watts_held;
        rating.beyond_chip_volts = rating.beyond_chip_volts && !volts_held;
        if (watts_held && volts_held && !rating.chip) rating.chip = chip;
    }
    return rating;
}

bool OneSentence(const PartRating& rating) { return rating.jumper || !rating.judged; }

std::string ThroughHoleText(const PartRating& rating) {
    if (rating.jumper) return std::string(kJumper);
    if (!rating.judged) return std::string(kNotJudged);
    std::string text = rating.through_hole ? std::string(rating.through_hole->name)
                                           : "niciunul obi\u0219nuit nu \u021Bine puterea ei";
    if (rating.volts_to_read) {
        text += "; peste " + Volts(kThroughHoleVoltsToRead) +
                ": tensiunea limit\u0103 a piesei se cite\u0219te \u00EEn foaia de catalog";
    }
    return text;
}

std::string ChipText(const PartRating& rating) {
    if (OneSentence(rating)) return ThroughHoleText(rating);
    if (!rating.chip) {
        return std::string("niciunul obi\u0219nuit nu \u021Bine ") +
               (!rating.beyond_chip_volts ? "puterea" : !rating.beyond_chip_watts ? "tensiunea" : "puterea \u0219i tensiunea") +
               " ei";
    }
    return std::string(rating.chip->size) + " (" + std::string(rating.chip->rating.name) + ", " +
           Volts(rating.chip->working_volts) + ")";
}

}  // namespace quorvel
