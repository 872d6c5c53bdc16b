#include "shell/ProjectFile.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"
#include "shell/FileItems.h"
#include "base/NumberText.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

constexpr std::size_t kMaxProjectFileBytes = 1024u * 1024u;

std::string upper(std::string s) {
    for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string oneLine(std::string s) {
    for (char& ch : s)
        if (ch == '\r' || ch == '\n') ch = ' ';
    return s;
}

// Kinds of the number items of lines 4 to 13.
enum class Kind { Modell, Double, Integer, Single };
struct LineRule {
    int line;
    int items;
    Kind kind;
};
constexpr LineRule kLineRules[] = {
    {4, 1, Kind::Modell}, {5, 3, Kind::Double},  {6, 1, Kind::Integer}, {7, 1, Kind::Integer},
    {8, 1, Kind::Integer}, {9, 1, Kind::Integer}, {10, 4, Kind::Integer}, {11, 1, Kind::Single},
    {12, 1, Kind::Single}, {13, 2, Kind::Single},
};

std::string defaultShortDate() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d.%m.%Y", &tm);
    return buf;
}

}  // namespace

bool isModellNummer(long n) { return (n >= 1 && n <= 18) || n == 20; }

namespace {

bool parseProjectLines(const std::vector<std::string>& lines, ProjectFileContent& out, std::string& error) {
    out = ProjectFileContent{};
    if (lines.size() < static_cast<std::size_t>(kVrpZeilen)) {
        error = lines.empty() ? std::string("Die Datei ist leer.")
                              : "Unerwartetes Dateiende: Zeile " + std::to_string(lines.size() + 1) + " fehlt.";
        return false;
    }
    out.datum = readTextItem(lines[0]);
    out.kommentar = lines[1];
    std::string_view dat = trimBlanks(lines[2]);
    if (dat.size() >= 2 && dat.front() == '"' && dat.back() == '"') dat = trimBlanks(dat.substr(1, dat.size() - 2));
    out.datName = std::string(dat);
    if (!out.datName.empty() && !endsWith(upper(out.datName), "VRD")) {
        error = "Zeile 3: \"" + out.datName + "\" ist kein Datenfile (*.VRD).";
        return false;
    }
    for (const LineRule& rule : kLineRules) {
        const std::string& line = lines[static_cast<std::size_t>(rule.line - 1)];
        if (const std::size_t count = countItems(line); static_cast<int>(count) != rule.items) {
            error = "Zeile " + std::to_string(rule.line) + ": " + std::to_string(rule.items) + " Wert(e) erwartet, " +
                    std::to_string(count) + " gefunden.";
            return false;
        }
        const auto items = splitItems(line);
        for (int i = 0; i < rule.items; ++i) {
            const std::string_view item = items[static_cast<std::size_t>(i)];
            ItemError e = ItemError::None;
            long n = 0;
            double d = 0;
            Single f = 0;
            switch (rule.kind) {
                case Kind::Modell:
                    e = readIntegerItem(item, -32768, 32767, n);
                    if (e == ItemError::None && !isModellNummer(n)) e = ItemError::OutOfRange;
                    out.modell = static_cast<Integer>(n);
                    break;
                case Kind::Double:
                    e = readDoubleItem(item, d);
                    out.k[static_cast<std::size_t>(i)] = d;
                    break;
                case Kind::Integer: e = readIntegerItem(item, -32768, 32767, n); break;
                case Kind::Single: e = readSingleItem(item, f); break;
            }
            if (e != ItemError::None) {
                error = itemErrorText(e, rule.line, rule.items > 1 ? i + 1 : 0, item);
                return false;
            }
        }
    }
    return true;
}

// The first kVrpZeilen lines of a project file (the rest is never read).
bool readProjectLines(TextLineReader& reader, std::vector<std::string>& lines, std::string& error) {
    std::string line;
    while (lines.size() < static_cast<std::size_t>(kVrpZeilen) && reader.next(line)) lines.push_back(line);
    if (reader.error().empty()) return true;
    error = reader.error();
    return false;
}

}  // namespace

