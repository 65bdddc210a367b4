// lunara-cli's commands run in the test's process: the moon now and the year's events for fixed
// instants and places in the windows' words, every refused command line, files kept or replaced, and
// --watch on a clock of the test's own.
#include "cli/commands.h"
#include "kit/sky_words.h"
#include "place/location.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

using namespace lunara;

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray readAll(std::FILE* file) {
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        bytes.append(buffer, static_cast<qsizetype>(n));
    }
    std::fclose(file);
    return bytes;
}

Ran run(const QStringList& arguments, const QSettings& settings, const cli::Clock& clock) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Ran ran;
    ran.status = cli::run(arguments, settings, clock, out, err);
    ran.out = readAll(out);
    ran.err = readAll(err);
    return ran;
}

QJsonObject json(const QByteArray& bytes) { return QJsonDocument::fromJson(bytes).object(); }

// A clock of the test's: it starts at an instant, each sleep moves it to the instant asked for (and
// once, if told, a day back or forth, as a clock set by hand), and the watch ends after `until`.
class TestClock : public cli::Clock {
public:
    TestClock(std::int64_t startMs, std::int64_t untilMs) : now_(startMs), until_(untilMs) {}
    std::int64_t nowMs() const override { return now_; }
    bool sleepUntil(std::int64_t untilMs) const override {
        wakeUps.push_back(untilMs);
        if (untilMs > until_) {
            return false;
        }
        now_ = std::max(now_, untilMs);
        if (jumpAfterMs && now_ >= *jumpAfterMs) {
            now_ += jumpByMs;
            jumpAfterMs.reset();
        }
        return true;
    }
    mutable std::vector<std::int64_t> wakeUps;
    mutable std::optional<std::int64_t> jumpAfterMs;
    std::int64_t jumpByMs = 0;

private:
    mutable std::int64_t now_;
    std::int64_t until_;
};

std::int64_t msOf(const QString& iso) { return QDateTime::fromString(iso, Qt::ISODate).toMSecsSinceEpoch(); }

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void theMoonNowInWords_data();
    void theMoonNowInWords();
    void theMoonNowAsJson();
    void theStoredPlaceUnlessOneIsGiven();
    void aStatusBarsLine_data();
    void aStatusBarsLine();
    void theYearsEventsInWords();
    void eventsAsJsonAndCsv();
    void theRangeEnds_data();
    void theRangeEnds();
    void aWrongCommandLine_data();
    void aWrongCommandLine();
    void aFileThereIsReplacedOnlyWithForce();
    void aFileThatCannotBeWritten();
    void watchWakesAtEachChangeAndOnceAMinute_data();
    void watchWakesAtEachChangeAndOnceAMinute();

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QSettings> settings;
    cli::Clock systemClock;
};

void TestCli::initTestCase() {
    // Dates and times the British way, as without a country's formats.
    QLocale::setDefault(QLocale::c());
}

void TestCli::init() {
    dir = std::make_unique<QTemporaryDir>();
    settings = std::make_unique<QSettings>(dir->filePath(QStringLiteral("lunara.ini")), QSettings::IniFormat);
}

