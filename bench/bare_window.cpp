// The floors Lunara is measured against: a bare Qt Widgets main window of the same size, and
// (with --text) the same window with a menu and a line of text, which makes Qt load its fonts.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("A line of text"), &window));
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(screen->availableGeometry());
    }
    window.showMaximized();
    return QApplication::exec();
}
