// The x-y editor's work on its whole list: removing and zeroing, the
// clipboard, files, sorting, swapping, column arithmetic, printing, and
// drawing the active points in the chart window.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"
#include "chart/frmGraph2D.h"
#include "data/DatasetOps.h"
#include "data/XYDruck.h"
#include "data/XYFileDialogs.h"
#include "data/XYList.h"
#include "data/XYOperations.h"
#include "data/frmManuInput.h"
#include "platform/DataGrid.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"
#include "shell/StateOwner.h"

namespace vrn {

namespace {

void verweigern(const std::string& text) { MsgBox(text, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich); }

}  // namespace

// ---- removing and zeroing ------------------------------------------------------------------

void frmManuInput::cmdErase_Click() {
    if (app.nXYPunkte < 1) {
        Beep();
        return setzeXYButtons();
    }
    if (optDeleteXY[1]->isChecked()) {
        if (MsgBox("wirklich alles löschen?", MsgButtons::YesNo, MsgIcon::Question, "WARNUNG") != MsgAnswer::Yes) return;
        xyListeLeeren();
        return nachListenAenderung();
    }
    const DataGrid::Rect s = Grid->selectionRect();
    if (s.row1 < 0) {
        verweigern("keine Markierung!");
        return setzeXYButtons();
    }
    const int r1 = std::min(s.row1, s.row2) + 1, r2 = std::min(std::max(s.row1, s.row2) + 1, int{app.nXYPunkte});
    const std::string frage = r1 == r2 ? "Zeile " + std::to_string(r1) + " wirklich löschen?"
                                       : "Zeilen " + std::to_string(r1) + " bis " + std::to_string(r2) +
                                             " wirklich löschen?";
    if (MsgBox(frage, MsgButtons::YesNo, MsgIcon::Question, "WARNUNG") != MsgAnswer::Yes) return;
    xyZeilenEntfernen(r1, r2);
    nachListenAenderung();
}

void frmManuInput::cmdEraseSelected_Click() {
    const DataGrid::Rect s = Grid->selectionRect();
    if (app.nXYPunkte < 1 || s.row1 < 0) return;
    if (xyZellenNullen(s.row1 + 1, s.col1, s.row2 + 1, s.col2)) nachListenAenderung();
}

// ---- clipboard ----------------------------------------------------------------------------------

void frmManuInput::cmdClipboard_Click() {
    QClipboard* cb = QApplication::clipboard();
    cb->clear();
    app.ClipboardTabelle = toStd(Grid->selectionText());
    cb->setText(toQ(app.ClipboardTabelle));
}

void frmManuInput::cmdClipEinfuegen_Click() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) return;
    const int row = app.nXYPunkte < 1 ? 0 : Grid->currentRow();
    const std::string zuGross = xyBlockZeilen(toStd(text), row, Grid->currentColumn());
    if (xyEinfuegen(toStd(text), row, Grid->currentColumn()) < 1) return Beep();
    nachListenAenderung();
    optInputMode_Click(1);
    lblZeile->setText("Zeile 1");
    // Numbers beyond a Single were left out: said, cell by cell.
    if (!zuGross.empty())
        MsgBox(std::string(kNichtUebernommen) + "\r\n" + zuGross, MsgButtons::OK, MsgIcon::Exclamation, "Hinweis");
}

// ---- files -------------------------------------------------------------------------------------------

void frmManuInput::cmdLoad_Click() {
    // Unsaved points are not lost without a question.
    if (bXYGeaendert && app.nXYPunkte >= 1) {
        bool cancel = false;
        XYSaveFrage(cancel);
        if (cancel) return;
    }
    std::string titel, kommentar;
    bool cancel = true;
    ladeXYDatei(titel, kommentar, cancel);
    if (cancel) return;
    setCaption("geladen: " + toQ(titel));
    txtComment->setText(toQ(kommentar));
    txtComment->setCursorPosition(0);  // a long comment shows its beginning
    bXYGeaendert = false;
    zeigeXYImGrid();
    optInputMode_Click(1);
    setzeXYButtons();
    lblZeile->setText("Zeile 1");
}

void frmManuInput::cmdSave_Click() {
    if (speichereXYDatei(toStd(txtComment->text()))) bXYGeaendert = false;
}

void frmManuInput::XYSaveFrage(bool& bCancel) {
    bCancel = false;
    const MsgAnswer a = MsgBox("Die Daten wurden noch nicht gespeichert." + app.CrLf + app.CrLf + "Jetzt speichern?",
                               MsgButtons::YesNoCancel, MsgIcon::Exclamation, "WARNUNG");
    if (a == MsgAnswer::Cancel) bCancel = true;
    if (a == MsgAnswer::Yes) {
        if (speichereXYDatei(toStd(txtComment->text()))) bXYGeaendert = false;
        else bCancel = true;
    }
}

