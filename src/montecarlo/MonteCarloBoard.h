// Where the particles of the Monte Carlo board stand: N0 particles in
// FeldSeite rows of FeldSeite, filled row by row from the top left. Lengths
// are in the caller's unit (pixels in the window).
#pragma once

#include "base/Types.h"

namespace vrn {

struct MCRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct MCBrettGeometrie {
    double FeldLinks = 0;   // left edge of the particle square
    double FeldOben = 0;    // top edge
    double Seite = 0;       // side of the square
    Long N0 = 1;
    Integer FeldSeite = 1;  // particles per row: the integer nearest to sqrt(N0)
    double Abstand = 0;     // distance of neighbouring particles: Seite / sqrt(N0)
    double Radius = 0;      // circle radius in normal mode: Abstand / 2.3
    double BlitzRadius = 0; // flash: 1.5 Radius; large mode 1.5 Abstand, 3 Abstand above 20000 particles
    bool bGross = false;

    // Row and column (1-based) of particle i (1..N0).
    int zeile(Long i) const;
    int spalte(Long i) const;
    // Centre of particle i.
    double mitteX(Long i) const;
    double mitteY(Long i) const;
    // The cell of particle i in large mode: the particle's square of side
    // Abstand less a gap (luecke) at its right and top edges.
    MCRect zelle(Long i, double luecke) const;
};

// The geometry of a board of N0 particles in a square at (links, oben) with side seite.
MCBrettGeometrie mcBrettGeometrie(Long N0, bool bGross, double links, double oben, double seite);

}  // namespace vrn
