// Connects the application to the platform: German texts of Qt's own dialogs,
// the locale's number separators, message boxes, Enter on the focused button
// and the busy cursor; a write past a limit on the size of files fails
// instead of ending the program.
#pragma once

class QApplication;

namespace vrn {

// Call once after the QApplication exists.
void installPlatform(QApplication& qapp);

// Takes the decimal and thousands separators from the default locale and sets
// bDezimalKomma (the locale writes 0.75 with a comma).
void syncNumberLocale();

// Screen mouse pointer through Qt's override cursor (11 = hourglass).
void installBusyCursor();

}  // namespace vrn
