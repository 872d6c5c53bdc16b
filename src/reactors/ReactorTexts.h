// Texts the reactor windows show beyond their check lists.
#pragma once

namespace vrn {

inline constexpr const char* kProtocolTipBerechnen =
    " Excel-kompatibles Ergebnisprotokoll als CSV-File und in Clipboard (erst \"Berechnen\", dann "
    "\"Protokollieren\") ";
inline constexpr const char* kProtocolTipStart =
    " Excel-kompatibles Ergebnisprotokoll als CSV-File und in Clipboard (erst \"Start\", dann \"Protokollieren\" ) ";

// A wanted conversion for which the search found no time (title kBatchTitel).
inline constexpr const char* kZeitNichtGefunden =
    "Für den Vorgabe-Umsatz U(A) wurde keine Reaktionszeit gefunden.";

// Model 7 whose outlet c(B) is negative (critical icon).
inline constexpr const char* kZuWenigBModell7Text = "Eingangskonzentration von B wurde zu niedrig gewählt";
inline constexpr const char* kZuWenigBModell7Titel = "fehlerhaftes Ergebnis";

}  // namespace vrn
