#include "reactors/frmRohrreaktor.h"
#include "reactors/ReactorWindowSupport.h"

using namespace vrn;

class TubeWindow : public test::ReactorWindowTest {
protected:
    QColor outlet(frmRohrreaktor& r) { return colourAt(r.picReaktor, kRohrBild, 1550, 3900); }
};

TEST_F(TubeWindow, GivenTimeLengthOrConversion) {
    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 2);
    EXPECT_EQ(std::tuple(r.caption(), r.Inp[16]->text(), r.Inp[14]->text(), outlet(r)),
              std::tuple("Rohr-Reaktor, volumenbeständige Reaktion", " 1", " 5", QColor(255, 255, 0)));

    clickButton(r.optInpSelect[1]);
    tippe(r, {{15, "2"}, {16, "0.5"}});
    clickButton(r.cmdCalc);
    // c(A) = exp(−0.6)
    EXPECT_EQ(std::tuple(r.Inp[14]->text(), r.Inp[5]->text(), outlet(r)),
              std::tuple(" 4", " .5488116", QColor(140, 255, 115)));

    clickButton(r.optInpSelect[0]);
    EXPECT_EQ(std::tuple(r.Inp[14]->isReadOnly(), r.Inp[15]->isReadOnly()), std::tuple(false, true));
    typeInto(r.Inp[14], "6");
    clickButton(r.cmdCalc);
    EXPECT_EQ(r.Inp[15]->text(), " 3");

    clickButton(r.optInpSelect[2]);
    typeInto(r.Inp[13], "0.5");
    clickButton(r.cmdCalc);
    EXPECT_EQ(std::tuple(r.Inp[14]->text(), outlet(r), rec.count()),
              std::tuple(" 4.620981", QColor(128, 255, 128), 0u));

    // The protocol row carries t in column 14 and l in column 15.
    EXPECT_EQ(app.iProtZeileQuelle, 4);
    EXPECT_FLOAT_EQ(static_cast<float>(app.ProtZeile[14]), 4.620981f);
    EXPECT_FLOAT_EQ(static_cast<float>(app.ProtZeile[15]), 2.310491f);
}

TEST_F(TubeWindow, TheLengthIsInMetresWhateverTheTimeUnit) {
    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 2);
    frmKinModel& m = Forms::get<frmKinModel>();
    struct Row {
        int unit;           // option of the model window
        const char* shown;  // unit beside t
        const char* t;
        const char* v;
        const char* l;      // l = t (in s) · v
    };
    const Row rows[] = {{1, "min", "10", "1", " 600"}, {2, "h", "10", "1", " 36000"},
                        {0, "s", "10", "1", " 10"},    {1, "min", "2.5", "0.2", " 30"}};
    for (const Row& row : rows) {
        clickButton(m.optZeit[static_cast<std::size_t>(row.unit)]);
        EXPECT_EQ(r.lblZeitEinheit->text(), QString(row.shown));
        clickButton(r.optInpSelect[0]);
        typeInto(r.Inp[14], row.t);
        typeInto(r.Inp[16], row.v);
        clickButton(r.cmdCalc);
        EXPECT_EQ(r.Inp[15]->text(), QString(row.l)) << row.shown;
        EXPECT_FLOAT_EQ(static_cast<float>(app.ProtZeile[15]), QString(row.l).toFloat()) << row.shown;
        EXPECT_FLOAT_EQ(static_cast<float>(app.ProtZeile[14]), QString(row.t).toFloat()) << row.shown;
        // And back: the given length gives the time in the model's unit.
        clickButton(r.optInpSelect[1]);
        typeInto(r.Inp[14], "0");
        clickButton(r.cmdCalc);
        EXPECT_EQ(r.Inp[14]->text(), QString(" ") + row.t) << row.shown;
    }
    EXPECT_EQ(rec.count(), 0u);
}

