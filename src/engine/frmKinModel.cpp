#include "engine/frmKinModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <utility>

#include "engine/ModelChoice.h"
#include "engine/TimeDiagramInput.h"
#include "engine/TimeUnits.h"
#include "engine/frmmatrix.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/CalcForm.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "base/NumberText.h"

namespace vrn {

namespace {

constexpr const char* kUnits[5] = {"s", "min", "h", "d", "a"};
// Models of one reaction first, then the complex ones, as the window lists them.
constexpr int kSimpleOrder[] = {1, 2, 3, 4, 5, 8, 12, 17, 16, 0};
constexpr int kComplexOrder[] = {6, 7, 9, 11, 13, 14, 15, 18, 10};

const char* const kKsiTip = "... beide nach rechts => ";

}  // namespace

frmKinModel::frmKinModel() : VrnForm(Kind::MdiChild) {
    // Open from the start behind the other windows: windows opened later may cover it.
    setMayBeCovered(true);
    setCaption("  kinetisches Modell");
    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(4);

    auto* group = new QButtonGroup(this);
    auto makeOption = [this, group](int index, QWidget* parent) {
        const ModelDefaults* d = defaultsOf(modelOfOption(index));
        auto* o = new QRadioButton(QString::fromUtf8(d->caption), parent);
        o->setObjectName(QString("optTyp_%1").arg(index));
        optTyp[static_cast<std::size_t>(index)] = o;
        group->addButton(o, index);
        connect(o, &QRadioButton::clicked, this, [this, index] { optTyp_Click(index); });
        return o;
    };

    auto* simple = new QGroupBox(" einfache Reaktionen", this);
    auto* sg = new QGridLayout(simple);
    sg->setVerticalSpacing(1);
    int row = 0;
    for (int idx : kSimpleOrder) {
        sg->addWidget(makeOption(idx, simple), row, 0);
        if (idx == 0) {
            auto* orderRow = new QHBoxLayout;
            orderRow->addWidget(new QLabel("n =", simple));
            txtOrdnung = new NumberField(simple);
            txtOrdnung->setFixedWidth(60);
            orderRow->addWidget(txtOrdnung);
            orderRow->addWidget(new QLabel("( n >=  0 )", simple));
            orderRow->addStretch(1);
            sg->addLayout(orderRow, row, 1);
        }
        ++row;
    }
    outer->addWidget(simple);

    auto* complexHead = new QLabel(" komplexe Reaktionen", this);
    QFont hf = complexHead->font();
    hf.setBold(true);
    complexHead->setFont(hf);
    outer->addWidget(complexHead);
    auto* complex = new QWidget(this);
    auto* cg = new QGridLayout(complex);
    cg->setContentsMargins(8, 0, 8, 0);
    cg->setVerticalSpacing(1);
    lbl7 = new QLabel("A + B => C          A + C => P", complex);
    lbl10 = new QLabel("E  + S <=> ES => P + E ", complex);
    lbl13 = new QLabel("A + B => C <=> P", complex);
    lbl18 = new QLabel("A + B <=> C => P ", complex);
    row = 0;
    for (int idx : kComplexOrder) {
        cg->addWidget(makeOption(idx, complex), row, 0);
        QLabel* scheme = idx == 7 ? lbl7 : idx == 10 ? lbl10 : idx == 13 ? lbl13 : idx == 18 ? lbl18 : nullptr;
        if (scheme) cg->addWidget(scheme, row, 1);
        ++row;
    }
    cg->setColumnStretch(1, 1);
    outer->addWidget(complex);

    auto* bottom = new QHBoxLayout;
    auto* fraZeit = new QGroupBox("Zeit-Einheit", this);
    auto* zl = new QHBoxLayout(fraZeit);
    auto* unitGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(kUnits[i], fraZeit);
        o->setObjectName(QString("optZeit_%1").arg(i));
        optZeit[static_cast<std::size_t>(i)] = o;
        unitGroup->addButton(o, i);
        zl->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { optZeit_Click(i); });
    }
    bottom->addWidget(fraZeit);
    cmdShowMatrix = new QPushButton("Stöchiometr. Matrix zeigen", this);
    bottom->addWidget(cmdShowMatrix, 0, Qt::AlignBottom);
    outer->addLayout(bottom);

    lblRecalcTime = new QLabel(this);
    lblRecalcTime->setWordWrap(true);
    lblRecalcTime->setStyleSheet("color: #A00000;");
    outer->addWidget(lblRecalcTime);

    connect(cmdShowMatrix, &QPushButton::clicked, this, [this] { cmdShowMatrix_Click(); });
    connect(txtOrdnung, &QLineEdit::textChanged, this, [this] { txtOrdnung_Change(); });
    connect(txtOrdnung, &NumberField::fokusErhalten, this, [this] { ordnungBeimFokus_ = app.nOrdnung; });
    connect(txtOrdnung, &QLineEdit::editingFinished, this, [this] { txtOrdnung_Verlassen(); });
    // A key typed into the order field chooses model 20.
    txtOrdnung->onKeyPress = [this](int& key) {
        if (key == 3 || key == 22) return;
        Integer k = static_cast<Integer>(key);
        if (!NumKeyFilter(k)) key = 0;
        QMetaObject::invokeMethod(this, [this] {
            // The key chooses the model only: the text typed so far ("1E4" on
            // the way to "1E400") is no order; the field is taken when it is left.
            const bool vorher = std::exchange(tasteWaehlt_, true);
            optTyp[0]->setChecked(true);
            optTyp_Click(0);
            tasteWaehlt_ = vorher;
        }, Qt::QueuedConnection);
    };
}

