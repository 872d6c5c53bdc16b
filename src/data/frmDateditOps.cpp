// The data-set editor's operations on the whole data set, on marked rows and
// cells, on the clipboard and on data-set files, and the drawing of the
// measured points. Each changes ExpDaten first and then shows it again.
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"
#include "chart/Grafik.h"
#include "data/DatasetOps.h"
#include "data/frmDatedit.h"
#include "engine/InitialConcentrations.h"
#include "engine/TimeUnits.h"
#include "engine/frmPrepareTimeDiagram.h"
#include "platform/DataGrid.h"
#include "platform/GridText.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/FileDialogs.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

void verweigere(const std::string& text) { MsgBox(text, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich); }

}  // namespace

// ---- sorting and the exclusion mark ----

void frmDatedit::TSort_Click() {
    if (app.nExpPunkte < 1) return Beep();
    if (sortiereMesspunkte(app.ExpDaten, app.nExpPunkte, false)) markiereGeaendert();
    zeigeDatenImGrid();
}

void frmDatedit::TemperaturSort_Click() {
    if (app.nExpPunkte < 1) return Beep();
    if (sortiereMesspunkte(app.ExpDaten, app.nExpPunkte, true)) markiereGeaendert();
    zeigeDatenImGrid();
}

void frmDatedit::cmdAus_Click() {
    if (app.nExpPunkte == 0 || iMesspunkt < 1 || iMesspunkt > app.nExpPunkte) return Beep();
    Integer& aus = app.ExpDaten[u(iMesspunkt)].aus;
    aus = static_cast<Integer>(aus == -1 ? 0 : -1);
    Grid->setCellChecked(iMesspunkt - 1, 1, aus == -1);
    markiereGeaendert();
}

// ---- marked cells and rows ----

void frmDatedit::cmdEraseSelected_Click() {
    if (app.nExpPunkte == 0) return;
    const DataGrid::Rect r = Grid->selectionRect();
    if (r.row1 < 0) return;
    if (nulleZellen(app.ExpDaten, app.nExpPunkte, r.row1, r.col1, r.row2, r.col2) > 0) markiereGeaendert();
    zeigeDatenImGrid();
}

void frmDatedit::cmdErase_Click() {
    if (app.nExpPunkte < 1) return Beep();
    const DataGrid::Rect r = Grid->selectionRect();
    const int first = r.row1 + 1;
    const int last = std::min(r.row2 + 1, static_cast<int>(app.nExpPunkte));
    if (last < 1) {
        verweigere("keine Markierung!");
    } else {
        const std::string frage = first == last ? "Zeile " + std::to_string(first) + " wirklich entfernen?"
                                                : "Zeilen " + std::to_string(first) + " bis " +
                                                      std::to_string(last) + " wirklich entfernen?";
        if (MsgBox(frage, MsgButtons::YesNo, MsgIcon::Question, "WARNUNG") != MsgAnswer::Yes) return;
        if (entfernePunkte(app.ExpDaten, app.nExpPunkte, first, last)) markiereGeaendert();
    }
    zeigeDatenImGrid();
    if (app.nExpPunkte > 0) {
        Grid->setCurrentCell(0, Grid->currentColumn() < 0 ? kSpalteT : Grid->currentColumn());
    } else {
        zeigeLeereListe();
        bEditieren = false;
        optInputMode_Click(0);
        lblZeile->clear();
    }
    if (!bEditieren) {
        R1->setTitle(QString("Hinzufügen von Zeile #%1").arg(app.nExpPunkte + 1));
        lblZeile->setText(QString("Zeile %1").arg(app.nExpPunkte + 1));
    }
    lblZeile2->setText(lblZeile->text());
}

// ---- clipboard ----

void frmDatedit::cmdClipboard_Click() {
    const QString text = Grid->selectionText();
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(text);
    app.ClipboardTabelle = toStd(text);
}

