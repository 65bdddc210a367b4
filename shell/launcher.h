#pragma once

#include "calendar/calendar_window.h"
#include "calendar/year_window.h"
#include "candle/candle_window.h"
#include "hours/hours_window.h"
#include "moon/display_window.h"
#include "moon/main_window.h"
#include "moon/moon_host.h"
#include "reminders/notifier.h"
#include "reminders/reminders.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class QLabel;
class QMenu;
class QMdiArea;
class QPushButton;
class QSystemTrayIcon;

namespace lunara {

class Form;
class Services;

// The launcher: a parent window whose client area holds the feature windows, with the welcome
// panel, the two feature buttons, banner, offer line and menus.
class frmMDI : public QMainWindow, public MoonHost {
    Q_OBJECT
public:
    explicit frmMDI(Services& services);
    ~frmMDI() override;

    // Centres the banner, the button frame and the welcome labels on a screen this wide.
    void layoutForScreenWidth(double screenWidthTwips);
    double screenWidthTwips() const;

    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);

    frmCandleMagickMain* candleWindow() const { return candle_; }
    QMdiArea* mdiArea() const { return mdiArea_; }

    // FeatureHost and MoonHost.
    Services& services() override { return services_; }
    void showWelcomePanel() override;
    void hideWelcomePanel() override;
    void showFeatureWindow(FeatureWindow& window) override;
    frmMoonMagickDisplay& moonDisplay() override;
    frmMoonMagickMain* moonMain() override;
    void showMoonCalendar() override;
    frmMoonCalendar* moonCalendar() const { return calendar_; }
    frmMagickHours* magickHours() const { return hours_; }
    frmYear* yearWindow() const { return year_; }
    // The Year, and the Moon Calendar at a day (as an entry of the year asks).
    void showYear();
    void showCalendarDay(const QDate& date);
    // Magick Hours, and Candle Magick showing a planet's candle (as an hour's choice asks).
    void showMagickHours();
    void showPlanetCandle(const QString& planetOption);

    // Reminders, the tray and running without a window.
    // Started with the session: no window until asked, and closing the launcher hides it.
    void setBackground(bool background);
    bool background() const { return background_; }
    // Shows the launcher (maximized on the work area), over other windows.
    void showLauncher();
    // Reminders...: the choice, kept; the reminders and the tray follow it.
    void showReminders();
    // Ends Lunara whatever keeps it running (the tray's Quit).
    void quitLunara();
    // Whether closing the launcher leaves Lunara running: reminders on and a tray to come back
    // from, or a copy started in the background.
    bool keepsRunningWhenClosed() const;
    // A hidden launcher whose last reason to stay hidden went (every reminder off, the tray gone)
    // is shown again; a copy started in the background with no reminder on ends.
    void settle();
    Reminders& reminders() { return reminders_; }
    Notifier& notifier() { return notifier_; }
    QSystemTrayIcon* trayIcon() const { return tray_; }
    QAction* mnuStopAndQuit = nullptr;

    QWidget* Picture6;
    QLabel* lblVelmoraBanner;
    QWidget* Picture1;
    QWidget* picButtonContainer;
    std::array<QPushButton*, 2> cmdSelectOption{};
    QLabel* Picture3;
    QLabel* Picture2;
    QWidget* picMain;
    // 0-4 the welcome panel's texts and its two programs; 5-7 the Moon Calendar, Magick Hours, The Year.
    std::array<QLabel*, 8> lblCaption{};
    QWidget* PicCoBrand;
    QPushButton* cmdMdiExit;
    QLabel* Label7;

signals:
    // The launcher closed for good: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Feature { None, Candle, Moon, Calendar, Hours, Year };
    void bindControls(const Form& form);
    void buildStrips();
    void buildMenus();
    void buildLanguageMenu(QMenu* file);
    void connectControls();
    void Form_Load();
    void openFeature(Feature feature);
    void closeFeatureWindows();
    // Makes a feature window a hidden child of the MDI area (once).
    void adoptFeatureWindow(FeatureWindow& window);
    void placeFeatureWindow(FeatureWindow& window);
    FeatureWindow* visibleFeatureWindow() const;
    void updateMenuBar();
    void updateAccessKeys(QWidget* focus);
    // The tray icon while reminders are on or Lunara runs in the background, where there is a tray.
    void updateTray();

    Services& services_;
    QMdiArea* mdiArea_ = nullptr;
    QList<QAction*> ownMenus_;
    QPointer<frmCandleMagickMain> candle_;
    QPointer<frmMoonMagickMain> moonMain_;
    QPointer<frmMoonMagickDisplay> moonDisplay_;
    QPointer<frmMoonCalendar> calendar_;
    QPointer<frmMagickHours> hours_;
    QPointer<frmYear> year_;
    Reminders reminders_;
    Notifier notifier_;
    QSystemTrayIcon* tray_ = nullptr;
    bool shownBefore_ = false;
    bool started_ = false; // the start has shown the launcher or set it to run in the background
    bool background_ = false;
    bool quitting_ = false;
};

// Closes every open window, each through its own close handling; the caller then ends the program.
void QuitAll();

} // namespace lunara
