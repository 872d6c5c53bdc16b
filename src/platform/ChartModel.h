// The whole state of one chart as plain data: sheet, chart area, plot area,
// the axes "X", "Y" and "Y2", header and footer, legend, the two chart groups
// with their series and the chart labels. The chart component (ChartControl)
// owns one model and draws it; the template reader and writer turn a model
// into text and back. No Qt here.
//
// Codes are the chart's own numbers that the chart window and the Monte Carlo
// window pass; the tables below list every accepted code.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

// A y value of 1E+308 is a hole: not drawn, not picked, no label on it.
constexpr double kChartHole = 1E+308;
// A background colour of -1 is transparent; a title colour of -1 takes the
// text colour of the chart area.
constexpr Colour kChartTransparent = -1;
constexpr Colour kChartInherit = -1;

constexpr int kChartGroups = 2;            // group 1 curves, group 2 point sets
constexpr int kChartMaxSeries = 100;       // series per group
constexpr int kChartMaxPoints = 200000;    // points per series
constexpr int kChartMaxSeriesLabels = 100; // legend texts per group
constexpr int kChartLabels = 64;           // chart labels 1..64
constexpr int kChartMaxSteps = 1000;       // most grid lines, ticks or numbers a spacing may give
constexpr int kChartMaxCoordinate = 20000; // pixel positions and sizes: -20000..20000

// Line pattern codes (series lines and grid lines).
struct ChartLinePatternRow { int code; const char* name; };
constexpr std::array<ChartLinePatternRow, 7> kChartLinePatterns{{
    {1, "none"}, {2, "solid"}, {3, "long dash"}, {4, "dotted"},
    {5, "short dash"}, {6, "long-short-long dash"}, {7, "dash-dot"},
}};

// Symbol shape codes.
struct ChartSymbolRow { int code; const char* name; bool filled; };
constexpr std::array<ChartSymbolRow, 11> kChartSymbols{{
    {1, "none", false},          {2, "filled circle", true},  {3, "filled square", true},
    {4, "triangle", true},       {5, "diamond", true},        {6, "star", false},
    {7, "vertical line", false}, {8, "horizontal line", false}, {9, "cross", false},
    {10, "circle", false},       {11, "square", false},
}};

// Border type codes of the control, the text blocks, the legend and the labels.
struct ChartBorderRow { int code; const char* name; };
constexpr std::array<ChartBorderRow, 10> kChartBorders{{
    {0, "none"}, {1, "3D raised"}, {2, "3D lowered"}, {3, "shadow"}, {4, "plain"},
    {5, "etched in"}, {6, "etched out"}, {7, "frame in"}, {8, "frame out"}, {9, "double"},
}};

// Number placement of an axis: where its numbers stand.
enum ChartNumberPlacement : int { kNumbersAtAxis = 1, kNumbersAtMinimum = 2, kNumbersAtMaximum = 3 };
// Origin placement of an axis: the value on this axis at which the other axis
// crosses it (for "Y" that is where the x axis is drawn).
enum ChartOriginPlacement : int { kOriginAtZero = 1, kOriginAtMinimum = 2, kOriginAtMaximum = 3, kOriginAtValue = 4 };
// Orientation codes: legend 1 vertical, 2 horizontal; titles and numbers
// 1 horizontal (a y title then stands above its axis), 2 vertical.
enum ChartOrientation : int { kVertical = 1, kHorizontal = 2 };
enum ChartTextOrientation : int { kTextHorizontal = 1, kTextVertical = 2 };
// Display state of a series: 1 shown, 2 and 3 hidden (both keep the data).
enum ChartDisplay : int { kSeriesShown = 1, kSeriesHidden = 2, kSeriesHiddenToo = 3 };

enum class ChartAxis : int { X = 0, Y = 1, Y2 = 2 };
enum class ChartSpacing : int { Grid = 0, Tick = 1, Number = 2 };
enum class ChartTextBlock : int { Header = 0, Footer = 1 };
enum class ChartSide : int { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// The axis of a name "X", "Y" or "Y2" (exactly); false for any other name.
bool chartAxisByName(std::string_view name, ChartAxis& axis);
const char* chartAxisName(ChartAxis axis);

struct ChartFont {
    std::string name = "Arial";
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const ChartFont&) const = default;
};

struct ChartSeriesStyle {
    int linePattern = 2;
    Colour lineColour = 0;
    int lineWidth = 1;  // pixels
    int symbolShape = 1;
    Colour symbolColour = 0;
    int symbolSize = 6;  // pixels
    bool operator==(const ChartSeriesStyle&) const = default;
};

struct ChartSeriesData {
    std::vector<double> x, y;  // point i is element i - 1; both as long as the point count
    int display = kSeriesShown;
    ChartSeriesStyle style;
    bool operator==(const ChartSeriesData&) const = default;
};

struct ChartGroupData {
    std::vector<ChartSeriesData> series;
    std::vector<std::string> seriesLabels;  // legend texts; label s belongs to series s
    bool storeData = true;                  // a template keeps the points of this group
    bool operator==(const ChartGroupData&) const = default;
};

struct ChartLabelData {
    std::string text;
    bool shown = true;
    int group = 1;
    int series = 1;  // attached series (a fresh label n is attached to series n)
    int point = 1;   // attached point index, at least 1
    int border = 0;
    Colour textColour = 0;
    Colour backColour = RGB(255, 255, 255);
    ChartFont font;
    int offset = 4;  // pixels right of and above the point
    bool operator==(const ChartLabelData&) const = default;
};

