#include "frontend/window_layout.h"

#include <string>

#include "frontend/texts.h"

namespace quorvel::layout {
namespace {

std::vector<std::string_view> WordsOn(const UnitLadder& ladder) {
    std::vector<std::string_view> words;
    for (const std::string_view word : ladder) {
        if (!word.empty()) words.push_back(word);
    }
    return words;
}

// What a chooser offers, or what a result's unit box may show.
std::vector<std::string_view> UnitsOf(const Control& control) {
    std::vector<std::string_view> words;
    const auto element = FieldOf(control);
    if (!element) return words;
    const Field field = element->field;
    if (KindOf(field) == FieldKind::chooser) {
        for (const ChooserUnit& unit : ListOf(field)) words.push_back(unit.word);
    } else if (KindOf(field) == FieldKind::unit && InfoOf(UnitOf(field)).ladder) {
        words = WordsOn(*InfoOf(UnitOf(field)).ladder);
    }
    return words;
}

// The unit each chooser is given back by the clear button, in the order of the fields.
std::vector<std::string_view> DefaultUnits() {
    std::vector<std::string_view> words;
    for (const FieldInfo& info : kFields) {
        if (info.kind == FieldKind::chooser) words.push_back(info.list[static_cast<std::size_t>(DefaultItemOf(info.field))].word);
    }
    return words;
}

void Replace(std::string& text, std::string_view placeholder, const std::string& by) {
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + by.size())) {
        text.replace(at, placeholder.size(), by);
    }
}

std::string Described(const Control& control) {
    std::string text(control.spoken.pattern);
    Replace(text, "{units}", texts::Listed(UnitsOf(control)));
    Replace(text, "{limit}", texts::Characters(control.max_typed));
    Replace(text, "{default units}", texts::Listed(DefaultUnits(), "și"));
    return text;
}

}  // namespace

// Made once, for the life of the program: every front end keeps what it is given.
std::string_view DescriptionOf(const Control& control) {
    static const auto made = [] {
        std::array<std::string, kControls.size()> descriptions;
        for (std::size_t n = 0; n < kControls.size(); ++n) descriptions[n] = Described(kControls[n]);
        return descriptions;
    }();
    return made[static_cast<std::size_t>(IndexOf(control))];
}

}  // namespace quorvel::layout
