#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStorageInfo>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

#include "platform/Paths.h"
#include "shell/FileDialogsQt.h"
#include "shell/ProjectFile.h"
#include "shell/frmCmnDlg.h"
#include "shell/frmCommentInput.h"
#include "support/GuiTestSupport.h"
#include "shell/StateOwner.h"

using namespace vrn;

namespace {

const char* const kDatensatz =
    "Kommentar des Datensatzes\r\nmin\r\nkopf\r\n2\r\n0,1,0,0,0,0,0,0,0,0,0,0,0\r\n5,.5,0,0,0,0,0,0,0,0,0,0,0\r\n";
const char* const kProjekt =
    "01.01.2024\r\nKommentar des Projekts\r\nmessung.VRD\r\n 4 \r\n.25,0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n";

QStringList listed(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text().trimmed();
    return names;
}

class FileDialogGui : public ::testing::Test {
protected:
    void SetUp() override {
        savedCwd = QDir::currentPath();
        installFileDialogs();
        root = env.folder() + "/daten";
        QDir().mkpath(root + "/unter");
        write("a.VRD", kDatensatz);
        write("b.vrd", kDatensatz);
        write("Messung.VRD", kDatensatz);
        write("projekt.VRP", kProjekt);
        write("notiz.txt", "nichts");
    }
    void TearDown() override { QDir::setCurrent(savedCwd); }
    void write(const QString& name, const std::string& bytes) { test::writeFile(toStd(root + "/" + name), bytes); }

    // `drive` acts on the open dialog as soon as it shows (ran: whether it did).
    static void onDialog(const std::function<void(frmCmnDlg&)>& drive, bool* ran = nullptr) {
        QTimer::singleShot(0, [drive, ran] {
            frmCmnDlg* dlg = Forms::loaded<frmCmnDlg>();
            ASSERT_NE(dlg, nullptr);
            if (ran) *ran = true;
            drive(*dlg);
        });
    }
    // Runs the open dialog through CmnDlgOpen while `drive` acts on the open window.
    bool runDialog(std::string& name, std::string& folder, const std::string& pattern,
                   const std::function<void(frmCmnDlg&)>& drive) {
        bool ran = false;
        onDialog([&drive](frmCmnDlg& dlg) {
            drive(dlg);
            if (dlg.isVisible()) QTest::keyClick(dlg.txtOpenFile, Qt::Key_Escape);
        }, &ran);
        bool cancelled = false;
        CmnDlgOpen(name, folder, pattern, "Titel des Dialogs", cancelled);
        EXPECT_TRUE(ran);
        test::processEvents();
        EXPECT_FALSE(IsFormLoaded<frmCmnDlg>());
        return !cancelled;
    }

    test::GuiTest env;
    test::MsgRecorder rec;
    QString savedCwd;
    QString root;
};

}  // namespace

TEST_F(FileDialogGui, ListsMatchingFilesWhateverTheirCaseAndTypedPatterns) {
    std::string name = "", folder = toStd(root);
    runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        EXPECT_EQ(d.caption(), QString("Titel des Dialogs"));
        EXPECT_EQ(std::tuple(listed(d.filOpenList), d.txtOpenFile->text(), listed(d.dirOpenList).contains("unter")),
                  std::tuple((QStringList{"a.VRD", "b.vrd", "Messung.VRD"}), QString("*.VRD"), true));
        EXPECT_TRUE(d.lblOpenPath->text().endsWith("daten"));
        EXPECT_FALSE(d.lblFileComment->isVisible());
        d.txtOpenFile->clear();
        QTest::keyClicks(d.txtOpenFile, "*.vrp");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_EQ(std::tuple(d.isVisible(), listed(d.filOpenList), d.txtOpenFile->text()),
                  std::tuple(true, QStringList{"projekt.VRP"}, QString("*.VRP")));
        d.txtOpenFile->setText("?.*");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_EQ(listed(d.filOpenList), (QStringList{"a.VRD", "b.vrd"}));
    });
    EXPECT_EQ(rec.count(), 0u);
}

