#include <clocale>
#include <cmath>
#include <limits>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::NumberLocaleGuard;

TEST(PlainForm, DoubleAndSingleValuesWhateverTheLocale) {
    NumberLocaleGuard g(',', '.');
    const std::pair<std::string, const char*> cases[] = {
        {Str(0.002), " .002"}, {Str(-1.5), "-1.5"}, {Str(0), " 0"}, {Str(1), " 1"}, {Str(0.15), " .15"},
        {Str(-0.5), "-.5"}, {Str(123456.789), " 123456.789"}, {Str(0.1 + 0.2), " .3"},
        {Str(1.0 / 3.0), " .333333333333333"}, {Str(0.0001), " .0001"}, {Str(0.00001), " 1E-05"},
        {Str(-0.000012345), "-1.2345E-05"}, {Str(1e14), " 100000000000000"}, {Str(1e15), " 1E+15"},
        {Str(1.5e15), " 1.5E+15"}, {Str(6.02214076e23), " 6.02214076E+23"}, {Str(1e-300), " 1E-300"},
        {Str(5), " 5"}, {Str(-3), "-3"},
        // Singles with their seven digits.
        {Str(0.15f), " .15"}, {Str(4.621f), " 4.621"}, {Str(1.0f / 3.0f), " .3333333"}, {Str(1234567.0f), " 1234567"},
        {Str(12345678.0f), " 1.234568E+07"}, {Str(-2.5f), "-2.5"}, {Str(1.5f), " 1.5"},
    };
    for (const auto& [got, expected] : cases) EXPECT_EQ(got, expected);
}

TEST(GeneralForm, PointAndCommaLocale) {
    // value, point, comma
    const std::tuple<double, const char*, const char*> cases[] = {
        {0.75, "0.75", "0,75"}, {-0.5, "-0.5", "-0,5"}, {12.0, "12", "12"}, {1e20, "1E+20", "1E+20"},
        {0.000012, "1.2E-05", "1,2E-05"}, {1234.5, "1234.5", "1234,5"}, {1.25e-7, "1.25E-07", "1,25E-07"},
        {42, "42", "42"},
    };
    for (const auto& [x, point, comma] : cases) {
        NumberLocaleGuard p('.', ',');
        EXPECT_EQ(Format(x), point) << x;
        NumberLocaleGuard c(',', '.');
        EXPECT_EQ(Format(x), comma) << x;
    }
    for (char d : {'.', ','}) {  // a Single keeps its seven digits
        NumberLocaleGuard g(d, d == '.' ? ',' : '.');
        EXPECT_EQ(Format(0.15f), d == '.' ? "0.15" : "0,15");
    }
}

