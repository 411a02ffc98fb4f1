// What a fuzz target does when a property does not hold: it says which and stops, so libFuzzer
// keeps the input that showed it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #bedingung);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
