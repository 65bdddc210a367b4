#include "reminders/reminder_rules.h"

#include <QTest>

using namespace lunara;
using namespace lunara::reminders;

class TestReminderRules : public QObject {
    Q_OBJECT
private slots:
    void whatFallsDue_data();
    void whatFallsDue();
    void eventsBecomeOccurrences();
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

QTEST_APPLESS_MAIN(TestReminderRules)
#include "tst_reminder_rules.moc"
