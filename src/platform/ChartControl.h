// The chart component: our stand-in for the platform's chart control, drawn
// with QCustomPlot. The chart window (frmGraph2D, Chart2D1) and the Monte
// Carlo window (Chart2D2) drive it by role; it knows nothing of either.
//
// What it holds (all of it in a ChartModel, see ChartModel.h for the codes):
// - Chart group 1 and group 2, each with a number of series. A series has a
//   point count, x and y of point i (1-based, order kept as written), a
//   display state (1 shown, 2 or 3 hidden), a style (line pattern, colour,
//   width; symbol shape, colour, size) and a legend text (the group's series
//   label of the same number). A y of 1E+308 is a hole: not drawn, no line
//   through it, not picked. Growing the point count fills new points with
//   holes; shrinking it drops the points beyond.
// - Chart labels 1..64: text, shown, border, colours, font, attached to a
//   point of a series (label n starts attached to series n of group 1); the
//   label follows its point when the data change.
// - Header and footer text blocks, the legend, the sheet (control border and
//   background), the chart area and the plot area (background, frame, four
//   margins each automatic or given).
// - The axes "X", "Y", "Y2": shown bounds (the drawn range), data bounds
//   (kept and returned only), logarithmic flag, title, orientations, fonts,
//   grid pattern and colour, and three spacings (grid lines, tick marks,
//   numbers) each automatic or given; number and origin placement codes.
//
// Every setter checks its value and returns false, leaving the chart as it
// was, for a value out of range or an index that does not exist; getters
// return a neutral value (0, "", the hole) for an index that does not exist.
//
// Drawing: every change asks for one redraw, made when the event loop next
// runs; between beginUpdate and endUpdate (nested) nothing is redrawn, and
// the outermost endUpdate redraws once, at once.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/ChartLayout.h"
#include "platform/ChartModel.h"
#include "platform/ChartTemplate.h"

class QCustomPlot;
class QCPAxis;
class QCPPainter;
class QPrinter;
class QRubberBand;
class QTimer;

namespace vrn {

class ChartSeriesPlot;
class ChartTicker;

// Region of the chart under a pixel (the chart's own region codes).
enum class ChartRegion : int { Elsewhere = 0, PlotArea = -100, Legend = -99, Header = -98, Footer = -97 };

// The nearest point of a group to a pixel: series and point (1-based) and the
// distance in pixels; all -1 when the group has no pickable point.
struct ChartPick {
    int series = -1;
    int point = -1;
    int distance = -1;
};

// Picture formats for files; the Windows metafiles of old become SVG and PDF.
enum class ChartPicture { Bmp, Png, Svg, Pdf };
// Clipboard formats (the chart's codes): 1 bitmap, 3 vector (SVG plus a bitmap).
enum ChartClipboardFormat : int { kClipboardBitmap = 1, kClipboardVector = 3 };
// Print scaling codes: 2 given width, 3 given height, 5 the whole page.
enum ChartPrintScaling : int { kPrintGivenWidth = 2, kPrintGivenHeight = 3, kPrintFullPage = 5 };

class ChartControl : public QWidget {
    Q_OBJECT

public:
    explicit ChartControl(QWidget* parent = nullptr);
    ~ChartControl() override;

    // ---- Batched update --------------------------------------------------
    // Nested switch; the outermost endUpdate redraws once. setBatched(true)
    // is beginUpdate, setBatched(false) endUpdate (the chart's "IsBatched").
    // A group's data switch is the same switch: setDataBatched(group, on).
    void beginUpdate();
    void endUpdate();
    void setBatched(bool on) { on ? beginUpdate() : endUpdate(); }
    void setDataBatched(int group, bool on) { (void)group; setBatched(on); }
    bool isBatched() const { return batch_ > 0; }
    // Redraws now when a change is pending (also inside a batch).
    void replotNow();
    // Number of redraws so far (for tests and measurements).
    int replotCount() const { return replots_; }