TEST_F(FileDialogGui, UnknownNameIsNotFoundAndTheDialogStays) {
    std::string name = "vorher.VRD", folder = toStd(root);
    const bool accepted = runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        EXPECT_EQ(d.txtOpenFile->text(), QString("vorher.VRD"));
        d.txtOpenFile->setText("gibtsnicht.VRD");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(vrn::test::isOnlyMessage(rec, "Datei nicht gefunden", "Titel des Dialogs", MsgIcon::Critical));
        EXPECT_EQ(std::tuple(d.pattern(), d.filOpenList->count()), std::tuple(QString("*.VRD"), 3));
    });
    EXPECT_FALSE(accepted);
    // Esc: the caller's name and folder stay.
    EXPECT_EQ(std::tuple(name, folder), std::tuple("vorher.VRD", toStd(root)));
}

TEST_F(FileDialogGui, TypedNameOfAListedFileIsAccepted) {
    std::string name = "", folder = "/";
    const bool accepted = runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        d.txtOpenFile->setText(root + "/unter");  // a folder moves the lists
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_EQ(std::tuple(d.dirPath(), d.txtOpenFile->text(), d.filOpenList->count()),
                  std::tuple(root + "/unter", QString("*.VRD"), 0));
        d.txtOpenFile->setText("../messung.vrd");  // another case still finds the file
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
    });
    EXPECT_EQ(std::tuple(accepted, name, folder, rec.count()), std::tuple(true, "Messung.VRD", toStd(root), 0u));
}

TEST_F(FileDialogGui, EnterOnAHighlightedFileOrADoubleClickAccepts) {
    for (int row : {2, 1}) {
        std::string name, folder = toStd(root);
        EXPECT_TRUE(runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
            d.filOpenList->setCurrentRow(row);
            if (row == 2) {
                EXPECT_EQ(d.txtOpenFile->text(), QString("Messung.VRD"));
                QTest::keyClick(d.filOpenList, Qt::Key_Return);
            } else {
                emit d.filOpenList->itemDoubleClicked(d.filOpenList->item(row));
            }
        }));
        EXPECT_EQ(name, row == 2 ? "Messung.VRD" : "b.vrd");
    }
}

TEST_F(FileDialogGui, PreviewShowsTheCommentButChangesNoState) {
    app.ProjKommentar = "aktuelles Projekt";
    {
        Aenderung vorgabe;
        app.ExpKommentar = "aktueller Datensatz";
    }
    std::string name, folder = toStd(root);
    runDialog(name, folder, "*.*", [&](frmCmnDlg& d) {
        d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("projekt.VRP"));
        EXPECT_EQ(d.txtOpenFile->text(), QString("projekt.VRP"));
        EXPECT_EQ(std::tuple(d.Text1->toPlainText(), d.lblFileComment->text(), d.lblFileComment->isVisible()),
                  std::tuple(QString("Kommentar des Projekts"), QString("Projekt-Kommentar"), true));
        EXPECT_TRUE(d.Text1->isEnabled());
        d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("a.VRD"));
        EXPECT_EQ(d.Text1->toPlainText(), QString("Kommentar des Datensatzes"));
        EXPECT_EQ(d.lblFileComment->text(), QString("Datei-Kommentar:"));
        d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("notiz.txt"));
        EXPECT_EQ(std::tuple(d.lblFileComment->isVisible(), d.Text1->isEnabled()), std::tuple(false, false));
        QTest::keyClick(d.filOpenList, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(std::tuple(app.ProjKommentar, app.ExpKommentar, rec.count()),
              std::tuple("aktuelles Projekt", "aktueller Datensatz", 0u));
}

