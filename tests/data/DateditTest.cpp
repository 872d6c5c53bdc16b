#include <QAction>
#include <QGroupBox>
#include <QMenu>

#include "chart/frmGraph2D.h"
#include "data/DataWindowSupport.h"
#include "data/frmDatedit.h"
#include "engine/frmKinModel.h"
#include "platform/DataGrid.h"

using namespace vrn;

namespace {

std::vector<double> zeiten() {
    std::vector<double> t;
    for (int i = 1; i <= app.nExpPunkte; ++i) t.push_back(app.ExpDaten[static_cast<std::size_t>(i)].t);
    return t;
}

}  // namespace

class Datedit : public test::DataWindows {
protected:
    frmDatedit& oeffne(const char* item = "mnuEdit") {
        main->clickMenu(item);
        test::processEvents();
        frmDatedit* d = Forms::loaded<frmDatedit>();
        EXPECT_TRUE(d);
        return *d;
    }
    QPoint zelle(frmDatedit& d, int r, int c) { return d.Grid->cellRect(r, c).center(); }
};

// The rule for the row sum is the data set's; here Enter, "+" and the hint.
TEST_F(Datedit, EmptySetOpensInAddModeAndTypedRowsAreAppended) {
    frmDatedit& d = oeffne("mnuNeudat");
    EXPECT_EQ(
        std::tuple(d.caption(), d.Grid->cellText(0, 2), d.optInputMode[0]->isChecked(), d.R1->title(),
                   main->mnuEdit->isEnabled()),
        std::tuple("(unbenannt) Eingabe von Messpunkten  ", "leere Liste", true, "Hinzufügen von Messpunkt #1", false));

    d.y[0]->setFocus();
    tippe(d.y[0], "10\n");
    EXPECT_EQ(QApplication::focusWidget(), d.y[1]) << "Enter moves on";
    d.y[1]->selectAll();
    tippe(d.y[1], "1,5+");
    ASSERT_EQ(app.nExpPunkte, 1);
    EXPECT_EQ(std::tuple(app.ExpDaten[1].c[1], d.Grid->cellText(0, 3), d.R1->title(), app.bDatenGeaendert,
                         main->mnuEdit->isEnabled()),
              std::tuple(1.5, "1.5           ", "Hinzufügen von Messpunkt #2", true, true));

    d.y[8]->setFocus();
    QTest::keyClick(d.y[8], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), d.y[0]) << "the k box wraps to t";

    // A row summing to 0 only beeps; the one-time hint comes with the first row that has c(A) > 0 and T > 0.
    const int beeps = rec.beeps();
    d.y[0]->setText("-1");
    d.y[1]->setText("1");
    tippe(d.y[1], "+");
    EXPECT_EQ(rec.beeps(), beeps + 1);
    rec.clear();
    d.y[0]->setText("20");
    d.y[1]->setText("0.5");
    d.y[7]->setText("300");
    test::clickButton(d.OKinput);
    test::clickButton(d.OKinput);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().title, app.nExpPunkte), std::tuple("einmaliger Hinweis", 3));
}

TEST_F(Datedit, CopiedBlocksHaveTabsBetweenCellsAndOneCarriageReturnBetweenRows) {
    setzeDaten({{0, 0.1, 0, 0}, {10, 0.05, 0, 0}});
    frmDatedit& d = oeffne();
    d.Grid->setSelectionRect(0, 2, 0, 4);
    QTest::keyClick(d.Grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0             \t0.1           \t0             ");
    d.Grid->setSelectionRect(0, 0, 1, 10);
    main->clickMenu("mnuCopy1");
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("1  \t\t0             \t0.1"));
}

