// The main window's menu items: each checks what its task needs, closes the
// windows of competing tasks, sets the mode variables and opens its window
// or chart.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenu>

#include <filesystem>
#include <type_traits>

#include "chart/Grafik.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmFitting.h"
#include "engine/InitialConcentrations.h"
#include "engine/frmKinModel.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "data/frmManuInput.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/Forms.h"
#include "platform/HelpViewer.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "shell/DataFile.h"
#include "shell/DataPreparation.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "app/MDIVRN.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"
#include "shell/frmTip.h"
#include "base/NumberText.h"

namespace vrn {

// Leaves the event loop at once: quit() would first close every window, and
// their closing handlers would ask again what Exit has just asked.
std::function<void()> MDIVRN::endProgram = [] { QCoreApplication::exit(0); };

namespace {

const std::string kCrLf = "\r\n";
const std::string kNeueingabe = "Geben Sie Daten im Dateneditor ein (=> Neueingabe).";
const std::string kKeineCt = "Keine oder zuwenig experimentelle c-t-Daten." + kCrLf + kNeueingabe;
const std::string kZuwenigCt = "Keine (oder zuwenig) experimentelle c-t-Daten." + kCrLf + kNeueingabe;


void refuse(const std::string& text) { MsgBox(text, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich); }

void closeTip() { Forms::unload<frmTip>(); }

void closeReactorWindows() {
    Forms::unload<frmBatch>();
    Forms::unload<frmRohrreaktor>();
    Forms::unload<frmRKconti>();
}

// A reactor item: closes the competing windows, shows its reactor window,
// reopens the model window (which fills the reactor's fields) and focuses
// the reactor.
template <class W>
void openReactor() {
    closeTip();
    Forms::unload<frmPrepareTimeDiagram>();
    Forms::unload<frmFitting>();
    if constexpr (!std::is_same_v<W, frmBatch>) Forms::unload<frmBatch>();
    if constexpr (!std::is_same_v<W, frmRohrreaktor>) Forms::unload<frmRohrreaktor>();
    if constexpr (!std::is_same_v<W, frmRKconti>) Forms::unload<frmRKconti>();
    Forms::get<W>().Show();
    Forms::unload<frmKinModel>();
    Forms::get<frmKinModel>().Show();
    if (W* w = Forms::loaded<W>()) w->SetFocus();
}

void openChart() {
    zeigeDiagramm(app.iDiagrammTyp, app.tDiagramm, app.gnKurvenOffen, app.Achsenbereich, app.nSimPunkte,
                  app.gMitMesspunkten);
}

// A project names its data set without a folder: its data set is the file of
// that name beside the project file. Only when there is none there is the
// name looked for in the current folder.
std::string resolveDataName(const std::string& projectFile, const std::string& datName) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path beside = fs::path(nativePath(projectFile)).parent_path() / nativePath(datName);
    if (!beside.parent_path().empty() && fs::is_regular_file(beside, ec)) return beside.string();
    return datName;
}

// Asks whether changed data are to be saved first; true when the caller may go on.
bool changedDataSettled() {
    if (!(app.bDatenGeaendert && app.nExpPunkte >= 1)) return true;
    bool abort = false;
    AskSaveChangedData(abort);
    return !abort;
}

// Shows the fitting window for the current evaluation mode; a window left
// open for another mode is closed first, so that it starts afresh.
void showFitting() {
    if (frmFitting* f = Forms::loaded<frmFitting>(); f && f->modus() != app.bAuswertungsart) f->Unload();
    Forms::get<frmFitting>().Show();
}

// The fitting items start from a closed chart, time-diagram and reactor
// windows, and ask for the fitting chart with the measured points.
void clearForFitting() {
    unloadChartWindow();
    app.iDiagrammTyp = -9;
    app.gMitMesspunkten = true;
    Forms::unload<frmPrepareTimeDiagram>();
    closeReactorWindows();
}

void focusFitting() {
    if (frmFitting* f = Forms::loaded<frmFitting>()) f->SetFocus();
}

// The last step of the fitting items: the model curve is drawn into the chart.
void drawFirstFittingCurve() {
    if (app.iDiagrammTyp != -9) return;
    app.iDiagrammTyp = app.iModell;
    if (frmFitting* f = Forms::loaded<frmFitting>()) {
        f->diagrammUebernehmen();
        f->cmdDrawNewCurve_Click();
    }
    focusFitting();
}

}  // namespace

