// The x-y editor: building, life cycle, the input boxes, the grid and its rows.
// The list operations, files and drawing are in frmManuInputListe.cpp.
#include "data/frmManuInput.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"
#include "chart/frmGraph2D.h"
#include "data/XYList.h"
#include "data/XYOperations.h"
#include "platform/DataGrid.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

constexpr const char* kLeereListe = "leere Liste";
// Column widths of "#", "aus", x and y in twips.
constexpr int kSpaltenBreite[4] = {500, 400, 1565, 1565};
// The separator list of the editor: entry and separator.
constexpr std::pair<const char*, const char*> kSeparatoren[3] = {{"Semikolon", ";"}, {"Komma", ","}, {"Tab", "\t"}};

QPushButton* knopf(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QRadioButton* option(const QString& text, const QString& name, QWidget* parent) {
    auto* o = new QRadioButton(text, parent);
    o->setObjectName(name);
    return o;
}

// The text of a cell: the locale's general number form of a Single.
QString zellText(Single v) { return toQ(Format(v)); }

}  // namespace

frmManuInput::frmManuInput() : GridEditorForm(Kind::MdiChild) {
    setObjectName("frmManuInput");
    buildWindow();
}

// ---- building ------------------------------------------------------------------------

void frmManuInput::buildWindow() {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(8);

    auto* links = new QVBoxLayout();
    links->setSpacing(4);
    auto* kopf = new QHBoxLayout();
    kopf->setSpacing(0);
    const char* titel[4] = {"#", "aus", "x", "y"};
    for (int c = 0; c < 4; ++c) {
        auto* l = new QLabel(titel[c], this);
        l->setFixedWidth(twipsToPixelsX(kSpaltenBreite[c]));
        l->setAlignment(Qt::AlignCenter);
        kopf->addWidget(l);
        if (c == 1) {
            lblAus = l;
            l->setToolTip("...schließt Punkte von Zeichnen und Abspeichern aus ");
        }
    }
    kopf->addStretch(1);
    links->addLayout(kopf);

    Grid = new DataGrid(this);
    Grid->setObjectName("Grid");
    Grid->setGridFont("Courier New", 9);
    Grid->setColumnCountWithWidths(4);
    for (int c = 0; c < 4; ++c) Grid->setColumnWidthTwips(c, kSpaltenBreite[c]);
    Grid->setFixedColumns(1);
    Grid->setCheckBoxColumn(1);
    // x and y as their cells are read when typed (xyFeld).
    for (int c = 2; c <= 3; ++c) Grid->setSpaltenFeld(c, xyFeld(c));
    Grid->setFixedWidth(twipsToPixelsX(4030) + Grid->verticalScrollBar()->sizeHint().width() + 2 * Grid->frameWidth());
    Grid->setMinimumHeight(120);
    links->addWidget(Grid, 1);
    fraManipulation = buildManipFrame();
    links->addWidget(fraManipulation);
    links->addWidget(buildInputPanel());
    outer->addLayout(links, 1);
    outer->addWidget(buildButtonColumn());

    cmdClipboard = knopf(QString(), "cmdClipboard", this);
    cmdEraseSelected = knopf(QString(), "cmdEraseSelected", this);
    cmdClipboard->hide();
    cmdEraseSelected->hide();
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmdEraseSelected, &QPushButton::clicked, this, [this] { cmdEraseSelected_Click(); });
    setCancelButton(cmdEsc);
    connectGrid();
}

