#include "assets/assets.h"

#include <QGuiApplication>
#include <QIcon>

static void registerResources() { Q_INIT_RESOURCE(assets); }

namespace lunara {

void initAssets() {
    static const bool once = (registerResources(), true);
    Q_UNUSED(once);
}

QPixmap assetPixmap(const QString& name) {
    initAssets();
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QString base = name.left(name.lastIndexOf('.'));
        QPixmap hi(QStringLiteral(":/%1@2x.png").arg(base));
        if (!hi.isNull()) {
            hi.setDevicePixelRatio(2.0);
            return hi;
        }
    }
    return QPixmap(QStringLiteral(":/") + name);
}

QIcon programIcon() {
    initAssets();
    QIcon icon;
    // Title bars and task bars need no more than 48 pixels; the desktop's menus take the large
    // icon from the installed icon theme. Each file is decoded as it is added.
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/lunara-%1.png").arg(size), QSize(size, size));
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
