#include "shell/frmTip.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <chrono>
#include <cmath>
#include <random>

#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/TextFile.h"

namespace vrn {

namespace {
double clockRandom() {
    static std::mt19937 gen(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
}

// Largest tips file read: the shipped one holds 22 tips in less than 3 KB.
constexpr std::size_t kMaxTipsBytes = 1024u * 1024u;
}  // namespace

std::function<double()> frmTip::random = clockRandom;

frmTip::frmTip() : VrnForm(Kind::Tool) {
    setCaption("   22 Tipps zur Arbeit mit VARNOLT");
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
    picture->setAlignment(Qt::AlignTop);
    top->addWidget(picture);
    auto* textBox = new QVBoxLayout;
    lblTipdesTages = new QLabel("Tipp des Tages", this);
    QFont head("Arial", 12);
    head.setBold(true);
    lblTipdesTages->setFont(head);
    lblTipText = new QLabel(this);
    lblTipText->setFont(QFont("Arial", 10));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setMinimumHeight(90);
    lblTipText->setFrameShape(QFrame::StyledPanel);
    lblTipText->setAutoFillBackground(true);
    QPalette pal = lblTipText->palette();
    pal.setColor(QPalette::Window, Qt::white);
    lblTipText->setPalette(pal);
    lblTipText->setMargin(8);
    textBox->addWidget(lblTipdesTages);
    textBox->addWidget(lblTipText, 1);
    top->addLayout(textBox, 1);
    outer->addLayout(top, 1);

    chkLoadTipsAtStartup = new QCheckBox(
        "Dieses Fenster  bei jedem Start anzeigen     (Das Fenster bleibt  immer über den Hauptmenüpunkt "
        "\"Hilfe\" zugänglich.) ",
        this);
    chkLoadTipsAtStartup->setStyleSheet("QCheckBox { font-size: 8pt; }");
    outer->addWidget(chkLoadTipsAtStartup);

    auto* buttons = new QHBoxLayout;
    cmdTipsZeigen = new QPushButton("Tipps zeigen", this);
    cmdNextTip = new QPushButton("Nächster Tipp", this);
    cmdOK = new QPushButton("Schließen", this);
    buttons->addStretch(1);
    buttons->addWidget(cmdTipsZeigen);
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    outer->addLayout(buttons);

    connect(cmdTipsZeigen, &QPushButton::clicked, this, [this] { cmdTipsZeigen_Click(); });
    connect(cmdNextTip, &QPushButton::clicked, this, [this] { cmdNextTip_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, [this] { chkLoadTipsAtStartup_Click(); });
    setDefaultButton(cmdOK);
    setCancelButton(cmdOK);  // Esc closes the window
}

void frmTip::Form_Load() {
    resize(twipsToPixelsX(6240), twipsToPixelsY(3600));
    move(twipsToPixelsX(screenWidthTwips() / 4), twipsToPixelsY(screenHeightTwips() / 4));
    TipsDateiName = app.bEnglisch ? "VRNTIPS_E.TXT" : "VRNTIPS.TXT";
    app.bNoTipsAtStart = false;
    cmdNextTip->show();
    lblTipdesTages->show();

    // A settings file that cannot be read is named; the tips then show as by default.
    bool isNumber = false;
    std::string fehler;
    const int stored = GetSetting("Options", "Show Tips at Startup", "1", &fehler).trimmed().toInt(&isNumber);
    if (!fehler.empty()) showFailure("GetSetting", "Die Einstellungen lassen sich nicht lesen.\r\n" + fehler);
    const bool aus = isNumber && stored == 0;
    if (aus && !app.bTipsRequested) {
        app.bNoTipsAtStart = true;
        return;
    }
    // The box shows the stored switch. Only the user's click stores it: the
    // settings file is not written because the window was shown.
    chkLoadTipsAtStartup->setChecked(!aus);
    cmdTipsZeigen_Click();
}

void frmTip::cmdTipsZeigen_Click() {
    cmdNextTip->show();
    cmdOK->show();
    lblTipdesTages->show();
    cmdTipsZeigen->hide();
    lblTipText->setStyleSheet("color: black;");
    if (!LoadTips(resourceFolder() + "/" + TipsDateiName))
        lblTipText->setText("Die Datei " + TipsDateiName + " wurde nicht gefunden \r\n\r\n");
    CurrentTip = static_cast<int>(std::floor(random() * tips.size() + 1));
    DisplayCurrentTip();
}

bool frmTip::LoadTips(const QString& fileName) {
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) return false;
    // A file that cannot be read as text (no plain file, too large, no text,
    // no permission) leaves the window without a tip and says why; the
    // program goes on.
    QStringList read;
    bool readable = false;
    std::string error;
    try {
        TextLineReader reader;
        std::string line;
        if (reader.open(toStd(fileName), error, kMaxTipsBytes)) {
            while (reader.next(line)) read.append(QString::fromStdString(line));
            readable = reader.error().empty();
            if (!readable) error = reader.error();
        }
    } catch (const std::exception& e) {
        readable = false;
        error = exceptionText(e);
    }
    if (!readable) {
        read.clear();
        lblTipText->clear();
        showFailure("LoadTips", error);
    }
    tips = read;
    NextTip();
    return true;
}

void frmTip::NextTip() {
    ++CurrentTip;
    if (CurrentTip > tips.size()) CurrentTip = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip() {
    if (!tips.isEmpty() && CurrentTip >= 1 && CurrentTip <= tips.size()) lblTipText->setText(tips[CurrentTip - 1]);
}

void frmTip::cmdNextTip_Click() {
    NextTip();
    lblTipdesTages->hide();
}

void frmTip::chkLoadTipsAtStartup_Click() {
    // A store that cannot be written is named once for this click; the program goes on.
    std::string error;
    if (!SaveSetting("Options", "Show Tips at Startup", chkLoadTipsAtStartup->isChecked() ? "1" : "0", &error))
        showFailure("chkLoadTipsAtStartup_Click", "Die Einstellung lässt sich nicht speichern.\r\n" + error);
}

void frmTip::cmdOK_Click() { Unload(); }

}  // namespace vrn
