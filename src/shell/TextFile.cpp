#include "shell/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

std::string fileErrorText(int err, const std::string& path) {
    switch (err) {
        case ENOENT: return "Datei oder Pfad nicht gefunden: " + path;
        case ENOTDIR: return "Pfad nicht gefunden: " + path;
        case EACCES:
        case EPERM: return "Zugriff verweigert: " + path;
        case EISDIR: return "Das ist ein Ordner, keine Datei: " + path;
        case ENOSPC: return "Kein Platz mehr auf dem Datenträger: " + path;
        case EROFS: return "Der Datenträger ist schreibgeschützt: " + path;
        case ENAMETOOLONG: return "Der Dateiname ist zu lang: " + path;
        case EFBIG: return "Die Datei ist zu groß: " + path;
        default: return "Datei-Ein-/Ausgabefehler: " + path;
    }
}

namespace {

// Reads at most maxBytes + 1 bytes so that a caller can tell a file that is too large.
bool readBytes(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string& error) {
    bytes.clear();
    if (path.empty()) {
        error = "Kein Dateiname angegeben.";
        return false;
    }
    const std::string p = nativePath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(p, ec)) {
        error = fileErrorText(EISDIR, path);
        return false;
    }
    errno = 0;
    FileCloser f{std::fopen(p.c_str(), "rb")};
    if (!f.f) {
        error = fileErrorText(errno, path);
        return false;
    }
    char buf[65536];
    while (bytes.size() <= maxBytes) {
        const std::size_t want = std::min(sizeof buf, maxBytes + 1 - bytes.size());
        const std::size_t got = std::fread(buf, 1, want, f.f);
        bytes.append(buf, got);
        if (got < want) break;
    }
    if (std::ferror(f.f)) {
        error = fileErrorText(EIO, path);
        return false;
    }
    return true;
}

}  // namespace

bool readTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error,
                   std::size_t maxBytes) {
    std::string bytes;
    if (!readBytes(path, maxBytes, bytes, error)) return false;
    if (bytes.size() > maxBytes) {
        error = "Die Datei ist zu groß: " + path;
        return false;
    }
    lines = splitLines(decodeText(bytes));
    return true;
}

bool readFirstLines(const std::string& path, std::size_t maxLines, std::vector<std::string>& lines,
                    std::string& error, std::size_t maxBytes) {
    std::string bytes;
    if (!readBytes(path, maxBytes, bytes, error)) return false;
    if (bytes.size() > maxBytes) bytes.resize(maxBytes);
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
    lines = splitLines(decodeText(std::string_view(bytes).substr(0, cut)));
    if (lines.size() > maxLines) lines.resize(maxLines);
    return true;
}

namespace {

bool writeBytes(const std::string& path, const std::string& bytes, int& err) {
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        err = errno;
        return false;
    }
    const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), f);
    err = errno;
    const bool flushed = std::fflush(f) == 0;
    if (!flushed && err == 0) err = errno;
    const bool closed = std::fclose(f) == 0;
    if (!closed && err == 0) err = errno;
    if (put != bytes.size() || !flushed || !closed) {
        if (err == 0) err = EIO;
        return false;
    }
    return true;
}

}  // namespace

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
    if (path.empty()) {
        error = "Kein Dateiname angegeben.";
        return false;
    }
    const std::string text = encodeLines(lines);
    const std::string target = nativePath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        error = fileErrorText(EISDIR, path);
        return false;
    }
    const std::string temp = target + ".vrn-tmp";
    int err = 0;
    if (writeBytes(temp, text, err)) {
        std::filesystem::rename(temp, target, ec);
        if (!ec) return true;
        std::filesystem::remove(temp, ec);
    } else {
        std::filesystem::remove(temp, ec);
        // A folder where no new file may be made can still hold a writable target.
        if (err != EACCES && err != EPERM && err != EROFS) {
            error = fileErrorText(err, path);
            return false;
        }
    }
    if (writeBytes(target, text, err)) return true;
    error = fileErrorText(err, path);
    return false;
}

}  // namespace vrn
