// The owner of the shared state without windows: what a listener hears of
// a change, nested changes, listeners that write or go while they are told,
// and values the owner refuses.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "support/TestSupport.h"

using namespace vrn;

namespace {

struct Gehoert {
    std::vector<Meldung> meldungen;
    std::vector<unsigned> teile() const {
        std::vector<unsigned> t;
        for (const auto& m : meldungen) t.push_back(m.teile);
        return t;
    }
};

class StateOwnerTest : public ::testing::Test {
protected:
    StateOwnerTest() {
        resetAppState("/prog");
        zustand().unangekuendigtZuruecksetzen();
        zustand().abgelehntZuruecksetzen();
    }
    ~StateOwnerTest() override { resetAppState("/prog"); }
};

}  // namespace

TEST_F(StateOwnerTest, OneMessageNamesWhatTheOutermostChangeChanged) {
    Gehoert alles, nurEinheit;
    Zuhoerer a{"alles", kAlleTeile, [&](const Meldung& m) { alles.meldungen.push_back(m); }};
    Zuhoerer b{"einheit", kTeilZeiteinheit, [&](const Meldung& m) { nurEinheit.meldungen.push_back(m); }};
    const double k1 = app.k[1];
    {
        Aenderung aussen;
        app.k[1] = 0.3;
        {
            Aenderung innen(0, 60);
            app.sZeiteinheit = "min";
        }
        EXPECT_TRUE(alles.meldungen.empty()) << "nothing while the outer change is open";
        app.c0[2] = 0.5;
    }
    ASSERT_EQ(alles.teile(), std::vector<unsigned>{kTeilKonstanten | kTeilZeiteinheit | kTeilStartkonz});
    const Meldung& m = alles.meldungen[0];
    EXPECT_EQ(std::tuple(m.vorher.k[1], m.kGeteiltDurch), std::tuple(k1, 60.0)) << "the values before, the factor";
    EXPECT_EQ(nurEinheit.teile(), std::vector<unsigned>{kTeilKonstanten | kTeilZeiteinheit | kTeilStartkonz})
        << "a listener hears the whole message when one of its parts is in it";

    // The same value written again is no change; a marked part is announced all the same.
    { Aenderung gleich; app.k[1] = 0.3; }
    { Aenderung markiert(kTeilDatensatz); }
    EXPECT_EQ(alles.teile().back(), kTeilDatensatz);
    EXPECT_EQ(alles.meldungen.size(), 2u);
    EXPECT_TRUE(nurEinheit.meldungen.size() == 1) << "a part it does not listen to";
}

