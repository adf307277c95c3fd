#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QPushButton;
class QVBoxLayout;

// A modal alert over the phone window: title, message and buttons. Touching a button closes
// the alert, then runs that action's handler. Without a phone window it opens as its own
// phone-sized window.
class Alert : public QWidget {
    Q_OBJECT
public:
    enum class Style { Default, Cancel, Destructive };

    Alert(const QString& title, const QString& message);

    void addAction(const QString& title, Style style = Style::Default,
                   std::function<void()> handler = {});
    void present();
    void dismiss();

    QString title() const { return title_; }
    QString message() const { return message_; }
    QStringList actionTitles() const;
    // Presses the action titled so, as a touch on its button would.
    bool trigger(const QString& actionTitle);

    // Alerts and action sheets now presented, oldest first.
    static QList<Alert*> presented();

protected:
    enum class Kind { Alert, Sheet };
    Alert(const QString& title, const QString& message, Kind kind);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Action {
        QString title;
        Style style;
        std::function<void()> handler;
        QPushButton* button;
    };
    void build();
    QWidget* makeGroup(QWidget* parent, bool withText, const QList<const Action*>& actions,
                       bool sideBySide);
    QPushButton* makeButton(const Action& action, QWidget* parent);
    QList<const Action*> orderedActions(bool cancelFirst) const;
    void placePanels();
    void run(int index);

    Kind kind_;
    QString title_;
    QString message_;
    QList<Action> actions_;
    QWidget* panel_ = nullptr;
    QWidget* cancelPanel_ = nullptr;
    bool dismissed_ = false;
};

// A modal sheet of actions rising from the bottom of the phone window; the cancel action
// stands apart at the bottom.
class ActionSheet : public Alert {
    Q_OBJECT
public:
    ActionSheet(const QString& title, const QString& message = {});
};
