// The month model alone, without a window: local days in zones whose clocks jump, the events on
// the days they are shown on, the roles a view reads, and the sky computed once per month.
#include "calendar/calendar_model.h"
#include "kit/local_time.h"

#include <QtTest>
#include <algorithm>

using namespace lunara;

class TestCalendarModel : public QObject {
    Q_OBJECT
private slots:
    void daysStartAtTheirFirstInstant_data();
    void daysStartAtTheirFirstInstant();
    void eventsLieOnTheDayTheyAreShownOn_data();
    void eventsLieOnTheDayTheyAreShownOn();
    void eventsAtMidnightStandOnOneDay_data();
    void eventsAtMidnightStandOnOneDay();
    void roles();
    void skyIsComputedOncePerMonth();
};

namespace {
constexpr qint64 kHour = 3600;

MoonMonthModel* modelFor(QObject* parent, const QByteArray& zone, const QDate& date) {
    auto* model = new MoonMonthModel(parent);
    model->setTimeZone(QTimeZone(zone));
    model->setSelectedDate(date);
    return model;
}
} // namespace

void TestCalendarModel::daysStartAtTheirFirstInstant_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("startUtc"); // seconds since the epoch, or -1 for a date that never was
    QTest::addColumn<qint64>("lengthSeconds");
    // Clocks back from 01:00 to 00:00: the day before ends at the first of the two midnights.
    QTest::newRow("Azores, the day before a repeated midnight")
        << QByteArray("Atlantic/Azores") << QDate(2026, 10, 24) << qint64(1792800000) << 24 * kHour;
    QTest::newRow("Azores, the day with two midnights")
        << QByteArray("Atlantic/Azores") << QDate(2026, 10, 25) << qint64(1792886400) << 25 * kHour;
    QTest::newRow("Havana, the day before a repeated midnight")
        << QByteArray("America/Havana") << QDate(2023, 11, 4) << qint64(1699070400) << 24 * kHour;
    QTest::newRow("Havana, the day with two midnights")
        << QByteArray("America/Havana") << QDate(2023, 11, 5) << qint64(1699156800) << 25 * kHour;
    // Half an hour back and forth.
    QTest::newRow("Lord Howe, half an hour longer")
        << QByteArray("Australia/Lord_Howe") << QDate(2026, 4, 5) << qint64(1775307600) << 24 * kHour + 1800;
    QTest::newRow("Lord Howe, half an hour shorter")
        << QByteArray("Australia/Lord_Howe") << QDate(2026, 10, 4) << qint64(1791034200) << 24 * kHour - 1800;
    // Samoa crossed the date line: 30 December 2011 was skipped (values as the system's date command gives them).
    QTest::newRow("Apia, the day before the skip")
        << QByteArray("Pacific/Apia") << QDate(2011, 12, 29) << qint64(1325152800) << 24 * kHour;
    QTest::newRow("Apia, the skipped date")
        << QByteArray("Pacific/Apia") << QDate(2011, 12, 30) << qint64(-1) << qint64(0);
    QTest::newRow("Apia, the day after the skip")
        << QByteArray("Pacific/Apia") << QDate(2011, 12, 31) << qint64(1325239200) << 24 * kHour;
    QTest::newRow("Berlin, spring forward")
        << QByteArray("Europe/Berlin") << QDate(2026, 3, 29) << qint64(1774738800) << 23 * kHour;
}

void TestCalendarModel::daysStartAtTheirFirstInstant() {
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(qint64, startUtc);
    QFETCH(qint64, lengthSeconds);
    std::unique_ptr<MoonMonthModel> model(modelFor(nullptr, zone, date));
    const CalendarDay* day = model->day(date);
    QVERIFY(day);
    QCOMPARE(day->exists, startUtc >= 0);
    if (!day->exists) {
        QVERIFY(model->indexOf(date).data(MoonMonthModel::PictureRole).value<QPixmap>().isNull());
        QVERIFY(model->indexOf(date).data(MoonMonthModel::SignRole).toString().isEmpty());
        return;
    }
    QCOMPARE(qint64(day->start), startUtc);
    QCOMPARE(qint64(day->end - day->start), lengthSeconds);
    QVERIFY(day->noon >= day->start && day->noon < day->end);
    QCOMPARE(localDate(QDateTime::fromSecsSinceEpoch(day->start, QTimeZone::utc()), QTimeZone(zone)), date);
    QVERIFY(localDate(QDateTime::fromSecsSinceEpoch(day->start - 1, QTimeZone::utc()), QTimeZone(zone)) < date);
}

