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

constexpr qint64 kFull = 1798075680; // a full moon, 24 December 2026 01:28 UTC
constexpr qint64 kMinute = 60;

} // namespace

void TestReminderRules::whatFallsDue_data() {
    QTest::addColumn<int>("lead"); // minutes, -1: off
    QTest::addColumn<qint64>("after");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("due"); // -1: nothing, 0: on time, 1: late
    const qint64 hourBefore = kFull - 60 * kMinute;
    QTest::newRow("the minute it falls due") << 60 << hourBefore - kMinute << hourBefore << 0;
    QTest::newRow("a minute early") << 60 << hourBefore - 2 * kMinute << hourBefore - kMinute << -1;
    QTest::newRow("already shown") << 60 << hourBefore << hourBefore + kMinute << -1;
    QTest::newRow("off") << -1 << hourBefore - kMinute << hourBefore << -1;
    QTest::newRow("after a sleep, event ahead: late") << 60 << hourBefore - 3600 << kFull - 600 << 1;
    QTest::newRow("after a sleep, event passed") << 60 << hourBefore - 3600 << kFull + 1 << -1;
    QTest::newRow("two minutes behind is not late") << 60 << hourBefore - kMinute << hourBefore + 120 << 0;
    QTest::newRow("at the moment, within its minute") << 0 << kFull - kMinute << kFull + 59 << 0;
    QTest::newRow("at the moment, long past") << 0 << kFull - kMinute << kFull + 600 << -1;
    QTest::newRow("three days ahead") << 4320 << kFull - 3LL * 86400 - kMinute << kFull - 3LL * 86400 << 0;
    QTest::newRow("a clock set back shows nothing twice") << 60 << hourBefore << hourBefore - 3600 << -1;
    // Its reminder comes at 01:28, not 01:29.
    QTest::newRow("from the rounded minute") << 60 << hourBefore - kMinute << hourBefore << 0;
}

void TestReminderRules::whatFallsDue() {
    QFETCH(int, lead);
    QFETCH(qint64, after);
    QFETCH(qint64, now);
    QFETCH(int, due);
    Choice choice;
    if (lead >= 0) {
        choice.of(Topic::FullMoon) = lead;
    }
    choice.of(Topic::NewMoon) = 60; // another topic on does not bring the full moon
    // An event at 02:28:29 is shown at 02:28: the rows that say so move it there.
    const qint64 at = kFull + (QByteArray(QTest::currentDataTag()).startsWith("from the rounded") ? 29 : 0);
    const std::vector<Occurrence> occurrences{{Topic::FullMoon, at, "quarter-2-20261224", "Full moon in Cancer"}};
    const std::vector<Due> found = DueBetween(occurrences, choice, after, now);
    QCOMPARE(int(found.size()), due < 0 ? 0 : 1);
    if (due >= 0) {
        QCOMPARE(found.front().dueAt, std::int64_t{kFull - lead * kMinute});
        QCOMPARE(found.front().late, due == 1);
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
