// The data-set editor's window: layout, the two input modes, taking an input
// row, OK and the time unit. The operations are in frmDateditOps.cpp.
#include "data/frmDatedit.h"

#include <QAction>

#include <utility>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "data/DatasetOps.h"
#include "engine/InitialConcentrations.h"
#include "engine/TimeUnits.h"
#include "platform/DataGrid.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "shell/ProjectFile.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr int kBreiteNr = 500, kBreiteAus = 400, kBreiteWert = 1500;  // twips

// Title label of each grid column 2..10 and its text.
struct Kopf {
    int label;
    const char* text;
};
constexpr Kopf kKopf[] = {{5, " Zeit t/"},        {1, "cA/(mol/l)"}, {2, "cB/(mol/l)"},
                          {6, "cC/(mol/l)"},      {7, "cP/(mol/l)"}, {8, "cQ/(mol/l)"},
                          {9, "   lambda"},       {3, "   T/K"},     {4, "    k"}};

const char* const kRecalcHinweis =
    "Achtung: Jede Änderung der Zeiteinheit führt zu einer entsprechenden Umrechnung der Zeit-Spalte.";

QString zeileText(int nr) { return QString("Zeile %1").arg(nr); }

QLabel* fest(QLabel* l, int twips) {
    l->setFixedWidth(twipsToPixelsX(twips));
    return l;
}

}  // namespace

frmDatedit::frmDatedit() : GridEditorForm(Kind::MdiChild) {
    // The chart of its points may cover it.
    setMayBeCovered(true);
    setObjectName("frmDatedit");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);
    buildGrid();
    buildInputRow();
    buildLowerFrames();
    connectControls();
    setCancelButton(cmdEsc);
    // A unit change, made here or in another window, converts the times: the
    // grid shows them once.
    zuhoerer_ = Zuhoerer("frmDatedit", kTeilZeiteinheit | kTeilDatensatzGeladen, [this](const Meldung& m) {
        // A data set loaded by a project or the last session is shown as
        // when the window opens.
        if (m.teile & kTeilDatensatzGeladen) return zeigeGeladeneDaten();
        UpdateUnitLabels(*this);
        // Its own options fill the grid as the window fills it; a change from
        // another window writes it back in the model window's form. Either way
        // the input row keeps what the user typed into it (a typed time in
        // the new unit), and the focus and the active window stay.
        if (eigeneEinheit_) zeigeDatenImGrid(m.kGeteiltDurch);
        else refillDatenGrid(m.kGeteiltDurch);
    });
}

frmDatedit::~frmDatedit() = default;

void frmDatedit::refillDatenGrid(double f) {
    // An empty data set keeps the "leere Liste" row.
    markiereZeitOption(std::max(0, zeitEinheitIndex(app.sZeiteinheit)));
    const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
    if (n <= 0) return eingabeUmrechnen(f);
    DataGrid* g = Grid;
    // Rewritten without hiding the window: it stays where it is, active or not.
    g->setRedraw(false);
    // Row texts are made as the rows come into view.
    g->setRows(n, [](int r) {
        const std::size_t i = static_cast<std::size_t>(r) + 1;
        return i < app.ExpDaten.size() ? toQ(refillZeilentext(r + 1, app.ExpDaten[i])) : QString();
    });
    for (int i = 1; i <= n; ++i) g->setCellChecked(i - 1, 1, app.ExpDaten[static_cast<std::size_t>(i)].aus == -1);
    g->setRedraw(true);
    // The same cell call as the window's own filler: the boxes and
    // iMesspunkt follow the new unit.
    {
        // The window fills the boxes itself below, without moving the focus.
        const auto folge = std::exchange(g->onRowColChange, nullptr);
        g->setCurrentCell(0, 2);
        g->showCell(0, 2);
        g->onRowColChange = folge;
    }
    zeigeMesspunktInEingabe(false, f);
}