void MDIVRN::connectDispatch() {
    // Every menu action is one change of the shared state: the open windows
    // hear what it changed once, when it has ended.
    auto on = [this](const QString& name, std::function<void()> f) {
        setMenuHandler(name, [f = std::move(f)] {
            Aenderung aenderung;
            f();
        });
    };
    on("mnuLoadLastSession", [this] { mnuLoadLastSession_Click(); });
    on("mnuLoadProject", [this] { mnuLoadProject_Click(); });
    on("mnuSaveProject", [this] { mnuSaveProject_Click(); });
    on("mnuNeudat", [this] { mnuNeudat_Click(); });
    on("mnuEdit", [this] { mnuEdit_Click(); });
    on("mnuToolArrhenius", [this] { mnuToolKT_Click(1); });
    on("mnuToolEyring", [this] { mnuToolKT_Click(2); });
    connectDataEditorPopup();
    on("mnuExit", [this] { mnuExit_Click(); });
    on("mnuModel", [this] { mnuModel_Click(); });
    on("mnuExpctAuswertung", [this] { mnuExpctAuswertung_Open(); });
    for (int i = 1; i <= 4; ++i) on(QString("mnuctAusw(%1)").arg(i), [this, i] { mnuctAusw_Click(i); });
    on("mnuCtFitting", [this] { mnuCtFitting_Click(); });
    on("mnuROFitting", [this] { mnuROFitting_Click(); });
    for (int i = 1; i <= 2; ++i)
        on(QString("mnuNonIsothermFitting(%1)").arg(i), [this, i] { mnuNonIsothermFitting_Click(i); });
    for (int i = 1; i <= 3; ++i) on(QString("mnuLambdaAusw(%1)").arg(i), [this, i] { mnuLambdaAusw_Click(i); });
    for (int i = 1; i <= 2; ++i) on(QString("mnukT(%1)").arg(i), [this, i] { mnukT_Click(i); });
    on("mnuCalcTangente", [this] { mnuCalcTangente_Open(); });
    for (int i = 1; i <= 5; ++i) on(QString("mnuSubTangente(%1)").arg(i), [this, i] { mnuSubTangente_Click(i); });
    on("mnuctGraph", [this] { mnuctGraph_Click(); });
    on("mnuvtGraph", [this] { mnuvtGraph_Click(); });
    on("mnuReaktor", [this] { mnuReaktor_Open(); });
    on("mnuBatchR", [] { openReactor<frmBatch>(); });
    on("mnuRohrR", [] { openReactor<frmRohrreaktor>(); });
    on("mnuKontRK", [] { openReactor<frmRKconti>(); });
    for (int i = 0; i <= 1; ++i)
        on(QString("mnuSubMonteCarlo(%1)").arg(i), [this, i] { mnuSubMonteCarlo_Click(i); });
    on("mnuEditXY", [this] { mnuEditXY_Click(); });
}

// ---- projects and data ----

// The model in force is set up by the model window (it hears the request
// through the owner of the shared state) and shown by every window; a closed
// model window opens and sets it up as it loads.
void MDIVRN::reopenModelWindow() {
    if (frmKinModel* m = Forms::loaded<frmKinModel>()) {
        zustand().meldeJetzt(kTeilModellwahl);
        // Brought forward as when it opens, at its place.
        m->anAngestammtenPlatz();
        m->Show();
        m->SetFocus();
        return;
    }
    Forms::get<frmKinModel>().Show();
}