bool parseProjectFile(std::string_view bytes, ProjectFileContent& out, std::string& error) {
    TextLineReader reader;
    std::vector<std::string> lines;
    return reader.openBytes(bytes, error) && readProjectLines(reader, lines, error) &&
           parseProjectLines(lines, out, error);
}

bool formatProjectFile(const ProjectFileContent& c, std::vector<std::string>& lines, std::string& error) {
    lines.clear();
    for (double k : c.k) {
        if (!std::isfinite(k)) {
            error = "Eine Geschwindigkeitskonstante hat keinen gültigen Zahlenwert.";
            return false;
        }
    }
    lines.push_back(oneLine(c.datum));
    lines.push_back(oneLine(c.kommentar));
    lines.push_back(oneLine(c.datName));
    lines.push_back(Str(static_cast<int>(c.modell)) + " ");
    lines.push_back(numberItem(c.k[0]) + "," + numberItem(c.k[1]) + "," + numberItem(c.k[2]));
    for (int i = 0; i < 4; ++i) lines.emplace_back("0");
    lines.emplace_back("0,0,0,0");
    lines.emplace_back("0");
    lines.emplace_back("0");
    lines.emplace_back("0,0");
    lines.emplace_back("x");
    lines.emplace_back("x");
    return true;
}

std::string StripPath(const std::string& path) {
    const std::size_t pos = path.find_last_of("\\/");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

bool WriteProjectFile(const std::string& fileName) {
    std::string error;
    try {
        if (endsWith(upper(fileName), "VRNLASTSESSION.VRP")) {
            app.ProjKommentar = kSessionKommentar;
        } else if (const auto& ask = hooks().fileDialogs.askProjectComment) {
            ask();
        }
        ProjectFileContent c;
        const auto& datum = hooks().fileDialogs.shortDateText;
        c.datum = datum ? datum() : defaultShortDate();
        c.kommentar = app.ProjKommentar;
        c.datName = StripPath(app.ExpDateiName);
        c.modell = app.iModell;
        c.k = {app.k[1], app.k[2], app.k[3]};
        std::vector<std::string> lines;
        if (formatProjectFile(c, lines, error) && writeTextLines(fileName, lines, error)) return true;
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    MsgBox(error, MsgButtons::OK, MsgIcon::Critical, kProjektSpeicherFehler);
    return false;
}

void LoadProjectFile(const std::string& fileName, std::string& datName, bool& ok) {
    std::string why;
    try {
        std::vector<std::string> lines;
        std::string error;
        ProjectFileContent c;
        TextLineReader reader;
        const bool opened = reader.open(fileName, error, kMaxProjectFileBytes);
        // Something other than a plain file in the file's place (a pipe, a
        // folder, a loop of links) is named; a missing file is not.
        namespace fs = std::filesystem;
        std::error_code ec;
        const std::string p = nativePath(fileName);
        if (!opened && fs::symlink_status(p, ec).type() != fs::file_type::not_found &&
            fs::status(p, ec).type() != fs::file_type::regular)
            why = error;
        if (opened && readProjectLines(reader, lines, error) && parseProjectLines(lines, c, error)) {
            std::string name = c.datName;
            app.ProjKommentar.swap(c.kommentar);
            app.iModell = c.modell;
            for (int i = 0; i < 3; ++i) app.k[static_cast<std::size_t>(i + 1)] = c.k[static_cast<std::size_t>(i)];
            datName.swap(name);
            ok = true;
            return;
        }
    } catch (const std::exception&) {
        // A project that cannot be read for lack of memory is refused like a broken one.
    }
    ok = false;
    MsgBox(why.empty() ? std::string(kProjektFormatFehler) : std::string(kProjektFormatFehler) + "\r\n\r\n" + why,
           MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
}

void ReadFileComment(const std::string& fileName, std::string& comment, bool& ok) {
    ok = true;
    std::string error;
    try {
        std::vector<std::string> lines;
        if (readFirstLines(fileName, 2, lines, error)) {
            if (lines.size() >= 2) {
                comment = lines[1];
                return;
            }
            error = "Unerwartetes Dateiende (der Kommentar in Zeile 2 fehlt): " + fileName;
        }
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    ok = false;
    MsgBox(error, MsgButtons::OK, MsgIcon::Critical, "FEHLER");
}

}  // namespace vrn
