#include "kit/form.h"
#include "kit/services.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "shell/update_reminder.h"
#include "tests/support/test_services.h"

#include <QLabel>
#include <QLockFile>
#include <QPushButton>
#include <QtTest>
#include <stdexcept>

using namespace lunara;
using namespace lunara::test;

namespace {
const QString kUpdatePage = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=download-web-page");
const QString kKey = QString::fromLatin1(kLastReminderKey);
} // namespace

class TestServicesAndLinks : public QObject {
    Q_OBJECT
private slots:
    void pageAddresses_data();
    void pageAddresses();
    void repeatedClicksOpenEveryTime();
    void linksGoThroughTheProgramsServices();
    void firstStartStoresAndAsksNothing();
    void reminderInterval_data();
    void reminderInterval();
    void unreadableDateIsTreatedAsFirstStart_data();
    void unreadableDateIsTreatedAsFirstStart();
    void storedDateSurvivesRestart();
    void unwritableStoreAsksNothing_data();
    void unwritableStoreAsksNothing();
    void leftOverSettingsLockIsCleared_data();
    void leftOverSettingsLockIsCleared();
    void heldSettingsLockIsNotWaitedFor();
    void storeMakesItsFolderBeforeItsLock();
    void onlyStoresThatAreFilesAreLocked_data();
    void onlyStoresThatAreFilesAreLocked();
    void clockText_data();
    void clockText();
    void accessKeys_data();
    void accessKeys();
    void twips_data();
    void twips();
    void bindingAWrongNameFailsLoudly();
    void labelsKeepTheirLookAndCentre();
};

void TestServicesAndLinks::pageAddresses_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("address");
    const QString root = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=");
    QTest::newRow("help") << 0 << root + "help-web-page";
    QTest::newRow("home") << 1 << root + "home-page";
    QTest::newRow("update") << 2 << root + "download-web-page";
    QTest::newRow("fully branded") << 3 << root + "fully-branded";
    QTest::newRow("co-brand") << 4 << root + "co-brand";
}

void TestServicesAndLinks::pageAddresses() {
    QFETCH(int, operation);
    QFETCH(QString, address);
    Fixture f;
    void (*const operations[])() = {GoToHelpPage, GoToHomePage, GoToUpdatePage, GoToFullBrandPage, GoToCoBrandPage};
    operations[operation]();
    QCOMPARE(f.services.urls, QStringList{address});
}

void TestServicesAndLinks::repeatedClicksOpenEveryTime() {
    Fixture f;
    GoToHomePage();
    GoToHomePage();
    GoToHomePage();
    QCOMPARE(f.services.urls.size(), 3);
    QCOMPARE(siteHost(), QStringLiteral("www.lunara.example"));
    QVERIFY(featureBannerText().endsWith(QStringLiteral("Visit www.lunara.example Now")));
}

void TestServicesAndLinks::linksGoThroughTheProgramsServices() {
    const QString help = QStringLiteral("https://www.lunara.example/lunara/ssd.php?page=help-web-page");
    Fixture outer;
    {
        Fixture inner;
        GoToHelpPage();
        QCOMPARE(inner.services.urls, QStringList{help});
        QVERIFY(outer.services.urls.isEmpty());
    }
    // The newer services are gone: the links fall back to the ones still alive, never to a dangling one.
    GoToWebPage(QStringLiteral("not a url at all"));
    QCOMPARE(outer.services.urls, QStringList{QStringLiteral("not a url at all")});
}

void TestServicesAndLinks::firstStartStoresAndAsksNothing() {
    Fixture f;
    UpdateReminder(f.services);
    QVERIFY(f.services.questions.isEmpty());
    QVERIFY(f.services.urls.isEmpty());
    QCOMPARE(QDateTime::fromString(f.services.settings().value(kKey).toString(), Qt::ISODate), f.services.clock);
}