void frmDatedit::eingabeUmrechnen(double f) {
    if (f == 1 || !y[0]->isModified()) return;
    // Only a time the box takes is converted; any other text stays as typed
    // and is named when the row is taken over.
    const Zahllesung l = y[0]->lies(spaltenFeld(kSpalteT));
    if (!l.ok() || y[0]->text().trimmed().isEmpty()) return;
    const double t = l.wert * f;
    if (!std::isfinite(t)) return;
    y[0]->setText(toQ(Str(t)));
    y[0]->setModified(true);
}

void frmDatedit::buildGrid() {
    auto* outer = static_cast<QVBoxLayout*>(layout());
    auto* kopf = new QWidget(this);
    auto* kl = new QHBoxLayout(kopf);
    kl->setContentsMargins(1, 0, 0, 0);
    kl->setSpacing(0);
    lblKopf[0] = fest(new QLabel("   #      aus", kopf), kBreiteNr + kBreiteAus);
    kl->addWidget(lblKopf[0]);
    for (const Kopf& k : kKopf) {
        lblKopf[u(k.label)] = fest(new QLabel(k.text, kopf), kBreiteWert);
        kl->addWidget(lblKopf[u(k.label)]);
    }
    kl->addStretch(1);
    QFont klein = kopf->font();
    klein.setPointSize(8);
    for (QLabel* l : lblKopf) l->setFont(klein);
    outer->addWidget(kopf);

    Grid = new DataGrid(this);
    Grid->setObjectName("Grid");
    Grid->setColumnCountWithWidths(kSpaltenDatedit);
    Grid->setColumnWidthTwips(0, kBreiteNr);
    Grid->setColumnWidthTwips(1, kBreiteAus);
    Grid->setFixedColumns(2);
    Grid->setCheckBoxColumn(1);
    // The columns of t .. k as their cells are read when typed (spaltenFeld).
    for (int c = kSpalteT; c <= kSpalteK; ++c) Grid->setSpaltenFeld(c, spaltenFeld(c));
    Grid->setGridFont("Courier New", 9);
    Grid->setMinimumHeight(twipsToPixelsY(2000));
    Grid->setFixedWidth(twipsToPixelsX(kBreiteNr + kBreiteAus + 9 * kBreiteWert) + 20);
    outer->addWidget(Grid, 1);
}

void frmDatedit::buildInputRow() {
    Frame1 = new QWidget(this);
    auto* fl = new QVBoxLayout(Frame1);
    fl->setContentsMargins(0, 0, 0, 0);
    R1 = new QGroupBox(Frame1);
    fl->addWidget(R1);
    auto* rl = new QGridLayout(R1);
    rl->setHorizontalSpacing(0);
    rl->setVerticalSpacing(2);
    rl->setContentsMargins(1, 4, 4, 4);
    static_cast<QVBoxLayout*>(layout())->addWidget(Frame1);

    lblZeile = fest(new QLabel(R1), kBreiteNr + kBreiteAus);
    rl->addWidget(lblZeile, 1, 0);
    // Labels over the boxes, one per grid column (T and k share one).
    const char* texte[] = {"Zeit t/s", " cA/(mol/l)  ", " cB/(mol/l)  ", " cC/(mol/l)  ", " cP/(mol/l)  ",
                           " cQ/(mol/l)  "};
    const int bz[] = {2, 0, 3, 4, 5, 6};
    for (int i = 0; i < 6; ++i) {
        Bz1[u(bz[i])] = new QLabel(texte[i], R1);
        rl->addWidget(Bz1[u(bz[i])], 0, i + 1);
    }
    Label2 = new QLabel("lambda (t)", R1);
    rl->addWidget(Label2, 0, 7);
    Bz1[1] = new QLabel("Temperatur/K     Geschw.-konst.  k", R1);
    rl->addWidget(Bz1[1], 0, 8, 1, 2);
    for (int i = 0; i < 9; ++i) {
        y[u(i)] = new NumberField("0", R1);
        y[u(i)]->setObjectName(QString("y_%1").arg(i));
        y[u(i)]->setFixedWidth(twipsToPixelsX(kBreiteWert) - 2);
        rl->addWidget(y[u(i)], 1, i + 1);
    }

    auto* unten = new QHBoxLayout;
    OKinput = new QPushButton("Daten in Liste übernehmen  <+>", R1);
    unten->addWidget(OKinput);
    lblZeile2 = new QLabel(R1);
    lblZeile2->setMinimumWidth(twipsToPixelsX(1200));
    unten->addSpacing(12);
    unten->addWidget(lblZeile2);
    unten->addStretch(1);
    optInputMode[0] = new QRadioButton("Zufügen", R1);
    optInputMode[1] = new QRadioButton("Editieren", R1);
    unten->addWidget(optInputMode[0]);
    unten->addWidget(optInputMode[1]);
    rl->addLayout(unten, 2, 1, 1, 9);
    rl->setColumnStretch(10, 1);
}

