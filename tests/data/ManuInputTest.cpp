#include <QStatusBar>
#include <QFile>
#include <QTimer>

#include "chart/CurvePanel.h"
#include "chart/frmGraph2D.h"
#include "data/frmManuInput.h"
#include "engine/frmKinModel.h"
#include "platform/DataGrid.h"
#include "platform/Paths.h"
#include "support/GuiTestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

// The program's own ending, as it stands before any test replaces it.
std::function<void()>& programmEndeSpeicher() {
    static std::function<void()> ende;
    return ende;
}
const std::function<void()>& programmEnde() { return programmEndeSpeicher(); }
class EndeMerken : public ::testing::Environment {
public:
    void SetUp() override { programmEndeSpeicher() = MDIVRN::endProgram; }
};
[[maybe_unused]] const auto* const kEndeMerken = ::testing::AddGlobalTestEnvironment(new EndeMerken);

class XYEditor : public MainWindowTest {
protected:
    XYEditor() : MainWindowTest(false) {}
    void SetUp() override { hooks().fileDialogs = {}; }  // every box is cancelled unless a test answers it
    frmManuInput& oeffnen() {
        main->clickMenu("mnuEditXY");
        processEvents();
        frmManuInput* f = Forms::loaded<frmManuInput>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
    // Types x, Enter, y, Enter as the user does: the keys for y go wherever
    // Enter in the x box put the focus.
    static void punkt(frmManuInput& f, const QString& x, const QString& y) {
        typeInto(f.y[0], x);
        QTest::keyClick(f.y[0], Qt::Key_Return);
        QWidget* danach = QApplication::focusWidget();
        ASSERT_NE(danach, nullptr);
        QTest::keyClicks(danach, y);
        QTest::keyClick(danach, Qt::Key_Return);
    }
    static void einfuegen(frmManuInput& f, const QString& block) {
        QApplication::clipboard()->setText(block);
        QTest::mouseClick(f.cmdClipEinfuegen, Qt::LeftButton);
    }
    static void klickeZelle(DataGrid* g, int row, int col, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, m, g->cellRect(row, col).center());
    }
    static QStringList spalte(DataGrid* g, int col) {
        QStringList l;
        for (int r = 0; r < g->rowCount(); ++r) l << g->cellText(r, col);
        return l;
    }
};

}  // namespace

// In the comma locale; the point locale is every other editor test's.
TEST_F(XYEditor, TypedPointsAndEditedCellsInTheCommaLocale) {
    vrn::test::LocaleGuard g(QLocale(QLocale::German, QLocale::Germany));
    frmManuInput& f = oeffnen();
    EXPECT_EQ(std::tuple(f.caption(), f.Grid->cellText(0, 2), f.optInputMode[0]->isChecked(), f.lblZeile->text(),
                         f.cmdSave->isEnabled()),
              std::tuple("manuelle Dateneingabe", "leere Liste", true, "Zeile 1", false));

    punkt(f, "1,5", "2");
    // The new row is current.
    EXPECT_EQ(std::tuple(f.lblZeile->text(), f.cmdSave->isEnabled(), f.cmdDrawManu->isEnabled(), f.y[1]->text()),
              std::tuple("Zeile 2", true, false, " 2"));

    // "+" in the x box takes the point with the y shown.
    typeInto(f.y[0], "-0.25");
    QTest::keyClick(f.y[0], Qt::Key_Plus);
    EXPECT_EQ(spalte(f.Grid, 2), (QStringList{"1,5", "-0,25"}));
    EXPECT_TRUE(f.cmdDrawManu->isEnabled());
    // A value no Single holds is refused, and named.
    MsgRecorder rec;
    const std::tuple<const char*, const char*, std::string> zuGross[] = {
        {"1e39", "2", "- x-Wert zu groß: x darf höchstens 3.4E+38 sein\r\n"},
        {"1", "-1E400", "- y-Wert zu klein: y muss mindestens -3.4E+38 sein\r\n"},
        {"-3.5e38", "1e999",
         "- x-Wert zu klein: x muss mindestens -3.4E+38 sein\r\n- y-Wert zu groß: y darf höchstens 3.4E+38 sein\r\n"},
    };
    for (const auto& [x, yText, zeilen] : zuGross) {
        rec.clear();
        typeInto(f.y[0], x);
        typeInto(f.y[1], yText);
        QTest::mouseClick(f.OKinput, Qt::LeftButton);
        EXPECT_TRUE(isOnlyMessage(rec, zeilen, " Ausführung nicht möglich ", MsgIcon::Critical)) << x;
        EXPECT_EQ(std::tuple(rec.beeps(), app.nXYPunkte), std::tuple(0, 2));
    }

    // A cell takes "," and "." and shows the locale's separator.
    app.bDezimalKomma = true;
    f.Grid->setCurrentCell(0, 3);
    f.Grid->setFocus();
    QTest::keyClick(f.Grid, '1');
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, ",5x2");
    EXPECT_EQ(editor->text(), "1,52");
    QTest::keyClick(editor, Qt::Key_Return);
    processEvents();
    EXPECT_FLOAT_EQ(app.XYDaten[1].y, 1.52f);
    EXPECT_EQ(f.Grid->cellText(0, 3), "1,52");

    // A cell beyond a Single is named, and shows the stored value again.
    rec.clear();
    f.Grid->setCurrentCell(0, 2);
    f.Grid->setFocus();
    QTest::keyClick(f.Grid, '1');
    editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "e39");
    QTest::keyClick(editor, Qt::Key_Return);
    processEvents();
    EXPECT_TRUE(isOnlyMessage(rec, "- x-Wert zu groß: x darf höchstens 3.4E+38 sein", " Ausführung nicht möglich ",
                              MsgIcon::Critical));
    EXPECT_EQ(std::tuple(app.XYDaten[1].x, f.Grid->cellText(0, 2)), std::tuple(1.5f, QString("1,5")));
}

