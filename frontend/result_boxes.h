#pragma once

// What each result and unit box shows, alike in every front end: its whole
// text where it fits, else the display rule's cut (frontend/result_display.h),
// its beginning in view, with the whole number and its unit in the tooltip
// and in what a screen reader says. The box itself keeps the whole text, for
// selecting and copying. While the user selects, moves the caret or scrolls
// through a focused box, it is in use and shows its text as the toolkit
// does; a box the user leaves for another control, or enters from one,
// shows its beginning again. What is measured of a box, its room and its
// font's widths, is read when the layout changes and at its first write,
// each character's width once per font; never at each write.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/result_display.h"
#include "frontend/text_widths.h"
#include "frontend/window_view.h"

namespace quorvel {

class ResultBoxes {
public:
    explicit ResultBoxes(const WindowView& view) : view_(view) {}

    // The box's text, with its unit for the tooltip (a unit box: none),
    // into writes: the text itself where it is new. point: the settings'
    // decimal point.
    void Show(const layout::Control& box, std::string_view text, std::string_view unit, std::string_view point,
              bool new_text, std::vector<ViewWrite>& writes);
    // Whether the focused box is in use now; false also when the user
    // leaves it or enters it from another control.
    void InUse(const layout::Control& box, bool in_use, std::vector<ViewWrite>& writes);
    // The toolkit is about to show the box's tooltip.
    void TooltipAsked(const layout::Control& box, std::vector<ViewWrite>& writes) const;
    // The layout changed for the box (every box, where none): its room and
    // font are measured again, and its next Show decides afresh.
    void Relayout(const layout::Control* box);

private:
    struct Box {
        BoxRoom room;
        bool measured = false;
        bool in_use = false;
        ResultDisplay display;
    };
    Box& Measured(const layout::Control& box);
    double Width(const layout::Control& box, const Box& measured, std::string_view text, double size);
    void Draw(const layout::Control& box, const Box& shown, std::vector<ViewWrite>& writes) const;

    const WindowView& view_;
    std::vector<Box> boxes_ = std::vector<Box>(layout::kControlCount);
    TextWidths widths_;
};

}  // namespace quorvel
