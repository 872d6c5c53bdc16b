// The stoichiometric matrix of the current model as a small table.
#pragma once

#include <array>

#include "platform/Forms.h"
#include "shell/StateOwner.h"

class QLabel;
class QPushButton;

namespace vrn {

class frmmatrix : public VrnForm {
    Q_OBJECT
public:
    frmmatrix();

    QLabel* Label10 = nullptr;                // model name
    std::array<QLabel*, 5> speciesLabels{};   // Label4..Label8
    std::array<QLabel*, 5> rowLabels{};       // lblA, lblB, lblC, lblP, lblQ
    QPushButton* Close = nullptr;

    // The text of row i (1..5): nu(i, 1..3) in the plain form joined by 16 blanks.
    static QString rowText(int species);

protected:
    void Form_Load() override;

private:
    // Shows the model in force: its name (with n) and its matrix.
    void zeigeModell();
    Zuhoerer zuhoerer_{"frmmatrix", kTeilModell | kTeilOrdnung, [this](const Meldung&) { zeigeModell(); }};
};

}  // namespace vrn