TEST_F(TubeWindow, RefusalsComeInOneBox) {
    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 8);
    clickButton(r.optInpSelect[1]);
    tippe(r, {{16, "0"}, {15, "abc"}, {11, "0"}});
    clickButton(r.cmdCalc);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text,
              "- noch keine Eingabe der Fließgeschwindigkeit\r\n"
              "- noch keine Eingabe der Rohrlänge\r\n"
              "- Geschwindigkeitskonstante muss größer Null sein\r\n");
    EXPECT_EQ(std::tuple(rec.last().title, r.Inp[5]->text(), r.cmdProtocol->isEnabled()),
              std::tuple(" Ausführung nicht möglich ", " 0", false));

    // Enter changes nothing here.
    QApplication::setActiveWindow(main.get());
    r.Inp[0]->setFocus();
    QTest::keyClick(r.Inp[0], Qt::Key_Return);
    EXPECT_TRUE(r.Inp[0]->hasFocus());
}

TEST_F(TubeWindow, TooLittleBInModel7) {
    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 7);
    tippe(r, {{0, "1"}, {1, "0.2"}, {10, "0.15"}, {11, "0.05"}});
    // B runs out before A reaches the conversion (at most 2·c(B)(0)): the
    // search says so, with the times it tried (out to the longest a field
    // shows), and empties the results.
    clickButton(r.optInpSelect[2]);
    typeInto(r.Inp[13], "0.5");
    clickButton(r.cmdCalc);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, rec.last().title, r.Inp[5]->text(), r.Inp[14]->text(), app.iProtZeileQuelle),
              std::tuple("Für den Vorgabe-Umsatz U(A) wurde zwischen t = 5 und t = 3.402823E+38 s keine "
                         "Reaktionszeit gefunden.",
                         "keine Ausführung möglich", "", "", 0));
    EXPECT_EQ(colourAt(r.picReaktor, kRohrBild, 1550, 3900), r.palette().color(r.backgroundRole()));
    EXPECT_TRUE(r.cmdProtocol->isEnabled());  // the calculation came to its end

    // B used up (k1 = 200 for 200 s): the explicit rule used to take steps
    // beyond its stability limit here and left B at -5.6e-10 and A off by
    // 1.2e-4 of itself, which raised the warning that B's feed was too low.
    // The interval goes to the implicit integrator now: B is 0, A and C
    // follow the rate law (a Runge-Kutta run of 1e6 steps of 2e-4 gives
    // A = 0.0198344452, C = 0.219834445), and nothing is wrong to warn of.
    tippe(r, {{1, "0.6"}, {10, "200"}});
    clickButton(r.optInpSelect[0]);
    typeInto(r.Inp[14], "200");
    rec.clear();
    clickButton(r.cmdCalc);
    EXPECT_EQ(std::tuple(r.Inp[5]->text(), r.Inp[6]->text(), r.Inp[7]->text(), rec.count()),
              std::tuple(" .01983445", " 0", " .2198344", 0u));
    EXPECT_EQ(app.iProtZeileQuelle, 4);
}

// A diffusion-limited enzyme (k1 = 4.77e8 l/(mol s), E0 = 1e-3, S0 = 1,
// t = 30 s) that the tube once refused ("numerischer Fehler aufgetreten"):
// computed without a message, the enzyme balance kept, nothing below 0.
TEST_F(TubeWindow, DiffusionLimitedEnzyme) {
    frmRohrreaktor& r = open<frmRohrreaktor>("mnuRohrR", 10);
    clickButton(r.optInpSelect[0]);
    tippe(r, {{0, "1e-3"}, {1, "1"}, {10, "4.77e8"}, {11, "10"}, {12, "100"}, {14, "30"}, {16, "1"}});
    rec.clear();
    clickButton(r.cmdCalc);
    EXPECT_EQ(rec.count(), 0u);
    const double E = r.Inp[5]->text().trimmed().toDouble(), ES = r.Inp[7]->text().trimmed().toDouble();
    EXPECT_NEAR(E + ES, 1e-3, 1e-9);
    for (std::size_t s = 5; s <= 8; ++s) EXPECT_FALSE(r.Inp[s]->text().trimmed().startsWith('-')) << s;
    // S runs out after about S0 / (k2 E0) = 10 s: P is S0 at t = 30.
    EXPECT_NEAR(r.Inp[8]->text().trimmed().toDouble(), 1, 1e-6);
}