void TestCli::theMoonNowInWords_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    // The full moon of 24 December 2026 at 01:28 UTC, a supermoon; Lisbon keeps UTC in winter.
    QTest::newRow("full moon, Lisbon")
        << QStringList{"now", "--place", "Lisbon", "--at", "2026-12-24T02:28"}
        << "Thursday 24 December 2026, 02:28: Lisbon, 38.72° N, 9.13° W\n"
           "Full Moon, 100 % lit, 15.1 days old\n"
           "Moon in Cancer until Friday 25 December at 21:12, then in Leo\n"
           "Next: Void of course from Friday 00:09 until the moon enters Leo at Friday 21:12\n"
           "Next quarter: Last quarter moon in Libra, Wednesday 30 December at 18:59\n"
           "Sunrise 07:52, sunset 17:20\n"
           "Moonset 08:30, moonrise 17:49\n"
           "Night hour 8, 01:49 to 03:01, Sun, Yellow candle, now\n"
           "Cold Moon\n"
           "Supermoon at 01:28, 356,740 km away\n";
    // The solstice (08:24 UTC) under the midnight sun: no planetary hours, and why.
    QTest::newRow("midnight sun, Svalbard")
        << QStringList{"today", "--lat",           "78.22", "--lon", "15.65", "--zone", "Arctic/Longyearbyen",
                       "--at",  "2026-06-21T12:00"}
        << "Sunday 21 June 2026, 12:00: 78.22° N, 15.65° E\n"
           "First Quarter, 45 % lit, 6.3 days old\n"
           "Moon in Virgo until Sunday 21 June at 22:55, then in Libra\n"
           "Next: Void of course from 19:33 until the moon enters Libra at 22:55\n"
           "Next quarter: First quarter moon in Libra, Sunday 21 June at 23:55\n"
           "The sun does not set\n"
           "Moonset 01:17, moonrise 12:29\n"
           "No planetary hours this day: the sun does not set, so there is no daylight and night to divide.\n"
           "Litha, the summer solstice at 10:24\n";
    // The day the clocks go forward, 23 hours long.
    QTest::newRow("summer time begins, Berlin")
        << QStringList{"now", "--place", "Berlin", "--at", "2026-03-29T12:00"}
        << "Sunday 29 March 2026, 12:00: Berlin, 52.50° N, 13.37° E\n"
           "Waxing Gibbous, 86 % lit, 10.4 days old\n"
           "Moon in Leo until Sunday 29 March at 21:33, then in Virgo\n"
           "Next: Void of course from 19:28 until the moon enters Virgo at 21:33\n"
           "Next quarter: Full moon in Libra, Thursday 2 April at 04:12\n"
           "Sunrise 06:48, sunset 19:35\n"
           "Moonset 05:43, moonrise 15:22\n"
           "Day hour 5, 11:04 to 12:08, Saturn, Green candle, now\n";
    // The southern wheel: Imbolc on 1 August; Mercury retrograde from 31 July 1999.
    QTest::newRow("southern hemisphere, Sydney")
        << QStringList{"now", "--place", "Sydney", "--hemisphere", "southern", "--at", "1999-08-01T21:00"}
        << "Sunday 1 August 1999, 21:00: Sydney, 33.87° S, 151.22° E\n"
           "Waning Gibbous, 83 % lit, 19.4 days old\n"
           "Moon in Pisces until Monday 2 August at 02:47, then in Aries\n"
           "Next: Void of course from Monday 02:03 until the moon enters Aries at Monday 02:47\n"
           "Next quarter: Last quarter moon in Taurus, Thursday 5 August at 03:27\n"
           "Sunrise 06:48, sunset 17:15\n"
           "Moonset 09:05, moonrise 20:59\n"
           "Night hour 4, 20:38 to 21:46, Venus, Blue candle, now\n"
           "Imbolc (its point: Sunday 8 August at 09:14, the sun at 15° Leo)\n"
           "Mercury is retrograde\n";
    // The same instant given in UTC, for a city nine hours ahead.
    QTest::newRow("an instant with its offset, Tokyo")
        << QStringList{"now", "--place", "Tokyo", "--at", "2026-12-24T03:00Z"}
        << "Thursday 24 December 2026, 12:00: Tokyo, 35.65° N, 139.74° E\n"
           "Full Moon, 100 % lit, 15.1 days old\n"
           "Moon in Cancer until Saturday 26 December at 06:12, then in Leo\n"
           "Next: Void of course from Friday 09:09 until the moon enters Leo at Saturday 06:12\n"
           "Next quarter: Last quarter moon in Libra, Thursday 31 December at 03:59\n"
           "Sunrise 06:48, sunset 16:33\n"
           "Moonset 06:58, moonrise 16:32\n"
           "Day hour 7, 11:40 to 12:29, Saturn, Green candle, now\n"
           "Cold Moon\n"
           "Supermoon at 10:28, 356,740 km away\n";
}

void TestCli::theMoonNowInWords() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    const Ran ran = run(arguments, *settings, systemClock);
    QCOMPARE(ran.err, QByteArray());
    QCOMPARE(ran.status, 0);
    QCOMPARE(QString::fromUtf8(ran.out), text);
}

