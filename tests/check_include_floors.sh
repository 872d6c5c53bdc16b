#!/usr/bin/env bash
# Keeps the include arrows of src/ pointing down the floors:
#   app  >  data, reactors, montecarlo  >  chart  >  engine  >  shell  >  platform  >  base
# - nothing outside app/ includes a header of app/;
# - data/, reactors/ and montecarlo/ include none of each other;
# - chart/ includes none of data/, reactors/, montecarlo/;
# - engine/ includes none of chart/, data/, reactors/, montecarlo/;
# - shell/ includes no subsystem;
# - platform/ includes only platform/ and base/, base/ only base/;
# - only the chart component's own files (platform/Chart*) include the plot
#   library (qcustomplot.h) or a header that includes it, however deep.
# No exceptions: a file that needs something above its floor gets it through
# the hooks of shell/Hooks.h.
set -u
src="${1:?usage: check_include_floors.sh <src folder>}"
status=0

report() {  # <message> <grep output>
    if [ -n "$2" ]; then
        echo "$1"
        echo "$2"
        status=1
    fi
}

inc='^[[:space:]]*#[[:space:]]*include[[:space:]]*"'
includes() {  # <folder pattern> <folders...>: the include lines of the folders that name a header of the pattern
    local pattern="$1"
    shift
    grep -rnE "${inc}(${pattern})/" "$@" --include='*.h' --include='*.cpp'
}

report "Headers of app/ included below it:" \
    "$(includes app "$src" | grep -v "^$src/app/")"
report "data/ includes reactors/ or montecarlo/:" "$(includes 'reactors|montecarlo' "$src/data")"
report "reactors/ includes data/ or montecarlo/:" "$(includes 'data|montecarlo' "$src/reactors")"
report "montecarlo/ includes data/ or reactors/:" "$(includes 'data|reactors' "$src/montecarlo")"
report "chart/ includes a subsystem above it:" "$(includes 'data|reactors|montecarlo' "$src/chart")"
report "engine/ includes a subsystem above it:" "$(includes 'chart|data|reactors|montecarlo' "$src/engine")"
report "shell/ includes a subsystem:" "$(includes 'engine|chart|data|reactors|montecarlo' "$src/shell")"
report "platform/ includes a folder above it:" \
    "$(grep -rnE "${inc}[a-z]+/" "$src/platform" --include='*.h' --include='*.cpp' | grep -vE ":[0-9]+:${inc#^}(platform|base)/")"
report "base/ includes a folder above it:" \
    "$(grep -rnE "${inc}[a-z]+/" "$src/base" --include='*.h' --include='*.cpp' | grep -vE ":[0-9]+:${inc#^}base/")"

# The headers that bring the plot library, directly or through others.
plot='qcustomplot\.h'
while :; do
    found="$(grep -rlE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](${plot})[>\"]" "$src" --include='*.h' |
        sed "s|^$src/||; s|\.|\\\\.|g" | sort | paste -sd'|')"
    next="qcustomplot\.h${found:+|$found}"
    [ "$next" = "$plot" ] && break
    plot="$next"
done
report "The plot library included outside the chart component (platform/Chart*):" \
    "$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"](${plot})[>\"]" "$src" \
        --include='*.h' --include='*.cpp' | grep -v "^$src/platform/Chart")"
exit $status
