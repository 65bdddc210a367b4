#!/usr/bin/env bash
# Reads the printed month back: its text (pdftotext) must hold the title, the place and the
# quarters with their local times; its picture (pdftoppm) is kept for a look.
set -euo pipefail
writer=$1 dir=$2
mkdir -p "$dir"
for paper in a4 letter; do
    pdf="$dir/december-2026-$paper.pdf"
    "$writer" "$pdf" "$paper"
    pdfinfo "$pdf" | grep -q "^Pages: *1$" || { echo "not one page: $pdf"; exit 1; }
    text=$(pdftotext -layout "$pdf" -)
    for want in "December 2026" "Berlin, 52.50° N, 13.37° E" "Tue 1 Dec 07:09 +Last quarter" \
        "Wed 9 Dec 01:52 +New moon" "Thu 17 Dec 06:43 +First quarter" "Thu 24 Dec 02:28 +Full moon" \
        "Wed 30 Dec 19:59 +Last quarter" "Mon 7 Dec 16:07 +Sagittarius" "Mon 7 Dec 10:08 to 16:07" "Full 02:28" \
        "The year" "Mon 21 Dec +Yule, the winter solstice at 21:50" "Thu 24 Dec +Supermoon at 02:28, 356,740 km" \
        "Fri 11 Dec +Saturn turns direct in Aries at 00:31"; do
        grep -qE "$want" <<<"$text" || { echo "$paper: missing \"$want\""; exit 1; }
    done
    pdftoppm -png -r 50 -singlefile "$pdf" "$dir/december-2026-$paper"
    [ -s "$dir/december-2026-$paper.png" ] || { echo "no picture of $pdf"; exit 1; }
done
# The printed year: one or two pages, every section and the events a user plans by.
pdf="$dir/year-2026-a4.pdf"
"$writer" "$pdf" a4 year
pdfinfo "$pdf" | grep -qE "^Pages: *[12]$" || { echo "the year is not one or two pages"; exit 1; }
text=$(pdftotext -layout "$pdf" - | tr -s ' ')
for want in "Lunara: The Year 2026" "The Wheel of the Year" "Imbolc \\(its point: Tuesday 3 February at 21:02" \
    "Total lunar eclipse at 12:34, magnitude 1.156" "Mercury retrograde from 07:48 in Pisces" \
    "Harvest Moon at 18:49, in Aries" "Blue moon: the month's second full moon" "Supermoon at 02:28, 356,740 km"; do
    grep -qE "$want" <<<"$text" || { echo "year: missing \"$want\""; exit 1; }
done
pdftoppm -png -r 50 "$pdf" "$dir/year-2026"
pdfinfo "$dir/december-2026-a4.pdf" | grep -q "(A4)" || { echo "the A4 page is not A4"; exit 1; }
pdfinfo "$dir/december-2026-letter.pdf" | grep -q "(letter)" || { echo "the Letter page is not Letter"; exit 1; }
# In Russian: Cyrillic words and dates, from fonts the file carries (a reader without them shows boxes).
pdf="$dir/december-2026-ru.pdf"
PDF_LANGUAGE=ru "$writer" "$pdf" a4
text=$(pdftotext -layout "$pdf" - | tr -s ' ')
# Each column's heading whole within its column, however long in the language.
for want in "декабр[ья] 2026" "Новолуние" "Полнолуние" "Стрелец" "Луна без курса \\(классические планеты\\)"; do
    grep -qiE "$want" <<<"$text" || { echo "ru: missing \"$want\""; exit 1; }
done
# The last column's heading whole and within the page's margins (a longer language must not push
# it past them, where a printer cuts it off).
pdftotext -bbox "$pdf" - | python3 -c '
import re, sys
html = sys.stdin.read()
width = float(re.search(r"<page width=\"([\d.]+)\"", html).group(1))
found = re.findall(r"xMin=\"([\d.]+)\"[^>]*xMax=\"([\d.]+)\"[^>]*>([^<]*)<", html)
words = {w: float(right) for left, right, w in found}
# The right margin is as wide as the left one, where the leftmost word starts.
edge = width - min(float(left) for left, right, w in found)
for want in sys.argv[1:]:
    if want not in words or words[want] > edge + 0.5:
        sys.exit("ru: not within the margins: " + want)' "(классические" "планеты)"
fonts=$(pdffonts "$pdf" | tail -n +3)
[ -n "$fonts" ] || { echo "ru: no fonts in the file"; exit 1; }
if awk '{ if ($(NF-4) != "yes") bad = 1 } END { exit !bad }' <<<"$fonts"; then
    echo "ru: a font is not embedded:"; echo "$fonts"; exit 1
fi
pdftoppm -png -r 50 -singlefile "$pdf" "$dir/december-2026-ru"
echo "pdf: one page each, A4 and Letter, text and pictures in $dir"
