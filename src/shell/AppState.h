// The one process-wide application state. Every window and module reads and
// writes it directly; one GUI thread, no locking.
#pragma once

#include <string>

#include "shell/state/ChartState.h"
#include "shell/state/DataState.h"
#include "shell/state/EngineState.h"
#include "shell/state/ReactorState.h"
#include "shell/state/ShellState.h"

namespace vrn {

struct AppState : ShellState, EngineState, ChartState, DataState, ReactorState {};

extern AppState app;

// Resets every variable to zero and then to the start values the main window
// sets when the program starts (sized arrays, time-unit table, model names,
// defaults, paths in the program folder). The protocol file name is left to
// the caller (it needs the file system). programFolder has no trailing separator.
void resetAppState(const std::string& programFolder);

// Joins a folder and a name with "/"; an empty folder gives the name alone.
std::string joinPath(const std::string& folder, const std::string& name);

// app.Zeitfaktor(from, to), the length of time unit `from` in unit `to`
// (indices 0..4); 0 when an index is out of range or the entry is not a
// positive finite number.
double zeitfaktor(int from, int to);

}  // namespace vrn
