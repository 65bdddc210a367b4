#include "place/location.h"
#include "place/location_dialog.h"
#include "tests/support/test_services.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <cmath>

using namespace lunara;
using namespace lunara::test;

class TestLocation : public QObject {
    Q_OBJECT
private slots:
    void coordinatesAsTyped_data();
    void coordinatesAsTyped();
    void theZoneTableHasEveryCity();
    void defaultIsTheCityOfTheZone_data();
    void defaultIsTheCityOfTheZone();
    void aZoneNobodyCanNameUsesTheClocksOffset();
    void storedValueThatIsDamagedIsTheDefault_data();
    void storedValueThatIsDamagedIsTheDefault();
    void aChoiceIsKeptAndForgotten();
    void placesAreWrittenAsPeopleReadThem();
    void theDialogTakesOnlyWhatTheUserSees_data();
    void theDialogTakesOnlyWhatTheUserSees();
    void theSearchClearButtonHasAName();
};

void TestLocation::coordinatesAsTyped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<double>("degrees"); // NaN: refused
    const double no = std::nan("");
    QTest::newRow("decimal") << "52.52" << true << 52.52;
    QTest::newRow("signed south") << "-33.87" << true << -33.87;
    QTest::newRow("plus sign") << "+13.41" << false << 13.41;
    QTest::newRow("decimal comma") << "52,52" << true << 52.52;
    QTest::newRow("letter after") << "33.87 S" << true << -33.87;
    QTest::newRow("letter before, lower case") << "w 0.12" << false << -0.12;
    QTest::newRow("degrees and minutes") << "51°28′N" << true << 51 + 28 / 60.0;
    QTest::newRow("with seconds, apostrophes") << "0°07'39\"W" << false << -(7 / 60.0 + 39 / 3600.0);
    QTest::newRow("spaces for marks") << "151 13 E" << false << 151 + 13 / 60.0;
    QTest::newRow("ordinal sign for degrees") << "51º28'N" << true << 51 + 28 / 60.0;
    QTest::newRow("ordinal sign, letter first") << "W 0º07'" << false << -(7 / 60.0);
    QTest::newRow("ordinal sign last") << "S 33º" << true << -33.0;
    QTest::newRow("the pole") << "90" << true << 90.0;
    QTest::newRow("the date line") << "-180" << false << -180.0;
    QTest::newRow("past the pole") << "90.01" << true << no;
    QTest::newRow("past the date line") << "181" << false << no;
    QTest::newRow("latitude letter on a longitude") << "13 N" << false << no;
    QTest::newRow("sign and letter") << "-33 S" << true << no;
    QTest::newRow("sixty minutes") << "51 60 N" << true << no;
    QTest::newRow("fraction before minutes") << "51.5 30" << true << no;
    QTest::newRow("four parts") << "1 2 3 4" << true << no;
    QTest::newRow("a word") << "north" << true << no;
    QTest::newRow("exponent") << "1e1" << false << no;
    QTest::newRow("nothing") << "  " << true << no;
    QTest::newRow("not a number") << "nan" << true << no;
}

void TestLocation::coordinatesAsTyped() {
    QFETCH(QString, text);
    QFETCH(bool, latitude);
    QFETCH(double, degrees);
    QString why;
    const std::optional<double> parsed = parseCoordinate(text, latitude ? Axis::Latitude : Axis::Longitude, &why);
    if (std::isnan(degrees)) {
        QVERIFY2(!parsed, qPrintable(QString::number(parsed.value_or(0))));
        QVERIFY(!why.isEmpty());
    } else {
        QVERIFY2(parsed, qPrintable(why));
        QVERIFY2(std::abs(*parsed - degrees) < 1e-9, qPrintable(QString::number(*parsed, 'f', 9)));
    }
}

void TestLocation::theZoneTableHasEveryCity() {
    const std::vector<Place>& cities = zoneCities();
    QVERIFY(cities.size() > 400);
    for (const Place& p : cities) {
        QVERIFY2(!p.city.isEmpty() && !p.country.isEmpty() && std::abs(p.latitude) <= 90 &&
                     std::abs(p.longitude) <= 180,
                 qPrintable(p.zoneId));
        QVERIFY(!p.city.contains(u'_'));
    }
    const std::optional<Place> buenosAires = zoneCity(QStringLiteral("America/Argentina/Buenos_Aires"));
    QVERIFY(buenosAires);
    QCOMPARE(buenosAires->city, QStringLiteral("Buenos Aires"));
    QCOMPARE(buenosAires->country, QStringLiteral("Argentina"));
    QVERIFY(!zoneCity(QStringLiteral("Atlantis/Nowhere")));
}

