// The one message-box function of the program. Computation and windows call
// MsgBox; the GUI shows a message box, tests install a handler that records
// every message and returns scripted answers. Beeps go through here too.
#pragma once

#include <functional>
#include <string>

namespace vrn {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgAnswer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MsgRequest {
    std::string text;       // lines joined by CR LF
    std::string title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    int defaultButton = 1;  // 1..3
};

using MsgHandler = std::function<MsgAnswer(const MsgRequest&)>;
using BeepHandler = std::function<void()>;

// Shows a message and returns the answer. Without a handler the answer is the
// first button of the set (OK, Abort, Yes, Retry).
MsgAnswer MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, const std::string& title = "VARNOLT",
                 int defaultButton = 1);

void Beep();

// Installs a handler and returns the previous one.
MsgHandler setMsgHandler(MsgHandler handler);
BeepHandler setBeepHandler(BeepHandler handler);

// The first-button answer of a button set.
MsgAnswer firstAnswer(MsgButtons buttons);

// Title of the messages of trapped failures: "Meldung von " & procedure.
std::string meldungVon(const std::string& procedure);

// Shows a trapped failure of a procedure: critical icon, title "Meldung von " & name.
void showFailure(const std::string& procedure, const std::string& text);

// Title of refusals (a blank at both ends).
inline const char* const kNichtMoeglich = " Ausführung nicht möglich ";

}  // namespace vrn
