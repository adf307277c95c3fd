#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The white panel of the password-recovery screens: two rows of 50 points, each a picture at
// the left and a text field (15-point, clear button always shown, placeholder as its accessible
// name), with a hairline between them.
class CredentialPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 50;
    static constexpr int kHeight = 101; // two rows and the half-point line between them

    struct Row {
        QString fieldName; // object name of the field
        QString image;     // the picture at the row's left
        QString placeholder;
    };
    CredentialPanel(const Row& first, const Row& second, QWidget* parent);

    QLabel* firstIcon;
    QLineEdit* firstField;
    QLabel* secondIcon;
    QLineEdit* secondField;

    // A control at the right end of the second row, `width` points wide; the field gives way.
    void setSecondRowAccessory(QWidget* accessory, int width);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutRows();

    QWidget* separator_;
    QWidget* accessory_ = nullptr;
    int accessoryWidth_ = 0;
};
