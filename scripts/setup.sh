# Shared by scripts/run and scripts/test: installs what is missing, then configures and builds.
# Sourced, not run.

LUNARA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Build, benchmarks, end-to-end tests (X server, input, screenshots), package checks, lint.
LUNARA_PACKAGES=(cmake g++ make qt6-base-dev libx11-dev libxdamage-dev libxtst-dev
    xvfb xauth xdotool imagemagick fonts-dejavu-core
    desktop-file-utils appstream
    clang-format clang-tidy)

lunara_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    command -v apt-get >/dev/null || { echo "missing packages: ${missing[*]} (no apt-get here: install them by hand)" >&2; return 1; }
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# lunara_build PRESET [cmake targets...]
lunara_build() {
    local preset=$1
    shift
    cmake --preset "$preset" -S "$LUNARA_ROOT" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" "$@"
}
