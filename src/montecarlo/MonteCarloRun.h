// The Monte Carlo game itself: N0 particles, each A or P; every draw picks one
// at random and turns it by the rules of the mode. Mode 1 is first-order decay
// A => P, mode 2 the dynamic equilibrium A <=> P with K = N(P) / N(A) of 0.5,
// 1 or 2. The window drives the run one draw at a time; the random source is
// handed in, so that tests can script or seed it.
#pragma once

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "base/Types.h"
#include "montecarlo/MonteCarloBoards.h"

namespace vrn {

// Where the draws come from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence; called at every start and every continuation.
    virtual void reseed() = 0;
    // A number uniform in [0, 1).
    virtual double uniform() = 0;
};

// The program's source: a Mersenne twister seeded from the clock.
class ClockRandom final : public RandomSource {
public:
    void reseed() override;
    double uniform() override;

private:
    std::mt19937_64 gen_{5489u};
};

// A source with a fixed seed that ignores reseeding (one long sequence).
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : gen_(seed) {}
    void reseed() override {}
    double uniform() override;

private:
    std::mt19937_64 gen_;
};

// The particle a draw u picks: floor(N0 u) + 1, kept within 1..N0 (a u
// outside [0, 1) or not a number gives the nearer end, 1 for NaN); 0 when N0 < 1.
Long drawParticle(Long N0, double u);

enum MCModusCode : int { kMCErsteOrdnung = 1, kMCGleichgewicht = 2 };

// What one draw did.
struct MCZug {
    Long teilchen = 0;         // the particle drawn (1..N0)
    bool umgewandelt = false;  // it changed from A to P or back
    bool istA = false;         // its state after the draw
    bool pause = false;        // the run pauses after this draw
    bool punkt = false;        // the draw closed a block: point iPunkt() stands at (nZuege(), nA())
    bool ende = false;         // the run ends here (after a complete block)
};

class MCLauf {
public:
    // Takes a board: every particle back to A, all counts to the start.
    void setBrett(const MCBrett& brett);
    // The equilibrium constant; only 0.5, 1 and 2 have rules (any other
    // value changes no particle).
    void setK(Single K) { K_ = K; }

    // A new run from all A: draws 0, N(A) = N0, point 1 (the start point at
    // (0, N0)); reseeds the source. False for a mode other than 1 and 2,
    // which starts nothing.
    bool start(int modus, RandomSource& rng);
    // Goes on from the kept particles, draw count and point number with a
    // fresh block and toggle counter; reseeds the source. False (and nothing
    // changes) when no A particle is left or no run was started.
    bool fortsetzen(RandomSource& rng);
    // One draw by the rules of the mode; counts it, and closes a block after
    // every nZuegeProPunkt draws. A first-order run ends after the block that
    // takes its last A particle or passes 10 t(max); any run ends after the
    // block past which the next block would count more than zugGrenze() draws.
    MCZug zug(RandomSource& rng);

    // The most draws a run may count: the largest 32-bit number, so that an
    // equilibrium left running never overflows its draw count.
    Long zugGrenze() const { return zugGrenze_; }
    void setZugGrenze(Long grenze) { zugGrenze_ = grenze; }

    const MCBrett& brett() const { return brett_; }
    int modus() const { return modus_; }
    Single K() const { return K_; }
    Long N0() const { return brett_.N0; }
    Long nA() const { return nA_; }
    Long nZuege() const { return nZuege_; }
    Long iPunkt() const { return iPunkt_; }
    // State of particle i (1..N0): 1 = A, 0 = P; 0 for any other index.
    Byte teilchen(Long i) const;

private:
    bool wandeln(bool aufA);

    MCBrett brett_ = kMCBretter[2];
    Single K_ = 0.5f;
    int modus_ = 0;
    std::vector<Byte> teilchen_ = std::vector<Byte>(static_cast<std::size_t>(kMCBretter[2].N0) + 1, 1);
    Long nA_ = kMCBretter[2].N0;
    Long nZuege_ = 0;
    Long iPunkt_ = 1;
    Long imBlock_ = 0;       // draws made in the current block
    Integer zaehler_ = 0;    // toggle counter of the rules that convert every second hit
    Long zugGrenze_ = std::numeric_limits<Long>::max();
};

}  // namespace vrn
