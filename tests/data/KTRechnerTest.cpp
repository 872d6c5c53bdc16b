#include <gtest/gtest.h>

#include "base/NumberText.h"
#include "base/Types.h"
#include "data/KTRechner.h"

using namespace vrn;

namespace {
std::string text(double v) { return Str(static_cast<Single>(v)); }
}  // namespace

// Hand-computed: 1e13 * exp(-100000 / (8.3145 * 298.15)) = 3.025776e-05;
// kB/h * 298.15 = 2.083644e10 * 298.15 = 6.212384e12 per second.
TEST(KTRechner, ArrheniusAndEyringGiveTheHandComputedConstants) {
    // eyring, a, b, T, second, k, kSec
    const std::tuple<bool, double, double, double, double, const char*, const char*> cases[] = {
        {false, 1e13, 1e5, 298.15, 1, " 3.025776E-05", " 3.025776E-05"},
        {false, 1e13, 1e5, 298.15, 1.0 / 60, " 3.025776E-05", " 5.042959E-07"},
        {true, 0, 0, 298.15, 1.0 / 3600, " 2.236458E+16", " 6.212384E+12"},
        {false, 2, 0, 300, 1, " 2", " 2"},
    };
    for (const auto& [eyring, a, b, T, second, k, kSec] : cases) {
        const KTErgebnis r = eyring ? eyringK(a, b, T, second) : arrheniusK(a, b, T, second);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(text(r.k), k);
        EXPECT_EQ(text(r.kSec), kSec);
    }
    EXPECT_EQ(text(kBdurchH()), " 2.083644E+10");
}

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
