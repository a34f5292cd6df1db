#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  clang libclang-rt-14-dev            # fuzzers (libFuzzer) and sanitizer runtimes
  libgtest-dev libgmock-dev libbenchmark-dev
  libxml2-dev libxml2-utils           # property lists and job tickets; xmllint checks them
  libcups2-dev cups-client            # printer descriptions and IPP; cupstestppd checks our PPD
  locales gettext                     # locale-aware number text; msgfmt checks the string tables
  python3                             # plistlib reads what we write, in the tests
  libcairo2-dev libgdk-pixbuf-2.0-dev # watermark drawing, PDF preview, pictures
  libfreetype-dev libfontconfig-dev   # watermark fonts and the Type 42 conversion
  libharfbuzz-dev                     # font subsets: only the glyphs a watermark needs
  fonts-dejavu-core fonts-dejavu-extra fonts-liberation  # real TrueType fonts for the tests
  ghostscript lcdf-typetools poppler-utils  # draw our Type 42 fonts and PDFs; a reference converter
  cups-ipp-utils dbus-daemon          # ippeveprinter and ipptool: a real IPP printer on loopback
  cups-daemon util-linux iproute2     # a private cupsd with a Korvo queue, in a namespace of its own
  libgtk-4-dev                        # the dialog window (optional to build, tested when present)
  lintian desktop-file-utils dpkg-dev # make deb: the package, its dependencies and its desktop entry checked
  xvfb xdotool imagemagick xclip      # the window's tests: a virtual display, clicks, screenshots, the clipboard
  ccache                              # the three builds share compiled objects between runs
  hyperfine                           # make bench: whole programs timed against their yardsticks
  groff-base man-db                   # the manual page: groff checks it, man shows it
)

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
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
