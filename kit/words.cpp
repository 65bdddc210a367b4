#include "kit/words.h"

#include <QByteArray>
#include <QCoreApplication>

namespace lunara {

QString translated(const char* context, std::string_view text) {
    // The tables' texts are views of literals, not strings that end in a zero byte.
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

} // namespace lunara
