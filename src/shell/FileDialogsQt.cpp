#include "shell/FileDialogsQt.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>

#include "platform/Forms.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "shell/frmCmnDlg.h"
#include "shell/frmCommentInput.h"

namespace vrn {

namespace {

// Ends a modal loop when the watched window is hidden.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* w, QEventLoop* loop) : QObject(w), loop_(loop) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == parent()) loop_->quit();
        return false;
    }

private:
    QEventLoop* loop_;
};

}  // namespace

void runModal(VrnForm& form) {
    QPointer<VrnForm> guard(&form);
    form.setWindowModality(Qt::ApplicationModal);
    form.Show();
    if (!form.isVisible()) return;
    QEventLoop loop;
    auto* watcher = new HideWatcher(&form, &loop);
    QObject::connect(&form, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(&form, &VrnForm::unloaded, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        delete watcher;
        guard->setWindowModality(Qt::NonModal);
    }
}

bool qtAskSaveFileName(const SaveBoxRequest& r, std::string& chosen) {
    QFileDialog dlg(Forms::mainWindow(), toQ(r.title));
    dlg.setObjectName("SaveBox");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    dlg.setDefaultSuffix(toQ(r.defaultExt));
    dlg.setNameFilter(toQ(r.filter));
    const QString start = toQ(r.initialDir);
    if (!start.isEmpty() && QFileInfo(start).isDir()) dlg.setDirectory(start);
    if (!r.fileName.empty()) {
        QString name = toQ(r.fileName);
        name.replace('\\', '/');
        dlg.selectFile(name);
    }
    if (dlg.exec() != QDialog::Accepted) return false;
    const QStringList files = dlg.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return false;
    chosen = toStd(files.first());
    return true;
}

bool qtAskOpenFileName(const SaveBoxRequest& r, std::string& chosen) {
    QFileDialog dlg(Forms::mainWindow(), toQ(r.title));
    dlg.setObjectName("OpenBox");
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(toQ(r.defaultExt));
    dlg.setNameFilter(toQ(r.filter));
    const QString start = toQ(r.initialDir);
    if (!start.isEmpty() && QFileInfo(start).isDir()) dlg.setDirectory(start);
    if (!r.fileName.empty()) dlg.selectFile(toQ(r.fileName).replace('\\', '/'));
    if (dlg.exec() != QDialog::Accepted) return false;
    const QStringList files = dlg.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return false;
    chosen = toStd(files.first());
    return true;
}

bool qtOpenDialog(OpenDialogRequest& r) {
    QPointer<frmCmnDlg> dlg(&Forms::get<frmCmnDlg>());
    dlg->Tag = "OPEN";
    dlg->cmdOpenCancel->setProperty("Tag", "");
    // Set-up steps that fail (a folder that is gone) are skipped.
    dlg->setCaption(toQ(r.title));
    dlg->setPattern(r.pattern.empty() ? QStringLiteral("*.*") : toQ(r.pattern));
    if (!r.directory.empty()) dlg->setDirPath(toQ(r.directory));
    dlg->lblOpenPath->setText(toQ(ShortenPath(toStd(dlg->filePath()), 60)));
    // The proposed name keeps its case: on this file system case matters.
    dlg->txtOpenFile->setText(r.fileName.empty() ? dlg->pattern() : toQ(r.fileName));
    dlg->pctFileOpen->setVisible(true);
    dlg->txtOpenFile->setFocus();
    dlg->txtOpenFile->selectAll();
    runModal(*dlg);
    bool accepted = false;
    if (dlg && dlg->accepted()) {
        accepted = true;
        r.fileName = toStd(dlg->txtOpenFile->text());
        r.directory = toStd(dlg->filePath());
        dlg->cmdOpenCancel->setProperty("Tag", "");
    }
    if (dlg) {
        dlg->Tag.clear();
        dlg->Unload();
    }
    return accepted;
}

void qtAskProjectComment() { runModal(Forms::get<frmCommentInput>()); }

void installFileDialogs() {
    FileDialogHooks& h = hooks().fileDialogs;
    h.askSaveFileName = qtAskSaveFileName;
    h.askOpenFileName = qtAskOpenFileName;
    h.openDialog = qtOpenDialog;
    h.askProjectComment = qtAskProjectComment;
    h.shortDateText = [] { return toStd(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)); };
}

}  // namespace vrn
