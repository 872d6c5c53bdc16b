#include "platform/ChartControl.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QRubberBand>
#include <QTimer>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/ChartAxisDecor.h"
#include "platform/ChartFrames.h"
#include "platform/ChartLabelLayer.h"
#include "platform/ChartLegend.h"
#include "platform/ChartOutput.h"
#include "platform/ChartScale.h"
#include "platform/ChartSeriesPlot.h"
#include "platform/ChartStyle.h"
#include "platform/ChartTextBlockPainter.h"
#include "platform/ChartTicker.h"
#include "platform/Paths.h"

namespace vrn {

namespace {

constexpr int kTickRoom = 8;  // between the plot area's edge and the numbers (room for the tick marks)

// An axis of QCustomPlot that only carries numbers and a title.
void neutralAxis(QCPAxis* ax) {
    ax->setBasePen(Qt::NoPen);
    ax->setTickPen(Qt::NoPen);
    ax->setSubTickPen(Qt::NoPen);
    ax->setTickLength(0, 0);
    ax->setSubTickLength(0, 0);
    ax->grid()->setVisible(false);
    ax->grid()->setSubGridVisible(false);
    ax->grid()->setZeroLinePen(Qt::NoPen);
    ax->setTickLabelPadding(kTickRoom);
}

// numbers: whether the axis shows numbers; numbers at the axis line are drawn
// elsewhere, the edge axis then keeps room for them with invisible numbers.
void applyAxis(QCPAxis* ax, const ChartAxisData& a, const ChartAreaData& area, bool visible, bool numbers,
               const std::string& title) {
    const bool invisibleNumbers = numbers && a.numberPlacement == kNumbersAtAxis;
    ax->setVisible(visible);
    ax->setScaleType(a.logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    const ChartRange r = chartDrawnRange(a);
    ax->setRange(r.lo, r.hi);
    ax->setTickLabels(numbers);
    ax->setLabel(toQ(title));
    ax->setTickLabelFont(chartFont(a.numberFont));
    ax->setTickLabelColor(invisibleNumbers ? QColor(Qt::transparent) : toQColor(area.textColour));
    ax->setLabelFont(chartFont(a.titleFont));
    ax->setLabelColor(toQColor(a.titleColour >= 0 ? a.titleColour : area.textColour));
    ax->setTickLabelRotation(a.numberOrientation == kTextVertical ? -90 : 0);
}

int sideIndex(ChartSide s) { return static_cast<int>(s); }

}  // namespace

ChartControl::ChartControl(QWidget* parent) : QWidget(parent), m_(defaultChartModel()) {
    plot_ = new QCustomPlot(this);
    plot_->setGeometry(rect());
    plot_->setAutoAddPlottableToLegend(false);
    plot_->legend->setVisible(false);
    plot_->setInteractions(QCP::Interactions());
    plot_->setFocusPolicy(Qt::ClickFocus);
    plot_->setMouseTracking(true);  // moves without a button pressed reach mouseMoved too
    plot_->plotLayout()->setAutoMargins(QCP::msNone);
    plot_->addLayer("backdrop", plot_->layer("background"), QCustomPlot::limBelow);
    plot_->addLayer("points", plot_->layer("main"), QCustomPlot::limAbove);

    ChartAxes axes;
    axes.rect = plot_->axisRect();
    axes.x = plot_->xAxis;
    axes.y = plot_->yAxis;
    y2Axis_ = axes.rect->addAxis(QCPAxis::atRight);
    axes.y2 = y2Axis_;
    for (std::size_t k = 0; k < 3; ++k) tickers_[k] = QSharedPointer<ChartTicker>(new ChartTicker(&m_.axes[k], k == 0));
    for (QCPAxis* ax : {plot_->xAxis, plot_->xAxis2, plot_->yAxis, plot_->yAxis2, y2Axis_}) neutralAxis(ax);
    plot_->xAxis->setTicker(tickers_[0]);
    plot_->xAxis2->setTicker(tickers_[0]);
    plot_->yAxis->setTicker(tickers_[1]);
    plot_->yAxis2->setTicker(tickers_[1]);
    y2Axis_->setTicker(tickers_[2]);

    // Drawing order: chart area, plot area, grid, curves, point sets, axes,
    // labels, legend, header, footer, the control's border.
    new ChartAreaPainter(plot_, &m_, &layout_, "backdrop");
    new ChartGridLayer(plot_, &m_, axes);
    new ChartAxisPainter(plot_, &m_, axes);
    new ChartLabelLayer(plot_, &m_, axes.rect);
    new ChartLegend(plot_, &m_, &layout_);
    new ChartTextBlockPainter(plot_, &m_, &layout_, ChartTextBlock::Header);
    new ChartTextBlockPainter(plot_, &m_, &layout_, ChartTextBlock::Footer);
    new ChartBorderPainter(plot_, &m_, &layout_, "overlay");

    connect(plot_, &QCustomPlot::beforeReplot, this, [this] {
        prepare(plot_->viewport().size());
        dirty_ = false;
    });
    connect(plot_, &QCustomPlot::afterLayout, this, [this] { numbersToAxisLengths(); });
    connect(plot_, &QCustomPlot::afterReplot, this, [this] {
        ++replots_;
        emit replotted();
    });
    queued_ = new QTimer(this);
    queued_->setSingleShot(true);
    queued_->setInterval(0);
    connect(queued_, &QTimer::timeout, this, [this] {
        if (dirty_ && batch_ == 0) replotNow();
    });
    plot_->installEventFilter(this);
    band_ = new QRubberBand(QRubberBand::Rectangle, plot_);
    band_->hide();
    changed();
}

ChartControl::~ChartControl() {
    // The drawn elements read the model: they go while it is still there.
    for (auto& g : plots_) g.clear();
    delete plot_;
}

// ---------------------------------------------------------------- redrawing

void ChartControl::changed() {
    dirty_ = true;
    if (batch_ == 0 && !queued_->isActive()) queued_->start();
}

void ChartControl::dataChanged(int group, int series) {
    plots_[static_cast<std::size_t>(group - 1)][static_cast<std::size_t>(series - 1)]->markData();
    changed();
}

void ChartControl::structureChanged() {
    for (std::size_t g = 0; g < plots_.size(); ++g) {
        auto& plots = plots_[g];
        const std::size_t want = m_.groups[g].series.size();
        if (plots.size() > want) plots.resize(want);
        while (plots.size() < want)
            plots.push_back(std::make_unique<ChartSeriesPlot>(plot_->xAxis, plot_->yAxis, g == 0 ? "main" : "points"));
    }
    changed();
}

void ChartControl::beginUpdate() { ++batch_; }

void ChartControl::endUpdate() {
    if (batch_ > 0) --batch_;
    if (batch_ == 0 && dirty_) replotNow();
}

void ChartControl::replotNow() {
    queued_->stop();
    if (width() < 1 || height() < 1) return;  // nothing to draw into; drawn again when it grows
    if (plot_->geometry() != rect()) plot_->setGeometry(rect());
    if (plot_->viewport() != rect()) plot_->setViewport(rect());
    plot_->replot(QCustomPlot::rpQueuedRefresh);
}

void ChartControl::prepare(QSize size) {
    const bool xLog = m_.axis(ChartAxis::X).logarithmic, yLog = m_.axis(ChartAxis::Y).logarithmic;
    for (std::size_t g = 0; g < plots_.size(); ++g)
        for (std::size_t s = 0; s < plots_[g].size(); ++s) plots_[g][s]->sync(m_.groups[g].series[s], xLog, yLog);

    const ChartAxisData& ax = m_.axis(ChartAxis::X);
    const ChartAxisData& ay = m_.axis(ChartAxis::Y);
    const ChartAxisData& ay2 = m_.axis(ChartAxis::Y2);
    applyAxis(plot_->xAxis, ax, m_.area, ax.shown, ax.numberPlacement != kNumbersAtMaximum, ax.title);
    applyAxis(plot_->xAxis2, ax, m_.area, ax.shown && ax.numberPlacement == kNumbersAtMaximum, true, "");
    applyAxis(plot_->yAxis, ay, m_.area, ay.shown, ay.numberPlacement != kNumbersAtMaximum,
              ay.titleOrientation == kTextVertical ? ay.title : std::string());
    applyAxis(plot_->yAxis2, ay, m_.area, ay.shown && ay.numberPlacement == kNumbersAtMaximum, true, "");
    ChartAxisData y2 = ay2;
    y2.numberPlacement = kNumbersAtMinimum;  // "Y2" stands at the right edge, its numbers beside it
    applyAxis(y2Axis_, y2, m_.area, ay2.shown, true, ay2.title);

    plot_->setBackground(QBrush(toQColor(m_.sheet.backColour)));
    QCPAxisRect* rect = plot_->axisRect();
    rect->setBackground(QBrush(toQColor(m_.plot.backColour)));

    layout_ = computeChartLayout(m_, size);
    const QRect a = layout_.chartArea;
    plot_->plotLayout()->setMargins(QMargins(std::max(0, a.left()), std::max(0, a.top()),
                                             std::max(0, size.width() - a.right() - 1),
                                             std::max(0, size.height() - a.bottom() - 1)));
    QCP::MarginSides autoSides = QCP::msNone;
    const std::array<QCP::MarginSide, 4> sides{QCP::msLeft, QCP::msRight, QCP::msTop, QCP::msBottom};
    for (std::size_t k = 0; k < 4; ++k)
        if (m_.plot.autoMargins[k]) autoSides |= sides[k];
    rect->setAutoMargins(autoSides);
    const auto& mg = m_.plot.margins;
    rect->setMargins(QMargins(mg[0], mg[2], mg[1], mg[3]));
    rect->setMinimumMargins(ChartAxisPainter::minimumMargins(m_));
}

void ChartControl::ensureLaidOut() {
    if (plot_->geometry() != rect()) plot_->setGeometry(rect());
    if (plot_->viewport() != rect()) plot_->setViewport(rect());
    prepare(size());
    QCPLayoutGrid* root = plot_->plotLayout();
    root->setOuterRect(rect());
    root->update(QCPLayoutElement::upPreparation);
    root->update(QCPLayoutElement::upMargins);
    root->update(QCPLayoutElement::upLayout);
    numbersToAxisLengths();
}

QSize ChartControl::outputSize() const {
    if (width() < 50 || height() < 50) return QSize(800, 600);
    return size();
}

// The tickers choose the numbers for the length of their axis, which is known
// only once the plot is laid out: when it differs from the one they chose
// for, the layout runs again with the new length (the numbers may change the
// margins and so the length a little; twice more at most).
void ChartControl::numbersToAxisLengths() {
    if (relayingOut_) return;
    relayingOut_ = true;
    for (int pass = 0; pass < 3; ++pass) {
        const QRect r = plot_->axisRect()->rect();
        const double lengths[3] = {static_cast<double>(r.width()), static_cast<double>(r.height()),
                                   static_cast<double>(r.height())};
        bool changed = false;
        for (std::size_t k = 0; k < tickers_.size(); ++k)
            if (tickers_[k]->length() != lengths[k]) {
                tickers_[k]->setLength(lengths[k]);
                changed = true;
            }
        if (!changed) break;
        for (auto phase : {QCPLayoutElement::upPreparation, QCPLayoutElement::upMargins, QCPLayoutElement::upLayout})
            plot_->plotLayout()->update(phase);
    }
    relayingOut_ = false;
}

std::vector<ChartNumberBox> ChartControl::numberBoxes(ChartAxis a) {
    ensureLaidOut();
    ChartAxes axes;
    axes.rect = plot_->axisRect();
    axes.x = plot_->xAxis;
    axes.y = plot_->yAxis;
    axes.y2 = y2Axis_;
    return chartNumberBoxes(m_, axes, a);
}

void ChartControl::renderTo(QCPPainter* painter, QSize size) {
    prepare(size);
    plot_->toPainter(painter, size.width(), size.height());
    prepare(this->size());
}

// ---------------------------------------------------------------- lookups

ChartGroupData* ChartControl::groupAt(int group) {
    if (group < 1 || group > kChartGroups) return nullptr;
    return &m_.groups[static_cast<std::size_t>(group - 1)];
}

const ChartGroupData* ChartControl::groupAt(int group) const {
    if (group < 1 || group > kChartGroups) return nullptr;
    return &m_.groups[static_cast<std::size_t>(group - 1)];
}

ChartSeriesData* ChartControl::seriesAt(int group, int series) {
    ChartGroupData* g = groupAt(group);
    if (!g || series < 1 || series > static_cast<int>(g->series.size())) return nullptr;
    return &g->series[static_cast<std::size_t>(series - 1)];
}

const ChartSeriesData* ChartControl::seriesAt(int group, int series) const {
    const ChartGroupData* g = groupAt(group);
    if (!g || series < 1 || series > static_cast<int>(g->series.size())) return nullptr;
    return &g->series[static_cast<std::size_t>(series - 1)];
}

ChartLabelData* ChartControl::labelAt(int n) {
    if (n < 1 || n > kChartLabels) return nullptr;
    return &m_.labels[static_cast<std::size_t>(n - 1)];
}

const ChartLabelData* ChartControl::labelAt(int n) const {
    if (n < 1 || n > kChartLabels) return nullptr;
    return &m_.labels[static_cast<std::size_t>(n - 1)];
}

// ---------------------------------------------------------------- series

int ChartControl::seriesCount(int group) const {
    const ChartGroupData* g = groupAt(group);
    return g ? static_cast<int>(g->series.size()) : 0;
}

bool ChartControl::setSeriesCount(int group, int count) {
    ChartGroupData* g = groupAt(group);
    if (!g || count < 0 || count > kChartMaxSeries) return false;
    if (static_cast<int>(g->series.size()) == count) return true;
    g->series.resize(static_cast<std::size_t>(count));
    structureChanged();
    return true;
}

int ChartControl::pointCount(int group, int series) const {
    const ChartSeriesData* s = seriesAt(group, series);
    return s ? static_cast<int>(s->x.size()) : 0;
}

bool ChartControl::setPointCount(int group, int series, int count) {
    ChartSeriesData* s = seriesAt(group, series);
    if (!s || count < 0 || count > kChartMaxPoints) return false;
    if (static_cast<int>(s->x.size()) == count) return true;
    s->x.resize(static_cast<std::size_t>(count), 0.0);
    s->y.resize(static_cast<std::size_t>(count), kChartHole);
    dataChanged(group, series);
    return true;
}

double ChartControl::x(int group, int series, int i) const {
    const ChartSeriesData* s = seriesAt(group, series);
    if (!s || i < 1 || i > static_cast<int>(s->x.size())) return kChartHole;
    return s->x[static_cast<std::size_t>(i - 1)];
}

double ChartControl::y(int group, int series, int i) const {
    const ChartSeriesData* s = seriesAt(group, series);
    if (!s || i < 1 || i > static_cast<int>(s->y.size())) return kChartHole;
    return s->y[static_cast<std::size_t>(i - 1)];
}

bool ChartControl::setPoint(int group, int series, int i, double xv, double yv) {
    ChartSeriesData* s = seriesAt(group, series);
    if (!s || i < 1 || i > static_cast<int>(s->x.size())) return false;
    if (!std::isfinite(xv) || !std::isfinite(yv)) {
        xv = std::isfinite(xv) ? xv : 0.0;
        yv = kChartHole;
    }
    const auto k = static_cast<std::size_t>(i - 1);
    s->x[k] = xv;
    s->y[k] = yv;
    dataChanged(group, series);
    return true;
}

bool ChartControl::setX(int group, int series, int i, double v) {
    return setPoint(group, series, i, v, y(group, series, i));
}

bool ChartControl::setY(int group, int series, int i, double v) {
    return setPoint(group, series, i, x(group, series, i), v);
}

bool ChartControl::setPoints(int group, int series, const std::vector<double>& xs, const std::vector<double>& ys) {
    ChartSeriesData* s = seriesAt(group, series);
    if (!s || xs.size() != ys.size() || xs.size() > static_cast<std::size_t>(kChartMaxPoints)) return false;
    s->x = xs;
    s->y = ys;
    for (std::size_t k = 0; k < xs.size(); ++k)
        if (!std::isfinite(s->x[k]) || !std::isfinite(s->y[k])) {
            if (!std::isfinite(s->x[k])) s->x[k] = 0.0;
            s->y[k] = kChartHole;
        }
    dataChanged(group, series);
    return true;
}

int ChartControl::displayState(int group, int series) const {
    const ChartSeriesData* s = seriesAt(group, series);
    return s ? s->display : 0;
}

bool ChartControl::setDisplayState(int group, int series, int state) {
    ChartSeriesData* s = seriesAt(group, series);
    return s && assign(s->display, state, validDisplay(state));
}

ChartSeriesStyle ChartControl::style(int group, int series) const {
    const ChartSeriesData* s = seriesAt(group, series);
    return s ? s->style : ChartSeriesStyle{};
}

bool ChartControl::setStyle(int group, int series, const ChartSeriesStyle& st) {
    ChartSeriesData* s = seriesAt(group, series);
    const bool valid = validLinePattern(st.linePattern) && validColour(st.lineColour, false) &&
                       validLineWidth(st.lineWidth) && validSymbolShape(st.symbolShape) &&
                       validColour(st.symbolColour, false) && validSymbolSize(st.symbolSize);
    return s && assign(s->style, st, valid);
}

bool ChartControl::setStyleField(int group, int series, int ChartSeriesStyle::*field, int value, bool valid) {
    ChartSeriesData* s = seriesAt(group, series);
    return s && assign(s->style.*field, value, valid);
}

bool ChartControl::setLinePattern(int g, int s, int code) {
    return setStyleField(g, s, &ChartSeriesStyle::linePattern, code, validLinePattern(code));
}
bool ChartControl::setLineColour(int g, int s, Colour c) {
    return setStyleField(g, s, &ChartSeriesStyle::lineColour, c, validColour(c, false));
}
bool ChartControl::setLineWidth(int g, int s, int w) {
    return setStyleField(g, s, &ChartSeriesStyle::lineWidth, w, validLineWidth(w));
}
bool ChartControl::setSymbolShape(int g, int s, int code) {
    return setStyleField(g, s, &ChartSeriesStyle::symbolShape, code, validSymbolShape(code));
}
bool ChartControl::setSymbolColour(int g, int s, Colour c) {
    return setStyleField(g, s, &ChartSeriesStyle::symbolColour, c, validColour(c, false));
}
bool ChartControl::setSymbolSize(int g, int s, int size) {
    return setStyleField(g, s, &ChartSeriesStyle::symbolSize, size, validSymbolSize(size));
}

int ChartControl::seriesLabelCount(int group) const {
    const ChartGroupData* g = groupAt(group);
    return g ? static_cast<int>(g->seriesLabels.size()) : 0;
}

bool ChartControl::addSeriesLabel(int group, const std::string& text) {
    ChartGroupData* g = groupAt(group);
    if (!g || static_cast<int>(g->seriesLabels.size()) >= kChartMaxSeriesLabels) return false;
    g->seriesLabels.push_back(text);
    changed();
    return true;
}

bool ChartControl::removeAllSeriesLabels(int group) {
    ChartGroupData* g = groupAt(group);
    if (!g) return false;
    if (!g->seriesLabels.empty()) {
        g->seriesLabels.clear();
        changed();
    }
    return true;
}

std::string ChartControl::seriesLabel(int group, int series) const {
    const ChartGroupData* g = groupAt(group);
    if (!g || series < 1 || series > static_cast<int>(g->seriesLabels.size())) return std::string();
    return g->seriesLabels[static_cast<std::size_t>(series - 1)];
}

bool ChartControl::setSeriesLabel(int group, int series, const std::string& text) {
    ChartGroupData* g = groupAt(group);
    if (!g || series < 1 || series > kChartMaxSeriesLabels) return false;
    if (static_cast<int>(g->seriesLabels.size()) < series) g->seriesLabels.resize(static_cast<std::size_t>(series));
    g->seriesLabels[static_cast<std::size_t>(series - 1)] = text;
    changed();
    return true;
}

bool ChartControl::setStoreDataWithTemplate(int group, bool on) {
    ChartGroupData* g = groupAt(group);
    if (!g) return false;
    g->storeData = on;
    return true;
}

// ---------------------------------------------------------------- labels

std::string ChartControl::labelText(int n) const { return labelValue(n, &ChartLabelData::text, std::string()); }
bool ChartControl::setLabelText(int n, const std::string& text) {
    return setLabelField(n, &ChartLabelData::text, text, true);
}
bool ChartControl::labelShown(int n) const { return labelValue(n, &ChartLabelData::shown, false); }
bool ChartControl::setLabelShown(int n, bool shown) { return setLabelField(n, &ChartLabelData::shown, shown, true); }
bool ChartControl::attachLabel(int n, int group, int series, int point) {
    ChartLabelData* l = labelAt(n);
    if (!l || group < 1 || group > kChartGroups || series < 1 || series > kChartMaxSeries) return false;
    l->group = group;
    l->series = series;
    l->point = std::clamp(point, 1, kChartMaxPoints);
    changed();
    return true;
}
int ChartControl::labelPoint(int n) const { return labelValue(n, &ChartLabelData::point, 0); }
bool ChartControl::setLabelPoint(int n, int point) {
    return setLabelField(n, &ChartLabelData::point, std::clamp(point, 1, kChartMaxPoints), true);
}
int ChartControl::labelSeries(int n) const { return labelValue(n, &ChartLabelData::series, 0); }
int ChartControl::labelBorder(int n) const { return labelValue(n, &ChartLabelData::border, 0); }
bool ChartControl::setLabelBorder(int n, int code) {
    return setLabelField(n, &ChartLabelData::border, code, validBorder(code));
}
Colour ChartControl::labelTextColour(int n) const { return labelValue(n, &ChartLabelData::textColour, 0); }
bool ChartControl::setLabelTextColour(int n, Colour c) {
    return setLabelField(n, &ChartLabelData::textColour, c, validColour(c, false));
}
Colour ChartControl::labelBackColour(int n) const { return labelValue(n, &ChartLabelData::backColour, 0); }
bool ChartControl::setLabelBackColour(int n, Colour c) {
    return setLabelField(n, &ChartLabelData::backColour, c, validColour(c, true));
}
ChartFont ChartControl::labelFont(int n) const { return labelValue(n, &ChartLabelData::font, ChartFont{}); }
bool ChartControl::setLabelFont(int n, const ChartFont& f) { return setLabelField(n, &ChartLabelData::font, f, validFont(f)); }
bool ChartControl::setLabelOffset(int n, int pixels) {
    return setLabelField(n, &ChartLabelData::offset, pixels, validLabelOffset(pixels));
}
QRect ChartControl::labelRect(int n) {
    ensureLaidOut();
    return ChartLabelLayer::labelBox(m_, n, plot_->axisRect());
}

// ---------------------------------------------------------------- header and footer

std::string ChartControl::text(ChartTextBlock b) const { return m_.text(b).text; }
bool ChartControl::setText(ChartTextBlock b, const std::string& t) { return assign(m_.text(b).text, t, true); }
bool ChartControl::textShown(ChartTextBlock b) const { return m_.text(b).shown; }
bool ChartControl::setTextShown(ChartTextBlock b, bool on) { return assign(m_.text(b).shown, on, true); }

int ChartControl::textLeft(ChartTextBlock b) {
    layout_ = computeChartLayout(m_, size());
    const QRect r = b == ChartTextBlock::Header ? layout_.header : layout_.footer;
    return r.isNull() ? m_.text(b).left : r.left();
}
int ChartControl::textTop(ChartTextBlock b) {
    layout_ = computeChartLayout(m_, size());
    const QRect r = b == ChartTextBlock::Header ? layout_.header : layout_.footer;
    return r.isNull() ? m_.text(b).top : r.top();
}
bool ChartControl::setFixedPosition(int& value, bool& automatic, int v) {
    if (!validCoordinate(v)) return false;
    automatic = false;
    value = v;
    changed();
    return true;
}
bool ChartControl::setTextLeft(ChartTextBlock b, int left) {
    return setFixedPosition(m_.text(b).left, m_.text(b).autoLeft, left);
}
bool ChartControl::setTextTop(ChartTextBlock b, int top) {
    return setFixedPosition(m_.text(b).top, m_.text(b).autoTop, top);
}
bool ChartControl::setTextAutoPosition(ChartTextBlock b) {
    m_.text(b).autoLeft = m_.text(b).autoTop = true;
    changed();
    return true;
}
int ChartControl::textWidth(ChartTextBlock b) {
    layout_ = computeChartLayout(m_, size());
    const QRect r = b == ChartTextBlock::Header ? layout_.header : layout_.footer;
    return r.isNull() ? ChartTextBlockPainter::measure(m_.text(b)).width() : r.width();
}
int ChartControl::textHeight(ChartTextBlock b) {
    layout_ = computeChartLayout(m_, size());
    const QRect r = b == ChartTextBlock::Header ? layout_.header : layout_.footer;
    return r.isNull() ? ChartTextBlockPainter::measure(m_.text(b)).height() : r.height();
}
int ChartControl::textBorder(ChartTextBlock b) const { return m_.text(b).border; }
bool ChartControl::setTextBorder(ChartTextBlock b, int code) { return assign(m_.text(b).border, code, validBorder(code)); }
Colour ChartControl::textColour(ChartTextBlock b) const { return m_.text(b).textColour; }
bool ChartControl::setTextColour(ChartTextBlock b, Colour c) {
    return assign(m_.text(b).textColour, c, validColour(c, false));
}
Colour ChartControl::textBackColour(ChartTextBlock b) const { return m_.text(b).backColour; }
bool ChartControl::setTextBackColour(ChartTextBlock b, Colour c) {
    return assign(m_.text(b).backColour, c, validColour(c, true));
}
ChartFont ChartControl::textFont(ChartTextBlock b) const { return m_.text(b).font; }
bool ChartControl::setTextFont(ChartTextBlock b, const ChartFont& f) { return assign(m_.text(b).font, f, validFont(f)); }

// ---------------------------------------------------------------- legend

bool ChartControl::legendShown() const { return m_.legend.shown; }
bool ChartControl::setLegendShown(bool on) { return assign(m_.legend.shown, on, true); }
int ChartControl::legendLeft() {
    layout_ = computeChartLayout(m_, size());
    return layout_.legend.isNull() ? m_.legend.left : layout_.legend.left();
}
int ChartControl::legendTop() {
    layout_ = computeChartLayout(m_, size());
    return layout_.legend.isNull() ? m_.legend.top : layout_.legend.top();
}
bool ChartControl::setLegendLeft(int left) { return setFixedPosition(m_.legend.left, m_.legend.autoLeft, left); }
bool ChartControl::setLegendTop(int top) { return setFixedPosition(m_.legend.top, m_.legend.autoTop, top); }
bool ChartControl::setLegendAutoPosition() {
    m_.legend.autoLeft = m_.legend.autoTop = true;
    changed();
    return true;
}
int ChartControl::legendWidth() {
    layout_ = computeChartLayout(m_, size());
    return layout_.legend.width();
}
int ChartControl::legendHeight() {
    layout_ = computeChartLayout(m_, size());
    return layout_.legend.height();
}
int ChartControl::legendOrientation() const { return m_.legend.orientation; }
bool ChartControl::setLegendOrientation(int code) { return assign(m_.legend.orientation, code, validOrientation(code)); }
int ChartControl::legendBorder() const { return m_.legend.border; }
bool ChartControl::setLegendBorder(int code) { return assign(m_.legend.border, code, validBorder(code)); }
Colour ChartControl::legendBackColour() const { return m_.legend.backColour; }
bool ChartControl::setLegendBackColour(Colour c) { return assign(m_.legend.backColour, c, validColour(c, true)); }
Colour ChartControl::legendTextColour() const { return m_.legend.textColour; }
bool ChartControl::setLegendTextColour(Colour c) { return assign(m_.legend.textColour, c, validColour(c, false)); }
ChartFont ChartControl::legendFont() const { return m_.legend.font; }
bool ChartControl::setLegendFont(const ChartFont& f) { return assign(m_.legend.font, f, validFont(f)); }

// ---------------------------------------------------------------- axes

bool ChartControl::axisShown(ChartAxis a) const { return m_.axis(a).shown; }
bool ChartControl::setAxisShown(ChartAxis a, bool on) { return assign(axisData(a).shown, on, true); }
double ChartControl::axisMin(ChartAxis a) const { return m_.axis(a).min; }
double ChartControl::axisMax(ChartAxis a) const { return m_.axis(a).max; }
bool ChartControl::setAxisMin(ChartAxis a, double v) {
    return assign(axisData(a).min, v, validBound(v, m_.axis(a).logarithmic));
}
bool ChartControl::setAxisMax(ChartAxis a, double v) {
    return assign(axisData(a).max, v, validBound(v, m_.axis(a).logarithmic));
}
bool ChartControl::setAxisRange(ChartAxis a, double min, double max) {
    const bool log = m_.axis(a).logarithmic;
    if (!validBound(min, log) || !validBound(max, log)) return false;
    axisData(a).min = min;
    axisData(a).max = max;
    changed();
    return true;
}
double ChartControl::axisDataMin(ChartAxis a) const { return m_.axis(a).dataMin; }
double ChartControl::axisDataMax(ChartAxis a) const { return m_.axis(a).dataMax; }
bool ChartControl::setAxisDataMin(ChartAxis a, double v) { return assign(axisData(a).dataMin, v, std::isfinite(v)); }
bool ChartControl::setAxisDataMax(ChartAxis a, double v) { return assign(axisData(a).dataMax, v, std::isfinite(v)); }
bool ChartControl::axisLogarithmic(ChartAxis a) const { return m_.axis(a).logarithmic; }
bool ChartControl::setAxisLogarithmic(ChartAxis a, bool on) {
    const ChartAxisData& d = m_.axis(a);
    return assign(axisData(a).logarithmic, on, !on || (validBound(d.min, true) && validBound(d.max, true)));
}
std::string ChartControl::axisTitle(ChartAxis a) const { return m_.axis(a).title; }
bool ChartControl::setAxisTitle(ChartAxis a, const std::string& t) { return assign(axisData(a).title, t, true); }
int ChartControl::axisTitleOrientation(ChartAxis a) const { return m_.axis(a).titleOrientation; }
bool ChartControl::setAxisTitleOrientation(ChartAxis a, int code) {
    return assign(axisData(a).titleOrientation, code, validTextOrientation(code));
}
int ChartControl::axisNumberOrientation(ChartAxis a) const { return m_.axis(a).numberOrientation; }
bool ChartControl::setAxisNumberOrientation(ChartAxis a, int code) {
    return assign(axisData(a).numberOrientation, code, validTextOrientation(code));
}
ChartFont ChartControl::axisTitleFont(ChartAxis a) const { return m_.axis(a).titleFont; }
bool ChartControl::setAxisTitleFont(ChartAxis a, const ChartFont& f) { return assign(axisData(a).titleFont, f, validFont(f)); }
ChartFont ChartControl::axisNumberFont(ChartAxis a) const { return m_.axis(a).numberFont; }
bool ChartControl::setAxisNumberFont(ChartAxis a, const ChartFont& f) {
    return assign(axisData(a).numberFont, f, validFont(f));
}
Colour ChartControl::axisTitleColour(ChartAxis a) const { return m_.axis(a).titleColour; }
bool ChartControl::setAxisTitleColour(ChartAxis a, Colour c) {
    return assign(axisData(a).titleColour, c, validColour(c, true));
}
int ChartControl::gridPattern(ChartAxis a) const { return m_.axis(a).gridPattern; }
bool ChartControl::setGridPattern(ChartAxis a, int code) {
    return assign(axisData(a).gridPattern, code, validLinePattern(code));
}
Colour ChartControl::gridColour(ChartAxis a) const { return m_.axis(a).gridColour; }
bool ChartControl::setGridColour(ChartAxis a, Colour c) { return assign(axisData(a).gridColour, c, validColour(c, false)); }

double ChartControl::spacing(ChartAxis a, ChartSpacing kind) const { return chartSpacingInUse(m_.axis(a), kind); }

bool ChartControl::spacingAutomatic(ChartAxis a, ChartSpacing kind) const {
    return m_.axis(a).spacing[static_cast<std::size_t>(kind)].automatic;
}

bool ChartControl::setSpacing(ChartAxis a, ChartSpacing kind, double value) {
    ChartAxisData& d = axisData(a);
    if (!chartSpacingAcceptable(chartDrawnRange(d), d.logarithmic, value)) return false;
    ChartSpacingData& s = d.spacing[static_cast<std::size_t>(kind)];
    s.value = value;
    if (!s.automatic) changed();
    return true;
}

bool ChartControl::setSpacingAutomatic(ChartAxis a, ChartSpacing kind, bool on) {
    ChartAxisData& d = axisData(a);
    ChartSpacingData& s = d.spacing[static_cast<std::size_t>(kind)];
    if (s.automatic == on) return true;
    if (!on) s.value = chartSpacingInUse(d, kind);
    s.automatic = on;
    changed();
    return true;
}

std::vector<double> ChartControl::spacingPositions(ChartAxis a, ChartSpacing kind) const {
    return chartPositions(m_.axis(a), kind);
}

int ChartControl::numberPlacement(ChartAxis a) const { return m_.axis(a).numberPlacement; }
bool ChartControl::setNumberPlacement(ChartAxis a, int code) {
    return assign(axisData(a).numberPlacement, code, validNumberPlacement(code));
}
int ChartControl::originPlacement(ChartAxis a) const { return m_.axis(a).originPlacement; }
bool ChartControl::setOriginPlacement(ChartAxis a, int code) {
    return assign(axisData(a).originPlacement, code, validOriginPlacement(code));
}
double ChartControl::origin(ChartAxis a) const { return m_.axis(a).origin; }
bool ChartControl::setOrigin(ChartAxis a, double v) { return assign(axisData(a).origin, v, validBound(v, false)); }

// ---------------------------------------------------------------- plot area, chart area, sheet

Colour ChartControl::plotBackColour() const { return m_.plot.backColour; }
bool ChartControl::setPlotBackColour(Colour c) { return assign(m_.plot.backColour, c, validColour(c, false)); }
bool ChartControl::plotFrame() const { return m_.plot.frame; }
bool ChartControl::setPlotFrame(bool on) { return assign(m_.plot.frame, on, true); }

int ChartControl::plotMargin(ChartSide side) {
    ensureLaidOut();
    const QMargins mg = plot_->axisRect()->margins();
    switch (side) {
        case ChartSide::Left: return mg.left();
        case ChartSide::Right: return mg.right();
        case ChartSide::Top: return mg.top();
        case ChartSide::Bottom: return mg.bottom();
    }
    return 0;
}

bool ChartControl::setPlotMargin(ChartSide side, int pixels) {
    if (!validExtent(pixels)) return false;
    const auto k = static_cast<std::size_t>(sideIndex(side));
    m_.plot.margins[k] = pixels;
    m_.plot.autoMargins[k] = false;
    changed();
    return true;
}

bool ChartControl::plotMarginAutomatic(ChartSide side) const {
    return m_.plot.autoMargins[static_cast<std::size_t>(sideIndex(side))];
}

bool ChartControl::setPlotMarginAutomatic(ChartSide side, bool on) {
    return assign(m_.plot.autoMargins[static_cast<std::size_t>(sideIndex(side))], on, true);
}

bool ChartControl::setPlotMarginsAutomatic(bool on) {
    for (auto&& a : m_.plot.autoMargins) a = on;
    changed();
    return true;
}

QRect ChartControl::plotRect() {
    ensureLaidOut();
    return plot_->axisRect()->rect();
}

int ChartControl::chartAreaLeft() { return computeChartLayout(m_, size()).chartArea.left(); }
int ChartControl::chartAreaTop() { return computeChartLayout(m_, size()).chartArea.top(); }
int ChartControl::chartAreaWidth() { return computeChartLayout(m_, size()).chartArea.width(); }
int ChartControl::chartAreaHeight() { return computeChartLayout(m_, size()).chartArea.height(); }

bool ChartControl::fixChartArea() {
    if (!m_.area.automatic) return true;
    const QRect a = computeChartLayout(m_, size()).chartArea;
    m_.area.left = a.left();
    m_.area.top = a.top();
    m_.area.width = a.width();
    m_.area.height = a.height();
    m_.area.automatic = false;
    return true;
}

bool ChartControl::setChartAreaValue(int ChartAreaData::*field, int v, bool valid) {
    if (!valid) return false;
    fixChartArea();
    m_.area.*field = v;
    changed();
    return true;
}
bool ChartControl::setChartAreaLeft(int v) { return setChartAreaValue(&ChartAreaData::left, v, validCoordinate(v)); }
bool ChartControl::setChartAreaTop(int v) { return setChartAreaValue(&ChartAreaData::top, v, validCoordinate(v)); }
bool ChartControl::setChartAreaWidth(int v) { return setChartAreaValue(&ChartAreaData::width, v, validExtent(v)); }
bool ChartControl::setChartAreaHeight(int v) { return setChartAreaValue(&ChartAreaData::height, v, validExtent(v)); }
bool ChartControl::setChartAreaAutomatic() { return assign(m_.area.automatic, true, true); }
Colour ChartControl::chartAreaBackColour() const { return m_.area.backColour; }
bool ChartControl::setChartAreaBackColour(Colour c) { return assign(m_.area.backColour, c, validColour(c, false)); }
Colour ChartControl::chartAreaTextColour() const { return m_.area.textColour; }
bool ChartControl::setChartAreaTextColour(Colour c) { return assign(m_.area.textColour, c, validColour(c, false)); }

Colour ChartControl::sheetBackColour() const { return m_.sheet.backColour; }
bool ChartControl::setSheetBackColour(Colour c) { return assign(m_.sheet.backColour, c, validColour(c, false)); }
int ChartControl::borderType() const { return m_.sheet.border; }
bool ChartControl::setBorderType(int code) { return assign(m_.sheet.border, code, validBorder(code)); }
int ChartControl::borderWidth() const { return m_.sheet.borderWidth; }
bool ChartControl::setBorderWidth(int w) { return assign(m_.sheet.borderWidth, w, validBorderWidth(w)); }

// ---------------------------------------------------------------- whole model

bool ChartControl::setModel(const ChartModel& model) {
    if (!validChartModel(model)) return false;
    m_ = model;
    haveZoomBase_ = false;
    for (auto& g : plots_) g.clear();
    structureChanged();
    return true;
}

// ---------------------------------------------------------------- hit test

ChartRegion ChartControl::region(QPoint p) {
    if (!rect().contains(p)) return ChartRegion::Elsewhere;
    ensureLaidOut();
    if (layout_.header.contains(p)) return ChartRegion::Header;
    if (layout_.footer.contains(p)) return ChartRegion::Footer;
    if (layout_.legend.contains(p)) return ChartRegion::Legend;
    if (plot_->axisRect()->rect().contains(p)) return ChartRegion::PlotArea;
    return ChartRegion::Elsewhere;
}

ChartPick ChartControl::pick(int group, QPoint p) {
    ChartPick best;
    const ChartGroupData* g = groupAt(group);
    if (!g) return best;
    ensureLaidOut();
    const QRectF area = QRectF(plot_->axisRect()->rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    const bool xLog = m_.axis(ChartAxis::X).logarithmic, yLog = m_.axis(ChartAxis::Y).logarithmic;
    double bestD2 = std::numeric_limits<double>::infinity();
    for (std::size_t s = 0; s < g->series.size(); ++s) {
        const ChartSeriesData& d = g->series[s];
        if (d.display != kSeriesShown) continue;
        for (std::size_t i = 0; i < d.x.size(); ++i) {
            const double xv = d.x[i], yv = d.y[i];
            if (chartIsHole(xv, yv) || (xLog && xv <= 0) || (yLog && yv <= 0)) continue;
            const double px = plot_->xAxis->coordToPixel(xv), py = plot_->yAxis->coordToPixel(yv);
            if (!std::isfinite(px) || !std::isfinite(py) || !area.contains(px, py)) continue;
            const double d2 = (px - p.x()) * (px - p.x()) + (py - p.y()) * (py - p.y());
            if (d2 < bestD2) {
                bestD2 = d2;
                best.series = static_cast<int>(s + 1);
                best.point = static_cast<int>(i + 1);
            }
        }
    }
    if (best.series > 0) best.distance = static_cast<int>(std::lround(std::sqrt(bestD2)));
    return best;
}

QPointF ChartControl::toPixel(double xv, double yv) {
    ensureLaidOut();
    return QPointF(plot_->xAxis->coordToPixel(xv), plot_->yAxis->coordToPixel(yv));
}

QPointF ChartControl::toValue(QPointF pixel) {
    ensureLaidOut();
    return QPointF(plot_->xAxis->pixelToCoord(pixel.x()), plot_->yAxis->pixelToCoord(pixel.y()));
}

// ---------------------------------------------------------------- zoom

void ChartControl::setZoomArmed(bool armed) {
    zoomArmed_ = armed;
    if (!armed && zoomDragging_) {
        zoomDragging_ = false;
        band_->hide();
    }
}

bool ChartControl::resetZoom() {
    if (!haveZoomBase_) return false;
    for (std::size_t k = 0; k < 3; ++k) {
        m_.axes[k].min = zoomBase_[k].first;
        m_.axes[k].max = zoomBase_[k].second;
    }
    haveZoomBase_ = false;
    changed();
    return true;
}

void ChartControl::zoomPress(QPoint pos) {
    zoomDragging_ = true;
    zoomStart_ = pos;
    band_->setGeometry(QRect(pos, QSize()));
    band_->show();
}

void ChartControl::zoomMove(QPoint pos) { band_->setGeometry(QRect(zoomStart_, pos).normalized()); }

bool ChartControl::zoomRelease(QPoint pos) {
    zoomDragging_ = false;
    band_->hide();
    ensureLaidOut();
    const QRect r = QRect(zoomStart_, pos).normalized().intersected(plot_->axisRect()->rect());
    if (r.width() < 3 || r.height() < 3) return false;
    std::array<std::pair<double, double>, 3> next{};
    next[0] = {plot_->xAxis->pixelToCoord(r.left()), plot_->xAxis->pixelToCoord(r.right())};
    next[1] = {plot_->yAxis->pixelToCoord(r.bottom()), plot_->yAxis->pixelToCoord(r.top())};
    next[2] = {y2Axis_->pixelToCoord(r.bottom()), y2Axis_->pixelToCoord(r.top())};
    for (std::size_t k = 0; k < 3; ++k) {
        if (next[k].first > next[k].second) std::swap(next[k].first, next[k].second);
        const bool log = m_.axes[k].logarithmic;
        if (!validBound(next[k].first, log) || !validBound(next[k].second, log) || !(next[k].first < next[k].second))
            return false;
    }
    if (!haveZoomBase_) {
        for (std::size_t k = 0; k < 3; ++k) zoomBase_[k] = {m_.axes[k].min, m_.axes[k].max};
        haveZoomBase_ = true;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        m_.axes[k].min = next[k].first;
        m_.axes[k].max = next[k].second;
    }
    changed();
    replotNow();
    emit zoomed();
    return true;
}

void ChartControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A collapsed chart (the window made it 0 wide or high) draws nothing.
    plot_->setVisible(width() > 0 && height() > 0);
    plot_->setGeometry(rect());
}

bool ChartControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plot_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* me = static_cast<QMouseEvent*>(event);
                const QPoint pos = me->position().toPoint();
                if (zoomArmed_ && me->button() == Qt::LeftButton) zoomPress(pos);
                emit mousePressed(me->button(), me->modifiers(), pos);
                break;
            }
            case QEvent::MouseMove: {
                auto* me = static_cast<QMouseEvent*>(event);
                const QPoint pos = me->position().toPoint();
                if (zoomDragging_) zoomMove(pos);
                emit mouseMoved(me->buttons(), me->modifiers(), pos);
                break;
            }
            case QEvent::MouseButtonRelease: {
                auto* me = static_cast<QMouseEvent*>(event);
                const QPoint pos = me->position().toPoint();
                if (zoomDragging_ && me->button() == Qt::LeftButton) zoomRelease(pos);
                emit mouseReleased(me->button(), me->modifiers(), pos);
                break;
            }
            case QEvent::Paint:
                // A paint before the queued redraw (a grab, an expose) shows the current chart.
                if (dirty_ && batch_ == 0) replotNow();
                break;
            case QEvent::KeyPress:
                if (zoomDragging_ && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                    zoomDragging_ = false;
                    band_->hide();
                    return true;
                }
                break;
            default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- output

QImage ChartControl::toImage() {
    const QSize s = outputSize();
    return renderChartImage([this](QCPPainter* p, QSize size) { renderTo(p, size); }, s);
}

bool ChartControl::copyToClipboard(int format) {
    QClipboard* cb = QGuiApplication::clipboard();
    if (!cb || (format != kClipboardBitmap && format != kClipboardVector)) return false;
    const QImage image = toImage();
    if (image.isNull()) return false;
    auto* mime = new QMimeData;
    mime->setImageData(image);
    if (format == kClipboardVector) {
        const QByteArray svg =
            renderChartSvg([this](QCPPainter* p, QSize size) { renderTo(p, size); }, outputSize());
        if (svg.isEmpty()) {
            delete mime;
            return false;
        }
        mime->setData("image/svg+xml", svg);
    }
    cb->setMimeData(mime);
    return true;
}

bool ChartControl::savePicture(const QString& path, ChartPicture format, QString* error) {
    const ChartRenderer render = [this](QCPPainter* p, QSize size) { renderTo(p, size); };
    return saveChartPicture(render, outputSize(), path, format, error);
}

bool ChartControl::print(QPrinter& printer, int scaling, int left, int top, int width, int height) {
    const ChartRenderer render = [this](QCPPainter* p, QSize size) { renderTo(p, size); };
    return printChart(render, outputSize(), printer, scaling, QRect(left, top, width, height));
}

// ---------------------------------------------------------------- templates

ChartTemplateResult ChartControl::saveTemplate(const QString& path) const {
    return saveChartTemplate(toStd(path), m_);
}

ChartTemplateResult ChartControl::loadTemplate(const QString& path) {
    ChartModel loaded = m_;
    ChartTemplateResult r = loadChartTemplate(toStd(path), loaded);
    if (r.ok && !setModel(loaded)) {
        r.ok = false;
        r.message = "Die Diagrammvorlage kann nicht geladen werden.";
    }
    return r;
}

}  // namespace vrn
