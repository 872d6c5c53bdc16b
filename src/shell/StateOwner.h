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
// The owner compares values, never the measured points themselves: every
// writer of ExpDaten(1..nExpPunkte) says so with `datensatzGeschrieben()`,
// which bumps the data set's counter; the other parts are a fixed number of
// values, compared as they are. So what the owner compares costs the same
// with 3 points as with 32767.
//
// Every write is announced by the change of its writer. A write made outside
// any change is an error of that writer: it is still announced, at the
// latest when `nachzuegler()` runs (the application calls it whenever its
// event loop falls idle; it costs a comparison of those few values), but it
// is counted in `unangekuendigt()` and reported to the alarm, if one is set.
// The tests set one that fails the test that made the write, and switch on
// the thorough check, which also catches a write of the points whose writer
// did not bump the counter. Plain C++; one GUI thread.
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
    kTeilDatensatz = 1u << 5,      // ExpDaten(1..nExpPunkte) (by its counter), its comment, name, lambda, c0Daten
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
// the factor by which a unit change divided k1..k3 and multiplied the
// measured times (1 otherwise), and whether measured points were written
// otherwise than converted into another unit (another data set, an edit).
struct Meldung {
    unsigned teile = 0;
    GeteilteWerte vorher;
    double kGeteiltDurch = 1;
    bool neueDaten = false;
};

class StateOwner {
public:
    using Hoerer = std::function<void(const Meldung&)>;
    // Told of a write the owner caught that its writer did not announce.
    using Alarm = std::function<void(const std::string& text)>;

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

    // The writers of the measured points (ExpDaten(1..nExpPunkte) and its
    // count) call this after they wrote, inside their change; a unit change
    // that only converted the times calls datensatzUmgerechnet instead.
    void datensatzGeschrieben() {
        ++datensatzStand_;
        ++inhaltStand_;
    }
    void datensatzUmgerechnet() { ++datensatzStand_; }
    // How often the points were written so far; a window that keeps what it
    // made of the data set compares it with the value of that time.
    std::uint64_t datensatzStand() const { return datensatzStand_; }

    // The alarm for writes without a change (none: they are only counted).
    void setAlarm(Alarm a) { alarm_ = std::move(a); }
    // Thorough check (for the tests): the points are also compared by a
    // checksum at every change and idle check, so that a writer that did not
    // call datensatzGeschrieben() is caught (and its write announced).
    void setGruendlich(bool an);

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
    // What the windows show, as values: a fixed number of them, whatever
    // the size of the data set (its points count by their counter).
    struct Stand {
        std::string zeiteinheit;
        std::int16_t iZeitEinheit = 0;
        std::int16_t modell = 0;
        float ordnung = 0;
        std::array<double, 4> k{};
        std::array<double, 6> c0{};
        std::uint64_t datensatzStand = 0;
        std::int16_t nExpPunkte = 0;
        std::string expKommentar;
        std::string expDateiName;
        double lambdaInf = 0;
        std::array<float, 6> c0Daten{};
        std::int16_t diagrammTyp = 0;
        bool rateDiagramm = false;
        std::array<double, 6> temperatur{};
        float tEnd = 0;
        unsigned char auswertungsart = 0;
        bool gezeichnetGueltig = false;
        std::int16_t gezeichnetModell = 0;
        std::int16_t gezeichnetTyp = 0;
        std::array<float, 2> gezeichnetSingles{};  // order, tEnd
        std::array<double, 10> gezeichnetWerte{};  // k(1..3), c0(1..5), flags
        std::array<float, 6> gezeichnetC0Daten{};
        std::string gezeichnetEinheit;
        std::string gezeichnetMaske;
    };
    Stand jetzt() const;
    static unsigned unterschiede(const Stand& a, const Stand& b);
    void melden(unsigned teile, const GeteilteWerte& vorher, double f, bool neueDaten);
    void runden();
    // The thorough check of the points; with it off, nothing.
    void punktePruefen();
    void alarm(const std::string& text) const;
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
    std::uint64_t datensatzStand_ = 0;
    std::uint64_t inhaltStand_ = 0;        // written otherwise than converted
    std::uint64_t inhaltGemeldet_ = 0;     // its value at the last message
    Alarm alarm_;
    bool gruendlich_ = false;
    std::uint64_t punkteSumme_ = 0;      // checksum of the points at the last check
    std::uint64_t standBeiSumme_ = 0;    // the counter at that time
};


// The one owner.
StateOwner& zustand();

// The writers of the measured points say so (inside their change).
inline void datensatzGeschrieben() { zustand().datensatzGeschrieben(); }

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