TEST_F(FileDialogGui, BrokenFilesInThePreviewSayWhy) {
    write("leer.VRD", "");
    write("kurz.VRP", "nur eine Zeile");
    std::string name, folder = toStd(root);
    runDialog(name, folder, "*.*", [&](frmCmnDlg& d) {
        d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("leer.VRD"));
        EXPECT_FALSE(d.lblFileComment->isVisible());
        d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("kurz.VRP"));
        EXPECT_FALSE(d.lblFileComment->isVisible());
    });
    ASSERT_EQ(rec.count(), 2u);
    EXPECT_EQ(rec.messages()[0].title, "Meldung von ViewBatchFile");
    EXPECT_EQ(rec.messages()[1].title, "FEHLER");
}

// A named pipe behind a listed name: the preview names it and shows nothing,
// and typing the name loads nothing; nothing waits for a writer.
TEST_F(FileDialogGui, APipeBehindAListedNameIsRefusedAtOnceByThePreviewAndTheLoad) {
    test::Fifo rohr(toStd(root + "/rohr"));
    QFile::link("rohr", root + "/rohr.VRD");
    QFile::link("rohr", root + "/rohr.VRP");
    const std::string vrd = toStd(root + "/rohr.VRD"), vrp = toStd(root + "/rohr.VRP");
    app.ExpDateiPfad = toStd(root);
    {
        Aenderung vorgabe;
        app.ExpKommentar = "aktueller Datensatz";
        test::setDataSet(3, [](Messpunkt& p, int i) { p.t = i; });
        app.ExpDateiName = "alt.VRD";
    }
    bool ok = true, cancelled = true;
    EXPECT_TRUE(rohr.endsAlone([&] {
        onDialog([&](frmCmnDlg& d) {
            d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("rohr.VRD"));
            ASSERT_EQ(d.txtOpenFile->text(), QString("rohr.VRD"));
            EXPECT_TRUE(test::isOnlyMessage(rec, "Das ist keine gewöhnliche Datei: " + vrd, "Meldung von ViewBatchFile",
                                            MsgIcon::Critical));
            EXPECT_EQ(std::tuple(d.lblFileComment->isVisible(), d.Text1->isEnabled(), d.Text1->toPlainText()),
                      std::tuple(false, false, QString()));
            d.txtOpenFile->setText("*.*");
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
            d.filOpenList->setCurrentRow(listed(d.filOpenList).indexOf("rohr.VRP"));
            EXPECT_TRUE(
                test::isMessage(rec.last(), "Das ist keine gewöhnliche Datei: " + vrp, "FEHLER", MsgIcon::Critical));
            EXPECT_EQ(std::tuple(d.lblFileComment->isVisible(), d.Text1->isEnabled(), d.Text1->toPlainText()),
                      std::tuple(false, false, QString()));
            rec.clear();
            d.txtOpenFile->setText("rohr.VRD");
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        });
        LoadExpDataDialog(false, ok, cancelled);
    })) << "the preview or the load waited for a writer";
    EXPECT_EQ(std::tuple(ok, cancelled), std::tuple(false, false));
    EXPECT_TRUE(test::isOnlyMessage(
        rec, "Das ist keine gewöhnliche Datei: " + vrd + "\r\n\r\nDer Datensatz wurde nicht verändert.",
        "Meldung von LoadDataFile", MsgIcon::Critical));
    EXPECT_EQ(std::tuple(app.nExpPunkte, app.ExpDaten[3].t, app.ExpKommentar, app.ExpDateiName),
              std::tuple(3, 3.0, "aktueller Datensatz", "alt.VRD"));
}

