// Every window that shows a value of the shared state (rate constants,
// initial concentrations, the model, the time unit, the data set) against
// every action that changes that value in another window: after the action
// the window shows what a window opened afresh shows, and its next
// calculation gives the same result.
//
// Each pair runs the user's steps twice from a fresh start with the sample
// "1st_order" (A => P, k1 = .0215 1/min, 25 points): once with the window
// open before the action, once with the window opened after it. Both runs
// must show and compute alike.

#include <QDir>
#include <QFile>

#include <filesystem>

#include "chart/frmGraph2D.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "engine/frmSimTabelle.h"
#include "engine/frmmatrix.h"
#include "platform/DataGrid.h"
#include "platform/Paths.h"
#include "reactors/frmBatch.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/AppState.h"
#include "support/GuiTestSupport.h"

#include <QPlainTextEdit>
#include <QTimer>

using namespace vrn;

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// What the user sees of the shared values, and what the window computes.
struct Sicht {
    bool offen = true;           // the window is still open after the action
    QStringList zeigt;           // shared values as shown
    QStringList ergebnis;        // result of its next calculation (and its messages)
    bool operator==(const Sicht&) const = default;
};

void PrintTo(const Sicht& s, std::ostream* os) {
    *os << (s.offen ? "offen" : "geschlossen") << "\n  zeigt: " << s.zeigt.join(" | ").toStdString()
        << "\n  ergebnis: " << s.ergebnis.join(" | ").toStdString();
}

QString folderPrefix;  // the run's temporary folder, written as <F> in what is compared

QString ohneOrdner(QString s) {
    if (!folderPrefix.isEmpty()) s.replace(folderPrefix, "<F>");
    return s;
}

// The shared controls of a calculation window as the user sees them.
QStringList zeigtCalcForm(CalcForm& w) {
    QStringList s{w.Label7->text()};
    for (int i : {0, 1, 2, 3, 4, 10, 11, 12}) {
        NumberField* f = w.Inp[u(i)];
        if (!f->isVisibleTo(&w)) continue;
        QLabel* l = i < 10 ? w.lblStoff[u(i)] : w.Bz[u(i - 5)];
        s << l->text() + "=" + f->text();
    }
    for (QLabel* l : {w.unit1, w.unit2, w.unit3, w.unit4, w.lblZeitEinheit})
        if (l->isVisibleTo(&w)) s << l->text();
    return s;
}

template <class W>
W* geladen() {
    return Forms::loaded<W>();
}

struct Fenster {
    const char* name;
    std::function<void(MDIVRN&)> oeffne;
    std::function<bool()> istGeladen;
    std::function<QStringList()> zeigt;
    std::function<QStringList(MDIVRN&)> rechnet;
};

// The end of a run: every window and the main window gone.
void schliessen(std::unique_ptr<MDIVRN>& main) {
    Forms::destroyAll();
    test::processEvents();
    main.reset();
    folderPrefix.clear();
}

QStringList tabelle() {
    QStringList s;
    if (frmSimTabelle* t = Forms::loaded<frmSimTabelle>()) {
        s = t->txtSimTabelle->toPlainText().split('\n');
        t->Unload();
    }
    return s;
}

// The chart as it stands: header, axis titles and the end of every curve.
QStringList diagrammKurven() {
    QStringList s;
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    if (!g) return {"kein Diagramm"};
    ChartControl& c = *g->Chart2D1;
    s << "Kopf=" + toQ(c.text(ChartTextBlock::Header));
    for (int k = 1; k <= c.seriesCount(1); ++k) {
        const int n = c.pointCount(1, k);
        if (n > 0)
            s << QString("%1: %2 Punkte, y(Ende)=%3")
                     .arg(toQ(c.seriesLabel(1, k)))
                     .arg(n)
                     .arg(c.y(1, k, n), 0, 'g', 7);
    }
    return s;
}

QStringList ausgaenge(ReactorForm& r) {
    QStringList s;
    for (int i = 5; i <= 16; ++i)
        if (r.Inp[u(i)]->isVisibleTo(&r)) s << QString::number(i) + "=" + r.Inp[u(i)]->text();
    return s;
}

