#include "kit/text.h"

#include <QFontDatabase>
#include <QStringList>

namespace lunara {

QString withoutAccessKeys(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" keeps one "&"; "&x" keeps the x; an "&" before a blank is an ordinary ampersand.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size() && !caption[i + 1].isSpace()) {
            ++i;
        }
        out += caption[i];
    }
    return out;
}

QFont verdana(double points, bool bold, bool underline) {
    // Verdana where it is installed; DejaVu Sans shares its wide, open shapes elsewhere. Decided
    // once: asking for a missing family makes every new font search the fallbacks again.
    static const QStringList families = [] {
        // The plain list, not hasFamily(): that resolves aliases through fontconfig, which costs
        // more at start-up than everything else the launcher does.
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(family)) {
                return QStringList{family};
            }
        }
        return QStringList{QStringLiteral("Sans Serif")};
    }();
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace lunara
