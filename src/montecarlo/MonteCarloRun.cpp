#include "montecarlo/MonteCarloRun.h"

#include <array>
#include <chrono>
#include <cmath>

namespace vrn {

namespace {

// A number in [0, 1) from the top 53 bits of a 64-bit draw.
double unitInterval(std::uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }

// The equilibrium rules: which hits go through the toggle counter, so that
// only the 1st, 3rd, 5th ... of them convert. The others always convert.
struct KRegel {
    Single K;
    bool aMitZaehler;  // hits on A
    bool pMitZaehler;  // hits on P
};
constexpr std::array<KRegel, 3> kKRegeln{{
    {0.5f, true, false},
    {1.0f, false, false},
    {2.0f, false, true},
}};

const KRegel* regelFuer(Single K) {
    for (const KRegel& r : kKRegeln)
        if (r.K == K) return &r;
    return nullptr;
}

}  // namespace

void ClockRandom::reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    gen_.seed(static_cast<std::uint64_t>(now));
}

double ClockRandom::uniform() { return unitInterval(gen_()); }

double SeededRandom::uniform() { return unitInterval(gen_()); }

Long drawParticle(Long N0, double u) {
    if (N0 < 1) return 0;
    if (!(u > 0)) return 1;  // also NaN
    const double i = std::floor(static_cast<double>(N0) * u) + 1;
    if (i >= static_cast<double>(N0)) return N0;
    return static_cast<Long>(i);
}

void MCLauf::setBrett(const MCBrett& brett) {
    brett_ = brett;
    if (brett_.N0 < 1) brett_.N0 = 1;
    if (brett_.nZuegeProPunkt < 1) brett_.nZuegeProPunkt = 1;
    teilchen_.assign(static_cast<std::size_t>(brett_.N0) + 1, 1);
    nA_ = brett_.N0;
    nZuege_ = 0;
    iPunkt_ = 1;
    imBlock_ = 0;
    zaehler_ = 0;
    modus_ = 0;
}

bool MCLauf::start(int modus, RandomSource& rng) {
    if (modus != kMCErsteOrdnung && modus != kMCGleichgewicht) return false;
    setBrett(brett_);
    modus_ = modus;
    rng.reseed();
    return true;
}

bool MCLauf::fortsetzen(RandomSource& rng) {
    if (modus_ == 0 || nA_ < 1) return false;
    imBlock_ = 0;
    zaehler_ = 0;
    rng.reseed();
    return true;
}

Byte MCLauf::teilchen(Long i) const {
    if (i < 1 || i > brett_.N0) return 0;
    return teilchen_[static_cast<std::size_t>(i)];
}

// The equilibrium rule for a hit on A (aufA) or on P: true when the particle turns.
bool MCLauf::wandeln(bool aufA) {
    const KRegel* r = regelFuer(K_);
    if (!r) return false;
    if (!(aufA ? r->aMitZaehler : r->pMitZaehler)) return true;
    ++zaehler_;
    if (zaehler_ == 1) return true;
    zaehler_ = 0;
    return false;
}

MCZug MCLauf::zug(RandomSource& rng) {
    MCZug z;
    if (modus_ == 0) return z;
    if (nZuege_ >= zugGrenze_) {
        z.ende = true;
        return z;
    }
    ++nZuege_;
    z.teilchen = drawParticle(brett_.N0, rng.uniform());
    Byte& s = teilchen_[static_cast<std::size_t>(z.teilchen)];
    const bool aufA = s == 1;
    if (modus_ == kMCErsteOrdnung) {
        // A hit on P changes nothing and takes no pause.
        if (aufA) {
            s = 0;
            --nA_;
            z.umgewandelt = true;
            z.pause = true;
        }
    } else {
        if (wandeln(aufA)) {
            s = aufA ? 0 : 1;
            nA_ += aufA ? -1 : 1;
            z.umgewandelt = true;
        }
        z.pause = true;
    }
    z.istA = s == 1;
    if (++imBlock_ >= brett_.nZuegeProPunkt) {
        imBlock_ = 0;
        ++iPunkt_;
        z.punkt = true;
        // Both end conditions are looked at only after a complete block.
        if (modus_ == kMCErsteOrdnung && !(nZuege_ <= ersteOrdnungGrenze(brett_) && nA_ >= 1)) z.ende = true;
        if (nZuege_ > zugGrenze_ - brett_.nZuegeProPunkt) z.ende = true;
    }
    return z;
}

}  // namespace vrn
