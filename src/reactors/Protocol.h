// The reactor protocol: rows collected from the reactor windows, written as a
// dated CSV file (yymmddNN.CSV) and copied to the clipboard with Tabs.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "reactors/ReactorStatus.h"
#include "shell/ProtName.h"
#include "shell/state/ReactorState.h"

namespace vrn {

// The column names, by protocol column (some with a leading blank).
inline constexpr std::array<const char*, kProtSpaltenZahl> kProtSpalten = {
    "c_A(A)", "c_A(B)", "c_A(C)", "c_A(P)", " c_A(Q)", "c_E(A)", "c_E(B)", "c_E(C)", "c_E(P)", " c_E(Q)",
    "k1",     " k2",    " k3",    "U(A)",   "t",       " l",     " V",     " V*",    " ksi(1)", " ksi(2)"};

// The window that opened the protocol, in the order the protocol looks for it.
enum ProtQuelle : Integer {
    kQuelleKeine = 0,
    kQuelleZeitDiagramm = 1,
    kQuelleRKconti = 2,
    kQuelleBatch = 3,
    kQuelleRohrreaktor = 4,
    kQuelleFitting = 5,
};

// Title of a failed protocol write.
inline constexpr const char* kProtFehlerTitel = "Meldung von schreibProtFileAndClose";

// The lines of a protocol file (without line ends): program line, date line
// "Protocol from mm-dd-yyyy", the reactor's title line (sources 2, 3, 4
// only), the two units lines with the time unit `zeiteinheit`, an empty line,
// the header and one line per row. Only the columns with a value other than 0
// in some row are written: the name, or the value in the locale's general
// number form of a Single (up to 7 significant digits), each followed by
// `trenn`.
std::vector<std::string> protocolLines(const std::vector<ProtTabRow>& rows, const std::string& trenn, int quelle,
                                       const CalendarDate& datum, const std::string& zeiteinheit);
// The same with the time unit of each row (`einheiten`, index as `rows`; a
// row without one is in `zeiteinheit`): every row stands under the units
// lines of the unit it was computed in. Where the unit changes from one row
// to the next, the two units lines, an empty line and the header come again
// before it; rows of one unit give the lines above.
std::vector<std::string> protocolLines(const std::vector<ProtTabRow>& rows, const std::vector<std::string>& einheiten,
                                       const std::string& trenn, int quelle, const CalendarDate& datum,
                                       const std::string& zeiteinheit);

// Appends app.ProtZeile as row nProtZeilen + 1 of app.ProtTabelle (in single
// precision), with the time unit in force (the unit it was computed in: a
// unit change makes the row no result, see iProtZeileQuelle); bProtOffen :=
// true. False, and nothing changes, when a value is not finite or beyond the
// range of a Single.
bool appendProtZeile();

// The path of a protocol file: a name without "\" or "/" lies in the program
// folder app.AppPath.
std::string protocolPath(const std::string& name);

// Writes app.ProtTabelle (rows 1..nProtZeilen) as a complete protocol file to
// app.ProtDateiName, which first becomes a full path (protocolPath), with the
// separator app.Trennzeichen and each row under the time unit it was computed
// in (app.ProtEinheiten; app.sZeiteinheit for a row without one). A failed
// write leaves the file as it was and returns the failure text with the title
// kProtFehlerTitel; the rows and flags are never changed here.
ReactorStatus writeProtocolFile(int quelle, const CalendarDate& datum);

// The clipboard text of a protocol file: every line followed by CR LF, every
// separator `trenn` replaced by a Tab. False when the file cannot be read.
bool protocolClipboardText(const std::string& path, const std::string& trenn, std::string& text);

// Closes the protocol file: when rows are open, writes them (a failure returns
// its status and changes nothing else: rows, bProtOffen and the name stay);
// deletes the file when it is empty; reads its clipboard text into
// `clipboard` (left empty when the file cannot be read); then
// ProtDateiName := the next free name (SetAutoProtName), bProtOffen := false,
// nProtZeilen := 0 and the table is emptied.
ReactorStatus closeProtocolFile(int quelle, const CalendarDate& datum, std::string& clipboard);

}  // namespace vrn
