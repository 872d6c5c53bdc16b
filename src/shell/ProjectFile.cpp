#include "shell/ProjectFile.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "base/TimeUnitTexts.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/DataFile.h"
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

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// k(1..3) converted from unit `from` into unit `to` (indices 0..4) as a change
// of the unit converts them; false when a result is not finite.
bool convertRateConstants(std::array<double, 3>& k, int from, int to) {
    const double f = zeitfaktor(from, to);
    if (f == 0) return false;
    std::array<double, 3> out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out[i] = k[i] / f;
        if (!std::isfinite(out[i])) return false;
    }
    k = out;
    return true;
}

// The time unit (0..4) of the data-set file as it lies on disk; -1 when there
// is no file, it cannot be read or its unit is not one of the five.
int unitOfDataFile(const std::string& fileName) {
    if (fileName.empty()) return -1;
    PendingDataLoad pending;
    std::string error;
    if (!prepareDataFileLoad(fileName, false, pending, error)) return -1;
    return zeitEinheitIndex(pending.zeiteinheit);
}

// k(1..3) and their unit for the project: in the unit of its data-set file,
// which is read back with it, else in the unit in force.
void rateConstantsForProject(ProjectFileContent& c) {
    c.k = {app.k[1], app.k[2], app.k[3]};
    const int inForce = zeitEinheitIndex(app.sZeiteinheit);
    if (inForce < 0) return;
    int unit = inForce;
    if (const int ofData = unitOfDataFile(app.ExpDateiName); ofData >= 0 && ofData != inForce &&
                                                             convertRateConstants(c.k, inForce, ofData))
        unit = ofData;
    c.kEinheit = kZeiteinheitText[u(unit)];
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
    // Line 14 names the time unit of the rate constants; older files hold "x".
    if (const int unit = zeitEinheitIndex(readTextItem(lines[13])); unit >= 0)
        out.kEinheit = kZeiteinheitText[static_cast<std::size_t>(unit)];
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
                static const char* const kNamen[] = {"k1", "k2", "k3"};
                const std::string name = rule.kind == Kind::Double ? kNamen[i] : rule.kind == Kind::Modell ? "Modell" : "";
                error = itemErrorText(e, rule.line, rule.items > 1 ? i + 1 : 0, item, name);
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
    lines.push_back(zeitEinheitIndex(c.kEinheit) >= 0 ? c.kEinheit : std::string("x"));
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
        rateConstantsForProject(c);
        std::vector<std::string> lines;
        if (formatProjectFile(c, lines, error) && writeTextLines(fileName, lines, error)) return true;
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    MsgBox(error, MsgButtons::OK, MsgIcon::Critical, kProjektSpeicherFehler);
    return false;
}

void LoadProjectFile(const std::string& fileName, std::string& datName, bool& ok, std::string* kEinheit) {
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
        // A plain file that cannot be read as text (a NUL byte, a line too long) says why too.
        else if (!opened && fs::status(p, ec).type() == fs::file_type::regular)
            why = error;
        const bool gelesen = opened && readProjectLines(reader, lines, error) && parseProjectLines(lines, c, error);
        // A file that was opened and refused is named with its line and field.
        if (opened && !gelesen) why = error + "\r\n(Datei: " + fileName + ")";
        if (gelesen) {
            std::string name = c.datName;
            app.ProjKommentar.swap(c.kommentar);
            app.iModell = c.modell;
            for (int i = 0; i < 3; ++i) app.k[static_cast<std::size_t>(i + 1)] = c.k[static_cast<std::size_t>(i)];
            datName.swap(name);
            if (kEinheit) kEinheit->swap(c.kEinheit);
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

void rateConstantsIntoUnitInForce(const std::string& kEinheit) {
    const int from = zeitEinheitIndex(kEinheit), to = zeitEinheitIndex(app.sZeiteinheit);
    if (from < 0 || to < 0 || from == to) return;
    std::array<double, 3> k{app.k[1], app.k[2], app.k[3]};
    if (!convertRateConstants(k, from, to)) return;
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = k[i];
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
