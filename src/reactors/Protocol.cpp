#include "reactors/Protocol.h"

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "base/NumberText.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

std::string twoDigits(int v) {
    v = ((v % 100) + 100) % 100;
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

const char* titleOf(int quelle) {
    switch (quelle) {
        case kQuelleRKconti: return "Calculation of a Continuous Stirred Tank Reactor (CSTR)";
        case kQuelleBatch: return "Calculation of a Batch Reactor";
        case kQuelleRohrreaktor: return "Calculation of a Tubular Flow Reactor (TFR)";
        default: return nullptr;
    }
}

}  // namespace

std::vector<std::string> protocolLines(const std::vector<ProtTabRow>& rows, const std::string& trenn, int quelle,
                                       const CalendarDate& datum, const std::string& zeiteinheit) {
    return protocolLines(rows, {}, trenn, quelle, datum, zeiteinheit);
}

std::vector<std::string> protocolLines(const std::vector<ProtTabRow>& rows, const std::vector<std::string>& einheiten,
                                       const std::string& trenn, int quelle, const CalendarDate& datum,
                                       const std::string& zeiteinheit) {
    std::vector<std::string> lines;
    lines.push_back("VARNOLT: Kinetics of chemical reactions");
    lines.push_back("Protocol from " + twoDigits(datum.month) + "-" + twoDigits(datum.day) + "-" +
                    std::to_string(datum.year));
    if (const char* title = titleOf(quelle)) lines.push_back(title);

    std::array<bool, kProtSpaltenZahl> written{};
    for (const ProtTabRow& row : rows)
        for (int i = 0; i < kProtSpaltenZahl; ++i)
            if (row[u(i)] != 0) written[u(i)] = true;
    std::string header;
    for (int i = 0; i < kProtSpaltenZahl; ++i)
        if (written[u(i)]) header += kProtSpalten[u(i)] + trenn;
    // The units lines and the header of a block of rows computed in unit z.
    auto kopf = [&](const std::string& z) {
        lines.push_back("units: [c(i)] = mol/L   [k_1] = 1/" + z + "   [k_2] = L/(mol " + z +
                        ")   [U(A)] = 1    [t] = " + z + "   [l] = m     [v] = m^3");
        lines.push_back("        [ksi()] = kmol/m^3   (extent of reaction)");
        lines.push_back("");
        lines.push_back(header);
    };
    auto einheitVon = [&](std::size_t r) {
        return r < einheiten.size() && !einheiten[r].empty() ? einheiten[r] : zeiteinheit;
    };
    if (rows.empty()) kopf(zeiteinheit);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r == 0 || einheitVon(r) != einheitVon(r - 1)) kopf(einheitVon(r));
        std::string line;
        for (int i = 0; i < kProtSpaltenZahl; ++i)
            if (written[u(i)]) line += Format(rows[r][u(i)]) + trenn;
        lines.push_back(line);
    }
    return lines;
}

bool appendProtZeile() {
    ProtTabRow row{};
    for (int i = 0; i < kProtSpaltenZahl; ++i) {
        const double v = app.ProtZeile[u(i)];
        if (!(std::fabs(v) <= static_cast<double>(FLT_MAX))) return false;
        row[u(i)] = static_cast<Single>(v);
    }
    app.ProtTabelle.resize(u(std::max<int>(0, app.nProtZeilen)));
    app.ProtEinheiten.resize(app.ProtTabelle.size());
    app.ProtTabelle.push_back(row);
    app.ProtEinheiten.push_back(rtrim(app.sZeiteinheit));
    app.nProtZeilen = static_cast<Integer>(app.ProtTabelle.size());
    app.bProtOffen = true;
    return true;
}

std::string protocolPath(const std::string& name) {
    if (name.find('\\') != std::string::npos || name.find('/') != std::string::npos) return name;
    return joinPath(app.AppPath, name);
}

ReactorStatus writeProtocolFile(int quelle, const CalendarDate& datum) {
    SanduhrEin();
    app.ProtDateiName = protocolPath(app.ProtDateiName);
    const std::size_t n = std::min(app.ProtTabelle.size(), u(std::max<int>(0, app.nProtZeilen)));
    const std::vector<ProtTabRow> rows(app.ProtTabelle.begin(), app.ProtTabelle.begin() + static_cast<long>(n));
    std::vector<std::string> einheiten(app.ProtEinheiten.begin(),
                                       app.ProtEinheiten.begin() + static_cast<long>(std::min(n, app.ProtEinheiten.size())));
    const auto lines = protocolLines(rows, einheiten, app.Trennzeichen, quelle, datum, rtrim(app.sZeiteinheit));
    std::string error;
    const bool ok = writeTextLines(app.ProtDateiName, lines, error);
    SanduhrAus();
    if (!ok) return ReactorStatus::failure(error, kProtFehlerTitel);
    return {};
}

bool protocolClipboardText(const std::string& path, const std::string& trenn, std::string& text) {
    // Line by line into the text: memory grows with the text, not with a list of its lines.
    TextLineReader reader;
    std::string error, line, out;
    if (!reader.open(path, error)) return false;
    const bool tauschen = !trenn.empty() && trenn != "\t";
    while (reader.next(line)) {
        if (!tauschen) {
            out += line;
        } else {
            for (std::size_t i = 0; i < line.size();) {
                if (line.compare(i, trenn.size(), trenn) == 0) {
                    out += '\t';
                    i += trenn.size();
                } else {
                    out += line[i++];
                }
            }
        }
        out += "\r\n";
    }
    if (!reader.error().empty()) return false;
    text = std::move(out);
    return true;
}

ReactorStatus closeProtocolFile(int quelle, const CalendarDate& datum, std::string& clipboard) {
    clipboard.clear();
    if (app.bProtOffen) {
        const ReactorStatus s = writeProtocolFile(quelle, datum);
        if (!s.ok) return s;
    }
    const std::string path = nativePath(protocolPath(app.ProtDateiName));
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0 && !ec)
        std::filesystem::remove(path, ec);
    if (!protocolClipboardText(path, app.Trennzeichen, clipboard)) clipboard.clear();
    app.ProtDateiName = SetAutoProtName();
    app.bProtOffen = false;
    app.nProtZeilen = 0;
    app.ProtTabelle.clear();
    app.ProtEinheiten.clear();
    return {};
}

}  // namespace vrn