QWidget* frmManuInput::buildInputPanel() {
    auto* box = new QGroupBox(this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 6);
    for (int i = 0; i < 2; ++i) {
        optInputMode[i] = option(i == 0 ? "Zufügen" : "Editieren", QString("optInputMode_%1").arg(i), box);
        connect(optInputMode[i], &QRadioButton::clicked, this, [this, i] { optInputMode_Click(i); });
        y[i] = new NumberField(box);
        y[i]->setObjectName(QString("y_%1").arg(i));
        // The number in force follows the box while it holds one it takes.
        connect(y[i], &QLineEdit::textChanged, this, [this, i] {
            if (const Zahllesung l = y[i]->lies(xyFeld(i + 2)); l.ok()) (i == 0 ? dblXEingabe : dblYEingabe) = l.single;
        });
    }
    // "+" takes the point; Enter goes from the x box to the y box, and Enter
    // in the y box takes the point and gives the x box the focus again.
    y[0]->onKeyPress = [this](int& key) {
        if (key == '+') {
            key = 0;
            OKinput_Click();
        } else if (key == 13) {
            key = 0;
            y[1]->setFocus(Qt::TabFocusReason);
        }
    };
    y[1]->onKeyPress = [this](int& key) {
        if (key == '+' || key == 13) {
            key = 0;
            OKinput_Click();
        }
    };
    lblZeile = new QLabel("Zeile 1", box);
    lblZeile->setObjectName("lblZeile");
    OKinput = knopf("Daten in Liste übernehmen <+>", "OKinput", box);
    connect(OKinput, &QPushButton::clicked, this, [this] { OKinput_Click(); });
    g->addWidget(optInputMode[0], 0, 0, 1, 2);
    g->addWidget(optInputMode[1], 0, 2, 1, 2);
    g->addWidget(lblZeile, 0, 4);
    g->addWidget(new QLabel("x =", box), 1, 0);
    g->addWidget(y[0], 1, 1, 1, 2);
    g->addWidget(new QLabel("y =", box), 1, 3);
    g->addWidget(y[1], 1, 4);
    g->addWidget(OKinput, 2, 0, 1, 5);
    return box;
}

QGroupBox* frmManuInput::buildManipFrame() {
    auto* box = new QGroupBox("Zahlen modifizieren", this);
    box->setObjectName("fraManipulation");
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 6);
    for (int i = 0; i < 6; ++i) {
        optManip[i] = option(kXYRechenArten[i], QString("optManip_%1").arg(i), box);
        g->addWidget(optManip[i], i % 3, i / 3);
        connect(optManip[i], &QRadioButton::clicked, this, [this, i] { optManip_Click(i); });
    }
    lblW = new QLabel("W = ", box);
    txtW = new NumberField(box);
    txtW->setObjectName("txtW");
    txtW->setFixedWidth(90);
    cmdExecManip = knopf("Ausführen", "cmdExecManip", box);
    cmdCloseManip = knopf("Schließen", "cmdCloseManip", box);
    auto* zeile = new QHBoxLayout();
    zeile->addWidget(lblW);
    zeile->addWidget(txtW);
    zeile->addStretch(1);
    zeile->addWidget(cmdExecManip);
    zeile->addWidget(cmdCloseManip);
    g->addLayout(zeile, 3, 0, 1, 2);
    connect(cmdExecManip, &QPushButton::clicked, this, [this] { cmdExecManip_Click(); });
    connect(cmdCloseManip, &QPushButton::clicked, this, [this] { cmdCloseManip_Click(); });
    return box;
}

