// Every number field and grid cell of the program, found from the windows as
// a user reaches them, against the numbers a user types at the edges:
// 1E400, -1E400, 1E39, -1E39, 1E-400 and an empty field. Each either brings
// one message that names the field as the window shows it, or is taken as
// typed (the window reads the very number typed, 0 only where an empty field
// means 0); never a silent 0, a prefix or a default. The files that hold the
// same numbers are read by the same rules: a value the field would refuse
// typed is named with its line and field, never dropped or shown as 0.

#include <QAbstractButton>
#include <QGroupBox>
#include <QFile>
#include <QTabWidget>

#include <cmath>
#include <functional>
#include <set>

#include "chart/CoordPanel.h"
#include "chart/DesignAxisTabs.h"
#include "chart/DesignPanel.h"
#include "chart/frmGraph2D.h"
#include "chart/frmGraphCalc.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "data/frmManuInput.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "platform/DataGrid.h"
#include "platform/PrinterOutput.h"
#include "reactors/frmBatch.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "data/XYFile.h"
#include "platform/ChartTemplate.h"
#include "shell/AppState.h"
#include "shell/DataFile.h"
#include "engine/InitialConcentrations.h"
#include "shell/DataPreparation.h"
#include "shell/StateOwner.h"
#include "shell/ProjectFile.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The texts of every row of the table.
const char* const kTexte[] = {"1E400", "-1E400", "1E39", "-1E39", "1E-400", ""};

// A window as a user reaches it, and what the user does that reads its fields.
struct Ort {
    std::string name;
    // Opens the window (and its panel) as a user does; the window whose fields are walked.
    std::function<QWidget*(MDIVRN&, const QString& folder)> oeffnen;
    // What reads the field the text was typed into.
    std::function<void(QWidget*, NumberField*)> handeln;
    // The action writes its result into the fields it read (the auto-fit).
    bool ergebnisImFeld = false;
};

// The fields a user can type into: shown, enabled and not locked.
std::vector<NumberField*> eingabeFelder(QWidget* w) {
    std::vector<NumberField*> out;
    for (NumberField* f : w->findChildren<NumberField*>())
        if (f->isVisibleTo(w) && f->isEnabled() && !f->isReadOnly()) out.push_back(f);
    return out;
}

void klicke(QAbstractButton* b) {
    test::clickButton(b);
    test::processEvents();
}

// The user leaves the field (another field or window takes the focus).
void verlassen(NumberField* f) {
    f->clearFocus();
    test::processEvents();
}

void modell(int m) {
    test::clickButton(Forms::get<frmKinModel>().optTyp[static_cast<std::size_t>(m == 20 ? 0 : m)]);
    test::processEvents();
}

template <typename W>
W* fenster() {
    return Forms::loaded<W>();
}

// The calculation windows by model and given quantity.
Ort zeitDiagramm(int m, bool michaelis = false) {
    return {"c-t-Fenster, Modell " + std::to_string(m) + (michaelis ? " (Michaelis-Menten)" : ""),
            [m](MDIVRN& main, const QString&) -> QWidget* {
                // The Michaelis-Menten diagram over c(S), up to S(0),max.
                app.bMMnormiert = false;
                main.clickMenu("mnuctGraph");
                modell(m);
                auto* t = fenster<frmPrepareTimeDiagram>();
                if (t && t->chkNormiert->isChecked()) test::clickButton(t->chkNormiert);
                return t;
            },
            [michaelis](QWidget* w, NumberField* f) {
                // S(0),max is read by the Michaelis-Menten diagram, the other fields by both.
                auto* t = static_cast<frmPrepareTimeDiagram*>(w);
                klicke(michaelis || f == t->txtS0max ? t->cmdMMdiagram : t->cmdDrawctDiagram);
            }};
}

Ort modellOrdnung() {
    return {"Modellfenster, Ordnung n",
            [](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu("mnuctGraph");
                modell(20);
                return fenster<frmKinModel>();
            },
            [](QWidget*, NumberField*) { klicke(fenster<frmPrepareTimeDiagram>()->cmdDrawctDiagram); }};
}

