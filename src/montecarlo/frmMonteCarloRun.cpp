// The run of the Monte Carlo window: Start, Stop, Go and the timer that makes
// the draws. A tick makes one draw and then waits for the pause that is due;
// while none is due it goes on drawing for at most about 10 ms. Stop is looked
// at before every draw; there is no nested event loop.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "montecarlo/MCTeilchenfeld.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/ChartControl.h"
#include "shell/AppState.h"

namespace vrn {

double frmMonteCarlo::pauseScale = 1.0;

namespace {
constexpr qint64 kTickArbeitMs = 10;   // work per tick while no pause is due
constexpr double kBlitzSekunden = 0.001;  // the flash lasts at least this long
}  // namespace

// Start: every particle back to A, both curves, the start point, then the run
// of the mode. A mode other than 1 and 2 starts nothing.
void frmMonteCarlo::cmdStart_Click() {
    if (laeuft_) return;
    bContinue = false;
    bStop = false;
    cmdStop->setEnabled(true);
    cmdContinue->setEnabled(false);
    setMCLaeuft();
    bFlash = chkFlashOn->isChecked();
    if (!lauf_.start(modus_, *rng_)) {
        cmdStop->setEnabled(false);
        setMCRuht();
        return;
    }
    drawMCTeilchenfeld();
    calcUndPlotMCKurve(1);
    calcUndPlotMCKurve(2);
    const Single n0 = static_cast<Single>(lauf_.N0());
    addMCPunkt({0, n0}, {0, 0}, 1);
    laufStarten();
}

// Stop: the run ends before its next draw (a pause that is going ends at once).
void frmMonteCarlo::cmdStop_Click() {
    bStop = true;
    cmdStop->setEnabled(false);
    cmdContinue->setEnabled(true);
    if (laeuft_) timer_->start(0);
}

// Go: continues a stopped run with its particles, draw count and point
// number. With no A particle left nothing happens.
void frmMonteCarlo::cmdContinue_Click() {
    if (laeuft_ || lauf_.nA() < 1) return;
    if (!lauf_.fortsetzen(*rng_)) return;
    bContinue = true;
    bStop = false;
    cmdContinue->setEnabled(false);
    cmdStop->setEnabled(true);
    setMCLaeuft();
    laufStarten();
}

void frmMonteCarlo::laufStarten() {
    laeuft_ = true;
    timer_->start(0);
}

double frmMonteCarlo::pauseSekunden() const {
    const Single warten = app.MCSpeed + lauf_.brett().pause;
    return warten > 0 ? static_cast<double>(warten) : 0.0;
}

void frmMonteCarlo::tick() {
    if (!laeuft_) return;
    Teilchenfeld->blitzAus();
    QElapsedTimer arbeit;
    arbeit.start();
    Chart2D2->beginUpdate();
    while (laeuft_) {
        if (bStop) {
            laufEnde();
            break;
        }
        const MCZug z = lauf_.zug(*rng_);
        bool blitz = false;
        if (z.umgewandelt) {
            Teilchenfeld->zeichneTeilchen(z.teilchen, z.istA ? app.Farbe1 : app.Farbe2);
            if (bFlash) {
                Teilchenfeld->blitz(z.teilchen);
                blitz = true;
            }
        }
        if (z.punkt) {
            const Single n0 = static_cast<Single>(lauf_.N0()), t = static_cast<Single>(lauf_.nZuege());
            const Single nA = static_cast<Single>(lauf_.nA());
            addMCPunkt({t, nA}, {t, n0 - nA}, lauf_.iPunkt());
        }
        if (z.ende) {
            laufEnde();
            break;
        }
        double warten = z.pause ? pauseSekunden() : 0.0;
        if (blitz) warten = std::max(warten, kBlitzSekunden);
        if (warten > 0) {
            const double ms = std::ceil(warten * 1000.0 * pauseScale);
            timer_->start(static_cast<int>(std::clamp(ms, 0.0, 3600000.0)));
            break;
        }
        if (arbeit.elapsed() >= kTickArbeitMs) {
            timer_->start(0);
            break;
        }
    }
    Chart2D2->endUpdate();
    Teilchenfeld->zeigen();
}

// End of a run, by Stop or by itself: back to the idle state. After Stop,
// Go stays available; after the natural end both Stop and Go are off.
void frmMonteCarlo::laufEnde() {
    laeuft_ = false;
    timer_->stop();
    cmdStop->setEnabled(false);
    bStop = false;
    Teilchenfeld->blitzAus();
    setMCRuht();
}

}  // namespace vrn
