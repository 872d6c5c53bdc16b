#include "data/XYFileDialogs.h"

#include "data/XYFile.h"
#include "data/XYList.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

bool saveBox(const std::string& title, const std::string& folder, std::string& chosen) {
    auto& hook = hooks().fileDialogs.askSaveFileName;
    const SaveBoxRequest r{title, app.XYDateiName, folder, "XY", kXYFilterSpeichern};
    return hook && hook(r, chosen) && !chosen.empty();
}

void folgeDatei(const std::string& path) {
    app.XYDateiName = path;
    app.XYDateiPfad = folderWithSeparator(path);
}

}  // namespace

void ladeXYDatei(std::string& FileTitle, std::string& kommentar, bool& bCancel) {
    bCancel = true;
    auto& hook = hooks().fileDialogs.askOpenFileName;
    const SaveBoxRequest r{"(Kurven)punkte vom File laden", app.XYDateiName, app.XYDateiPfad, "XY", kXYFilterLaden};
    std::string chosen;
    if (!hook || !hook(r, chosen) || chosen.empty()) return;
    app.XYDateiPfad = folderWithSeparator(chosen);

    // Read line by line: only the points are kept, whatever the number of lines.
    std::string error;
    XYDateiInhalt inhalt;
    TextLineReader reader;
    if (reader.open(chosen, error, kMaxXYDateiBytes)) {
        // A refusal of the lines names the file (the reasons of open name it already).
        if (!leseXYDatei(reader, inhalt, error)) {
            error += "\r\n(Datei: " + chosen + ")";
        } else {
            std::vector<XYPunkt> pts(1);
            pts.insert(pts.end(), inhalt.punkte.begin(), inhalt.punkte.end());
            xyListeSetzen(pts);
            app.XYDateiName = chosen;
            FileTitle = StripPath(chosen);
            kommentar = inhalt.kommentar;
            bCancel = false;
            return;
        }
    }
    showFailure("ladeXYDatei", error + "\r\n\r\nDie Liste bleibt unverändert.");
}

bool speichereXYDatei(const std::string& kommentar) {
    if (app.nXYPunkte < 1) {
        Beep();
        return false;
    }
    std::string chosen;
    if (!saveBox("(Kurven)punkte speichern unter ...", app.AppPath, chosen)) return false;
    folgeDatei(chosen);
    std::string error;
    if (!writeTextLines(chosen, formatXYDatei(kommentar, app.XYDaten, app.nXYPunkte, app.Trennzeichen), error)) {
        MsgBox(error, MsgButtons::OK, MsgIcon::Critical, "FEHLER");
        return false;
    }
    return true;
}

bool speichereKurveAlsXY(const std::vector<double>& x, const std::vector<double>& y) {
    std::string error;
    std::vector<std::string> lines;
    if (!formatKurveXY(x, y, app.Trennzeichen, lines, error)) {
        showFailure("cmdSaveCurveAsXY", error + "\r\n\r\n" + kKurveNichtGespeichert);
        return false;
    }
    std::string chosen;
    if (!saveBox("Kurve speichern unter ...", app.XYDateiPfad, chosen)) return false;
    folgeDatei(chosen);
    if (!writeTextLines(chosen, lines, error)) {
        showFailure("cmdSaveCurveAsXY", error);
        return false;
    }
    return true;
}

}  // namespace vrn
