#include "chart/TextPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

#include "chart/DesignRules.h"
#include "chart/PanelWidgets.h"
#include "platform/ChartControl.h"
#include "platform/Paths.h"

namespace vrn {

namespace {

constexpr const char* kNeueZeile = "neue Zeile einfügen: <Strg><Enter>";

// The text box: Ctrl+Enter starts a new line, Enter alone does not.
class SchriftBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (e->modifiers() & Qt::ControlModifier) {
                insertPlainText("\n");
                ensureCursorVisible();
            }
            e->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
};

bool block(int ziel, ChartTextBlock& b) {
    if (ziel == 1) b = ChartTextBlock::Header;
    else if (ziel == 2) b = ChartTextBlock::Footer;
    else return false;
    return true;
}

bool achse(int ziel, ChartAxis& a) {
    if (ziel == 3) a = ChartAxis::X;
    else if (ziel == 4) a = ChartAxis::Y;
    else return false;
    return true;
}

}  // namespace

TextPanel::TextPanel(ChartControl& chart, QWidget* parent) : ToolFrame("  Kopftext  ", true, parent), chart_(chart) {
    setObjectName("fraSchrift");
    auto* outer = new QGridLayout(this);
    outer->setHorizontalSpacing(10);

    schrift = new SchriftBox(this);
    schrift->setObjectName("schrift");
    schrift->setTabChangesFocus(true);
    schrift->setLineWrapMode(QPlainTextEdit::NoWrap);
    schrift->setFixedSize(300, 62);
    schrift->setToolTip(kNeueZeile);
    outer->addWidget(schrift, 0, 0, 1, 2);

    fraTextShift = new QGroupBox("Position", this);
    auto* gs = new QGridLayout(fraTextShift);
    gs->setContentsMargins(6, 4, 6, 4);
    // Bars long enough that their slider has room to move in its track.
    HScroll1 = new QScrollBar(Qt::Horizontal, fraTextShift);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setMinimumWidth(130);
    VScroll1 = new QScrollBar(Qt::Vertical, fraTextShift);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setMinimumHeight(110);
    lblLinks = beschriftung("", fraTextShift);
    lblLinks->setObjectName("lblLinks");
    lblOben = beschriftung("", fraTextShift);
    lblOben->setObjectName("lblOben");
    gs->addWidget(VScroll1, 0, 0, 3, 1, Qt::AlignHCenter);
    gs->addWidget(HScroll1, 0, 1, Qt::AlignBottom);
    gs->addWidget(lblLinks, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    gs->addWidget(lblOben, 3, 0, 1, 2);
    gs->setRowStretch(2, 1);
    outer->addWidget(fraTextShift, 0, 2, 3, 1);

    auto* farbe = new QHBoxLayout();
    cmdSchriftHFarbe = farbKnopf("cmdSchriftHFarbe", this);
    Label60 = beschriftung("Hintergr.-farbe", this);
    farbe->addWidget(cmdSchriftHFarbe);
    farbe->addWidget(Label60);
    farbe->addStretch(1);
    outer->addLayout(farbe, 1, 0);
    cmdFont = new QPushButton("Schriftart/-farbe", this);
    cmdFont->setObjectName("cmdFont");
    outer->addWidget(cmdFont, 1, 1);

    chkTextFrame = new QCheckBox("gerahmt", this);
    chkTextFrame->setObjectName("chkTextFrame");
    outer->addWidget(chkTextFrame, 2, 0);
    auto yText = optionen<2>("Y-Achs-Text", {"horiz. oben", "vertikal"}, this);
    auto yZiff = optionen<2>("Y-Ziffern", {"horizontal", "vertikal"}, this);
    fraYText = yText.rahmen;
    fraYZiff = yZiff.rahmen;
    optOrientYAxText = yText.opt;
    optOrientYAxZiff = yZiff.opt;
    auto* yRow = new QHBoxLayout();
    yRow->addWidget(fraYText);
    yRow->addWidget(fraYZiff);
    outer->addLayout(yRow, 3, 0, 1, 2);
    cmdSchriftFertig = new QPushButton("Schließen", this);
    cmdSchriftFertig->setObjectName("cmdSchriftFertig");
    outer->addWidget(cmdSchriftFertig, 3, 2, Qt::AlignBottom);
    for (QPushButton* b : {cmdFont, cmdSchriftFertig}) b->setAutoDefault(false);

    connect(schrift, &QPlainTextEdit::textChanged, this, [this] { schrift_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(cmdSchriftHFarbe, &QPushButton::clicked, this, [this] { cmdSchriftHFarbe_Click(); });
    connect(cmdFont, &QPushButton::clicked, this, [this] { cmdFont_Click(); });
    connect(chkTextFrame, &QCheckBox::clicked, this, [this] { chkTextFrame_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optOrientYAxText[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optOrientYAxText_Click(i); });
        connect(optOrientYAxZiff[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { optOrientYAxZiff_Click(i); });
    }
    connect(cmdSchriftFertig, &QPushButton::clicked, this, [this] { emit schliessenGeklickt(); });
    balkenEinrichten();
    adjustSize();
}

// The bars reach as far as the block can go with the whole of it inside the
// chart (at most 800 pixels); their labels say where it stands.
void TextPanel::balkenEinrichten() {
    ChartTextBlock b{};
    Balken links = kTextLinks, oben = kTextOben;
    if (block(bytTextZiel, b) && chart_.textWidth(b) > 0) {
        links.max = std::clamp(chart_.width() - chart_.textWidth(b), links.min, kTextLinks.max);
        oben.max = std::clamp(chart_.height() - chart_.textHeight(b), oben.min, kTextOben.max);
    }
    setzeBalken(HScroll1, links);
    setzeBalken(VScroll1, oben);
    lageZeigen();
}

void TextPanel::lageZeigen() {
    ChartTextBlock b{};
    const bool da = block(bytTextZiel, b) && chart_.textWidth(b) > 0;
    lblLinks->setText(da ? QString("links: %1").arg(chart_.textLeft(b)) : QString("links"));
    lblOben->setText(da ? QString("oben: %1").arg(chart_.textTop(b)) : QString("oben"));
}

void TextPanel::oeffnen(int ziel) {
    if (ziel < 1 || ziel > 4) return;
    bytTextZiel = static_cast<Byte>(ziel);
    const bool textBlock = ziel <= 2;
    for (QWidget* w : std::initializer_list<QWidget*>{Label60, cmdSchriftHFarbe, VScroll1, HScroll1, fraTextShift,
                                                      chkTextFrame})
        w->setEnabled(textBlock);
    fraYText->setEnabled(ziel == 4);
    fraYZiff->setEnabled(ziel == 4);
    setTitle(QString::fromUtf8(textPanelTitel(ziel)));
    schrift->setToolTip(textBlock ? kNeueZeile : "");

    std::string text;
    ChartTextBlock b{};
    ChartAxis a{};
    if (block(ziel, b)) {
        balkenEinrichten();
        setzeStill(VScroll1, chart_.textTop(b));
        setzeStill(HScroll1, chart_.textLeft(b));
        lageZeigen();
        text = ohneEndBlanks(chart_.text(b));
        setzeStill(chkTextFrame, chart_.textBorder(b) == rahmenCode(true));
        const Colour hg = chart_.textBackColour(b);
        setButtonColour(cmdSchriftHFarbe, hg < 0 ? chart_.sheetBackColour() : hg);
    } else if (achse(ziel, a)) {
        text = ziel == 3 ? ohneEndBlanks(chart_.axisTitle(a)) : chart_.axisTitle(a);
        if (ziel == 4) {
            setzeStill(optOrientYAxText[chart_.axisTitleOrientation(a) == kYTextOrientierung[0] ? 0 : 1], true);
            setzeStill(optOrientYAxZiff[chart_.axisNumberOrientation(a) == kYTextOrientierung[0] ? 0 : 1], true);
        }
    }
    {
        const QSignalBlocker still(schrift);
        schrift->setPlainText(toQ(zeilenFuerBox(text)));
    }
    // Typing goes on at the end of the text, but a long text opens showing its beginning.
    schrift->moveCursor(QTextCursor::End);
    adjustSize();
    schrift->horizontalScrollBar()->setValue(0);
    schrift->verticalScrollBar()->setValue(0);
}

void TextPanel::schrift_Change() {
    const std::string text = zeilenFuerChart(toStd(schrift->toPlainText()));
    ChartTextBlock b{};
    ChartAxis a{};
    if (block(bytTextZiel, b)) {
        chart_.setText(b, text);
        if (b == ChartTextBlock::Footer) emit zusatztextLeer(text.empty());
        balkenEinrichten();
    } else if (achse(bytTextZiel, a)) {
        chart_.setAxisTitle(a, text);
    }
}

void TextPanel::HScroll1_Change() {
    ChartTextBlock b{};
    if (!block(bytTextZiel, b)) return;
    const int wert = HScroll1->value();
    chart_.setTextLeft(b, wert);
    balkenEinrichten();
    setzeStill(HScroll1, wert);
}

void TextPanel::VScroll1_Change() {
    ChartTextBlock b{};
    if (!block(bytTextZiel, b)) return;
    const int wert = VScroll1->value();
    chart_.setTextTop(b, wert);
    balkenEinrichten();
    setzeStill(VScroll1, wert);
}

void TextPanel::cmdSchriftHFarbe_Click() {
    ChartTextBlock b{};
    if (!block(bytTextZiel, b)) return;
    const Colour alt = chart_.textBackColour(b);
    const std::optional<Colour> c = waehleFarbe(alt < 0 ? chart_.sheetBackColour() : alt, this);
    if (!c) return;
    chart_.setTextBackColour(b, *c);
    setButtonColour(cmdSchriftHFarbe, *c);
}

void TextPanel::cmdFont_Click() {
    ChartTextBlock b{};
    ChartAxis a{};
    const bool istBlock = block(bytTextZiel, b);
    if (!istBlock && !achse(bytTextZiel, a)) return;
    const ChartFont alt = istBlock ? chart_.textFont(b) : chart_.axisNumberFont(a);
    const std::optional<ChartFont> f = waehleSchrift(alt, this);
    if (!f) return;
    chart_.beginUpdate();
    if (istBlock) {
        chart_.setTextFont(b, *f);
    } else {
        chart_.setAxisNumberFont(a, *f);
        ChartFont titel = chart_.axisTitleFont(a);
        titel.name = f->name;
        titel.size = f->size;
        chart_.setAxisTitleFont(a, titel);
    }
    chart_.endUpdate();
    Colour farbeAlt = istBlock ? chart_.textColour(b) : chart_.axisTitleColour(a);
    if (farbeAlt < 0) farbeAlt = chart_.chartAreaTextColour();
    if (const std::optional<Colour> c = waehleFarbe(farbeAlt, this)) {
        if (istBlock) chart_.setTextColour(b, *c);
        else chart_.setAxisTitleColour(a, *c);
    }
}

void TextPanel::chkTextFrame_Click() {
    ChartTextBlock b{};
    if (block(bytTextZiel, b)) chart_.setTextBorder(b, rahmenCode(chkTextFrame->isChecked()));
}

void TextPanel::optOrientYAxText_Click(int index) {
    if (const std::optional<int> code = codeFuer(kYTextOrientierung, index))
        chart_.setAxisTitleOrientation(ChartAxis::Y, *code);
}

void TextPanel::optOrientYAxZiff_Click(int index) {
    if (const std::optional<int> code = codeFuer(kYTextOrientierung, index))
        chart_.setAxisNumberOrientation(ChartAxis::Y, *code);
}

}  // namespace vrn
