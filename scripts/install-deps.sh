#!/usr/bin/env bash
# Installs the Debian packages VARNOLT needs: to build and run the program,
# and with --tests also what the tests and benchmarks need.
# Does nothing when everything is present already.
#   usage: install-deps.sh [--tests]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev libqcustomplot-dev qt6-translations-l10n
  libgl-dev
  libgsl-dev
  fonts-liberation
)
case "${1:-}" in
  --tests) packages+=(libgtest-dev libgmock-dev libbenchmark-dev) ;;
  "") ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
