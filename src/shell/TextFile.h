// Text files of the program on disk.
//
// Writing: lines end in CR LF; the text goes out in Latin-1 so that the files
// stay readable by older programs. A text that holds a character Latin-1 lacks
// (a euro sign, say), or whose Latin-1 bytes would read back as UTF-8 ("Ã¤"),
// is written in UTF-8 instead, so that it reads back unchanged.
// Reading: the bytes are taken as UTF-8 when they are valid UTF-8, otherwise
// as Latin-1; byte-order marks at the start of UTF-8 are dropped; CR LF, LF alone and
// CR alone all end a line. A file with a NUL byte is no text (UTF-16 and
// UTF-32 are named as such). Inside the program every text is UTF-8.
//
// Failures come back as a German text for the user (never an exception).
#pragma once

#include <cstddef>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "base/SafeSave.h"

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

// Largest line the readers take: no line of the program's files comes near it.
inline constexpr std::size_t kMaxTextLineBytes = 1024u * 1024u;

// Reads a text line by line, keeping only the line at hand: memory grows with
// what the caller keeps, never with the file. The encoding is decided for the
// whole text before the first line (rule above); a text with a NUL byte is
// refused (one that starts as UTF-16 or UTF-32 is named so), as is a line
// longer than kMaxTextLineBytes.
class TextLineReader {
public:
    TextLineReader();
    ~TextLineReader();
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;

    // Opens a file. False with a failure text when it is no plain file (a
    // folder, a named pipe, a device: refused at once, see base/PlainFile.h),
    // cannot be opened or read, is larger than maxBytes or is no text of ours.
    bool open(const std::string& path, std::string& error, std::size_t maxBytes = kMaxTextFileBytes);
    // Reads the bytes of a text in memory (they must outlive the reader).
    bool openBytes(std::string_view bytes, std::string& error);
    // The next line (UTF-8, without its line end). False at the end of the
    // text, or on a failure, which error() then names (empty at the end).
    bool next(std::string& line);
    const std::string& error() const { return error_; }
    // Number of the line next() returned last (1 = the first line).
    std::size_t lineNumber() const { return lineNo_; }

private:
    bool readChunk();
    bool scan(std::size_t maxBytes);
    std::FILE* file_ = nullptr;
    std::string path_;
    std::string_view memory_;
    std::size_t memoryPos_ = 0;
    std::string buf_;
    std::size_t pos_ = 0;
    bool eof_ = false;
    bool skipLf_ = false;
    bool utf8_ = true;
    std::size_t lineNo_ = 0;
    std::string error_;
};

// Reads a whole text file into lines (UTF-8). False with a failure text when
// the file cannot be opened or read, is larger than maxBytes or is no text
// (see TextLineReader). Every line is kept, an empty one too, so memory grows
// with the number of lines: a reader that keeps less goes through
// TextLineReader.
bool readTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error,
                   std::size_t maxBytes = kMaxTextFileBytes);

// Reads only the first maxLines lines (for previews); at most maxBytes bytes are
// looked at. False with a failure text when the file is no plain file or
// cannot be opened or read.
bool readFirstLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                    std::string& error, std::size_t maxBytes = 64u * 1024u);

// Writes the lines, each ended by CR LF, by saveFileSafely. False with a failure text.
bool writeTextLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);

// The failure text for an exception that a file procedure caught at its
// boundary (memory exhausted, say), so that it can refuse instead of ending
// the program.
std::string exceptionText(const std::exception& e);


}  // namespace vrn