void TestCli::theMoonNowAsJson() {
    // Imbolc's date at Berlin, two days before its point, with the Snow Moon that night.
    const Ran ran =
        run({"now", "--place", "Berlin", "--at", "2026-02-01T09:00", "--format", "json"}, *settings, systemClock);
    QCOMPARE(ran.status, 0);
    const QJsonObject d = json(ran.out);
    QCOMPARE(d.value("at").toString(), "2026-02-01T09:00:00+01:00");
    QCOMPARE(d.value("date").toString(), "2026-02-01");
    QCOMPARE(d.value("zone").toString(), "Europe/Berlin");
    const QJsonObject moon = d.value("moon").toObject();
    QCOMPARE(moon.value("phase").toString(), "full-moon");
    QCOMPARE(moon.value("sign").toString(), "leo");
    const QJsonObject voidOfCourse = moon.value("voidOfCourse").toObject();
    QCOMPARE(voidOfCourse.value("now").toBool(true), false);
    QCOMPARE(voidOfCourse.value("start").toString(), "2026-02-02T14:55:20+01:00");
    QCOMPARE(voidOfCourse.value("end").toString(), "2026-02-03T04:21:14+01:00");
    QCOMPARE(voidOfCourse.value("signEntered").toString(), "virgo");
    QCOMPARE(d.value("today").toArray(),
             QJsonArray({"Imbolc (its point: Tuesday 3 February at 21:02, the sun at 15° Aquarius)", "Snow Moon"}));
    QCOMPARE(d.value("changes").toString(), "2026-02-01T09:18:57+01:00");
    QCOMPARE(d.value("line").toString(), "Full Moon in Leo; hour of Venus");
    QCOMPARE(d.value("planetaryHour").toObject().value("candle").toString(), "blue");
    // Without a place, the midnight sun has no hours: the reason instead, and no hour.
    const QJsonObject polar = json(run({"now", "--lat", "78.22", "--lon", "15.65", "--zone", "Arctic/Longyearbyen",
                                        "--at", "2026-06-21T12:00", "--format", "json"},
                                       *settings, systemClock)
                                       .out);
    QVERIFY(polar.value("planetaryHour").isNull());
    QVERIFY(polar.value("noHours").toString().startsWith("No planetary hours this day"));
    QCOMPARE(polar.value("horizon").toObject().value("sun").toObject().value("staysUp").toBool(false), true);
    QCOMPARE(polar.value("place").toObject().value("name").toString(), "78.22° N, 15.65° E");
}

void TestCli::theStoredPlaceUnlessOneIsGiven() {
    const QStringList at{"now", "--zone", "Australia/Sydney", "--at", "2026-12-24T12:00", "--format", "json"};
    // Nothing stored: the zone's city, not chosen.
    QJsonObject place = json(run(at, *settings, systemClock).out).value("place").toObject();
    QCOMPARE(place.value("city").toString(), "Sydney");
    QCOMPARE(place.value("chosen").toBool(true), false);
    // The place the windows keep, then another kept in between: each run reads the one kept now.
    for (const char* city : {"Perth", "Hobart"}) {
        settings->setValue(QString::fromLatin1(kLocationKey),
                           storedValue(*zoneCity(QStringLiteral("Australia/") + QLatin1String(city))));
        settings->setValue(QString::fromLatin1(kHemisphereKey), QStringLiteral("Southern"));
        settings->sync();
        const QJsonObject d = json(run(at, *settings, systemClock).out);
        QCOMPARE(d.value("place").toObject().value("city").toString(), QLatin1String(city));
        QCOMPARE(d.value("place").toObject().value("chosen").toBool(false), true);
        QCOMPARE(d.value("hemisphere").toString(), "southern");
    }
    // Given on the command line, over what is kept.
    const QJsonObject given =
        json(run(at + QStringList{"--place", "Darwin", "--hemisphere", "northern"}, *settings, systemClock).out);
    QCOMPARE(given.value("place").toObject().value("city").toString(), "Darwin");
    QCOMPARE(given.value("hemisphere").toString(), "northern");
    QCOMPARE(given.value("zone").toString(), "Australia/Sydney"); // --zone over the city's own
}

void TestCli::aStatusBarsLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("percentage");
    QTest::newRow("full moon") << QStringList{"--place", "Lisbon", "--at", "2026-12-24T02:28"} << "🌕 Cancer"
                               << "full-moon" << 100;
    QTest::newRow("waning gibbous, north") << QStringList{"--place", "Sydney", "--at", "1999-08-01T21:00"} << "🌖 Pisces"
                                           << "waning-gibbous" << 83;
    // The lit side on the left: the waxing picture.
    QTest::newRow("waning gibbous, south")
        << QStringList{"--place", "Sydney", "--hemisphere", "southern", "--at", "1999-08-01T21:00"} << "🌔 Pisces"
        << "waning-gibbous" << 83;
}