void frmDatedit::buildLowerFrames() {
    auto* outer = static_cast<QVBoxLayout*>(layout());
    fraXYComment = new QWidget(this);
    auto* xl = new QHBoxLayout(fraXYComment);
    xl->setContentsMargins(0, 0, 0, 0);

    auto* fraComment = new QGroupBox("optionaler File-Kommentar", fraXYComment);
    auto* cl = new QHBoxLayout(fraComment);
    txtComment = new QLineEdit(fraComment);
    txtComment->setObjectName("txtComment");
    cl->addWidget(txtComment);
    xl->addWidget(fraComment, 1);

    auto* fraLambda = new QWidget(fraXYComment);
    auto* ll = new QHBoxLayout(fraLambda);
    ll->setContentsMargins(4, 8, 4, 0);
    ll->setSpacing(2);
    ll->addWidget(new QLabel("lambda (t =", fraLambda));
    lblInfin = new QLabel(QString(QChar(0x221E)), fraLambda);
    QFont big = lblInfin->font();
    big.setPointSize(12);
    lblInfin->setFont(big);
    ll->addWidget(lblInfin);
    ll->addWidget(new QLabel(")", fraLambda));
    lambda_infin = new NumberField(fraLambda);
    lambda_infin->setObjectName("lambda_infin");
    lambda_infin->setToolTip(" lambda nach unendlicher Zeit  ");
    lambda_infin->setFixedWidth(twipsToPixelsX(kBreiteWert));
    ll->addWidget(lambda_infin);
    xl->addWidget(fraLambda);

    auto* fraZeit = new QGroupBox("Zeit-Einheit", fraXYComment);
    auto* zl = new QVBoxLayout(fraZeit);
    auto* zo = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        optZeit[u(i)] = new QRadioButton(kZeiteinheitText[u(i)], fraZeit);
        optZeit[u(i)]->setObjectName(QString("optZeit_%1").arg(i));
        zo->addWidget(optZeit[u(i)]);
    }
    zl->addLayout(zo);
    lblRecalcTime = new QLabel(fraZeit);
    lblRecalcTime->setWordWrap(true);
    lblRecalcTime->setStyleSheet("color: #A00000;");
    lblRecalcTime->setFixedWidth(twipsToPixelsX(4800));
    zl->addWidget(lblRecalcTime);
    xl->addWidget(fraZeit);
    outer->addWidget(fraXYComment);

    fraCmd = new QWidget(this);
    auto* bl = new QGridLayout(fraCmd);
    bl->setContentsMargins(0, 2, 0, 0);
    bl->setSpacing(4);
    auto knopf = [this](const char* text, const char* name, const char* tip = nullptr) {
        auto* b = new QPushButton(text, fraCmd);
        b->setObjectName(name);
        if (tip) b->setToolTip(tip);
        return b;
    };
    cmdLoadFile = knopf("Neu-Laden *VRD", "cmdLoadFile");
    cmdAddFile = knopf("&Addiere File *.VRD", "cmdAddFile",
                       " Daten aus einem anderen VRD-File der Tabelle zufügen. Achten Sie auf gleiche Zeiteinheiten!  ");
    cmdSave = knopf("&Speichern unter *.VRD", "cmdSave", " Daten als systemeigenes VRD-File speichern  ");
    TSort = knopf("&Zeit-Sortieren", "TSort");
    TemperaturSort = knopf("&Temperatur-Sortieren", "TemperaturSort");
    cmdDraw_ct = knopf("zeichne &c-t-Punkte", "cmdDraw_ct");
    cmdDraw_Tk = knopf("zeichne &k-T-Punkte", "cmdDraw_Tk");
    cmdAus = knopf("Zeile aktiv/inaktiv", "cmdAus", "... schließt Zeile von Grafik und Fitting aus ");
    cmdErase = knopf("markierte Zeilen &entfernen", "cmdErase");
    cmdClipEinfuegen = knopf("Clipboard einfügen", "cmdClipEinfuegen", " ... oder <Strg><V> ");
    OK = knopf("OK", "OK");
    cmdEsc = knopf("Abbrechen <Esc>", "cmdEsc");
    cmdClipboard = knopf("", "cmdClipboard");
    cmdEraseSelected = knopf("", "cmdEraseSelected");
    cmdClipboard->hide();
    cmdEraseSelected->hide();
    const QPushButton* reihe0[] = {cmdLoadFile, cmdAddFile, cmdSave, TSort, TemperaturSort, OK};
    const QPushButton* reihe1[] = {cmdDraw_ct, cmdDraw_Tk, cmdAus, cmdErase, cmdClipEinfuegen, cmdEsc};
    for (int i = 0; i < 6; ++i) {
        bl->addWidget(const_cast<QPushButton*>(reihe0[i]), 0, i);
        bl->addWidget(const_cast<QPushButton*>(reihe1[i]), 1, i);
    }
    bl->setColumnMinimumWidth(5, twipsToPixelsX(1800));
    outer->addWidget(fraCmd);
}

