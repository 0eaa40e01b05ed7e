# shellcheck shell=bash
# Shared by scripts/wine-run.sh, scripts/run.sh and scripts/bench-startup.sh
# (sourced, not run): a Wine prefix for Unitora and its tests, a private
# Xvfb, a private session of both for pictures and timings, and waiting for a
# window to be shown.

UNITORA_XVFB_PID=
UNITORA_XVFB_DIR=
# The prefix the Wine commands run in, once use_unitora_prefix has chosen it.
UNITORA_SESSION_PREFIX=
# A program started in the background in the private session, ended with it.
UNITORA_PROGRAM_PID=

# at_exit <command>: runs the command when the script ends, also on Ctrl-C
# and TERM.
at_exit() {
    # shellcheck disable=SC2064  # the command is named now, run at the end
    trap "$1" EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# The user's prefix root; UNITORA_WINE_PREFIX overrides the desktop prefix.
unitora_data_dir() {
    echo "${XDG_DATA_HOME:-$HOME/.local/share}/unitora"
}

# _unitora_caption_logfont <dpi>: the bytes of a LOGFONTW for a bold 11-pixel
# (at 96 DPI) Japanese caption in IPA P Gothic, as a .reg file's hex list.
_unitora_caption_logfont() {
    local height=$((-11 * $1 / 96)) bytes=() i
    for i in 0 8 16 24; do bytes+=("$(printf '%02x' $(((height >> i) & 0xff)))"); done
    bytes+=(00 00 00 00 00 00 00 00 00 00 00 00)  # width, escapement, orientation
    bytes+=(bc 02 00 00)                          # weight 700
    bytes+=(00 00 00 80 00 00 00 00)              # not italic ..., SHIFTJIS_CHARSET, defaults
    local face=IPAPGothic
    for ((i = 0; i < 32; i++)); do
        if [ $i -lt ${#face} ]; then
            bytes+=("$(printf '%02x' "'${face:i:1}")" 00)
        else
            bytes+=(00 00)
        fi
    done
    local IFS=,
    echo "${bytes[*]}"
}

# The prefix's registry settings: the Japanese dialog fonts map to the IPA
# Gothic faces installed from Debian. Without a window manager (a private
# Xvfb) Wine draws the window frames itself and does not wait for a manager
# (about 2 s) whenever a window is hidden: "Managed"="N". On a desktop the
# window manager keeps the frames; the captions Wine draws then are in IPA
# P Gothic, as its own caption face has no Japanese characters. A DPI, when
# given, is the screen's (LogPixels); otherwise the prefix keeps its own.
_unitora_prefix_settings() {
    local managed=$1 dpi=${2:-}
    echo 'Windows Registry Editor Version 5.00'
    echo
    if [ "$managed" = no ]; then
        echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
        echo '"Managed"="N"'
        echo
        echo '[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]'
        echo "\"CaptionFont\"=hex:$(_unitora_caption_logfont "${dpi:-96}")"
        echo "\"SmCaptionFont\"=hex:$(_unitora_caption_logfont "${dpi:-96}")"
        echo
    fi
    if [ -n "$dpi" ]; then
        echo '[HKEY_CURRENT_USER\Control Panel\Desktop]'
        printf '"LogPixels"=dword:%08x\n' "$dpi"
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

# use_unitora_prefix <dir>: exports WINEPREFIX and the variables every Wine
# command here runs with.
use_unitora_prefix() {
    UNITORA_SESSION_PREFIX=$1
    export WINEPREFIX=$1
    export WINEARCH=win64
    export WINEDEBUG="${WINEDEBUG:--all}"
    # No Mono or Gecko: creating the prefix would otherwise ask to download them.
    export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
}

# use_japanese_locale: the program runs as on a Japanese system, in code
# page 932, which Wine takes from the locale. The help viewer needs it: it
# reads the help file's title and text, and the names of the files it opens,
# in that code page. A system without a Japanese UTF-8 locale gets one of
# the user's own, made once from the C library's sources (Debian's
# locales) in the data folder, so that nothing system-wide changes.
use_japanese_locale() {
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
        local locales
        locales="$(unitora_data_dir)/locale"
        if [ ! -d "$locales/ja_JP.UTF-8" ]; then
            mkdir -p -- "$locales"
            localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" >/dev/null 2>&1 || true
        fi
        export LOCPATH=$locales
    fi
    # This shell itself cannot switch to a locale of LOCPATH; its programs can.
    { export LC_ALL=ja_JP.UTF-8; } 2>/dev/null
}

# install_wine_symbol_font <prefix>: Wine draws the caption buttons, scroll
# bar arrows and check marks with glyphs of its symbol font, Marlett. Debian's
# Wine does not find the copy in its data folder (fonts-wine), so it would
# fall back to an ordinary font and show the letters "0", "1" and "r" on the
# caption buttons; a copy among the prefix's fonts is found.
install_wine_symbol_font() {
    local fonts="$1/drive_c/windows/Fonts" font=/usr/share/wine/fonts/marlett.ttf
    if [ -f "$font" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        mkdir -p -- "$fonts"
        cp -- "$font" "$fonts/"
    fi
}

# prepare_unitora_prefix <dir> <managed: yes|no> [dpi]: uses the prefix,
# creates it on first use (about 15 s) and keeps its settings current.
prepare_unitora_prefix() {
    local prefix=$1 managed=$2 dpi=${3:-}
    use_unitora_prefix "$prefix"
    if [ ! -f "$prefix/.unitora-ready" ]; then
        echo "Creating the Wine prefix $prefix (once, about 15 s)" >&2
        rm -rf -- "$prefix"
        mkdir -p -- "$prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
        touch "$prefix/.unitora-ready"
    fi
    install_wine_symbol_font "$prefix"
    if ! _unitora_prefix_settings "$managed" "$dpi" | cmp -s - "$prefix/.unitora-settings"; then
        # regedit reads names beyond ASCII only from UTF-16LE with a byte-order mark.
        { printf '\xff\xfe'; _unitora_prefix_settings "$managed" "$dpi" | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE; } \
            >"$prefix/drive_c/unitora-settings.reg"
        wine regedit /S 'C:\unitora-settings.reg'
        wineserver -w
        _unitora_prefix_settings "$managed" "$dpi" >"$prefix/.unitora-settings"
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
    if [ -n "$UNITORA_XVFB_PID" ]; then
        kill "$UNITORA_XVFB_PID" 2>/dev/null || true
        wait "$UNITORA_XVFB_PID" 2>/dev/null || true
        UNITORA_XVFB_PID=
    fi
    if [ -n "$UNITORA_XVFB_DIR" ]; then
        rm -rf -- "$UNITORA_XVFB_DIR"
        UNITORA_XVFB_DIR=
    fi
}

# start_private_session [dpi]: a private Xvfb and the screenshot prefix
# beside the user's, set up for a display without a window manager, at this
# DPI (96 unless given); both are ended when the script ends, as is the
# program in UNITORA_PROGRAM_PID.
start_private_session() {
    at_exit end_private_session
    start_private_xvfb
    prepare_unitora_prefix "$(unitora_data_dir)/screenshot-prefix" no "${1:-96}"
}

# Ends what the private session started, by process id: the program, then
# (once the prefix's Wine session has wound down by itself) the X server.
end_private_session() {
    if [ -n "$UNITORA_PROGRAM_PID" ]; then
        kill "$UNITORA_PROGRAM_PID" 2>/dev/null || true
        wait "$UNITORA_PROGRAM_PID" 2>/dev/null || true
        UNITORA_PROGRAM_PID=
    fi
    if [ -n "$UNITORA_SESSION_PREFIX" ]; then
        wineserver -w 2>/dev/null || true
    fi
    stop_private_xvfb
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
