// Fuzzes the chart template reader (*.oc2). For every input: a refusal carries
// a message and leaves the model passed in as it was; an accepted model is one
// the chart takes (validChartModel), and written and read again it gives the
// same model and the same text.
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "platform/ChartModel.h"
#include "platform/ChartTemplate.h"

using namespace vrn;
using vrn::fuzz::check;

namespace {

// A model unlike the reader's defaults, so that a refusal that touched it shows.
ChartModel marked() {
    ChartModel m = defaultChartModel();
    m.text(ChartTextBlock::Header).text = "vorher";
    m.axis(ChartAxis::X).min = -7;
    m.groups[0].series.resize(3);
    m.groups[0].series[1].x = {1, 2};
    m.groups[0].series[1].y = {3, 4};
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ChartModel before = marked();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ChartModel m = before;
    const ChartTemplateResult r = readChartTemplate(bytes, m);
    if (!r.ok) {
        check(!r.message.empty());
        check(r.line >= 0);
        check(m == before);
        return 0;
    }
    check(r.message.empty());
    check(validChartModel(m));
    const std::string text = writeChartTemplate(m);
    ChartModel again = before;
    const ChartTemplateResult back = readChartTemplate(text, again);
    check(back.ok);
    check(again == m);
    check(writeChartTemplate(again) == text);
    return 0;
}
