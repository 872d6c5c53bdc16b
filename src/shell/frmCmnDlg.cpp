#include "shell/frmCmnDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/DataFile.h"
#include "shell/Helpers.h"
#include "shell/ProjectFile.h"

namespace vrn {

namespace {

constexpr int kPathRole = Qt::UserRole;

bool hasWildcard(const QString& s) { return s.contains('*') || s.contains('?'); }

bool matchesPattern(const QString& pattern, const QString& name) {
    const std::string n = toStd(name);
    const auto parts = pattern.split(';', Qt::SkipEmptyParts);
    for (const QString& p : parts)
        if (wildcardMatch(toStd(p.trimmed()), n)) return true;
    return parts.isEmpty();
}

// The entries of a folder that are, or link to, folders (folders true) or
// anything else (false), sorted by name whatever the case. A link is listed
// as what it points to: a link to a device is no folder; a broken link, like
// a device or a pipe of the folder itself, is not listed.
QStringList sortedEntries(const QString& folder, bool folders) {
    QStringList names;
    for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (fi.isDir() != folders || !fi.exists()) continue;
        if (!folders && !fi.isFile() && !fi.isSymLink()) continue;
        names << fi.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

// The file of the folder with this name: the exact name first, else the same
// name in another case; empty when there is none.
QString fileOf(const QString& folder, const QString& name) {
    const QStringList files = sortedEntries(folder, false);
    if (files.contains(name)) return name;
    for (const QString& f : files)
        if (f.compare(name, Qt::CaseInsensitive) == 0) return f;
    return {};
}

}  // namespace

frmCmnDlg::frmCmnDlg() : VrnForm(Kind::Tool) {
    setObjectName("frmCmnDlg");
    setCaption("Standard Dialoge");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);

    pctFileOpen = new QWidget(this);
    pctFileOpen->setObjectName("pctFileOpen");
    pctFileOpen->setVisible(false);
    outer->addWidget(pctFileOpen);

    auto* grid = new QGridLayout(pctFileOpen);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);

    lblOpenFile = new QLabel("Datei&name:", pctFileOpen);
    txtOpenFile = new QLineEdit(pctFileOpen);
    txtOpenFile->setObjectName("txtOpenFile");
    lblOpenFile->setBuddy(txtOpenFile);
    filOpenList = new QListWidget(pctFileOpen);
    filOpenList->setObjectName("filOpenList");
    filOpenList->setSelectionMode(QAbstractItemView::SingleSelection);

    Label1 = new QLabel("Pfad:", pctFileOpen);
    lblOpenPath = new QLabel(pctFileOpen);
    lblOpenPath->setObjectName("lblOpenPath");
    lblOpenPath->setMinimumWidth(40);
    lblOpenPath->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdReturn = new QToolButton(pctFileOpen);
    cmdReturn->setObjectName("cmdReturn");
    cmdReturn->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    cmdReturn->setToolTip(" übergeordneter Ordner ");
    cmdReturn->setAutoRaise(true);
    dirOpenList = new QListWidget(pctFileOpen);
    dirOpenList->setObjectName("dirOpenList");
    dirOpenList->setSelectionMode(QAbstractItemView::SingleSelection);
    lblDrive = new QLabel("Laufwerk:", pctFileOpen);
    drvOpenList = new QComboBox(pctFileOpen);
    drvOpenList->setObjectName("drvOpenList");
    lblDrive->setBuddy(drvOpenList);

    cmdOpenOK = new QPushButton("OK, Laden", pctFileOpen);
    cmdOpenOK->setObjectName("cmdOpenOK");
    cmdOpenOK->setDefault(true);
    cmdOpenOK->setAutoDefault(true);
    cmdOpenCancel = new QPushButton("Abbrechen <Esc>", pctFileOpen);
    cmdOpenCancel->setObjectName("cmdOpenCancel");
    cmdOpenCancel->setAutoDefault(true);

