#include "base/NumberText.h"
#include "chart/frmGraph2D.h"
#include "data/DataWindowSupport.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "engine/InitialConcentrations.h"
#include "platform/Paths.h"
#include "shell/DataPreparation.h"
#include "shell/StateOwner.h"

using namespace vrn;

class Rechner : public test::DataWindows {
protected:
    frmArrheniusRechner& oeffne(const char* item) {
        main->clickMenu(item);
        frmArrheniusRechner* r = Forms::loaded<frmArrheniusRechner>();
        EXPECT_TRUE(r);
        return *r;
    }
    void rechne(frmArrheniusRechner& r, const char* a, const char* b, const char* T) {
        for (auto [box, text] : {std::pair{r.txtInpArrh[0], a}, {r.txtInpArrh[1], b}, {r.txtInpArrh[2], T}}) {
            box->clear();
            tippe(box, text);
        }
        QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
    }
    std::pair<QString, QString> ergebnis(frmArrheniusRechner& r) {
        return {r.txtkResult->text(), r.txtksecResult->text()};
    }
};

TEST_F(Rechner, ArrheniusGivesTheHandComputedConstantInEveryUnit) {
    {
        Aenderung vorgabe;
        app.dblArrhA = 5;
    }
    frmArrheniusRechner& r = oeffne("mnuToolArrhenius");
    EXPECT_EQ(r.caption(), "Arrhenius-Rechner");
    EXPECT_EQ(r.txtInpArrh[0]->text(), " 0") << "the item starts from A = 0";
    EXPECT_EQ(std::tuple(r.txtInpArrh[3]->isVisible(), r.lblkEinheit->text()), std::tuple(false, "((mol/l)^(1-n))/s"));
    {
        Aenderung einheit;
        app.sZeiteinheit = "min";
    }
    rechne(r, "1e13", "1e5", "298.15");
    EXPECT_EQ(ergebnis(r), std::pair(QString(" 3.025776E-05"), QString(" 5.042959E-07")));
    {
        Aenderung einheit;
        app.sZeiteinheit = "s";
    }
    rechne(r, "2,5e10", "100000", "298,15");
    EXPECT_EQ(r.txtkResult->text(), " 7.564439E-08") << "a decimal comma stands for the point";
    // T = 0 and an overflow empty the result boxes instead of keeping old values.
    rechne(r, "1e13", "1e5", "0");
    EXPECT_EQ(ergebnis(r), std::pair(QString(), QString()));
    rechne(r, "1", "-1e7", "1");
    EXPECT_EQ(ergebnis(r), std::pair(QString(), QString()));
    EXPECT_EQ(app.dblArrhA, 0) << "an Arrhenius calculation keeps the shared A";
}

TEST_F(Rechner, EyringStoresItsParametersAndShowsTheUnitsOfTheMode) {
    {
        Aenderung einheit;
        app.sZeiteinheit = "h";
    }
    main->toolbarButton(16)->trigger();
    frmArrheniusRechner& r = *Forms::loaded<frmArrheniusRechner>();
    EXPECT_EQ(std::tuple(r.caption(), r.txtInpArrh[3]->text()), std::tuple("Eyring-Rechner", " 2.083644E+10"));
    rechne(r, "0", "0", "298.15");
    EXPECT_EQ(ergebnis(r), std::pair(QString(" 2.236458E+16"), QString(" 6.212384E+12")));
    rechne(r, "-20", "80000", "310");
    EXPECT_EQ(std::tuple(app.dblEyrS, app.dblEyrH), std::tuple(-20, 80000));
    const std::tuple<Byte, const char*, const char*> modes[] = {
        {6, "1/h", "1/ s"}, {7, "l/(mol h)", "l/(mol s)"}, {0, "((mol/l)^(1-n))/h", "((mol/l)^(1-n))/s"}};
    for (const auto& [mode, unit, sec] : modes) {
        {
            Aenderung a;
            app.bAuswertungsart = mode;
        }
        EXPECT_EQ(std::tuple(r.lblkEinheit->text(), r.lblkEinheitsec->text()), std::tuple(unit, sec));
    }
    EXPECT_EQ(r.txtInpArrh[0]->text(), "-20") << "the stored S# stays shown";
    EXPECT_EQ(r.txtInpArrh[2]->text(), "310") << "the typed T stays";

    // The chart's button opens the calculator too.
    Forms::unload<frmArrheniusRechner>();
    test::processEvents();
    frmGraph2D& g = Forms::get<frmGraph2D>();
    g.Show();
    QTest::mouseClick(g.cmdArrhRechner, Qt::LeftButton);
    EXPECT_TRUE(IsFormLoaded<frmArrheniusRechner>());
}

