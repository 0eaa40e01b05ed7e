# Shared by scripts/run.sh and scripts/bench-startup.sh (sourced, not run):
# a Wine prefix of the user's own for running Unitora, a private Xvfb, and
# waiting for a window to be shown.

# The user's prefix root; UNITORA_WINE_PREFIX overrides the desktop prefix.
unitora_data_dir() {
    echo "${XDG_DATA_HOME:-$HOME/.local/share}/unitora"
}

# The prefix's registry settings: the Japanese dialog fonts map to the IPA
# Gothic faces installed from Debian, as in the test prefix. Without a
# window manager (a private Xvfb) Wine draws the window frames itself and
# does not wait for a manager when a window is hidden: "Managed"="N". On a
# desktop the window manager keeps the frames.
_unitora_prefix_settings() {
    local managed=$1
    echo 'Windows Registry Editor Version 5.00'
    echo
    if [ "$managed" = no ]; then
        echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
        echo '"Managed"="N"'
        echo
    fi
    cat <<'REG'
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
REG
}

# prepare_unitora_prefix <dir> <managed: yes|no>: creates the prefix on
# first use (about 15 s) and keeps its settings current. Exports WINEPREFIX
# and the variables every Wine command here runs with.
prepare_unitora_prefix() {
    local prefix=$1 managed=$2
    export WINEPREFIX=$prefix
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko: creating the prefix would otherwise ask to download them.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
    if [ ! -f "$prefix/.unitora-ready" ]; then
        echo "Creating the Wine prefix $prefix (once, about 15 s)" >&2
        rm -rf -- "$prefix"
        mkdir -p -- "$prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.unitora-ready"
    fi
    if ! _unitora_prefix_settings "$managed" | cmp -s - "$prefix/.unitora-settings"; then
        # regedit reads names beyond ASCII only from UTF-16LE with a byte-order mark.
        { printf '\xff\xfe'; _unitora_prefix_settings "$managed" | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } \
            >"$prefix/drive_c/unitora-settings.reg"
        wine regedit /S 'C:\unitora-settings.reg'
        wineserver -w
        _unitora_prefix_settings "$managed" >"$prefix/.unitora-settings"
    fi
}

# start_private_xvfb: an X server of our own on a free display; sets DISPLAY
# and UNITORA_XVFB_PID. Stop it with stop_private_xvfb.
start_private_xvfb() {
    UNITORA_XVFB_DIR=$(mktemp -d)
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 \
        3>"$UNITORA_XVFB_DIR/display" 2>"$UNITORA_XVFB_DIR/log" &
    UNITORA_XVFB_PID=$!
    local tries=0
    until [ -s "$UNITORA_XVFB_DIR/display" ]; do
        if ! kill -0 "$UNITORA_XVFB_PID" 2>/dev/null || [ $tries -ge 500 ]; then
            echo "Xvfb did not start:" >&2
            cat "$UNITORA_XVFB_DIR/log" >&2
            return 1
        fi
        tries=$((tries + 1))
        sleep 0.02
    done
    DISPLAY=":$(head -n1 "$UNITORA_XVFB_DIR/display")"
    export DISPLAY
}

stop_private_xvfb() {
    if [ -n "${UNITORA_XVFB_PID:-}" ]; then
        kill "$UNITORA_XVFB_PID" 2>/dev/null || true
        wait "$UNITORA_XVFB_PID" 2>/dev/null || true
        UNITORA_XVFB_PID=
    fi
    if [ -n "${UNITORA_XVFB_DIR:-}" ]; then
        rm -rf -- "$UNITORA_XVFB_DIR"
        UNITORA_XVFB_DIR=
    fi
}

# shown_window_id <title>: the X window of a shown top-level window with
# exactly this title, or nothing.
shown_window_id() {
    local id
    id=$(xwininfo -root -children 2>/dev/null | awk -v title="\"$1\":" '$2 == title { print $1; exit }')
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "$id"
    fi
}

# wait_for_window <title> <pid> <seconds>: waits until the window is shown;
# fails when the process ends first or time runs out.
wait_for_window() {
    local title=$1 pid=$2 deadline=$((SECONDS + $3))
    while [ $SECONDS -lt $deadline ]; do
        if [ -n "$(shown_window_id "$title")" ]; then
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            return 1
        fi
        sleep 0.005
    done
    return 1
}
