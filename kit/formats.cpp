#include "kit/formats.h"

#include <array>

namespace lunara {

namespace {

// The patterns of each form, for the languages whose order and words Lunara knows.
struct Patterns {
    QLocale::Language language;
    QLocale::Territory territory;     // AnyTerritory: every country of the language
    std::array<const char*, 6> forms; // WeekdayDayMonth .. ShortDayMonthYear
    const char* monthYear;            // %1 the month's own name, %2 the year
};

constexpr std::array kPatterns{
    Patterns{QLocale::English,
             QLocale::UnitedStates,
             {"dddd, MMMM d", "dddd, MMMM d, yyyy", "ddd, MMM d", "MMMM d", "MMM d", "MMM d, yyyy"},
             "%1 %2"},
    Patterns{QLocale::English,
             QLocale::AnyTerritory,
             {"dddd d MMMM", "dddd d MMMM yyyy", "ddd d MMM", "d MMMM", "d MMM", "d MMM yyyy"},
             "%1 %2"},
    Patterns{QLocale::C,
             QLocale::AnyTerritory,
             {"dddd d MMMM", "dddd d MMMM yyyy", "ddd d MMM", "d MMMM", "d MMM", "d MMM yyyy"},
             "%1 %2"},
    Patterns{QLocale::German,
             QLocale::AnyTerritory,
             {"dddd, d. MMMM", "dddd, d. MMMM yyyy", "ddd, d. MMM", "d. MMMM", "d. MMM", "d. MMM yyyy"},
             "%1 %2"},
    Patterns{QLocale::French,
             QLocale::AnyTerritory,
             {"dddd d MMMM", "dddd d MMMM yyyy", "ddd d MMM", "d MMMM", "d MMM", "d MMM yyyy"},
             "%1 %2"},
    Patterns{QLocale::Spanish,
             QLocale::AnyTerritory,
             {"dddd, d 'de' MMMM", "dddd, d 'de' MMMM 'de' yyyy", "ddd, d MMM", "d 'de' MMMM", "d MMM", "d MMM yyyy"},
             "%1 de %2"},
    Patterns{QLocale::Portuguese,
             QLocale::AnyTerritory,
             {"dddd, d 'de' MMMM", "dddd, d 'de' MMMM 'de' yyyy", "ddd, d MMM", "d 'de' MMMM", "d MMM", "d MMM yyyy"},
             "%1 de %2"},
    Patterns{QLocale::Italian,
             QLocale::AnyTerritory,
             {"dddd d MMMM", "dddd d MMMM yyyy", "ddd d MMM", "d MMMM", "d MMM", "d MMM yyyy"},
             "%1 %2"},
    Patterns{QLocale::Russian,
             QLocale::AnyTerritory,
             {"dddd, d MMMM", "dddd, d MMMM yyyy", "ddd, d MMM", "d MMMM", "d MMM", "d MMM yyyy"},
             "%1 %2"},
};

const Patterns* patternsOf(const QLocale& locale) {
    for (const Patterns& p : kPatterns) {
        if (p.language == locale.language() &&
            (p.territory == QLocale::AnyTerritory || p.territory == locale.territory())) {
            return &p;
        }
    }
    return nullptr;
}

} // namespace

QLocale formats() { return {}; }

QString dateText(const QDate& date, DateForm form) {
    const QLocale locale = formats();
    const Patterns* p = patternsOf(locale);
    if (form == DateForm::Weekday) {
        return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    }
    if (form == DateForm::MonthYear) {
        // The month's own name (not the form a date takes), so "Декабрь 2026", not "декабря".
        QString month = locale.standaloneMonthName(date.month(), QLocale::LongFormat);
        if (!month.isEmpty()) {
            month[0] = month[0].toUpper(); // it begins a heading
        }
        return QString::fromLatin1(p ? p->monthYear : "%1 %2").arg(month, QString::number(date.year()));
    }
    const auto index = static_cast<std::size_t>(form);
    if (p) {
        return locale.toString(date, QString::fromLatin1(p->forms[index]));
    }
    // A language Lunara does not know the order of: its own long date, else its names in the
    // British order.
    if (form == DateForm::WeekdayDayMonthYear) {
        return locale.toString(date, QLocale::LongFormat);
    }
    return locale.toString(date, QString::fromLatin1(kPatterns[1].forms[index]));
}

QString timeText(const QTime& time) {
    const QLocale locale = formats();
    // The C locale's short format has seconds; it writes hours and minutes as Lunara always has.
    return locale.language() == QLocale::C ? time.toString(QStringLiteral("HH:mm"))
                                           : locale.toString(time, QLocale::ShortFormat);
}

QString decimalText(double value, int decimals) { return formats().toString(value, 'f', decimals); }

QString wholeText(qint64 value) { return formats().toString(value); }

Qt::DayOfWeek firstDayOfWeek() { return formats().firstDayOfWeek(); }

} // namespace lunara
