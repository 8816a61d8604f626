#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run (`make run`), and with
# --test also what the tests and export checks need (`make test`). Only packages that dpkg
# does not already report as installed are fetched, so a warm run costs a second or two.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-pdf-dev qt6-svg-dev qt6-webengine-dev
  libqpdf-dev libzip-dev libfontconfig-dev libgl-dev
  libhunspell-dev hunspell-en-us
  xvfb xauth fonts-dejavu-core
  qt6-qpa-plugins libxkbcommon-x11-0
  qt6-l10n-tools qt6-translations-l10n
)
TEST_PKGS=(
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils libreoffice-writer-nogui python3 desktop-file-utils strace
  clang-format clang libclang-rt-14-dev universal-ctags
)
case "${1:-}" in
  --test) PKGS+=("${TEST_PKGS[@]}") ;;
  "") ;;
  # Packages named on the command line replace the list (`make bench` installs its
  # reference renderers this way).
  *) PKGS=("$@") ;;
esac
if [ $# -eq 0 ] || [ "$1" = --test ]; then
  # The emoji list needs a colour emoji font; a desktop usually has one already.
  if ! command -v fc-list >/dev/null || [ -z "$(fc-list ':charset=1f600:color=true' family 2>/dev/null)" ]; then
    PKGS+=(fonts-noto-color-emoji)
  fi
fi
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
