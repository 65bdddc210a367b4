#pragma once

#include "shell/services.h"

#include <QDesktopServices>
#include <QObject>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace lunara::test {

// The platform services with answers chosen by the test: message boxes are recorded and
// answered, the clock and the regional settings are fixed. The settings store is the real one,
// on a file in a temporary folder.
class TestServices : public Services {
public:
    explicit TestServices(const QString& settingsFile)
        : Services(std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)) {}

    void information(QWidget*, const QString& text) override { messages << text; }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return answerYes;
    }
    QDateTime now() const override { return clock; }
    QLocale locale() const override { return regional; }
    bool anotherCopyRunning() override { return otherCopyRuns; }

    QStringList messages;
    QStringList questions;
    bool answerYes = false;
    bool otherCopyRuns = false;
    QDateTime clock{QDate(2007, 12, 23), QTime(12, 6, 31)};
    QLocale regional{QLocale::English, QLocale::UnitedStates};
};

// Catches every address the program asks the browser to open.
class BrowserRecorder : public QObject {
    Q_OBJECT
public:
    BrowserRecorder() {
        for (const char* scheme : {"https", "http"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
        }
    }
    ~BrowserRecorder() override {
        for (const char* scheme : {"https", "http"}) {
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        }
    }
    QStringList urls;

public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

// A temporary settings file and the services that use it.
struct Fixture {
    QTemporaryDir dir;
    QString settingsFile = dir.filePath(QStringLiteral("lunara.ini"));
    TestServices services{settingsFile};
};

} // namespace lunara::test
