#include "platform/ChartModel.h"

#include <algorithm>
#include <cmath>

namespace vrn {

namespace {
template <std::size_t N, class Row>
bool hasCode(const std::array<Row, N>& table, int code) {
    return std::any_of(table.begin(), table.end(), [code](const Row& r) { return r.code == code; });
}
}  // namespace

bool chartAxisByName(std::string_view name, ChartAxis& axis) {
    if (name == "X") axis = ChartAxis::X;
    else if (name == "Y") axis = ChartAxis::Y;
    else if (name == "Y2") axis = ChartAxis::Y2;
    else return false;
    return true;
}

const char* chartAxisName(ChartAxis axis) {
    switch (axis) {
        case ChartAxis::X: return "X";
        case ChartAxis::Y: return "Y";
        case ChartAxis::Y2: return "Y2";
    }
    return "X";
}

ChartModel defaultChartModel() {
    ChartModel m;
    m.axis(ChartAxis::Y2).shown = false;
    m.text(ChartTextBlock::Footer).font.size = 10;
    for (int n = 1; n <= kChartLabels; ++n) m.labels[static_cast<std::size_t>(n - 1)].series = n;
    return m;
}

bool validLinePattern(int code) { return hasCode(kChartLinePatterns, code); }
bool validSymbolShape(int code) { return hasCode(kChartSymbols, code); }
bool validBorder(int code) { return hasCode(kChartBorders, code); }
bool validDisplay(int code) { return code >= kSeriesShown && code <= kSeriesHiddenToo; }
bool validNumberPlacement(int code) { return code >= 1 && code <= 3; }
bool validOriginPlacement(int code) { return code >= 1 && code <= 4; }
bool validOrientation(int code) { return code == kVertical || code == kHorizontal; }
bool validTextOrientation(int code) { return code == kTextHorizontal || code == kTextVertical; }

bool validColour(Colour c, bool allowMinusOne) {
    return (c >= 0 && c <= 0xFFFFFF) || (allowMinusOne && c == -1);
}

bool validLineWidth(int w) { return w >= 1 && w <= 20; }
bool validSymbolSize(int s) { return s >= 1 && s <= 100; }
bool validBorderWidth(int w) { return w >= 1 && w <= 20; }
bool validCoordinate(int v) { return v >= -kChartMaxCoordinate && v <= kChartMaxCoordinate; }
bool validExtent(int v) { return v >= 0 && v <= kChartMaxCoordinate; }
bool validLabelOffset(int v) { return v >= -1000 && v <= 1000; }

bool validFont(const ChartFont& f) {
    if (!std::isfinite(f.size) || f.size < 1 || f.size > 200) return false;
    if (f.name.empty() || f.name.size() > 200) return false;
    return std::none_of(f.name.begin(), f.name.end(),
                        [](char ch) { return static_cast<unsigned char>(ch) < 0x20; });
}

bool validBound(double v, bool logarithmic) {
    return std::isfinite(v) && std::fabs(v) <= 1E+300 && (!logarithmic || v > 0);
}

namespace {

bool validTextBlock(const ChartTextBlockData& t) {
    return validCoordinate(t.left) && validCoordinate(t.top) && validBorder(t.border) &&
           validColour(t.textColour, false) && validColour(t.backColour, true) && validFont(t.font);
}

bool validAxis(const ChartAxisData& a) {
    const bool spacings = std::all_of(a.spacing.begin(), a.spacing.end(), [](const ChartSpacingData& s) {
        return std::isfinite(s.value) && s.value > 0;
    });
    return validBound(a.min, a.logarithmic) && validBound(a.max, a.logarithmic) && std::isfinite(a.dataMin) &&
           std::isfinite(a.dataMax) && validTextOrientation(a.titleOrientation) &&
           validTextOrientation(a.numberOrientation) && validFont(a.titleFont) && validFont(a.numberFont) &&
           validColour(a.titleColour, true) && validLinePattern(a.gridPattern) && validColour(a.gridColour, false) &&
           spacings && validNumberPlacement(a.numberPlacement) && validOriginPlacement(a.originPlacement) &&
           validBound(a.origin, false);
}

bool validSeries(const ChartSeriesData& s) {
    const ChartSeriesStyle& st = s.style;
    return s.x.size() == s.y.size() && s.x.size() <= static_cast<std::size_t>(kChartMaxPoints) &&
           validDisplay(s.display) && validLinePattern(st.linePattern) && validColour(st.lineColour, false) &&
           validLineWidth(st.lineWidth) && validSymbolShape(st.symbolShape) && validColour(st.symbolColour, false) &&
           validSymbolSize(st.symbolSize) &&
           std::all_of(s.x.begin(), s.x.end(), [](double v) { return std::isfinite(v); }) &&
           std::all_of(s.y.begin(), s.y.end(), [](double v) { return std::isfinite(v); });
}

bool validLabel(const ChartLabelData& l) {
    return l.group >= 1 && l.group <= kChartGroups && l.series >= 1 && l.series <= kChartMaxSeries &&
           l.point >= 1 && l.point <= kChartMaxPoints && validBorder(l.border) && validColour(l.textColour, false) &&
           validColour(l.backColour, true) && validFont(l.font) && validLabelOffset(l.offset);
}

}  // namespace

bool validChartModel(const ChartModel& m) {
    if (!validColour(m.sheet.backColour, false) || !validBorder(m.sheet.border) ||
        !validBorderWidth(m.sheet.borderWidth))
        return false;
    if (!validCoordinate(m.area.left) || !validCoordinate(m.area.top) || !validExtent(m.area.width) ||
        !validExtent(m.area.height) || !validColour(m.area.backColour, false) || !validColour(m.area.textColour, false))
        return false;
    if (!validColour(m.plot.backColour, false) ||
        !std::all_of(m.plot.margins.begin(), m.plot.margins.end(), validExtent))
        return false;
    if (!std::all_of(m.texts.begin(), m.texts.end(), validTextBlock)) return false;
    const ChartLegendData& g = m.legend;
    if (!validCoordinate(g.left) || !validCoordinate(g.top) || !validOrientation(g.orientation) ||
        !validBorder(g.border) || !validColour(g.backColour, true) || !validColour(g.textColour, false) ||
        !validFont(g.font))
        return false;
    if (!std::all_of(m.axes.begin(), m.axes.end(), validAxis)) return false;
    for (const ChartGroupData& grp : m.groups) {
        if (grp.series.size() > static_cast<std::size_t>(kChartMaxSeries) ||
            grp.seriesLabels.size() > static_cast<std::size_t>(kChartMaxSeriesLabels))
            return false;
        if (!std::all_of(grp.series.begin(), grp.series.end(), validSeries)) return false;
    }
    return std::all_of(m.labels.begin(), m.labels.end(), validLabel);
}

bool chartIsHole(double x, double y) { return y >= kChartHole || !std::isfinite(x) || !std::isfinite(y); }

}  // namespace vrn
