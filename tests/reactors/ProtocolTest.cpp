#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <set>

#include "reactors/Protocol.h"
#include "reactors/StirredTank.h"
#include "ReactorTestSupport.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::NumberLocaleGuard;
using vrn::test::readFile;
using vrn::test::setReactor;
using vrn::test::TempFolder;
using vrn::test::writeFile;

namespace {

const CalendarDate kDay{2024, 5, 7};

// Closing a protocol makes the program folder current; put it back.
struct CurrentFolderGuard {
    std::filesystem::path saved = std::filesystem::current_path();
    ~CurrentFolderGuard() { std::filesystem::current_path(saved); }
};

// Two stirred-tank results of model 2 (k1 = 0.15) put into the protocol as
// the window puts them: V = 1 and 2 with V* = 0.2.
void twoTankRows() {
    for (double V : {1.0, 2.0}) {
        double U = 0, Vp = 0.2, tau = 0, v = V;
        Konz c{};
        ASSERT_TRUE(CalcRKconti(2, 2, U, v, Vp, tau, c).ok);
        ProtRow& z = app.ProtZeile;
        z = {};
        z[0] = app.c0[A];
        for (int i = 0; i < 5; ++i) z[static_cast<std::size_t>(5 + i)] = c[static_cast<std::size_t>(1 + i)];
        z[10] = app.k[1];
        z[13] = U;
        z[14] = tau;
        z[16] = v;
        z[17] = Vp;
        z[18] = app.ksi[1];
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
        EXPECT_EQ(app.nProtZeilen, 2);
        EXPECT_TRUE(app.bProtOffen);
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
    const std::vector<ProtTabRow> rows{ProtTabRow{1, 0, 0, 0, 0, 0.5f}};
    const std::pair<int, const char*> titles[] = {
        {kQuelleBatch, "Calculation of a Batch Reactor"},
        {kQuelleRohrreaktor, "Calculation of a Tubular Flow Reactor (TFR)"},
    };
    for (const auto& [source, title] : titles) EXPECT_EQ(protocolLines(rows, ";", source, kDay, "s")[2], title);
    for (int source : {kQuelleKeine, kQuelleZeitDiagramm, kQuelleFitting}) {
        const auto lines = protocolLines(rows, ";", source, kDay, "s");
        EXPECT_EQ(lines[2], kUnitsSeconds) << source;  // no title line
        EXPECT_EQ(lines.size(), 7u);
    }
    EXPECT_EQ(protocolLines(rows, ";", kQuelleBatch, kDay, "min")[3],
              "units: [c(i)] = mol/L   [k_1] = 1/min   [k_2] = L/(mol min)   [U(A)] = 1    [t] = min   [l] = m     "
              "[v] = m^3");
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
    EXPECT_EQ(lines[6], "c_A(A)\t k2\t ksi(2)\t");
    EXPECT_EQ(lines[7], "1\t2.5\t0\t");
    EXPECT_EQ(lines[8], "1\t-2.5\t1E-05\t");
}

TEST(Protocol, ClipboardTextHasTabs) {
    NumberLocaleGuard locale(',', '.');
    TempFolder dir;
    writeFile(dir.file("p.CSV"), "a;b;\r\n0,5;2;\r\n");
    std::string text;
    ASSERT_TRUE(protocolClipboardText(dir.file("p.CSV"), ";", text));
    EXPECT_EQ(text, "a\tb\t\r\n0,5\t2\t\r\n");
    ASSERT_TRUE(protocolClipboardText(dir.file("p.CSV"), ",", text));  // decimal commas become Tabs too
    EXPECT_EQ(text, "a;b;\r\n0\t5;2;\r\n");
    writeFile(dir.file("t.CSV"), "a\tb\t\r\n1\t2\t\r\n");
    ASSERT_TRUE(protocolClipboardText(dir.file("t.CSV"), "\t", text));
    EXPECT_EQ(text, readFile(dir.file("t.CSV")));
    EXPECT_FALSE(protocolClipboardText(dir.file("missing.CSV"), ";", text));
}

TEST(Protocol, ClosingWritesCopiesAndStartsTheNextFile) {
    CurrentFolderGuard cwd;
    NumberLocaleGuard locale('.', ',');
    TempFolder dir;
    setReactor(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
    app.AppPath = dir.str();
    app.ProtDateiName = SetAutoProtName();
    const std::string first = app.ProtDateiName;
    ASSERT_EQ(first.substr(6), "01.CSV");
    twoTankRows();
    std::string clip;
    ASSERT_TRUE(closeProtocolFile(kQuelleRKconti, today(), clip).ok);
    const std::string file = readFile(dir.file(first));
    EXPECT_NE(file.find("c_A(A);c_E(A);"), std::string::npos);
    EXPECT_NE(clip.find("c_A(A)\tc_E(A)\tc_E(P)\tk1\t"), std::string::npos);
    EXPECT_EQ(clip.find(';'), std::string::npos);
    EXPECT_EQ(app.ProtDateiName, first.substr(0, 6) + "02.CSV");
    EXPECT_FALSE(app.bProtOffen);
    EXPECT_EQ(app.nProtZeilen, 0);
    EXPECT_TRUE(app.ProtTabelle.empty());
}

TEST(Protocol, FailedWriteKeepsTheRows) {
    CurrentFolderGuard cwd;
    TempFolder dir;
    setReactor(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
    app.AppPath = dir.str();
    std::filesystem::create_directory(dir.file("24050701.CSV"));  // a folder where the file should go
    app.ProtDateiName = "24050701.CSV";
    twoTankRows();
    std::string clip = "old";
    const ReactorStatus s = closeProtocolFile(kQuelleRKconti, kDay, clip);
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.title, "Meldung von schreibProtFileAndClose");
    EXPECT_NE(s.text.find("24050701.CSV"), std::string::npos);
    EXPECT_TRUE(clip.empty());
    EXPECT_TRUE(app.bProtOffen);
    EXPECT_EQ(app.nProtZeilen, 2);
    EXPECT_EQ(app.ProtTabelle.size(), 2u);
    EXPECT_EQ(app.ProtDateiName, dir.file("24050701.CSV"));
    // Once the way is free, the same rows are written.
    std::filesystem::remove(dir.file("24050701.CSV"));
    ASSERT_TRUE(closeProtocolFile(kQuelleRKconti, kDay, clip).ok);
    EXPECT_NE(readFile(dir.file("24050701.CSV")).find(";0.6;10;2;"), std::string::npos);
}

TEST(Protocol, EmptyFileIsDeletedOnClosing) {
    CurrentFolderGuard cwd;
    TempFolder dir;
    resetAppState(dir.str());
    app.ProtDateiName = "24050701.CSV";
    writeFile(dir.file("24050701.CSV"), "");
    std::string clip;
    ASSERT_TRUE(closeProtocolFile(kQuelleBatch, kDay, clip).ok);
    EXPECT_FALSE(std::filesystem::exists(dir.file("24050701.CSV")));
    EXPECT_TRUE(clip.empty());
}

TEST(Protocol, RowsOutsideASingleAreRefused) {
    resetAppState("/tmp");
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), 1e300, -std::numeric_limits<double>::infinity()}) {
        app.ProtZeile = {};
        app.ProtZeile[14] = bad;
        EXPECT_FALSE(appendProtZeile());
        EXPECT_EQ(app.nProtZeilen, 0);
        EXPECT_FALSE(app.bProtOffen);
    }
}

// The name rule the main window and the protocol window share.
TEST(Protocol, FirstFreeNameFromOne) {
    std::set<std::string> files{"24050702.CSV"};
    auto exists = [&files](const std::string& n) { return files.count(n) > 0; };
    EXPECT_EQ(autoProtName(kDay, exists), "24050701.CSV");
    files.insert("24050701.CSV");
    EXPECT_EQ(autoProtName(kDay, exists), "24050703.CSV");
    EXPECT_EQ(autoProtName(CalendarDate{2031, 12, 31}, exists), "31123101.CSV");
}
