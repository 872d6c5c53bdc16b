#include "engine/GslQuiet.h"

#include <gsl/gsl_errno.h>

namespace vrn {

void gslQuiet() {
    static const bool once = [] {
        gsl_set_error_handler_off();
        return true;
    }();
    (void)once;
}

}  // namespace vrn
