#include "shell/launcher.h"

#include "assets/assets.h"
#include "candle/candle_window.h"
#include "kit/form.h"
#include "kit/language.h"
#include "kit/menus.h"
#include "kit/services.h"
#include "kit/text.h"
#include "kit/web_links.h"
#include "moon/display_window.h"
#include "moon/main_window.h"
#include "reminders/reminders_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <utility>

namespace lunara {

namespace {

constexpr int kLavender = 0xC0C0FF;
constexpr Look kFeatureButton{.bg = kSilver, .bold = true};
constexpr Look kBigCaption{.fg = kCyan, .points = 12, .bold = true, .autoSize = true};

// clang-format off
// Strips first (their place comes from the layout, only the height counts), then their contents.
constexpr Control kControls[] = {
    {"Picture6", Kind::Frame, nullptr, 0, 0, 11880, 560, nullptr, {.bg = kLavender, .hand = true}},
    {"Picture1", Kind::Frame, nullptr, 0, 0, 11880, 900, nullptr, {}},
    {"picMain", Kind::Frame, nullptr, 0, 0, 11880, 8640, nullptr, {.bg = kBlack}},
    {"PicCoBrand", Kind::Frame, nullptr, 0, 0, 11880, 735, nullptr, {.bg = kLavender}},
    {"lblVelmoraBanner", Kind::Label, "Picture6", 960, 0, 9480, 465, nullptr,
     {.fg = kBlack, .points = 9.75, .bold = true, .underline = true, .align = AlignCenter, .hand = true}},
    {"picButtonContainer", Kind::Frame, "Picture1", 533, 0, 10815, 800, nullptr, {}},
    {"cmdSelectOption_1", Kind::Button, "picButtonContainer", 960, 180, 4290, 495, QT_TRANSLATE_NOOP("lunara::frmMDI", "&Moon Magick"), kFeatureButton},
    {"Picture3", Kind::Picture, "picButtonContainer", 360, 180, 510, 510, nullptr, {}},
    {"cmdSelectOption_0", Kind::Button, "picButtonContainer", 6120, 180, 4290, 495, QT_TRANSLATE_NOOP("lunara::frmMDI", "&Candle Magick"),
     kFeatureButton},
    {"Picture2", Kind::Picture, "picButtonContainer", 5520, 180, 510, 510, nullptr, {}},
    {"lblCaption_0", Kind::Label, "picMain", 4440, 240, 3000, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Welcome to Lunara"), kBigCaption},
    {"lblCaption_1", Kind::Label, "picMain", 1913, 840, 8055, 825,
     QT_TRANSLATE_NOOP("lunara::frmMDI", "Welcome to the Magickal world of occult and spirituality. Lunara will open new doors in Candle and Moon "
     "magick. Use the different resources to gain more understanding of the subject."),
     {.fg = 0xFF0000, .bold = true, .align = AlignCenter}},
    {"lblCaption_2", Kind::Label, "picMain", 3128, 1920, 5625, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Lunara includes the following programs"),
     kBigCaption},
    {"lblCaption_3", Kind::Label, "picMain", 5010, 3480, 1875, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Candle Magick"),
     {.fg = 0xFFFF00, .points = 12, .bold = true, .hand = true, .autoSize = true}},
    {"lblCaption_4", Kind::Label, "picMain", 5093, 2760, 1695, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Moon Magick"),
     {.fg = 0xFF00FF, .points = 12, .bold = true, .hand = true, .autoSize = true}},
    {"lblCaption_5", Kind::Label, "picMain", 4935, 4200, 2010, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Moon Calendar"),
     {.fg = 0x00FFFF, .points = 12, .bold = true, .hand = true, .autoSize = true}},
    {"lblCaption_6", Kind::Label, "picMain", 4980, 4920, 1920, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "Magick Hours"),
     {.fg = 0xFFA040, .points = 12, .bold = true, .hand = true, .autoSize = true}},
    {"lblCaption_7", Kind::Label, "picMain", 5220, 5640, 1440, 270, QT_TRANSLATE_NOOP("lunara::frmMDI", "The Year"),
     {.fg = 0xFFD700, .points = 12, .bold = true, .hand = true, .autoSize = true}},
    {"cmdMdiExit", Kind::Button, "PicCoBrand", 10440, 120, 1335, 495, QT_TRANSLATE_NOOP("lunara::frmMDI", "&Exit"), kFeatureButton},
    {"Label7", Kind::Label, "PicCoBrand", 120, 0, 6975, 615, kFullBrandText,
     {.bold = true, .underline = true, .hand = true}},
};
// clang-format on

constexpr int kExitMarginTwips = 120;

} // namespace

frmMDI::frmMDI(Services& services) : services_(services), reminders_(services) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(tr("Lunara v1.20"));
    setFont(verdana(8.25));
    buildStrips();
    buildMenus();
    connectControls();
    Form_Load();
}

