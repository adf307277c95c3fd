#pragma once

#include <QColor>
#include <QPlainTextEdit>

// A multi-line text view that shows its placeholder in place, as grey text, while it holds
// nothing. `text()` never returns the placeholder.
class KQTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit KQTextView(QWidget* parent = nullptr);

    QString placeholder() const { return placeholder_; }
    void setPlaceholder(const QString& placeholder);
    QColor placeholderColor() const { return placeholderColor_; }
    void setPlaceholderColor(const QColor& color);
    QColor realTextColor() const { return realTextColor_; }

    // The owner's text: "" while the placeholder is displayed (or typed word for word).
    QString text() const;
    void setText(const QString& text);
    void setTextColor(const QColor& color);

    // Return (the Done key) ends editing instead of breaking the line.
    void setReturnEndsEditing(bool ends) { returnEndsEditing_ = ends; }
    // Whenever the owner's text grows past maxLength it is cut to its first maxLength (see
    // TextLimit); 0 sets no cap.
    void setMaxLength(int maxLength);
    int maxLength() const { return maxLength_; }

    // What the view actually holds: the placeholder while it is displayed.
    QString realText() const { return toPlainText(); }
    bool isShowingPlaceholder() const;
    bool isEditing() const { return editing_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void display(const QString& text, const QColor& color);
    void applyColor(const QColor& color);
    QColor currentColor() const;
    void applyMaxLength();

    QString placeholder_;
    QColor placeholderColor_;
    QColor realTextColor_;
    bool editing_ = false;
    bool returnEndsEditing_ = false;
    int maxLength_ = 0;
};