void TestLocation::defaultIsTheCityOfTheZone_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("city");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("a zone of the table") << QByteArray("Europe/Berlin") << "Berlin" << 52.5 << 13 + 22 / 60.0;
    QTest::newRow("southern and eastern")
        << QByteArray("Australia/Sydney") << "Sydney" << -(33 + 52 / 60.0) << 151 + 13 / 60.0;
    QTest::newRow("seconds in the table") << QByteArray("America/New_York") << "New York"
                                          << 40 + 42 / 60.0 + 51 / 3600.0 << -(74 + 0 / 60.0 + 23 / 3600.0);
    QTest::newRow("an old name of a zone")
        << QByteArray("Asia/Calcutta") << "Kolkata" << 22 + 32 / 60.0 << 88 + 22 / 60.0;
    QTest::newRow("another old name") << QByteArray("US/Pacific") << "Los Angeles" << 34 + 3 / 60.0 + 8 / 3600.0
                                      << -(118 + 14 / 60.0 + 34 / 3600.0);
    QTest::newRow("UTC") << QByteArray("UTC") << "Greenwich" << 51.4779 << 0.0;
    QTest::newRow("a fixed offset: its meridian") << QByteArray("UTC+05:00") << "" << 0.0 << 75.0;
    // "Local time unknown" merely runs at UTC: no city shares its clocks by meaning.
    QTest::newRow("Factory") << QByteArray("Factory") << "Greenwich" << 51.4779 << 0.0;
}

void TestLocation::aZoneNobodyCanNameUsesTheClocksOffset() {
    // The clocks run at UTC+1 under a zone Qt cannot read: the meridian of UTC+1, not Greenwich.
    const QByteArray old = qgetenv("TZ");
    qputenv("TZ", "<+01>-1");
    const Place p = defaultPlace(QTimeZone(QByteArrayLiteral("No/Such_Zone")));
    old.isEmpty() ? qunsetenv("TZ") : qputenv("TZ", old);
    QVERIFY(!QTimeZone(QByteArrayLiteral("No/Such_Zone")).isValid());
    QCOMPARE(p.city, QString());
    QCOMPARE(p.longitude, 15.0);
    QCOMPARE(p.latitude, 0.0);
}

void TestLocation::defaultIsTheCityOfTheZone() {
    QFETCH(QByteArray, zone);
    QFETCH(QString, city);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QVERIFY(QTimeZone(zone).isValid());
    const Place p = defaultPlace(QTimeZone(zone));
    QCOMPARE(p.city, city);
    QVERIFY2(std::abs(p.latitude - latitude) < 1e-6 && std::abs(p.longitude - longitude) < 1e-6,
             qPrintable(coordinatesText(p.latitude, p.longitude)));
}

void TestLocation::storedValueThatIsDamagedIsTheDefault_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("words") << QVariant(QStringLiteral("somewhere nice"));
    QTest::newRow("two fields") << QVariant(QStringLiteral("52.5;13.4"));
    QTest::newRow("four fields") << QVariant(QStringLiteral("52.5;13.4;Europe/Berlin;x"));
    QTest::newRow("past the pole") << QVariant(QStringLiteral("91;0;"));
    QTest::newRow("past the date line") << QVariant(QStringLiteral("10;200;"));
    QTest::newRow("not a number") << QVariant(QStringLiteral("nan;0;"));
    QTest::newRow("infinite") << QVariant(QStringLiteral("inf;0;"));
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("a list") << QVariant(QStringList{QStringLiteral("1"), QStringLiteral("2")});
}

void TestLocation::storedValueThatIsDamagedIsTheDefault() {
    QFETCH(QVariant, stored);
    Fixture f;
    f.services.zone = QTimeZone("Europe/Berlin");
    f.services.settings().setValue(QStringLiteral("Location"), stored);
    const Location l = currentLocation(f.services);
    QVERIFY(!l.chosen);
    QCOMPARE(l.place, defaultPlace(f.services.zone));
}