    lblFileComment = new QLabel("Datei-Kommentar:", pctFileOpen);
    lblFileComment->setObjectName("lblFileComment");
    Text1 = new QPlainTextEdit(pctFileOpen);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 3 + 12);

    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(4);
    pathRow->addWidget(Label1);
    pathRow->addWidget(lblOpenPath, 1);
    pathRow->addWidget(cmdReturn);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdOpenOK);
    buttons->addWidget(cmdOpenCancel);
    buttons->addStretch(1);

    grid->addWidget(lblOpenFile, 0, 0);
    grid->addLayout(pathRow, 0, 1);
    grid->addWidget(txtOpenFile, 1, 0);
    grid->addWidget(filOpenList, 2, 0, 3, 1);
    grid->addWidget(dirOpenList, 1, 1, 2, 1);
    grid->addWidget(lblDrive, 3, 1);
    grid->addWidget(drvOpenList, 4, 1);
    grid->addLayout(buttons, 1, 2, 4, 1);
    grid->addWidget(lblFileComment, 5, 0, 1, 3);
    grid->addWidget(Text1, 6, 0, 1, 3);
    grid->setColumnStretch(0, 5);
    grid->setColumnStretch(1, 4);
    grid->setRowStretch(2, 1);

    connect(drvOpenList, qOverload<int>(&QComboBox::activated), this, [this](int) { drvOpenList_Change(); });
    connect(dirOpenList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
        QString error;
        if (!setDirPath(it->data(kPathRole).toString(), &error)) refuseFolder(error);
    });
    connect(filOpenList, &QListWidget::itemSelectionChanged, this, [this] {
        if (highlightedFile()) filOpenList_Click();
    });
    connect(filOpenList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { filOpenList_DblClick(); });
    connect(cmdOpenOK, &QPushButton::clicked, this, [this] { cmdOpenOK_Click(); });
    connect(cmdOpenCancel, &QPushButton::clicked, this, [this] { cmdOpenCancel_Click(); });
    setCancelButton(cmdOpenCancel);
    setDefaultButton(cmdOpenOK);
    connect(cmdReturn, &QToolButton::clicked, this, [this] { cmdReturn_Click(); });
    filOpenList->installEventFilter(this);

    fillDrives();
    setDirPath(QDir::currentPath());
}

void frmCmnDlg::Form_Load() {
    const int left = twipsToPixelsX(20), top = twipsToPixelsY(216);
    QPoint origin(left, top);
    if (QWidget* main = Forms::mainWindow()) origin += main->geometry().topLeft();
    move(origin);
    const int width = std::max(twipsToPixelsX(7116), pctFileOpen->sizeHint().width());
    resize(width, twipsToPixelsY(5580));
    setMinimumWidth(width);
    setMaximumWidth(width);  // the width stays; the lists grow with the height
    lblFileComment->hide();
}

bool frmCmnDlg::accepted() const { return cmdOpenCancel->property("Tag").toString() == "FALSE"; }

QString frmCmnDlg::resolve(const QString& path) const {
    QString p = path;
    p.replace('\\', '/');
    if (QDir::isAbsolutePath(p)) return QDir::cleanPath(p);
    return QDir::cleanPath(QDir(filePath_.isEmpty() ? QDir::currentPath() : filePath_).absoluteFilePath(p));
}

bool frmCmnDlg::setDirPath(const QString& path, QString* error) {
    const QString p = resolve(path);
    const QFileInfo fi(p);
    QString failure;
    if (!fi.exists()) failure = "Pfad nicht gefunden: " + p;
    else if (!fi.isDir()) failure = "Das ist kein Ordner: " + p;
    else if (!fi.isReadable() || !fi.isExecutable()) failure = "Zugriff verweigert: " + p;
    if (!failure.isEmpty()) {
        if (error) *error = failure;
        return false;
    }
    if (p == dirPath_) {
        fillDirList();
        return true;
    }
    dirPath_ = p;
    fillDirList();
    dirOpenList_Change();
    return true;
}

void frmCmnDlg::setPattern(const QString& pattern) {
    // The pattern is kept in upper case; matching ignores case.
    pattern_ = pattern.toUpper();
    fillFileList();
}

void frmCmnDlg::fillDrives() {
    drvOpenList->clear();
    QStringList roots;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
        if (s.isValid() && s.isReady() && !roots.contains(s.rootPath())) roots << s.rootPath();
    if (!roots.contains("/")) roots << "/";
    std::sort(roots.begin(), roots.end());
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString& r : roots) drvOpenList->addItem(icon, r, r);
}