TEST_F(FileDialogGui, DeleteAsksFirst) {
    std::string name, folder = toStd(root);
    rec.answer(MsgAnswer::No);
    rec.answer(MsgAnswer::Yes);
    runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        d.filOpenList->setCurrentRow(0);
        QTest::keyClick(d.filOpenList, Qt::Key_Delete);
        EXPECT_EQ(d.filOpenList->count(), 3);
        d.filOpenList->setCurrentRow(0);
        QTest::keyClick(d.filOpenList, Qt::Key_Delete);
        EXPECT_EQ(listed(d.filOpenList), (QStringList{"b.vrd", "Messung.VRD"}));
    });
    ASSERT_EQ(rec.count(), 2u);
    EXPECT_TRUE(test::isMessage(rec.last(), "File a.VRD wirklich löschen?", "Löschen von Dateien bestätigen",
                                MsgIcon::Question));
    EXPECT_EQ(std::tuple(rec.last().buttons, QFileInfo::exists(root + "/a.VRD")), std::tuple(MsgButtons::YesNo, false));
}

TEST_F(FileDialogGui, ParentFolderAndRoot) {
    std::string name, folder = toStd(root + "/unter");
    runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        d.cmdReturn->click();
        EXPECT_EQ(std::tuple(d.dirPath(), d.filOpenList->count()), std::tuple(root, 3));
        EXPECT_TRUE(d.setDirPath("/"));
        d.cmdReturn->click();
        EXPECT_EQ(d.dirPath(), QString("/"));
        EXPECT_GE(d.drvOpenList->count(), 1);
        EXPECT_EQ(d.drvOpenList->currentData().toString(), QString("/"));
        // Choosing a drive shows its root.
        EXPECT_TRUE(d.setDirPath(root));
        d.drvOpenList->setCurrentIndex(d.drvOpenList->findData(QStorageInfo(root).rootPath()));
        d.drvOpenList_Change();
        EXPECT_EQ(d.dirPath(), QStorageInfo(root).rootPath());
    });
    EXPECT_EQ(rec.count(), 0u);
}

TEST_F(FileDialogGui, MissingStartFolderIsSkippedAndATypedMissingFolderIsReported) {
    QDir::setCurrent(root);
    std::string name, folder = toStd(root + "/gibtsnicht");
    runDialog(name, folder, "*.VRD", [&](frmCmnDlg& d) {
        EXPECT_EQ(d.dirPath(), root);  // the current folder stays
        d.txtOpenFile->setText(root + "/nix/da.VRD");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_EQ(std::tuple(d.isVisible(), d.dirPath()), std::tuple(true, root));
    });
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_NE(rec.last().text.find("Pfad nicht gefunden"), std::string::npos);
}

TEST_F(FileDialogGui, LoadingADataSetThroughTheDialog) {
    app.ExpDateiPfad = toStd(root);
    onDialog([](frmCmnDlg& d) {
        EXPECT_EQ(d.caption(), QString("Laden experimenteller Daten"));
        d.txtOpenFile->setText("a.VRD");
        d.cmdOpenOK->click();
    });
    bool ok = false, cancelled = true;
    {
        Aenderung laden;
        LoadExpDataDialog(false, ok, cancelled);
    }
    EXPECT_EQ(std::tuple(ok, app.nExpPunkte, app.ExpDateiName), std::tuple(true, 2, toStd(root + "/a.VRD")));

    // The project dialog, cancelled with the close box.
    onDialog([](frmCmnDlg& d) {
        EXPECT_EQ(d.caption(), QString("Projekt laden (*.VRP)"));
        d.close();
    });
    std::string file, dat;
    {
        Aenderung laden;
        LoadProjectDialog(file, dat, ok, cancelled);
    }
    EXPECT_EQ(std::tuple(cancelled, ok), std::tuple(true, false));
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmCmnDlg>());
}

