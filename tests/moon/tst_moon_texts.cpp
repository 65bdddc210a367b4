#include "moon/age.h"
#include "moon/sign.h"
#include "moon/texts.h"

#include <QtTest>

using namespace lunara;

namespace {
QString q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string_view sv(const QByteArray& b) { return {b.constData(), std::size_t(b.size())}; }
} // namespace

class TestMoonTexts : public QObject {
    Q_OBJECT
private slots:
    void everyNameTheCalculationsProduceHasTexts();
    void titlesAndKeywords_data();
    void titlesAndKeywords();
    void variants_data();
    void variants();
    void exactTails_data();
    void exactTails();
    void unknownNamesFindNothing_data();
    void unknownNamesFindNothing();
};

void TestMoonTexts::everyNameTheCalculationsProduceHasTexts() {
    for (int age = 0; age < kMoonPictureCount; ++age) {
        const auto* t = FindPhaseText(MoonPhaseForAge(age).phaseName);
        QVERIFY2(t, qPrintable(QString::number(age)));
        QVERIFY(!t->description.empty());
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day : {1, 31}) {
            const auto sign = CalculateSunSign(day, month);
            QVERIFY(sign);
            const SunsignText* s = FindSunsignText(*sign);
            QVERIFY(s);
            QCOMPARE(q(s->title), "Moon In " + q(*sign));
            const auto element = ElementForSign(*sign);
            QVERIFY(element);
            QVERIFY(FindElementText(*element));
        }
    }
}

void TestMoonTexts::titlesAndKeywords_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("Sagittarius keeps its spelling") << "Sagittarius"
                                                    << "Posetive";
    QTest::newRow("Taurus trailing space") << "Taurus"
                                           << "Physical ";
    QTest::newRow("Gemini trailing space") << "Gemini"
                                           << "Inquisitiveness ";
    QTest::newRow("Cancer trailing space") << "Cancer"
                                           << "Caring ";
    QTest::newRow("Libra trailing space") << "Libra"
                                          << "Helpful ";
    QTest::newRow("Scorpio trailing space") << "Scorpio"
                                            << "Idealistic ";
    QTest::newRow("Capricorn") << "Capricorn"
                               << "Motivated";
    QTest::newRow("Aries") << "Aries"
                           << "Passion";
}

void TestMoonTexts::titlesAndKeywords() {
    QFETCH(QString, sign);
    QFETCH(QString, keyword);
    const QByteArray name = sign.toUtf8();
    const SunsignText* t = FindSunsignText(sv(name));
    QVERIFY(t);
    QCOMPARE(q(t->keyword), keyword);
    QCOMPARE(q(t->title), "Moon In " + sign);
}

void TestMoonTexts::variants_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readingTail");
    QTest::addColumn<QString>("todayTail");
    QTest::newRow("Aries") << "sign"
                           << "Aries"
                           << "have patience. "
                           << "have patience";
    QTest::newRow("Scorpio") << "sign"
                             << "Scorpio"
                             << "overcome you."
                             << "overcome you. ";
    QTest::newRow("Air") << "element"
                         << "Air"
                         << "personal development."
                         << "personal development";
    QTest::newRow("Capricorn same on both") << "sign"
                                            << "Capricorn"
                                            << "too logical."
                                            << "too logical.";
    QTest::newRow("Earth same on both") << "element"
                                        << "Earth"
                                        << "and finance. "
                                        << "and finance. ";
    QTest::newRow("Fire same on both") << "element"
                                       << "Fire"
                                       << "and sports."
                                       << "and sports.";
}

void TestMoonTexts::variants() {
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, readingTail);
    QFETCH(QString, todayTail);
    const QByteArray key = name.toUtf8();
    QString reading;
    QString today;
    if (kind == "sign") {
        const auto* t = FindSunsignText(sv(key));
        QVERIFY(t);
        reading = q(t->description(Screen::Reading));
        today = q(t->description(Screen::Today));
    } else {
        const auto* t = FindElementText(sv(key));
        QVERIFY(t);
        reading = q(t->description(Screen::Reading));
        today = q(t->description(Screen::Today));
    }
    // endsWith alone would accept "have patience. " for "have patience"; compare the whole tail.
    QCOMPARE(reading.right(readingTail.size()), readingTail);
    QCOMPARE(today.right(todayTail.size()), todayTail);
    QVERIFY(!reading.right(readingTail.size() + 1).startsWith("  "));
    // The variants differ only at the end.
    const QString common = reading.left(reading.size() - readingTail.size());
    QVERIFY(today.startsWith(common));
}

void TestMoonTexts::exactTails_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Full Moon ends with a space")
        << q(FindPhaseText("Full Moon")->description)
        << "The full moon is a good time for predictions and trying out Magick. Good for healing projects too. ";
    QTest::newRow("Dark Moon") << q(FindPhaseText("Dark Moon")->description)
                               << "The dark moon is a good time for giving up bad habits and overcoming anger.";
    QTest::newRow("Cancer keeps 'trying to hard'") << q(FindSunsignText("Cancer")->readingDescription)
                                                   << "Family and home is your priority. Good for spells which "
                                                      "involve family and friends. You are good at Magick "
                                                      "without trying to hard. Try not to be overly "
                                                      "emotional. Try to relax.";
    QTest::newRow("Aries reading")
        << q(FindSunsignText("Aries")->readingDescription)
        << "This is a good time for beginning new things. Good for spells which involve strength, determination "
           "and new beginnings. Your instincts will be strong. Be sure not to make mistakes and have patience. ";
    QTest::newRow("Air has no comma after negotiations")
        << q(FindElementText("Air")->todayDescription)
        << "Magick related to the Air element should be performed when the Moon is in any of the Air Signs. This "
           "can include Magick related to journey, negotiations public involvement, creativity, legal matters, "
           "business deals, friends, analysis and personal development";
}

void TestMoonTexts::exactTails() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void TestMoonTexts::unknownNamesFindNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("lower case sign") << "aries";
    QTest::newRow("lower case phase") << "full moon";
    QTest::newRow("lower case element") << "fire";
    QTest::newRow("trailing blank") << "Leo ";
    QTest::newRow("title instead of name") << "Moon In Leo";
}

void TestMoonTexts::unknownNamesFindNothing() {
    QFETCH(QString, name);
    const QByteArray key = name.toUtf8();
    QVERIFY(!FindPhaseText(sv(key)));
    QVERIFY(!FindSunsignText(sv(key)));
    QVERIFY(!FindElementText(sv(key)));
}

QTEST_APPLESS_MAIN(TestMoonTexts)
#include "tst_moon_texts.moc"
