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

QLocale formats() {
    // Without a country's formats (the C locale) Lunara writes as it always has, the British way.
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedKingdom) : locale;
}

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

QString givenDateText(int year, int month, int day) {
    const QLocale locale = formats();
    if (locale.language() == QLocale::English) {
        return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
    }
    // The numbers put into the country's short date by hand: the reading's date may be one the
    // calendar lacks (29 February 1901), which QDate cannot hold.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c) {
            ++run;
        }
        const auto padded = [run](int n) {
            return QStringLiteral("%1").arg(n, run >= 2 ? 2 : 1, 10, QLatin1Char('0'));
        };
        if (c == u'd' && run <= 2) {
            out += padded(day);
        } else if (c == u'M' && run <= 2) {
            out += padded(month);
        } else if (c == u'y') {
            out += QString::number(year);
        } else if (c != u'\'') {
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}

QString timeText(const QTime& time) {
    const QLocale locale = formats();
    return locale.toString(time, QLocale::ShortFormat);
}

QString decimalText(double value, int decimals) { return formats().toString(value, 'f', decimals); }

QString wholeText(qint64 value) { return formats().toString(value); }

Qt::DayOfWeek firstDayOfWeek() { return formats().firstDayOfWeek(); }

} // namespace lunara
