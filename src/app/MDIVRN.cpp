#include "app/MDIVRN.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/Forms.h"
#include "platform/HelpViewer.h"
#include "platform/MenuTree.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "engine/frmKinModel.h"
#include "app/MainMenus.h"
#include "shell/ProtName.h"
#include "shell/Hooks.h"
#include "app/StartUp.h"
#include "shell/frmOption.h"
#include "shell/frmPhantom.h"
#include "shell/frmTip.h"

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
constexpr int kRevision = 0;
MDIVRN* gMain = nullptr;
constexpr int kHintLineHeight = 20;    // pixels
constexpr int kHintDesignWidth = 960;  // pixels, lines 6 to 8
constexpr int kToolbarSpacer = 8;      // pixels, one spacer position of the toolbar
constexpr QSize kStartSize(1000, 720);  // pixels, client area of the first window
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
    connect(cmdErstnutzer, &QPushButton::clicked, this, [this] { cmdErstnutzer_Click(); });

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
        Label2[static_cast<std::size_t>(i)]->installEventFilter(this);
    }
    Picture1->installEventFilter(this);
    layoutHintPanel();

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName("mdiArea");
    mdiArea->setBackground(QColor(128, 128, 128));
    // A window that closes gives the focus back to the one used before it
    // (not to the oldest window, which may be the model window behind).
    mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    // A window the user makes larger than the area (or moves partly out of
    // it) stays reachable: the area scrolls.
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(Picture1);
    layout->addWidget(mdiArea, 1);
    setCentralWidget(central);

    Forms::setMdiArea(mdiArea);
    Forms::setMainWindow(this);
    buildToolbar();
    buildMenus();
    sizeToScreen();

    MainWindowHooks& h = hooks().mainWindow;
    h.enableMenuItem = [this](const std::string& name, bool enabled) {
        if (QAction* a = menuItem(toQ(name))) a->setEnabled(enabled);
    };
    h.showPopupMenu = [this](const std::string& name, int x, int y) {
        if (name == "mnuEdit1") mnuEdit1_Open();
        if (QMenu* m = menu(toQ(name))) m->popup(QPoint(x, y));
    };
}

MDIVRN::~MDIVRN() {
    hooks().mainWindow.enableMenuItem = nullptr;
    hooks().mainWindow.showPopupMenu = nullptr;
    Forms::destroyAll();
    Forms::setMdiArea(nullptr);
    Forms::setMainWindow(nullptr);
    if (gMain == this) gMain = nullptr;
}

void MDIVRN::layoutHintPanel() {
    // Lines are stacked under the heading; a line wraps where it is wider than
    // its label, and the panel takes the height of all lines.
    int y = 4 + kHintLineHeight;
    for (int i = 0; i < 9; ++i) {
        QLabel* l = Label2[static_cast<std::size_t>(i)];
        l->setWordWrap(true);
        const int w = l->width() > 0 ? l->width() : kHintDesignWidth;
        const int h = std::max(kHintLineHeight, l->heightForWidth(w) + 2);
        l->setGeometry(4, y, w, h);
        y += h;
    }
    Picture1->setFixedHeight(y + 4);
}

void MDIVRN::MDIForm_Load() {
    // Steps 1 to 11 and 14: the application state with its start values.
    resetAppState(toStd(prepareProgramFolder()));
    syncNumberLocale();

    // Step 12: saving the project is possible, viewing the data set is not yet.
    if (toolbar_[7]) toolbar_[7]->setEnabled(true);
    mnuEdit->setEnabled(false);
    Picture1->hide();

    // Step 13: the zero-size child window, then the model window, open from the start.
    Forms::get<frmPhantom>().Show();
    Forms::get<frmKinModel>().Show();

    // Step 15: the first free protocol name of the day (the program folder
    // becomes the current folder).
    app.ProtDateiName = SetAutoProtName();

    // Step 16: the hint lines.
    for (int i = 0; i < 9; ++i) Label2[static_cast<std::size_t>(i)]->setText(kHintLines[static_cast<std::size_t>(i)]);
    MDIForm_Resize();

    // Step 17: the tips window, unless the user switched it off.
    frmTip& tip = Forms::get<frmTip>();
    if (app.bNoTipsAtStart) tip.Unload();
    else tip.Show();
}

void MDIVRN::MDIForm_Resize() {
    // The hint button keeps its place at the right end of the toolbar, 200 twips from the edge.
    const int left = twipsToPixelsX(pixelsToTwipsX(width()) - pixelsToTwipsX(cmdErstnutzer->width()) - 200);
    cmdErstnutzer->move(left, (Toolbar1->height() - cmdErstnutzer->height()) / 2);
    // Hint lines 0 to 5 take the width of the screen (as far as the panel shows
    // it, so that they wrap instead of being cut); 6 to 8 keep theirs.
    const int screenWidth = twipsToPixelsX(screenWidthTwips());
    const int shown = std::max(200, width() - 12);
    for (int i = 0; i <= 5; ++i) Label2[static_cast<std::size_t>(i)]->resize(std::min(screenWidth, shown), kHintLineHeight);
    for (int i = 6; i <= 8; ++i) Label2[static_cast<std::size_t>(i)]->resize(kHintDesignWidth, kHintLineHeight);
    layoutHintPanel();
}

