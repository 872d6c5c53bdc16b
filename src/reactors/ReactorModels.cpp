#include "reactors/ReactorModels.h"

#include "engine/ModelChoice.h"
#include "engine/Stoichiometry.h"

namespace vrn {

double nuReaction1(Integer model, int s) {
    for (const StoechEintrag& e : kStoechiometrie)
        if (e.model == model && e.species == s && e.reaction == 1) return e.coefficient;
    return 0;
}

bool isSingleReaction(Integer model) {
    const ModelDefaults* d = defaultsOf(model);
    return d && d->einfach;
}

}  // namespace vrn
