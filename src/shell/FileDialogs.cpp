#include "shell/FileDialogs.h"

#include <filesystem>
#include <system_error>

#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/DataFile.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "shell/ProjectFile.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {

// The folder of a file chosen in a save box becomes the current directory.
void makeCurrentFolderOf(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(nativePath(path)).parent_path();
    if (!folder.empty()) std::filesystem::current_path(folder, ec);
}

bool askSaveFileName(const SaveBoxRequest& request, std::string& chosen) {
    const auto& hook = hooks().fileDialogs.askSaveFileName;
    if (!hook || !hook(request, chosen) || chosen.empty()) return false;
    makeCurrentFolderOf(chosen);
    return true;
}

}  // namespace

std::string joinFolderName(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/' || folder.back() == '\\') return folder + name;
    return folder + "/" + name;
}

std::string folderWithSeparator(const std::string& path) {
    const std::size_t pos = path.find_last_of("\\/");
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

void CmnDlgOpen(std::string& fileName, std::string& directory, const std::string& pattern, const std::string& title,
                bool& cancelled) {
    OpenDialogRequest r{fileName, directory, pattern, title};
    const auto& hook = hooks().fileDialogs.openDialog;
    if (hook && hook(r)) {
        cancelled = false;
        fileName = r.fileName;
        directory = r.directory;
    } else {
        cancelled = true;
    }
}

void LoadExpDataDialog(bool append, bool& ok, bool& cancelled) {
    ok = false;
    std::string name = StripPath(app.ExpDateiName);
    std::string dir = app.ExpDateiPfad;
    CmnDlgOpen(name, dir, "*.VRD", append ? "Daten aus gewähltem File anfügen" : "Laden experimenteller Daten",
               cancelled);
    if (cancelled) return;
    app.ExpDateiPfad = dir;
    if (name.empty()) return;
    try {
        std::string full = joinFolderName(dir, name);
        PendingDataLoad pending;
        std::string error;
        if (!prepareDataFileLoad(full, append, pending, error)) {
            reportDataLoadFailure(error);
            return;
        }
        if (!append) ClearExpDaten();
        app.ExpDateiName.swap(full);
        commitDataFile(pending);
        ok = true;
    } catch (const std::exception& e) {
        reportDataLoadFailure(exceptionText(e));
    }
}

void SaveDataFileAs(bool& failed) {
    failed = true;
    std::string chosen;
    // The box opens where the data set in use lies, with its name.
    const std::string ordner = folderWithSeparator(app.ExpDateiName);
    if (!askSaveFileName({"Datenfile speichern unter ...", StripPath(app.ExpDateiName),
                          ordner.empty() ? app.ExpDateiPfad : ordner, "VRD", "Datenfile (*.VRD *.vrd)"},
                         chosen))
        return;
    bool ok = false;
    WriteDataFile(chosen, ok);
    if (!ok) return;
    failed = false;
    app.ExpDateiName = chosen;
    app.ExpDateiPfad = folderWithSeparator(chosen);
    app.bDatenGeaendert = false;
}

void AskSaveChangedData(bool& abort) {
    abort = false;
    const MsgAnswer a = MsgBox("Die experimentellen Daten wurden geändert.\r\nJetzt speichern?",
                               MsgButtons::YesNoCancel, MsgIcon::Exclamation, "WARNUNG");
    if (a == MsgAnswer::Yes) SaveDataFileAs(abort);
    else if (a == MsgAnswer::Cancel) abort = true;
}

bool SaveProjectAs() {
    std::string chosen;
    if (!askSaveFileName({"aktuelles Projekt speichern unter ...", app.ProjDateiName, app.ProjDateiPfad, "VRP",
                          "VARNOLT-Projektdatei (*.VRP *.vrp)"},
                         chosen))
        return false;
    const bool written = WriteProjectFile(chosen);
    app.ProjDateiPfad = folderWithSeparator(chosen);
    return written;
}

void LoadProjectDialog(std::string& fileName, std::string& datName, bool& ok, bool& cancelled,
                       std::string* kEinheit) {
    ok = false;
    std::string name = app.ProjDateiName;
    std::string dir = app.ProjDateiPfad;
    CmnDlgOpen(name, dir, "*.VRP", "Projekt laden (*.VRP)", cancelled);
    if (cancelled) return;
    app.ProjDateiName = name;
    app.ProjDateiPfad = dir;
    fileName = joinFolderName(dir, name);
    if (!name.empty()) LoadProjectFile(fileName, datName, ok, kEinheit);
}

}  // namespace vrn
