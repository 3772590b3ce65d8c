#include "frontend/error_message.h"

namespace quorvel {

std::string ErrorMessage(const RuntimeError& error) {
    switch (error.number()) {
        case kOverflowError:
            return "Un rezultat este prea mare pentru a fi calculat (eroarea 6: depășire).\n"
                   "Micșorați o valoare sau alegeți o unitate mai mică.";
        case kOwnReport: return error.what();
        case kTypeMismatchError: return "O valoare nu a putut fi citită ca număr (eroarea 13).";
        default: return "Eroare neașteptată (eroarea " + std::to_string(error.number()) + ").";
    }
}

}  // namespace quorvel
