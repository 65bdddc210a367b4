#!/usr/bin/env bash
# The configure refuses a source that includes a header of a library its own library does not
# link: each planted include below must stop cmake with the message that names it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git ls-files -co --exclude-standard -z | tar --null -cf - -T - | tar -xf - -C "$work/"
status=0
while IFS='|' read -r file include; do
    cp "$work/$file" "$work/original"
    printf '#include "%s"\n' "$include" >>"$work/$file"
    if out=$(cmake -S "$work" -B "$work/build" -DLUNARA_BUILD_TESTS=OFF 2>&1); then
        echo "not refused: $include in $file"
        status=1
    elif ! tr -s " \n" "  " <<<"$out" | grep -q "includes $include of [a-z_]*, which it does not link"; then
        echo "refused for another reason: $include in $file"
        echo "$out" | tail -n 20
        status=1
    else
        echo "refused: $include in $file"
    fi
    cp "$work/original" "$work/$file"
    rm -rf "$work/build"
done <<'LIST'
moon/age.h|calendar/calendar_window.h
moon/sign.cpp|sky/sky.h
sky/sky.cpp|moon/age.h
kit/text.h|shell/launcher.h
candle/tables.cpp|kit/form.h
candle/candle_window.cpp|moon/texts.h
almanac/almanac.cpp|kit/text.h
place/location.cpp|kit/services.h
moon/main_window.cpp|calendar/calendar_window.h
LIST
exit $status
