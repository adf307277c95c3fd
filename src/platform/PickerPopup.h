#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;
class PickerWheel;

// A panel along the bottom edge of the phone window, full width: a toolbar with "取消" at the
// left and "确定" at the right over one or more wheels side by side. A wheel is a list whose
// rows are real list items: a touch, a drag that comes to rest or assistive technology selects
// one, and the selected row stands in the band across the middle of the wheel. The rest of the
// window stays touchable while the panel is open.
class PickerPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int ToolbarHeight = 40;
    static constexpr int WheelHeight = 216;
    static constexpr int RowHeight = 36;
    static constexpr int FontSize = 15;

    explicit PickerPopup(int wheelCount, QWidget* parent = nullptr);

    int wheelCount() const { return int(wheels_.size()); }
    // Replaces a wheel's rows and puts it on its first row; rowChanged is not emitted.
    void setRows(int wheel, const QStringList& rows);
    QStringList rows(int wheel) const;
    // The selected row, or -1 while the wheel has no rows.
    int selectedRow(int wheel) const;
    QString selectedText(int wheel) const;
    // Turns a wheel from code; rowChanged is not emitted.
    void selectRow(int wheel, int row);

    QListWidget* wheel(int index) const;
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* confirmButton() const { return confirm_; }

    // Lays the panel over the window that holds `inside`, along its bottom edge, and shows it.
    void showIn(QWidget* inside);
    // Hides the panel and deletes it later without reporting anything; safe to call again.
    void dismiss();
    bool isClosed() const { return closed_; }

signals:
    // The owner turned a wheel to another row.
    void rowChanged(int wheel, int row);
    // "确定": emitted while the wheels still hold their rows, then the panel closes.
    void confirmed();
    // "取消": the panel closes.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    void confirm();
    void cancel();

    QWidget* toolbar_;
    QPushButton* cancel_;
    QPushButton* confirm_;
    QList<PickerWheel*> wheels_;
    bool closed_ = false;
};
