// Help: one HTML page per help context number in the folder "help" beside the
// program, shown in one help window. A missing page shows a short note.
#pragma once

#include <QString>

class QTextBrowser;

namespace vrn {

// Opens the help window at the page of the context number.
void HtmlHelp(int context);
// Closes every help window.
void HtmlHelpCloseAll();
// The help window when it is open, else nullptr (for tests).
QTextBrowser* helpBrowser();
// The page file of a context number.
QString helpPagePath(int context);

}  // namespace vrn
