#!/bin/bash
# Installs what is missing, builds the Windows tree and starts Unitora under
# Wine.
#
#   scripts/run.sh                     on the current display ($DISPLAY)
#   scripts/run.sh --screenshot FILE [--tab LABEL|INDEX] [--open customize|about] [--dpi DPI]
#                                      on an X server of its own: waits for
#                                      the main window, saves it as a PNG
#                                      image and ends again
#
# With --tab the picture shows that tab's page: a tab label such as 熱量, or
# a page index 0 to 45 (the tab order is the default one in the screenshot
# prefix). With --open it shows the customize dialog or the about box,
# opened over the main window as their buttons open them. With --dpi the
# screen has that many dots per inch (96 unless given; 144 is 150 %). The
# program is driven from outside by unitora-remote, built beside it.
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
    echo "usage: $0 [--screenshot FILE.png [--tab LABEL|INDEX] [--open customize|about] [--dpi DPI]]" >&2
    exit 2
}

screenshot=
remote_args=()
dpi=96
while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || usage
    case $1 in
    --screenshot) screenshot=$(realpath -m -- "$2") ;;
    --tab | --open) remote_args+=("$1" "$2") ;;
    --dpi)
        [[ $2 =~ ^[1-9][0-9]{1,2}$ ]] || usage
        dpi=$2
        ;;
    *) usage ;;
    esac
    shift 2
done
if [ -z "$screenshot" ] && { [ ${#remote_args[@]} -gt 0 ] || [ "$dpi" != 96 ]; }; then
    usage
fi

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
cmake --build "$build" --target unitora unitora-remote
program=$build/unitora.exe

if [ -z "$screenshot" ]; then
    prepare_unitora_prefix "${UNITORA_WINE_PREFIX:-$(unitora_data_dir)/wine-prefix}" yes
    use_japanese_locale
    exec wine "$program"
fi

start_private_session "$dpi"
use_japanese_locale
wine "$program" &
UNITORA_PROGRAM_PID=$!
# The rectangle of the window to take: left, top, width, height.
if ! read -r left top width height < <(wine "$build/unitora-remote.exe" "${remote_args[@]}" | tr -d '\r'); then
    echo "run: Unitora did not show the window to take" >&2
    exit 1
fi
sleep 1.5  # let it finish painting
mkdir -p -- "$(dirname -- "$screenshot")"
# From the screen, so that an about box shows the main window round its ellipse.
import -window root -crop "${width}x${height}+${left}+${top}" +repage "png:$screenshot"
echo "Saved $screenshot"