template <typename W>
Ort reaktor(const char* menu, int m, int auswahl) {
    return {std::string(menu) + ", Modell " + std::to_string(m) + ", Vorgabe " + std::to_string(auswahl),
            [menu, m, auswahl](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu(menu);
                modell(m);
                W* r = fenster<W>();
                if (!r) return nullptr;
                if constexpr (std::is_same_v<W, frmRKconti>)
                    test::clickButton(r->optCalcConti[static_cast<std::size_t>(auswahl)]);
                else
                    test::clickButton(r->optInpSelect[static_cast<std::size_t>(auswahl)]);
                // The given quantities that pass: U 0.5, t 5, l 2 or V 1, v 0.5 or V* 0.2.
                const bool kessel = std::is_same_v<W, frmRKconti>;
                const char* gut[] = {".5", kessel ? "1" : "5", kessel ? ".2" : "2", kessel ? "5" : ".5"};
                for (int i = 13; i <= 16; ++i) {
                    NumberField* f = r->Inp[static_cast<std::size_t>(i)];
                    if (f->isVisibleTo(r) && !f->isReadOnly()) f->setText(gut[i - 13]);
                }
                return r;
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<W*>(w)->cmdCalc); }};
}

Ort fitting(const char* menu) {
    return {std::string("Fitting ") + menu,
            [menu](MDIVRN& main, const QString& folder) -> QWidget* {
                test::loadFirstOrderSample(main, folder);
                main.clickMenu(menu);
                return fenster<frmFitting>();
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmFitting*>(w)->cmdDrawNewCurve); }};
}

// The non-isothermal fit of A => P over three isotherms (A = 1E10 1/s, EA =
// 60000 J/mol), with the Arrhenius (1) or the Eyring function (2).
Ort nichtIsotherm(int funktion) {
    return {std::string("Fitting nicht-isotherm, Funktion ") + std::to_string(funktion),
            [funktion](MDIVRN& main, const QString&) -> QWidget* {
                {
                    // Typed into the data-set editor: one change.
                    Aenderung daten;
                    app.ExpDaten.assign(1, Messpunkt{});
                    for (double T : {300.0, 310.0, 320.0})
                        for (int i = 0; i <= 8; ++i) {
                            const double k = 1e10 * std::exp(-60000 / (8.3145 * T));
                            app.ExpDaten.push_back(Messpunkt{0.5 * i, {0, std::exp(-k * 0.5 * i)}, T});
                        }
                    app.nExpPunkte = static_cast<Integer>(app.ExpDaten.size() - 1);
                    datensatzGeschrieben();
                    PrepareExpDaten();
                    getAnfangskonzAusDaten();
                }
                main.clickMenu("mnuNonIsothermFitting(1)");
                auto* f = fenster<frmFitting>();
                if (f && funktion == 2) test::clickButton(f->optkTFunktion[2]);
                return f;
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmFitting*>(w)->cmdDrawNewCurve); }};
}

Ort autoFitting() {
    Ort o = fitting("mnuCtFitting");
    o.name = "Auto-Fitting";
    o.handeln = [](QWidget* w, NumberField*) { klicke(static_cast<frmFitting*>(w)->cmdAutoFitting); };
    o.ergebnisImFeld = true;
    return o;
}

Ort datensatzEingabe() {
    return {"Dateneditor, Eingabezeile",
            [](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu("mnuNeudat");
                auto* d = fenster<frmDatedit>();
                if (!d) return nullptr;
                // A row that can be taken: t and c(A) given.
                d->y[0]->setText("1500");
                d->y[1]->setText(".06");
                return d;
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmDatedit*>(w)->OKinput); }};
}

Ort xyEingabe() {
    return {"x-y-Editor, Eingabezeile",
            [](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu("mnuEditXY");
                return fenster<frmManuInput>();
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmManuInput*>(w)->OKinput); }};
}

