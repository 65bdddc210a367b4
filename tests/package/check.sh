#!/usr/bin/env bash
# Builds the Debian package from a build folder, validates its desktop entry and AppStream file,
# unpacks it into a temporary root and checks what it installs.
# Usage: check.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$src/packaging/example.lunara.Lunara.desktop"
# Pedantic: the one remark left is that the established application id has capitals.
appstreamcli validate --pedantic --no-net "$src/packaging/example.lunara.Lunara.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log" >&2; exit 1; }
if grep -E '^[EWI]:' "$work/appstream.log" | grep -v 'cid-maybe-not-rdns'; then
    echo "appstreamcli has remarks on the AppStream file" >&2
    exit 1
fi

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
expected=(
    usr/bin/lunara
    usr/bin/lunara-cli
    usr/libexec/lunara/lunara-windows
    usr/share/man/man1/lunara-cli.1.gz
    usr/share/bash-completion/completions/lunara
    usr/share/zsh/vendor-completions/_lunara
    usr/share/fish/vendor_completions.d/lunara.fish
    usr/share/doc/lunara/copyright
    usr/share/doc/lunara/lunara-cli.schema.json
    usr/share/doc/lunara/changelog.gz
    usr/share/man/man1/lunara.1.gz
    usr/share/applications/example.lunara.Lunara.desktop
    usr/share/metainfo/example.lunara.Lunara.metainfo.xml
    usr/share/icons/hicolor/16x16/apps/example.lunara.Lunara.png
    usr/share/icons/hicolor/32x32/apps/example.lunara.Lunara.png
    usr/share/icons/hicolor/48x48/apps/example.lunara.Lunara.png
    usr/share/icons/hicolor/256x256/apps/example.lunara.Lunara.png
)
# The manual page in each language it is written in.
for page in "$src"/packaging/lunara.*.1; do
    [ -e "$page" ] || continue
    language=$(basename "$page" .1)
    expected+=("usr/share/man/${language#lunara.}/man1/lunara.1.gz")
done
missing=0
for f in "${expected[@]}"; do
    [ -e "$work/root/$f" ] || { echo "missing from the package: $f" >&2; missing=1; }
done
# Nothing else: no test programs, no libraries, no headers.
extra=$(cd "$work/root" && find . -type f | sed 's|^\./||' | sort | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[ -z "$extra" ] || { echo "unexpected in the package: $extra" >&2; missing=1; }
[ -x "$work/root/usr/bin/lunara" ] || { echo "lunara is not executable" >&2; missing=1; }
[ -x "$work/root/usr/bin/lunara-cli" ] || { echo "lunara-cli is not executable" >&2; missing=1; }
[ -x "$work/root/usr/libexec/lunara/lunara-windows" ] || { echo "lunara-windows is not executable" >&2; missing=1; }
# lunara itself loads no Qt library: it hands over to lunara-windows or lunara-cli.
if objdump -p "$work/root/usr/bin/lunara" | grep -E 'NEEDED +libQt'; then
    echo "lunara links a Qt library" >&2
    missing=1
fi
[ "$(readlink "$work/root/usr/share/man/man1/lunara-cli.1.gz")" = lunara.1.gz ] ||
    { echo "lunara-cli's manual page is not lunara's" >&2; missing=1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency declared" >&2; missing=1; }
desktop-file-validate "$work/root/usr/share/applications/example.lunara.Lunara.desktop"
# Debian's own checker, pedantic: nothing to say.
lintian -EvIL +pedantic "$deb" 2>&1 | grep -v 'running with root privileges' >"$work/lintian.log" || true
if grep -E '^[EWIPX]:' "$work/lintian.log"; then
    echo "lintian has remarks on the package" >&2
    missing=1
fi
[ $missing -eq 0 ] || exit 1
echo "1 passed, 0 failed"