TEST_F(FileDialogGui, CommentWindowOkAbortAndEnter) {
    // typed, how the window is left, the comment then
    enum class Weg { Enter, Ok, Abbrechen, Esc, EnterAufAbbrechen };
    for (const auto& c : {std::tuple{"Messung vom Dienstag", Weg::Ok, "Messung vom Dienstag"},
                          {"mit der Eingabetaste", Weg::Enter, "mit der Eingabetaste"},
                          {"wird verworfen", Weg::Abbrechen, ""},
                          {"auch verworfen", Weg::Esc, ""},
                          {"ebenso verworfen", Weg::EnterAufAbbrechen, ""}}) {
        const auto& [typed, weg, comment] = c;
        SCOPED_TRACE(typed);
        app.ProjKommentar = "alter Kommentar";
        QTimer::singleShot(0, [&] {
            frmCommentInput* f = Forms::loaded<frmCommentInput>();
            ASSERT_NE(f, nullptr);
            EXPECT_EQ(f->caption(), QString(" Datei-Kommentar für Projekt (optional)"));
            EXPECT_EQ(f->lblTex2->text(), QString("<Abbrechen> = kein Kommentar"));
            EXPECT_EQ(f->txtDatComm->text(), QString("alter Kommentar"));
            f->txtDatComm->clear();
            QTest::keyClicks(f->txtDatComm, typed);
            switch (weg) {
                case Weg::Enter: QTest::keyClick(f->txtDatComm, Qt::Key_Return); break;
                case Weg::Ok: f->cmdOK->click(); break;
                case Weg::Abbrechen: f->cmdAbort->click(); break;
                case Weg::Esc: QTest::keyClick(f->txtDatComm, Qt::Key_Escape); break;
                case Weg::EnterAufAbbrechen:
                    QApplication::setActiveWindow(f);
                    f->cmdAbort->setFocus();
                    EXPECT_TRUE(f->cmdAbort->hasFocus());
                    QTest::keyClick(f->cmdAbort, Qt::Key_Return);
                    break;
            }
            // A window the key left open is closed here, so that the test goes on.
            if (IsFormLoaded<frmCommentInput>()) {
                ADD_FAILURE() << "the comment window is still open";
                f->cmdOK->click();
            }
        });
        ASSERT_TRUE(WriteProjectFile(toStd(root + "/kommentar.VRP")));
        EXPECT_EQ(app.ProjKommentar, comment);
        std::string gelesen;
        bool gelesenOk = false;
        ReadFileComment(toStd(root + "/kommentar.VRP"), gelesen, gelesenOk);
        EXPECT_EQ(gelesen, comment);
        test::processEvents();
        EXPECT_FALSE(IsFormLoaded<frmCommentInput>());
    }
}

// A long project comment opens showing its beginning, all of it selected, so
// that typing replaces it.
TEST_F(FileDialogGui, CommentWindowShowsTheBeginningOfALongComment) {
    const std::string lang = "Anfang des Kommentars " + std::string(200, '-') + " Ende";
    app.ProjKommentar = lang;
    QTimer::singleShot(0, [&] {
        frmCommentInput* f = Forms::loaded<frmCommentInput>();
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(std::tuple(f->txtDatComm->selectedText().toStdString(), f->txtDatComm->cursorPosition()),
                  std::tuple(lang, 0));
        QTest::keyClicks(f->txtDatComm, "neu");
        f->cmdOK->click();
    });
    ASSERT_TRUE(WriteProjectFile(toStd(root + "/lang.VRP")));
    EXPECT_EQ(app.ProjKommentar, "neu");
}

