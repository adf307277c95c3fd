#pragma once

#include "app/KQSBaesVC.h"
#include "ui/KQTextView.h"

#include <functional>

// The reply text view: one paragraph only. Return ends editing and pasted line breaks are
// dropped, so what the owner sees is what is sent.
class KQReplyTextView : public KQTextView {
    Q_OBJECT
public:
    explicit KQReplyTextView(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

// "订单回复": collects the answer to one comment and hands it to its opener.
class KQCommentReplyVC : public KQSBaesVC {
    Q_OBJECT
public:
    using DoneBlock = std::function<void(const QString& text)>;

    static KQCommentReplyVC* commentReplyVCWithtextValue(const QString& text, DoneBlock doneBlock);

    KQReplyTextView* textView();
    // "发送": an answer long enough goes to the opener and the screen closes; a shorter one is
    // refused with a message and stays on screen for the owner to complete.
    void sendClick();
    // Ends editing and closes without an answer.
    void back() override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    KQCommentReplyVC(const QString& text, DoneBlock doneBlock);
    void endEditing();

    QString initialText_;
    DoneBlock doneBlock_;
    QWidget* textArea_ = nullptr;
    KQReplyTextView* textView_ = nullptr;
};
