// Base of the three reactor windows (batch, tube, stirred tank): the shared
// controls under the names the model window writes, the panels they share
// (concentrations and rate constants, extents of reaction, buttons), the key
// rules of the fields, the protocol hand-over and the picture.
#pragma once

#include <functional>
#include <vector>

#include "reactors/ReactorChecks.h"
#include "reactors/ReactorRules.h"
#include "shell/CalcForm.h"

class QGridLayout;
class QHBoxLayout;
class QRadioButton;

namespace vrn {

class ReactorPicture;

class ReactorForm : public CalcForm {
    Q_OBJECT
public:
    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdEsc = nullptr;        // "Schließen <Esc>"
    QPushButton* cmdCloseKsi = nullptr;   // closes the extent panel
    ReactorPicture* picReaktor = nullptr;

    // True from loading until the first calculation that reaches its end.
    bool bErsteRechnung = true;

    // Shows the extent panel with ksi(1) and, for several reactions, ksi(2).
    void cmdShowKsi_Click();
    void cmdCloseKsi_Click();
    // Disables the button and shows the protocol window.
    void cmdProtocol_Click();
    // Unloads the window (and with it the protocol window).
    void cmdEsc_Click();

    // Key rule of the fields: Ctrl+C and Ctrl+V pass; keys the number filter
    // refuses are dropped; Enter as the window says (enterRule).
    void Inp_KeyPress(int Index, int& KeyAscii);

protected:
    // Where Enter takes the focus.
    enum class EnterRule { Ignored, NextField };

    ReactorForm(CalcType type, EnterRule enter, int lastField);

    // The grid of feed and outlet concentrations (two columns of five
    // species) and rate constants (k1..k3 with their units) under the given
    // headings.
    QWidget* makeConcentrationPanel(const char* feedHead, const char* outletHead, const char* feedUnit,
                                    const char* outletUnit, const char* constantsHead);
    // The extent panel fraKsi (hidden; its place is kept in the layout).
    QWidget* makeKsiPanel();
    // A row of the window's buttons, left to right, stretched at the end.
    QHBoxLayout* makeButtonRow(std::initializer_list<QPushButton*> buttons);
    // The batch and tube windows' last rows: "Berechnen", the extent and
    // protocol buttons and "Schließen <Esc>" in row 3, the extent panel in
    // row 4; connects the selection options and "Berechnen".
    void finishBatchOrTubeLayout(QGridLayout* outer, const std::vector<QRadioButton*>& options,
                                 std::function<void(int)> onOption, std::function<void()> onCalc);
    // The model line Label7 above everything, in bold.
    void makeModelLine();
    // Sets the chosen option of a group in bold.
    static void markOption(std::initializer_list<QRadioButton*> options, QRadioButton* chosen);
    // An input field (white, editable) or a computed one (yellow, locked).
    static void setGiven(NumberField* f, bool given);

    // Reads the shown c0(1..5) from Inp(0..4), the shown k(1..3) from
    // Inp(10..12) and the given quantities (fields of 13..16) through the
    // checked reading (reaktorFeld of window w) into `in`, with the model,
    // the shown fields, the line of every field the reading refuses and the
    // model window's order n; the computed quantities of 13..16 as shown.
    // The shared state is left as it is.
    ReactorInput leseEingaben(ReaktorFenster w, std::initializer_list<int> gegeben);
    // A calculation that failed inside: when one of the inputs it took (the
    // shown feed and constants, the given quantities) lies far out
    // (ueberlaufUrsache), its line names that input (" Ausführung nicht
    // möglich ") and true is returned; else false, and the caller shows the
    // engine's own message.
    bool ursacheBenennen(const ReactorInput& in, ReaktorFenster w, std::initializer_list<int> gegeben);
    // After the checks have passed: the feed and constants of `in` become
    // those in force (one change; a refused calculation writes none).
    void feedAndConstantsInForce(const ReactorInput& in);
    // The numbers of Inp(0..16) as shown after a calculation (inputs taken
    // by its checks, results written by it).
    FieldValues fieldValues() const;
    // Writes the plain number text of a value (as a Single) into a field.
    static void showValue(NumberField* f, double v);
    // Inp(5..9) := cAkt(1..5).
    void showOutlet();
    // Empties the outlet fields and the given fields that are computed.
    void clearResults(std::initializer_list<int> computed);

    // Start of every calculation: no valid protocol row until it succeeds.
    void startCalculation();
    // End of a successful calculation: calcKsi, the extent button, and the
    // protocol row of the shown fields (valid for this window).
    void finishResult();
    // After the first calculation the protocol button is enabled; later ones
    // leave it as it is.
    void enableProtocolAfterFirst();

    // Activation: the model line of model 20 with its order.
    void showOrderInModelLine();

    // A new model or project: the computed fields (the time of the batch and
    // tube windows excepted, which the model window fills) show " 0" and the
    // picture shows no conversion (showNoResult).
    void modelReconfigured() override;
    // Another window changed the model, its order, the feed, the constants
    // or the unit: a result still shown belongs to the former state. It is
    // cleared, and "Protokollieren" waits for the next result.
    void zustandGeaendert(const Meldung& m) override;
    virtual void showNoResult() = 0;

    // Closing takes the protocol window with it.
    void Form_Unload(bool& cancel) override;
    // Called for every key the number filter accepts, except Enter.
    virtual void acceptedKey() {}

private:
    EnterRule enter_;
    int lastField_;
};

}  // namespace vrn
