#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The top of a search screen, in place of the navigation bar: a 20-point white band where
// the status bar lies, then a white 44-point bar holding the search field and "取消". The
// field shows a 28 × 28 magnifier at its left, is announced by its placeholder and searches
// on Return. Each search screen says on which side "取消" sits and how much room the bar
// leaves at its left for a control of the screen's own.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BandHeight = 20;
    static constexpr int BarHeight = 44;
    static constexpr int Height = BandHeight + BarHeight;

    enum class CancelSide { Left, Right };
    struct Options {
        QString placeholder;
        CancelSide cancelSide = CancelSide::Right;
        int leadingInset = 0;
    };

    explicit SearchBar(const Options& options, QWidget* parent = nullptr);

    QLineEdit* searchField() const { return m_field; }
    QPushButton* cancelButton() const { return m_cancel; }
    QString text() const;

signals:
    // Return in the field, with the field's text as typed (empty when there is none).
    void searchRequested(const QString& text);
    void cancelled();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();

    Options m_options;
    QLineEdit* m_field;
    QLabel* m_magnifier;
    QPushButton* m_cancel;
};
