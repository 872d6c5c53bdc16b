#include "chart/DesignAxisTabs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "chart/DesignRules.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

constexpr std::array<ChartAxis, 2> kAchsen{ChartAxis::X, ChartAxis::Y};
constexpr std::array<ChartSpacing, 3> kAbstaende{ChartSpacing::Grid, ChartSpacing::Tick, ChartSpacing::Number};

// A frame of origin options: three stacked, the fourth beside its value box.
QGroupBox* ursprungRahmen(const QString& titel, const std::array<const char*, 4>& texte,
                          std::array<QRadioButton*, 4>& opt, NumberField*& feld, const QString& feldName,
                          QWidget* parent) {
    auto* box = new QGroupBox(titel, parent);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(2);
    auto* gruppe = new QButtonGroup(box);
    for (int i = 0; i < 4; ++i) {
        opt[u(i)] = new QRadioButton(QString::fromUtf8(texte[u(i)]), box);
        gruppe->addButton(opt[u(i)], i);
        g->addWidget(opt[u(i)], i, 0);
    }
    feld = new NumberField(box);
    feld->setObjectName(feldName);
    feld->setFixedWidth(80);
    g->addWidget(feld, 3, 1);
    return box;
}

}  // namespace

AxisTabs::AxisTabs(ChartControl& chart, QWidget* parent) : QObject(parent), chart_(chart) {
    // "Skalierung"
    seiteSkalierung = new QWidget(parent);
    {
        auto* l = new QVBoxLayout(seiteSkalierung);
        auto modus = optionen<2>(QString(), {"automat.", "manuell"}, seiteSkalierung, true);
        optScaling = modus.opt;
        l->addWidget(modus.rahmen);
        auto* g = new QGridLayout();
        g->setHorizontalSpacing(12);
        g->addWidget(beschriftung("X-Achse", seiteSkalierung), 0, 1, Qt::AlignHCenter);
        g->addWidget(beschriftung("Y-Achse", seiteSkalierung), 0, 2, Qt::AlignHCenter);
        const char* zeilen[3] = {"Gitter-Abstand", "Tick-Abstand", "Ziffern-Abstand"};
        NumberField** felder[3][2] = {{&txtXGridValue, &txtYGridValue},
                                      {&txtXTickValue, &txtYTickValue},
                                      {&txtXZiffValue, &txtYZiffValue}};
        const char* namen[3][2] = {{"txtXGridValue", "txtYGridValue"},
                                   {"txtXTickValue", "txtYTickValue"},
                                   {"txtXZiffValue", "txtYZiffValue"}};
        for (int r = 0; r < 3; ++r) {
            g->addWidget(beschriftung(zeilen[r], seiteSkalierung), r + 1, 0);
            for (int c = 0; c < 2; ++c) {
                auto* f = new NumberField(seiteSkalierung);
                f->setObjectName(namen[r][c]);
                // The box as the spacing reading names it (leseAbstand).
                f->setZahlfeld(abstandFeld(c == 0 ? "X-Achse" : "Y-Achse", zeilen[r]));
                f->setFixedWidth(90);
                f->setEnabled(false);
                *felder[r][c] = f;
                g->addWidget(f, r + 1, c + 1);
                const ChartAxis a = kAchsen[u(c)];
                const ChartSpacing k = kAbstaende[u(r)];
                connect(f, &QLineEdit::textChanged, this, [this, a, k] { abstand_Change(a, k); });
                connect(f, &QLineEdit::editingFinished, this, [this, a, k] { abstandVerlassen(a, k); });
                connect(f, &NumberField::fokusErhalten, this,
                        [this, a, k, c] { abstandBeimFokus_[u(c)][static_cast<std::size_t>(k)] = chart_.spacing(a, k); });
            }
        }
        g->setColumnStretch(3, 1);
        l->addLayout(g);
        l->addStretch(1);
        for (int i = 0; i < 2; ++i)
            connect(optScaling[u(i)], &QRadioButton::clicked, this, [this, i] { optScaling_Click(i); });
    }

    // "Achs.-Ursprung"
    seiteUrsprung = new QWidget(parent);
    {
        auto* l = new QVBoxLayout(seiteUrsprung);
        auto modus = optionen<2>(QString(), {"autom. in den Achsen-Minima", "manuell"}, seiteUrsprung, true);
        optStandardOrigin = modus.opt;
        l->addWidget(modus.rahmen);
        fraOrigin = new QGroupBox(seiteUrsprung);
        fraOrigin->setStyleSheet("QGroupBox#fraOrigin { border: none; margin-top: 0px; }");
        fraOrigin->setObjectName("fraOrigin");
        auto* h = new QHBoxLayout(fraOrigin);
        h->setContentsMargins(0, 0, 0, 0);
        fraYOrigin = ursprungRahmen("X-Achse", {"im Y-Minimum", "bei Y = 0", "im Y-Maximum", "bei Y ="}, optYOrigin,
                                    txtYOrigin, "txtYOrigin", fraOrigin);
        fraXOrigin = ursprungRahmen("Y-Achse", {"im X-Minimum", "bei X = 0", "im X-Maximum", "bei X ="}, optXOrigin,
                                    txtXOrigin, "txtXOrigin", fraOrigin);
        h->addWidget(fraYOrigin);
        h->addWidget(fraXOrigin);
        fraOrigin->hide();
        l->addWidget(fraOrigin);
        l->addWidget(beschriftung("ACHTUNG: Zoom stellt zurück in Standardeinstellung", seiteUrsprung));
        l->addStretch(1);
        for (int i = 0; i < 2; ++i)
            connect(optStandardOrigin[u(i)], &QRadioButton::clicked, this, [this, i] { optStandardOrigin_Click(i); });
        for (int i = 0; i < 4; ++i) {
            connect(optXOrigin[u(i)], &QRadioButton::clicked, this, [this, i] { optXOrigin_Click(i); });
            connect(optYOrigin[u(i)], &QRadioButton::clicked, this, [this, i] { optYOrigin_Click(i); });
        }
        connect(txtXOrigin, &QLineEdit::textChanged, this, [this] { ursprungWert(ChartAxis::X); });
        connect(txtYOrigin, &QLineEdit::textChanged, this, [this] { ursprungWert(ChartAxis::Y); });
        connect(txtXOrigin, &QLineEdit::editingFinished, this, [this] { ursprungVerlassen(ChartAxis::X); });
        connect(txtYOrigin, &QLineEdit::editingFinished, this, [this] { ursprungVerlassen(ChartAxis::Y); });
        connect(txtXOrigin, &NumberField::fokusErhalten, this,
                [this] { ursprungBeimFokus_[0] = chart_.model().axis(ChartAxis::X).origin; });
        connect(txtYOrigin, &NumberField::fokusErhalten, this,
                [this] { ursprungBeimFokus_[1] = chart_.model().axis(ChartAxis::Y).origin; });
    }

    // "Achs.-Ziffern"
    seiteZiffern = new QWidget(parent);
    {
        auto* l = new QVBoxLayout(seiteZiffern);
        l->addWidget(beschriftung("Position der Achsenbezifferung", seiteZiffern));
        auto x = optionen<3>("X-Achse", {"im Minimum", "an Achse", "im Maximum"}, seiteZiffern);
        auto y = optionen<3>("Y-Achse", {"im Minimum", "an Achse", "im Maximum"}, seiteZiffern);
        optXZiffern = x.opt;
        optYZiffern = y.opt;
        auto* h = new QHBoxLayout();
        h->addWidget(x.rahmen);
        h->addWidget(y.rahmen);
        h->addStretch(1);
        l->addLayout(h);
        l->addStretch(1);
        for (int i = 0; i < 3; ++i) {
            connect(optXZiffern[u(i)], &QRadioButton::clicked, this, [this, i] { optXZiffern_Click(i); });
            connect(optYZiffern[u(i)], &QRadioButton::clicked, this, [this, i] { optYZiffern_Click(i); });
        }
    }

    // "log <=> lin"
    seiteLog = new QWidget(parent);
    {
        auto* l = new QVBoxLayout(seiteLog);
        cmdXLog = new QPushButton("  X-Achse", seiteLog);
        cmdXLog->setObjectName("cmdXLog");
        cmdYLog = new QPushButton("  Y-Achse", seiteLog);
        cmdYLog->setObjectName("cmdYLog");
        for (QPushButton* b : {cmdXLog, cmdYLog}) {
            b->setAutoDefault(false);
            b->setFixedWidth(120);
            l->addWidget(b);
        }
        l->addStretch(1);
        connect(cmdXLog, &QPushButton::clicked, this, [this] { cmdXLog_Click(); });
        connect(cmdYLog, &QPushButton::clicked, this, [this] { cmdYLog_Click(); });
    }
}