frmMDI::~frmMDI() {
    // Focus moves while the children are destroyed; the launcher must no longer follow it.
    disconnect(qApp, nullptr, this, nullptr);
}

void frmMDI::bindControls(const Form& form) {
    LUNARA_BIND(form, Picture6);
    LUNARA_BIND(form, lblVelmoraBanner);
    LUNARA_BIND(form, Picture1);
    LUNARA_BIND(form, picButtonContainer);
    LUNARA_BIND(form, cmdSelectOption);
    LUNARA_BIND(form, Picture3);
    LUNARA_BIND(form, Picture2);
    LUNARA_BIND(form, picMain);
    LUNARA_BIND(form, lblCaption);
    LUNARA_BIND(form, PicCoBrand);
    LUNARA_BIND(form, cmdMdiExit);
    LUNARA_BIND(form, Label7);
}

void frmMDI::buildStrips() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    bindControls(Form(central, kControls, staticMetaObject.className()));

    setLabelText(
        lblVelmoraBanner,
        tr("The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit %1 Now").arg(siteHost()));
    Picture3->setPixmap(assetPixmap(QStringLiteral("icons/full-moon.png")));
    Picture3->setAccessibleName(tr("Full moon"));
    Picture2->setPixmap(assetPixmap(QStringLiteral("icons/candles.png")));
    Picture2->setAccessibleName(tr("Lit candles"));

    // The feature windows live in the MDI area; the welcome panel lies over it while it is shown.
    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(Qt::black);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* clientSpace = new QWidget;
    clientSpace->setObjectName(QStringLiteral("clientSpace"));
    auto* stack = new QStackedLayout(clientSpace);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(mdiArea_);
    stack->addWidget(picMain);
    stack->setCurrentWidget(picMain);

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (auto [strip, heightTwips] : {std::pair{Picture6, 560}, std::pair{Picture1, 900}}) {
        strip->setFixedHeight(px(heightTwips));
        column->addWidget(strip);
    }
    column->addWidget(clientSpace, 1);
    PicCoBrand->setFixedHeight(px(735));
    column->addWidget(PicCoBrand);
    setCentralWidget(central);

    // Mouse moves over the welcome panel and its labels drive the underline of the feature labels.
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    for (QLabel* label : lblCaption) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }
}