TEST_F(FileDialogGui, SaveBoxWritesAndMakesTheFolderCurrent) {
    {
        Aenderung vorgabe;
        app.ExpKommentar = "zu speichern";
    }
    app.ExpDateiPfad = toStd(root + "/unter");
    QString title, filter;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        filter = box->nameFilters().join("|");
        box->selectFile("gespeichert");
        static_cast<QDialog*>(box)->accept();
    });
    bool failed = true;
    {
        Aenderung speichern;  // as the data-set editor's "Speichern unter"
        SaveDataFileAs(failed);
    }
    EXPECT_EQ(std::tuple(failed, title), std::tuple(false, QString("Datenfile speichern unter ...")));
    // The box adds the default extension.
    EXPECT_EQ(std::tuple(filter, app.ExpDateiName, QFileInfo::exists(root + "/unter/gespeichert.VRD")),
              std::tuple(QString("Datenfile (*.VRD *.vrd)"), toStd(root + "/unter/gespeichert.VRD"), true));
    EXPECT_EQ(QDir::currentPath(), root + "/unter");

    // Saving over it asks first; "Nein" keeps the box open, then it is cancelled.
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QTimer::singleShot(0, [&] {
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(question, nullptr);
            asked = true;
            question->button(QMessageBox::No)->click();
            QTimer::singleShot(0, [&] {
                if (auto* b = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) b->reject();
            });
        });
        box->selectFile(root + "/unter/gespeichert.VRD");
        static_cast<QDialog*>(box)->accept();
    });
    {
        Aenderung speichern;  // as the data-set editor's "Speichern unter"
        SaveDataFileAs(failed);
    }
    EXPECT_EQ(std::tuple(asked, failed), std::tuple(true, true));
}