QWidget* frmManuInput::buildButtonColumn() {
    auto* w = new QWidget(this);
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    cmdAus = knopf("Zeile &aktiv/inaktiv", "cmdAus", w);
    cmdAus->setToolTip("... schließt Zeile von der Grafik und vom Fitting aus ");
    v->addWidget(cmdAus);

    auto* fraDelete = new QGroupBox(w);
    auto* gd = new QGridLayout(fraDelete);
    gd->setContentsMargins(6, 2, 6, 4);
    optDeleteXY[0] = option("markierte Zeile(n)", "optDeleteXY_0", fraDelete);
    optDeleteXY[1] = option("alle", "optDeleteXY_1", fraDelete);
    cmdErase = knopf("Zeile(n) entfernen", "cmdErase", fraDelete);
    gd->addWidget(optDeleteXY[0], 0, 0);
    gd->addWidget(optDeleteXY[1], 0, 1);
    gd->addWidget(cmdErase, 1, 0, 1, 2);
    v->addWidget(fraDelete);

    cmdLoad = knopf("D&aten laden *.XY | *.LRG", "cmdLoad", w);
    cmdClipEinfuegen = knopf("Einfügen Clipboard", "cmdClipEinfuegen", w);
    cmdClipEinfuegen->setToolTip(" entspricht <Strg><V>; geeignet zum Import von  MS-Excel | Origin ");
    cmdManip = knopf("Zahlen modifizieren", "cmdManip", w);
    cmdPrint = knopf("Liste &drucken", "cmdPrint", w);
    for (QPushButton* b : {cmdLoad, cmdClipEinfuegen, cmdManip, cmdPrint}) v->addWidget(b);

    auto* sort = new QHBoxLayout();
    XSort = knopf("&x-Sort", "XSort", w);
    YSort = knopf("&y-Sort", "YSort", w);
    cmdChangeXY = knopf("x <==> y", "cmdChangeXY", w);
    for (QPushButton* b : {XSort, YSort, cmdChangeXY}) sort->addWidget(b);
    v->addLayout(sort);

    auto* fraDraw = new QGroupBox(w);
    auto* gz = new QGridLayout(fraDraw);
    gz->setContentsMargins(6, 2, 6, 4);
    cmdDrawManu = knopf("&Zeichnen", "cmdDrawManu", fraDraw);
    optIsPoints[1] = option("als Punkte", "optIsPoints_1", fraDraw);
    optIsPoints[0] = option("als Kurve", "optIsPoints_0", fraDraw);
    gz->addWidget(cmdDrawManu, 0, 0, 2, 1);
    gz->addWidget(optIsPoints[1], 0, 1);
    gz->addWidget(optIsPoints[0], 1, 1);
    v->addWidget(fraDraw);

    v->addWidget(new QLabel("Trennzeichen für XY-Datei", w));
    cmbSep = new QComboBox(w);
    cmbSep->setObjectName("cmbSep");
    cmdSave = knopf("&Speichern *.XY ...", "cmdSave", w);
    auto* sep = new QHBoxLayout();
    sep->addWidget(cmbSep);
    sep->addWidget(cmdSave, 1);
    v->addLayout(sep);

    auto* fraKommentar = new QGroupBox("optionaler File-Kommentar", w);
    auto* lk = new QVBoxLayout(fraKommentar);
    lk->setContentsMargins(6, 2, 6, 4);
    txtComment = new QLineEdit(fraKommentar);
    txtComment->setObjectName("txtComment");
    lk->addWidget(txtComment);
    v->addWidget(fraKommentar);
    v->addStretch(1);
    cmdEsc = knopf("Schließen <Esc>", "cmdEsc", w);
    v->addWidget(cmdEsc);

    const std::pair<QPushButton*, void (frmManuInput::*)()> handler[] = {
        {cmdAus, &frmManuInput::cmdAus_Click},           {cmdErase, &frmManuInput::cmdErase_Click},
        {cmdLoad, &frmManuInput::cmdLoad_Click},         {cmdClipEinfuegen, &frmManuInput::cmdClipEinfuegen_Click},
        {cmdManip, &frmManuInput::cmdManip_Click},       {cmdPrint, &frmManuInput::cmdPrint_Click},
        {XSort, &frmManuInput::XSort_Click},             {YSort, &frmManuInput::YSort_Click},
        {cmdChangeXY, &frmManuInput::cmdChangeXY_Click}, {cmdDrawManu, &frmManuInput::cmdDrawManu_Click},
        {cmdSave, &frmManuInput::cmdSave_Click},         {cmdEsc, &frmManuInput::cmdEsc_Click},
    };
    for (const auto& [b, f] : handler) connect(b, &QPushButton::clicked, this, [this, f = f] { (this->*f)(); });
    connect(cmbSep, &QComboBox::activated, this, [this] { cmbSep_Click(); });
    return w;
}

// ---- life cycle --------------------------------------------------------------------------

void frmManuInput::Form_Load() {
    setCaption("manuelle Dateneingabe");
    xyListeLeeren();
    bEditieren = false;
    bXYGeaendert = false;
    app.XYDateiName.clear();
    txtW->setText(" 1");
    y[0]->setText(" 0");
    y[1]->setText(" 0");
    optInputMode[0]->setChecked(true);
    optIsPoints[1]->setChecked(true);
    optDeleteXY[0]->setChecked(true);
    optManip[0]->setChecked(true);
    optManip_Click(0);
    fraManipulation->hide();
    zeigeXYImGrid();
    lblZeile->setText("Zeile 1");
    setzeXYButtons();
    adjustSize();
    resize(width(), std::max(minimumSizeHint().height(), 540));
    // 300 twips short of the screen's right edge, inside the main window's area.
    moveTwips(screenWidthTwips() - twipsWidth() - 300, 0);
}

void frmManuInput::Form_Activate() {
    cmbSep->clear();
    int index = 0;
    for (int i = 0; i < 3; ++i) {
        cmbSep->addItem(kSeparatoren[i].first);
        if (app.Trennzeichen == kSeparatoren[i].second) index = i;
    }
    cmbSep->setCurrentIndex(index);
}

void frmManuInput::Form_Unload(bool& cancel) {
    if (bXYGeaendert && app.nXYPunkte >= 1) XYSaveFrage(cancel);
}

