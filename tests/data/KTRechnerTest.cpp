#include <gtest/gtest.h>

#include "data/KTRechner.h"

using namespace vrn;

TEST(KTRechner, RefusesWhatCannotBeShown) {
    EXPECT_FALSE(arrheniusK(1e13, 1e5, 0, 1).ok);
    EXPECT_FALSE(arrheniusK(1e13, 1e5, -5, 1).ok);
    EXPECT_FALSE(eyringK(0, 0, 0, 1).ok);
    EXPECT_FALSE(arrheniusK(1, -1e7, 1, 1).ok);   // exp overflows
    EXPECT_FALSE(arrheniusK(1e300, 0, 300, 1).ok);  // beyond the single range
    EXPECT_FALSE(eyringK(1e6, 0, 300, 1).ok);
    const KTErgebnis tiny = arrheniusK(1, 1e7, 1, 1);  // underflows to 0: a value
    EXPECT_TRUE(tiny.ok);
    EXPECT_EQ(tiny.k, 0);
}
