#include "kit/feature_window.h"

#include "kit/form.h"
#include "kit/text.h"
#include "kit/web_links.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace lunara {

FeatureWindow::FeatureWindow(FeatureHost& host, const char* objectName, const QString& caption, int clientWidthTwips,
                             int clientHeightTwips, int background)
    : host_(host), client_(new QWidget(this)), menus_(std::make_unique<QMenuBar>()) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(verdana(8.25));
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(px(clientWidthTwips), px(clientHeightTwips));
    fillBackground(client_, background);
    setCentralWidget(client_);
    menus_->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("_menus"));
}

FeatureWindow::~FeatureWindow() = default;

QWidget* FeatureWindow::outerWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        return sub;
    }
    return this;
}

void FeatureWindow::showWindow() { host_.showFeatureWindow(*this); }

void FeatureWindow::hideWindow() { outerWindow()->hide(); }

bool FeatureWindow::isShownToUser() { return outerWindow()->isVisible(); }

void FeatureWindow::closeWindow() { outerWindow()->close(); }

void FeatureWindow::Form_Unload() { host_.showWelcomePanel(); }

void FeatureWindow::bringToFront(QWidget* page, std::initializer_list<QWidget*> group) {
    // The pages behind are hidden, not just covered, so that Tab and screen readers skip them.
    for (QWidget* other : group) {
        if (other != page) {
            other->hide();
        }
    }
    page->show();
    page->raise();
}

void FeatureWindow::connectOfferLabels(QLabel* banner, QLabel* fullBrand, QLabel* coBrand) {
    setLabelText(banner, featureBannerText());
    onClick(banner, [] { GoToHomePage(); });
    onClick(fullBrand, [] { GoToFullBrandPage(); });
    onClick(coBrand, [] { GoToCoBrandPage(); });
}

void FeatureWindow::focusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FeatureWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    Form_Unload();
    event->accept();
}

void FeatureWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    if (key == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace lunara