void TestCli::aStatusBarsLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(QString, className);
    QFETCH(int, percentage);
    const Ran ran = run(QStringList{"now", "--format", "waybar"} + arguments, *settings, systemClock);
    QCOMPARE(ran.status, 0);
    // One line, as the bar reads it.
    QCOMPARE(ran.out.count('\n'), 1);
    QVERIFY(ran.out.endsWith('\n'));
    const QJsonObject line = json(ran.out);
    QCOMPARE(line.keys(), QStringList({"class", "percentage", "text", "tooltip"}));
    QCOMPARE(line.value("text").toString(), text);
    QCOMPARE(line.value("class").toString(), className);
    QCOMPARE(line.value("percentage").toInt(), percentage);
    const QString plain = QString::fromUtf8(run(QStringList{"now"} + arguments, *settings, systemClock).out);
    QCOMPARE(line.value("tooltip").toString(), plain.trimmed());
}

void TestCli::theYearsEventsInWords() {
    // August 1999 at London, told against the published eclipse canon (the total eclipse's greatest
    // at 11:04:09 TD, 64 s ahead of UT) and the period's retrogrades; whole days by their dates.
    const Ran ran = run({"events", "--from", "1999-08-01", "--to", "1999-08-31", "--place", "London", "--kinds",
                         "quarters,sabbats,eclipses,stations,moons,supermoons"},
                        *settings, systemClock);
    QCOMPARE(ran.status, 0);
    QCOMPARE(QString::fromUtf8(ran.out),
             "13 Mar 1999 to 19 Aug 1999  Pluto retrograde\n"
             "    Pluto retrograde from 21:35 in Sagittarius until Thursday 19 August at 02:47 in Sagittarius\n"
             "7 May 1999 to 14 Oct 1999  Neptune retrograde\n"
             "    Neptune retrograde from 01:56 in Aquarius until Thursday 14 October at 02:40 in Aquarius\n"
             "21 May 1999 to 23 Oct 1999  Uranus retrograde\n"
             "    Uranus retrograde from 23:26 in Aquarius until Saturday 23 October at 07:13 in Aquarius\n"
             "13 Jul 1999 to 6 Aug 1999  Mercury retrograde\n"
             "    Mercury retrograde from 00:32 in Leo until Friday 6 August at 04:26 in Cancer\n"
             "30 Jul 1999 to 11 Sept 1999  Venus retrograde\n"
             "    Venus retrograde from 02:42 in Virgo until Saturday 11 September at 01:24 in Leo\n"
             "1 Aug 1999  Lughnasadh\n"
             "    Lughnasadh (its point: Sunday 8 August at 00:14, the sun at 15° Leo)\n"
             "4 Aug 1999 18:27  Last quarter moon in Taurus\n"
             "11 Aug 1999 12:03  Total solar eclipse\n"
             "    Total solar eclipse at 12:03, magnitude 1.029: seen from London, partial there, magnitude 0.968\n"
             "    Eclipse begins Wednesday 11 August at 10:04, the sun 39° up\n"
             "    Greatest eclipse Wednesday 11 August at 11:20, the sun 48° up\n"
             "    Eclipse ends Wednesday 11 August at 12:40, the sun 54° up\n"
             "11 Aug 1999 12:08  New moon in Leo\n"
             "19 Aug 1999 02:47  First quarter moon in Scorpio\n"
             "25 Aug 1999 to 20 Dec 1999  Jupiter retrograde\n"
             "    Jupiter retrograde from 03:38 in Taurus until Monday 20 December at 14:49 in Aries\n"
             "27 Aug 1999 00:48  Full moon in Pisces\n"
             "27 Aug 1999 00:48  Sturgeon Moon\n"
             "    Sturgeon Moon at 00:48, in Pisces\n"
             "30 Aug 1999 to 12 Jan 2000  Saturn retrograde\n"
             "    Saturn retrograde from 02:22 in Taurus until Wednesday 12 January at 05:00 in Taurus\n");
}

