#include "candle/tables.h"

#include <QtTest>
#include <string>

using namespace lunara;

namespace {
QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
} // namespace

class TestCandleTables : public QObject {
    Q_OBJECT
private slots:
    void lookup_data();
    void lookup();
    void optionLists_data();
    void optionLists();
    void purposeListIsTheColourGroups();
    void everyListedOptionLeadsToAColour();
};

void TestCandleTables::lookup_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("color");
    QTest::newRow("Success yields Orange, not Green") << 0 << "Success"
                                                      << "Orange";
    QTest::newRow("Love yields Dark Pink") << 0 << "Love"
                                           << "Dark Pink";
    QTest::newRow("Self Abilities") << 0 << "Self Abilities"
                                    << "Lavender";
    QTest::newRow("purpose empty text") << 0 << ""
                                        << "";
    QTest::newRow("purpose wrong case") << 0 << "passion"
                                        << "";
    QTest::newRow("purpose colour name") << 0 << "Red"
                                         << "";
    QTest::newRow("Light Pink by colour") << 1 << "Light Pink"
                                          << "Light Pink";
    QTest::newRow("Silver is compared") << 1 << "Silver"
                                        << "Silver";
    QTest::newRow("colour wrong case falls to Lavender") << 1 << "red"
                                                         << "Lavender";
    QTest::newRow("colour empty falls to Lavender") << 1 << ""
                                                    << "Lavender";
    QTest::newRow("Mars is White, not Red") << 2 << "Mars"
                                            << "White";
    QTest::newRow("Moon is White") << 2 << "Moon"
                                   << "White";
    QTest::newRow("Mercury is Red") << 2 << "Mercury"
                                    << "Red";
    QTest::newRow("sun is Yellow") << 2 << "sun"
                                   << "Yellow";
    QTest::newRow("Sun is Yellow too") << 2 << "Sun"
                                       << "Yellow";
    QTest::newRow("Fire falls to Red") << 3 << "Fire"
                                       << "Red";
    QTest::newRow("Air") << 3 << "Air"
                         << "Yellow";
    QTest::newRow("element unknown") << 3 << "Aether"
                                     << "Red";
    QTest::newRow("West falls to Blue") << 4 << "West"
                                        << "Blue";
    QTest::newRow("North") << 4 << "North"
                           << "Green";
    QTest::newRow("Tuesday is White, not Red") << 5 << "Tuesday"
                                               << "White";
    QTest::newRow("Wednesday is Red") << 5 << "Wednesday"
                                      << "Red";
    QTest::newRow("Saturday falls to Green") << 5 << "Saturday"
                                             << "Green";
    QTest::newRow("mode 6 is Day") << 6 << "Tuesday"
                                   << "White";
    QTest::newRow("mode -1 is Day") << -1 << "Sunday"
                                    << "Yellow";
    QTest::newRow("mode 1000 unknown text") << 1000 << "Passion"
                                            << "Green";
}

void TestCandleTables::lookup() {
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, color);
    const QByteArray utf8 = text.toUtf8();
    const CandleColor* c = LookupCandle(mode, std::string_view(utf8.constData(), std::size_t(utf8.size())));
    QCOMPARE(c != nullptr, !color.isEmpty());
    if (c) {
        QCOMPARE(q(c->name), color);
    }
}

void TestCandleTables::optionLists_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("Purpose") << 0 << 44 << "Passion"
                             << "Self Abilities";
    QTest::newRow("Color") << 1 << 14 << "Red"
                           << "Lavender";
    QTest::newRow("Planet") << 2 << 7 << "Moon"
                            << "sun";
    QTest::newRow("Element") << 3 << 4 << "Air"
                             << "Fire";
    QTest::newRow("Direction") << 4 << 4 << "North"
                               << "West";
    QTest::newRow("Day") << 5 << 7 << "Sunday"
                         << "Saturday";
    QTest::newRow("above range is Day") << 6 << 7 << "Sunday"
                                        << "Saturday";
    QTest::newRow("below range is Day") << -3 << 7 << "Sunday"
                                        << "Saturday";
}

void TestCandleTables::optionLists() {
    QFETCH(int, mode);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const auto options = OptionsFor(mode);
    QCOMPARE(int(options.size()), count);
    QCOMPARE(q(options.front()), first);
    QCOMPARE(q(options.back()), last);
}

void TestCandleTables::purposeListIsTheColourGroups() {
    // The Purpose list is every colour's purposes in table order, Light Pink adding none.
    QStringList expected;
    for (const CandleColor& c : CandleColors()) {
        if (c.name != "Light Pink") {
            expected += q(c.purposes).split(", ");
        }
    }
    QStringList got;
    for (auto o : OptionsFor(kChooseByPurpose)) {
        got += q(o);
    }
    QCOMPARE(got, expected);
    QCOMPARE(got.count("Success"), 2);
    QCOMPARE(got.indexOf("Success"), 7);
    QCOMPARE(got.lastIndexOf("Success"), 15);
}

void TestCandleTables::everyListedOptionLeadsToAColour() {
    for (ChooseBy mode = 0; mode <= kChooseByDay; ++mode) {
        for (auto option : OptionsFor(mode)) {
            const CandleColor* c = LookupCandle(mode, option);
            QVERIFY2(c, qPrintable(q(option)));
            if (mode == kChooseByPurpose) {
                // Every purpose reached belongs to that colour's group.
                QVERIFY(q(c->purposes).split(", ").contains(q(option)));
            }
            if (mode == kChooseByColor) {
                QCOMPARE(q(c->name), q(option));
            }
        }
    }
    // The Day table pairs each day with its planet.
    const char* pairs[][2] = {{"Sunday", "sun"},        {"Monday", "Moon"},      {"Tuesday", "Mars"},
                              {"Wednesday", "Mercury"}, {"Thursday", "Jupiter"}, {"Friday", "Venus"},
                              {"Saturday", "Saturn"}};
    for (const auto& p : pairs) {
        QCOMPARE(LookupCandle(kChooseByDay, p[0]), LookupCandle(kChooseByPlanet, p[1]));
    }
}

QTEST_APPLESS_MAIN(TestCandleTables)
#include "tst_candle_tables.moc"
