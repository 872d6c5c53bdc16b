#!/usr/bin/env bash
# Checks the include-floor check itself: a small tree that keeps the floors
# passes, and each kind of wrong include, put into it alone, makes it fail.
set -u
check="$(dirname "$0")/check_include_floors.sh"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failures=0

# A tree that keeps every floor; the chart component alone includes the plot
# library, two headers deep.
clean_tree() {
    rm -rf "$root/src"
    for d in app chart data engine montecarlo platform reactors shell/state base; do mkdir -p "$root/src/$d"; done
    printf '#include "base/Types.h"\n' > "$root/src/base/NumberText.h"
    printf '#include <qcustomplot.h>\n' > "$root/src/platform/ChartLayerable.h"
    printf '#include "platform/ChartLayerable.h"\n' > "$root/src/platform/ChartLegend.h"
    printf '#include "platform/ChartLegend.h"\n' > "$root/src/platform/ChartControl.cpp"
    printf '#include "base/NumberText.h"\n#include <QColor>\n' > "$root/src/platform/ColourFont.h"
    printf '#include "shell/state/ChartState.h"\n#include "platform/ColourFont.h"\n' > "$root/src/shell/AppState.h"
    printf '#include "shell/AppState.h"\n' > "$root/src/engine/Simulation.cpp"
    printf '#include "engine/Simulation.h"\n#include "platform/ColourFont.h"\n' > "$root/src/chart/Grafik.cpp"
    printf '#include "chart/Grafik.h"\n#include "engine/Simulation.h"\n' > "$root/src/data/frmFitting.cpp"
    printf '#include "engine/Simulation.h"\n' > "$root/src/reactors/frmBatch.cpp"
    printf '#include "engine/Simulation.h"\n' > "$root/src/montecarlo/frmMonteCarlo.cpp"
    printf '#include "app/MDIVRN.h"\n#include "data/frmFitting.h"\n#include "montecarlo/frmMonteCarlo.h"\n' \
        > "$root/src/app/main.cpp"
}

expect() {  # <0 pass | 1 fail> <what>
    bash "$check" "$root/src" > "$root/out" 2>&1
    local rc=$?
    if [ "$rc" -ne "$1" ]; then
        echo "FAILED: $2 (exit $rc, expected $1)"
        cat "$root/out"
        failures=$((failures + 1))
    fi
}

wrong() {  # <file under src> <include line> <what>
    clean_tree
    printf '%s\n' "$2" >> "$root/src/$1"
    expect 1 "$3"
}

clean_tree
expect 0 "a tree that keeps the floors"

# One wrong include per case: the file it goes into | the line | what it is.
while IFS='|' read -r file line what; do
    [ -n "$file" ] && wrong "$file" "$line" "$what"
done <<'CASES'
chart/Grafik.cpp|#include "app/MDIVRN.h"|chart/ includes app/
data/frmFitting.cpp|#include "reactors/frmBatch.h"|data/ includes reactors/
reactors/frmBatch.cpp|#include "data/frmFitting.h"|reactors/ includes data/
montecarlo/frmMonteCarlo.cpp|#include "reactors/frmBatch.h"|montecarlo/ includes reactors/
chart/Grafik.cpp|#include "data/XYFileDialogs.h"|chart/ includes data/
engine/Simulation.cpp|#include "chart/Grafik.h"|engine/ includes chart/
engine/Simulation.cpp|#  include "montecarlo/MonteCarloRun.h"|engine/ includes montecarlo/ (spaced)
shell/AppState.h|#include "engine/EngineState.h"|shell/ includes engine/
shell/state/ChartState.h|#include "chart/PointSetTabs.h"|shell/state/ includes chart/
platform/ColourFont.h|#include "shell/AppState.h"|platform/ includes shell/
base/NumberText.h|#include "platform/Paths.h"|base/ includes platform/
montecarlo/frmMonteCarlo.cpp|#include <qcustomplot.h>|the plot library outside the chart component
chart/Grafik.cpp|#include "platform/ChartLayerable.h"|a header that includes the plot library
montecarlo/frmMonteCarlo.cpp|#include "platform/ChartLegend.h"|a header two steps from the plot library
platform/ColourFont.h|#include "platform/ChartLegend.h"|a platform header outside the chart component
CASES

[ "$failures" -eq 0 ] && echo "include-floor check: all cases as expected"
exit $((failures > 0))
