#!/usr/bin/env bash
# Installs every Debian package Ribwright needs to build, run and test.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # lupdate and lrelease for the English translation
  qt6-l10n-tools
  zlib1g-dev libjpeg62-turbo-dev
  # polygon booleans and offsets for the closed cut contours
  libpolyclipping-dev
  # the toolkit's own dialog texts (Save As, Cancel, Yes/No) in Japanese
  qt6-translations-l10n
  # tests, fuzzing and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  # fonts: without a CJK face the Japanese captions render as boxes
  fonts-noto-cjk
  # a locale whose decimal mark is a comma, for the tests that guard against it
  locales
  # end-to-end test in a real X window and file checks
  xvfb openbox xdotool xclip x11-utils imagemagick pngcheck python3-ezdxf libjpeg-turbo-progs
  # readers that measure the true-scale PDF, the laser SVG and the cut DXF from outside
  poppler-utils librsvg2-bin inkscape python3-shapely
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The C library reads and writes numbers in the process locale; the tests check a comma one.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
