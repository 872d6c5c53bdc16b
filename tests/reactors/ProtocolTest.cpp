#include "reactors/Protocol.h"
#include "ReactorTestSupport.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

const CalendarDate kDay{2024, 5, 7};

// Two stirred-tank results of model 2 (k1 = 0.15, V* = 0.2, V = 1 and 2) as
// the tank window leaves them in the protocol row.
void twoTankRows() {
    const double u1 = 0.75 / 1.75;
    for (const ProtRow& z : {ProtRow{1, 0, 0, 0, 0, 1 / 1.75, 0, 0, u1, 0, 0.15, 0, 0, u1, 5, 0, 1, 0.2, u1, 0},
                             ProtRow{1, 0, 0, 0, 0, 0.4, 0, 0, 0.6, 0, 0.15, 0, 0, 0.6, 10, 0, 2, 0.2, 0.6, 0}}) {
        app.ProtZeile = z;
        ASSERT_TRUE(appendProtZeile());
    }
}

const char* const kUnitsSeconds =
    "units: [c(i)] = mol/L   [k_1] = 1/s   [k_2] = L/(mol s)   [U(A)] = 1    [t] = s   [l] = m     [v] = m^3";

}  // namespace

// The stirred-tank example, written to its file and read back byte by byte.
TEST(Protocol, StirredTankExampleUnderBothLocales) {
    const std::pair<char, std::vector<std::string>> cases[] = {
        {'.', {"1;0.5714286;0.4285714;0.15;0.4285714;5;1;0.2;0.4285714;", "1;0.4;0.6;0.15;0.6;10;2;0.2;0.6;"}},
        {',', {"1;0,5714286;0,4285714;0,15;0,4285714;5;1;0,2;0,4285714;", "1;0,4;0,6;0,15;0,6;10;2;0,2;0,6;"}},
    };
    for (const auto& [decimal, rows] : cases) {
        NumberLocaleGuard locale(decimal, decimal == '.' ? ',' : '.');
        TempFolder dir;
        setReactor(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
        app.AppPath = dir.str();
        app.ProtDateiName = "24050701.CSV";
        twoTankRows();
        EXPECT_EQ(std::tuple(app.nProtZeilen, app.bProtOffen), std::tuple(2, true));
        ASSERT_TRUE(writeProtocolFile(kQuelleRKconti, kDay).ok);
        EXPECT_EQ(app.ProtDateiName, dir.file("24050701.CSV"));
        const std::string want = std::string("VARNOLT: Kinetics of chemical reactions\r\n") +
                                 "Protocol from 05-07-2024\r\n" +
                                 "Calculation of a Continuous Stirred Tank Reactor (CSTR)\r\n" + kUnitsSeconds +
                                 "\r\n        [ksi()] = kmol/m^3   (extent of reaction)\r\n\r\n" +
                                 "c_A(A);c_E(A);c_E(P);k1;U(A);t; V; V*; ksi(1);\r\n" + rows[0] + "\r\n" +
                                 rows[1] + "\r\n";
        EXPECT_EQ(readFile(dir.file("24050701.CSV")), want);
    }
}

TEST(Protocol, TitleAndUnitsFollowSourceAndTimeUnit) {
    const std::vector<ProtTabRow> rows{ProtTabRow{1}};
    EXPECT_EQ(protocolLines(rows, ";", kQuelleRohrreaktor, kDay, "s")[2], "Calculation of a Tubular Flow Reactor (TFR)");
    const auto lines = protocolLines(rows, ";", kQuelleBatch, kDay, "min");
    EXPECT_EQ(lines[2], "Calculation of a Batch Reactor");
    EXPECT_EQ(lines[3], "units: [c(i)] = mol/L   [k_1] = 1/min   [k_2] = L/(mol min)   [U(A)] = 1    [t] = min   "
                        "[l] = m     [v] = m^3");
    EXPECT_EQ(protocolLines(rows, ";", kQuelleFitting, kDay, "s")[2], kUnitsSeconds);  // no title line
}

// Rows collected in seconds and then in minutes (the unit changed between two
// batch results): each row stands under the units it was computed in, and the
// file reads back so; a file of one unit has one units block.
TEST(Protocol, EveryRowStandsUnderTheUnitItWasComputedIn) {
    NumberLocaleGuard locale('.', ',');
    TempFolder dir;
    app.AppPath = dir.str();
    app.ProtDateiName = "24050702.CSV";
    app.nProtZeilen = 0;
    app.ProtTabelle.clear();
    app.ProtEinheiten.clear();
    // Batch, A => P: k1 = .0005 1/s, t = 1000 s; then k1 = .03 1/min, t = 10 min.
    const std::pair<const char*, ProtRow> zeilen[] = {
        {"s", ProtRow{1, 0, 0, 0, 0, 0.6065307, 0, 0, 0.3934693, 0, 0.0005, 0, 0, 0.3934693, 1000}},
        {"min", ProtRow{1, 0, 0, 0, 0, 0.7408182, 0, 0, 0.2591818, 0, 0.03, 0, 0, 0.2591818, 10}},
        {"min", ProtRow{1, 0, 0, 0, 0, 0.5488116, 0, 0, 0.4511884, 0, 0.03, 0, 0, 0.4511884, 20}},
    };
    for (const auto& [einheit, zeile] : zeilen) {
        app.sZeiteinheit = einheit;
        app.ProtZeile = zeile;
        ASSERT_TRUE(appendProtZeile());
    }
    ASSERT_TRUE(writeProtocolFile(kQuelleBatch, kDay).ok);
    const std::string kopf = "c_A(A);c_E(A);c_E(P);k1;U(A);t;\r\n";
    const std::string ksi = "        [ksi()] = kmol/m^3   (extent of reaction)\r\n\r\n";
    EXPECT_EQ(readFile(dir.file("24050702.CSV")),
              "VARNOLT: Kinetics of chemical reactions\r\nProtocol from 05-07-2024\r\nCalculation of a Batch Reactor\r\n" +
                  std::string(kUnitsSeconds) + "\r\n" + ksi + kopf + "1;0.6065307;0.3934693;0.0005;0.3934693;1000;\r\n" +
                  "units: [c(i)] = mol/L   [k_1] = 1/min   [k_2] = L/(mol min)   [U(A)] = 1    [t] = min   "
                  "[l] = m     [v] = m^3\r\n" +
                  ksi + kopf + "1;0.7408182;0.2591818;0.03;0.2591818;10;\r\n" +
                  "1;0.5488116;0.4511884;0.03;0.4511884;20;\r\n");
    std::string clip;
    ASSERT_TRUE(closeProtocolFile(kQuelleBatch, kDay, clip).ok);
    EXPECT_TRUE(app.ProtEinheiten.empty()) << "a new file starts without rows";
}

// A column is written when any of its values is not 0, even when they cancel.
TEST(Protocol, ColumnsWithCancellingValuesStay) {
    NumberLocaleGuard locale('.', ',');
    ProtTabRow a{}, b{};
    a[0] = b[0] = 1;
    a[11] = 2.5f;
    b[11] = -2.5f;
    b[19] = 1e-5f;
    const auto lines = protocolLines({a, b}, "\t", kQuelleBatch, kDay, "s");
    EXPECT_EQ(std::tuple(lines[6], lines[7], lines[8]),
              std::tuple("c_A(A)\t k2\t ksi(2)\t", "1\t2.5\t0\t", "1\t-2.5\t1E-05\t"));
}

// A pipe or a folder where the protocol file should be: the read-back for the
// clipboard ends at once with nothing, and the next name follows.
TEST(Protocol, ReadingBackAPipeOrAFolderEndsAtOnceWithAnEmptyClipboard) {
    TempFolder dir;
    resetAppState(dir.str());
    app.AppPath = dir.str();
    Fifo rohr(dir.file("24050701.CSV"));
    std::filesystem::create_directory(dir.file("24050702.CSV"));
    for (const char* name : {"24050701.CSV", "24050702.CSV"}) {
        SCOPED_TRACE(name);
        std::string text = "alt", clipboard = "alt";
        bool read = true;
        ReactorStatus s;
        app.ProtDateiName = name;
        app.bProtOffen = false;
        EXPECT_TRUE(rohr.endsAlone([&] {
            read = protocolClipboardText(dir.file(name), ";", text);
            s = closeProtocolFile(kQuelleBatch, kDay, clipboard);
        })) << "the read-back waited for a writer";
        EXPECT_EQ(std::tuple(read, text, s.ok, clipboard), std::tuple(false, "alt", true, ""));
        EXPECT_NE(app.ProtDateiName, name);
    }
    EXPECT_EQ(std::filesystem::status(rohr.path()).type(), std::filesystem::file_type::fifo);
}

TEST(Protocol, RowsOutsideASingleAreRefused) {
    resetAppState("/tmp");
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        app.ProtZeile[14] = bad;
        EXPECT_FALSE(appendProtZeile());
        EXPECT_EQ(app.nProtZeilen + app.bProtOffen, 0);
    }
}

