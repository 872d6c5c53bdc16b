#include "reactors/ReactorForm.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "base/NumKeyFilter.h"
#include "base/NumberText.h"
#include "engine/Simulation.h"
#include "engine/frmKinModel.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "reactors/Extents.h"
#include "reactors/ReactorTexts.h"
#include "reactors/frmProtokoll.h"
#include "shell/AppState.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {
constexpr const char* kLetters[5] = {"A", "B", "C", "P", "Q"};
constexpr int kFieldWidth = 96;
}  // namespace

ReactorForm::ReactorForm(CalcType type, EnterRule enter, int lastField)
    : CalcForm(type), enter_(enter), lastField_(lastField) {
    // A chart opened later may cover it.
    setMayBeCovered(true);
    for (std::size_t i = 0; i < Inp.size(); ++i) {
        Inp[i] = new NumberField(this);
        Inp[i]->setFixedWidth(kFieldWidth);
        const int index = static_cast<int>(i);
        Inp[i]->onKeyPress = [this, index](int& key) { Inp_KeyPress(index, key); };
        Inp[i]->hide();
    }
    for (int i = 5; i <= 9; ++i) setGiven(Inp[static_cast<std::size_t>(i)], false);
    cmdEsc = new QPushButton("Schließen <Esc>", this);
    cmdShowKsi = new QPushButton("Zeige Reaktionsfortschritt(e)", this);
    cmdProtocol = new QPushButton("Protokollieren", this);
    connect(cmdEsc, &QPushButton::clicked, this, [this] { cmdEsc_Click(); });
    connect(cmdShowKsi, &QPushButton::clicked, this, [this] { cmdShowKsi_Click(); });
    connect(cmdProtocol, &QPushButton::clicked, this, [this] { cmdProtocol_Click(); });
    setCancelButton(cmdEsc);
}

void ReactorForm::makeModelLine() {
    Label7 = new QLabel("Reaktionsschema", this);
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);
}

QWidget* ReactorForm::makeConcentrationPanel(const char* feedHead, const char* outletHead, const char* feedUnit,
                                             const char* outletUnit, const char* constantsHead) {
    auto* panel = new QWidget(this);
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);
    g->addWidget(new QLabel(QString::fromUtf8(feedHead), panel), 0, 0, 1, 2);
    g->addWidget(new QLabel(QString::fromUtf8(outletHead), panel), 0, 3, 1, 2);
    g->addWidget(new QLabel(QString::fromUtf8(feedUnit), panel), 1, 0, 1, 2);
    g->addWidget(new QLabel(QString::fromUtf8(outletUnit), panel), 1, 3, 1, 2);
    for (int i = 0; i < 5; ++i) {
        for (int side = 0; side < 2; ++side) {
            const auto idx = static_cast<std::size_t>(i + 5 * side);
            lblStoff[idx] = new QLabel(kLetters[i], panel);
            lblStoff[idx]->setMinimumWidth(18);
            Inp[idx]->setParent(panel);
            g->addWidget(lblStoff[idx], 2 + i, 3 * side, Qt::AlignRight);
            g->addWidget(Inp[idx], 2 + i, 3 * side + 1);
        }
    }
    g->setColumnMinimumWidth(2, 14);
    g->setColumnMinimumWidth(5, 14);
    g->addWidget(new QLabel(QString::fromUtf8(constantsHead), panel), 0, 6, 1, 3);
    unit1 = new QLabel(panel);
    unit2 = new QLabel(panel);
    unit3 = new QLabel(panel);
    QLabel* units[3] = {unit1, unit2, unit3};
    for (int j = 0; j < 3; ++j) {
        const auto b = static_cast<std::size_t>(5 + j);
        const auto f = static_cast<std::size_t>(10 + j);
        Bz[b] = new QLabel(QString("k%1").arg(j + 1), panel);
        Inp[f]->setParent(panel);
        g->addWidget(Bz[b], 2 + j, 6, Qt::AlignRight);
        g->addWidget(Inp[f], 2 + j, 7);
        g->addWidget(units[j], 2 + j, 8);
        units[j]->setMinimumWidth(90);
    }
    g->setRowStretch(7, 1);
    // The fields keep their places whichever the model shows.
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
        w->show();
    }
    return panel;
}

QWidget* ReactorForm::makeKsiPanel() {
    auto* f = new QFrame(this);
    f->setFrameShape(QFrame::Box);
    auto* l = new QHBoxLayout(f);
    auto* texts = new QVBoxLayout;
    lblTextKsi_1 = new QLabel(f);
    lblTextKsi_2 = new QLabel(f);
    texts->addWidget(lblTextKsi_1);
    texts->addWidget(lblTextKsi_2);
    l->addLayout(texts, 1);
    cmdCloseKsi = new QPushButton("Schließen", f);
    l->addWidget(cmdCloseKsi, 0, Qt::AlignVCenter);
    connect(cmdCloseKsi, &QPushButton::clicked, this, [this] { cmdCloseKsi_Click(); });
    QSizePolicy keep = f->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    f->setSizePolicy(keep);
    f->hide();
    fraKsi = f;
    return f;
}

