#pragma once

#include <QPushButton>

// A button framed by a 0.5-point dark border, its content clipped to its bounds.
class KQBorderButton : public QPushButton {
    Q_OBJECT
public:
    explicit KQBorderButton(const QString& text = QString(), QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
