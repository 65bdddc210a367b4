#pragma once

// Marks a text of the standard-C++ layers (the sky, the almanac, the moon's and the candles'
// tables, the reminders' rules) for translation. The program keeps the English text as it is, so
// those layers stay free of Qt and compare their names as before; `lupdate` reads the mark as
// QT_TRANSLATE_NOOP (scripts/update-translations tells it so), and the Qt layer that shows the
// text translates it with the same context.
#define LUNARA_TEXT(context, text) text
