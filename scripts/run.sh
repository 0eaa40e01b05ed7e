#!/bin/bash
# Installs what is missing, builds the Windows tree and starts Unitora under
# Wine.
#
#   scripts/run.sh                     on the current display ($DISPLAY)
#   scripts/run.sh --screenshot FILE   on an X server of its own: waits for
#                                      the main window, saves it as a PNG
#                                      image and ends again
#
# The program runs in a Wine prefix of the user's own, created on first use:
# $XDG_DATA_HOME/unitora/wine-prefix (~/.local/share/unitora/wine-prefix),
# or UNITORA_WINE_PREFIX. Its tab order is stored there between runs.
# Screenshots use a prefix of their own beside it, set up for a display
# without a window manager.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.."
# shellcheck source=scripts/wine-session.sh
. scripts/wine-session.sh

usage() {
    echo "usage: $0 [--screenshot FILE.png]" >&2
    exit 2
}

screenshot=
case $# in
0) ;;
2)
    [ "$1" = --screenshot ] || usage
    screenshot=$(realpath -m -- "$2")
    ;;
*) usage ;;
esac

if [ -z "$screenshot" ] && [ -z "${DISPLAY:-}" ]; then
    cat >&2 <<'TEXT'
run: there is no display to show Unitora on (DISPLAY is not set). Either
  - start it from a terminal of your desktop session, or log in with ssh -X;
  - or name an X server that is running:   DISPLAY=:1 scripts/run.sh
  - or give it a virtual one:              xvfb-run -a scripts/run.sh
  - or take a picture without any display: scripts/run.sh --screenshot unitora.png
TEXT
    exit 1
fi

scripts/install-deps.sh
build=build/windows
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
fi
cmake --build "$build" --target unitora
program=$build/unitora.exe

if [ -z "$screenshot" ]; then
    prepare_unitora_prefix "${UNITORA_WINE_PREFIX:-$(unitora_data_dir)/wine-prefix}" yes
    use_japanese_locale
    exec wine "$program"
fi

start_private_session
use_japanese_locale
wine "$program" &
UNITORA_PROGRAM_PID=$!
if ! wait_for_window Unitora "$UNITORA_PROGRAM_PID" 60; then
    echo "run: the main window \"Unitora\" did not appear" >&2
    exit 1
fi
sleep 1.5  # let it finish painting
mkdir -p -- "$(dirname -- "$screenshot")"
import -window "$(shown_window_id Unitora)" "png:$screenshot"
echo "Saved $screenshot"
