#pragma once

#include <QAbstractButton>

// An on/off switch: a rounded track with a knob, green while on. It is a checkable button, so
// a touch, the space key or assistive technology toggles it and toggled() reports the change.
// Give it the accessible name of the row it stands in.
class Switch : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr QSize kSize{51, 31};

    explicit Switch(QWidget* parent = nullptr);

    QSize sizeHint() const override { return kSize; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
