#include "platform/Paths.h"
#include "reactors/Protocol.h"
#include "reactors/frmProtokoll.h"
#include "shell/CalcForm.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// A stand-in for the stirred-tank window: a calculation window of that type
// with its protocol button.
class TankStandIn : public CalcForm {
public:
    TankStandIn() : CalcForm(RKconti) {
        cmdProtocol = new QPushButton("Protokollieren", this);
        ensureSharedControls();
    }
};

// The result of the stirred tank with model 2 (k1 = 0.15) at V = 1, V* = 0.2
// as its protocol row, valid as after a calculation.
void tankResultRow() {
    const double u = 0.75 / 1.75;
    app.ProtZeile = {1, 0, 0, 0, 0, 1 / 1.75, 0, 0, u, 0, 0.15, 0, 0, u, 5, 0, 1, 0.2, u, 0};
    app.iProtZeileQuelle = 2;
    if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) p->refreshRowButton();
}

}  // namespace

class ProtocolWindow : public test::MainWindowTest {
protected:
    void SetUp() override {
        MDIVRN::endProgram = [this] { ++ends; };
        today_ = SetAutoProtName();
        app.ProtDateiName = today_;
    }
    void TearDown() override { MDIVRN::endProgram = [] {}; }

    TankStandIn& openTank() {
        auto& t = Forms::get<TankStandIn>();
        t.resize(560, 400);
        t.Show();
        t.frame()->move(10, 10);
        t.cmdProtocol->setEnabled(false);  // as the reactor window does before it opens the protocol
        return t;
    }
    frmProtokoll& openProtocol() {
        auto& p = Forms::get<frmProtokoll>();
        p.Show();
        test::processEvents();
        return p;
    }
    std::string file(const std::string& name) const { return env.folderStd() + "/" + name; }

    int ends = 0;
    std::string today_;
};

TEST_F(ProtocolWindow, BesideTheTankCollectsWritesAndCopies) {
    TankStandIn& tank = openTank();
    app.Trennzeichen = "\t";
    frmProtokoll& p = openProtocol();
    // Every opening starts with ";".
    EXPECT_EQ(std::tuple(p.caption(), p.iProtQuelle, app.Trennzeichen),
              std::tuple("  Ergebnis-Protokoll schreiben", 2, ";"));
    QStringList entries;
    for (int i = 0; i < p.cmbSep->count(); ++i) entries << p.cmbSep->itemText(i);
    EXPECT_EQ(std::tuple(entries, p.cmbSep->currentIndex(), p.cmdOpenNew->text(), p.cmdOpenNew->isEnabled(),
                         p.lblProtText2->text()),
              std::tuple(QStringList({"Semikolon", "Komma", "Tab"}), 0,
                         "schließen / neues File öffnen\nund Protokoll in Clipboard", false, toQ(today_)));

    // Bottom edges aligned, overlapping the tank's right edge by 40 twips (3 pixels).
    const QRect t = tank.frame()->geometry(), g = p.frame()->geometry();
    EXPECT_NEAR(g.left(), t.left() + t.width() - 3, 1);
    EXPECT_NEAR(g.bottom(), t.bottom(), 1);

    tankResultRow();
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    EXPECT_TRUE(p.cmdOpenNew->isEnabled());
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    EXPECT_EQ(app.nProtZeilen, 2);

    QApplication::clipboard()->setText("alt");
    QTest::mouseClick(p.cmdOpenNew, Qt::LeftButton);
    EXPECT_FALSE(p.cmdOpenNew->isEnabled());
    const std::string next = today_.substr(0, 6) + "02.CSV";
    EXPECT_EQ(p.lblProtText2->text(), toQ(next));
    const QString clip = QApplication::clipboard()->text();
    EXPECT_TRUE(clip.startsWith("VARNOLT: Kinetics of chemical reactions\r\n"));  // the lines as in the file, with tabs
    EXPECT_TRUE(clip.contains("c_A(A)\tc_E(A)\tc_E(P)\tk1\tU(A)\tt\t V\t V*\t ksi(1)\t\r\n"));
    EXPECT_FALSE(clip.contains(';'));
    EXPECT_EQ(test::readBytes(toQ(file(today_))).count("1;0.5714286;0.4285714;0.15;0.4285714;5;1;0.2;0.4285714;\r\n"),
              2);

    // A third row goes into the next file, written on closing.
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    QTest::mouseClick(p.cmdClose, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(std::tuple(IsFormLoaded<frmProtokoll>(), tank.cmdProtocol->isEnabled(),
                         std::filesystem::exists(file(next)), app.bProtOffen),
              std::tuple(false, true, true, false));
    EXPECT_TRUE(test::unexpectedMessages().empty());
}

TEST_F(ProtocolWindow, CommaSeparatorWarnsOnADecimalCommaLocale) {
    test::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    app.bDezimalKomma = true;
    frmProtokoll& p = openProtocol();
    EXPECT_EQ(p.iProtQuelle, 0);
    p.cmbSep->setFocus();
    QTest::keyClick(p.cmbSep, Qt::Key_Down);
    EXPECT_EQ(app.Trennzeichen, ",");
    tankResultRow();
    test::MsgRecorder rec;
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    EXPECT_TRUE(test::isOnlyMessage(rec,
                                    "Bei Computereinstellung \"Deutschland\" (Dezimalzeichen Komma)\r\n"
                                    "ist Komma als Dateitrennzeichen nicht sinnvoll; der Clipboard-Inhalt\r\n"
                                    "ist nicht mehr Excel-kompatibel.\r\nEmpfehlung: Semikolon",
                                    "Warnung", MsgIcon::Exclamation));
    EXPECT_EQ(app.nProtZeilen, 1);  // added all the same
    QTest::mouseClick(p.cmdOpenNew, Qt::LeftButton);
    EXPECT_NE(test::readFile(file(today_)).find("\r\n1,0,5714286,0,4285714,0,15,"), std::string::npos);
}

TEST_F(ProtocolWindow, FailedWriteKeepsRowsAndButton) {
    std::filesystem::create_directory(file(today_));
    frmProtokoll& p = openProtocol();
    tankResultRow();
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    test::MsgRecorder rec;
    QTest::mouseClick(p.cmdOpenNew, Qt::LeftButton);
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "Meldung von schreibProtFileAndClose");
    EXPECT_NE(rec.last().text.find(today_), std::string::npos);
    EXPECT_EQ(std::tuple(rec.last().icon, p.cmdOpenNew->isEnabled(), app.bProtOffen, app.nProtZeilen),
              std::tuple(MsgIcon::Critical, true, true, 1));
    EXPECT_TRUE(p.lblProtText2->text().endsWith(toQ(today_)));
}

TEST_F(ProtocolWindow, ExitWritesAnOpenProtocol) {
    frmProtokoll& p = openProtocol();
    tankResultRow();
    QTest::mouseClick(p.cmdProtokoll, Qt::LeftButton);
    main->clickMenu("mnuExit");
    EXPECT_EQ(std::tuple(ends, std::filesystem::exists(file(today_)), app.bProtOffen), std::tuple(1, true, false));

    // Rows left open by an earlier window are written too.
    test::processEvents();
    app.ProtDateiName = "spaet.CSV";
    ASSERT_TRUE(appendProtZeile());
    main->clickMenu("mnuExit");
    EXPECT_EQ(std::tuple(ends, std::filesystem::exists(file("spaet.CSV"))), std::tuple(2, true));
}
