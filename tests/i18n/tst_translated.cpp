// Every window in each language Lunara speaks, and in a pseudo-language 40 % longer than English:
// no text left in English where the catalogue has a translation (with the pseudo-language: no
// text the catalogue lacks), no text cut off by its control, nothing outside the window or the
// screen. Run at 1280 x 800 and at 200 % on 2560 x 1600 (two registrations of this test).
#include "calendar/calendar_window.h"
#include "calendar/export_dialog.h"
#include "calendar/year_window.h"
#include "hours/hours_window.h"
#include "kit/about_window.h"
#include "kit/text.h"
#include "place/location_dialog.h"
#include "reminders/reminder_window.h"
#include "reminders/reminders_dialog.h"
#include "shell/launcher.h"
#include "tests/support/launcher_session.h"
#include "tests/support/windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDomDocument>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTranslator>
#include <QTreeWidget>

using namespace lunara;
using namespace lunara::test;

namespace {

// What the catalogue of a language says: each source text and whether its translation differs.
struct Catalogue {
    QSet<QString> untranslatedIfSeen; // sources whose translation is another text
};

QString plain(QString text) { return withoutAccessKeys(text.replace(QLatin1String("&&"), QLatin1String("&"))); }

Catalogue readCatalogue(const QString& path) {
    Catalogue out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return out;
    }
    QDomDocument doc;
    doc.setContent(&file);
    QSet<QString> keptAsItIs;
    const QDomNodeList messages = doc.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement m = messages.at(i).toElement();
        const QString source = m.firstChildElement(QStringLiteral("source")).text();
        const QDomElement translation = m.firstChildElement(QStringLiteral("translation"));
        QString text = translation.text();
        if (translation.firstChildElement(QStringLiteral("numerusform")).isElement()) {
            text = translation.firstChildElement(QStringLiteral("numerusform")).text();
        }
        // Only texts a control shows whole: a pattern with a placeholder never appears as itself.
        if (source.contains(u'%')) {
            continue;
        }
        (plain(text) != plain(source) ? out.untranslatedIfSeen : keptAsItIs).insert(plain(source));
    }
    // A word the language writes as English does ("Date" in French) in one place is no sign of a
    // forgotten translation where another place translates it otherwise.
    out.untranslatedIfSeen.subtract(keptAsItIs);
    return out;
}

QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Whether a control shows its text whole and lies within what holds it; empty when it does.
QString fitProblem(QWidget* w) {
    const QString name =
        w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    const QFontMetrics fm(w->font());
    // What a text takes of its control must lie within what holds the control.
    QWidget* parent = w->parentWidget();
    QRect used = w->geometry();
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        used = fm.boundingRect(label->contentsRect(), flags, label->text()).translated(label->pos());
    }
    if (parent && parent->objectName() != QLatin1String("qt_scrollarea_viewport") && !parent->rect().contains(used) &&
        (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w))) {
        return QStringLiteral("%1 lies outside %2: %3 in %4")
            .arg(name, parent->objectName(), rectText(used), rectText(parent->rect()));
    }
    const auto over = [&](const QString& text, int room, int needed) {
        return QStringLiteral("%1 cuts off «%2»: %3 px needed, %4 there").arg(name, text).arg(needed).arg(room);
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) {
            return {};
        }
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text());
        if (need.width() > room.width() + 1) {
            return over(label->text(), room.width(), need.width());
        }
        if (need.height() > room.height() + 1) {
            return over(label->text(), room.height(), need.height()) + QStringLiteral(" (height)");
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        // Where the style draws a button's caption.
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString text = withoutAccessKeys(button->text());
        const QRect need = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignCenter, text);
        if (need.width() > room.width()) {
            return over(text, room.width(), need.width());
        }
        if (need.height() > room.height()) {
            return over(text, room.height(), need.height()) + QStringLiteral(" (height)");
        }
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        if (w->sizeHint().width() > w->width() + 1) {
            return over(withoutAccessKeys(static_cast<QAbstractButton*>(w)->text()), w->width(), w->sizeHint().width());
        }
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        // The closed list shows its entry beside the arrow: every entry must fit there.
        QStyleOptionComboBox option;
        option.initFrom(list);
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
        for (int i = 0; i < list->count(); ++i) {
            const int needed = fm.horizontalAdvance(list->itemText(i));
            if (needed > room) {
                return over(list->itemText(i), room, needed);
            }
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        const int needed = fm.horizontalAdvance(withoutAccessKeys(group->title())) + 16;
        if (!group->title().isEmpty() && needed > group->width()) {
            return over(group->title(), group->width(), needed);
        }
    }
    return {};
}

