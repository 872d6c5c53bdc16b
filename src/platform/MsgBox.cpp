#include "platform/MsgBox.h"

#include <utility>

namespace vrn {

namespace {
MsgHandler& handlerRef() {
    static MsgHandler h;
    return h;
}
BeepHandler& beepRef() {
    static BeepHandler h;
    return h;
}
}  // namespace

MsgAnswer firstAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK:
        case MsgButtons::OKCancel: return MsgAnswer::OK;
        case MsgButtons::AbortRetryIgnore: return MsgAnswer::Abort;
        case MsgButtons::YesNoCancel:
        case MsgButtons::YesNo: return MsgAnswer::Yes;
        case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    }
    return MsgAnswer::OK;
}

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title,
                 int defaultButton) {
    MsgRequest r{text, title, icon, buttons, defaultButton};
    if (handlerRef()) return handlerRef()(r);
    return firstAnswer(buttons);
}

void Beep() {
    if (beepRef()) beepRef()();
}

MsgHandler setMsgHandler(MsgHandler handler) { return std::exchange(handlerRef(), std::move(handler)); }
BeepHandler setBeepHandler(BeepHandler handler) { return std::exchange(beepRef(), std::move(handler)); }

std::string meldungVon(const std::string& procedure) { return "Meldung von " + procedure; }

void showFailure(const std::string& procedure, const std::string& text) {
    MsgBox(text, MsgButtons::OK, MsgIcon::Critical, meldungVon(procedure));
}

}  // namespace vrn
