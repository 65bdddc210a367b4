#include "assets/assets.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>

static void registerResources() { Q_INIT_RESOURCE(assets); }

namespace lunara {

namespace {

// Every picture here is a PNG. Naming the format and turning detection off keeps Qt from loading
// and asking each image plugin (GIF, JPEG, ...) first: at start-up that cost more than decoding.
QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

void initAssets() {
    static const bool once = (registerResources(), true);
    Q_UNUSED(once);
}

QPixmap assetPixmap(const QString& name) {
    initAssets();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QString base = name.left(name.lastIndexOf('.'));
        QPixmap hi = readPng(QStringLiteral(":/%1@2x.png").arg(base));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    return readPng(QStringLiteral(":/") + name);
}

QIcon programIcon() {
    initAssets();
    QIcon icon;
    // Title bars and task bars need no more than 48 pixels; the desktop's menus take the large
    // icon from the installed icon theme. Added as pictures: a file added by name is read twice
    // (once to learn its size) and through every image plugin.
    for (int size : {16, 32, 48}) {
        icon.addPixmap(readPng(QStringLiteral(":/icons/lunara-%1.png").arg(size)));
    }
    return icon;
}

QPixmap moonPicture(int index) {
    if (index < 1 || index > 30) {
        return {};
    }
    return assetPixmap(QStringLiteral("moon/moon%1.png").arg(index, 2, 10, QChar('0')));
}

} // namespace lunara