void frmDatedit::connectControls() {
    Grid->onRowColChange = [this] { zeigeMesspunktInEingabe(); };
    Grid->onCellPicked = [this] { waehlePunktZumEditieren(); };
    Grid->onKeyPressEdit = [this](int r, int c, int& key) { pruefeZellTaste(r, c, key); };
    Grid->onKeyDown = [this](int& code, int shift) { verarbeiteGridTaste(code, shift); };
    Grid->onMouseDown = [this](int b, int s, int x, int yy) { zeigeGridPopup(b, s, x, yy); };

    for (int i = 0; i < 9; ++i) {
        // "+" takes the row; Enter moves on, from the k box to the t box.
        y[u(i)]->onKeyPress = [this, i](int& key) {
            if (key == 43) {
                key = 0;
                OKinput_Click();
            } else if (key == 13) {
                key = 0;
                y[u((i + 1) % 9)]->setFocus(Qt::TabFocusReason);
            }
        };
    }
    lambda_infin->onKeyPress = [](int& key) {
        if (key == 13) key = 0;
    };
    // Both boxes write the data set as they are typed into: each key is a
    // change. A text the box refuses leaves lambda(inf) in force; it is named
    // when the box is left and before the data set is taken or saved.
    connect(lambda_infin, &QLineEdit::textChanged, this, [this] {
        Aenderung aenderung;
        if (const Zahllesung l = lambda_infin->lies(lambdaInfFeld()); l.ok()) app.LambdaInf = l.wert;
    });
    connect(lambda_infin, &NumberField::fokusErhalten, this, [this] { lambdaInfBeimFokus_ = app.LambdaInf; });
    // Left with a text it refuses: named, and lambda(inf) in force before
    // comes back (none of the numbers typed on the way stays).
    connect(lambda_infin, &QLineEdit::editingFinished, this, [this] {
        if (lambdaInfGenommen()) return;
        Aenderung aenderung;
        app.LambdaInf = lambdaInfBeimFokus_;
        zeigeLambdaInf();
    });
    connect(txtComment, &QLineEdit::textChanged, this, [this] {
        QString t = txtComment->text();
        t.remove('\r');
        t.remove('\n');
        Aenderung aenderung;
        app.ExpKommentar = toStd(t);
    });
    for (int i = 0; i < 2; ++i)
        connect(optInputMode[u(i)], &QRadioButton::clicked, this, [this, i] { optInputMode_Click(i); });
    for (int i = 0; i < 5; ++i)
        connect(optZeit[u(i)], &QRadioButton::clicked, this, [this, i] { optZeit_Click(i); });
    auto on = [this](QPushButton* b, void (frmDatedit::*f)()) { connect(b, &QPushButton::clicked, this, f); };
    on(OKinput, &frmDatedit::OKinput_Click);
    on(OK, &frmDatedit::OK_Click);
    on(cmdEsc, &frmDatedit::cmdEsc_Click);
    on(cmdLoadFile, &frmDatedit::cmdLoadFile_Click);
    on(cmdAddFile, &frmDatedit::cmdAddFile_Click);
    on(cmdSave, &frmDatedit::cmdSave_Click);
    on(TSort, &frmDatedit::TSort_Click);
    on(TemperaturSort, &frmDatedit::TemperaturSort_Click);
    on(cmdDraw_ct, &frmDatedit::cmdDraw_ct_Click);
    on(cmdDraw_Tk, &frmDatedit::cmdDraw_Tk_Click);
    on(cmdAus, &frmDatedit::cmdAus_Click);
    on(cmdErase, &frmDatedit::cmdErase_Click);
    on(cmdClipEinfuegen, &frmDatedit::cmdClipEinfuegen_Click);
    on(cmdClipboard, &frmDatedit::cmdClipboard_Click);
    on(cmdEraseSelected, &frmDatedit::cmdEraseSelected_Click);
}

