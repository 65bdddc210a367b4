# Shared by scripts/run, scripts/test, scripts/bench and scripts/mutate: installs what is missing,
# then configures and builds. Sourced, not run.

LUNARA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What the build, the benchmarks, the end-to-end tests (X server, input, screenshots), the package
# checks, lint, the Windows-target check and the checks of exported calendars and PDFs and the screen-reader check need: a Debian package each, and how to tell it is
# there without asking a package manager (a command, or a file glob).
LUNARA_NEEDS=(
    "cmake cmd:cmake"
    "g++ cmd:g++"
    "make cmd:make"
    "ninja-build cmd:ninja"
    "lld file:/usr/bin/ld.lld"
    "qt6-base-dev file:/usr/lib/*/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake"
    "libx11-dev file:/usr/include/X11/Xlib.h"
    "libxdamage-dev file:/usr/include/X11/extensions/Xdamage.h"
    "libxtst-dev file:/usr/include/X11/extensions/XTest.h"
    "xvfb cmd:Xvfb"
    "xauth cmd:xauth"
    "xdotool cmd:xdotool"
    "imagemagick cmd:import"
    "fonts-dejavu-core file:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
    "tzdata file:/usr/share/zoneinfo/Europe/Berlin"
    "desktop-file-utils cmd:desktop-file-validate"
    "appstream cmd:appstreamcli"
    "dpkg-dev cmd:dpkg-shlibdeps"
    "lintian cmd:lintian"
    "clang cmd:clang"
    "clang-format cmd:clang-format"
    "clang-tidy cmd:clang-tidy"
    "mingw-w64-x86-64-dev file:/usr/share/mingw-w64/include/windows.h"
    "g++-mingw-w64-x86-64-win32 file:/usr/lib/gcc/x86_64-w64-mingw32/*/include/c++"
    "python3-icalendar file:/usr/lib/python3/dist-packages/icalendar/__init__.py"
    "python3-jsonschema file:/usr/lib/python3/dist-packages/jsonschema/__init__.py"
    "libfaketime file:/usr/lib/*/faketime/libfaketime.so.1"
    "poppler-utils cmd:pdftotext"
    "dbus-daemon cmd:dbus-run-session"
    "at-spi2-core file:/usr/libexec/at-spi-bus-launcher"
    "python3-pyatspi file:/usr/lib/python3/dist-packages/pyatspi/__init__.py"
    "python3-gi file:/usr/lib/python3/dist-packages/gi/__init__.py"
    "qt6-l10n-tools file:/usr/lib/qt6/bin/lrelease"
    "qt6-tools-dev file:/usr/lib/*/cmake/Qt6LinguistTools/Qt6LinguistToolsConfig.cmake"
    "qt6-translations-l10n file:/usr/share/qt6/translations/qtbase_de.qm"
    "hunspell cmd:hunspell"
    "hunspell-de-de file:/usr/share/hunspell/de_DE.dic"
    "hunspell-fr file:/usr/share/hunspell/fr_FR.dic"
    "hunspell-es file:/usr/share/hunspell/es_ES.dic"
    "hunspell-pt-br file:/usr/share/hunspell/pt_BR.dic"
    "hunspell-it file:/usr/share/hunspell/it_IT.dic"
    "hunspell-ru file:/usr/share/hunspell/ru_RU.dic"
    "trayer cmd:trayer"
    "dunst cmd:dunstctl"
)
# The packages alone, for callers that add their own.
LUNARA_PACKAGES=()
for need in "${LUNARA_NEEDS[@]}"; do LUNARA_PACKAGES+=("${need%% *}"); done

# lunara_present PACKAGE: whether what the package brings is here.
lunara_present() {
    local need check
    for need in "${LUNARA_NEEDS[@]}"; do
        [ "${need%% *}" = "$1" ] || continue
        check=${need#* }
        case $check in
        cmd:*) command -v "${check#cmd:}" >/dev/null 2>&1 ;;
        file:*) compgen -G "${check#file:}" >/dev/null ;;
        esac
        return
    done
    # A package without a check of its own (asked for by a caller): a command of its name, or dpkg.
    command -v "$1" >/dev/null 2>&1 && return 0
    command -v dpkg-query >/dev/null 2>&1 &&
        dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# lunara_install_missing PACKAGE...: installs what is not there, or says what to do.
lunara_install_missing() {
    local missing=() pkg
    for pkg in "$@"; do
        lunara_present "$pkg" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null 2>&1; then
        # Another distribution: its own names differ; say what is missing and let the build decide.
        echo "not found here (Debian names; install the equivalents): ${missing[*]}" >&2
        return 0
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "missing packages, and neither root nor sudo to install them; as root, run:" >&2
            echo "  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    # Through env, so that the setting survives sudo's clean environment.
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# lunara_build PRESET [cmake targets...]
lunara_build() {
    local preset=$1
    shift
    # Ninja where it is installed and the build folder is new (one made with make stays with make):
    # it keeps both cores busy through the build's last steps.
    if command -v ninja >/dev/null && ! [ -e "$LUNARA_ROOT/build/$preset/CMakeCache.txt" ]; then
        CMAKE_GENERATOR=Ninja cmake --preset "$preset" -S "$LUNARA_ROOT" >/dev/null
    fi
    cmake --preset "$preset" -S "$LUNARA_ROOT" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" "$@"
}