QHBoxLayout* ReactorForm::makeButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) {
        b->setMinimumHeight(30);
        row->addWidget(b);
    }
    row->addStretch(1);
    return row;
}

void ReactorForm::finishBatchOrTubeLayout(QGridLayout* outer, const std::vector<QRadioButton*>& options,
                                          std::function<void(int)> onOption, std::function<void()> onCalc) {
    cmdCalc = new QPushButton("Berechnen", this);
    cmdProtocol->setToolTip(kProtocolTipBerechnen);
    outer->addLayout(makeButtonRow({cmdCalc, cmdShowKsi, cmdProtocol, cmdEsc}), 3, 0, 1, 2);
    outer->addWidget(makeKsiPanel(), 4, 0, 1, 2);
    outer->setRowStretch(5, 1);
    lblVPunktInput = new QLabel(this);
    lblVPunktInput->hide();
    ensureSharedControls();
    for (std::size_t i = 0; i < options.size(); ++i)
        connect(options[i], &QRadioButton::clicked, this, [onOption, i] { onOption(static_cast<int>(i)); });
    connect(cmdCalc, &QPushButton::clicked, this, std::move(onCalc));
}

void ReactorForm::markOption(std::initializer_list<QRadioButton*> options, QRadioButton* chosen) {
    for (QRadioButton* o : options) {
        if (o->minimumWidth() == 0) {
            // Room for the bold caption of the chosen option.
            QFont bold = o->font();
            bold.setBold(true);
            const int extra = QFontMetrics(bold).horizontalAdvance(o->text()) -
                              o->fontMetrics().horizontalAdvance(o->text());
            o->setMinimumWidth(o->sizeHint().width() + std::max(0, extra) + 2);
        }
        QFont f = o->font();
        f.setBold(o == chosen);
        o->setFont(f);
    }
    chosen->setChecked(true);
}

void ReactorForm::setGiven(NumberField* f, bool given) { f->setComputed(!given); }

ReactorInput ReactorForm::leseEingaben(ReaktorFenster w, std::initializer_list<int> gegeben) {
    ReactorInput in;
    in.model = app.iModell;
    in.c0 = app.c0;
    in.k = app.k;
    in.fieldB = Inp[1]->isVisibleTo(this);
    in.fieldK2 = Inp[11]->isVisibleTo(this);
    in.fieldK3 = Inp[12]->isVisibleTo(this);
    const bool kessel = w == ReaktorFenster::Kessel;
    double* const eigene[] = {&in.U, kessel ? &in.V : &in.t, kessel ? &in.VPunkt : &in.l, kessel ? &in.t : &in.v};
    // The computed quantities show what the program wrote into them.
    for (int i = 13; i <= 16; ++i) *eigene[i - 13] = Inp[static_cast<std::size_t>(i)]->programmWert();
    auto lies = [&](int i) {
        NumberField* f = Inp[static_cast<std::size_t>(i)];
        const Zahllesung l = f->lies(reaktorFeld(w, i, in.model, in.fieldB));
        if (!l.ok()) {
            in.gelesen[static_cast<std::size_t>(i)] = l.zeile;
            return;
        }
        if (i <= 4) in.c0[static_cast<std::size_t>(i + 1)] = l.wert;
        else if (i <= 12) in.k[static_cast<std::size_t>(i - 9)] = l.wert;
        else *eigene[i - 13] = l.wert;
    };
    for (int i : {0, 1, 2, 3, 4, 10, 11, 12})
        if (Inp[static_cast<std::size_t>(i)]->isVisibleTo(this)) lies(i);
    for (int i : gegeben) lies(i);
    if (in.model == 20) in.ordnung = frmKinModel::ordnungsZeile(Bereich::NichtNegativ);
    return in;
}

bool ReactorForm::ursacheBenennen(const ReactorInput& in, ReaktorFenster w, std::initializer_list<int> gegeben) {
    const bool kessel = w == ReaktorFenster::Kessel;
    const double eigene[] = {in.U, kessel ? in.V : in.t, kessel ? in.VPunkt : in.l, kessel ? in.t : in.v};
    std::vector<Zahlfeld> felder;
    std::vector<double> werte;
    for (int i : {0, 1, 2, 3, 4, 10, 11, 12}) {
        if (!Inp[static_cast<std::size_t>(i)]->isVisibleTo(this)) continue;
        felder.push_back(reaktorFeld(w, i, in.model, in.fieldB));
        werte.push_back(i <= 4 ? in.c0[static_cast<std::size_t>(i + 1)] : in.k[static_cast<std::size_t>(i - 9)]);
    }
    for (int i : gegeben) {
        felder.push_back(reaktorFeld(w, i, in.model, in.fieldB));
        werte.push_back(eigene[i - 13]);
    }
    return nenneUeberlaufUrsache(felder, werte);
}