// The letter "&" marks in a caption, lower case; none for "&&" or no mark.
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&' && !caption[i + 1].isSpace()) {
                return caption[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// Where Alt and a letter reach two things: within a window its buttons, options, boxes, captions
// that lead to a field and the menu bar's menus; within a menu, its items. Each clash is named by
// the two controls' names, and those the English program has itself (the launcher's program
// buttons beside a window's own, two Exit buttons) are no fault of a translation.
QStringList clashingAccessKeys(QWidget* top) {
    static const QSet<QString> english{"cmdMdiExit+cmdExit", "cmdSelectOption_0+optClassic",
                                       "cmdSelectOption_1+optModern", "cmdSelectOption_1+cmdCalculateMoonPhase"};
    QStringList out;
    struct Key {
        QChar letter;
        QString name;
        QString text;
    };
    const auto check = [&out](const QList<Key>& keys, const QString& where) {
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (qsizetype j = i + 1; j < keys.size(); ++j) {
                const Key& a = keys[i];
                const Key& b = keys[j];
                if (a.letter.isNull() || a.letter != b.letter || english.contains(a.name + u'+' + b.name) ||
                    english.contains(b.name + u'+' + a.name)) {
                    continue;
                }
                out << QStringLiteral("%1: Alt+%2 for both %3 «%4» and %5 «%6»")
                           .arg(where, a.letter, a.name, a.text, b.name, b.text);
            }
        }
    };
    QList<Key> window;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || w->window() != top) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            window.append({accessKey(button->text()), w->objectName(), button->text()});
        } else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) {
            window.append({accessKey(label->text()), w->objectName(), label->text()});
        }
    }
    if (auto* main = qobject_cast<QMainWindow*>(top)) {
        for (QAction* a : main->menuBar()->actions()) {
            if (!a->isVisible()) {
                continue;
            }
            window.append({accessKey(a->text()), a->objectName(), a->text()});
            if (a->menu()) {
                QList<Key> items;
                for (QAction* item : a->menu()->actions()) {
                    if (item->isVisible() && !item->isSeparator()) {
                        items.append({accessKey(item->text()), item->objectName(), item->text()});
                    }
                }
                check(items, a->objectName());
            }
        }
    }
    check(window, top->objectName());
    return out;
}

// A text a control shows, where it is and whether it must fit its control.
struct Shown {
    QWidget* widget;
    QString text;
    QString where;
};

} // namespace

class TestTranslated : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindow_data();
    void everyWindow();
    void cleanup();

private:
    void open(const QString& window);
    QList<QWidget*> windowsShown() const;
    static QList<Shown> textsOf(QWidget* top);

    QString language_;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
    std::unique_ptr<LauncherSession> session_;
    QPointer<QDialog> dialog_;
    std::unique_ptr<frmReminder> reminder_;
};

void TestTranslated::initTestCase() {
    language_ = qEnvironmentVariable("LUNARA_TEST_LANGUAGE");
    QVERIFY2(!language_.isEmpty(), "LUNARA_TEST_LANGUAGE names the language");
    own_ = std::make_unique<QTranslator>();
    if (language_ == QLatin1String("en")) {
        return; // the source: the layout and access keys every language starts from
    }
    const QString file = language_ == QLatin1String("pseudo") ? QStringLiteral(LUNARA_PSEUDO_QM)
                                                              : QStringLiteral(":/i18n/lunara_%1.qm").arg(language_);
    QVERIFY2(own_->load(file), qPrintable(file));
    QCoreApplication::installTranslator(own_.get());
    qt_ = std::make_unique<QTranslator>();
    if (qt_->load(QStringLiteral("qt_") + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt_.get());
    }
}

void TestTranslated::cleanup() {
    delete dialog_;
    reminder_.reset();
    session_.reset();
    flushDeletes();
}

