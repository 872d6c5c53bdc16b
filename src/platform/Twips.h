// Twips: 1440 per inch, 15 per pixel at 96 dpi. All conversions go through
// here, with the primary screen's logical dpi (96 when there is no screen).
#pragma once

namespace vrn {

double twipsPerPixelX();
double twipsPerPixelY();
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
int pixelsToTwipsX(double pixels);
int pixelsToTwipsY(double pixels);
// Screen size in twips.
int screenWidthTwips();
int screenHeightTwips();

}  // namespace vrn