template <class W>
Fenster zeitDiagramm(const char* name, const char* menu) {
    return {name, [menu](MDIVRN& m) { m.clickMenu(menu); }, [] { return geladen<W>() != nullptr; },
            [] { return zeigtCalcForm(*geladen<W>()); },
            [](MDIVRN&) {
                W& w = *geladen<W>();
                test::typeInto(w.Inp[14], "200");
                test::clickButton(w.cmdDrawctDiagram);
                QStringList s = diagrammKurven();
                test::clickButton(w.cmdListe);
                return s + tabelle();
            }};
}

Fenster batch() {
    return {"Batch-Reaktor", [](MDIVRN& m) { m.clickMenu("mnuBatchR"); },
            [] { return geladen<frmBatch>() != nullptr; }, [] { return zeigtCalcForm(*geladen<frmBatch>()); },
            [](MDIVRN&) {
                frmBatch& b = *geladen<frmBatch>();
                test::clickButton(b.optInpSelect[0]);
                test::typeInto(b.Inp[14], "5");
                test::clickButton(b.cmdCalc);
                return ausgaenge(b);
            }};
}

Fenster rohr() {
    return {"Rohrreaktor", [](MDIVRN& m) { m.clickMenu("mnuRohrR"); },
            [] { return geladen<frmRohrreaktor>() != nullptr; },
            [] { return zeigtCalcForm(*geladen<frmRohrreaktor>()); },
            [](MDIVRN&) {
                frmRohrreaktor& r = *geladen<frmRohrreaktor>();
                test::clickButton(r.optInpSelect[1]);
                test::typeInto(r.Inp[15], "2");
                test::typeInto(r.Inp[16], "0.5");
                test::clickButton(r.cmdCalc);
                return ausgaenge(r);
            }};
}

Fenster kessel() {
    return {"Rührkessel", [](MDIVRN& m) { m.clickMenu("mnuKontRK"); },
            [] { return geladen<frmRKconti>() != nullptr; }, [] { return zeigtCalcForm(*geladen<frmRKconti>()); },
            [](MDIVRN&) {
                frmRKconti& r = *geladen<frmRKconti>();
                test::clickButton(r.optCalcConti[2]);
                test::typeInto(r.Inp[14], "1");
                test::typeInto(r.Inp[15], "0.2");
                test::clickButton(r.cmdCalc);
                r.Timer1->stop();
                return ausgaenge(r);
            }};
}

QStringList zeigtFitting() {
    frmFitting& f = *geladen<frmFitting>();
    QStringList s = zeigtCalcForm(f);
    for (int i = 1; i <= 5; ++i) {
        QCheckBox* c = f.chkConcFQS[u(i)];
        if (c->isVisibleTo(&f)) s << c->text() + (c->isEnabled() ? "" : "(grau)") + (c->isChecked() ? "[x]" : "[ ]");
    }
    return s;
}

// The fitting window's curve: the error sum and the chart's model curves.
QStringList fittingKurve(MDIVRN&) {
    frmFitting& f = *geladen<frmFitting>();
    test::clickButton(f.cmdDrawNewCurve);
    return QStringList{"FQS=" + f.lblFQS->text()} + diagrammKurven();
}

Fenster fitting(const char* name, const char* menu) {
    return {name, [menu](MDIVRN& m) { m.clickMenu(menu); }, [] { return geladen<frmFitting>() != nullptr; },
            zeigtFitting, fittingKurve};
}

// Opens the window afresh from its menu item (a loaded one would only come forward).
template <class W>
std::function<void(MDIVRN&)> frischAusDemMenue(const char* menu) {
    return [menu](MDIVRN& m) {
        Forms::unload<W>();
        m.clickMenu(menu);
    };
}

