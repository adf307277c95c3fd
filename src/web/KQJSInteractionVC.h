#pragma once

#include "app/KQSBaesVC.h"

#include <QString>
#include <QWebEnginePage>

class QWebEngineProfile;

// The script object a page sees as the global "iOS". It offers the page no operations.
class KQJSObjectProtocol {
public:
    static QString scriptObjectName() { return QStringLiteral("iOS"); }
};

// A page that reports the script errors of what it shows instead of dropping them.
class KQWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    KQWebPage(QWebEngineProfile* profile, QObject* parent);

signals:
    void scriptException(const QString& message);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;
};

// A screen that hands the pages it shows the script object "iOS", and nothing else.
class KQJSInteractionVC : public KQSBaesVC, public KQJSObjectProtocol {
    Q_OBJECT
public:
    explicit KQJSInteractionVC(QWidget* parent = nullptr);

    // The profile of every web page screen: kept apart from the service's cookies, and with
    // nothing on disk.
    static QWebEngineProfile* webProfile();

    // The last script error a page raised, as logged.
    QString lastException() const { return lastException_; }

protected:
    // A page of the shared profile with the script object installed before any page script
    // runs and script errors logged as "异常信息：…".
    KQWebPage* createScriptPage(QObject* parent);

private:
    QString lastException_;
};