// ---- set-up ----

QString frmDatedit::namensTeil() const {
    return app.ExpDateiName.empty() ? QString("(unbenannt)") : "(" + toQ(StripPath(app.ExpDateiName)) + ")";
}

// The data set's comment, shown from its beginning however long it is.
void frmDatedit::zeigeKommentar() {
    txtComment->setText(toQ(app.ExpKommentar));
    txtComment->setCursorPosition(0);
}

// The data set's lambda(infinity); showing it is no entry of the user. A data
// set without one shows 0, so that no former data set's value stays in the
// box (taking a point reads the box).
void frmDatedit::zeigeLambdaInf() {
    const QSignalBlocker still(lambda_infin);
    lambda_infin->setText(toQ(StrAlsSingle(app.LambdaInf)));
}

void frmDatedit::zeigeGeladeneDaten() {
    std::array<std::optional<QString>, 9> getippt;
    for (std::size_t i = 0; i < y.size(); ++i)
        if (y[i]->isModified()) getippt[i] = y[i]->text();
    zeigeFenster(false);
    for (std::size_t i = 0; i < y.size(); ++i)
        if (getippt[i]) {
            y[i]->setText(*getippt[i]);
            y[i]->setModified(true);
        }
}

// Runs when the window is loaded and again after a save: the state of the
// window from the data set (mode, captions, unit, grid).
void frmDatedit::Form_Load() {
    moveTwips(20, 200);
    resizeTwips(14900 - 150, 8196 - 500);
    app.bAuswertungsart = 0;
    zeigeFenster(true);
}

void frmDatedit::zeigeFenster(bool eigen) {
    bHinweisFaellig = true;
    iMesspunkt = 1;
    UpdateUnitLabels(*this);
    {
        // Shown, not written: only the window's own opening empties the comment.
        const QSignalBlocker still(txtComment);
        zeigeKommentar();
    }
    zeigeLambdaInf();
    if (eigen && app.nExpPunkte == 0) txtComment->clear();

    if (app.nExpPunkte > 0) {
        bEditieren = true;
        setCaption(namensTeil() + " Experimentelle Daten, Editieren von Messpunkten  ");
        optInputMode[1]->setChecked(true);
        R1->setTitle(QString("Editieren Messpunkt #%1 (von %2)").arg(iMesspunkt).arg(app.nExpPunkte));
        lblRecalcTime->setText(kRecalcHinweis);
        zeigeDatenImGrid();
    } else {
        bEditieren = false;
        optInputMode[0]->setChecked(true);
        lblZeile->setText(zeileText(1));
        lblZeile2->setText(zeileText(1));
        setCaption(namensTeil() + " Eingabe von Messpunkten  ");
        R1->setTitle("Hinzufügen von Messpunkt #1");
        zeigeLeereListe();
        lblRecalcTime->clear();
    }
    // The unit in force is only marked (the grid is filled once); an unknown
    // unit text becomes "s" when the window opens.
    if (const int unit = zeitEinheitIndex(app.sZeiteinheit); unit >= 0) {
        if (eigen) app.iZeitEinheit = static_cast<Integer>(unit);
        markiereZeitOption(unit);
    } else if (eigen) {
        waehleZeitOption(0);
    } else {
        markiereZeitOption(0);
    }
}