namespace {
std::string loadedText(const std::string& expDateiName) {
    return "...Datenfile: " + StripPath(expDateiName) + kCrLf + kCrLf + "Die Tabelle der exper. Daten ist einsehbar unter" +
           kCrLf + "\"Daten / exper. Daten Sichten/Editieren\"" + kCrLf + kCrLf +
           "Sie können nun unter \"Versuchsauswertung\" die passende Methode" + kCrLf +
           "zur Auswertung der geladenen experimentellen Daten auswählen.";
}

// Takes the data set a project names; returns the message text.
// The program documents "...Datenfile: <name>" and the name as the data set's
// also when the loader refused the file; the data set in memory is then still
// the one before, so the name stays that one's (the last session written at
// Exit names it) and the message says that the file was not loaded.
std::string takeProjectData(const std::string& projectFile, const std::string& datName, QAction* mnuEdit) {
    if (datName.empty()) return "...kein Datenfile";
    const std::string name = resolveDataName(projectFile, datName);
    app.bDateiAnfuegen = false;
    bool ok = false;
    LoadDataFile(name, app.bDateiAnfuegen, ok);
    std::string m;
    if (ok) {
        // The data set is named with its folder, where "Speichern unter" offers to save it.
        std::error_code ec;
        const std::filesystem::path voll = std::filesystem::absolute(nativePath(name), ec);
        app.ExpDateiName = ec ? name : voll.string();
        app.ExpDateiPfad = folderWithSeparator(app.ExpDateiName);
        m = loadedText(name);
    } else {
        m = "...Datenfile: " + StripPath(name) + " wurde nicht geladen." + kCrLf + kCrLf +
            (app.nExpPunkte > 0 ? "Die bisherigen experimentellen Daten bleiben erhalten" +
                                      (app.ExpDateiName.empty() ? std::string(".")
                                                                : " (" + StripPath(app.ExpDateiName) + ").")
                                : std::string("Es sind keine experimentellen Daten geladen."));
    }
    if (mnuEdit && (ok || app.nExpPunkte > 0)) mnuEdit->setEnabled(true);
    PrepareExpDaten();
    getAnfangskonzAusDaten();
    return m;
}
}  // namespace

void MDIVRN::mnuLoadLastSession_Click() {
    if (!changedDataSettled()) return;
    std::string datName, kEinheit;
    bool ok = false;
    LoadProjectFile(app.SessionDateiName, datName, ok, &kEinheit);
    if (!ok) return;
    const int fitting = fittingSchliessen();
    const std::string m = takeProjectData(app.SessionDateiName, datName, mnuEdit);
    rateConstantsIntoUnitInForce(kEinheit);
    mnuNeudat->setEnabled(true);
    mnuSaveProject->setEnabled(true);
    reopenModelWindow();
    fensterNachDemLaden(fitting);
    MsgBox(m, MsgButtons::OK, MsgIcon::Information, "geladen...");
}

void MDIVRN::mnuLoadProject_Click() {
    if (!changedDataSettled()) return;
    std::string fileName, datName, kEinheit;
    bool ok = false, cancelled = false;
    LoadProjectDialog(fileName, datName, ok, cancelled, &kEinheit);
    if (!ok) return;
    if (cancelled) return reopenModelWindow();
    const int fitting = fittingSchliessen();
    mnuNeudat->setEnabled(true);
    mnuSaveProject->setEnabled(true);
    const std::string m = takeProjectData(fileName, datName, mnuEdit);
    rateConstantsIntoUnitInForce(kEinheit);
    // Every window shows the loaded project before the message says so.
    reopenModelWindow();
    fensterNachDemLaden(fitting);
    MsgBox(m, MsgButtons::OK, MsgIcon::Information, "geladen...");
}

int MDIVRN::fittingSchliessen() {
    frmFitting* f = Forms::loaded<frmFitting>();
    if (!f) return 0;
    const int modus = f->modus();
    f->cmdClose_Click();
    return modus;
}

void MDIVRN::fensterNachDemLaden(int fittingModus) {
    zustand().meldeJetzt(kTeilDatensatzGeladen);
    switch (fittingModus) {
        case 1: case 2: isothermFitting(fittingModus); break;
        case 6: mnuNonIsothermFitting_Click(1); break;
        case 7: mnuNonIsothermFitting_Click(2); break;
        default: break;
    }
}

void MDIVRN::modellDerAuswertung(Integer modell) {
    if (app.iModell == modell) return;
    app.iModell = modell;
    // An open fitting window keeps its own model, which the model window
    // shows; the evaluation's model is only the evaluation's then.
    if (Forms::loaded<frmFitting>()) return;
    reopenModelWindow();
    app.bAuswertungsart = 0;
}

// A project names the data set by its file: a data set typed or changed and
// not saved yet is offered for saving first, so that the project does not
// name no file (or the file's older contents). Cancel, or a save that did not
// happen, ends the project save.
void MDIVRN::mnuSaveProject_Click() {
    if (!changedDataSettled()) return;
    SaveProjectAs();
}