void MDIVRN::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIVRN::sizeToScreen() {
    QScreen* s = screen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    // Before the window is shown it has no frame yet; once shown, the frame
    // the window system gave it.
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QSize client(std::min(kStartSize.width(), area.width() - frame.left() - frame.right()),
                       std::min(kStartSize.height(), area.height() - frame.top() - frame.bottom()));
    if (client.width() < 1 || client.height() < 1) return;
    const bool smaller = client.width() < width() || client.height() < height();
    resize(client);
    startSize_ = size();
    if (!isVisible()) return;  // the window system places it when it is shown
    // The windows opened at the start keep inside the smaller area.
    if (smaller)
        for (QMdiSubWindow* w : mdiArea->subWindowList())
            if (w->isVisible()) w->setGeometry(Forms::fitIntoMdiArea(w->geometry()));
    const QRect f = frameGeometry();
    if (area.contains(f)) return;
    move(std::clamp(f.left(), area.left(), std::max(area.left(), area.right() + 1 - f.width())),
         std::clamp(f.top(), area.top(), std::max(area.top(), area.bottom() + 1 - f.height())));
}

void MDIVRN::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The frame is known once the window system has shown the window, with
    // some window managers a moment later: the size is checked at both times,
    // as long as nobody gave the window another size.
    for (int ms : {0, 300})
        QTimer::singleShot(ms, this, [this] {
            if (size() == startSize_ && !isMaximized() && !isFullScreen()) sizeToScreen();
        });
}

}  // namespace vrn

