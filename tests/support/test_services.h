#pragma once

#include "kit/services.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace lunara::test {

// The platform services with answers chosen by the test: message boxes and web addresses are
// recorded, boxes answered, the clock and the regional settings fixed. The settings store is the real one,
// on a file in a temporary folder.
class TestServices : public Services {
public:
    explicit TestServices(const QString& settingsFile)
        : Services(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)) {
        // Dates, times and numbers as Lunara writes them without a country's formats, whatever the
        // machine running the tests has.
        QLocale::setDefault(QLocale::c());
    }

    void information(QWidget*, const QString& text) override { messages << text; }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return answerYes;
    }
    QDateTime now() const override { return clock; }
    QLocale locale() const override { return regional; }
    QTimeZone timeZone() const override { return zone; }
    void openUrl(const QString& address) override { urls << address; }
    // The save dialog answers the next path of saveAnswers; with none left, the user cancels.
    QString chooseSaveFile(QWidget*, const QString& caption, const QString& suggestedPath, const QString&,
                           const QString&) override {
        saveQuestions << caption + QStringLiteral(": ") + QFileInfo(suggestedPath).fileName();
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    bool anotherCopyRunning() override { return otherCopyRuns; }
    bool trayAvailable() const override { return tray; }

    QStringList messages;
    QStringList questions;
    QStringList urls;
    QStringList saveQuestions;
    QStringList saveAnswers; // what the save dialog answers, in turn
    bool answerYes = false;
    bool otherCopyRuns = false;
    bool tray = false; // offscreen there is none
    QDateTime clock{QDate(2007, 12, 23), QTime(12, 6, 31)};
    QLocale regional{QLocale::English, QLocale::UnitedStates};
    QTimeZone zone{QByteArrayLiteral("UTC")};
};

// A temporary settings file and the services that use it.
struct Fixture {
    QTemporaryDir dir;
    QString settingsFile = dir.filePath(QStringLiteral("lunara.ini"));
    TestServices services{settingsFile};
};

} // namespace lunara::test