// An input beyond the range of a Double is named, too small when negative;
// the result boxes are emptied and S#, H# not stored.
TEST_F(Rechner, InputsBeyondADoubleAreNamedNotTakenAsZero) {
    struct Row {
        const char* item;
        const char *a, *b, *T;
        std::string text;
    };
    const Row rows[] = {
        {"mnuToolArrhenius", "1e13", "1E400", "298.15",
         "- Aktivierungsenergie zu groß: EA darf höchstens 1.7E+308 sein\r\n"},
        {"mnuToolArrhenius", "1E400", "1e5", "298.15",
         "- Präexponentialfaktor zu groß: A darf höchstens 1.7E+308 sein\r\n"},
        {"mnuToolArrhenius", "-1E400", "1e5", "1e309",
         "- Präexponentialfaktor zu klein: A muss mindestens -1.7E+308 sein\r\n"
         "- Temperatur zu groß: T darf höchstens 1.7E+308 sein\r\n"},
        {"mnuToolEyring", "1E400", "-1E400", "298.15",
         "- Aktivierungsentropie zu groß: s# darf höchstens 1.7E+308 sein\r\n"
         "- Aktivierungsenthalpie zu klein: h# muss mindestens -1.7E+308 sein\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        {
            Aenderung vorgabe;
            app.dblEyrS = 7;
            app.dblEyrH = 8;
        }
        frmArrheniusRechner& r = oeffne(row.item);
        rechne(r, "10", "1e5", "298.15");
        ASSERT_FALSE(r.txtkResult->text().isEmpty());
        rec.clear();
        rechne(r, row.a, row.b, row.T);
        EXPECT_TRUE(test::isOnlyMessage(rec, row.text, " Ausführung nicht möglich ", MsgIcon::Critical));
        EXPECT_EQ(ergebnis(r), std::pair(QString(), QString()));
        if (row.item == std::string("mnuToolEyring")) {
            EXPECT_EQ(std::tuple(app.dblEyrS, app.dblEyrH), std::tuple(10, 1e5)) << "the last calculation's";
        }
    }
}

// The calculator's boxes are number fields: typed as a user types, Enter goes
// on to the next box, whose text is selected, so that the next number replaces it.
TEST_F(Rechner, EnterMovesFromBoxToBox) {
    frmArrheniusRechner& r = oeffne("mnuToolArrhenius");
    r.SetFocus();
    test::processEvents();
    r.txtInpArrh[0]->setFocus();
    QTest::keyClicks(r.txtInpArrh[0], "2,5e10");
    QTest::keyClick(r.txtInpArrh[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), r.txtInpArrh[1]) << "Enter stays in the box of A";
    EXPECT_EQ(r.txtInpArrh[1]->selectedText(), r.txtInpArrh[1]->text());
    QTest::keyClicks(QApplication::focusWidget(), "75000");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), r.txtInpArrh[2]);
    QTest::keyClicks(QApplication::focusWidget(), "298,15");
    EXPECT_EQ(std::tuple(r.txtInpArrh[0]->text(), r.txtInpArrh[1]->text(), r.txtInpArrh[2]->text()),
              std::tuple("2.5e10", "75000", "298.15"));
    QTest::mouseClick(r.cmdCalc, Qt::LeftButton);
    // 2.5e10 exp(-75000 / (8.3145 * 298.15)) = 0.001813709 per second
    EXPECT_EQ(ergebnis(r), std::pair(QString(" .001813709"), QString(" .001813709")));
}

class Tangente : public test::DataWindows {
protected:
    frmCalcTangente& oeffne(int species) {
        app.bKonzDaten[static_cast<std::size_t>(species)] = true;
        main->clickMenu(QString("mnuSubTangente(%1)").arg(species));
        test::processEvents();
        frmCalcTangente* t = Forms::loaded<frmCalcTangente>();
        EXPECT_TRUE(t);
        return *t;
    }
    void zeit(frmCalcTangente& t, const char* text) {
        t.txtX->clear();
        tippe(t.txtX, QString(text) + "\n");
    }
};

