#!/bin/bash
# Installs what is missing, builds the native and the Windows tree and runs
# every test, the Windows ones under Wine. Headless: the Wine tests get an
# X server of their own even when a desktop is available.
set -uo pipefail
cd "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/.." || exit 1

summary=()
failed=0

step() {
    local name=$1 start=$SECONDS
    shift
    echo "==> $name"
    if "$@"; then
        summary+=("$(printf 'ok      %4d s  %s' $((SECONDS - start)) "$name")")
        return 0
    fi
    summary+=("$(printf 'FAILED  %4d s  %s' $((SECONDS - start)) "$name")")
    failed=1
    return 1
}

# tree <name> <build dir> [cmake options...]: configure, build, test.
tree() {
    local name=$1 dir=$2
    shift 2
    step "$name: configure" cmake -S . -B "$dir" -G Ninja \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DUNITORA_WERROR=ON "$@" &&
        step "$name: build" cmake --build "$dir" -j 2 &&
        step "$name: tests" env -u DISPLAY \
            ctest --test-dir "$dir" --output-on-failure --no-tests=error -j 2
}

total_start=$SECONDS
if step "install dependencies" scripts/install-deps.sh; then
    tree native build/native
    tree windows build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
fi

echo
echo "Summary"
printf '  %s\n' "${summary[@]}"
if [ $failed -ne 0 ]; then
    echo "FAILED after $((SECONDS - total_start)) s"
    exit 1
fi
echo "All passed in $((SECONDS - total_start)) s"
