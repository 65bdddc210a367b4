#include "calendar/calendar_export.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <set>

using namespace lunara;

class TestCalendarExport : public QObject {
    Q_OBJECT
private slots:
    void eventsOfAYear();
    void uidsStayWhenTheRangeChanges();
    void linesAreFoldedAndEscaped_data();
    void linesAreFoldedAndEscaped();
    void instantsBefore1970_data();
    void instantsBefore1970();
    void aFileThatCannotBeWrittenLeavesNothing_data();
    void aFileThatCannotBeWrittenLeavesNothing();
};

namespace {
constexpr std::int64_t k2026 = 1767225600; // 2026-01-01 00:00 UTC
constexpr std::int64_t k2027 = 1798761600;

} // namespace

void TestCalendarExport::eventsOfAYear() {
    const std::vector<CalendarEvent> events = MoonEvents(k2026, k2027, {true, true, true, false});
    int quarters = 0;
    int ingresses = 0;
    int voids = 0;
    std::set<std::string> uids;
    for (const CalendarEvent& e : events) {
        QVERIFY2(uids.insert(e.uid).second, e.uid.c_str());
        if (e.summary == "Moon void of course") {
            ++voids;
            QVERIFY(e.end && *e.end > e.start);
        } else if (e.summary.rfind("Moon enters ", 0) == 0) {
            ++ingresses;
        } else {
            ++quarters;
            QVERIFY2(e.summary.find(" moon in ") != std::string::npos, e.summary.c_str());
        }
    }
    // 2026 has 50 quarters (PyEphem counts the same); the moon changes sign about 164 times.
    QCOMPARE(quarters, 50);
    QVERIFY(ingresses >= 160 && ingresses <= 168);
    QVERIFY(voids >= ingresses - 1 && voids <= ingresses + 1);
    QVERIFY(std::is_sorted(events.begin(), events.end(),
                           [](const CalendarEvent& a, const CalendarEvent& b) { return a.start < b.start; }));
    // The full moon of 24 December 2026 at 01:28 UTC, in Cancer.
    const auto full = std::find_if(events.begin(), events.end(),
                                   [](const CalendarEvent& e) { return e.uid == "quarter-2-20261224@lunara.example"; });
    QVERIFY(full != events.end());
    QCOMPARE(QString::fromStdString(full->summary), QStringLiteral("Full moon in Cancer"));
    const std::string text = ICalendarText({*full}, k2026);
    QVERIFY(text.find("\r\nDTSTART:20261224T012") != std::string::npos);
    QVERIFY(text.find("\r\nDTSTAMP:20260101T000000Z\r\n") != std::string::npos);
}

void TestCalendarExport::uidsStayWhenTheRangeChanges() {
    // December on its own and within the whole year: the same events under the same UIDs.
    const ExportChoice all{true, true, true, true};
    const std::vector<CalendarEvent> year = MoonEvents(k2026, k2027, all);
    const std::vector<CalendarEvent> december = MoonEvents(1796083200, k2027, all);
    QVERIFY(december.size() > 25);
    for (const CalendarEvent& e : december) {
        const auto same =
            std::find_if(year.begin(), year.end(), [&](const CalendarEvent& y) { return y.uid == e.uid; });
        QVERIFY2(same != year.end(), e.uid.c_str());
        QCOMPARE(same->start, e.start);
    }
}

void TestCalendarExport::linesAreFoldedAndEscaped_data() {
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("escaped"); // how the line starts once unfolded
    QTest::addColumn<QString>("ends");    // and how it ends
    // Two-byte letters from the first fold on (Cyrillic: a fold that cut one would leave half
    // a letter on each line), three-byte symbols at the end.
    QTest::newRow("German and symbols") << QStringLiteral("Mond im Löwen; Hoch, und \\ so weiter: ") +
                                               QString(30, u'x') + QStringLiteral(" ☾☾☾☾☾☾☾☾☾☾")
                                        << QStringLiteral("\nSUMMARY:Mond im Löwen\\; Hoch\\, und \\\\ so weiter: ")
                                        << QStringLiteral("☾☾☾☾☾☾☾☾☾☾\n");
    QTest::newRow("Russian") << QStringLiteral("Луна входит в Козерог; Высоко, и \\ так далее: ") +
                                    QStringLiteral("Растущая Луна, Убывающая Луна, Полнолуние, Новолуние")
                             << QStringLiteral("\nSUMMARY:Луна входит в Козерог\\; Высоко\\, и \\\\ так далее: ")
                             << QStringLiteral("Полнолуние\\, Новолуние\n");
}