void frmMDI::buildMenus() {
    QMenu* file = addMenu(menuBar(), "mnuFile", tr("&File"));
    addCommand(file, "mnuMoonCalendar", tr("Moon &Calendar"), this, [this] { openFeature(Feature::Calendar); });
    addCommand(file, "mnuMagickHours", tr("Magick &Hours"), this, [this] { showMagickHours(); });
    addCommand(file, "mnuYear", tr("The &Year"), this, [this] { showYear(); });
    addCommand(file, "mnuReminders", tr("&Reminders..."), this, [this] { showReminders(); });
    buildLanguageMenu(file);
    addCommand(file, "mnuExit", tr("E&xit"), this, [this] { close(); });
    mnuStopAndQuit = addCommand(file, "mnuStopAndQuit", tr("&Stop Reminders and Quit"), this, [this] { quitLunara(); });
    mnuStopAndQuit->setVisible(false);
    addHelpMenu(menuBar(), {"mnuSep1", "mnuSep2", QT_TRANSLATE_NOOP("Menus", "Check for Software &Update")}, this,
                services_);
    addMakeMoneyCommand(menuBar(), "mkmoney", this);
    ownMenus_ = menuBar()->actions();
}

void frmMDI::buildLanguageMenu(QMenu* file) {
    // The languages present, each named in its own language, and the desktop's; the choice is
    // kept and used from the next start (the windows are not rebuilt under the user's hands).
    QMenu* menu = file->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    const QString chosen = chosenLanguage(services_.settings());
    const auto add = [&](const QString& name, const QString& caption, const QString& code) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            if (code == chosenLanguage(services_.settings())) {
                return;
            }
            services_.information(this, services_.storeSetting(QString::fromLatin1(kLanguageKey), code)
                                            ? tr("Lunara speaks the language chosen from its next start.")
                                            : tr("The language could not be kept: the settings cannot be written."));
        });
    };
    add(QStringLiteral("mnuLanguageSystem"), tr("&System default"), QString());
    menu->addSeparator();
    for (const Language& language : availableLanguages()) {
        add(QStringLiteral("mnuLanguage_") + language.code, language.nativeName, language.code);
    }
}

void frmMDI::connectControls() {
    for (int i = 0; i < 2; ++i) {
        connect(cmdSelectOption[std::size_t(i)], &QPushButton::clicked, this, [this, i] { cmdSelectOption_Click(i); });
    }
    for (int i = 0; i < int(lblCaption.size()); ++i) {
        onClick(lblCaption[std::size_t(i)], [this, i] { lblCaption_Click(i); });
    }
    onClick(lblVelmoraBanner, [] { GoToHomePage(); });
    onClick(Picture6, [] { GoToHomePage(); });
    onClick(Label7, [] { GoToFullBrandPage(); });
    connect(cmdMdiExit, &QPushButton::clicked, this, &QWidget::close);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { updateAccessKeys(now); });
}

void frmMDI::updateAccessKeys(QWidget* focus) {
    // A feature window that has the focus owns the keyboard: the launcher's access keys act only
    // while the focus is in the launcher itself, or a key of its would open another feature over
    // the user's work. The menu bar stays reachable.
    bool inFeature = false;
    for (QWidget* w = focus; w && !inFeature; w = w->parentWidget()) {
        inFeature = qobject_cast<FeatureWindow*>(w) != nullptr;
    }
    for (QPushButton* button : {cmdSelectOption[0], cmdSelectOption[1], cmdMdiExit}) {
        button->setShortcut(inFeature ? QKeySequence() : QKeySequence::mnemonic(button->text()));
    }
}