Ort xyZahlenModifizieren(int art) {
    return {"x-y-Editor, Zahlen modifizieren " + std::to_string(art),
            [art](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu("mnuEditXY");
                auto* x = fenster<frmManuInput>();
                if (!x) return nullptr;
                test::typeInto(x->y[0], "1");
                test::typeInto(x->y[1], "2");
                klicke(x->OKinput);
                klicke(x->cmdManip);
                test::clickButton(x->optManip[static_cast<std::size_t>(art)]);
                // Only W is walked: the input row is another place.
                for (NumberField* f : x->y) f->setEnabled(false);
                return x;
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmManuInput*>(w)->cmdExecManip); }};
}

Ort rechner(const char* menu) {
    return {menu,
            [menu](MDIVRN& main, const QString&) -> QWidget* {
                main.clickMenu(menu);
                return fenster<frmArrheniusRechner>();
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmArrheniusRechner*>(w)->cmdCalc); }};
}

Ort tangente() {
    return {"Tangentenfenster",
            [](MDIVRN& main, const QString& folder) -> QWidget* {
                test::loadFirstOrderSample(main, folder);
                main.clickMenu("mnuSubTangente(1)");
                return fenster<frmCalcTangente>();
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmCalcTangente*>(w)->cmdCalc); }};
}

// The chart of the first-order sample's model, drawn from the c-t window.
frmGraph2D* diagramm(MDIVRN& main, const QString& folder) {
    test::loadFirstOrderSample(main, folder);
    main.clickMenu("mnuctGraph");
    klicke(fenster<frmPrepareTimeDiagram>()->cmdDrawctDiagram);
    return fenster<frmGraph2D>();
}

Ort einzelpunktRechner() {
    return {"Einzelpunkt-Rechner",
            [](MDIVRN& main, const QString& folder) -> QWidget* {
                frmGraph2D* g = diagramm(main, folder);
                if (!g) return nullptr;
                klicke(g->cmdSingleCalc);
                return fenster<frmGraphCalc>();
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmGraphCalc*>(w)->cmdGraphCalcExec); }};
}

Ort koordinaten() {
    return {"Diagramm-Koordinaten",
            [](MDIVRN& main, const QString& folder) -> QWidget* {
                frmGraph2D* g = diagramm(main, folder);
                if (!g) return nullptr;
                g->clickMenu("mnuCoord");
                return g;
            },
            [](QWidget* w, NumberField*) { klicke(static_cast<frmGraph2D*>(w)->cmdCoord_OK); }};
}

Ort skalierung() {
    return {"Skalierung manuell",
            [](MDIVRN& main, const QString& folder) -> QWidget* {
                frmGraph2D* g = diagramm(main, folder);
                if (!g) return nullptr;
                g->openDesignTab(6);
                g->designPanel->achsen->optScaling[1]->click();
                return g;
            },
            [](QWidget*, NumberField* f) { verlassen(f); }};
}

Ort ursprung() {
    return {"Achsen-Ursprung bei X = / Y =",
            [](MDIVRN& main, const QString& folder) -> QWidget* {
                frmGraph2D* g = diagramm(main, folder);
                if (!g) return nullptr;
                g->openDesignTab(7);
                AxisTabs& a = *g->designPanel->achsen;
                test::clickButton(a.optStandardOrigin[1]);
                test::clickButton(a.optXOrigin[3]);
                test::clickButton(a.optYOrigin[3]);
                return g;
            },
            [](QWidget*, NumberField* f) { verlassen(f); }};
}

