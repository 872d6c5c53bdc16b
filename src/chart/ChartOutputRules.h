// Rules of the chart window's output panel that need no window: the format
// lists of the clipboard and of picture files with their codes, and the
// print box from the four centimetre boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/Zahlbereich.h"

namespace vrn {

// Output actions of the "Bild" menu (the mnuBild index).
enum AusgabeArt : int { kAusgabeClipboard = 1, kAusgabeDatei = 2, kAusgabeDrucker = 3 };

struct FormatEintrag {
    const char* text;     // list item of cmbGraphFormat
    int code;             // iBildFormat
    const char* endung;   // default extension of the save box (files only)
    const char* filter;   // filter of the save box (files only)
};

// Clipboard: the chart's codes 1 bitmap and 3 vector picture.
inline constexpr std::array<FormatEintrag, 2> kClipboardFormate{{
    {"Bitmap-Grafik", 1, "", ""},
    {"Vektor-Grafik", 3, "", ""},
}};
inline constexpr int kClipboardVorwahl = 1;  // "Vektor-Grafik"

// Picture files. Where metafiles were offered, SVG and PDF stand.
enum BildDateiCode : int { kBildBmp = 1, kBildPng = 2, kBildSvg = 3, kBildPdf = 4 };
inline constexpr std::array<FormatEintrag, 4> kBildDateiFormate{{
    {"Bitmap (.BMP)", kBildBmp, "BMP", "Bitmap-file (*.BMP *.bmp)"},
    {"Bitmap (.PNG)", kBildPng, "PNG", "PNG-file (*.PNG *.png)"},
    {"Vektor-Grafik (.SVG)", kBildSvg, "SVG", "SVG-file (*.SVG *.svg)"},
    {"PDF-Dokument (.PDF)", kBildPdf, "PDF", "PDF-file (*.PDF *.pdf)"},
}};
inline constexpr int kBildDateiVorwahl = 2;  // "Vektor-Grafik (.SVG)"

// The picture-file entry of a code; nullptr for a code not in the list.
const FormatEintrag* bildDateiFormat(int code);

// Print scaling codes (iScalingMethode) and the options optSM that choose them.
enum DruckSkalierung : int { kVorgabeBreite = 2, kVorgabeHoehe = 3, kBlattVoll = 5 };

// The four centimetre boxes as the checked reading (base/Zahlbereich.h)
// takes them: "Rand links" and "Rand oben" (Druckposition) at least 0,
// "Breite" and "Höhe" (Druckgröße) above 0, refused at 0 with "Die Breite
// muss größer als 0 cm sein." / "Die Höhe ...".
enum class DruckFeld { Links, Oben, Breite, Hoehe };
Zahlfeld druckFeld(DruckFeld feld);

// The print box in whole printer pixels.
struct DruckRahmen {
    long left = 0;
    long top = 0;
    long width = 0;
    long height = 0;
};

// The print box from the texts of the cm boxes, each through the checked
// reading (base/Zahlbereich.h; decimal point or comma): the margins "Rand
// links" and "Rand oben" at least 0, the width and the height (where the
// scaling uses them) above 0; a text a box refuses gives its line (several
// joined by CR LF) and box unchanged. At 567 twips per cm
// and the printer's twips per pixel: left and top lose 0.5 cm (the margin the
// printer cannot print), width and height do not. Each quotient is reduced to
// single precision and rounded half to even. Returns the empty text and fills
// box on success; otherwise a German message for the user and box unchanged:
// a twips-per-pixel value that is not positive, a value beyond 2^30 pixels
// (so that position plus size stays a 32-bit number; the box is named with
// the largest number of cm it takes), or (for the scaling
// that uses it) a width or height below 1 pixel.
std::string druckRahmen(std::string_view leftCm, std::string_view topCm, std::string_view widthCm,
                        std::string_view heightCm, int scaling, double twipsProPixelX, double twipsProPixelY,
                        DruckRahmen& box);

// The text of the black-sheet question (before every output from a black plot area).
std::string schwarzesBlattFrage();

}  // namespace vrn
