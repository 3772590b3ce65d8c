#include "frontend/result_boxes.h"

#include <cmath>

namespace quorvel {

ResultBoxes::Box& ResultBoxes::Measured(const layout::Control& box) {
    Box& measured = boxes_[static_cast<std::size_t>(layout::IndexOf(box))];
    if (!measured.measured) {
        measured.room = view_.Room(box);
        measured.measured = true;
    }
    return measured;
}

// At its own size, as the characters' widths add up; at another, as the
// font at that size lays the text out.
double ResultBoxes::Width(const layout::Control& box, const Box& measured, std::string_view text, double size) {
    if (size != 1) return view_.TextWidth(box, text, size);
    const double width = widths_.Width(measured.room.font, text,
                                       [this, &box](std::string_view character) { return view_.TextWidth(box, character, 1); });
    return measured.room.whole_units ? std::round(width) : width;
}

void ResultBoxes::Show(const layout::Control& box, std::string_view text, std::string_view unit, std::string_view point,
                       bool new_text, std::vector<ViewWrite>& writes) {
    Box& shown = Measured(box);
    if (new_text) writes.push_back({.kind = ViewWrite::Kind::text, .control = &box, .text = text});
    const bool fits = text.empty() || Width(box, shown, text, 1) + shown.room.slack <= shown.room.room;
    if (fits && !shown.display.cut) return;  // as the toolkit shows it, before and now
    const auto width = [this, &box, &shown](std::string_view cut, double size) { return Width(box, shown, cut, size); };
    shown.display = DisplayResult(text, unit, layout::DescriptionOf(box), point, fits, shown.room.room, width);
    Draw(box, shown, writes);
    if (!view_.AsksForTooltips()) TooltipAsked(box, writes);
    writes.push_back({.kind = ViewWrite::Kind::describe, .control = &box, .spoken = shown.display.spoken});
    // A write leaves the caret at the end, where a cut text would scroll to.
    if (shown.display.cut) writes.push_back({.kind = ViewWrite::Kind::select, .control = &box});
}

void ResultBoxes::TooltipAsked(const layout::Control& box, std::vector<ViewWrite>& writes) const {
    const Box& shown = boxes_[static_cast<std::size_t>(layout::IndexOf(box))];
    writes.push_back({.kind = ViewWrite::Kind::tooltip, .control = &box, .text = shown.display.tooltip});
}

void ResultBoxes::InUse(const layout::Control& box, bool in_use, std::vector<ViewWrite>& writes) {
    Box& shown = boxes_[static_cast<std::size_t>(layout::IndexOf(box))];
    if (shown.in_use == in_use) return;
    shown.in_use = in_use;
    if (shown.display.cut) Draw(box, shown, writes);
}

void ResultBoxes::Draw(const layout::Control& box, const Box& shown, std::vector<ViewWrite>& writes) const {
    writes.push_back({.kind = ViewWrite::Kind::draw,
                      .control = &box,
                      .text = shown.display.shown,
                      .size = shown.display.size,
                      .cut = shown.display.cut && !shown.in_use});
}

void ResultBoxes::Relayout(const layout::Control* box) {
    if (!box) {
        for (Box& each : boxes_) each.measured = false;
        widths_.ForgetAll();
        return;
    }
    Box& measured = boxes_[static_cast<std::size_t>(layout::IndexOf(*box))];
    if (measured.measured) widths_.Forget(measured.room.font);
    measured.measured = false;
}

}  // namespace quorvel