void frmCmnDlg::fillDirList() {
    const QSignalBlocker still(dirOpenList);
    dirOpenList->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down to the folder, then its sub-folders one step in.
    QStringList chain;
    for (QDir d(dirPath_);;) {
        chain.prepend(d.absolutePath());
        if (!d.cdUp()) break;
    }
    int level = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& p : chain) {
        const QString name = p == "/" ? QStringLiteral("/") : QFileInfo(p).fileName();
        auto* it = new QListWidgetItem(open, QString(level * 2, ' ') + name, dirOpenList);
        it->setData(kPathRole, p);
        current = it;
        ++level;
    }
    for (const QString& sub : sortedEntries(dirPath_, true)) {
        auto* it = new QListWidgetItem(closed, QString(level * 2, ' ') + sub, dirOpenList);
        it->setData(kPathRole, QDir(dirPath_).absoluteFilePath(sub));
    }
    if (current) {
        dirOpenList->setCurrentItem(current);
        dirOpenList->scrollToItem(current);
    }
}

void frmCmnDlg::fillFileList() {
    const QSignalBlocker still(filOpenList);
    filOpenList->clear();
    for (const QString& name : sortedEntries(filePath_, false))
        if (matchesPattern(pattern_, name)) filOpenList->addItem(name);
    filOpenList->setCurrentRow(-1);
}

void frmCmnDlg::refuseFolder(const QString& text) {
    fillDirList();  // the highlight goes back to the folder shown: the next OK does not try again
    showFailure(text);
}

void frmCmnDlg::showFailure(const QString& text) {
    MsgBox(toStd(text), MsgButtons::OK, MsgIcon::Critical, toStd(caption()));
    txtOpenFile->setFocus();
}

QListWidgetItem* frmCmnDlg::highlightedFile() const {
    QListWidgetItem* it = filOpenList->currentItem();
    return (it && it->isSelected()) ? it : nullptr;
}

void frmCmnDlg::drvOpenList_Change() {
    QString error;
    if (!setDirPath(drvOpenList->currentData().toString(), &error)) {
        showFailure(error);
        filOpenList_PathChange();  // the list shows the drive of the folder that is still shown
    }
}

void frmCmnDlg::dirOpenList_Change() {
    filePath_ = dirPath_;
    fillFileList();
    filOpenList_PathChange();
    lblOpenPath->setText(toQ(ShortenPath(toStd(dirPath_), 60)));
    lblOpenPath->setToolTip(dirPath_);
    txtOpenFile->setText(pattern_);
}

void frmCmnDlg::filOpenList_PathChange() {
    const QString root = QStorageInfo(filePath_).rootPath();
    int i = drvOpenList->findData(root);
    if (i < 0 && !root.isEmpty()) {
        drvOpenList->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), root, root);
        i = drvOpenList->count() - 1;
    }
    drvOpenList->setCurrentIndex(i);
    if (dirPath_ != filePath_) setDirPath(filePath_);
}

void frmCmnDlg::ViewBatchFile(const std::string& fileName, std::string& firstLine, bool& ok) {
    vrn::ViewBatchFile(fileName, firstLine, ok);
}

void frmCmnDlg::filOpenList_Click() {
    QListWidgetItem* it = highlightedFile();
    if (!it) return;
    const QString name = it->text();
    txtOpenFile->setText(name);
    Text1->setEnabled(false);
    Text1->clear();
    lblFileComment->hide();
    const std::string full = toStd(QDir(filePath_).absoluteFilePath(name));
    // The comment goes into a local text: browsing changes neither the data
    // set's nor the project's comment.
    std::string comment;
    bool ok = false;
    const QString upper = name.toUpper();
    if (upper.endsWith("VRD")) {
        ViewBatchFile(full, comment, ok);
        lblFileComment->setText("Datei-Kommentar:");
    } else if (upper.endsWith("VRP")) {
        cmdOpenOK->setEnabled(true);
        ReadFileComment(full, comment, ok);
        lblFileComment->setText("Projekt-Kommentar");
    } else {
        return;
    }
    if (ok) {
        Text1->setEnabled(true);
        lblFileComment->show();
        Text1->setPlainText(toQ(comment));
    }
}

void frmCmnDlg::filOpenList_DblClick() {
    txtOpenFile->setFocus();
    cmdOpenCancel->setProperty("Tag", "FALSE");
    Hide();
}

