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
