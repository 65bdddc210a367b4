#include "kit/save_file.h"
#include "tests/support/test_services.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace lunara;
using namespace lunara::test;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void plant(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The real services with the real save dialog; only the question before replacing is answered.
class RealDialogServices : public Services {
public:
    explicit RealDialogServices(const QString& settings)
        : Services(std::make_unique<QSettings>(settings, QSettings::IniFormat)) {}
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return false;
    }
    QStringList questions;
};

} // namespace

class TestSaving : public QObject {
    Q_OBJECT
private slots:
    void endings_data();
    void endings();
    void replacingAFileIsAsked_data();
    void replacingAFileIsAsked();
    void theRealDialogAddsTheEndingBeforeAsking();
#ifdef Q_OS_UNIX
    void aLinkAtTheNameIsAskedAboutAndReplacedItself_data();
    void aLinkAtTheNameIsAskedAboutAndReplacedItself();
#endif
    void aFailedWriteKeepsTheOldFileAndSaysWhy();
#ifdef Q_OS_UNIX
    void aFileTooLargeSaysSo();
#endif
};

void TestSaving::endings_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("bare name") << "moon"
                               << "moon.ics";
    QTest::newRow("dot in the name") << "moon.2026"
                                     << "moon.2026.ics";
    QTest::newRow("abbreviation and spaces") << "Mond Dez. 2026"
                                             << "Mond Dez. 2026.ics";
    QTest::newRow("already there") << "moon.ics"
                                   << "moon.ics";
    QTest::newRow("other case") << "MOON.ICS"
                                << "MOON.ICS";
    QTest::newRow("ending inside the name") << "moon.ics.txt"
                                            << "moon.ics.txt.ics";
    QTest::newRow("folder with a dot") << "/tmp/a.b/moon"
                                       << "/tmp/a.b/moon.ics";
}

void TestSaving::endings() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(withEnding(typed, QStringLiteral("ics")), saved);
}

// What the user types in turn, what is already there, how the questions are answered: the file
// written, and every file that was there keeps its bytes unless the user said to replace it.
void TestSaving::replacingAFileIsAsked_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("questions");
    QTest::newRow("new name") << QStringList{"fresh"} << QStringList{"moon.ics"} << false << "fresh.ics" << 0;
    QTest::newRow("ending added meets a file, kept")
        << QStringList{"moon"} << QStringList{"moon.ics"} << false << "" << 1;
    QTest::newRow("ending added meets a file, replaced")
        << QStringList{"moon"} << QStringList{"moon.ics"} << true << "moon.ics" << 1;
    QTest::newRow("dotted name meets a file")
        << QStringList{"moon.2026"} << QStringList{"moon.2026.ics"} << false << "" << 1;
    QTest::newRow("dotted name, no file with the ending")
        << QStringList{"moon.2026"} << QStringList{"moon.2026"} << false << "moon.2026.ics" << 0;
    QTest::newRow("kept, then another name")
        << QStringList{"moon", "other"} << QStringList{"moon.ics"} << false << "other.ics" << 1;
    QTest::newRow("full name of a file, kept")
        << QStringList{"moon.ics"} << QStringList{"moon.ics"} << false << "" << 1;
}

void TestSaving::replacingAFileIsAsked() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, existing);
    QFETCH(bool, yes);
    QFETCH(QString, result);
    QFETCH(int, questions);
    Fixture f;
    QTemporaryDir dir;
    for (const QString& name : existing) {
        plant(dir.filePath(name), "the user's own " + name.toUtf8());
    }
    for (const QString& name : typed) {
        f.services.saveAnswers << dir.filePath(name);
    }
    f.services.answerYes = yes;
    const QString path = f.services.askSaveFile(nullptr, QStringLiteral("Export to Calendar"),
                                                QStringLiteral("moon-1950.ics"), QString(), QStringLiteral("ics"));
    QCOMPARE(path, result.isEmpty() ? QString() : dir.filePath(result));
    QCOMPARE(f.services.questions.size(), questions);
    if (questions > 0) {
        QVERIFY2(f.services.questions.first().startsWith(QFileInfo(withEnding(typed.first(), "ics")).fileName() +
                                                         QStringLiteral(" already exists.")),
                 qPrintable(f.services.questions.first()));
    }
    // Asking writes nothing.
    for (const QString& name : existing) {
        QCOMPARE(contents(dir.filePath(name)), "the user's own " + name.toUtf8());
    }
}

void TestSaving::theRealDialogAddsTheEndingBeforeAsking() {
    QTemporaryDir dir;
    const QString mine = dir.filePath(QStringLiteral("moon.ics"));
    plant(mine, "mine");
    RealDialogServices services(dir.filePath(QStringLiteral("lunara.ini")));
    // The user types "moon" (no ending) and presses Enter; the second time the dialog comes, Esc.
    int shown = 0;
    QTimer typist;
    typist.setInterval(20);
    QObject::connect(&typist, &QTimer::timeout, &typist, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("typedInto").toBool()) {
            return;
        }
        dialog->setProperty("typedInto", true);
        if (++shown == 1) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(dir.filePath(QStringLiteral("moon")));
            QTest::keyClick(name, Qt::Key_Return);
        } else {
            dialog->reject();
        }
    });
    typist.start();
    const QString path =
        services.askSaveFile(nullptr, QStringLiteral("Export to Calendar"), QStringLiteral("moon-2026.ics"),
                             QStringLiteral("Calendar files (*.ics)"), QStringLiteral("ics"));
    typist.stop();
    QCOMPARE(shown, 2);
    QCOMPARE(services.questions, QStringList{QStringLiteral("moon.ics already exists.\nDo you want to replace it?")});
    QVERIFY(path.isEmpty());
    QCOMPARE(contents(mine), QByteArray("mine"));
}

