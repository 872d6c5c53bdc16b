// GSL reports an error by calling its error handler, which by default ends
// the process. The engine checks every status itself; call this before the
// first GSL routine.
#pragma once

namespace vrn {

void gslQuiet();

}  // namespace vrn