TEST_F(Datedit, PastedRowsBecomePointsAndCtrlVPastesAtTheCurrentCell) {
    frmDatedit& d = oeffne("mnuNeudat");
    QApplication::clipboard()->setText("0\t0,1\t0\t0\t0\t0\t1,5\t298\t0,01\r\n"
                                       "10\t0,05\t0\t0\t0\t0\t2,5\t298\t0,01\r\n"
                                       "20\t0,025\t0\t0\t0\t0\t3,5\t298\t0,01\r\n");
    test::clickButton(d.cmdClipEinfuegen);
    ASSERT_EQ(app.nExpPunkte, 3);
    EXPECT_EQ(d.Grid->rowCount(), 3);
    EXPECT_EQ(d.Grid->cellText(0, 2), "0             ") << "the \"leere Liste\" row is gone";
    EXPECT_TRUE(d.optInputMode[1]->isChecked());
    d.Grid->setCurrentCell(1, 2);
    QApplication::clipboard()->setText("7\t0,2");
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.ExpDaten[2].c[1], 0.2);
    // A pasted number beyond a Single keeps the cell's value, and a note says so.
    rec.clear();
    d.Grid->setCurrentCell(2, 2);
    QApplication::clipboard()->setText("25\t1e39");
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(app.ExpDaten[3].t, app.ExpDaten[3].c[1]), std::tuple(25, 0.025));
    EXPECT_TRUE(test::isOnlyMessage(rec,
                                    "Nicht übernommen, diese Felder behalten ihren Wert:\r\n"
                                    "- Konzentration zu groß: c(A) darf höchstens 3.4E+38 sein (Zeile 3)\r\n",
                                    "Hinweis", MsgIcon::Exclamation));
}

TEST_F(Datedit, RemovingMarkedRowsAsksAndLeavesTheOthers) {
    setzeDaten({{1, 1, 0, 0}, {2, 1, 0, 0}, {3, 1, 0, 0}, {4, 1, 0, 0}, {5, 1, 0, 0}});
    frmDatedit& d = oeffne();
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 1, 0));
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, zelle(d, 2, 0));
    rec.answer(MsgAnswer::No);
    test::clickButton(d.cmdErase);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, rec.last().title, rec.last().buttons, app.nExpPunkte),
              std::tuple("Zeilen 2 bis 3 wirklich entfernen?", "WARNUNG", MsgButtons::YesNo, 5));
    rec.answer(MsgAnswer::Yes);
    test::clickButton(d.cmdErase);
    EXPECT_EQ(std::tuple(zeiten(), d.Grid->cellText(2, 0)), std::tuple((std::vector<double>{1, 4, 5}), "3  "));

    d.Grid->setSelectionRect(0, 0, 2, 10);
    rec.answer(MsgAnswer::Yes);
    main->clickMenu("mnuSubDelLine1");
    EXPECT_EQ(std::tuple(rec.last().text, app.nExpPunkte, d.Grid->cellText(0, 2)),
              std::tuple("Zeilen 1 bis 3 wirklich entfernen?", 0, "leere Liste"));
    const int beeps = rec.beeps();
    test::clickButton(d.cmdErase);
    EXPECT_EQ(rec.beeps(), beeps + 1);
}

TEST_F(Datedit, SortIsStableAndMovesTheExclusionMarkWithItsPoint) {
    setzeDaten({{3, 0.1, 320, 0}, {1, 0.2, 300, 0}, {3, 0.3, 310, 0}, {2, 0.4, 330, 0}});
    frmDatedit& d = oeffne();
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 2, 3));
    test::clickButton(d.cmdAus);
    EXPECT_EQ(app.ExpDaten[3].aus, -1);
    test::clickButton(d.TSort);
    EXPECT_EQ(std::tuple(d.Grid->isCellChecked(3, 1), d.Grid->isCellChecked(2, 1)), std::tuple(true, false));
    test::clickButton(d.TemperaturSort);
    EXPECT_TRUE(d.Grid->isCellChecked(1, 1));
    // Toggling twice restores the point.
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 1, 2));
    test::clickButton(d.cmdAus);
    test::clickButton(d.cmdAus);
    EXPECT_EQ(std::tuple(app.ExpDaten[2].aus, d.Grid->isCellChecked(1, 1)), std::tuple(-1, true));
}

TEST_F(Datedit, EveryChangeOfTheDataMarksTheDataSetChanged) {
    setzeDaten({{3, 0.1, 300, 1}, {1, 0.2, 300, 1}, {2, 0.3, 300, 1}});
    frmDatedit& d = oeffne();
    const std::pair<const char*, std::function<void()>> ops[] = {
        {"sort", [&] { test::clickButton(d.TSort); }},
        {"toggle", [&] { test::clickButton(d.cmdAus); }},
        {"zero", [&] {
             d.Grid->setSelectionRect(0, 9, 0, 10);
             QTest::keyClick(d.Grid, Qt::Key_Delete);
         }},
        {"paste", [&] {
             QApplication::clipboard()->setText("5");
             main->clickMenu("mnuPaste1");
         }},
        {"remove", [&] {
             d.Grid->setSelectionRect(2, 0, 2, 10);
             rec.answer(MsgAnswer::Yes);
             test::clickButton(d.cmdErase);
         }},
    };
    for (const auto& [name, op] : ops) {
        app.bDatenGeaendert = false;
        op();
        EXPECT_TRUE(app.bDatenGeaendert) << name;
    }
    EXPECT_EQ(app.ExpDaten[1].k, 0) << "Delete zeroed the marked k cell";
    EXPECT_EQ(std::tuple(app.ExpDaten[1].t, app.nExpPunkte), std::tuple(5, 2));
    rec.clear();
    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuNeudat");
    EXPECT_EQ(rec.last().text, "Die experimentellen Daten wurden geändert.\r\nJetzt speichern?");
    EXPECT_EQ(app.nExpPunkte, 2);
}

