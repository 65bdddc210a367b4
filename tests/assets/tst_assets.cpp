#include "assets/assets.h"

#include <QtTest>
#include <array>
#include <cmath>

using namespace lunara;

// Run twice by ctest: at scale 1, and with QT_SCALE_FACTOR=2, where the @2x files must be used.
class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void moonPictures_data();
    void moonPictures();
    void icons_data();
    void icons();
    void outOfRangeIsEmpty();
    void moonsFollowTheirAge();
};

void TestAssets::moonPictures_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    for (int k = 1; k <= 30; ++k) {
        QTest::addRow("moon %d", k) << k << (k <= 4 ? QSize(55, 53) : QSize(50, 50));
    }
}

void TestAssets::moonPictures() {
    QFETCH(int, index);
    QFETCH(QSize, size);
    const qreal ratio = qApp->devicePixelRatio();
    const QPixmap p = moonPicture(index);
    QVERIFY(!p.isNull());
    QCOMPARE(p.deviceIndependentSize().toSize(), size);
    QCOMPARE(p.devicePixelRatio(), ratio > 1 ? 2.0 : 1.0);
    QCOMPARE(p.size(), ratio > 1 ? size * 2 : size);
    // The moon sits on black: the corners are black, the middle is not (even the new moon shows).
    const QImage img = p.toImage();
    QCOMPARE(img.pixelColor(0, 0), QColor(Qt::black));
    QVERIFY(qGray(img.pixel(img.width() / 2, img.height() / 2)) > 8);
}

void TestAssets::icons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("hasDoubleSize");
    QTest::newRow("launcher moon") << "icons/full-moon.png" << QSize(32, 32) << true;
    QTest::newRow("launcher candles") << "icons/candles.png" << QSize(32, 32) << true;
    for (int s : {16, 32, 48, 256}) {
        QTest::addRow("program icon %d", s) << QStringLiteral("icons/lunara-%1.png").arg(s) << QSize(s, s) << false;
    }
}

void TestAssets::icons() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, hasDoubleSize);
    const QPixmap p = assetPixmap(name);
    QVERIFY(!p.isNull());
    QCOMPARE(p.deviceIndependentSize().toSize(), size);
    QCOMPARE(p.devicePixelRatio(), hasDoubleSize && qApp->devicePixelRatio() > 1 ? 2.0 : 1.0);
    // Icons are drawn on a transparent background.
    QCOMPARE(p.toImage().pixelColor(0, 0).alpha(), 0);
}

void TestAssets::outOfRangeIsEmpty() {
    QVERIFY(moonPicture(0).isNull());
    QVERIFY(moonPicture(31).isNull());
}

// What a drawing must get right: how much of the disc is lit, on which side, and that the two
// pictures around new moon are the darkest.
void TestAssets::moonsFollowTheirAge() {
    constexpr double kPi = 3.14159265358979323846;
    std::array<double, 31> mean{};
    for (int k = 1; k <= 30; ++k) {
        const QImage img = moonPicture(k).toImage();
        qint64 disc = 0;
        qint64 lit = 0;
        qint64 litLeft = 0;
        qint64 litRight = 0;
        qint64 sum = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const int g = qGray(img.pixel(x, y));
                sum += g;
                disc += g >= 3 ? 1 : 0; // earthshine keeps the dark part of the disc above black
                if (g >= 60) {
                    ++lit;
                    (2 * x < img.width() ? litLeft : litRight) += 1;
                }
            }
        }
        mean[std::size_t(k)] = double(sum) / double(img.width() * img.height());
        const double elongation = 2 * kPi * (k - 1) / 29.530588;
        const double expected = (1 - std::cos(elongation)) / 2;
        const double share = double(lit) / double(disc);
        QVERIFY2(std::abs(share - expected) < 0.04,
                 qPrintable(QStringLiteral("picture %1: %2 lit, %3 expected").arg(k).arg(share).arg(expected)));
        // Which side is lit, where a side is: not at new moon, nor within a day or so of full.
        if (expected > 0.95 || k < 3 || k == 30) {
            continue;
        }
        if (k <= 15) {
            QVERIFY2(litRight > litLeft, qPrintable(QStringLiteral("waxing picture %1 lit on the left").arg(k)));
        } else {
            QVERIFY2(litLeft > litRight, qPrintable(QStringLiteral("waning picture %1 lit on the right").arg(k)));
        }
    }
    for (int k = 2; k <= 29; ++k) {
        QVERIFY2(mean[1] < mean[std::size_t(k)] && mean[30] < mean[std::size_t(k)],
                 qPrintable(QStringLiteral("picture %1 is as dark as new moon").arg(k)));
    }
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
