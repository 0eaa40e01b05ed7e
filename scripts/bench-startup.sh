#!/bin/bash
# Start-up benchmark: the time from starting unitora.exe under Wine to its
# main window being shown, against a bare dialog program of ours
# (tests/bench/MinimalDialog.cpp) started the same way. Not part of the tests.
#
#   scripts/bench-startup.sh [runs]      (default 7)
#
# Each run starts the baseline, then Unitora, each on a private Xvfb in the
# screenshot prefix of scripts/run.sh, with a warm Wine session; it prints
# both times and their ratio, and at the end the median of each. The time is
# measured from the shell: process start to the window being mapped, polled
# every 5 ms or so.
set -euo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.."
# shellcheck source=scripts/wine-session.sh
. scripts/wine-session.sh

runs=${1:-7}
build=build/windows

scripts/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
fi
cmake --build "$build" --target unitora minimal-dialog

start_private_session
use_japanese_locale

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# time_to_window <program> <title>: milliseconds from start to shown window.
time_to_window() {
    local start elapsed
    start=$(now_ms)
    wine "$1" &
    UNITORA_PROGRAM_PID=$!
    if ! wait_for_window "$2" "$UNITORA_PROGRAM_PID" 60; then
        echo "bench: \"$2\" did not appear" >&2
        return 1
    fi
    elapsed=$(($(now_ms) - start))
    kill "$UNITORA_PROGRAM_PID"
    wait "$UNITORA_PROGRAM_PID" 2>/dev/null || true
    UNITORA_PROGRAM_PID=
    echo "$elapsed"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# A first start of each warms the session and the file cache; not counted.
time_to_window "$build/minimal-dialog.exe" Minimal >/dev/null
time_to_window "$build/unitora.exe" Unitora >/dev/null

baseline=()
unitora=()
ratios=()
printf '%4s %12s %12s %8s\n' run minimal/ms unitora/ms ratio
for run in $(seq "$runs"); do
    b=$(time_to_window "$build/minimal-dialog.exe" Minimal)
    u=$(time_to_window "$build/unitora.exe" Unitora)
    r=$(awk -v u="$u" -v b="$b" 'BEGIN { printf "%.2f", u / b }')
    baseline+=("$b")
    unitora+=("$u")
    ratios+=("$r")
    printf '%4d %12d %12d %8s\n' "$run" "$b" "$u" "$r"
done
printf '%4s %12s %12s %8s\n' median \
    "$(printf '%s\n' "${baseline[@]}" | median)" \
    "$(printf '%s\n' "${unitora[@]}" | median)" \
    "$(printf '%s\n' "${ratios[@]}" | median)"
