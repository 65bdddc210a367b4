# Where the program's texts are and how lupdate reads them: shared by scripts/update-translations
# and the catalogue check. Sourced, not run.
LUNARA_LUPDATE=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
LUNARA_LRELEASE=$(command -v lrelease || echo /usr/lib/qt6/bin/lrelease)
# The folders of the program (not its tests, tools or benchmarks).
LUNARA_TEXT_FOLDERS=(sky almanac moon candle kit place calendar hours reminders cli shell)
# The standard-C++ layers mark their texts with LUNARA_TEXT(context, text) (translations/translatable.h);
# no line numbers, so that a catalogue changes only when a text does.
LUNARA_LUPDATE_OPTIONS=(-silent -locations none -no-obsolete -extensions cpp,h -I .
    -tr-function-alias QT_TRANSLATE_NOOP+=LUNARA_TEXT)
