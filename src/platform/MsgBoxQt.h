// Shows the program's messages in Qt message boxes and beeps with the
// application's beep.
#pragma once

namespace vrn {

void installQtMessageBoxes();

}  // namespace vrn