TEST_F(XYEditor, DrawsActivePointsIntoItsOwnChartAndAsksBeforeOverwriting) {
    frmManuInput& f = oeffnen();
    einfuegen(f, "300\t0,5\r\n350\t0.5\r\n400\t0.5\r\n");
    ASSERT_EQ(app.nXYPunkte, 3);
    klickeZelle(f.Grid, 0, 1);
    klickeZelle(f.Grid, 1, 1);
    EXPECT_TRUE(f.Grid->isCellChecked(1, 1));
    MsgRecorder rec;
    QTest::mouseClick(f.cmdDrawManu, Qt::LeftButton);
    EXPECT_TRUE(vrn::test::isOnlyMessage(rec, "Mindestens 2 aktive Punkte notwendig!", " Ausführung nicht möglich ",
                                         MsgIcon::Critical));
    EXPECT_EQ(Forms::loaded<frmGraph2D>(), nullptr);

    klickeZelle(f.Grid, 0, 1);  // point 1 active again: 300 and 400 are drawn
    QTest::mouseClick(f.cmdDrawManu, Qt::LeftButton);
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    ASSERT_NE(g, nullptr);
    const ChartControl& c = *g->Chart2D1;
    EXPECT_EQ(std::tuple(c.text(ChartTextBlock::Header), c.axisTitle(ChartAxis::X), c.axisTitle(ChartAxis::Y)),
              std::tuple("experimentelle Punkte y(T)", "T / K", "y"));
    EXPECT_FLOAT_EQ(c.axisMax(ChartAxis::X), 405);  // the range rule is checked with the list
    EXPECT_EQ(std::tuple(c.pointCount(2, 7), c.pointCount(1, 1), g->StatusBar2->isVisible(), g->cmdDraw->isEnabled()),
              std::tuple(2, 0, false, false));

    // The chart's separator list decides the editor's next file.
    g->kurvenPanel->cmbSep->setCurrentIndex(1);
    emit g->kurvenPanel->cmbSep->activated(1);
    f.SetFocus();
    processEvents();
    EXPECT_EQ(f.cmbSep->currentText(), QString("Komma"));

    // Drawing again asks; No keeps the chart's set and closes the editor
    // (after the question for the unsaved points).
    rec.answer(MsgAnswer::No);
    rec.answer(MsgAnswer::No);
    QTest::mouseClick(f.cmdDrawManu, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 3u);
    EXPECT_EQ(
        std::tuple(rec.messages()[1].text, rec.messages()[1].title, rec.messages()[2].title),
        std::tuple("Soll der bereits geladene manuelle Datensatz überschrieben werden?\r\n", "Warnung", "WARNUNG"));
    processEvents();
    EXPECT_EQ(std::tuple(Forms::loaded<frmManuInput>(), c.pointCount(2, 7)), std::tuple(nullptr, 2));
    g->clickMenu("mnuManuXY");  // the chart opens a fresh editor
    EXPECT_NE(Forms::loaded<frmManuInput>(), nullptr);
    EXPECT_EQ(app.nXYPunkte, 0);
}

