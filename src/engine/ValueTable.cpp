#include "engine/ValueTable.h"

#include "shell/AppState.h"
#include "base/NumberText.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {

// Columns per model: species slot of columns 1..4.
std::array<int, 4> columnsOf(int model) {
    switch (model) {
        case 4: case 12: case 17: return {1, 2, 0, 4};
        case 6: case 14: case 15: return {1, 0, 3, 4};
        case 7: case 9: case 10: case 13: case 18: return {1, 2, 3, 4};
        case 11: case 16: return {1, 0, 4, 5};
        default: return {1, 0, 0, 4};
    }
}

// Counts characters, not bytes, so that a header with an umlaut still fills 14 places.
std::size_t utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char ch : s)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

std::string header(int slot, int model) {
    if (slot == 0) return " ";
    static const char* const names[] = {"", "A", "B", "C", "P", "Q"};
    std::string letter = names[slot];
    if (model == 10 && slot <= 3) letter = slot == 1 ? "E" : slot == 2 ? "S" : "ES";
    if (app.bRateDiagramm) return "r" + letter + "/(mol/l/" + app.sZeiteinheit + ")";
    return "c" + letter + "/(mol/l)";
}

const std::vector<double>& concentrations(int slot) {
    switch (slot) {
        case 1: return app.cSim_A;
        case 2: return app.cSim_B;
        case 3: return app.cSim_C;
        case 4: return app.cSim_P;
        default: return app.cSim_Q;
    }
}

const std::vector<Single>& rates(int slot) {
    switch (slot) {
        case 1: return app.rSim_A;
        case 2: return app.rSim_B;
        case 3: return app.rSim_C;
        case 4: return app.rSim_P;
        default: return app.rSim_Q;
    }
}

bool michaelisTable() { return app.iModell == 10 && app.bMMdiagramm; }

}  // namespace

std::string field14(const std::string& s) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size() && chars < 14;) {
        std::size_t len = 1;
        const auto ch = static_cast<unsigned char>(s[i]);
        if (ch >= 0xF0) len = 4;
        else if (ch >= 0xE0) len = 3;
        else if (ch >= 0xC0) len = 2;
        out += s.substr(i, len);
        i += len;
        ++chars;
    }
    const std::size_t n = utf8Length(out);
    if (n < 14) out += std::string(14 - n, ' ');
    return out;
}

std::array<int, 4> valueTableColumns() {
    if (michaelisTable()) return {0, 0, 0, 4};
    return columnsOf(app.iModell);
}

std::string buildValueTable() {
    const auto cols = valueTableColumns();
    const bool mm = michaelisTable();
    std::string xHeader = mm ? (app.bMMnormiert ? "S(0)/KM" : "S(0)/ (mol/l)") : " t/" + app.sZeiteinheit;
    std::string text = "\r\n      " + field14(xHeader);
    for (int c = 0; c < 4; ++c) {
        std::string h = mm ? (c == 3 ? "rP/rP,max" : " ") : header(cols[static_cast<std::size_t>(c)], app.iModell);
        text += "\t" + field14(h);
    }
    text += "\r\n\r\n";
    const int n = app.nSimPunkte;
    for (int i = 0; i <= n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        std::string row = "      " + field14(u < app.tSim.size() ? Format(app.tSim[u], "#####0.00") : "");
        for (int c = 0; c < 4; ++c) {
            const int slot = cols[static_cast<std::size_t>(c)];
            std::string v;
            if (slot != 0) {
                if (mm || app.bRateDiagramm) {
                    const auto& r = rates(slot);
                    if (u < r.size()) v = Format(r[u]);
                } else {
                    const auto& cv = concentrations(slot);
                    if (u < cv.size()) v = FormatAlsSingle(cv[u]);
                }
            }
            row += "\t" + field14(v);
        }
        text += "\r\n" + row;
    }
    return text;
}

}  // namespace vrn