TEST(PatternForm, EveryPatternOfTheProgram) {
    // value, pattern, point, comma
    const std::tuple<double, const char*, const char*, const char*> cases[] = {
        {4.621, "#######0.00", "4.62", "4,62"}, {4.621, "0.00", "4.62", "4,62"}, {4.625, "0.00", "4.63", "4,63"},
        {-4.625, "0.00", "-4.63", "-4,63"}, {0.004, "0.00", "0.00", "0,00"}, {-0.004, "0.00", "0.00", "0,00"},
        {0.12345, "0.0000", "0.1235", "0,1235"}, {1.5, "0.00000", "1.50000", "1,50000"},
        {5.0, "0.000#", "5.000", "5,000"}, {5.12345, "0.000#", "5.1235", "5,1235"}, {5.12, "0.000#", "5.120", "5,120"},
        {123.456, "####0.00", "123.46", "123,46"}, {0.5, "####0.00", "0.50", "0,50"},
        {1234567.891, "#####0.00", "1234567.89", "1234567,89"}, {12.3456, "###0.000", "12.346", "12,346"},
        {99.96, "####0.0", "100.0", "100,0"}, {0.5, "###.0", ".5", ",5"}, {123.44, "###.0", "123.4", "123,4"},
        {5.0, "###.", "5.", "5,"}, {5.6, "###.", "6.", "6,"}, {1234.5, "0.000000E+00", "1.234500E+03", "1,234500E+03"},
        {0.000123, "0.000000E+00", "1.230000E-04", "1,230000E-04"},
        {0.0, "0.000000E+00", "0.000000E+00", "0,000000E+00"},
        {-2.5e-12, "0.000000E+00", "-2.500000E-12", "-2,500000E-12"},
        {9.9999999, "0.000000E+00", "1.000000E+01", "1,000000E+01"},
        {1234.5, ".0000000E+00", ".1234500E+04", ",1234500E+04"},
        {0.15, ".0000000E+00", ".1500000E+00", ",1500000E+00"}, {1234.5, "0.0000 E+##", "1.2345 E+3", "1,2345 E+3"},
        {0.000123, "0.0000 E+##", "1.2300 E-4", "1,2300 E-4"}, {6.5e12, "0.0 E+##", "6.5 E+12", "6,5 E+12"},
        {3.0, "0.0 E+##", "3.0 E+0", "3,0 E+0"}, {1234567.0, "#,##0.00", "1,234,567.00", "1.234.567,00"},
        {7.0, "0", "7", "7"}, {0.0, "#", "", ""}, {2.5, "0", "3", "3"},
        // Sections and literals.
        {-2.0, "0.0;(0.0)", "(2.0)", "(2,0)"}, {0.0, "0.0;(0.0);\"null\"", "null", "null"},
        {3.0, "\"k = \"0.00", "k = 3.00", "k = 3,00"}, {3.0, "0.00 s", "3.00 s", "3,00 s"},
    };
    for (const auto& [x, pattern, point, comma] : cases) {
        NumberLocaleGuard p('.', ',');
        EXPECT_EQ(Format(x, pattern), point) << x << " " << pattern;
        NumberLocaleGuard c(',', '.');
        EXPECT_EQ(Format(x, pattern), comma) << x << " " << pattern;
    }
}

