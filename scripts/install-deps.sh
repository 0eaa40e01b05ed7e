#!/bin/bash
# Installs the Debian packages that building and testing Unitora needs.
# Asks apt only when something is missing, so a second run is instant.
set -euo pipefail

packages=(
    # native tree
    build-essential cmake ninja-build
    libgtest-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev
    # the catalogue's factors are checked against an independent unit database
    units
    # Windows tree
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # running under Wine: wine provides /usr/bin/wine, wine64 the 64-bit loader
    wine wine64 xvfb xauth fonts-ipafont-gothic fonts-wine
    # the Japanese locale's sources, from which the help viewer's test makes
    # a locale of its own (code page 932 under Wine)
    locales
    # the installer: wixl builds the Windows Installer package from its WiX
    # source, msibuild (msitools) sets the package's code page
    wixl msitools
    # screenshots of the program under Xvfb (import; xwininfo finds the window)
    imagemagick x11-utils
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    if [ "${status:0:2}" != ii ]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

# With their recommended packages: Wine loads the X extension libraries it
# recommends (render, input, cursors, randr ...) at run time, and the tests
# are made with them present.
echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y "${missing[@]}"