TEST_F(Datedit, UnitOptionsConvertTimesAndTheModelsConstants) {
    setzeDaten({{120, 0.1, 300, 0.5}, {240, 0.05, 300, 0.5}});
    {
        Aenderung vorgabe;
        app.k[1] = 0.15;
    }
    frmDatedit& d = oeffne();
    test::clickButton(d.optZeit[1]);
    EXPECT_EQ(zeiten(), (std::vector<double>{2, 4}));
    EXPECT_DOUBLE_EQ(app.k[1], 9);
    EXPECT_EQ(app.ExpDaten[1].k, 0.5) << "the data set's k column stays";
    EXPECT_EQ(std::tuple(d.Grid->cellText(0, 2), d.lblKopf[5]->text()), std::tuple("2             ", "  Zeit t/min"));
    test::clickButton(d.optZeit[1]);
    EXPECT_EQ(zeiten(), (std::vector<double>{2, 4})) << "the unit in force converts nothing";

    // A unit change in the model window rewrites the editor's grid.
    frmKinModel* m = Forms::loaded<frmKinModel>();
    ASSERT_TRUE(m);
    test::clickButton(m->optZeit[0]);
    EXPECT_EQ(zeiten(), (std::vector<double>{120, 240}));
    EXPECT_EQ(std::tuple(d.Grid->cellText(1, 2), d.Bz1[2]->text()), std::tuple("2.400000E+02  ", "Zeit t/s"));
}

TEST_F(Datedit, DrawingButtonsOpenTheChartOrRefuseWordForWord) {
    struct Case {
        std::initializer_list<std::array<double, 4>> rows;
        bool allesAus;
        QPushButton* frmDatedit::*button;
        const char* text;
    };
    const Case cases[] = {
        {{{0, 0.1, 0, 0}}, false, &frmDatedit::cmdDraw_ct, "mindestens 2 c-t-Punkte notwendig!"},
        {{{0, 0.1, 0, 0}, {5, 0.05, 0, 0}}, true, &frmDatedit::cmdDraw_ct, "alle Daten inaktiv gesetzt"},
        {{{0, 0, 300, 0.1}}, false, &frmDatedit::cmdDraw_Tk, "mindestens 2 k-T-Punkte notwendig!"},
    };
    for (const Case& c : cases) {
        setzeDaten(c.rows);
        if (c.allesAus) {
            Aenderung aus;
            for (int i = 1; i <= app.nExpPunkte; ++i) app.ExpDaten[static_cast<std::size_t>(i)].aus = -1;
            datensatzGeschrieben();
        }
        frmDatedit& d = oeffne();
        rec.clear();
        test::clickButton(d.*c.button);
        ASSERT_EQ(rec.count(), 1u) << c.text;
        EXPECT_EQ(std::tuple(rec.last().text, rec.last().title), std::tuple(c.text, " Ausführung nicht möglich "));
        EXPECT_FALSE(IsFormLoaded<frmGraph2D>());
    }
    ersteOrdnung(10);
    test::clickButton(oeffne().cmdDraw_ct);
    test::processEvents();
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    ASSERT_TRUE(g);
    EXPECT_EQ(std::tuple(app.iDiagrammTyp, g->Chart2D1->pointCount(2, 1)), std::tuple(-1, 10));
}