    // ---- Series of chart group 1 and 2 -------------------------------------
    int seriesCount(int group) const;
    bool setSeriesCount(int group, int count);  // 0..100; new series start empty and shown
    int pointCount(int group, int series) const;
    bool setPointCount(int group, int series, int count);  // 0..200000
    double x(int group, int series, int i) const;  // the hole value when i does not exist
    double y(int group, int series, int i) const;
    // A value that is not finite is stored as a hole (y) or refused (x).
    bool setX(int group, int series, int i, double v);
    bool setY(int group, int series, int i, double v);
    bool setPoint(int group, int series, int i, double x, double y);
    // Replaces all points at once (point count := size of x; x and y of equal size).
    bool setPoints(int group, int series, const std::vector<double>& x, const std::vector<double>& y);
    int displayState(int group, int series) const;
    bool setDisplayState(int group, int series, int state);  // 1 shown, 2 or 3 hidden

    ChartSeriesStyle style(int group, int series) const;
    bool setStyle(int group, int series, const ChartSeriesStyle& style);
    bool setLinePattern(int group, int series, int code);
    bool setLineColour(int group, int series, Colour colour);
    bool setLineWidth(int group, int series, int width);
    bool setSymbolShape(int group, int series, int code);
    bool setSymbolColour(int group, int series, Colour colour);
    bool setSymbolSize(int group, int series, int size);

    // Series labels (legend texts): a list per group, label s for series s.
    int seriesLabelCount(int group) const;
    bool addSeriesLabel(int group, const std::string& text);
    bool removeAllSeriesLabels(int group);
    std::string seriesLabel(int group, int series) const;  // "" beyond the list
    // Sets label s, adding empty labels up to s when the list is shorter.
    bool setSeriesLabel(int group, int series, const std::string& text);
    // Whether a template keeps the points of the group (true at start).
    bool setStoreDataWithTemplate(int group, bool on);

    // ---- Chart labels 1..64 -----------------------------------------------
    std::string labelText(int n) const;
    bool setLabelText(int n, const std::string& text);
    bool labelShown(int n) const;
    bool setLabelShown(int n, bool shown);
    bool attachLabel(int n, int group, int series, int point);
    // The attached point index; an index below 1 is taken as 1.
    int labelPoint(int n) const;
    bool setLabelPoint(int n, int point);
    int labelSeries(int n) const;
    int labelBorder(int n) const;
    bool setLabelBorder(int n, int code);
    Colour labelTextColour(int n) const;
    bool setLabelTextColour(int n, Colour colour);
    Colour labelBackColour(int n) const;
    bool setLabelBackColour(int n, Colour colour);  // -1 transparent
    ChartFont labelFont(int n) const;
    bool setLabelFont(int n, const ChartFont& font);
    bool setLabelOffset(int n, int pixels);
    // Where label n is drawn now (pixels); null when it is not drawn.
    QRect labelRect(int n);

    // ---- Header and footer --------------------------------------------------
    std::string text(ChartTextBlock block) const;
    bool setText(ChartTextBlock block, const std::string& text);  // lines by CR LF, CR or LF
    bool textShown(ChartTextBlock block) const;
    bool setTextShown(ChartTextBlock block, bool shown);
    // Position in pixels of the control; reading gives the drawn position.
    // Setting one makes that coordinate fixed; setTextAutoPosition makes
    // both automatic again (header at the top, footer at the bottom, centred).
    int textLeft(ChartTextBlock block);
    int textTop(ChartTextBlock block);
    bool setTextLeft(ChartTextBlock block, int left);
    bool setTextTop(ChartTextBlock block, int top);
    bool setTextAutoPosition(ChartTextBlock block);
    int textWidth(ChartTextBlock block);   // 0 when not drawn
    int textHeight(ChartTextBlock block);
    int textBorder(ChartTextBlock block) const;
    bool setTextBorder(ChartTextBlock block, int code);
    Colour textColour(ChartTextBlock block) const;
    bool setTextColour(ChartTextBlock block, Colour colour);
    Colour textBackColour(ChartTextBlock block) const;
    bool setTextBackColour(ChartTextBlock block, Colour colour);  // -1 transparent
    ChartFont textFont(ChartTextBlock block) const;
    bool setTextFont(ChartTextBlock block, const ChartFont& font);

