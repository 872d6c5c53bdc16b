// The Monte Carlo window: first-order decay A => P or the dynamic equilibrium
// A <=> P played as a game of chance on a board of particles, beside a chart
// of the calculated curves and the simulated counts. The mode (MCModus) is
// fixed for the window's lifetime; the menu unloads and reloads the window.
//
// A run is driven by a timer: each tick makes one draw, or several while no
// pause is due (at most about 10 ms of work), and looks at the Stop flag
// before every draw. Closing the window stops the timer, so that no draw
// ever runs on a window that is going.
#pragma once

#include <array>
#include <memory>

#include "base/Types.h"
#include "montecarlo/MonteCarloCurves.h"
#include "montecarlo/MonteCarloRun.h"
#include "platform/Forms.h"
#include "shell/frmOption.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vrn {

class ChartControl;
class MCTeilchenfeld;

class frmMonteCarlo : public VrnForm, public MonteCarloOptionsTarget {
    Q_OBJECT
public:
    frmMonteCarlo();
    ~frmMonteCarlo() override;

    // ---- handlers -----------------------------------------------------------
    void optN0_Click(int Index);
    void optGK_Click(int Index);
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdContinue_Click();
    void cmdRefresh_Click();
    void cmdHelp_Click();
    void cmdClipboard_Click();
    void chkFlashOn_Click();

    // ---- options window ---------------------------------------------------------
    void applyPointStyle(int size, int shapeCode) override;
    // Presses cmdRefresh; ignored while a run is going.
    void pressRefresh() override;

    // ---- chart (frmMonteCarloChart.cpp) ---------------------------------------
    // Computes the calculated curve of species 1 (A) or 2 (P) and shows it.
    void calcUndPlotMCKurve(int species);
    // Shows a curve (count in element 0) in per cent as the series of the species.
    void plotMCKurve(int species, std::vector<XYPunkt> kurve);
    // Appends simulated point number to series 3 (A) and 4 (P); pairs are (draws, N).
    void addMCPunkt(std::array<Single, 2> pA, std::array<Single, 2> pP, Long number);
    void setMCAchsen();

    // ---- board --------------------------------------------------------------------
    // Draws the whole board from the particle states.
    void drawMCTeilchenfeld();

    // ---- state --------------------------------------------------------------------
    bool laeuft() const { return laeuft_; }
    const MCLauf& lauf() const { return lauf_; }
    const MCSkalen& skalen() const { return skalen_; }
    int modus() const { return modus_; }
    // The source of the draws (the clock-seeded generator unless replaced).
    void setRandomSource(std::unique_ptr<RandomSource> source);
    // Pauses are multiplied by this factor (1 in the program; tests shorten them).
    static double pauseScale;

    // ---- controls -------------------------------------------------------------------
    QLabel* Label3 = nullptr;
    QWidget* fraHeadline = nullptr;
    QLabel* lblA = nullptr;
    QLabel* PfeilHin = nullptr;
    QLabel* PfeilRueck = nullptr;
    QLabel* lblP = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 6> optN0{};
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 3> optGK{};
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdClipboard = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkFlashOn = nullptr;
    QLabel* lblBildText = nullptr;
    ChartControl* Chart2D2 = nullptr;
    MCTeilchenfeld* Teilchenfeld = nullptr;

    bool bStop = false;
    bool bContinue = false;
    bool bFlash = true;
    bool bGross = false;

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    void chartEinrichten();
    void setzeChartTexte();
    void setMCLaeuft();
    void setMCRuht();
    void markiereWahl(int gewaehlt, QRadioButton* const* optionen, int anzahl);
    // The run (frmMonteCarloRun.cpp).
    void laufStarten();
    void tick();
    void laufEnde();
    double pauseSekunden() const;

    int modus_ = 0;
    int brettIndex_ = 2;
    MCLauf lauf_;
    MCSkalen skalen_;
    Diagramm tDiagramm;
    std::unique_ptr<RandomSource> rng_;
    QTimer* timer_ = nullptr;
    bool laeuft_ = false;
};

}  // namespace vrn