// The print panel with a scaling (4 "Vorgabe Breite", 3 "Vorgabe Höhe"),
// printing into a PDF file; the panel closes after every output and is
// opened again for the next.
Ort drucken(int skalierung) {
    auto oeffnePanel = [skalierung](frmGraph2D* g) {
        g->clickMenu("mnuBild(3)");
        test::clickButton(g->optSM[static_cast<std::size_t>(skalierung)]);
    };
    return {"Drucken, Skalierung " + std::to_string(skalierung),
            [oeffnePanel](MDIVRN& main, const QString& folder) -> QWidget* {
                setPrintToPdfFile(folder + "/druck.pdf");
                frmGraph2D* g = diagramm(main, folder);
                if (!g) return nullptr;
                oeffnePanel(g);
                return g;
            },
            [oeffnePanel](QWidget* w, NumberField*) {
                auto* g = static_cast<frmGraph2D*>(w);
                klicke(g->cmdPrint);
                oeffnePanel(g);
            }};
}

// Whether a text is the number v, read whole as the field's width holds it.
bool liestAls(NumberField* f, double v) {
    const Zahllesung l = f->lies();
    return l.ok() && l.wert == v;
}

std::string beschreibe(const test::MsgRecorder& rec) {
    std::string s;
    for (const MsgRequest& m : rec.messages()) s += "[" + m.title + "] " + m.text + "\n";
    return s.empty() ? "keine Meldung" : s;
}

}  // namespace

class NumberInputTable : public ::testing::Test {
protected:
    void SetUp() override { MDIVRN::endProgram = [] {}; }