FeatureWindow* frmMDI::visibleFeatureWindow() const {
    for (FeatureWindow* w : std::initializer_list<FeatureWindow*>{candle_, moonMain_, moonDisplay_, calendar_}) {
        if (w && !w->isClosing() && w->outerWindow()->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

void frmMDI::updateMenuBar() {
    // As in any multiple-document program, the menu bar carries the menus of the window in use.
    const FeatureWindow* feature = visibleFeatureWindow();
    const QList<QAction*> wanted = feature ? feature->menus()->actions() : ownMenus_;
    QMenuBar* bar = menuBar();
    if (bar->actions() == wanted) {
        return;
    }
    for (QAction* action : bar->actions()) {
        bar->removeAction(action);
    }
    bar->addActions(wanted);
}

double frmMDI::screenWidthTwips() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? toTwips(s->geometry().width()) : 11880.0;
}

void frmMDI::Form_Load() {
    layoutForScreenWidth(screenWidthTwips());
    connect(&reminders_, &Reminders::remind, &notifier_, &Notifier::notify);
    connect(&reminders_, &Reminders::cannotRemember, &notifier_, [this](const QString& why) {
        notifier_.tell(tr("Reminders cannot be remembered"),
                       tr("Lunara cannot write its settings (%1). Until it can, it does not remember across restarts "
                          "which reminders it has shown, so one may come again after Lunara starts anew.")
                           .arg(why));
    });
    // A tray that went away leaves a hidden launcher without a way back.
    connect(&reminders_, &Reminders::minute, this, [this] {
        updateTray();
        settle();
    });
    connect(&notifier_, &Notifier::dayRequested, this, [this](const QDate& day) {
        showLauncher();
        showCalendarDay(day);
    });
    reminders_.restart();
    updateTray();
}

void frmMDI::setBackground(bool background) {
    background_ = background;
    started_ = true;
    updateTray();
}

void frmMDI::showLauncher() {
    started_ = true;
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            // Without a window manager "maximized" means nothing; start at the full work area anyway.
            setGeometry(screen->availableGeometry());
        }
        showMaximized();
    }
    // Asked again (a second start, the tray): bring it to the front. A window mapped the first time
    // is put there by the desktop, and asking as well makes the X server expose it twice at start.
    if (std::exchange(shownBefore_, true)) {
        raise();
        activateWindow();
    }
}

void frmMDI::showReminders() {
    frmReminders dialog(services_, tray_ != nullptr || services_.trayAvailable(), isVisible() ? this : nullptr);
    if (dialog.exec() == QDialog::Accepted) {
        reminders_.restart();
        updateTray();
        settle();
    }
}

bool frmMDI::keepsRunningWhenClosed() const { return background_ || (reminders_.active() && tray_ != nullptr); }

void frmMDI::settle() {
    // Before the start has decided whether the launcher shows (shown it, or kept it in the
    // background), there is nothing to settle.
    const bool decided = started_ || testAttribute(Qt::WA_WState_ExplicitShowHide);
    if (!decided || isVisible() || quitting_) {
        return;
    }
    // Hidden, with the last reason to stay so gone: a copy started in the background with nothing
    // to remind of ends; any other comes back into view rather than run on unseen.
    if (background_ && !reminders_.active()) {
        quitLunara();
    } else if (!keepsRunningWhenClosed()) {
        showLauncher();
    }
}

void frmMDI::quitLunara() {
    quitting_ = true;
    close();
}

void frmMDI::updateTray() {
    // Without a tray, a copy in the background still says how to end it.
    const bool wanted = (reminders_.active() || background_) && services_.trayAvailable();
    mnuStopAndQuit->setVisible(background_ && !wanted);
    if (!wanted) {
        reminders_.watchMoon(false);
        delete std::exchange(tray_, nullptr);
        notifier_.setTray(nullptr);
        return;
    }
    if (tray_) {
        return;
    }
    tray_ = new QSystemTrayIcon(programIcon(), this);
    tray_->setObjectName(QStringLiteral("trayIcon"));
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuTray"));
    addCommand(menu, "mnuTrayOpen", tr("&Open Lunara"), this, [this] { showLauncher(); });
    addCommand(menu, "mnuTrayCalendar", tr("Moon &Calendar"), this, [this] {
        showLauncher();
        openFeature(Feature::Calendar);
    });
    addCommand(menu, "mnuTrayHours", tr("Magick &Hours"), this, [this] {
        showLauncher();
        showMagickHours();
    });
    addCommand(menu, "mnuTrayYear", tr("The &Year"), this, [this] {
        showLauncher();
        showYear();
    });
    addCommand(menu, "mnuTrayReminders", tr("&Reminders..."), this, [this] { showReminders(); });
    menu->addSeparator();
    addCommand(menu, "mnuTrayQuit", tr("&Quit"), this, [this] { quitLunara(); });
    tray_->setContextMenu(menu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
            showLauncher();
        }
    });
    // The tooltip follows the moon by itself, with one wake-up at each change of its words.
    connect(&reminders_, &Reminders::moonChanged, tray_,
            [this](const QString& moon) { tray_->setToolTip(tr("Lunara\n%1", "the tray icon's tooltip").arg(moon)); });
    reminders_.watchMoon(true);
    notifier_.setTray(tray_);
    tray_->show();
}