void TestCalendarModel::eventsLieOnTheDayTheyAreShownOn_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("month");
    QTest::newRow("Azores, October 2026") << QByteArray("Atlantic/Azores") << QDate(2026, 10, 1);
    QTest::newRow("Havana, November 2023") << QByteArray("America/Havana") << QDate(2023, 11, 1);
    QTest::newRow("Lord Howe, April 2026") << QByteArray("Australia/Lord_Howe") << QDate(2026, 4, 1);
    QTest::newRow("Apia, December 2011") << QByteArray("Pacific/Apia") << QDate(2011, 12, 1);
    QTest::newRow("Berlin, March 2026") << QByteArray("Europe/Berlin") << QDate(2026, 3, 1);
    QTest::newRow("Kathmandu, 1901") << QByteArray("Asia/Kathmandu") << QDate(1901, 1, 1);
}

void TestCalendarModel::eventsLieOnTheDayTheyAreShownOn() {
    // Every quarter and ingress of the month once, on the day its rounded local time falls on.
    QFETCH(QByteArray, zone);
    QFETCH(QDate, month);
    const QTimeZone tz(zone);
    std::unique_ptr<MoonMonthModel> model(modelFor(nullptr, zone, month));
    std::size_t ingresses = 0;
    std::size_t quarters = 0;
    std::int64_t first = 0;
    std::int64_t last = 0;
    for (int d = 1; d <= month.daysInMonth(); ++d) {
        const CalendarDay* day = model->day(QDate(month.year(), month.month(), d));
        QVERIFY(day);
        if (!day->exists) {
            continue;
        }
        first = first ? first : day->start;
        last = day->end;
        for (const sky::SignIngress& in : day->sky.ingresses) {
            QCOMPARE(roundedLocal(in.unixSeconds, tz).date(), day->date);
            ++ingresses;
        }
        if (day->sky.quarter) {
            QCOMPARE(roundedLocal(day->sky.quarter->unixSeconds, tz).date(), day->date);
            ++quarters;
        }
    }
    QCOMPARE(ingresses, sky::SignIngressesBetween(first - 30, last - 30).size());
    QCOMPARE(quarters, sky::PhaseEventsBetween(first - 30, last - 30).size());
}

// A zone whose clocks put an event at (or within half a minute of) local midnight: it stands on
// the day its rounded time shows, and on no other.
void TestCalendarModel::eventsAtMidnightStandOnOneDay_data() {
    QTest::addColumn<qint64>("event");    // the event's instant
    QTest::addColumn<int>("localSecond"); // where the zone's clock puts it, seconds after 00:00
    QTest::addColumn<QDate>("shownOn");
    QTest::addColumn<bool>("quarter");  // else a moonrise at Berlin's place
    const qint64 newMoon = 1796777506;  // 9 December 2026 00:51:46 UTC
    const qint64 moonrise = 1796167564; // 1 December 2026 23:26:04 UTC
    QTest::newRow("new moon at midnight") << newMoon << 0 << QDate(2026, 12, 9) << true;
    QTest::newRow("new moon half a minute before") << newMoon << -30 << QDate(2026, 12, 9) << true;
    QTest::newRow("new moon 31 s before") << newMoon << -31 << QDate(2026, 12, 8) << true;
    QTest::newRow("moonrise at midnight") << moonrise << 0 << QDate(2026, 12, 2) << false;
    QTest::newRow("moonrise 20 s before") << moonrise << -20 << QDate(2026, 12, 2) << false;
    QTest::newRow("moonrise 29 s after") << moonrise << 29 << QDate(2026, 12, 2) << false;
}

void TestCalendarModel::eventsAtMidnightStandOnOneDay() {
    QFETCH(qint64, event);
    QFETCH(int, localSecond);
    QFETCH(QDate, shownOn);
    QFETCH(bool, quarter);
    // The offset that shows the event at localSecond past a midnight.
    qint64 offset = ((localSecond - event) % 86400 + 86400) % 86400;
    offset = offset > 12LL * 3600 ? offset - 86400 : offset;
    MoonMonthModel model;
    model.setTimeZone(QTimeZone(int(offset)));
    model.setPlace(52.5, 13.3667);
    model.setSelectedDate(QDate(2026, 12, 1));
    int days = 0;
    for (int d = 1; d <= 31; ++d) {
        const CalendarDay* day = model.day(QDate(2026, 12, d));
        QVERIFY(day && day->exists);
        bool here = false;
        if (quarter) {
            here = day->sky.quarter && day->sky.quarter->unixSeconds == event;
        } else {
            here = std::any_of(day->moon.crossings.begin(), day->moon.crossings.end(),
                               [event](const sky::HorizonCrossing& c) { return c.unixSeconds == event; });
        }
        if (here) {
            QCOMPARE(day->date, shownOn);
            ++days;
        }
    }
    QCOMPARE(days, 1);
}

