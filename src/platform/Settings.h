// The per-user settings store: an INI file in the format of QSettings
// (application and organisation name = the executable's name, here
// "varnolt"), in the user's configuration folder.
//
// The store's file is treated as every other file of the program: it is read
// only when it is a plain file (a pipe in its place is refused at once, never
// waited for), and saved by the safe save of base/SafeSave.h, so that a
// read-only file, a folder where no file may be made, a loop of symbolic
// links or a full disk leave the old file as it was and name the reason.
// Its text is read and changed in memory, in the form QSettings reads and
// writes; a damaged line (stray words or bytes) is left out, everything that
// can be read is kept.
#pragma once

#include <QString>

#include <string>

namespace vrn {

// The stored value, or defaultValue when the key is absent or the store
// cannot be read.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);

// Stores the value. False when it could not be stored, with the reason in
// error (when given); the store's file is then left as it was. Storing the
// value the store already holds writes nothing.
bool SaveSetting(const QString& section, const QString& key, const QString& value, std::string* error = nullptr);

// The store's file.
QString settingsFilePath();
// Moves the store into another folder (tests and tools); empty: the user's
// configuration folder.
void setSettingsFolder(const QString& folder);

}  // namespace vrn