namespace vrn {

// ---- menus ----

void MDIVRN::buildMenus() {
    menus_ = new MenuTree(this);
    menus_->build(mainMenuRows(), menuBar());
    menus_->build(popupMenuRows(), nullptr);

    mnuEdit = menuItem("mnuEdit");
    mnuNeudat = menuItem("mnuNeudat");
    mnuSaveProject = menuItem("mnuSaveProject");
    for (int i = 1; i <= 4; ++i) mnuctAusw[static_cast<std::size_t>(i)] = menuItem(QString("mnuctAusw(%1)").arg(i));
    for (int i = 1; i <= 2; ++i) mnukT[static_cast<std::size_t>(i)] = menuItem(QString("mnukT(%1)").arg(i));
    mnuEdit1 = menu("mnuEdit1");
    mnuEdit2 = menu("mnuEdit2");
    mnuCopy1 = menuItem("mnuCopy1");
    mnuPaste1 = menuItem("mnuPaste1");
    mnuErase1 = menuItem("mnuErase1");
    mnuCopy2 = menuItem("mnuCopy2");
    mnuPaste2 = menuItem("mnuPaste2");
    mnuErase2 = menuItem("mnuErase2");

    setMenuHandler("mnuTip", [this] { mnuTip_Click(); });
    setMenuHandler("mnuOption", [this] { mnuOption_Click(); });
    setMenuHandler("mnuAboutVrn", [this] { mnuAboutVrn_Click(); });
    setMenuHandler("mnuIndex", [this] { mnuIndex_Click(); });
    setMenuHandler("mnuInfo", [this] { mnuInfo_Click(); });
    setMenuHandler("mnuFenster", [this] { mnuFenster_Open(); });
    setMenuHandler("mnuEdit1", [this] { mnuEdit1_Open(); });
    setMenuHandler("mnuEdit2", [this] { mnuEdit2_Open(); });
    connectDispatch();
}

QAction* MDIVRN::menuItem(const QString& name) const { return menus_->item(name); }
QMenu* MDIVRN::menu(const QString& name) const { return menus_->menu(name); }
int MDIVRN::helpContext(const QString& name) const { return menus_->helpContext(name); }

void MDIVRN::setMenuHandler(const QString& name, std::function<void()> handler, bool enable) {
    menus_->setHandler(name, std::move(handler));
    if (QAction* a = menuItem(name); a && enable && !menu(name)) a->setEnabled(true);
}

void MDIVRN::onMenu(const QString& name) { menus_->click(name); }

void MDIVRN::clickMenu(const QString& name) { onMenu(name); }

bool MDIVRN::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Picture1) {
            Picture1->hide();
            return true;
        }
        for (QLabel* l : Label2)
            if (watched == l) {
                Picture1->hide();
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- toolbar ----

namespace {
QIcon letterIcon(const QString& letters, const QColor& colour) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(140));
    p.setBrush(colour.lighter(170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont f("Arial", 10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour.darker(160));
    p.drawText(pm.rect(), Qt::AlignCenter, letters);
    return QIcon(pm);
}
}  // namespace

void MDIVRN::buildToolbar() {
    struct Button {
        int position;
        const char* tooltip;
        QStyle::StandardPixmap icon;
        const char* letters;
    };
    const Button buttons[] = {
        {2, " Neues Projekt  Versuchsauswertung ", QStyle::SP_FileIcon, nullptr},
        {4, " Letzte Sitzung laden ", QStyle::SP_BrowserReload, nullptr},
        {6, " Existierendes Projekt laden ", QStyle::SP_DialogOpenButton, nullptr},
        {7, " Aktuelles Projekt speichern ", QStyle::SP_DialogSaveButton, nullptr},
        {14, "ARRHENIUS-Rechner", QStyle::SP_CustomBase, "A"},
        {16, "EYRING-Rechner", QStyle::SP_CustomBase, "E"},
    };
    QAction* first = Toolbar1->actions().isEmpty() ? nullptr : Toolbar1->actions().first();
    for (int pos = 1; pos <= 16; ++pos) {
        const Button* b = nullptr;
        for (const Button& x : buttons)
            if (x.position == pos) b = &x;
        if (!b) {
            // Every other position is a spacer: a gap of its own width.
            auto* gap = new QWidget(Toolbar1);
            gap->setFixedSize(kToolbarSpacer, 1);
            QAction* a = Toolbar1->insertWidget(first, gap);
            a->setObjectName(QString("Toolbar1_%1").arg(pos));
            continue;
        }
        QIcon icon = b->letters ? letterIcon(b->letters, pos == 14 ? QColor(200, 60, 40) : QColor(40, 90, 200))
                                : style()->standardIcon(b->icon);
        auto* a = new QAction(icon, QString(), Toolbar1);
        a->setToolTip(QString::fromUtf8(b->tooltip));
        a->setObjectName(QString("Toolbar1_%1").arg(pos));
        Toolbar1->insertAction(first, a);
        toolbar_[static_cast<std::size_t>(pos)] = a;
        connect(a, &QAction::triggered, this, [this, pos] { Toolbar1_ButtonClick(pos); });
    }
}

QAction* MDIVRN::toolbarButton(int position) const {
    if (position < 1 || position > 16) return nullptr;
    return toolbar_[static_cast<std::size_t>(position)];
}

void MDIVRN::Toolbar1_ButtonClick(int position) {
    Forms::unload<frmTip>();
    switch (position) {
        case 2: onMenu("mnuNeudat"); break;
        case 4: onMenu("mnuLoadLastSession"); break;
        case 6: onMenu("mnuLoadProject"); break;
        case 7: onMenu("mnuSaveProject"); break;
        case 14: onMenu("mnuToolArrhenius"); break;
        case 16: onMenu("mnuToolEyring"); break;
        default: break;
    }
}

// ---- hint panel, popups, help, windows ----

void MDIVRN::cmdErstnutzer_Click() { Picture1->setVisible(!Picture1->isVisible()); }

void MDIVRN::mnuEdit1_Open() {
    mnuPaste1->setEnabled(!QApplication::clipboard()->text().isEmpty());
    mnuErase1->setEnabled(app.nExpPunkte >= 1);
    mnuCopy1->setEnabled(app.nExpPunkte >= 1);
}

void MDIVRN::mnuEdit2_Open() {
    mnuPaste2->setEnabled(!QApplication::clipboard()->text().isEmpty());
    mnuErase2->setEnabled(app.nXYPunkte >= 1);
    mnuCopy2->setEnabled(app.nXYPunkte >= 1);
}



void MDIVRN::mnuTip_Click() {
    app.bTipsRequested = true;
    Forms::get<frmTip>().Show();
}

void MDIVRN::mnuOption_Click() {
    Forms::unload<frmTip>();
    frmOption& f = Forms::get<frmOption>();
    f.setWindowModality(Qt::ApplicationModal);
    f.Show();
}

void MDIVRN::mnuAboutVrn_Click() { HtmlHelp(10260); }
void MDIVRN::mnuIndex_Click() { HtmlHelp(10270); }

void MDIVRN::mnuInfo_Click() {
    MsgBox("VARNOLT-3" + app.CrLf + "Kinetik homogener chemischer Reaktionen" + app.CrLf + app.CrLf +
               "Version 3.3." + std::to_string(kRevision),
           MsgButtons::OK, MsgIcon::Information, "Info über VARNOLT");
}

void MDIVRN::mnuFenster_Open() {
    Forms::unload<frmTip>();
    QMenu* m = menu("mnuFenster");
    m->clear();
    const auto subs = mdiArea->subWindowList();
    int n = 0;
    for (QMdiSubWindow* sub : subs) {
        if (!sub->isVisible()) continue;
        ++n;
        QAction* a = m->addAction(QString("&%1 %2").arg(n).arg(sub->windowTitle().trimmed()));
        a->setCheckable(true);
        a->setChecked(sub == mdiArea->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdiArea->setActiveSubWindow(sub); });
    }
    if (n == 0) m->addAction("(keine Fenster)")->setEnabled(false);
}

}  // namespace vrn
