#include "settings/KQSettingViewController.h"

#include "app/KQSNavigtionVC.h"
#include "platform/Toast.h"
#include "ui/Style.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kStripTop = 64 + 20;
constexpr int kStripHeight = 40;
constexpr int kFieldInset = 13;
constexpr int kSaveTop = 64 + 80;
constexpr int kSaveInset = 13;
constexpr int kSaveHeight = 40;
} // namespace

KQSettingViewController* KQSettingViewController::settingTextVCWithTitle(const QString& title,
                                                                         const QString& text,
                                                                         DoneBlock done) {
    return new KQSettingViewController(title, text, std::move(done));
}

KQSettingViewController::KQSettingViewController(const QString& title, const QString& text,
                                                 DoneBlock done)
    : titleName(title), origalName(text), doneBlock(std::move(done)),
      fieldStrip_(new QWidget(this)) {
    setObjectName(QStringLiteral("KQSettingViewController"));
    setFocusPolicy(Qt::ClickFocus);
    fieldStrip_->setObjectName(QStringLiteral("fieldStrip"));
    fieldStrip_->setAttribute(Qt::WA_StyledBackground);
    fieldStrip_->setStyleSheet(QStringLiteral("#fieldStrip { background: white; }"));

    textField = new QLineEdit(origalName, fieldStrip_);
    textField->setObjectName(QStringLiteral("textField"));
    textField->setPlaceholderText(QStringLiteral("未填写"));
    textField->setAccessibleName(QStringLiteral("未填写"));
    textField->setFont(Style::systemFont(14));
    textField->setFrame(false);
    textField->setClearButtonEnabled(true);
    textField->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; }"));
    connect(textField, &QLineEdit::returnPressed, this, &KQSettingViewController::saveClick);

    saveBtn = new QPushButton(QStringLiteral("保存"), this);
    saveBtn->setObjectName(QStringLiteral("saveBtn"));
    saveBtn->setFont(Style::systemFont(15));
    saveBtn->setStyleSheet(Style::actionButtonSheet());
    connect(saveBtn, &QPushButton::clicked, this, &KQSettingViewController::saveClick);
}

void KQSettingViewController::viewWillAppear() {
    setUpNaviBar(titleName);
    textField->setFocus(Qt::OtherFocusReason);
}

void KQSettingViewController::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    const int w = width();
    fieldStrip_->setGeometry(0, kStripTop, w, kStripHeight);
    textField->setGeometry(kFieldInset, 0, std::max(0, w - 2 * kFieldInset), kStripHeight);
    saveBtn->setGeometry(kSaveInset, kSaveTop, std::max(0, w - 2 * kSaveInset), kSaveHeight);
}

void KQSettingViewController::saveClick() {
    const QString text = textField->text();
    if (text.isEmpty()) {
        Toast::showError(QStringLiteral("名称不能为空!"));
        return;
    }
    // The editor is gone before the opener acts on the text.
    const DoneBlock done = doneBlock;
    endEditing();
    KQSBaesVC::back();
    if (done) {
        done(text);
    }
}

void KQSettingViewController::back() {
    endEditing();
    KQSBaesVC::back();
}

void KQSettingViewController::endEditing() {
    if (textField->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}
