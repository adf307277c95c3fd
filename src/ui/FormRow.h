#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class Switch;

// One white row of a form: a title at the left, a control at the right, a hairline along the
// bottom edge. The control is one of:
// - a text field, right-aligned, named after its placeholder; Return (the Done key) ends editing;
// - a choice: a grey value with an arrow, the whole row a button named after the title and the
//   value, which the screen connects to open its chooser;
// - a switch named after the title.
// The screen gives the row its frame; the row lays out its content.
class FormRow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSideMargin = 15;
    static constexpr int kFontSize = 15;

    static FormRow* textField(const QString& title, const QString& placeholder, QWidget* parent);
    static FormRow* choice(const QString& title, const QString& value, QWidget* parent);
    static FormRow* toggle(const QString& title, QWidget* parent);

    QString title() const;
    QLabel* titleLabel() const { return title_; }
    QLineEdit* field() const { return field_; }
    QLabel* valueLabel() const { return value_; }
    QPushButton* button() const { return button_; }
    Switch* switchControl() const { return switch_; }

    // The text of a choice row.
    QString value() const;
    void setValue(const QString& value);

    void setSeparatorShown(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FormRow(const QString& title, QWidget* parent);

    QLabel* title_;
    QWidget* separator_;
    QLineEdit* field_ = nullptr;
    QLabel* value_ = nullptr;
    QLabel* arrow_ = nullptr;
    QPushButton* button_ = nullptr;
    Switch* switch_ = nullptr;
};
