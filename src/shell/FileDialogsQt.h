// The Qt side of the file dialogs (the file-dialog hooks of shell/Hooks.h).
#pragma once

#include <string>

#include "shell/Hooks.h"

namespace vrn {

class VrnForm;

// Installs the real dialogs into hooks().fileDialogs: the save box (QFileDialog,
// Qt's own, with overwrite prompt), the program's open dialog frmCmnDlg, the
// comment window frmCommentInput and the locale's short date.
void installFileDialogs();

// The save box: title, filter, default extension, start folder and proposed
// name of the request; true with the chosen full path, false when cancelled.
bool qtAskSaveFileName(const SaveBoxRequest& request, std::string& chosen);

// The platform's open box for an existing file: title, filter, default
// extension and start folder of the request; true with the chosen full path.
bool qtAskOpenFileName(const SaveBoxRequest& request, std::string& chosen);

// Runs the open dialog frmCmnDlg for CmnDlgOpen (sets it up, shows it modally,
// reads the result and unloads it). True when a file was accepted.
bool qtOpenDialog(OpenDialogRequest& request);

// Shows the comment window modally; it leaves the comment in ProjKommentar.
void qtAskProjectComment();

// Shows a window application-modal and returns when it is hidden, unloaded or
// deleted (the event loop runs meanwhile).
void runModal(VrnForm& form);

}  // namespace vrn
