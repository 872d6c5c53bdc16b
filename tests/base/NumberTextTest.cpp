#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::NumberLocaleGuard;

struct StrCase {
    double x;
    const char* expected;
};

TEST(PlainForm, DoubleValues) {
    const StrCase cases[] = {
        {0.002, " .002"},
        {-1.5, "-1.5"},
        {0, " 0"},
        {1, " 1"},
        {0.15, " .15"},
        {-0.5, "-.5"},
        {123456.789, " 123456.789"},
        {0.1 + 0.2, " .3"},
        {1.0 / 3.0, " .333333333333333"},
        {0.0001, " .0001"},
        {0.00001, " 1E-05"},
        {-0.000012345, "-1.2345E-05"},
        {1e14, " 100000000000000"},
        {1e15, " 1E+15"},
        {1.5e15, " 1.5E+15"},
        {6.02214076e23, " 6.02214076E+23"},
        {1e-300, " 1E-300"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(c.x), c.expected) << c.x;
}

TEST(PlainForm, SingleValuesUseSevenDigits) {
    EXPECT_EQ(Str(0.15f), " .15");
    EXPECT_EQ(Str(4.621f), " 4.621");
    EXPECT_EQ(Str(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(Str(1234567.0f), " 1234567");
    EXPECT_EQ(Str(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(Str(-2.5f), "-2.5");
    EXPECT_EQ(Str(1.5f), " 1.5");
}

TEST(PlainForm, IgnoresLocale) {
    NumberLocaleGuard g(',', '.');
    EXPECT_EQ(Str(0.002), " .002");
    EXPECT_EQ(Str(-1.5), "-1.5");
    EXPECT_EQ(Str(5), " 5");
    EXPECT_EQ(Str(-3), "-3");
}

TEST(GeneralForm, PointAndCommaLocale) {
    {
        NumberLocaleGuard g('.', ',');
        EXPECT_EQ(Format(0.75), "0.75");
        EXPECT_EQ(Format(-0.5), "-0.5");
        EXPECT_EQ(Format(12.0), "12");
        EXPECT_EQ(Format(1e20), "1E+20");
        EXPECT_EQ(Format(0.000012), "1.2E-05");
        EXPECT_EQ(Format(0.15f), "0.15");
        EXPECT_EQ(Format(42), "42");
    }
    {
        NumberLocaleGuard g(',', '.');
        EXPECT_EQ(Format(0.75), "0,75");
        EXPECT_EQ(Format(1234.5), "1234,5");
        EXPECT_EQ(Format(1.25e-7), "1,25E-07");
        EXPECT_EQ(Format(0.15f), "0,15");
    }
}

struct PatCase {
    double x;
    const char* pattern;
    const char* point;
    const char* comma;
};

TEST(PatternForm, EveryPatternOfTheProgram) {
    const PatCase cases[] = {
        {4.621, "#######0.00", "4.62", "4,62"},
        {4.621, "0.00", "4.62", "4,62"},
        {4.625, "0.00", "4.63", "4,63"},
        {-4.625, "0.00", "-4.63", "-4,63"},
        {0.004, "0.00", "0.00", "0,00"},
        {-0.004, "0.00", "0.00", "0,00"},
        {0.12345, "0.0000", "0.1235", "0,1235"},
        {1.5, "0.00000", "1.50000", "1,50000"},
        {5.0, "0.000#", "5.000", "5,000"},
        {5.12345, "0.000#", "5.1235", "5,1235"},
        {5.12, "0.000#", "5.120", "5,120"},
        {123.456, "####0.00", "123.46", "123,46"},
        {0.5, "####0.00", "0.50", "0,50"},
        {1234567.891, "#####0.00", "1234567.89", "1234567,89"},
        {12.3456, "###0.000", "12.346", "12,346"},
        {99.96, "####0.0", "100.0", "100,0"},
        {0.5, "###.0", ".5", ",5"},
        {123.44, "###.0", "123.4", "123,4"},
        {5.0, "###.", "5.", "5,"},
        {5.6, "###.", "6.", "6,"},
        {1234.5, "0.000000E+00", "1.234500E+03", "1,234500E+03"},
        {0.000123, "0.000000E+00", "1.230000E-04", "1,230000E-04"},
        {0.0, "0.000000E+00", "0.000000E+00", "0,000000E+00"},
        {-2.5e-12, "0.000000E+00", "-2.500000E-12", "-2,500000E-12"},
        {9.9999999, "0.000000E+00", "1.000000E+01", "1,000000E+01"},
        {1234.5, ".0000000E+00", ".1234500E+04", ",1234500E+04"},
        {0.15, ".0000000E+00", ".1500000E+00", ",1500000E+00"},
        {1234.5, "0.0000 E+##", "1.2345 E+3", "1,2345 E+3"},
        {0.000123, "0.0000 E+##", "1.2300 E-4", "1,2300 E-4"},
        {6.5e12, "0.0 E+##", "6.5 E+12", "6,5 E+12"},
        {3.0, "0.0 E+##", "3.0 E+0", "3,0 E+0"},
        {1234567.0, "#,##0.00", "1,234,567.00", "1.234.567,00"},
        {7.0, "0", "7", "7"},
        {0.0, "#", "", ""},
        {2.5, "0", "3", "3"},
    };
    for (const auto& c : cases) {
        {
            NumberLocaleGuard g('.', ',');
            EXPECT_EQ(Format(c.x, c.pattern), c.point) << c.x << " " << c.pattern;
        }
        {
            NumberLocaleGuard g(',', '.');
            EXPECT_EQ(Format(c.x, c.pattern), c.comma) << c.x << " " << c.pattern;
        }
    }
}

TEST(PatternForm, SingleRoundsOnItsSevenDigits) {
    NumberLocaleGuard g('.', ',');
    EXPECT_EQ(Format(4.625f, "0.00"), "4.63");
    EXPECT_EQ(Format(2.675f, "0.00"), "2.68");
    EXPECT_EQ(Format(4.621f, "#######0.00"), "4.62");
}

TEST(PatternForm, SectionsAndLiterals) {
    NumberLocaleGuard g('.', ',');
    EXPECT_EQ(Format(-2.0, "0.0;(0.0)"), "(2.0)");
    EXPECT_EQ(Format(0.0, "0.0;(0.0);\"null\""), "null");
    EXPECT_EQ(Format(3.0, "\"k = \"0.00"), "k = 3.00");
    EXPECT_EQ(Format(3.0, "0.00 s"), "3.00 s");
}

TEST(PatternForm, NonFiniteValuesAreNamed) {
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), "0.00"), "Inf");
    EXPECT_EQ(Str(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(LeadingNumber, Readings) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"1,5", 1},        {"", 0},          {" 12abc", 12},   {"-", 0},        {".5", 0.5},
        {"-.25", -0.25},   {"1e3", 1000},    {"1E-3", 0.001},  {"1e", 1},       {"1e+", 1},
        {"2.5E+2x", 250},  {"  \t7", 7},     {"abc", 0},       {"+4", 4},       {"1.2.3", 1.2},
        {"1D2", 100},      {"0.15", 0.15},   {" .002", 0.002}, {"--1", 0},      {"3 4", 3},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(LeadingNumber, NeverNonFinite) {
    for (const char* t : {"1e999", "-1e999", "1e-999", "nan", "inf", "9999999999999999999999e300"}) {
        const double v = Val(t);
        EXPECT_TRUE(std::isfinite(v)) << t;
    }
    bool ok = true;
    EXPECT_EQ(Val("1e999", ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Val("12", ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Val("x", ok), 0);
    EXPECT_FALSE(ok);
}

TEST(LeadingNumber, ReadsBackThePlainForm) {
    for (double x : {0.002, -1.5, 1e-5, 6.02214076e23, 123456.789, 0.15}) EXPECT_DOUBLE_EQ(Val(Str(x)), x);
}

TEST(IntegerRounding, HalfToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CInt(1e9), 32767);
    EXPECT_EQ(CInt(-1e9), -32768);
    EXPECT_EQ(CInt(std::nan("")), 0);
}

TEST(NumberTexts, IndependentOfTheCLocale) {
    // The GUI sets the C locale from the environment; a German one writes "1,5" with printf.
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
    const char* set = nullptr;
    for (const char* n : names)
        if ((set = std::setlocale(LC_NUMERIC, n))) break;
    if (!set) GTEST_SKIP() << "no German locale installed";
    EXPECT_DOUBLE_EQ(Val("1.5"), 1.5);
    EXPECT_EQ(Str(-1.5), "-1.5");
    EXPECT_EQ(Format(4.625f, "0.00"), "4.63");
    std::setlocale(LC_NUMERIC, "C");
}

TEST(NumKeyFilter, AcceptedAndRefusedKeys) {
    // key, accepted, after
    const std::tuple<int, bool, int> cases[] = {
        {'0', true, '0'}, {'9', true, '9'}, {'E', true, 'E'}, {'e', true, 'e'}, {',', true, '.'},
        {'-', true, '-'}, {'.', true, '.'}, {13, true, 13},   {8, true, 8},     {127, true, 127},
        {'x', false, 'x'}, {' ', false, ' '}, {'+', false, '+'}, {3, false, 3},  {22, false, 22},
        {'D', false, 'D'},
    };
    for (const auto& [key, accepted, after] : cases) {
        Integer k = static_cast<Integer>(key);
        EXPECT_EQ(NumKeyFilter(k), accepted) << key;
        EXPECT_EQ(k, after) << key;
    }
}