TEST_F(Datedit, EnterInACellStoresTheTypedNumber) {
    test::LocaleGuard komma{QLocale(QLocale::German)};
    setzeDaten({{0, 0.1, 0, 0}, {10, 0.05, 0, 0}});
    frmDatedit& d = oeffne();
    d.Grid->setFocus();
    d.Grid->setCurrentCell(1, 2);
    tippe(d.Grid, "1");
    tippe(QApplication::focusWidget(), ",5\n");
    test::processEvents();
    EXPECT_EQ(std::tuple(app.ExpDaten[2].t, d.Grid->cellText(1, 2), d.y[0]->text()), std::tuple(1.5, "1,5", "1.5"));
    // A value beyond the field's range is named and the cell shows the stored value.
    const int beeps = rec.beeps();
    rec.clear();
    d.Grid->setCurrentCell(0, 8);
    tippe(d.Grid, "1");
    tippe(QApplication::focusWidget(), "e39\n");
    test::processEvents();
    EXPECT_TRUE(test::isOnlyMessage(rec, "- Leitfähigkeit zu groß: lambda darf höchstens 3.4E+38 sein",
                                    " Ausführung nicht möglich ", MsgIcon::Critical));
    EXPECT_EQ(std::tuple(rec.beeps(), app.ExpDaten[1].lambda, d.Grid->cellText(0, 8)),
              std::tuple(beeps, 0, "0             "));
}

