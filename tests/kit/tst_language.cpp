// The language Lunara speaks: which catalogue a user's languages pick, the stored choice and the
// Language menu that keeps it for the next start.
#include "kit/language.h"
#include "tests/support/launcher_session.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace lunara;
using namespace lunara::test;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void theUsersLanguagesPickACatalogue_data();
    void theUsersLanguagesPickACatalogue();
    void theStoredChoice_data();
    void theStoredChoice();
    void theLanguageMenuKeepsTheChoice();
};

void TestLanguage::theUsersLanguagesPickACatalogue_data() {
    QTest::addColumn<QStringList>("ui"); // as LANGUAGE, LC_MESSAGES and LANG give them, in order
    QTest::addColumn<QString>("code");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("English before German") << QStringList{"en-US", "de-DE"} << "en";
    QTest::newRow("a language Lunara lacks, then German") << QStringList{"ja-JP", "de"} << "de";
    QTest::newRow("only languages Lunara lacks") << QStringList{"ja-JP", "ko"} << "en";
    QTest::newRow("Portugal's Portuguese reads Brazil's") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Mexican Spanish") << QStringList{"es-MX"} << "es";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Russian") << QStringList{"ru-RU"} << "ru";
    QTest::newRow("Italian") << QStringList{"it"} << "it";
    QTest::newRow("the C locale") << QStringList{"C"} << "en";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void TestLanguage::theUsersLanguagesPickACatalogue() {
    QFETCH(QStringList, ui);
    QFETCH(QString, code);
    QCOMPARE(languageFor(ui), code);
}

void TestLanguage::theStoredChoice_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("chosen"); // empty: the system's
    QTest::newRow("German") << QVariant(QStringLiteral("de")) << "de";
    QTest::newRow("English") << QVariant(QStringLiteral("en")) << "en";
    QTest::newRow("nothing stored") << QVariant() << "";
    QTest::newRow("a language Lunara lacks") << QVariant(QStringLiteral("xx")) << "";
    QTest::newRow("a locale's name") << QVariant(QStringLiteral("de_DE")) << "";
    QTest::newRow("a list") << QVariant(QStringList{"de", "en"}) << "";
}

void TestLanguage::theStoredChoice() {
    QFETCH(QVariant, stored);
    QFETCH(QString, chosen);
    Fixture fixture;
    if (stored.isValid()) {
        fixture.services.settings().setValue(QString::fromLatin1(kLanguageKey), stored);
    }
    QCOMPARE(chosenLanguage(fixture.services.settings()), chosen);
}

void TestLanguage::theLanguageMenuKeepsTheChoice() {
    LauncherSession session;
    TestServices& services = session.fixture.services;
    auto* menu = session.launcher->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
    QVERIFY(menu);
    auto* system = menu->findChild<QAction*>(QStringLiteral("mnuLanguageSystem"));
    auto* german = menu->findChild<QAction*>(QStringLiteral("mnuLanguage_de"));
    QVERIFY(system && german);
    QVERIFY(system->isChecked());
    // Each language named in its own.
    QStringList names;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action != system) {
            names << action->text();
        }
    }
    QCOMPARE(names,
             (QStringList{"English", "Deutsch", "Español", "Français", "Italiano", "Português (Brasil)", "Русский"}));
    german->trigger();
    QVERIFY(german->isChecked());
    QCOMPARE(QSettings(session.fixture.settingsFile, QSettings::IniFormat).value(QString::fromLatin1(kLanguageKey)),
             QVariant(QStringLiteral("de")));
    QCOMPARE(services.messages, QStringList{"Lunara speaks the language chosen from its next start."});
    // Back to the desktop's language: kept as no choice.
    system->trigger();
    QCOMPARE(chosenLanguage(services.settings()), QString());
    QCOMPARE(services.messages.size(), 2);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
