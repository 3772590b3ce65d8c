#include "frontend/error_message.h"

#include "frontend/texts.h"

namespace quorvel {

std::string ErrorMessage(const RuntimeError& error) {
    switch (error.number()) {
        case kOverflowError: return std::string(texts::kOverflow);
        case kOwnReport: return error.what();
        case kTypeMismatchError: return std::string(texts::kTypeMismatch);
        default: return texts::Filled(texts::kUnexpectedError, std::to_string(error.number()));
    }
}

}  // namespace quorvel
