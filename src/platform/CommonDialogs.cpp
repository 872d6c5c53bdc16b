#include "platform/CommonDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

#include <memory>
#include <utility>

namespace vrn {

namespace {
ColourChooser gColour;
FontChooser gFont;
FileChooser gSave;
FileChooser gOpen;

QString afterChoice(const QString& file) {
    if (!file.isEmpty()) QDir::setCurrent(QFileInfo(file).absolutePath());
    return file;
}

QFileDialog* makeBox(const FileBoxRequest& r, QWidget* parent) {
    auto* box = new QFileDialog(parent, r.title, r.folder);
    box->setNameFilter(r.filter);
    if (!r.defaultSuffix.isEmpty()) box->setDefaultSuffix(r.defaultSuffix);
    if (!r.fileName.isEmpty()) box->selectFile(r.fileName);
    return box;
}
}  // namespace

QString chooseSaveFile(const FileBoxRequest& request, QWidget* parent) {
    if (gSave) return afterChoice(gSave(request));
    std::unique_ptr<QFileDialog> box(makeBox(request, parent));
    box->setAcceptMode(QFileDialog::AcceptSave);
    box->setFileMode(QFileDialog::AnyFile);
    if (box->exec() != QDialog::Accepted || box->selectedFiles().isEmpty()) return QString();
    return afterChoice(box->selectedFiles().first());
}

QString chooseOpenFile(const FileBoxRequest& request, QWidget* parent) {
    if (gOpen) return afterChoice(gOpen(request));
    std::unique_ptr<QFileDialog> box(makeBox(request, parent));
    box->setAcceptMode(QFileDialog::AcceptOpen);
    box->setFileMode(QFileDialog::ExistingFile);
    if (box->exec() != QDialog::Accepted || box->selectedFiles().isEmpty()) return QString();
    return afterChoice(box->selectedFiles().first());
}

FileChooser setSaveFileChooser(FileChooser c) { return std::exchange(gSave, std::move(c)); }
FileChooser setOpenFileChooser(FileChooser c) { return std::exchange(gOpen, std::move(c)); }

std::optional<QColor> chooseColour(const QColor& initial, QWidget* parent) {
    if (gColour) return gColour(initial);
    QColor c = QColorDialog::getColor(initial, parent, "Farbe");
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<QFont> chooseFont(const QFont& initial, QWidget* parent) {
    if (gFont) return gFont(initial);
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, initial, parent, "Schriftart");
    if (!ok) return std::nullopt;
    return f;
}

ColourChooser setColourChooser(ColourChooser c) { return std::exchange(gColour, std::move(c)); }
FontChooser setFontChooser(FontChooser c) { return std::exchange(gFont, std::move(c)); }

QColor toQColor(int rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
int fromQColor(const QColor& c) { return (c.red() & 0xFF) | ((c.green() & 0xFF) << 8) | ((c.blue() & 0xFF) << 16); }

}  // namespace vrn