void frmDatedit::cmdClipEinfuegen_Click() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    const BlockText block = splitBlockText(toStd(text));
    const bool leer = app.nExpPunkte == 0;
    const int R = leer ? 0 : std::max(0, Grid->currentRow());
    const int C = Grid->currentColumn() < 0 ? kSpalteT : Grid->currentColumn();
    // Into a copy, so that a refused block leaves the data set as it was.
    std::vector<Messpunkt> daten(app.ExpDaten.begin(),
                                 app.ExpDaten.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(app.ExpDaten.size()),
                                                                                 app.nExpPunkte + 1));
    Integer n = app.nExpPunkte;
    const std::string zuGross = blockZeilen(R, C, block);
    if (!fuegeBlockEin(daten, n, R, C, block)) return Beep();
    app.ExpDaten = std::move(daten);
    app.nExpPunkte = n;
    markiereGeaendert();
    zeigeDatenImGrid();
    Grid->setCurrentCell(0, kSpalteT);
    bEditieren = true;
    optInputMode_Click(1);
    menueFreigeben(app.nExpPunkte > 0);
    // Cells their column refuses were left out: said, cell by cell.
    if (!zuGross.empty())
        MsgBox(std::string(kNichtUebernommen) + "\r\n" + zuGross, MsgButtons::OK, MsgIcon::Exclamation, "Hinweis");
}

// ---- keys and mouse of the grid ----

void frmDatedit::pruefeZellTaste(int Row, int Col, int& KeyAscii) {
    const int n = app.nExpPunkte;
    if (KeyAscii == 13) {
        // The grid has written the editor's text into the cell.
        KeyAscii = 0;
        if (n == 0 || Row < 0 || Row >= n || Col < kSpalteT || Col > kSpalteK) return;
        Grid->setCurrentCell(Row, Col);
        QString t = Grid->cellText(Row, Col);
        t.replace(',', '.');
        NumberField* box = y[u(Col - 2)];
        box->setText(t);
        Messpunkt& p = app.ExpDaten[u(Row + 1)];
        // The cell through the checked reading of its column.
        const Zahllesung l = box->lies(Grid->spaltenFeld(Col));
        if (!l.ok() || !setzeFeld(p, Col, l.wert)) {
            // A text the column refuses: named, and the cell shows the stored value again.
            if (l.ok()) Beep();
            else MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
            Grid->setCellText(Row, Col, toQ(Zeilentext(Row + 1, p)).split('\t').value(Col));
            box->setText(toQ(Col == kSpalteLambda ? Str(p.lambda) : StrAlsSingle(feldWert(p, Col))));
            return;
        }
        datensatzGeschrieben();
    } else {
        Integer k = static_cast<Integer>(std::clamp(KeyAscii, -32768, 32767));
        if (!NumKeyFilter(k) || n == 0) {
            KeyAscii = 0;
            return;
        }
        KeyAscii = (app.bDezimalKomma && k == '.') ? ',' : k;
    }
    markiereGeaendert();
    lblZeile->setText(QString("Zeile %1").arg(Row + 1));
    lblZeile2->setText(lblZeile->text());
}

void frmDatedit::verarbeiteGridTaste(int& KeyCode, int Shift) {
    if (KeyCode == 67 && Shift == 2) {
        KeyCode = 0;
        cmdClipboard_Click();
    } else if (KeyCode == 86 && Shift == 2) {
        KeyCode = 0;
        cmdClipEinfuegen_Click();
    } else if (KeyCode == 46) {
        KeyCode = 0;
        cmdEraseSelected_Click();
    }
}

void frmDatedit::zeigeGridPopup(int Button, int /*Shift*/, int /*X*/, int /*Y*/) {
    if (Button != 2) return;
    const QPoint pos = QCursor::pos();
    showPopupMenu("mnuEdit1", pos.x(), pos.y());
}

// ---- data-set files ----

void frmDatedit::cmdLoadFile_Click() {
    // The unit the file brings is this window's change: it shows the data
    // itself, and the other windows hear it when the load has ended.
    eigeneEinheit_ = true;
    ladeDatei();
    eigeneEinheit_ = false;
}

