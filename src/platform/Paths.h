// Folders of the program. Read-only resources (tips file, help pages, cursor
// files, sample projects) ship beside the executable; the writable program
// folder is the per-user data folder, created at start-up, where the
// last-session file, the protocol files and the file dialogs' folders live.
#pragma once

#include <QString>

#include <string>

namespace vrn {

QString resourceFolder();
void setResourceFolder(const QString& folder);

// The writable program folder (no trailing separator); created when missing.
QString programFolder();
void setProgramFolder(const QString& folder);

// Creates the program folder; on its first creation copies the sample
// projects and data sets into it. Returns the folder.
QString prepareProgramFolder();

// Why a file could not be written there, as a German sentence for the user:
// the folder is missing, is not writable, the name is a folder, the file is
// write-protected, or (none of these) the file could not be written.
QString writeFailureReason(const QString& path);

// Qt string <-> the core's UTF-8 strings.
std::string toStd(const QString& s);
QString toQ(const std::string& s);

}  // namespace vrn