void TestCli::eventsAsJsonAndCsv() {
    const QStringList args{"events",  "--from", "1999-03-21", "--to",        "1999-03-21",
                           "--place", "London", "--kinds",    "sabbats,void"};
    // The equinox at 01:46 UT as the naval observatory published it; a void period with its end.
    const QJsonObject d = json(run(args + QStringList{"--format", "json"}, *settings, systemClock).out);
    QCOMPARE(d.value("from").toString(), "1999-03-21");
    QCOMPARE(d.value("kinds").toArray(), QJsonArray({"void", "sabbats"}));
    const QJsonArray events = d.value("events").toArray();
    QCOMPARE(events.size(), 2);
    QCOMPARE(events[1].toObject().value("kind").toString(), "void");
    QCOMPARE(events[1].toObject().value("end").toString(), "1999-03-22T02:05:16+00:00");
    const QJsonObject equinox = events[0].toObject();
    QCOMPARE(equinox.value("kind").toString(), "sabbat");
    QCOMPARE(equinox.value("start").toString(), "1999-03-21T01:45:50+00:00"); // 01:46 to the minute
    QCOMPARE(equinox.value("allDay").toBool(true), false);
    QCOMPARE(equinox.value("summary").toString(), "Ostara, the spring equinox");

    // A field with a comma, a quote or a line break is quoted, its quotes doubled.
    const QList<QByteArray> csv = run({"events", "--from", "1999-08-01", "--to", "1999-08-01", "--place", "London",
                                       "--kinds", "sabbats", "--format", "csv"},
                                      *settings, systemClock)
                                      .out.split('\n');
    QCOMPARE(csv.value(0), "kind,start,end,first_date,last_date,summary,description,uid");
    QCOMPARE(csv.value(1), "sabbat,1999-08-01T00:00:00+01:00,1999-08-02T00:00:00+01:00,1999-08-01,1999-08-01,"
                           "Lughnasadh,\"Lughnasadh (its point: Sunday 8 August at 00:14, the sun at 15° Leo)\","
                           "sabbat-lughnasadh-19990801@lunara.example");
}

void TestCli::theRangeEnds_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("first"); // the first line
    QTest::addColumn<QString>("last");
    // The first day of the sky's years at the zone furthest ahead, its last at one far behind: a
    // void begun the day before is listed, nothing of the day after.
    QTest::newRow("1 January 1901, Kiritimati")
        << QStringList{"--from", "1901-01-01", "--to", "1901-01-01", "--place", "Kiritimati"}
        << "31 Dec 1900 02:04 to 1 Jan 1901 09:14  Moon void of course"
        << "1 Jan 1901 17:54  Sunset";
    QTest::newRow("31 December 2050, Honolulu")
        << QStringList{"--from", "2050-12-31", "--to", "2050-12-31", "--place", "Honolulu"}
        << "31 Dec 2050 07:09  Sunrise"
        << "31 Dec 2050 21:33  Moonrise";
}

void TestCli::theRangeEnds() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const Ran ran =
        run(QStringList{"events", "--kinds", "quarters,ingresses,void,risings"} + arguments, *settings, systemClock);
    QCOMPARE(ran.status, 0);
    const QStringList lines = QString::fromUtf8(ran.out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), first);
    QCOMPARE(lines.value(lines.size() - 1), last);
}

