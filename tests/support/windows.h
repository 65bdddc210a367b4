#pragma once

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QtTest>

namespace lunara::test {

// Runs the deletions that closing windows scheduled.
inline void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The next control Tab moves to: the focus chain without what cannot take the focus or is hidden.
inline QWidget* nextTabStop(QWidget* w) {
    for (QWidget* n = w->nextInFocusChain(); n && n != w; n = n->nextInFocusChain()) {
        if ((n->focusPolicy() & Qt::TabFocus) && n->isVisible() && n->isEnabled()) {
            return n;
        }
    }
    return nullptr;
}

inline void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

inline void moveMouseOver(QWidget* w, QPoint at = {2, 2}) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

// Picks a list entry as a user would, through the list's own signals.
inline void choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace lunara::test
