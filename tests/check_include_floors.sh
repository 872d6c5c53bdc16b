#!/usr/bin/env bash
# Keeps the include arrows of src/ pointing down the floors:
#   app  >  engine, chart, data, reactors, montecarlo  >  shell  >  platform  >  base
# - nothing outside app/ includes a header of app/;
# - shell/ and engine/ include no window (frm*.h) of chart/, data/, reactors/ or montecarlo/;
# - shell/ includes no window of engine/ either;
# - platform/ includes only platform/ and base/, base/ only base/.
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
report "Headers of app/ included below it:" \
    "$(grep -rnE "${inc}app/" "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/app/")"
report "Windows of the subsystems included by shell/ or engine/:" \
    "$(grep -rnE "${inc}(chart|data|reactors|montecarlo)/frm" "$src/shell" "$src/engine" --include='*.h' --include='*.cpp')"
report "Windows of engine/ included by shell/:" \
    "$(grep -rnE "${inc}engine/frm" "$src/shell" --include='*.h' --include='*.cpp')"
report "platform/ includes a folder above it:" \
    "$(grep -rnE "${inc}[a-z]+/" "$src/platform" --include='*.h' --include='*.cpp' | grep -vE ":[0-9]+:${inc#^}(platform|base)/")"
report "base/ includes a folder above it:" \
    "$(grep -rnE "${inc}[a-z]+/" "$src/base" --include='*.h' --include='*.cpp' | grep -vE ":[0-9]+:${inc#^}base/")"
exit $status