TEST_F(FileDialogGui, FirstSampleProjectLoadsFromAFreshProgramFolder) {
    setProgramFolder(env.folder() + "/erster-start");
    const QString prog = prepareProgramFolder();
    resetAppState(toStd(prog));
    QDir::setCurrent(prog);
    // As the hint panel says: load the project "1st_order.VRP".
    onDialog([](frmCmnDlg& d) {
        EXPECT_EQ(listed(d.filOpenList), (QStringList{"1st_order.VRP", "2nd_order.VRP", "kT_Arrhenius.VRP"}));
        d.txtOpenFile->setText("1st_order.VRP");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
    });
    std::string file, dat;
    bool ok = false, cancelled = true;
    {
        // As the menu item reads it: one change.
        Aenderung laden;
        LoadProjectDialog(file, dat, ok, cancelled);
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(std::tuple(dat, app.ProjKommentar, rec.count()),
              std::tuple("1st_order.VRD", "Beispiel: Reaktion 1. Ordnung A => P", 0u));
    setProgramFolder(env.folder());
}

namespace {

// The folder list's entry of a folder (by its full path).
QListWidgetItem* folderEntry(frmCmnDlg& d, const QString& path) {
    for (int i = 0; i < d.dirOpenList->count(); ++i)
        if (d.dirOpenList->item(i)->data(Qt::UserRole).toString() == path) return d.dirOpenList->item(i);
    return nullptr;
}

// A single click on an entry of a list, as the user's mouse makes it.
void clickEntry(QListWidget* list, QListWidgetItem* it) {
    list->scrollToItem(it);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
}

}  // namespace

// A sub-folder the user may not enter (mode 000, another owner), in the
// folder of the sample project, as an unprivileged user: "Daten /
// existierendes Projektfile laden", a single click on that folder, the
// project's name typed and Return: the project loads. Entered on purpose (a
// double click, or OK with the pattern), the folder is refused once with its
// reason; the next OK does not try it again.
TEST_F(FileDialogGui, AFolderThatCannotBeEnteredIsRefusedOnceAndATypedNameIsWhatOkOpens) {
    for (const char* ext : {".VRP", ".VRD"})
        QFile::copy(resourceFolder() + "/samples/1st_order" + ext, root + "/1st_order" + ext);
    const QString locked = root + "/locked";
    QDir().mkpath(locked);
    ::chmod(locked.toLocal8Bit().constData(), 0);
    for (const QString& p : {QFileInfo(env.folder()).absolutePath(), env.folder(), root})
        ::chmod(p.toLocal8Bit().constData(), 0755);
    MDIVRN w;
    w.MDIForm_Load();
    Forms::destroyAll();  // the tips window
    test::processEvents();
    app.ProjDateiPfad = toStd(root);
    app.ProjDateiName.clear();
    rec.clear();

    // Each step: what it did, the messages since the step before, whether the box is open, the folder it lists.
    const test::Unprivileged u = test::runUnprivileged([&] {
        std::string seen;
        std::size_t messages = 0;
        const auto note = [&](const char* step, frmCmnDlg& d) {
            seen += std::string(step) + ":";
            for (; messages < rec.count(); ++messages) seen += " [" + rec.messages()[messages].text + "]";
            seen += d.isVisible() ? " open " : " closed ";
            seen += toStd(d.dirPath()) + "\n";
        };
        onDialog([&](frmCmnDlg& d) {
            QListWidgetItem* it = folderEntry(d, locked);
            if (!it) {
                seen += "no entry for the locked folder\n";
                return;
            }
            emit d.dirOpenList->itemDoubleClicked(it);
            note("double click", d);
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
            note("return", d);
            clickEntry(d.dirOpenList, folderEntry(d, locked));
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
            note("click, return", d);
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
            note("return", d);
            clickEntry(d.dirOpenList, folderEntry(d, locked));
            test::typeInto(d.txtOpenFile, "1st_order.VRP");
            QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
            note("click, name, return", d);
            if (d.isVisible()) QTest::keyClick(d.txtOpenFile, Qt::Key_Escape);
        });
        w.clickMenu("mnuLoadProject");
        seen += app.ProjKommentar + ", " + std::to_string(app.nExpPunkte) + " Punkte";
        return std::pair(true, seen);
    });
    ::chmod(locked.toLocal8Bit().constData(), 0755);
    ASSERT_TRUE(u.exited);
    const std::string r = toStd(root);
    EXPECT_EQ(u.text, "double click: [Zugriff verweigert: " + r + "/locked] open " + r + "\n" +
                          "return: open " + r + "\n" +
                          "click, return: [Zugriff verweigert: " + r + "/locked] open " + r + "\n" +
                          "return: open " + r + "\n" +
                          "click, name, return: closed " + r + "\n" +
                          "Beispiel: Reaktion 1. Ordnung A => P, 25 Punkte");
}

// Links are listed as what they point to: one to a folder as a folder, one
// to a file or a device as a file, a broken one not at all; a path through
// something that is not a folder says so.
TEST_F(FileDialogGui, ALinkIsListedAsWhatItPointsTo) {
    QFile::link("/dev/zero", root + "/zero.VRP");
    QFile::link("unter", root + "/zum-ordner");
    QFile::link("projekt.VRP", root + "/verweis.VRP");
    QFile::link("gibtsnicht.VRP", root + "/kaputt.VRP");
    std::string name, folder = toStd(root);
    runDialog(name, folder, "*.VRP", [&](frmCmnDlg& d) {
        QStringList sub = listed(d.dirOpenList);
        sub = sub.mid(sub.indexOf("daten") + 1);
        EXPECT_EQ(std::tuple(sub, listed(d.filOpenList)),
                  std::tuple(QStringList{"unter", "zum-ordner"}, QStringList{"projekt.VRP", "verweis.VRP", "zero.VRP"}));
        // Through a link into the folder it points to.
        emit d.dirOpenList->itemDoubleClicked(folderEntry(d, root + "/zum-ordner"));
        EXPECT_EQ(d.dirPath(), root + "/zum-ordner");
        QTest::mouseClick(d.cmdReturn, Qt::LeftButton);
        // A path through the device.
        test::typeInto(d.txtOpenFile, root + "/zero.VRP/a.VRP");
        QTest::keyClick(d.txtOpenFile, Qt::Key_Return);
        EXPECT_EQ(std::tuple(d.isVisible(), d.dirPath()), std::tuple(true, root));
    });
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_TRUE(test::isMessage(rec.last(), "Das ist kein Ordner: " + toStd(root) + "/zero.VRP", "Titel des Dialogs",
                                MsgIcon::Critical));
}
