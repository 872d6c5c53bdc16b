#include "shell/MDIVRN.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/Forms.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/StartUp.h"
#include "shell/frmPhantom.h"

namespace vrn {

const char* const kMainCaption = "VARNOLT-3     Varnolt homogener chemischer Reaktionen";

const std::array<const char*, 9> kHintLines = {
    "  Ein \"Projekt\" ist die Beschreibung eines experimentellen Datensatzes (Filename des Datensatzes "
    "(*.VRD), Kommentartext, kinetisches Modell, Einheiten).",
    "  Die auszuwertenden experimentellen Daten können sowohl Konzentrations-Zeit-Daten als auch "
    "temperaturabhängige Geschwindigkeitskonstanten sein.",
    "  Ein Projektfile (*.VRP) kann über den Hauptmenüpunkt \"Daten\" oder über das entsprechende Icon "
    "links oben geladen werden.",
    "  Ein einfaches Beispiel:",
    "   (1) Laden Sie das Projektfile \"1st_order.VRP\". Die geladene Wertetabelle kann unter \"Daten / "
    "exper. Daten Sichten | Editieren\" eingesehen werden.",
    "   (2) Wählen Sie unter Versuchsauswertung \"c-t-Daten / graf. Auswertung per Geradengleichung / "
    "1. Ordnung A => P\". Die ermittelte Geschwindigkeitskonstante wird unten im Diagramm angegeben.",
    "  Beachten Sie:",
    "  - Für Reaktor-Berechnungen und Modell-Simulation müssen Ihnen die Geschwindigkeitskonstanten "
    "bekannt sein. Stellen Sie vor der Wahl \"Reaktoren\" das passende kinetische Modell ein.",
    "  - Für \"Monte-Carlo-Simulation\" werden keine experimentellen Datensätze benötigt.",
};

namespace {
MDIVRN* gMain = nullptr;
constexpr int kHintLineHeight = 20;  // pixels
}  // namespace

MDIVRN* MDIVRN::instance() { return gMain; }

MDIVRN::MDIVRN() {
    gMain = this;
    setWindowTitle(kMainCaption);

    Toolbar1 = addToolBar("Toolbar1");
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setMovable(false);
    cmdErstnutzer = new QPushButton("Tip für Erstnutzer          (ein/aus)", Toolbar1);
    cmdErstnutzer->setObjectName("cmdErstnutzer");
    cmdErstnutzer->adjustSize();
    Toolbar1->setMinimumHeight(cmdErstnutzer->height() + 8);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Picture1 = new QWidget(central);
    Picture1->setObjectName("Picture1");
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    Picture1->setPalette(pal);
    Label1 = new QLabel(" Falls Sie noch nicht mit VARNOLT vertraut sind: ", Picture1);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->move(4, 4);
    Label1->adjustSize();
    for (int i = 0; i < 9; ++i) {
        Label2[static_cast<std::size_t>(i)] = new QLabel(Picture1);
        Label2[static_cast<std::size_t>(i)]->setObjectName(QString("Label2_%1").arg(i));
    }
    Picture1->setFixedHeight(8 + kHintLineHeight * 10);
    layoutHintPanel();

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName("mdiArea");
    mdiArea->setBackground(QColor(128, 128, 128));
    layout->addWidget(Picture1);
    layout->addWidget(mdiArea, 1);
    setCentralWidget(central);

    Forms::setMdiArea(mdiArea);
    Forms::setMainWindow(this);
    resize(1000, 720);
}

MDIVRN::~MDIVRN() {
    Forms::destroyAll();
    Forms::setMdiArea(nullptr);
    Forms::setMainWindow(nullptr);
    if (gMain == this) gMain = nullptr;
}

void MDIVRN::layoutHintPanel() {
    int y = 4 + kHintLineHeight;
    for (int i = 0; i < 9; ++i) {
        QLabel* l = Label2[static_cast<std::size_t>(i)];
        l->move(4, y);
        l->resize(l->width() > 0 ? l->width() : 900, kHintLineHeight);
        y += kHintLineHeight;
    }
}

void MDIVRN::MDIForm_Load() {
    // Steps 1 to 11 and 14: the application state with its start values.
    resetAppState(toStd(prepareProgramFolder()));
    syncNumberLocale();

    // Step 12: the hint panel is hidden at start.
    Picture1->hide();

    // Step 13: the zero-size child window.
    Forms::get<frmPhantom>().Show();

    // Step 16: the hint lines.
    for (int i = 0; i < 9; ++i) Label2[static_cast<std::size_t>(i)]->setText(kHintLines[static_cast<std::size_t>(i)]);
    MDIForm_Resize();
}

void MDIVRN::MDIForm_Resize() {
    // The hint button keeps its place at the right end of the toolbar, 200 twips from the edge.
    const int left = twipsToPixelsX(pixelsToTwipsX(width()) - pixelsToTwipsX(cmdErstnutzer->width()) - 200);
    cmdErstnutzer->move(left, (Toolbar1->height() - cmdErstnutzer->height()) / 2);
    // Hint lines 0 to 5 take the width of the screen; 6 to 8 keep theirs.
    const int screenWidth = twipsToPixelsX(screenWidthTwips());
    for (int i = 0; i <= 5; ++i) Label2[static_cast<std::size_t>(i)]->resize(screenWidth, kHintLineHeight);
    for (int i = 6; i <= 8; ++i) Label2[static_cast<std::size_t>(i)]->adjustSize();
}

void MDIVRN::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

}  // namespace vrn
