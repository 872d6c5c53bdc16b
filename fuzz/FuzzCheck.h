// Shared by the fuzz targets.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "shell/TextFile.h"

namespace vrn::fuzz {

// A broken promise of the code under test: stop with a crash the fuzzer reports.
inline void check(bool condition) {
    if (!condition) std::abort();
}

// The bytes of a file made of these lines, as the writers produce them.
inline std::string fileBytes(const std::vector<std::string>& lines) { return encodeLines(lines); }

}  // namespace vrn::fuzz
