// Outcome of a reactor computation: the computations show no message box;
// they return what failed, and the window shows it (showReactorStatus).
#pragma once

#include <string>
#include <utility>

#include "base/Types.h"

namespace vrn {

struct ReactorStatus {
    bool ok = true;
    std::string text;   // text of the failure message (lines joined by CR LF); empty when ok
    std::string title;  // its title

    // The error flag of the program's procedures: 0 ok, -1 failed.
    Integer errFlag() const { return ok ? Integer{0} : Integer{-1}; }

    static ReactorStatus failure(std::string text, std::string title) {
        return ReactorStatus{false, std::move(text), std::move(title)};
    }
};

// Shows a failed status as a message box with the critical icon and the
// status's title; an ok status shows nothing.
void showReactorStatus(const ReactorStatus& s);

}  // namespace vrn
