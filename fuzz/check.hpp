#pragma once

#include <cstdio>
#include <cstdlib>

namespace quillo::fuzz {

// A property every input must keep. A broken one aborts, so that libFuzzer
// and the regression replay both report the input.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace quillo::fuzz
