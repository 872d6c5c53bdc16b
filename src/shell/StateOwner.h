// The one owner of the shared state: every change of a value that a window
// shows is announced to the windows that show it.
//
// The values stay the fields of `app` (names, widths and index bases as
// everywhere). A writer opens an `Aenderung` around its writes; when the
// outermost one closes, the owner compares what the windows show against the
// state it announced last and sends one message that names every part that
// changed (`Teil` flags). A listener registers with a name and the parts it
// shows, and hears each message that touches one of them, once. A listener
// that writes while it is told opens its own change; that one is announced
// after the current message has reached every listener.
//
// A write made outside any change is announced too, at the latest when
// `nachzuegler()` runs (the application calls it whenever its event loop
// falls idle), and is counted in `unangekuendigt()`, so that a test can show
// that every action announced its own changes. Plain C++; one GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>


namespace vrn {

// The parts of the shared state that windows show.
enum Teil : unsigned {
    kTeilZeiteinheit = 1u << 0,    // sZeiteinheit, iZeitEinheit
    kTeilModell = 1u << 1,         // iModell
    kTeilOrdnung = 1u << 2,        // nOrdnung
    kTeilKonstanten = 1u << 3,     // k(1..3)
    kTeilStartkonz = 1u << 4,      // c0(1..5)
    kTeilDatensatz = 1u << 5,      // ExpDaten(1..nExpPunkte), its comment, name, lambda, c0Daten
    kTeilDiagrammart = 1u << 6,    // iDiagrammTyp, bRateDiagramm
    kTeilTemperatur = 1u << 7,     // bytKTFunktion, Arrhenius and Eyring parameters
    kTeilZeitbereich = 1u << 8,    // tEnd
    kTeilAuswertung = 1u << 9,     // bAuswertungsart
    kTeilGezeichnet = 1u << 10,    // the state the chart was last drawn with
    // Not a value: a loaded project, the last session, an evaluation or a
    // fitting item has set the model, and the model window sets it up (its
    // masks and matrix) and shows it in the calculation windows.
    kTeilModellwahl = 1u << 11,
    // Not a value either: a project or the last session has loaded a data
    // set from its file in place of the one before (the data-set editor
    // shows it as it shows a data set when it opens).
    kTeilDatensatzGeladen = 1u << 12,
};
inline constexpr unsigned kAlleTeile = (1u << 13) - 1;

// The names of the parts, for messages of tests and the listener table.
std::string teilNamen(unsigned teile);

// The initial concentrations c0(1..5) and rate constants k(1..3) of the
// shared state (index 0 unused).
struct GeteilteWerte {
    std::array<double, 6> c0{};
    std::array<double, 4> k{};
};

// c0 and k1..k3 of the shared state now.
GeteilteWerte geteilteWerteJetzt();

// One message: the parts that changed, c0 and k1..k3 as they were before,
// and the factor by which a unit change divided k1..k3 (1 otherwise).
struct Meldung {
    unsigned teile = 0;
    GeteilteWerte vorher;
    double kGeteiltDurch = 1;
};

class StateOwner {
public:
    using Hoerer = std::function<void(const Meldung&)>;

    // Registers a listener for the parts `teile`; returns its id (> 0).
    int hoeren(std::string wer, unsigned teile, Hoerer h);
    void nichtMehrHoeren(int id);

    // Who listens to what, in the order of registration.
    struct Abo {
        std::string wer;
        unsigned teile = 0;
    };
    std::vector<Abo> abos() const;

    // Opens and closes a change (use `Aenderung`). `markiert` parts are
    // announced even when their values compare equal (a data set loaded
    // again from its file); the unit factor is kept for the message.
    void beginne(unsigned markiert = 0, double kGeteiltDurch = 1);
    void beende();

    // Announces what changed outside any change (see above); nothing while
    // a change is open or a message is going out.
    void nachzuegler();

