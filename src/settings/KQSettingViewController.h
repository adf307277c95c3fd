#pragma once

#include "app/KQSBaesVC.h"

#include <functional>

class QLineEdit;
class QPushButton;

// A one-field text editor: collects a non-empty text and hands it to its opener, which sends
// it. The opener's completion runs after the editor has closed, so its messages show on the
// opener.
class KQSettingViewController : public KQSBaesVC {
    Q_OBJECT
public:
    using DoneBlock = std::function<void(const QString& text)>;

    // The editor titled `title`, its field holding `text` with the keyboard raised.
    static KQSettingViewController* settingTextVCWithTitle(const QString& title,
                                                           const QString& text, DoneBlock done);

    QString titleName;
    QString origalName;
    DoneBlock doneBlock;
    QLineEdit* textField;
    QPushButton* saveBtn;

    // "保存": an empty text shows "名称不能为空!" and stays.
    void saveClick();
    // Closes without calling the completion.
    void back() override;

protected:
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    KQSettingViewController(const QString& title, const QString& text, DoneBlock done);
    void endEditing();

    QWidget* fieldStrip_;
};
