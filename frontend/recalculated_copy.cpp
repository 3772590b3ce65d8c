#include "frontend/recalculated_copy.h"

#include "frontend/error_message.h"

namespace quorvel {

RecalculatedCopy RecalculateCopy(const FieldSet& form) {
    RecalculatedCopy copy{FieldModel(form.Locale()), {}, {}};
    for (const FieldInfo& info : kFields) {
        if (IsComputed(info.field)) continue;
        for (int i = 0; i < info.count; ++i) copy.form.SetText(info.field, i, form.Text(info.field, i));
    }
    try {
        Recalculate(copy.form, &copy.seen);
    } catch (const RuntimeError& stop) {
        copy.error = ErrorMessage(stop);
    }
    return copy;
}

}  // namespace quorvel
