// Chart templates (*.oc2): the whole chart model as a text file of our own.
//
// Layout: the first line names the format and its version,
//   VARNOLT-Diagrammvorlage 1
// then one section per element, "[name]" on a line of its own followed by
// "key=value" lines, and a closing "[end]":
//   [sheet] [chartarea] [plotarea] [header] [footer] [legend]
//   [axis X] [axis Y] [axis Y2] [group 1] [group 2]
//   [series g s] for every series s of group g, [label n] for n = 1..64
// A value is a list of tokens separated by blanks: whole numbers, numbers in
// the shortest form that reads back to the same double (decimal point,
// "1e+308" for the hole), flags 0/1, and texts in double quotes with the
// escapes \\ \" \r \n \t and \u{hex} (for characters outside Latin-1 and
// control characters). "points=n" and "seriesLabels=n" are followed by n
// lines, "x y" per point and one quoted text per legend text.
// Written in Latin-1 with CR LF and read in Latin-1 again, whatever its bytes
// look like, so that every text comes back as saved (the Latin-1 bytes of
// "Maß²" happen to be valid UTF-8 too). Only a file that starts with a UTF-8
// byte-order mark, which an editor may have added, is read as UTF-8. LF-only
// lines are read too.
//
// A reader never trusts the file: it reads line by line and keeps only what
// it takes into the model, refuses a file that is no template at its first
// line, requires every section and key exactly once, counts and numbers in the
// model's ranges (a number other than 0 too near 0 for a Double is refused,
// never read as 0; a spacing lies above 0 within the range of a Single, as
// its box takes it) and axes whose minimum lies below their maximum (and
// above 0 when logarithmic); the first fault ends the reading with a message
// naming its line and, for a value, its entry ("Eintrag \"gridSpacing\": ..."). On a refusal the model passed in is left as it was.
#pragma once

#include <string>
#include <string_view>

#include "platform/ChartModel.h"

namespace vrn {

constexpr const char* kChartTemplateFormat = "VARNOLT-Diagrammvorlage";
constexpr int kChartTemplateVersion = 1;

struct ChartTemplateResult {
    bool ok = false;
    int line = 0;         // line of the fault (1-based), 0 when the file could not be read or written
    std::string message;  // German text for the user, empty on success
};

// The template text of a model (Latin-1 bytes with CR LF).
std::string writeChartTemplate(const ChartModel& model);

// Reads template bytes; on success model := the template's chart. On failure
// model is unchanged and the result names the line and the fault.
ChartTemplateResult readChartTemplate(std::string_view bytes, ChartModel& model);

// File versions. Saving goes through saveFileSafely (base/SafeSave.h): an
// existing file is replaced only by a completely written one. A file that
// cannot be read is refused with its reason (line 0): missing, a folder, no
// permission, a loop of symbolic links, larger than 256 MB.
ChartTemplateResult saveChartTemplate(const std::string& path, const ChartModel& model);
ChartTemplateResult loadChartTemplate(const std::string& path, ChartModel& model);

}  // namespace vrn
