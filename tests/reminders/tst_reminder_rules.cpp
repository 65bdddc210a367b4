#include "reminders/reminder_rules.h"

#include <QTest>
#include <algorithm>
#include <cstdlib>

using namespace lunara;
using namespace lunara::reminders;

class TestReminderRules : public QObject {
    Q_OBJECT
private slots:
    void whatFallsDue_data();
    void whatFallsDue();
    void eventsBecomeOccurrences();
    void anEclipseCountsFromWhereItIsSeen_data();
    void anEclipseCountsFromWhereItIsSeen();
};

namespace {

// Literal instants (UTC), so that no expectation is worked out by the rule it checks.
constexpr qint64 kFull = 1798075680;           // full moon, Thursday 24 December 2026 01:28:00
constexpr qint64 kHourBeforeFull = 1798072080; // 00:28:00
constexpr qint64 kThreeDaysBeforeFull = 1797816480;
constexpr qint64 kBeltane = 1777586400;          // 1 May 2026 begins in Berlin (30 April 22:00 UTC)
constexpr qint64 kAfterBeltane = 1777672800;     // 2 May begins
constexpr qint64 kDayBeforeBeltane = 1777500000; // 30 April begins
constexpr qint64 kBeltaneMorning = 1777615200;   // 08:00 in Berlin on the day
constexpr qint64 kBeltaneLastMinute = 1777672740;
constexpr qint64 kMinute = 60;

} // namespace

void TestReminderRules::whatFallsDue_data() {
    QTest::addColumn<QString>("event"); // "full", "full+29s" (shown at the same minute) or "beltane"
    QTest::addColumn<int>("lead");      // minutes, -1: off
    QTest::addColumn<qint64>("after");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<qint64>("dueAt"); // -1: nothing
    QTest::addColumn<bool>("late");
    const QString full = QStringLiteral("full");
    const QString beltane = QStringLiteral("beltane");
    QTest::newRow("the minute it falls due")
        << full << 60 << kHourBeforeFull - kMinute << kHourBeforeFull << kHourBeforeFull << false;
    QTest::newRow("a minute early") << full << 60 << kHourBeforeFull - 2 * kMinute << kHourBeforeFull - kMinute
                                    << qint64(-1) << false;
    QTest::newRow("already shown") << full << 60 << kHourBeforeFull << kHourBeforeFull + kMinute << qint64(-1) << false;
    QTest::newRow("off") << full << -1 << kHourBeforeFull - kMinute << kHourBeforeFull << qint64(-1) << false;
    QTest::newRow("after a sleep, event ahead: late")
        << full << 60 << kHourBeforeFull - 3600 << kFull - 600 << kHourBeforeFull << true;
    QTest::newRow("after a sleep, event passed")
        << full << 60 << kHourBeforeFull - 3600 << kFull + 1 << qint64(-1) << false;
    QTest::newRow("two minutes behind is not late")
        << full << 60 << kHourBeforeFull - kMinute << kHourBeforeFull + 120 << kHourBeforeFull << false;
    QTest::newRow("at the moment, within its minute") << full << 0 << kFull - kMinute << kFull + 59 << kFull << false;
    QTest::newRow("at the moment, long past") << full << 0 << kFull - kMinute << kFull + 600 << qint64(-1) << false;
    QTest::newRow("three days ahead") << full << 4320 << kThreeDaysBeforeFull - kMinute << kThreeDaysBeforeFull
                                      << kThreeDaysBeforeFull << false;
    QTest::newRow("a clock set back shows nothing twice")
        << full << 60 << kHourBeforeFull << kHourBeforeFull - 3600 << qint64(-1) << false;
    // An event at 01:28:29 is shown at 01:28: its reminder comes at 00:28, not 00:29.
    QTest::newRow("from the rounded minute")
        << QStringLiteral("full+29s") << 60 << kHourBeforeFull - kMinute << kHourBeforeFull << kHourBeforeFull << false;
    // A cross-quarter day is due the lead before it starts and stays due, late, all through it.
    QTest::newRow("whole day, at the moment, at midnight")
        << beltane << 0 << kBeltane - kMinute << kBeltane << kBeltane << false;
    QTest::newRow("whole day, at the moment, started at 08:00")
        << beltane << 0 << kBeltane - 3600 << kBeltaneMorning << kBeltane << true;
    QTest::newRow("whole day, a day before, started at 08:00 on the day")
        << beltane << 1440 << kDayBeforeBeltane - 3600 << kBeltaneMorning << kDayBeforeBeltane << true;
    QTest::newRow("whole day, its last minute")
        << beltane << 180 << kBeltane - 86400 << kBeltaneLastMinute << kBeltane - 3 * 3600 << true;
    QTest::newRow("whole day, over") << beltane << 0 << kBeltane - 3600 << kAfterBeltane << qint64(-1) << false;
    QTest::newRow("whole day, shown at midnight, not again at 08:00")
        << beltane << 0 << kBeltane << kBeltaneMorning << qint64(-1) << false;
}