void TestTranslated::everyWindow_data() {
    QTest::addColumn<QString>("window");
    for (const char* w : {"launcher", "about", "candle selection", "candle result", "moon main", "moon phase",
                          "moon sign", "moon element", "moon calendar", "location", "export", "magick hours",
                          "the year", "reminders", "reminder window"}) {
        QTest::newRow(w) << w;
    }
}

void TestTranslated::open(const QString& window) {
    session_ = std::make_unique<LauncherSession>(QDateTime(QDate(2026, 12, 24), QTime(9, 30)));
    TestServices& services = session_->fixture.services;
    services.zone = QTimeZone("Europe/Berlin");
    // Dates in the same language's formats, as a user of that language has them (the pseudo-language
    // keeps the British ones).
    if (language_ != QLatin1String("pseudo") && language_ != QLatin1String("en")) {
        QLocale::setDefault(QLocale(language_));
    }
    frmMDI* launcher = session_->launcher.get();
    launcher->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    launcher->showMaximized();
    if (window.startsWith(QLatin1String("candle"))) {
        click(launcher->cmdSelectOption[0]);
        if (window == QLatin1String("candle result")) {
            click(launcher->candleWindow()->cmdReading);
        }
    } else if (window.startsWith(QLatin1String("moon ")) && window != QLatin1String("moon calendar")) {
        click(launcher->cmdSelectOption[1]);
        frmMoonMagickMain* main = launcher->moonMain();
        if (window == QLatin1String("moon sign")) {
            click(main->optZodiacalMoon);
        } else if (window == QLatin1String("moon element")) {
            click(main->optElementalMoon);
        }
        if (window != QLatin1String("moon main")) {
            click(main->cmdCalculateMoonPhase);
        }
    } else if (window == QLatin1String("moon calendar") || window == QLatin1String("location") ||
               window == QLatin1String("export")) {
        launcher->showMoonCalendar();
        QTRY_VERIFY(launcher->moonCalendar());
        if (window == QLatin1String("location")) {
            dialog_ = launcher->moonCalendar()->chooseLocation();
        } else if (window == QLatin1String("export")) {
            dialog_ = launcher->moonCalendar()->exportCalendar();
        }
    } else if (window == QLatin1String("magick hours")) {
        launcher->showMagickHours();
        QTRY_VERIFY(launcher->magickHours());
    } else if (window == QLatin1String("the year")) {
        launcher->showYear();
        QTRY_VERIFY(launcher->yearWindow());
    } else if (window == QLatin1String("about")) {
        dialog_ = new frmAbout(launcher);
        dialog_->show();
    } else if (window == QLatin1String("reminders")) {
        dialog_ = new frmReminders(services, true, launcher);
        dialog_->show();
    } else if (window == QLatin1String("reminder window")) {
        reminder_ = std::make_unique<frmReminder>();
        Reminder r;
        r.summary = QCoreApplication::translate("EventWords", "Full moon in %1").arg(QStringLiteral("Cancer"));
        r.body = QCoreApplication::translate("lunara::Reminders", "Late reminder");
        r.day = QDate(2026, 12, 24);
        reminder_->add(r);
    }
    if (dialog_) {
        QVERIFY(QTest::qWaitForWindowExposed(dialog_));
    }
    QTest::qWait(0);
    flushDeletes();
}

QList<QWidget*> TestTranslated::windowsShown() const {
    QList<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !qobject_cast<QMenu*>(w)) {
            out << w;
        }
    }
    return out;
}

