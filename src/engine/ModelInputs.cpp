#include "engine/ModelInputs.h"

#include "shell/AppState.h"

namespace vrn {

ModelInputs currentModelInputs() {
    ModelInputs in;
    in.model = app.iModell;
    in.c0 = app.c0;
    in.k = app.k;
    in.ordnung = static_cast<double>(app.nOrdnung);
    return in;
}

}  // namespace vrn
