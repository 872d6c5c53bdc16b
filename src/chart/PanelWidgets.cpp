#include "chart/PanelWidgets.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QVariant>

#include "platform/ColourFont.h"
#include "platform/CommonDialogs.h"

namespace vrn {

QLabel* beschriftung(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

namespace {
class KlickFilter : public QObject {
public:
    KlickFilter(QLabel* label, std::function<void()> handler) : QObject(label), handler_(std::move(handler)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* l = static_cast<QLabel*>(watched);
            if (me->button() == Qt::LeftButton && l->rect().contains(me->position().toPoint()) && l->isEnabled()) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};
}  // namespace

void breitFuerEintraege(QComboBox* combo) {
    int breite = 0;
    for (int i = 0; i < combo->count(); ++i)
        breite = std::max(breite, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.frame = combo->hasFrame();
    const QSize s = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &opt,
                                                     QSize(breite + 2, combo->fontMetrics().height()), combo);
    combo->setMinimumWidth(s.width());
}

void beiKlick(QLabel* label, std::function<void()> handler) {
    label->installEventFilter(new KlickFilter(label, std::move(handler)));
    label->setCursor(Qt::PointingHandCursor);
}

QPushButton* farbKnopf(const QString& name, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    b->setFixedSize(30, 20);
    b->setAutoDefault(false);
    return b;
}

void setButtonColour(QPushButton* b, Colour c) {
    if (!b) return;
    b->setProperty("farbe", static_cast<int>(c));
    // A transparent colour shows as white.
    const QColor shown = c < 0 ? QColor(Qt::white) : toQColor(c);
    b->setStyleSheet(QString("background-color: %1; border: 1px solid #606060;").arg(shown.name()));
}

Colour buttonColour(const QPushButton* b) {
    const QVariant v = b ? b->property("farbe") : QVariant();
    return v.isValid() ? static_cast<Colour>(v.toInt()) : kChartTransparent;
}

std::optional<Colour> waehleFarbe(Colour start, QWidget* parent) {
    const std::optional<QColor> c = chooseColour(start < 0 ? QColor(Qt::white) : toQColor(start), parent);
    if (!c || !c->isValid()) return std::nullopt;
    return fromQColor(*c);
}

std::optional<ChartFont> waehleSchrift(const ChartFont& start, QWidget* parent) {
    const std::optional<QFont> f = chooseFont(chartFont(start), parent);
    if (!f) return std::nullopt;
    ChartFont r = chartFontOf(*f);
    if (!validFont(r)) return std::nullopt;
    return r;
}

QGroupBox* optionRahmen(const QString& titel, std::initializer_list<const char*> texte, QRadioButton** ziel,
                        bool nebeneinander, QWidget* parent) {
    auto* box = new QGroupBox(titel, parent);
    if (titel.isEmpty()) box->setStyleSheet("QGroupBox { border: none; margin-top: 0px; padding: 0px; }");
    QBoxLayout* l = nebeneinander ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
    l->setContentsMargins(6, 4, 6, 4);
    l->setSpacing(nebeneinander ? 10 : 2);
    auto* gruppe = new QButtonGroup(box);
    int i = 0;
    for (const char* t : texte) {
        auto* r = new QRadioButton(QString::fromUtf8(t), box);
        gruppe->addButton(r, i);
        l->addWidget(r);
        ziel[i++] = r;
    }
    if (nebeneinander) l->addStretch(1);
    return box;
}

void setzeBalken(QScrollBar* s, Balken b) {
    const QSignalBlocker still(s);
    s->setRange(b.min, b.max);
    s->setSingleStep(b.schritt);
    s->setPageStep(b.schritt * 5);
}

void setzeStill(QScrollBar* s, int value) {
    const QSignalBlocker still(s);
    s->setValue(value);
}

void setzeStill(QAbstractButton* b, bool checked) {
    const QSignalBlocker still(b);
    b->setChecked(checked);
}

}  // namespace vrn