void TestCalendarModel::roles() {
    MoonMonthModel model;
    model.setTimeZone(QTimeZone(QByteArrayLiteral("UTC")));
    model.setFirstDayOfWeek(Qt::Monday);
    model.setToday(QDate(2026, 12, 7));
    model.setSelectedDate(QDate(2026, 12, 24));
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.columnCount(), 7);
    // 1 December 2026 is a Tuesday: the Monday before is no day of the month.
    QCOMPARE(model.index(0, 0).data(MoonMonthModel::DateRole).toDate(), QDate());
    QCOMPARE(model.flags(model.index(0, 0)), Qt::NoItemFlags);
    QCOMPARE(model.index(0, 1).data(MoonMonthModel::DateRole).toDate(), QDate(2026, 12, 1));
    const QModelIndex full = model.indexOf(QDate(2026, 12, 24));
    QCOMPARE(full.data().toString(), QStringLiteral("24"));
    QCOMPARE(full.data(MoonMonthModel::SignRole).toString(), QStringLiteral("Cancer"));
    QCOMPARE(full.data(MoonMonthModel::QuarterMarkRole).toString(), QStringLiteral("\u25CB 01:28"));
    QVERIFY(full.data(MoonMonthModel::QuarterRole).toBool());
    QVERIFY(full.data(MoonMonthModel::SelectedRole).toBool());
    QVERIFY(!full.data(MoonMonthModel::TodayRole).toBool());
    QCOMPARE(full.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("chosen"));
    QCOMPARE(model.indexOf(QDate(2026, 12, 7)).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("today"));
    QCOMPARE(full.data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Thursday 24 December 2026, full moon at 01:28, 100 % lit, moon in Cancer; Cold Moon; "
                            "Supermoon at 01:28, 356,740 km away"));
    QCOMPARE(full.data(MoonMonthModel::MarksRole).toString(), QString(QChar(MoonMonthModel::kSupermoonMark)));
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Mon"));
    QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::AccessibleTextRole).toString(), QStringLiteral("Sunday"));
    QCOMPARE(model.headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("Week of 7 December"));
    // Moving the choice tells the view about both days.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setSelectedDate(QDate(2026, 12, 25));
    QCOMPARE(changed.count(), 2);
    QVERIFY(!full.data(MoonMonthModel::SelectedRole).toBool());
    // A week that starts on Sunday moves the days one column on.
    model.setFirstDayOfWeek(Qt::Sunday);
    QCOMPARE(model.index(0, 2).data(MoonMonthModel::DateRole).toDate(), QDate(2026, 12, 1));
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Sun"));
}

void TestCalendarModel::skyIsComputedOncePerMonth() {
    MoonMonthModel model;
    model.setSelectedDate(QDate(2026, 12, 7));
    const int once = model.skyComputations();
    QCOMPARE(once, 1);
    for (int d = 1; d <= 31; ++d) {
        model.setSelectedDate(QDate(2026, 12, d));
    }
    model.setToday(QDate(2026, 12, 8));
    // The other hemisphere mirrors the pictures, once each, from the same sky.
    const QPixmap north = model.indexOf(QDate(2026, 12, 14)).data(MoonMonthModel::PictureRole).value<QPixmap>();
    model.setSouthern(true);
    const QPixmap south = model.indexOf(QDate(2026, 12, 14)).data(MoonMonthModel::PictureRole).value<QPixmap>();
    QCOMPARE(south.toImage(), north.toImage().mirrored(true, false));
    QCOMPARE(model.indexOf(QDate(2026, 12, 14)).data(MoonMonthModel::PictureRole).value<QPixmap>().cacheKey(),
             south.cacheKey());
    QCOMPARE(model.skyComputations(), once);
    model.setSelectedDate(QDate(2027, 1, 1));
    QCOMPARE(model.skyComputations(), once + 1);
}

QTEST_MAIN(TestCalendarModel)
#include "tst_calendar_model.moc"