void frmManuInput::cmbSep_Click() {
    const int i = cmbSep->currentIndex();
    if (i >= 0 && i < 3) app.Trennzeichen = kSeparatoren[i].second;
}

void frmManuInput::cmdEsc_Click() { Unload(); }

// ---- input ---------------------------------------------------------------------------------

void frmManuInput::setzeXYButtons() {
    const int n = app.nXYPunkte;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSave, cmdErase, cmdManip, cmdChangeXY, optDeleteXY[0],
                                                      optDeleteXY[1], cmdPrint})
        w->setEnabled(n >= 1);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdAus, XSort, YSort, cmdDrawManu, optIsPoints[0], optIsPoints[1]})
        w->setEnabled(n >= 2);
}

void frmManuInput::zeigeZeile(const QString& prefix, int nummer) { lblZeile->setText(prefix + QString::number(nummer)); }

void frmManuInput::optInputMode_Click(int Index) {
    if (app.nXYPunkte < 1) {
        Index = 0;
        optInputMode[0]->setChecked(true);
    } else {
        optInputMode[Index]->setChecked(true);
    }
    bEditieren = Index == 1;
    if (!bEditieren) {
        y[0]->setText("0");
        y[1]->setText("0");
        zeigeZeile(" Zeile ", app.nXYPunkte + 1);
    } else {
        zeileGewechselt(Grid->currentRow());
    }
    y[0]->setFocus();
}

void frmManuInput::zeileGewechselt(int row) {
    const int n = app.nXYPunkte;
    if (n < 1 || row < 0 || row >= n) return;
    iAktZeile = row + 1;
    const XYPunkt& p = app.XYDaten[static_cast<std::size_t>(iAktZeile)];
    y[0]->setText(toQ(Str(p.x)));
    y[1]->setText(toQ(Str(p.y)));
    zeigeZeile("Zeile ", bEditieren ? iAktZeile : n + 1);
}