void frmKinModel::Form_Load() {
    einheit_ = rtrim(app.sZeiteinheit);
    adjustSize();
    moveTwips(screenWidthTwips() - twipsWidth() - 400, 0);
    zeigeOrdnung();
    int unit = 0;
    const std::string u = rtrim(app.sZeiteinheit);
    for (int i = 0; i < 5; ++i)
        if (u == kUnits[i]) unit = i;
    optZeit[static_cast<std::size_t>(unit)]->setChecked(true);
    optZeit_Click(unit);
    optTyp_Click(optionOfModel(app.iModell));
    showRecalcWarning();
}

void frmKinModel::Form_Activate() { showRecalcWarning(); }

void frmKinModel::showRecalcWarning() {
    QString t = app.nExpPunkte != 0 ? "Achtung: Jede Änderung der Zeiteinheit führt zu einer entsprechenden "
                                      "Umrechnung der Zeit-Spalte in der Datentabelle."
                                    : "";
    if (!umgerechnet_.isEmpty()) t += (t.isEmpty() ? "" : "\n") + umgerechnet_;
    lblRecalcTime->setText(t);
}

void frmKinModel::optTyp_Click(int Index) {
    if (Index < 0 || Index > 18) return;
    // A typed order the field refuses leaves the one in force; one it takes
    // is in force as typed: the field keeps its text when the change is heard.
    Single ordnung = app.nOrdnung;
    if (!tasteWaehlt_ && txtOrdnung->text() != toQ(Str(app.nOrdnung)))
        if (const Zahllesung l = txtOrdnung->lies(ordnungsFeld(Bereich::Beliebig)); l.ok()) ordnung = l.single;
    struct EigeneOrdnung {
        bool& flag;
        bool vorher;
        ~EigeneOrdnung() { flag = vorher; }
    } eigene{eigeneOrdnung_, eigeneOrdnung_};
    if (ordnung != app.nOrdnung) eigeneOrdnung_ = true;
    Aenderung aenderung(kTeilModell);
    // The model's constants are the chosen model's now.
    umgerechnet_.clear();
    chooseModel(Index, ordnung);
    txtOrdnung->setEnabled(app.iModell == 20);

    // Every open calculation window shows the chosen model; a fitting window
    // that is not the first keeps its own.
    CalcForm* erstes = firstLoadedCalcForm({CalcForm::TimeDiagram, CalcForm::RKconti, CalcForm::Batch,
                                            CalcForm::Rohrreaktor, CalcForm::Fitting});
    for (VrnForm* f : Forms::all()) {
        auto* w = qobject_cast<CalcForm*>(f);
        if (w && (w == erstes || w->calcType() != CalcForm::Fitting)) w->modellUmstellen([w] { reconfigure(w); });
    }

    for (QRadioButton* o : optTyp) {
        QFont f("Arial", 8);
        o->setFont(f);
    }
    QFont chosen("Arial", 9);
    chosen.setBold(true);
    optTyp[static_cast<std::size_t>(Index)]->setFont(chosen);
    optTyp[static_cast<std::size_t>(Index)]->setChecked(true);
    for (QLabel* l : {lbl7, lbl10, lbl13, lbl18}) {
        QFont f = l->font();
        f.setBold(false);
        l->setFont(f);
    }
    QLabel* scheme = app.iModell == 7 ? lbl7 : app.iModell == 10 ? lbl10 : app.iModell == 13 ? lbl13
                                                                          : app.iModell == 18 ? lbl18 : nullptr;
    if (scheme) {
        QFont f = scheme->font();
        f.setBold(true);
        scheme->setFont(f);
    }
}