QList<Shown> TestTranslated::textsOf(QWidget* top) {
    QList<Shown> out;
    const auto add = [&out](QWidget* w, const QString& text, const QString& what) {
        if (!text.trimmed().isEmpty()) {
            out.push_back({w, text, QStringLiteral("%1 %2").arg(w->objectName(), what)});
        }
    };
    QList<QWidget*> all = top->findChildren<QWidget*>();
    all.prepend(top);
    for (QWidget* w : all) {
        if (!w->isVisibleTo(top) && w != top) {
            continue;
        }
        if (w->isWindow()) {
            add(w, w->windowTitle(), QStringLiteral("title"));
        }
        add(w, w->toolTip(), QStringLiteral("tooltip"));
        add(w, w->accessibleName(), QStringLiteral("accessible name"));
        add(w, w->accessibleDescription(), QStringLiteral("accessible description"));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            add(w, label->text(), QStringLiteral("text"));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            add(w, button->text(), QStringLiteral("text"));
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            add(w, group->title(), QStringLiteral("title"));
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                add(w, list->itemText(i), QStringLiteral("entry %1").arg(i));
            }
        } else if (auto* items = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < items->count(); ++i) {
                add(w, items->item(i)->text(), QStringLiteral("item %1").arg(i));
            }
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                add(w, tree->headerItem()->text(c), QStringLiteral("heading %1").arg(c));
            }
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                for (int c = 0; c < tree->columnCount(); ++c) {
                    add(w, (*it)->text(c), QStringLiteral("cell"));
                }
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            std::function<void(const QList<QAction*>&)> actions = [&](const QList<QAction*>& list) {
                for (QAction* a : list) {
                    if (a->isVisible() && !a->isSeparator()) {
                        add(w, a->text(), QStringLiteral("menu %1").arg(a->objectName()));
                        if (a->menu()) {
                            actions(a->menu()->actions());
                        }
                    }
                }
            };
            actions(bar->actions());
        }
    }
    return out;
}

void TestTranslated::everyWindow() {
    QFETCH(QString, window);
    open(window);
    const bool pseudo = language_ == QLatin1String("pseudo");
    const bool source = language_ == QLatin1String("en");
    const Catalogue catalogue =
        pseudo || source ? Catalogue{}
                         : readCatalogue(QStringLiteral(LUNARA_SOURCE_DIR "/translations/lunara_%1.ts").arg(language_));
    // Names, numbers, dates, times and the program's own values are not translated.
    static const QRegularExpression data(
        QStringLiteral("^[\\d\\s.,:;/%°′″+\\-−–()]*$|^Lunara$|^Velmora$|^lunara|https?://|\\.pdf$|\\.ics$"));
    static const QSet<QString> names{"Berlin", "Germany", "Europe/Berlin", "Cancer"};
    // Dates and times are written by the formats locale, not translated: the pseudo-language keeps
    // the British ones, whose month and day names are data here.
    QStringList calendarWords{QStringLiteral("AM"), QStringLiteral("PM")};
    const QLocale formats(QLocale::English, QLocale::UnitedKingdom);
    for (int i = 1; i <= 12; ++i) {
        calendarWords << formats.monthName(i, QLocale::LongFormat) << formats.monthName(i, QLocale::ShortFormat);
    }
    for (int i = 1; i <= 7; ++i) {
        calendarWords << formats.dayName(i, QLocale::LongFormat) << formats.dayName(i, QLocale::ShortFormat);
    }
    const QRegularExpression dates(QStringLiteral("^((%1)|[\\d\\s.,:;/])+$").arg(calendarWords.join(u'|')));
    QStringList untranslated;
    QStringList cut;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (QWidget* top : windowsShown()) {
        if (!screen.contains(top->frameGeometry()) && !screen.contains(top->geometry())) {
            cut << QStringLiteral("%1 lies outside the screen: %2").arg(top->objectName(), rectText(top->geometry()));
        }
        for (const Shown& s : textsOf(top)) {
            const QString text = plain(s.text);
            // Each language names itself; cities and countries keep their names.
            if (s.where.contains(QLatin1String("mnuLanguage_")) ||
                s.widget->objectName() == QLatin1String("lstCities")) {
                continue;
            }
            if (data.match(text).hasMatch() || names.contains(text) || (pseudo && dates.match(text).hasMatch())) {
                continue;
            }
            const bool left = pseudo ? !text.contains(u'[') : catalogue.untranslatedIfSeen.contains(text);
            if (left) {
                untranslated << QStringLiteral("%1: «%2»").arg(s.where, text);
            }
        }
        QList<QWidget*> all = top->findChildren<QWidget*>();
        for (QWidget* w : all) {
            if (!w->isVisibleTo(top) || w->isWindow()) {
                continue;
            }
            const QString problem = fitProblem(w);
            if (!problem.isEmpty()) {
                cut << problem;
            }
        }
    }
    // Alt and a letter reach one thing in a window: its buttons and captions, and the menu bar's menus
    // beside them; within each menu, one item.
    for (QWidget* top : windowsShown()) {
        cut << clashingAccessKeys(top);
    }
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

QTEST_MAIN(TestTranslated)
#include "tst_translated.moc"