TEST(PatternForm, SingleRoundsOnItsSevenDigitsAndNonFiniteValuesAreNamed) {
    NumberLocaleGuard g('.', ',');
    EXPECT_EQ(std::tuple(Format(4.625f, "0.00"), Format(2.675f, "0.00"), Format(4.621f, "#######0.00")),
              std::tuple("4.63", "2.68", "4.62"));
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), "0.00"), "Inf");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(LeadingNumber, Readings) {
    const std::pair<const char*, double> cases[] = {
        {"1,5", 1}, {"", 0}, {" 12abc", 12}, {"-", 0}, {".5", 0.5}, {"-.25", -0.25}, {"1e3", 1000}, {"1E-3", 0.001},
        {"1e", 1}, {"1e+", 1}, {"2.5E+2x", 250}, {"  \t7", 7}, {"abc", 0}, {"+4", 4}, {"1.2.3", 1.2}, {"1D2", 100},
        {"0.15", 0.15}, {" .002", 0.002}, {"--1", 0}, {"3 4", 3},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(Val(text), value) << text;
}

TEST(LeadingNumber, NeverNonFinite) {
    for (const char* t : {"1e999", "-1e999", "1e-999", "nan", "inf", "9999999999999999999999e300"})
        EXPECT_TRUE(std::isfinite(Val(t))) << t;
    bool ok = true;
    EXPECT_EQ(Val("1e999", ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Val("12", ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Val("x", ok), 0);
    EXPECT_FALSE(ok);
}

TEST(LeadingNumber, TooSmallForADoubleReadsZeroWithOrWithoutAnExponent) {
    const std::string zeros(400, '0');
    // text, read as a number (false: too large)
    const std::pair<std::string, bool> cases[] = {
        {"1e-400", true},           {"0." + zeros + "1", true}, {"-0." + zeros + "1", true},
        {"." + zeros + "5E+3", true}, {"1" + zeros + "e-800", true}, {"1e-99999999999999999999", true},
        {"1" + zeros, false},      {"1e400", false},           {"0." + zeros + "1e800", false}};
    for (const auto& [text, read] : cases) {
        bool ok = !read;
        EXPECT_EQ(Val(text, ok), 0) << text;
        EXPECT_EQ(ok, read) << text;
    }
}

// The leading number read into a Single is rounded once, from the text: the
// nearest Single of the decimal value, ties to the even one. The two texts
// marked "once" lie a hair inside a rounding boundary; read through a Double
// first they would land on the boundary and round the other way (to infinity,
// to 0). Limits as decimals: the largest Single is 3.4028234663852886E+38,
// half a step above it 340282356779733661637539395458142568448 (= 2^128 -
// 2^103, where the Single becomes infinite), half the smallest Single
// 7.006492321624085354618647916449580656401E-46 (= 2^-150).
TEST(LeadingNumber, IntoASingleRoundsOnceFromTheText) {
    constexpr float big = 3.40282346638528859811704183484516925440e38f;  // the largest Single
    constexpr float tiny = 1.40129846432481707092372958328991613128e-45f; // the smallest Single
    struct Row {
        const char* text;
        bool ok;
        float value;
        bool tooLargeSingle, tooLargeDouble;
    };
    const Row rows[] = {
        {"3.4028235E+38", true, big, false, false},  // the largest Single's shortest text
        {"-3.4028235E+38", true, -big, false, false},
        {"3.4028234663852886E+38", true, big, false, false},
        {"3.40282356779733661637539395458142568447E+38", true, big, false, false},  // once
        {"3.40282356779733661637539395458142568448E+38", false, 0, true, false},    // the tie goes up
        {"3.4028236E+38 mol", false, 0, true, false},
        {"-1E+39", false, 0, true, false},
        {"1E+300", false, 0, true, false},
        {"1,8E+308", true, 1, false, false},  // the comma ends the number
        {"1.8E+308", false, 0, true, true},
        {"-1e999", false, 0, true, true},
        {"1.4E-45", true, tiny, false, false},
        {"7.0064923216240854E-46", true, tiny, false, false},  // once
        {"7.00649232162408535461864791644958065640130970938257885878534141944895541342930300743319094181060791015625E-46",
         true, 0, false, false},  // the tie goes to 0
        {"-1E-46", true, -0.0f, false, false},
        {"1.17549435E-38", true, 1.17549435e-38f, false, false},
        {"1E-400", true, 0, false, false},
        {"abc", false, 0, false, false},
        {"", false, 0, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        bool ok = !r.ok;
        const Single v = ValSingle(r.text, ok);
        EXPECT_EQ(ok, r.ok);
        EXPECT_EQ(v, r.value);
        EXPECT_EQ(std::signbit(v), std::signbit(r.value));
        EXPECT_EQ(ValZuGross(r.text, true), r.tooLargeSingle);
        EXPECT_EQ(ValZuGross(r.text), r.tooLargeDouble);
    }
}

// The values that round to a finite Single, and the Single they round to.
TEST(SingleRange, ValuesThatRoundToAFiniteSingle) {
    constexpr float big = 3.40282346638528859811704183484516925440e38f;
    const double half = 340282356779733661637539395458142568448.0;  // exact: 2^128 - 2^103
    // value, rounds to a finite Single, the Single
    const std::tuple<double, bool, float> rows[] = {
        {3.4028234663852886e38, true, big},
        {3.4028235e38, true, big},
        {std::nextafter(half, 0.0), true, big},
        {-std::nextafter(half, 0.0), true, -big},
        {half, false, 0},
        {1e300, false, 0},
        {-1e300, false, 0},
        {std::numeric_limits<double>::infinity(), false, 0},
        {std::nan(""), false, 0},
        {1.5, true, 1.5f},
        {0.1, true, 0.1f},
        {1e-50, true, 0},
    };
    for (const auto& [x, fits, s] : rows) {
        SCOPED_TRACE(x);
        EXPECT_EQ(passtInSingle(x), fits);
        if (fits) {
            EXPECT_EQ(zuSingle(x), s);
        }
    }
    EXPECT_EQ(kSingleGrenze, half);
}

TEST(LeadingNumber, ReadsBackThePlainForm) {
    for (double x : {0.002, -1.5, 1e-5, 6.02214076e23, 123456.789, 0.15}) EXPECT_DOUBLE_EQ(Val(Str(x)), x);
    // At the largest Double, 15 digits would round past it: the plain and the
    // general form keep the digits that read back as the value itself.
    // The four largest Doubles, and the fifth, whose 15 digits stay below.
    const double big = std::numeric_limits<double>::max();
    const auto down = [](double x, int steps) {
        while (steps-- > 0) x = std::nextafter(x, 0.0);
        return x;
    };
    // value, plain form, whether it reads back as itself
    for (const auto& [x, text, itself] :
         {std::tuple{big, " 1.7976931348623157E+308", true}, {-big, "-1.7976931348623157E+308", true},
          {down(big, 1), " 1.7976931348623155E+308", true}, {down(big, 3), " 1.7976931348623151E+308", true},
          {down(big, 4), " 1.79769313486231E+308", false}}) {
        EXPECT_EQ(Str(x), text);
        bool ok = false;
        const double back = Val(Str(x), ok);
        EXPECT_TRUE(ok) << text;
        EXPECT_EQ(back == x, itself) << text;
        EXPECT_EQ(Val(Format(x), ok), back) << Format(x);
        EXPECT_TRUE(ok) << Format(x);
    }
    // The exact form: the fewest digits that read back as the value.
    for (double x : {0.1, 1.0 / 3.0, 0.1 + 0.2, 3.4028234663852886e38, -5e-324, big})
        EXPECT_EQ(Val(StrExact(x)), x) << StrExact(x);
    EXPECT_EQ(std::tuple(StrExact(0.1), StrExact(-2.5e-7), StrExact(0.0)), std::tuple(" .1", "-2.5E-07", " 0"));
    // A Single: the fewest digits that read back as the same Single.
    for (float x : {1.0000001e28f, -1.0000002e-38f, 0.1f, 3.4028235e38f, 1.4e-45f})
        EXPECT_EQ(static_cast<float>(Val(StrExact(x))), x) << StrExact(x);
    EXPECT_EQ(std::tuple(StrExact(1.0000001e28f), StrExact(0.1f), StrExact(1.5f)),
              std::tuple(" 1.0000001E+28", " .1", " 1.5"));
}

TEST(IntegerRounding, HalfToEven) {
    for (auto [x, n] : {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {1e9, 32767}, {-1e9, -32768}, {NAN, 0}})
        EXPECT_EQ(CInt(x), n) << x;
}

TEST(NumberTexts, IndependentOfTheCLocale) {
    // The GUI sets the C locale from the environment; a German one writes "1,5" with printf.
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
    const char* set = nullptr;
    for (const char* n : names)
        if ((set = std::setlocale(LC_NUMERIC, n))) break;
    if (!set) GTEST_SKIP() << "no German locale installed";
    EXPECT_DOUBLE_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(std::tuple(Str(-1.5), Format(4.625f, "0.00")), std::tuple("-1.5", "4.63"));
    std::setlocale(LC_NUMERIC, "C");
}

TEST(NumKeyFilter, AcceptedAndRefusedKeys) {
    // key, accepted, after
    const std::tuple<int, bool, int> cases[] = {
        {'0', true, '0'}, {'9', true, '9'}, {'E', true, 'E'}, {'e', true, 'e'}, {',', true, '.'}, {'-', true, '-'},
        {'.', true, '.'}, {13, true, 13}, {8, true, 8}, {127, true, 127}, {'x', false, 'x'}, {' ', false, ' '},
        {'+', false, '+'}, {3, false, 3}, {22, false, 22}, {'D', false, 'D'},
    };
    for (const auto& [key, accepted, after] : cases) {
        Integer k = static_cast<Integer>(key);
        EXPECT_EQ(NumKeyFilter(k), accepted) << key;
        EXPECT_EQ(k, after) << key;
    }
}
