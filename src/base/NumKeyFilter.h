// The key filter of every number field.
#pragma once

#include "base/Types.h"

namespace vrn {

// "," (44) is turned into "." (46). True for digits, "E", "e", ",", "-", ".",
// Enter, Backspace and DEL (127); false for every other key (callers let
// Ctrl+C and Ctrl+V pass first).
bool NumKeyFilter(Integer& KeyAscii);

}  // namespace vrn