void TestCalendarExport::linesAreFoldedAndEscaped() {
    QFETCH(QString, summary);
    QFETCH(QString, escaped);
    QFETCH(QString, ends);
    const std::string text = ICalendarText({{"u@x", summary.toStdString(), k2026, k2026 + 60, "a\nb"}}, k2026);
    QVERIFY(text.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:", 0) == 0);
    QVERIFY(text.size() > 2 && text.substr(text.size() - 15) == "END:VCALENDAR\r\n");
    QVERIFY(text.find('\n') == text.find("\r\n") + 1);
    QString unfolded;
    int continuations = 0;
    for (const QByteArray& raw : QByteArray::fromStdString(text).split('\n')) {
        // Each physical line as written: at most 75 octets before its CR, valid UTF-8 on its own
        // (a fold never cuts a character), a continuation marked by one space.
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        QVERIFY2(line.size() <= 75, line.constData());
        QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = strict(line);
        QVERIFY2(!strict.hasError(), line.toHex().constData());
        continuations += decoded.startsWith(u' ') ? 1 : 0;
        unfolded += decoded.startsWith(u' ') ? decoded.mid(1) : QStringLiteral("\n") + decoded;
    }
    QVERIFY(continuations >= 1);
    QVERIFY2(unfolded.contains(escaped), qPrintable(unfolded));
    QVERIFY2(unfolded.contains(ends), qPrintable(unfolded));
    QVERIFY(unfolded.contains(QStringLiteral("\nDESCRIPTION:a\\nb\n")));
    QVERIFY(unfolded.contains(QStringLiteral("\nDTEND:20260101T000100Z\n")));
    // Every byte of the text is either a line end after CR or not a control character.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        QVERIFY(c >= 0x20 || (c == '\r' && text[i + 1] == '\n') || (c == '\n' && text[i - 1] == '\r'));
    }
}

// Negative Unix times: the date must not come out a day late, nor the time of day wrong.
void TestCalendarExport::instantsBefore1970_data() {
    QTest::addColumn<QDateTime>("at");
    const auto utc = [](int y, int m, int d, int h, int min, int s) {
        return QDateTime(QDate(y, m, d), QTime(h, min, s), QTimeZone::utc());
    };
    QTest::newRow("a second before 1970") << utc(1969, 12, 31, 23, 59, 59);
    QTest::newRow("midnight before 1970") << utc(1969, 12, 31, 0, 0, 0);
    QTest::newRow("a full moon of 1950") << utc(1950, 6, 1, 12, 34, 56);
    QTest::newRow("the first day of 1901") << utc(1901, 1, 1, 0, 0, 1);
    QTest::newRow("a leap day of 1904") << utc(1904, 2, 29, 23, 59, 59);
    QTest::newRow("1970 itself") << utc(1970, 1, 1, 0, 0, 0);
}

void TestCalendarExport::instantsBefore1970() {
    QFETCH(QDateTime, at);
    const std::int64_t t = at.toSecsSinceEpoch();
    const std::string text = ICalendarText({{"u@x", "Full moon in Sagittarius", t, t + 1, {}}}, t);
    const QByteArray stamp = at.toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    const QByteArray end = at.addSecs(1).toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QVERIFY2(text.find("\r\nDTSTART:" + stamp.toStdString() + "\r\n") != std::string::npos, text.c_str());
    QVERIFY2(text.find("\r\nDTEND:" + end.toStdString() + "\r\n") != std::string::npos, text.c_str());
    // The UID names the UTC date of the event.
    const std::vector<CalendarEvent> events =
        MoonEvents(t - 40LL * 86400, t + 40LL * 86400, {true, false, false, false});
    QVERIFY(!events.empty());
    for (const CalendarEvent& e : events) {
        const QString date =
            QDateTime::fromSecsSinceEpoch(e.start, QTimeZone::utc()).toString(QStringLiteral("yyyyMMdd"));
        QVERIFY2(QString::fromStdString(e.uid).contains(date), e.uid.c_str());
    }
}

void TestCalendarExport::aFileThatCannotBeWrittenLeavesNothing_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that does not exist") << "missing/moon.ics";
    QTest::newRow("a folder in the file's place") << "taken";
    QTest::newRow("a read-only folder") << "readonly/moon.ics";
}

void TestCalendarExport::aFileThatCannotBeWrittenLeavesNothing() {
    QFETCH(QString, where);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("readonly")));
    QFile::setPermissions(dir.filePath(QStringLiteral("readonly")), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile file(dir.filePath(QStringLiteral("readonly/probe")));
        where.startsWith(QLatin1String("readonly")) && file.open(QIODevice::WriteOnly)) {
        file.remove();
        QSKIP("running with rights that ignore folder permissions");
    }
    QString error;
    QVERIFY(!WriteCalendarFile(dir.filePath(where), "BEGIN:VCALENDAR\r\n", &error));
    QVERIFY2(error.startsWith(QLatin1String("The calendar file could not be saved")), qPrintable(error));
    QVERIFY(!QFileInfo(dir.filePath(where)).isFile());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("readonly"))).entryList(QDir::Files | QDir::Hidden).size(), 0);
    // A good place works, and overwriting replaces the file whole.
    QVERIFY(WriteCalendarFile(dir.filePath(QStringLiteral("ok.ics")), "one", &error));
    QVERIFY(WriteCalendarFile(dir.filePath(QStringLiteral("ok.ics")), "two", &error));
    QFile ok(dir.filePath(QStringLiteral("ok.ics")));
    QVERIFY(ok.open(QIODevice::ReadOnly));
    QCOMPARE(ok.readAll(), QByteArray("two"));
    QFile::setPermissions(dir.filePath(QStringLiteral("readonly")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_APPLESS_MAIN(TestCalendarExport)
#include "tst_calendar_export.moc"