struct ChartTextBlockData {
    std::string text;  // lines separated by CR LF, CR or LF
    bool shown = true;
    bool autoLeft = true;  // centred over the chart area
    bool autoTop = true;   // header at the top, footer at the bottom
    int left = 0;          // pixels from the control's left edge (used when not automatic)
    int top = 0;
    int border = 0;
    Colour textColour = 0;
    Colour backColour = kChartTransparent;
    ChartFont font{"Arial", 12, false, false, false, false};
    bool operator==(const ChartTextBlockData&) const = default;
};

struct ChartLegendData {
    bool shown = false;
    bool autoLeft = true;  // right of the chart area
    bool autoTop = true;   // vertically centred on the chart area
    int left = 0;
    int top = 0;
    int orientation = kVertical;
    int border = 4;
    Colour backColour = RGB(255, 255, 255);
    Colour textColour = 0;
    ChartFont font;
    bool operator==(const ChartLegendData&) const = default;
};

struct ChartSpacingData {
    double value = 1;       // used while not automatic; always finite and > 0
    bool automatic = true;  // the chart chooses the spacing from the range
    bool operator==(const ChartSpacingData&) const = default;
};

struct ChartAxisData {
    bool shown = true;
    double min = 0, max = 10;          // shown bounds
    double dataMin = 0, dataMax = 10;  // data bounds (kept and returned, not drawn)
    bool logarithmic = false;
    std::string title;
    int titleOrientation = kTextVertical;  // of "Y" and "Y2"; the x title is always horizontal
    int numberOrientation = kTextHorizontal;
    ChartFont titleFont;
    ChartFont numberFont;
    Colour titleColour = kChartInherit;
    int gridPattern = 1;  // 1 = no grid
    Colour gridColour = RGB(143, 143, 143);
    std::array<ChartSpacingData, 3> spacing{};  // grid, tick, number
    int numberPlacement = kNumbersAtMinimum;
    int originPlacement = kOriginAtMinimum;
    double origin = 0;  // value for kOriginAtValue
    bool operator==(const ChartAxisData&) const = default;
};

struct ChartPlotAreaData {
    Colour backColour = RGB(255, 255, 255);
    bool frame = true;
    std::array<int, 4> margins{40, 20, 20, 40};  // left, right, top, bottom (pixels)
    std::array<bool, 4> autoMargins{true, true, true, true};
    bool operator==(const ChartPlotAreaData&) const = default;
};

struct ChartAreaData {
    bool automatic = true;  // fills the control around header, footer and legend
    int left = 0, top = 0, width = 0, height = 0;
    Colour backColour = RGB(255, 255, 255);
    Colour textColour = 0;  // axis lines, ticks and numbers
    bool operator==(const ChartAreaData&) const = default;
};

struct ChartSheetData {
    Colour backColour = RGB(255, 255, 255);
    int border = 0;
    int borderWidth = 1;
    bool operator==(const ChartSheetData&) const = default;
};

struct ChartModel {
    ChartSheetData sheet;
    ChartAreaData area;
    ChartPlotAreaData plot;
    std::array<ChartAxisData, 3> axes;  // X, Y, Y2
    std::array<ChartTextBlockData, 2> texts;  // header, footer
    ChartLegendData legend;
    std::array<ChartGroupData, kChartGroups> groups;
    std::array<ChartLabelData, kChartLabels> labels;  // label n is element n - 1
    bool operator==(const ChartModel&) const = default;

    ChartAxisData& axis(ChartAxis a) { return axes[static_cast<std::size_t>(a)]; }
    const ChartAxisData& axis(ChartAxis a) const { return axes[static_cast<std::size_t>(a)]; }
    ChartTextBlockData& text(ChartTextBlock b) { return texts[static_cast<std::size_t>(b)]; }
    const ChartTextBlockData& text(ChartTextBlock b) const { return texts[static_cast<std::size_t>(b)]; }
};

// The model of a fresh chart: no series, "Y2" hidden, label n attached to
// series n of group 1, header and footer empty, legend hidden.
ChartModel defaultChartModel();

// Checks shared by the component's setters and the template reader.
bool validLinePattern(int code);
bool validSymbolShape(int code);
bool validBorder(int code);
bool validDisplay(int code);
bool validNumberPlacement(int code);
bool validOriginPlacement(int code);
bool validOrientation(int code);      // legend: 1, 2
bool validTextOrientation(int code);  // titles, numbers: 1, 2
// A colour 0..&HFFFFFF; -1 as well when allowMinusOne (transparent or inherited).
bool validColour(Colour c, bool allowMinusOne);
bool validLineWidth(int w);   // 1..20
bool validSymbolSize(int s);  // 1..100
bool validBorderWidth(int w); // 1..20
bool validCoordinate(int v);  // -20000..20000
bool validExtent(int v);      // 0..20000
bool validLabelOffset(int v); // -1000..1000
bool validFont(const ChartFont& f);  // a name without control characters, size 1..200
// An axis bound: finite, at most 1E+300 in size, and positive on a logarithmic axis.
bool validBound(double v, bool logarithmic);

// Every value of the model within its range (the checks above, the
// counts within the limits, x and y of equal length, spacings > 0 and
// finite, logarithmic axes with positive bounds).
bool validChartModel(const ChartModel& model);

// The hole test: y is the hole value (or above it), or x or y not finite.
bool chartIsHole(double x, double y);

}  // namespace vrn