void TestCli::aWrongCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QStringList year{"events", "--from", "2027-01-01", "--to", "2027-12-31"};
    QTest::newRow("before 1901") << QStringList{"events", "--from", "1900-12-31", "--to", "1901-01-31"}
                                 << "lunara: --from 1900-12-31 is outside the years 1901 to 2050";
    QTest::newRow("after 2050") << QStringList{"events", "--from", "2050-12-01", "--to", "2051-01-01"}
                                << "lunara: --to 2051-01-01 is outside the years 1901 to 2050";
    QTest::newRow("not a date") << QStringList{"events", "--from", "2027-02-30"}
                                << "lunara: --from '2027-02-30' is not a date; write it as YYYY-MM-DD, as 2027-01-01";
    QTest::newRow("from after to") << QStringList{"events", "--from", "2027-03-01", "--to", "2027-02-28"}
                                   << "lunara: --from 2027-03-01 is after --to 2027-02-28";
    QTest::newRow("risings over 10 years")
        << QStringList{"events", "--from", "2027-01-01", "--to", "2037-01-01", "--kinds", "quarters,risings"}
        << "lunara: risings are given for at most 10 years at a time; --from 2027-01-01 --to 2037-01-01 is longer";
    QTest::newRow("unknown kind") << year + QStringList{"--kinds", "quarters,tides"}
                                  << "lunara: unknown kind 'tides' in --kinds; the kinds are "
                                     "quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,risings";
    QTest::newRow("unknown format") << year + QStringList{"--format", "pdf"}
                                    << "lunara: unknown format 'pdf' for events; the formats are text, ics, json, csv";
    QTest::newRow("latitude 91") << year + QStringList{"--lat", "91", "--lon", "0"}
                                 << "lunara: --lat '91': A latitude lies between 90° S and 90° N.";
    QTest::newRow("a latitude alone") << year + QStringList{"--lat", "38.72"}
                                      << "lunara: --lat needs --lon too, as --lat 38.72 --lon -9.13";
    QTest::newRow("unknown place") << year + QStringList{"--place", "Atlantis"}
                                   << "lunara: no city of the time-zone table is called 'Atlantis'; give one (as "
                                      "--place Lisbon) or --lat and --lon";
    QTest::newRow("unknown zone")
        << year + QStringList{"--zone", "Mars/Olympus"}
        << "lunara: unknown time zone 'Mars/Olympus'; give a zone of the time-zone database, as Europe/Lisbon";
    QTest::newRow("an option of the other command")
        << year + QStringList{"--watch"} << "lunara: unknown option '--watch' for events; see 'lunara events --help'";
    QTest::newRow("a value missing") << year + QStringList{"--kinds"}
                                     << "lunara: --kinds needs a value; see 'lunara events --help'";
    QTest::newRow("now: unknown format") << QStringList{"now", "--format", "ics"}
                                         << "lunara: unknown format 'ics' for now; the formats are text, json, waybar";
    QTest::newRow("now: outside the years") << QStringList{"now", "--at", "2051-01-01T00:00"}
                                            << "lunara: --at 2051-01-01T00:00 is outside the years 1901 to 2050";
    QTest::newRow("now: not an instant")
        << QStringList{"now", "--at", "tomorrow"}
        << "lunara: --at 'tomorrow' is not a date and time; write it as 2026-12-24T02:28, or with its offset, as "
           "2026-12-24T02:28+01:00";
    QTest::newRow("unknown command") << QStringList{"tomorrow"}
                                     << "lunara: unknown command 'tomorrow'; the commands are now, today and events";
}

void TestCli::aWrongCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    // A file there before: kept as it was, even with --force.
    const QString there = dir->filePath(QStringLiteral("there.ics"));
    QFile file(there);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    const QString absent = dir->filePath(QStringLiteral("absent.ics"));
    for (const QString& output : {there, absent}) {
        const QStringList withOutput = arguments.first() == QLatin1String("events")
                                           ? arguments + QStringList{"--output", output, "--force"}
                                           : arguments;
        const Ran ran = run(withOutput, *settings, systemClock);
        QCOMPARE(QString::fromUtf8(ran.err), message + u'\n');
        QCOMPARE(ran.status, 2);
        QCOMPARE(ran.out, QByteArray());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
    QCOMPARE(QDir(dir->path()).entryList({"*.ics"}, QDir::AllEntries), QStringList({"there.ics"}));
}

void TestCli::aFileThereIsReplacedOnlyWithForce() {
    const QString path = dir->filePath(QStringLiteral("moon.ics"));
    const QStringList args{"events", "--from",   "2027-01-01", "--to",     "2027-01-31", "--place",
                           "Lisbon", "--format", "ics",        "--output", path};
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("mine");
    file.close();
    const Ran kept = run(args, *settings, systemClock);
    QCOMPARE(kept.status, 1);
    QCOMPARE(QString::fromUtf8(kept.err),
             QStringLiteral("lunara: ") + path + QStringLiteral(" exists; add --force to replace it\n"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("mine"));
    file.close();

    // A link at the name, with --force: the link is replaced, what it pointed to is left.
    QVERIFY(QFile::remove(path));
    const QString target = dir->filePath(QStringLiteral("target.ics"));
    QVERIFY(QFile(target).open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(target, path));
    QCOMPARE(run(args, *settings, systemClock).status, 1);
    const Ran replaced = run(args + QStringList{"--force"}, *settings, systemClock);
    QCOMPARE(replaced.err, QByteArray());
    QCOMPARE(replaced.status, 0);
    QCOMPARE(replaced.out, QByteArray());
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo(target).size(), 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("BEGIN:VCALENDAR\r\n"));
    QCOMPARE(text.count("BEGIN:VEVENT"), 4 + 14); // January's quarters and sign ingresses
}