// The data-set editor: what it shows of the data set, and the file that
// "Speichern unter *.VRD" writes (with the folder and name the box proposes).
Fenster dateneditor() {
    return {"Dateneditor",
            frischAusDemMenue<frmDatedit>("mnuEdit"),
            [] { return geladen<frmDatedit>() != nullptr; },
            [] {
                frmDatedit& d = *geladen<frmDatedit>();
                QStringList s{d.caption().trimmed(), d.txtComment->text(), d.lambda_infin->text().trimmed(),
                              d.Bz1[2]->text().trimmed(), d.lblKopf[5]->text().trimmed(),
                              QString::number(d.Grid->rowCount())};
                for (int i = 0; i < 5; ++i)
                    if (d.optZeit[u(i)]->isChecked()) s << "Einheit " + d.optZeit[u(i)]->text();
                // The numbers of the first and the last point (the model window
                // writes them in another format than the editor itself).
                for (int r : {0, d.Grid->rowCount() - 1})
                    for (int c = 2; c <= 10; ++c)
                        s << QString::number(d.Grid->cellText(r, c).trimmed().replace(',', '.').toDouble(), 'g', 7);
                return s;
            },
            [](MDIVRN&) {
                frmDatedit& d = *geladen<frmDatedit>();
                SaveBoxRequest gefragt;
                const std::string pfad = toStd(folderPrefix) + "/gespeichert.VRD";
                test::answerFileBoxes(pfad, &gefragt);
                test::clickButton(d.cmdSave);
                return QStringList{"Ordner=" + ohneOrdner(toQ(gefragt.initialDir)),
                                   "Name=" + ohneOrdner(toQ(gefragt.fileName)),
                                   toQ(test::readFile(pfad))};
            }};
}

Fenster modellfenster() {
    return {"Modellfenster",
            frischAusDemMenue<frmKinModel>("mnuModel"),
            [] { return geladen<frmKinModel>() != nullptr; },
            [] {
                frmKinModel& m = *geladen<frmKinModel>();
                QStringList s;
                for (std::size_t i = 0; i < m.optTyp.size(); ++i)
                    if (m.optTyp[i]->isChecked()) s << "Modell " + m.optTyp[i]->text();
                for (std::size_t i = 0; i < m.optZeit.size(); ++i) {
                    if (m.optZeit[i]->isChecked()) s << "Einheit " + m.optZeit[i]->text();
                    if (m.optZeit[i]->font().bold()) s << "fett " + m.optZeit[i]->text();
                }
                s << "n=" + m.txtOrdnung->text() + (m.txtOrdnung->isEnabled() ? "" : "(grau)");
                return s;
            },
            [](MDIVRN&) { return QStringList{}; }};
}

Fenster matrixfenster() {
    return {"Matrix",
            [](MDIVRN&) {
                Forms::unload<frmmatrix>();
                test::clickButton(Forms::get<frmKinModel>().cmdShowMatrix);
            },
            [] { return geladen<frmmatrix>() != nullptr; },
            [] {
                frmmatrix& x = *geladen<frmmatrix>();
                QStringList s{x.Label10->text()};
                for (QLabel* l : x.rowLabels) s << l->text();
                return s;
            },
            [](MDIVRN&) { return QStringList{}; }};
}

// ---- actions --------------------------------------------------------------

void kopiereBeispiel(const char* name, const QString& folder) {
    for (const char* ext : {".VRP", ".VRD"})
        QFile::copy(resourceFolder() + "/samples/" + name + ext, folder + "/" + name + ext);
}

struct Aktion {
    const char* name;
    std::function<void(MDIVRN&, const QString& folder)> tue;
};

frmDatedit& editorOffen(MDIVRN& m) {
    if (!Forms::loaded<frmDatedit>()) m.clickMenu("mnuEdit");
    return Forms::get<frmDatedit>();
}

const Aktion kEinheitModell{"Einheit s im Modellfenster", [](MDIVRN&, const QString&) {
                                test::clickButton(Forms::get<frmKinModel>().optZeit[0]);
                            }};
const Aktion kEinheitEditor{"Einheit h im Dateneditor",
                            [](MDIVRN& m, const QString&) { test::clickButton(editorOffen(m).optZeit[2]); }};
const Aktion kModellwahl{"Modell 4 im Modellfenster", [](MDIVRN&, const QString&) {
                             test::clickButton(Forms::get<frmKinModel>().optTyp[4]);
                         }};
const Aktion kProjekt{"Projekt 2nd_order laden", [](MDIVRN& m, const QString& folder) {
                          kopiereBeispiel("2nd_order", folder);
                          test::answerOpenDialog("2nd_order.VRP", toStd(folder));
                          m.clickMenu("mnuLoadProject");
                      }};