#ifdef Q_OS_UNIX
// A symbolic link where the file would go, leading nowhere or to a file: replacing it is asked like
// replacing a file; No keeps the link, Yes puts the file in its place and leaves alone (or never
// makes) what it leads to.
void TestSaving::aLinkAtTheNameIsAskedAboutAndReplacedItself_data() {
    QTest::addColumn<bool>("leadsToAFile");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("writeFails");
    QTest::newRow("leads nowhere, kept") << false << false << false;
    QTest::newRow("leads nowhere, replaced") << false << true << false;
    QTest::newRow("leads nowhere, the write fails") << false << true << true;
    QTest::newRow("leads to a file, kept") << true << false << false;
    QTest::newRow("leads to a file, replaced") << true << true << false;
    QTest::newRow("leads to a file, the write fails") << true << true << true;
}

void TestSaving::aLinkAtTheNameIsAskedAboutAndReplacedItself() {
    QFETCH(bool, leadsToAFile);
    QFETCH(bool, yes);
    QFETCH(bool, writeFails);
    Fixture f;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("elsewhere")));
    const QString target = dir.filePath(QStringLiteral("elsewhere/theirs.ics"));
    if (leadsToAFile) {
        plant(target, "theirs");
    }
    const QString link = dir.filePath(QStringLiteral("moon.ics"));
    QVERIFY(QFile::link(QStringLiteral("elsewhere/theirs.ics"), link));
    f.services.saveAnswers << dir.filePath(QStringLiteral("moon"));
    f.services.answerYes = yes;
    const QString path = f.services.askSaveFile(nullptr, QStringLiteral("Export to Calendar"),
                                                QStringLiteral("moon-2026.ics"), QString(), QStringLiteral("ics"));
    QCOMPARE(f.services.questions, QStringList{QStringLiteral("moon.ics already exists.\nDo you want to replace it?")});
    if (yes) {
        QCOMPARE(path, link);
        QString error;
        const bool saved = SaveWhole(
            path, SavedFile::CalendarFile,
            [writeFails](QIODevice& device) { return device.write("ours") == 4 && !writeFails; }, &error);
        QVERIFY2(saved != writeFails, qPrintable(error));
    } else {
        QVERIFY(path.isEmpty());
    }
    if (yes && !writeFails) {
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(contents(link), QByteArray("ours"));
        // A new file's permissions (the umask's), as the folder beside it got them, without execution.
        QCOMPARE(QFileInfo(link).permissions(),
                 QFileInfo(dir.filePath(QStringLiteral("elsewhere"))).permissions() &
                     ~(QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther));
    } else {
        QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    }
    QCOMPARE(QFileInfo::exists(target), leadsToAFile);
    if (leadsToAFile) {
        QCOMPARE(contents(target), QByteArray("theirs"));
    }
    // Nothing left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("elsewhere"), QStringLiteral("moon.ics")}));
}
#endif

void TestSaving::aFailedWriteKeepsTheOldFileAndSaysWhy() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("moon.ics"));
    plant(path, "yesterday's calendar");
    QString error;
    // Half the file is written, then the maker gives up.
    QVERIFY(!SaveWhole(
        path, SavedFile::CalendarFile,
        [](QIODevice& device) {
            device.write(QByteArray(5000, 'x'));
            return false;
        },
        &error));
    QCOMPARE(contents(path), QByteArray("yesterday's calendar"));
    QCOMPARE(error, QStringLiteral("The calendar file could not be saved as moon.ics: the calendar file could not be "
                                   "made. Nothing was written."));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("moon.ics")});
}

#ifdef Q_OS_UNIX
void TestSaving::aFileTooLargeSaysSo() {
    // A file-size limit stands in for a full disk: the write fails part-way with the system's own word.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("month.pdf"));
    plant(path, "last month");
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = rlim_t{64} * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool saved = SaveWhole(
        path, SavedFile::Pdf,
        [](QIODevice& device) {
            const QByteArray block(qsizetype{16} * 1024, 'p');
            for (int i = 0; i < 16; ++i) {
                if (device.write(block) != block.size()) {
                    return false;
                }
            }
            return true;
        },
        &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    QVERIFY(!saved);
    QVERIFY2(error.contains(QLatin1String("File too large")), qPrintable(error));
    QVERIFY2(!error.contains(QLatin1String("canceled")), qPrintable(error));
    QCOMPARE(contents(path), QByteArray("last month"));
}
#endif

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