void MDIVRN::mnuNeudat_Click() {
    if (!changedDataSettled()) return;
    app.ExpDaten.assign(2, Messpunkt{});
    app.nExpPunkte = 0;
    datensatzGeschrieben();
    app.LambdaInf = 0;
    app.ExpDateiName.clear();
    showDataEditor();
}

void MDIVRN::mnuExit_Click() {
    bool abort = false;
    if (app.bDatenGeaendert && app.nExpPunkte >= 1) AskSaveChangedData(abort);
    if (abort) return;
    // An x-y list that was never saved would be lost as silently: ask as its own window does.
    if (frmManuInput* xy = Forms::loaded<frmManuInput>(); xy && xy->bXYGeaendert && app.nXYPunkte >= 1) {
        xy->XYSaveFrage(abort);
        if (abort) return;
    }
    frmProtokoll::closeAtExit();
    WriteProjectFile(app.SessionDateiName);
    HtmlHelpCloseAll();
    if (endProgram) endProgram();
}

void MDIVRN::closeEvent(QCloseEvent* event) {
    // The close box saves nothing; the windows are closed with their own handlers.
    for (VrnForm* f : Forms::all()) {
        if (!f->Unload()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

// ---- model and simulation ----

void MDIVRN::mnuModel_Click() {
    closeTip();
    if (frmKinModel* m = Forms::loaded<frmKinModel>()) {
        m->Show();
        m->SetFocus();
    } else {
        Forms::get<frmKinModel>().Show();
    }
}

void MDIVRN::simulation(bool rate) {
    closeTip();
    closeReactorWindows();
    Forms::unload<frmFitting>();
    app.bRateDiagramm = rate;
    app.bAuswertungsart = 0;
    frmPrepareTimeDiagram& t = Forms::get<frmPrepareTimeDiagram>();
    t.Show();
    t.chkMitPunkten->setEnabled(!rate);
    reopenModelWindow();
    if (frmPrepareTimeDiagram* w = Forms::loaded<frmPrepareTimeDiagram>(); w && w->isVisible()) w->SetFocus();
}

void MDIVRN::mnuctGraph_Click() { simulation(false); }
void MDIVRN::mnuvtGraph_Click() { simulation(true); }

// ---- evaluations ----

void MDIVRN::mnuExpctAuswertung_Open() { app.bLambdaAuswertung = false; }

void MDIVRN::mnuctAusw_Click(int i) {
    closeTip();
    app.bAuswertungsart = 0;
    if (!app.bHatCTDaten) return refuse(kKeineCt);
    if (app.nExpPunkte < (i == 4 ? 4 : 2)) return refuse(kZuwenigCt);
    app.bGleicheC0 = false;
    const Single a0 = app.c0Daten[1], b0 = app.c0Daten[2];
    if (i != 3) {
        if (a0 < 1e-8f) return refuse("Keine Anfangskonzentration c(A)(0) gefunden");
    } else {
        if (a0 < 1e-8f || b0 < 1e-8f)
            return refuse("Es werden beide Anfangskonzentrationen c(A)(0) und c(B)(0) benötigt.");
        app.bGleicheC0 = a0 == b0;
    }
    if (i <= 3) modellDerAuswertung(static_cast<Integer>(i + 1));
    unloadChartWindow();
    switch (i) {
        case 1: app.iDiagrammTyp = -5; break;
        case 2: app.iDiagrammTyp = -6; break;
        case 3: app.iDiagrammTyp = static_cast<Integer>(app.bGleicheC0 ? -6 : -8); break;
        default: app.iDiagrammTyp = -7; break;
    }
    CalcDataRanges(app.iDiagrammTyp, true);
    openChart();
}

void MDIVRN::mnuLambdaAusw_Click(int i) {
    closeTip();
    app.bAuswertungsart = 0;
    if (!app.bHatLambdaDaten)
        return refuse("Keine oder zuwenig experimentelle lambda-Daten." + kCrLf + kNeueingabe);
    if (app.nExpPunkte < 2) return refuse("Keine (oder zuwenig) experimentelle lambda-t-Daten." + kCrLf + kNeueingabe);
    const Single a0 = app.c0Daten[1], b0 = app.c0Daten[2];
    if (i == 1) {
        modellDerAuswertung(2);
        app.bGleicheC0 = false;
    } else if (i == 2) {
        if (a0 == 0)
            return refuse("Für eine lambda-Auswertung nach 2. Ordnung muss" + kCrLf +
                          "eine Anfangskonzentration für A gegeben sein." + kCrLf + kCrLf +
                          "Hinweis: Die Anfangskonzentration kann auch als p(A)(0)/kPa gegeben sein;" + kCrLf +
                          "die Geschwindigkeitskonstante erhält dann die Einheit [k] = 1/( kPa s).");
        modellDerAuswertung(3);
    } else {
        if (a0 == 0 || b0 == 0)
            return refuse("Für eine lambda-Auswertung müssen in diesem Fall" + kCrLf +
                          "die Anfangskonzentrationen c(A)(0) und c(B)(0) gegeben sein.");
        app.bGleicheC0 = a0 == b0;
        if (!app.bGleicheC0) return refuse("Im Augenblick wird nur die Variante c(A)(0) = c(B)(0) unterstützt.");
        modellDerAuswertung(4);
    }
    if (app.LambdaInf < 1e-8) return refuse("Keinen Wert lambda(t = infin) gefunden");
    if (app.Lambda0 == 0) {
        const std::string head = "Es wurde kein Anfangswert lambda(0) (lambda bei t = 0) gefunden." + kCrLf +
                                 "Die Auswertung wird daher ohne diesen Wert mittels" + kCrLf;
        if (i == 1)
            MsgBox(head + "des Ausdrucks ln(lambda(infin.) - lambda) vorgenommen." + kCrLf +
                       "Das  durch Extrapolation ermittelte lambda(0) wird angegeben." + kCrLf +
                       "Die Anfangskonzentration c(A)(0) wird in diesem Fall auch nicht benötigt.",
                   MsgButtons::OK, MsgIcon::Exclamation, "Hinweis zur Auswertung der lambda-Werte, 1. Ordnung");
        else
            MsgBox(head + "des Ausdrucks (lambda(inf)/(lambda(inf) - lambda)) vorgenommen." + kCrLf + kCrLf +
                       "Beachten Sie aber:" + kCrLf +
                       "Auch in diesem Fall wird die Anfangskonzentration c(A)(0) benötigt.",
                   MsgButtons::OK, MsgIcon::Exclamation, "Hinweis zur Auswertung der lambda-Werte, 2. Ordnung");
    }
    app.bLambdaAuswertung = true;
    if (i == 1) {
        app.iDiagrammTyp = -10;
        CalcLambdaRange1();
    } else {
        app.iDiagrammTyp = -11;
        CalcLambdaRange2();
    }
    // Documented without closing an open chart first; an open chart is then
    // only brought forward and draws nothing, while the model behind it has
    // changed. Like every other evaluation, the item starts a new chart.
    unloadChartWindow();
    openChart();
}

void MDIVRN::isothermFitting(int mode) {
    app.bAuswertungsart = static_cast<Byte>(mode);
    closeTip();
    if (app.bHatCTDaten && app.nExpPunkte < 2) return refuse(kZuwenigCt);
    if (!app.bHatCTDaten) {
        refuse(kKeineCt);
    } else {
        clearForFitting();
        showFitting();
        if (mode == 2) app.iModell = 20;
        reopenModelWindow();
        focusFitting();
        CalcDataRanges(-9, true);
        openChart();
    }
    drawFirstFittingCurve();
}

void MDIVRN::mnuCtFitting_Click() { isothermFitting(1); }
void MDIVRN::mnuROFitting_Click() { isothermFitting(2); }

void MDIVRN::mnuNonIsothermFitting_Click(int i) {
    app.bAuswertungsart = static_cast<Byte>(i == 1 ? 6 : 7);
    closeTip();
    if (app.nKurvenTemp == 1)
        MsgBox("Ein Datensatz mit nur einer Temperatur kann hier nicht zu einem " + kCrLf +
                   "sinnvollen Ergebnis hinsichtlich ARRHENIUS- bzw. EYRING-Parametern führen.",
               MsgButtons::OK, MsgIcon::Exclamation, "Warnung");
    if (!app.bHatCTTDaten) {
        refuse("Keine oder zuwenig experimentelle t-c-T-Daten." + kCrLf + kNeueingabe);
    } else {
        clearForFitting();
        if (i == 2 && app.c0Daten[1] == 0)
            return refuse("Für diesen Fall muss die Anfangskonzentration c(A)(0) gegeben sein.");
        app.iModell = static_cast<Integer>(i == 1 ? 2 : 3);
        // Without a chosen temperature function the fit starts with Arrhenius.
        if (app.bytKTFunktion != 1 && app.bytKTFunktion != 2) app.bytKTFunktion = 1;
        showFitting();
        reopenModelWindow();
        focusFitting();
        CalcDataRanges(-9, true);
        openChart();
    }
    drawFirstFittingCurve();
}

void MDIVRN::mnukT_Click(int i) {
    closeTip();
    if (!app.bHatKTDaten) return refuse("Erst experimentelle Punkte k-T laden oder eingeben!");
    std::vector<Messpunkt> work(app.ExpDaten.begin(),
                                app.ExpDaten.begin() + std::min<std::size_t>(app.ExpDaten.size(),
                                                                             static_cast<std::size_t>(app.nExpPunkte) + 1));
    int P = 0, D = 0;
    for (std::size_t a = 1; a < work.size(); ++a)
        if (work[a].k > 0 && work[a].Temp > 0) ++P;
    for (std::size_t a = 1; a < work.size(); ++a)
        for (std::size_t b = a + 1; b < work.size(); ++b)
            if (zuSingle(work[b].Temp) > 0 && work[b].k == work[a].k && work[b].Temp == work[a].Temp) {
                ++D;
                work[b].k = 0;
                work[b].Temp = 0;
            }
    std::string m;
    if (P - D < 2) m = "mindestens zwei unterschiedliche Paare k - T nötig!";
    if (app.nExpPunkte == 0)
        m = "Keine Daten für k und T vorhanden." + kCrLf +
            "Geben Sie experimentelle Daten im Dateneditor ein (=> Neueingabe)";
    if (!m.empty()) return refuse(m);
    if (app.nExpPunkte < 2) return refuse("es sind mindestens 2 Wertepaare notwendig");
    unloadChartWindow();
    app.iDiagrammTyp = static_cast<Integer>(i == 1 ? -3 : -4);
    CalcDataRanges(app.iDiagrammTyp, true);
    openChart();
}

void MDIVRN::mnuCalcTangente_Open() {
    for (int i = 1; i <= 5; ++i) {
        const QString name = QString("mnuSubTangente(%1)").arg(i);
        if (QAction* a = menuItem(name))
            a->setEnabled(app.bKonzDaten[static_cast<std::size_t>(i)]);
    }
}

void MDIVRN::mnuSubTangente_Click(int i) {
    unloadChartWindow();
    app.bytTangStoff = static_cast<Byte>(i);
    app.iDiagrammTyp = 100;
    app.gMitMesspunkten = true;
    Forms::unload<frmPrepareTimeDiagram>();
    closeReactorWindows();
    showTangentWindow();
    app.sngGlaettung = 0;
    CalcTangenteRange(static_cast<Integer>(i));
    openChart();
    if (frmCalcTangente* t = Forms::loaded<frmCalcTangente>()) t->diagrammUebernehmen();
}

// ---- x-y editor ----

// A new editor each time; one with unsaved points that the user keeps stays.
void MDIVRN::mnuEditXY_Click() {
    closeTip();
    if (!Forms::unload<frmManuInput>()) {
        if (frmManuInput* f = Forms::loaded<frmManuInput>()) f->SetFocus();
        return;
    }
    Forms::get<frmManuInput>().Show();
}

// ---- Monte Carlo ----

// The mode is fixed for the window's lifetime: the window is loaded anew.
// A window that is going (its run stopped) is replaced at once.
void MDIVRN::mnuSubMonteCarlo_Click(int Index) {
    app.MCModus = static_cast<Byte>(Index + 1);
    closeTip();
    try {
        Forms::unload<frmMonteCarlo>();
        Forms::get<frmMonteCarlo>().Show();
    } catch (const std::exception&) {
        refuse("Das 2D-Graphikmodul ...\\olch2x8.ocx wurde bei der Installation nicht ordnungsgemäß registriert." +
               kCrLf + "Bitte versuchen Sie eine manuelle Registrierung (s. unsere Website).");
    }
}

// ---- reactors ----

void MDIVRN::mnuReaktor_Open() {
    if (app.iModell == 0) refuse("vorher ein kinetisches Modell wählen!");
    for (const char* item : {"mnuBatchR", "mnuRohrR", "mnuKontRK"})
        if (QAction* a = menuItem(item)) a->setEnabled(app.iModell != 0);
}

}  // namespace vrn