// ---- operations ------------------------------------------------------------------------------------

void frmManuInput::XSort_Click() {
    if (app.nXYPunkte < 1) return Beep();
    xySortieren(false);
    nachListenAenderung();
}

void frmManuInput::YSort_Click() {
    if (app.nXYPunkte < 1) return Beep();
    xySortieren(true);
    nachListenAenderung();
}

void frmManuInput::cmdChangeXY_Click() {
    xyTauschen();
    nachListenAenderung();
}

void frmManuInput::cmdManip_Click() { fraManipulation->setVisible(fraManipulation->isHidden()); }
void frmManuInput::cmdCloseManip_Click() { fraManipulation->hide(); }

void frmManuInput::optManip_Click(int Index) {
    iManipArt = Index;
    const bool mitW = Index == 2 || Index == 3;
    txtW->setEnabled(mitW);
    lblW->setEnabled(mitW);
}

void frmManuInput::cmdExecManip_Click() {
    // W counts where it is used (y * W, y + W): a text the field refuses
    // (empty, no number, beyond a Double, too near 0) is named there, never
    // taken as 0 or as a prefix; the list stays.
    if (iManipArt == 2 || iManipArt == 3) {
        Zahlfeld w;
        w.thema = "Zahlenwert";
        w.symbol = "W";
        const Zahllesung l = txtW->lies(w);
        if (!l.ok()) return verweigern(l.zeile);
        dblW = l.wert;
    }
    std::string fehler;
    if (!xyRechnen(iManipArt, dblW, fehler)) {
        // W far out of the common range made it: W is named.
        if ((iManipArt == 2 || iManipArt == 3) && ueberlaufUrsache({dblW}) == 0)
            fehler = rechenUeberlaufZeile(txtW->zahlfeld(), dblW);
        verweigern(fehler + app.CrLf + kXYNichtAusfuehrbar);
        return;
    }
    nachListenAenderung();
}

void frmManuInput::cmdPrint_Click() { druckeXYListe(this); }

// ---- drawing ---------------------------------------------------------------------------------------------

void frmManuInput::cmdDrawManu_Click() {
    app.ManuXY.assign(2, XYPunkt{});
    if (app.nXYPunkte < 1) return verweigern("leere Datenliste");
    app.ManuXY = xyAktivePunkte();
    bAlsKurve = optIsPoints[0]->isChecked();
    if (app.ManuXY.size() < 3) return verweigern("Mindestens 2 aktive Punkte notwendig!");
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    if (!g) return openChart();
    (bAlsKurve ? g->cmdManuKurve : g->cmdManuPoints)->click();
}

void frmManuInput::openChart() {
    // The chart request is one change: the windows that show the diagram
    // kind hear that the chart is the list's.
    Aenderung aenderung;
    xyDiagrammAnfordern(app.ManuXY, app.tDiagramm);
    // The chart of the list is no diagram kind of its own: nothing else is
    // drawn into it and no remembered axis range is overwritten.
    app.iDiagrammTyp = 0;
    app.gnKurvenOffen = 0;
    app.tDiagramm.bManuPunkte = true;
    frmGraph2D& g = Forms::get<frmGraph2D>();
    g.Show();
    // At the top, 80 twips short of the right edge of the screen (of the area).
    int left = screenWidthTwips() - g.twipsWidth() - 80;
    if (QMdiArea* area = Forms::mdiArea())
        left = std::min(left, pixelsToTwipsX(area->viewport()->width()) - g.twipsWidth());
    g.moveTwips(std::max(0, left), 0);
    g.StatusBar2->hide();
    g.cmdDraw->setEnabled(false);
    (bAlsKurve ? g.cmdManuKurve : g.cmdManuPoints)->click();
    g.SetFocus();
    app.tDiagramm.bManuPunkte = false;
}

// ---- installation ------------------------------------------------------------------------------------------

void installXYEditor() {
    DataWindowHooks& h = hooks().dataWindows;
    h.openXYEditor = [] {
        if (!Forms::unload<frmManuInput>()) {
            if (frmManuInput* f = Forms::loaded<frmManuInput>()) f->SetFocus();
            return;
        }
        Forms::get<frmManuInput>().Show();
    };
    h.closeXYEditor = [] { Forms::unload<frmManuInput>(); };
    h.speichereKurveAlsXY = speichereKurveAlsXY;
}

}  // namespace vrn
