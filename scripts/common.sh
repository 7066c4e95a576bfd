# Shared by scripts/run and scripts/test: package check, configure and build.
# shellcheck shell=bash
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

missing_packages() {
    local pkg
    grep -vE '^\s*(#|$)' "$ROOT/scripts/packages.txt" | while read -r pkg; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$pkg"
        fi
    done
}

ensure_packages() {
    local missing
    missing="$(missing_packages | tr '\n' ' ')"
    [ -z "${missing// /}" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing: $missing" >&2
        echo "Run this script as root, or install them with: sudo apt-get install $missing" >&2
        exit 1
    fi
    echo "Installing missing packages: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
}

# build_tree DIR [extra cmake args...]; BUILD_TARGETS="a b" builds only those targets (default: all).
build_tree() {
    local dir="$1"; shift
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    local targets=()
    for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}