// A number of the input row that its field cannot hold (every field is shown
// or stored as a Single) is named, field by field, and no point is taken.
TEST_F(Datedit, InputRowNamesNumbersBeyondTheirFields) {
    setzeDaten({{1, 0.5, 0, 0}});
    frmDatedit& d = oeffne();
    d.optInputMode[0]->click();
    struct Row {
        std::vector<std::pair<std::size_t, const char*>> felder;
        std::string text;
    };
    const Row rows[] = {
        {{{0, "1E39"}}, "- Zeit zu groß: t darf höchstens 3.4E+38 sein\r\n"},
        {{{1, "1E400"}}, "- Konzentration zu groß: c(A) darf höchstens 3.4E+38 sein\r\n"},
        {{{5, "-1E39"}, {7, "-1e400"}},
         "- Konzentration zu klein: c(Q) muss mindestens -3.4E+38 sein\r\n"
         "- Temperatur zu klein: T muss mindestens -3.4E+38 sein\r\n"},
        {{{6, "3.5E38"}, {8, "1E309"}},
         "- Leitfähigkeit zu groß: lambda darf höchstens 3.4E+38 sein\r\n"
         "- Geschwindigkeitskonstante zu groß: k darf höchstens 3.4E+38 sein\r\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        for (NumberField* f : d.y) f->setText("1");
        for (auto [feld, text] : r.felder) d.y[feld]->setText(text);
        rec.clear();
        test::clickButton(d.OKinput);
        EXPECT_TRUE(test::isOnlyMessage(rec, r.text, " Ausführung nicht möglich ", MsgIcon::Critical));
        EXPECT_EQ(std::tuple(app.nExpPunkte, d.Grid->rowCount()), std::tuple(1, 1));
    }
    // The largest Single is held.
    for (NumberField* f : d.y) f->setText("0");
    d.y[0]->setText("3.4028235E38");
    rec.clear();
    test::clickButton(d.OKinput);
    EXPECT_EQ(std::tuple(rec.count(), app.nExpPunkte), std::tuple(0u, 2));
}

TEST_F(Datedit, SavedDataSetLoadsBackInItsOwnUnit) {
    setzeDaten({{1, 0.5, 0, 0}, {2, 0.25, 0, 0}, {3, 0.125, 0, 0}});
    {
        Aenderung vorgabe;
        app.sZeiteinheit = "min";
        app.ExpKommentar = "Probe";
    }
    frmDatedit& d = oeffne();
    test::answerFileBoxes(env.folderStd() + "/probe.VRD");
    app.bDatenGeaendert = true;
    test::clickButton(d.cmdSave);
    EXPECT_FALSE(app.bDatenGeaendert);
    EXPECT_EQ(d.caption(), "(probe.VRD) Experimentelle Daten, Editieren von Messpunkten  ");

    {
        Aenderung vorgabe;
        app.sZeiteinheit = "s";
    }
    test::answerOpenDialog("probe.VRD", env.folderStd());
    frmDatedit& neu = oeffne("mnuNeudat");
    test::clickButton(neu.cmdLoadFile);
    EXPECT_FALSE(app.bDatenGeaendert);
    test::clickButton(neu.cmdAddFile);
    EXPECT_EQ(app.nExpPunkte, 6);
    EXPECT_TRUE(app.bDatenGeaendert) << "the appended set is in no file";
    EXPECT_EQ(neu.Grid->rowCount(), 6);
    rec.answer(MsgAnswer::Yes);
    neu.Grid->setSelectionRect(3, 0, 5, 10);
    test::clickButton(neu.cmdErase);
    EXPECT_EQ(zeiten(), (std::vector<double>{1, 2, 3})) << "loading converts nothing";
    EXPECT_EQ(std::tuple(neu.optZeit[1]->isChecked(), neu.txtComment->text(), neu.Grid->cellText(2, 3),
                         main->mnukT[1]->isEnabled()),
              std::tuple(true, "Probe", "0.125         ", true));
}

// A comment longer than its box opens at its beginning, also after "Neu-Laden *VRD".
TEST_F(Datedit, ALongCommentShowsItsBeginning) {
    const std::string kommentar = "Anfang des Kommentars " + std::string(300, '-') + " Ende";
    setzeDaten({{0, 1, 300, 0}, {1.5, 0.5, 300, 0}});
    {
        Aenderung vorgabe;
        app.ExpKommentar = kommentar;
    }
    frmDatedit& d = oeffne();
    EXPECT_EQ(std::tuple(d.txtComment->text().toStdString(), d.txtComment->cursorPosition()), std::tuple(kommentar, 0));
    test::saveScreenshot(&d, "datedit_long_comment");
    test::answerFileBoxes(env.folderStd() + "/lang.VRD");
    test::clickButton(d.cmdSave);
    d.txtComment->setText("kurz");
    test::answerOpenDialog("lang.VRD", env.folderStd());
    test::clickButton(d.cmdLoadFile);
    EXPECT_EQ(std::tuple(d.txtComment->text().toStdString(), d.txtComment->cursorPosition()), std::tuple(kommentar, 0));
}

TEST_F(Datedit, OkWarnsOnNonIsothermalTimesAndThePopupFollowsTheData) {
    setzeDaten({{0, 1, 300, 0}, {1.5, 0.5, 300, 0}, {0, 1, 320, 0}, {1.5, 0.3, 320, 0}});
    frmDatedit& d = oeffne();
    rec.answer(MsgAnswer::Yes);
    test::clickButton(d.OK);
    EXPECT_EQ(rec.last().title, " Warnung für nicht-isothermes Fitting ");
    EXPECT_TRUE(IsFormLoaded<frmDatedit>()) << "Yes lets the user change the unit";
    rec.answer(MsgAnswer::No);
    test::clickButton(d.OK);
    test::processEvents();
    EXPECT_EQ(std::tuple(IsFormLoaded<frmDatedit>(), app.dblArrhA), std::tuple(false, 100.0));

    // The grid's right button opens the popup; with no data and no text its items are disabled.
    main->toolbarButton(2)->trigger();
    frmDatedit* leer = Forms::loaded<frmDatedit>();
    ASSERT_TRUE(leer);
    QApplication::clipboard()->clear();
    QTest::mouseClick(leer->Grid->viewport(), Qt::RightButton, {}, zelle(*leer, 0, 2));
    EXPECT_TRUE(main->mnuEdit1->isVisible());
    for (QAction* a : {main->mnuCopy1, main->mnuPaste1, main->mnuErase1}) EXPECT_FALSE(a->isEnabled());
    main->mnuEdit1->hide();
}

// A number pasted with Ctrl+V keeps its decimal comma's meaning; a text that is
// no number is refused, in the boxes as in a cell's editor.
TEST_F(Datedit, PastedNumbersReadTheirDecimalComma) {
    setzeDaten({{0, 0.1, 0, 0}, {10, 0.05, 0, 0}});
    frmDatedit& d = oeffne();
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 1, 3));
    QTest::mouseClick(d.y[1], Qt::LeftButton);
    QApplication::clipboard()->setText("0,0741\r\n");
    QTest::keyClick(d.y[1], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.y[1]->text(), "0.0741");
    QTest::keyClick(d.y[1], Qt::Key_Return);
    QApplication::clipboard()->setText("etwa 3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d.y[2]->text(), " 0") << "no number: the paste is refused";
    test::clickButton(d.OKinput);
    EXPECT_EQ(app.ExpDaten[2].c[1], 0.0741);
    EXPECT_EQ(app.ExpDaten[2].c[2], 0);

    // The cell editor: "2,5" pasted is 2.5, a pasted word leaves the cell as it was.
    for (const auto& [clip, t] : {std::pair{"2,5", 2.5}, {"zwei", 2.5}}) {
        d.Grid->setFocus();
        QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 0, 2));
        QTest::keyClick(d.Grid, Qt::Key_F2);
        QApplication::clipboard()->setText(clip);
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        test::processEvents();
        EXPECT_EQ(app.ExpDaten[1].t, t) << clip;
    }
}