void frmDatedit::setTimeUnitCaptions(const std::string& u) {
    Bz1[2]->setText(toQ("Zeit t/" + u));
    lblKopf[5]->setText(toQ("  Zeit t/" + u));
}

void frmDatedit::zeigeLeereListe() {
    Grid->setRedraw(false);
    Grid->clearRows();
    Grid->addRow("\t\tleere Liste");
    Grid->setCurrentCell(0, kSpalteT);
    Grid->setRedraw(true);
}

void frmDatedit::setzeZeilenFarben(int row) {
    Grid->setCellBackColour(row, kSpalteT, kFarbeZeit);
    Grid->setCellBackColour(row, kSpalteLambda, kFarbeLambda);
    Grid->setCellBackColour(row, kSpalteTemp, kFarbeKT);
    Grid->setCellBackColour(row, kSpalteK, kFarbeKT);
}

void frmDatedit::zeigeDatenImGrid(double f) {
    const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
    if (n <= 0) return eingabeUmrechnen(f);
    Grid->setRedraw(false);
    // Row texts are made as the rows come into view.
    Grid->setRows(n, [](int r) {
        const std::size_t i = u(r) + 1;
        return i < app.ExpDaten.size() ? toQ(Zeilentext(r + 1, app.ExpDaten[i])) : QString();
    });
    for (int i = 1; i <= n; ++i) {
        Grid->setCellChecked(i - 1, 1, app.ExpDaten[u(i)].aus == -1);
        setzeZeilenFarben(i - 1);
    }
    Grid->setCurrentCell(0, kSpalteT);
    Grid->setRedraw(true);
    zeigeMesspunktInEingabe(f == 0, f);
}

void frmDatedit::zeigeMesspunktInEingabe(bool fokus, double f) {
    const int n = app.nExpPunkte;
    if (n == 0 || static_cast<int>(app.ExpDaten.size()) <= n) return;
    const int row = std::clamp(Grid->currentRow(), 0, n - 1);
    iMesspunkt = row + 1;
    const Eingabezeile v = punktAlsEingabe(app.ExpDaten[u(iMesspunkt)]);
    // After a unit change a box the user typed into keeps the typed text (a
    // time in the new unit); the others show the point.
    const bool einheit = f != 0;
    if (einheit) eingabeUmrechnen(f);
    for (int i = 0; i < 9; ++i) {
        if (einheit && y[u(i)]->isModified()) continue;
        y[u(i)]->setText(toQ(i == 6 ? Str(static_cast<Single>(v[u(i)])) : Str(v[u(i)])));
        y[u(i)]->setCursorPosition(0);
    }
    // The box of the current column takes the focus, unless the user works in
    // the grid itself (then its keys must stay there).
    const int col = Grid->currentColumn();
    if (fokus && col >= kSpalteT && !Grid->hasFocus() && y[u(col - 2)]->isVisible()) y[u(col - 2)]->setFocus();
    if (bEditieren) {
        setCaption(namensTeil() + " Experimentelle Daten, Editieren von Messpunkten  ");
        R1->setTitle(QString("Editieren Datensatz #%1 (von %2)").arg(iMesspunkt).arg(n));
        lblZeile->setText(zeileText(iMesspunkt));
    } else {
        lblZeile->setText(zeileText(n + 1));
    }
    lblZeile2->setText(lblZeile->text());
}

