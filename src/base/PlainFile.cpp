#include "base/PlainFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/SafeSave.h"

namespace vrn {

namespace {

// Empty when the file behind st is a plain file, else the reason.
std::string refusal(const struct stat& st, const std::string& path) {
    if (S_ISDIR(st.st_mode)) return fileErrorText(EISDIR, path);
    if (!S_ISREG(st.st_mode)) return notPlainFileText(path);
    return {};
}

}  // namespace

std::string notPlainFileText(const std::string& path) { return "Das ist keine gewöhnliche Datei: " + path; }

std::FILE* openPlainFile(const std::string& path, std::string& error, std::uintmax_t* size) {
    if (path.empty()) {
        error = "Kein Dateiname angegeben.";
        return nullptr;
    }
    std::string native = path;
    for (char& ch : native)
        if (ch == '\\') ch = '/';
    // A first look without opening: a device is not even opened.
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) {
        error = fileErrorText(errno, path);
        return nullptr;
    }
    if (error = refusal(st, path); !error.empty()) return nullptr;
    // Opened without blocking and checked again: a pipe put in the file's
    // place after the first look is refused instead of waited for.
    const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = fileErrorText(errno, path);
        return nullptr;
    }
    if (::fstat(fd, &st) != 0) {
        error = fileErrorText(errno, path);
        ::close(fd);
        return nullptr;
    }
    if (error = refusal(st, path); !error.empty()) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* f = ::fdopen(fd, "rb");
    if (!f) {
        error = fileErrorText(errno, path);
        ::close(fd);
        return nullptr;
    }
    if (size) *size = static_cast<std::uintmax_t>(st.st_size);
    return f;
}

}  // namespace vrn
