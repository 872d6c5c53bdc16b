#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

class BusyCursor : public ::testing::Test {
protected:
    void SetUp() override {
        resetAppState("");
        hooks().screen.getMousePointer = [this] { return pointer; };
        hooks().screen.setMousePointer = [this](int p) { pointer = p; ++sets; };
    }
    Restore<ScreenHooks> saved{vrn::hooks().screen};
    int pointer = 0;
    int sets = 0;
};

TEST_F(BusyCursor, NestedBracketsRestoreOnlyAtTheOuterEnd) {
    pointer = 3;
    SanduhrEin();
    EXPECT_EQ(std::tuple(pointer, app.bBusy, app.SavedMousePointer), std::tuple(kHourglass, true, 3));
    SanduhrEin();
    EXPECT_EQ(std::tuple(app.WaitCount, pointer), std::tuple(2, kHourglass));
    SanduhrAus();
    EXPECT_EQ(std::tuple(pointer, app.bBusy), std::tuple(kHourglass, true));
    SanduhrAus();
    EXPECT_EQ(std::tuple(pointer, app.bBusy, app.WaitCount), std::tuple(3, false, 0));
}

TEST_F(BusyCursor, HourglassAlreadySetLeavesBusyFlag) {
    pointer = kHourglass;
    SanduhrEin();
    EXPECT_EQ(std::tuple(app.bBusy, sets), std::tuple(false, 0));
    SanduhrAus();
    EXPECT_EQ(pointer, kHourglass);  // the saved pointer was the hourglass
}

TEST_F(BusyCursor, SurplusCallRestoresAgain) {
    pointer = 1;
    SanduhrEin();
    SanduhrAus();
    pointer = 5;
    SanduhrAus();
    EXPECT_EQ(std::tuple(app.WaitCount, pointer), std::tuple(-1, 1));
}

TEST(ShortenPath, Examples) {
    const std::string p = "C:\\Programme\\Daten\\Laborwerte\\Versuche";
    ASSERT_EQ(p.size(), 38u);
    // path, length, shortened; the last three have no separator in the tail
    for (auto [path, n, kurz] : {std::tuple{p, 20, "C:\\...\\Versuche"}, {p, 30, "C:\\...\\Laborwerte\\Versuche"},
                                 {p, 38, p.c_str()}, {p, 60, p.c_str()},
                                 {"/home/anna/messungen/2026/reihe1/kinetik.vrd", 20, "/ho.../kinetik.vrd"},
                                 {"C:\\abcdefghijklmnopqrstuvwxyz", 10, "C:\\..."}, {"", 10, ""},
                                 {"abcdefghijklmnop", 6, "abc..."}})
        EXPECT_EQ(ShortenPath(path, n), kurz) << path;
}

TEST(FileExists, BareNamesLookInTheProgramFolder) {
    TempFolder dir;
    resetAppState(dir.str());
    writeFile(dir.file("data.VRD"), "x");
    std::filesystem::create_directory(dir.path() / "sub.VRD");
    writeFile(dir.file(".hidden"), "x");
    // "sub.VRD" is a folder; backslashes work as separators too.
    for (const std::string& da : {std::string("data.VRD"), dir.file("data.VRD"), std::string("*.vrd"),
                                  std::string("da?a.VRD"), dir.str() + "\\data.VRD"})
        EXPECT_TRUE(FileExists(da)) << da;
    for (const char* fehlt : {"missing.VRD", "", "sub.VRD", ".hidden", "*.VRP", "/no/such/folder/x.txt"})
        EXPECT_FALSE(FileExists(fehlt)) << fehlt;
}

TEST(WildcardMatch, Patterns) {
    for (auto [pattern, name, match] : {std::tuple{"*.vrd", "Probe.VRD", true}, {"*", "", true},
                                        {"a*b*c", "aXXbYYc", true}, {"a*b*c", "aXXbYY", false}, {"?x", "ax", true},
                                        {"?x", "x", false}})
        EXPECT_EQ(wildcardMatch(pattern, name), match) << pattern << " " << name;
}

TEST(ClearExpDaten, EmptiesTheDataSet) {
    resetAppState("");
    ClearExpDaten();  // on an empty data set
    EXPECT_EQ(app.ExpDaten.size(), 2u);
    app.ExpDaten.assign(4, Messpunkt{});
    app.nExpPunkte = 3;
    for (auto& p : app.ExpDaten) p = Messpunkt{1, {0, 1, 2, 3, 0, 0}, 300, 4, 7, 0, 0, -1};
    app.ExpDateiName = "x.VRD";
    app.bDatenGeaendert = true;
    ClearExpDaten();
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDateiName, app.bDatenGeaendert, app.ExpDaten.size()),
              std::tuple(0, "", false, 4u));
    const auto& p = app.ExpDaten[2];
    EXPECT_EQ(std::tuple(p.t, p.c[1], p.c[2], p.k, p.Temp, p.aus), std::tuple(0.0, 0.0, 0.0, 0.0, 0.0, Integer{0}));
    EXPECT_EQ(std::tuple(p.c[3], p.lambda), std::tuple(3.0, 7.0f));  // untouched fields keep their values
}
