// Start concentrations of the measured data set.
#pragma once

namespace vrn {

// c0Daten(1..5) := c(1..5) of the first measured point with t < 1e-8
// (the exclusion mark is not consulted); 0 for all when there is none.
void getAnfangskonzAusDaten();

}  // namespace vrn
