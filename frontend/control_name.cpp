#include "frontend/control_name.h"

namespace quorvel {

std::string ControlName(std::string_view name, int index) {
    std::string text(name);
    if (index >= 0) text += "(" + std::to_string(index) + ")";
    return text;
}

std::string ControlName(Field field, int index) { return ControlName(NameOf(field), ElementOf(field, index)); }

}  // namespace quorvel
