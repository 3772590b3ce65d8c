#pragma once

// The names under which every front end knows a field's control: the
// window's objectNames and the page's element ids. "txtRs(0)" for an element
// of a control array, the bare name otherwise.

#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"

namespace quorvel {

std::string ControlName(std::string_view name, int index = -1);  // index -1: a single control
std::string ControlName(Field field, int index = 0);

struct FieldElement {
    Field field;
    int index;
};

// The field element a control name names, if any.
constexpr std::optional<FieldElement> FieldNamed(std::string_view control_name) {
    std::string_view name = control_name;
    int index = -1;
    if (name.size() > 3 && name.ends_with(')') && name[name.size() - 3] == '(') {
        const char digit = name[name.size() - 2];
        if (digit < '0' || digit > '9') return std::nullopt;
        index = digit - '0';
        name.remove_suffix(3);
    }
    for (const FieldInfo& info : kFields) {
        if (info.name != name) continue;
        if (info.count == 1 && index < 0) return FieldElement{info.field, 0};
        if (info.count > 1 && index >= 0 && index < info.count) return FieldElement{info.field, index};
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace quorvel
