// Base class of the calculation windows (time diagram, stirred tank, batch
// reactor, tubular reactor, fitting). They share control names through which
// the model choice reconfigures the first open one and the unit captions are
// written: the fields Inp(0..16), the species captions lblStoff(0..9), the
// rate-constant captions Bz(5..7), the unit captions, the model line Label7,
// the extent-of-reaction display and the window-specific extras.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/Forms.h"
#include "shell/Hooks.h"
#include "shell/StateOwner.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vrn {

class NumberField;

class CalcForm : public VrnForm {
    Q_OBJECT
public:
    // Type codes in the fixed order of the model choice.
    enum CalcType { TimeDiagram = 1, RKconti = 2, Batch = 3, Rohrreaktor = 4, Fitting = 5 };

    explicit CalcForm(CalcType type, Kind kind = Kind::MdiChild);

    CalcType calcType() const { return type_; }

    // Called by the model window after it has set this window up for the
    // chosen model (a model choice, a project or session load): a window
    // clears what it still shows of a former result.
    virtual void modelReconfigured() {}
    // After a model choice the model window reconfigures this window through
    // this call: `umstellen` rewrites the shared controls for the chosen model
    // (the shared model state is the chosen one already). A window that keeps
    // values of its own across the change does its part around it.
    virtual void modellUmstellen(const std::function<void()>& umstellen) { umstellen(); }
    // Another window has changed c0 or k1..k3 of the shared state (vorher:
    // the values before; kGeteiltDurch: the factor of a unit change, else 1).
    // A field the user has not typed into since the window filled it or
    // took it over shows the new value; what the user typed and the window
    // has not taken over yet stays as typed, except that a unit change
    // converts a typed rate constant into the new unit.
    virtual void geteilteWerteGeaendert(const GeteilteWerte& vorher, double kGeteiltDurch);

    // Whether the user typed into the field since the window filled it or
    // took its number over (QLineEdit's modified flag); such text belongs to
    // the user and no other window's change overwrites it.
    static bool getippt(const NumberField* f);
    // The window has taken the numbers of its fields over into the shared
    // state (a drawing, a calculation): they count as typed no more.
    void eingabenUebernommen();
    // Shows a value in a field unless the user typed into it (a model choice
    // and the other windows' changes leave typed text alone).
    static void zeigeWert(NumberField* f, const QString& text);

    // A change of the shared state that this window shows (it listens from
    // its construction on): after the base has written the unit captions
    // and passed changed c0, k1..k3 or data to geteilteWerteGeaendert, a
    // window refreshes or clears what else it shows of the former state.
    virtual void zustandGeaendert(const Meldung&) {}

    // The model whose rate-constant units the window shows.
    virtual int einheitenModell() const;

    std::array<NumberField*, 17> Inp{};      // 0..4 c0, 5..9 outlet c, 10..12 k1..k3, 14 time
    std::array<QLabel*, 10> lblStoff{};
    std::array<QLabel*, 9> Bz{};             // 5..7 rate constants, 8 time
    QLabel* unit1 = nullptr;
    QLabel* unit2 = nullptr;
    QLabel* unit3 = nullptr;
    QLabel* unit4 = nullptr;                 // time unit of the time-diagram window
    QLabel* lblZeitEinheit = nullptr;
    QLabel* lblVPunktInput = nullptr;
    QLabel* Label7 = nullptr;
    QWidget* fraKsi = nullptr;
    QPushButton* cmdShowKsi = nullptr;
    QLabel* lblTextKsi_1 = nullptr;
    QLabel* lblTextKsi_2 = nullptr;
    QWidget* fraMichaelis = nullptr;
    QLabel* lblMichaelisK = nullptr;
    std::array<QCheckBox*, 6> chkConcFQS{};  // 1..5 used
    // "Protokollieren" of the reactor windows (none elsewhere); the protocol
    // window enables it again when it closes.
    QPushButton* cmdProtocol = nullptr;

protected:
    // Creates hidden stand-ins for every shared control the window did not
    // create itself, so that every window carries every name. Call at the end
    // of the derived constructor.
    void ensureSharedControls();

private:
    void gehoert(const Meldung& m);
    CalcType type_;
    Zuhoerer zuhoerer_;
};

// The first loaded calculation window of the given types, in the order given;
// nullptr when none is loaded. Never creates a window.
CalcForm* firstLoadedCalcForm(std::initializer_list<CalcForm::CalcType> order);

// Windows that show the time unit in captions of their own (the data-set
// editor, the fitting and tangent windows) write them here.
class TimeUnitCaptions {
public:
    virtual ~TimeUnitCaptions() = default;
    virtual void setTimeUnitCaptions(const std::string& u) = 0;
};

// The model line of a calculation window (its Label7) for model `modell`:
// "kinet. Modell:  " & ModellName(modell), for model 20 followed by
// " (n = " & Format(nOrdnung, "0.00") & ")".
QString modellZeile(int modell);

// The shared unit-caption helper: writes the unit captions of one window for
// the unit in force, u = sZeiteinheit without trailing blanks. A calculation
// window gets its time unit (lblZeitEinheit u and lblVPunktInput "V* /m^3/" u,
// or unit4 u in the time-diagram window) and the rate-constant units of its
// model in unit1..unit3 (U0 "/(mol/(" u "*l))", U1 "/(1/" u ")", U2
// "/(l/(" u "*mol))" by model); a window with captions of its own
// (TimeUnitCaptions) writes those. Every window calls it for itself, when it
// loads and when it hears a change of the unit or the model; it writes
// nothing of the shared state.
void UpdateUnitLabels(VrnForm& w);

}  // namespace vrn
