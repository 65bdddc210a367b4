// Writes, as plain text, everything Lunara says: the moon rule's age for every date of the lists,
// the phase of every age, the sign of every day, every correspondence text, every candle record
// and option, and the texts, captions and accessible names of every window (with the clock fixed
// at 23 December 2007, 12:06:31). tests/snapshot/lunara.txt is the reviewed copy; the snapshot test
// fails on any difference. After an intended change: write_snapshot > tests/snapshot/lunara.txt
#include "candle/tables.h"
#include "kit/about_window.h"
#include "kit/feature_window.h"
#include "kit/text.h"
#include "moon/age.h"
#include "moon/sign.h"
#include "moon/texts.h"
#include "shell/launcher.h"
#include "tests/support/test_services.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextStream>

using namespace lunara;

namespace {

QTextStream out(stdout);

// Texts in guillemets, so that leading and trailing blanks show.
QString q(std::string_view s) { return QStringLiteral("«%1»").arg(qs(s)); }
QString q(const QString& s) { return QStringLiteral("«%1»").arg(s); }

void moonRule() {
    out << "# Moon age by the calendar rule: a line a year, the 31 days of each month in turn (0-9, a-t)\n";
    const QString digits = QStringLiteral("0123456789abcdefghijklmnopqrst");
    for (int year = 1901; year <= 2050; ++year) {
        QString line;
        for (int month = 1; month <= 12; ++month) {
            line += QLatin1Char(' ');
            for (int day = 1; day <= 31; ++day) {
                const int age = CalculateMoonAge(day, month, year);
                line += age >= 0 && age < 30 ? digits[age] : QLatin1Char('?');
            }
        }
        out << year << line << '\n';
    }
    out << "\n# Phase and picture of every age\n";
    for (int age = -1; age <= 30; ++age) {
        const MoonPhaseInfo info = MoonPhaseForAge(age);
        out << "age " << age << ": " << qs(info.phaseName) << ", age " << info.age << ", picture " << info.pictureIndex
            << '\n';
    }
}

void signs() {
    out << "\n# Sign of every day (runs of days), and element of every sign\n";
    for (int month = 0; month <= 13; ++month) {
        QString line = QStringLiteral("month %1:").arg(month);
        QString current;
        int from = 0;
        for (int day = 0; day <= 33; ++day) {
            const auto sign = CalculateSunSign(day, month);
            const QString name = sign ? qs(*sign) : QStringLiteral("-");
            if (day == 0 || name != current) {
                if (day > 0) {
                    line += QStringLiteral(" %1-%2 %3").arg(from).arg(day - 1).arg(current);
                }
                current = name;
                from = day;
            }
        }
        out << line << QStringLiteral(" %1-33 %2").arg(from).arg(current) << '\n';
    }
    for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
                             "Capricorn", "Aquarius", "Pisces", "aries", "Aries ", "Fire", ""}) {
        const auto element = ElementForSign(sign);
        out << q(std::string_view(sign)) << " -> " << (element ? q(*element) : QStringLiteral("none")) << '\n';
    }
}

void texts() {
    out << "\n# Correspondence texts\n";
    for (const char* phase : {"Dark Moon", "New Moon", "Waxing Moon", "Full Moon", "Waning Moon", "dark moon"}) {
        const MoonPhaseText* t = FindPhaseText(phase);
        out << "phase " << q(std::string_view(phase)) << ": " << (t ? q(t->description) : QStringLiteral("none"))
            << '\n';
    }
    for (const char* sign : {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
                             "Capricorn", "Aquarius", "Pisces", "Leo "}) {
        if (const SunsignText* t = FindSunsignText(sign)) {
            out << "sign " << q(t->name) << " title " << q(t->title) << " keyword " << q(t->keyword) << '\n'
                << "  reading " << q(t->description(Screen::Reading)) << '\n'
                << "  today   " << q(t->description(Screen::Today)) << '\n';
        } else {
            out << "sign " << q(std::string_view(sign)) << ": none\n";
        }
    }
    for (const char* element : {"Fire", "Earth", "Air", "Water", "fire"}) {
        if (const ElementText* t = FindElementText(element)) {
            out << "element " << q(t->name) << '\n'
                << "  reading " << q(t->description(Screen::Reading)) << '\n'
                << "  today   " << q(t->description(Screen::Today)) << '\n';
        } else {
            out << "element " << q(std::string_view(element)) << ": none\n";
        }
    }
}