void frmDatedit::waehlePunktZumEditieren() {
    if (app.nExpPunkte == 0) return;
    iMesspunkt = std::max(0, Grid->currentRow()) + 1;
    bEditieren = true;
    optInputMode[1]->setChecked(true);
    optInputMode_Click(1);
}

void frmDatedit::optInputMode_Click(int Index) {
    const int n = app.nExpPunkte;
    if (n == 0) Index = 0;
    optInputMode[u(Index)]->setChecked(true);
    bEditieren = Index == 1;
    if (!bEditieren) {
        for (NumberField* f : y) f->setText(" 0");
        if (y[0]->isVisible() && !Grid->hasFocus()) y[0]->setFocus();
        R1->setTitle("Eingabe-Modus = Hinzufügen");
        lblZeile->setText(zeileText(n + 1));
    } else {
        zeigeMesspunktInEingabe();
        setCaption(namensTeil() + " Experimentelle Daten, Editieren von Messpunkten  ");
        R1->setTitle(QString("Editieren Messpunkt #%1 (von %2)").arg(iMesspunkt).arg(n));
        if (y[0]->isVisible() && !Grid->hasFocus()) y[0]->setFocus();
        lblZeile->setText(zeileText(iMesspunkt));
    }
    lblZeile2->setText(lblZeile->text());
}

void frmDatedit::menueFreigeben(bool daten) {
    enableMenuItem("mnuEdit", daten);
    if (!daten) return;
    for (int i = 1; i <= 4; ++i) enableMenuItem("mnuctAusw(" + std::to_string(i) + ")", true);
    for (int i = 1; i <= 2; ++i) enableMenuItem("mnukT(" + std::to_string(i) + ")", true);
}

void frmDatedit::markiereGeaendert(bool punkte) {
    app.bDatenGeaendert = true;
    if (punkte) datensatzGeschrieben();
    // The windows that show the data set hear the edit at once.
    zustand().meldeJetzt();
}

// ---- taking an input row ----

bool frmDatedit::lambdaInfGenommen() {
    const Zahllesung l = lambda_infin->lies(lambdaInfFeld());
    if (l.ok()) return true;
    MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
    return false;
}

