#pragma once

#include <QWidget>

// The one phone-sized window. Its root content is replaced whole (sign-in stack, tab
// container); panels, alerts, the activity overlay and toasts lie over the root in that order.
class PhoneWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize defaultSize{375, 667};
    // A Panel keeps the frame it is given (a picker along the bottom edge, say) and leaves the
    // rest of the window touchable; the other layers cover the whole window.
    enum class Layer { Modal = 1, Activity = 2, Toast = 3, Panel = 4 };

    explicit PhoneWindow(QSize size = defaultSize, QWidget* parent = nullptr);
    ~PhoneWindow() override;

    // The most recently created window that still exists, or nullptr.
    static PhoneWindow* current();

    // Takes ownership of root; the previous root disappears at once and is deleted later,
    // so a screen of the old root may replace the root from its own callback.
    void setRoot(QWidget* root);
    QWidget* root() const { return root_; }

    // Makes w a child lying over the root in the given layer. Modal and Activity overlays
    // cover the whole window and follow its size.
    void addOverlay(QWidget* w, Layer layer);

    // Renders the window as it stands to a PNG; false with a message when it cannot be written.
    bool saveScreenshot(const QString& file, QString& error);

signals:
    void rootChanged(QWidget* root);
    // Once, after the window's first frame has been painted.
    void firstFramePainted();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void restack();
    QWidget* root_ = nullptr;
    bool painted_ = false;
};