void TestServicesAndLinks::reminderInterval_data() {
    QTest::addColumn<int>("storedDaysFromToday");
    QTest::addColumn<int>("storedHour");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("14 days ago: quiet") << -14 << 12 << false << false;
    QTest::newRow("14 days ago late at night: quiet") << -14 << 23 << false << false;
    QTest::newRow("15 days ago: asks, No") << -15 << 12 << true << false;
    QTest::newRow("15 days ago early morning: asks") << -15 << 0 << true << false;
    QTest::newRow("15 days ago: asks, Yes") << -15 << 12 << true << true;
    QTest::newRow("a year ago: asks") << -365 << 12 << true << false;
    QTest::newRow("today: quiet") << 0 << 12 << false << false;
    QTest::newRow("14 days ahead: quiet") << 14 << 12 << false << false;
    QTest::newRow("15 days ahead (clock set back): asks") << 15 << 12 << true << true;
}

void TestServicesAndLinks::reminderInterval() {
    QFETCH(int, storedDaysFromToday);
    QFETCH(int, storedHour);
    QFETCH(bool, asks);
    QFETCH(bool, answerYes);
    Fixture f;
    f.services.answerYes = answerYes;
    const QDateTime stored(f.services.clock.date().addDays(storedDaysFromToday), QTime(storedHour, 0));
    f.services.settings().setValue(kKey, stored.toString(Qt::ISODate));
    UpdateReminder(f.services);

    QCOMPARE(f.services.questions.size(), asks ? 1 : 0);
    const QDateTime after = QDateTime::fromString(f.services.settings().value(kKey).toString(), Qt::ISODate);
    if (asks) {
        QCOMPARE(
            f.services.questions.first(),
            QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
        // Either answer renews the date; only Yes opens the update page.
        QCOMPARE(after, f.services.clock);
        QCOMPARE(f.services.urls, answerYes ? QStringList{kUpdatePage} : QStringList{});
    } else {
        QCOMPARE(after, stored);
        QVERIFY(f.services.urls.isEmpty());
    }
}

void TestServicesAndLinks::unreadableDateIsTreatedAsFirstStart_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("garbage") << "not a date";
    QTest::newRow("empty") << "";
    QTest::newRow("impossible date") << "2007-02-31T10:00:00";
}

void TestServicesAndLinks::unreadableDateIsTreatedAsFirstStart() {
    QFETCH(QString, stored);
    Fixture f;
    f.services.settings().setValue(kKey, stored);
    UpdateReminder(f.services);
    QVERIFY(f.services.questions.isEmpty());
    // Repaired: the next start fifteen days on asks again.
    QCOMPARE(QDateTime::fromString(f.services.settings().value(kKey).toString(), Qt::ISODate), f.services.clock);
    f.services.clock = f.services.clock.addDays(15);
    UpdateReminder(f.services);
    QCOMPARE(f.services.questions.size(), 1);
}

void TestServicesAndLinks::storedDateSurvivesRestart() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("lunara.ini"));
    {
        TestServices first(file);
        UpdateReminder(first);
    }
    TestServices second(file);
    second.clock = second.clock.addDays(15);
    UpdateReminder(second);
    QCOMPARE(second.questions.size(), 1);
    TestServices third(file);
    third.clock = second.clock.addDays(1);
    UpdateReminder(third);
    QVERIFY(third.questions.isEmpty());
}

void TestServicesAndLinks::unwritableStoreAsksNothing_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("the folder is a file") << true;
    QTest::newRow("the store is a folder") << false;
}

void TestServicesAndLinks::unwritableStoreAsksNothing() {
    QFETCH(bool, folderIsAFile);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Lunara"));
    const QString file = folder + QStringLiteral("/Lunara.ini");
    TestServices services(file);
    // An old date the store holds but can no longer write (made unwritable in a way that stops root too).
    services.settings().setValue(kKey, services.clock.addDays(-40).toString(Qt::ISODate));
    if (folderIsAFile) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(file));
    }
    services.answerYes = true;
    UpdateReminder(services);
    // The answer could not be kept, so the question would come at every start: it is not asked.
    QVERIFY(services.questions.isEmpty());
    QVERIFY(services.urls.isEmpty());
    QVERIFY(!services.storeSetting(kKey, QStringLiteral("x")));
}