void frmDatedit::OKinput_Click() {
    // Every box through the checked reading: a text its field refuses (an
    // empty time among them) is named, field by field, and nothing is taken.
    std::string abgelehnt;
    Eingabezeile v{};
    for (int i = 0; i < 9; ++i) {
        const Zahllesung l = y[u(i)]->lies(spaltenFeld(i + kSpalteT));
        if (l.ok()) v[u(i)] = l.wert;
        else abgelehnt += l.zeile + "\r\n";
    }
    const Zahllesung li = lambda_infin->lies(lambdaInfFeld());
    if (!li.ok()) abgelehnt += li.zeile + "\r\n";
    if (!abgelehnt.empty()) {
        MsgBox(abgelehnt, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    const int n = app.nExpPunkte;
    if (!eingabeAnnehmbar(v) || (!bEditieren && n >= 32767) || (bEditieren && (iMesspunkt < 1 || iMesspunkt > n))) {
        Beep();
        return;
    }
    if (!bEditieren) {
        iMesspunkt = n + 1;
        app.ExpDaten.resize(u(iMesspunkt) + 1);
        app.ExpDaten[u(iMesspunkt)] = Messpunkt{};
    }
    Messpunkt& p = app.ExpDaten[u(iMesspunkt)];
    eingabeInPunkt(v, p);
    app.LambdaInf = li.wert;

    if (p.c[1] > 0 && p.Temp > 0 && bHinweisFaellig) {
        const std::string nl = "\r\n";
        MsgBox("Für nicht-isotherme Datensätze c(A) = Fu(t, T) ist für eine " + nl +
                   "Reaktion 1. Ordnung statt des Konzentrationswertes c(A)" + nl +
                   "das Verhältnis c(A) / c(A)(0) anzugeben," + nl + "für t = 0 also z. B. der Wert 1." + nl +
                   "Das hat den Vorteil, dass die einzelnen Messpunkte auf" + nl +
                   "unterschiedliche c(A)(0) bezogen sein können.",
               MsgButtons::OK, MsgIcon::Information, "einmaliger Hinweis");
        bHinweisFaellig = false;
    }

    const QStringList zellen = toQ(Zeilentext(iMesspunkt, p)).split('\t');
    if (n == 0) Grid->clearRows();
    if (!bEditieren) {
        Grid->setRedraw(false);
        Grid->addRow(zellen.join('\t'));
        Grid->setRedraw(true);
        app.nExpPunkte = static_cast<Integer>(n + 1);
        R1->setTitle(QString("Hinzufügen von Messpunkt #%1").arg(app.nExpPunkte + 1));
        lblZeile->setText(zeileText(app.nExpPunkte + 1));
        lblZeile2->setText(lblZeile->text());
        setzeZeilenFarben(iMesspunkt - 1);
        Grid->setCurrentCell(iMesspunkt - 1, kSpalteT);
    } else {
        for (int c = kSpalteT; c <= kSpalteK; ++c) Grid->setCellText(iMesspunkt - 1, c, zellen.value(c));
        setzeZeilenFarben(iMesspunkt - 1);
        Grid->setCurrentCell(iMesspunkt - 1, kSpalteT);
    }
    if (y[0]->isVisible()) y[0]->setFocus();
    markiereGeaendert();
    enableMenuItem("mnuEdit", true);
}

// ---- OK, cancel, time unit ----

void frmDatedit::OK_Click() {
    if (!lambdaInfGenommen()) return;
    PrepareExpDaten();
    if (nichtIsothermWarnung(app.nKurvenTemp, app.bHatCTTDaten, app.tMaxDaten)) {
        const std::string nl = "\r\n";
        const MsgAnswer a =
            MsgBox("Die aktuellen Zahlenwerte der Reaktionszeiten t können zu" + nl +
                       "numerischen Problemen bei der Regressionsrechnung führen." + nl +
                       "Besonders empfindlich sind hier Reaktionen erster Ordnung." + nl +
                       "Die Zahlenwerte für t müssen in folgendem Bereich liegen:" + nl +
                       "für Reaktion 1. Ordnung: (1 > t > 1E-4)" + nl + "für Reaktion 2. Ordnung: (t > 1E-4)" + nl +
                       nl + "Experimentieren Sie mit verschiedenen Zeiteinheiten und" + nl +
                       "gehen Sie immer von niedrigen Startwerten aus (0 | 1 | 10 |100)" + nl + nl +
                       "Jetzt die Zeiteinheit ändern?",
                   MsgButtons::YesNo, MsgIcon::Exclamation, " Warnung für nicht-isothermes Fitting ");
        if (a == MsgAnswer::Yes) return;
    }
    // The start values of a non-isothermal fit and the initial concentrations
    // of these data: one change, which the open windows hear.
    Aenderung aenderung;
    if (app.bHatCTTDaten) {
        app.dblArrhA = 100.0;
        app.dblArrhEA = 100.0;
    }
    getAnfangskonzAusDaten();
    Unload();
}

void frmDatedit::cmdEsc_Click() { Unload(); }

void frmDatedit::waehleZeitOption(int index) {
    optZeit[u(index)]->setChecked(true);
    optZeit_Click(index);
}

void frmDatedit::markiereZeitOption(int Index) {
    for (int i = 0; i < 5; ++i) {
        QFont f = optZeit[u(i)]->font();
        f.setBold(i == Index);
        optZeit[u(i)]->setFont(f);
    }
    optZeit[u(Index)]->setChecked(true);
}

void frmDatedit::optZeit_Click(int Index) {
    if (Index < 0 || Index > 4) return;
    eigeneEinheit_ = true;
    {
        Aenderung aenderung;
        if (const int alt = zeitEinheitIndex(app.sZeiteinheit); alt >= 0) app.iZeitEinheit = static_cast<Integer>(alt);
        setZeiteinheit(static_cast<Integer>(Index), app.iZeitEinheit);
    }
    eigeneEinheit_ = false;
    markiereZeitOption(Index);
}

}  // namespace vrn