void frmKinModel::reconfigure(CalcForm* w) {
    const int t = w->calcType();
    const std::string& sm = app.sSpeziesMaske;
    const std::string& km = app.sKonstMaske;
    auto has = [](const std::string& mask, int i) {
        return static_cast<int>(mask.size()) >= i && mask[static_cast<std::size_t>(i - 1)] == '1';
    };
    if (t == CalcForm::TimeDiagram) {
        w->fraMichaelis->setVisible(app.iModell == 10);
        w->lblMichaelisK->setVisible(app.iModell == 10);
    }
    for (int i = 5; i <= 9; ++i) {
        w->Inp[static_cast<std::size_t>(i)]->setVisible(false);
        w->lblStoff[static_cast<std::size_t>(i)]->setVisible(false);
    }
    for (int i = 1; i <= 5; ++i) {
        const bool v = has(sm, i);
        w->Inp[static_cast<std::size_t>(i - 1)]->setVisible(v);
        w->lblStoff[static_cast<std::size_t>(i - 1)]->setVisible(v);
        if (t >= 2 && t <= 4) {
            w->Inp[static_cast<std::size_t>(i + 4)]->setVisible(v);
            w->lblStoff[static_cast<std::size_t>(i + 4)]->setVisible(v);
        }
    }
    app.UmsatzSoll = 0;
    w->cmdShowKsi->setEnabled(false);
    w->fraKsi->setVisible(false);
    const QString tip = app.bEinfacheReaktion ? QString() : QString(kKsiTip);
    for (QWidget* c : {static_cast<QWidget*>(w->cmdShowKsi), w->fraKsi, static_cast<QWidget*>(w->lblTextKsi_1),
                       static_cast<QWidget*>(w->lblTextKsi_2)})
        c->setToolTip(tip);

    w->Label7->setText(modellZeile(app.iModell));

    for (int i = 5; i <= 9; ++i) {
        w->Inp[static_cast<std::size_t>(i)]->setReadOnly(true);
        w->Inp[static_cast<std::size_t>(i)]->setText(" 0");
    }
    static const char* const letters[] = {"A", "B", "C", "P", "Q"};
    for (int i = 0; i < 5; ++i) {
        QString s = letters[i];
        if (app.iModell == 10 && i < 3) s = i == 0 ? "E" : i == 1 ? "S" : "ES";
        w->lblStoff[static_cast<std::size_t>(i)]->setText(s);
        w->lblStoff[static_cast<std::size_t>(i + 5)]->setText(s);
    }

    w->Inp[11]->setVisible(has(km, 2));
    w->Bz[6]->setVisible(w->Inp[11]->isVisibleTo(w));
    w->unit2->setVisible(w->Inp[11]->isVisibleTo(w));
    w->Inp[12]->setVisible(has(km, 3));
    w->Bz[7]->setVisible(w->Inp[12]->isVisibleTo(w));
    w->unit3->setVisible(w->Inp[12]->isVisibleTo(w));

    const int mode = app.bAuswertungsart;
    w->Bz[5]->setText(mode == 6 || mode == 7 ? "Arrhenius-A" : "k1");
    w->Bz[6]->setText(mode == 2 ? "n" : (mode == 6 || mode == 7) ? "EA" : "k2");
    switch (app.iModell) {
        case 8: case 12: case 17:
            w->Bz[5]->setText("k>");
            w->Bz[6]->setText("k<");
            break;
        case 10: case 18: case 15:
            w->Bz[5]->setText("k>");
            w->Bz[6]->setText("k<");
            w->Bz[7]->setText("k3");
            break;
        case 13: case 14:
            w->Bz[5]->setText("k1");
            w->Bz[6]->setText("k>");
            w->Bz[7]->setText("k<");
            break;
        default: break;
    }

    // The catalyst default of the autocatalysis models does not survive a change
    // to another model; the two autocatalysis models always start with it.
    if (app.iModell == 5 || app.iModell == 16) {
        if (app.c0[4] == 0) app.c0[4] = 0.002;
    } else if (app.c0[4] == 0.002) {
        app.c0[4] = 0;
    }
    // Each value as a Single, or as the Double it is when a Single cannot
    // hold it; a field the user typed into and the window has not used yet
    // keeps what was typed.
    for (int i = 0; i < 5; ++i)
        CalcForm::zeigeWert(w->Inp[static_cast<std::size_t>(i)], toQ(StrAlsSingle(app.c0[static_cast<std::size_t>(i + 1)])));
    const bool arrh = mode == 6 || mode == 7;
    // In Eyring mode the fitting window's parameters are the Eyring factor and H#.
    const bool eyring = arrh && app.bytKTFunktion == 2;
    const double p1 = eyring ? app.dblEyrPar1 : arrh ? app.dblArrhA : app.k[1];
    const double p2 = mode == 2 ? app.nOrdnung : eyring ? app.dblEyrH : arrh ? app.dblArrhEA : app.k[2];
    CalcForm::zeigeWert(w->Inp[10], toQ(StrAlsSingle(p1)));
    CalcForm::zeigeWert(w->Inp[11], toQ(StrAlsSingle(p2)));
    CalcForm::zeigeWert(w->Inp[12], toQ(StrAlsSingle(app.k[3])));
    if (t == 1 || t == 5) CalcForm::zeigeWert(w->Inp[14], toQ(Str(app.tEnd)));
    else if (t == 3 || t == 4) CalcForm::zeigeWert(w->Inp[14], toQ(StrAlsSingle(app.tauVerweil)));
    w->modelReconfigured();

    if (t == 5) {
        for (int i = 1; i <= 5; ++i) {
            QCheckBox* c = w->chkConcFQS[static_cast<std::size_t>(i)];
            c->setVisible(has(sm, i));
            c->setEnabled(app.bKonzDaten[static_cast<std::size_t>(i)]);
            if (c->isEnabled()) c->setChecked(true);
        }
    }
}