// "+" typed as a US keyboard types it (Shift held) takes the rows; the grid then
// marks only the new current cell, so removing asks for that row alone.
TEST_F(Datedit, RowsTakenWithShiftPlusMarkNothingButTheCurrentCell) {
    frmDatedit& d = oeffne("mnuNeudat");
    for (const char* t : {"1", "2", "3"}) {
        QTest::mouseClick(d.y[0], Qt::LeftButton);
        QTest::keyClicks(d.y[0], t);
        QTest::keyClick(d.y[0], Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), "0.5");
        QTest::keyClick(QApplication::focusWidget(), '+', Qt::ShiftModifier);
    }
    ASSERT_EQ(app.nExpPunkte, 3);
    EXPECT_EQ(zeiten(), (std::vector<double>{1, 2, 3}));
    rec.answer(MsgAnswer::No);
    test::clickButton(d.cmdErase);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Zeile 3 wirklich entfernen?");
    EXPECT_EQ(app.nExpPunkte, 3);
}

// A unit chosen in the model window reaches the editor's boxes, its point
// number and its own unit option, so that taking the row stores what is shown.
TEST_F(Datedit, BoxesFollowAUnitChosenInTheModelWindow) {
    setzeDaten({{30, 0.1, 0, 0}, {60, 0.05, 0, 0}, {120, 0.025, 0, 0}});
    frmDatedit& d = oeffne();
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 2, 2));
    EXPECT_EQ(d.y[0]->text(), " 120");
    frmKinModel* m = Forms::loaded<frmKinModel>();
    ASSERT_TRUE(m);
    test::clickButton(m->optZeit[1]);
    EXPECT_EQ(d.Grid->cellText(2, 2), "2.000000E+00  ");
    EXPECT_EQ(d.y[0]->text(), " .5") << "row 0 is current again";
    EXPECT_EQ(d.iMesspunkt, 1);
    EXPECT_TRUE(d.optZeit[1]->isChecked());
    EXPECT_TRUE(d.optZeit[1]->font().bold());
    EXPECT_FALSE(d.optZeit[0]->font().bold());
    test::clickButton(d.OKinput);
    EXPECT_EQ(zeiten(), (std::vector<double>{0.5, 1, 2}));
}

// The largest data set a file holds: scrolled to its end with Ctrl+End, a
// cell is edited, a block pasted and the last rows removed there.
TEST_F(Datedit, LargestDataSetIsEditedAtItsEnd) {
    test::setDataSet(32767, [](Messpunkt& p, int i) {
        p.t = i;
        p.c[1] = 0.5;
    });
    frmDatedit& d = oeffne();
    ASSERT_EQ(d.Grid->rowCount(), 32767);
    auto ansEnde = [&] {
        d.Grid->setFocus();
        QTest::keyClick(d.Grid, Qt::Key_End, Qt::ControlModifier);
        const int letzte = app.nExpPunkte - 1;
        EXPECT_EQ(d.Grid->currentRow(), letzte);
        EXPECT_TRUE(d.Grid->viewport()->rect().contains(zelle(d, letzte, 2)));
    };
    ansEnde();
    EXPECT_EQ(d.Grid->cellText(32766, 0), "32767");
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 32766, 2));
    tippe(d.Grid, "5");
    tippe(QApplication::focusWidget(), "\n");
    test::processEvents();
    EXPECT_EQ(app.ExpDaten[32767].t, 5);
    EXPECT_EQ(d.Grid->cellText(32766, 2), "5");

    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 32765, 2));
    QApplication::clipboard()->setText("7\t0,25\r\n8\t0,125");
    QTest::keyClick(d.Grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(app.nExpPunkte, 32767);
    EXPECT_EQ(app.ExpDaten[32766].t, 7);
    EXPECT_EQ(app.ExpDaten[32767].c[1], 0.125);

    ansEnde();
    EXPECT_EQ(d.Grid->cellText(32766, 3), "0.125         ");
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, {}, zelle(d, 32765, 0));
    QTest::mouseClick(d.Grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, zelle(d, 32766, 0));
    rec.answer(MsgAnswer::Yes);
    test::clickButton(d.cmdErase);
    EXPECT_EQ(rec.last().text, "Zeilen 32766 bis 32767 wirklich entfernen?");
    EXPECT_EQ(app.nExpPunkte, 32765);
    EXPECT_EQ(d.Grid->rowCount(), 32765);
    ansEnde();
}
