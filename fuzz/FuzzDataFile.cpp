// Fuzzes the data-set file reader. For every input: the reader either refuses
// it with a failure text, or returns a data set whose counts are bounded and
// whose numbers are all finite; writing that data set and reading it again
// gives the same text; and the data preparation and every range routine run
// on it without leaving a non-finite value in the axis store.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "shell/AppState.h"
#include "shell/DataFile.h"
#include "shell/DataPreparation.h"

using namespace vrn;
using vrn::fuzz::check;
using vrn::fuzz::fileBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool initialised = (resetAppState(""), true);
    (void)initialised;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    DataFileContent c;
    std::string error;
    if (!parseDataFile(bytes, c, error)) {
        check(!error.empty());
        return 0;
    }
    check(c.punkte.size() <= static_cast<std::size_t>(kMaxExpPunkte));
    check(c.punkte.size() == c.lambdaInf.size());
    double lambdaInf = 0;
    for (std::size_t i = 0; i < c.punkte.size(); ++i) {
        const Messpunkt& m = c.punkte[i];
        check(std::isfinite(m.t) && std::isfinite(m.k) && std::isfinite(m.Temp));
        for (double v : m.c) check(std::isfinite(v));
        check(std::isfinite(m.lambda) && std::isfinite(m.res3) && std::isfinite(m.res4));
        check(std::isfinite(c.lambdaInf[i]));
        check(m.aus == 0 || m.aus == -1);
        if (c.lambdaInf[i] > 0) lambdaInf = c.lambdaInf[i];
    }

    // Written and read again, the data set gives the same text.
    std::vector<std::string> first, second;
    check(formatDataFile(c.kommentar, c.zeiteinheit, c.punkte.data(), static_cast<int>(c.punkte.size()), lambdaInf,
                         first, error));
    DataFileContent again;
    check(parseDataFile(fileBytes(first), again, error));
    check(again.punkte.size() == c.punkte.size());
    check(formatDataFile(again.kommentar, again.zeiteinheit, again.punkte.data(),
                         static_cast<int>(again.punkte.size()), lambdaInf, second, error));
    check(first == second);

    // The analysis and the ranges of the data set.
    app.ExpDaten.assign(c.punkte.size() + 1, Messpunkt{});
    std::copy(c.punkte.begin(), c.punkte.end(), app.ExpDaten.begin() + 1);
    app.nExpPunkte = static_cast<Integer>(c.punkte.size());
    app.LambdaInf = lambdaInf;
    PrepareExpDaten();
    check(std::isfinite(app.tMaxDaten) && std::isfinite(app.Lambda0));
    check(app.nKurvenTemp >= 0 && app.nKurvenTemp <= 24);
    for (std::size_t i = 1; i < app.gKurvenTemp.size() && static_cast<int>(i) <= app.nKurvenTemp; ++i)
        check(std::isfinite(app.gKurvenTemp[i]));
    app.c0Daten[1] = c.punkte.empty() ? 0.0f : static_cast<Single>(std::fmax(-1e30, std::fmin(1e30, c.punkte[0].c[1])));
    for (int mode : {0, 6, 7}) {
        app.bAuswertungsart = static_cast<Byte>(mode);
        for (int kind = -11; kind <= -1; ++kind) {
            CalcDataRanges(static_cast<Integer>(kind), true);
            for (int s = 0; s < 24; ++s) check(std::isfinite(app.Achsenbereich[s]));
        }
    }
    for (int j = 1; j <= 5; ++j) CalcTangenteRange(static_cast<Integer>(j));
    CalcLambdaRange1();
    CalcLambdaRange2();
    for (int s = 0; s < 32; ++s) check(std::isfinite(app.Achsenbereich[s]));
    return 0;
}