    // Walks every field of the place against every text of the table.
    void walk(const Ort& ort) {
        SCOPED_TRACE(ort.name);
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow();
        Forms::unload<frmTip>();
        QWidget* w = ort.oeffnen(*main, env.folder());
        ASSERT_TRUE(w) << "the window does not open";
        const std::vector<NumberField*> felder = eingabeFelder(w);
        ASSERT_FALSE(felder.empty()) << "no field to type into";
        std::vector<QString> anfang;
        for (NumberField* f : felder) anfang.push_back(f->text());
        for (std::size_t i = 0; i < felder.size(); ++i) {
            NumberField* f = felder[i];
            for (const char* text : kTexte) {
                SCOPED_TRACE("Feld " + std::to_string(i) + " " + f->objectName().toStdString() + " <- \"" + text + "\"");
                for (std::size_t j = 0; j < felder.size(); ++j) felder[j]->setText(anfang[j]);
                test::processEvents();
                test::typeInto(f, text);
                test::MsgRecorder rec;
                ort.handeln(w, f);
                ++faelle;
                const std::string symbol = f->zahlfeld().symbol;
                const std::string thema = f->zahlfeld().thema;
                ASSERT_FALSE(symbol.empty()) << "the field was not read through the checked reading";
                // The fit's own outcome for a start it took ("Parameter-Fitting") is no refusal.
                const bool ergebnis = ort.ergebnisImFeld && rec.count() == 1 &&
                                      rec.messages().front().title == "Parameter-Fitting";
                if (rec.count() > 0 && !ergebnis) {
                    // One message, and it names the field (by its symbol, or by
                    // what it holds where the window's own line says so).
                    EXPECT_EQ(rec.count(), 1u) << beschreibe(rec);
                    const std::string& m = rec.messages().front().text;
                    EXPECT_TRUE(m.find(symbol) != std::string::npos || m.find(thema) != std::string::npos)
                        << "the message does not name " << symbol << ": " << beschreibe(rec);
                    EXPECT_EQ(rec.messages().front().title.rfind("Meldung von", 0), std::string::npos)
                        << "a procedure's failure instead of the field: " << beschreibe(rec);
                    continue;
                }
                // Taken: the window reads the very number typed, or 0 where empty means 0.
                const std::string t = text;
                if (t.empty()) {
                    EXPECT_EQ(f->zahlfeld().leer, Leer::IstNull) << "an empty field taken without a word";
                    EXPECT_TRUE(liestAls(f, 0));
                } else {
                    EXPECT_TRUE(t == "1E39" || t == "-1E39") << t << " taken without a word";
                    // (the auto-fit writes its result into the field it started from)
                    if (ort.ergebnisImFeld) continue;
                    // The field shows the number typed (the window may write it in its own form).
                    EXPECT_TRUE(liestAls(f, std::stod(t))) << "not read as typed: " << f->text().toStdString();
                }
            }
        }
        main.reset();
    }
    // Walks every number column of every grid of the place (the columns its
    // window reads as numbers) in its first row, typing into the cell as a
    // user does and confirming with Enter.
    void walkGitter(const Ort& ort) {
        SCOPED_TRACE(ort.name);
        test::GuiTest env;
        std::unique_ptr<MDIVRN> main = test::startMainWindow();
        Forms::unload<frmTip>();
        QWidget* w = ort.oeffnen(*main, env.folder());
        ASSERT_TRUE(w) << "the window does not open";
        const QList<DataGrid*> gitter = w->findChildren<DataGrid*>();
        ASSERT_FALSE(gitter.empty());
        int spalten = 0;
        for (DataGrid* g : gitter) {
            for (int col = 0; col < g->columnCount(); ++col) {
                const Zahlfeld& feld = g->spaltenFeld(col);
                if (feld.symbol.empty()) continue;
                ++spalten;
                for (const char* text : kTexte) {
                    SCOPED_TRACE("Spalte " + feld.symbol + " <- \"" + text + "\"");
                    const std::string t = text;
                    test::MsgRecorder rec;
                    g->setFocus();
                    g->setCurrentCell(0, col);
                    if (t.empty()) {
                        QTest::keyClick(g, Qt::Key_F2);
                        QWidget* editor = QApplication::focusWidget();
                        ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
                        static_cast<QLineEdit*>(editor)->selectAll();
                        QTest::keyClick(editor, Qt::Key_Backspace);
                        QTest::keyClick(editor, Qt::Key_Return);
                    } else {
                        QTest::keyClicks(g, QString::fromStdString(t.substr(0, 1)));
                        QWidget* editor = QApplication::focusWidget();
                        ASSERT_TRUE(qobject_cast<QLineEdit*>(editor));
                        QTest::keyClicks(editor, QString::fromStdString(t.substr(1)));
                        QTest::keyClick(editor, Qt::Key_Return);
                    }
                    test::processEvents();
                    ++faelle;
                    if (rec.count() > 0) {
                        EXPECT_EQ(rec.count(), 1u) << beschreibe(rec);
                        const std::string& m = rec.messages().front().text;
                        EXPECT_TRUE(m.find(feld.symbol) != std::string::npos || m.find(feld.thema) != std::string::npos)
                            << beschreibe(rec);
                        continue;
                    }
                    // Taken: the cell holds the very number typed, 0 only where empty means 0.
                    const Zahllesung l = liesZahl(g->cellText(0, col).toStdString(), feld);
                    ASSERT_TRUE(l.ok()) << g->cellText(0, col).toStdString();
                    if (t.empty()) {
                        EXPECT_EQ(feld.leer, Leer::IstNull) << "an empty cell taken without a word";
                        EXPECT_EQ(l.wert, 0);
                    } else {
                        EXPECT_TRUE(t == "1E39" || t == "-1E39") << t << " taken without a word";
                        EXPECT_EQ(l.wert, std::stod(t));
                    }
                }
            }
        }
        EXPECT_GT(spalten, 1);
        main.reset();
    }
    int faelle = 0;
};

TEST_F(NumberInputTable, CalculationWindows) {
    for (const Ort& o : {zeitDiagramm(2), zeitDiagramm(5), zeitDiagramm(10), zeitDiagramm(10, true), zeitDiagramm(20),
                         modellOrdnung()})
        walk(o);
    for (int s : {0, 1}) walk(reaktor<frmBatch>("mnuBatchR", 2, s));
    walk(reaktor<frmBatch>("mnuBatchR", 4, 0));
    for (int s : {0, 1, 2}) walk(reaktor<frmRohrreaktor>("mnuRohrR", 2, s));
    for (int s : {0, 1, 2, 3, 4}) walk(reaktor<frmRKconti>("mnuKontRK", 2, s));
    walk(reaktor<frmRKconti>("mnuKontRK", 10, 2));
    EXPECT_GT(faelle, 300);
}

