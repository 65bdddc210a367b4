// The year's events against published figures (the almanac office's equinoxes and solstices) and
// an independent ephemeris (PyEphem, tests/sky/year_reference.tsv by tools/make_year_reference.py).
#include "sky/sky.h"
#include "sky/year.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <QtTest>
#include <algorithm>

using namespace lunara::sky;

namespace {
constexpr std::int64_t kDay = 86400;

QList<QByteArrayList> rows(const QString& path, const QByteArray& kind = {}) {
    QList<QByteArrayList> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return out;
    }
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QByteArrayList fields = line.split('\t');
        if (kind.isEmpty() || fields.first() == kind) {
            out << fields;
        }
    }
    return out;
}

std::int64_t utcMinute(const QByteArray& text) {
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd'T'HH:mm'Z'"))
        .toTimeZone(QTimeZone::utc())
        .toSecsSinceEpoch();
}
} // namespace

class TestYear : public QObject {
    Q_OBJECT
private slots:
    void equinoxesAndSolsticesAsPublished();
    void turningPointsAgreeWithAnIndependentEphemeris();
    void turningPointRangesFollowTheRules();
};

void TestYear::equinoxesAndSolsticesAsPublished() {
    // 400 instants of 1901-2000, published to the minute: within a minute, every one found once.
    const QList<QByteArrayList> published = rows(QStringLiteral(PUBLISHED "/seasons_1901_2000.tsv"));
    QCOMPARE(published.size(), 400);
    const std::int64_t from = utcMinute("1901-01-01T00:00Z");
    const std::int64_t to = utcMinute("2001-01-01T00:00Z");
    std::vector<SunTurning> ours = SunTurningsBetween(from, to);
    ours.erase(std::remove_if(ours.begin(), ours.end(), [](const SunTurning& t) { return t.longitude % 90 != 0; }),
               ours.end());
    QCOMPARE(ours.size(), std::size_t(published.size()));
    double worst = 0;
    for (qsizetype i = 0; i < published.size(); ++i) {
        const SunTurning& t = ours[std::size_t(i)];
        const bool equinox = published[i][1] == "Equinox";
        QCOMPARE(t.longitude == 0 || t.longitude == 180, equinox);
        // The published minute is the instant rounded: ours lies within half a minute of it, and
        // the rounding itself adds up to another half.
        const double off = std::abs(double(t.unixSeconds - utcMinute(published[i][0])));
        QVERIFY2(off <= 60, qPrintable(QStringLiteral("%1: %2 s").arg(QString::fromLatin1(published[i][0])).arg(off)));
        worst = std::max(worst, off);
    }
    qInfo("equinoxes and solstices 1901-2000: %lld instants, worst %.0f s from the published minute",
          static_cast<long long>(published.size()), worst);
}

void TestYear::turningPointsAgreeWithAnIndependentEphemeris() {
    const QList<QByteArrayList> reference = rows(QStringLiteral(YEAR_REFERENCE), "turning");
    QVERIFY(reference.size() >= 400);
    std::vector<double> offs;
    for (const QByteArrayList& r : reference) {
        const int longitude = r[1].toInt();
        const double at = r[2].toDouble();
        const std::vector<SunTurning> ours =
            SunTurningsBetween(std::int64_t(at) - 10 * kDay, std::int64_t(at) + 10 * kDay);
        QCOMPARE(ours.size(), std::size_t(1));
        QCOMPARE(ours.front().longitude, longitude);
        offs.push_back(std::abs(double(ours.front().unixSeconds) - at));
        QVERIFY2(offs.back() <= 60,
                 qPrintable(QStringLiteral("%1 at %2: %3 s").arg(longitude).arg(at).arg(offs.back())));
    }
    std::sort(offs.begin(), offs.end());
    qInfo("the sun at multiples of 45 degrees, 1901-2050: %zu instants, median %.0f s, worst %.0f s", offs.size(),
          offs[offs.size() / 2], offs.back());
}

void TestYear::turningPointRangesFollowTheRules() {
    const std::int64_t year = utcMinute("2026-01-01T00:00Z");
    const std::vector<SunTurning> all = SunTurningsBetween(year, year + 365 * kDay);
    QCOMPARE(all.size(), std::size_t(8));
    const std::vector<int> order{315, 0, 45, 90, 135, 180, 225, 270}; // Imbolc's point comes first
    for (std::size_t i = 0; i < all.size(); ++i) {
        QCOMPARE(all[i].longitude, order[i]);
    }
    // An instant at the start belongs to the range, one at the end to the next; any split finds all.
    for (const SunTurning& t : all) {
        QCOMPARE(SunTurningsBetween(t.unixSeconds, t.unixSeconds + 1), std::vector<SunTurning>{t});
        QVERIFY(SunTurningsBetween(t.unixSeconds - 1, t.unixSeconds).empty());
        std::vector<SunTurning> split = SunTurningsBetween(year, t.unixSeconds);
        const std::vector<SunTurning> rest = SunTurningsBetween(t.unixSeconds, year + 365 * kDay);
        split.insert(split.end(), rest.begin(), rest.end());
        QCOMPARE(split, all);
    }
    QVERIFY(SunTurningsBetween(year, year).empty());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SunTurningsBetween(year, year - 1));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SunTurningsBetween(kFirstUnix - kDay, year));
}

QTEST_APPLESS_MAIN(TestYear)
#include "tst_year.moc"