TEST_F(StateOwnerTest, AListenerThatWritesIsHeardInTheNextMessage) {
    Gehoert gehoert;
    // A window that follows the unit by writing its own value (as the model window marks the unit).
    Zuhoerer folger{"folger", kTeilZeiteinheit, [&](const Meldung&) {
                        Aenderung eigene;
                        app.iZeitEinheit = 1;
                        app.k[2] = 7;
                    }};
    Zuhoerer alles{"alles", kAlleTeile, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    const double k2 = app.k[2];
    {
        Aenderung a;
        app.sZeiteinheit = "min";
    }
    EXPECT_EQ(gehoert.teile(), (std::vector<unsigned>{kTeilZeiteinheit, kTeilZeiteinheit | kTeilKonstanten}));
    EXPECT_EQ(gehoert.meldungen[1].vorher.k[2], k2) << "before the second message";
    EXPECT_EQ(app.k[2], 7);
}

TEST_F(StateOwnerTest, AListenerMayGoWhileItIsTold) {
    int zweiter = 0;
    auto erster = std::make_unique<Zuhoerer>();
    *erster = Zuhoerer{"erster", kTeilModell, [&](const Meldung&) { erster.reset(); }};
    Zuhoerer z{"zweiter", kTeilModell, [&](const Meldung&) { ++zweiter; }};
    {
        Aenderung a;
        app.iModell = 4;
    }
    EXPECT_EQ(erster, nullptr);
    EXPECT_EQ(zweiter, 1);
    std::vector<std::string> namen;
    for (const auto& abo : zustand().abos()) namen.push_back(abo.wer);
    EXPECT_EQ(namen, std::vector<std::string>{"zweiter"});
}

TEST_F(StateOwnerTest, AWriteWithoutAChangeIsAnnouncedBeforeTheNextChange) {
    Gehoert gehoert;
    Zuhoerer z{"alles", kAlleTeile, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    app.iModell = 7;  // no change opened
    {
        Aenderung a;
        app.k[1] = 2;
    }
    EXPECT_EQ(gehoert.teile(), (std::vector<unsigned>{kTeilModell, kTeilKonstanten}));
    EXPECT_EQ(zustand().unangekuendigt(), kTeilModell);
}

TEST_F(StateOwnerTest, ANumberNoWindowCanShowIsRefusedAndNotAnnounced) {
    Gehoert gehoert;
    Zuhoerer z{"alles", kAlleTeile, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const double k1 = app.k[1], c3 = app.c0[3], ea = app.dblArrhEA;
    const Single n = app.nOrdnung, tEnd = app.tEnd;
    {
        Aenderung a;
        app.k[1] = inf;
        app.c0[1] = 0.25;  // a good value of the same change stays
        app.c0[3] = nan;
        app.nOrdnung = std::numeric_limits<Single>::infinity();
        app.tEnd = -std::numeric_limits<Single>::infinity();
        app.dblArrhEA = nan;
    }
    EXPECT_EQ(std::tuple(app.k[1], app.c0[1], app.c0[3], app.nOrdnung, app.tEnd, app.dblArrhEA),
              std::tuple(k1, 0.25, c3, n, tEnd, ea));
    EXPECT_EQ(gehoert.teile(), std::vector<unsigned>{kTeilStartkonz});
    EXPECT_EQ(teilNamen(zustand().abgelehnt()), "Ordnung|Konstanten|Startkonz|Temperatur|Zeitbereich");
}

namespace {
// The alarm texts of the owner while the test runs; the thorough check is
// switched off again at its end (as the program runs without it).
class Alarme {
public:
    explicit Alarme(bool gruendlich) {
        zustand().setAlarm([this](const std::string& t) { texte.push_back(t); });
        zustand().setGruendlich(gruendlich);
    }
    ~Alarme() {
        zustand().setGruendlich(false);
        zustand().setAlarm(nullptr);
    }
    std::vector<std::string> texte;
};
}  // namespace

TEST_F(StateOwnerTest, AWriteWithoutAChangeRaisesTheAlarmWithTheParts) {
    Alarme alarme(false);
    Gehoert gehoert;
    Zuhoerer z{"alles", kAlleTeile, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    app.k[2] = 0.4;
    app.tEnd = 50;
    zustand().nachzuegler();
    EXPECT_EQ(alarme.texte, std::vector<std::string>{"geschrieben ohne Änderung: Konstanten|Zeitbereich"});
    EXPECT_EQ(gehoert.teile(), std::vector<unsigned>{kTeilKonstanten | kTeilZeitbereich}) << "announced all the same";
    zustand().nachzuegler();
    EXPECT_EQ(alarme.texte.size(), 1u) << "once";
    {
        Aenderung a;
        app.k[3] = 0.5;
    }
    EXPECT_EQ(alarme.texte.size(), 1u) << "a write inside a change is no alarm";
}

// The points of the data set count by their counter: the writer says that it
// wrote them. The idle check of the program compares the counter only, so
// that its cost does not grow with the data set; the thorough check of the
// tests catches a writer that does not say so.
TEST_F(StateOwnerTest, PointsCountByTheirWritersWord) {
    test::setDataSet(3, [](Messpunkt& p, int i) { p.t = i; });
    Gehoert gehoert;
    Zuhoerer z{"daten", kTeilDatensatz, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    {
        Alarme alarme(false);
        {
            Aenderung a;
            app.ExpDaten[2].t = 7;  // the writer forgets to say so
        }
        EXPECT_TRUE(gehoert.meldungen.empty()) << "the points themselves are not compared";
        {
            Aenderung a;
            app.ExpDaten[2].t = 8;
            datensatzGeschrieben();
        }
        EXPECT_EQ(gehoert.teile(), std::vector<unsigned>{kTeilDatensatz});
        EXPECT_TRUE(alarme.texte.empty());
    }
    {
        Alarme alarme(true);
        gehoert.meldungen.clear();
        {
            Aenderung a;
            app.ExpDaten[1].c[1] = 0.5;
        }
        EXPECT_EQ(alarme.texte,
                  std::vector<std::string>{"Messpunkte geschrieben, ohne dass ihr Schreiber datensatzGeschrieben() sagt"});
        EXPECT_EQ(gehoert.teile(), std::vector<unsigned>{kTeilDatensatz}) << "announced all the same";
        // Without a change as well: both faults are named.
        app.nExpPunkte = 2;
        zustand().nachzuegler();
        EXPECT_EQ(alarme.texte.size(), 3u);
        EXPECT_EQ(alarme.texte.back(), "geschrieben ohne Änderung: Datensatz");
        EXPECT_EQ(gehoert.meldungen.size(), 2u);
    }
    zustand().unangekuendigtZuruecksetzen();
}

// The comment, the file name, lambda(inf) and the initial concentrations of
// the data are values of the data set part, compared as they are.
TEST_F(StateOwnerTest, TheDataSetsOtherValuesAreComparedAsTheyAre) {
    Gehoert gehoert;
    Zuhoerer z{"daten", kTeilDatensatz, [&](const Meldung& m) { gehoert.meldungen.push_back(m); }};
    const std::function<void()> schreiber[] = {
        [] { app.ExpKommentar = "neu"; },
        [] { app.ExpDateiName = "neu.VRD"; },
        [] { app.LambdaInf = 2.5; },
        [] { app.c0Daten[2] = 0.25f; },
    };
    for (const auto& s : schreiber) {
        Aenderung a;
        s();
    }
    EXPECT_EQ(gehoert.teile(), std::vector<unsigned>(4, kTeilDatensatz));
}