void TestReminderRules::whatFallsDue() {
    QFETCH(QString, event);
    QFETCH(int, lead);
    QFETCH(qint64, after);
    QFETCH(qint64, now);
    QFETCH(qint64, dueAt);
    QFETCH(bool, late);
    Choice choice;
    const Topic topic = event == QLatin1String("beltane") ? Topic::Sabbat : Topic::FullMoon;
    if (lead >= 0) {
        choice.of(topic) = lead;
    }
    choice.of(Topic::NewMoon) = 60; // another topic on does not bring this one
    std::vector<Occurrence> occurrences;
    if (topic == Topic::Sabbat) {
        almanac::Event beltaneDay;
        beltaneDay.kind = almanac::Kind::Sabbat;
        beltaneDay.start = kBeltane;
        beltaneDay.end = kAfterBeltane;
        beltaneDay.date = 20260501;
        beltaneDay.exact = kBeltane + 4 * 86400; // its point lies days later
        beltaneDay.id = "sabbat-beltane-20260501";
        beltaneDay.words = "Beltane";
        occurrences = OccurrencesOf({beltaneDay});
    } else {
        occurrences.emplace_back(Topic::FullMoon, kFull + (event.endsWith(QLatin1String("+29s")) ? 29 : 0),
                                 "quarter-2-20261224", "Full moon in Cancer");
    }
    const std::vector<Due> found = DueBetween(occurrences, choice, after, now);
    QCOMPARE(int(found.size()), dueAt < 0 ? 0 : 1);
    if (dueAt >= 0) {
        QCOMPARE(found.front().dueAt, std::int64_t{dueAt});
        QCOMPARE(found.front().late, late);
    }
}

void TestReminderRules::eventsBecomeOccurrences() {
    using almanac::Event;
    using almanac::Kind;
    // Set field by field: designated initialisers would have to name every field.
    const auto event = [](Kind kind, std::int64_t start, std::int64_t end, const char* id) {
        Event e;
        e.kind = kind;
        e.start = start;
        e.end = end;
        e.id = id;
        return e;
    };
    Event full = event(Kind::Quarter, 10, 10, "q");
    full.quarter = sky::Quarter::Full;
    Event first = event(Kind::Quarter, 20, 20, "f");
    first.quarter = sky::Quarter::FirstQuarter;
    Event retro = event(Kind::Retrograde, 30, 90, "retrograde-mercury");
    retro.planet = sky::Planet::Mercury;
    retro.sign = "Pisces";
    retro.endSign = "Aquarius";
    Event unseen = event(Kind::Eclipse, 40, 40, "eclipse-lunar");
    unseen.eclipse = almanac::EclipseFacts{};
    const Event rising = event(Kind::Rising, 50, 50, "rise");
    const std::vector<Occurrence> out = OccurrencesOf({full, first, retro, unseen, rising});
    QCOMPARE(int(out.size()), 4);
    QCOMPARE(out[0].topic, Topic::FullMoon);
    QCOMPARE(out[1].topic, Topic::Quarter);
    // Both stations, each with an id of its own.
    QCOMPARE(out[2].words, std::string("Mercury turns retrograde in Pisces"));
    QCOMPARE(out[3].words, std::string("Mercury turns direct in Aquarius"));
    QCOMPARE(out[3].at, std::int64_t{90});
    QVERIFY(out[2].id != out[3].id);
}

