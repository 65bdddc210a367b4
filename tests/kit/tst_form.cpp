// A drop-down list built by the form shows its longest entry whole however its entries arrive: one
// at a time, many short ones before a long one, or a long one before short ones.
#include "kit/form.h"

#include <QComboBox>
#include <QStyleOptionComboBox>
#include <QTest>
#include <array>

using namespace lunara;

namespace {

// A list 1500 twips (100 px) wide with 500 px of free room to its right, at the left of a 600 px panel.
constexpr std::array<Control, 1> kTable{{{"cboList", Kind::ComboBox, nullptr, 0, 0, 1500, 300, nullptr, {}}}};

int editWidth(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
}

int widestEntry(QComboBox* list) {
    int widest = 0;
    for (int i = 0; i < list->count(); ++i) {
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    }
    return widest;
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT
private slots:
    void aListShowsItsLongestEntry_data();
    void aListShowsItsLongestEntry();
};

void TestForm::aListShowsItsLongestEntry_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("widened"); // whether the list took room beside it
    QTest::addColumn<bool>("shrunk");  // whether the text had to be drawn smaller
    QStringList years;
    for (int y = 1901; y <= 2050; ++y) {
        years << QString::number(y);
    }
    const QString longer = QStringLiteral("An entry much longer than the list was drawn for");
    const QString tooLong = QString(QStringLiteral("An entry longer than all the room beside the list ")).repeated(3);
    QTest::newRow("150 short entries") << years << false << false;
    QTest::newRow("a long entry after 150 short ones") << (QStringList(years) << longer) << true << false;
    QTest::newRow("a long entry, then 150 short ones") << (QStringList{longer} + years) << true << false;
    QTest::newRow("an entry too long for the room, then short ones") << (QStringList{tooLong} + years) << true << true;
    QTest::newRow("short ones, then one too long for the room") << (QStringList(years) << tooLong) << true << true;
}

void TestForm::aListShowsItsLongestEntry() {
    QFETCH(QStringList, entries);
    QFETCH(bool, widened);
    QFETCH(bool, shrunk);
    QWidget panel;
    panel.resize(600, 100);
    const Form form(&panel, kTable, "TestForm");
    QComboBox* list = nullptr;
    form.bind(list, "cboList");
    const double drawnPoints = list->font().pointSizeF();
    const int drawnWidth = list->width();
    for (const QString& entry : entries) {
        list->addItem(entry);
    }
    QCOMPARE(list->count(), entries.size());
    QCOMPARE(list->font().pointSizeF() < drawnPoints, shrunk);
    QCOMPARE(list->width() > drawnWidth, widened);
    if (shrunk) {
        // Every room beside it taken before the text is drawn smaller.
        QCOMPARE(list->width(), 600);
    } else {
        QVERIFY2(widestEntry(list) <= editWidth(list),
                 qPrintable(QStringLiteral("%1 > %2").arg(widestEntry(list)).arg(editWidth(list))));
    }
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
