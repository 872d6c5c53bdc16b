#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vrn {

namespace {
QString gResourceFolder;
QString gProgramFolder;
}  // namespace

std::string toStd(const QString& s) { return s.toStdString(); }
QString toQ(const std::string& s) { return QString::fromStdString(s); }

QString resourceFolder() {
    if (!gResourceFolder.isEmpty()) return gResourceFolder;
    return QCoreApplication::applicationDirPath();
}

void setResourceFolder(const QString& folder) { gResourceFolder = folder; }

QString programFolder() {
    if (gProgramFolder.isEmpty()) {
        QString p = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (p.isEmpty()) p = QDir::homePath() + "/.varnolt";
        gProgramFolder = QDir::cleanPath(p);
    }
    return gProgramFolder;
}

void setProgramFolder(const QString& folder) { gProgramFolder = QDir::cleanPath(folder); }

QString prepareProgramFolder() {
    const QString folder = programFolder();
    QDir dir(folder);
    if (!dir.exists()) {
        QDir().mkpath(folder);
        QDir samples(resourceFolder() + "/samples");
        const auto files = samples.entryInfoList(QDir::Files);
        for (const QFileInfo& fi : files) {
            const QString target = folder + "/" + fi.fileName();
            if (!QFileInfo::exists(target)) {
                QFile::copy(fi.absoluteFilePath(), target);
                QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
            }
        }
    }
    return folder;
}

QString writeFailureReason(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists() || !folder.isDir()) return "Der Ordner " + file.absolutePath() + " existiert nicht.";
    if (file.isDir()) return "Unter diesem Namen besteht bereits ein Ordner.";
    if (!folder.isWritable()) return "In den Ordner " + file.absolutePath() + " darf nicht geschrieben werden.";
    if (file.exists() && !file.isWritable()) return "Die Datei ist schreibgeschützt.";
    return "Die Datei kann dort nicht geschrieben werden.";
}

}  // namespace vrn
