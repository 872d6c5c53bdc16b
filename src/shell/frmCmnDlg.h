// The program's own modal file-open window for data-set and project files:
// drive (mounted volume) list, folder list, file list with the pattern matched
// case-insensitively, name box (a name, a folder or a pattern with "*" and "?"),
// a preview of the comment of a highlighted data-set or project file, Delete
// with a question, Enter accepts, Esc cancels. Driven by CmnDlgOpen
// (qtOpenDialog in shell/FileDialogsQt.h); browsing changes no program state.
// A link is listed as what it points to (a folder in the folder list, a file
// or device in the file list, a broken one nowhere); a folder that cannot be
// entered is refused once with its reason, and the lists stay where they are.
#pragma once

#include <QString>

#include "platform/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace vrn {

class frmCmnDlg : public VrnForm {
    Q_OBJECT
public:
    frmCmnDlg();

    // "OPEN" while CmnDlgOpen uses the window.
    QString Tag;

    QWidget* pctFileOpen = nullptr;
    QLabel* lblDrive = nullptr;
    QComboBox* drvOpenList = nullptr;
    QListWidget* dirOpenList = nullptr;
    QListWidget* filOpenList = nullptr;
    QLabel* lblOpenFile = nullptr;
    QLineEdit* txtOpenFile = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblOpenPath = nullptr;
    QLabel* lblFileComment = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdOpenOK = nullptr;
    QPushButton* cmdOpenCancel = nullptr;  // its "Tag" property "FALSE" marks acceptance
    QToolButton* cmdReturn = nullptr;

    // The folder the lists show (the directory list's path; the file list follows it).
    QString dirPath() const { return dirPath_; }
    QString filePath() const { return filePath_; }
    // Moves the lists to a folder. False with a failure text when it cannot be shown;
    // the lists then keep the last folder that could be shown.
    bool setDirPath(const QString& path, QString* error = nullptr);

    QString pattern() const { return pattern_; }
    // The file list's pattern, in upper case; several patterns are separated by ";".
    void setPattern(const QString& pattern);

    // True when the window was closed by accepting a file.
    bool accepted() const;

    // Event handlers (also called from code, as a user's action would run them).
    void drvOpenList_Change();
    void dirOpenList_Change();
    void filOpenList_PathChange();
    void filOpenList_Click();
    void filOpenList_DblClick();
    void filOpenList_KeyDown(int keyCode);
    void cmdOpenOK_Click();
    void cmdOpenCancel_Click();
    void cmdReturn_Click();

    // Reads the first line of a file (the data-set comment) for the preview.
    static void ViewBatchFile(const std::string& fileName, std::string& firstLine, bool& ok);

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillDrives();
    void fillDirList();
    void fillFileList();
    void showFailure(const QString& text);
    // A folder that cannot be entered: named once, and the lists stay where they are.
    void refuseFolder(const QString& text);
    // Whether the typed text names a file (of the listed folder, or with a folder part).
    bool namesFile(const QString& text) const;
    // Hands a typed text to the file list as its file name: a folder part moves
    // the lists, a pattern becomes the list's pattern, a file of the listed
    // folder is selected and accepted. False with a failure text.
    bool setFileName(const QString& text, QString* error);
    QListWidgetItem* highlightedFile() const;
    QString resolve(const QString& path) const;

    QString dirPath_;
    QString filePath_;
    QString pattern_ = "*.*";
};

}  // namespace vrn