NumberField* AxisTabs::box(ChartAxis a, ChartSpacing kind) const {
    const bool x = a == ChartAxis::X;
    switch (kind) {
        case ChartSpacing::Grid: return x ? txtXGridValue : txtYGridValue;
        case ChartSpacing::Tick: return x ? txtXTickValue : txtYTickValue;
        case ChartSpacing::Number: return x ? txtXZiffValue : txtYZiffValue;
    }
    return nullptr;
}

void AxisTabs::optScaling_Click(int index) {
    if (index != 0 && index != 1) return;
    chart_.beginUpdate();
    const bool manuell = index == 1;
    for (ChartAxis a : kAchsen)
        for (ChartSpacing k : kAbstaende) box(a, k)->setEnabled(manuell);
    if (manuell) {
        for (ChartSpacing k : {ChartSpacing::Grid, ChartSpacing::Tick})
            for (ChartAxis a : kAchsen) chart_.setSpacingAutomatic(a, k, false);
        for (ChartAxis a : kAchsen) abstand_Change(a, ChartSpacing::Grid);
    } else {
        for (ChartSpacing k : kAbstaende)
            for (ChartAxis a : kAchsen) chart_.setSpacingAutomatic(a, k, true);
        for (ChartSpacing k : kAbstaende)
            for (ChartAxis a : kAchsen) box(a, k)->setText(toQ(Str(chart_.spacing(a, k))));
    }
    chart_.endUpdate();
}