TEST_F(XYEditor, RemovesMarkedRowsAfterTheQuestion) {
    frmManuInput& f = oeffnen();
    QString block;
    for (int i = 1; i <= 10; ++i) block += QString("%1\t%2\r\n").arg(i).arg(10 * i);
    einfuegen(f, block);
    ASSERT_EQ(app.nXYPunkte, 10);
    klickeZelle(f.Grid, 2, 0);
    klickeZelle(f.Grid, 4, 0, Qt::ShiftModifier);
    MsgRecorder rec;
    rec.answer(MsgAnswer::Yes);
    QTest::mouseClick(f.cmdErase, Qt::LeftButton);
    EXPECT_EQ(rec.last().text, "Zeilen 3 bis 5 wirklich löschen?");
    EXPECT_EQ(spalte(f.Grid, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(spalte(f.Grid, 2), (QStringList{"1", "2", "6", "7", "8", "9", "10"}));

    f.optDeleteXY[1]->click();
    rec.answer(MsgAnswer::Yes);
    QTest::mouseClick(f.cmdErase, Qt::LeftButton);
    EXPECT_EQ(std::tuple(rec.last().text, app.nXYPunkte, spalte(f.Grid, 2), f.optInputMode[0]->isChecked(),
                         f.lblZeile->text(), f.cmdErase->isEnabled()),
              std::tuple("wirklich alles löschen?", 0, QStringList{"leere Liste"}, true, " Zeile 1", false));
}

TEST_F(XYEditor, ColumnArithmeticIsRefusedWholeOrDoneWhole) {
    frmManuInput& f = oeffnen();
    einfuegen(f, "1\t0\r\n2\t1");
    f.bXYGeaendert = false;
    QTest::mouseClick(f.cmdManip, Qt::LeftButton);
    f.optManip[1]->click();
    MsgRecorder rec;
    QTest::mouseClick(f.cmdExecManip, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Ungültiger Prozeduraufruf oder ungültiges Argument\r\n"
                               "Mit den vorliegenden Daten ist diese Aktion nicht ausführbar.");
    EXPECT_EQ(rec.last().title, " Ausführung nicht möglich ");
    EXPECT_EQ(std::tuple(spalte(f.Grid, 3), f.bXYGeaendert), std::tuple((QStringList{"0", "1"}), false));
    f.optManip[2]->click();
    typeInto(f.txtW, "2,5");  // the box turns the comma into a point
    QTest::mouseClick(f.cmdExecManip, Qt::LeftButton);
    EXPECT_EQ(std::tuple(spalte(f.Grid, 3), f.bXYGeaendert), std::tuple((QStringList{"0", "2.5"}), true));
    // A W beyond the range of a Double is named for y * W and y + W, and the list stays.
    const std::tuple<int, const char*, const char*> wZuGross[] = {
        {2, "1E400", "- Zahlenwert zu groß: W darf höchstens 1.7E+308 sein"},
        {3, "-1E400", "- Zahlenwert zu klein: W muss mindestens -1.7E+308 sein"},
    };
    for (auto [art, w, zeile] : wZuGross) {
        f.optManip[static_cast<std::size_t>(art)]->click();
        typeInto(f.txtW, w);
        rec.clear();
        QTest::mouseClick(f.cmdExecManip, Qt::LeftButton);
        EXPECT_TRUE(isOnlyMessage(rec, zeile, " Ausführung nicht möglich ", MsgIcon::Critical)) << w;
        EXPECT_EQ(spalte(f.Grid, 3), (QStringList{"0", "2.5"})) << w;
    }
}

TEST_F(XYEditor, ClosingWithUnsavedPointsAsksByTheButtonAndByTheFrame) {
    frmManuInput& f = oeffnen();
    punkt(f, "1", "2");
    MsgRecorder rec;
    rec.answer(MsgAnswer::Cancel);
    QTest::mouseClick(f.cmdEsc, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(std::tuple(rec.last().text, rec.last().buttons, rec.last().title),
              std::tuple("Die Daten wurden noch nicht gespeichert.\r\n\r\nJetzt speichern?", MsgButtons::YesNoCancel,
                         "WARNUNG"));
    ASSERT_NE(Forms::loaded<frmManuInput>(), nullptr);

    // Yes with a cancelled save box keeps the window and its list.
    rec.answer(MsgAnswer::Yes);
    f.frame()->close();
    processEvents();
    EXPECT_EQ(rec.count(), 2u);
    ASSERT_NE(Forms::loaded<frmManuInput>(), nullptr);
    EXPECT_EQ(app.nXYPunkte, 1);

    const std::string path = env.folderStd() + "/neu.XY";
    answerFileBoxes(path);
    f.txtComment->setText("Versuch 7");
    rec.answer(MsgAnswer::Yes);
    f.frame()->close();
    processEvents();
    EXPECT_EQ(Forms::loaded<frmManuInput>(), nullptr);
    EXPECT_EQ(vrn::test::readFile(path), "Versuch 7\r\n.1000000E+01;.2000000E+01\r\n");
}

TEST_F(XYEditor, LoadingAsksForUnsavedPointsAndACancelledBoxKeepsTheList) {
    vrn::test::writeFile(env.folderStd() + "/a.XY", "\"Kurvenpunkte\"\r\n.1000000E+01;.2000000E+01\r\n3;4\r\n");
    frmManuInput& f = oeffnen();
    punkt(f, "7", "8");
    MsgRecorder rec;
    rec.answer(MsgAnswer::No);
    QTest::mouseClick(f.cmdLoad, Qt::LeftButton);  // no file chosen
    EXPECT_EQ(std::tuple(rec.count(), f.Grid->cellText(0, 2)), std::tuple(1u, QString("7")));

    answerFileBoxes(env.folderStd() + "/a.XY");
    rec.answer(MsgAnswer::No);
    QTest::mouseClick(f.cmdLoad, Qt::LeftButton);
    EXPECT_EQ(std::tuple(f.caption(), f.txtComment->text(), spalte(f.Grid, 3), f.optInputMode[1]->isChecked(),
                         f.lblZeile->text(), f.bXYGeaendert),
              std::tuple("geladen: a.XY", "\"Kurvenpunkte\"", QStringList{"2", "4"}, true, "Zeile 1", false));
}

// A long comment of a loaded file opens showing its beginning.
TEST_F(XYEditor, ALoadedLongCommentShowsItsBeginning) {
    const std::string lang = "Anfang " + std::string(300, '-') + " Ende";
    vrn::test::writeFile(env.folderStd() + "/lang.XY", lang + "\r\n1;2\r\n");
    frmManuInput& f = oeffnen();
    answerFileBoxes(env.folderStd() + "/lang.XY");
    QTest::mouseClick(f.cmdLoad, Qt::LeftButton);
    EXPECT_EQ(std::tuple(f.txtComment->text().toStdString(), f.txtComment->cursorPosition()), std::tuple(lang, 0));
}

TEST_F(XYEditor, PopupOfTheMainWindowDrivesTheGrid) {
    frmManuInput& f = oeffnen();
    QApplication::clipboard()->clear();
    main->mnuEdit2_Open();
    EXPECT_EQ(std::tuple(main->mnuCopy2->isEnabled(), main->mnuErase2->isEnabled()), std::tuple(false, false));
    einfuegen(f, "1,5\t2\n3\t4\n5\t6");
    main->mnuEdit2_Open();
    EXPECT_TRUE(main->mnuCopy2->isEnabled());
    f.Grid->setSelectionRect(0, 2, 1, 3);
    main->menuItem("mnuCopy2")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString("1.5\t2\r3\t4"));
    main->menuItem("mnuSubDelNull2")->trigger();
    EXPECT_EQ(spalte(f.Grid, 2), (QStringList{"0", "0", "5"}));
    MsgRecorder rec;
    main->menuItem("mnuSubDelLine2")->trigger();
    EXPECT_EQ(rec.last().text, "Zeile 1 wirklich löschen?");  // the rebuilt grid marks row 1
}

// Exit asks once per unsaved thing. "Abbrechen" leaves every window and writes
// nothing; after "Nein" the program's own ending runs in its event loop and no
// window's closing handler asks again.
TEST_F(XYEditor, ExitAsksOnceAndNoEndsTheProgram) {
    main->clickMenu("mnuModel");
    frmManuInput& f = oeffnen();
    punkt(f, "1", "2");
    MsgRecorder rec;
    rec.answer(MsgAnswer::Cancel);
    main->clickMenu("mnuExit");
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Die Daten wurden noch nicht gespeichert.\r\n\r\nJetzt speichern?");
    EXPECT_EQ(app.nXYPunkte, 1);
    EXPECT_NE(Forms::loaded<frmKinModel>(), nullptr);
    EXPECT_FALSE(QFile::exists(toQ(app.SessionDateiName)));

    rec.clear();
    rec.answer(MsgAnswer::No);
    rec.answer(MsgAnswer::Cancel);  // the answer a second question would get
    MDIVRN::endProgram = programmEnde();
    QTimer schutz;  // ends a loop that Exit failed to end
    schutz.setSingleShot(true);
    QObject::connect(&schutz, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    schutz.start(5000);
    QTimer::singleShot(0, main.get(), [this] { main->clickMenu("mnuExit"); });
    const int rc = QApplication::exec();
    MDIVRN::endProgram = [] {};
    EXPECT_EQ(rc, 0) << "Exit ended the event loop";
    EXPECT_EQ(rec.count(), 1u) << "no window asked again";
    EXPECT_NE(Forms::loaded<frmKinModel>(), nullptr) << "no window was closed on the way";
    EXPECT_TRUE(QFile::exists(toQ(app.SessionDateiName)));
}

// Enter goes x -> y -> take; a pasted x keeps its decimal comma; points taken
// with "+" as a US keyboard types it mark only the new row; Ctrl+A and a click
// into a box select its text, so that typing replaces it.
TEST_F(XYEditor, KeysOfTheInputBoxesAsTheUserPressesThem) {
    frmManuInput& f = oeffnen();
    QTest::mouseClick(f.y[0], Qt::LeftButton);
    QApplication::clipboard()->setText("1,5");
    QTest::keyClick(f.y[0], Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.y[0], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.y[1]);
    QTest::keyClicks(f.y[1], "298.15");
    QTest::keyClick(f.y[1], '+', Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f.y[0]);
    QTest::keyClicks(f.y[0], "2");
    QTest::keyClick(f.y[0], '+', Qt::ShiftModifier);
    ASSERT_EQ(app.nXYPunkte, 2);
    EXPECT_EQ(app.XYDaten[1].x, 1.5f);
    EXPECT_EQ(app.XYDaten[2].x, 2.0f);
    EXPECT_EQ(app.XYDaten[2].y, 298.15f);
    MsgRecorder rec;
    rec.answer(MsgAnswer::No);
    QTest::mouseClick(f.cmdErase, Qt::LeftButton);
    EXPECT_EQ(rec.last().text, "Zeile 2 wirklich löschen?");

    // Edit point 2: a click into the y box, a second click that puts the
    // cursor into the text, Ctrl+A, "310".
    klickeZelle(f.Grid, 1, 2);
    clickButton(f.optInputMode[1]);
    QTest::mouseClick(f.y[1], Qt::LeftButton);
    QTest::mouseClick(f.y[1], Qt::LeftButton, {}, QPoint(f.y[1]->width() - 4, f.y[1]->height() / 2));
    QTest::keyClick(f.y[1], Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(f.y[1], "310");
    QTest::keyClick(f.y[1], Qt::Key_Return);
    EXPECT_EQ(app.XYDaten[2].y, 310.0f);
    // A click from the grid into the x box selects its text as well.
    QTest::mouseClick(f.Grid->viewport(), Qt::LeftButton);
    QTest::mouseClick(f.y[0], Qt::LeftButton);
    QTest::keyClicks(f.y[0], "4");
    EXPECT_EQ(f.y[0]->text(), "4");
}