const Aktion kSitzung{"letzte Sitzung laden", [](MDIVRN& m, const QString&) {
                          const QString prog = toQ(app.SessionDateiName).section('/', 0, -2);
                          kopiereBeispiel("2nd_order", prog);
                          QFile::remove(toQ(app.SessionDateiName));
                          QFile::copy(prog + "/2nd_order.VRP", toQ(app.SessionDateiName));
                          m.clickMenu("mnuLoadLastSession");
                      }};
const Aktion kDatensatz{"Datensatz 2nd_order im Editor laden, OK", [](MDIVRN& m, const QString& folder) {
                            kopiereBeispiel("2nd_order", folder);
                            frmDatedit& d = editorOffen(m);
                            test::answerOpenDialog("2nd_order.VRD", toStd(folder));
                            test::clickButton(d.cmdLoadFile);
                            test::clickButton(d.OK);
                        }};
const Aktion kAuswertung{"Auswertung 2. Ordnung", [](MDIVRN& m, const QString&) { m.clickMenu("mnuctAusw(2)"); }};
const Aktion kAutoFit{"Auto-Fitting", [](MDIVRN& m, const QString&) {
                          if (!Forms::loaded<frmFitting>()) m.clickMenu("mnuCtFitting");
                          test::clickButton(Forms::get<frmFitting>().cmdAutoFitting);
                      }};

const Aktion kKeine{"keine", [](MDIVRN&, const QString&) {}};

// One run from a fresh start: the sample loaded, then either the window
// opened and the action done, or the action done and the window opened.
Sicht lauf(const Fenster& f, const Aktion& a, bool fensterZuerst) {
    test::GuiTest env;
    folderPrefix = env.folder();
    auto main = test::startMainWindow();
    test::MsgRecorder rec;
    test::loadFirstOrderSample(*main, env.folder());
    if (fensterZuerst) f.oeffne(*main);
    test::processEvents();
    a.tue(*main, env.folder());
    test::processEvents();
    if (!fensterZuerst) f.oeffne(*main);
    test::processEvents();
    Sicht s;
    s.offen = f.istGeladen();
    if (s.offen) {
        s.zeigt = f.zeigt();
        rec.clear();
        s.ergebnis = f.rechnet(*main);
        for (const MsgRequest& r : rec.messages()) s.ergebnis << "Meldung " + toQ(r.title) + ": " + toQ(r.text);
    }
    test::processEvents();
    schliessen(main);
    return s;
}

}  // namespace

TEST(SharedState, EveryWindowShowsAndComputesWithTheStateAnotherWindowChanged) {
    const Fenster ct = zeitDiagramm<frmPrepareTimeDiagram>("c-t-Funktionen", "mnuctGraph");
    const Fenster rt = zeitDiagramm<frmPrepareTimeDiagram>("r-t-Funktionen", "mnuvtGraph");
    const Fenster b = batch(), r = rohr(), k = kessel();
    const Fenster fk = fitting("Fitting k", "mnuCtFitting"), fn = fitting("Fitting n", "mnuROFitting");
    const Fenster ed = dateneditor(), mo = modellfenster(), mx = matrixfenster();
    // Neu: as the window opened after the action; Eigen: the window keeps its
    // own evaluation, so it shows and computes as if the action had not been.
    enum Vergleich { Neu, Eigen };
    const struct {
        const Fenster& fenster;
        const Aktion& aktion;
        Vergleich vergleich = Neu;
    } paare[] = {
        {ct, kEinheitModell}, {ct, kEinheitEditor}, {ct, kModellwahl}, {ct, kProjekt}, {ct, kSitzung},
        {ct, kDatensatz},     {ct, kAuswertung},
        {rt, kEinheitModell}, {rt, kEinheitEditor}, {rt, kModellwahl}, {rt, kProjekt}, {rt, kSitzung},
        {rt, kDatensatz},     {rt, kAuswertung},
        {b, kEinheitModell},  {b, kEinheitEditor},  {b, kModellwahl},  {b, kProjekt},  {b, kSitzung},
        {b, kDatensatz},      {b, kAuswertung},
        {r, kEinheitModell},  {r, kEinheitEditor},  {r, kModellwahl},  {r, kProjekt},  {r, kSitzung},
        {r, kDatensatz},      {r, kAuswertung},
        {k, kEinheitModell},  {k, kEinheitEditor},  {k, kModellwahl},  {k, kProjekt},  {k, kSitzung},
        {k, kDatensatz},      {k, kAuswertung},
        {fk, kEinheitModell}, {fk, kEinheitEditor}, {fk, kModellwahl}, {fk, kProjekt}, {fk, kSitzung},
        {fk, kDatensatz},     {fk, kAuswertung, Eigen}, {fk, kAutoFit},
        {fn, kEinheitModell}, {fn, kEinheitEditor}, {fn, kProjekt},    {fn, kSitzung}, {fn, kDatensatz},
        {fn, kAuswertung, Eigen},
        {ed, kEinheitModell}, {ed, kModellwahl},    {ed, kProjekt},    {ed, kSitzung}, {ed, kAuswertung},
        {ed, kAutoFit},
        {mo, kEinheitEditor}, {mo, kProjekt},       {mo, kSitzung},    {mo, kDatensatz}, {mo, kAuswertung},
        {mo, kAutoFit},
        {mx, kProjekt},       {mx, kSitzung},       {mx, kAuswertung},
    };
    for (const auto& p : paare) {
        SCOPED_TRACE(std::string(p.fenster.name) + " × " + p.aktion.name);
        const Sicht offen = lauf(p.fenster, p.aktion, true);
        const Sicht neu = p.vergleich == Eigen ? lauf(p.fenster, kKeine, true) : lauf(p.fenster, p.aktion, false);
        EXPECT_TRUE(offen.offen);
        EXPECT_EQ(offen, neu);
    }
}