void TestServicesAndLinks::leftOverSettingsLockIsCleared_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("stored");
    QTest::newRow("an empty folder") << "folder" << true;
    QTest::newRow("an empty file from a minute ago") << "old file" << true;
    QTest::newRow("a link to a file") << "link" << true;
    // Someone is creating it this moment: it is theirs, not left over, and not waited for.
    QTest::newRow("an empty file being written now") << "new file" << false;
}

void TestServicesAndLinks::leftOverSettingsLockIsCleared() {
    // QSettings would wait for ever (a folder) or half a minute (an empty file) on such a lock.
    QFETCH(QString, left);
    QFETCH(bool, stored);
    Fixture f;
    const QString lock = f.settingsFile + QStringLiteral(".lock");
    const QString target = f.dir.filePath(QStringLiteral("target.txt"));
    if (left == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(lock));
    } else if (left == QLatin1String("link")) {
        QFile t(target);
        QVERIFY(t.open(QIODevice::WriteOnly) && t.write("kept") == 4);
        t.close();
        QVERIFY(QFile::link(target, lock));
    } else {
        QFile empty(lock);
        QVERIFY(empty.open(QIODevice::WriteOnly));
        if (left == QLatin1String("old file")) {
            QVERIFY(empty.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
    }
    QCOMPARE(f.services.storeSetting(kKey, QStringLiteral("stored")), stored);
    QCOMPARE(QFileInfo::exists(lock), !stored);
    QSettings reread(f.settingsFile, QSettings::IniFormat);
    QCOMPARE(reread.value(kKey).toString(), stored ? QStringLiteral("stored") : QString());
    if (left == QLatin1String("link")) {
        QFile t(target);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), QByteArray("kept"));
    }
}

void TestServicesAndLinks::storeMakesItsFolderBeforeItsLock() {
    // The first value ever stored: the store's folder does not exist yet, and its lock lives there.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("config/Lunara/Lunara.ini"));
    TestServices services(file);
    QVERIFY(services.storeSetting(kKey, QStringLiteral("first")));
    QCOMPARE(QSettings(file, QSettings::IniFormat).value(kKey).toString(), QStringLiteral("first"));
}

void TestServicesAndLinks::onlyStoresThatAreFilesAreLocked_data() {
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("lock");
    QTest::newRow("a file") << "/home/u/.config/Lunara/Lunara.conf"
                            << "/home/u/.config/Lunara/Lunara.conf.lock";
    QTest::newRow("the Windows registry") << "\\HKEY_CURRENT_USER\\Software\\Lunara\\Lunara" << QString();
    QTest::newRow("the registry, forward slashes") << "/HKEY_CURRENT_USER/Software/Lunara/Lunara" << QString();
    QTest::newRow("a relative name") << "Software/Lunara" << QString();
}

void TestServicesAndLinks::onlyStoresThatAreFilesAreLocked() {
    QFETCH(QString, store);
    QFETCH(QString, lock);
    QCOMPARE(storeLockPath(store), lock);
    if (!lock.isEmpty()) {
        return;
    }
    // A store that is no file is written without a probe, and its name never becomes a folder.
    QTemporaryDir here;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(here.path()));
    const bool free = storeLockFree(store);
    QDir::setCurrent(before);
    QVERIFY(free);
    QVERIFY(QDir(here.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/HKEY_CURRENT_USER")));
}

void TestServicesAndLinks::heldSettingsLockIsNotWaitedFor() {
    // A live holder (here this very process) keeps the store's lock: the value is not written and
    // nothing waits for the lock; once it is released the store takes values again.
    Fixture f;
    QLockFile held(f.settingsFile + QStringLiteral(".lock"));
    QVERIFY(held.tryLock(0));
    QVERIFY(!f.services.storeSetting(kKey, QStringLiteral("while held")));
    held.unlock();
    QVERIFY(f.services.storeSetting(kKey, QStringLiteral("after")));
    QCOMPARE(QSettings(f.settingsFile, QSettings::IniFormat).value(kKey).toString(), QStringLiteral("after"));
}

void TestServicesAndLinks::clockText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "12:06:31 PM ; 12/6/2026";
    QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "12:06:31 ; 06.12.2026";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "12:06:31 ; 06/12/2026";
}

