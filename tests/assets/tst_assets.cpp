#include "assets/assets.h"

#include <QtTest>

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

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
