// Small building blocks of the chart window's design panels: plain labels,
// colour buttons that show and remember their colour, a row of option
// buttons in a captioned frame, scroll-bar ranges, and the colour and font
// choice in the chart's own colour and font values.
#pragma once

#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>

#include "base/Types.h"
#include "chart/DesignRules.h"
#include "platform/ChartModel.h"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vrn {

// A label that shows its text as it stands.
QLabel* beschriftung(const QString& text, QWidget* parent);
// Makes a combo box at least as wide as its widest entry needs.
void breitFuerEintraege(QComboBox* combo);
// Runs handler when the left mouse button is released over the label.
void beiKlick(QLabel* label, std::function<void()> handler);

// A small button whose back colour shows a colour.
QPushButton* farbKnopf(const QString& name, QWidget* parent);
// Paints the button in the colour and remembers it; buttonColour reads it back (-1 when none).
void setButtonColour(QPushButton* b, Colour c);
Colour buttonColour(const QPushButton* b);

// The colour box opened at `start`; nullopt when it is cancelled.
std::optional<Colour> waehleFarbe(Colour start, QWidget* parent);
// The font box opened at `start`; nullopt when it is cancelled.
std::optional<ChartFont> waehleSchrift(const ChartFont& start, QWidget* parent);

// A captioned frame with one option button per caption, stacked (or side by
// side); the buttons are returned in order and belong to one group.
template <std::size_t N>
struct OptionGruppe {
    QGroupBox* rahmen = nullptr;
    std::array<QRadioButton*, N> opt{};
};
QGroupBox* optionRahmen(const QString& titel, std::initializer_list<const char*> texte, QRadioButton** ziel,
                        bool nebeneinander, QWidget* parent);
template <std::size_t N>
OptionGruppe<N> optionen(const QString& titel, std::initializer_list<const char*> texte, QWidget* parent,
                         bool nebeneinander = false) {
    OptionGruppe<N> g;
    g.rahmen = optionRahmen(titel, texte, g.opt.data(), nebeneinander, parent);
    return g;
}

// Sets the range and small step of a scroll bar (the value stays within it,
// without running its change handler).
void setzeBalken(QScrollBar* s, Balken b);
// Sets a scroll bar's value without running its change handler.
void setzeStill(QScrollBar* s, int value);
// Sets a check or option button without running its click handler.
void setzeStill(QAbstractButton* b, bool checked);

}  // namespace vrn