void TestLocation::aChoiceIsKeptAndForgotten() {
    Fixture f;
    f.services.zone = QTimeZone("Europe/Berlin");
    const Place sydney = *zoneCity(QStringLiteral("Australia/Sydney"));
    QVERIFY(storeLocation(f.services, sydney));
    QSettings reread(f.settingsFile, QSettings::IniFormat);
    QCOMPARE(reread.value(QStringLiteral("Location")).toString(),
             QStringLiteral("-33.866667;151.216667;Australia/Sydney"));
    Location l = currentLocation(f.services);
    QVERIFY(l.chosen);
    QCOMPARE(l.place.city, QStringLiteral("Sydney"));
    // Typed coordinates come back unnamed; so does a city the table no longer has.
    QVERIFY(storeLocation(f.services, Place{{}, {}, {}, 69.65, 18.96}));
    l = currentLocation(f.services);
    QVERIFY(l.chosen && l.place.city.isEmpty() && std::abs(l.place.latitude - 69.65) < 1e-9);
    f.services.settings().setValue(QStringLiteral("Location"), QStringLiteral("1.5;2.5;Atlantis/Nowhere"));
    l = currentLocation(f.services);
    QVERIFY(l.chosen && l.place.city.isEmpty() && l.place.longitude == 2.5);
    QVERIFY(forgetLocation(f.services));
    QVERIFY(!currentLocation(f.services).chosen);
}

void TestLocation::placesAreWrittenAsPeopleReadThem() {
    QCOMPARE(coordinatesText(52.52, 13.41), QStringLiteral("52.52° N, 13.41° E"));
    QCOMPARE(coordinatesText(-33.8667, -70.5), QStringLiteral("33.87° S, 70.50° W"));
    QCOMPARE(placeText(*zoneCity(QStringLiteral("Europe/Berlin"))), QStringLiteral("Berlin, 52.50° N, 13.37° E"));
    QCOMPARE(coordinateField(52.5), QStringLiteral("52.5"));
    QCOMPARE(coordinateField(-0.00001), QStringLiteral("0"));
    QCOMPARE(coordinateField(151.216667), QStringLiteral("151.2167"));
}

// What the user types in the search, then Enter: the place that is used afterwards, and whether
// anything was stored. The dialog opens on the default place of Berlin (no choice made).
void TestLocation::theDialogTakesOnlyWhatTheUserSees_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("stored"); // the zone of the city stored; "-": nothing stored
    QTest::newRow("OK without a change keeps no choice") << "" << true << "-";
    QTest::newRow("a city by its name") << "Zurich" << true << "Europe/Zurich";
    QTest::newRow("accents ignored") << "Zürich" << true << "Europe/Zurich";
    QTest::newRow("accents and case") << "SÃO PAULO" << true << "America/Sao_Paulo";
    QTest::newRow("nothing matches") << "Xyzzy" << false << "-";
}

void TestLocation::theDialogTakesOnlyWhatTheUserSees() {
    QFETCH(QString, search);
    QFETCH(bool, closes);
    QFETCH(QString, stored);
    Fixture f;
    f.services.zone = QTimeZone("Europe/Berlin");
    QWidget parent;
    std::optional<Location> used;
    frmLocation* dialog =
        chooseLocation(&parent, f.services, currentLocation(f.services), [&used](const Location& l) { used = l; });
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QPointer<frmLocation> alive(dialog);
    // Typed as an input method would (key events carry only ASCII in Qt Test).
    dialog->txtSearch->insert(search);
    QTest::keyClick(dialog->txtSearch, Qt::Key_Return);
    if (!closes) {
        QVERIFY(alive && alive->isVisible());
        QCOMPARE(dialog->shownCities(), 0);
        QVERIFY(dialog->lblNoCity->isVisible());
        QCOMPARE(dialog->lblNoCity->text(),
                 QStringLiteral("No city matches \u201CXyzzy\u201D. Try another spelling, or "
                                "type latitude and longitude below."));
        QVERIFY(!used);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }
    QTRY_VERIFY(!alive);
    if (stored == QLatin1String("-")) {
        QVERIFY(!f.services.settings().contains(QStringLiteral("Location")));
        QVERIFY(!currentLocation(f.services).chosen);
    } else {
        QVERIFY(used && used->chosen);
        QCOMPARE(used->place.zoneId, stored);
        QVERIFY(f.services.settings().value(QStringLiteral("Location")).toString().endsWith(stored));
    }
}

void TestLocation::theSearchClearButtonHasAName() {
    Fixture f;
    frmLocation dialog(currentLocation(f.services), defaultPlace(f.services.zone));
    const QList<QToolButton*> buttons = dialog.txtSearch->findChildren<QToolButton*>();
    QVERIFY(!buttons.isEmpty());
    for (QToolButton* b : buttons) {
        QCOMPARE(b->accessibleName(), QStringLiteral("Clear the search"));
    }
}

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
