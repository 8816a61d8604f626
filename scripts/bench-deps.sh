#!/usr/bin/env bash
# Installs the reference Markdown renderers the benchmark compares against (md4c and
# cmark-gfm). Only `make bench` needs them; the product never links them.
set -euo pipefail
PKGS=(libmd4c-dev libmd4c-html0-dev libcmark-gfm-dev libcmark-gfm-extensions-dev)
missing=()
for p in "${PKGS[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