namespace {

// The chart an evaluation item draws after what was drawn before it.
QStringList auswertungNach(const char* beispiel, const char* vorher, const char* menu) {
    test::GuiTest env;
    folderPrefix = env.folder();
    auto main = test::startMainWindow();
    test::MsgRecorder rec;
    if (std::string(vorher) != "nichts") {
        main->clickMenu(vorher);
        frmPrepareTimeDiagram& t = Forms::get<frmPrepareTimeDiagram>();
        test::clickButton(t.cmdDrawctDiagram);
    }
    kopiereBeispiel(beispiel, env.folder());
    test::answerOpenDialog(std::string(beispiel) + ".VRP", env.folderStd());
    main->clickMenu("mnuLoadProject");
    test::processEvents();
    rec.clear();
    main->clickMenu(menu);
    test::processEvents();
    QStringList s = diagrammKurven();
    if (frmGraph2D* g = Forms::loaded<frmGraph2D>())
        for (int p = 1; p <= 7; ++p)
            if (const int n = g->Chart2D1->pointCount(2, p); n > 0) s << QString("Punkte %1: %2").arg(p).arg(n);
    for (const MsgRequest& r : rec.messages()) s << "Meldung " + toQ(r.title) + ": " + toQ(r.text);
    schliessen(main);
    return s;
}

}  // namespace

// A fitting or an evaluation draws concentrations and its own plot, whatever
// the chart drawn before (a rate-time diagram among them) asked for.
TEST(SharedState, EveryEvaluationDrawsItsOwnChartAfterARateDiagram) {
    const struct {
        const char* beispiel;
        const char* menu;
        const char* kurve;  // a curve label the chart must show
    } faelle[] = {
        {"1st_order", "mnuCtFitting", "c(A) "},     {"1st_order", "mnuROFitting", "c(A) "},
        {"1st_order", "mnuctAusw(1)", ""},          {"1st_order", "mnuctAusw(2)", ""},
        {"2nd_order", "mnuctAusw(3)", ""},          {"2nd_order", "mnuLambdaAusw(1)", ""},
        {"2nd_order", "mnuLambdaAusw(3)", ""},      {"kT_Arrhenius", "mnukT(1)", ""},
        {"kT_Arrhenius", "mnukT(2)", ""},           {"1st_order", "mnuSubTangente(1)", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.menu);
        const QStringList frisch = auswertungNach(f.beispiel, "nichts", f.menu);
        ASSERT_FALSE(frisch.isEmpty());
        EXPECT_NE(frisch.first(), "kein Diagramm");
        if (*f.kurve) {
            EXPECT_TRUE(frisch.join('\n').contains(QString(f.kurve) + ":")) << frisch.join('\n').toStdString();
        }
        for (const char* vorher : {"mnuvtGraph", "mnuctGraph"}) {
            SCOPED_TRACE(vorher);
            EXPECT_EQ(auswertungNach(f.beispiel, vorher, f.menu), frisch);
        }
    }
}

