#!/bin/bash
# Runs one Windows program under Wine for CTest, in a private prefix.
#
#   wine-run.sh --prefix <dir> <program.exe> [args...]
#
# Without DISPLAY it brings up its own Xvfb and stops it afterwards. The
# prefix is created on first use. Runs in one prefix are serialised: they
# share one Wine desktop (foreground window, focus), so two test programs at
# once would disturb each other. The program's exit status is passed through.
#
# Wineserver lifetime: with its own Xvfb the script ends the prefix's Wine
# session before stopping the X server, because the session's desktop process
# is bound to that display and would crash with it. Each program then starts
# cold, about 1.3 s against 0.1 s with a warm wineserver. With a handful of
# test programs that is a few seconds per run, not worth a server that
# outlives its display. On a shared display Wine's own grace period (3 s)
# keeps the server warm between consecutive programs.
set -euo pipefail
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/wine-session.sh"

usage() {
    echo "usage: $0 --prefix <dir> <program.exe> [args...]" >&2
    exit 2
}

if [ $# -lt 3 ] || [ "$1" != --prefix ]; then
    usage
fi
prefix=$(realpath -m -- "$2")
shift 2
use_unitora_prefix "$prefix"

locked=

# shellcheck disable=SC2317  # called from the EXIT trap
stop_own_session() {
    if [ -n "$UNITORA_XVFB_PID" ] && [ -n "$locked" ]; then
        wineserver -k 9>&- 2>/dev/null || true
    fi
    stop_private_xvfb
}
at_exit stop_own_session

if [ -z "${DISPLAY:-}" ]; then
    start_private_xvfb
fi

# Every Wine command below runs with the lock descriptor closed: a wineserver
# that inherited it would hold the lock for as long as it lingers.
mkdir -p -- "$(dirname -- "$prefix")"
exec 9>"$prefix.lock"
flock 9
locked=1
if [ -n "$UNITORA_XVFB_PID" ]; then
    # A session left behind by a run on another display would own the desktop.
    wineserver -k 9>&- 2>/dev/null || true
fi
prepare_unitora_prefix "$prefix" no 9>&-

status=0
wine "$@" 9>&- || status=$?
exit "$status"
