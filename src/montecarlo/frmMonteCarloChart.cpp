// The chart of the Monte Carlo window: the calculated curves N(A) and N(P) as
// black lines (series 1, 2), the simulated counts as points (series 3 in the
// colour of A, 4 in the colour of P), both in per cent of t(max) and N0, on
// fixed 0..100 axes with a grid every 10.
#include <QLabel>
#include <QPushButton>

#include "montecarlo/frmMonteCarlo.h"
#include "platform/ChartControl.h"
#include "platform/Twips.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr int kSerien = 5;
const ChartFont kSchrift9{"Arial", 9, false, false, false, false};
const ChartFont kSchrift10{"Arial", 10, false, false, false, false};

ChartSeriesStyle linienStil() { return ChartSeriesStyle{2, RGB(0, 0, 0), 1, 1, RGB(0, 0, 0), 1}; }

ChartSeriesStyle punktStil(Colour farbe) {
    const int groesse = app.PunktGroesse >= 1 ? app.PunktGroesse : 7;
    return ChartSeriesStyle{1, farbe, 1, app.bSolidPoints ? 2 : 10, farbe, groesse};
}

}  // namespace

// The chart's set-up at load: five series (the curves of the first Refresh
// are cleared), the two legend lines at the top, axes, grid and titles.
void frmMonteCarlo::chartEinrichten() {
    ChartControl& c = *Chart2D2;
    c.beginUpdate();
    c.setSeriesCount(1, kSerien);
    c.setSymbolSize(1, 5, 1);
    for (int s = 1; s <= 4; ++s) {
        c.setPointCount(1, s, 0);
        c.setDisplayState(1, s + 1, kSeriesHidden);
        c.setSymbolShape(1, s, 1);
        c.setSymbolSize(1, s, 1);
    }
    c.setText(ChartTextBlock::Header, mcFormelText(modus_));
    c.setTextColour(ChartTextBlock::Header, RGB(0, 0, 0));
    c.setTextFont(ChartTextBlock::Header, kSchrift9);
    c.setText(ChartTextBlock::Footer, " o :   simuliert");
    c.setTextColour(ChartTextBlock::Footer, app.Farbe1);
    c.setTextFont(ChartTextBlock::Footer, kSchrift9);
    setzeChartTexte();

    c.setAxisShown(ChartAxis::Y2, false);
    c.setPlotBackColour(RGB(255, 255, 255));
    for (ChartAxis a : {ChartAxis::X, ChartAxis::Y}) {
        c.setAxisShown(a, true);
        c.setGridPattern(a, 2);
        c.setGridColour(a, RGB(143, 143, 143));
        c.setAxisRange(a, 0, 100);
        c.setSpacingAutomatic(a, ChartSpacing::Grid, false);
        c.setSpacing(a, ChartSpacing::Grid, 10);
        c.setAxisTitleFont(a, kSchrift10);
        c.setAxisNumberFont(a, kSchrift10);
    }
    c.setAxisTitle(ChartAxis::X, tDiagramm.XTitel);
    c.setAxisTitle(ChartAxis::Y, tDiagramm.YTitel);
    // Room above the plot area for the two legend lines.
    c.setPlotMargin(ChartSide::Top, 54);
    c.endUpdate();
    setMCAchsen();
}

// Header and footer stand together above the plot area, one tenth of the
// window's width from the left; the formula is centred where it would not
// fit, and the footer keeps clear of the clipboard button.
void frmMonteCarlo::setzeChartTexte() {
    ChartControl& c = *Chart2D2;
    const int links = width() / 10;
    const int breite = c.textWidth(ChartTextBlock::Header);
    const int kopfLinks = links + breite <= c.width() - 4 ? links : std::max(4, (c.width() - breite) / 2);
    const int vorn = cmdClipboard ? cmdClipboard->width() + 12 : 0;
    c.beginUpdate();
    c.setTextLeft(ChartTextBlock::Header, kopfLinks);
    c.setTextTop(ChartTextBlock::Header, 6);
    c.setTextLeft(ChartTextBlock::Footer, std::max(links, vorn));
    c.setTextTop(ChartTextBlock::Footer, 28);
    c.endUpdate();
}

void frmMonteCarlo::calcUndPlotMCKurve(int species) {
    plotMCKurve(species, calcMCKurve(species, modus_, lauf_.N0(), lauf_.K(), lauf_.brett().nMaxZuege));
}

// Shows the curve in per cent as series 1 (A) or 2 (P) with its label on the
// third point. A value the chart refuses is left out.
void frmMonteCarlo::plotMCKurve(int species, std::vector<XYPunkt> kurve) {
    if (species != 1 && species != 2) return;
    mcInProzent(kurve, skalen_);
    ChartControl& c = *Chart2D2;
    c.beginUpdate();
    c.setStyle(1, species, linienStil());
    c.setDisplayState(1, species, kSeriesShown);
    std::vector<double> x, y;
    for (std::size_t i = 1; i < kurve.size(); ++i) {
        x.push_back(kurve[i].x);
        y.push_back(kurve[i].y);
    }
    c.setPoints(1, species, x, y);
    c.attachLabel(species, 1, species, 3);
    c.setLabelOffset(species, 4);
    c.setLabelFont(species, kSchrift9);
    c.setLabelBorder(species, 0);
    c.setLabelBackColour(species, kChartTransparent);
    c.setLabelShown(species, true);
    c.setLabelText(species, species == 1 ? "N(A)" : "N(P) = N0 - N(A)");
    c.endUpdate();
}

// Appends point `number` of the run; a number 1 discards the previous run's
// points. The point style follows the options at every point.
void frmMonteCarlo::addMCPunkt(std::array<Single, 2> pA, std::array<Single, 2> pP, Long number) {
    const Single xA = pA[0] / skalen_.xProzent, yA = pA[1] / skalen_.yProzent;
    const Single xP = pP[0] / skalen_.xProzent, yP = pP[1] / skalen_.yProzent;
    ChartControl& c = *Chart2D2;
    c.beginUpdate();
    c.setStyle(1, 3, punktStil(app.Farbe1));
    c.setStyle(1, 4, punktStil(app.Farbe2));
    c.setDisplayState(1, 3, kSeriesShown);
    if (c.setPointCount(1, 3, number)) c.setPoint(1, 3, number, xA, yA);
    c.setDisplayState(1, 4, kSeriesShown);
    if (c.setPointCount(1, 4, number)) c.setPoint(1, 4, number, xP, yP);
    c.endUpdate();
}

void frmMonteCarlo::setMCAchsen() {
    ChartControl& c = *Chart2D2;
    c.beginUpdate();
    c.setSymbolShape(1, 1, 1);
    c.setAxisRange(ChartAxis::X, tDiagramm.XMin, tDiagramm.XMax);
    c.setAxisRange(ChartAxis::Y, tDiagramm.YMin, tDiagramm.YMax);
    c.setAxisDataMin(ChartAxis::X, tDiagramm.XMin);
    c.setAxisDataMax(ChartAxis::X, tDiagramm.XMax);
    c.setAxisDataMin(ChartAxis::Y, tDiagramm.YMin);
    c.setAxisDataMax(ChartAxis::Y, tDiagramm.YMax);
    c.endUpdate();
}

void frmMonteCarlo::applyPointStyle(int size, int shapeCode) {
    for (int s : {3, 4}) {
        Chart2D2->setSymbolSize(1, s, size);
        Chart2D2->setSymbolShape(1, s, shapeCode);
    }
}

}  // namespace vrn