TEST_F(NumberInputTable, EvaluationWindows) {
    for (const Ort& o : {fitting("mnuCtFitting"), fitting("mnuROFitting"), autoFitting(), nichtIsotherm(1),
                         nichtIsotherm(2), rechner("mnuToolArrhenius"), rechner("mnuToolEyring"), tangente()})
        walk(o);
}

TEST_F(NumberInputTable, EditorsAndChart) {
    for (const Ort& o : {datensatzEingabe(), xyEingabe(), xyZahlenModifizieren(2), xyZahlenModifizieren(3),
                         einzelpunktRechner(), koordinaten(), skalierung(), ursprung(), drucken(4), drucken(3)})
        walk(o);
    setPrintToPdfFile(QString());
}

TEST_F(NumberInputTable, GridCells) {
    // The data-set editor with the first-order sample's points.
    walkGitter({"Dateneditor",
                [](MDIVRN& main, const QString& folder) -> QWidget* {
                    test::loadFirstOrderSample(main, folder);
                    main.clickMenu("mnuEdit");
                    return fenster<frmDatedit>();
                },
                {}});
    // The x-y editor with one point.
    walkGitter({"x-y-Editor",
                [](MDIVRN& main, const QString&) -> QWidget* {
                    main.clickMenu("mnuEditXY");
                    auto* x = fenster<frmManuInput>();
                    if (!x) return nullptr;
                    test::typeInto(x->y[0], "300");
                    test::typeInto(x->y[1], ".5");
                    klicke(x->OKinput);
                    return x;
                },
                {}});
}

// The files hold the same numbers: each value read as its field takes it
// typed, or refused at once with its line and field; never dropped or read as 0.
TEST(NumberInputFiles, EveryReaderTakesAValueWholeOrNamesItsLineAndField) {
    struct Leser {
        const char* name;
        const char* feld;  // the field the refusal names
        std::function<bool(const std::string& text, double& wert, std::string& fehler)> lies;
        bool doppelt;       // a Double field (1E39 taken)
        bool leerIstNull;   // an empty item is 0
    };
    auto vrd = [](int spalte) {
        return [spalte](const std::string& text, double& wert, std::string& fehler) {
            std::string zeile;
            for (int i = 0; i < 13; ++i) zeile += std::string(i ? "," : "") + (i == spalte ? text : "0");
            DataFileContent c;
            if (!parseDataFile("k\r\ns\r\nkopf\r\n1\r\n" + zeile + "\r\n", c, fehler)) return false;
            wert = spalte == 1 ? c.punkte[0].c[1] : spalte == 0 ? c.punkte[0].t : c.punkte[0].lambda;
            return true;
        };
    };
    const Leser leser[] = {
        {"Datenfile t", "(t)", vrd(0), false, false},
        {"Datenfile c(A)", "(c(A))", vrd(1), false, false},
        {"Datenfile lambda", "(lambda)", vrd(8), false, false},
        {"Projekt k1", "(k1)",
         [](const std::string& text, double& wert, std::string& fehler) {
             ProjectFileContent c;
             if (!parseProjectFile("d\r\nk\r\na.VRD\r\n 2 \r\n" + text +
                                       ",0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n",
                                   c, fehler))
                 return false;
             wert = c.k[0];
             return true;
         },
         true, false},
        {"x-y-Datei y", "(y)",
         [](const std::string& text, double& wert, std::string& fehler) {
             XYDateiInhalt c;
             if (!parseXYDatei("Kommentar\r\n1;" + text + "\r\n", c, fehler)) return false;
             wert = c.punkte.at(0).y;
             return true;
         },
         false, true},
        {"Diagrammvorlage origin", "\"origin\"",
         [](const std::string& text, double& wert, std::string& fehler) {
             std::string datei = writeChartTemplate(defaultChartModel());
             const std::size_t at = datei.find("origin=");
             const std::size_t blank = datei.find(' ', at);
             datei.replace(blank + 1, datei.find('\r', at) - blank - 1, text);
             ChartModel m = defaultChartModel();
             const ChartTemplateResult r = readChartTemplate(datei, m);
             fehler = r.message;
             wert = m.axis(ChartAxis::X).origin;
             return r.ok;
         },
         true, false},
    };
    for (const Leser& l : leser) {
        for (const char* text : kTexte) {
            SCOPED_TRACE(std::string(l.name) + " <- \"" + text + "\"");
            const std::string t = text;
            double wert = -7;
            std::string fehler;
            if (!l.lies(t, wert, fehler)) {
                EXPECT_NE(fehler.find("Zeile "), std::string::npos) << fehler;
                EXPECT_NE(fehler.find(l.feld), std::string::npos) << fehler;
                EXPECT_FALSE(t.empty() && l.leerIstNull) << fehler;
                continue;
            }
            if (t.empty()) {
                EXPECT_TRUE(l.leerIstNull) << "an empty item taken";
                EXPECT_EQ(wert, 0);
            } else {
                EXPECT_TRUE(l.doppelt && (t == "1E39" || t == "-1E39")) << t << " taken";
                EXPECT_EQ(wert, std::stod(t));
            }
        }
    }
}

