#include "kit/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace lunara {

namespace {

// Stands for a standard icon until something needs its pictures; then asks the style once.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(const_cast<QStyle*>(style)), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    // Asked with the size in device pixels; the icon's own call takes it in device-independent ones.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("lunara.deferred"); }
    QIconEngine* clone() const override {
        auto* copy = new DeferredIcon(style_, which_, widget_);
        copy->icon_ = icon_;
        copy->resolved_ = resolved_;
        return copy;
    }

private:
    QIcon& icon() {
        if (!resolved_) {
            // A style replaced since (never in Lunara) leaves the application's own to ask; a widget
            // gone since, the icon without it.
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_ = style->standardIcon(which_, nullptr, widget_.data());
            resolved_ = true;
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    QIcon icon_;
    bool resolved_ = false;
};

} // namespace

DeferredIconStyle::DeferredIconStyle() = default;

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
    // An option (a title bar's state, a direction) may not outlive the call: such icons are read
    // at once, as before.
    if (option != nullptr) {
        return QProxyStyle::standardIcon(which, option, widget);
    }
    return QIcon(new DeferredIcon(baseStyle(), which, widget));
}

} // namespace lunara