// The report: "1st_order" in min, the time-diagram window open, the model
// window switched to s. The window shows k1 in s at once, and its chart
// decays over hours as 0.0215 1/min does, not 60 times faster.
TEST(SharedState, TimeDiagramAndBatchReactorShowAndUseTheConvertedConstant) {
    test::GuiTest env;
    auto main = test::startMainWindow();
    test::MsgRecorder rec;
    test::loadFirstOrderSample(*main, env.folder());
    rec.clear();
    main->clickMenu("mnuctGraph");
    frmPrepareTimeDiagram& t = Forms::get<frmPrepareTimeDiagram>();
    frmKinModel& m = Forms::get<frmKinModel>();
    ASSERT_EQ(std::tuple(t.Inp[10]->text(), t.unit1->text()), std::tuple(" .0215", "/(1/min)"));
    const double a0 = t.Inp[0]->programmWert();
    ASSERT_GT(a0, 0);

    test::clickButton(m.optZeit[0]);
    EXPECT_EQ(std::tuple(t.Inp[10]->text(), t.unit1->text()), std::tuple(" .0003583333", "/(1/s)"));
    test::typeInto(t.Inp[14], "7200");
    test::clickButton(t.cmdDrawctDiagram);
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    ASSERT_NE(g, nullptr);
    ChartControl& c = *g->Chart2D1;
    const int n = c.pointCount(1, 1);
    ASSERT_EQ(n, 201);
    // c(A) = c0(A) exp(-k1 t) with k1 = 0.0215 / 60 per second.
    for (int i : {11, 101, 201}) {
        const double ts = c.x(1, 1, i);
        EXPECT_NEAR(c.y(1, 1, i), a0 * std::exp(-0.0215 / 60 * ts), 1e-6 * a0) << ts;
    }
    EXPECT_GT(c.y(1, 1, 11), 0.85 * a0);  // after 360 s

    // The batch reactor, opened in s, switched back to min: .0215 1/min, and
    // after 5 min c(A) = c0(A) exp(-0.0215 * 5).
    main->clickMenu("mnuBatchR");
    frmBatch& b = Forms::get<frmBatch>();
    ASSERT_EQ(std::tuple(b.Inp[10]->text(), b.unit1->text()), std::tuple(" .0003583333", "/(1/s)"));
    test::clickButton(m.optZeit[1]);
    EXPECT_EQ(std::tuple(b.Inp[10]->text(), b.unit1->text()), std::tuple(" .0215", "/(1/min)"));
    test::clickButton(b.optInpSelect[0]);
    test::typeInto(b.Inp[14], "5");
    test::clickButton(b.cmdCalc);
    EXPECT_NEAR(b.Inp[5]->programmWert(), b.Inp[0]->programmWert() * std::exp(-0.0215 * 5), 1e-7);
    EXPECT_EQ(rec.count(), 0u);
}

// A constant typed and not yet used is converted with the unit: it keeps its
// meaning, and the others show the state's converted values.
TEST(SharedState, ATypedConstantIsConvertedWithTheUnit) {
    test::GuiTest env;
    auto main = test::startMainWindow();
    test::MsgRecorder rec;
    main->clickMenu("mnuKontRK");
    frmKinModel& m = Forms::get<frmKinModel>();
    test::clickButton(m.optTyp[6]);  // A => C => P: k1 0.15, k2 0.1 per s
    frmRKconti& r = Forms::get<frmRKconti>();
    test::typeInto(r.Inp[10], "0.3");
    test::clickButton(m.optZeit[1]);
    EXPECT_EQ(std::tuple(r.Inp[10]->text(), r.Inp[11]->text(), r.unit1->text()),
              std::tuple(" 18", " 6", "/(1/min)"));
}

