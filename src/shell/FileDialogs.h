// The dialog-driven procedures of the data-set and project files.
//
// They reach the dialogs through the file-dialog hooks (shell/Hooks.h); the
// GUI installs the real dialogs (installFileDialogs in shell/FileDialogsQt.h):
// the platform save box with overwrite prompt, the program's own open dialog
// frmCmnDlg and the comment window frmCommentInput. Tests replace them with
// scripted functions. Without a hook a save box or open dialog counts as
// cancelled and the comment stays as it is.
#pragma once

#include <string>

namespace vrn {

// Folder and name joined with "/" (none added when the folder ends in "/" or "\").
std::string joinFolderName(const std::string& folder, const std::string& name);
// The path with everything after its last "/" or "\" removed (the separator stays).
std::string folderWithSeparator(const std::string& path);

// Runs the open dialog. Accepted: cancelled := false, fileName := the chosen
// bare name, directory := its folder. Otherwise cancelled := true and both stay.
void CmnDlgOpen(std::string& fileName, std::string& directory, const std::string& pattern,
                const std::string& title, bool& cancelled);

// Asks for a data-set file (pattern "*.VRD", start folder ExpDateiPfad,
// proposed name the bare name of ExpDateiName; title "Laden experimenteller
// Daten", or "Daten aus gewähltem File anfügen" when appending) and loads it.
// ok := false first. Cancelled: nothing changes. Otherwise ExpDateiPfad :=
// the chosen folder, and when the file is read completely: replacing empties
// the data set first (ClearExpDaten), ExpDateiName := the full name (also when
// appending), the data are taken (LoadDataFile) and ok := true. A file that
// cannot be read changes nothing else and "Meldung von LoadDataFile" says why.
void LoadExpDataDialog(bool append, bool& ok, bool& cancelled);

// Save box "Datenfile speichern unter ..." (proposed: the bare name of
// ExpDateiName in its folder, or ExpDateiPfad when the name has none;
// extension VRD), then WriteDataFile. failed := false when the
// file was written: ExpDateiName := the chosen name, ExpDateiPfad := its
// folder (with separator), bDatenGeaendert := false. failed := true when the
// box was cancelled or writing failed; the data set keeps its name then.
// The chosen folder becomes the current directory.
void SaveDataFileAs(bool& failed);

// Asks "Die experimentellen Daten wurden geändert." / "Jetzt speichern?"
// (Yes, No, Cancel; title "WARNUNG"). Yes saves with SaveDataFileAs; abort :=
// true when the user cancels or the save did not happen, else false.
void AskSaveChangedData(bool& abort);

// Save box "aktuelles Projekt speichern unter ..." (proposed ProjDateiName,
// start folder ProjDateiPfad, extension VRP), then WriteProjectFile (which asks
// for the comment). ProjDateiPfad := the chosen folder; ProjDateiName stays.
// The chosen folder becomes the current directory. Cancelling writes nothing
// and shows nothing. Returns true when the file was written.
bool SaveProjectAs();

// Asks for a project file ("*.VRP", title "Projekt laden (*.VRP)", start from
// ProjDateiName in ProjDateiPfad) and reads it with LoadProjectFile.
// ok := false first. Cancelled: cancelled := true, nothing changes.
// Otherwise ProjDateiName := the chosen bare name, ProjDateiPfad := its folder,
// fileName := the full path, and ok, datName and *kEinheit come from LoadProjectFile.
void LoadProjectDialog(std::string& fileName, std::string& datName, bool& ok, bool& cancelled,
                       std::string* kEinheit = nullptr);

}  // namespace vrn
