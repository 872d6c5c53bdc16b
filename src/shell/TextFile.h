// Text files of the program on disk.
//
// Writing: lines end in CR LF; the text goes out in Latin-1 so that the files
// stay readable by older programs. A text that holds a character Latin-1 lacks
// (a euro sign, say), or whose Latin-1 bytes would read back as UTF-8 ("Ã¤"),
// is written in UTF-8 instead, so that it reads back unchanged.
// Reading: the bytes are taken as UTF-8 when they are valid UTF-8, otherwise
// as Latin-1; byte-order marks at the start of UTF-8 are dropped; CR LF, LF alone and
// CR alone all end a line. Inside the program every text is UTF-8.
//
// Failures come back as a German text for the user (never an exception).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vrn {

// Largest text file the readers take (a full data set is about 10 MB).
inline constexpr std::size_t kMaxTextFileBytes = 64u * 1024u * 1024u;

bool isValidUtf8(std::string_view bytes);
std::string latin1ToUtf8(std::string_view latin1);
// UTF-8 to Latin-1; false (and out unspecified) when a character has no Latin-1 form.
bool utf8ToLatin1(std::string_view utf8, std::string& out);

// Bytes of a file to UTF-8 text (rule above).
std::string decodeText(std::string_view bytes);
// UTF-8 text to the bytes written to disk (rule above).
std::string encodeText(std::string_view utf8);
// Lines to the bytes of a file: each line ended by CR LF (line breaks inside a
// line become blanks), the whole text encoded by the rule above.
std::string encodeLines(const std::vector<std::string>& lines);

// Splits a text at CR LF, LF or CR. A final line end does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// "\" and "/" both separate folders in the program's paths; the file system wants "/".
std::string nativePath(const std::string& path);

// Reads a whole text file into lines (UTF-8). False with a failure text when
// the file cannot be opened or read or is larger than maxBytes.
bool readTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error,
                   std::size_t maxBytes = kMaxTextFileBytes);

// Reads only the first maxLines lines (for previews); at most maxBytes bytes are
// looked at. False with a failure text when the file cannot be opened or read.
bool readFirstLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                    std::string& error, std::size_t maxBytes = 64u * 1024u);

// Writes the lines, each ended by CR LF. The file is first written beside the
// target and then moved over it, so a failed write leaves an existing file as
// it was. False with a failure text.
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);

// The failure text for an errno value of an operation on path.
std::string fileErrorText(int err, const std::string& path);

}  // namespace vrn
