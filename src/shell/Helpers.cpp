#include "shell/Helpers.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {
int gPlainPointer = 0;  // the pointer when no screen is attached

int currentPointer() {
    const auto& h = hooks().screen.getMousePointer;
    return h ? h() : gPlainPointer;
}

void setPointer(int p) {
    if (const auto& h = hooks().screen.setMousePointer) h(p);
    else gPlainPointer = p;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }
}  // namespace

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

void ClearExpDaten() {
    for (int i = 1; i <= app.nExpPunkte && i < static_cast<int>(app.ExpDaten.size()); ++i) {
        Messpunkt& p = app.ExpDaten[static_cast<std::size_t>(i)];
        p.aus = 0;
        p.t = 0;
        p.c[1] = 0;
        p.c[2] = 0;
        p.k = 0;
        p.Temp = 0;
    }
    app.nExpPunkte = 0;
    datensatzGeschrieben();
    app.ExpDateiName.clear();
    app.bDatenGeaendert = false;
}

void SanduhrEin() {
    app.WaitCount = static_cast<Integer>(app.WaitCount + 1);
    if (app.WaitCount == 1) app.SavedMousePointer = static_cast<Integer>(currentPointer());
    if (currentPointer() != kHourglass) {
        setPointer(kHourglass);
        app.bBusy = true;
    }
}

void SanduhrAus() {
    app.WaitCount = static_cast<Integer>(app.WaitCount - 1);
    if (app.WaitCount >= 1) return;
    setPointer(app.SavedMousePointer);
    app.bBusy = false;
}

std::array<std::string, 3> rateConstantUnits(int iModell, std::string u) {
    u = rtrim(u);
    const std::string U0 = "/(mol/(" + u + "*l))";
    const std::string U1 = "/(1/" + u + ")";
    const std::string U2 = "/(l/(" + u + "*mol))";
    switch (iModell) {
        case 1: return {U0, U1, U1};
        case 3: case 4: case 9: case 10: case 13: case 18: case 17: return {U2, U1, U1};
        case 7: case 12: return {U2, U2, U1};
        case 20: return {"", U1, U1};
        default: return {U1, U1, U1};
    }
}

std::string ShortenPath(const std::string& path, int maxLen) {
    const int L = static_cast<int>(path.size());
    if (L <= maxLen) return path;
    if (maxLen < 6) maxLen = 6;
    int found = L + 1;  // 1-based position
    for (int i = L - maxLen + 6; i <= L; ++i) {
        if (i >= 1 && isSeparator(path[static_cast<std::size_t>(i - 1)])) {
            found = i;
            break;
        }
    }
    std::string tail = found <= L ? path.substr(static_cast<std::size_t>(found - 1)) : std::string();
    return path.substr(0, 3) + "..." + tail;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    auto eq = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || eq(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    try {
        bool hasSep = path.find('/') != std::string::npos || path.find('\\') != std::string::npos;
        std::string full = (!hasSep && !app.AppPath.empty()) ? joinPath(app.AppPath, path) : path;
        for (char& ch : full)
            if (ch == '\\') ch = '/';
        namespace fs = std::filesystem;
        fs::path fp(full);
        std::string name = fp.filename().string();
        if (name.empty()) return false;
        std::error_code ec;
        if (name.find_first_of("*?") == std::string::npos) {
            if (name[0] == '.') return false;
            return fs::is_regular_file(fp, ec) && !ec;
        }
        fs::path dir = fp.parent_path();
        if (dir.empty()) dir = ".";
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            std::string entry = it->path().filename().string();
            if (entry.empty() || entry[0] == '.') continue;
            std::error_code ec2;
            if (it->is_regular_file(ec2) && !ec2 && wildcardMatch(name, entry)) return true;
        }
        return false;
    } catch (...) {
        return false;
    }
}

}  // namespace vrn