    // ---- Legend ---------------------------------------------------------------
    bool legendShown() const;
    bool setLegendShown(bool shown);
    int legendLeft();  // drawn position (pixels), as for the text blocks
    int legendTop();
    bool setLegendLeft(int left);
    bool setLegendTop(int top);
    bool setLegendAutoPosition();
    int legendWidth();  // 0 when not drawn (hidden or no entry)
    int legendHeight();
    int legendOrientation() const;
    bool setLegendOrientation(int code);  // 1 vertical, 2 horizontal
    int legendBorder() const;
    bool setLegendBorder(int code);
    Colour legendBackColour() const;
    bool setLegendBackColour(Colour colour);  // -1 transparent
    Colour legendTextColour() const;
    bool setLegendTextColour(Colour colour);
    ChartFont legendFont() const;
    bool setLegendFont(const ChartFont& font);

    // ---- Axes "X", "Y", "Y2" ------------------------------------------------
    bool axisShown(ChartAxis a) const;
    bool setAxisShown(ChartAxis a, bool shown);
    double axisMin(ChartAxis a) const;  // shown bounds
    double axisMax(ChartAxis a) const;
    // One bound at a time: finite, at most 1E+300 in size, positive on a
    // logarithmic axis. The two may cross while a range is being set; the
    // chart draws them in ascending order (equal bounds widened).
    bool setAxisMin(ChartAxis a, double v);
    bool setAxisMax(ChartAxis a, double v);
    bool setAxisRange(ChartAxis a, double min, double max);
    double axisDataMin(ChartAxis a) const;  // data bounds: kept, not drawn
    double axisDataMax(ChartAxis a) const;
    bool setAxisDataMin(ChartAxis a, double v);
    bool setAxisDataMax(ChartAxis a, double v);
    bool axisLogarithmic(ChartAxis a) const;
    // Refused when a bound of the axis is not positive.
    bool setAxisLogarithmic(ChartAxis a, bool on);
    std::string axisTitle(ChartAxis a) const;
    bool setAxisTitle(ChartAxis a, const std::string& title);
    int axisTitleOrientation(ChartAxis a) const;
    bool setAxisTitleOrientation(ChartAxis a, int code);  // 1 horizontal above, 2 vertical
    int axisNumberOrientation(ChartAxis a) const;
    bool setAxisNumberOrientation(ChartAxis a, int code);  // 1 horizontal, 2 vertical
    ChartFont axisTitleFont(ChartAxis a) const;
    bool setAxisTitleFont(ChartAxis a, const ChartFont& font);
    ChartFont axisNumberFont(ChartAxis a) const;
    bool setAxisNumberFont(ChartAxis a, const ChartFont& font);
    Colour axisTitleColour(ChartAxis a) const;  // -1: the chart area's text colour
    bool setAxisTitleColour(ChartAxis a, Colour colour);
    int gridPattern(ChartAxis a) const;
    bool setGridPattern(ChartAxis a, int code);  // line pattern code, 1 no grid
    Colour gridColour(ChartAxis a) const;
    bool setGridColour(ChartAxis a, Colour colour);
    // Spacing of grid lines, tick marks or numbers. Reading gives the value
    // drawn with (the computed one while automatic). Setting a value keeps it
    // for when the flag is off and is refused for a value <= 0, not finite or
    // giving more than 1,000 steps over the current range. Switching the flag
    // off fixes the value at the one drawn with until then.
    double spacing(ChartAxis a, ChartSpacing kind) const;
    bool spacingAutomatic(ChartAxis a, ChartSpacing kind) const;
    bool setSpacing(ChartAxis a, ChartSpacing kind, double value);
    bool setSpacingAutomatic(ChartAxis a, ChartSpacing kind, bool on);
    // Where the grid lines, tick marks and numbers stand now (values).
    std::vector<double> spacingPositions(ChartAxis a, ChartSpacing kind) const;
    // The numbers of "X" or "Y" as they are drawn now: their texts and boxes
    // (pixels of the control). Neighbours never touch: where the spacing's
    // numbers would, they are written shorter or fewer of them are shown.
    std::vector<ChartNumberBox> numberBoxes(ChartAxis a);
    int numberPlacement(ChartAxis a) const;
    bool setNumberPlacement(ChartAxis a, int code);  // 1 at the axis, 2 at the minimum, 3 at the maximum
    int originPlacement(ChartAxis a) const;
    bool setOriginPlacement(ChartAxis a, int code);  // 1 at 0, 2 minimum, 3 maximum, 4 at the origin value
    double origin(ChartAxis a) const;
    bool setOrigin(ChartAxis a, double value);  // the value for placement 4