TEST_F(Tangente, SlopeOfAFirstOrderSetIsMinusKTimesC) {
    ersteOrdnung(21);  // t = 0..40, XMax = 42
    frmCalcTangente& t = oeffne(1);
    ASSERT_TRUE(IsFormLoaded<frmGraph2D>());
    EXPECT_EQ(std::tuple(t.lblr->text(), t.Label4->text()), std::tuple("r(A) = dc(A)/dt =  ", "mol/(l s)"));
    zeit(t, "11");
    const double c = 0.1 * std::exp(-1.1);
    EXPECT_NEAR(Val(toStd(t.txtyResult->text())), c, 5e-4 * c);
    EXPECT_NEAR(Val(toStd(t.txtyStrichResult->text())), -0.1 * c, 0.02 * 0.1 * c);
    zeit(t, "42");
    EXPECT_LT(Val(toStd(t.txtyResult->text())), 0.1 * std::exp(-4.0)) << "beyond the last point the spline goes on straight";
    // A time slightly above XMax, below 0 or beyond a Double: one line says why.
    const std::pair<const char*, const char*> abgelehnt[] = {
        {"42.01", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen"},
        {"-1", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen"},
        {"1E39", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen"},
        {"1E400", "- Zeit-Vorgabe zu groß: t darf höchstens 1.7E+308 sein"},
        // below 0 however far: named with the field's range, not with the Double's
        {"-1E400", "- Zeit-Vorgabe außerhalb des Bereichs: t muss zwischen 0 und 42 s liegen"},
        // neither an empty field nor a number too near 0 is taken as t = 0
        {"", "- Zeit-Vorgabe fehlt: t muss mindestens 0 sein"},
        {"1E-400", "- Zeit-Vorgabe zu nahe an Null: t muss 0 oder mindestens 4.9E-324 sein"},
    };
    const QString vorher = t.txtyResult->text();
    for (auto [text, zeile] : abgelehnt) {
        rec.clear();
        zeit(t, text);
        EXPECT_TRUE(test::isOnlyMessage(rec, zeile, " Ausführung nicht möglich ", MsgIcon::Critical)) << text;
        EXPECT_EQ(t.txtyResult->text(), vorher) << text;
    }

    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    t.SliderGlaettung->setValue(50);
    EXPECT_EQ(app.sngGlaettung, 0.25f);
    EXPECT_EQ(app.gnKurven, 1) << "the chart drew the smoothed spline anew";
    EXPECT_EQ(Forms::loaded<frmGraph2D>(), g);

    QTest::mouseClick(t.cmdClose, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(std::tuple(IsFormLoaded<frmCalcTangente>(), IsFormLoaded<frmGraph2D>()), std::tuple(false, false));
}

TEST_F(Tangente, TimesThatDoNotIncreaseAreRefused) {
    setzeDaten({{0, 0, 0, 0}, {5, 0, 0, 0}, {5, 0, 0, 0}, {10, 0, 0, 0}});
    {
        Aenderung vorgabe;
        app.sZeiteinheit = "min";
        for (int i = 1; i <= 4; ++i) app.ExpDaten[static_cast<std::size_t>(i)].c[4] = 0.01 * i;
        datensatzGeschrieben();
    }
    frmCalcTangente& t = oeffne(4);
    EXPECT_EQ(std::tuple(t.lblr->text(), t.Label4->text()), std::tuple("r(P) = dc(P)/dt =  ", "mol/(l min)"));
    rec.clear();
    zeit(t, "2");
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Für die Tangentenmethode werden mindestens 3 Messpunkte mit streng ansteigenden "
                               "Zeiten t benötigt.\r\nSortieren Sie die Daten im Dateneditor nach der Zeit und "
                               "entfernen Sie doppelte Zeiten.");
    EXPECT_EQ(t.txtyResult->text(), " 0");
}

// A linear evaluation takes the chart over while the tangent window stays
// open: the slider then draws the window's own spline anew instead of drawing
// into the other chart, and "Berechnen" reads the spline the window shows.
// Another species from the menu relabels the window.
TEST_F(Tangente, KeepsItsSplineWhileAnotherWindowTakesTheChart) {
    test::setDataSet(21, [](Messpunkt& p, int i) {
        p.t = 2.0 * (i - 1);
        p.c[1] = 0.1 * std::exp(-0.1 * p.t) * (1 + 0.03 * std::sin(i));
        p.c[4] = 0.1 - p.c[1];
    });
    {
        Aenderung daten;
        PrepareExpDaten();
        getAnfangskonzAusDaten();
    }
    auto titel = [] { return toQ(Forms::loaded<frmGraph2D>()->Chart2D1->text(ChartTextBlock::Header)); };
    frmCalcTangente& t = oeffne(1);
    t.SliderGlaettung->setValue(50);
    zeit(t, "11");
    const QString c = t.txtyResult->text(), r = t.txtyStrichResult->text();
    t.SliderGlaettung->setValue(0);
    zeit(t, "11");
    ASSERT_NE(t.txtyResult->text(), c) << "the smoothing changes the spline";

    main->clickMenu("mnuctAusw(1)");
    ASSERT_EQ(titel(), "Versuchsdaten-Auswertung nach 1. Ordnung: A => P");
    t.SliderGlaettung->setValue(50);
    EXPECT_EQ(titel(), "Konzentration c(A) vs. Zeit");
    zeit(t, "11");
    EXPECT_EQ(t.txtyResult->text(), c);
    EXPECT_EQ(t.txtyStrichResult->text(), r);

    frmCalcTangente& p = oeffne(4);
    EXPECT_EQ(p.lblr->text(), "r(P) = dc(P)/dt =  ");
    EXPECT_EQ(titel(), "Konzentration c(P) vs. Zeit");
}
