#include "shell/TextFile.h"

#include "base/PlainFile.h"
#include "base/SafeSave.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>


namespace vrn {

namespace {

// Length of the UTF-8 sequence that starts at s[i], or 0 when it is not a
// valid, shortest-form sequence of a Unicode scalar value.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t len = 0;
    unsigned cp = 0;
    if (c >= 0xC2 && c <= 0xDF) { len = 2; cp = c & 0x1Fu; }
    else if (c >= 0xE0 && c <= 0xEF) { len = 3; cp = c & 0x0Fu; }
    else if (c >= 0xF0 && c <= 0xF4) { len = 4; cp = c & 0x07u; }
    else return 0;
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0u) != 0x80u) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3Fu);
    }
    if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return 0;
    if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return 0;
    return len;
}

struct FileCloser {
    std::FILE* f;
    ~FileCloser() {
        if (f) std::fclose(f);
    }
};

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t len = utf8SequenceLength(bytes, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool utf8ToLatin1(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(utf8[i]);
            ++i;
            continue;
        }
        if ((c == 0xC2 || c == 0xC3) && utf8SequenceLength(utf8, i) == 2) {
            const auto c2 = static_cast<unsigned char>(utf8[i + 1]);
            out.push_back(static_cast<char>(((c & 0x03) << 6) | (c2 & 0x3F)));
            i += 2;
            continue;
        }
        return false;
    }
    return true;
}