    // ---- Plot area, chart area, sheet --------------------------------------------
    Colour plotBackColour() const;
    bool setPlotBackColour(Colour colour);
    bool plotFrame() const;
    bool setPlotFrame(bool on);
    // Margin between the chart area and the plot area; reading gives the drawn one.
    int plotMargin(ChartSide side);
    bool setPlotMargin(ChartSide side, int pixels);  // switches that side's flag off
    bool plotMarginAutomatic(ChartSide side) const;
    bool setPlotMarginAutomatic(ChartSide side, bool on);
    bool setPlotMarginsAutomatic(bool on);  // all four
    QRect plotRect();  // the plot area as drawn (pixels)

    int chartAreaLeft();  // drawn position and size (pixels)
    int chartAreaTop();
    int chartAreaWidth();
    int chartAreaHeight();
    // Setting one of them fixes the chart area where it is drawn now and
    // changes that value; setChartAreaAutomatic lets it fill the control again.
    bool setChartAreaLeft(int left);
    bool setChartAreaTop(int top);
    bool setChartAreaWidth(int width);
    bool setChartAreaHeight(int height);
    bool setChartAreaAutomatic();
    Colour chartAreaBackColour() const;
    bool setChartAreaBackColour(Colour colour);
    Colour chartAreaTextColour() const;
    bool setChartAreaTextColour(Colour colour);  // axis lines, ticks, numbers, default title colour

    Colour sheetBackColour() const;
    bool setSheetBackColour(Colour colour);
    int borderType() const;
    bool setBorderType(int code);
    int borderWidth() const;
    bool setBorderWidth(int pixels);

    // ---- Whole model ------------------------------------------------------------
    const ChartModel& model() const { return m_; }
    // Replaces everything (as a template load does); false for a model with
    // values out of range (the chart stays as it was).
    bool setModel(const ChartModel& model);

    // ---- Hit test -------------------------------------------------------------------
    ChartRegion region(QPoint pixel);
    // The nearest shown, non-hole point inside the plot area of a group.
    ChartPick pick(int group, QPoint pixel);
    // A point of the axes "X" and "Y" in pixels of the control, and back.
    QPointF toPixel(double x, double y);
    QPointF toValue(QPointF pixel);

    // ---- Zoom by dragging a rectangle with the left button ---------------------
    // While armed, a left drag draws a frame; on release the axes take the
    // framed range, then zoomed() fires, then mouseReleased(). Esc during the
    // drag cancels it. A frame smaller than 3 x 3 pixels zooms nothing. The
    // chart stays armed until disarmed.
    void setZoomArmed(bool armed);
    bool zoomArmed() const { return zoomArmed_; }
    // Back to the ranges before the first zoom since the last reset; false
    // when there was no zoom.
    bool resetZoom();

