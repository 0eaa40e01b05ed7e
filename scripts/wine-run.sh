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

usage() {
    echo "usage: $0 --prefix <dir> <program.exe> [args...]" >&2
    exit 2
}

if [ $# -lt 3 ] || [ "$1" != --prefix ]; then
    usage
fi
prefix=$(realpath -m -- "$2")
shift 2

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: creating the prefix would otherwise ask to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

xvfb_pid=
xvfb_dir=
locked=

# shellcheck disable=SC2317  # called from the EXIT trap
stop_own_session() {
    if [ -n "$xvfb_pid" ]; then
        if [ -n "$locked" ]; then
            wineserver -k 9>&- 2>/dev/null || true
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_dir" ]; then
        rm -rf -- "$xvfb_dir"
    fi
}
trap stop_own_session EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_own_xvfb() {
    xvfb_dir=$(mktemp -d)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 \
        3>"$xvfb_dir/display" 2>"$xvfb_dir/log" &
    xvfb_pid=$!
    local tries=0
    until [ -s "$xvfb_dir/display" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null || [ $tries -ge 500 ]; then
            echo "wine-run: Xvfb did not start" >&2
            cat "$xvfb_dir/log" >&2
            exit 1
        fi
        tries=$((tries + 1))
        sleep 0.02
    done
    DISPLAY=":$(head -n1 "$xvfb_dir/display")"
    export DISPLAY
}

# Prefix settings as a registry script. "Managed"="N": with no window manager
# Wine otherwise waits about 2 s whenever a window is hidden. The Japanese
# dialog fonts map to the IPA Gothic faces installed from Debian.
prefix_settings() {
    cat <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
EOF
}

# regedit reads names beyond ASCII only from UTF-16LE with a byte-order mark.
import_settings() {
    { printf '\xff\xfe'; prefix_settings | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } \
        >"$prefix/drive_c/unitora-settings.reg"
    wine regedit /S 'C:\unitora-settings.reg'
    wineserver -w
    prefix_settings >"$prefix/.unitora-settings"
}

prepare_prefix() {
    if [ ! -f "$prefix/.unitora-ready" ]; then
        rm -rf -- "$prefix"
        mkdir -p -- "$prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.unitora-ready"
    fi
    if ! prefix_settings | cmp -s - "$prefix/.unitora-settings"; then
        import_settings
    fi
}

if [ -z "${DISPLAY:-}" ]; then
    start_own_xvfb
fi

# Every Wine command below runs with the lock descriptor closed: a wineserver
# that inherited it would hold the lock for as long as it lingers.
mkdir -p -- "$(dirname -- "$prefix")"
exec 9>"$prefix.lock"
flock 9
locked=1
if [ -n "$xvfb_pid" ]; then
    # A session left behind by a run on another display would own the desktop.
    wineserver -k 9>&- 2>/dev/null || true
fi
prepare_prefix 9>&-

status=0
wine "$@" 9>&- || status=$?
exit "$status"
