// The per-user settings store: an INI file in the format of QSettings
// (application and organisation name = the executable's name, here
// "varnolt"), in the user's configuration folder.
//
// QSettings (Qt 6.4, IniFormat) reads the file, so that the program reads
// every file, hand-edited ones too, as QSettings does; a damaged line (its
// FormatError) leaves every other key readable. Before it reads, the file is
// checked as every other file of the program: only a plain file of a
// settings file's size that can be read is given to it (a pipe in its place
// is refused at once, never waited for).
// The store writes the file itself, in the text QSettings writes for the keys
// and values QSettings read, through the safe save of base/SafeSave.h: a
// read-only file, a folder where no file may be made, a loop of symbolic
// links, a full disk or a limit on the size of files leave the old file as it
// was and name the reason and the file (QSettings' own save reports no
// reason, and needs a lock file beside the settings file).
#pragma once

#include <QString>

#include <string>

namespace vrn {

// The stored value, or defaultValue when the key is absent or the store
// cannot be read. A store that is refused (see below) gives defaultValue and
// the reason, which names the file, in error (when given); a missing file is
// no failure.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue,
                   std::string* error = nullptr);

// Stores the value. False when it could not be stored, with the reason in
// error (when given); the store's file is then left as it was. Storing the
// value the store already holds writes nothing. A file that is no UTF-8 text
// (UTF-16, UTF-32, Latin-1, binary data) is refused for reading and writing
// alike and left untouched.
bool SaveSetting(const QString& section, const QString& key, const QString& value, std::string* error = nullptr);

// The store's file.
QString settingsFilePath();
// Moves the store into another folder (tests and tools); empty: the user's
// configuration folder.
void setSettingsFolder(const QString& folder);

}  // namespace vrn
