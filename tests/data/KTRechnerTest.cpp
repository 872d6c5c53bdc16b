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