std::string decodeText(std::string_view bytes) {
    if (!isValidUtf8(bytes)) return latin1ToUtf8(bytes);
    // Byte-order marks at the start of a UTF-8 text are no part of it.
    while (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return std::string(bytes);
}

std::string encodeText(std::string_view utf8) {
    std::string latin1;
    if (utf8ToLatin1(utf8, latin1)) {
        const bool ascii = latin1.size() == utf8.size();
        if (ascii || !isValidUtf8(latin1)) return latin1;
    }
    if (isValidUtf8(utf8)) return std::string(utf8);
    // Not UTF-8 at all (should not happen inside the program): pass the bytes on.
    return std::string(utf8);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string nativePath(const std::string& path) {
    std::string p = path;
    for (char& ch : p)
        if (ch == '\\') ch = '/';
    return p;
}

std::string exceptionText(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return "Nicht genügend Arbeitsspeicher; die Datei lässt sich nicht bearbeiten.";
    return std::string("Unerwarteter Fehler: ") + e.what();
}


namespace {

// An incremental check of UTF-8: bytes are fed one at a time.
class Utf8Check {
public:
    void feed(unsigned char c) {
        if (!valid_) return;
        if (need_ == 0) {
            if (c < 0x80) return;
            if (c >= 0xC2 && c <= 0xDF) start(1, c & 0x1Fu, 0x80);
            else if (c >= 0xE0 && c <= 0xEF) start(2, c & 0x0Fu, 0x800);
            else if (c >= 0xF0 && c <= 0xF4) start(3, c & 0x07u, 0x10000);
            else valid_ = false;
            return;
        }
        if ((c & 0xC0u) != 0x80u) {
            valid_ = false;
            return;
        }
        cp_ = (cp_ << 6) | (c & 0x3Fu);
        if (--need_ == 0 && (cp_ < min_ || cp_ > 0x10FFFF || (cp_ >= 0xD800 && cp_ <= 0xDFFF))) valid_ = false;
    }
    bool valid() const { return valid_ && need_ == 0; }

private:
    void start(int need, unsigned cp, unsigned min) {
        need_ = need;
        cp_ = cp;
        min_ = min;
    }
    bool valid_ = true;
    int need_ = 0;
    unsigned cp_ = 0, min_ = 0;
};

// The failure text for a text that starts with these bytes when it holds a
// NUL byte: UTF-16 and UTF-32 are named, anything else is no text.
std::string nulText(std::string_view head, std::size_t lineNo, const std::string& path) {
    const auto b = [&](std::size_t i) { return i < head.size() ? static_cast<unsigned char>(head[i]) : 0x100u; };
    const bool bom16 = (b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF);
    const bool bom32 = (b(0) == 0 && b(1) == 0 && b(2) == 0xFE && b(3) == 0xFF) ||
                       (b(0) == 0xFF && b(1) == 0xFE && b(2) == 0 && b(3) == 0);
    // Without a byte-order mark: a first character of which one byte is NUL.
    const bool wide = (b(0) == 0) != (b(1) == 0);
    const std::string name = path.empty() ? std::string() : ": " + path;
    if (bom32) return "Die Datei ist in UTF-32 kodiert" + name + "\r\n" + "Gelesen werden Textdateien in UTF-8 oder Latin-1 (ANSI); speichern Sie die Datei in einer dieser Kodierungen.";
    if (bom16 || wide)
        return "Die Datei ist in UTF-16 kodiert" + name + "\r\n" + "Gelesen werden Textdateien in UTF-8 oder Latin-1 (ANSI); speichern Sie die Datei in einer dieser Kodierungen.";
    return "Zeile " + std::to_string(lineNo) + " enthält ein NUL-Zeichen; die Datei ist keine Textdatei" + name;
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

TextLineReader::TextLineReader() = default;

TextLineReader::~TextLineReader() {
    if (file_) std::fclose(file_);
}

bool TextLineReader::readChunk() {
    if (eof_) return false;
    constexpr std::size_t kChunk = 65536;
    if (pos_ > 0) {
        buf_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buf_.size();
    std::size_t got = 0;
    if (file_) {
        buf_.resize(old + kChunk);
        got = std::fread(buf_.data() + old, 1, kChunk, file_);
        buf_.resize(old + got);
        if (got < kChunk) {
            eof_ = true;
            if (std::ferror(file_)) {
                error_ = fileErrorText(EIO, path_);
                return false;
            }
        }
    } else {
        got = std::min(kChunk, memory_.size() - memoryPos_);
        buf_.append(memory_.substr(memoryPos_, got));
        memoryPos_ += got;
        if (memoryPos_ == memory_.size()) eof_ = true;
    }
    return got > 0;
}

// First pass over the whole text: its size, its encoding and NUL bytes.
bool TextLineReader::scan(std::size_t maxBytes) {
    Utf8Check utf8;
    std::string head;
    std::size_t total = 0, lines = 1;
    for (;;) {
        const bool got = readChunk();
        if (!error_.empty()) return false;
        if (head.size() < 4) head.append(buf_.substr(0, 4 - head.size()));
        for (char ch : buf_) {
            if (ch == '\0') {
                error_ = nulText(head, lines, path_);
                return false;
            }
            if (ch == '\n') ++lines;
            utf8.feed(static_cast<unsigned char>(ch));
        }
        total += buf_.size();
        buf_.clear();
        pos_ = 0;
        if (total > maxBytes) {
            error_ = "Die Datei ist zu groß: " + path_;
            return false;
        }
        if (!got || eof_) break;
    }
    utf8_ = utf8.valid();
    // Back to the start for the lines.
    eof_ = false;
    memoryPos_ = 0;
    if (file_ && std::fseek(file_, 0, SEEK_SET) != 0) {
        error_ = fileErrorText(EIO, path_);
        return false;
    }
    return true;
}

bool TextLineReader::open(const std::string& path, std::string& error, std::size_t maxBytes) {
    path_ = path;
    if (path.empty()) {
        error = error_ = "Kein Dateiname angegeben.";
        return false;
    }
    file_ = openPlainFile(path, error_);
    if (!file_) {
        error = error_;
        return false;
    }
    if (!scan(maxBytes)) {
        error = error_;
        return false;
    }
    return true;
}

bool TextLineReader::openBytes(std::string_view bytes, std::string& error) {
    memory_ = bytes;
    if (!scan(bytes.size())) {
        error = error_;
        return false;
    }
    return true;
}

bool TextLineReader::next(std::string& line) {
    line.clear();
    if (!error_.empty()) return false;
    bool any = false;
    for (;;) {
        if (pos_ >= buf_.size() && !readChunk()) {
            if (!error_.empty()) return false;
            if (pos_ >= buf_.size()) break;
        }
        if (skipLf_) {
            skipLf_ = false;
            if (buf_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        const std::size_t end = std::find_if(buf_.begin() + static_cast<std::ptrdiff_t>(pos_), buf_.end(), isLineEnd) -
                                buf_.begin();
        line.append(buf_, pos_, end - pos_);
        any = any || end > pos_;
        pos_ = end;
        if (line.size() > kMaxTextLineBytes) {
            error_ = "Zeile " + std::to_string(lineNo_ + 1) + " ist zu lang (mehr als " +
                     std::to_string(kMaxTextLineBytes) + " Zeichen): " + path_;
            line.clear();
            return false;
        }
        if (end < buf_.size()) {
            skipLf_ = buf_[end] == '\r';
            ++pos_;
            any = true;
            break;
        }
    }
    if (!any) return false;
    ++lineNo_;
    if (utf8_) {
        // Byte-order marks at the start of a UTF-8 text are no part of it.
        if (lineNo_ == 1)
            while (line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    } else {
        line = latin1ToUtf8(line);
    }
    return true;
}

bool readTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error,
                   std::size_t maxBytes) {
    TextLineReader reader;
    if (!reader.open(path, error, maxBytes)) return false;
    std::vector<std::string> read;
    std::string line;
    while (reader.next(line)) read.push_back(std::move(line));
    if (!reader.error().empty()) {
        error = reader.error();
        return false;
    }
    lines = std::move(read);
    return true;
}

bool readFirstLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                    std::string& error, std::size_t maxBytes) {
    if (path.empty()) {
        error = "Kein Dateiname angegeben.";
        return false;
    }
    FileCloser f{openPlainFile(path, error)};
    if (!f.f) return false;
    std::string bytes(maxBytes, '\0');
    bytes.resize(std::fread(bytes.data(), 1, maxBytes, f.f));
    if (std::ferror(f.f)) {
        error = fileErrorText(EIO, path);
        return false;
    }
    // Cut after the last complete line we need, so that decoding sees only those.
    std::size_t cut = 0, found = 0;
    for (std::size_t i = 0; i < bytes.size() && found < maxLines; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            ++found;
            cut = i + 1;
        }
    }
    if (found < maxLines) cut = bytes.size();
    const std::string_view shown = std::string_view(bytes).substr(0, cut);
    if (const std::size_t nul = shown.find('\0'); nul != std::string_view::npos) {
        error = nulText(shown, splitLines(shown.substr(0, nul)).size() + 1, path);
        return false;
    }
    lines = splitLines(decodeText(shown));
    if (lines.size() > maxLines) lines.resize(maxLines);
    return true;
}

std::string encodeLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) {
        std::string line = l;
        for (char& ch : line)
            if (ch == '\r' || ch == '\n') ch = ' ';
        text += line;
        text += "\r\n";
    }
    return encodeText(text);
}

bool writeTextLines(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
    return saveFileSafely(path, encodeLines(lines), error);
}

}  // namespace vrn
