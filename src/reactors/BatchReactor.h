// Concentrations in an ideal isothermal batch reactor after a reaction time;
// the tubular reactor calls the same computation with its residence time.
#pragma once

#include "engine/ModelInputs.h"
#include "reactors/ReactorStatus.h"

namespace vrn {

// Text and title of every failure of CalcBatchKessel.
inline constexpr const char* kBatchFehlerText = "numerischer Fehler aufgetreten\r\nÜberprüfen Sie die Eingabewerte";
inline constexpr const char* kBatchFehlerTitel = "Meldung von CalcBatchKessel";

// The concentrations of model `model` after the time t, from the feed
// app.c0(1..5) with app.k(1..3) (model 20 also app.nOrdnung).
//
// Closed forms (1-6, 8, 11, 12, 16, 17) are the engine's; the other models
// (7, 9, 10, 13, 14, 15, 18, 20) are integrated over 150 equal intervals by
// the integration driver the curve simulation uses (IntegrationDriver: the
// explicit rule, whose substeps double until two trials agree to 1 % in
// every component of at least 1e-6 times the largest feed of the integrated
// species, and from the first interval it cannot take on the implicit
// integrator, interval by interval). app.dtSim is left holding the last
// inner step. c(A) of model 20 never ends below 0. t = 0 gives the feed.
//
// Writes only the model's own slots of result (closed forms as the engine's
// ClosedForm::writes; 7, 9, 10, 13, 18: A..P; 14, 15: A, C, P; 20: A, P), and
// only on success; model 19 and numbers outside 1..20 write nothing and
// succeed. Fails (kBatchFehlerText, result untouched) on a negative or
// non-finite t, a negative or non-finite feed or rate constant the model
// uses, a division by zero, a square root of a negative number, or an
// overflow that neither integrator can get past.
// Model 20 above the order kGrosseOrdnung (engine/ClosedForms.h) takes its
// closed form, which the integrators cannot follow there.
ReactorStatus CalcBatchKessel(Integer model, double t, Konz& result);

// The same computation from the inputs `in` (model, feed, constants, order),
// reading nothing of the shared state; lastStep takes the last inner step of
// an integration.
ReactorStatus CalcBatchKessel(const ModelInputs& in, double t, Konz& result, double& lastStep);

// True when the last successful CalcBatchKessel of an integrated model was
// finished by the implicit integrator.
bool lastBatchImplicit();

}  // namespace vrn