// A project or the last session loaded while the data-set editor is open:
// the editor shows the loaded data set, and "Speichern unter *.VRD" saves it,
// not the former comment or lambda(infinity).
TEST(SharedState, DataSetEditorShowsTheDataSetOfALoadedProject) {
    for (bool sitzung : {false, true}) {
        SCOPED_TRACE(sitzung ? "letzte Sitzung" : "Projekt");
        test::GuiTest env;
        folderPrefix = env.folder();
        auto main = test::startMainWindow();
        test::MsgRecorder rec;
        test::loadFirstOrderSample(*main, env.folder());
        main->clickMenu("mnuEdit");
        frmDatedit& d = Forms::get<frmDatedit>();
        ASSERT_TRUE(d.txtComment->text().startsWith("Zerfall 1. Ordnung"));
        if (sitzung) {
            const QString prog = toQ(app.SessionDateiName).section('/', 0, -2);
            kopiereBeispiel("kT_Arrhenius", prog);
            QFile::copy(prog + "/kT_Arrhenius.VRP", toQ(app.SessionDateiName));
            main->clickMenu("mnuLoadLastSession");
        } else {
            kopiereBeispiel("kT_Arrhenius", env.folder());
            test::answerOpenDialog("kT_Arrhenius.VRP", env.folderStd());
            main->clickMenu("mnuLoadProject");
        }
        ASSERT_EQ(Forms::loaded<frmDatedit>(), &d);
        EXPECT_TRUE(d.txtComment->text().startsWith("Geschwindigkeitskonstante k in 1/s")) << d.txtComment->text().toStdString();
        EXPECT_EQ(std::tuple(d.caption().trimmed(), d.lambda_infin->text(), d.Grid->rowCount(), d.optZeit[0]->isChecked()),
                  std::tuple(QString("(kT_Arrhenius.VRD) Experimentelle Daten, Editieren von Messpunkten"), " 0", 6,
                             true));
        const std::string pfad = env.folderStd() + "/neu.VRD";
        test::answerFileBoxes(pfad);
        test::clickButton(d.cmdSave);
        const std::string datei = test::readFile(pfad);
        EXPECT_EQ(datei.substr(0, datei.find("\r\n")), "Geschwindigkeitskonstante k in 1/s bei 15 bis 65 \xB0"
                                                       "C (simulierte Messwerte, A = 4,94E13 1/s, EA = 103 kJ/mol)");
        Forms::destroyAll();
        test::processEvents();
        main.reset();
        folderPrefix.clear();
    }
}

// "Speichern unter *.VRD" opens in the folder of the data set in use, with
// its name, wherever it came from.
TEST(SharedState, SavingTheDataSetOffersItsOwnFolder) {
    const struct {
        const char* name;
        std::function<void(MDIVRN&, const std::string& ordner)> laden;
    } faelle[] = {
        {"Projekt", [](MDIVRN& m, const std::string& ordner) {
             test::answerOpenDialog("1st_order.VRP", ordner);
             m.clickMenu("mnuLoadProject");
         }},
        {"Öffnen im Dateneditor", [](MDIVRN& m, const std::string& ordner) {
             m.clickMenu("mnuNeudat");
             test::answerOpenDialog("1st_order.VRD", ordner);
             test::clickButton(Forms::get<frmDatedit>().cmdLoadFile);
         }},
        {"letzte Sitzung, Datenfile im aktuellen Ordner", [](MDIVRN& m, const std::string& ordner) {
             QFile::copy(toQ(ordner) + "/1st_order.VRP", toQ(app.SessionDateiName));
             std::filesystem::current_path(ordner);
             m.clickMenu("mnuLoadLastSession");
         }},
    };
    // The folders of the runs go with them: each run ends in a folder that stays.
    const std::filesystem::path start = std::filesystem::temp_directory_path();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        test::GuiTest env;
        auto main = test::startMainWindow();
        test::MsgRecorder rec;
        const QString ordner = env.folder() + "/ein Ordner";
        QDir().mkpath(ordner);
        kopiereBeispiel("1st_order", ordner);
        std::filesystem::current_path(env.folderStd());
        f.laden(*main, toStd(ordner));
        if (!Forms::loaded<frmDatedit>()) main->clickMenu("mnuEdit");
        SaveBoxRequest gefragt;
        test::answerFileBoxes("", &gefragt);  // cancelled
        test::clickButton(Forms::get<frmDatedit>().cmdSave);
        EXPECT_EQ(QDir(toQ(gefragt.initialDir)).canonicalPath(), QDir(ordner).canonicalPath());
        EXPECT_EQ(gefragt.fileName, "1st_order.VRD");
        std::filesystem::current_path(start);
        Forms::destroyAll();
        test::processEvents();
        main.reset();
    }
}