void frmMDI::layoutForScreenWidth(double w) {
    const auto centre = [w](QWidget* control) {
        control->move(px((w - toTwips(control->width())) / 2.0), control->y());
    };
    centre(lblVelmoraBanner);
    centre(picButtonContainer);
    for (QLabel* label : lblCaption) {
        centre(label);
    }
    cmdMdiExit->move(px(w - (toTwips(cmdMdiExit->width()) + kExitMarginTwips)), cmdMdiExit->y());
}

bool frmMDI::eventFilter(QObject* watched, QEvent* event) {
    if (qobject_cast<QMdiSubWindow*>(watched)) {
        const auto type = event->type();
        if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Close) {
            updateMenuBar();
        }
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        if (watched == picMain) {
            for (QLabel* label : lblCaption) {
                QFont f = label->font();
                f.setUnderline(false);
                label->setFont(f);
            }
            return false;
        }
        for (std::size_t i = 3; i < lblCaption.size(); ++i) {
            if (watched == lblCaption[i]) {
                QFont f = lblCaption[i]->font();
                f.setUnderline(true);
                lblCaption[i]->setFont(f);
            }
        }
        // A move over any label is not a move over the bare panel.
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::cmdSelectOption_Click(int index) { openFeature(index == 0 ? Feature::Candle : Feature::Moon); }

void frmMDI::lblCaption_Click(int index) {
    constexpr std::array<Feature, 8> kOpens{Feature::None, Feature::None,     Feature::None,  Feature::Candle,
                                            Feature::Moon, Feature::Calendar, Feature::Hours, Feature::Year};
    if (index >= 0 && index < int(kOpens.size())) {
        openFeature(kOpens[std::size_t(index)]);
    }
}

void frmMDI::closeFeatureWindows() {
    // In this order, each through its own close handling.
    if (candle_ && !candle_->isClosing()) {
        candle_->closeWindow();
    }
    if (moonDisplay_ && !moonDisplay_->isClosing()) {
        moonDisplay_->closeWindow();
    }
    if (moonMain_ && !moonMain_->isClosing()) {
        moonMain_->closeWindow();
    }
    if (calendar_ && !calendar_->isClosing()) {
        calendar_->closeWindow();
    }
    if (hours_ && !hours_->isClosing()) {
        hours_->closeWindow();
    }
    if (year_ && !year_->isClosing()) {
        year_->closeWindow();
    }
    candle_ = nullptr;
    calendar_ = nullptr;
    hours_ = nullptr;
    year_ = nullptr;
    moonDisplay_ = nullptr;
    moonMain_ = nullptr;
}

void frmMDI::openFeature(Feature feature) {
    closeFeatureWindows();
    hideWelcomePanel();
    FeatureWindow* window = nullptr;
    if (feature == Feature::Candle) {
        candle_ = new frmCandleMagickMain(*this);
        connect(candle_, &frmCandleMagickMain::magickHoursRequested, this, [this] { showMagickHours(); });
        window = candle_;
    } else if (feature == Feature::Moon) {
        moonMain_ = new frmMoonMagickMain(*this);
        window = moonMain_;
    } else if (feature == Feature::Calendar) {
        calendar_ = new frmMoonCalendar(*this);
        connect(
            calendar_, &frmMoonCalendar::yearRequested, this, [this] { showYear(); }, Qt::QueuedConnection);
        connect(
            calendar_, &frmMoonCalendar::remindersRequested, this, [this] { showReminders(); }, Qt::QueuedConnection);
        window = calendar_;
    } else if (feature == Feature::Year) {
        year_ = new frmYear(*this);
        // Queued: the year closes when the calendar opens, and must not be deleted inside its own signal.
        connect(
            year_, &frmYear::dayRequested, this, [this](const QDate& d) { showCalendarDay(d); }, Qt::QueuedConnection);
        window = year_;
    } else if (feature == Feature::Hours) {
        hours_ = new frmMagickHours(*this);
        connect(hours_, &frmMagickHours::candleRequested, this,
                [this](const QString& planet) { showPlanetCandle(planet); });
        window = hours_;
    }
    if (window) {
        showFeatureWindow(*window);
    }
}

void frmMDI::showWelcomePanel() {
    picMain->show();
    picMain->raise();
}

void frmMDI::hideWelcomePanel() { picMain->hide(); }

void frmMDI::adoptFeatureWindow(FeatureWindow& window) {
    if (qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        return;
    }
    QMdiSubWindow* sub = mdiArea_->addSubWindow(&window, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                             Qt::WindowMinimizeButtonHint);
    sub->setObjectName(window.objectName() + QStringLiteral("Frame"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(windowIcon());
    // The windows were drawn for a fixed client area.
    sub->layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Its menus appear in the launcher's menu bar while it is in use.
    sub->installEventFilter(this);
    connect(&window, &QObject::destroyed, this, &frmMDI::updateMenuBar, Qt::QueuedConnection);
    sub->hide();
}

void frmMDI::placeFeatureWindow(FeatureWindow& window) {
    QWidget* outer = window.outerWindow();
    outer->move(px((screenWidthTwips() - toTwips(outer->width())) / 2.0), 0);
}

void frmMDI::showFeatureWindow(FeatureWindow& window) {
    adoptFeatureWindow(window);
    window.outerWindow()->show();
    placeFeatureWindow(window);
    mdiArea_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window.outerWindow()));
    window.focusFirstControl();
    updateMenuBar();
}

frmMoonMagickDisplay& frmMDI::moonDisplay() {
    if (!moonDisplay_ || moonDisplay_->isClosing()) {
        moonDisplay_ = new frmMoonMagickDisplay(*this);
        adoptFeatureWindow(*moonDisplay_);
    }
    return *moonDisplay_;
}

void frmMDI::showMoonCalendar() { openFeature(Feature::Calendar); }

void frmMDI::showYear() { openFeature(Feature::Year); }

void frmMDI::showCalendarDay(const QDate& date) {
    openFeature(Feature::Calendar);
    if (calendar_) {
        calendar_->selectDate(date);
    }
}

void frmMDI::showMagickHours() {
    // Not from within a handler of the window about to close: after it returns.
    QMetaObject::invokeMethod(
        this, [this] { openFeature(Feature::Hours); }, Qt::QueuedConnection);
}

void frmMDI::showPlanetCandle(const QString& planetOption) {
    QMetaObject::invokeMethod(
        this,
        [this, planetOption] {
            openFeature(Feature::Candle);
            if (candle_) {
                candle_->showPlanetCandle(planetOption);
            }
        },
        Qt::QueuedConnection);
}

frmMoonMagickMain* frmMDI::moonMain() { return moonMain_ && !moonMain_->isClosing() ? moonMain_.data() : nullptr; }

void frmMDI::closeEvent(QCloseEvent* event) {
    // No question: every feature window closes with its own handling, then the program ends,
    // unless it stays to remind (in the tray, or in the background it was started in).
    closeFeatureWindows();
    if (!quitting_ && keepsRunningWhenClosed()) {
        hide();
        showWelcomePanel();
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void QuitAll() { QApplication::closeAllWindows(); }

} // namespace lunara