void frmKinModel::optZeit_Click(int Index) {
    if (Index < 0 || Index > 4) return;
    Aenderung aenderung;
    umgerechnet_.clear();
    followTimeUnit();
    setZeiteinheit(static_cast<Integer>(Index), app.iZeitEinheit);
    followTimeUnit();  // the window marks it when it hears the change
}

void frmKinModel::zeigeEinheit() {
    const std::string u = rtrim(app.sZeiteinheit);
    for (int i = 0; i < 5; ++i)
        if (u == kUnits[i]) markTimeUnit(i);
    einheit_ = u;
}

void frmKinModel::zeigeOrdnung() {
    // Shown as the number it is; the field does not write it back rounded.
    const QSignalBlocker still(txtOrdnung);
    txtOrdnung->setText(toQ(Str(app.nOrdnung)));
}

void frmKinModel::gehoert(const Meldung& m) {
    if (!txtOrdnung) return;
    if ((m.teile & kTeilZeiteinheit) && m.neueDaten && m.kGeteiltDurch != 1) {
        // Data in another unit were loaded and the constants converted: said here.
        umgerechnet_ = "Die geladenen Daten haben die Zeiteinheit " + toQ(rtrim(app.sZeiteinheit)) +
                       ": die Geschwindigkeitskonstanten wurden von " + toQ(einheit_) + " in " +
                       toQ(rtrim(app.sZeiteinheit)) + " umgerechnet.";
    } else if (m.neueDaten) {
        umgerechnet_.clear();
    }
    if (m.teile & kTeilZeiteinheit) zeigeEinheit();
    if ((m.teile & kTeilOrdnung) && !eigeneOrdnung_ && txtOrdnung->text() != toQ(Str(app.nOrdnung))) zeigeOrdnung();
    if (m.teile & (kTeilDatensatz | kTeilZeiteinheit)) showRecalcWarning();
    if (m.teile & kTeilModellwahl) {
        // As when the window opens: the order and the unit shown, the model
        // set up (its place is the requester's: anAngestammtenPlatz).
        zeigeOrdnung();
        zeigeEinheit();
        optTyp_Click(optionOfModel(app.iModell));
        showRecalcWarning();
    }
}