void frmCmnDlg::filOpenList_KeyDown(int keyCode) {
    if (keyCode != 46) return;
    QListWidgetItem* it = highlightedFile();
    if (!it) return;
    const QString name = it->text();
    if (MsgBox(toStd("File " + name + " wirklich löschen?"), MsgButtons::YesNo, MsgIcon::Question,
               "Löschen von Dateien bestätigen") != MsgAnswer::Yes)
        return;
    if (!QFile::remove(QDir(filePath_).absoluteFilePath(name)))
        MsgBox(toStd("Die Datei " + name + " konnte nicht gelöscht werden."), MsgButtons::OK, MsgIcon::Critical,
               toStd(caption()));
    fillFileList();
}

bool frmCmnDlg::setFileName(const QString& text, QString* error) {
    QString t = text.trimmed();
    t.replace('\\', '/');
    if (t.isEmpty()) return true;
    const int sep = t.lastIndexOf('/');
    QString folderPart = sep >= 0 ? t.left(sep + 1) : QString();
    QString namePart = t.mid(sep + 1);
    if (!hasWildcard(namePart) && !namePart.isEmpty() && QFileInfo(resolve(t)).isDir()) {
        folderPart = t;
        namePart.clear();
    }
    if (!folderPart.isEmpty() && !setDirPath(folderPart, error)) return false;
    if (hasWildcard(namePart)) {
        setPattern(namePart);
        return true;
    }
    if (namePart.isEmpty()) return true;
    const QString found = fileOf(filePath_, namePart);
    if (found.isEmpty()) return true;
    const auto items = filOpenList->findItems(found, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!items.isEmpty()) {
        const QSignalBlocker still(filOpenList);
        filOpenList->setCurrentItem(items.first());
    }
    txtOpenFile->setText(found);
    filOpenList_DblClick();
    return true;
}

bool frmCmnDlg::namesFile(const QString& text) const {
    QString t = text.trimmed();
    t.replace('\\', '/');
    if (t.isEmpty() || hasWildcard(t)) return false;
    const int sep = t.lastIndexOf('/');
    const QString folder = sep >= 0 ? resolve(t.left(sep + 1)) : filePath_;
    return QFileInfo(folder).isDir() && !fileOf(folder, t.mid(sep + 1)).isEmpty();
}

void frmCmnDlg::cmdOpenOK_Click() {
    cmdOpenOK->setFocus();
    QString error;
    const QString text = txtOpenFile->text();
    // A folder highlighted but not entered is entered first, unless the name
    // typed is a file: that file is what OK opens.
    if (QListWidgetItem* d = dirOpenList->currentItem()) {
        const QString p = d->data(kPathRole).toString();
        if (p != dirPath_ && !namesFile(text) && !setDirPath(p, &error)) {
            refuseFolder(error);
            return;
        }
    }
    if (QListWidgetItem* f = highlightedFile(); f && f->text() == text) {
        filOpenList_DblClick();
        return;
    }
    const QString remembered = pattern_;
    if (!setFileName(text, &error)) {
        showFailure(error);
        return;
    }
    if (accepted()) return;
    const QString now = txtOpenFile->text();
    if (!hasWildcard(now)) {
        MsgBox("Datei nicht gefunden", MsgButtons::OK, MsgIcon::Critical, toStd(caption()));
        setPattern(remembered);
    } else {
        txtOpenFile->setText(pattern_);
    }
    txtOpenFile->setFocus();
    txtOpenFile->selectAll();
}

void frmCmnDlg::cmdOpenCancel_Click() {
    if (txtOpenFile->isVisible()) txtOpenFile->setFocus();
    Hide();
}

void frmCmnDlg::cmdReturn_Click() {
    QDir d(dirPath_);
    if (!d.cdUp() || !setDirPath(d.absolutePath())) return;  // at the root nothing happens
    cmdOpenOK_Click();
}


void frmCmnDlg::closeEvent(QCloseEvent* event) {
    // The close box cancels like Esc; CmnDlgOpen unloads the window.
    event->ignore();
    cmdOpenCancel_Click();
}

bool frmCmnDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filOpenList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        filOpenList_KeyDown(46);
        return true;
    }
    return VrnForm::eventFilter(watched, event);
}

}  // namespace vrn
