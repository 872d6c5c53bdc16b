#include "reactors/ReactorStatus.h"

#include "platform/MsgBox.h"

namespace vrn {

void showReactorStatus(const ReactorStatus& s) {
    if (!s.ok) MsgBox(s.text, MsgButtons::OK, MsgIcon::Critical, s.title);
}

}  // namespace vrn