    // Announces what the open change has changed so far, and `markiert`, at
    // once (a step of a longer action that the windows must have heard
    // before the action goes on); while a message is going out, with the
    // next one.
    void meldeJetzt(unsigned markiert = 0);
    // The parts written without a change since the counter was last reset.
    unsigned unangekuendigt() const { return unangekuendigt_; }
    void unangekuendigtZuruecksetzen() { unangekuendigt_ = 0; }

    // Takes the present state as announced, without a message (after the
    // state was reset at start-up or by a test).
    void stillUebernehmen();

    // The parts that differ between the present state and the last announced one.
    unsigned abweichend() const;

    // Messages sent so far (for tests: each window refreshes once).
    long meldungen() const { return meldungen_; }

    // The parts whose values the owner refused since the counter was last
    // reset: a rate constant, start concentration, temperature parameter,
    // order or range that is not a finite number (or, for a Single, beyond
    // its range) is put back to the value in force before the change and
    // not announced. The window that wrote it has named it with its own
    // message; no other window ever shows it.
    unsigned abgelehnt() const { return abgelehnt_; }
    void abgelehntZuruecksetzen() { abgelehnt_ = 0; }

private:
    struct Stand {
        std::string zeiteinheit;
        std::int16_t iZeitEinheit = 0;
        std::int16_t modell = 0;
        float ordnung = 0;
        std::array<double, 4> k{};
        std::array<double, 6> c0{};
        std::uint64_t datensatz = 0;
        std::int16_t diagrammTyp = 0;
        bool rateDiagramm = false;
        std::array<double, 6> temperatur{};
        float tEnd = 0;
        unsigned char auswertungsart = 0;
        std::uint64_t gezeichnet = 0;
    };
    static Stand jetzt();
    static unsigned unterschiede(const Stand& a, const Stand& b);
    void melden(unsigned teile, const GeteilteWerte& vorher, double f);
    void runden();
    // Puts back what is not a number a window could show; returns those parts.
    unsigned ablehnen();

    struct Eintrag {
        int id;
        Abo abo;
        Hoerer h;
    };
    std::vector<Eintrag> hoerer_;
    int naechsteId_ = 1;
    int tiefe_ = 0;
    unsigned markiert_ = 0;
    double faktor_ = 1;
    bool meldet_ = false;
    Stand gemeldet_{};
    GeteilteWerte vorherGemeldet_{};
    unsigned unangekuendigt_ = 0;
    unsigned abgelehnt_ = 0;
    long meldungen_ = 0;
};

// The one owner.
StateOwner& zustand();

// A change of the shared state: open it before the writes, it announces when
// the outermost one goes out of scope.
class Aenderung {
public:
    explicit Aenderung(unsigned markiert = 0, double kGeteiltDurch = 1) {
        zustand().beginne(markiert, kGeteiltDurch);
    }
    ~Aenderung() { zustand().beende(); }
    Aenderung(const Aenderung&) = delete;
    Aenderung& operator=(const Aenderung&) = delete;
};

// A listener that unregisters when it goes (a member of the window that
// listens; construct it last so that it is destroyed first).
class Zuhoerer {
public:
    Zuhoerer() = default;
    Zuhoerer(std::string wer, unsigned teile, StateOwner::Hoerer h)
        : id_(zustand().hoeren(std::move(wer), teile, std::move(h))) {}
    ~Zuhoerer() {
        if (id_) zustand().nichtMehrHoeren(id_);
    }
    Zuhoerer(const Zuhoerer&) = delete;
    Zuhoerer& operator=(const Zuhoerer&) = delete;
    Zuhoerer(Zuhoerer&& o) noexcept : id_(o.id_) { o.id_ = 0; }
    Zuhoerer& operator=(Zuhoerer&& o) noexcept {
        if (this != &o) {
            if (id_) zustand().nichtMehrHoeren(id_);
            id_ = o.id_;
            o.id_ = 0;
        }
        return *this;
    }

private:
    int id_ = 0;
};

}  // namespace vrn
