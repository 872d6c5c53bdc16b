// The coordinate panel fraCoordInput (" Diagramm-Koordinaten "): four number
// fields x(min), x(max), y(min), y(max) with "OK" and "Abbrechen". Enter
// moves from field to field, from y(max) back to x(min). What the buttons do
// is the window's (cmdCoord_OK_Click, cmdCoord_Esc_Click).
#pragma once

#include <array>
#include <string>

#include "base/Types.h"
#include "chart/ToolFrame.h"

class QPushButton;

namespace vrn {

class NumberField;

class CoordPanel : public ToolFrame {
    Q_OBJECT
public:
    explicit CoordPanel(QWidget* parent);

    // Writes XMin, XMax, YMin, YMax of the request into coord(1..4) in the plain number form.
    void zeigeBereich(const Diagramm& d);
    // The texts of coord(1..4).
    std::array<std::string, 4> texte() const;

    std::array<NumberField*, 5> coord{};  // 1..4
    QPushButton* cmdCoord_OK = nullptr;
    QPushButton* cmdCoord_Esc = nullptr;

signals:
    void okGeklickt();
    void abbrechenGeklickt();
};

}  // namespace vrn
