#include "reactors/ReactorModels.h"

#include <algorithm>

#include "engine/ModelChoice.h"
#include "engine/Stoichiometry.h"

namespace vrn {

int reactorSpeciesMask(Integer model) {
    int mask = 0;
    for (const StoechEintrag& e : kStoechiometrie)
        if (e.model == model) mask |= 1 << e.species;
    return mask;
}

int reactorConstantCount(Integer model) {
    int n = 0;
    for (const StoechEintrag& e : kStoechiometrie)
        if (e.model == model) n = std::max(n, e.reaction);
    return n;
}

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
