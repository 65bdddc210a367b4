#include "kit/deferred_icon_style.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace lunara;

// The deferred icons must be the style's own icons in every way a widget can ask: the pictures at
// each size, whether there is one at all, and the sizes on offer.
class TestDeferredIconStyle : public QObject {
    Q_OBJECT
private slots:
    void sameIconsAsTheStyle_data();
    void sameIconsAsTheStyle();
    void widgetGoneFirst();
    void menuBarOverflowShowsItsIcon();
};

namespace {

void compareIcons(const QIcon& deferred, const QIcon& own) {
    QCOMPARE(deferred.isNull(), own.isNull());
    QCOMPARE(deferred.availableSizes(), own.availableSizes());
    for (int size : {16, 22, 32, 48}) {
        QCOMPARE(deferred.actualSize(QSize(size, size)), own.actualSize(QSize(size, size)));
        QCOMPARE(deferred.pixmap(size).toImage(), own.pixmap(size).toImage());
        QCOMPARE(deferred.pixmap(size, QIcon::Disabled).toImage(), own.pixmap(size, QIcon::Disabled).toImage());
        // As on denser screens.
        for (qreal ratio : {1.5, 2.0}) {
            QCOMPARE(deferred.pixmap(QSize(size, size), ratio).toImage(),
                     own.pixmap(QSize(size, size), ratio).toImage());
        }
    }
}

} // namespace

void TestDeferredIconStyle::sameIconsAsTheStyle_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("withWidget");
    const std::pair<const char*, QStyle::StandardPixmap> icons[] = {
        {"menu bar overflow", QStyle::SP_ToolBarHorizontalExtensionButton},
        {"information", QStyle::SP_MessageBoxInformation},
        {"warning", QStyle::SP_MessageBoxWarning},
        {"back arrow", QStyle::SP_ArrowBack},
        {"save button", QStyle::SP_DialogSaveButton},
        {"folder", QStyle::SP_DirIcon},
        {"none of its own", QStyle::SP_CustomBase},
    };
    for (const auto& [name, which] : icons) {
        QTest::addRow("%s", name) << int(which) << false;
        QTest::addRow("%s, for a widget", name) << int(which) << true;
    }
}

void TestDeferredIconStyle::sameIconsAsTheStyle() {
    QFETCH(int, which);
    QFETCH(bool, withWidget);
    const auto pixmap = QStyle::StandardPixmap(which);
    DeferredIconStyle style;
    QWidget widget;
    const QWidget* asker = withWidget ? &widget : nullptr;
    const QIcon deferred = style.standardIcon(pixmap, nullptr, asker);
    compareIcons(deferred, style.baseStyle()->standardIcon(pixmap, nullptr, asker));
}

void TestDeferredIconStyle::widgetGoneFirst() {
    DeferredIconStyle style;
    auto widget = std::make_unique<QWidget>();
    const QIcon icon = style.standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, widget.get());
    widget.reset();
    compareIcons(icon, style.baseStyle()->standardIcon(QStyle::SP_MessageBoxQuestion));
}

// The one icon Qt asks for at start-up: a menu bar too narrow for its menus shows it.
void TestDeferredIconStyle::menuBarOverflowShowsItsIcon() {
    auto* style = new DeferredIconStyle;
    QApplication::setStyle(style);
    QMainWindow window;
    for (const char* title : {"&File", "&Edit", "&View", "&Options", "&Window", "&Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(title));
    }
    window.resize(90, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* overflow = window.menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(overflow);
    QTRY_VERIFY(overflow->isVisible());
    const QIcon own =
        style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, window.menuBar());
    QVERIFY(!own.isNull());
    QCOMPARE(overflow->icon().pixmap(16).toImage(), own.pixmap(16).toImage());
}

QTEST_MAIN(TestDeferredIconStyle)
#include "tst_deferred_icon_style.moc"
