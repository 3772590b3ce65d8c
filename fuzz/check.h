#pragma once

// Checks that stop a fuzz run: libFuzzer keeps the input that failed one.

#include <cstdio>
#include <cstdlib>

#define FUZZ_FAIL(message)                                                            \
    do {                                                                              \
        std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, message);             \
        std::abort();                                                                 \
    } while (false)

#define FUZZ_CHECK(condition)                                         \
    do {                                                              \
        if (!(condition)) FUZZ_FAIL("check failed: " #condition);     \
    } while (false)
