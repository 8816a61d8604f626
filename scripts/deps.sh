#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and `make run` need.
# Only packages that dpkg does not already report as installed are fetched,
# so a warm run costs a couple of seconds.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-pdf-dev qt6-svg-dev qt6-webengine-dev
  libqpdf-dev libzip-dev libfontconfig-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libhunspell-dev hunspell-en-us
  xvfb xauth fonts-dejavu-core poppler-utils
  libreoffice-writer-nogui python3 desktop-file-utils
  clang-format
  qt6-qpa-plugins libxkbcommon-x11-0
)
# Packages named on the command line replace the list (`make bench` installs its
# reference renderers this way).
[ $# -gt 0 ] && PKGS=("$@")
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
