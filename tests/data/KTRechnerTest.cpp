#include <gtest/gtest.h>

#include "data/KTRechner.h"

using namespace vrn;

TEST(KTRechner, RefusesWhatCannotBeShown) {
    // T at or below 0; exp overflowing; beyond the single range.
    for (const KTErgebnis& r : {arrheniusK(1e13, 1e5, 0, 1), arrheniusK(1e13, 1e5, -5, 1), eyringK(0, 0, 0, 1),
                                arrheniusK(1, -1e7, 1, 1), arrheniusK(1e300, 0, 300, 1), eyringK(1e6, 0, 300, 1)})
        EXPECT_FALSE(r.ok) << r.k;
    const KTErgebnis tiny = arrheniusK(1, 1e7, 1, 1);  // underflows to 0: a value
    EXPECT_EQ(std::tuple(tiny.ok, tiny.k), std::tuple(true, 0));
}

// A k beyond what the boxes show names the input with the largest share of
// ln k: ln A against -EA / (R T) (ln 3.4E+38 = 88.7 is the limit); S#/R,
// -H#/(R T) and ln (kB/h T) in Eyring's.
TEST(KTRechner, AResultTooLargeNamesTheInputThatMadeIt) {
    // result, the input (0 A or S#, 1 EA or H#, 2 T)
    const std::pair<KTErgebnis, int> faelle[] = {
        {arrheniusK(1e60, 1e5, 298.15, 1), 0},      // ln A = 138.2, -EA/RT = -40.3
        {arrheniusK(1, -1e39, 298.15, 1), 1},       // the exponent
        {arrheniusK(1e30, -3e5, 298.15, 1), 1},     // 69.1 against 121.0
        {arrheniusK(1e38, -1e5, 298.15, 1), 0},     // 87.5 against 40.3
        {eyringK(1e39, 0, 298.15, 1), 0},           // S#/R
        {eyringK(0, -1e39, 298.15, 1), 1},          // -H#/(R T)
        {eyringK(0, 0, 1e300, 1), 2},               // ln (kB/h T)
    };
    for (const auto& [r, ursache] : faelle) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.ueberlaufDurch, ursache);
    }
    EXPECT_EQ(arrheniusK(1e13, 1e5, 298.15, 1).ueberlaufDurch, -1);  // a k the boxes show
}
