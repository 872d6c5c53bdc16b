#include "base/SafeSave.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/PlainFile.h"

namespace vrn {

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
        case ELOOP: return "Die symbolischen Verknüpfungen des Pfads bilden eine Schleife: " + path;
        default: return "Datei-Ein-/Ausgabefehler: " + path;
    }
}

namespace {

// Follows symbolic links to the file they name (also when it does not exist yet).
bool resolveLinks(std::filesystem::path& p, std::string& error, const std::string& shown) {
    std::error_code ec;
    for (int hops = 0; hops < 40; ++hops) {
        if (!std::filesystem::is_symlink(p, ec)) return true;
        const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
        if (ec) {
            error = fileErrorText(ec.value(), shown);
            return false;
        }
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    error = fileErrorText(ELOOP, shown);
    return false;
}

bool writeAll(int fd, std::string_view bytes, int& err) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

bool saveFileSafely(const std::string& path, std::string_view bytes, std::string& error) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        error = "Kein Dateiname angegeben.";
        return false;
    }
    std::string native = path;  // "\\" separates folders in old names too
    for (char& ch : native)
        if (ch == '\\') ch = '/';
    fs::path target = native;
    if (!resolveLinks(target, error, path)) return false;

    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            error = fileErrorText(EISDIR, path);
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            error = notPlainFileText(path);
            return false;
        }
        // No write permission for anyone: the owner made the file read-only,
        // and saving must not undo that (even where the folder would allow it).
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            error = "Die Datei ist schreibgeschützt: " + path + "\r\nSie wurde nicht verändert.";
            return false;
        }
        if (::access(target.c_str(), W_OK) != 0) {
            error = fileErrorText(errno, path) + "\r\nDie Datei wurde nicht verändert.";
            return false;
        }
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / ".vrn-save-XXXXXX").string();
    errno = 0;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int err = errno;
        error = fileErrorText(err, path);
        if (err == EACCES || err == EPERM || err == EROFS)
            error = "Im Ordner der Datei lässt sich keine neue Datei anlegen (" + fileErrorText(err, folder.string()) +
                    ").\r\nGespeichert wird stets über eine neue Datei, damit die alte bei einem Fehler erhalten bleibt; "
                    "die Datei wurde nicht gespeichert: " + path;
        return false;
    }
    // The new file takes the permissions (and, where allowed, the owner) of the old one.
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int err = 0;
    bool ok = ::fchmod(fd, mode) == 0 || (err = errno, false);
    ok = ok && writeAll(fd, bytes, err);
    ok = ok && (::fsync(fd) == 0 || (err = errno, false));
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    ok = ok && (::rename(temp.c_str(), target.c_str()) == 0 || (err = errno, false));
    if (!ok) {
        ::unlink(temp.c_str());
        error = fileErrorText(err == 0 ? EIO : err, path) + (exists ? "\r\nDie vorhandene Datei blieb unverändert." : "");
        return false;
    }
    return true;
}


}  // namespace vrn
