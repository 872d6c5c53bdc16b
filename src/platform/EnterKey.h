// Enter presses the push button that has the focus, in every window of the
// program (as Space does): a window's default button and its shortcuts on
// Enter act only while the focus is on another control.
#pragma once

class QApplication;

namespace vrn {

// Call once after the QApplication exists.
void installEnterOnFocusedButtons(QApplication& qapp);

}  // namespace vrn
