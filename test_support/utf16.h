#pragma once

#include "frontend/utf16.h"

namespace quorvel::testing {

using quorvel::SequenceLength;
using quorvel::Utf16;
using quorvel::Utf8;

}  // namespace quorvel::testing