void frmDatedit::ladeDatei() {
    Aenderung aenderung;
    app.bDateiAnfuegen = false;
    const int einheitVorher = zeitEinheitIndex(app.sZeiteinheit);
    bool ok = false, abgebrochen = false;
    LoadExpDataDialog(app.bDateiAnfuegen, ok, abgebrochen);
    if (abgebrochen) return;
    // Data in another unit: the model's constants follow as the unit options
    // convert them, so that the model keeps its speed.
    if (ok) konstantenInEinheit(einheitVorher, zeitEinheitIndex(app.sZeiteinheit));
    if (!ok || app.nExpPunkte == 0) {
        menueFreigeben(false);
        if (ok) {
            // The file held no points: the editor shows the empty list.
            zeigeLeereListe();
            optInputMode_Click(0);
            zeigeLambdaInf();
        }
        return;
    }
    menueFreigeben(true);
    app.bHatKTDaten = zaehleKTPunkte(app.ExpDaten, app.nExpPunkte) > 1;
    app.bHatCTDaten = zaehleCTPunkte(app.ExpDaten, app.nExpPunkte) >= 2;
    if (frmPrepareTimeDiagram* t = Forms::loaded<frmPrepareTimeDiagram>(); t && app.bHatCTDaten)
        t->chkMitPunkten->setEnabled(true);
    lblRecalcTime->setText(
        "Achtung: Jede Änderung der Zeiteinheit führt zu einer entsprechenden Umrechnung der Zeit-Spalte.");
    zeigeDatenImGrid();
    optZeit[u(std::clamp<int>(app.iZeitEinheit, 0, 4))]->setChecked(true);
    optZeit_Click(std::clamp<int>(app.iZeitEinheit, 0, 4));
    Grid->setCurrentCell(0, kSpalteT);
    bEditieren = true;
    optInputMode_Click(1);
    zeigeKommentar();
    zeigeLambdaInf();
}

void frmDatedit::cmdAddFile_Click() {
    eigeneEinheit_ = true;
    dateiAnfuegen();
    eigeneEinheit_ = false;
}

void frmDatedit::dateiAnfuegen() {
    Aenderung aenderung;
    app.bDateiAnfuegen = true;
    const int einheitVorher = zeitEinheitIndex(app.sZeiteinheit);
    bool ok = false, abgebrochen = false;
    LoadExpDataDialog(app.bDateiAnfuegen, ok, abgebrochen);
    if (!ok) return;
    // Appended to an empty data set, the file's unit is taken over: the constants follow.
    konstantenInEinheit(einheitVorher, zeitEinheitIndex(app.sZeiteinheit));
    // The data set now differs from every file.
    markiereGeaendert();
    menueFreigeben(app.nExpPunkte > 0);
    bEditieren = true;
    optInputMode[1]->setChecked(true);
    setCaption(namensTeil() + " Experimentelle Daten, Editieren von Datensätzen  ");
    R1->setTitle(QString("Editieren Messpunkt #%1 (von %2)").arg(iMesspunkt).arg(app.nExpPunkte));
    zeigeLambdaInf();  // the appended file's, when it holds one
    zeigeDatenImGrid();
}

void frmDatedit::cmdSave_Click() {
    if (app.nExpPunkte <= 0) return;
    // lambda(inf) is written into every point line: never one the box refuses.
    if (!lambdaInfGenommen()) return;
    // The data set's new name (and folder) is a change the windows hear.
    Aenderung aenderung;
    bool failed = true;
    SaveDataFileAs(failed);
    Form_Load();
    if (!failed) app.bDatenGeaendert = false;
}

// ---- drawing the measured points ----

void frmDatedit::cmdDraw_ct_Click() {
    const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
    for (int i = 1; i <= 5; ++i) {
        app.bKonzDaten[u(i)] = false;
        for (int j = 1; j <= n; ++j)
            if (app.ExpDaten[u(j)].c[u(i)] > 0) app.bKonzDaten[u(i)] = true;
    }
    Aenderung aenderung;
    getAnfangskonzAusDaten();
    app.bHatCTDaten = zaehleCTPunkte(app.ExpDaten, n) >= 2;
    if (n <= 0 || !app.bHatCTDaten) {
        app.iDiagrammTyp = 0;
        verweigere("mindestens 2 c-t-Punkte notwendig!");
        return Beep();
    }
    if (alleInaktiv(app.ExpDaten, n)) return verweigere("alle Daten inaktiv gesetzt");
    unloadChartWindow();
    app.iDiagrammTyp = -1;
    CalcDataRanges(app.iDiagrammTyp, true);
    zeigeDiagramm();
}

void frmDatedit::cmdDraw_Tk_Click() {
    Aenderung aenderung;
    app.bHatKTDaten = zaehleKTPunkte(app.ExpDaten, app.nExpPunkte) >= 2;
    if (app.nExpPunkte <= 0 || !app.bHatKTDaten) {
        app.iDiagrammTyp = 0;
        verweigere("mindestens 2 k-T-Punkte notwendig!");
        return Beep();
    }
    unloadChartWindow();
    app.iDiagrammTyp = -2;
    CalcDataRanges(app.iDiagrammTyp, true);
    zeigeDiagramm();
}

}  // namespace vrn