void ReactorForm::feedAndConstantsInForce(const ReactorInput& in) {
    // The feed and the constants in force from here on: the other windows
    // show them before this one computes.
    Aenderung aenderung;
    app.c0 = in.c0;
    app.k = in.k;
    eingabenUebernommen();
}

FieldValues ReactorForm::fieldValues() const {
    FieldValues v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = Inp[i]->programmWert();
    return v;
}

void ReactorForm::showValue(NumberField* f, double v) { f->setText(toQ(StrAlsSingle(v))); }

void ReactorForm::showOutlet() {
    for (int i = 1; i <= 5; ++i) showValue(Inp[static_cast<std::size_t>(i + 4)], app.cAkt[static_cast<std::size_t>(i)]);
}

void ReactorForm::clearResults(std::initializer_list<int> computed) {
    for (int i = 5; i <= 9; ++i) Inp[static_cast<std::size_t>(i)]->clear();
    for (int i : computed) Inp[static_cast<std::size_t>(i)]->clear();
}

void ReactorForm::startCalculation() {
    app.iProtZeileQuelle = 0;
    if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) p->refreshRowButton();
}

void ReactorForm::modelReconfigured() {
    for (std::size_t i = 13; i <= 16; ++i)
        if (Inp[i]->isComputed() && !(i == 14 && calcType() != RKconti)) Inp[i]->setText(" 0");
    showNoResult();
}

void ReactorForm::zustandGeaendert(const Meldung& m) {
    constexpr unsigned kErgebnisTeile =
        kTeilModell | kTeilOrdnung | kTeilKonstanten | kTeilStartkonz | kTeilZeiteinheit;
    if (!(m.teile & kErgebnisTeile) || app.iProtZeileQuelle != calcType()) return;
    app.iProtZeileQuelle = 0;
    // Shown as after a model choice: no outlet, no computed quantity.
    for (int i = 5; i <= 9; ++i) Inp[static_cast<std::size_t>(i)]->setText(" 0");
    modelReconfigured();
    cmdShowKsi->setEnabled(false);
    fraKsi->setVisible(false);
    cmdProtocol->setEnabled(false);
    bErsteRechnung = true;
    if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) p->refreshRowButton();
}

void ReactorForm::finishResult() {
    calcKsi(app.iModell, app.c0, app.cAkt, app.ksi[1], app.ksi[2]);
    cmdShowKsi->setEnabled(true);
    // An open extent panel shows the extents of this result.
    if (!fraKsi->isHidden()) cmdShowKsi_Click();
    app.ProtZeile = protocolRow(calcType(), app.iModell, fieldValues(), app.ksi[1], app.ksi[2]);
    app.iProtZeileQuelle = static_cast<Integer>(calcType());
    if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) p->refreshRowButton();
}

void ReactorForm::enableProtocolAfterFirst() {
    if (bErsteRechnung) cmdProtocol->setEnabled(true);
    bErsteRechnung = false;
}

void ReactorForm::showOrderInModelLine() {
    if (app.iModell == 20)
        Label7->setText("kinet. Modell:  " + toQ(app.ModellName[20]) + " (n = " + toQ(Format(app.nOrdnung, "0.00")) +
                        ")");
}

void ReactorForm::cmdShowKsi_Click() {
    fraKsi->show();
    lblTextKsi_1->setText("ksi(1)/(kmol/m^3) =" + toQ(StrAlsSingle(app.ksi[1])));
    lblTextKsi_2->setVisible(!app.bEinfacheReaktion);
    if (!app.bEinfacheReaktion)
        lblTextKsi_2->setText("ksi(2)/(kmol/m^3) =" + toQ(StrAlsSingle(app.ksi[2])));
}

void ReactorForm::cmdCloseKsi_Click() { fraKsi->hide(); }

void ReactorForm::cmdProtocol_Click() {
    cmdProtocol->setEnabled(false);
    Forms::get<frmProtokoll>().Show();
}

void ReactorForm::cmdEsc_Click() { Unload(); }

void ReactorForm::Form_Unload(bool&) { Forms::unload<frmProtokoll>(); }

void ReactorForm::Inp_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == 3 || KeyAscii == 22) return;
    if (KeyAscii < 0 || KeyAscii > 32767) {
        KeyAscii = 0;
        return;
    }
    Integer k = static_cast<Integer>(KeyAscii);
    if (!NumKeyFilter(k)) {
        KeyAscii = 0;
        return;
    }
    if (k != 13) {
        acceptedKey();
        return;
    }
    KeyAscii = 0;
    if (enter_ != EnterRule::NextField) return;
    const int next = Index >= lastField_ ? 1 : Index + 1;
    NumberField* f = Inp[static_cast<std::size_t>(next)];
    if (f->isVisibleTo(this) && f->isEnabled()) f->setFocus(Qt::TabFocusReason);
}

}  // namespace vrn
