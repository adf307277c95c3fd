#pragma once

#include <QColor>
#include <QPushButton>

class Timer;

// A button that counts down after it started something that takes a while (a code sent by text
// message, say): it takes no touches and shows the whole seconds left, once a second, until the
// time is up; then it shows its finished title and takes touches again. The seconds left are
// read from the steady clock at every tick, so a late tick never stretches the count-down. The
// title shrinks to fit the button's width.
class CountDownButton : public QPushButton {
    Q_OBJECT
public:
    explicit CountDownButton(const QString& title, QWidget* parent = nullptr);

    // The title after a count-down ended (the first title until then).
    void setFinishedTitle(const QString& title) { finishedTitle_ = title; }
    // Title colours while it takes touches and while it counts down.
    void setTitleColors(const QColor& normal, const QColor& counting);
    QColor titleColor() const { return shownColor_; }
    // The largest title size in points; the title shrinks below it to fit.
    void setTitlePointSize(int points);

    void start(int seconds);
    // Ends a running count-down now, as if its time were up.
    void finish();
    bool isCounting() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void tick();
    void showTitle(const QString& title);
    void applyColor(const QColor& color);
    void fitTitle();

    Timer* timer_;
    QString title_;
    QString finishedTitle_;
    QColor normalColor_;
    QColor countingColor_;
    QColor shownColor_;
    int pointSize_ = 15;
    int seconds_ = 0;
    qint64 startedMs_ = 0;
};
