#pragma once

// Dates, times and numbers as the user's country writes them: the formats locale (LC_TIME,
// LC_NUMERIC and LANG, as Qt reads them into the default QLocale), whatever language Lunara
// speaks, since an English text with German dates is a choice too. Without a country's formats (the
// C locale) they are written as Lunara always has, the British way ("Thursday 24 December", 24 hours).

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace lunara {

// The formats locale: QLocale's default, which is the system's unless set; British English for C.
QLocale formats();

enum class DateForm {
    WeekdayDayMonth,      // "Thursday 24 December", "Donnerstag, 24. Dezember", "Thursday, December 24"
    WeekdayDayMonthYear,  // "Thursday 24 December 2026"
    ShortWeekdayDayMonth, // "Thu 24 Dec", "Do., 24. Dez."
    DayMonth,             // "24 December", "24. Dezember"
    ShortDayMonth,        // "24 Dec"
    ShortDayMonthYear,    // "24 Dec 2026"
    MonthYear,            // "December 2026", "Dezember 2026", "Декабрь 2026" (the month's own name)
    Weekday,              // "Thursday"
};
QString dateText(const QDate& date, DateForm form);

// The date a Moon Magick reading was asked for: month first ("12/23/2007") where the formats locale
// is English, as the reading has always written it; elsewhere the country's short date with the
// whole year ("23.12.2007"). The date may be one the calendar lacks (29 February 1901).
QString givenDateText(int year, int month, int day);

// "02:28", or "2:28 AM" where the clock has twelve hours.
QString timeText(const QTime& time);
// "1.156" / "1,156".
QString decimalText(double value, int decimals);
// "356,740" / "356.740".
QString wholeText(qint64 value);
// The first day of the Moon Calendar's weeks: Monday in Germany, Sunday in the United States.
Qt::DayOfWeek firstDayOfWeek();

} // namespace lunara