    // ---- Output -------------------------------------------------------------------------
    // Pictures have the control's size (800 x 600 when it is smaller than 50 x 50).
    QImage toImage();
    bool copyToClipboard(int format);  // 1 bitmap, 3 vector (SVG plus a bitmap)
    // Writes the picture whole or not at all; *error (when given) says why it failed.
    bool savePicture(const QString& path, ChartPicture format, QString* error = nullptr);
    // Prints into a box on the printer's page (printer pixels); the scaling
    // code says which of width and height count: 2 the width (height by the
    // chart's proportions), 3 the height, 5 the whole printable page.
    // Starts and ends one page.
    bool print(QPrinter& printer, int scaling, int left, int top, int width, int height);

    // ---- Templates ------------------------------------------------------------------
    ChartTemplateResult saveTemplate(const QString& path) const;
    // On a refusal the chart stays as it was and the result carries the
    // message naming the line, for the caller to show.
    ChartTemplateResult loadTemplate(const QString& path);

signals:
    // Mouse events on the chart, positions in pixels of the control.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // A zoom has been applied (the axes already show the new range).
    void zoomed();
    // After every redraw.
    void replotted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Lookup helpers; null when the index does not exist.
    ChartGroupData* groupAt(int group);
    const ChartGroupData* groupAt(int group) const;
    ChartSeriesData* seriesAt(int group, int series);
    const ChartSeriesData* seriesAt(int group, int series) const;
    ChartLabelData* labelAt(int n);
    const ChartLabelData* labelAt(int n) const;
    ChartAxisData& axisData(ChartAxis a) { return m_.axis(a); }

    void changed();                                  // something to redraw
    void dataChanged(int group, int series);         // the points of a series changed
    void structureChanged();                         // series added or removed
    template <class T>
    bool assign(T& field, const T& value, bool valid) {
        if (!valid) return false;
        if (!(field == value)) {
            field = value;
            changed();
        }
        return true;
    }
    bool setStyleField(int group, int series, int ChartSeriesStyle::*field, int value, bool valid);
    template <class T>
    T labelValue(int n, T ChartLabelData::*field, T fallback) const {
        const ChartLabelData* l = labelAt(n);
        return l ? l->*field : fallback;
    }
    template <class T>
    bool setLabelField(int n, T ChartLabelData::*field, const T& value, bool valid) {
        ChartLabelData* l = labelAt(n);
        return l && assign(l->*field, value, valid);
    }
    bool setChartAreaValue(int ChartAreaData::*field, int value, bool valid);
    bool setFixedPosition(int& value, bool& automatic, int v);  // a position set by hand

    void syncPlot();        // model -> QCustomPlot, before each redraw
    void prepare(QSize size);  // layout for a size, before drawing at that size
    void ensureLaidOut();   // the layout is current (redraws a pending change)
    void renderTo(QCPPainter* painter, QSize size);
    QSize outputSize() const;
    void numbersToAxisLengths();  // after each layout
    bool fixChartArea();    // turns an automatic chart area into a fixed one where it is

    void zoomPress(QPoint pos);
    void zoomMove(QPoint pos);
    bool zoomRelease(QPoint pos);

    ChartModel m_;
    ChartLayout layout_;
    QCustomPlot* plot_;
    QCPAxis* y2Axis_ = nullptr;
    std::array<std::vector<std::unique_ptr<ChartSeriesPlot>>, kChartGroups> plots_;
    std::array<QSharedPointer<ChartTicker>, 3> tickers_;
    QTimer* queued_;
    int batch_ = 0;
    bool relayingOut_ = false;
    bool dirty_ = true;
    int replots_ = 0;

    bool zoomArmed_ = false;
    bool zoomDragging_ = false;
    QPoint zoomStart_;
    QRubberBand* band_ = nullptr;
    bool haveZoomBase_ = false;
    std::array<std::pair<double, double>, 3> zoomBase_{};
};

}  // namespace vrn
