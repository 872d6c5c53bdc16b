// What every computation needs to know of a kinetic model, in one place: the
// species it has, the rate constants it uses, whether it has a closed form
// or is integrated, and which slots the integrators carry. All of it follows
// from the stoichiometric table, so nothing here can drift from the matrix
// the user sees.
#pragma once

#include <array>

#include "engine/Stoichiometry.h"

namespace vrn {

namespace detail {

// Per model number 0..20: the species (bits 1..5) and the number of rate
// constants, read off the stoichiometric table once, at compile time.
struct FactsRow {
    int species = 0;
    int constants = 0;
};

constexpr std::array<FactsRow, 21> factsTable() {
    std::array<FactsRow, 21> t{};
    for (const StoechEintrag& e : kStoechiometrie) {
        FactsRow& r = t[static_cast<std::size_t>(e.model)];
        r.species |= 1 << e.species;
        if (e.reaction > r.constants) r.constants = e.reaction;
    }
    return t;
}

inline constexpr std::array<FactsRow, 21> kFacts = factsTable();

}  // namespace detail

// Species slots 1..5 (A, B, C, P, Q; model 10: E, S, ES, P) the model has, as
// bits 1..5 (1 << A ...); 0 for 19 and numbers outside 1..20.
constexpr int modelSpecies(int model) {
    return model >= 0 && model <= 20 ? detail::kFacts[static_cast<std::size_t>(model)].species : 0;
}

// Number of rate constants k1, k2, k3 the model uses (0 for no model).
constexpr int modelConstantCount(int model) {
    return model >= 0 && model <= 20 ? detail::kFacts[static_cast<std::size_t>(model)].constants : 0;
}

// True for the models whose curves are integrated numerically (7, 9, 10,
// 13, 14, 15, 18, 20); the others (except 19) have closed forms.
constexpr bool isNumericalModel(int model) {
    switch (model) {
        case 7: case 9: case 10: case 13: case 14: case 15: case 18: case 20: return true;
        default: return false;
    }
}

// The slots an integrator carries for a numerically integrated model, in
// slot order: the model's species (7, 9, 10, 13, 18: A, B, C, P; 14, 15: A,
// C, P; 20: A, P). Empty (n = 0) for the other models.
struct IntegratedSlots {
    std::array<int, 5> slot{};
    int n = 0;

    constexpr int bits() const {
        int b = 0;
        for (int i = 0; i < n; ++i) b |= 1 << slot[static_cast<std::size_t>(i)];
        return b;
    }
};

constexpr IntegratedSlots integratedSlots(int model) {
    IntegratedSlots s;
    if (!isNumericalModel(model)) return s;
    const int species = modelSpecies(model);
    for (int slot = 1; slot <= 5; ++slot)
        if (species & (1 << slot)) s.slot[static_cast<std::size_t>(s.n++)] = slot;
    return s;
}

}  // namespace vrn
