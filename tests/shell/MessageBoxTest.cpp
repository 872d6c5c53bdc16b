// The program's message boxes as the user sees them: each is at least as wide
// as its title needs in the window frame (the title in a bold title-bar font
// and beside it room for the frame's icon and buttons), shows its text whole
// and stays on the screen.

#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "engine/frmPrepareTimeDiagram.h"
#include "platform/MsgBoxQt.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// Room the frame keeps beside the title for its icon and buttons, at least.
constexpr int kRahmenKnoepfe = 100;

struct GezeigteBox {
    bool gezeigt = false;
    QString titel;
    int breite = 0;
    bool textGanz = false;
    std::string textFehler;
};

// The program's messages go to Qt's message boxes while it lives; the first
// box shown is measured and closed with its first button.
class EchteBoxen {
public:
    EchteBoxen() : msg_(setMsgHandler(nullptr)), beep_(setBeepHandler(nullptr)) { installQtMessageBoxes(); }
    ~EchteBoxen() {
        setMsgHandler(msg_);
        setBeepHandler(beep_);
    }
    EchteBoxen(const EchteBoxen&) = delete;
    EchteBoxen& operator=(const EchteBoxen&) = delete;

    // Runs the step; the box it shows is measured (and kept as a picture when
    // a name is given) and answered.
    GezeigteBox miss(const std::function<void()>& schritt, const QString& bild = QString()) {
        GezeigteBox b;
        QTimer::singleShot(0, [&b, bild] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (!bild.isEmpty()) test::saveScreenshot(box, bild);
            b.gezeigt = true;
            b.titel = box->windowTitle();
            b.breite = box->width();
            const auto ganz = test::showsWhole(box->findChild<QLabel*>("qt_msgbox_label"));
            b.textGanz = ganz;
            b.textFehler = ganz.message();
            box->buttons().first()->click();
        });
        schritt();
        return b;
    }

private:
    MsgHandler msg_;
    BeepHandler beep_;
};

// The title's width in a bold title-bar font.
int titelBreite(const QString& titel) {
    QFont f = QApplication::font("QMdiSubWindowTitleBar");
    f.setBold(true);
    return QFontMetrics(f).horizontalAdvance(titel);
}

int bildschirmBreite() { return QApplication::primaryScreen()->availableGeometry().width(); }

}  // namespace

// A t(max) of -5 in the time-diagram window: the refusal's title " Ausführung
// nicht möglich " is shown whole.
TEST(MessageBoxes, RefusalOfANegativeTMaxShowsItsTitleWhole) {
    for (const char* locale : {"de_DE", "en_US"}) {
        SCOPED_TRACE(locale);
        test::GuiTest env;
        test::LocaleGuard guard{QLocale(locale)};
        MDIVRN main;
        main.MDIForm_Load();
        main.resize(1000, 720);
        main.show();
        test::processEvents();
        main.clickMenu("mnuctGraph");
        auto& t = Forms::get<frmPrepareTimeDiagram>();
        test::typeInto(t.Inp[14], "-5");
        EchteBoxen boxen;
        const GezeigteBox b = boxen.miss([&] { QTest::mouseClick(t.cmdDrawctDiagram, Qt::LeftButton); },
                                            QString("msgbox_tmax_") + locale);
        ASSERT_TRUE(b.gezeigt);
        EXPECT_EQ(b.titel, QString(" Ausführung nicht möglich "));
        EXPECT_GE(b.breite, titelBreite(b.titel) + kRahmenKnoepfe);
        EXPECT_TRUE(b.textGanz) << b.textFehler;
    }
}

// The titles the program uses, with short and long texts, and titles longer
// than the screen is wide.
TEST(MessageBoxes, EveryBoxIsAtLeastAsWideAsItsTitle) {
    test::GuiTest env;
    std::string lang;
    for (int i = 1; i <= 12; ++i) lang += "Die Kurve " + std::to_string(i) + " lässt sich nicht berechnen. ";
    const std::string langerTitel = meldungVon(std::string(40, 'X') + "_" + std::string(200, 'Y'));
    const struct {
        std::string titel, text;
        MsgButtons knoepfe;
        MsgIcon symbol;
    } zeilen[] = {
        {kNichtMoeglich, "- Zeit-Vorgabe nicht in Ordnung\r\n", MsgButtons::OK, MsgIcon::Critical},
        {kNichtMoeglich, "Projektfile hat falsches Format", MsgButtons::OK, MsgIcon::Critical},
        {"Fehler beim Abspeichern der Sitzungs-Datei", "Kein Platz.", MsgButtons::OK, MsgIcon::Critical},
        {meldungVon("calc_diagramfunctioncT"), "Überlauf", MsgButtons::OK, MsgIcon::Critical},
        {"geladen...", "...kein Datenfile", MsgButtons::OK, MsgIcon::Information},
        {"WARNUNG", "Die experimentellen Daten wurden geändert.\r\nJetzt speichern?", MsgButtons::YesNoCancel,
         MsgIcon::Exclamation},
        {"FEHLER", "x", MsgButtons::OK, MsgIcon::Critical},
        {"ABBRUCH",
         "Es ist ein kritischer Fehler aufgetreten:\r\n" + lang,
         MsgButtons::OK, MsgIcon::Critical},
        {"", "ohne Titel", MsgButtons::OK, MsgIcon::None},
        {langerTitel, "kurz", MsgButtons::OKCancel, MsgIcon::Question},
    };
    EchteBoxen boxen;
    for (const auto& z : zeilen) {
        SCOPED_TRACE(z.titel);
        const GezeigteBox b = boxen.miss([&] { MsgBox(z.text, z.knoepfe, z.symbol, z.titel); });
        ASSERT_TRUE(b.gezeigt);
        EXPECT_EQ(b.titel.toStdString(), z.titel);
        EXPECT_GE(b.breite, std::min(titelBreite(b.titel) + kRahmenKnoepfe, bildschirmBreite()));
        EXPECT_LE(b.breite, bildschirmBreite());
        EXPECT_TRUE(b.textGanz) << b.textFehler;
    }
}
