// Program-wide variables owned by the application shell.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

struct ShellState {
    // The measured data set: points 1..nExpPunkte of ExpDaten.
    std::vector<Messpunkt> ExpDaten = std::vector<Messpunkt>(2);
    Integer nExpPunkte = 0;
    std::string ExpDateiName;
    std::string ExpKommentar;
    std::string ExpDateiPfad;
    bool bDatenGeaendert = false;  // the data set has unsaved changes
    bool bDateiAnfuegen = false;   // the next data-set file is appended, not loaded in place

    std::string ProjDateiPfad;
    std::string ProjDateiName;
    std::string ProjKommentar;
    std::string SessionDateiName;

    // Analysis of the data set.
    std::array<bool, 6> bKonzDaten{};
    bool bHatCTDaten = false;
    bool bHatKTDaten = false;
    bool bHatCTTDaten = false;
    bool bHatLambdaDaten = false;
    Integer nKurvenTemp = 0;
    std::vector<Single> gKurvenTemp = std::vector<Single>(1);  // 1..nKurvenTemp
    double tMaxDaten = 0;
    double Lambda0 = 0;
    double LambdaInf = 0;

    Integer iZeitEinheit = 0;
    std::array<std::array<double, 5>, 5> Zeitfaktor{};
    std::array<std::string, 21> ModellName{};

    Integer iDiagrammTyp = 0;
    Byte bAuswertungsart = 0;
    bool bRateDiagramm = false;
    bool bLambdaAuswertung = false;
    bool bGleicheC0 = false;
    Byte bytTangStoff = 0;

    // Monte Carlo display options.
    Byte MCModus = 0;
    Single MCSpeed = 0;
    Integer PunktGroesse = 0;
    bool bSolidPoints = false;
    Colour Farbe1 = 0;
    Colour Farbe2 = 0;

    std::string Trennzeichen;
    std::string CrLf;
    bool bDezimalKomma = false;
    bool bTipsRequested = false;
    bool bNoTipsAtStart = false;
    bool bEnglisch = false;

    // Busy cursor.
    Integer WaitCount = 0;
    Integer SavedMousePointer = 0;
    bool bBusy = false;

    // The writable program folder (no trailing separator) and the help file.
    std::string AppPath;
    std::string HelpFile;
};

}  // namespace vrn
