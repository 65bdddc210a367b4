#include "calendar/calendar_window.h"
#include "calendar/export_dialog.h"
#include "kit/about_window.h"
#include "kit/form.h"
#include "kit/text.h"
#include "place/location_dialog.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

using namespace lunara;
using namespace lunara::test;

// Every control a user can see must have a name a screen reader can speak.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyVisibleControlHasAName_data();
    void everyVisibleControlHasAName();
    void namesAreWhatTheUserSees();

private:
    // Walks the accessible tree below a widget; returns the controls without a name.
    static QStringList unnamed(QWidget* root, int* checked);
    void showWindow(const QString& which);

    std::unique_ptr<LauncherSession> session;
    frmMDI* launcher = nullptr;
    TestServices* services = nullptr;
};

void TestAccessibility::init() {
    session = std::make_unique<LauncherSession>();
    launcher = session->launcher.get();
    services = &session->fixture.services;
}

void TestAccessibility::cleanup() { session.reset(); }

QStringList TestAccessibility::unnamed(QWidget* root, int* checked) {
    static const QList<QAccessible::Role> spoken{
        QAccessible::PushButton,   QAccessible::RadioButton, QAccessible::ComboBox, QAccessible::StaticText,
        QAccessible::Graphic,      QAccessible::MenuItem,    QAccessible::Grouping, QAccessible::CheckBox,
        QAccessible::EditableText, QAccessible::List};
    QStringList missing;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* iface) {
        if (!iface || iface->state().invisible) {
            return;
        }
        auto* widget = qobject_cast<QWidget*>(iface->object());
        if (spoken.contains(iface->role()) && (!widget || widget->isVisible())) {
            ++*checked;
            const QString name = iface->text(QAccessible::Name).trimmed();
            if (name.isEmpty()) {
                missing << QStringLiteral("%1 (%2)")
                               .arg(iface->object() ? iface->object()->objectName() : "?")
                               .arg(int(iface->role()));
            }
        }
        for (int i = 0; i < iface->childCount(); ++i) {
            walk(iface->child(i));
        }
    };
    walk(QAccessible::queryAccessibleInterface(root));
    return missing;
}

void TestAccessibility::showWindow(const QString& which) {
    if (which.startsWith("candle")) {
        click(launcher->cmdSelectOption[0]);
        if (which == "candle result") {
            click(launcher->candleWindow()->cmdReading);
        }
    } else if (which == "moon calendar") {
        launcher->showMoonCalendar();
    } else if (which == "magick hours") {
        launcher->showMagickHours();
        QTRY_VERIFY(launcher->magickHours());
    } else if (which.startsWith("moon")) {
        click(launcher->cmdSelectOption[1]);
        frmMoonMagickMain* main = launcher->moonMain();
        if (which == "moon sign") {
            click(main->optZodiacalMoon);
        } else if (which == "moon element") {
            click(main->optElementalMoon);
        }
        if (which != "moon main") {
            click(main->cmdCalculateMoonPhase);
        }
    }
}

void TestAccessibility::everyVisibleControlHasAName_data() {
    QTest::addColumn<QString>("window");
    for (const char* w : {"launcher", "candle selection", "candle result", "moon main", "moon phase", "moon sign",
                          "moon element", "moon calendar", "magick hours"}) {
        QTest::newRow(w) << w;
    }
}

void TestAccessibility::everyVisibleControlHasAName() {
    QFETCH(QString, window);
    showWindow(window);
    int checked = 0;
    const QStringList missing = unnamed(launcher, &checked);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    QVERIFY(checked > 10);
    if (window == "launcher") {
        frmAbout about(launcher);
        about.show();
        int inAbout = 0;
        const QStringList aboutMissing = unnamed(&about, &inAbout);
        QVERIFY2(aboutMissing.isEmpty(), qPrintable(aboutMissing.join(", ")));
        QVERIFY(inAbout >= 7);
    }
    if (window == "moon calendar") {
        frmLocation* dialog = launcher->moonCalendar()->chooseLocation();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        int inDialog = 0;
        const QStringList dialogMissing = unnamed(dialog, &inDialog);
        QVERIFY2(dialogMissing.isEmpty(), qPrintable(dialogMissing.join(", ")));
        QVERIFY(inDialog >= 10);
        dialog->reject();
        frmExportCalendar* exporting = launcher->moonCalendar()->exportCalendar();
        QVERIFY(QTest::qWaitForWindowExposed(exporting));
        int inExport = 0;
        const QStringList exportMissing = unnamed(exporting, &inExport);
        QVERIFY2(exportMissing.isEmpty(), qPrintable(exportMissing.join(", ")));
        QVERIFY(inExport >= 10);
        exporting->reject();
    }
}

void TestAccessibility::namesAreWhatTheUserSees() {
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    // Labels speak their text (an object name here would hide it), buttons their caption without "&".
    QCOMPARE(name(launcher->lblCaption[0]), QStringLiteral("Welcome to Lunara"));
    QCOMPARE(name(launcher->cmdMdiExit), QStringLiteral("Exit"));
    QCOMPARE(name(launcher->cmdSelectOption[1]), QStringLiteral("Moon Magick"));
    QCOMPARE(name(launcher->Picture3), QStringLiteral("Full moon"));
    QCOMPARE(name(launcher->Picture2), QStringLiteral("Lit candles"));
    click(launcher->cmdSelectOption[1]);
    frmMoonMagickMain* main = launcher->moonMain();
    QCOMPARE(name(main->cmdCalculateMoonPhase), QStringLiteral("Moon Magick Reading"));
    QCOMPARE(name(main->optZodiacalMoon), QStringLiteral("Zodiacal Moon Magick"));
    // A list speaks its current entry, and is labelled by the caption above it.
    QAccessibleInterface* month = QAccessible::queryAccessibleInterface(main->cboMonth);
    QCOMPARE(month->text(QAccessible::Value), QStringLiteral("January"));
    QStringList labels;
    for (const auto& relation : month->relations(QAccessible::Label)) {
        labels << relation.first->text(QAccessible::Name);
    }
    QVERIFY2(labels.contains(QStringLiteral("Month")), qPrintable(labels.join(", ")));
    QCOMPARE(name(main->PicCurrentMoonPhase), QStringLiteral("Moon picture: 14 days, Full Moon"));
    QCOMPARE(name(main->lblCurrentMoonInSunsign), QStringLiteral("Moon In Capricorn"));
    QVERIFY(name(main->lblCobrand).contains(QStringLiteral("name &  link")));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