AbstandsEingabe AxisTabs::abstandLesen(ChartAxis a, ChartSpacing kind) const {
    static const char* const arten[3] = {"Gitter-Abstand", "Tick-Abstand", "Ziffern-Abstand"};
    const ChartAxisData& d = chart_.model().axis(a);
    return leseAbstand(toStd(box(a, kind)->text()), chartDrawnRange(d), d.logarithmic,
                       a == ChartAxis::X ? "X-Achse" : "Y-Achse", arten[static_cast<std::size_t>(kind)]);
}

void AxisTabs::abstandVerlassen(ChartAxis a, ChartSpacing kind) {
    NumberField* f = box(a, kind);
    if (!f->isEnabled()) return;
    const AbstandsEingabe e = abstandLesen(a, kind);
    if (e.wert) return;
    // A spacing the box refuses is named; the box shows the spacing drawn
    // with before this text again (none of the numbers typed on the way counts).
    MsgBox(e.zeile, MsgButtons::OK, MsgIcon::Critical, kEingabeFehler);
    f->setText(toQ(Str(abstandBeimFokus_[a == ChartAxis::X ? 0 : 1][static_cast<std::size_t>(kind)])));
}

void AxisTabs::abstand_Change(ChartAxis a, ChartSpacing kind) {
    NumberField* f = box(a, kind);
    const AbstandsEingabe e = abstandLesen(a, kind);
    if (toQ(e.text) != f->text()) {
        const QSignalBlocker still(f);
        const int pos = f->cursorPosition();
        f->setText(toQ(e.text));
        f->setCursorPosition(pos);
    }
    if (e.wert) {
        // A value typed while the boxes are open is the one drawn with.
        if (f->isEnabled()) chart_.setSpacingAutomatic(a, kind, false);
        chart_.setSpacing(a, kind, *e.wert);
    }
    if (kind == ChartSpacing::Tick) abstand_Change(a, ChartSpacing::Number);
}