void frmManuInput::OKinput_Click() {
    // x and y through the checked reading: a text its field refuses (empty,
    // no number, beyond a Single, too near 0) is named, and nothing is taken.
    std::string abgelehnt;
    for (int i = 0; i < 2; ++i) {
        const Zahllesung l = y[static_cast<std::size_t>(i)]->lies(xyFeld(i + 2));
        if (!l.ok()) abgelehnt += l.zeile + "\r\n";
        else (i == 0 ? dblXEingabe : dblYEingabe) = l.single;
    }
    if (!abgelehnt.empty()) {
        MsgBox(abgelehnt, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    const int n = app.nXYPunkte;
    if (!bEditieren || n < 1) {
        // A value a Single cannot hold is refused.
        if (!xyPunktAnfuegen(dblXEingabe, dblYEingabe)) return Beep();
        if (n == 0) {
            lblZeile->setText(" Zeile 1");
            Grid->clearRows();  // the "leere Liste" row goes
        }
        const XYPunkt& p = app.XYDaten[static_cast<std::size_t>(n + 1)];
        Grid->addRow(QString("%1\t\t%2\t%3").arg(n + 1).arg(zellText(p.x), zellText(p.y)));
        zeigeZeile("Zeile ", n + 2);
        Grid->setCurrentCell(n, 2);
        zeileGewechselt(n);
    } else {
        if (!xyWertGueltig(dblXEingabe) || !xyWertGueltig(dblYEingabe)) return Beep();
        xyWertSetzen(iAktZeile, 2, dblXEingabe);
        xyWertSetzen(iAktZeile, 3, dblYEingabe);
        const XYPunkt& p = app.XYDaten[static_cast<std::size_t>(iAktZeile)];
        Grid->setCellText(iAktZeile - 1, 2, zellText(p.x));
        Grid->setCellText(iAktZeile - 1, 3, zellText(p.y));
    }
    setzeXYButtons();
    bXYGeaendert = true;
    y[0]->setFocus();
}

// ---- grid --------------------------------------------------------------------------------------

void frmManuInput::leereListeZeigen() {
    Grid->clearRows();
    Grid->addRow(QString("\t\t%1\t").arg(kLeereListe));
}

void frmManuInput::zeigeXYImGrid() {
    const int n = app.nXYPunkte;
    Grid->setRedraw(false);
    if (n < 1) {
        leereListeZeigen();
    } else {
        // Row texts are made as the rows come into view.
        Grid->setRows(n, [](int r) {
            const std::size_t i = static_cast<std::size_t>(r) + 1;
            if (i >= app.XYDaten.size()) return QString();
            const XYPunkt& p = app.XYDaten[i];
            return QString("%1\t\t%2\t%3").arg(r + 1).arg(zellText(p.x), zellText(p.y));
        });
        for (int i = 1; i <= n; ++i) Grid->setCellChecked(i - 1, 1, app.XYDaten[static_cast<std::size_t>(i)].aus == -1);
    }
    Grid->setCurrentCell(0, 2);
    Grid->setRedraw(true);
    if (n < 1) return;
    Grid->showCell(0, 2);
    zeileGewechselt(0);
}

void frmManuInput::nachListenAenderung() {
    bXYGeaendert = true;
    zeigeXYImGrid();
    if (app.nXYPunkte < 1) {
        optInputMode_Click(0);
        lblZeile->setText(" Zeile 1");
    }
    setzeXYButtons();
}

void frmManuInput::ausGeklickt(int row, bool checked) {
    if (!xyAusSetzen(row + 1, checked)) return;
    Grid->setCellChecked(row, 1, checked);
    bXYGeaendert = true;
    zeileGewechselt(row);
}

void frmManuInput::cmdAus_Click() {
    const int i = iAktZeile;
    if (app.nXYPunkte < 1 || i < 1 || i > app.nXYPunkte) return Beep();
    const bool aus = app.XYDaten[static_cast<std::size_t>(i)].aus != -1;
    xyAusSetzen(i, aus);
    Grid->setCellChecked(i - 1, 1, aus);
    bXYGeaendert = true;
}

void frmManuInput::zelleBearbeiten(int row, int col, int& key) {
    if (app.nXYPunkte < 1 || row >= app.nXYPunkte || col < 2) {
        key = 0;
        return;
    }
    if (key == 13) return zelleUebernehmen(row, col);
    Integer k = static_cast<Integer>(key);
    const bool komma = key == ',';
    if (!NumKeyFilter(k)) {
        key = 0;
        return;
    }
    // The locale's separator is shown; "," and "." both stand for it.
    key = (k == '.' || komma) ? (app.bDezimalKomma ? ',' : '.') : k;
    bXYGeaendert = true;
    zeigeZeile("Zeile ", row + 1);
}

void frmManuInput::zelleUebernehmen(int row, int col) {
    QString t = Grid->cellText(row, col);
    t.replace(',', '.');
    y[col - 2]->setText(t);
    // The cell through the checked reading of its column; a text it refuses
    // is named and the cell shows the stored value again.
    const Zahllesung l = y[col - 2]->lies(Grid->spaltenFeld(col));
    if (!l.ok()) MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
    else if (!xyWertSetzen(row + 1, col, l.single)) Beep();
    const XYPunkt& p = app.XYDaten[static_cast<std::size_t>(row + 1)];
    Grid->setCellText(row, col, zellText(col == 2 ? p.x : p.y));
    bXYGeaendert = true;
}

void frmManuInput::connectGrid() {
    Grid->onRowColChange = [this] { zeileGewechselt(Grid->currentRow()); };
    // The "aus" boxes follow a click into their cell.
    Grid->onCellPicked = [this] {
        const int r = gedrueckteZeile_;
        if (gedrueckteSpalte_ == 1 && r >= 0 && r < app.nXYPunkte)
            ausGeklickt(r, app.XYDaten[static_cast<std::size_t>(r + 1)].aus != -1);
    };
    Grid->onKeyDown = [this](int& key, int shift) {
        const bool strg = shift == 2;
        if (strg && key == 'C') cmdClipboard_Click();
        else if (strg && key == 'V') cmdClipEinfuegen_Click();
        else if (shift == 0 && key == 46) cmdEraseSelected_Click();
        else return;
        key = 0;
    };
    Grid->onKeyPressEdit = [this](int row, int col, int& key) { zelleBearbeiten(row, col, key); };
    Grid->onMouseDown = [this](int button, int, int x, int y) {
        gedrueckteZeile_ = Grid->rowAt(y);
        gedrueckteSpalte_ = Grid->columnAt(x);
        if (button == 2) {
            const QPoint pos = Grid->viewport()->mapToGlobal(QPoint(x, y));
            showPopupMenu("mnuEdit2", pos.x(), pos.y());
        }
    };
}

}  // namespace vrn