void TestServicesAndLinks::clockText() {
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const QDateTime now(QDate(2026, 12, 6), QTime(12, 6, 31));
    QCOMPARE(lunara::clockText(now, locale), expected);
}

void TestServicesAndLinks::accessKeys_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("marker") << "Moon &Magick Reading"
                            << "Moon Magick Reading";
    QTest::newRow("escaped ampersand") << "name &&  link"
                                       << "name &  link";
    QTest::newRow("ampersand before a blank") << "Candle Magick & Moon"
                                              << "Candle Magick & Moon";
    QTest::newRow("trailing ampersand") << "Rock &"
                                        << "Rock &";
    QTest::newRow("plain") << "Passion"
                           << "Passion";
}

void TestServicesAndLinks::accessKeys() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(withoutAccessKeys(caption), shown);
}

void TestServicesAndLinks::twips_data() {
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("exact") << 8175.0 << 545;
    QTest::newRow("rounds up") << 1913.0 << 128;
    QTest::newRow("rounds down") << 907.0 << 60;
    QTest::newRow("negative") << -952.0 << -63;
}

void TestServicesAndLinks::twips() {
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(px(twips), pixels);
}

void TestServicesAndLinks::bindingAWrongNameFailsLoudly() {
    QWidget client;
    static constexpr Control kTable[] = {
        {"lblName", Kind::Label, nullptr, 0, 0, 1500, 300, "Name", {}},
        {"cmdGo", Kind::Button, nullptr, 0, 300, 1500, 300, "&Go", {}},
    };
    const Form form(&client, kTable, "Test");
    QLabel* lblName = nullptr;
    LUNARA_BIND(form, lblName);
    QCOMPARE(lblName->text(), QStringLiteral("Name"));
    // A misspelt member, or a control bound as the wrong kind, stops construction in every build type.
    QLabel* lblNmae = nullptr;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, LUNARA_BIND(form, lblNmae));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, form.bind(lblNmae, "cmdGo"));
    QVERIFY(!lblNmae);
}

void TestServicesAndLinks::labelsKeepTheirLookAndCentre() {
    QWidget client;
    static constexpr Control kTable[] = {
        {"lblTitle",
         Kind::Label,
         nullptr,
         3000,
         0,
         1500,
         300,
         "x",
         {.fg = 0xFF8000, .bg = kBlack, .bold = true, .align = AlignCenter, .autoSize = true}},
    };
    const Form form(&client, kTable, "Test");
    QLabel* lblTitle = nullptr;
    LUNARA_BIND(form, lblTitle);
    QCOMPARE(lblTitle->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(lblTitle->palette().color(QPalette::Window), QColor(Qt::black));
    // A label sized to its text grows and shrinks around the centre it was drawn with.
    const int centre = lblTitle->geometry().center().x();
    for (const char* text : {"Moon In Sagittarius, a long title", "Leo"}) {
        setLabelText(lblTitle, QString::fromLatin1(text));
        QVERIFY(lblTitle->width() >= lblTitle->fontMetrics().horizontalAdvance(lblTitle->text()));
        QVERIFY2(std::abs(lblTitle->geometry().center().x() - centre) <= 1,
                 qPrintable(QStringLiteral("%1 at %2").arg(text).arg(lblTitle->geometry().center().x())));
    }
}

QTEST_MAIN(TestServicesAndLinks)
#include "tst_services.moc"