void TestReminderRules::anEclipseCountsFromWhereItIsSeen_data() {
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("id");
    QTest::addColumn<qint64>("seenFrom");  // the local first contact, or the first phase seen with the moon up
    QTest::addColumn<qint64>("seenUntil"); // the end there
    QTest::addColumn<qint64>("greatest");  // somewhere else on earth, outside what this place sees
    // Madrid on 2 August 2027: 09:45 to 12:03 local time, while the greatest eclipse is at 12:06.
    QTest::newRow("Madrid 2027") << 40.4 << -3.6833 << "eclipse-solar-20270802" << qint64(1817192718)
                                 << qint64(1817200954) << qint64(1817201191);
    QTest::newRow("London 2027") << 51.5083 << -0.1253 << "eclipse-solar-20270802" << qint64(1817193806)
                                 << qint64(1817200759) << qint64(1817201191);
    QTest::newRow("Reykjavik 2024") << 64.15 << -21.85 << "eclipse-solar-20240408" << qint64(1712602163)
                                    << qint64(1712608111) << qint64(1712600239);
    QTest::newRow("Reykjavik 2027") << 64.15 << -21.85 << "eclipse-solar-20270802" << qint64(1817195437)
                                    << qint64(1817198875) << qint64(1817201191);
    // The moon rises at Kolkata after totality: the reminder counts from the partial phase after it.
    QTest::newRow("Kolkata lunar 2026") << 22.5333 << 88.3667 << "eclipse-lunar-20260303" << qint64(1772539402)
                                        << qint64(1772543855) << qint64(1772537622);
    QTest::newRow("Kolkata 2027") << 22.5333 << 88.3667 << "eclipse-solar-20270802" << qint64(1817203456)
                                  << qint64(1817206928) << qint64(1817201191);
    QTest::newRow("Anchorage 2026") << 61.2181 << -149.9003 << "eclipse-solar-20260812" << qint64(1786548956)
                                    << qint64(1786554572) << qint64(1786556740);
    QTest::newRow("Anchorage 2029") << 61.2181 << -149.9003 << "eclipse-solar-20290612" << qint64(1875932453)
                                    << qint64(1875936967) << qint64(1875931500);
    QTest::newRow("Berlin 2029") << 52.5 << 13.3667 << "eclipse-solar-20290612" << qint64(1875925656)
                                 << qint64(1875929334) << qint64(1875931500);
    QTest::newRow("Tokyo lunar 2025") << 35.6544 << 139.7447 << "eclipse-lunar-20250314" << qint64(1741937503)
                                      << qint64(1741942081) << qint64(1741935516);
    QTest::newRow("Chicago 2026") << 41.85 << -87.65 << "eclipse-solar-20260812" << qint64(1786555059)
                                  << qint64(1786556299) << qint64(1786556740);
    QTest::newRow("Honolulu 2024") << 21.3069 << -157.8583 << "eclipse-solar-20240408" << qint64(1712594010)
                                   << qint64(1712598900) << qint64(1712600239);
    QTest::newRow("Johannesburg 2026") << -26.25 << 28.0 << "eclipse-solar-20260217" << qint64(1771331162)
                                       << qint64(1771336452) << qint64(1771330315);
    QTest::newRow("Moscow 2025") << 55.7558 << 37.6178 << "eclipse-solar-20250329" << qint64(1743247529)
                                 << qint64(1743250381) << qint64(1743245254);
}

void TestReminderRules::anEclipseCountsFromWhereItIsSeen() {
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, id);
    QFETCH(qint64, seenFrom);
    QFETCH(qint64, seenUntil);
    QFETCH(qint64, greatest);
    const almanac::Almanac almanac(almanac::Place{latitude, longitude});
    const std::vector<almanac::Event> events =
        almanac.events(greatest - 86400, greatest + 86400, {almanac::Kind::Eclipse});
    const std::vector<Occurrence> all = OccurrencesOf(events);
    const auto it = std::find_if(all.begin(), all.end(), [&](const Occurrence& o) { return o.id == id.toStdString(); });
    QVERIFY(it != all.end());
    // Within a second of the local circumstances found when the fault was mended.
    QVERIFY2(std::abs(it->at - seenFrom) <= 1, qPrintable(QString::number(it->at)));
    QVERIFY2(std::abs(it->until - seenUntil) <= 1, qPrintable(QString::number(it->until)));
    QVERIFY(greatest < it->at || greatest > it->until);
    Choice choice;
    choice.of(Topic::Eclipse) = 0;
    const std::vector<Occurrence> one{*it};
    // "At the moment" comes in the minute it begins to be seen, and stays due while it is seen.
    const qint64 minute = (it->at + 30) / 60 * 60;
    std::vector<Due> due = DueBetween(one, choice, minute - 60, minute);
    QCOMPARE(int(due.size()), 1);
    QVERIFY(!due.front().late);
    due = DueBetween(one, choice, minute - 60, it->until - 60);
    QCOMPARE(int(due.size()), 1);
    QVERIFY(due.front().late);
    // Three hours before, from the same minute.
    choice.of(Topic::Eclipse) = 180;
    due = DueBetween(one, choice, minute - 3 * 3600 - 60, minute - 3 * 3600);
    QCOMPARE(int(due.size()), 1);
    // Nothing once it has ended there.
    QVERIFY(DueBetween(one, choice, minute - 4 * 3600, it->until + 1).empty());
}

QTEST_APPLESS_MAIN(TestReminderRules)
#include "tst_reminder_rules.moc"