void candles() {
    out << "\n# Candle colours\n";
    for (const CandleColor& c : CandleColors()) {
        out << q(c.name) << " purposes " << q(c.purposes) << '\n' << "  " << q(c.significance) << '\n';
    }
    out << "\n# Candle modes and what each option (and a text no option has) gives\n";
    for (ChooseBy mode = -1; mode <= static_cast<ChooseBy>(ModeCaptions().size()); ++mode) {
        const auto caption = mode >= 0 && mode < static_cast<ChooseBy>(ModeCaptions().size())
                                 ? q(ModeCaptions()[static_cast<std::size_t>(mode)])
                                 : QStringLiteral("(out of range)");
        out << "mode " << mode << " " << caption << " word " << q(ModeWord(mode)) << '\n';
        std::vector<std::string_view> options(OptionsFor(mode).begin(), OptionsFor(mode).end());
        options.emplace_back("No such option");
        for (std::string_view option : options) {
            const CandleColor* c = LookupCandle(mode, option);
            out << "  " << q(option) << " -> " << (c ? q(c->name) : QStringLiteral("none")) << '\n';
        }
    }
}

// Every widget of a window with what it shows and what a screen reader reads, in tree order.
void window(const QString& title, QWidget* w) {
    out << "\n# Window " << w->objectName() << " " << q(w->windowTitle()) << " (" << title << ")\n";
    // A feature window's menus live apart from it, in the bar the launcher shows them from.
    auto* feature = qobject_cast<FeatureWindow*>(w);
    QList<QWidget*> all = w->findChildren<QWidget*>();
    if (feature) {
        all += feature->menus()->findChildren<QWidget*>();
    }
    for (QWidget* c : all) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(c)) {
            text = label->pixmap().isNull() ? q(label->text()) : QStringLiteral("(picture)");
        } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            // A caption broken to fit a wider font reads as one line.
            text = q(button->text().replace(QLatin1Char('\n'), QLatin1Char(' '))) +
                   (button->isChecked() ? QStringLiteral(" checked") : QString());
        } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
            text = q(group->title());
        } else if (auto* list = qobject_cast<QComboBox*>(c)) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i) {
                items << list->itemText(i);
            }
            text = QStringLiteral("%1 entries, current %2: %3")
                       .arg(list->count())
                       .arg(q(list->currentText()))
                       .arg(items.mid(0, 14).join(QLatin1Char('|')));
        }
        out << "  " << c->objectName() << " " << c->metaObject()->className() << " " << text;
        if (!c->accessibleName().isEmpty()) {
            out << " name " << q(c->accessibleName());
        }
        out << (c->isVisibleTo(w) ? "" : " hidden") << '\n';
        // A table's cells are read one by one.
        if (auto* view = qobject_cast<QAbstractItemView*>(c); view && view->model()) {
            const QAbstractItemModel* m = view->model();
            for (int r = 0; r < m->rowCount(); ++r) {
                for (int k = 0; k < m->columnCount(); ++k) {
                    const QModelIndex i = m->index(r, k);
                    if (!i.data().toString().isEmpty()) {
                        out << "    cell " << r << "," << k << " " << q(i.data().toString()) << " name "
                            << q(i.data(Qt::AccessibleTextRole).toString()) << '\n';
                    }
                }
            }
        }
    }
    QList<QAction*> actions = w->findChildren<QAction*>();
    if (feature) {
        actions += feature->menus()->findChildren<QAction*>();
    }
    for (const QAction* a : actions) {
        if (!a->objectName().isEmpty()) {
            out << "  action " << a->objectName() << " " << q(a->isSeparator() ? QStringLiteral("-") : a->text())
                << (a->shortcut().isEmpty() ? QString() : QStringLiteral(" key ") + a->shortcut().toString())
                << (a->isEnabled() ? "" : " off") << '\n';
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    moonRule();
    signs();
    texts();
    candles();

    test::Fixture fixture; // fixed clock 23 December 2007, 12:06:31, US formats
    frmMDI launcher(fixture.services);
    launcher.resize(1000, 760);
    window(QStringLiteral("launcher"), &launcher);
    frmAbout about(&launcher);
    window(QStringLiteral("About"), &about);
    launcher.cmdSelectOption_Click(0);
    window(QStringLiteral("Candle Magick"), launcher.candleWindow());
    launcher.candleWindow()->cmdReading_Click();
    window(QStringLiteral("Candle Magick, a reading"), launcher.candleWindow());
    launcher.cmdSelectOption_Click(1);
    window(QStringLiteral("Moon Magick"), launcher.moonMain());
    for (QRadioButton* option : {launcher.moonMain()->optMoonPhase, launcher.moonMain()->optZodiacalMoon,
                                 launcher.moonMain()->optElementalMoon}) {
        option->setChecked(true);
        launcher.moonMain()->cmdCalculateMoonPhase_Click();
        window(QStringLiteral("a reading: ") + option->text(), &launcher.moonDisplay());
        launcher.moonDisplay().cmdBack_Click();
    }
    launcher.showMoonCalendar();
    window(QStringLiteral("Moon Calendar, in UTC"), launcher.moonCalendar());
    launcher.showMagickHours();
    QCoreApplication::processEvents(); // the launcher opens it once the request's handler returns
    window(QStringLiteral("Magick Hours, in UTC"), launcher.magickHours());
    out.flush();
    return 0;
}
