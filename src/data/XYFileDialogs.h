// The x-y file with its file boxes: loading and saving the editor's list and
// saving one chart curve. The boxes come through the file-dialog hooks
// (shell/Hooks.h); without a hook a box counts as cancelled.
// XYDateiName and XYDateiPfad follow the files chosen, so every box opens at
// the last x-y file; the separator written is Trennzeichen.
#pragma once

#include <string>
#include <vector>

namespace vrn {

// The file filters of the boxes.
inline constexpr const char* kXYFilterLaden = "x-y-Daten (*.XY *.xy);;x-y-Daten (*.LRG *.lrg)";
inline constexpr const char* kXYFilterSpeichern = "x-y-Daten (*.XY *.xy)";

// Open box "(Kurven)punkte vom File laden" (start folder XYDateiPfad,
// proposed XYDateiName), then the file is read (XYFile.h). Cancelled:
// bCancel := true and nothing changes. A chosen file: XYDateiPfad := its
// folder; when it is read, the list (XYDaten, nXYPunkte) becomes its points,
// XYDateiName := the path, FileTitle := the name without folder, kommentar :=
// its line 1 and bCancel := false. A file that cannot be read or is refused
// shows why, with its line, field and file ("Meldung von ladeXYDatei"),
// bCancel := true, the list stays.
void ladeXYDatei(std::string& FileTitle, std::string& kommentar, bool& bCancel);

// With no point: beep, false. Otherwise the save box "(Kurven)punkte
// speichern unter ..." (proposed XYDateiName, start folder the program
// folder, extension XY); cancelled: false, nothing changes. Chosen:
// XYDateiName := the path, XYDateiPfad := its folder, and the comment and the
// active points are written. True when the file was written; a failed write
// shows its reason (critical, "FEHLER") and leaves an existing file as it was.
bool speichereXYDatei(const std::string& kommentar);

// The chart's "Kurve als XY speichern": save box "Kurve speichern unter ..."
// (proposed XYDateiName, start folder XYDateiPfad, extension XY); cancelled:
// false, nothing changes. Chosen: XYDateiName, XYDateiPfad follow it and the
// curve is written with the comment "Kurvenpunkte" in quotes. True when
// written; a failed write shows "Meldung von cmdSaveCurveAsXY". A curve with
// a value beyond the range of a Single, which the reader would refuse, is
// refused before the box with the reader's reason and kKurveNichtGespeichert
// (same title); nothing is written and nothing changes.
inline constexpr const char* kKurveNichtGespeichert = "Die Kurve wurde nicht gespeichert.";
bool speichereKurveAlsXY(const std::vector<double>& x, const std::vector<double>& y);

}  // namespace vrn
