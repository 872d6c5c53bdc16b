// The project file (*.VRP) and the last-session file "VrnLastSession.VRP":
// 15 text lines.
//
//    1  the date, in the locale's short form (never read back)
//    2  the project comment ProjKommentar (whole line)
//    3  the bare name of the data-set file (empty: no data set)
//    4  the model number iModell, printed " 2 "
//    5  k(1), k(2), k(3)
//    6-9   "0" each;  10 "0,0,0,0";  11-12 "0" each;  13 "0,0";  15 "x"
//           (reserved; written with these values, checked and dropped on reading)
//   14  the time unit of k(1..3): "s", "min", "h", "d" or "a"; "x" (as in
//       older files, where the line was reserved) when it is not known, and
//       the rate constants are then in the unit the program has after loading
//       the project's data set
//
// Items follow shell/FileItems.h; text follows shell/TextFile.h.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/Types.h"

namespace vrn {

inline constexpr const char* kSessionKommentar = "VARNOLT last session";
inline constexpr const char* kProjektFormatFehler = "Projektfile hat falsches Format";
inline constexpr const char* kProjektSpeicherFehler = "Fehler beim Abspeichern der Sitzungs-Datei";
inline constexpr int kVrpZeilen = 15;

// A model number that exists: 1..18 and 20.
bool isModellNummer(long n);

struct ProjectFileContent {
    std::string datum;
    std::string kommentar;
    std::string datName;
    Integer modell = 0;
    std::array<double, 3> k{};
    std::string kEinheit;  // the time unit of k ("s" .. "a"); empty: not known
};

// Reads the text of a project file. False with a failure text (naming the line)
// when a line is missing, an item is not a finite number or is too near 0 for
// a Double (k1 = 1E-400 is refused, never read as 0), the model number is
// not one of 1..18, 20, or the data-set name neither is empty nor ends in
// "VRD" (compared in upper case). Line 3 is taken whole, so names with commas
// are kept. Never throws.
bool parseProjectFile(std::string_view bytes, ProjectFileContent& out, std::string& error);

// The 15 lines of a project file. False with a failure text when a rate
// constant is not finite. Line breaks inside texts become blanks.
bool formatProjectFile(const ProjectFileContent& content, std::vector<std::string>& lines, std::string& error);

// The part of a path after its last "\" or "/" (the whole text when there is none).
std::string StripPath(const std::string& path);

// Writes the current project: the date, ProjKommentar, StripPath(ExpDateiName),
// iModell and k(1..3) with their time unit. The rate constants are written in
// the unit of the data-set file as it lies on disk (the unit in which the
// project is read back; the data set in memory may be in another one, when
// its changes were not saved), else in the unit in force. For a name ending
// in "VRNLASTSESSION.VRP" (any case) the
// comment becomes "VARNOLT last session" (in ProjKommentar too); otherwise the
// comment window asks for it first (through hooks().fileDialogs.askProjectComment).
// Returns true when written; on failure a message titled "Fehler beim
// Abspeichern der Sitzungs-Datei" says why and an existing file stays as it was.
bool WriteProjectFile(const std::string& fileName);

// Reads a project: ProjKommentar, iModell and k(1..3) are taken and the bare
// data-set name is returned in datName; ok := true; *kEinheit (when given)
// := the time unit of k named by the file ("" when it names none). On any failure (missing
// file, wrong format, see parseProjectFile) nothing changes, datName keeps its
// value, ok := false and "Projektfile hat falsches Format" is shown (title
// " Ausführung nicht möglich "); for a file that was read and refused the
// reason follows (its line and field, "Zeile 5, Wert 1 (k1): ...", and the
// file), and when something other than a plain file stands in the file's
// place (a named pipe, a folder), the reason why it cannot be read.
void LoadProjectFile(const std::string& fileName, std::string& datName, bool& ok, std::string* kEinheit = nullptr);

// After a project and its data set were loaded: k(1..3), read in the unit
// kEinheit, are converted into the unit in force (sZeiteinheit) as a change of
// the unit converts them (divided by Zeitfaktor(kEinheit, unit in force)), so
// that they are the constants that were saved. Nothing changes for an empty
// or unknown unit, for the unit in force, or when a result would not be finite.
void rateConstantsIntoUnitInForce(const std::string& kEinheit);

// Line 2 of a project file for the open dialog's preview; changes no state.
// ok := true when read; on failure ok := false and a message titled "FEHLER" says why.
void ReadFileComment(const std::string& fileName, std::string& comment, bool& ok);

}  // namespace vrn