// A project whose k1 (1E-300) a Single cannot show is shown and kept as it
// is, and the next drawing takes it; a data-set file holding c(A) = 1E+39,
// which the editor refuses typed, is named with its file, line and field
// and leaves the data set as it was.
TEST(NumberInputFiles, AProjectShowsItsTinyRateConstantAndADataSetNamesItsBadValue) {
    test::GuiTest env;
    std::unique_ptr<MDIVRN> main = test::startMainWindow();
    Forms::unload<frmTip>();
    test::loadFirstOrderSample(*main, env.folder());
    const QString vrp = env.folder() + "/klein.VRP";
    {
        QFile in(env.folder() + "/1st_order.VRP");
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QList<QByteArray> zeilen = in.readAll().split('\n');
        zeilen[4] = "1E-300,0,0\r";
        QFile out(vrp);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(zeilen.join('\n'));
    }
    test::answerOpenDialog("klein.VRP", env.folderStd());
    test::MsgRecorder rec;
    main->clickMenu("mnuLoadProject");
    EXPECT_EQ(app.k[1], 1e-300);
    main->clickMenu("mnuctGraph");
    auto* t = Forms::loaded<frmPrepareTimeDiagram>();
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Inp[10]->text(), QString(" 1E-300"));
    rec.clear();
    klicke(t->cmdDrawctDiagram);
    for (const MsgRequest& m : rec.messages()) EXPECT_EQ(m.text.find("k1"), std::string::npos) << m.text;
    EXPECT_EQ(app.k[1], 1e-300);

    // The data set.
    const std::string vrd = env.folderStd() + "/gross.VRD";
    {
        QFile out(QString::fromStdString(vrd));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("Probe\r\nmin\r\nkopf\r\n2\r\n0,.05,0,0,0,0,0,0,0,0,0,0,0\r\n10,1E+39,0,0,0,0,0,0,0,0,0,0,0\r\n");
    }
    const int vorher = app.nExpPunkte;
    main->clickMenu("mnuEdit");
    auto* d = Forms::loaded<frmDatedit>();
    ASSERT_TRUE(d);
    test::answerOpenDialog("gross.VRD", env.folderStd());
    rec.clear();
    klicke(d->cmdLoadFile);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von LoadDataFile");
    EXPECT_EQ(rec.last().text, "Zeile 6, Wert 2 (c(A)): \"1E+39\" liegt außerhalb des zulässigen Bereichs.\r\n(Datei: " +
                                   vrd + ")\r\n\r\nDer Datensatz wurde nicht verändert.");
    EXPECT_EQ(app.nExpPunkte, vorher);
    main.reset();
}