void frmKinModel::anAngestammtenPlatz() {
    moveTwips(screenWidthTwips() - twipsWidth() - 400, 0);
    if (isVisible()) frame()->setGeometry(Forms::fitIntoMdiArea(frame()->geometry()));
}

void frmKinModel::followTimeUnit() {
    const std::string u = rtrim(app.sZeiteinheit);
    for (int i = 0; i < 5; ++i)
        if (u == kUnits[i]) app.iZeitEinheit = static_cast<Integer>(i);
}

void frmKinModel::markTimeUnit(int index) {
    for (int i = 0; i < 5; ++i) {
        QFont f = optZeit[static_cast<std::size_t>(i)]->font();
        f.setBold(i == index);
        optZeit[static_cast<std::size_t>(i)]->setFont(f);
    }
    optZeit[static_cast<std::size_t>(index)]->setChecked(true);
}

void frmKinModel::cmdShowMatrix_Click() { Forms::get<frmmatrix>().Show(); }

void frmKinModel::txtOrdnung_Change() {
    // Nothing is in force while the text is typed: "1E4" on the way to
    // "1E400" is no order. The model choice each key starts (optTyp_Click)
    // and leaving the field take a text the field takes.
}

void frmKinModel::txtOrdnung_Verlassen() {
    // The order in force as the field shows it, not typed by the user, is no
    // entry: it is not taken back rounded to its seven digits.
    if (!txtOrdnung->isModified()) return;
    const Zahllesung l = txtOrdnung->lies(ordnungsFeld(Bereich::Beliebig));
    // Taken: the order in force. Refused: the order in force when the field
    // took the focus comes back (a number typed on the way is not kept); the
    // text stays, and the windows that compute with model 20 name it.
    const Single n = l.ok() ? l.single : ordnungBeimFokus_;
    if (n == app.nOrdnung) return;
    eigeneOrdnung_ = true;
    {
        Aenderung aenderung;
        app.nOrdnung = n;
    }
    eigeneOrdnung_ = false;
}

std::string frmKinModel::ordnungsZeile(Bereich bereich) {
    frmKinModel* m = Forms::loaded<frmKinModel>();
    return m ? m->txtOrdnung->lies(ordnungsFeld(bereich)).zeile : std::string();
}

}  // namespace vrn