void AxisTabs::optStandardOrigin_Click(int index) {
    if (index == 1) {
        fraOrigin->show();
        setzeStill(optXOrigin[0], true);
        setzeStill(optYOrigin[0], true);
        optXOrigin_Click(0);
        optYOrigin_Click(0);
    } else if (index == 0) {
        fraOrigin->hide();
        chart_.beginUpdate();
        chart_.setOriginPlacement(ChartAxis::X, kOriginAtMinimum);
        chart_.setOriginPlacement(ChartAxis::Y, kOriginAtMinimum);
        chart_.endUpdate();
        txtXOrigin->setText(toQ(Str(app.tDiagramm.XMin)));
        txtYOrigin->setText(toQ(Str(app.tDiagramm.YMin)));
    }
}

void AxisTabs::ursprung(ChartAxis a, int index) {
    const std::optional<int> code = codeFuer(kUrsprungCodes, index);
    if (!code) return;
    chart_.beginUpdate();
    if (*code == kOriginAtValue) ursprungWert(a);
    chart_.setOriginPlacement(a, *code);
    chart_.endUpdate();
}

void AxisTabs::ursprungWert(ChartAxis a) {
    // The typed crossing value counts only while "bei X =" / "bei Y =" is chosen;
    // a text that is no finite number keeps the previous value.
    const bool x = a == ChartAxis::X;
    if (!(x ? optXOrigin : optYOrigin)[3]->isChecked()) return;
    const Zahllesung l = (x ? txtXOrigin : txtYOrigin)->lies(ursprungFeld(x));
    if (l.ok()) chart_.setOrigin(a, l.wert);
}

void AxisTabs::ursprungVerlassen(ChartAxis a) {
    const bool x = a == ChartAxis::X;
    NumberField* f = x ? txtXOrigin : txtYOrigin;
    if (!(x ? optXOrigin : optYOrigin)[3]->isChecked()) return;
    const Zahllesung l = f->lies(ursprungFeld(x));
    if (l.ok()) return;
    // A crossing value the box refuses is named; the box shows the one in
    // force before this text again.
    MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kEingabeFehler);
    f->setText(toQ(Str(ursprungBeimFokus_[x ? 0 : 1])));
}

void AxisTabs::optXOrigin_Click(int index) { ursprung(ChartAxis::X, index); }
void AxisTabs::optYOrigin_Click(int index) { ursprung(ChartAxis::Y, index); }

void AxisTabs::optXZiffern_Click(int index) {
    if (const std::optional<int> code = codeFuer(kZiffernCodes, index)) chart_.setNumberPlacement(ChartAxis::X, *code);
}

void AxisTabs::optYZiffern_Click(int index) {
    if (const std::optional<int> code = codeFuer(kZiffernCodes, index)) chart_.setNumberPlacement(ChartAxis::Y, *code);
}

bool AxisTabs::logUmschalten(ChartAxis a) {
    const bool neu = !chart_.axisLogarithmic(a);
    if (neu && !logarithmischMoeglich(chart_.axisMin(a), chart_.axisMax(a))) {
        MsgBox(koordMeldung(KoordFehler::LogMinimum), MsgButtons::OK, MsgIcon::Critical, kEingabeFehler);
        return false;
    }
    return chart_.setAxisLogarithmic(a, neu);
}

void AxisTabs::cmdXLog_Click() {
    if (!logUmschalten(ChartAxis::X)) return;
    optScaling_Click(1);
    optScaling_Click(0);
}

void AxisTabs::cmdYLog_Click() {
    chart_.beginUpdate();
    if (logUmschalten(ChartAxis::Y)) {
        chart_.setAxisLogarithmic(ChartAxis::Y2, chart_.axisLogarithmic(ChartAxis::Y));
        optScaling_Click(0);
    }
    chart_.endUpdate();
}

}  // namespace vrn