void TestCli::aFileThatCannotBeWritten() {
    // A folder that is not there, for each way of writing: status 1, the reason, nothing left.
    for (const char* format : {"ics", "json", "csv", "text"}) {
        const QString path = dir->filePath(QStringLiteral("no/folder/moon.") + QLatin1String(format));
        const Ran ran =
            run({"events", "--from", "2027-01-01", "--to", "2027-01-31", "--format", format, "--output", path},
                *settings, systemClock);
        QCOMPARE(ran.status, 1);
        QVERIFY2(ran.err.startsWith("lunara: The ") && ran.err.contains("could not be saved as moon."),
                 ran.err.constData());
        QCOMPARE(ran.err.count('\n'), 1);
        QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
}

void TestCli::watchWakesAtEachChangeAndOnceAMinute_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<qint64>("jumpMs"); // the clock set by hand once, a quarter of an hour in
    QTest::addColumn<QStringList>("lines");
    // Lisbon, the evening the moon leaves Cancer at 21:12:12 UTC, its void of course ending with it;
    // the planetary hour of Venus gives way to Mercury's at 20:58:40.
    QTest::newRow("words") << "text" << qint64(0)
                           << QStringList{"Waning Gibbous in Cancer, void of course until 21:12; hour of Venus",
                                          "Waning Gibbous in Cancer, void of course until 21:12; hour of Mercury",
                                          "Waning Gibbous in Leo; hour of Mercury"};
    QTest::newRow("json") << "json" << qint64(0)
                          << QStringList{"2026-12-25T20:00:00+00:00 cancer", "2026-12-25T20:58:41+00:00 cancer",
                                         "2026-12-25T21:12:13+00:00 leo"};
    // Set a day back: the day before is shown at once, and followed from there.
    QTest::newRow("a clock set back") << "json" << qint64(-86400000)
                                      << QStringList{"2026-12-25T20:00:00+00:00 cancer",
                                                     "2026-12-24T20:15:00+00:00 cancer"};
}

void TestCli::watchWakesAtEachChangeAndOnceAMinute() {
    QFETCH(QString, format);
    QFETCH(qint64, jumpMs);
    QFETCH(QStringList, lines);
    const std::int64_t start = msOf(QStringLiteral("2026-12-25T20:00:00Z"));
    constexpr std::int64_t kHourAndHalf = 90LL * 60000;
    TestClock clock(start, start + kHourAndHalf);
    if (jumpMs != 0) {
        clock.jumpAfterMs = start + 15LL * 60000;
        clock.jumpByMs = jumpMs;
    }
    const Ran ran = run({"now", "--watch", "--place", "Lisbon", "--format", format}, *settings, clock);
    QCOMPARE(ran.err, QByteArray());
    QCOMPARE(ran.status, 0);
    QStringList shown;
    for (const QByteArray& line : ran.out.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        if (format == QLatin1String("text")) {
            shown << QString::fromUtf8(line);
        } else {
            const QJsonObject d = json(line);
            QVERIFY2(!d.isEmpty(), line.constData()); // one document a line
            shown << d.value("at").toString() + u' ' + d.value("moon").toObject().value("sign").toString();
        }
    }
    if (jumpMs != 0) {
        // The first two only: what follows the jump is the day before's own evening.
        shown = shown.mid(0, 2);
    }
    QCOMPARE(shown, lines);
    if (jumpMs == 0) {
        // Asleep but for each change (a second after it) and once a minute: 90 minutes, two changes.
        QVERIFY2(clock.wakeUps.size() <= 90 + 2 + 1, qPrintable(QString::number(clock.wakeUps.size())));
        for (std::size_t i = 1; i < clock.wakeUps.size(); ++i) {
            QVERIFY(clock.wakeUps[i] > clock.wakeUps[i - 1]);
        }
    }
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
